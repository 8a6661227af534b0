#include "CFileList.h"

#include <cstring>

#include "CWideString.h"
#include "Process.h"

namespace {

// The shell is loaded when it is first needed, as the common dialogs are
// when a file is first chosen: at start-up it would cost the window time.
// shell32 is one of the system's known DLLs, which load from the system
// folder only.
HMODULE LoadShell() { return ::LoadLibraryA("shell32.dll"); }

// True when the command line holds more than the program's own name, which
// comes first: up to a blank outside double quotes, which it may be written
// in, as CommandLineToArgvW reads it.
bool HasArguments() {
    const wchar_t* c = ::GetCommandLineW();
    for (bool quoted = false; *c && (quoted || (*c != L' ' && *c != L'\t')); ++c)
        if (*c == L'"') quoted = !quoted;
    while (*c == L' ' || *c == L'\t') ++c;
    return *c != L'\0';
}

// `name` with the working folder in front unless it is a full path already.
CString FullPath(const wchar_t* name) {
    const DWORD units = ::GetFullPathNameW(name, 0, nullptr, nullptr);
    if (units == 0) return CString();
    CWideString path(units);
    const DWORD length = ::GetFullPathNameW(name, units, path.GetBuffer(), nullptr);
    return length && length < units ? CString(path.GetBuffer(), static_cast<int>(length)) : CString();
}

}  // namespace

CFileList::CFileList(HDROP drop, bool fromClipboard) {
    HMODULE shell = LoadShell();
    UINT(WINAPI * queryFile)(HDROP, UINT, LPWSTR, UINT);
    void(WINAPI * finish)(HDROP);
    if (!GetProc(shell, "DragQueryFileW", queryFile) || !GetProc(shell, "DragFinish", finish)) return;
    for (UINT i = 0, count = queryFile(drop, 0xFFFFFFFF, nullptr, 0); i < count; ++i) {
        const UINT units = queryFile(drop, i, nullptr, 0);
        CWideString name(units + 1);
        queryFile(drop, i, name.GetBuffer(), units + 1);
        Add(CString(name.GetBuffer(), static_cast<int>(units)));
    }
    if (!fromClipboard) finish(drop);
}

CFileList::CFileList() {
    // Only a command line with arguments has the shell loaded to split it.
    if (!HasArguments()) return;
    LPWSTR*(WINAPI * split)(LPCWSTR, int*);
    int count = 0;
    LPWSTR* args = GetProc(LoadShell(), "CommandLineToArgvW", split) ? split(::GetCommandLineW(), &count) : nullptr;
    if (!args) return;
    for (int i = 1; i < count; ++i) {
        const CString written(args[i], -1);
        Add(std::strstr(written.GetString(), "://") ? written : FullPath(args[i]));
    }
    ::LocalFree(args);
}
