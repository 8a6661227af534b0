// The three file choosers, through the real open-file dialog.
#include <algorithm>

#include "Fixture.h"

namespace {

struct Judgement {
    const char* name;
    bool accepted;
    bool subtitleWhenDropped = false;  // a drop takes it by its extension, as a subtitle (.ssa too)
};

// The chosen files lie in a folder whose name has a blank and a dot. Each
// is taken either through its chooser's open-file dialog or by dropping it
// onto the window, which takes a subtitle by its extension and anything else
// as the movie.
class Choosers : public InStartFolder {
protected:
    std::string In(const std::string& name) const { return films.Path() + "\\" + name; }
    void Place(const std::string& name) { files.push_back(std::make_unique<PlacedFile>(In(name))); }
    // Hands `given` over as `taken` says; copied text is given[0].
    static void Hand(Reelkick& app, Taken taken, const std::vector<std::string>& given) {
        if (taken == Dropped) return app.Drop(given);
        if (taken == PastedText) CopyText(given[0]);
        else CopyFiles(given);
        if (taken == PastedFromMenu)
            Send(app.Main(), WM_SYSCOMMAND, IDM_PASTE);
        else
            app.TypePaste(IDC_INFO);
    }
    void Take(int chooser, const std::string& path, bool dropped) {
        if (dropped)
            app->Drop({ path });
        else
            app->ChooseFile(chooser, path);
    }

    // The last argument of every start, sorted, where the ones before it
    // are `leading`: players may finish in any order.
    static std::vector<std::string> Received(const std::vector<PlayerStart>& starts,
                                             const std::vector<std::string>& leading) {
        std::vector<std::string> last;
        for (const PlayerStart& start : starts) {
            EXPECT_EQ(leading, std::vector<std::string>(start.argv.begin(), start.argv.end() - 1));
            last.push_back(start.argv.back());
        }
        std::sort(last.begin(), last.end());
        return last;
    }

    ScratchFolder films{ Scratch("rk films.v2") };
    std::vector<std::unique_ptr<PlacedFile>> files;
};

TEST_F(Choosers, MovieIsJudgedByTheWholeExtensionAndStoredAnyway) {
    const Judgement cases[] = {
        { "film.avi", true },   { "film.Avi", true },   { "FILM.AVI", true },  { "film.asf", true },
        { "film.mpg", true },   { "film.mpeg", true },  { "film.divx", true }, { "film.mpa", true },
        { "film.mpe", true },   { "film.wmv", true },   { "film.part1.avi", true },
        { "film.mkv", true },   { "film.mp4", true },   { "film.webm", true }, { "film.MOV", true },
        { "film.mpeg4", false }, { "film.mp", false },  { "film.pdf", false },
        { "film", false },      { "film.avi.txt", false, true }, { "film.exe", false }, { "talk.ssa", false, true },
    };
    Reelkick& app = Start();
    std::vector<std::string> sent;
    for (const Judgement& c : cases) {
        Place(c.name);
        for (bool dropped : { false, true }) {
            if (dropped && c.subtitleWhenDropped) continue;
            SCOPED_TRACE(std::string(c.name) + (dropped ? ", dropped" : ", chosen"));
            Take(IDC_MOVIE, In(c.name), dropped);
            EXPECT_EQ(c.accepted ? " You have chosen the movie " + In(c.name)
                                 : std::string(" I hope you know that ") + c.name +
                                       " could not be a movie, so it won't work.",
                      app.Text(IDC_INFO));
            EXPECT_EQ(2u, app.Click(IDC_PLAY));
            EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"" + In(c.name) + "\" \"", app.Text(IDC_CMDLINE));
            sent.push_back(In(c.name));
        }
    }
    std::sort(sent.begin(), sent.end());
    EXPECT_EQ(sent, Received(app.Players(), { "C:\\MP\\mplayer.exe" }))
        << "every movie, accepted or not, reaches the player";
}

