#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

// Appending a string to itself while its buffer grows, and copies that
// must not share a buffer.
TEST(CString, GrowsWithoutLosingText) {
    CString text = "ab";
    std::string expected = "ab";
    for (int i = 0; i < 12; ++i) {
        text += text;
        expected += expected;
    }
    EXPECT_EQ(expected, text.GetString());
    EXPECT_EQ(static_cast<int>(expected.size()), text.GetLength());

    CString copy = text;
    copy.MakeUpper();
    EXPECT_EQ('a', text.GetString()[0]) << "the copy has a buffer of its own";
    CString moved = static_cast<CString&&>(copy);
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_STREQ("", copy.GetString());
    EXPECT_EQ('A', moved.GetString()[0]);

    CString filled;
    std::strcpy(filled.GetBuffer(5), "12345");
    filled.ReleaseBuffer();
    EXPECT_STREQ("12345", filled.GetString());
    EXPECT_EQ(5, filled.GetLength());
}

TEST(CString, LoadsStringResources) {
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_PROBE));
    EXPECT_STREQ("Probe &text", text.GetString());
    EXPECT_FALSE(text.LoadString(9999));
    EXPECT_STREQ("", text.GetString());
}

}  // namespace
