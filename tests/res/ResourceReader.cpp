#include "ResourceReader.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

// Reads a resource's little-endian fields in order, refusing to run past its end.
class Reader {
public:
    explicit Reader(const Bytes& bytes) : m_bytes(bytes) {}

    size_t At() const { return m_at; }
    bool AtEnd() const { return m_at >= m_bytes.size(); }
    void Seek(size_t at) { m_at = at; }
    void AlignTo4() { m_at = (m_at + 3) & ~size_t(3); }

    template <typename T>
    T Read() {
        if (m_at + sizeof(T) > m_bytes.size()) throw std::runtime_error("resource ends early");
        T value;
        std::memcpy(&value, m_bytes.data() + m_at, sizeof(T));
        m_at += sizeof(T);
        return value;
    }
    WORD Word() { return Read<WORD>(); }
    DWORD Dword() { return Read<DWORD>(); }
    short Short() { return Read<short>(); }

    std::string String() {
        std::wstring text;
        for (WORD unit; (unit = Word()) != 0;) text += static_cast<wchar_t>(unit);
        return Utf8(text);
    }
    // A name field: none, an ordinal ("#n") or a string.
    std::string NameOrOrdinal() {
        WORD first = Word();
        if (first == 0) return "none";
        if (first == 0xFFFF) return "#" + std::to_string(Word());
        m_at -= 2;
        return "\"" + String() + "\"";
    }

private:
    const Bytes& m_bytes;
    size_t m_at = 0;
};

// The style fields that open a template's header and each of its items.
struct Styles {
    DWORD helpId = 0, exStyle = 0, style = 0;
};

Styles ReadStyles(Reader& in, bool extended) {
    Styles s;
    if (extended) {
        s.helpId = in.Dword();
        s.exStyle = in.Dword();
        s.style = in.Dword();
    } else {
        s.style = in.Dword();
        s.exStyle = in.Dword();
    }
    return s;
}

std::string DescribeStyles(const Styles& s) {
    return "style=" + Hex(s.style) + " exstyle=" + Hex(s.exStyle) + " help=" + Hex(s.helpId);
}

std::string DescribeItem(Reader& in, bool extended) {
    Styles styles = ReadStyles(in, extended);
    short x = in.Short(), y = in.Short(), cx = in.Short(), cy = in.Short();
    DWORD id = extended ? in.Dword() : in.Word();
    std::string cls = in.NameOrOrdinal();
    std::string text = in.NameOrOrdinal();
    WORD extra = in.Word();
    in.Seek(in.At() + extra);
    in.AlignTo4();
    return "item id=" + Hex(id) + " class=" + cls + " text=" + text + " " + DescribeStyles(styles) + " at=" + std::to_string(x) + "," + std::to_string(y) + " size=" +
           std::to_string(cx) + "x" + std::to_string(cy) + " extra=" + std::to_string(extra) + "\n";
}

}  // namespace

ResourceFile::ResourceFile(const std::wstring& path)
    : m_module(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}

ResourceFile::~ResourceFile() {
    if (m_module) ::FreeLibrary(m_module);
}

Bytes ResourceFile::Get(WORD type, WORD id, LANGID language) const {
    HRSRC info = ::FindResourceExW(m_module, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), language);
    if (!info) return {};
    auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(m_module, info)));
    return Bytes(data, data + ::SizeofResource(m_module, info));
}

std::vector<std::string> ResourceFile::Inventory() const {
    struct Walk {
        static BOOL CALLBACK Language(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR list) {
            auto id = [](LPCWSTR value) { return IS_INTRESOURCE(value) ? Hex(LOWORD(value)) : Utf8(value); };
            reinterpret_cast<std::vector<std::string>*>(list)->push_back(id(type) + "/" + id(name) + "/" +
                                                                          Hex(language));
            return TRUE;
        }
        static BOOL CALLBACK Name(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR list) {
            ::EnumResourceLanguagesW(module, type, name, Language, list);
            return TRUE;
        }
        static BOOL CALLBACK Type(HMODULE module, LPWSTR type, LONG_PTR list) {
            ::EnumResourceNamesW(module, type, Name, list);
            return TRUE;
        }
    };
    std::vector<std::string> list;
    ::EnumResourceTypesW(m_module, Walk::Type, reinterpret_cast<LONG_PTR>(&list));
    std::sort(list.begin(), list.end());
    return list;
}

