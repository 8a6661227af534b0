// Start-up: the window's first state, the start folder and the shell probe.
#include <gtest/gtest.h>

#include <filesystem>

#include "Reelkick.h"
#include "resource.h"

namespace {

const char kInitialInfo[] =
    "At startup a window appears and dissappears only in windows 2000/XP because it makes a test if exists "
    "cmd.exe (for making the differenge between windows 98 and windows XP)";

TEST(Startup, ShowsTheInitialState) {
    ScratchFolder mp("C:\\MP");
    PlayerLog log;
    Reelkick app(mp.Path(), log);

    char caption[64] = "";
    ::GetWindowTextA(app.Main(), caption, sizeof caption);
    EXPECT_STREQ("Reelkick", caption);
    EXPECT_EQ(kInitialInfo, app.Text(IDC_INFO));
    EXPECT_EQ("", app.Text(IDC_CMDLINE));
    EXPECT_EQ("", app.Text(IDC_FRAMERATE));
    EXPECT_EQ(0, app.Check(IDC_CURRENT_PLAYER));
    EXPECT_EQ(0, app.Check(IDC_FULLSCREEN));
    EXPECT_FALSE(app.Enabled(IDC_MPLAYER));
    EXPECT_TRUE(::GetWindowLongW(app.Main(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "files can be dropped onto it";
    for (int id : { IDC_MOVIE, IDC_SUBTITLE, IDC_PLAY, IDC_DELETE_CMD, IDC_CURRENT_PLAYER, IDC_FULLSCREEN,
                    IDC_FRAMERATE, IDC_INFO, IDC_CMDLINE })
        EXPECT_TRUE(app.Enabled(id)) << "control " << id;
    EXPECT_EQ((std::vector<std::string>{ "", "23.976", "24", "25", "29.976", "30" }), app.ComboItems(IDC_FRAMERATE));
    EXPECT_EQ(IDC_MOVIE, app.FocusedId()) << "the first enabled tab stop";
    for (int id : { IDC_MPLAYER, IDC_MOVIE, IDC_SUBTITLE, IDC_PLAY, IDC_DELETE_CMD })
        EXPECT_FALSE(app.IsDefaultButton(id)) << "button " << id;
    EXPECT_EQ(0u, app.Started()) << "nothing but the shell probe runs at start-up";
}

std::string Repeated(const std::string& piece, size_t times) {
    std::string text;
    while (times--) text += piece;
    return text;
}

// The player in the start folder is used as the folder's path comes, in full,
// whatever its length in bytes; through the shell, % is written so that cmd
// leaves it alone.
TEST(Startup, PlaysThePlayerInTheStartFolder) {
    struct Case {
        std::string folder;
        std::string playerArgv0;
        std::string shown;  // the player as the command line shows it; "": as received
        // Started with this movie on its command line, from a reelkick.exe
        // in this folder with a player of its own beside it, while the start
        // folder holds none: as Explorer's "Open with" may start it.
        std::string movie = "";
        std::string programFolder = "";
        size_t started = 2;  // 1: the shell, finding no player
    };
    // 143 Cyrillic letters, over 300 bytes in UTF-8; in three folders, as
    // Linux, under Wine, takes no name longer than 255 bytes.
    const std::string cyrillic = Scratch(Repeated("Ж", 48) + "\\" + Repeated("Ж", 48) + "\\" + Repeated("Ж", 47));
    const Case cases[] = {
        { "D:\\", "D:\\\\mplayer.exe", "" },  // the root keeps its backslash
        { Scratch("Program Files\\MPlayer"), Scratch("Program Files\\MPlayer\\mplayer.exe"), "" },
        { FolderOfLength(99), FolderOfLength(99) + "\\mplayer.exe", "" },
        { FolderOfLength(100), FolderOfLength(100) + "\\mplayer.exe", "" },
        { FolderOfLength(200), FolderOfLength(200) + "\\mplayer.exe", "" },
        { cyrillic, cyrillic + "\\mplayer.exe", "" },
        { Scratch("P %windir% Q"), Scratch("P %windir% Q\\mplayer.exe"),
          Scratch("P %%cd:~,%windir%%cd:~,% Q\\mplayer.exe") },
        { Scratch("Films"), Scratch("App\\mplayer.exe"), "", Scratch("Films\\film.avi"), Scratch("App") },
        // Without files the start folder's player stays, even where there is none.
        { Scratch("Films"), Scratch("Films\\mplayer.exe"), "", "", Scratch("App"), 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        std::unique_ptr<ScratchFolder> folder, programFolder;
        std::unique_ptr<PlacedFile> movie;
        const bool root = c.folder == "D:\\";
        if (!root) folder = std::make_unique<ScratchFolder>(c.folder);
        std::wstring exe = ReelkickExe();
        if (!c.programFolder.empty()) {
            programFolder = std::make_unique<ScratchFolder>(c.programFolder);
            exe = Wide(c.programFolder + "\\reelkick.exe");
            std::filesystem::copy_file(ReelkickExe(), exe);
        }
        PlacedFile player((c.programFolder.empty() ? c.folder + (root ? "" : "\\") : c.programFolder + "\\") +
                              "mplayer.exe",
                          PlacedFile::Player);
        std::vector<std::string> args, argv = { c.playerArgv0 };
        if (!c.movie.empty()) {
            movie = std::make_unique<PlacedFile>(c.movie);
            args = argv = { c.movie };
            argv.insert(argv.begin(), c.playerArgv0);
        }
        PlayerLog log;
        Reelkick app(c.folder, log, args, exe);

        EXPECT_EQ(c.started, app.Click(IDC_PLAY));

        EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"" + (c.shown.empty() ? c.playerArgv0 : c.shown) + "\" " +
                      (c.movie.empty() ? "" : " \"" + c.movie + "\" ") + "\"",
                  app.Text(IDC_CMDLINE));
        auto starts = app.Players();
        ASSERT_EQ(c.started - 1, starts.size());
        if (!starts.empty()) {
            EXPECT_EQ(argv, starts[0].argv);
        }
    }
}

// The window takes back the activation that the probe's console took, but
// not from a window of another program that was made active meanwhile.
TEST(Startup, AWindowActivatedMeanwhileKeepsTheActivation) {
    ScratchFolder mp("C:\\MP");
    PlayerLog log;
    HWND other = ::CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, other);
    {
        Reelkick app(mp.Path(), log, {}, ReelkickExe(), other);
        // Handled after the message that the probe has ended.
        app.PostClick(IDC_FULLSCREEN);
        app.WaitForCheck(IDC_FULLSCREEN, 1);
        EXPECT_EQ(other, ::GetForegroundWindow());
    }
    ::DestroyWindow(other);
}

TEST(Startup, FolderLengthsAreExact) {
    for (size_t length : { 26, 41, 42, 43, 99, 100, 200 }) EXPECT_EQ(length, FolderOfLength(length).size());
}

// Without cmd.exe the command is started directly, without the shell's
// wrapping: the player gets the very command line that was built, and when
// there is no player to start, the info box says so and why.
TEST(Startup, WithoutAShellStartsThePlayerDirectly) {
    struct Case {
        bool player;
        size_t started;
        const char* infoStart;
    };
    const Case cases[] = {
        { true, 1, "If the movie doesn't play, " },
        { false, 0, "The player could not be started: " },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.player);
        ScratchFolder mp("C:\\MP");
        std::unique_ptr<PlacedFile> player;
        if (c.player) player = std::make_unique<PlacedFile>("C:\\MP\\mplayer.exe", PlacedFile::Player);
        PlayerLog log;
        std::unique_ptr<Reelkick> app;
        {
            ShellMissing noShell;
            app = std::make_unique<Reelkick>(mp.Path(), log);
        }
        EXPECT_EQ(c.started, app->Click(IDC_PLAY)) << "the player, and no shell";

        EXPECT_EQ("\"C:\\MP\\mplayer.exe\" ", app->Text(IDC_CMDLINE));
        EXPECT_EQ(0u, app->Text(IDC_INFO).rfind(c.infoStart, 0)) << app->Text(IDC_INFO);
        auto starts = app->Players();
        ASSERT_EQ(c.started, starts.size());
        if (c.player) {
            EXPECT_EQ("\"C:\\MP\\mplayer.exe\" ", starts[0].commandLine);
        }
    }
}

}  // namespace
