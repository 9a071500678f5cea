// The skinned frame on real windows: client inset, hit test, frame pixels, caption buttons, the client
// background and the windows destroyed from inside their own clicks.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <memory>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "SkinPopupWnd.h"
#include "SkinWndTestKit.h"

using namespace skintest;

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

// A popup window whose protected frame is reachable by the tests.
class CTestPopup : public CSkinPopupWnd {
public:
    CSkinWnd& Skin() { return m_SkinWnd; }
};

// A skinned popup created at a known place and then sized to exactly kWidth x kHeight.
std::unique_ptr<CTestPopup> MakePopup(DWORD dwStyle, bool bVisible = false, CTestPopup* pWnd = nullptr) {
    std::unique_ptr<CTestPopup> wnd(pWnd ? pWnd : new CTestPopup);
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    if (!wnd->CreateEx(0, lpszClass, _T(""), dwStyle, 100, 100, kWidth, kHeight, nullptr, nullptr))
        return nullptr;
    wnd->SetWindowPos(nullptr, 100, 100, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if (bVisible) {
        wnd->ShowWindow(SW_SHOWNOACTIVATE);
        wnd->UpdateWindow();
    }
    return wnd;
}

class SkinFrameTest : public ::testing::Test {
protected:
    void TearDown() override { riztest::PumpMessages(1000); }
    SkinScope m_skin;
};

// ---- Client area ----

TEST_F(SkinFrameTest, ClientIsTheWindowLessTheSkinBordersAndTheMenuBar) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(wnd);
    const CRect rcPlain(kLeft, kCaption, kWidth - kRight, kHeight - kBottom);
    EXPECT_EQ(rcPlain, ClientInWindow(wnd->m_hWnd));
    CMenu menu;
    menu.CreateMenu();
    menu.AppendMenu(MF_STRING, 1, _T("&File"));
    ::SetMenu(wnd->m_hWnd, menu.Detach());
    EXPECT_EQ(CRect(kLeft, kCaption + kMenuBar, kWidth - kRight, kHeight - kBottom),
              ClientInWindow(wnd->m_hWnd));
    EXPECT_EQ(1, wnd->Skin().GetMenuItemCount());

    ::SetMenu(wnd->m_hWnd, nullptr);
    EXPECT_EQ(rcPlain, ClientInWindow(wnd->m_hWnd));
    EXPECT_EQ(0, wnd->Skin().GetMenuItemCount());
    // A window smaller than its frame has an empty client area.
    wnd->SetWindowPos(nullptr, 0, 0, 6, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcClient;
    wnd->GetClientRect(&rcClient);
    EXPECT_TRUE(rcClient.IsRectEmpty());
}

TEST_F(SkinFrameTest, PopupGrowsAtCreationSoItsClientKeepsTheSystemClientSize) {
    std::unique_ptr<CTestPopup> wnd(new CTestPopup);
    LPCTSTR lpszClass = AfxRegisterWndClass(0);
    ASSERT_TRUE(
        wnd->CreateEx(0, lpszClass, _T(""), WS_OVERLAPPEDWINDOW, 50, 50, kWidth, kHeight, nullptr, nullptr));
    const int cxSystemClient = kWidth - 2 * ::GetSystemMetrics(SM_CXFRAME);
    const int cySystemClient =
        kHeight - ::GetSystemMetrics(SM_CYCAPTION) - 2 * ::GetSystemMetrics(SM_CYFRAME);
    CRect rcClient;
    wnd->GetClientRect(&rcClient);
    EXPECT_EQ(cxSystemClient, rcClient.Width());
    EXPECT_EQ(cySystemClient, rcClient.Height());
    CSize size;
    wnd->Skin().GetWindowAddSize(size);
    EXPECT_EQ(size, wnd->GetSizeAdded());
}

// ---- Hit test ----

struct HitCase {
    int x, y;
    UINT nHit;
};

// The geometry of every rectangle is the layout's (SkinWndLayoutTest): a point of each part shows that
// the window asks the layout with its own record, size and styles.
TEST_F(SkinFrameTest, SizableHitTestAnswersThePartsOfTheLayout) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(wnd);
    // Close 275-294 x 6-23, maximize 253-272, minimize 231-250, icon 4-29 x 2-27, sizing borders 5.
    const HitCase cases[] = {
        {294, 23, HTCLOSE},  {253, 6, HTMAXBUTTON}, {231, 6, HTMINBUTTON},     {29, 27, HTSYSMENU},
        {274, 6, HTCAPTION}, {31, 2, HTTOP},        {299, 194, HTRIGHT},       {150, 194, HTBOTTOM},
        {0, 0, HTTOPLEFT},   {5, 30, HTCLIENT},     {299, 199, HTBOTTOMRIGHT},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(c.nHit, HitTest(wnd->m_hWnd, c.x, c.y)) << "at " << c.x << "," << c.y;
}

TEST_F(SkinFrameTest, FixedFrameMatchesNoBorderAndKeepsThePreviousResult) {
    auto wnd = MakePopup(WS_POPUP | WS_CAPTION | WS_SYSMENU);
    ASSERT_TRUE(wnd);
    // In order: without minimize and maximize boxes only the close button answers; the border of a
    // fixed window matches nothing, so the previous result stays; the client starts at the left
    // border's inner edge.
    const HitCase cases[] = {
        {260, 10, HTCAPTION},  {240, 10, HTCAPTION}, {280, 10, HTCLOSE},   {100, 100, HTCLIENT},
        {150, 1, HTCLIENT},    {1, 100, HTCLIENT},   {100, 10, HTCAPTION}, {150, 1, HTCAPTION},
        {299, 199, HTCAPTION}, {4, 100, HTCLIENT},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(c.nHit, HitTest(wnd->m_hWnd, c.x, c.y)) << "at " << c.x << "," << c.y;
}

TEST_F(SkinFrameTest, MenuBarHitTestSelectsTheItemUnderThePoint) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW, true);
    ASSERT_TRUE(wnd);
    CMenu menu;
    menu.CreateMenu();
    menu.AppendMenu(MF_STRING, 1, _T("&File"));
    menu.AppendMenu(MF_STRING, 2, _T("&Edit"));
    ::SetMenu(wnd->m_hWnd, menu.Detach());
    wnd->SendMessage(WM_NCPAINT, 1);  // lays the bar out
    const tagQVMenuItemData* pFirst = wnd->Skin().GetMenuItemData(0);
    const tagQVMenuItemData* pSecond = wnd->Skin().GetMenuItemData(1);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_EQ(kCaption + 1, pFirst->rcItem.top);

    // The bar starts right of the left sizing border.
    EXPECT_EQ(UINT(HTLEFT), HitTest(wnd->m_hWnd, 4, kCaption + 5));
    EXPECT_EQ(UINT(HTSKINMENUBAR), HitTest(wnd->m_hWnd, pSecond->rcHit.left + 1, pSecond->rcHit.top + 1));
    EXPECT_EQ(1, wnd->Skin().GetCurrSelItem());
    EXPECT_EQ(UINT(HTSKINMENUBAR), HitTest(wnd->m_hWnd, pFirst->rcHit.left, pFirst->rcHit.top));
    EXPECT_EQ(0, wnd->Skin().GetCurrSelItem());
    // Past the last item the bar answers with no item selected.
    EXPECT_EQ(UINT(HTSKINMENUBAR), HitTest(wnd->m_hWnd, 250, kCaption + 10));
    EXPECT_EQ(-1, wnd->Skin().GetCurrSelItem());
    EXPECT_EQ(UINT(HTSKINMENUBAR), HitTest(wnd->m_hWnd, pFirst->rcHit.left, pFirst->rcHit.top));
    EXPECT_EQ(UINT(HTCLIENT), HitTest(wnd->m_hWnd, 100, kCaption + kMenuBar));
    EXPECT_EQ(-1, wnd->Skin().GetCurrSelItem());
}

