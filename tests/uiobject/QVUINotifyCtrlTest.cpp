// The notification strip: its layout, the messages to its parent (close request before the posted
// click), a parent that deletes the strip inside the close request, its colours, and many strips.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVImageAdPlayer.h"
#include "QVUIButton.h"
#include "QVUIImage.h"
#include "QVUINotifyCtrl.h"
#include "QVUIShell.h"
#include "QVUITextLink.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "TestWindow.h"
#include "UIProbe.h"

#include <vector>

using riztest::PumpUntilIdle;

namespace {

// The strip's parent: records WM_QV_NOTIFYCTRL and may delete the strip on a close request.
class CStripParent : public CWnd {
public:
    std::vector<std::pair<WPARAM, LPARAM>> m_received;
    CQVUINotifyCtrl* m_pStrip = nullptr;  // deleted on a close request when set
    bool m_bModalOnClose = false;

protected:
    afx_msg LRESULT OnNotifyCtrl(WPARAM wParam, LPARAM lParam) {
        m_received.emplace_back(wParam, lParam);
        if (wParam == QVNC_CLOSE_REQUEST && m_bModalOnClose) {
            // A modal loop inside the request: its input is already waiting (a timer closes the box).
            ::SetTimer(nullptr, 0, 50, &CloseMessageBox);
            ::MessageBox(m_hWnd, _T("Close the strip?"), _T("Study"), MB_OK);
        }
        if (wParam == QVNC_CLOSE_REQUEST && m_pStrip) {
            delete m_pStrip;
            m_pStrip = nullptr;
        }
        return 0;
    }
    static void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR nID, DWORD) {
        ::KillTimer(nullptr, nID);
        HWND hBox = ::FindWindow(_T("#32770"), _T("Study"));
        if (hBox) ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStripParent, CWnd)
ON_MESSAGE(WM_QV_NOTIFYCTRL, &CStripParent::OnNotifyCtrl)
END_MESSAGE_MAP()

struct StripTest : ::testing::Test {
    riztest::TestWindow window{400, 100};
    CStripParent parent;
    uitest::ShellRecorder shell;

    void SetUp() override { parent.SubclassWindow(window.Host()); }
    void TearDown() override { parent.UnsubclassWindow(); }
    BOOL CreateStrip(CQVUINotifyCtrl& strip, int cx = 300) {
        return strip.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), _T("strip"),
                              WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, 24), &parent, 7);
    }
    static CQVUIObject* Child(CQVUINotifyCtrl& strip, UINT nID) { return strip.FindChild(nID); }
};

}  // namespace

TEST_F(StripTest, ChildrenAreIconCloseButtonAndLinkWithTheDefaultText) {
    CQVUINotifyCtrl strip;
    ASSERT_EQ(3, strip.GetChildCount());
    EXPECT_EQ(3u, strip.GetChild(0)->GetObjectID());
    EXPECT_EQ(1u, strip.GetChild(1)->GetObjectID());
    EXPECT_EQ(2u, strip.GetChild(2)->GetObjectID());
    CQVUITextLink* pLink = dynamic_cast<CQVUITextLink*>(strip.GetChild(2));
    ASSERT_NE(nullptr, pLink);
    EXPECT_EQ(CString(_T("新版已发布，欢迎下载！")), pLink->GetText());
#ifndef UNICODE
    EXPECT_STREQ("\xD0\xC2\xB0\xE6", CStringA(pLink->GetText()).Left(4));  // GBK for the first two
#endif
}

TEST_F(StripTest, LayoutPlacesTheIconTheCloseButtonAndTheShrunkLinkThatReachesTheMarginWithoutIt) {
    CQVUINotifyCtrl strip, bare;
    strip.SetNotify(_T("Version 3.2 is ready: download now"), _T("http://study.example/update"), 42, 0);
    ASSERT_TRUE(CreateStrip(strip, 360));
    EXPECT_EQ(CRect(2, 1, 22, 21), Child(strip, QVNC_ID_ICON)->GetObjectRect());
    EXPECT_EQ(CRect(340, 4, 356, 20), Child(strip, QVNC_ID_CLOSE)->GetObjectRect());
    const CRect rcLink = Child(strip, QVNC_ID_LINK)->GetObjectRect();
    EXPECT_EQ(CRect(24, 2, rcLink.right, 22), rcLink);
    EXPECT_LE(rcLink.right, 340);
    EXPECT_GT(rcLink.Width(), 50);

    bare.SetCloseButtonIcon(_T(""), 1, TRUE);
    bare.SetNotify(CString(_T('W'), 400), _T(""), 0, 0);
    ASSERT_TRUE(CreateStrip(bare, 300));
    EXPECT_FALSE(Child(bare, QVNC_ID_CLOSE)->IsVisible());
    EXPECT_EQ(298, Child(bare, QVNC_ID_LINK)->GetObjectRect().right);
}

