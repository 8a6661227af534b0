#include "CWnd.h"

#include <string>

#include "CWinApp.h"
#include "DataExchange.h"

CString CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(length + 1, '\0');
    length = ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    text.resize(length > 0 ? length : 0);
    return CString(text.c_str());
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
