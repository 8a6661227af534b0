// The command-line fragments, checked by what the receiving side makes of
// them: every path must come out of the platform's own splitting whole.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "CommandLine.h"

namespace {

std::vector<std::string> Split(const CString& commandLine) {
    std::wstring wide(commandLine.GetString(), commandLine.GetString() + commandLine.GetLength());
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(wide.c_str(), &argc);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.emplace_back(argv[i], argv[i] + wcslen(argv[i]));
    ::LocalFree(argv);
    return args;
}

TEST(CommandLine, FragmentsHaveTheirExactForms) {
    struct Case {
        CString fragment;
        const char* form;
    };
    const Case cases[] = {
        { StartFolderPlayerArg("C:\\MP"), "\"C:\\MP\\mplayer.exe\" " },
        { StartFolderPlayerArg("C:\\"), "\"C:\\\\mplayer.exe\" " },
        { StartFolderPlayerArg(""), "\"\\mplayer.exe\" " },
        { OtherFolderPlayerArg("D:\\Tools\\mplayer.exe"), "  \"D:\\Tools\\mplayer.exe\" " },
        { MovieArg("C:\\m.avi"), " \"C:\\m.avi\" " },
        { SubtitleArg("C:\\m.srt", Spelling::MPlayer), " -sub \"C:\\m.srt\" " },
        { SubtitleArg("C:\\a,b\\,c.srt", Spelling::MPlayer), " -sub \"C:\\a\\,b\\\\,c.srt\" " },
        { SubtitleArg("C:\\a,b\\,c.srt", Spelling::Mpv), " --sub-file=\"C:\\a,b\\,c.srt\" " },
        { SubtitleArg("C:\\m.srt", Spelling::MpvBefore037), " --sub-file=\"C:\\m.srt\" " },
        { SubtitleArg("", Spelling::MPlayer), "" },
        { SubtitleArg("", Spelling::Mpv), "" },
        { FullscreenOption(Spelling::MPlayer), " -fs " },
        { FullscreenOption(Spelling::Mpv), " --fs " },
        { FullscreenOption(Spelling::MpvBefore037), " --fs " },
        { ForShell(MovieArg("C:\\100% %PATH%.avi")), " \"C:\\100%%cd:~,% %%cd:~,%PATH%%cd:~,%.avi\" " },
        { kRejectedPlayerArg, " " },
    };
    for (const Case& c : cases) EXPECT_STREQ(c.form, c.fragment.GetString());
}

TEST(CommandLine, PathsWithBlanksStayWhole) {
    CString line = StartFolderPlayerArg("C:\\Program Files\\MPlayer") + MovieArg("C:\\My Movies\\a b.avi") +
                   SubtitleArg("C:\\My Movies\\a b.srt", Spelling::MPlayer);
    EXPECT_EQ((std::vector<std::string>{ "C:\\Program Files\\MPlayer\\mplayer.exe", "C:\\My Movies\\a b.avi", "-sub",
                                         "C:\\My Movies\\a b.srt" }),
              Split(line));
}

TEST(CommandLine, OnlyAMissingShellDropsThePrefix) {
    struct Case {
        UINT probeResult;
        const char* prefix;
    };
    const Case cases[] = {
        { ERROR_FILE_NOT_FOUND, "" },  // no cmd.exe
        { 0, "cmd /D /E:ON /V:OFF /C \"" },            // started
        { ERROR_NOT_ENOUGH_MEMORY, "cmd /D /E:ON /V:OFF /C \"" },
        { ERROR_PATH_NOT_FOUND, "cmd /D /E:ON /V:OFF /C \"" },
        { ERROR_BAD_EXE_FORMAT, "cmd /D /E:ON /V:OFF /C \"" },
    };
    for (const Case& c : cases) EXPECT_STREQ(c.prefix, ShellPrefixFor(c.probeResult).GetString()) << c.probeResult;
}

TEST(CommandLine, FramerateOptionTakesOnlyTheStandardRates) {
    struct Case {
        const char* framerate;
        const char* option;
        Spelling spelling = Spelling::MPlayer;
    };
    const Case cases[] = {
        { "23.976", " -fps 23.976" }, { "24", " -fps 24" }, { "25", " -fps 25" }, { "29.976", " -fps 29.976" },
        { "30", " -fps 30" },         { "29.97", "" },      { "25 ", "" },        { " 25", "" },
        { "024", "" },                { "", "" },           { "25.0", "" },
        { "29.976", " --container-fps-override=29.976 --no-correct-pts", Spelling::Mpv },
        { "23.976", " --fps=23.976 --no-correct-pts", Spelling::MpvBefore037 },
        { "29.97", "", Spelling::Mpv },
        { "", "", Spelling::MpvBefore037 },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.option, FramerateOption(c.framerate, c.spelling).GetString()) << c.framerate;
}

}  // namespace