TEST_F(SkinFrameTest, NoNCAreaIsAllClientWithARectangularOutline) {
    auto wnd = MakePopup(WS_POPUP);
    ASSERT_TRUE(wnd);
    wnd->Skin().SetNoNCArea(TRUE);
    EXPECT_EQ(UINT(HTCLIENT), HitTest(wnd->m_hWnd, 280, 10));
    EXPECT_EQ(UINT(HTCLIENT), HitTest(wnd->m_hWnd, 0, 0));
    wnd->SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(CRect(0, 0, kWidth, kHeight), ClientInWindow(wnd->m_hWnd));
    wnd->Skin().SetWndRegion();
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, wnd->GetWindowRgn(rgn));
    CRect rcBox;
    rgn.GetRgnBox(&rcBox);
    EXPECT_EQ(CRect(0, 0, kWidth, kHeight), rcBox);
    EXPECT_TRUE(rgn.PtInRegion(0, 0));
    EXPECT_TRUE(rgn.PtInRegion(kWidth - 1, kHeight - 1));
}

// ---- Frame pixels ----

// The frame colour at a point of the window after a message: (x, y) -> expected colour.
struct PixelRow {
    UINT nMsg;
    WPARAM wParam;
    int x, y;
    COLORREF clr;
};

TEST_F(SkinFrameTest, FrameAndCaptionButtonsShowTheImagesOfTheirState) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW, true);
    ASSERT_TRUE(wnd);
    // Close at 285, maximize at 262, minimize at 240 (y 15); every message is sent before its row.
    const PixelRow rows[] = {
        // clang-format off
        {WM_NCACTIVATE, TRUE, 150, 15, kCaptionActive}, {0, 0, 1, 100, kBorderActive},
        {0, 0, kWidth - 1, 100, kBorderActive}, {0, 0, 150, kHeight - 1, kBorderActive},
        {0, 0, 285, 15, ButtonColor(BTN_CLOSE, 0)},
        // Hot, then pressed; the others normal.
        {WM_NCMOUSEMOVE, HTCLOSE, 285, 15, ButtonColor(BTN_CLOSE, 1)}, {0, 0, 262, 15, ButtonColor(BTN_MAX, 0)},
        {WM_NCMOUSEMOVE, HTMAXBUTTON, 285, 15, ButtonColor(BTN_CLOSE, 0)}, {0, 0, 262, 15, ButtonColor(BTN_MAX, 1)},
        {WM_NCLBUTTONDOWN, HTMINBUTTON, 240, 15, ButtonColor(BTN_MIN, 2)}, {0, 0, 262, 15, ButtonColor(BTN_MAX, 0)},
        // Leaving the frame puts every button back to normal.
        {WM_NCMOUSELEAVE, 0, 240, 15, ButtonColor(BTN_MIN, 0)},
        // Inactive: the second images and frames 4-7.
        {WM_NCACTIVATE, FALSE, 150, 15, kCaptionInactive}, {0, 0, 1, 100, kBorderInactive},
        {0, 0, 150, kHeight - 1, kBorderInactive}, {0, 0, 285, 15, ButtonColor(BTN_CLOSE, 4)},
        {0, 0, 240, 15, ButtonColor(BTN_MIN, 4)},
        // clang-format on
    };
    const CRect rcWindow = WindowRect(wnd->m_hWnd);
    for (const PixelRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows) << " at " << r.x << "," << r.y);
        const bool bMouse = r.nMsg == WM_NCMOUSEMOVE || r.nMsg == WM_NCLBUTTONDOWN;
        if (r.nMsg)
            wnd->SendMessage(r.nMsg, r.wParam,
                             bMouse ? MAKELPARAM(rcWindow.left + 285, rcWindow.top + 15) : 0);
        EXPECT_TRUE(riztest::ColorNear(r.clr, WindowPixel(wnd->m_hWnd, r.x, r.y)));
    }
}

