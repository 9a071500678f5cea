// The hot-key field: the one-pixel frame with the client edge, no non-client painting without it,
// created and subclassed, at a skin change and when released.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVGroupBoxFixture.h"
#include "QVHotKeyCtrl.h"

namespace {

using qvsmall::kBorder;

class HotKeyTest : public qvsmall::SmallTest {};

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(HotKeyTest, FramesOnePixelWithTheClientEdgeAndPaintsNoFrameWithout) {
    CQVHotKeyCtrl edge, plain, created, createdPlain;
    ASSERT_TRUE(edge.SubclassDlgItem(IDC_QVSMALL_HOTKEY_EDGE, &m_dlg));
    ASSERT_TRUE(plain.SubclassDlgItem(IDC_QVSMALL_HOTKEY_PLAIN, &m_dlg));
    ASSERT_TRUE(created.CreateEx(WS_EX_CLIENTEDGE, HOTKEY_CLASS, _T(""), WS_CHILD | WS_VISIBLE,
                                 CRect(10, 180, 130, 200), &m_dlg, 1291));
    ASSERT_TRUE(createdPlain.CreateEx(0, HOTKEY_CLASS, _T(""), WS_CHILD | WS_VISIBLE | WS_BORDER,
                                      CRect(140, 180, 260, 200), &m_dlg, 1292));
    Pump();  // the posted frame recalculation
    const RECT one = {1, 1, 1, 1};
    for (CQVHotKeyCtrl* pHotKey : {&edge, &created}) {
        EXPECT_TRUE(SameRect(one, riztest::ClientInsetInWindow(pHotKey->m_hWnd)));
        riztest::WindowCapture shot(pHotKey->m_hWnd, riztest::WindowCapture::Screen, false);
        EXPECT_EQ(0, riztest::RingPixelsOtherThan(shot, kBorder));
    }
    // The system's control gives itself the client edge when it is made (and a template's WS_BORDER
    // becomes one): a host takes it away. WS_BORDER's system line is then never drawn: the ring keeps
    // what the parent painted there.
    for (CQVHotKeyCtrl* pHotKey : {&plain, &createdPlain}) {
        pHotKey->ModifyStyle(0, WS_BORDER);
        pHotKey->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
        Pump();
        EXPECT_TRUE(SameRect(one, riztest::ClientInsetInWindow(pHotKey->m_hWnd)));
        riztest::WindowCapture shot(pHotKey->m_hWnd, riztest::WindowCapture::Screen, false);
        const int nRing = 2 * (shot.Width() + shot.Height()) - 4;
        EXPECT_EQ(nRing, riztest::RingPixelsOtherThan(shot, RGB(0, 0, 0)));
        EXPECT_EQ(nRing, riztest::RingPixelsOtherThan(shot, kBorder));
    }
    // The field still reads keys as the system's.
    edge.SetHotKey('Z', HOTKEYF_CONTROL | HOTKEYF_ALT);
    EXPECT_EQ(MAKEWORD('Z', HOTKEYF_CONTROL | HOTKEYF_ALT), LOWORD(edge.GetHotKey()));
}

TEST_F(HotKeyTest, FollowsASkinChangeSurvivesItsPostedRecalculationAndIsReleased) {
    CQVHotKeyCtrl edge;
    ASSERT_TRUE(edge.SubclassDlgItem(IDC_QVSMALL_HOTKEY_EDGE, &m_dlg));
    Pump();
    qvsmall::TestSkin other;
    other.clrBorder = qvsmall::kOtherBorder;
    ASSERT_TRUE(LoadSkin(other));
    EXPECT_NE(0, edge.SendMessage(WM_QV_SKINCHANGED));
    {
        riztest::WindowCapture shot(edge.m_hWnd, riztest::WindowCapture::Screen, false);
        EXPECT_EQ(0, riztest::RingPixelsOtherThan(shot, qvsmall::kOtherBorder));
    }
    // Deleted or destroyed before the posted recalculation arrives.
    auto* pGone = new CQVHotKeyCtrl;
    ASSERT_TRUE(pGone->Create(WS_CHILD | WS_VISIBLE, CRect(10, 180, 130, 200), &m_dlg, 1293));
    const HWND hGone = pGone->m_hWnd;
    pGone->UnsubclassWindow();
    delete pGone;
    CQVHotKeyCtrl destroyed;
    ASSERT_TRUE(destroyed.CreateEx(WS_EX_CLIENTEDGE, HOTKEY_CLASS, _T(""), WS_CHILD, CRect(0, 0, 0, 0),
                                   &m_dlg, 1294));
    destroyed.DestroyWindow();
    Pump();
    EXPECT_TRUE(::IsWindow(hGone));

    const HWND hEdge = edge.m_hWnd;
    edge.UnsubclassWindow();
    ::SendMessage(hEdge, HKM_SETHOTKEY, MAKEWORD('Q', HOTKEYF_SHIFT), 0);
    ::SetWindowPos(hEdge, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    Pump();
    EXPECT_EQ(MAKEWORD('Q', HOTKEYF_SHIFT), LOWORD(::SendMessage(hEdge, HKM_GETHOTKEY, 0, 0)));
    EXPECT_FALSE(SameRect(RECT{1, 1, 1, 1}, riztest::ClientInsetInWindow(hEdge)));
}

}  // namespace
