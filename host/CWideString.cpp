#include "CWideString.h"

#include <cstdlib>
#include <cstring>

CWideString::CWideString(DWORD units) { Allocate(units); }

CWideString::CWideString(const CString& text) {
    // Invalid bytes become U+FFFD, so the count is never 0 for a text with its NUL.
    const int units = ::MultiByteToWideChar(CP_ACP, 0, text.GetString(), -1, nullptr, 0);
    Allocate(units > 0 ? static_cast<DWORD>(units) : 1);
    ::MultiByteToWideChar(CP_ACP, 0, text.GetString(), -1, m_text, units);
}

CWideString::~CWideString() { std::free(m_text); }

void CWideString::Allocate(DWORD units) {
    m_text = static_cast<wchar_t*>(std::malloc(units * sizeof(wchar_t)));
    if (!m_text) ::ExitProcess(ERROR_NOT_ENOUGH_MEMORY);
    m_text[0] = L'\0';
}

// The \\?\ form takes no / and no . or .. parts, and GetFullPathNameW makes
// sure of that. It is written 6 characters in, so that the prefix fits in
// front: \\?\ before C:\..., and \\?\UNC in place of the first \ of \\server.
CWideString& CWideString::ForFileCalls() {
    const DWORD units = ::GetFullPathNameW(m_text, 0, nullptr, nullptr);  // with the NUL
    if (units <= MAX_PATH || (m_text[0] == L'\\' && m_text[1] == L'\\' && m_text[2] == L'?')) return *this;
    CWideString full(units + 6);
    wchar_t* path = full.m_text + 6;
    const DWORD length = ::GetFullPathNameW(m_text, units, path, nullptr);
    if (length == 0 || length >= units) return *this;
    const bool share = path[0] == L'\\' && path[1] == L'\\';
    wchar_t* start = share ? full.m_text : full.m_text + 2;
    const wchar_t* prefix = share ? L"\\\\?\\UNC" : L"\\\\?\\";
    for (wchar_t* at = start; *prefix; ++at, ++prefix) *at = *prefix;
    std::free(m_text);
    m_text = full.m_text;
    full.m_text = nullptr;
    if (start != m_text) std::memmove(m_text, start, (length + 5) * sizeof(wchar_t));
    return *this;
}
