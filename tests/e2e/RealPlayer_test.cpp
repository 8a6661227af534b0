// The main job from end to end: reelkick starts the system's MPlayer, or
// mpv, through the bridge (scripts/mplayer-bridge) on the sample movie and
// its subtitle, picked in the real open-file dialog, and the player's own
// output shows what it did. Both run headless: their configurations ask for
// no picture and no sound devices.
#include <chrono>
#include <cstdlib>
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

// A site that streams movies: tests/server/https-server, a Unix program
// that Wine runs, serving `folder` over HTTPS on 127.0.0.1 from a port of
// its own while this object lives, and writing down every request.
class HttpsServer {
public:
    HttpsServer(const std::string& folder, const std::string& log) : m_log(log), m_lease(log + ".lease") {
        fs::remove(fs::u8path(m_log));  // an earlier suite's server said its own port
        std::ofstream(fs::u8path(m_lease)) << "The server runs while this file exists.\n";
        const std::wstring exe = Wide(BinFolder() + "\\https-server.exe");
        std::wstring commandLine = L"\"" + exe + L"\"";
        for (const std::string& path : { folder, m_log, m_lease }) commandLine += L" \"" + Wide(UnixPath(path)) + L"\"";
        STARTUPINFOW startup = { sizeof startup };
        PROCESS_INFORMATION started = {};
        EXPECT_TRUE(::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &started));
        for (HANDLE handle : { started.hThread, started.hProcess })
            if (handle) ::CloseHandle(handle);
        // The players are started only once it takes connections.
        EXPECT_TRUE(Await("listening ", std::chrono::seconds(30))) << "the server did not start:\n" << Said();
        const std::string said = Said();
        m_port = std::atoi(said.c_str() + said.find("listening ") + 10);
    }
    ~HttpsServer() {
        fs::remove(fs::u8path(m_lease));
        EXPECT_TRUE(Await("\nstopped\n", std::chrono::seconds(20))) << "the server did not stop";
    }
    std::string Link(const std::string& pathAndQuery) const {
        return "https://127.0.0.1:" + std::to_string(m_port) + pathAndQuery;
    }
    std::string Said() const { return Contents(m_log); }

private:
    bool Await(const std::string& line, std::chrono::seconds patience) const {
        return WaitFor([&] { return Said().find(line) != std::string::npos; }, patience, std::chrono::milliseconds(50));
    }

    std::string m_log, m_lease;
    int m_port = 0;
};

TEST(RealPlayer, PlaysTheSampleWithItsSubtitleFullScreenAt25Fps) {
    struct Case {
        const char* player;
        // One movie with its subtitle is chosen in the open-file dialogs;
        // several are named on the command line and play one after another.
        std::vector<std::pair<std::string, std::string>> episodes;
        // A movie that is streamed: its link, with a local subtitle, is
        // pasted, dropped as an internet shortcut or named on the command line.
        Taken taken = Chosen;
    };
    // What a browser copies: %20 for a blank, and a query with & and a comma
    // that the server must see exactly so.
    const std::string streamed = "/Film%20one.avi?a=1&b=%41,c";
    const std::vector<std::pair<std::string, std::string>> stream = { { "Film one.avi", "a,b.srt" } };
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
        { "mplayer.exe", stream, PastedText }, { "mpv.exe", stream, PastedText },
        { "mplayer.exe", stream, Dropped },    { "mpv.exe", stream, Dropped },
        { "mplayer.exe", stream, Named },      { "mpv.exe", stream, Named },
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
    HttpsServer server(films.Path(), Scratch("server.log"));
    const std::string shortcut = films.Path() + "\\Film one.url";
    std::ofstream(fs::u8path(shortcut)) << "[InternetShortcut]\r\nURL=" << server.Link(streamed) << "\r\n";

    for (const Case& c : cases) {
        const bool mpv = c.player == std::string("mpv.exe");
        std::vector<std::string> named, lines;
        for (const auto& [name, subtitleName] : c.episodes) {
            const std::string file = films.Path() + "\\" + name, subtitle = films.Path() + "\\" + subtitleName;
            fs::copy_file(fs::u8path(player + "\\reelkick-sample.avi"), fs::u8path(file),
                          fs::copy_options::overwrite_existing);
            fs::copy_file(fs::u8path(player + "\\reelkick-sample.srt"), fs::u8path(subtitle),
                          fs::copy_options::overwrite_existing);
            const std::string movie = c.taken == Chosen ? file : server.Link(streamed);
            named.insert(named.end(), { movie, subtitle });
            const std::string played = c.taken == Chosen ? UnixPath(movie) : movie;
            // In the order the player plays them: each movie with its own subtitle.
            // "FPS forced to 25.000." in mpv 0.35, "Container FPS forced to 25.000." from 0.37 on.
            if (mpv)
                lines.insert(lines.end(), { "FPS forced to 25.000.", "reelkick: " + played + " with subtitle " +
                                                                          UnixPath(subtitle) + ", fullscreen yes" });
            else
                lines.insert(lines.end(), { "Playing " + played + ".",
                                            "SUB: Added subtitle file (1): " + UnixPath(subtitle),
                                            "FPS forced to be 25.000", "  [fs]" });
        }
        lines.insert(lines.end(), { "Exiting... (End of file)",
                                    std::string("reelkick's bridge: ") + (mpv ? "mpv" : "mplayer") + " ended with status 0" });
        SCOPED_TRACE(std::string(c.player) + ", " + named.back());
        fs::remove(fs::u8path(output));
        PlayerLog log;
        const bool several = c.episodes.size() > 1;
        const size_t requests = server.Said().size();
        Reelkick app(player, log, several || c.taken == Named ? named : std::vector<std::string>{});
        if (mpv) {
            app.Click(IDC_CURRENT_PLAYER);
            app.Click(IDC_CURRENT_PLAYER);
            app.ChooseFile(IDC_MPLAYER, player + "\\" + c.player);
        }
        if (c.taken == Chosen && !several) {
            app.ChooseFile(IDC_MOVIE, named[0]);
            app.ChooseFile(IDC_SUBTITLE, named[1]);
        } else if (c.taken == Dropped) {
            app.Drop({ shortcut, named[1] });
        } else if (c.taken == PastedText) {
            CopyText(named[0] + "\r\n" + named[1]);
            app.TypePaste(IDC_INFO);
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
        if (c.taken != Chosen) {
            EXPECT_NE(std::string::npos, server.Said().find("request GET " + streamed + " HTTP/1.1\n", requests))
                << "the server saw:\n" << server.Said().substr(requests);
        }
    }
}

}  // namespace
