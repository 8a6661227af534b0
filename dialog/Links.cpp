#include "Links.h"

#include <windows.h>

#include <cstring>

#include "CWideString.h"
#include "CommandLine.h"

namespace {

const char kStreamSchemes[][6] = { "http", "https", "ftp", "rtsp", "rtmp", "rtmps", "mms", "mmsh", "mmst", "rtp", "udp" };

}  // namespace

bool IsLink(const CString& text) {
    const char* colon = std::strstr(text.GetString(), "://");
    if (!colon) return false;
    const size_t length = static_cast<size_t>(colon - text.GetString());
    for (const char* scheme : kStreamSchemes)
        if (std::strlen(scheme) == length && _strnicmp(text.GetString(), scheme, length) == 0) return true;
    return false;
}

// A double quote would end the link's quotes in the command and let what
// follows run as a command of its own; a line break would end the command.
CString LinkProblem(const CString& link, const CString& shellPrefix) {
    const char* why = nullptr;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(link.GetString()); *c && !why; ++c)
        if (*c == '"')
            why = "holds a double quote";
        else if (*c < ' ' || *c == 0x7F)
            why = "holds a line break or another control character";
    if (!why && CommandLength(ForCommand(shellPrefix, MovieArg(link))) > CommandLimit(shellPrefix))
        why = "is longer than a command can be";
    if (!why) return CString();
    return CString("This is not a link that reelkick can play, as it ") + why + ": " + link;
}

CString ShortcutLink(const CString& path) {
    const DWORD room = 32768;
    CWideString link(room);
    const DWORD units = ::GetPrivateProfileStringW(L"InternetShortcut", L"URL", L"", link.GetBuffer(), room,
                                                   CWideString(path).ForFileCalls().GetBuffer());
    // A link that fills the room was cut short.
    return units < room - 1 ? CString(link.GetBuffer(), static_cast<int>(units)) : CString();
}
