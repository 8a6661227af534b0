// The end-to-end tests run only in the test prefix: they create and delete
// files there, and move its cmd.exe aside for a while.
#include <gtest/gtest.h>

#include <filesystem>

#include "Reelkick.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!InTestPrefix()) return 2;
    ShellMissing::PutBackLeftovers();
    std::filesystem::create_directories(Scratch(""));  // the session empties it; a run by hand may find none
    return RUN_ALL_TESTS();
}
