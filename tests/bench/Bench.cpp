// Holds the real reelkick.exe against a bare Win32 program that does the same
// at start-up and on "&PLAY" (Reference.cpp), both driven the same way and
// in turns, and prints each figure beside its target. It reports; it never
// fails on a figure.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Reelkick.h"
#include "resource.h"

namespace {

const int kRuns = 21;
const int kCycles = 1000;
const double kLatencyRatio = 1.10;
const double kGrowthKB = 64;
const double kSizeBytes = 40960;

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Program {
    std::wstring exe;
    // reelkick is told there is no player; the reference finds none.
    bool clearsPlayer;
    std::vector<double> readyMs, playMs, bytesInUse;
    double growth = 0;
};

// From the press until the player process runs: the shell, then the player.
double PlayMs(Reelkick& app) {
    const auto start = Clock::now();
    app.PostClick(IDC_PLAY);
    while (app.Started() < 2 && MsSince(start) < 20000) ::Sleep(1);
    const double ms = MsSince(start);
    app.Players();
    return ms;
}

// The growth of the bytes in use over many rounds of what a user does most
// without starting anything: PLAY with no player set, "Delete cmd", the
// framerate hint, and the About box opened and closed.
double Growth(const Program& program, const std::string& folder) {
    PlayerLog log;
    Reelkick app(folder, log, {}, program.exe);
    if (program.clearsPlayer) {
        app.Click(IDC_CURRENT_PLAYER);  // ticked, then cleared: no player
        app.Click(IDC_CURRENT_PLAYER);
    }
    auto round = [&] {
        app.Click(IDC_PLAY);
        app.Click(IDC_DELETE_CMD);
        app.Focus(IDC_FRAMERATE);
        app.Focus(IDC_PLAY);
        ::PostMessageW(app.Main(), WM_SYSCOMMAND, IDM_ABOUT, 0);
        HWND box = app.WaitForOwnedDialog("About reelkick");
        ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        app.WaitUntilGone(box);
    };
    for (int i = 0; i < 20; ++i) round();  // first-use allocations are not growth
    const double before = static_cast<double>(app.BytesInUse());
    for (int i = 0; i < kCycles; ++i) round();
    app.Sync();
    return static_cast<double>(app.BytesInUse()) - before;
}

double FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    return ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

void Row(const char* figure, double ours, double reference, const char* unit, const std::string& target, bool met) {
    char referenceText[16] = "-", ratioText[16] = "-";
    if (reference > 0) {
        std::snprintf(referenceText, sizeof referenceText, "%.1f", reference);
        std::snprintf(ratioText, sizeof ratioText, "%.2f", ours / reference);
    }
    std::printf("%-38s %9.1f %9s %-3s %6s   %-15s %s\n", figure, ours, referenceText, unit, ratioText,
                target.c_str(), target == "-" ? "" : met ? "met" : "MISSED");
}

}  // namespace

int Measure();

int main() {
    if (!InTestPrefix()) return 2;
    try {
        return Measure();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "The benchmark stopped: %s\n", error.what());
        return 1;
    }
}

// Each build of reelkick against the bare program of the same build, in
// turns, the i686 pair after the x86_64 one; 32-bit programs may run
// emulated (scripts/with-32bit), which the figures say.
int Measure() {
    ShellMissing::PutBackLeftovers();  // the bench measures starts through the shell
    ScratchFolder mp(Scratch("bench"));
    PlacedFile player(mp.Path() + "\\mplayer.exe", PlacedFile::Player);
    ScratchFolder empty(Scratch("bench-empty"));

    struct Build {
        std::string name;
        Program reelkick, reference;
    };
    std::vector<Build> builds = { { "x86_64", { ReelkickExe(), true }, { BinFolderW() + L"\\reference.exe", false } } };
    wchar_t i686[MAX_PATH] = L"", how[16] = L"native";
    ::GetEnvironmentVariableW(L"REELKICK_32BIT", how, 16);
    if (::GetEnvironmentVariableW(L"REELKICK_I686_EXE", i686, MAX_PATH)) {
        const std::wstring folder = std::wstring(i686).substr(0, std::wstring(i686).rfind(L'\\'));
        builds.push_back({ "i686, " + Utf8(how), { i686, true }, { folder + L"\\reference.exe", false } });
    }
    for (Build& build : builds) {
        for (int run = 0; run < kRuns; ++run) {
            for (Program* program : { &build.reelkick, &build.reference }) {
                PlayerLog log;
                Reelkick app(mp.Path(), log, {}, program->exe);
                program->readyMs.push_back(app.ReadyMs());
                program->bytesInUse.push_back(static_cast<double>(app.BytesInUse()));
                program->playMs.push_back(PlayMs(app));
            }
        }
        for (Program* program : { &build.reelkick, &build.reference })
            program->growth = Growth(*program, program->clearsPlayer ? mp.Path() : empty.Path());
    }

    std::printf("%d starts of each, in turns; memory growth over %d rounds of PLAY without a player, \"Delete "
                "cmd\", the framerate hint and the About box\n",
                kRuns, kCycles);
    char ratio[32], size[32];
    std::snprintf(ratio, sizeof ratio, "ratio <= %.2f", kLatencyRatio);
    std::snprintf(size, sizeof size, "<= %.0f B", kSizeBytes);
    for (const Build& build : builds) {
        const Program &reelkick = build.reelkick, &reference = build.reference;
        std::printf("\n%-38s %9s %9s %-3s %6s   %-15s\n", ("figure (medians), " + build.name).c_str(), "reelkick",
                    "reference", "", "ratio", "target");
        const double ready = Median(reelkick.readyMs), readyRef = Median(reference.readyMs);
        const double play = Median(reelkick.playMs), playRef = Median(reference.playMs);
        Row("start to a ready window", ready, readyRef, "ms", ratio, ready <= kLatencyRatio * readyRef);
        Row("PLAY to the player process running", play, playRef, "ms", ratio, play <= kLatencyRatio * playRef);
        Row("bytes in use after start", Median(reelkick.bytesInUse) / 1024, Median(reference.bytesInUse) / 1024, "KB",
            "-", true);
        Row("memory growth over the rounds", reelkick.growth / 1024, reference.growth / 1024, "KB", "-", true);
        // Wine keeps a few hundred bytes for every dialog whose edit was given a
        // text, the bare program's too; what reelkick adds is its own.
        const double beyond = reelkick.growth - reference.growth;
        Row("memory growth beyond the bare program", beyond / 1024, 0, "KB", "<= 64 KB", beyond <= kGrowthKB * 1024);
        const double bytes = FileSize(reelkick.exe), bytesRef = FileSize(reference.exe);
        Row("size of the exe", bytes, bytesRef, "B", size, bytes && bytes <= kSizeBytes);
    }
    return 0;
}
