#include "Utf8.h"

#include <windows.h>

std::string Utf8(const std::wstring& wide) {
    int size = static_cast<int>(wide.size());
    int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(bytes, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring Wide(const std::string& utf8) {
    int size = static_cast<int>(utf8.size());
    int units = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring result(units, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, result.data(), units);
    return result;
}
