// A stand-in for mplayer.exe that writes down how it was started: one record
// per start, appended to the UTF-8 file named by REELKICK_PLAYER_LOG.
//
//   cmdline <the raw command line>
//   arg <argv[0]>
//   arg <argv[1]> ...
//   end
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "Utf8.h"

int main() {
    wchar_t logPath[MAX_PATH * 4];
    if (!::GetEnvironmentVariableW(L"REELKICK_PLAYER_LOG", logPath, MAX_PATH * 4)) return 2;

    const wchar_t* commandLine = ::GetCommandLineW();
    std::string record = "cmdline " + Utf8(commandLine) + "\n";
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(commandLine, &argc);
    for (int i = 0; argv && i < argc; ++i) record += "arg " + Utf8(argv[i]) + "\n";
    record += "end\n";
    ::LocalFree(argv);

    // Players may start close together; each record goes in with one write.
    HANDLE log = ::CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    ::WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    ::CloseHandle(log);
    return 0;
}
