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
    CWideString name(path);
    name.ForFileCalls();
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
    void* translation;  // a language and a code page, two WORDs
    void* text;
    UINT length;
    if (!m_data || !m_query(m_data, L"\\VarFileInfo\\Translation", &translation, &length) || length < 2 * sizeof(WORD))
        return L"";
    wchar_t subBlock[64];
    const WORD* language = static_cast<const WORD*>(translation);
    ::wsprintfW(subBlock, L"\\StringFileInfo\\%04x%04x\\%s", language[0], language[1], key);
    return m_query(m_data, subBlock, &text, &length) && length ? static_cast<const wchar_t*>(text) : L"";
}
