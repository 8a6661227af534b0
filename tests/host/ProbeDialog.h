// A small dialog that runs a test from inside its own modal run, the way the
// platform's dialog tests do: the test posts messages from OnInitDialog, and
// the run ends with the result that the last of them asks for.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "CDialog.h"
#include "DataExchange.h"
#include "probe.h"

class ProbeDialog : public CDialog {
public:
    using Body = std::function<void(ProbeDialog&)>;
    static const int kStuck = -2;  // the result of a run that nothing ended
    explicit ProbeDialog(Body body) : CDialog(IDD_PROBE), m_body(std::move(body)) {}

    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void Pull() { UpdateData(true); }
    void Push() { UpdateData(false); }
    void End(int result) { EndDialog(result); }

    CString text;
    CString comboText;
    int check = 0;
    std::vector<const char*> calls;  // the handlers reached, in order

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_P_EDIT, text);
        DDX_CBString(pDX, IDC_P_COMBO, comboText);
        DDX_Check(pDX, IDC_P_CHECK, check);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ::SetTimer(m_hWnd, 1, 5000, EndStuckRun);
        m_body(*this);
        return TRUE;
    }
    // Called when the run is still going after five seconds: the messages
    // that should have ended it were lost, so it fails instead of hanging.
    static void CALLBACK EndStuckRun(HWND wnd, UINT, UINT_PTR, DWORD) {
        ADD_FAILURE() << "the probe dialog was still open after 5 s";
        ::EndDialog(wnd, kStuck);
    }

    int OnCreate(LPCREATESTRUCTA) {
        calls.push_back("OnCreate");
        return Default() == -1 ? -1 : 0;
    }
    void OnFirst() { calls.push_back("OnFirst"); }
    void OnSecond() { calls.push_back("OnSecond"); }
    void OnComboFocus() { calls.push_back("OnComboFocus"); }
    // A handler that sends its own window a message before passing the
    // system command on must still pass on the system command.
    void OnSysCommand(UINT, LPARAM) {
        calls.push_back("OnSysCommand");
        ::SendMessageA(m_hWnd, WM_GETTEXTLENGTH, 0, 0);
        Default();
    }

    DECLARE_MESSAGE_MAP()

private:
    Body m_body;
};
