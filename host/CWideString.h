// CWideString: UTF-16 text in a heap buffer of its own, for the platform's
// wide calls, which take and give names of any length. Running out of
// memory ends the program, as it does for CString.
#pragma once

#include <windows.h>

#include "CString.h"

class CWideString {
public:
    // `text`, from the ANSI code page (which the manifest makes UTF-8).
    explicit CWideString(const CString& text);
    // Room for `units` characters, the NUL included, for the platform to write into.
    explicit CWideString(DWORD units);
    ~CWideString();
    CWideString(const CWideString&) = delete;
    CWideString& operator=(const CWideString&) = delete;

    wchar_t* GetBuffer() const { return m_text; }

    // Makes the full path that this holds one that the wide file functions
    // take whatever its length: from MAX_PATH characters on, the \\?\ form
    // (\\?\UNC\ for a share), which every Windows takes, also one that does
    // not allow long paths. A shorter path stays as it is.
    CWideString& ForFileCalls();

private:
    void Allocate(DWORD units);

    wchar_t* m_text;
};
