#include "ChosenFile.h"

#include <mbstring.h>

#include <cstring>

#include "CWideString.h"
#include "Links.h"

namespace {

// The part after the last `separator`, or the whole text when there is none.
// _mbsrchr does not mistake the trail byte of a double-byte character for it.
const char* After(const char* text, unsigned separator) {
    auto* found = _mbsrchr(reinterpret_cast<const unsigned char*>(text), separator);
    return found ? reinterpret_cast<const char*>(found) + 1 : text;
}

}  // namespace

ChosenFile::ChosenFile(const CString& fullPath) : path(fullPath), link(IsLink(fullPath)) {
    // What a link streams is named by its path; its query and fragment are
    // the server's business.
    const CString named(path.GetString(),
                        link ? static_cast<int>(std::strcspn(path.GetString(), "?#")) : path.GetLength());
    name = After(After(named.GetString(), '\\'), '/');
    const char* afterDot = After(name.GetString(), '.');
    ext = afterDot == name.GetString() ? "" : afterDot;
    upperExt = ext;
    upperExt.MakeUpper();
}

DWORD AttributesOf(const CString& path) { return ::GetFileAttributesW(CWideString(path).ForFileCalls().GetBuffer()); }