TEST_F(Choosers, SubtitleIsJudgedByItsExtensionAndStoredAnyway) {
    const Judgement cases[] = {
        { "talk.sub", true, true }, { "talk.SRT", true, true }, { "talk.Txt", true, true },
        { "talk.ssa", false, true }, { "talk", false },   { "talk.srt.bak", false },
    };
    Reelkick& app = Start();
    std::vector<std::string> sent;
    for (const Judgement& c : cases) {
        Place(c.name);
        for (bool dropped : { false, true }) {
            if (dropped && !c.subtitleWhenDropped) continue;  // dropped, it would be taken as the movie
            SCOPED_TRACE(std::string(c.name) + (dropped ? ", dropped" : ", chosen"));
            Take(IDC_SUBTITLE, In(c.name), dropped);
            EXPECT_EQ(c.accepted ? std::string("You have chosen the subtitle ") + c.name
                                 : std::string("Are you sure that ") + c.name +
                                       " is a subtitle? Because it doesn't seem it has the .sub, .srt or .txt extension.",
                      app.Text(IDC_INFO));
            EXPECT_EQ(2u, app.Click(IDC_PLAY));
            EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  -sub \"" + In(c.name) + "\" \"", app.Text(IDC_CMDLINE));
            sent.push_back(In(c.name));
        }
    }
    std::sort(sent.begin(), sent.end());
    EXPECT_EQ(sent, Received(app.Players(), { "C:\\MP\\mplayer.exe", "-sub" }))
        << "every subtitle, accepted or not, reaches the player";
}

// Only an EXE becomes the player; the warning names the extension in the
// file's own case, and the player in use stays as it was.
TEST_F(Choosers, PlayerMustBeAnExe) {
    struct Case {
        const char* name;
        const char* info;  // null: accepted
    };
    const Case cases[] = {
        { "clip.Avi", "You must choose an exe file (like mplayer.exe), not Avi. So clip.Avi is wrong!!" },
        { "mplayer", "You must choose an exe file (like mplayer.exe), not . So mplayer is wrong!!" },
        { "mplayer.exe.bak", "You must choose an exe file (like mplayer.exe), not bak. So mplayer.exe.bak is wrong!!" },
        { "player.Exe", nullptr },
        { "clip.avi", "You must choose an exe file (like mplayer.exe), not avi. So clip.avi is wrong!!" },
    };
    Reelkick& app = Start();
    app.Click(IDC_CURRENT_PLAYER);
    app.Click(IDC_CURRENT_PLAYER);
    ASSERT_TRUE(app.Enabled(IDC_MPLAYER));
    std::string inUse = "";  // cleared with no player chosen yet
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        files.push_back(std::make_unique<PlacedFile>(In(c.name), PlacedFile::Player));
        app.ChooseFile(IDC_MPLAYER, In(c.name));
        if (!c.info) inUse = "  \"" + In(c.name) + "\" ";
        EXPECT_EQ(c.info ? c.info : "You have chosen " + In(c.name) + " for watching the movie.", app.Text(IDC_INFO));
        EXPECT_EQ(inUse.empty() ? 0u : 2u, app.Click(IDC_PLAY));
        EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"" + inUse + "\"", app.Text(IDC_CMDLINE));
    }
    auto starts = app.Players();
    ASSERT_EQ(2u, starts.size()) << "the accepted player, and again while a rejected choice changed nothing";
    EXPECT_EQ(std::vector<std::string>{ In("player.Exe") }, starts[1].argv);
}

// A rejected player leaves a single blank as the other player, which a
// tick and a clear of "current mplayer" then put in use.
TEST_F(Choosers, RejectedPlayerLeavesABlankPlayer) {
    Place("clip.avi");
    Reelkick& app = Start();
    app.Click(IDC_CURRENT_PLAYER);
    app.Click(IDC_CURRENT_PLAYER);
    app.ChooseFile(IDC_MPLAYER, In("clip.avi"));
    app.Click(IDC_CURRENT_PLAYER);
    app.Click(IDC_CURRENT_PLAYER);
    EXPECT_EQ(1u, app.Click(IDC_PLAY)) << "the shell, which finds nothing to run";
    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \" \"", app.Text(IDC_CMDLINE));
    EXPECT_EQ(kStartedNotice, app.Text(IDC_INFO)) << "a blank counts as a player";
}

