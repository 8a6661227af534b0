// Start-up of the main window: the About entry, the icons, dropping files,
// the start folder, the player in it, the shell probe and the files named on
// the command line.
#include <windows.h>

#include "CFileList.h"
#include "CommandLine.h"
#include "Process.h"
#include "ReelkickDlg.h"
#include "resource.h"

namespace {

bool HasPlayer(const CString& folder) {
    const DWORD attributes = AttributesOf(folder + "\\mplayer.exe");
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

// Called once the window and its controls exist, before it is first shown.
// Returns TRUE to let the dialog manager put the focus on the first control,
// or FALSE once it is on "&PLAY".
BOOL CReelkickDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    CMenu sysMenu = GetSystemMenu(false);
    if (sysMenu.m_hMenu) {
        CString about;
        about.LoadString(IDS_ABOUT);
        if (!about.IsEmpty()) {
            sysMenu.AppendMenu(MF_SEPARATOR);
            sysMenu.AppendMenu(MF_STRING, IDM_ABOUT, about.GetString());
        }
        sysMenu.AppendMenu(MF_STRING, IDM_PASTE, "Paste a link or files\tCtrl+V");
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hMainIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hMainIcon));

    GetDlgItem(IDC_MPLAYER).EnableWindow(FALSE);
    // Set here rather than in the template, which stays as it always was.
    DragAcceptFiles();

    // Explorer's "Open with" and a drop onto the icon may start reelkick in
    // the movie's folder; with no player there, the one beside reelkick
    // itself is the start-folder player, for "current mplayer" too.
    CFileList given;
    m_szStartDir = GetWorkingFolder();
    if (given.GetSize() > 0 && !HasPlayer(m_szStartDir) && HasPlayer(GetProgramFolder()))
        m_szStartDir = GetProgramFolder();
    m_strPlayerArg = StartFolderPlayerArg(m_szStartDir);

    // On systems with cmd.exe this flashes a console window; the initial info
    // text tells the user why.
    HANDLE probe = nullptr;
    m_strShellPrefix = ShellPrefixFor(StartProgram(ShellProgram().GetString(), kShellProbe, &probe));
    if (probe) PostWhenEnded(probe, m_hWnd, WM_PROBE_ENDED, kProbePatienceMs);

    // Files named on the command line are taken as dropped ones. Opened with
    // a movie, the window is ready to play it: Enter presses "&PLAY", and
    // full screen or a framerate can still be chosen first.
    TakeFiles(given);
    if (m_strMovieArg.IsEmpty() && m_arrMovies.GetSize() == 0) return TRUE;
    GotoDlgCtrl(GetDlgItem(IDC_PLAY));
    return FALSE;
}

// Called once the start-up shell probe and its console have ended, within a
// few seconds of the start. The console window took the activation from the
// window that the user has just started, and once it was gone Wine gave it
// to nobody. So the window takes it back, but only from nobody: not once the
// user has pressed or typed anything in it, and not from another program's
// window, which the user or the system made active since. The dialog manager
// puts the focus back where it was, on the first control or on "&PLAY".
LRESULT CReelkickDlg::OnProbeEnded(WPARAM, LPARAM) {
    HWND active = ::GetForegroundWindow();
    if (!m_bUserActed && (!active || active == ::GetDesktopWindow() || active == ::GetShellWindow()))
        SetForegroundWindow();
    return 0;
}
