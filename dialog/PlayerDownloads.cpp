#include "PlayerDownloads.h"

const char kPlayerDownloadAddresses[] =
    "http://www.mplayerhq.hu/design7/dload.html"
    " or https://sourceforge.net/projects/mplayerwin/"
    " or http://mplayerwin.sourceforge.net/downloads.html"
    " or https://oss.netfarm.it/mplayer/";
