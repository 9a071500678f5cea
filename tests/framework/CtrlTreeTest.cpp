// Tab control wrappers on a real control: owner-drawn tabs reach the object's DrawItem. The messages of
// single tree and tab calls are in CtrlWrapperTable.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "FrameworkHost.h"
#include "PixelProbe.h"
#include "TestWindow.h"

namespace {

const COLORREF kTeal = RGB(20, 160, 160);

using riztest::CtrlHost;

class COwnerDrawTabs : public CTabCtrl {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        ++m_nDraws;
        m_nMaxItem = std::max(m_nMaxItem, static_cast<int>(lpDIS->itemID));
        CDC::FromHandle(lpDIS->hDC)->FillSolidRect(&lpDIS->rcItem, kTeal);
    }
    int m_nDraws = 0;
    int m_nMaxItem = -1;
};

}  // namespace

TEST(CTabCtrlOwnerDraw, OwnerDrawnTabsReachDrawItem) {
    CtrlHost host;
    COwnerDrawTabs tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | TCS_OWNERDRAWFIXED | TCS_FIXEDWIDTH,
                            CRect(0, 0, 300, 120), host.Parent(), 43));
    tabs.SetItemSize(CSize(90, 26));
    tabs.InsertItem(0, _T("A"));
    tabs.InsertItem(1, _T("B"));
    riztest::WindowCapture capture(tabs.m_hWnd);
    EXPECT_GT(tabs.m_nDraws, 0);
    EXPECT_EQ(tabs.m_nMaxItem, 1);
    CRect rc;
    ASSERT_TRUE(tabs.GetItemRect(1, &rc));
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(rc.CenterPoint().x, rc.CenterPoint().y), kTeal));
}
