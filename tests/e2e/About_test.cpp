// The system menu's About entry and the About box.
#include "Fixture.h"

namespace {

class About : public InStartFolder {
protected:
    HWND Open(UINT command) {
        ::PostMessageW(app->Main(), WM_SYSCOMMAND, command, 0);
        return app->WaitForOwnedDialog("About reelkick");
    }
    static std::string Contact(HWND box) { return WindowText(::GetDlgItem(box, IDC_CONTACT)); }
    // What the main window shows, and what a press of "&PLAY" then builds.
    std::string State() {
        std::string state;
        for (int id : { IDC_CMDLINE, IDC_FRAMERATE, IDC_INFO }) state += app->Text(id) + "|";
        for (int id : { IDC_CURRENT_PLAYER, IDC_FULLSCREEN }) state += std::to_string(app->Check(id)) + "|";
        return state + (app->Enabled(IDC_MPLAYER) ? "enabled" : "disabled");
    }
};

const char kDownload[] = "   |||    checkout mplayer win32 download: ";

// Any id of the About command's sixteen opens the box, which names the same
// download addresses as the message of "&PLAY" without a player.
TEST_F(About, EveryAboutCommandOpensTheBox) {
    Reelkick& app = Start();
    app.Click(IDC_CURRENT_PLAYER);
    app.Click(IDC_CURRENT_PLAYER);
    ASSERT_EQ(0u, app.Click(IDC_PLAY));
    const std::string noPlayer = app.Text(IDC_INFO);
    ASSERT_TRUE(StartsWith(noPlayer, kNoPlayerStart));
    const std::string addresses = noPlayer.substr(sizeof kNoPlayerStart - 1);

    for (UINT command : { 0x0010u, 0x0011u, 0x001Fu }) {
        SCOPED_TRACE(command);
        HWND box = Open(command);
        EXPECT_FALSE(::IsWindowEnabled(app.Main())) << "modal over the main window";
        std::string contact = Contact(box);
        size_t or_ = contact.find("  or ");
        size_t download = contact.find(kDownload);
        ASSERT_NE(std::string::npos, or_);
        ASSERT_NE(std::string::npos, download);
        EXPECT_LT(or_, download);
        EXPECT_EQ(addresses, contact.substr(download + sizeof kDownload - 1));
        EXPECT_EQ(std::string::npos, contact.find('\n'));

        ::PostMessageW(::GetDlgItem(box, IDC_CONTACT), WM_CHAR, 'x', 1);  // read-only
        app.Sync();
        EXPECT_EQ(contact, Contact(box));

        ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        app.WaitUntilGone(box);
        EXPECT_TRUE(::IsWindowEnabled(app.Main()));
    }
}

// "OK", Enter, Esc and the box's close box all close it, and the main
// window comes back as it was.
TEST_F(About, ClosesAndLeavesTheMainWindowAsItWas) {
    struct Case {
        const char* name;
        void (*close)(Reelkick&, HWND box);
    };
    const Case cases[] = {
        { "OK", [](Reelkick&, HWND box) { ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0); } },
        { "Enter", [](Reelkick& app, HWND) { app.Key(VK_RETURN); } },
        { "Esc", [](Reelkick& app, HWND) { app.Key(VK_ESCAPE); } },
        { "close box", [](Reelkick&, HWND box) { ::PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); } },
    };
    Reelkick& app = Start();
    app.ChooseFile(IDC_MOVIE, "C:\\m.avi");
    app.Click(IDC_FULLSCREEN);
    app.SetText(IDC_FRAMERATE, "25");
    ASSERT_EQ(2u, app.Click(IDC_PLAY));
    const std::string before = State();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND box = Open(IDM_ABOUT);
        ASSERT_EQ(::GetDlgItem(box, IDOK), [&] {
            GUITHREADINFO info = { sizeof info };
            ::GetGUIThreadInfo(::GetWindowThreadProcessId(box, nullptr), &info);
            return info.hwndFocus;
        }()) << "the focus starts on OK";
        c.close(app, box);
        app.WaitUntilGone(box);
        app.Sync();
        EXPECT_EQ(before, State());
    }
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    EXPECT_EQ(before, State()) << "the members are unchanged too";
    EXPECT_EQ(2u, app.Players().size());
}

}  // namespace
