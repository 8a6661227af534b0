// The end-to-end tests run only in the test prefix: they create and delete
// files there, and move its cmd.exe aside for a while.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "Reelkick.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!InTestPrefix()) return 2;
    // scripts/test says so when the kernel cannot run 32-bit programs: then
    // no Wine can run the i686 build, and ctest counts the suite as skipped.
    DWORD binaryType = 0;
    if (::GetEnvironmentVariableW(L"REELKICK_NO_32BIT", nullptr, 0) &&
        ::GetBinaryTypeW(ReelkickExe().c_str(), &binaryType) && binaryType == SCS_32BIT_BINARY) {
        std::puts("Skipped: this machine cannot run 32-bit programs, natively or emulated (scripts/with-32bit says "
                  "why), so it cannot run the 32-bit reelkick.exe.");
        return 0;
    }
    ShellMissing::PutBackLeftovers();
    std::filesystem::create_directories(Scratch(""));  // the session empties it; a run by hand may find none
    return RUN_ALL_TESTS();
}
