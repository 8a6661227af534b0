// CFileDialog: the platform's standard open-file dialog.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "CString.h"

class CFileDialog {
public:
    // With no default extension, no initial name and no filter, so every
    // file is listed; the owner is the application's main window.
    explicit CFileDialog(DWORD flags);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user confirmed a file, IDCANCEL otherwise.
    INT_PTR DoModal();

    // After IDOK: the full path of the chosen file.
    CString GetPathName() const;

private:
    CString m_file;  // the dialog's path buffer
    OPENFILENAMEA m_ofn;
};
