// "&PLAY": joins the stored fragments and the options into one command line,
// shows it and starts it.
#include <windows.h>

#include <cstdlib>

#include "CommandLine.h"
#include "PlayerDownloads.h"
#include "Process.h"
#include "ReelkickDlg.h"

namespace {

CString Number(int value) {
    char text[16];
    return _itoa(value, text, 10);
}

}  // namespace

// Called when "&PLAY" is clicked. Starts the player when one is set, and
// never waits for it; says so when it could not be started, and starts
// nothing when the command is longer than the program that would run it
// takes, which would cut it short. The options are spelled for the player in
// use now, whichever was in use when the subtitle was chosen.
void CReelkickDlg::OnPlay() {
    const Spelling spelling = SpellingOf(m_strPlayerArg);
    // The paths are made safe for the shell here rather than when stored:
    // the start-folder fragment is made before the probe tells whether a
    // shell will run it, and stored fragments keep their one form.
    m_strCmdBuild = m_strShellPrefix;
    m_strCmdBuild +=
        ForCommand(m_strShellPrefix, m_strPlayerArg + m_strMovieArg + SubtitleArg(m_strSubtitlePath, spelling));
    UpdateData(TRUE);
    if (m_bFullscreen == 1) m_strCmdBuild += FullscreenOption(spelling);
    m_strCmdBuild += FramerateOption(m_strFramerate, spelling);
    CString episodes;
    for (int i = 0; i < m_arrMovies.GetSize(); ++i)
        episodes += EpisodeArg(m_arrMovies.GetAt(i), m_arrMovieSubtitles.GetAt(i), spelling);
    m_strCmdBuild += ForCommand(m_strShellPrefix, episodes);
    if (!m_strShellPrefix.IsEmpty()) m_strCmdBuild += "\"";
    m_strCmdLine = m_strCmdBuild;

    const int length = CommandLength(m_strCmdLine), limit = CommandLimit(m_strShellPrefix);
    if (m_strPlayerArg.IsEmpty()) {
        m_strInfo = "You didn't choose the right mplayer.exe. Try copying reelkick.exe to mplayer directory. "
                    "Don't you have it? Check out " + CString(kPlayerDownloadAddresses);
    } else if (length > limit) {
        m_strInfo = "The command is ";
        m_strInfo += Number(length);
        m_strInfo += " characters long, but ";
        m_strInfo += CommandRunner(m_strShellPrefix);
        m_strInfo += " takes at most ";
        m_strInfo += Number(limit);
        m_strInfo += ". Choose fewer movies.";
    } else if (DWORD error = StartCommand(m_strShellPrefix, m_strCmdLine)) {
        m_strInfo = "The player could not be started: " + GetErrorText(error) + " Check the command below.";
    } else {
        m_strInfo = "If the movie doesn't play, maybe you have chosen a wrong mplayer.exe, a wrong movie or "
                    "subtitle. Or maybe you just have bad luck...";
    }
    UpdateData(FALSE);
}
