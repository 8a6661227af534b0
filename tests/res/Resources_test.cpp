// The resources of the built reelkick.exe, read through the Windows API from
// the file itself and compared field by field.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Exe.h"
#include "ResourceReader.h"

namespace {

const LANGID kEnglishUS = 0x0409;
const LANGID kRomanian = 0x0418;

const char kMainDialog[] =
    "extended style=90C800C0 exstyle=40000 help=0 controls=11 at=0,0 size=299x118 menu=none class=none "
    "caption=\"Reelkick\" font=8pt weight=0 italic=0 charset=1 \"MS Sans Serif\"\n"
    "item id=E101 class=#128 text=\"MPlayer\" style=50010000 exstyle=0 help=0 at=7,7 size=45x16 extra=0\n"
    "item id=3E9 class=#128 text=\"&Movie\" style=50010000 exstyle=0 help=0 at=7,28 size=45x15 extra=0\n"
    "item id=3EA class=#128 text=\"&Subtitle\" style=50010000 exstyle=0 help=0 at=7,49 size=45x16 extra=0\n"
    "item id=3EB class=#128 text=\"&PLAY\" style=50010000 exstyle=0 help=0 at=65,28 size=46x16 extra=0\n"
    "item id=3F0 class=#128 text=\"Delete cmd\" style=50010000 exstyle=0 help=0 at=66,50 size=45x15 extra=0\n"
    "item id=3F3 class=#128 text=\"current mplayer\" style=50010003 exstyle=0 help=0 at=58,7 size=65x10 extra=0\n"
    "item id=3EF class=#128 text=\"&fullscreen\" style=50010003 exstyle=0 help=0 at=126,7 size=46x10 extra=0\n"
    "item id=FFFFFFFF class=#130 text=\"f&ramerate\" style=50020000 exstyle=0 help=0 at=220,7 size=32x12 extra=0\n"
    "item id=3F2 class=#133 text=none style=50210102 exstyle=0 help=0 at=257,7 size=35x70 extra=0\n"
    "item id=3FA class=#129 text=none style=50810844 exstyle=0 help=0 at=158,25 size=134x59 extra=0\n"
    "item id=3ED class=#129 text=none style=50910004 exstyle=0 help=0 at=7,88 size=285x23 extra=0\n";

const char kAboutDialog[] =
    "classic style=80C800C0 exstyle=0 help=0 controls=5 at=0,0 size=235x132 menu=none class=none "
    "caption=\"About reelkick\" font=8pt \"MS Sans Serif\"\n"
    "item id=FFFF class=#130 text=#128 style=50000003 exstyle=0 help=0 at=11,17 size=21x20 extra=0\n"
    "item id=FFFF class=#130 text=\"reelkick Version 1.0\" style=50020080 exstyle=0 help=0 at=40,10 size=119x8 "
    "extra=0\n"
    "item id=FFFF class=#130 text=\"Made by the reelkick team, 2026\" style=50020000 exstyle=0 help=0 at=40,25 "
    "size=119x9 extra=0\n"
    "item id=1 class=#128 text=\"OK\" style=50030001 exstyle=0 help=0 at=178,7 size=50x14 extra=0\n"
    "item id=3FB class=#129 text=none style=50010844 exstyle=0 help=0 at=39,38 size=137x87 extra=0\n";

const char kStringBlock7[] = "\"\"\n\"\"\n\"\"\n\"\"\n\"\"\n\"&About reelkick...\"\n\"\"\n\"\"\n\"\"\n\"\"\n\"\"\n\"\"\n\"\"\n"
                             "\"\"\n\"\"\n\"\"\n";

const char kVersion[] =
    "VS_VERSION_INFO signature=FEEF04BD struc=10000 file=10000.1 product=10000.1 mask=3F flags=0 os=4 type=1 "
    "subtype=0 date=0.0\n"
    "  StringFileInfo\n"
    "    040904B0\n"
    "      CompanyName = \"\"\n"
    "      FileDescription = \"reelkick MFC Application\"\n"
    "      FileVersion = \"1, 0, 0, 1\"\n"
    "      InternalName = \"reelkick\"\n"
    "      LegalCopyright = \"Copyright (C) 2026 the reelkick team\"\n"
    "      LegalTrademarks = \"\"\n"
    "      OriginalFilename = \"reelkick.EXE\"\n"
    "      ProductName = \"reelkick Application\"\n"
    "      ProductVersion = \"1, 0, 0, 1\"\n"
    "  VarFileInfo\n"
    "    Translation 4B00409\n";

// The framerate list: (id 1010, CB_ADDSTRING 0x0403, length, string and NUL) six times, then a zero word.
Bytes FramerateList() {
    Bytes bytes;
    for (const char* rate : { "", "23.976", "24", "25", "29.976", "30" }) {
        DWORD length = static_cast<DWORD>(std::strlen(rate) + 1);
        for (BYTE b : { 0xF2, 0x03, 0x03, 0x04 }) bytes.push_back(b);
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(length >> (8 * i)));
        bytes.insert(bytes.end(), rate, rate + length);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

TEST(Resources, MatchTheirSpecifiedFields) {
    ResourceFile exe(ReelkickExe());
    ASSERT_TRUE(exe.Loaded()) << Utf8(ReelkickExe());

    EXPECT_EQ((std::vector<std::string>{ "10/1/409", "18/1/409", "3/1/418", "5/64/409", "5/66/409", "6/7/409",
                                         "E/80/418", "F0/66/409" }),
              exe.Inventory())
        << "type/id/language of every resource";

    struct Text {
        const char* what;
        std::string actual;
        std::string expected;
    };
    const Text texts[] = {
        { "IDD_MAIN", DescribeDialog(exe.Get(5, 102, kEnglishUS)), kMainDialog },
        { "IDD_ABOUT", DescribeDialog(exe.Get(5, 100, kEnglishUS)), kAboutDialog },
        { "string block 7", DescribeStringBlock(exe.Get(6, 7, kEnglishUS)), kStringBlock7 },
        { "version", DescribeVersion(exe.Get(16, 1, kEnglishUS)), kVersion },
    };
    for (const Text& t : texts) EXPECT_EQ(t.expected, t.actual) << t.what;

    Bytes initialData = exe.Get(240, 102, kEnglishUS);
    EXPECT_EQ(74u, initialData.size());
    EXPECT_EQ(FramerateList(), initialData);

    // The icon group's one entry: 32x32, no palette, 1 plane, 24 bits, 3240 bytes, image 1.
    const Bytes group = { 0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 24, 0, 0xA8, 0x0C, 0, 0, 1, 0 };
    EXPECT_EQ(group, exe.Get(14, 128, kRomanian));
    Bytes image = exe.Get(3, 1, kRomanian);
    ASSERT_EQ(3240u, image.size());
    BITMAPINFOHEADER header;
    std::memcpy(&header, image.data(), sizeof header);
    EXPECT_EQ(40u, header.biSize);
    EXPECT_EQ(32, header.biWidth);
    EXPECT_EQ(64, header.biHeight) << "colour bitmap and mask";
    EXPECT_EQ(1, header.biPlanes);
    EXPECT_EQ(24, header.biBitCount);
}

TEST(Resources, ManifestAsksForModernBehaviour) {
    ResourceFile exe(ReelkickExe());
    Bytes manifest = exe.Get(24, 1, kEnglishUS);
    std::string text(manifest.begin(), manifest.end());
    for (const char* piece : { "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                               "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
                               "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8"
                               "</activeCodePage>",
                               "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
                               // Windows 10 1607 on: the first of these that it knows, and then the
                               // dpiAware above is not read; 1703 on scales the dialog itself.
                               "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                               "PerMonitorV2, System</dpiAwareness>",
                               "<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">true"
                               "</longPathAware>" })
        EXPECT_NE(std::string::npos, text.find(piece)) << piece;
}

// Statically linked: no runtime DLLs of the compiler, only Windows' own. The
// common dialogs are loaded when first used.
TEST(Resources, ImportsOnlyWindowsOwnDlls) {
    ResourceFile exe(ReelkickExe());
    EXPECT_EQ((std::vector<std::string>{ "COMCTL32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "USER32.DLL" }), exe.Imports());
}

}  // namespace