TEST_F(StripTest, ALinkWithCloseOnClickAsksToCloseBeforeThePostedClickAndTheCloseButtonOnlyAsks) {
    using Received = std::vector<std::pair<WPARAM, LPARAM>>;
    const struct {
        int x;
        Received expected;
    } rows[] = {{30, {{QVNC_CLOSE_REQUEST, 0}, {QVNC_LINK_CLICKED, 42}}}, {290, {{QVNC_CLOSE_REQUEST, 0}}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        parent.m_received.clear();
        CQVUINotifyCtrl strip;
        strip.SetNotify(_T("Version 3.2 is ready: download now"), _T("www.study.example"), 42, 1);
        ASSERT_TRUE(CreateStrip(strip));
        riztest::PostMouse(strip.m_hWnd, WM_MOUSEMOVE, row.x, 10);
        riztest::PostClick(strip.m_hWnd, row.x, 10);
        PumpUntilIdle();
        EXPECT_EQ(row.expected, parent.m_received);
    }
}

TEST_F(StripTest, AParentThatDeletesTheStripInTheCloseRequestStillGetsThePostedClick) {
    for (int nFrom : {0, 1}) {
        parent.m_received.clear();
        CQVUINotifyCtrl* pStrip = new CQVUINotifyCtrl;
        pStrip->SetNotify(_T("Version 3.2 is ready: download now"), _T(""), 9, 1);
        ASSERT_TRUE(CreateStrip(*pStrip));
        parent.m_pStrip = pStrip;
        const HWND hStrip = pStrip->m_hWnd;
        const int x = nFrom == 0 ? 30 : 290;  // the link, then the close button
        riztest::PostMouse(hStrip, WM_MOUSEMOVE, x, 10);
        riztest::PostClick(hStrip, x, 10);
        riztest::PostMouse(hStrip, WM_MOUSEMOVE, x + 1, 10);
        PumpUntilIdle();
        EXPECT_EQ(nullptr, parent.m_pStrip);
        EXPECT_FALSE(::IsWindow(hStrip));
        ASSERT_EQ(nFrom == 0 ? 2u : 1u, parent.m_received.size());
        if (nFrom == 0) {
            EXPECT_EQ(QVNC_LINK_CLICKED, parent.m_received[1].first);
        }
    }
}

TEST_F(StripTest, AModalBoxInsideTheCloseRequestRunsItsLoopSafely) {
    CQVUINotifyCtrl* pStrip = new CQVUINotifyCtrl;
    pStrip->SetNotify(_T("Version 3.2 is ready: download now"), _T(""), 5, 1);
    ASSERT_TRUE(CreateStrip(*pStrip));
    parent.m_pStrip = pStrip;
    parent.m_bModalOnClose = true;
    const HWND hStrip = pStrip->m_hWnd;
    riztest::PostMouse(hStrip, WM_MOUSEMOVE, 30, 10);
    riztest::PostClick(hStrip, 30, 10);
    riztest::PostMouse(hStrip, WM_MOUSEMOVE, 31, 10);  // waiting while the box runs
    riztest::PostClick(hStrip, 31, 10);
    PumpUntilIdle(3000);
    EXPECT_FALSE(::IsWindow(hStrip));
    ASSERT_GE(parent.m_received.size(), 2u);
    EXPECT_EQ(QVNC_LINK_CLICKED, parent.m_received.back().first);
}

TEST_F(StripTest, TheStripPaintsItsFrameAndFill) {
    ::ShowWindow(window.Frame(), SW_SHOWNOACTIVATE);
    CQVUINotifyCtrl strip;
    strip.SetCloseButtonIcon(_T(""), 1, TRUE);
    ASSERT_TRUE(CreateStrip(strip));
    riztest::WindowCapture shot(strip.m_hWnd);
    EXPECT_EQ(static_cast<COLORREF>(0xD0CFCE), shot.Pixel(150, 0));
    EXPECT_EQ(static_cast<COLORREF>(0xC9FEFF), shot.Pixel(295, 12));
    EXPECT_GT(shot.CountNear(CRect(24, 2, 298, 22), RGB(0, 0, 255), 40), 0);  // the link text
}

TEST_F(StripTest, StripAndPlayerCreateDestroySoak) {
    riztest::ExpectCyclesLeakNothing([&](int) {
        CQVUINotifyCtrl strip;
        ASSERT_TRUE(CreateStrip(strip));
        strip.SetImageIcon(riztest::TestDataPath(_T("images\\garbage.png")));
        if (CQVUIButton* pClose = dynamic_cast<CQVUIButton*>(Child(strip, QVNC_ID_CLOSE)))
            pClose->Sparkle(TRUE);
        strip.RedrawWindow();

        CQVImageAdPlayer player;
        ASSERT_TRUE(player.CreateEx(0, AfxRegisterWndClass(0), _T("shop"), WS_CHILD | WS_VISIBLE,
                                    CRect(0, 0, 250, 100), &parent, 8));
        CQVImageAdPlayer::Goods goods;
        for (int n = 0; n < 3; ++n)
            player.AddGoods(goods);
        player.StartScroll();
        player.SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);
        player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);  // destroyed mid-scroll
        player.RedrawWindow();
    });
    // A timer made without a window comes as a thread message, due before a probe timer set now.
    const UINT_PTR nProbe = ::SetTimer(nullptr, 0, 30, nullptr);
    MSG msg = {};
    while (::GetMessage(&msg, nullptr, WM_TIMER, WM_TIMER) > 0 && (msg.hwnd || msg.wParam != nProbe)) {
        if (msg.hwnd)
            ::DispatchMessage(&msg);
        else
            ADD_FAILURE() << "a thread timer " << msg.wParam;
    }
    EXPECT_EQ(nProbe, msg.wParam) << "the probe came";
    ::KillTimer(nullptr, nProbe);
}
