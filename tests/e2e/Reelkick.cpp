#include "Reelkick.h"

#include <dlgs.h>
#include <gtest/gtest.h>
#include <psapi.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace {

const UINT kAnswerMs = 20000;

// Reelkick starts its programs from a window, without a console, so the
// console program it starts (the shell, or the player itself) gets a console
// of its own, which the player that the shell starts shares. Its host,
// conhost.exe, runs in the job too, on Windows from 8 on and on Wine alike:
// one process of each press that is no program of reelkick's.
const DWORD kConsoleHostsPerPress = 1;

// The programs among `processes` that one press started.
size_t ProgramsAmong(DWORD processes) {
    return processes > kConsoleHostsPerPress ? processes - kConsoleHostsPerPress : 0;
}

void Require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what);
}

// Makes `wnd` the active window, as a user's click would.
bool MakeActive(HWND wnd) {
    return WaitFor([&] {
        if (::GetForegroundWindow() == wnd) return true;
        ::SetForegroundWindow(wnd);
        return false;
    });
}

std::string LastError() { return " (error " + std::to_string(::GetLastError()) + ")"; }

// `arg` as a program's command line must hold it for CommandLineToArgvW to
// give it back whole: quoted, with the backslashes before a quote, its own
// or the closing one, doubled.
std::wstring Quoted(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'"') quoted.append(backslashes + 1, L'\\');
        backslashes = c == L'\\' ? backslashes + 1 : 0;
        quoted += c;
    }
    return quoted.append(backslashes, L'\\') + L"\"";
}

struct WindowQuery {
    DWORD threadId;
    std::wstring className;
    std::wstring caption;  // empty: any
    HWND owner;            // null: any
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND wnd, LPARAM param) {
    auto* query = reinterpret_cast<WindowQuery*>(param);
    if (::GetWindowThreadProcessId(wnd, nullptr) != query->threadId || !::IsWindowVisible(wnd)) return TRUE;
    wchar_t text[256] = L"";
    ::GetClassNameW(wnd, text, 256);
    if (query->className != text) return TRUE;
    ::GetWindowTextW(wnd, text, 256);
    if (!query->caption.empty() && query->caption != text) return TRUE;
    if (query->owner && ::GetWindow(wnd, GW_OWNER) != query->owner) return TRUE;
    query->found = wnd;
    return FALSE;
}

HWND FindWindowOf(DWORD threadId, const std::wstring& caption, HWND owner) {
    WindowQuery query = { threadId, L"#32770", caption, owner, nullptr };
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// Removes `path` with everything in it. std::filesystem::remove_all never
// returns under Wine for a folder whose path is longer than MAX_PATH.
void RemoveTree(const std::wstring& path, std::error_code& error) {
    WIN32_FIND_DATAW entry;
    HANDLE found = ::FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (found != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName, inner = path + L"\\" + name;
            if (name == L"." || name == L"..") continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(inner, error);
            else if (!::DeleteFileW(inner.c_str()))
                error.assign(static_cast<int>(::GetLastError()), std::system_category());
        } while (::FindNextFileW(found, &entry));
        ::FindClose(found);
    }
    const DWORD gone = ::RemoveDirectoryW(path.c_str()) ? ERROR_FILE_NOT_FOUND : ::GetLastError();
    if (gone != ERROR_FILE_NOT_FOUND && gone != ERROR_PATH_NOT_FOUND)
        error.assign(static_cast<int>(gone), std::system_category());
}

// A player that has just written its record may still be running for a
// moment, and on Windows its file cannot be replaced or removed until it
// has ended. Gives up loudly.
template <typename Action>
void Patiently(const char* what, const std::string& path, Action action) {
    std::error_code error;
    if (WaitFor([&] {
            error.clear();
            action(error);
            return !error;
        }))
        return;
    ADD_FAILURE() << what << " " << path << " still failed after 20 s: " << error.message();
}

}  // namespace

bool UnderWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

