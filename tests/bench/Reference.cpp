// The bare program that scripts/bench holds reelkick against: what reelkick
// does at start-up and on "&PLAY", in raw Win32 with no framework. A modal
// dialog from reelkick's own template, the same start-up shell probe, and
// "&PLAY" starting the player in the start folder the same way, through the
// shell where there is one. Like reelkick without a player, it starts
// nothing when the start folder has no mplayer.exe. The About command opens
// reelkick's About template with a text as long as reelkick's, so that the
// memory figures of the two compare like with like.
#include <windows.h>

#include "resource.h"

namespace {

char g_player[MAX_PATH];
char g_command[2 * MAX_PATH];

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        char text[400];
        for (int i = 0; i < 399; ++i) text[i] = i % 8 ? 'x' : ' ';
        text[399] = '\0';
        ::SetDlgItemTextA(box, IDC_CONTACT, text);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) ::EndDialog(box, IDOK);
    return FALSE;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        char folder[MAX_PATH] = "";
        ::GetCurrentDirectoryA(MAX_PATH, folder);
        ::wsprintfA(g_player, "%s\\mplayer.exe", folder);
        const bool shell = ::WinExec("cmd.exe /C", SW_SHOW) != ERROR_FILE_NOT_FOUND;
        ::wsprintfA(g_command, shell ? "cmd /C \"\"%s\" \"" : "\"%s\" ", g_player);
        return TRUE;
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != IDM_ABOUT) return FALSE;
        ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), dialog, AboutProc, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PLAY && ::GetFileAttributesA(g_player) != INVALID_FILE_ATTRIBUTES)
            ::WinExec(g_command, SW_SHOW);
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
