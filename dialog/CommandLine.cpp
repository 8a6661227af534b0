#include "CommandLine.h"

#include "Process.h"

namespace {
const char kFramerates[][7] = { "23.976", "24", "25", "29.976", "30" };
}

const char kRejectedPlayerArg[] = " ";

CString StartFolderPlayerArg(const CString& folder) { return "\"" + folder + "\\mplayer.exe\" "; }

CString OtherFolderPlayerArg(const CString& path) { return "  \"" + path + "\" "; }

CString MovieArg(const CString& path) { return " \"" + path + "\" "; }

CString SubtitleArg(const CString& path) {
    CString listSafe = path;
    listSafe.Replace(",", "\\,");
    return " -sub \"" + listSafe + "\" ";
}

CString FramerateOption(const CString& framerate) {
    return IsOneOf(framerate, kFramerates) ? " -fps " + framerate : "";
}

CString ShellProgram() { return GetSystemFolder() + "\\cmd.exe"; }

CString ShellPrefixFor(DWORD probeError) { return probeError == ERROR_FILE_NOT_FOUND ? "" : "cmd /C \""; }

CString ForShell(const CString& pieces) {
    CString safe = pieces;
    safe.Replace("%", "%%cd:~,%");
    return safe;
}

DWORD StartCommand(const CString& shellPrefix, const CString& commandLine) {
    if (shellPrefix.IsEmpty()) return StartProgram(nullptr, commandLine);
    return StartProgram(ShellProgram().GetString(), commandLine);
}
