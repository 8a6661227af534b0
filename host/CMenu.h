// CMenu: a menu handle that the program does not own.
#pragma once

#include <windows.h>

class CMenu {
public:
    static CMenu FromHandle(HMENU menu) { return CMenu(menu); }

    // Adds an entry at the end: a separator (MF_SEPARATOR) or a command
    // (MF_STRING with its id and text).
    bool AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) {
        return ::AppendMenuA(m_hMenu, flags, id, text) != FALSE;
    }

    HMENU m_hMenu;

private:
    explicit CMenu(HMENU menu) : m_hMenu(menu) {}
};
