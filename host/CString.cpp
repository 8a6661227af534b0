#include "CString.h"

#include <mbstring.h>

#include "CWinApp.h"

CString::CString(const char* text) : m_text(text ? text : "") {}

int CString::Compare(const char* other) const {
    return _mbscmp(reinterpret_cast<const unsigned char*>(GetString()),
                   reinterpret_cast<const unsigned char*>(other));
}

void CString::MakeUpper() {
    for (char& c : m_text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

bool CString::LoadString(UINT id) {
    // With a zero buffer size LoadStringW hands out the resource's own
    // UTF-16 text, which then goes to the ANSI code page whatever its length.
    const wchar_t* text = nullptr;
    int units = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    m_text.clear();
    if (units <= 0 || !text) return false;
    int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
    m_text.resize(bytes);
    ::WideCharToMultiByte(CP_ACP, 0, text, units, &m_text[0], bytes, nullptr, nullptr);
    return bytes > 0;
}

CString& CString::operator+=(const CString& tail) {
    m_text += tail.m_text;
    return *this;
}
