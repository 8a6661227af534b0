// The process entry: the C runtime has constructed the static application
// object by now; its InitInstance is the whole run of the program.
#include <windows.h>

#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (CWinApp* app = AfxGetApp()) app->InitInstance();
    return 0;
}