// Every character a file name may hold reaches the player as it is, through
// the real shell, whether the file is the player, the movie or the subtitle,
// chosen or dropped: cmd expands %NAME% even between quotes, and !NAME! with
// delayed expansion on, and MPlayer
// splits -sub at commas unless each is written \, (which it then takes out).
// mpv's --sub-file takes one file, commas and all. Each press spells the
// subtitle for the player in use then, whichever was in use when it was
// taken.
TEST_F(Choosers, EveryLegalNameReachesThePlayer) {
    struct Case {
        const char* name;
        const char* subtitleReceived;  // null: the name as it is
    };
    const Case cases[] = {
        { "a b & c ^ (d) e, f; g= h! i' j+ [k] #l", "a b & c ^ (d) e\\, f; g= h! i' j+ [k] #l" },
        { "%windir%", nullptr }, { "%PATH%", nullptr }, { "x %CD% y", nullptr }, { "100%", nullptr },
        { "%%", nullptr },       { "%", nullptr },      { "Сказка", nullptr },   { "童話", nullptr },
        { "𝄞 clef", nullptr },  // beyond the BMP: a surrogate pair in UTF-16
        // What delayed expansion would take, where the machine turns it on.
        { "Wow! a!windir!b ^%PATH%^ 100%!", nullptr },
    };
    Reelkick& app = Start();
    app.Click(IDC_CURRENT_PLAYER);
    app.Click(IDC_CURRENT_PLAYER);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = c.name;
        const std::string mplayer = In(name + ".exe"), mpv = In(name + " mpv.exe");
        files.push_back(std::make_unique<PlacedFile>(mplayer, PlacedFile::Player));
        files.push_back(std::make_unique<PlacedFile>(mpv, PlacedFile::Player, "player-mpv-0.39.0"));
        Place(name + ".avi");
        Place(name + ".srt");
        std::string inUse = mplayer;
        app.ChooseFile(IDC_MPLAYER, inUse);
        for (bool dropped : { false, true }) {
            SCOPED_TRACE(dropped ? "dropped" : "chosen");
            app.Click(IDC_DELETE_CMD);
            if (dropped) {
                app.Drop({ In(name + ".avi"), In(name + ".srt") });
            } else {
                app.ChooseFile(IDC_MOVIE, In(name + ".avi"));
                app.ChooseFile(IDC_SUBTITLE, In(name + ".srt"));
            }
            for (int press = 0; press < 2; ++press) {
                if (press) app.ChooseFile(IDC_MPLAYER, inUse = inUse == mplayer ? mpv : mplayer);
                SCOPED_TRACE(inUse);
                EXPECT_EQ(2u, app.Click(IDC_PLAY));
                auto starts = app.Players();
                ASSERT_FALSE(starts.empty());
                const std::vector<std::string> expected =
                    inUse == mpv ? std::vector<std::string>{ mpv, In(name + ".avi"), "--sub-file=" + In(name + ".srt") }
                                 : std::vector<std::string>{
                                       mplayer, In(name + ".avi"), "-sub",
                                       In((c.subtitleReceived ? c.subtitleReceived : name) + ".srt") };
                EXPECT_EQ(expected, starts.back().argv);
            }
        }
    }
}

