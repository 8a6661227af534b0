#include "Reelkick.h"

#include <dlgs.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace {

const auto kPatience = std::chrono::seconds(20);

// Polls `done` until it holds or patience runs out.
template <typename Condition>
bool WaitFor(Condition done, std::chrono::milliseconds patience = kPatience) {
    auto until = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
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

void Require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

}  // namespace

bool UnderWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::string BinFolder() {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return Utf8(fs::path(path).parent_path().wstring());
}

Reelkick::Reelkick(const std::string& folder, const std::string& playerLog) {
    ::SetEnvironmentVariableW(L"REELKICK_PLAYER_LOG", Wide(playerLog).c_str());
    std::wstring exe = Wide(BinFolder() + "\\reelkick.exe");
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = { sizeof startup };
    Require(::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             Wide(folder).c_str(), &startup, &m_process),
            "reelkick.exe did not start");
    ::WaitForInputIdle(m_process.hProcess, 10000);
    Require(WaitFor([&] { return (m_main = FindWindowOf(m_process.dwThreadId, L"Reelkick", nullptr)) != nullptr; }),
            "the main window did not appear");
    Sync();
}

Reelkick::~Reelkick() {
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, 5000);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

std::string WindowText(HWND wnd) {
    // GetWindowText would not ask a window of another process for its text.
    auto length = ::SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(length + 1, L'\0');
    length = ::SendMessageW(wnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return Utf8(text);
}

std::string Reelkick::Text(int id) const { return WindowText(Item(id)); }

void Reelkick::SetText(int id, const std::string& text) {
    ::SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

int Reelkick::Check(int id) const { return static_cast<int>(::SendMessageW(Item(id), BM_GETCHECK, 0, 0)); }

bool Reelkick::Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }

std::vector<std::string> Reelkick::ComboItems(int id) const {
    std::vector<std::string> items;
    auto count = ::SendMessageW(Item(id), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(::SendMessageW(Item(id), CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
        auto length = ::SendMessageW(Item(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(length);
        items.push_back(Utf8(text));
    }
    return items;
}

void Reelkick::Click(int id) {
    ::SendMessageW(Item(id), BM_CLICK, 0, 0);
    Sync();
}

void Reelkick::ChooseFile(int id, const std::string& path) {
    ::PostMessageW(Item(id), BM_CLICK, 0, 0);
    HWND dialog = WaitForOwnedDialog();
    HWND name = ::GetDlgItem(dialog, cmb13) ? ::GetDlgItem(dialog, cmb13) : ::GetDlgItem(dialog, edt1);
    ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(path).c_str()));
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    WaitUntilGone(dialog);
    Sync();
}

void Reelkick::CancelFileDialog(int id) {
    ::PostMessageW(Item(id), BM_CLICK, 0, 0);
    HWND dialog = WaitForOwnedDialog();
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDCANCEL)));
    WaitUntilGone(dialog);
    Sync();
}

void Reelkick::Focus(int id) {
    ::SendMessageW(m_main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
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

void Reelkick::Sync() const {
    // Only a thread back in its message loop answers a message from another
    // process, so the answer means every earlier handler has finished.
    DWORD_PTR result;
    ::SendMessageTimeoutW(m_main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
}

bool Reelkick::WaitForExit(DWORD ms) { return ::WaitForSingleObject(m_process.hProcess, ms) == WAIT_OBJECT_0; }

HWND Reelkick::WaitForOwnedDialog(const std::string& caption) const {
    HWND dialog = nullptr;
    Require(WaitFor([&] { return (dialog = FindWindowOf(m_process.dwThreadId, Wide(caption), m_main)) != nullptr; }),
            "no dialog opened over the main window");
    return dialog;
}

void Reelkick::WaitUntilGone(HWND wnd) const {
    Require(WaitFor([&] { return !::IsWindow(wnd); }), "the dialog did not close");
}

PlayerLog::PlayerLog() {
    static int serial = 0;
    fs::create_directories("C:\\reelkick-tests");
    m_path = "C:\\reelkick-tests\\player-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++serial) + ".log";
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

std::vector<PlayerStart> PlayerLog::WaitForStarts(size_t count) const {
    WaitFor([&] { return Starts().size() >= count; });
    return Starts();
}

std::vector<PlayerStart> PlayerLog::StartsAfterGrace() const {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    return Starts();
}

// A player that has just written its record may still be running for a
// moment, and its file cannot be replaced or removed until it has ended.
template <typename Action>
void Patiently(Action action) {
    WaitFor([&] {
        std::error_code error;
        action(error);
        return !error;
    });
}

PlacedFile::PlacedFile(const std::string& path, Kind kind) : m_path(path) {
    if (kind == Data) {
        std::ofstream(fs::u8path(m_path)) << "test data\n";
        return;
    }
    Patiently([&](std::error_code& error) {
        fs::copy_file(fs::u8path(BinFolder() + "\\mplayer.exe"), fs::u8path(m_path),
                      fs::copy_options::overwrite_existing, error);
    });
}

PlacedFile::~PlacedFile() {
    Patiently([&](std::error_code& error) { fs::remove(fs::u8path(m_path), error); });
}

ScratchFolder::ScratchFolder(const std::string& path) : m_path(path) {
    Require(fs::u8path(m_path).has_relative_path(), "a scratch folder must not be a drive root");
    Patiently([&](std::error_code& error) { fs::remove_all(fs::u8path(m_path), error); });
    fs::create_directories(fs::u8path(m_path));
}

ScratchFolder::~ScratchFolder() {
    Patiently([&](std::error_code& error) { fs::remove_all(fs::u8path(m_path), error); });
}

ShellMissing::ShellMissing() {
    wchar_t system[MAX_PATH];
    ::GetSystemDirectoryW(system, MAX_PATH);
    m_shell = std::wstring(system) + L"\\cmd.exe";
    Require(::MoveFileW(m_shell.c_str(), (m_shell + L".away").c_str()), "cmd.exe could not be moved aside");
}

ShellMissing::~ShellMissing() { ::MoveFileW((m_shell + L".away").c_str(), m_shell.c_str()); }

std::string FolderOfLength(size_t length) {
    std::string path = "C:\\rk-deep";
    Require(length >= path.size() + 2, "too short for a folder below C:\\rk-deep");
    // Segments of at most 40 characters; never leave room for a lone backslash.
    for (char letter = 'a'; path.size() < length; ++letter) {
        size_t room = length - path.size() - 1;
        size_t segment = room <= 40 ? room : (room - 40 >= 2 ? 40 : 38);
        path += "\\" + std::string(segment, letter);
    }
    return path;
}
