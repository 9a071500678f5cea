// The menu-window hook: real popup menus opened with posted input get the skin's flat frame, move by
// the install offset, join their bar item, and leave no property, subclass or map entry behind.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <functional>
#include <memory>

#include "MenuHostWindow.h"
#include "PixelProbe.h"
#include "QVMenuWndHook.h"
#include "ResourceCounter.h"
#include "SkinMenuBar.h"

namespace {

using menutest::FakeTicks;
using menutest::MenuHostWindow;
using riztest::PostKey;

constexpr COLORREF kFrameBorder = RGB(20, 120, 40);
constexpr COLORREF kFrameFill = RGB(250, 230, 190);

// The popup menu window the thread shows, or NULL.
HWND FindPopupWindow() {
    return ::FindWindow(_T("#32768"), nullptr);
}

// What a test saw of a popup while it was open.
struct PopupSeen {
    HWND hWnd = nullptr;
    CRect rcWindow;
    BOOL bHooked = FALSE;
    BOOL bProperty = FALSE;
    BOOL bSubclassed = FALSE;
    int nHooks = -1;
};

PopupSeen Look(HWND hPopup) {
    PopupSeen seen;
    seen.hWnd = hPopup;
    if (hPopup == nullptr) return seen;
    ::GetWindowRect(hPopup, &seen.rcWindow);
    seen.bHooked = CQVMenuWndHook::GetWndHook(hPopup) != nullptr;
    seen.bProperty = ::GetProp(hPopup, CQVMenuWndHook::GetOldProcProperty()) != nullptr;
    seen.bSubclassed =
        ::GetWindowLongPtr(hPopup, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CQVMenuWndHook::CoolMenuProc);
    seen.nHooks = CQVMenuWndHook::GetWndHookCount();
    return seen;
}

// Sets the two frame colours of the skin and installs the hook; puts everything back after.
class MenuWndHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
        m_oldColors = *pSkin->GetClrDef();
        m_clrOldClientBk = pSkin->GetWndRes()->m_clrClientBk;
        pSkin->GetClrDef()->m_clrColors[4] = kFrameBorder;
        pSkin->GetWndRes()->m_clrClientBk = kFrameFill;
        CQVMenuWndHook::InstallHook(0);

        m_hMenu = ::CreatePopupMenu();
        ::AppendMenu(m_hMenu, MF_STRING, 11, _T("First item"));
        ::AppendMenu(m_hMenu, MF_STRING, 12, _T("Second item"));
        m_hSub = ::CreatePopupMenu();
        ::AppendMenu(m_hSub, MF_STRING, 21, _T("Inner"));
        ::AppendMenu(m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hSub), _T("More"));
    }
    void TearDown() override {
        CQVMenuWndHook::UnInstallHook();
        ::DestroyMenu(m_hMenu);
        CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
        *pSkin->GetClrDef() = m_oldColors;
        pSkin->GetWndRes()->m_clrClientBk = m_clrOldClientBk;
    }

    // Opens the test menu at a screen point; onIdle runs once it shows, then Escape closes it.
    void Track(int x, int y, const std::function<void()>& onIdle) {
        m_host.onIdle = [&, onIdle](int nIdle) {
            if (nIdle != 1) return;
            if (onIdle) onIdle();
            PostKey(m_host.Hwnd(), VK_ESCAPE);
        };
        ::TrackPopupMenuEx(m_hMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, x, y, m_host.Hwnd(),
                           nullptr);
        m_host.onIdle = nullptr;
    }

    MenuHostWindow m_host;
    HMENU m_hMenu = nullptr;
    HMENU m_hSub = nullptr;
    CQVSkinColorDef m_oldColors;
    COLORREF m_clrOldClientBk = 0;
};

