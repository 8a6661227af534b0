// File and folder names outside any legacy code page reach the player intact.
#include "Fixture.h"

namespace {

class Unicode : public InStartFolder {};

TEST_F(Unicode, MovieNameReachesThePlayer) {
    const std::string name = Scratch("Сказка — 童話.avi");
    PlacedFile tale(name);
    Reelkick& app = Start();
    app.ChooseFile(IDC_MOVIE, name);
    EXPECT_EQ(" You have chosen the movie " + name, app.Text(IDC_INFO));
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"" + name + "\" \"", app.Text(IDC_CMDLINE));
    auto starts = app.Players();
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ((std::vector<std::string>{ "C:\\MP\\mplayer.exe", name }), starts[0].argv);
}

TEST_F(Unicode, StartFolderReachesThePlayer) {
    ScratchFolder films(Scratch("Фильмы"));
    PlacedFile here(films.Path() + "\\mplayer.exe", PlacedFile::Player);
    Reelkick app(films.Path(), log);
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    auto starts = app.Players();
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(std::vector<std::string>{ films.Path() + "\\mplayer.exe" }, starts[0].argv);
}

}  // namespace
