#include "PlayerDownloads.h"

#include <cstddef>

namespace {
const char* const kAddresses[] = {
    "http://www.mplayerhq.hu/design7/dload.html",
    "https://sourceforge.net/projects/mplayerwin/",
    "http://mplayerwin.sourceforge.net/downloads.html",
    "https://oss.netfarm.it/mplayer/",
};
}

CString PlayerDownloadAddresses() {
    CString joined = kAddresses[0];
    for (std::size_t i = 1; i < sizeof kAddresses / sizeof kAddresses[0]; ++i) joined += CString(" or ") + kAddresses[i];
    return joined;
}