LRESULT Send(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    Require(::SendMessageTimeoutW(wnd, message, wParam, lParam, SMTO_NORMAL, kAnswerMs, &result) != 0,
            "no answer within 20 s to message " + std::to_string(message) + LastError());
    return static_cast<LRESULT>(result);
}

std::string BinFolder() { return Utf8(BinFolderW()); }

bool InTestPrefix() {
    if (fs::exists("C:\\reelkick-test-prefix.txt")) return true;
    std::fprintf(stderr,
                 "These tests create and delete files on drives C: and D:, so they run only in the Wine prefix "
                 "that scripts/test prepares (C:\\reelkick-test-prefix.txt is missing here). Run scripts/test.\n");
    return false;
}

std::string Scratch(const std::string& name) { return "C:\\reelkick-tests\\" + name; }

PlayerLog::PlayerLog() {
    static int serial = 0;
    m_path = Scratch("player-" + std::to_string(++serial) + ".log");
    fs::remove(fs::u8path(m_path));
}

PlayerLog::~PlayerLog() {
    std::error_code ignored;
    fs::remove(fs::u8path(m_path), ignored);
}

std::vector<PlayerStart> PlayerLog::Starts() const {
    std::vector<PlayerStart> starts;
    std::ifstream log(fs::u8path(m_path), std::ios::binary);
    PlayerStart current;
    for (std::string line; std::getline(log, line);) {
        if (line.rfind("cmdline ", 0) == 0) current = PlayerStart{ line.substr(8), {} };
        else if (line.rfind("arg ", 0) == 0) current.argv.push_back(line.substr(4));
        else if (line == "end") starts.push_back(current);
    }
    return starts;
}

Reelkick::Reelkick(const std::string& folder, const PlayerLog& log, const std::vector<std::string>& args,
                   const std::wstring& exe, HWND meanwhile)
    : m_log(log) {
    // The job ends whatever is left of it when this test program ends.
    m_job = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    Require(m_job && ::SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits),
            "no job object for reelkick" + LastError());

    ::SetEnvironmentVariableW(L"REELKICK_PLAYER_LOG", Wide(log.Path()).c_str());
    const auto started = std::chrono::steady_clock::now();
    std::wstring commandLine = L"\"" + exe + L"\"";
    for (const std::string& arg : args) commandLine += L" " + Quoted(Wide(arg));
    STARTUPINFOW startup = { sizeof startup };
    // Without this program's console, as Explorer starts it: a console
    // passed down would spare each start a console of its own, and spare
    // reelkick's window the console windows that users see.
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_SUSPENDED | DETACHED_PROCESS, nullptr, Wide(folder).c_str(), &startup, &m_process)) {
        const DWORD error = ::GetLastError();
        throw std::runtime_error(Utf8(exe) + " did not start in " + folder + " (error " + std::to_string(error) + ")");
    }
    // A constructor that throws runs no destructor: whatever started ends here.
    try {
        Require(::AssignProcessToJobObject(m_job, m_process.hProcess), "reelkick.exe is in no job" + LastError());
        ::ResumeThread(m_process.hThread);
        WaitUntilReady(exe, started, meanwhile);
    } catch (...) {
        End();
        throw;
    }
}

void Reelkick::WaitUntilReady(const std::wstring& exe, std::chrono::steady_clock::time_point started,
                              HWND meanwhile) {
    Require(WaitFor(
                [&] {
                    m_main = FindWindowOf(m_process.dwThreadId, L"Reelkick", nullptr);
                    return m_main || WaitForExit(0);
                },
                std::chrono::seconds(20), std::chrono::milliseconds(1)),
            "the main window did not appear within 20 s");
    DWORD binaryType = 0;
    Require(m_main != nullptr,
            Utf8(exe) + " ended before its window appeared" +
                (::GetBinaryTypeW(exe.c_str(), &binaryType) && binaryType == SCS_32BIT_BINARY
                     ? ": a 32-bit exe needs 32-bit Wine (Debian's wine32:i386)"
                     : ""));
    if (meanwhile) ActivateMeanwhile(meanwhile);
    Sync();
    m_readyMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    // The shell probe ran before the window was shown.
    WaitUntilChildrenEnded();
    m_baseline = TotalProcesses();
    // The window the user has just started is the one the keyboard goes to,
    // also after the probe's console window has come and gone.
    if (!meanwhile) {
        Require(WaitFor([&] { return ::GetForegroundWindow() == m_main; }),
                "the main window was not active within 20 s of start-up");
    }
    Sync();
}

