// CReelkickDlg: the main window. Its members are the whole state of the
// program: the command-line fragments chosen so far, the options, and the
// texts of the command-line and info boxes.
#pragma once

#include <windows.h>

#include "CDialog.h"
#include "CString.h"
#include "CStringArray.h"
#include "ChosenFile.h"
#include "DataExchange.h"

class CReelkickDlg : public CDialog {
public:
    explicit CReelkickDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnPlay();
    void OnChoosePlayer();
    void OnChooseMovie();
    void OnChooseSubtitle();
    void OnDeleteCmd();
    void OnCurrentPlayer();
    void OnFullscreen();
    void OnFramerateFocus();
    void OnDropFiles(HDROP hDropInfo);
    void OnPaste();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HICON OnQueryDragIcon();
    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    LRESULT OnProbeEnded(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // Posted once the start-up shell probe has ended, if it ends in time: a
    // console that takes longer, or a Windows Terminal that shows it on its
    // own schedule, is not waited for.
    static const UINT WM_PROBE_ENDED = WM_APP;
    static const DWORD kProbePatienceMs = 5000;

    // A movie or subtitle, chosen, dropped or named on the command line:
    // stored, and judged in the info text. A subtitle goes with every movie,
    // or with one of several that play one after another (`episode`).
    void TakeMovie(const ChosenFile& movie);
    void TakeSubtitle(const ChosenFile& subtitle, int episode = -1);
    // Files and links handed over from outside: dropped, named on the
    // command line or pasted, by their full paths and as written.
    void TakeFiles(const CStringArray& names);
    // What a name handed over stands for: false for a folder, which is
    // passed over. `problem` says why it cannot be used, or stays "".
    bool Resolve(CString& name, CString& problem) const;
    // Two or more movies handed over at once, with their subtitles: `given`
    // holds the list's files and links, and `problems` for each of them why
    // it cannot be used, or "".
    void TakeSeason(const CStringArray& given, const CStringArray& problems);
    // Which of the several movies a subtitle belongs to, by the movie's name
    // that its own begins with, the longest one winning; -1 for none.
    int EpisodeOf(const ChosenFile& subtitle) const;

    // The folder whose mplayer.exe is the start-folder player: the working
    // folder at start-up, whatever its length (see OnInitDialog).
    CString m_szStartDir;
    CString m_strCmdLine;       // command-line box
    CString m_strCmdBuild;      // the command OnPlay is assembling
    CString m_strFramerate;     // framerate box
    int m_bCurrentPlayer = 0;   // "current mplayer" box: 1 ticked, 0 cleared
    CString m_strInfo;          // info box: every outcome is reported here
    int m_bFullscreen = 0;      // "&fullscreen" box: 1 ticked, 0 cleared
    HICON m_hMainIcon;
    // The subtitle; "&PLAY" makes it a fragment in the spelling of the player
    // in use then.
    CString m_strSubtitlePath;
    CString m_strMovieArg;      // movie fragment; "" while several movies are kept
    // Several movies that play one after another, in order, and the subtitle
    // of each one's own ("" for none); both empty unless there are two or more.
    CStringArray m_arrMovies;
    CStringArray m_arrMovieSubtitles;
    CString m_strPlayerArg;     // player fragment in use; "" means no player
    CString m_strOtherPlayerArg;  // the player last chosen with the "MPlayer" button
    CString m_strShellPrefix;   // "cmd /D /E:ON /V:OFF /C \"" where there is a shell, else ""
    bool m_bUserActed = false;  // the user has pressed or typed something in the window
};
