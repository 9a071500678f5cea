// The menu bar of skinned windows: item layout and hit test, the pixels of its items and of the pressed
// item's shadow, and the drop-down loop driven by input posted before it starts.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVLanResManager.h>

#include <vector>

#include "MenuHostWindow.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "SkinMenuBar.h"
#include "SkinWndTestKit.h"

namespace {

using menutest::FakeTicks;
using menutest::MenuHostWindow;
using riztest::PostKey;

constexpr COLORREF kBarBk = RGB(0xC8, 0xC8, 0xFF);
constexpr COLORREF kHot = RGB(0x80, 0x80, 0xFF);
constexpr COLORREF kBorder = RGB(0x40, 0x40, 0x40);

enum : UINT { ID_OPEN = 101, ID_SAVE = 102, ID_CUT = 201, ID_DEEP = 211, ID_ZOOM = 301, ID_ABOUT = 401 };

const CRect kBar(0, 0, 400, 24);

// Width of a text in the bar's font (9 points, the face of the language's default font), measured
// here independently of the bar.
int BarTextWidth(LPCTSTR lpszText) {
    CFont font;
    font.CreatePointFont(90, CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT")));
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, font.GetSafeHandle());
    RECT rc = {0, 0, 400, 24};
    ::DrawText(hDC, lpszText, -1, &rc, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return rc.right - rc.left;
}

COLORREF Darken(COLORREF clr, int nFactor) {
    return RGB(GetRValue(clr) * nFactor / 255, GetGValue(clr) * nFactor / 255,
               GetBValue(clr) * nFactor / 255);
}

// Exposes the shadow of a pressed item.
class TestBar : public CSkinMenuBar {
public:
    using CSkinMenuBar::DrawShadow;
};

// A bar of four menus: "&File" (Open, Save), "&Edit" (Cut, a submenu with Deep), "&View" (Zoom) and
// "A&&B &Help" (About), laid out in a 400 x 24 bar at the top of the host window.
class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hFile = ::CreatePopupMenu();
        ::AppendMenu(m_hFile, MF_STRING, ID_OPEN, _T("&Open"));
        ::AppendMenu(m_hFile, MF_STRING, ID_SAVE, _T("&Save"));
        m_hDeep = ::CreatePopupMenu();
        ::AppendMenu(m_hDeep, MF_STRING, ID_DEEP, _T("&Deep"));
        m_hEdit = ::CreatePopupMenu();
        ::AppendMenu(m_hEdit, MF_STRING, ID_CUT, _T("Cu&t"));
        ::AppendMenu(m_hEdit, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hDeep), _T("&More"));
        m_hView = ::CreatePopupMenu();
        ::AppendMenu(m_hView, MF_STRING, ID_ZOOM, _T("&Zoom"));
        m_hHelp = ::CreatePopupMenu();
        ::AppendMenu(m_hHelp, MF_STRING, ID_ABOUT, _T("&About"));
        m_hMenu = ::CreateMenu();
        ::AppendMenu(m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hFile), _T("&File"));
        ::AppendMenu(m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hEdit), _T("&Edit"));
        ::AppendMenu(m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hView), _T("&View"));
        ::AppendMenu(m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hHelp), _T("A&&B &Help"));

        m_bar.LoadMenu(CWnd::FromHandle(m_host.Hwnd()), m_hMenu);
        CWindowDC dc(CWnd::FromHandle(m_host.Hwnd()));
        m_bar.CalcMenuItemRect(&dc, kBar);
    }
    void TearDown() override { ::DestroyMenu(m_hMenu); }

    // Centre of an item's hit rectangle on the screen.
    POINT ItemOnScreen(int nItem) const {
        const CRect rc = m_bar.GetMenuItemData(nItem)->rcHit;
        return m_host.ToScreen(rc.CenterPoint().x, rc.CenterPoint().y);
    }
    // A pixel of the host window as it is on the screen (window coordinates).
    COLORREF WindowPixel(int x, int y) const { return skintest::WindowPixel(m_host.Hwnd(), x, y); }
    // Opens the selected item as a click on the bar does, after the 100 ms guard of an earlier popup.
    void ClickItem(int nItem) {
        FakeTicks::Advance(1000);
        m_bar.SetSelectMenuItem(nItem);
        m_bar.PopupMenu();
        riztest::PumpUntilIdle();
    }

    FakeTicks m_ticks;
    MenuHostWindow m_host;
    TestBar m_bar;
    HMENU m_hMenu = nullptr;
    HMENU m_hFile = nullptr;
    HMENU m_hEdit = nullptr;
    HMENU m_hDeep = nullptr;
    HMENU m_hView = nullptr;
    HMENU m_hHelp = nullptr;
};

}  // namespace

