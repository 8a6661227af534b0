// Links to streams: a movie that the player reads from a server, named by
// its address rather than by a file's path.
#pragma once

#include "CString.h"

// True when `text` begins with a scheme that the players stream, in any
// case, followed by "://": http, https, ftp, rtsp, rtmp(s), mms(h/t), rtp, udp.
bool IsLink(const CString& text);
// "" when `link` can go into the command as it is, between its quotes,
// through `shellPrefix`; else, in a sentence, why it cannot.
CString LinkProblem(const CString& link, const CString& shellPrefix);
// The link that an internet shortcut (.url) holds: the URL of its
// [InternetShortcut] section; "" for none.
CString ShortcutLink(const CString& path);
