// Where the player can be downloaded. The no-player message and the About
// box both end with this list, so the two can never disagree.
#pragma once

// The four download addresses, in their fixed order, joined by " or ".
extern const char kPlayerDownloadAddresses[];