std::vector<std::string> ResourceFile::Imports() const {
    // Loaded as an image resource, the file is mapped like an image, so its
    // relative addresses hold; the handle's low bits only mark how it was loaded.
    auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(m_module) & ~ULONG_PTR(3));
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    // The optional header of a 32-bit (PE32) and a 64-bit (PE32+) image
    // differ in size, and so in where their data directories lie.
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
            ? reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT]
            : nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> dlls;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         directory.VirtualAddress && entry->Name; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        for (char& c : name) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
        dlls.push_back(name);
    }
    std::sort(dlls.begin(), dlls.end());
    return dlls;
}

std::string DescribeDialog(const Bytes& resource) {
    Reader in(resource);
    const bool extended = resource.size() > 4 && in.Word() == 1 && in.Word() == 0xFFFF;
    in.Seek(extended ? 4 : 0);
    Styles styles = ReadStyles(in, extended);
    WORD count = in.Word();
    short x = in.Short(), y = in.Short(), cx = in.Short(), cy = in.Short();
    std::string menu = in.NameOrOrdinal();
    std::string cls = in.NameOrOrdinal();
    std::string caption = in.String();
    std::string font = "none";
    if (styles.style & DS_SETFONT) {
        font = std::to_string(in.Word()) + "pt";
        if (extended) {
            font += " weight=" + std::to_string(in.Word());
            font += " italic=" + std::to_string(in.Read<BYTE>());
            font += " charset=" + std::to_string(in.Read<BYTE>());
        }
        font += " \"" + in.String() + "\"";
    }
    in.AlignTo4();
    std::string text = std::string(extended ? "extended " : "classic ") + DescribeStyles(styles) + " controls=" + std::to_string(count) + " at=" +
                       std::to_string(x) + "," + std::to_string(y) + " size=" + std::to_string(cx) + "x" +
                       std::to_string(cy) + " menu=" + menu + " class=" + cls + " caption=\"" + caption +
                       "\" font=" + font + "\n";
    for (WORD i = 0; i < count; ++i) text += DescribeItem(in, extended);
    return text;
}

std::string DescribeStringBlock(const Bytes& resource) {
    Reader in(resource);
    std::string text;
    for (int i = 0; i < 16; ++i) {
        WORD length = in.Word();
        std::wstring value;
        for (WORD j = 0; j < length; ++j) value += static_cast<wchar_t>(in.Word());
        text += "\"" + Utf8(value) + "\"\n";
    }
    if (!in.AtEnd()) text += "trailing bytes\n";
    return text;
}

namespace {

// One node of the version tree: its key, then its value, then its children.
void DescribeVersionNode(Reader& in, std::string& text, int depth) {
    size_t start = in.At();
    WORD length = in.Word();
    WORD valueLength = in.Word();
    WORD type = in.Word();
    std::string key = in.String();
    in.AlignTo4();
    text += std::string(depth * 2, ' ') + key;
    if (key == "VS_VERSION_INFO" && valueLength == sizeof(VS_FIXEDFILEINFO)) {
        auto fixed = in.Read<VS_FIXEDFILEINFO>();
        text += " signature=" + Hex(fixed.dwSignature) + " struc=" + Hex(fixed.dwStrucVersion) + " file=" +
                Hex(fixed.dwFileVersionMS) + "." + Hex(fixed.dwFileVersionLS) + " product=" +
                Hex(fixed.dwProductVersionMS) + "." + Hex(fixed.dwProductVersionLS) + " mask=" +
                Hex(fixed.dwFileFlagsMask) + " flags=" + Hex(fixed.dwFileFlags) + " os=" + Hex(fixed.dwFileOS) +
                " type=" + Hex(fixed.dwFileType) + " subtype=" + Hex(fixed.dwFileSubtype) + " date=" +
                Hex(fixed.dwFileDateMS) + "." + Hex(fixed.dwFileDateLS);
    } else if (type == 1 && valueLength > 0) {  // text, its length in characters
        text += " = \"" + in.String() + "\"";
    } else {
        for (WORD i = 0; i + 4 <= valueLength; i += 4) text += " " + Hex(in.Dword());
    }
    text += "\n";
    in.AlignTo4();
    while (in.At() < start + length) {
        DescribeVersionNode(in, text, depth + 1);
        in.AlignTo4();
    }
    in.Seek(start + length);
}

}  // namespace

std::string DescribeVersion(const Bytes& resource) {
    Reader in(resource);
    std::string text;
    DescribeVersionNode(in, text, 0);
    return text;
}