TEST_F(SkinFrameTest, MaximizedWindowShowsTheRestoreImage) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW, true);
    ASSERT_TRUE(wnd);
    wnd->ShowWindow(SW_MAXIMIZE);
    wnd->SendMessage(WM_NCACTIVATE, TRUE);
    const CRect rcMax = wnd->Skin().GetLayout().m_rcMaxBtn;
    EXPECT_TRUE(riztest::ColorNear(ButtonColor(BTN_RESTORE, 0),
                                   WindowPixel(wnd->m_hWnd, rcMax.CenterPoint().x, rcMax.CenterPoint().y)));
}

// Draws the frame of a window, active or not, into a surface of the window's size.
void DrawFrameInto(CTestPopup& wnd, riztest::Surface& surface, BOOL bActive) {
    CDC dc;
    dc.Attach(surface.Dc());
    wnd.Skin().SetActive(bActive);
    wnd.Skin().DrawFrame(&dc, WindowRect(wnd.m_hWnd), FALSE);
    dc.Detach();
}

TEST_F(SkinFrameTest, FramePaintLeavesTheClientAreaAloneAndMissingImagesDrawNothing) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(wnd);
    const COLORREF kSentinel = RGB(1, 2, 3);
    riztest::Surface surface(kWidth, kHeight, kSentinel);
    DrawFrameInto(*wnd, surface, TRUE);
    EXPECT_TRUE(riztest::ColorNear(kCaptionActive, surface.Pixel(150, 15)));
    EXPECT_TRUE(riztest::ColorNear(kBorderActive, surface.Pixel(kLeft - 1, 100)));
    EXPECT_TRUE(riztest::ColorNear(kBorderActive, surface.Pixel(kWidth - kRight, 100)));
    EXPECT_EQ(kSentinel, surface.Pixel(kLeft, 100));
    EXPECT_EQ(kSentinel, surface.Pixel(150, kCaption));
    EXPECT_EQ(
        0, surface.CountNear(CRect(kLeft, kCaption, kWidth - kRight, kHeight - kBottom), kCaptionActive, 0));

    m_skin.Res().m_bmpCaption.DeleteObject();
    m_skin.Res().m_bmpCloseBtn.DeleteObject();
    riztest::Surface missing(kWidth, kHeight, kSentinel);
    DrawFrameInto(*wnd, missing, FALSE);
    EXPECT_EQ(kSentinel, missing.Pixel(150, 15));
    EXPECT_EQ(kSentinel, missing.Pixel(285, 15));
    EXPECT_TRUE(riztest::ColorNear(ButtonColor(BTN_MAX, 4), missing.Pixel(262, 15)));
}

