// The About box run in process, checked from inside its own modal run.
#include <gtest/gtest.h>

#include <string>

#include "AboutBox.h"
#include "resource.h"

namespace {

class ProbeAbout : public CAboutBox {
public:
    std::string shown;
    int focus = 0;

protected:
    BOOL OnInitDialog() override {
        BOOL result = CAboutBox::OnInitDialog();
        char text[1024] = "";
        ::GetDlgItemTextA(m_hWnd, IDC_CONTACT, text, sizeof text);
        shown = text;
        EndDialog(IDOK);
        return result;
    }
};

TEST(AboutBox, ShowsTheContactText) {
    ProbeAbout about;
    EXPECT_EQ(IDOK, about.DoModal());
    EXPECT_EQ(0u, about.shown.find("reelkick@example.org  or https://reelkick.example.org/   |||    checkout mplayer "
                                   "win32 download: http"))
        << about.shown;
}

}  // namespace
