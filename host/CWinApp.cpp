#include "CWinApp.h"

#include <commctrl.h>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

bool CWinApp::Enable3dControls() {
    INITCOMMONCONTROLSEX classes = { sizeof classes, ICC_STANDARD_CLASSES };
    return ::InitCommonControlsEx(&classes) != FALSE;
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleA(nullptr); }
