// CDroppedFiles: the files of a drop onto a window that accepts them
// (WM_DROPFILES), read through the shell's own calls.
#pragma once

#include <windows.h>

#include "CString.h"

class CDroppedFiles {
public:
    explicit CDroppedFiles(HDROP drop);
    // Hands the drop back to the system, which frees it.
    ~CDroppedFiles();
    CDroppedFiles(const CDroppedFiles&) = delete;
    CDroppedFiles& operator=(const CDroppedFiles&) = delete;

    UINT GetCount() const { return m_queryFile ? m_queryFile(m_drop, 0xFFFFFFFF, nullptr, 0) : 0; }
    // The full path of item `index` in the ANSI code page, whatever its
    // length; "" for a folder, which is not a file.
    CString GetFilePath(UINT index) const;

private:
    HDROP m_drop;
    UINT(WINAPI* m_queryFile)(HDROP, UINT, LPWSTR, UINT);  // the shell's DragQueryFileW
    void(WINAPI* m_finish)(HDROP);                          // and DragFinish
};
