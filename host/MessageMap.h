// Message maps: a static table per class, searched in order, the first match
// winning; a message that matches nothing goes on to the base class's table
// and finally to the window's default processing.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_PAINT()                            void OnPaint()
//       ON_BN_CLICKED(IDC_GO, OnGo)              void OnGo()
//   END_MESSAGE_MAP()
#pragma once

#include <windows.h>

class CWnd;

// Calls one handler, unpacking the message's parameters for it.
using CMessageHandler = LRESULT (*)(CWnd& wnd, WPARAM wParam, LPARAM lParam);

struct CMessageEntry {
    UINT message;
    UINT code;  // WM_COMMAND only: the notification code
    UINT id;    // WM_COMMAND only: the control or command id
    CMessageHandler handler;
};

struct CMessageMap {
    const CMessageMap* (*base)();  // null for the last map in the chain
    const CMessageEntry* entries;  // ends with an entry whose handler is null
};

// A WM_COMMAND entry covers one notification from one control id.
inline bool MessageMatches(const CMessageEntry& entry, UINT message, WPARAM wParam) {
    if (entry.message != message) return false;
    return message != WM_COMMAND || (HIWORD(wParam) == entry.code && LOWORD(wParam) == entry.id);
}

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const CMessageMap* GetThisMessageMap();     \
    const CMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const CMessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const CMessageMap* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                   \
        using TheBaseClass = baseClass;                                                \
        static const CMessageEntry entries[] = {

#define END_MESSAGE_MAP()                                                             \
            { 0, 0, 0, nullptr }                                                      \
        };                                                                            \
        static const CMessageMap map = { &TheBaseClass::GetThisMessageMap, entries }; \
        return &map;                                                                  \
    }

// void fn(): a command or notification from control `id`.
#define ON_CONTROL(code, id, fn)                                                    \
    { WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id),                   \
      [](CWnd& wnd, WPARAM, LPARAM) -> LRESULT { static_cast<ThisClass&>(wnd).fn(); return 0; } },
#define ON_COMMAND(id, fn) ON_CONTROL(0, id, fn)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)

// BOOL OnInitDialog(): true lets the dialog manager set the first focus.
#define ON_WM_INITDIALOG()                                                          \
    { WM_INITDIALOG, 0, 0,                                                          \
      [](CWnd& wnd, WPARAM, LPARAM) -> LRESULT { return static_cast<ThisClass&>(wnd).OnInitDialog(); } },

// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                                          \
    { WM_SYSCOMMAND, 0, 0, [](CWnd& wnd, WPARAM wParam, LPARAM lParam) -> LRESULT { \
          static_cast<ThisClass&>(wnd).OnSysCommand(static_cast<UINT>(wParam), lParam); return 0; } },

// void OnPaint()
#define ON_WM_PAINT()                                                               \
    { WM_PAINT, 0, 0, [](CWnd& wnd, WPARAM, LPARAM) -> LRESULT {                    \
          static_cast<ThisClass&>(wnd).OnPaint(); return 0; } },

// HICON OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                       \
    { WM_QUERYDRAGICON, 0, 0, [](CWnd& wnd, WPARAM, LPARAM) -> LRESULT {            \
          return reinterpret_cast<LRESULT>(static_cast<ThisClass&>(wnd).OnQueryDragIcon()); } },

// void OnDropFiles(HDROP hDropInfo): files dropped onto a window that accepts them.
#define ON_WM_DROPFILES()                                                           \
    { WM_DROPFILES, 0, 0, [](CWnd& wnd, WPARAM wParam, LPARAM) -> LRESULT {         \
          static_cast<ThisClass&>(wnd).OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0; } },

// LRESULT fn(WPARAM wParam, LPARAM lParam): a message of the program's own.
#define ON_MESSAGE(message, fn)                                                     \
    { message, 0, 0, [](CWnd& wnd, WPARAM wParam, LPARAM lParam) -> LRESULT {      \
          return static_cast<ThisClass&>(wnd).fn(wParam, lParam); } },

// int OnCreate(LPCREATESTRUCTA lpCreateStruct): 0 goes on, -1 aborts creation.
#define ON_WM_CREATE()                                                              \
    { WM_CREATE, 0, 0, [](CWnd& wnd, WPARAM, LPARAM lParam) -> LRESULT {            \
          return static_cast<ThisClass&>(wnd).OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam)); } },
