// Message routing: the first matching entry wins, unmatched messages go on to
// CDialog's map and then to the platform's dialog procedure.
#include <gtest/gtest.h>

#include "ProbeDialog.h"

namespace {

using Calls = std::vector<std::string>;

Calls Strings(const std::vector<const char*>& calls) { return Calls(calls.begin(), calls.end()); }

void PostCommand(HWND dlg, int id, int code) {
    ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(dlg, id)));
}

TEST(MessageMap, FirstMatchingEntryWins) {
    ProbeDialog probe([](ProbeDialog& dlg) {
        PostCommand(dlg.m_hWnd, IDC_P_BUTTON, BN_CLICKED);
        PostCommand(dlg.m_hWnd, IDC_P_BUTTON, BN_DOUBLECLICKED);  // no entry for this code
        PostCommand(dlg.m_hWnd, IDC_P_EDIT, BN_CLICKED);          // nor for this control
        PostCommand(dlg.m_hWnd, IDCANCEL, BN_CLICKED);
    });
    EXPECT_EQ(IDCANCEL, probe.DoModal());
    EXPECT_EQ((Calls{ "OnCreate", "OnFirst" }), Strings(probe.calls));
}

TEST(MessageMap, ComboFocusIsRouted) {
    ProbeDialog probe([](ProbeDialog& dlg) {
        ::SetFocus(dlg.Item(IDC_P_COMBO));
        ::SetFocus(dlg.Item(IDC_P_EDIT));
        ::SetFocus(dlg.Item(IDC_P_COMBO));
        dlg.End(IDOK);
    });
    probe.DoModal();
    EXPECT_EQ((Calls{ "OnCreate", "OnComboFocus", "OnComboFocus" }), Strings(probe.calls));
}

// OK and Cancel come from CDialog's map: OK pulls before it ends, Cancel not.
TEST(MessageMap, BaseMapEndsTheDialog) {
    struct Case {
        int command;
        const char* pulled;
    };
    for (const Case& c : { Case{ IDOK, "typed" }, Case{ IDCANCEL, "" } }) {
        SCOPED_TRACE(c.command);
        ProbeDialog probe([&](ProbeDialog& dlg) {
            ::SetWindowTextA(dlg.Item(IDC_P_EDIT), "typed");
            PostCommand(dlg.m_hWnd, c.command, BN_CLICKED);
        });
        EXPECT_EQ(c.command, probe.DoModal());
        EXPECT_STREQ(c.pulled, probe.text.GetString());
    }
}

// Default() passes on the message its handler was called for, even when the
// handler has sent its window other messages first.
TEST(MessageMap, DefaultPassesOnTheHandlersOwnMessage) {
    ProbeDialog probe([](ProbeDialog& dlg) { ::PostMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(IDCANCEL, probe.DoModal()) << "close becomes Cancel";
    EXPECT_EQ((Calls{ "OnCreate", "OnSysCommand" }), Strings(probe.calls));
}

TEST(MessageMap, MissingTemplateFailsTheModalRun) {
    class Missing : public CDialog {
    public:
        Missing() : CDialog(999) {}
    } missing;
    EXPECT_EQ(-1, missing.DoModal());
}

}  // namespace
