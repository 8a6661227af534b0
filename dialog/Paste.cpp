// Pasting: Ctrl+V, Shift+Insert or the system menu's entry hands over what
// the user copied, as a drop does: files copied in Explorer, or the links
// and file names of copied text, one a line. The keys are caught as the
// window's modal loop takes them, which also tells when the user first
// pressed or typed anything in the window.
#include <windows.h>

#include <cstring>

#include "CClipboard.h"
#include "CFileList.h"
#include "Links.h"
#include "ReelkickDlg.h"
#include "resource.h"

namespace {

// A key or a mouse button pressed: the user is at work in the window.
bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message > WM_MOUSEMOVE && message <= WM_MOUSELAST) ||
           (message >= WM_NCLBUTTONDOWN && message <= WM_NCXBUTTONDBLCLK);
}

bool IsPasteKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0, control = ::GetKeyState(VK_CONTROL) < 0;
    if (msg.wParam == 'V') return control && ::GetKeyState(VK_MENU) >= 0;
    return msg.wParam == VK_INSERT && shift && !control;
}

// A drive's path (C:\ or C:/) or a share's (\\server\share).
bool IsFullPath(const CString& name) {
    const char* text = name.GetString();
    const char letter = static_cast<char>(text[0] | 0x20);
    if (letter >= 'a' && letter <= 'z' && text[1] == ':') return text[2] == '\\' || text[2] == '/';
    return text[0] == '\\' && text[1] == '\\';
}

// A line without the blanks at its ends, nor the quotes around it that
// Explorer's "Copy as path" writes.
CString Trimmed(const char* start, const char* end) {
    while (start < end && (*start == ' ' || *start == '\t')) ++start;
    while (end > start && (end[-1] == ' ' || end[-1] == '\t')) --end;
    if (end - start >= 2 && *start == '"' && end[-1] == '"') {
        ++start;
        --end;
    }
    return CString(start, static_cast<int>(end - start));
}

// Adds each line of `text` that is a link or a file's full path to
// `names`; `other` becomes the first line that is neither.
void AddLines(const CString& text, CStringArray& names, CString& other) {
    for (const char* line = text.GetString(); *line;) {
        const char* end = line + std::strcspn(line, "\r\n");
        const CString name = Trimmed(line, end);
        if (IsLink(name) || IsFullPath(name))
            names.Add(name);
        else if (other.IsEmpty())
            other = name;
        line = end + std::strspn(end, "\r\n");
    }
}

}  // namespace

// Called for every message of the window's modal loop. In the two edit
// boxes the paste keys paste text into the box, as they always have.
BOOL CReelkickDlg::PreTranslateMessage(MSG* pMsg) {
    if (IsUserInput(pMsg->message)) m_bUserActed = true;
    if (!IsPasteKey(*pMsg)) return FALSE;
    HWND control = pMsg->hwnd;
    while (control && ::GetParent(control) != m_hWnd) control = ::GetParent(control);
    const int id = control ? ::GetDlgCtrlID(control) : 0;
    if (id == IDC_FRAMERATE || id == IDC_CMDLINE) return FALSE;
    OnPaste();
    return TRUE;
}

// Called for the paste keys outside the edit boxes and for the system
// menu's entry. Lines of text that are neither a link nor a file's full
// path are passed over; text without any is only named.
void CReelkickDlg::OnPaste() {
    CClipboard clipboard(m_hWnd);
    if (HDROP files = clipboard.GetFiles()) {
        TakeFiles(CFileList(files, true));
        return;
    }
    CStringArray names;
    CString other;
    AddLines(clipboard.GetText(), names, other);
    if (names.GetSize() > 0) {
        TakeFiles(names);
        return;
    }
    m_strInfo = "The clipboard holds no link and no file's name";
    m_strInfo += other.IsEmpty() ? CString(".") : ", only this text: " + other;
    UpdateData(FALSE);
}