// Layout and hit test

TEST_F(MenuBarTest, LoadMenuTakesOneItemPerPositionWithTextAndSubmenu) {
    ASSERT_EQ(4, m_bar.GetMenuItemCount());
    EXPECT_EQ(CString(_T("&File")), m_bar.GetMenuItemData(0)->strText);
    EXPECT_EQ(CString(_T("A&&B &Help")), m_bar.GetMenuItemData(3)->strText);
    EXPECT_EQ(m_hFile, m_bar.GetMenuItemData(0)->hSubMenu);
    EXPECT_EQ(m_hEdit, m_bar.GetMenuItemData(1)->hSubMenu);
    EXPECT_EQ(0, m_bar.GetMenuItemData(2)->nReserved);
    EXPECT_EQ(nullptr, m_bar.GetMenuItemData(-1));
    EXPECT_EQ(nullptr, m_bar.GetMenuItemData(4));
}

TEST_F(MenuBarTest, ItemsFollowEachOtherFromTwoPixelsInWithTwentyPixelsAroundTheirText) {
    static const LPCTSTR kTexts[4] = {_T("&File"), _T("&Edit"), _T("&View"), _T("A&&B &Help")};
    int x = kBar.left + 2;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const tagQVMenuItemData* pItem = m_bar.GetMenuItemData(i);
        const int cx = BarTextWidth(kTexts[i]);
        ASSERT_GT(cx, 5);
        EXPECT_EQ(CRect(x, kBar.top + 1, x + 20 + cx, kBar.bottom), pItem->rcItem);
        // The hit rectangle leaves the 4 pixels of the shadow at right and bottom.
        EXPECT_EQ(CRect(x, kBar.top + 1, x + 16 + cx, kBar.bottom - 4), pItem->rcHit);
        x = pItem->rcItem.right;
    }
    // The mnemonic marks take no room.
    EXPECT_EQ(BarTextWidth(_T("File")), m_bar.GetMenuItemData(0)->rcItem.Width() - 20);
}

TEST_F(MenuBarTest, LayoutIsKeptForTheSameBarAndRedoneForAnotherOne) {
    CWindowDC dc(CWnd::FromHandle(m_host.Hwnd()));
    const CRect rcFirst = m_bar.GetMenuItemData(1)->rcItem;
    m_bar.CalcMenuItemRect(&dc, kBar);
    EXPECT_EQ(rcFirst, m_bar.GetMenuItemData(1)->rcItem);
    // A skin with another frame moves the bar: the items follow it.
    m_bar.CalcMenuItemRect(&dc, CRect(6, 30, 406, 54));
    CRect rcMoved = rcFirst;
    rcMoved.OffsetRect(6, 30);
    EXPECT_EQ(rcMoved, m_bar.GetMenuItemData(1)->rcItem);
}

TEST_F(MenuBarTest, HitTestMatchesTheHitRectangleOnlyNotTheShadowRoom) {
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const CRect rcHit = m_bar.GetMenuItemData(i)->rcHit;
        EXPECT_EQ(i, m_bar.HitTestMenuItem(rcHit.TopLeft()));
        EXPECT_EQ(i, m_bar.HitTestMenuItem(CPoint(rcHit.right - 1, rcHit.bottom - 1)));
        EXPECT_EQ(-1, m_bar.HitTestMenuItem(CPoint(rcHit.right, rcHit.top + 5)));     // shadow at right
        EXPECT_EQ(-1, m_bar.HitTestMenuItem(CPoint(rcHit.left + 5, rcHit.bottom)));   // shadow below
        EXPECT_EQ(-1, m_bar.HitTestMenuItem(CPoint(rcHit.left + 5, rcHit.top - 1)));  // above the items
    }
    EXPECT_EQ(-1, m_bar.HitTestMenuItem(CPoint(1, 10)));
    EXPECT_EQ(-1, m_bar.HitTestMenuItem(CPoint(m_bar.GetMenuItemData(3)->rcItem.right + 1, 10)));
}