// Files dropped onto the window, or named on the command line of a fresh
// start in C:\MP, are each taken as their chooser would take them, and
// folders are passed over; the info box tells of the last name, which may
// be one that is not there. A name of any length, even one that the
// open-file dialog cannot take, reaches the player whole. Started with a
// movie, the window is ready to play it: the focus is on "&PLAY".
TEST_F(Choosers, DroppedOrNamedFilesAreTakenAsTheirChooserWould) {
    ScratchFolder deep(FolderOfLength(300));
    const std::string movie = In("film.avi"), subtitle = In("talk.srt"), longMovie = deep.Path() + "\\film.avi";
    const std::string longOdd = deep.Path() + "\\a %windir% b.avi", odd = In("Сказка 100% (a), b; c & d");
    const std::string missing = In("gone.avi");
    // Episodes whose names hold a %, a comma and Cyrillic letters, with a
    // subtitle each, one in today's ASS format, and one that fits neither;
    // and two whose names both begin Ep1's subtitles.
    const std::string ep = In("Сказка %windir%, (a) "), lost = In("Другое.srt");
    PlacedFile placed[] = { { movie }, { subtitle }, { longMovie }, { longOdd }, { odd + ".avi" }, { odd + ".srt" },
                            { "C:\\MP\\-x.avi" }, { In("film.mkv") }, { In("film.ass") }, { ep + "1.avi" },
                            { ep + "2.avi" }, { ep + "1 ru.srt" }, { ep + "2.ass" }, { lost }, { In("Ep1.avi") },
                            { In("Ep10.avi") }, { In("Ep1.srt") }, { In("ep10.en.SRT") } };
    // So many episodes that the command outgrows what cmd.exe takes.
    std::vector<std::string> many;
    std::string tooLong = "cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" ";
    for (int i = 10; i < 50; ++i) {
        many.push_back(In(std::string(200, 'e') + std::to_string(i) + ".avi"));
        Place(many.back().substr(In("").size()));
        tooLong += " \"" + many.back() + "\" ";
    }
    tooLong += "\"";
    // Internet shortcuts, as a browser makes them when a link is dragged
    // onto the desktop: one to a stream, one whose link would break out of
    // its quotes, and one to a file, which is no stream.
    const std::string stream = "https://example.org/show/ep1.mkv", shortcut = In("ep1.url");
    const std::string breakOut = "https://example.org/a\" & calc & \"b.mkv", breakOutShortcut = In("break-out.url");
    PlacedFile shortcuts[] = { { shortcut, "[InternetShortcut]\r\nURL=" + stream + "\r\n" },
                               { breakOutShortcut, "[InternetShortcut]\r\nURL=" + breakOut + "\r\n" },
                               { In("no stream.url"), "[InternetShortcut]\r\nURL=file:///C:/m.avi\r\n" } };
    // A link as browsers copy it: %20 for a blank, and a query with & and a comma.
    const std::string link = "https://example.org/Film%20one.avi?a=1&b=%41,c";
    struct Case {
        std::vector<std::string> given;
        std::string info;
        std::vector<std::string> argv;
        Taken taken = Dropped;
        int focus = IDC_PLAY;
        std::string refused;  // what PLAY says when it starts nothing
    };
    const Case cases[] = {
        { { movie, subtitle }, "You have chosen the subtitle talk.srt", { movie, "-sub", subtitle } },
        { { subtitle, movie, films.Path() }, " You have chosen the movie " + movie, { movie, "-sub", subtitle } },
        { { longMovie }, " You have chosen the movie " + longMovie, { longMovie, "-sub", subtitle } },
        { { odd + ".avi", odd + ".srt" }, "You have chosen the subtitle Сказка 100% (a), b; c & d.srt",
          { odd + ".avi", "-sub", In("Сказка 100% (a)\\, b; c & d.srt") }, Named },
        { { "..\\reelkick-tests\\rk films.v2\\film.avi" }, " You have chosen the movie " + movie, { movie }, Named },
        { { "-x.avi" }, " You have chosen the movie C:\\MP\\-x.avi", { "C:\\MP\\-x.avi" }, Named },
        { { movie, subtitle, missing }, "I can't find " + missing + ", so it won't be used.",
          { movie, "-sub", subtitle }, Named },
        { { movie, films.Path() }, " You have chosen the movie " + movie, { movie }, Named },
        { { longOdd }, " You have chosen the movie " + longOdd, { longOdd }, Named },
        { { subtitle }, "You have chosen the subtitle talk.srt", { "-sub", subtitle }, Named, IDC_MOVIE },
        { { In("film.mkv"), In("film.ass") },
          "Are you sure that film.ass is a subtitle? Because it doesn't seem it has the .sub, .srt or .txt extension.",
          { In("film.mkv"), "-sub", In("film.ass") }, Named },
        { { ep + "2.ass", lost, ep + "1.avi", missing, ep + "2.avi", ep + "1 ru.srt" },
          "You have chosen 2 movies to play one after another, from Сказка %windir%, (a) 1.avi to Сказка %windir%, "
          "(a) 2.avi.\r\nI can't tell which movie Другое.srt belongs to, so it won't be used.\r\nI can't find " + missing +
              ", so it won't be used.",
          { ep + "1.avi", "-sub", In("Сказка %windir%\\, (a) 1 ru.srt"), ep + "2.avi", "-sub", In("Сказка %windir%\\, (a) 2.ass") },
          Named },
        { { In("ep10.en.SRT"), In("Ep1.avi"), In("Ep1.srt"), In("Ep10.avi") },
          "You have chosen 2 movies to play one after another, from Ep1.avi to Ep10.avi.",
          { In("Ep1.avi"), "-sub", In("Ep1.srt"), In("Ep10.avi"), "-sub", In("ep10.en.SRT") }, Named },
        { many, "You have chosen 40 movies to play one after another, from " + many.front().substr(In("").size()) +
                    " to " + many.back().substr(In("").size()) + ".",
          {}, Named, IDC_PLAY,
          "The command is " + std::to_string(tooLong.size()) + " characters long, but cmd.exe takes at most 8191. "
          "Choose fewer movies." },
        // Dropped onto a window that keeps talk.srt for every movie: a
        // season, then a subtitle of one episode, one of none, which goes
        // with every movie, and a single movie, which replaces them all.
        { { ep + "1.avi", ep + "2.avi" },
          "You have chosen 2 movies to play one after another, from Сказка %windir%, (a) 1.avi to Сказка %windir%, (a) "
          "2.avi.",
          { "-sub", subtitle, ep + "1.avi", ep + "2.avi" } },
        { { ep + "2.ass" }, "Are you sure that Сказка %windir%, (a) 2.ass is a subtitle? Because it doesn't seem it has "
                            "the .sub, .srt or .txt extension.",
          { "-sub", subtitle, ep + "1.avi", ep + "2.avi", "-sub", In("Сказка %windir%\\, (a) 2.ass") } },
        { { lost }, "You have chosen the subtitle Другое.srt",
          { "-sub", lost, ep + "1.avi", ep + "2.avi", "-sub", In("Сказка %windir%\\, (a) 2.ass") } },
        { { movie }, " You have chosen the movie " + movie, { movie, "-sub", lost } },
        // Links, dropped as shortcuts or pasted, take the movie's place like a
        // movie file; one that cannot be played changes nothing.
        { { shortcut }, " You have chosen the stream " + stream, { stream, "-sub", lost } },
        { { breakOutShortcut }, "This is not a link that reelkick can play, as it holds a double quote: " + breakOut,
          { stream, "-sub", lost } },
        { { "  \"" + link + "\"  \r\n" }, " You have chosen the stream " + link, { link, "-sub", lost }, PastedText },
        { { "just some words\r\nand more" },
          "The clipboard holds no link and no file's name, only this text: just some words", { link, "-sub", lost },
          PastedText },
        { { "" }, "The clipboard holds no link and no file's name.", { link, "-sub", lost }, PastedText },
        { { movie, subtitle }, "You have chosen the subtitle talk.srt", { movie, "-sub", subtitle }, PastedFiles },
        { { "\"" + odd + ".avi\"" }, " You have chosen the movie " + odd + ".avi", { odd + ".avi", "-sub", subtitle },
          PastedText },
        { { shortcut }, " You have chosen the stream " + stream, { stream, "-sub", subtitle }, PastedFromMenu },
        // Three links in a row, each named by its path without the query.
        { { "https://example.org/s/Ep1.mkv?t=1/2\r\nrtsp://example.org/s/Ep2.mkv\nHTTP://example.org/s/Ep3.mkv#x" },
          "You have chosen 3 movies to play one after another, from Ep1.mkv to Ep3.mkv.",
          { "-sub", subtitle, "https://example.org/s/Ep1.mkv?t=1/2", "rtsp://example.org/s/Ep2.mkv",
            "HTTP://example.org/s/Ep3.mkv#x" },
          PastedText },
        // Through the shell, % and ! reach the player as they are.
        { { "https://example.org/a.avi?q=%PATH%&r=!x!^" }, " You have chosen the stream "
          "https://example.org/a.avi?q=%PATH%&r=!x!^", { "https://example.org/a.avi?q=%PATH%&r=!x!^" }, Named },
        { { breakOut, In("no stream.url") }, "no stream.url holds no link that reelkick can play, so it won't be used.",
          {}, Named, IDC_MOVIE },
    };
    Reelkick& dropTarget = Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.info);
        std::unique_ptr<Reelkick> named;
        if (c.taken == Named)
            named = std::make_unique<Reelkick>(mp.Path(), log, c.given);
        else
            Hand(dropTarget, c.taken, c.given);
        Reelkick& app = named ? *named : dropTarget;
        EXPECT_EQ(c.info, app.Text(IDC_INFO));
        if (named) {
            EXPECT_EQ(c.focus, app.FocusedId());
        }
        if (!c.refused.empty()) {
            EXPECT_EQ(0u, app.Click(IDC_PLAY)) << "a command cut short must never run";
            EXPECT_EQ(tooLong, app.Text(IDC_CMDLINE));
            EXPECT_EQ(c.refused, app.Text(IDC_INFO));
            continue;
        }
        EXPECT_EQ(2u, app.Click(IDC_PLAY));
        EXPECT_EQ(std::string::npos, app.Text(IDC_CMDLINE).find("calc")) << "a link that breaks out never runs";
        auto starts = app.Players();
        ASSERT_FALSE(starts.empty());
        std::vector<std::string> argv = { "C:\\MP\\mplayer.exe" };
        argv.insert(argv.end(), c.argv.begin(), c.argv.end());
        EXPECT_EQ(argv, starts.back().argv);
    }
}

