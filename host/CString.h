// CString: an 8-bit string in the process's ANSI code page.
//
// There is deliberately no implicit conversion to const char*: GetString()
// must be asked for, so no caller keeps a pointer into a temporary by accident.
#pragma once

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text);  // implicit, like a string literal; null is ""

    // The text, valid until this string is next changed or destroyed.
    const char* GetString() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }

    // Exact, byte-for-byte comparison (_mbscmp): 0 when equal.
    int Compare(const char* other) const;

    // Upper-cases the letters a to z in place; every other byte stays as it is.
    void MakeUpper();

    // Replaces the text with string resource `id`; "" and false when missing.
    bool LoadString(UINT id);

    CString& operator+=(const CString& tail);
    friend CString operator+(CString head, const CString& tail) { return head += tail; }

private:
    std::string m_text;
};
