// Which player is in use, as far as the spelling of its options goes.
#include <cstring>
#include <cwchar>

#include "CFileVersionInfo.h"
#include "CommandLine.h"

namespace {

// The path between a player fragment's quotes; "" for a fragment without
// one, such as the blank that a rejected choice leaves. A path holds no
// double quote.
CString PlayerPath(const CString& playerArg) {
    const char* text = playerArg.GetString();
    const char* open = std::strchr(text, '"');
    const char* close = std::strrchr(text, '"');
    return open && close > open ? CString(open + 1, static_cast<int>(close - open - 1)) : CString();
}

// Reads a decimal number at `text` and moves past it; false when there is none.
bool ReadNumber(const wchar_t*& text, unsigned& number) {
    const wchar_t* start = text;
    for (number = 0; *text >= L'0' && *text <= L'9'; ++text) number = number * 10 + (*text - L'0');
    return text != start;
}

// True for an mpv version before 0.37, whose texts read `v0.36.0`, `0.35.1`
// or, for a build from git, `v0.36.0-475-g1f8c1e9d2`. A text that names no
// version counts as a current one.
bool Before037(const wchar_t* version) {
    if (*version == L'v') ++version;
    unsigned major, minor;
    if (!ReadNumber(version, major) || *version++ != L'.' || !ReadNumber(version, minor)) return false;
    return major == 0 && minor < 37;
}

}  // namespace

Spelling SpellingOf(const CString& playerArg) {
    const CString path = PlayerPath(playerArg);
    if (path.IsEmpty()) return Spelling::MPlayer;
    CFileVersionInfo version(path);
    if (!version.IsFound()) {
        const char* name = std::strrchr(path.GetString(), '\\');
        return _stricmp(name ? name + 1 : path.GetString(), "mpv.exe") == 0 ? Spelling::Mpv : Spelling::MPlayer;
    }
    if (std::wcscmp(version.GetValue(L"ProductName"), L"mpv") != 0) return Spelling::MPlayer;
    return Before037(version.GetValue(L"FileVersion")) ? Spelling::MpvBefore037 : Spelling::Mpv;
}
