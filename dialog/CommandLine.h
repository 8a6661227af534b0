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

// How the player in use spells its options: MPlayer's way, or that of mpv,
// its successor, which renamed --fps to --container-fps-override in 0.37.
enum class Spelling { MPlayer, Mpv, MpvBefore037 };
// The spelling of the player that a player fragment names, told by the
// file's version resource: mpv's names "mpv" as its product. A file without
// one is mpv when it is named mpv.exe; anything else is MPlayer.
Spelling SpellingOf(const CString& playerArg);

// ` -sub "<path>" `, with each comma of the path written `\,`: MPlayer reads
// -sub as a list split at commas, and takes out a backslash just before one.
// mpv: ` --sub-file="<path>" `, which takes one file as it is. "" for no path.
CString SubtitleArg(const CString& path, Spelling spelling);
// One of several movies that play one after another, with a subtitle of
// its own ("" for none). MPlayer takes an option after a file for that file
// alone: ` "<movie>"  -sub "<subtitle>" `. mpv takes an option outside a
// group for every file, so it gets a group: ` --{ "<movie>"  --sub-file="<subtitle>" --} `,
// and without a subtitle only ` "<movie>" `.
CString EpisodeArg(const CString& movie, const CString& subtitle, Spelling spelling);
// ` -fs `; mpv: ` --fs `.
const char* FullscreenOption(Spelling spelling);
// For one of the standard framerates, exactly as listed: ` -fps <rate>`;
// mpv: ` --container-fps-override=<rate> --no-correct-pts`, before 0.37
// ` --fps=<rate> --no-correct-pts`, as mpv only relabels the stream without
// the second option. "" for any other text.
CString FramerateOption(const CString& framerate, Spelling spelling);

// The shell, by its full path: a cmd.exe that lies in reelkick's folder,
// or beside a picked file, is never run.
CString ShellProgram();
// `cmd /D /E:ON /V:OFF /C "` unless the start-up probe found no cmd.exe in
// the system folder (ERROR_FILE_NOT_FOUND); then "", and the player starts
// directly. The switches pin what the machine's settings would change: no
// AutoRun command of the registry runs first (/D), the extensions that
// ForShell's %cd:~,% needs are on (/E:ON), and !name! stays as it is
// (/V:OFF), as a name such as Wow!.avi needs. They override the registry's
// EnableExtensions and DelayedExpansion.
CString ShellPrefixFor(DWORD probeError);
// What the start-up probe runs: the shell with nothing to do, and without
// the AutoRun commands, which could take long or keep a program running.
extern const char kShellProbe[];
// `pieces` as cmd must read them to pass them on unchanged: cmd expands
// %NAME% even between quotes, so each % becomes %%cd:~,% (a lone % and an
// empty slice of a variable that always exists), which cmd leaves as %.
CString ForShell(const CString& pieces);
// `pieces` as the command that `shellPrefix` begins must hold them: made
// safe for the shell where there is one, else as they are.
CString ForCommand(const CString& shellPrefix, const CString& pieces);
// The most characters that a command may have: 8191 for cmd.exe when the
// prefix is not empty, else 32766, as CreateProcess takes 32767 with the NUL.
int CommandLimit(const CString& shellPrefix);
// What takes the command: "cmd.exe", or "Windows" when there is no shell.
const char* CommandRunner(const CString& shellPrefix);
// How many characters the system counts in `command` (UTF-16 units).
int CommandLength(const CString& command);
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
