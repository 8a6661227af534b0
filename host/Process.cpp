#include "Process.h"

#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>

#include "CWideString.h"

CString GetWorkingFolder() {
    // The ANSI calls give up past MAX_PATH bytes, and a folder of Cyrillic
    // letters passes that in UTF-8 long before it passes MAX_PATH letters.
    DWORD units = ::GetCurrentDirectoryW(0, nullptr);
    if (units == 0) return CString();
    CWideString folder(units);
    DWORD length = ::GetCurrentDirectoryW(units, folder.GetBuffer());
    return length && length < units ? CString(folder.GetBuffer(), static_cast<int>(length)) : CString();
}

CString GetProgramFolder() {
    CString folder;
    char* path = folder.GetBuffer(32767);
    ::GetModuleFileNameA(nullptr, path, 32768);
    if (char* name = std::strrchr(path, '\\')) *name = '\0';
    folder.ReleaseBuffer();
    return folder;
}

CString GetSystemFolder() {
    CString folder;
    UINT length = ::GetSystemDirectoryA(folder.GetBuffer(MAX_PATH), MAX_PATH + 1);
    if (length > MAX_PATH) ::GetSystemDirectoryA(folder.GetBuffer(static_cast<int>(length)), length + 1);
    folder.ReleaseBuffer();
    return folder;
}

DWORD StartProgram(const char* application, const CString& commandLine, HANDLE* process) {
    // CreateProcess may write into the command line it is given.
    CString writable = commandLine;
    STARTUPINFOA startup = { sizeof startup };
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION started;
    if (!::CreateProcessA(application, writable.GetBuffer(writable.GetLength()), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &started))
        return ::GetLastError();
    ::CloseHandle(started.hThread);
    if (process)
        *process = started.hProcess;
    else
        ::CloseHandle(started.hProcess);
    return 0;
}

namespace {

struct EndWatch {
    HANDLE process;
    HWND wnd;
    UINT message;
    DWORD ms;
};

ULONGLONG StartTime(HANDLE process) {
    FILETIME start = {}, end, kernel, user;
    ::GetProcessTimes(process, &start, &end, &kernel, &user);
    return (static_cast<ULONGLONG>(start.dwHighDateTime) << 32) | start.dwLowDateTime;
}

// Milliseconds left until `deadline` (a GetTickCount), none once it is past.
DWORD Left(DWORD deadline) {
    const DWORD now = ::GetTickCount();
    return static_cast<int>(deadline - now) > 0 ? deadline - now : 0;
}

// Waits until `deadline` for the host of the console that `parent` was given,
// conhost.exe, which the system starts for it; false when time ran out. Only
// its own: whatever else it started is its business. A process id is used
// again once its process has ended, so a process that names the parent's id
// but started before it had another parent.
bool WaitForConsoleHost(HANDLE parent, DWORD deadline) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return true;
    const DWORD parentId = ::GetProcessId(parent);
    const ULONGLONG parentStart = StartTime(parent);
    bool ended = true;
    PROCESSENTRY32 entry = { sizeof entry };
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID != parentId || _stricmp(entry.szExeFile, "conhost.exe") != 0) continue;
        HANDLE host = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, entry.th32ProcessID);
        if (!host) continue;
        if (StartTime(host) >= parentStart && ::WaitForSingleObject(host, Left(deadline)) != WAIT_OBJECT_0)
            ended = false;
        ::CloseHandle(host);
    }
    ::CloseHandle(snapshot);
    return ended;
}

DWORD WINAPI WatchEnd(void* param) {
    EndWatch watch = *static_cast<EndWatch*>(param);
    ::HeapFree(::GetProcessHeap(), 0, param);
    const DWORD deadline = ::GetTickCount() + watch.ms;
    if (::WaitForSingleObject(watch.process, watch.ms) == WAIT_OBJECT_0 && WaitForConsoleHost(watch.process, deadline))
        ::PostMessageA(watch.wnd, watch.message, 0, 0);
    ::CloseHandle(watch.process);
    return 0;
}

}  // namespace

void PostWhenEnded(HANDLE process, HWND wnd, UINT message, DWORD ms) {
    auto* watch = static_cast<EndWatch*>(::HeapAlloc(::GetProcessHeap(), 0, sizeof(EndWatch)));
    if (watch) {
        *watch = EndWatch{ process, wnd, message, ms };
        if (HANDLE thread = ::CreateThread(nullptr, 0, WatchEnd, watch, 0, nullptr)) {
            ::CloseHandle(thread);
            return;
        }
        ::HeapFree(::GetProcessHeap(), 0, watch);
    }
    ::CloseHandle(process);
}

CString GetErrorText(DWORD error) {
    const int room = 512;
    CString text;
    char* buffer = text.GetBuffer(room);
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                        FORMAT_MESSAGE_MAX_WIDTH_MASK,
                                    nullptr, error, 0, buffer, room, nullptr);
    // The message ends in a blank or a line break, which the info box need not show.
    while (length > 0 && (buffer[length - 1] == ' ' || buffer[length - 1] == '\r' || buffer[length - 1] == '\n'))
        --length;
    buffer[length] = '\0';
    text.ReleaseBuffer();
    if (!text.IsEmpty()) return text;
    char number[16];
    return CString("Error ") + _ultoa(error, number, 10) + ".";
}
