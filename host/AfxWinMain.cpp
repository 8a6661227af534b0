// The process entry: the C runtime has constructed the static application
// object by now; its InitInstance is the whole run of the program.
#include <windows.h>

#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (CWinApp* app = AfxGetApp()) app->InitInstance();
    return 0;
}

// The C runtime's start-up installs this as the handler of math errors. Its
// own version writes to stderr, which a GUI program does not have, and
// reelkick computes nothing; 0 lets the runtime go on with its default.
extern "C" int _matherr(struct _exception*) { return 0; }