// Selection

TEST_F(MenuBarTest, SelectionKeepsThePreviousItemAndIgnoresIndexesPastTheLast) {
    EXPECT_EQ(-1, m_bar.GetCurrSelItem());
    // The item selected in turn, then the current and the previous selection.
    const int rows[][3] = {{1, 1, -1}, {2, 2, 1}, {4, 2, 1}, {100, 2, 1}, {-1, -1, 2}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r[0]);
        m_bar.SetSelectMenuItem(r[0]);
        EXPECT_EQ(r[1], m_bar.GetCurrSelItem());
        EXPECT_EQ(r[2], m_bar.GetPrevSelItem());
    }
}

TEST_F(MenuBarTest, SelectionRedrawsTheOldItemNormalAndTheNewOneHotOnTheWindow) {
    const CRect rc0 = m_bar.GetMenuItemData(0)->rcHit;
    const CRect rc1 = m_bar.GetMenuItemData(1)->rcHit;
    m_bar.SetSelectMenuItem(0);
    EXPECT_TRUE(riztest::ColorNear(kHot, WindowPixel(rc0.left + 2, rc0.top + 2), 0));
    EXPECT_TRUE(riztest::ColorNear(kBorder, WindowPixel(rc0.left, rc0.top + 5), 0));
    m_bar.SetSelectMenuItem(1);
    EXPECT_TRUE(riztest::ColorNear(kBarBk, WindowPixel(rc0.left + 2, rc0.top + 2), 0));
    EXPECT_TRUE(riztest::ColorNear(kBarBk, WindowPixel(rc0.left, rc0.top + 5), 0));
    EXPECT_TRUE(riztest::ColorNear(kHot, WindowPixel(rc1.left + 2, rc1.top + 2), 0));
}

// Drawing

TEST_F(MenuBarTest, BarIsFilledAndOnlyTheSelectedItemIsHot) {
    riztest::Surface surface(kBar.Width(), kBar.Height(), RGB(0, 0, 0));
    m_bar.SetSelectMenuItem(2);
    m_bar.DrawMenuBar(CDC::FromHandle(surface.Dc()), kBar);
    EXPECT_EQ(kBarBk, surface.Pixel(0, 0));
    EXPECT_EQ(kBarBk, surface.Pixel(kBar.right - 1, kBar.bottom - 1));
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const CRect rcHit = m_bar.GetMenuItemData(i)->rcHit;
        EXPECT_EQ(i == 2 ? kHot : kBarBk, surface.Pixel(rcHit.left + 2, rcHit.top + 2));
        EXPECT_EQ(i == 2 ? kBorder : kBarBk, surface.Pixel(rcHit.left, rcHit.CenterPoint().y));
    }
}

TEST_F(MenuBarTest, NormalHotAndPressedItemsDrawTheirFillOutlineShadowAndBlackText) {
    tagQVMenuItemData* pItem = m_bar.GetMenuItemData(0);
    const CRect r = pItem->rcItem;
    const CRect h = pItem->rcHit;
    for (int nState = QVMIS_NORMAL; nState <= QVMIS_PRESSED; ++nState) {
        SCOPED_TRACE(nState);
        riztest::Surface surface(kBar.Width(), kBar.Height(), RGB(0, 255, 0));
        m_bar.DrawMenuItem(CDC::FromHandle(surface.Dc()), pItem, static_cast<QVMenuItemState>(nState));
        // The whole item is painted, nothing outside it.
        EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(r.right, 10));
        EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(r.left - 1, 10));
        EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(r.left + 2, r.top - 1));
        const COLORREF fill = nState == QVMIS_HOT ? kHot : kBarBk;
        EXPECT_EQ(fill, surface.Pixel(h.left + 2, h.top + 2));
        const COLORREF edge = nState == QVMIS_NORMAL ? kBarBk : kBorder;
        EXPECT_EQ(edge, surface.Pixel(h.left, h.top));
        EXPECT_EQ(edge, surface.Pixel(h.right - 1, h.bottom - 1));
        EXPECT_EQ(edge, surface.Pixel(h.CenterPoint().x, h.bottom - 1));
        // The shadow room: plain for normal and hot, darkened for pressed.
        const COLORREF below = surface.Pixel(r.left + 8, r.bottom - 4);
        EXPECT_EQ(nState == QVMIS_PRESSED ? Darken(kBarBk, 140) : kBarBk, below);
        // Black text in the middle of the hit rectangle.
        EXPECT_GT(surface.CountNear(CRect(h.left + 1, h.top, h.right - 1, h.bottom), RGB(0, 0, 0), 0), 5);
    }
}

