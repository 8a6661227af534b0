// CClipboard: what the user copied, read while this object keeps the
// clipboard open. It is opened only when the user pastes.
#pragma once

#include <windows.h>

#include "CString.h"

class CClipboard {
public:
    explicit CClipboard(HWND owner) : m_open(::OpenClipboard(owner) != FALSE) {}
    ~CClipboard() {
        if (m_open) ::CloseClipboard();
    }
    CClipboard(const CClipboard&) = delete;
    CClipboard& operator=(const CClipboard&) = delete;

    // Files copied in Explorer or a file manager (CF_HDROP); null when there
    // are none. The clipboard keeps them: they are valid while it is open.
    HDROP GetFiles() const;
    // The copied text (CF_UNICODETEXT) in the ANSI code page; "" for none.
    CString GetText() const;

private:
    bool m_open;
};
