#include "CommandLine.h"

namespace {
const char* const kFramerates[] = { "23.976", "24", "25", "29.976", "30" };
}

const char kRejectedPlayerArg[] = " ";

CString StartFolderPlayerArg(const CString& folder) { return "\"" + folder + "\\mplayer.exe\" "; }

CString OtherFolderPlayerArg(const CString& path) { return "  \"" + path + "\" "; }

CString MovieArg(const CString& path) { return " \"" + path + "\" "; }

CString SubtitleArg(const CString& path) { return " -sub \"" + path + "\" "; }

CString ShellPrefixFor(UINT probeResult) { return probeResult == ERROR_FILE_NOT_FOUND ? "" : "cmd /C \""; }

CString FramerateOption(const CString& framerate) {
    return IsOneOf(framerate, kFramerates) ? " -fps " + framerate : "";
}
