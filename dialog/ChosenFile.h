// A file that the user chose, in an open-file dialog, by dropping it onto
// the window or by naming it on the command line, with the parts that the
// choosers judge it by.
#pragma once

#include <windows.h>

#include "CString.h"

struct ChosenFile {
    // `fullPath` may be a link too (Links.h).
    explicit ChosenFile(const CString& fullPath);

    CString path;      // full path, or the whole link
    bool link;         // a link to a stream, which is always the movie
    CString name;      // name with extension, without folder; a link's is
                       // the last part of its path, without query or fragment
    CString ext;       // the characters after the name's last dot, in the file's own case; "" when none
    CString upperExt;  // the same, upper-cased for the table tests
};

// True when the subtitle chooser accepts the file's extension.
bool IsSubtitle(const ChosenFile& file);
// True when a file dropped or named on the command line is taken as a
// subtitle: the chooser's extensions, and today's formats besides.
bool IsGivenSubtitle(const ChosenFile& file);
// True for an internet shortcut, which holds a link.
bool IsShortcut(const ChosenFile& file);

// The attributes of the file or folder at `path`, a full path of any
// length; INVALID_FILE_ATTRIBUTES when there is none.
DWORD AttributesOf(const CString& path);