// Checks the one-pixel border and the two rings of fill inside it of a captured window of cx x cy.
void ExpectFrame(const riztest::Surface& shot, int cx, int cy) {
    const CRect border[] = {{0, 0, cx, 1}, {0, cy - 1, cx, cy}, {0, 0, 1, cy}, {cx - 1, 0, cx, cy}};
    for (const CRect& rc : border)
        EXPECT_FALSE(shot.HasOtherThan(rc, kFrameBorder, 0)) << rc.left << "," << rc.top;
    const CRect rings[] = {
        {1, 1, cx - 1, 3}, {1, cy - 3, cx - 1, cy - 1}, {1, 1, 3, cy - 1}, {cx - 3, 1, cx - 1, cy - 1}};
    for (const CRect& rc : rings)
        EXPECT_FALSE(shot.HasOtherThan(rc, kFrameFill, 0)) << rc.left << "," << rc.top;
}

}  // namespace

TEST_F(MenuWndHookTest, PopupMenuWindowIsSubclassedWhileItIsOpenAndReleasedWhenItCloses) {
    for (int nRound = 0; nRound < 2; ++nRound) {  // the next popup is hooked again
        SCOPED_TRACE(nRound);
        PopupSeen seen;
        Track(150, 150, [&] { seen = Look(FindPopupWindow()); });
        ASSERT_NE(nullptr, seen.hWnd);
        EXPECT_TRUE(seen.bHooked);
        EXPECT_TRUE(seen.bProperty);
        EXPECT_TRUE(seen.bSubclassed);
        EXPECT_EQ(1, seen.nHooks);
        EXPECT_EQ(CPoint(150, 150), seen.rcWindow.TopLeft());
        // Closed: no property, no subclass, an empty map.
        EXPECT_EQ(0, CQVMenuWndHook::GetWndHookCount());
        EXPECT_EQ(nullptr, CQVMenuWndHook::GetWndHook(seen.hWnd));
        if (::IsWindow(seen.hWnd)) {
            EXPECT_EQ(nullptr, ::GetProp(seen.hWnd, CQVMenuWndHook::GetOldProcProperty()));
            EXPECT_NE(reinterpret_cast<LONG_PTR>(&CQVMenuWndHook::CoolMenuProc),
                      ::GetWindowLongPtr(seen.hWnd, GWLP_WNDPROC));
        }
    }
}

TEST_F(MenuWndHookTest, PopupShowsTheBorderAndTwoRingsOnTheScreenAndWhenPrinted) {
    for (auto source : {riztest::WindowCapture::Screen, riztest::WindowCapture::Print}) {
        SCOPED_TRACE(source == riztest::WindowCapture::Screen ? "screen" : "printed");
        CRect rc;
        std::unique_ptr<riztest::WindowCapture> shot;
        Track(150, 150, [&] {
            HWND hPopup = FindPopupWindow();
            ::GetWindowRect(hPopup, &rc);
            shot.reset(new riztest::WindowCapture(hPopup, source, false));
        });
        ASSERT_TRUE(shot);
        ASSERT_GT(rc.Width(), 10);
        ExpectFrame(*shot, rc.Width(), rc.Height());
    }
}

TEST_F(MenuWndHookTest, SubmenuWindowsAreHookedToo) {
    int nHooksWithSubmenu = -1;
    m_host.onIdle = [&](int nIdle) {
        if (nIdle == 1) {
            // Down to "More" and open it.
            for (int i = 0; i < 3; ++i)
                PostKey(m_host.Hwnd(), VK_DOWN);
            PostKey(m_host.Hwnd(), VK_RIGHT);
        } else if (nHooksWithSubmenu < 0 && CQVMenuWndHook::GetWndHookCount() == 2) {
            nHooksWithSubmenu = 2;
            PostKey(m_host.Hwnd(), VK_ESCAPE);
            PostKey(m_host.Hwnd(), VK_ESCAPE);
        } else if (nIdle > 20) {
            PostKey(m_host.Hwnd(), VK_ESCAPE);
        }
    };
    ::TrackPopupMenuEx(m_hMenu, TPM_LEFTALIGN | TPM_TOPALIGN, 150, 150, m_host.Hwnd(), nullptr);
    EXPECT_EQ(2, nHooksWithSubmenu);
    EXPECT_EQ(0, CQVMenuWndHook::GetWndHookCount());
}

