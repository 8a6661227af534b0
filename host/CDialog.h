// CDialog: a modal dialog built from a template resource.
//
// The dialog window is subclassed as it is created, so every message it gets,
// WM_CREATE included, goes through the class's message map first. Unhandled
// messages, and handlers that call Default(), reach the platform's dialog
// procedure.
#pragma once

#include <windows.h>

#include "CWnd.h"
#include "MessageMap.h"

class CDialog : public CWnd {
public:
    // A null parent makes the application's main window the owner.
    explicit CDialog(UINT idTemplate, CWnd* parent = nullptr);

    // Creates the window, runs it until EndDialog and destroys it. Returns the
    // result given to EndDialog, or -1 when the window could not be created.
    INT_PTR DoModal();

protected:
    // Called once the window and its controls exist, before it is shown. Fills
    // combo lists from the template's initial data, then pushes.
    virtual BOOL OnInitDialog();
    // Called for the OK command (Enter): pulls, then ends with IDOK.
    virtual void OnOK();
    // Called for the Cancel command (Esc, close box, Alt+F4): ends with IDCANCEL.
    virtual void OnCancel();

    // Called for every message of the modal loop that is meant for the
    // window or one of its controls, before the dialog manager sees it, as
    // an accelerator table would be; TRUE when it has been handled and goes
    // no further.
    virtual BOOL PreTranslateMessage(MSG* /*pMsg*/) { return FALSE; }

    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }
    // Moves the focus to `control` the way the dialog manager does, which
    // also makes a push button the default one that Enter presses. An
    // OnInitDialog that calls it returns FALSE, or the dialog manager puts
    // the focus on the first control after all.
    void GotoDlgCtrl(CWnd control) { SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control.m_hWnd), TRUE); }
    // Passes the message being handled on to the platform's dialog procedure.
    LRESULT Default();

    static const CMessageMap* GetThisMessageMap();
    virtual const CMessageMap* GetMessageMap() const;

private:
    void ExecuteDlgInit();
    void Attach(HWND wnd);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Every message has been through the message map by the time the dialog
    // manager calls this; FALSE leaves the rest to the dialog manager.
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    WNDPROC m_pfnSuper = nullptr;  // the dialog class's own window procedure
    MSG m_currentMsg = {};         // the message being handled, for Default()
};
