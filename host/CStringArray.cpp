#include "CStringArray.h"

#include <cstdlib>
#include <new>

// A CString is a pointer and two counts, so the block may move as it grows.
void CStringArray::Add(const CString& text) {
    if (m_size == m_capacity) {
        const int capacity = m_capacity ? m_capacity * 2 : 8;
        auto* data = static_cast<CString*>(std::realloc(static_cast<void*>(m_data), sizeof(CString) * capacity));
        if (!data) ::ExitProcess(ERROR_NOT_ENOUGH_MEMORY);
        m_data = data;
        m_capacity = capacity;
    }
    new (&m_data[m_size++]) CString(text);
}

void CStringArray::RemoveAll() {
    while (m_size > 0) m_data[--m_size].~CString();
    std::free(m_data);
    m_data = nullptr;
    m_capacity = 0;
}
