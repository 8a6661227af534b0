// How the keyboard and the window's frame end the dialog or press buttons.
#include "Fixture.h"

namespace {

class Keyboard : public InStartFolder {};

// Enter is OK wherever the focus is not on a push button: the dialog ends.
TEST_F(Keyboard, EnterOffAPushButtonEndsTheDialog) {
    struct Case {
        int id;
        bool endsUnderWine;
    };
    // Windows treats Enter in a multi-line edit without ES_WANTRETURN as the
    // dialog's OK. Wine's edit control only passes it on to an existing
    // default button, and this dialog has none, so under Wine it stays open.
    const Case cases[] = {
        { IDC_FULLSCREEN, true }, { IDC_CURRENT_PLAYER, true }, { IDC_FRAMERATE, true },
        { IDC_CMDLINE, false },   { IDC_INFO, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Reelkick app(mp.Path(), log);
        app.Focus(c.id);
        ASSERT_EQ(c.id, app.FocusedId());
        app.Key(VK_RETURN);
        if (c.endsUnderWine || !UnderWine()) {
            EXPECT_TRUE(app.WaitForExit(10000));
        } else {
            // A click posted after the key is handled after it.
            app.PostClick(IDC_FULLSCREEN);
            app.WaitForCheck(IDC_FULLSCREEN, 1);
            EXPECT_FALSE(app.WaitForExit(0));
        }
        EXPECT_EQ(0u, app.Started());
    }
    EXPECT_TRUE(log.Starts().empty());
}

// Enter on "&PLAY" plays, and the window stays open: with the focus moved
// there, or after a start with a movie named on the command line, which
// moves it there itself and makes "&PLAY" the default button.
TEST_F(Keyboard, EnterOnPlayPlaysAndStaysOpen) {
    struct Case {
        std::vector<std::string> args;
        const char* info;  // null: the initial text
        const char* commandLine;
    };
    const Case cases[] = {
        { {}, nullptr, "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"" },
        { { "C:\\m.avi", "C:\\m.srt" }, "You have chosen the subtitle m.srt",
          "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\"  -sub \"C:\\m.srt\" \"" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        PlayerLog caseLog;
        Reelkick app(mp.Path(), caseLog, c.args);
        if (c.args.empty()) app.Focus(IDC_PLAY);
        if (c.info) {
            EXPECT_EQ(c.info, app.Text(IDC_INFO));
        }
        EXPECT_EQ(IDC_PLAY, app.FocusedId());
        EXPECT_TRUE(app.IsDefaultButton(IDC_PLAY));
        EXPECT_EQ(0u, app.Started()) << "nothing plays before Enter";
        app.Key(VK_RETURN);
        app.WaitForStarted(1);
        app.Sync();
        EXPECT_FALSE(app.WaitForExit(0));
        EXPECT_EQ(1u, app.Players().size());
        EXPECT_EQ(2u, app.Started());
        EXPECT_EQ(c.commandLine, app.Text(IDC_CMDLINE));
    }
}

// In the framerate box and the command-line box the paste keys paste text,
// as they always have; elsewhere they take links and files (Choosers). The
// framerate box takes only as much text as it shows.
TEST_F(Keyboard, PasteKeysInAnEditBoxPasteText) {
    struct Case {
        int id;
        bool shiftInsert;
        int watched;  // the control that shows the paste
        const char* shown;
        const char* commandLine;
    };
    const Case cases[] = {
        { IDC_FRAMERATE, false, IDC_FRAMERATE, "25", "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  -fps 25\"" },
        { IDC_CMDLINE, false, IDC_CMDLINE, "25", "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"" },  // never run
        { IDC_FRAMERATE, true, IDC_FRAMERATE, "25", "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  -fps 25\"" },
        { IDC_PLAY, true, IDC_INFO, "The clipboard holds no link and no file's name, only this text: 25",
          "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Reelkick app(mp.Path(), log);
        app.Focus(c.id);
        const std::string info = app.Text(IDC_INFO);
        CopyText("25");
        app.TypePaste(c.watched, c.shiftInsert);
        EXPECT_EQ(c.shown, app.Text(c.watched));
        if (c.watched != IDC_INFO) {
            EXPECT_EQ(info, app.Text(IDC_INFO)) << "nothing else was taken";
        }
        app.Click(IDC_PLAY);
        EXPECT_EQ(c.commandLine, app.Text(IDC_CMDLINE));
    }
}

TEST_F(Keyboard, AltPPlays) {
    Reelkick app(mp.Path(), log);
    app.AltKey('p');
    app.WaitForStarted(1);
    EXPECT_EQ(1u, app.Players().size());
}

// Esc, the close box, Close in the system menu and Alt+F4 all cancel.
TEST_F(Keyboard, CancelEndsTheDialog) {
    struct Case {
        const char* name;
        void (*cancel)(Reelkick&);
    };
    const Case cases[] = {
        { "Esc", [](Reelkick& app) { app.Key(VK_ESCAPE); } },
        { "SC_CLOSE", [](Reelkick& app) { ::PostMessageW(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0); } },
        { "WM_CLOSE", [](Reelkick& app) { ::PostMessageW(app.Main(), WM_CLOSE, 0, 0); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reelkick app(mp.Path(), log);
        c.cancel(app);
        EXPECT_TRUE(app.WaitForExit(10000));
    }
}

}  // namespace
