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
        const char* player;
        // One movie with its subtitle is chosen in the open-file dialogs;
        // several are named on the command line and play one after another.
        std::vector<std::pair<std::string, std::string>> episodes;
    };
    // Each episode's subtitle is named unlike its movie, so that the player
    // cannot have found it by itself.
    const std::vector<std::pair<std::string, std::string>> season = {
        { "Ep 1.avi", "Ep 1 subs.srt" }, { "Ep 2.avi", "Ep 2 subs.srt" }, { "Ep 3.avi", "Ep 3 subs.srt" }
    };
    const Case cases[] = {
        { "mplayer.exe", { { "reelkick-sample.avi", "reelkick-sample.srt" } } },
        { "mplayer.exe", { { "Фильм с пробелами.avi", "Фильм с пробелами.srt" } } },
        { "mplayer.exe", { { "reelkick-sample.avi", "a,b.srt" } } },  // a list separator to MPlayer
        { "mpv.exe", { { "reelkick-sample.avi", "a,b.srt" } } },
        { "mplayer.exe", season },
        { "mpv.exe", season },
    };
    ASSERT_TRUE(UnderWine()) << "the bridge is a Unix program that Wine runs";
    const std::string player = BinFolder() + "\\real-player";
    ScratchFolder films(Scratch("real films"));
    ScratchFolder home(Scratch("mplayer home"));
    // mpv's words for what it loaded change from version to version, so it
    // is asked to say which movie it plays with which subtitle, and whether
    // full screen.
    std::ofstream(fs::u8path(home.Path() + "\\config")) << "vo=null\nao=null\n";
    std::ofstream(fs::u8path(home.Path() + "\\mpv.conf"))
        << "vo=null\nao=null\n"
           "term-playing-msg=reelkick: ${path} with subtitle ${current-tracks/sub/external-filename}, fullscreen "
           "${fullscreen}\n";
    const std::string output = Scratch("player output.log");
    for (const wchar_t* variable : { L"MPLAYER_HOME", L"MPV_HOME" })
        ::SetEnvironmentVariableW(variable, Wide(UnixPath(home.Path())).c_str());
    ::SetEnvironmentVariableW(L"REELKICK_BRIDGE_LOG", Wide(UnixPath(output)).c_str());

    for (const Case& c : cases) {
        const bool mpv = c.player == std::string("mpv.exe");
        std::vector<std::string> named, lines;
        for (const auto& [name, subtitleName] : c.episodes) {
            const std::string movie = films.Path() + "\\" + name, subtitle = films.Path() + "\\" + subtitleName;
            fs::copy_file(fs::u8path(player + "\\reelkick-sample.avi"), fs::u8path(movie),
                          fs::copy_options::overwrite_existing);
            fs::copy_file(fs::u8path(player + "\\reelkick-sample.srt"), fs::u8path(subtitle),
                          fs::copy_options::overwrite_existing);
            named.insert(named.end(), { movie, subtitle });
            // In the order the player plays them: each movie with its own subtitle.
            // "FPS forced to 25.000." in mpv 0.35, "Container FPS forced to 25.000." from 0.37 on.
            if (mpv)
                lines.insert(lines.end(), { "FPS forced to 25.000.", "reelkick: " + UnixPath(movie) + " with subtitle " +
                                                                          UnixPath(subtitle) + ", fullscreen yes" });
            else
                lines.insert(lines.end(), { "Playing " + UnixPath(movie) + ".",
                                            "SUB: Added subtitle file (1): " + UnixPath(subtitle),
                                            "FPS forced to be 25.000", "  [fs]" });
        }
        lines.insert(lines.end(), { "Exiting... (End of file)",
                                    std::string("reelkick's bridge: ") + (mpv ? "mpv" : "mplayer") + " ended with status 0" });
        SCOPED_TRACE(std::string(c.player) + ", " + named.back());
        fs::remove(fs::u8path(output));
        PlayerLog log;
        const bool several = c.episodes.size() > 1;
        Reelkick app(player, log, several ? named : std::vector<std::string>{});
        if (mpv) {
            app.Click(IDC_CURRENT_PLAYER);
            app.Click(IDC_CURRENT_PLAYER);
            app.ChooseFile(IDC_MPLAYER, player + "\\" + c.player);
        }
        if (!several) {
            app.ChooseFile(IDC_MOVIE, named[0]);
            app.ChooseFile(IDC_SUBTITLE, named[1]);
        }
        app.Click(IDC_FULLSCREEN);
        app.SetText(IDC_FRAMERATE, "25");
        app.Click(IDC_PLAY);

        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        std::string said;
        while ((said = Contents(output)).find("reelkick's bridge: ") == std::string::npos &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        size_t at = 0;
        for (const std::string& line : lines) {
            const size_t found = said.find(line, at);
            EXPECT_NE(std::string::npos, found) << line << "\n" << c.player << " said:\n" << said;
            if (found != std::string::npos) at = found + line.size();
        }
    }
}

}  // namespace
