// CFileList: the files handed to the program from outside, read through the
// shell's own calls: those dropped onto a window that accepts them
// (WM_DROPFILES) or copied to the clipboard (CF_HDROP), or those named on
// the program's command line, as Explorer's "Open with", "Send To" and a
// drop onto the program's icon name them. Each is its full path in the ANSI
// code page, whatever its length; "" for a name that names nothing.
#pragma once

#include <windows.h>

#include "CStringArray.h"

class CFileList : public CStringArray {
public:
    // The files of a drop, which then goes back to the system, which frees
    // it; files on the clipboard (`fromClipboard`) stay the clipboard's.
    explicit CFileList(HDROP drop, bool fromClipboard = false);
    // The arguments after the program's own name, split as CommandLineToArgvW
    // splits them, each resolved against the working folder; an address
    // (scheme://…) is kept as written. Without arguments the shell is not
    // loaded.
    CFileList();
};