// Only the system's shell runs: not a cmd.exe in the start folder, nor one
// beside a picked movie, whose folder the open-file dialog makes current.
TEST_F(Choosers, OnlyTheSystemsShellRuns) {
    files.push_back(std::make_unique<PlacedFile>("C:\\MP\\cmd.exe", PlacedFile::Player));
    files.push_back(std::make_unique<PlacedFile>(In("cmd.exe"), PlacedFile::Player));
    Place("film.avi");
    Reelkick& app = Start();
    app.ChooseFile(IDC_MOVIE, In("film.avi"));
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    auto starts = app.Players();
    ASSERT_EQ(1u, starts.size()) << "a planted cmd.exe would have written down its start too";
    EXPECT_EQ((std::vector<std::string>{ "C:\\MP\\mplayer.exe", In("film.avi") }), starts[0].argv);
}

// A typed name that does not exist is refused by the open-file dialog
// itself, and nothing changes.
TEST_F(Choosers, ANameThatDoesNotExistIsRefused) {
    Reelkick& app = Start();
    const std::string info = app.Text(IDC_INFO);
    for (int chooser : { IDC_MOVIE, IDC_SUBTITLE }) {
        for (const std::string& missing : { In("no such movie.avi"), Scratch("no such folder\\m.avi") }) {
            SCOPED_TRACE(missing);
            EXPECT_NE("", app.RefusedFile(chooser, missing));
            EXPECT_EQ(info, app.Text(IDC_INFO));
        }
    }
    EXPECT_EQ(2u, app.Click(IDC_PLAY));
    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\" \"", app.Text(IDC_CMDLINE)) << "no movie, no subtitle";
}

