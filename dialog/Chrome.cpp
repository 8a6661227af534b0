// Window chrome: the minimised window's icon, the drag icon and creation.
#include <windows.h>

#include "CPaintDC.h"
#include "ReelkickDlg.h"

// Called for WM_PAINT. Only the minimised window is painted here: the icon,
// centred on an erased background.
void CReelkickDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = ::GetSystemMetrics(SM_CXICON);
    int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    int x = (rect.right - rect.left - cxIcon + 1) / 2;
    int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hMainIcon);
}

// Called when the minimised window is dragged: the image to show.
HICON CReelkickDlg::OnQueryDragIcon() { return m_hMainIcon; }

// Called for WM_CREATE, before the controls exist; creation goes on as usual.
int CReelkickDlg::OnCreate(LPCREATESTRUCTA) { return Default() == -1 ? -1 : 0; }
