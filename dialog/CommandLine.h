// The pieces of the player's command line. Each fragment carries its own
// quotes and blanks, so OnPlay only joins them. Paths go between double
// quotes as they are, without escaping or normalising.
#pragma once

#include <windows.h>

#include <cstddef>

#include "CString.h"

// `"<folder>\mplayer.exe" `: the player in the folder reelkick started in.
CString StartFolderPlayerArg(const CString& folder);
// `  "<path>" `: a player chosen with the "MPlayer" button.
CString OtherFolderPlayerArg(const CString& path);
// What a rejected player choice leaves as the other-folder fragment.
extern const char kRejectedPlayerArg[];
// ` "<path>" `
CString MovieArg(const CString& path);
// ` -sub "<path>" `
CString SubtitleArg(const CString& path);
// `cmd /C "` unless the start-up probe's WinExec result says that cmd.exe
// is missing (ERROR_FILE_NOT_FOUND); then "", and the player starts directly.
CString ShellPrefixFor(UINT probeResult);
// ` -fps <rate>` for one of the standard framerates, exactly as listed; "" otherwise.
CString FramerateOption(const CString& framerate);

// True when `text` equals one of the table's entries byte for byte.
template <std::size_t N>
bool IsOneOf(const CString& text, const char* const (&table)[N]) {
    for (const char* entry : table)
        if (text.Compare(entry) == 0) return true;
    return false;
}
