// CReelkickApp: runs the main window once, modally; the program ends with it.
#pragma once

#include "CWinApp.h"

class CReelkickApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
