// Pull and push of the three binding kinds, against real controls.
#include <gtest/gtest.h>

#include <string>

#include "ProbeDialog.h"

namespace {

std::string TextOf(HWND wnd) {
    char text[256] = "";
    ::GetWindowTextA(wnd, text, sizeof text);
    return text;
}

// Runs `body` inside a modal run of the probe dialog and ends the run.
void InProbe(const ProbeDialog::Body& body) {
    ProbeDialog probe([&](ProbeDialog& dlg) {
        body(dlg);
        dlg.End(IDOK);
    });
    ASSERT_EQ(IDOK, probe.DoModal());
}

TEST(DataExchange, ComboPushSelectsTheFirstEntryThatBeginsWithTheValue) {
    struct Case {
        const char* value;
        const char* shown;
        bool selectsEntry;
    };
    const Case cases[] = {
        { "29.97", "29.976", true },    // a prefix completes to the entry
        { "3", "30", true },
        { "30", "30", true },
        { "aBC", "Abcd", true },        // case is ignored
        { "50", "50", false },          // no entry: the value itself
        { "29.9765", "29.9765", false },  // longer than any entry
        { "", "", false },              // the platform searches for no empty text
    };
    InProbe([&](ProbeDialog& dlg) {
        HWND combo = dlg.Item(IDC_P_COMBO);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.value);
            dlg.comboText = c.value;
            dlg.Push();
            EXPECT_EQ(c.shown, TextOf(combo));
            if (c.selectsEntry) {
                char entry[64] = "";
                ::SendMessageA(combo, CB_GETLBTEXT, ::SendMessageA(combo, CB_GETCURSEL, 0, 0),
                               reinterpret_cast<LPARAM>(entry));
                EXPECT_STREQ(c.shown, entry);
            }
            EXPECT_STREQ(c.value, dlg.comboText.GetString()) << "a push leaves the member alone";
        }
    });
}

TEST(DataExchange, ComboPullReadsTheEditField) {
    InProbe([](ProbeDialog& dlg) {
        HWND combo = dlg.Item(IDC_P_COMBO);
        ::SendMessageA(combo, CB_SETCURSEL, 2, 0);
        dlg.Pull();
        EXPECT_STREQ("30", dlg.comboText.GetString());
        ::SetWindowTextA(combo, "typed 12");
        dlg.Pull();
        EXPECT_STREQ("typed 12", dlg.comboText.GetString());
    });
}

TEST(DataExchange, TextAndCheckGoBothWays) {
    InProbe([](ProbeDialog& dlg) {
        ::SetWindowTextA(dlg.Item(IDC_P_EDIT), "C:\\a b\\c.avi");
        ::SendMessageA(dlg.Item(IDC_P_CHECK), BM_SETCHECK, BST_CHECKED, 0);
        dlg.Pull();
        EXPECT_STREQ("C:\\a b\\c.avi", dlg.text.GetString());
        EXPECT_EQ(1, dlg.check);

        for (int state : { 0, 1, 0 }) {
            dlg.text = state ? "one" : "";
            dlg.check = state;
            dlg.Push();
            EXPECT_EQ(dlg.text.GetString(), TextOf(dlg.Item(IDC_P_EDIT)));
            EXPECT_EQ(state, ::SendMessageA(dlg.Item(IDC_P_CHECK), BM_GETCHECK, 0, 0));
        }
    });
}

TEST(DataExchange, InitDialogFillsListsFromTheResourceThenPushes) {
    ProbeDialog probe([](ProbeDialog& dlg) {
        auto items = [&](int id) {
            std::vector<std::string> texts;
            HWND combo = dlg.Item(id);
            for (LRESULT i = 0, n = ::SendMessageA(combo, CB_GETCOUNT, 0, 0); i < n; ++i) {
                char text[64] = "";
                ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                texts.push_back(text);
            }
            return texts;
        };
        EXPECT_EQ((std::vector<std::string>{ "", "29.976", "30", "Abcd" }), items(IDC_P_COMBO));
        EXPECT_EQ((std::vector<std::string>{ "Zebra", "Apple" }), items(IDC_P_OTHER_COMBO)) << "unsorted box";
        EXPECT_EQ("pushed", TextOf(dlg.Item(IDC_P_EDIT)));
        EXPECT_EQ(1, ::SendMessageA(dlg.Item(IDC_P_CHECK), BM_GETCHECK, 0, 0));
        dlg.End(IDOK);
    });
    probe.text = "pushed";
    probe.check = 1;
    EXPECT_EQ(IDOK, probe.DoModal());
}

}  // namespace
