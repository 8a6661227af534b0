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

TEST_F(Keyboard, EnterOnPlayPlaysAndStaysOpen) {
    Reelkick app(mp.Path(), log);
    app.Focus(IDC_PLAY);
    app.Key(VK_RETURN);
    app.WaitForStarted(1);
    app.Sync();
    EXPECT_FALSE(app.WaitForExit(0));
    EXPECT_EQ(1u, app.Players().size());
    EXPECT_EQ(2u, app.Started());
    EXPECT_EQ("cmd /C \"\"C:\\MP\\mplayer.exe\" \"", app.Text(IDC_CMDLINE));
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
