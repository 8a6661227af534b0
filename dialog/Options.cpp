// The option controls, the framerate hint and "Delete cmd".
#include <windows.h>

#include "CommandLine.h"
#include "ReelkickDlg.h"
#include "resource.h"

// Called when "current mplayer" is clicked, after the box has toggled.
// Ticked: the player in the start folder; cleared: the one chosen with
// the "MPlayer" button, which is enabled for choosing another.
void CReelkickDlg::OnCurrentPlayer() {
    UpdateData(TRUE);
    if (m_bCurrentPlayer == 1) {
        GetDlgItem(IDC_MPLAYER).EnableWindow(FALSE);
        m_strPlayerArg = StartFolderPlayerArg(m_szStartDir);
        m_strInfo = "You have chosen mplayer.exe from the current folder (where you have reelkick.exe).";
    } else {
        GetDlgItem(IDC_MPLAYER).EnableWindow(TRUE);
        m_strPlayerArg = m_strOtherPlayerArg;
        m_strInfo = "You have chosen mplayer.exe from another folder (press the MPlayer button for selecting it)";
    }
    UpdateData(FALSE);
}

// Called when "&fullscreen" is clicked, after the box has toggled. "&PLAY"
// reads the flag; this only explains it.
void CReelkickDlg::OnFullscreen() {
    UpdateData(TRUE);
    if (m_bFullscreen == 1)
        m_strInfo = "You'll see the movie in fullscreen mode.";
    else
        m_strInfo = "You'll see the movie in window mode. Press f while playing for switching to fullscreen.";
    UpdateData(FALSE);
}

// Called each time the framerate box gains the focus, by mouse or keyboard.
void CReelkickDlg::OnFramerateFocus() {
    m_strInfo = "Usually you don't need to change the framerate, but if you have a subtitle with a different speed, "
                "try choosing a certain value for framerate. You don't need to choose other values because these "
                "are standard (23.976,24,25,29.976,30). You can change the subtitle display moment if you press z "
                "or x while playing.";
    UpdateData(FALSE);
}

// Called when "Delete cmd" is clicked: clears the movie set-up and keeps
// the player.
void CReelkickDlg::OnDeleteCmd() {
    m_strCmdLine = "";
    m_bFullscreen = 0;
    m_strFramerate = "";
    m_strMovieArg = "";
    m_arrMovies.RemoveAll();
    m_arrMovieSubtitles.RemoveAll();
    m_strSubtitlePath = "";
    m_strInfo = "Movie and subtitle fields are cleared.";
    UpdateData(FALSE);
}
