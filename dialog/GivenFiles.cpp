// Files handed to reelkick from outside: dropped onto its window, or named
// on its command line by Explorer's "Open with" and "Send To" or a drop onto
// its icon. A second way to choose the movie and the subtitle, and the way
// to choose several movies at once.
#include <windows.h>

#include "CFileList.h"
#include "ChosenFile.h"
#include "ReelkickDlg.h"

// Folders are passed over. Two or more movies make a season. Otherwise each
// file is taken in turn as its chooser takes it: a subtitle by its
// extension, anything else as the movie, and a name that is not there is
// reported in its place. A subtitle that comes without a movie goes with the
// one of the several movies kept whose name it begins with. Nothing is
// started, and as with a cancelled chooser, a list that changes nothing
// pushes nothing.
void CReelkickDlg::TakeFiles(const CFileList& files) {
    CStringArray given;
    int movies = 0;
    for (UINT i = 0, count = files.GetCount(); i < count; ++i) {
        const CString path = files.GetFilePath(i);
        if (path.IsEmpty()) continue;
        const DWORD attributes = AttributesOf(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        given.Add(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && !IsGivenSubtitle(ChosenFile(path))) ++movies;
    }
    if (movies >= 2) {
        TakeSeason(given);
    } else {
        for (int i = 0; i < given.GetSize(); ++i) {
            const ChosenFile file(given.GetAt(i));
            if (AttributesOf(file.path) == INVALID_FILE_ATTRIBUTES)
                m_strInfo = "I can't find " + file.path + ", so it won't be used.";
            else if (!IsGivenSubtitle(file))
                TakeMovie(file);
            else
                TakeSubtitle(file, movies == 0 ? EpisodeOf(file) : -1);
        }
    }
    if (given.GetSize() > 0) UpdateData(FALSE);
}

// Called when files are dropped onto the window.
void CReelkickDlg::OnDropFiles(HDROP hDropInfo) { TakeFiles(CFileList(hDropInfo)); }
