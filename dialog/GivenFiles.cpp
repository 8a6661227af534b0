// Files handed to reelkick from outside: dropped onto its window, or named
// on its command line by Explorer's "Open with" and "Send To" or a drop onto
// its icon. A second way to choose the movie and the subtitle.
#include <windows.h>

#include "CFileList.h"
#include "CWideString.h"
#include "ChosenFile.h"
#include "ReelkickDlg.h"

// Takes each file in turn as its chooser takes it: a subtitle by its
// extension, anything else as the movie. Folders are passed over, and a name
// that is not there is reported in its place. Nothing is started, and as
// with a cancelled chooser, a list that changes nothing pushes nothing.
void CReelkickDlg::TakeFiles(const CFileList& files) {
    bool changed = false;
    for (UINT i = 0, count = files.GetCount(); i < count; ++i) {
        const CString path = files.GetFilePath(i);
        if (path.IsEmpty()) continue;
        const DWORD attributes = ::GetFileAttributesW(CWideString(path).GetBuffer());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            m_strInfo = "I can't find " + path + ", so it won't be used.";
        } else {
            ChosenFile file(path);
            if (IsSubtitle(file))
                TakeSubtitle(file);
            else
                TakeMovie(file);
        }
        changed = true;
    }
    if (changed) UpdateData(FALSE);
}

// Called when files are dropped onto the window.
void CReelkickDlg::OnDropFiles(HDROP hDropInfo) { TakeFiles(CFileList(hDropInfo)); }
