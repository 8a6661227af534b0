#include "DataExchange.h"

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    CWnd edit = pDX->Control(id);
    if (pDX->m_bSaveAndValidate)
        value = edit.GetWindowText();
    else
        edit.SetWindowText(value);
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value) {
    CWnd combo = pDX->Control(id);
    if (pDX->m_bSaveAndValidate) {
        value = combo.GetWindowText();
        return;
    }
    LRESULT selected = combo.SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(value.GetString()));
    if (selected == CB_ERR) combo.SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    CWnd box = pDX->Control(id);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(box.SendMessage(BM_GETCHECK));
    else
        box.SendMessage(BM_SETCHECK, static_cast<WPARAM>(value));
}
