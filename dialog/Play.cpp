// "&PLAY": joins the stored fragments and the options into one command line,
// shows it and hands it to WinExec.
#include <windows.h>

#include "CommandLine.h"
#include "PlayerDownloads.h"
#include "ReelkickDlg.h"

// Called when "&PLAY" is clicked. Starts the player when one is set, and
// never waits for it or looks at whether it started.
void CReelkickDlg::OnPlay() {
    m_strCmdBuild = m_strShellPrefix;
    m_strCmdBuild += m_strPlayerArg + m_strMovieArg + m_strSubtitleArg;
    UpdateData(TRUE);
    if (m_bFullscreen == 1) m_strCmdBuild += " -fs ";
    m_strCmdBuild += FramerateOption(m_strFramerate);
    if (!m_strShellPrefix.IsEmpty()) m_strCmdBuild += "\"";
    m_strCmdLine = m_strCmdBuild;

    if (!m_strPlayerArg.IsEmpty()) {
        ::WinExec(m_strCmdLine.GetString(), SW_SHOW);
        m_strInfo = "If the movie doesn't play, maybe you have chosen a wrong mplayer.exe, a wrong movie or "
                    "subtitle. Or maybe you just have bad luck...";
    } else {
        m_strInfo = "You didn't choose the right mplayer.exe. Try copying reelkick.exe to mplayer directory. "
                    "Don't you have it? Check out " + PlayerDownloadAddresses();
    }
    UpdateData(FALSE);
}
