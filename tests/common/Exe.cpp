#include "Exe.h"

#include <windows.h>

#include <filesystem>

std::wstring BinFolderW() {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().wstring();
}

std::wstring ReelkickExe() {
    wchar_t named[MAX_PATH] = L"";
    if (::GetEnvironmentVariableW(L"REELKICK_EXE", named, MAX_PATH)) return named;
    return BinFolderW() + L"\\reelkick.exe";
}
