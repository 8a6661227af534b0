#include "CFileVersionInfo.h"

#include <cstdlib>

#include "CWideString.h"
#include "Process.h"

// version.dll is loaded when a file is first looked at, so that start-up
// does not pay for it; by its full path, as it is not one of the known DLLs,
// which load from the system folder only.
CFileVersionInfo::CFileVersionInfo(const CString& path) {
    HMODULE module = ::LoadLibraryA((GetSystemFolder() + "\\version.dll").GetString());
    DWORD(WINAPI * getSize)(LPCWSTR, LPDWORD);
    BOOL(WINAPI * getInfo)(LPCWSTR, DWORD, DWORD, LPVOID);
    if (!GetProc(module, "GetFileVersionInfoSizeW", getSize) || !GetProc(module, "GetFileVersionInfoW", getInfo) ||
        !GetProc(module, "VerQueryValueW", m_query))
        return;
    const CWideString name(path);
    DWORD ignored;
    if (DWORD size = getSize(name.GetBuffer(), &ignored)) {
        m_data = std::malloc(size);
        if (!m_data) ::ExitProcess(ERROR_NOT_ENOUGH_MEMORY);
        if (!getInfo(name.GetBuffer(), 0, size, m_data)) {
            std::free(m_data);
            m_data = nullptr;
        }
    }
}

CFileVersionInfo::~CFileVersionInfo() { std::free(m_data); }

const wchar_t* CFileVersionInfo::GetValue(const wchar_t* key) const {
    const WORD* translation;  // a language and a code page
    wchar_t* text;
    UINT length;
    wchar_t subBlock[64];
    if (!m_data || !m_query(m_data, L"\\VarFileInfo\\Translation", (void**)&translation, &length) || length < 4)
        return L"";
    ::wsprintfW(subBlock, L"\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], key);
    return m_query(m_data, subBlock, (void**)&text, &length) && length ? text : L"";
}