TEST(MenuBarShadow, DarkensBandsByRowAndCornersByDistanceFromTheInnerCorner) {
    const COLORREF base = RGB(200, 100, 60);
    riztest::Surface surface(60, 40, base);
    TestBar bar;
    const CRect r(10, 5, 50, 30);
    bar.DrawShadow(CDC::FromHandle(surface.Dc()), r);
    static const int kBand[4] = {140, 170, 212, 240};
    static const int kCorner[7] = {170, 205, 220, 240, 240, 250, 255};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        for (int x = r.left + 6; x <= r.right - 5; ++x)
            ASSERT_EQ(Darken(base, kBand[k]), surface.Pixel(x, r.bottom - 4 + k)) << x;
        for (int y = r.top + 6; y <= r.bottom - 5; ++y)
            ASSERT_EQ(Darken(base, kBand[k]), surface.Pixel(r.right - 4 + k, y)) << y;
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            SCOPED_TRACE(testing::Message() << i << "," << j);
            const COLORREF clr = Darken(base, kCorner[i + j]);
            EXPECT_EQ(clr, surface.Pixel(r.right - 4 + i, r.bottom - 4 + j));
            EXPECT_EQ(clr, surface.Pixel(r.right - 4 + i, r.top + 5 - j));
            EXPECT_EQ(clr, surface.Pixel(r.left + 5 - i, r.bottom - 4 + j));
        }
    // Nothing else changes: the rectangle's inside, the band ends and everything outside.
    EXPECT_EQ(base, surface.Pixel(r.left + 1, r.bottom - 1));
    EXPECT_EQ(base, surface.Pixel(r.right - 1, r.top + 1));
    EXPECT_EQ(base, surface.Pixel(r.right - 5, r.bottom - 5));
    EXPECT_EQ(base, surface.Pixel(r.left + 6, r.bottom - 5));
    EXPECT_EQ(base, surface.Pixel(r.right, r.bottom));
    EXPECT_EQ(base, surface.Pixel(r.right - 1, r.bottom));
    const int nChanged = 60 * 40 - surface.CountNear(CRect(0, 0, 60, 40), base, 0);
    // Two bands of 4 x 30 and 4 x 15 pixels and three corners of 16, less the corner pixels whose
    // factor 255 leaves them as they were.
    EXPECT_EQ(4 * 30 + 4 * 15 + 3 * 15, nChanged);
}

TEST(MenuBarResources, BarFreesItsFontPensAndBrushes) {
    riztest::ResourceSnapshot before;
    {
        CSkinMenuBar bar;
        HMENU hMenu = ::CreateMenu();
        ::AppendMenu(hMenu, MF_STRING, 1, _T("&One"));
        bar.LoadMenu(nullptr, hMenu);
        bar.LoadMenu(nullptr, hMenu);
        EXPECT_EQ(1, bar.GetMenuItemCount()) << "a second load replaces the items";
        ::DestroyMenu(hMenu);
    }
    EXPECT_EQ(0, before.GdiDelta());
}

// Bad input

