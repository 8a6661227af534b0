// The main job from end to end: reelkick starts the system's MPlayer through
// the bridge (scripts/mplayer-bridge) on the sample movie and its subtitle,
// picked in the real open-file dialog, and MPlayer's own output shows what
// it did. MPlayer runs headless: its configuration asks for no picture and
// no sound devices.
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
    };
    const Case cases[] = {
        { "reelkick-sample.avi", "reelkick-sample.srt" },
        { "Фильм с пробелами.avi", "Фильм с пробелами.srt" },
        { "reelkick-sample.avi", "a,b.srt" },  // a list separator to MPlayer
    };
    ASSERT_TRUE(UnderWine()) << "the bridge is a Unix program that Wine runs";
    const std::string player = BinFolder() + "\\real-player";
    ScratchFolder films(Scratch("real films"));
    ScratchFolder home(Scratch("mplayer home"));
    std::ofstream(fs::u8path(home.Path() + "\\config")) << "vo=null\nao=null\n";
    const std::string output = Scratch("mplayer output.log");
    ::SetEnvironmentVariableW(L"MPLAYER_HOME", Wide(UnixPath(home.Path())).c_str());
    ::SetEnvironmentVariableW(L"REELKICK_BRIDGE_LOG", Wide(UnixPath(output)).c_str());

    for (const Case& c : cases) {
        SCOPED_TRACE(c.subtitle);
        const std::string movie = films.Path() + "\\" + c.movie, subtitle = films.Path() + "\\" + c.subtitle;
        fs::copy_file(fs::u8path(player + "\\reelkick-sample.avi"), fs::u8path(movie), fs::copy_options::overwrite_existing);
        fs::copy_file(fs::u8path(player + "\\reelkick-sample.srt"), fs::u8path(subtitle),
                      fs::copy_options::overwrite_existing);
        fs::remove(fs::u8path(output));
        PlayerLog log;
        Reelkick app(player, log);
        app.ChooseFile(IDC_MOVIE, movie);
        app.ChooseFile(IDC_SUBTITLE, subtitle);
        app.Click(IDC_FULLSCREEN);
        app.SetText(IDC_FRAMERATE, "25");
        app.Click(IDC_PLAY);

        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        std::string said;
        while ((said = Contents(output)).find("Exiting...") == std::string::npos &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        for (const std::string& line :
             { "Playing " + UnixPath(movie) + ".", "SUB: Added subtitle file (1): " + UnixPath(subtitle),
               std::string("FPS forced to be 25.000"), std::string("  [fs]"), std::string("Exiting... (End of file)") })
            EXPECT_NE(std::string::npos, said.find(line)) << line << "\nMPlayer said:\n" << said;
    }
}

}  // namespace
