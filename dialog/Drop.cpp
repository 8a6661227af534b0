// Dropping files onto the window: a second way to choose the movie and the
// subtitle.
#include <windows.h>

#include "CDroppedFiles.h"
#include "ChosenFile.h"
#include "ReelkickDlg.h"

// Called when files are dropped onto the window. Each is taken as its chooser
// takes it: a subtitle by its extension, anything else as the movie; folders
// are passed over. Nothing is started, and as with a cancelled chooser, a
// drop that takes no file pushes nothing.
void CReelkickDlg::OnDropFiles(HDROP hDropInfo) {
    CDroppedFiles dropped(hDropInfo);
    bool taken = false;
    for (UINT i = 0, count = dropped.GetCount(); i < count; ++i) {
        CString path = dropped.GetFilePath(i);
        if (path.IsEmpty()) continue;
        ChosenFile file(path);
        if (IsSubtitle(file))
            TakeSubtitle(file);
        else
            TakeMovie(file);
        taken = true;
    }
    if (taken) UpdateData(FALSE);
}