TEST(MenuBarBadInput, NullOrDestroyedMenuGivesAnEmptyBarThatDoesNothing) {
    MenuHostWindow host;
    CSkinMenuBar bar;
    bar.LoadMenu(CWnd::FromHandle(host.Hwnd()), nullptr);
    EXPECT_EQ(0, bar.GetMenuItemCount());
    HMENU hEmpty = ::CreateMenu();
    bar.LoadMenu(CWnd::FromHandle(host.Hwnd()), hEmpty);
    EXPECT_EQ(0, bar.GetMenuItemCount());
    ::DestroyMenu(hEmpty);
    HMENU hGone = ::CreateMenu();
    ::DestroyMenu(hGone);
    bar.LoadMenu(CWnd::FromHandle(host.Hwnd()), hGone);
    EXPECT_EQ(0, bar.GetMenuItemCount());
    riztest::Surface surface(100, 24);
    bar.CalcMenuItemRect(CDC::FromHandle(surface.Dc()), CRect(0, 0, 100, 24));
    bar.DrawMenuBar(CDC::FromHandle(surface.Dc()), CRect(0, 0, 100, 24));
    EXPECT_EQ(kBarBk, surface.Pixel(50, 12));
    bar.DrawMenuItem(CDC::FromHandle(surface.Dc()), nullptr, QVMIS_HOT);
    bar.SetSelectMenuItem(0);
    EXPECT_EQ(-1, bar.GetCurrSelItem());
    EXPECT_EQ(-1, bar.HitTestMenuItem(CPoint(5, 5)));
    bar.PopupMenu();
    EXPECT_FALSE(bar.OpenMenuByKey(0));
    EXPECT_FALSE(bar.OpenMenuByKey(_T('f')));
    EXPECT_TRUE(host.popups.empty());
}

TEST(MenuBarBadInput, ItemWithoutSubmenuIsACommandOfItsOwnAndEndsTheLoop) {
    FakeTicks ticks;
    MenuHostWindow host;
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_STRING, 7, _T("&Plain"));
    ::SetMenu(host.Hwnd(), hMenu);
    CSkinMenuBar bar;
    bar.LoadMenu(CWnd::FromHandle(host.Hwnd()), hMenu);
    bar.SetSelectMenuItem(0);
    bar.PopupMenu();
    EXPECT_TRUE(host.popups.empty());
    EXPECT_FALSE(bar.IsPopupOpen());
    EXPECT_EQ(nullptr, CSkinMenuBar::GetOpenMenuBar());
    riztest::PumpUntilIdle();
    ASSERT_EQ(1u, host.commands.size());
    EXPECT_EQ(7u, host.commands[0]);
    // A bar whose window has no menu of its own sends nothing.
    ::SetMenu(host.Hwnd(), NULL);
    FakeTicks::Advance(1000);  // past the guard against reopening
    bar.SetSelectMenuItem(0);
    bar.PopupMenu();
    riztest::PumpUntilIdle();
    EXPECT_EQ(1u, host.commands.size());
    ::DestroyMenu(hMenu);
}

TEST(MenuBarBadInput, ItemWithAnEmptySubmenuReturnsFromItsPopup) {
    MenuHostWindow host;
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), _T("&Empty"));
    CSkinMenuBar bar;
    bar.LoadMenu(CWnd::FromHandle(host.Hwnd()), hMenu);
    PostKey(host.Hwnd(), VK_ESCAPE);  // in case the system shows an empty popup
    bar.SetSelectMenuItem(0);
    bar.PopupMenu();
    EXPECT_FALSE(bar.IsPopupOpen());
    EXPECT_EQ(nullptr, CSkinMenuBar::GetOpenMenuBar());
    ::DestroyMenu(hMenu);
}

// The drop-down loop (input posted before the loop starts)

