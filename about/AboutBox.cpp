#include "AboutBox.h"

#include "PlayerDownloads.h"
#include "resource.h"

namespace {
const char kContactAddress[] = "reelkick@example.org";
const char kHomePage[] = "https://reelkick.example.org/";
}  // namespace

CAboutBox::CAboutBox() : CDialog(IDD_ABOUT) {
    m_strContact = CString(kContactAddress) + "  or " + kHomePage + "   |||    checkout mplayer win32 download: " +
                   kPlayerDownloadAddresses;
}

// Called by UpdateData: the contact text is the one binding.
void CAboutBox::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_CONTACT, m_strContact); }

// Called before the box is shown. The base pushes the contact text; TRUE
// puts the focus on "OK", the first tab stop.
BOOL CAboutBox::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}

BEGIN_MESSAGE_MAP(CAboutBox, CDialog)
END_MESSAGE_MAP()
