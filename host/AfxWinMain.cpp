// The process entry. reelkick brings its own in place of the C runtime's
// start-up, which would prepare what a console program needs (argc and argv,
// the environment, stdio, exit handlers, thread-local storage, signals) and
// none of which a dialog program uses. msvcrt.dll sets itself up when it is
// loaded, as every DLL does, so its functions work without that start-up.
#include <windows.h>

#include <mbctype.h>

#include "CWinApp.h"

// The static constructors, which the linker lists between a count and a
// null: the application object's is one of them.
extern "C" void (*__CTOR_LIST__[])();

// Selects the system's ANSI code page for the multibyte string functions,
// as the C runtime's start-up does, so that _mbsrchr never takes the trail
// byte of a double-byte character for a backslash. Runs the static
// constructors, last listed first, as the C runtime would, then the whole
// program, which is the application's InitInstance.
extern "C" void WinMainCRTStartup() {
    _setmbcp(_MB_CP_ANSI);
    int count = 0;
    while (__CTOR_LIST__[count + 1]) ++count;
    while (count > 0) __CTOR_LIST__[count--]();
    if (CWinApp* app = AfxGetApp()) app->InitInstance();
    ::ExitProcess(0);
}

// A static constructor registers its object's destructor to run at exit.
// None needs to: the process ends, and the system frees what it holds.
extern "C" int atexit(void (*)()) { return 0; }

// The linker makes pseudo-relocations for data that code takes from a DLL
// without declaring it imported, and a call of this function to apply them.
// reelkick is linked with --disable-auto-import, so the linker refuses such
// a reference, and there are none to apply.
extern "C" void _pei386_runtime_relocator() {}
