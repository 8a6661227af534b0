#include "CommandLine.h"

#include "Process.h"

namespace {

const char kFramerates[][7] = { "23.976", "24", "25", "29.976", "30" };

struct Options {
    const char* subtitle;  // then the path and a closing quote
    const char* fullscreen;
    const char* framerate;  // then the rate, then framerateEnd
    const char* framerateEnd;
};

// Indexed by Spelling.
const Options kOptions[] = {
    { " -sub \"", " -fs ", " -fps ", "" },
    { " --sub-file=\"", " --fs ", " --container-fps-override=", " --no-correct-pts" },
    { " --sub-file=\"", " --fs ", " --fps=", " --no-correct-pts" },
};

const Options& OptionsOf(Spelling spelling) { return kOptions[static_cast<int>(spelling)]; }

}  // namespace

const char kRejectedPlayerArg[] = " ";

CString StartFolderPlayerArg(const CString& folder) { return "\"" + folder + "\\mplayer.exe\" "; }

CString OtherFolderPlayerArg(const CString& path) { return "  \"" + path + "\" "; }

CString MovieArg(const CString& path) { return " \"" + path + "\" "; }

CString SubtitleArg(const CString& path, Spelling spelling) {
    CString arg;
    if (path.IsEmpty()) return arg;
    arg = OptionsOf(spelling).subtitle;
    arg += path;
    arg += "\" ";
    if (spelling == Spelling::MPlayer) arg.Replace(",", "\\,");
    return arg;
}

CString EpisodeArg(const CString& movie, const CString& subtitle, Spelling spelling) {
    const CString episode = MovieArg(movie) + SubtitleArg(subtitle, spelling);
    if (spelling == Spelling::MPlayer || subtitle.IsEmpty()) return episode;
    return " --{" + episode + "--} ";
}

const char* FullscreenOption(Spelling spelling) { return OptionsOf(spelling).fullscreen; }

CString FramerateOption(const CString& framerate, Spelling spelling) {
    CString option;
    if (!IsOneOf(framerate, kFramerates)) return option;
    option = OptionsOf(spelling).framerate;
    option += framerate;
    option += OptionsOf(spelling).framerateEnd;
    return option;
}

CString ShellProgram() { return GetSystemFolder() + "\\cmd.exe"; }

CString ShellPrefixFor(DWORD probeError) { return probeError == ERROR_FILE_NOT_FOUND ? "" : "cmd /D /E:ON /V:OFF /C \""; }

const char kShellProbe[] = "cmd.exe /D /C";

CString ForShell(const CString& pieces) {
    CString safe = pieces;
    safe.Replace("%", "%%cd:~,%");
    return safe;
}

CString ForCommand(const CString& shellPrefix, const CString& pieces) {
    return shellPrefix.IsEmpty() ? pieces : ForShell(pieces);
}

int CommandLimit(const CString& shellPrefix) { return shellPrefix.IsEmpty() ? 32766 : 8191; }

const char* CommandRunner(const CString& shellPrefix) { return shellPrefix.IsEmpty() ? "Windows" : "cmd.exe"; }

int CommandLength(const CString& command) {
    return ::MultiByteToWideChar(CP_ACP, 0, command.GetString(), command.GetLength(), nullptr, 0);
}

DWORD StartCommand(const CString& shellPrefix, const CString& commandLine) {
    if (shellPrefix.IsEmpty()) return StartProgram(nullptr, commandLine);
    return StartProgram(ShellProgram().GetString(), commandLine);
}
