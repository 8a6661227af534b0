// "&PLAY": joins the stored fragments and the options into one command line,
// shows it and starts it.
#include <windows.h>

#include "CommandLine.h"
#include "PlayerDownloads.h"
#include "Process.h"
#include "ReelkickDlg.h"

// Called when "&PLAY" is clicked. Starts the player when one is set, and
// never waits for it; says so when it could not be started. The options are
// spelled for the player in use now, whichever was in use when the
// subtitle was chosen.
void CReelkickDlg::OnPlay() {
    const Spelling spelling = SpellingOf(m_strPlayerArg);
    m_strCmdBuild = m_strShellPrefix;
    // The paths are made safe for the shell here rather than when stored:
    // the start-folder fragment is made before the probe tells whether a
    // shell will run it, and stored fragments keep their one form.
    CString fragments = m_strPlayerArg + m_strMovieArg + SubtitleArg(m_strSubtitlePath, spelling);
    m_strCmdBuild += m_strShellPrefix.IsEmpty() ? fragments : ForShell(fragments);
    UpdateData(TRUE);
    if (m_bFullscreen == 1) m_strCmdBuild += FullscreenOption(spelling);
    m_strCmdBuild += FramerateOption(m_strFramerate, spelling);
    if (!m_strShellPrefix.IsEmpty()) m_strCmdBuild += "\"";
    m_strCmdLine = m_strCmdBuild;

    if (m_strPlayerArg.IsEmpty()) {
        m_strInfo = "You didn't choose the right mplayer.exe. Try copying reelkick.exe to mplayer directory. "
                    "Don't you have it? Check out " + CString(kPlayerDownloadAddresses);
    } else if (DWORD error = StartCommand(m_strShellPrefix, m_strCmdLine)) {
        m_strInfo = "The player could not be started: " + GetErrorText(error) + " Check the command below.";
    } else {
        m_strInfo = "If the movie doesn't play, maybe you have chosen a wrong mplayer.exe, a wrong movie or "
                    "subtitle. Or maybe you just have bad luck...";
    }
    UpdateData(FALSE);
}
