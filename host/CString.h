// CString: an 8-bit string in the process's ANSI code page, in a heap buffer
// of its own. Running out of memory ends the program (see CString.cpp).
//
// There is deliberately no implicit conversion to const char*: GetString()
// must be asked for, so no caller keeps a pointer into a temporary by accident.
#pragma once

#include <windows.h>

class CString {
public:
    CString() = default;
    CString(const char* text);  // implicit, like a string literal; null is ""
    CString(const char* text, int length);
    // `units` of UTF-16 text, or all of it up to its NUL for -1, in the ANSI
    // code page (which the manifest makes UTF-8).
    CString(const wchar_t* text, int units);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    ~CString();

    // The text, valid until this string is next changed or destroyed.
    const char* GetString() const { return m_text ? m_text : ""; }
    int GetLength() const { return m_length; }
    bool IsEmpty() const { return m_length == 0; }

    // Exact, byte-for-byte comparison (_mbscmp): 0 when equal.
    int Compare(const char* other) const;

    // Upper-cases the letters a to z in place; every other byte stays as it is.
    void MakeUpper();
    // Replaces every `old` (ASCII, which no multibyte character holds) with
    // `replacement`; returns how many there were.
    int Replace(const char* old, const char* replacement);

    // Replaces the text with string resource `id`; "" and false when missing.
    bool LoadString(UINT id);

    // Room for `length` characters and a NUL, for the platform to write
    // into; ReleaseBuffer then takes the text up to its first NUL.
    char* GetBuffer(int length);
    void ReleaseBuffer();

    CString& operator+=(const CString& tail) { return Append(tail.GetString(), tail.m_length); }
    CString& operator+=(const char* tail);
    friend CString operator+(CString head, const CString& tail) { return head += tail; }
    friend CString operator+(CString head, const char* tail) { return head += tail; }
    friend CString operator+(const char* head, const CString& tail) { return CString(head) += tail; }

private:
    void Reserve(int length);
    void Assign(const char* text, int length);
    CString& Append(const char* text, int length);

    char* m_text = nullptr;  // null until the first character
    int m_length = 0;
    int m_capacity = 0;  // characters that fit before the NUL
};
