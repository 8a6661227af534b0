// "&PLAY": the command line that is built and shown, and what the player gets.
#include <gtest/gtest.h>

#include "Fixture.h"

namespace {

size_t CountOf(const std::string& piece, const std::string& text) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
    return count;
}

class Play : public InStartFolder {};

struct WorkedExample {
    const char* name;
    bool shell;
    const char* otherPlayer;  // chosen with "MPlayer"; null keeps the start folder's
    bool subtitle;
    bool fullscreen;
    const char* framerate;
    std::string commandLine;
    std::vector<std::string> argv;
    Taken taken = Chosen;
    // The recording player that lies at otherPlayer, or in the start folder
    // as mplayer.exe, by the version resource it carries.
    const char* build = "mplayer";
    // What is dropped or named on the command line.
    std::vector<std::string> files = { "C:\\m.avi", "C:\\m.srt" };
};

// A season, each subtitle named after its movie, in no particular order.
const std::vector<std::string> kSeason = { "D:\\Season\\Ep02.en.srt", "D:\\Season\\Ep01.mkv",
                                           "D:\\Season\\Ep02.mkv", "D:\\Season\\Ep01.srt",
                                           "D:\\Season\\Ep03.mkv" };

// mpv's spelling of the subtitle, full screen and 25 frames a second.
const char kMpvOptions[] = "  --sub-file=\"C:\\m.srt\"  --fs  --container-fps-override=25 --no-correct-pts\"";
const char kOldMpvOptions[] = "  --sub-file=\"C:\\m.srt\"  --fs  --fps=25 --no-correct-pts\"";
std::vector<std::string> MpvArgv(const char* player, const char* framerate = "--container-fps-override=25") {
    return { player, "C:\\m.avi", "--sub-file=C:\\m.srt", "--fs", framerate, "--no-correct-pts" };
}

// A link as browsers copy it; through the shell, each % is written
// %%cd:~,%, which cmd leaves as %.
const char kLink[] = "https://example.org/Film%20one.avi?a=1&b=%41,c";
const char kLinkForShell[] = "https://example.org/Film%%cd:~,%20one.avi?a=1&b=%%cd:~,%41,c";

