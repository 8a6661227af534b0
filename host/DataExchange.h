// Data exchange between a dialog's members and its controls. A dialog's
// DoDataExchange is a flat list of DDX_ calls: that list is its binding table.
#pragma once

#include "CString.h"
#include "CWnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, bool saveAndValidate)
        : m_pDlgWnd(dlgWnd), m_bSaveAndValidate(saveAndValidate) {}

    CWnd Control(int id) const { return m_pDlgWnd->GetDlgItem(id); }

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;  // true: controls to members (pull)
};

// Edit box and string: the box's whole text.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Drop-down combo box and string. Pull: the text of the edit field. Push: the
// first list entry that begins with the value, case ignored, is selected;
// when none does, the value itself goes into the edit field.
void DDX_CBString(CDataExchange* pDX, int id, CString& value);
// Check box and state: 1 ticked, 0 cleared.
void DDX_Check(CDataExchange* pDX, int id, int& value);
