// Several movies handed over at once, such as the episodes of a season:
// they play one after another, each with the subtitle whose name begins
// with the movie's own.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "ChosenFile.h"
#include "ReelkickDlg.h"

// Keeps the list's movies in its order, in place of every movie before,
// then gives each subtitle to its movie. The info text says how many will
// play, from which to which, and then, a line each, what was left out.
void CReelkickDlg::TakeSeason(const CStringArray& given, const CStringArray& problems) {
    m_strMovieArg = "";
    m_arrMovies.RemoveAll();
    m_arrMovieSubtitles.RemoveAll();
    for (int i = 0; i < given.GetSize(); ++i) {
        const ChosenFile file(given.GetAt(i));
        if (!problems.GetAt(i).IsEmpty() || IsGivenSubtitle(file)) continue;
        m_arrMovies.Add(file.path);
        m_arrMovieSubtitles.Add(CString());
    }
    CString leftOut;
    for (int i = 0; i < given.GetSize(); ++i) {
        const ChosenFile file(given.GetAt(i));
        if (!problems.GetAt(i).IsEmpty()) {
            leftOut += "\r\n" + problems.GetAt(i);
        } else if (IsGivenSubtitle(file)) {
            const int episode = EpisodeOf(file);
            if (episode >= 0)
                m_arrMovieSubtitles.ElementAt(episode) = file.path;
            else
                leftOut += "\r\nI can't tell which movie " + file.name + " belongs to, so it won't be used.";
        }
    }
    char count[16];
    m_strInfo = "You have chosen ";
    m_strInfo += _itoa(m_arrMovies.GetSize(), count, 10);
    m_strInfo += " movies to play one after another, from ";
    m_strInfo += ChosenFile(m_arrMovies.GetAt(0)).name;
    m_strInfo += " to ";
    m_strInfo += ChosenFile(m_arrMovies.GetAt(m_arrMovies.GetSize() - 1)).name;
    m_strInfo += ".";
    m_strInfo += leftOut;
}

// Names are compared as Windows compares file names, whatever the case of
// their letters.
int CReelkickDlg::EpisodeOf(const ChosenFile& subtitle) const {
    int episode = -1;
    size_t longest = 0;
    for (int i = 0; i < m_arrMovies.GetSize(); ++i) {
        const ChosenFile movie(m_arrMovies.GetAt(i));
        const size_t stem = static_cast<size_t>(movie.name.GetLength() - (movie.ext.IsEmpty() ? 0 : movie.ext.GetLength() + 1));
        if (stem > longest && _strnicmp(subtitle.name.GetString(), movie.name.GetString(), stem) == 0) {
            episode = i;
            longest = stem;
        }
    }
    return episode;
}
