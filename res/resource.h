// Resource and control ids of reelkick. Shared by the resource script and the code.
#pragma once

#include "DlgInit.h"

#define IDD_ABOUT 100
#define IDS_ABOUT 101
#define IDD_MAIN 102
#define IDI_MAIN 128

#define IDM_ABOUT 0x0010
#define IDM_PASTE 0x0020

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDC_MOVIE 1001
#define IDC_SUBTITLE 1002
#define IDC_PLAY 1003
#define IDC_CMDLINE 1005
#define IDC_FULLSCREEN 1007
#define IDC_DELETE_CMD 1008
#define IDC_FRAMERATE 1010
#define IDC_CURRENT_PLAYER 1011
#define IDC_INFO 1018
#define IDC_CONTACT 1019
#define IDC_MPLAYER 57601

