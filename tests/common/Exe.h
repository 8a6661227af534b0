// Which reelkick.exe the tests look at.
#pragma once

#include <string>

// The folder that holds the test programs and the recording player.
std::wstring BinFolderW();
// The exe that REELKICK_EXE names (one suite binary checks both builds), or
// else the one beside the test program.
std::wstring ReelkickExe();
