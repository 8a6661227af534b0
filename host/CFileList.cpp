#include "CFileList.h"

#include <cstdlib>

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

CFileList::CFileList(HDROP drop) : m_drop(drop) {
    HMODULE shell = LoadShell();
    if (GetProc(shell, "DragQueryFileW", m_queryFile) && GetProc(shell, "DragFinish", m_finish))
        m_count = m_queryFile(m_drop, 0xFFFFFFFF, nullptr, 0);
}

CFileList::CFileList() {
    // Only a command line with arguments has the shell loaded to split it.
    if (!HasArguments()) return;
    LPWSTR*(WINAPI * split)(LPCWSTR, int*);
    int count = 0;
    if (GetProc(LoadShell(), "CommandLineToArgvW", split)) m_args = split(::GetCommandLineW(), &count);
    m_count = m_args && count > 1 ? static_cast<UINT>(count - 1) : 0;
}

CFileList::~CFileList() {
    if (m_finish) m_finish(m_drop);
    if (m_args) ::LocalFree(m_args);
}

CString CFileList::GetFilePath(UINT index) const {
    if (m_args) return FullPath(m_args[index + 1]);
    const UINT units = m_queryFile(m_drop, index, nullptr, 0);
    if (units == 0) return CString();
    CWideString name(units + 1);
    m_queryFile(m_drop, index, name.GetBuffer(), units + 1);
    return CString(name.GetBuffer(), static_cast<int>(units));
}
