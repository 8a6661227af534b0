// CStringArray: a growing list of strings, in the order they were added.
#pragma once

#include "CString.h"

class CStringArray {
public:
    CStringArray() = default;
    ~CStringArray() { RemoveAll(); }
    CStringArray(const CStringArray&) = delete;
    CStringArray& operator=(const CStringArray&) = delete;

    int GetSize() const { return m_size; }
    const CString& GetAt(int index) const { return m_data[index]; }
    CString& ElementAt(int index) { return m_data[index]; }

    // Appends `text`; running out of memory ends the program, as for CString.
    void Add(const CString& text);
    void RemoveAll();

private:
    CString* m_data = nullptr;
    int m_size = 0;
    int m_capacity = 0;
};
