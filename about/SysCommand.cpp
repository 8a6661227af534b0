// The system menu's route into the About box, and to pasting.
#include <windows.h>

#include "AboutBox.h"
#include "ReelkickDlg.h"
#include "resource.h"

// Called for every system command of the main window. The platform keeps
// the low four bits of the id for itself, so they are masked off first.
void CReelkickDlg::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) == IDM_ABOUT) {
        CAboutBox about;
        about.DoModal();
    } else if ((nID & 0xFFF0) == IDM_PASTE) {
        OnPaste();
    } else {
        Default();
    }
}