// The window thread stops once the window has come up and been made the
// active one, which it does first of all, and has handled what came with
// that: held before, it would make itself active again once let go. The
// probe, which reelkick started before it showed its window, is still
// running then, and its console host with it: starting them takes far
// longer.
void Reelkick::ActivateMeanwhile(HWND wnd) {
    Require(WaitFor([&] { return ::GetForegroundWindow() == m_main; }), "the window did not become the active one");
    Sync();
    Require(::SuspendThread(m_process.hThread) != static_cast<DWORD>(-1), "reelkick could not be held" + LastError());
    const bool probeRan = RunningChildren() > 0;
    WaitUntilChildrenEnded();
    const bool active = MakeActive(wnd);
    ::ResumeThread(m_process.hThread);
    Require(probeRan, "the start-up probe had ended before reelkick's window was seen");
    Require(active, "the test's window could not be made the active one");
}

Reelkick::~Reelkick() {
    if (!WaitFor([&] { return RunningChildren() == 0; }))
        ADD_FAILURE() << RunningChildren() << " process(es) started by reelkick outlived the test";
    End();
}

void Reelkick::End() {
    ::TerminateJobObject(m_job, 1);
    ::WaitForSingleObject(m_process.hProcess, 5000);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
    ::CloseHandle(m_job);
}

JOBOBJECT_BASIC_ACCOUNTING_INFORMATION Reelkick::Accounting() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
    ::QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr);
    return info;
}

DWORD Reelkick::TotalProcesses() const { return Accounting().TotalProcesses; }

size_t Reelkick::RunningChildren() const {
    const DWORD running = Accounting().ActiveProcesses;
    const DWORD self = ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT ? 1 : 0;
    return running > self ? running - self : 0;
}

size_t Reelkick::Started() const { return ProgramsAmong(TotalProcesses() - m_baseline); }

void Reelkick::WaitForStarted(size_t count) const {
    Require(WaitFor([&] { return Started() >= count; }),
            "reelkick started " + std::to_string(Started()) + " process(es) within 20 s, not " + std::to_string(count));
}

void Reelkick::WaitUntilChildrenEnded() const {
    Require(WaitFor([&] { return RunningChildren() == 0; }),
            std::to_string(RunningChildren()) + " process(es) started by reelkick still run after 20 s");
}

std::vector<PlayerStart> Reelkick::Players() const {
    WaitUntilChildrenEnded();
    return m_log.Starts();
}

