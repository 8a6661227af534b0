// The three file choosers: each judges the chosen file by its extension,
// stores it as a command-line fragment and explains the outcome.
#include <windows.h>

#include "CFileDialog.h"
#include "CommandLine.h"
#include "ReelkickDlg.h"

namespace {

const char kPlayerExtensions[][4] = { "EXE" };
const char kMovieExtensions[][5] = { "AVI", "ASF", "MPG", "MPEG", "DIVX", "MPA", "MPE", "WMV" };
const char kSubtitleExtensions[][4] = { "SUB", "SRT", "TXT" };

struct ChosenFile {
    CString path;      // full path
    CString name;      // name with extension, without folder
    CString ext;       // extension in the file's own case, without the dot
    CString upperExt;  // the same, upper-cased for the table tests
};

// Runs the open-file dialog, which takes only a file that exists; false
// when the user did not confirm one.
bool ChooseFile(ChosenFile& file) {
    CFileDialog dlg(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (dlg.DoModal() != IDOK) return false;
    file.path = dlg.GetPathName();
    file.name = dlg.GetFileName();
    file.ext = dlg.GetFileExt();
    file.upperExt = file.ext;
    file.upperExt.MakeUpper();
    return true;
}

}  // namespace

// Called when "MPlayer" is clicked. Only an EXE file becomes the player.
void CReelkickDlg::OnChoosePlayer() {
    ChosenFile player;
    if (!ChooseFile(player)) return;
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

// Called when "&Movie" is clicked. The movie is stored whatever its extension.
void CReelkickDlg::OnChooseMovie() {
    ChosenFile movie;
    if (!ChooseFile(movie)) return;
    m_strMovieArg = MovieArg(movie.path);
    if (IsOneOf(movie.upperExt, kMovieExtensions))
        m_strInfo = " You have chosen the movie " + movie.path;
    else
        m_strInfo = " I hope you know that " + movie.name + " could not be a movie, so it won't work.";
    UpdateData(FALSE);
}

// Called when "&Subtitle" is clicked. The subtitle is stored whatever its extension.
void CReelkickDlg::OnChooseSubtitle() {
    ChosenFile subtitle;
    if (!ChooseFile(subtitle)) return;
    m_strSubtitleArg = SubtitleArg(subtitle.path);
    if (IsOneOf(subtitle.upperExt, kSubtitleExtensions))
        m_strInfo = "You have chosen the subtitle " + subtitle.name;
    else
        m_strInfo = "Are you sure that " + subtitle.name +
                    " is a subtitle? Because it doesn't seem it has the .sub, .srt or .txt extension.";
    UpdateData(FALSE);
}