TEST_F(MenuWndHookTest, InstallOffsetMovesPopupsDown) {
    CQVMenuWndHook::InstallHook(7);
    PopupSeen seen;
    Track(150, 150, [&] { seen = Look(FindPopupWindow()); });
    CQVMenuWndHook::InstallHook(0);
    EXPECT_EQ(CPoint(150, 157), seen.rcWindow.TopLeft());
}

TEST_F(MenuWndHookTest, ColoursAreTakenAgainAtEveryInstall) {
    const COLORREF kOtherBorder = RGB(200, 30, 30);
    CQVSkinResManager::GetSingletonPtr()->GetClrDef()->m_clrColors[4] = kOtherBorder;
    // Not yet: the colours of the last install stay.
    COLORREF clrBefore = CLR_INVALID, clrAfter = CLR_INVALID;
    Track(150, 150, [&] {
        riztest::WindowCapture shot(FindPopupWindow(), riztest::WindowCapture::Print, false);
        clrBefore = shot.Pixel(0, 5);
    });
    CQVMenuWndHook::InstallHook(0);
    Track(150, 150, [&] {
        riztest::WindowCapture shot(FindPopupWindow(), riztest::WindowCapture::Print, false);
        clrAfter = shot.Pixel(0, 5);
    });
    EXPECT_EQ(kFrameBorder, clrBefore);
    EXPECT_EQ(kOtherBorder, clrAfter);
}

TEST_F(MenuWndHookTest, OnlyPopupMenuWindowsAreHooked) {
    HWND hOther =
        ::CreateWindow(_T("STATIC"), _T("x"), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hOther);
    EXPECT_EQ(nullptr, ::GetProp(hOther, CQVMenuWndHook::GetOldProcProperty()));
    EXPECT_EQ(nullptr, CQVMenuWndHook::GetWndHook(hOther));
    EXPECT_EQ(0, CQVMenuWndHook::GetWndHookCount());
    ::DestroyWindow(hOther);
}

// Each thread installs and removes its own hook; one thread's calls leave the other's hook alone.
TEST_F(MenuWndHookTest, EachThreadHasItsOwnHook) {
    ASSERT_TRUE(CQVMenuWndHook::IsHookInstalled());
    struct Seen {
        BOOL bBefore = TRUE;
        BOOL bInstalled = FALSE;
        BOOL bRemoved = TRUE;
    } seen;
    HANDLE hThread = ::CreateThread(
        nullptr, 0,
        [](LPVOID pParam) -> DWORD {
            Seen* pSeen = static_cast<Seen*>(pParam);
            pSeen->bBefore = CQVMenuWndHook::IsHookInstalled();
            CQVMenuWndHook::InstallHook(0);
            pSeen->bInstalled = CQVMenuWndHook::IsHookInstalled();
            CQVMenuWndHook::UnInstallHook();
            pSeen->bRemoved = CQVMenuWndHook::IsHookInstalled();
            return 0;
        },
        &seen, 0, nullptr);
    ASSERT_NE(nullptr, hThread);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 10000));
    ::CloseHandle(hThread);
    EXPECT_FALSE(seen.bBefore);
    EXPECT_TRUE(seen.bInstalled);
    EXPECT_FALSE(seen.bRemoved);
    // This thread's hook is still there and still frames its popups.
    EXPECT_TRUE(CQVMenuWndHook::IsHookInstalled());
    PopupSeen during;
    Track(150, 150, [&] { during = Look(FindPopupWindow()); });
    EXPECT_TRUE(during.bHooked);
}

