// Files and links handed to reelkick from outside: dropped onto its window,
// named on its command line by Explorer's "Open with" and "Send To" or a
// drop onto its icon, or pasted. A second way to choose the movie and the
// subtitle, and the way to choose several movies at once.
#include <windows.h>

#include "CFileList.h"
#include "ChosenFile.h"
#include "Links.h"
#include "ReelkickDlg.h"

// Folders are passed over. Two or more movies make a season. Otherwise each
// file or link is taken in turn as its chooser takes a file: a subtitle by
// its extension, anything else as the movie, and a name that cannot be
// taken is reported in its place. A subtitle that comes without a movie goes
// with the one of the several movies kept whose name it begins with.
// Nothing is started, and as with a cancelled chooser, a list that changes
// nothing pushes nothing.
void CReelkickDlg::TakeFiles(const CStringArray& names) {
    CStringArray given, problems;  // for each name taken, why it cannot be used, or ""
    int movies = 0;
    for (int i = 0; i < names.GetSize(); ++i) {
        CString name = names.GetAt(i), problem;
        if (name.IsEmpty() || !Resolve(name, problem)) continue;
        given.Add(name);
        problems.Add(problem);
        if (problem.IsEmpty() && !IsGivenSubtitle(ChosenFile(name))) ++movies;
    }
    if (movies >= 2) {
        TakeSeason(given, problems);
    } else {
        for (int i = 0; i < given.GetSize(); ++i) {
            const ChosenFile file(given.GetAt(i));
            if (!problems.GetAt(i).IsEmpty())
                m_strInfo = problems.GetAt(i);
            else if (!IsGivenSubtitle(file))
                TakeMovie(file);
            else
                TakeSubtitle(file, movies == 0 ? EpisodeOf(file) : -1);
        }
    }
    if (given.GetSize() > 0) UpdateData(FALSE);
}

// A link is checked as it stands; an internet shortcut is read for the link
// it holds, which then takes its place.
bool CReelkickDlg::Resolve(CString& name, CString& problem) const {
    if (IsLink(name)) {
        problem = LinkProblem(name, m_strShellPrefix);
        return true;
    }
    const DWORD attributes = AttributesOf(name);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        problem = "I can't find " + name + ", so it won't be used.";
        return true;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    const ChosenFile file(name);
    if (!IsShortcut(file)) return true;
    name = ShortcutLink(file.path);
    problem = IsLink(name) ? LinkProblem(name, m_strShellPrefix)
                           : file.name + " holds no link that reelkick can play, so it won't be used.";
    return true;
}

// Called when files are dropped onto the window.
void CReelkickDlg::OnDropFiles(HDROP hDropInfo) { TakeFiles(CFileList(hDropInfo)); }
