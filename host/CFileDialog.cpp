#include "CFileDialog.h"

#include "CWnd.h"
#include "Process.h"

namespace {

// Room for the longest path the platform hands out.
const int kPathBufferSize = 32768;

using GetOpenFileNameProc = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The common dialogs, and the shell they bring along, are loaded when a file
// is first chosen: at start-up they would cost the window a tenth of its time.
// comdlg32 is one of the system's known DLLs, which load from the system
// folder only, whatever lies beside the program or a picked file.
GetOpenFileNameProc LoadGetOpenFileName() {
    GetOpenFileNameProc getOpenFileName;
    GetProc(::LoadLibraryA("comdlg32.dll"), "GetOpenFileNameA", getOpenFileName);
    return getOpenFileName;
}

}  // namespace

CFileDialog::CFileDialog(DWORD flags) : m_ofn() {
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_file.GetBuffer(kPathBufferSize - 1);
    m_ofn.lpstrFile[0] = '\0';
    m_ofn.nMaxFile = kPathBufferSize;
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal() {
    m_ofn.hwndOwner = CWnd::GetSafeOwner(nullptr);
    GetOpenFileNameProc getOpenFileName = LoadGetOpenFileName();
    BOOL confirmed = getOpenFileName && getOpenFileName(&m_ofn);
    m_file.ReleaseBuffer();
    return confirmed ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return m_file; }
