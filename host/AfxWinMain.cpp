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

// The C runtime's start-up would apply pseudo-relocations, which the linker
// makes for data that code takes from a DLL without declaring it imported.
// The program is linked with --disable-auto-import, so the linker refuses
// such a reference and there are none to apply.
extern "C" void _pei386_runtime_relocator() {}

// The C runtime's start-up would install mingw's handler that turns
// exceptions into C signals, which reelkick never catches; without one the
// system's default applies, as it would to a signal nobody handles.
extern "C" {
LONG WINAPI _gnu_exception_handler(EXCEPTION_POINTERS*) { return EXCEPTION_CONTINUE_SEARCH; }
LPTOP_LEVEL_EXCEPTION_FILTER __mingw_oldexcpt_handler = nullptr;

// Nor does reelkick keep anything per thread, so it needs no thread-local
// storage and none of the runtime's support for it: the start-up finds no
// callback to run, and the exe carries no TLS directory.
extern const PIMAGE_TLS_CALLBACK __dyn_tls_init_callback = nullptr;
int __mingw_initltsdrot_force = 0, __mingw_initltsdyn_force = 0, __mingw_initltssuo_force = 0;
}