// Cancel changes nothing and pushes nothing, nor does a drop of nothing but
// a folder; a confirmed choice pushes, which replaces edits that no handler
// has taken in.
TEST_F(Choosers, CancelKeepsUnsavedEdits) {
    Reelkick& app = Start();
    app.ChooseFile(IDC_MOVIE, "C:\\m.avi");
    const std::string info = app.Text(IDC_INFO);
    app.SetText(IDC_FRAMERATE, "24");
    app.SetText(IDC_CMDLINE, "typed");
    for (int chooser : { IDC_MOVIE, IDC_SUBTITLE, 0 }) {
        SCOPED_TRACE(chooser);
        if (chooser)
            app.CancelFileDialog(chooser);
        else
            app.Drop({ films.Path() });
        EXPECT_EQ("24", app.Text(IDC_FRAMERATE));
        EXPECT_EQ("typed", app.Text(IDC_CMDLINE));
        EXPECT_EQ(info, app.Text(IDC_INFO));
    }
    app.Click(IDC_PLAY);
    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\"  -fps 24\"", app.Text(IDC_CMDLINE))
        << "the cancelled subtitle choice stored nothing";

    app.SetText(IDC_FRAMERATE, "30");
    app.SetText(IDC_CMDLINE, "typed again");
    app.ChooseFile(IDC_SUBTITLE, "C:\\m.srt");
    EXPECT_EQ("24", app.Text(IDC_FRAMERATE)) << "the last pulled framerate";
    EXPECT_EQ("cmd /D /E:ON /V:OFF /C \"\"C:\\MP\\mplayer.exe\"  \"C:\\m.avi\"  -fps 24\"", app.Text(IDC_CMDLINE));
}

}  // namespace