TEST_F(MenuBarTest, ChosenCommandReachesTheWindow) {
    BOOL bOpenDuringLoop = FALSE;
    CSkinMenuBar* pOpenBar = nullptr;
    COLORREF clrPressedFill = CLR_INVALID;
    COLORREF clrPressedEdge = CLR_INVALID;
    m_host.onIdle = [&](int nIdle) {
        if (nIdle > 1) return;
        bOpenDuringLoop = m_bar.IsPopupOpen();
        pOpenBar = CSkinMenuBar::GetOpenMenuBar();
        const CRect h = m_bar.GetMenuItemData(0)->rcHit;
        clrPressedFill = WindowPixel(h.left + 2, h.top + 2);
        clrPressedEdge = WindowPixel(h.left, h.top + 2);
        PostKey(m_host.Hwnd(), VK_DOWN);
        PostKey(m_host.Hwnd(), VK_DOWN);
        PostKey(m_host.Hwnd(), VK_RETURN);
    };
    ClickItem(0);
    ASSERT_EQ(1u, m_host.popups.size());
    EXPECT_EQ(m_hFile, m_host.popups[0]);
    ASSERT_EQ(1u, m_host.commands.size());
    EXPECT_EQ(ID_SAVE, m_host.commands[0]);
    // While open the item is pressed (plain fill, outlined), and the bar is the open one.
    EXPECT_TRUE(bOpenDuringLoop);
    EXPECT_EQ(&m_bar, pOpenBar);
    EXPECT_EQ(kBarBk, clrPressedFill);
    EXPECT_EQ(kBorder, clrPressedEdge);
    EXPECT_FALSE(m_bar.IsPopupOpen());
    EXPECT_EQ(nullptr, CSkinMenuBar::GetOpenMenuBar());
    EXPECT_EQ(-1, CSkinMenuBar::GetOpenMenuItem());
}

TEST_F(MenuBarTest, PopupOpensUnderTheItemAndRemembersItsTop) {
    RECT rcPopup = {};
    m_host.onIdle = [&](int nIdle) {
        if (nIdle > 1) return;
        HWND hPopup = ::FindWindow(_T("#32768"), nullptr);
        if (hPopup) ::GetWindowRect(hPopup, &rcPopup);
        PostKey(m_host.Hwnd(), VK_ESCAPE);
    };
    ClickItem(1);
    const tagQVMenuItemData* pItem = m_bar.GetMenuItemData(1);
    const POINT pt = m_host.ToScreen(pItem->rcHit.left, pItem->rcHit.bottom - 1);
    EXPECT_EQ(pt.y, pItem->nPopupTop);
    EXPECT_EQ(pt.x, rcPopup.left);
    EXPECT_EQ(pt.y, rcPopup.top);
}

TEST_F(MenuBarTest, EscapeClosesWithoutCommandAndKeepsTheItemSelected) {
    PostKey(m_host.Hwnd(), VK_ESCAPE);
    ClickItem(2);
    EXPECT_EQ(1u, m_host.popups.size());
    EXPECT_TRUE(m_host.commands.empty());
    EXPECT_FALSE(m_bar.IsPopupOpen());
    EXPECT_EQ(2, m_bar.GetCurrSelItem());
    // Drawn normal again on the window.
    const CRect h = m_bar.GetMenuItemData(2)->rcHit;
    EXPECT_EQ(kBarBk, WindowPixel(h.left, h.CenterPoint().y));
}

// Posted input of a row: a key, or the mouse moved onto a bar item (kMouseOnItem + its index).
constexpr UINT kMouseOnItem = 0x10000;

