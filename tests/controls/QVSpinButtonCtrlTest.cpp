// The spin button: its geometry with and without a buddy, the five states in both drawings, the
// system's behaviour behind it (buddy value, notifications, tab order) and bad buddies.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <array>

#include "QVGroupBoxFixture.h"
#include "QVSpinButtonCtrl.h"

namespace {

using qvsmall::kSpinFrames;
using qvsmall::kSpinHeight;
using qvsmall::kSpinWidth;

class SpinTest : public qvsmall::SmallTest {
protected:
    void Subclass() {
        m_rcBuddyBefore = RectInDialog(Item(IDC_QVSMALL_BUDDY));
        m_rcSpinBefore = RectInDialog(Item(IDC_QVSMALL_SPIN));
        ASSERT_TRUE(m_spin.SubclassDlgItem(IDC_QVSMALL_SPIN, &m_dlg));
    }
    // The colours at the middle of the up and down halves and at their bottom-left corners.
    std::array<COLORREF, 4> LookNow() {
        riztest::WindowCapture shot(m_spin.m_hWnd);
        const CPoint ptUp = m_spin.GetUpRect().CenterPoint(), ptDown = m_spin.GetDownRect().CenterPoint();
        return {shot.Pixel(ptUp.x, ptUp.y), shot.Pixel(ptDown.x, ptDown.y),
                shot.Pixel(0, m_spin.GetUpRect().bottom - 1), shot.Pixel(0, m_spin.GetDownRect().bottom - 1)};
    }
    void Post(UINT nMessage, WPARAM wParam, CPoint pt) {
        m_spin.PostMessage(nMessage, wParam, MAKELPARAM(pt.x, pt.y));
        Pump();
    }

