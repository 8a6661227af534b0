// The main window's start-up, looked at from inside its own modal run: what
// another process cannot see, such as the system menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ReelkickDlg.h"
#include "resource.h"

namespace {

class ProbeReelkick : public CReelkickDlg {
public:
    std::vector<std::string> menu;  // the system menu's entries, "-" for a separator
    HICON bigIcon = nullptr, smallIcon = nullptr, dragIcon = nullptr;

protected:
    BOOL OnInitDialog() override {
        BOOL result = CReelkickDlg::OnInitDialog();
        HMENU sysMenu = ::GetSystemMenu(m_hWnd, FALSE);
        for (int i = 0, n = ::GetMenuItemCount(sysMenu); i < n; ++i) {
            char text[128] = "";
            MENUITEMINFOA item = { sizeof item, MIIM_FTYPE | MIIM_ID | MIIM_STRING };
            item.dwTypeData = text;
            item.cch = sizeof text;
            ::GetMenuItemInfoA(sysMenu, i, TRUE, &item);
            menu.push_back(item.fType & MFT_SEPARATOR ? "-" : std::to_string(item.wID) + " " + text);
        }
        bigIcon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_BIG));
        smallIcon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL));
        dragIcon = reinterpret_cast<HICON>(SendMessage(WM_QUERYDRAGICON));
        EndDialog(IDOK);
        return result;
    }
};

TEST(ReelkickDlg, StartUpAddsTheAboutEntryAndTheIcons) {
    ProbeReelkick dlg;
    ASSERT_EQ(IDOK, dlg.DoModal());

    ASSERT_GE(dlg.menu.size(), 3u);
    EXPECT_EQ("-", dlg.menu[dlg.menu.size() - 3]);
    EXPECT_EQ("16 &About reelkick...", dlg.menu[dlg.menu.size() - 2]);
    // Outside the ids 16 to 31, which all open the About box.
    EXPECT_EQ("32 Paste a link or files\tCtrl+V", dlg.menu.back());
    EXPECT_EQ(1, std::count(dlg.menu.begin(), dlg.menu.end(), dlg.menu.back())) << "added once";

    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN));
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(icon, dlg.bigIcon);
    EXPECT_EQ(icon, dlg.smallIcon);
    EXPECT_EQ(icon, dlg.dragIcon);
}

// The manifest that reelkick carries (linked into this test too) makes the
// ANSI code page UTF-8, so 8-bit text can hold any file name.
TEST(ReelkickDlg, ManifestMakesTheCodePageUtf8) { EXPECT_EQ(65001u, ::GetACP()); }

}  // namespace
