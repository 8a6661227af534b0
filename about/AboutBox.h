// CAboutBox: the program's name, version and credit, and where to reach its
// makers and to download the player.
#pragma once

#include <windows.h>

#include "CDialog.h"
#include "CString.h"
#include "DataExchange.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strContact;
};