const WorkedExample kWorkedExamples[] = {
    { "movie only", true, nullptr, false, false, "", "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\" \"",
      { "C:\\MP\\mplayer.exe", "C:\\m.avi" } },
    { "all options", true, nullptr, true, true, "25",
      "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\"  -sub \"C:\\m.srt\"  -fs  -fps 25\"",
      { "C:\\MP\\mplayer.exe", "C:\\m.avi", "-sub", "C:\\m.srt", "-fs", "-fps", "25" } },
    { "no shell", false, nullptr, true, true, "25",
      "\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\"  -sub \"C:\\m.srt\"  -fs  -fps 25",
      { "C:\\MP\\mplayer.exe", "C:\\m.avi", "-sub", "C:\\m.srt", "-fs", "-fps", "25" } },
    { "other player", true, "D:\\Tools\\mplayer.exe", false, false, "",
      "cmd /D /E:ON /V:OFF /C \"  \"D:\\Tools\\mplayer.exe\"  \"C:\\m.avi\" \"", { "D:\\Tools\\mplayer.exe", "C:\\m.avi" } },
    { "dropped", true, nullptr, true, false, "", "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\"  -sub \"C:\\m.srt\" \"",
      { "C:\\MP\\mplayer.exe", "C:\\m.avi", "-sub", "C:\\m.srt" }, Dropped },
    { "named on the command line", true, nullptr, true, false, "",
      "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\"  -sub \"C:\\m.srt\" \"",
      { "C:\\MP\\mplayer.exe", "C:\\m.avi", "-sub", "C:\\m.srt" }, Named },
    { "mpv v0.39.0", true, "D:\\mpv\\mpv.exe", true, true, "25",
      std::string("cmd /D /E:ON /V:OFF /C \"  \"D:\\mpv\\mpv.exe\"  \"C:\\m.avi\"") + kMpvOptions, MpvArgv("D:\\mpv\\mpv.exe"), Chosen,
      "player-mpv-0.39.0" },
    { "mpv v0.36.0, before the framerate option's new name", true, "D:\\mpv\\mpv.exe", true, true, "25",
      std::string("cmd /D /E:ON /V:OFF /C \"  \"D:\\mpv\\mpv.exe\"  \"C:\\m.avi\"") + kOldMpvOptions,
      MpvArgv("D:\\mpv\\mpv.exe", "--fps=25"), Chosen, "player-mpv-0.36.0" },
    { "mpv 0.35.1", true, "D:\\mpv\\mpv.exe", true, true, "25",
      std::string("cmd /D /E:ON /V:OFF /C \"  \"D:\\mpv\\mpv.exe\"  \"C:\\m.avi\"") + kOldMpvOptions,
      MpvArgv("D:\\mpv\\mpv.exe", "--fps=25"), Chosen, "player-mpv-0.35.1" },
    { "mpv built from git after 0.36.0", true, "D:\\mpv\\mpv.exe", true, true, "25",
      std::string("cmd /D /E:ON /V:OFF /C \"  \"D:\\mpv\\mpv.exe\"  \"C:\\m.avi\"") + kOldMpvOptions,
      MpvArgv("D:\\mpv\\mpv.exe", "--fps=25"), Chosen, "player-mpv-git" },
    { "mpv.exe without a version resource", true, "D:\\mpv\\MPV.EXE", true, true, "25",
      std::string("cmd /D /E:ON /V:OFF /C \"  \"D:\\mpv\\MPV.EXE\"  \"C:\\m.avi\"") + kMpvOptions, MpvArgv("D:\\mpv\\MPV.EXE") },
    { "mpv copied into the start folder as mplayer.exe", true, nullptr, true, true, "25",
      std::string("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\"") + kMpvOptions, MpvArgv("C:\\MP\\mplayer.exe"), Chosen,
      "player-mpv-0.39.0" },
    // The resource decides, not the name.
    { "MPlayer with its version resource, named mpv.exe", true, "D:\\mpv\\mpv.exe", true, true, "25",
      "cmd /D /E:ON /V:OFF /C \"  \"D:\\mpv\\mpv.exe\"  \"C:\\m.avi\"  -sub \"C:\\m.srt\"  -fs  -fps 25\"",
      { "D:\\mpv\\mpv.exe", "C:\\m.avi", "-sub", "C:\\m.srt", "-fs", "-fps", "25" }, Chosen, "player-mplayer-1.5" },
    // A link is the movie, with a subtitle on the disk.
    { "a link named on the command line, with a subtitle", true, nullptr, true, true, "25",
      std::string("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"") + kLinkForShell + "\"  -sub \"C:\\m.srt\"  -fs  -fps 25\"",
      { "C:\\MP\\mplayer.exe", kLink, "-sub", "C:\\m.srt", "-fs", "-fps", "25" }, Named, "mplayer",
      { kLink, "C:\\m.srt" } },
    { "a link named on the command line, with a subtitle, for mpv", true, "D:\\mpv\\mpv.exe", true, true, "25",
      std::string("cmd /D /E:ON /V:OFF /C \"  \"D:\\mpv\\mpv.exe\"  \"") + kLinkForShell + "\"" + kMpvOptions,
      { "D:\\mpv\\mpv.exe", kLink, "--sub-file=C:\\m.srt", "--fs", "--container-fps-override=25", "--no-correct-pts" },
      Named, "player-mpv-0.39.0", { kLink, "C:\\m.srt" } },
    // Several movies: the options for all of them first, then each movie
    // with its own subtitle, which mpv takes only inside a group.
    { "a season named on the command line", true, nullptr, false, true, "25",
      "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  -fs  -fps 25 \"D:\\Season\\Ep01.mkv\"  -sub \"D:\\Season\\Ep01.srt\"  "
      "\"D:\\Season\\Ep02.mkv\"  -sub \"D:\\Season\\Ep02.en.srt\"  \"D:\\Season\\Ep03.mkv\" \"",
      { "C:\\MP\\mplayer.exe", "-fs", "-fps", "25", "D:\\Season\\Ep01.mkv", "-sub", "D:\\Season\\Ep01.srt",
        "D:\\Season\\Ep02.mkv", "-sub", "D:\\Season\\Ep02.en.srt", "D:\\Season\\Ep03.mkv" },
      Named, "mplayer", kSeason },
    { "a season dropped, for mpv", true, "D:\\mpv\\mpv.exe", false, true, "25",
      "cmd /D /E:ON /V:OFF /C \"  \"D:\\mpv\\mpv.exe\"  --fs  --container-fps-override=25 --no-correct-pts --{ \"D:\\Season\\Ep01.mkv\"  "
      "--sub-file=\"D:\\Season\\Ep01.srt\" --}  --{ \"D:\\Season\\Ep02.mkv\"  --sub-file=\"D:\\Season\\Ep02.en.srt\" --}  "
      "\"D:\\Season\\Ep03.mkv\" \"",
      { "D:\\mpv\\mpv.exe", "--fs", "--container-fps-override=25", "--no-correct-pts", "--{", "D:\\Season\\Ep01.mkv",
        "--sub-file=D:\\Season\\Ep01.srt", "--}", "--{", "D:\\Season\\Ep02.mkv", "--sub-file=D:\\Season\\Ep02.en.srt",
        "--}", "D:\\Season\\Ep03.mkv" },
      Dropped, "player-mpv-0.39.0", kSeason },
};

TEST_F(Play, WorkedExamples) {
    ScratchFolder tools("D:\\Tools");  // D: is a scratch drive
    ScratchFolder mpv("D:\\mpv");
    ScratchFolder season("D:\\Season");
    std::vector<std::unique_ptr<PlacedFile>> episodes;
    for (const std::string& file : kSeason) episodes.push_back(std::make_unique<PlacedFile>(file));
    for (const WorkedExample& example : kWorkedExamples) {
        SCOPED_TRACE(example.name);
        PlacedFile rowPlayer(example.otherPlayer ? example.otherPlayer : "C:\\MP\\mplayer.exe", PlacedFile::Player,
                             example.build);
        PlayerLog exampleLog;
        // Ended before the players' files go: its open-file dialogs have
        // made the other player's folder its current folder.
        std::vector<std::string> named;
        if (example.taken == Named) named = example.files;
        std::unique_ptr<Reelkick> started;
        {
            std::unique_ptr<ShellMissing> noShell;
            if (!example.shell) noShell = std::make_unique<ShellMissing>();
            started = std::make_unique<Reelkick>(mp.Path(), exampleLog, named);
        }
        Reelkick& app = *started;
        if (example.otherPlayer) {
            app.Click(IDC_CURRENT_PLAYER);  // ticks: the start folder's player
            app.Click(IDC_CURRENT_PLAYER);  // clears: "MPlayer" may be used
            app.ChooseFile(IDC_MPLAYER, example.otherPlayer);
        }
        if (example.taken == Dropped) {
            app.Drop(example.files);
        } else if (example.taken == Chosen) {
            app.ChooseFile(IDC_MOVIE, "C:\\m.avi");
            if (example.subtitle) app.ChooseFile(IDC_SUBTITLE, "C:\\m.srt");
        }
        if (example.fullscreen) app.Click(IDC_FULLSCREEN);
        app.SetText(IDC_FRAMERATE, example.framerate);

        EXPECT_EQ(example.shell ? 2u : 1u, app.Click(IDC_PLAY)) << "the shell, if any, and the player";

        EXPECT_EQ(example.commandLine, app.Text(IDC_CMDLINE));
        EXPECT_EQ(kStartedNotice, app.Text(IDC_INFO));
        auto starts = app.Players();
        ASSERT_EQ(1u, starts.size());
        EXPECT_EQ(example.argv, starts[0].argv);
        if (!example.shell) {
            EXPECT_EQ(example.commandLine, starts[0].commandLine);
        }
    }
}

TEST_F(Play, OnlyTheFiveFrameratesArePassedOn) {
    struct Case {
        const char* typed;
        const char* option;
    };
    const Case cases[] = {
        { "23.976", " -fps 23.976" }, { "24", " -fps 24" }, { "25", " -fps 25" }, { "29.976", " -fps 29.976" },
        { "30", " -fps 30" },         { "29.97", "" },      { "50", "" },         { "25 ", "" },
        { "024", "" },                { "", "" },
    };
    Reelkick& app = Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("framerate '") + c.typed + "'");
        app.SetText(IDC_FRAMERATE, c.typed);
        EXPECT_EQ(2u, app.Click(IDC_PLAY));
        EXPECT_EQ(std::string("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" ") + c.option + "\"", app.Text(IDC_CMDLINE));
    }
}

