#include "CWideString.h"

#include <cstdlib>

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
