// The pieces of the player's command line. Each fragment carries its own
// quotes and blanks, so OnPlay only joins them. Paths go between double
// quotes as they are, without normalising.
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
// ` -sub "<path>" `, with each comma of the path written `\,`: MPlayer reads
// -sub as a list split at commas, and takes out a backslash just before one.
CString SubtitleArg(const CString& path);
// ` -fps <rate>` for one of the standard framerates, exactly as listed; "" otherwise.
CString FramerateOption(const CString& framerate);

// The shell, by its full path: a cmd.exe that lies in reelkick's folder,
// or beside a picked file, is never run.
CString ShellProgram();
// `cmd /C "` unless the start-up probe found no cmd.exe in the system folder
// (ERROR_FILE_NOT_FOUND); then "", and the player starts directly.
CString ShellPrefixFor(DWORD probeError);
// `pieces` as cmd must read them to pass them on unchanged: cmd expands
// %NAME% even between quotes, so each % becomes %%cd:~,% (a lone % and an
// empty slice of a variable that always exists), which cmd leaves as %.
CString ForShell(const CString& pieces);
// Starts the command: through the shell when the prefix is not empty, else
// the player itself. Returns 0 once it runs, or the system's error code.
DWORD StartCommand(const CString& shellPrefix, const CString& commandLine);

// True when `text` equals one of the table's entries byte for byte.
template <std::size_t N, std::size_t Room>
bool IsOneOf(const CString& text, const char (&table)[N][Room]) {
    for (const char* entry : table)
        if (text.Compare(entry) == 0) return true;
    return false;
}
