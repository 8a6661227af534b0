// The usual scene: reelkick started in C:\MP, which holds a player, with a
// movie C:\m.avi and a subtitle C:\m.srt ready to be chosen.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Reelkick.h"
#include "resource.h"

class InStartFolder : public ::testing::Test {
protected:
    Reelkick& Start() {
        app = std::make_unique<Reelkick>(mp.Path(), log);
        return *app;
    }
    // The app ends before any folder of a derived fixture is removed: its
    // open-file dialogs may have made one of them its current folder.
    void TearDown() override { app.reset(); }

    ScratchFolder mp{ "C:\\MP" };
    PlacedFile player{ "C:\\MP\\mplayer.exe", PlacedFile::Player };
    PlacedFile movie{ "C:\\m.avi" };
    PlacedFile subtitle{ "C:\\m.srt" };
    PlayerLog log;
    std::unique_ptr<Reelkick> app;
};

// How files and links reach reelkick: chosen in the open-file dialogs,
// dropped onto the window, named on its command line, or pasted: copied
// text or files copied in Explorer, with Ctrl+V, or through the system menu.
enum Taken { Chosen, Dropped, Named, PastedText, PastedFiles, PastedFromMenu };

// What "&PLAY" shows after it started the player.
inline const char kStartedNotice[] =
    "If the movie doesn't play, maybe you have chosen a wrong mplayer.exe, a wrong movie or subtitle. Or maybe you "
    "just have bad luck...";
// How the message begins when no player is set.
inline const char kNoPlayerStart[] =
    "You didn't choose the right mplayer.exe. Try copying reelkick.exe to mplayer directory. Don't you have it? "
    "Check out ";

inline bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
