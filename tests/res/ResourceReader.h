// Reads the resources of a built executable, loaded as data, into plain
// descriptions that a test can compare with the expected ones.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Utf8.h"

using Bytes = std::vector<BYTE>;

class ResourceFile {
public:
    explicit ResourceFile(const std::wstring& path);
    ~ResourceFile();
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    // The resource's bytes in exactly this language; empty when there is none.
    Bytes Get(WORD type, WORD id, LANGID language) const;
    // Every resource as "type/id/language", in hexadecimal, sorted.
    std::vector<std::string> Inventory() const;
    // The DLLs that the executable imports from, upper-cased and sorted.
    std::vector<std::string> Imports() const;

private:
    HMODULE m_module;
};

// A dialog template, classic or extended, one field or item per line.
std::string DescribeDialog(const Bytes& resource);
// The sixteen strings of a string-table block, one per line.
std::string DescribeStringBlock(const Bytes& resource);
// A version resource: the fixed part, then every string and variable in order.
std::string DescribeVersion(const Bytes& resource);
