// "current mplayer", "&fullscreen", the framerate hint and "Delete cmd".
#include "Fixture.h"

namespace {

class Options : public InStartFolder {};

const char kCurrentFolderInfo[] =
    "You have chosen mplayer.exe from the current folder (where you have reelkick.exe).";
const char kOtherFolderInfo[] =
    "You have chosen mplayer.exe from another folder (press the MPlayer button for selecting it)";
const char kFramerateHint[] =
    "Usually you don't need to change the framerate, but if you have a subtitle with a different speed, try "
    "choosing a certain value for framerate. You don't need to choose other values because these are standard "
    "(23.976,24,25,29.976,30). You can change the subtitle display moment if you press z or x while playing.";

TEST_F(Options, CurrentPlayerSwitchesThePlayerAndTheButton) {
    struct Step {
        int box;
        bool mplayerEnabled;
        const char* info;
        const char* commandLine;
    };
    const Step steps[] = {
        { 1, false, kCurrentFolderInfo, "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"" },
        { 0, true, kOtherFolderInfo, "cmd /D /E:ON /V:OFF /C \"\"" },  // no other player chosen yet
        { 1, false, kCurrentFolderInfo, "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"" },
        { 0, true, kOtherFolderInfo, "cmd /D /E:ON /V:OFF /C \"\"" },
    };
    Reelkick& app = Start();
    for (const Step& step : steps) {
        app.Click(IDC_CURRENT_PLAYER);
        EXPECT_EQ(step.box, app.Check(IDC_CURRENT_PLAYER));
        EXPECT_EQ(step.mplayerEnabled, app.Enabled(IDC_MPLAYER));
        EXPECT_EQ(step.info, app.Text(IDC_INFO));
        EXPECT_EQ(step.box ? 2u : 0u, app.Click(IDC_PLAY));
        EXPECT_EQ(step.commandLine, app.Text(IDC_CMDLINE));
        EXPECT_TRUE(StartsWith(app.Text(IDC_INFO), step.box ? kStartedNotice : kNoPlayerStart)) << app.Text(IDC_INFO);
    }
}

TEST_F(Options, TickingAndClearingSwitchesBetweenTheTwoPlayers) {
    ScratchFolder tools(Scratch("Tools"));
    const std::string otherPlayer = tools.Path() + "\\mplayer.exe";
    PlacedFile other(otherPlayer, PlacedFile::Player);
    Reelkick& app = Start();
    app.Click(IDC_CURRENT_PLAYER);
    app.Click(IDC_CURRENT_PLAYER);
    app.ChooseFile(IDC_MPLAYER, otherPlayer);
    // Chosen player, then ticked: the start folder's, then cleared: the chosen one again.
    const std::string expected[] = { otherPlayer, "C:\\MP\\mplayer.exe", otherPlayer };
    for (size_t i = 0; i < std::size(expected); ++i) {
        if (i > 0) app.Click(IDC_CURRENT_PLAYER);
        EXPECT_EQ(2u, app.Click(IDC_PLAY));
        auto starts = app.Players();  // one at a time: their order is the presses'
        ASSERT_EQ(i + 1, starts.size());
        EXPECT_EQ(std::vector<std::string>{ expected[i] }, starts[i].argv) << i;
    }
}

TEST_F(Options, FullscreenExplainsItsState) {
    Reelkick& app = Start();
    for (int state : { 1, 0, 1 }) {
        app.Click(IDC_FULLSCREEN);
        EXPECT_EQ(state, app.Check(IDC_FULLSCREEN));
        EXPECT_EQ(state ? "You'll see the movie in fullscreen mode."
                        : "You'll see the movie in window mode. Press f while playing for switching to fullscreen.",
                  app.Text(IDC_INFO));
    }
}

// A click on a check box pulls first: a framerate typed just before is taken
// in, and the push shows the list entry it begins.
TEST_F(Options, CheckBoxesTakeInATypedFramerate) {
    for (int box : { IDC_FULLSCREEN, IDC_CURRENT_PLAYER }) {
        SCOPED_TRACE(box);
        Reelkick& app = Start();
        app.SetText(IDC_FRAMERATE, "29.97");
        app.Click(box);
        EXPECT_EQ("29.976", app.Text(IDC_FRAMERATE));
    }
}

// Every way into the framerate box shows the hint, and the hint's push puts
// back the last framerate taken in, over an edit that nothing took in.
TEST_F(Options, FramerateBoxShowsTheHintOnEveryFocus) {
    struct Case {
        const char* name;
        void (*enter)(Reelkick&);
    };
    const Case cases[] = {
        { "focus", [](Reelkick& app) { app.Focus(IDC_FRAMERATE); } },
        { "Tab", [](Reelkick& app) { app.Focus(IDC_FULLSCREEN); app.Key(VK_TAB); } },
        { "Alt+R", [](Reelkick& app) { app.AltKey('r'); } },
        { "mouse", [](Reelkick& app) {
              HWND field = ::GetWindow(app.Item(IDC_FRAMERATE), GW_CHILD);
              ::PostMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
              ::PostMessageW(field, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
          } },
    };
    Reelkick& app = Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.Focus(IDC_PLAY);
        app.Click(IDC_FULLSCREEN);  // some other text in the info box
        app.SetText(IDC_FRAMERATE, "25");
        c.enter(app);
        EXPECT_TRUE(app.WaitForFocus(IDC_FRAMERATE));
        EXPECT_EQ(kFramerateHint, app.Text(IDC_INFO));
        EXPECT_EQ("", app.Text(IDC_FRAMERATE)) << "the typed 25 is lost";
    }
}

TEST_F(Options, DeleteCmdClearsTheMovieSetUpButNotThePlayer) {
    Reelkick& app = Start();
    app.Click(IDC_CURRENT_PLAYER);
    app.ChooseFile(IDC_MOVIE, "C:\\m.avi");
    app.ChooseFile(IDC_SUBTITLE, "C:\\m.srt");
    app.Click(IDC_FULLSCREEN);
    app.SetText(IDC_FRAMERATE, "25");
    ASSERT_EQ(2u, app.Click(IDC_PLAY));
    PlacedFile second("C:\\m2.avi");
    app.Drop({ "C:\\m.avi", "C:\\m2.avi" });  // two movies to play one after another

    app.Click(IDC_DELETE_CMD);
    EXPECT_EQ("Movie and subtitle fields are cleared.", app.Text(IDC_INFO));
    EXPECT_EQ("", app.Text(IDC_CMDLINE));
    EXPECT_EQ("", app.Text(IDC_FRAMERATE));
    EXPECT_EQ(0, app.Check(IDC_FULLSCREEN));
    EXPECT_EQ(1, app.Check(IDC_CURRENT_PLAYER));
    EXPECT_FALSE(app.Enabled(IDC_MPLAYER));

    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"", app.Text(IDC_CMDLINE));
    EXPECT_EQ(kStartedNotice, app.Text(IDC_INFO));
    auto starts = app.Players();
    ASSERT_EQ(2u, starts.size());
    EXPECT_EQ(std::vector<std::string>{ "C:\\MP\\mplayer.exe" }, starts[1].argv);
}

}  // namespace
