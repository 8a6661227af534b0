// The main job from end to end: reelkick starts the system's MPlayer, or
// mpv, through the bridge (scripts/mplayer-bridge) on the sample movie and
// its subtitle, picked in the real open-file dialog, and the player's own
// output shows what it did. Both run headless: their configurations ask for
// no picture and no sound devices.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "Fixture.h"

namespace fs = std::filesystem;

namespace {

// The Unix path that Wine maps a Windows path to.
std::string UnixPath(const std::string& path) {
    using UnixFileName = char*(CDECL*)(const wchar_t*);
    auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixFileName ? unixFileName(Wide(path).c_str()) : nullptr;
    std::string result = name ? name : "";
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

std::string Contents(const std::string& path) {
    std::ifstream file(fs::u8path(path), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(RealPlayer, PlaysTheSampleWithItsSubtitleFullScreenAt25Fps) {
    struct Case {
        const char* movie;
        const char* subtitle;
        const char* player = "mplayer.exe";
    };
    const Case cases[] = {
        { "reelkick-sample.avi", "reelkick-sample.srt" },
        { "Фильм с пробелами.avi", "Фильм с пробелами.srt" },
        { "reelkick-sample.avi", "a,b.srt" },  // a list separator to MPlayer
        { "reelkick-sample.avi", "a,b.srt", "mpv.exe" },
    };
    ASSERT_TRUE(UnderWine()) << "the bridge is a Unix program that Wine runs";
    const std::string player = BinFolder() + "\\real-player";
    ScratchFolder films(Scratch("real films"));
    ScratchFolder home(Scratch("mplayer home"));
    // mpv's words for what it loaded change from version to version, so it
    // is asked to say which subtitle it shows, and whether full screen.
    std::ofstream(fs::u8path(home.Path() + "\\config")) << "vo=null\nao=null\n";
    std::ofstream(fs::u8path(home.Path() + "\\mpv.conf"))
        << "vo=null\nao=null\n"
           "term-playing-msg=reelkick: subtitle ${current-tracks/sub/external-filename}, fullscreen ${fullscreen}\n";
    const std::string output = Scratch("player output.log");
    for (const wchar_t* variable : { L"MPLAYER_HOME", L"MPV_HOME" })
        ::SetEnvironmentVariableW(variable, Wide(UnixPath(home.Path())).c_str());
    ::SetEnvironmentVariableW(L"REELKICK_BRIDGE_LOG", Wide(UnixPath(output)).c_str());

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.player) + ", " + c.subtitle);
        const std::string movie = films.Path() + "\\" + c.movie, subtitle = films.Path() + "\\" + c.subtitle;
        fs::copy_file(fs::u8path(player + "\\reelkick-sample.avi"), fs::u8path(movie), fs::copy_options::overwrite_existing);
        fs::copy_file(fs::u8path(player + "\\reelkick-sample.srt"), fs::u8path(subtitle),
                      fs::copy_options::overwrite_existing);
        fs::remove(fs::u8path(output));
        PlayerLog log;
        Reelkick app(player, log);
        const bool mpv = c.player == std::string("mpv.exe");
        if (mpv) {
            app.Click(IDC_CURRENT_PLAYER);
            app.Click(IDC_CURRENT_PLAYER);
            app.ChooseFile(IDC_MPLAYER, player + "\\" + c.player);
        }
        app.ChooseFile(IDC_MOVIE, movie);
        app.ChooseFile(IDC_SUBTITLE, subtitle);
        app.Click(IDC_FULLSCREEN);
        app.SetText(IDC_FRAMERATE, "25");
        app.Click(IDC_PLAY);

        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        std::string said;
        while ((said = Contents(output)).find("reelkick's bridge: ") == std::string::npos &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const std::vector<std::string> lines =
            // "FPS forced to 25.000." in mpv 0.35, "Container FPS forced to 25.000." from 0.37 on.
            mpv ? std::vector<std::string>{ "reelkick: subtitle " + UnixPath(subtitle) + ", fullscreen yes",
                                            "FPS forced to 25.000.", "Exiting... (End of file)",
                                            "reelkick's bridge: mpv ended with status 0" }
                : std::vector<std::string>{ "Playing " + UnixPath(movie) + ".",
                                            "SUB: Added subtitle file (1): " + UnixPath(subtitle),
                                            "FPS forced to be 25.000", "  [fs]", "Exiting... (End of file)",
                                            "reelkick's bridge: mplayer ended with status 0" };
        for (const std::string& line : lines)
            EXPECT_NE(std::string::npos, said.find(line)) << line << "\n" << c.player << " said:\n" << said;
    }
}

}  // namespace
