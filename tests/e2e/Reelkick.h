// Drives a real reelkick.exe from another process, the way a user would:
// through its window's controls, the real open-file dialog and the keyboard.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Utf8.h"

bool UnderWine();
// The text of a window in any process: an edit's contents, a button's caption.
std::string WindowText(HWND wnd);
// The folder that holds the test programs, reelkick.exe and the recording player.
std::string BinFolder();

class Reelkick {
public:
    // Starts reelkick.exe with `folder` as its working folder and waits until
    // its main window is up. Players it starts log to `playerLog`.
    Reelkick(const std::string& folder, const std::string& playerLog);
    ~Reelkick();
    Reelkick(const Reelkick&) = delete;
    Reelkick& operator=(const Reelkick&) = delete;

    HWND Main() const { return m_main; }
    HWND Item(int id) const { return ::GetDlgItem(m_main, id); }
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    int Check(int id) const;
    bool Enabled(int id) const;
    std::vector<std::string> ComboItems(int id) const;

    // Clicks a button or check box and returns when its handler is done.
    void Click(int id);
    // Clicks `id`, types `path` into the open-file dialog that it opens and
    // presses Open; returns when the handler is done.
    void ChooseFile(int id, const std::string& path);
    // Clicks `id` and closes the open-file dialog with Cancel.
    void CancelFileDialog(int id);

    // Keyboard: the focus is moved and keys are posted as the dialog manager
    // sees them from the keyboard.
    void Focus(int id);
    int FocusedId() const;
    // Waits until control `id` has the focus, and its handlers are done.
    bool WaitForFocus(int id) const;
    void Key(UINT virtualKey);  // pressed on the focused control
    void AltKey(char letter);   // a mnemonic, as Alt+letter

    // Returns once the program has handled everything sent or posted so far.
    void Sync() const;
    // True when the process ended within `ms`.
    bool WaitForExit(DWORD ms);
    // Waits for a dialog over the main window, with this caption if one is given.
    HWND WaitForOwnedDialog(const std::string& caption = "") const;
    // Waits until `wnd` has been destroyed.
    void WaitUntilGone(HWND wnd) const;

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_main = nullptr;
};

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
    // Waits until at least `count` players have started; returns all starts.
    std::vector<PlayerStart> WaitForStarts(size_t count) const;
    // Gives a player that may have been started a moment to show up.
    std::vector<PlayerStart> StartsAfterGrace() const;

private:
    std::string m_path;
};

// A file (a copy of the recording player, or a little data) placed for one
// test and removed afterwards.
class PlacedFile {
public:
    enum Kind { Player, Data };
    PlacedFile(const std::string& path, Kind kind = Data);
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

// While this lives, the system has no cmd.exe for WinExec to find.
class ShellMissing {
public:
    ShellMissing();
    ~ShellMissing();
    ShellMissing(const ShellMissing&) = delete;
    ShellMissing& operator=(const ShellMissing&) = delete;

private:
    std::wstring m_shell;
};

// A folder path of exactly `length` characters below C:\.
std::string FolderOfLength(size_t length);
