// The three file choosers: each judges the chosen file by its extension,
// stores it as a command-line fragment and explains the outcome.
#include <windows.h>

#include "CFileDialog.h"
#include "ChosenFile.h"
#include "CommandLine.h"
#include "ReelkickDlg.h"

namespace {

const char kPlayerExtensions[][4] = { "EXE" };
const char kMovieExtensions[][5] = { "AVI", "ASF", "MPG", "MPEG", "DIVX", "MPA", "MPE", "WMV",
                                     // and today's
                                     "MKV", "MP4", "M4V", "MOV", "WEBM", "OGV", "OGM", "TS", "M2TS", "MTS", "FLV",
                                     "VOB", "3GP", "RM", "RMVB" };
const char kSubtitleExtensions[][4] = { "SUB", "SRT", "TXT" };
const char kOtherSubtitleExtensions[][5] = { "ASS", "SSA", "VTT", "SMI", "SAMI" };

// Runs the open-file dialog, which takes only a file that exists; false
// when the user did not confirm one.
bool ChooseFile(CString& path) {
    CFileDialog dlg(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (dlg.DoModal() != IDOK) return false;
    path = dlg.GetPathName();
    return true;
}

}  // namespace

bool IsSubtitle(const ChosenFile& file) { return IsOneOf(file.upperExt, kSubtitleExtensions); }

bool IsGivenSubtitle(const ChosenFile& file) {
    return !file.link && (IsSubtitle(file) || IsOneOf(file.upperExt, kOtherSubtitleExtensions));
}

bool IsShortcut(const ChosenFile& file) { return !file.link && file.upperExt.Compare("URL") == 0; }

// Called when "MPlayer" is clicked. Only an EXE file becomes the player.
void CReelkickDlg::OnChoosePlayer() {
    CString path;
    if (!ChooseFile(path)) return;
    ChosenFile player(path);
    if (IsOneOf(player.upperExt, kPlayerExtensions)) {
        m_strInfo = "You have chosen " + player.path + " for watching the movie.";
        m_strOtherPlayerArg = OtherFolderPlayerArg(player.path);
        m_strPlayerArg = m_strOtherPlayerArg;
    } else {
        m_strInfo = "You must choose an exe file (like mplayer.exe), not " + player.ext;
        m_strInfo += ". So " + player.name + " is wrong!!";
        m_strOtherPlayerArg = kRejectedPlayerArg;
    }
    UpdateData(FALSE);
}

// Called when "&Movie" is clicked.
void CReelkickDlg::OnChooseMovie() {
    CString path;
    if (!ChooseFile(path)) return;
    TakeMovie(ChosenFile(path));
    UpdateData(FALSE);
}

// Called when "&Subtitle" is clicked.
void CReelkickDlg::OnChooseSubtitle() {
    CString path;
    if (!ChooseFile(path)) return;
    TakeSubtitle(ChosenFile(path));
    UpdateData(FALSE);
}

// Stores the movie whatever its extension, in place of every movie before,
// and judges it. A link's ending says nothing of what it streams.
void CReelkickDlg::TakeMovie(const ChosenFile& movie) {
    m_strMovieArg = MovieArg(movie.path);
    m_arrMovies.RemoveAll();
    m_arrMovieSubtitles.RemoveAll();
    if (movie.link)
        m_strInfo = " You have chosen the stream " + movie.path;
    else if (IsOneOf(movie.upperExt, kMovieExtensions))
        m_strInfo = " You have chosen the movie " + movie.path;
    else
        m_strInfo = " I hope you know that " + movie.name + " could not be a movie, so it won't work.";
}

// Stores the subtitle whatever its extension, and judges it.
void CReelkickDlg::TakeSubtitle(const ChosenFile& subtitle, int episode) {
    (episode < 0 ? m_strSubtitlePath : m_arrMovieSubtitles.ElementAt(episode)) = subtitle.path;
    if (IsSubtitle(subtitle))
        m_strInfo = "You have chosen the subtitle " + subtitle.name;
    else
        m_strInfo = "Are you sure that " + subtitle.name +
                    " is a subtitle? Because it doesn't seem it has the .sub, .srt or .txt extension.";
}
