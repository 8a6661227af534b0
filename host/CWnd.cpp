#include "CWnd.h"

#include "CWinApp.h"
#include "DataExchange.h"

CString CWnd::GetWindowText() const {
    CString text;
    int length = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer();
    return text;
}

bool CWnd::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return true;
}

HWND CWnd::GetSafeOwner(const CWnd* parent) {
    if (parent) return parent->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    return main ? main->m_hWnd : nullptr;
}
