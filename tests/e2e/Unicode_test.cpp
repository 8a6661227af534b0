// File and folder names outside any legacy code page reach the player intact.
#include "Fixture.h"

namespace {

class Unicode : public InStartFolder {};

TEST_F(Unicode, MovieNameReachesThePlayer) {
    PlacedFile tale("C:\\Сказка — 童話.avi");
    Reelkick& app = Start();
    app.ChooseFile(IDC_MOVIE, "C:\\Сказка — 童話.avi");
    EXPECT_EQ(" You have chosen the movie C:\\Сказка — 童話.avi", app.Text(IDC_INFO));
    app.Click(IDC_PLAY);
    EXPECT_EQ("cmd /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\Сказка — 童話.avi\" \"", app.Text(IDC_CMDLINE));
    auto starts = log.WaitForStarts(1);
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ((std::vector<std::string>{ "C:\\MP\\mplayer.exe", "C:\\Сказка — 童話.avi" }), starts[0].argv);
}

TEST_F(Unicode, StartFolderReachesThePlayer) {
    ScratchFolder films("C:\\Фильмы");
    PlacedFile here("C:\\Фильмы\\mplayer.exe", PlacedFile::Player);
    Reelkick app(films.Path(), log.Path());
    app.Click(IDC_PLAY);
    auto starts = log.WaitForStarts(1);
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(std::vector<std::string>{ "C:\\Фильмы\\mplayer.exe" }, starts[0].argv);
}

}  // namespace
