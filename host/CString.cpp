#include "CString.h"

#include <mbstring.h>

#include <cstdlib>
#include <cstring>

#include "CWinApp.h"

CString::CString(const char* text) { Assign(text, text ? static_cast<int>(std::strlen(text)) : 0); }

CString::CString(const char* text, int length) { Assign(text, length); }

CString::CString(const wchar_t* text, int units) {
    int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return;
    ::WideCharToMultiByte(CP_ACP, 0, text, units, GetBuffer(bytes), bytes, nullptr, nullptr);
    m_length = units < 0 ? bytes - 1 : bytes;  // the NUL was converted too
    m_text[m_length] = '\0';
}

CString::CString(const CString& other) { Assign(other.GetString(), other.m_length); }

CString::CString(CString&& other) noexcept
    : m_text(other.m_text), m_length(other.m_length), m_capacity(other.m_capacity) {
    other.m_text = nullptr;
    other.m_length = other.m_capacity = 0;
}

CString& CString::operator=(const CString& other) {
    if (this != &other) Assign(other.GetString(), other.m_length);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept {
    if (this != &other) {
        std::free(m_text);
        m_text = other.m_text;
        m_length = other.m_length;
        m_capacity = other.m_capacity;
        other.m_text = nullptr;
        other.m_length = other.m_capacity = 0;
    }
    return *this;
}

CString::~CString() { std::free(m_text); }

// A dialog program that cannot get a few hundred bytes cannot go on in any
// useful way, so it ends at once rather than carry on with a cut text.
void CString::Reserve(int length) {
    if (length <= m_capacity) return;
    int capacity = m_capacity < 16 ? 16 : m_capacity;
    while (capacity < length) capacity *= 2;
    auto* text = static_cast<char*>(std::realloc(m_text, static_cast<size_t>(capacity) + 1));
    if (!text) ::ExitProcess(ERROR_NOT_ENOUGH_MEMORY);
    if (!m_text) text[0] = '\0';
    m_text = text;
    m_capacity = capacity;
}

void CString::Assign(const char* text, int length) {
    m_length = 0;
    if (length > 0) {
        Reserve(length);
        std::memmove(m_text, text, static_cast<size_t>(length));
    }
    m_length = length > 0 ? length : 0;
    if (m_text) m_text[m_length] = '\0';
}

int CString::Compare(const char* other) const {
    return _mbscmp(reinterpret_cast<const unsigned char*>(GetString()), reinterpret_cast<const unsigned char*>(other));
}

void CString::MakeUpper() {
    for (int i = 0; i < m_length; ++i)
        if (m_text[i] >= 'a' && m_text[i] <= 'z') m_text[i] = static_cast<char>(m_text[i] - 'a' + 'A');
}

int CString::Replace(const char* old, const char* replacement) {
    const int oldLength = static_cast<int>(std::strlen(old));
    if (oldLength == 0 || m_length == 0) return 0;
    CString result;
    int count = 0;
    const char* rest = m_text;
    for (const char* found; (found = std::strstr(rest, old)) != nullptr; rest = found + oldLength, ++count)
        result += CString(rest, static_cast<int>(found - rest)) + replacement;
    if (count == 0) return 0;
    result += rest;
    *this = static_cast<CString&&>(result);
    return count;
}

bool CString::LoadString(UINT id) {
    // With a zero buffer size LoadStringW hands out the resource's own
    // UTF-16 text, which then goes to the ANSI code page whatever its length.
    const wchar_t* text = nullptr;
    int units = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    *this = units > 0 && text ? CString(text, units) : CString();
    return !IsEmpty();
}

char* CString::GetBuffer(int length) {
    Reserve(length > m_length ? length : m_length);
    if (!m_text) Reserve(1);
    return m_text;
}

void CString::ReleaseBuffer() {
    m_length = m_text ? static_cast<int>(std::strlen(m_text)) : 0;
}

CString& CString::operator+=(const char* tail) { return Append(tail, static_cast<int>(std::strlen(tail))); }

CString& CString::Append(const char* text, int length) {
    if (length <= 0) return *this;
    // `text` may lie in this very string, whose buffer Reserve may move.
    const bool own = m_text && text >= m_text && text <= m_text + m_length;
    const int offset = own ? static_cast<int>(text - m_text) : 0;
    Reserve(m_length + length);
    std::memmove(m_text + m_length, own ? m_text + offset : text, static_cast<size_t>(length));
    m_length += length;
    m_text[m_length] = '\0';
    return *this;
}
