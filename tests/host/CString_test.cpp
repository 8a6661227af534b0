#include <gtest/gtest.h>

#include "CString.h"
#include "probe.h"

namespace {

TEST(CString, MakeUpperChangesOnlyAToZ) {
    struct Case {
        const char* text;
        const char* upper;
    };
    const Case cases[] = {
        { "avi", "AVI" }, { "Avi", "AVI" }, { "mP4", "MP4" }, { "", "" },
        { "a-z_{}@`", "A-Z_{}@`" },
        { "\xC3\xA9t\xC3\xA9", "\xC3\xA9T\xC3\xA9" },  // UTF-8 bytes stay as they are
    };
    for (const Case& c : cases) {
        CString text = c.text;
        text.MakeUpper();
        EXPECT_STREQ(c.upper, text.GetString()) << c.text;
    }
}

TEST(CString, CompareIsExact) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        { "25", "25", true }, { "25", "25 ", false }, { "EXE", "exe", false }, { "", "", true }, { "", " ", false },
    };
    for (const Case& c : cases) EXPECT_EQ(c.equal, CString(c.a).Compare(c.b) == 0) << c.a << " vs " << c.b;
}

TEST(CString, JoinsPieces) {
    CString path = "C:\\m.avi";
    CString joined = " \"" + path + "\" ";
    joined += "tail";
    EXPECT_STREQ(" \"C:\\m.avi\" tail", joined.GetString());
    EXPECT_EQ(16, joined.GetLength());
    EXPECT_TRUE(CString(nullptr).IsEmpty());
}

TEST(CString, LoadsStringResources) {
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_PROBE));
    EXPECT_STREQ("Probe &text", text.GetString());
    EXPECT_FALSE(text.LoadString(9999));
    EXPECT_STREQ("", text.GetString());
}

}  // namespace
