// CFileVersionInfo: the version resource of a program file, read whole.
#pragma once

#include <windows.h>

#include "CString.h"

class CFileVersionInfo {
public:
    // `path` is a full path in the ANSI code page, of any length.
    explicit CFileVersionInfo(const CString& path);
    ~CFileVersionInfo();
    CFileVersionInfo(const CFileVersionInfo&) = delete;
    CFileVersionInfo& operator=(const CFileVersionInfo&) = delete;

    // False when the file has no version resource, or cannot be read.
    bool IsFound() const { return m_data != nullptr; }
    // The text of `key`, such as L"ProductName", in the first language and
    // code page that the resource's Translation names; L"" when there is
    // none. Valid while this object lives.
    const wchar_t* GetValue(const wchar_t* key) const;

private:
    void* m_data = nullptr;
    BOOL(WINAPI* m_query)(LPCVOID, LPCWSTR, LPVOID*, PUINT) = nullptr;  // VerQueryValueW
};