TEST_F(MenuWndHookTest, UnInstallHookGivesTheOpenPopupItsProcedureBackAndHooksNoMore) {
    PopupSeen during;
    Track(150, 150, [&] {
        HWND hPopup = FindPopupWindow();
        CQVMenuWndHook::UnInstallHook();
        during = Look(hPopup);
    });
    EXPECT_FALSE(CQVMenuWndHook::IsHookInstalled());
    ASSERT_NE(nullptr, during.hWnd);
    EXPECT_FALSE(during.bHooked);
    EXPECT_FALSE(during.bProperty);
    EXPECT_FALSE(during.bSubclassed);
    EXPECT_EQ(0, during.nHooks);
    PopupSeen next;
    Track(150, 150, [&] { next = Look(FindPopupWindow()); });
    ASSERT_NE(nullptr, next.hWnd);
    EXPECT_FALSE(next.bHooked);
    EXPECT_FALSE(next.bProperty);
    EXPECT_EQ(0, next.nHooks);
    // A second uninstall does nothing.
    CQVMenuWndHook::UnInstallHook();
}

TEST_F(MenuWndHookTest, HookedPopupsLeakNoGdiObjects) {
    Track(150, 150, nullptr);  // the system's first popup makes its own lasting objects
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 3; ++i)
        Track(150, 150,
              [&] { riztest::WindowCapture shot(FindPopupWindow(), riztest::WindowCapture::Screen, false); });
    EXPECT_EQ(0, before.GdiDelta());
}

// The popup of a bar item

namespace {

// A one-item bar on the host; the item's popup is the test menu.
class BarPopupTest : public MenuWndHookTest {
protected:
    void SetUp() override {
        MenuWndHookTest::SetUp();
        m_hBarMenu = ::CreateMenu();
        ::AppendMenu(m_hBarMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hMenu), _T("&File"));
        m_bar.LoadMenu(CWnd::FromHandle(m_host.Hwnd()), m_hBarMenu);
        CWindowDC dc(CWnd::FromHandle(m_host.Hwnd()));
        m_bar.CalcMenuItemRect(&dc, CRect(10, 0, 300, 24));
    }
    void TearDown() override {
        // The test menu belongs to the bar menu now: only the bar menu is destroyed.
        ::RemoveMenu(m_hBarMenu, 0, MF_BYPOSITION);
        ::DestroyMenu(m_hBarMenu);
        MenuWndHookTest::TearDown();
    }

    CSkinMenuBar m_bar;
    HMENU m_hBarMenu = nullptr;
};

}  // namespace

TEST_F(BarPopupTest, BarPopupJoinsItsItemAcrossTheTopBorder) {
    CRect rc;
    std::unique_ptr<riztest::WindowCapture> shot;
    m_host.onIdle = [&](int nIdle) {
        if (nIdle != 1) return;
        HWND hPopup = FindPopupWindow();
        ::GetWindowRect(hPopup, &rc);
        shot.reset(new riztest::WindowCapture(hPopup, riztest::WindowCapture::Screen, false));
        PostKey(m_host.Hwnd(), VK_ESCAPE);
    };
    FakeTicks ticks;
    FakeTicks::Advance(1000);  // past the guard against reopening
    m_bar.SetSelectMenuItem(0);
    m_bar.PopupMenu();
    ASSERT_TRUE(shot);
    const int nHitWidth = m_bar.GetMenuItemData(0)->rcHit.Width();
    EXPECT_EQ(m_bar.GetMenuItemData(0)->nPopupTop, rc.top);
    ASSERT_GT(rc.Width(), nHitWidth + 2);
    const COLORREF clrMenu = ::GetSysColor(COLOR_MENU);
    // The top border is open in the menu colour under the item, closed beyond it.
    EXPECT_EQ(kFrameBorder, shot->Pixel(0, 0));
    EXPECT_FALSE(shot->HasOtherThan(CRect(1, 0, nHitWidth - 1, 1), clrMenu, 0));
    EXPECT_FALSE(shot->HasOtherThan(CRect(nHitWidth - 1, 0, rc.Width() - 1, 1), kFrameBorder, 0));
    // The rest of the frame is unchanged.
    EXPECT_EQ(kFrameBorder, shot->Pixel(0, rc.Height() / 2));
    EXPECT_EQ(kFrameFill, shot->Pixel(2, 1));
}
