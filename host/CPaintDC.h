// CPaintDC: the device context of one WM_PAINT, between BeginPaint and EndPaint.
#pragma once

#include <windows.h>

#include "CWnd.h"

class CPaintDC {
public:
    explicit CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd), m_hDC(::BeginPaint(m_hWnd, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    bool DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon) != FALSE; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps;
    HDC m_hDC;
};
