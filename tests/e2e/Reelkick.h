// Drives a real reelkick.exe from another process, the way a user would:
// through its window's controls, the real open-file dialog and the keyboard.
//
// Every call that waits on the other process has a deadline and throws
// when it passes, so a broken build fails instead of hanging.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "Exe.h"
#include "Utf8.h"

// Polls `done` every `step` until it holds or `patience` runs out; false then.
template <typename Condition>
bool WaitFor(Condition done, std::chrono::milliseconds patience = std::chrono::seconds(20),
             std::chrono::milliseconds step = std::chrono::milliseconds(10)) {
    const auto until = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(step);
    }
}

bool UnderWine();
// Sends a message to a window of another process and returns its answer;
// throws when no answer comes in time.
LRESULT Send(HWND wnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The text of a window in any process: an edit's contents, a button's caption.
std::string WindowText(HWND wnd);
// The folder that holds the test programs and the recording player.
std::string BinFolder();

// The test programs create and delete files on drives C: and D:, so they run
// only in the Wine prefix that scripts/test prepares for them, which carries
// this marker. False, with the reason on stderr, anywhere else.
bool InTestPrefix();
// Everything a test makes lives below this one folder of the test prefix,
// which each test session starts empty; drive D: is mapped into it too. The
// usual scene (Fixture.h) is the one exception: the worked examples name
// C:\MP, C:\m.avi and C:\m.srt.
std::string Scratch(const std::string& name);

// The records that the recording player appended to its log, one per start.
struct PlayerStart {
    std::string commandLine;
    std::vector<std::string> argv;
};

class PlayerLog {
public:
    PlayerLog();
    ~PlayerLog();
    const std::string& Path() const { return m_path; }
    std::vector<PlayerStart> Starts() const;

private:
    std::string m_path;
};

class Reelkick {
public:
    // Starts reelkick.exe (or `exe`) with `folder` as its working folder and
    // `args` on its command line, inside a job that counts every process it
    // starts, and waits until its main window is up and the start-up shell
    // probe has ended. Players it starts log to `log`. With `meanwhile`, a
    // window of the test's, that window is made the active one once
    // reelkick's window is up and before reelkick sees that the probe has
    // ended: reelkick is held still until then.
    Reelkick(const std::string& folder, const PlayerLog& log, const std::vector<std::string>& args = {},
             const std::wstring& exe = ReelkickExe(), HWND meanwhile = nullptr);
    // Fails the test when a process that reelkick started is still running
    // after a while, then ends them all and reelkick.
    ~Reelkick();
    Reelkick(const Reelkick&) = delete;
    Reelkick& operator=(const Reelkick&) = delete;

    HWND Main() const { return m_main; }
    HWND Item(int id) const { return ::GetDlgItem(m_main, id); }
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    int Check(int id) const;
    bool Enabled(int id) const;
    // True when push button `id` is the default one, which Enter presses.
    bool IsDefaultButton(int id) const;
    std::vector<std::string> ComboItems(int id) const;

    // Clicks a button or check box and returns when its handler is done and
    // every process it started has ended, with the number of programs among
    // them: for "&PLAY", the shell and the player (2), the player alone (1)
    // or none.
    size_t Click(int id);
    // Clicks `id`, types `path` into the open-file dialog that it opens and
    // presses Open; returns when the handler is done.
    void ChooseFile(int id, const std::string& path);
    // Drops `paths` onto the main window, as the shell does when files are
    // dragged there; returns when the handler is done.
    void Drop(const std::vector<std::string>& paths);
    // Types Ctrl+V (or Shift+Insert) into the window, as the keyboard does,
    // and returns once the text of control `watched` has changed.
    void TypePaste(int watched, bool shiftInsert = false);
    // Clicks `id` and closes the open-file dialog with Cancel.
    void CancelFileDialog(int id);
    // Clicks `id`, types `path` and presses Open, expecting the dialog to
    // refuse it with a message box; closes both and returns the box's text.
    std::string RefusedFile(int id, const std::string& path);

    // Programs started since start-up by the one press so far, the shell
    // probe not counted: the shell, and the player, whether the shell or
    // reelkick started it. The consoles' hosts are not reelkick's programs.
    size_t Started() const;
    // Waits until `count` processes have been started (for presses that are
    // posted, such as keys).
    void WaitForStarted(size_t count) const;
    // Waits until every process that reelkick started has ended, then
    // returns what the recording players wrote down.
    std::vector<PlayerStart> Players() const;

    // Keyboard: the focus is moved and keys are posted as the dialog manager
    // sees them from the keyboard.
    void Focus(int id);
    int FocusedId() const;
    // Waits until control `id` has the focus, and its handlers are done.
    bool WaitForFocus(int id) const;
    void Key(UINT virtualKey);  // pressed on the focused control
    void AltKey(char letter);   // a mnemonic, as Alt+letter
    // Posts a click, which the program handles after everything posted before.
    void PostClick(int id);
    // Waits until check box `id` shows `state`.
    void WaitForCheck(int id, int state) const;

    // Returns once the program has handled everything sent to it so far.
    void Sync() const;
    // Milliseconds from the start until the main window first answered.
    double ReadyMs() const { return m_readyMs; }
    // The bytes of private memory the process uses (Wine fills PagefileUsage).
    size_t BytesInUse() const;
    // True when the process ended within `ms`.
    bool WaitForExit(DWORD ms);
    // Waits for a dialog over the main window, with this caption if one is given.
    HWND WaitForOwnedDialog(const std::string& caption = "") const;
    // Waits until `wnd` has been destroyed.
    void WaitUntilGone(HWND wnd) const;

private:
    // Waits for the main window and for the shell probe to end.
    void WaitUntilReady(const std::wstring& exe, std::chrono::steady_clock::time_point started, HWND meanwhile);
    // Activates `wnd` while reelkick's window thread stands still.
    void ActivateMeanwhile(HWND wnd);
    // Ends reelkick and everything it started, and lets go of them.
    void End();
    // Opens the file dialog of `id`, types `path` and presses Open.
    HWND TypeIntoFileDialog(int id, const std::string& path);
    // Closes a file dialog with Cancel.
    void Cancel(HWND dialog);
    // The job's figures: the processes started in it, and those running.
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION Accounting() const;
    // Processes of the job that are still running, reelkick not counted.
    size_t RunningChildren() const;
    void WaitUntilChildrenEnded() const;
    DWORD TotalProcesses() const;

    const PlayerLog& m_log;
    HANDLE m_job = nullptr;
    PROCESS_INFORMATION m_process = {};
    HWND m_main = nullptr;
    DWORD m_baseline = 0;  // the job's process count once start-up was over
    double m_readyMs = 0;
};

// What a program that copies puts on the clipboard: `text`, or nothing at
// all for "", or the files of `paths` as Explorer's Copy does.
void CopyText(const std::string& text);
void CopyFiles(const std::vector<std::string>& paths);

// A file (a copy of the recording player, or a little data) placed for one
// test and removed afterwards. A player is the plain recording player
// (mplayer.exe), or one that carries the version resource of a build of
// mpv or MPlayer (player-mpv-0.39.0.exe, tests/CMakeLists.txt).
class PlacedFile {
public:
    enum Kind { Player, Data };
    PlacedFile(const std::string& path, Kind kind = Data, const std::string& build = "mplayer");
    // A file of data that holds `contents`.
    PlacedFile(const std::string& path, const std::string& contents);
    ~PlacedFile();
    PlacedFile(const PlacedFile&) = delete;
    PlacedFile& operator=(const PlacedFile&) = delete;

private:
    std::string m_path;
};

// A folder created for one test and removed with everything in it afterwards.
class ScratchFolder {
public:
    // `path` is below a drive root, never the root itself.
    explicit ScratchFolder(const std::string& path);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// While this lives, the system has no cmd.exe for reelkick to find.
class ShellMissing {
public:
    ShellMissing();
    ~ShellMissing();
    ShellMissing(const ShellMissing&) = delete;
    ShellMissing& operator=(const ShellMissing&) = delete;

    // Puts back the shells that a test program which ended halfway left aside.
    static void PutBackLeftovers();

private:
    void PutBack();

    std::vector<std::wstring> m_shells;  // the shells moved aside
};

// A scratch folder path of exactly `length` characters.
std::string FolderOfLength(size_t length);
