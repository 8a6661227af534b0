#include "ReelkickDlg.h"

#include "CWinApp.h"
#include "resource.h"

CReelkickDlg::CReelkickDlg(CWnd* pParent)
    : CDialog(IDD_MAIN, pParent),
      m_strInfo("At startup a window appears and dissappears only in windows 2000/XP because it makes a test if "
                "exists cmd.exe (for making the differenge between windows 98 and windows XP)"),
      m_hMainIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_MAIN))) {}

// Called by UpdateData: the binding table, in exchange order.
void CReelkickDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_CMDLINE, m_strCmdLine);
    DDX_CBString(pDX, IDC_FRAMERATE, m_strFramerate);
    DDX_Check(pDX, IDC_CURRENT_PLAYER, m_bCurrentPlayer);
    DDX_Text(pDX, IDC_INFO, m_strInfo);
    DDX_Check(pDX, IDC_FULLSCREEN, m_bFullscreen);
}

// Searched in this order; the first match wins.
BEGIN_MESSAGE_MAP(CReelkickDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_MPLAYER, OnChoosePlayer)
    ON_BN_CLICKED(IDC_MOVIE, OnChooseMovie)
    ON_BN_CLICKED(IDC_SUBTITLE, OnChooseSubtitle)
    ON_BN_CLICKED(IDC_PLAY, OnPlay)
    ON_BN_CLICKED(IDC_DELETE_CMD, OnDeleteCmd)
    ON_BN_CLICKED(IDC_CURRENT_PLAYER, OnCurrentPlayer)
    ON_BN_CLICKED(IDC_FULLSCREEN, OnFullscreen)
    ON_CBN_SETFOCUS(IDC_FRAMERATE, OnFramerateFocus)
    ON_WM_DROPFILES()
    ON_WM_CREATE()
    ON_MESSAGE(WM_PROBE_ENDED, OnProbeEnded)
END_MESSAGE_MAP()