std::string WindowText(HWND wnd) {
    // GetWindowText would not ask a window of another process for its text.
    auto length = Send(wnd, WM_GETTEXTLENGTH);
    std::wstring text(length + 1, L'\0');
    length = Send(wnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return Utf8(text);
}

std::string Reelkick::Text(int id) const { return WindowText(Item(id)); }

void Reelkick::SetText(int id, const std::string& text) {
    Send(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

int Reelkick::Check(int id) const { return static_cast<int>(Send(Item(id), BM_GETCHECK)); }

bool Reelkick::Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }

bool Reelkick::IsDefaultButton(int id) const {
    return (::GetWindowLongW(Item(id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

std::vector<std::string> Reelkick::ComboItems(int id) const {
    std::vector<std::string> items;
    auto count = Send(Item(id), CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(Send(Item(id), CB_GETLBTEXTLEN, i) + 1, L'\0');
        auto length = Send(Item(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(length);
        items.push_back(Utf8(text));
    }
    return items;
}

size_t Reelkick::Click(int id) {
    WaitUntilChildrenEnded();
    const DWORD before = TotalProcesses();
    Send(Item(id), BM_CLICK);
    Sync();
    // A shell may start the player after the handler has returned.
    WaitUntilChildrenEnded();
    return ProgramsAmong(TotalProcesses() - before);
}

HWND Reelkick::TypeIntoFileDialog(int id, const std::string& path) {
    ::PostMessageW(Item(id), BM_CLICK, 0, 0);
    HWND dialog = WaitForOwnedDialog();
    HWND name = ::GetDlgItem(dialog, cmb13) ? ::GetDlgItem(dialog, cmb13) : ::GetDlgItem(dialog, edt1);
    Send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(path).c_str()));
    Require(WindowText(name) == path, "the open-file dialog did not take the typed name " + path);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    return dialog;
}

void Reelkick::ChooseFile(int id, const std::string& path) {
    WaitUntilGone(TypeIntoFileDialog(id, path));
    Sync();
}

std::string Reelkick::RefusedFile(int id, const std::string& path) {
    HWND dialog = TypeIntoFileDialog(id, path);
    HWND box = nullptr;
    Require(WaitFor([&] { return !::IsWindow(dialog) || (box = FindWindowOf(m_process.dwThreadId, L"", dialog)); }),
            "the open-file dialog neither closed nor said why within 20 s");
    Require(box != nullptr, "the open-file dialog took " + path);
    const std::string text = WindowText(::GetDlgItem(box, 0xFFFF));
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitUntilGone(box);
    Cancel(dialog);
    return text;
}

namespace {

// What the shell hands over for a drop, and what Explorer copies: a
// DROPFILES header, each name with its NUL, and one more NUL.
std::string DropBlock(const std::vector<std::string>& paths) {
    std::wstring names;
    for (const std::string& path : paths) names += Wide(path) + L'\0';
    names += L'\0';
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    return block.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
}

// Empties the clipboard and puts `data` on it in `format`, unless it is empty.
void Copy(UINT format, const std::string& data) {
    HGLOBAL block = data.empty() ? nullptr : ::GlobalAlloc(GMEM_MOVEABLE, data.size());
    if (block) {
        std::memcpy(::GlobalLock(block), data.data(), data.size());
        ::GlobalUnlock(block);
    }
    // Another program may hold the clipboard open for a moment.
    Require(WaitFor([] { return ::OpenClipboard(nullptr) != FALSE; }), "the clipboard stayed busy for 20 s");
    ::EmptyClipboard();
    const bool put = !block || ::SetClipboardData(format, block);
    ::CloseClipboard();
    Require(put, "nothing could be put on the clipboard" + LastError());
}

}  // namespace

void CopyText(const std::string& text) {
    const std::wstring wide = Wide(text);
    Copy(CF_UNICODETEXT, text.empty() ? std::string()
                                      : std::string(reinterpret_cast<const char*>(wide.c_str()),
                                                    (wide.size() + 1) * sizeof(wchar_t)));
}

void CopyFiles(const std::vector<std::string>& paths) { Copy(CF_HDROP, DropBlock(paths)); }

void Reelkick::TypePaste(int watched, bool shiftInsert) {
    const std::string before = Text(watched);
    // Keys go to the active window; another test's reelkick may have had it last.
    Require(MakeActive(m_main), "the main window could not be made the active one");
    const WORD modifier = shiftInsert ? VK_SHIFT : VK_CONTROL, key = shiftInsert ? VK_INSERT : 'V';
    INPUT keys[4] = {};
    const WORD order[4] = { modifier, key, key, modifier };
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    Require(::SendInput(4, keys, sizeof(INPUT)) == 4, "the keys could not be typed" + LastError());
    Require(WaitFor([&] { return Text(watched) != before; }),
            "control " + std::to_string(watched) + " did not change within 20 s of the paste keys");
    Sync();
}

void Reelkick::Drop(const std::vector<std::string>& paths) {
    // The block has to lie in reelkick's own memory. The shell's block
    // comes from GlobalAlloc, which only reelkick itself could call; Wine's
    // DragFinish lets go of this one without harm, and it is freed here.
    const std::string block = DropBlock(paths);
    void* drop = ::VirtualAllocEx(m_process.hProcess, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    Require(drop && ::WriteProcessMemory(m_process.hProcess, drop, block.data(), block.size(), nullptr),
            "no room for a drop in reelkick's memory" + LastError());
    Send(m_main, WM_DROPFILES, reinterpret_cast<WPARAM>(drop));
    ::VirtualFreeEx(m_process.hProcess, drop, 0, MEM_RELEASE);
}

void Reelkick::CancelFileDialog(int id) {
    ::PostMessageW(Item(id), BM_CLICK, 0, 0);
    Cancel(WaitForOwnedDialog());
}

void Reelkick::Cancel(HWND dialog) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDCANCEL)));
    WaitUntilGone(dialog);
    Sync();
}

void Reelkick::Focus(int id) {
    Send(m_main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    Sync();
}

int Reelkick::FocusedId() const {
    GUITHREADINFO info = { sizeof info };
    ::GetGUIThreadInfo(m_process.dwThreadId, &info);
    // The framerate box's focus sits in its edit field, a child of the box.
    HWND focus = info.hwndFocus;
    while (focus && ::GetParent(focus) != m_main) focus = ::GetParent(focus);
    return focus ? ::GetDlgCtrlID(focus) : 0;
}

bool Reelkick::WaitForFocus(int id) const {
    // Keys and clicks are posted, and a sent message would overtake them;
    // once the focus has moved, a sync waits for the rest of their handling.
    bool moved = WaitFor([&] { return FocusedId() == id; }, std::chrono::seconds(5));
    Sync();
    return moved;
}

void Reelkick::Key(UINT virtualKey) {
    GUITHREADINFO info = { sizeof info };
    ::GetGUIThreadInfo(m_process.dwThreadId, &info);
    HWND target = info.hwndFocus ? info.hwndFocus : m_main;
    ::PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
}

void Reelkick::AltKey(char letter) {
    GUITHREADINFO info = { sizeof info };
    ::GetGUIThreadInfo(m_process.dwThreadId, &info);
    HWND target = info.hwndFocus ? info.hwndFocus : m_main;
    ::PostMessageW(target, WM_SYSCHAR, static_cast<WPARAM>(letter), 1 << 29);
}

void Reelkick::PostClick(int id) { ::PostMessageW(Item(id), BM_CLICK, 0, 0); }

void Reelkick::WaitForCheck(int id, int state) const {
    Require(WaitFor([&] { return Check(id) == state; }), "check box " + std::to_string(id) + " did not change");
}

size_t Reelkick::BytesInUse() const {
    PROCESS_MEMORY_COUNTERS counters = { sizeof counters };
    Require(::GetProcessMemoryInfo(m_process.hProcess, &counters, sizeof counters), "no memory figures" + LastError());
    return counters.PagefileUsage;
}

void Reelkick::Sync() const {
    // Only a thread back in its message loop answers a message from another
    // process, so the answer means every earlier handler has finished.
    Send(m_main, WM_NULL);
}

bool Reelkick::WaitForExit(DWORD ms) { return ::WaitForSingleObject(m_process.hProcess, ms) == WAIT_OBJECT_0; }

HWND Reelkick::WaitForOwnedDialog(const std::string& caption) const {
    HWND dialog = nullptr;
    Require(WaitFor([&] { return (dialog = FindWindowOf(m_process.dwThreadId, Wide(caption), m_main)) != nullptr; }),
            "no dialog opened over the main window within 20 s");
    return dialog;
}

void Reelkick::WaitUntilGone(HWND wnd) const {
    if (WaitFor([&] { return !::IsWindow(wnd); })) return;
    // A message box over the dialog usually says why it stayed.
    HWND box = FindWindowOf(m_process.dwThreadId, L"", wnd);
    Require(false, "the dialog did not close within 20 s" +
                       (box ? ": a box over it says \"" + WindowText(::GetDlgItem(box, 0xFFFF)) + "\"" : ""));
}

PlacedFile::PlacedFile(const std::string& path, Kind kind, const std::string& build) : m_path(path) {
    if (kind == Data) {
        Require(static_cast<bool>(std::ofstream(fs::u8path(m_path)) << "test data\n"), "could not write " + m_path);
        return;
    }
    Patiently("copying the player to", m_path, [&](std::error_code& error) {
        fs::copy_file(fs::u8path(BinFolder() + "\\" + build + ".exe"), fs::u8path(m_path),
                      fs::copy_options::overwrite_existing, error);
    });
}

PlacedFile::PlacedFile(const std::string& path, const std::string& contents) : m_path(path) {
    Require(static_cast<bool>(std::ofstream(fs::u8path(m_path), std::ios::binary) << contents),
            "could not write " + m_path);
}

PlacedFile::~PlacedFile() {
    Patiently("removing", m_path, [&](std::error_code& error) { fs::remove(fs::u8path(m_path), error); });
}

ScratchFolder::ScratchFolder(const std::string& path) : m_path(path) {
    Require(fs::u8path(m_path).has_relative_path(), "a scratch folder must not be a drive root");
    Patiently("clearing", m_path, [&](std::error_code& error) { RemoveTree(Wide(m_path), error); });
    fs::create_directories(fs::u8path(m_path));
}

ScratchFolder::~ScratchFolder() {
    Patiently("removing", m_path, [&](std::error_code& error) { RemoveTree(Wide(m_path), error); });
}

namespace {

// The shell of each system folder: a 32-bit reelkick looks for its shell in
// the 32-bit one, which a prefix has only where 32-bit Wine is installed.
std::vector<std::wstring> SystemShells() {
    std::vector<std::wstring> shells;
    wchar_t folder[MAX_PATH];
    if (::GetSystemDirectoryW(folder, MAX_PATH)) shells.push_back(std::wstring(folder) + L"\\cmd.exe");
    if (::GetSystemWow64DirectoryW(folder, MAX_PATH)) shells.push_back(std::wstring(folder) + L"\\cmd.exe");
    return shells;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

// Moves aside only the shells there are, and puts back what it moved when a
// move fails halfway: a shell left away would fail every later test.
ShellMissing::ShellMissing() {
    for (const std::wstring& shell : SystemShells()) {
        if (!Exists(shell)) continue;
        if (!::MoveFileW(shell.c_str(), (shell + L".away").c_str())) {
            const std::string why = Utf8(shell) + " could not be moved aside" + LastError();
            PutBack();
            throw std::runtime_error(why);
        }
        m_shells.push_back(shell);
    }
}

ShellMissing::~ShellMissing() { PutBack(); }

void ShellMissing::PutBack() {
    for (const std::wstring& shell : m_shells)
        if (!::MoveFileW((shell + L".away").c_str(), shell.c_str()))
            ADD_FAILURE() << Utf8(shell) << " could not be put back" << LastError();
    m_shells.clear();
}

void ShellMissing::PutBackLeftovers() {
    for (const std::wstring& shell : SystemShells())
        if (!Exists(shell) && Exists(shell + L".away")) ::MoveFileW((shell + L".away").c_str(), shell.c_str());
}

std::string FolderOfLength(size_t length) {
    std::string path = Scratch("deep");
    Require(length >= path.size() + 2, "too short for a folder below " + path);
    // Segments of at most 40 characters; never leave room for a lone backslash.
    for (char letter = 'a'; path.size() < length; ++letter) {
        size_t room = length - path.size() - 1;
        size_t segment = room <= 40 ? room : (room - 40 >= 2 ? 40 : 38);
        path += "\\" + std::string(segment, letter);
    }
    return path;
}