TEST_F(MenuBarTest, InputPostedToTheLoopOpensThePopupsAndChoosesTheCommandOfItsRow) {
    const struct {
        int nItem;  // the item clicked; -1: opened by OpenMenuByKey(chKey)
        TCHAR chKey;
        std::vector<UINT> input;
        std::vector<HMENU> popups;
        std::vector<UINT> commands;
    } rows[] = {
        // clang-format off
        // The mouse on another item opens its popup; on the open item it keeps the popup.
        {0, 0, {kMouseOnItem + 2, VK_DOWN, VK_RETURN}, {m_hFile, m_hView}, {ID_ZOOM}},
        {0, 0, {kMouseOnItem + 0, VK_ESCAPE}, {m_hFile}, {}},
        // Right from File to Edit, Left back to File, Left again wraps to the last menu; Right on the
        // last wraps to the first.
        {0, 0, {VK_RIGHT, VK_LEFT, VK_LEFT, VK_DOWN, VK_RETURN}, {m_hFile, m_hEdit, m_hFile, m_hHelp}, {ID_ABOUT}},
        {3, 0, {VK_RIGHT, VK_ESCAPE}, {m_hHelp, m_hFile}, {}},
        // On the submenu item "More" Right opens the submenu and Left closes it instead of moving; on a
        // command item Right moves to the next menu.
        {1, 0, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_RIGHT, VK_RETURN}, {m_hEdit, m_hDeep, m_hDeep}, {ID_DEEP}},
        {1, 0, {VK_DOWN, VK_RIGHT, VK_ESCAPE}, {m_hEdit, m_hView}, {}},
        // The mnemonic in either case; "A&&B &Help": the doubled ampersand is text, H is the mnemonic.
        {-1, _T('e'), {VK_ESCAPE}, {m_hEdit}, {}}, {-1, _T('V'), {VK_ESCAPE}, {m_hView}, {}},
        {-1, _T('h'), {VK_ESCAPE}, {m_hHelp}, {}}, {-1, _T('b'), {}, {}, {}}, {-1, _T('x'), {}, {}, {}},
        // No key opens the first menu.
        {-1, 0, {VK_DOWN, VK_RETURN}, {m_hFile}, {ID_OPEN}},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows));
        m_host.popups.clear();
        m_host.commands.clear();
        for (UINT nInput : r.input) {
            if (nInput < kMouseOnItem) {
                PostKey(m_host.Hwnd(), nInput);
            } else {  // menu loops read mouse points in screen coordinates
                const POINT pt = ItemOnScreen(static_cast<int>(nInput - kMouseOnItem));
                ::PostMessage(m_host.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
            }
        }
        if (r.nItem >= 0) {
            ClickItem(r.nItem);
        } else {
            EXPECT_EQ(!r.popups.empty(), !!m_bar.OpenMenuByKey(r.chKey));
            riztest::PumpUntilIdle();
        }
        EXPECT_EQ(r.popups, m_host.popups);
        EXPECT_EQ(r.commands, m_host.commands);
        EXPECT_FALSE(m_bar.IsPopupOpen());
    }
}

TEST_F(MenuBarTest, AClickWithin100MillisecondsOfThePopupsEndIsIgnored) {
    PostKey(m_host.Hwnd(), VK_ESCAPE);
    ClickItem(0);
    ASSERT_EQ(1u, m_host.popups.size());
    // The click that closed the popup reaches the bar at once, or 99 ms later: nothing opens.
    PostKey(m_host.Hwnd(), VK_ESCAPE);
    m_bar.SetSelectMenuItem(0);
    m_bar.PopupMenu();
    EXPECT_EQ(1u, m_host.popups.size());
    FakeTicks::Advance(99);
    m_bar.PopupMenu();
    EXPECT_EQ(1u, m_host.popups.size());
    // At 100 ms the bar opens again.
    FakeTicks::Advance(1);
    m_bar.PopupMenu();
    riztest::PumpUntilIdle();
    EXPECT_EQ(2u, m_host.popups.size());
}

TEST_F(MenuBarTest, WindowDestroyedWhileThePopupIsOpenEndsTheLoopSafely) {
    // The window deletes its bar as it is destroyed, as a window object that owns it does.
    TestBar* pBar = new TestBar;
    pBar->LoadMenu(CWnd::FromHandle(m_host.Hwnd()), m_hMenu);
    {
        CWindowDC dc(CWnd::FromHandle(m_host.Hwnd()));
        pBar->CalcMenuItemRect(&dc, kBar);
    }
    m_host.onMessage = [&](UINT message) {
        if (message == WM_DESTROY) {
            delete pBar;
            pBar = nullptr;
        }
    };
    // The user's Escape after the window went ends the orphaned popup.
    m_host.onIdle = [&](int) {
        ::DestroyWindow(m_host.Hwnd());
        PostKey(nullptr, VK_ESCAPE);
    };
    FakeTicks::Advance(1000);
    pBar->SetSelectMenuItem(0);
    pBar->PopupMenu();
    EXPECT_EQ(nullptr, pBar);
    EXPECT_EQ(nullptr, CSkinMenuBar::GetOpenMenuBar());
    EXPECT_EQ(nullptr, CSkinMenuBar::GetOpenMenuWnd());
}
