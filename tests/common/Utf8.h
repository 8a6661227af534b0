// Conversions between the UTF-16 of the Windows API and the UTF-8 of the tests.
#pragma once

#include <string>

std::string Utf8(const std::wstring& wide);
std::wstring Wide(const std::string& utf8);
