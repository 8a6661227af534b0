// CFileList: the files handed to the program from outside, read through the
// shell's own calls: those dropped onto a window that accepts them
// (WM_DROPFILES), or those named on the program's command line, as
// Explorer's "Open with", "Send To" and a drop onto the program's icon
// name them.
#pragma once

#include <windows.h>

#include "CString.h"

class CFileList {
public:
    // The files of a drop; the drop goes back to the system, which frees it,
    // with this list.
    explicit CFileList(HDROP drop);
    // The arguments after the program's own name, split as CommandLineToArgvW
    // splits them. Without arguments the shell is not loaded.
    CFileList();
    ~CFileList();
    CFileList(const CFileList&) = delete;
    CFileList& operator=(const CFileList&) = delete;

    UINT GetCount() const { return m_count; }
    // The full path of item `index` in the ANSI code page, whatever its
    // length: a name from the command line is resolved against the working
    // folder. "" when it names nothing.
    CString GetFilePath(UINT index) const;

private:
    UINT m_count = 0;
    HDROP m_drop = nullptr;
    LPWSTR* m_args = nullptr;  // the command line split, the program's own name first
    UINT(WINAPI* m_queryFile)(HDROP, UINT, LPWSTR, UINT) = nullptr;  // the shell's DragQueryFileW
    void(WINAPI* m_finish)(HDROP) = nullptr;                          // and DragFinish
};
