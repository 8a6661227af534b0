#include "ReelkickApp.h"

#include "ReelkickDlg.h"

CReelkickApp theApp;

// Called once at start-up. The whole run of the program is the one modal run
// of the main window; FALSE then ends the process.
BOOL CReelkickApp::InitInstance() {
    Enable3dControls();
    CReelkickDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    return FALSE;
}
