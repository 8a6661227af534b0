// CWnd: a window handle with the calls the program makes on its windows.
#pragma once

#include <windows.h>

#include "CMenu.h"
#include "CString.h"

class CDataExchange;

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND wnd) : m_hWnd(wnd) {}
    virtual ~CWnd() = default;

    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    bool EnableWindow(bool enable) { return ::EnableWindow(m_hWnd, enable) != FALSE; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    // Activates the window and brings its program to the front.
    bool SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd) != FALSE; }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    // Lets files be dropped onto the window (WM_DROPFILES). The shell's own
    // DragAcceptFiles does just this, and would load the shell at start-up.
    void DragAcceptFiles() {
        ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    }
    // The system menu; its handle is null when the window has none.
    CMenu GetSystemMenu(bool revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

    CString GetWindowText() const;
    void SetWindowText(const CString& text) { ::SetWindowTextA(m_hWnd, text.GetString()); }

    // Runs DoDataExchange: true copies the controls into the members (pull),
    // false the members into the controls (push). Nothing validates, so it
    // always succeeds.
    bool UpdateData(bool saveAndValidate = true);

    // The window that a modal dialog or file dialog without an explicit
    // parent belongs to: the application's main window, once it has one.
    static HWND GetSafeOwner(const CWnd* parent);

    HWND m_hWnd = nullptr;

protected:
    // Called by UpdateData with the direction of the exchange.
    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
};
