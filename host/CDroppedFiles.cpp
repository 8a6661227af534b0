#include "CDroppedFiles.h"

#include <cstdlib>

#include "Process.h"

// The shell is loaded when the first drop arrives, as the common dialogs are
// when a file is first chosen: at start-up it would cost the window time.
// shell32 is one of the system's known DLLs, which load from the system
// folder only.
CDroppedFiles::CDroppedFiles(HDROP drop) : m_drop(drop), m_queryFile(nullptr), m_finish(nullptr) {
    HMODULE shell = ::LoadLibraryA("shell32.dll");
    GetProc(shell, "DragQueryFileW", m_queryFile);
    GetProc(shell, "DragFinish", m_finish);
}

CDroppedFiles::~CDroppedFiles() {
    if (m_finish) m_finish(m_drop);
}

CString CDroppedFiles::GetFilePath(UINT index) const {
    UINT units = m_queryFile ? m_queryFile(m_drop, index, nullptr, 0) : 0;
    if (units == 0) return CString();
    auto* name = static_cast<wchar_t*>(std::malloc((units + 1) * sizeof(wchar_t)));
    if (!name) ::ExitProcess(ERROR_NOT_ENOUGH_MEMORY);
    m_queryFile(m_drop, index, name, units + 1);
    DWORD attributes = ::GetFileAttributesW(name);
    bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    CString path = folder ? CString() : CString(name, static_cast<int>(units));
    std::free(name);
    return path;
}