TEST_F(SkinFrameTest, TitleIsDrawnInWhiteInItsRectangle) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(wnd);
    wnd->SetWindowText(_T("MMMMMMMM"));
    riztest::Surface surface(kWidth, kHeight);
    DrawFrameInto(*wnd, surface, TRUE);
    // The title rectangle lies on the caption between the icon and the minimize button.
    const CSkinWndLayout& layout = wnd->Skin().GetLayout();
    const CRect rcTitle = layout.m_rcTitle;
    EXPECT_GE(rcTitle.left, layout.m_rcIcon.right);
    EXPECT_LE(rcTitle.right, layout.m_rcMinBtn.left);
    EXPECT_GT(surface.CountNear(rcTitle, RGB(255, 255, 255), 60), 10);
    // Nothing of it outside the title rectangle on the caption.
    EXPECT_EQ(0, surface.CountNear(CRect(kLeft, 3, rcTitle.left, kCaption), RGB(255, 255, 255), 60));
}

// ---- Client background ----

TEST_F(SkinFrameTest, ClientBackgroundModesPaintColourTilesAndBands) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(wnd);
    CQVSkinWndRes& res = m_skin.Res();
    auto solid = [](CQVBitmap& bmp, COLORREF clr) {
        bmp.AttachBitmap(riztest::Dib(
            4, 4, [clr](int, int) { return clr; }, 24));
    };
    // Tiled: a 2 x 2 checker of red and blue; bands: top 10 pixels, bottom 20, the middle tiled.
    res.m_bmpClientBk.AttachBitmap(riztest::Dib(
        2, 2, [](int x, int y) { return (x + y) % 2 ? RGB(0, 0, 255) : RGB(255, 0, 0); }, 24));
    solid(res.m_bmpClientTop, RGB(200, 0, 0));
    solid(res.m_bmpClientMid, RGB(0, 200, 0));
    solid(res.m_bmpClientBottom, RGB(0, 0, 200));
    res.m_nClientTopHeight = 10;
    res.m_nClientBottomHeight = 20;
    const COLORREF kUnpainted = RGB(1, 2, 3);
    // clang-format off
    const struct {
        int nMode;
        bool bDropTile;  // the tile image deleted first
        BOOL bPainted;
        int x, y;
        COLORREF clr;
    } rows[] = {
        {1, false, TRUE, 30, 50, kClientBk},
        {2, false, TRUE, 58, 98, RGB(255, 0, 0)},   {2, false, TRUE, 59, 98, RGB(0, 0, 255)},
        {3, false, TRUE, 30, 9, RGB(200, 0, 0)},    {3, false, TRUE, 30, 10, RGB(0, 200, 0)},
        {3, false, TRUE, 30, 79, RGB(0, 200, 0)},   {3, false, TRUE, 30, 80, RGB(0, 0, 200)},
        {3, false, TRUE, 59, 99, RGB(0, 0, 200)},
        {0, false, FALSE, 30, 50, kUnpainted},
        // A tiled mode without its image leaves the erasing to the window.
        {2, true, FALSE, 30, 50, kUnpainted},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << r.nMode << " at " << r.x << "," << r.y);
        res.m_nClientBkMode = r.nMode;
        if (r.bDropTile) res.m_bmpClientBk.DeleteObject();
        riztest::Surface surface(60, 100, kUnpainted);
        CDC dc;
        dc.Attach(surface.Dc());
        EXPECT_EQ(r.bPainted, wnd->Skin().DrawClientBkg(&dc, CRect(0, 0, 60, 100)));
        dc.Detach();
        EXPECT_EQ(r.clr, surface.Pixel(r.x, r.y));
    }
}

