// CWinApp: the one application object. The process entry calls its
// InitInstance; the process ends when that returns.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    // Registers this object as the application; a static object is expected.
    CWinApp();
    virtual ~CWinApp();

    // Called once at start-up; the program's whole run happens inside it.
    virtual BOOL InitInstance() { return FALSE; }

    // Gives dialogs and controls the current visual style of the platform.
    bool Enable3dControls();

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The module that holds the program's resources: the executable itself.
HINSTANCE AfxGetResourceHandle();
