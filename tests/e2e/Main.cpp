// The end-to-end tests run only in the test prefix: they create and delete
// files there, and move its cmd.exe aside for a while.
#include <gtest/gtest.h>

#include "Reelkick.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!InTestPrefix()) return 2;
    return RUN_ALL_TESTS();
}