// The push after a press shows the first list entry that begins with the
// typed text; the next press then passes that entry on.
TEST_F(Play, APressCompletesAFramerateForTheNextPress) {
    struct Case {
        const char* typed;
        const char* shown;
        const char* nextOption;
    };
    const Case cases[] = { { "29.97", "29.976", " -fps 29.976" }, { "3", "30", " -fps 30" }, { "50", "50", "" } };
    Reelkick& app = Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        app.SetText(IDC_FRAMERATE, c.typed);
        app.Click(IDC_PLAY);
        EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"", app.Text(IDC_CMDLINE));
        EXPECT_EQ(c.shown, app.Text(IDC_FRAMERATE));
        app.Click(IDC_PLAY);
        EXPECT_EQ(std::string("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" ") + c.nextOption + "\"", app.Text(IDC_CMDLINE));
    }
}

TEST_F(Play, TypedCommandLineIsNeverRun) {
    Reelkick& app = Start();
    app.SetText(IDC_CMDLINE, "notepad.exe");
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"", app.Text(IDC_CMDLINE));
    auto starts = app.Players();
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(std::vector<std::string>{ "C:\\MP\\mplayer.exe" }, starts[0].argv);
}

TEST_F(Play, FullscreenWithoutAMovie) {
    Reelkick& app = Start();
    app.Click(IDC_FULLSCREEN);
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  -fs \"", app.Text(IDC_CMDLINE));
    auto starts = app.Players();
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ((std::vector<std::string>{ "C:\\MP\\mplayer.exe", "-fs" }), starts[0].argv);
}

