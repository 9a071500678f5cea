// The colour dialog: the system chooser runs with the object attached to its window, so a derived
// class drives it from OnInitDialog; OK answers IDOK with the colour, Cancel answers IDCANCEL.
#include <afxdlgs.h>

#include <gtest/gtest.h>

#include "TestWindow.h"

namespace {

// Presses a button of the chooser as soon as it starts, after noting what it saw.
class CDrivenColorDialog : public CColorDialog {
public:
    CDrivenColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParent, UINT nPress)
        : CColorDialog(clrInit, dwFlags, pParent), m_nPress(nPress) {}

    UINT m_nPress;
    HWND m_hWndAtInit = nullptr;
    BOOL m_bAttachedAtInit = FALSE;
    BOOL m_bOwnerEnabledAtInit = TRUE;
    HWND m_hOwner = nullptr;

    BOOL OnInitDialog() override {
        const BOOL bResult = CColorDialog::OnInitDialog();
        m_hWndAtInit = m_hWnd;
        m_bAttachedAtInit = CWnd::FromHandlePermanent(m_hWnd) == this;
        if (m_hOwner) m_bOwnerEnabledAtInit = ::IsWindowEnabled(m_hOwner);
        PostMessage(WM_COMMAND, m_nPress, reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, m_nPress)));
        return bResult;
    }
};

}  // namespace

TEST(ColorDialog, StartColourAndHookAreSetUp) {
    CColorDialog dlgWithColour(RGB(0, 0, 255), CC_FULLOPEN);
    EXPECT_EQ(static_cast<DWORD>(CC_FULLOPEN | CC_RGBINIT | CC_ENABLEHOOK), dlgWithColour.m_cc.Flags);
    EXPECT_EQ(RGB(0, 0, 255), dlgWithColour.GetColor());
    EXPECT_EQ(CColorDialog::GetSavedCustomColors(), dlgWithColour.m_cc.lpCustColors);

    CColorDialog dlgBlack;
    EXPECT_EQ(static_cast<DWORD>(CC_ENABLEHOOK), dlgBlack.m_cc.Flags);  // black is no start colour
    EXPECT_EQ(RGB(255, 255, 255), CColorDialog::GetSavedCustomColors()[15]);
}

TEST(ColorDialog, OkAndCancelEndTheChooserWithTheirAnswerAndTheOwnerEnabledAgain) {
    for (const UINT nPress : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(nPress);
        riztest::TestWindow owner;
        CDrivenColorDialog dlg(RGB(10, 120, 200), CC_FULLOPEN, CWnd::FromHandle(owner.Frame()), nPress);
        dlg.m_hOwner = owner.Frame();

        EXPECT_EQ(static_cast<INT_PTR>(nPress), dlg.DoModal());
        EXPECT_EQ(RGB(10, 120, 200), dlg.GetColor());
        EXPECT_NE(nullptr, dlg.m_hWndAtInit);
        EXPECT_TRUE(dlg.m_bAttachedAtInit);
        EXPECT_FALSE(dlg.m_bOwnerEnabledAtInit);
        EXPECT_EQ(nullptr, dlg.m_hWnd);
        EXPECT_FALSE(::IsWindow(dlg.m_hWndAtInit));
        EXPECT_TRUE(::IsWindowEnabled(owner.Frame()));
    }
}

TEST(ColorDialog, AnotherWindowCreatedAfterwardsIsNotTakenForTheDialog) {
    CDrivenColorDialog dlg(RGB(1, 2, 3), 0, nullptr, IDOK);
    ASSERT_EQ(IDOK, dlg.DoModal());
    CWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), _T("after"), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}
