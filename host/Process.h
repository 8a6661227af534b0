// The process's surroundings: its working folder, the system folder,
// starting another program, and the system's own words for an error.
#pragma once

#include <windows.h>

#include "CString.h"

// The working folder in full, whatever its length, in the ANSI code page;
// "" only when the platform cannot give it.
CString GetWorkingFolder();
// The system folder, where the system's own programs such as cmd.exe lie.
CString GetSystemFolder();
// The folder that holds the program's own exe.
CString GetProgramFolder();

// Starts a program shown normally and does not wait for it, as WinExec
// does. With an `application`, exactly that file runs and the command line
// is only handed to it; without one, the command line's first item names
// the program. Returns 0 once it runs, or the system's error code. With
// `process`, the running program's handle is handed out, for the caller to
// close.
DWORD StartProgram(const char* application, const CString& commandLine, HANDLE* process = nullptr);

// Posts `message` to `wnd` once `process` has ended, and with it the host
// of its console, if both end within `ms` milliseconds; nothing is posted
// after that. Watched from a thread of its own, so that nobody waits. The
// handle is closed then.
void PostWhenEnded(HANDLE process, HWND wnd, UINT message, DWORD ms);

// The system's message for an error code, on one line.
CString GetErrorText(DWORD error);

// Sets `proc` to function `name` of `module`, a DLL that the program loads
// when a feature first needs it, so that start-up does not pay for it.
// False, with `proc` null, when the module or the function is missing.
template <typename Proc>
bool GetProc(HMODULE module, const char* name, Proc& proc) {
    proc = module ? reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
    return proc != nullptr;
}