TEST_F(Play, TwoPressesStartTwoIdenticalPlayers) {
    Reelkick& app = Start();
    app.ChooseFile(IDC_MOVIE, "C:\\m.avi");
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    std::string first = app.Text(IDC_CMDLINE);
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    EXPECT_EQ(first, app.Text(IDC_CMDLINE));
    auto starts = app.Players();
    ASSERT_EQ(2u, starts.size());
    EXPECT_EQ(starts[0].argv, starts[1].argv);
}

TEST_F(Play, WithoutAPlayerNothingStarts) {
    Reelkick& app = Start();
    app.ChooseFile(IDC_MOVIE, "C:\\m.avi");
    app.Click(IDC_CURRENT_PLAYER);
    app.Click(IDC_CURRENT_PLAYER);  // cleared while no other player was chosen
    EXPECT_EQ(0u, app.Click(IDC_PLAY)) << "nothing is started";

    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \" \"C:\\m.avi\" \"", app.Text(IDC_CMDLINE));
    std::string info = app.Text(IDC_INFO);
    EXPECT_EQ(kNoPlayerStart, info.substr(0, sizeof kNoPlayerStart - 1));
    EXPECT_EQ(3u, CountOf(" or ", info)) << "four addresses joined by \" or \": " << info;
    EXPECT_TRUE(app.Players().empty());
}

}  // namespace
