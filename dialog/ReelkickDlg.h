// CReelkickDlg: the main window. Its members are the whole state of the
// program: the command-line fragments chosen so far, the options, and the
// texts of the command-line and info boxes.
#pragma once

#include <windows.h>

#include "CDialog.h"
#include "CString.h"
#include "ChosenFile.h"
#include "DataExchange.h"

class CFileList;

class CReelkickDlg : public CDialog {
public:
    explicit CReelkickDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnPlay();
    void OnChoosePlayer();
    void OnChooseMovie();
    void OnChooseSubtitle();
    void OnDeleteCmd();
    void OnCurrentPlayer();
    void OnFullscreen();
    void OnFramerateFocus();
    void OnDropFiles(HDROP hDropInfo);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HICON OnQueryDragIcon();
    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    LRESULT OnProbeEnded(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // Posted once the start-up shell probe has ended.
    static const UINT WM_PROBE_ENDED = WM_APP;

    // A movie or subtitle, chosen, dropped or named on the command line:
    // stored, and judged in the info text.
    void TakeMovie(const ChosenFile& movie);
    void TakeSubtitle(const ChosenFile& subtitle);
    // Files handed over from outside, dropped or named on the command line.
    void TakeFiles(const CFileList& files);

    CString m_szStartDir;       // the working folder at start-up, whatever its length
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
    CString m_strMovieArg;      // movie fragment
    CString m_strPlayerArg;     // player fragment in use; "" means no player
    CString m_strOtherPlayerArg;  // the player last chosen with the "MPlayer" button
    CString m_strShellPrefix;   // "cmd /C \"" where there is a shell, else ""
};