// ---- Caption buttons ----

void NcClick(HWND hWnd, UINT nHit) {
    const CRect rcWindow = WindowRect(hWnd);
    const LPARAM lPoint = MAKELPARAM(rcWindow.left + 10, rcWindow.top + 10);
    ::PostMessage(hWnd, WM_NCLBUTTONDOWN, nHit, lPoint);
    ::PostMessage(hWnd, WM_NCLBUTTONUP, nHit, lPoint);
    riztest::PumpUntilIdle(500);
}

TEST_F(SkinFrameTest, CaptionButtonsMinimizeMaximizeRestoreAndClose) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW, true);
    ASSERT_TRUE(wnd);
    const HWND hWnd = wnd->m_hWnd;

    NcClick(hWnd, HTMINBUTTON);
    EXPECT_TRUE(::IsIconic(hWnd));
    wnd->ShowWindow(SW_RESTORE);
    ASSERT_FALSE(::IsIconic(hWnd));

    NcClick(hWnd, HTMAXBUTTON);
    EXPECT_TRUE(::IsZoomed(hWnd));
    NcClick(hWnd, HTMAXBUTTON);
    EXPECT_FALSE(::IsZoomed(hWnd));
    EXPECT_EQ(CSize(kWidth, kHeight), WindowRect(hWnd).Size());

    NcClick(hWnd, HTCLOSE);
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST_F(SkinFrameTest, CaptionOfAMaximizedWindowDoesNotDrag) {
    auto wnd = MakePopup(WS_OVERLAPPEDWINDOW, true);
    ASSERT_TRUE(wnd);
    wnd->ShowWindow(SW_MAXIMIZE);
    const CRect rcWindow = WindowRect(wnd->m_hWnd);
    // Sent, not posted: were the system's move loop started, the call would not come back.
    wnd->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(rcWindow.left + 100, rcWindow.top + 10));
    EXPECT_EQ(rcWindow, WindowRect(wnd->m_hWnd));
    EXPECT_TRUE(wnd->GetStyle() & WS_SYSMENU);
}

// Closes (and deletes) itself from inside the frame's own handlers.
class CSelfDeletingPopup : public CTestPopup {
public:
    bool m_bDestroyOnMinimize = false;
    static int s_nDeleted;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SIZE && wParam == SIZE_MINIMIZED && m_bDestroyOnMinimize) {
            DestroyWindow();
            return 0;
        }
        return CTestPopup::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {
        ++s_nDeleted;
        delete this;
    }
};
int CSelfDeletingPopup::s_nDeleted = 0;

TEST_F(SkinFrameTest, WindowDeletedInsideItsCloseOrMinimizeClickDoesNotCrash) {
    for (UINT nHit : {HTCLOSE, HTMINBUTTON}) {
        SCOPED_TRACE(nHit);
        CSelfDeletingPopup::s_nDeleted = 0;
        auto* pWnd = new CSelfDeletingPopup;
        pWnd->m_bDestroyOnMinimize = nHit == HTMINBUTTON;
        auto wnd = MakePopup(WS_OVERLAPPEDWINDOW, true, pWnd);
        ASSERT_TRUE(wnd);
        const HWND hWnd = wnd.release()->m_hWnd;
        NcClick(hWnd, nHit);
        EXPECT_FALSE(::IsWindow(hWnd));
        EXPECT_EQ(1, CSelfDeletingPopup::s_nDeleted);
    }
}

}  // namespace
