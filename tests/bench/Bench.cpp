// Prints how long the real reelkick.exe takes for what a user waits on:
// coming up, starting the player, and a round through the open-file dialog.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "Reelkick.h"
#include "resource.h"

namespace {

double Milliseconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-40s median %7.1f ms   min %7.1f ms   max %7.1f ms   (%zu runs)\n", what, times[times.size() / 2],
                times.front(), times.back(), times.size());
}

}  // namespace

int main() {
    if (!InTestPrefix()) return 2;
    const int runs = 10;
    ScratchFolder mp("C:\\MP");
    PlacedFile player("C:\\MP\\mplayer.exe", PlacedFile::Player);
    PlacedFile movie("C:\\m.avi");

    std::vector<double> startUp, play, choose;
    for (int i = 0; i < runs; ++i) {
        PlayerLog log;
        std::unique_ptr<Reelkick> app;
        startUp.push_back(Milliseconds([&] { app = std::make_unique<Reelkick>(mp.Path(), log); }));
        choose.push_back(Milliseconds([&] { app->ChooseFile(IDC_MOVIE, "C:\\m.avi"); }));
        play.push_back(Milliseconds([&] {
            app->Click(IDC_PLAY);
            app->WaitForStarted(2);  // the shell, then the player
        }));
    }
    Report("start-up to a ready window", startUp);
    Report("open-file dialog, path typed, Open", choose);
    Report("PLAY to the player running (via cmd)", play);
    return 0;
}
