// The bare program that scripts/bench holds reelkick against: what reelkick
// does at start-up and on "&PLAY", in raw Win32 with no framework. A modal
// dialog from reelkick's own template, the same start-up shell probe, and
// "&PLAY" reading the player's version resource, to tell mpv from MPlayer,
// and starting the player in the start folder the same way, through the
// shell where there is one. Like reelkick without a player, it starts
// nothing when the start folder has no mplayer.exe. It shows what it did in
// the info and command-line boxes with reelkick's own words, as on "Delete
// cmd" and the framerate box's focus, and the About command opens reelkick's
// About template with reelkick's text: Wine 10's edit control keeps some
// memory for every text it is given, more or less by the text, so the memory
// figures of the two compare like with like only with the same texts.
#include <windows.h>

#include <tlhelp32.h>

#include "PlayerDownloads.h"
#include "resource.h"

namespace {

char g_player[MAX_PATH];
char g_command[2 * MAX_PATH];
HWND g_dialog;
const UINT WM_PROBE_ENDED = WM_APP;

ULONGLONG StartTime(HANDLE process) {
    FILETIME times[4] = {};
    ::GetProcessTimes(process, &times[0], &times[1], &times[2], &times[3]);
    return (static_cast<ULONGLONG>(times[0].dwHighDateTime) << 32) | times[0].dwLowDateTime;
}

// Waits for the start-up probe and its console's host, then asks the dialog
// to take back the activation that the probe's console took.
DWORD WINAPI WatchProbe(void* probe) {
    ::WaitForSingleObject(probe, INFINITE);
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = { sizeof entry };
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
        HANDLE child = entry.th32ParentProcessID == ::GetProcessId(probe)
                           ? ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, entry.th32ProcessID)
                           : nullptr;
        if (child && StartTime(child) >= StartTime(probe)) ::WaitForSingleObject(child, INFINITE);
        if (child) ::CloseHandle(child);
    }
    ::CloseHandle(snapshot);
    ::CloseHandle(probe);
    ::PostMessageA(g_dialog, WM_PROBE_ENDED, 0, 0);
    return 0;
}

// Reads the player's product name as reelkick does at every PLAY: through
// version.dll, loaded from the system folder when it is first needed.
bool PlayerIsMpv() {
    static HMODULE version = nullptr;
    if (!version) {
        char path[MAX_PATH];
        ::GetSystemDirectoryA(path, MAX_PATH);
        ::lstrcatA(path, "\\version.dll");
        version = ::LoadLibraryA(path);
    }
    auto getSize = reinterpret_cast<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>(
        reinterpret_cast<void*>(::GetProcAddress(version, "GetFileVersionInfoSizeW")));
    auto getInfo = reinterpret_cast<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>(
        reinterpret_cast<void*>(::GetProcAddress(version, "GetFileVersionInfoW")));
    auto query = reinterpret_cast<BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT)>(
        reinterpret_cast<void*>(::GetProcAddress(version, "VerQueryValueW")));
    wchar_t player[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, g_player, -1, player, MAX_PATH);
    DWORD ignored;
    DWORD size = getSize(player, &ignored);
    if (!size) return false;
    void* data = ::HeapAlloc(::GetProcessHeap(), 0, size);
    void *translation = nullptr, *text = nullptr;
    UINT length = 0;
    wchar_t key[64] = L"";
    if (getInfo(player, 0, size, data) && query(data, L"\\VarFileInfo\\Translation", &translation, &length))
        ::wsprintfW(key, L"\\StringFileInfo\\%04x%04x\\ProductName", static_cast<WORD*>(translation)[0],
                    static_cast<WORD*>(translation)[1]);
    bool mpv = *key && query(data, key, &text, &length) && ::lstrcmpW(static_cast<wchar_t*>(text), L"mpv") == 0;
    ::HeapFree(::GetProcessHeap(), 0, data);
    return mpv;
}

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        char text[512];
        ::lstrcpyA(text, "reelkick@example.org  or https://reelkick.example.org/   |||    checkout mplayer win32 download: ");
        ::lstrcatA(text, kPlayerDownloadAddresses);
        ::SetDlgItemTextA(box, IDC_CONTACT, text);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) ::EndDialog(box, IDOK);
    return FALSE;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        g_dialog = dialog;
        char folder[MAX_PATH] = "";
        ::GetCurrentDirectoryA(MAX_PATH, folder);
        ::wsprintfA(g_player, "%s\\mplayer.exe", folder);
        char probe[] = "cmd.exe /D /C", shellPath[MAX_PATH];
        ::GetSystemDirectoryA(shellPath, MAX_PATH);
        ::lstrcatA(shellPath, "\\cmd.exe");
        STARTUPINFOA startup = { sizeof startup };
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOW;
        PROCESS_INFORMATION process = {};
        const bool shell = ::CreateProcessA(shellPath, probe, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                            &process) || ::GetLastError() != ERROR_FILE_NOT_FOUND;
        if (process.hProcess) {
            ::CloseHandle(process.hThread);
            ::CloseHandle(::CreateThread(nullptr, 0, WatchProbe, process.hProcess, 0, nullptr));
        }
        ::wsprintfA(g_command, shell ? "cmd /D /E:ON /V:OFF /C \"\"%s\" \"" : "\"%s\" ", g_player);
        return TRUE;
    }
    case WM_PROBE_ENDED:
        ::SetForegroundWindow(dialog);
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != IDM_ABOUT) return FALSE;
        ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), dialog, AboutProc, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PLAY) {
            // Only the options would differ for mpv, and this program passes none.
            PlayerIsMpv();
            const bool player = ::GetFileAttributesA(g_player) != INVALID_FILE_ATTRIBUTES;
            if (player) ::WinExec(g_command, SW_SHOW);
            ::SetDlgItemTextA(dialog, IDC_CMDLINE, player ? g_command : "cmd /D /E:ON /V:OFF /C \"\"");
            char info[400] = "You didn't choose the right mplayer.exe. Try copying reelkick.exe to mplayer directory. "
                             "Don't you have it? Check out ";
            ::lstrcatA(info, kPlayerDownloadAddresses);
            ::SetDlgItemTextA(dialog, IDC_INFO,
                              player ? "If the movie doesn't play, maybe you have chosen a wrong mplayer.exe, a wrong "
                                       "movie or subtitle. Or maybe you just have bad luck..."
                                     : info);
        }
        if (LOWORD(wParam) == IDC_DELETE_CMD) {
            ::SetDlgItemTextA(dialog, IDC_CMDLINE, "");
            ::SetDlgItemTextA(dialog, IDC_INFO, "Movie and subtitle fields are cleared.");
        }
        if (LOWORD(wParam) == IDC_FRAMERATE && HIWORD(wParam) == CBN_SETFOCUS)
            ::SetDlgItemTextA(dialog, IDC_INFO,
                              "Usually you don't need to change the framerate, but if you have a subtitle with a "
                              "different speed, try choosing a certain value for framerate. You don't need to choose "
                              "other values because these are standard (23.976,24,25,29.976,30). You can change the "
                              "subtitle display moment if you press z or x while playing.");
        if (LOWORD(wParam) == IDCANCEL) ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, DialogProc, 0);
    return 0;
}
