#include "CDialog.h"

#include <cstring>

#include "CWinApp.h"
#include "DlgInit.h"

namespace {

// The dialog whose window is about to be created, and the hook that waits
// for that window. Only one window is being created at a time.
CDialog* g_creating = nullptr;
HHOOK g_creationHook = nullptr;

// The innermost modal dialog of the thread, and the filter that the dialog
// manager's loop calls for each message, installed while any runs.
CDialog* g_modal = nullptr;
HHOOK g_messageFilter = nullptr;

void StopWaitingForCreation() {
    if (g_creationHook) ::UnhookWindowsHookEx(g_creationHook);
    g_creationHook = nullptr;
    g_creating = nullptr;
}

bool IsDialogWindow(HWND wnd) {
    char name[16] = "";
    ::GetClassNameA(wnd, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
}

}  // namespace

CDialog::CDialog(UINT idTemplate, CWnd* parent) : m_nIDTemplate(idTemplate), m_pParentWnd(parent) {}

const CMessageMap* CDialog::GetMessageMap() const { return GetThisMessageMap(); }

const CMessageMap* CDialog::GetThisMessageMap() {
    using ThisClass = CDialog;
    static const CMessageEntry entries[] = {
        ON_WM_INITDIALOG()
        ON_COMMAND(IDOK, OnOK)
        ON_COMMAND(IDCANCEL, OnCancel)
        { 0, 0, 0, nullptr }
    };
    static const CMessageMap map = { nullptr, entries };
    return &map;
}

INT_PTR CDialog::DoModal() {
    HWND owner = GetSafeOwner(m_pParentWnd);
    g_creating = this;
    g_creationHook = ::SetWindowsHookExA(WH_CBT, CreationHook, nullptr, ::GetCurrentThreadId());
    CDialog* outer = g_modal;
    g_modal = this;
    if (!outer) g_messageFilter = ::SetWindowsHookExA(WH_MSGFILTER, MessageFilter, nullptr, ::GetCurrentThreadId());
    INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                       DialogProc, 0);
    StopWaitingForCreation();  // in case no window was ever created
    g_modal = outer;
    if (!outer && g_messageFilter) {
        ::UnhookWindowsHookEx(g_messageFilter);
        g_messageFilter = nullptr;
    }
    return result;
}

BOOL CDialog::OnInitDialog() {
    ExecuteDlgInit();
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::Default() {
    return ::CallWindowProcA(m_pfnSuper, m_currentMsg.hwnd, m_currentMsg.message, m_currentMsg.wParam,
                             m_currentMsg.lParam);
}

// Records of the initial-data resource: a 16-bit control id (0 ends the
// list), a 16-bit message code, a 32-bit length and that many bytes.
void CDialog::ExecuteDlgInit() {
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC info = ::FindResourceA(module, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(RT_DLGINIT));
    if (!info) return;
    const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, info)));
    const size_t size = data ? ::SizeofResource(module, info) : 0;

    for (size_t at = 0; at + 8 <= size;) {
        WORD id, message;
        DWORD length;
        std::memcpy(&id, data + at, 2);
        if (id == 0) break;
        std::memcpy(&message, data + at + 2, 2);
        std::memcpy(&length, data + at + 4, 4);
        at += 8;
        if (length > size - at) break;
        if (message == DLGINIT_CB_ADDSTRING) {
            CString text(reinterpret_cast<const char*>(data + at), static_cast<int>(length));
            ::SendDlgItemMessageA(m_hWnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.GetString()));
        }
        at += length;
    }
}

void CDialog::Attach(HWND wnd) {
    m_hWnd = wnd;
    ::SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

// Called for every window the thread creates while DoModal waits for its own.
LRESULT CALLBACK CDialog::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    HHOOK hook = g_creationHook;
    HWND wnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && g_creating && IsDialogWindow(wnd)) {
        g_creating->Attach(wnd);
        StopWaitingForCreation();
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

// Called for each message of a modal loop of the thread: the dialog
// manager's, and those of menus and of dialogs that are not CDialogs, such
// as the open-file dialog, whose windows are not the innermost CDialog's.
LRESULT CALLBACK CDialog::MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    HWND own = g_modal ? g_modal->m_hWnd : nullptr;
    if (code == MSGF_DIALOGBOX && own && (msg->hwnd == own || ::IsChild(own, msg->hwnd)) &&
        g_modal->PreTranslateMessage(msg))
        return TRUE;
    return ::CallNextHookEx(g_messageFilter, code, wParam, lParam);
}

LRESULT CALLBACK CDialog::SubclassProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(wnd, GWLP_USERDATA));
    // A handler may send messages to its own window; Default() must still
    // see the message that handler was called for.
    const MSG outer = dialog->m_currentMsg;
    dialog->m_currentMsg = MSG{ wnd, message, wParam, lParam, 0, {} };
    LRESULT result = dialog->WindowProc(message, wParam, lParam);
    dialog->m_currentMsg = outer;
    if (message == WM_NCDESTROY) dialog->m_hWnd = nullptr;
    return result;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    for (const CMessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr)
        for (const CMessageEntry* entry = map->entries; entry->handler; ++entry)
            if (MessageMatches(*entry, message, wParam)) return entry->handler(*this, wParam, lParam);
    return Default();
}
