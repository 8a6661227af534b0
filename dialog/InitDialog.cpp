// Start-up of the main window: the About entry, the icons, the start folder,
// the player in it and the shell probe.
#include <windows.h>

#include <direct.h>

#include <cstdlib>

#include "CommandLine.h"
#include "ReelkickDlg.h"
#include "resource.h"

namespace {

// The process's working folder in full, whatever its length; "" only when
// the platform cannot give it at all.
CString WorkingFolder() {
    char* folder = _getcwd(nullptr, 0);
    CString result(folder);
    std::free(folder);
    return result;
}

}  // namespace

// Called once the window and its controls exist, before it is first shown.
BOOL CReelkickDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    CMenu sysMenu = GetSystemMenu(false);
    if (sysMenu.m_hMenu) {
        CString about;
        about.LoadString(IDS_ABOUT);
        if (!about.IsEmpty()) {
            sysMenu.AppendMenu(MF_SEPARATOR);
            sysMenu.AppendMenu(MF_STRING, IDM_ABOUT, about.GetString());
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hMainIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hMainIcon));

    GetDlgItem(IDC_MPLAYER).EnableWindow(FALSE);

    m_szStartDir = WorkingFolder();
    m_strPlayerArg = StartFolderPlayerArg(m_szStartDir);

    // On systems with cmd.exe this flashes a console window; the initial info
    // text tells the user why.
    m_strShellPrefix = ShellPrefixFor(::WinExec("cmd.exe /C", SW_SHOW));
    return TRUE;
}