    CQVSpinButtonCtrl m_spin;
    CRect m_rcBuddyBefore, m_rcSpinBefore;
};

TEST_F(SpinTest, SizesItselfAndItsBuddyToTheArrowsAndKeepsTheTabOrder) {
    Subclass();
    const CRect rcBuddy = RectInDialog(Item(IDC_QVSMALL_BUDDY)), rcSpin = RectInDialog(m_spin.m_hWnd);
    EXPECT_EQ(m_rcBuddyBefore.TopLeft(), rcBuddy.TopLeft());
    EXPECT_EQ(CSize(m_rcBuddyBefore.Width(), 2 * kSpinHeight), rcBuddy.Size());
    EXPECT_EQ(CRect(rcBuddy.right + 1, m_rcSpinBefore.top, rcBuddy.right + 1 + kSpinWidth,
                    m_rcSpinBefore.top + 2 * kSpinHeight),
              rcSpin);
    EXPECT_EQ(CRect(0, 0, kSpinWidth, kSpinHeight), m_spin.GetUpRect());
    EXPECT_EQ(CRect(0, kSpinHeight, kSpinWidth, 2 * kSpinHeight), m_spin.GetDownRect());
    // A later resize leaves the halves until the next skin change.
    m_spin.SetWindowPos(NULL, 0, 0, kSpinWidth, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(0, 0, kSpinWidth, kSpinHeight), m_spin.GetUpRect());
    EXPECT_EQ(0, m_spin.SendMessage(WM_QV_SKINCHANGED));
    EXPECT_EQ(CRect(0, 0, kSpinWidth, kSpinHeight), m_spin.GetUpRect());

    // Tab goes on from the first edit to the buddy, then past the spin to the last edit.
    ::SetFocus(Item(IDC_QVSMALL_FIRST));
    m_dlg.SendMessage(WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(Item(IDC_QVSMALL_BUDDY), ::GetFocus());
    m_dlg.SendMessage(WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(Item(IDC_QVSMALL_LAST), ::GetFocus());

    // Without a buddy: resized in place.
    CQVSpinButtonCtrl alone;
    ASSERT_TRUE(alone.Create(WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS, CRect(300, 150, 330, 160), &m_dlg, 1295));
    EXPECT_EQ(CRect(300, 150, 300 + kSpinWidth, 150 + 2 * kSpinHeight), RectInDialog(alone.m_hWnd));
}

TEST_F(SpinTest, ShowsFiveStatesInBothDrawingsAndAPressDraggedOffStaysPressed) {
    Subclass();
    m_spin.SetRange(0, 100);
    m_spin.SetPos(5);
    const CPoint ptUp = m_spin.GetUpRect().CenterPoint(), ptDown = m_spin.GetDownRect().CenterPoint();
    const CPoint ptOff(kSpinWidth + 30, 60);
    struct Step {
        const char* pszWhat;
        UINT nMessage;
        WPARAM wParam;
        CPoint pt;
        int nUpFrame, nDownFrame;  // skinned frames
        COLORREF clrUpPen, clrDownPen;
    };
    const COLORREF b = qvsmall::kBorder, hot = RGB(255, 0, 0), pressed = RGB(0, 255, 255);
    const Step steps[] = {
        {"up hot", WM_MOUSEMOVE, 0, ptUp, 1, 4, hot, b},
        {"down hot", WM_MOUSEMOVE, 0, ptDown, 0, 5, b, hot},
        {"down pressed", WM_LBUTTONDOWN, MK_LBUTTON, ptDown, 0, 6, b, pressed},
        {"dragged off", WM_MOUSEMOVE, MK_LBUTTON, ptOff, 0, 6, b, pressed},
        {"left while held", WM_MOUSELEAVE, 0, ptOff, 0, 6, b, pressed},
        {"released off", WM_LBUTTONUP, 0, ptOff, 0, 4, b, b},
        {"up pressed", WM_LBUTTONDOWN, MK_LBUTTON, ptUp, 2, 4, pressed, b},
        {"released", WM_LBUTTONUP, 0, ptUp, 1, 4, hot, b},
        {"left", WM_MOUSELEAVE, 0, ptOff, 0, 4, b, b},
    };
    for (int nSkinned : {1, 0}) {
        if (!nSkinned) {
            qvsmall::TestSkin plain;
            plain.nSkinSpin = 0;
            ASSERT_TRUE(LoadSkin(plain));
            EXPECT_EQ(0, m_spin.SendMessage(WM_QV_SKINCHANGED));
        }
        for (const Step& step : steps) {
            SCOPED_TRACE(testing::Message() << (nSkinned ? "skinned " : "plain ") << step.pszWhat);
            Post(step.nMessage, step.wParam, step.pt);
            const std::array<COLORREF, 4> look = LookNow();
            if (nSkinned)
                EXPECT_EQ((std::array<COLORREF, 2>{kSpinFrames[step.nUpFrame], kSpinFrames[step.nDownFrame]}),
                          (std::array<COLORREF, 2>{look[0], look[1]}));
            else
                EXPECT_EQ((std::array<COLORREF, 2>{step.clrUpPen, step.clrDownPen}),
                          (std::array<COLORREF, 2>{look[2], look[3]}));
        }
    }
    // The system's behaviour behind the drawing: a click on the up arrow is one step of the buddy.
    m_spin.SetPos(5);
    const int nDeltaPos = m_dlg.Received(WM_NOTIFY, UDN_DELTAPOS), nVScroll = m_dlg.Received(WM_VSCROLL);
    Click(m_spin.m_hWnd, ptUp);
    EXPECT_EQ(_T("6"), qvsmall::TextOf(Item(IDC_QVSMALL_BUDDY)));
    EXPECT_EQ(nDeltaPos + 1, m_dlg.Received(WM_NOTIFY, UDN_DELTAPOS));
    EXPECT_LT(nVScroll, m_dlg.Received(WM_VSCROLL));
}

TEST_F(SpinTest, BadBuddiesMissingImagesAndHorizontalSpinsAreHarmless) {
    Subclass();
    // The buddy destroyed, then a skin change: the spin keeps its place and size.
    const CRect rcSpin = RectInDialog(m_spin.m_hWnd);
    ::DestroyWindow(Item(IDC_QVSMALL_BUDDY));
    m_spin.SendMessage(WM_QV_SKINCHANGED);
    Click(m_spin.m_hWnd, m_spin.GetUpRect().CenterPoint());
    EXPECT_EQ(rcSpin, RectInDialog(m_spin.m_hWnd));

    // A buddy set later, one in another window, and none.
    CQVSpinButtonCtrl later;
    ASSERT_TRUE(later.Create(WS_CHILD | WS_VISIBLE, CRect(300, 150, 0, 0), &m_dlg, 1296));
    later.SetBuddy(CWnd::FromHandle(Item(IDC_QVSMALL_LAST)));
    EXPECT_EQ(2 * kSpinHeight, RectInDialog(Item(IDC_QVSMALL_LAST)).Height());
    const HWND hOther =
        ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP, 500, 0, 100, 50, NULL, NULL, NULL, NULL);
    const HWND hForeign = ::CreateWindowEx(0, _T("EDIT"), _T("1"), WS_CHILD | WS_VISIBLE, 0, 0, 40, 20,
                                           hOther, NULL, NULL, NULL);
    later.SetBuddy(CWnd::FromHandle(hForeign));
    later.SendMessage(WM_QV_SKINCHANGED);
    ::DestroyWindow(hOther);
    later.SendMessage(WM_QV_SKINCHANGED);
    later.SetBuddy(NULL);
    Click(later.m_hWnd, CPoint(2, 2));

    // No arrow images: the frame only; a 0 x 0 and a horizontal spin: the system's size.
    qvsmall::TestSkin bare;
    bare.bImages = false;
    ASSERT_TRUE(LoadSkin(bare));
    later.SendMessage(WM_QV_SKINCHANGED);
    riztest::WindowCapture shot(later.m_hWnd);
    EXPECT_EQ(0, shot.CountNear(CRect(0, 0, shot.Width(), shot.Height()), kSpinFrames[0], 0));
    CQVSpinButtonCtrl horizontal;
    ASSERT_TRUE(horizontal.Create(WS_CHILD | WS_VISIBLE | UDS_HORZ, CRect(300, 190, 340, 205), &m_dlg, 1297));
    EXPECT_EQ(CSize(40, 15), RectInDialog(horizontal.m_hWnd).Size());
    ::SendMessage(horizontal.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
    EXPECT_EQ(0, horizontal.GetState());
    CQVSpinButtonCtrl empty;
    ASSERT_TRUE(empty.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_dlg, 1298));
    Click(empty.m_hWnd, CPoint(0, 0));
}

}  // namespace
