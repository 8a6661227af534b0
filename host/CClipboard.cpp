#include "CClipboard.h"

HDROP CClipboard::GetFiles() const {
    return m_open ? static_cast<HDROP>(::GetClipboardData(CF_HDROP)) : nullptr;
}

CString CClipboard::GetText() const {
    HANDLE data = m_open ? ::GetClipboardData(CF_UNICODETEXT) : nullptr;
    const auto* text = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
    if (!text) return CString();
    // The text ends at its NUL, or at the end of its block, whichever comes first.
    const int room = static_cast<int>(::GlobalSize(data) / sizeof(wchar_t));
    int units = 0;
    while (units < room && text[units]) ++units;
    CString copy(text, units);
    ::GlobalUnlock(data);
    return copy;
}
