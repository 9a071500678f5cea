// The skinned frame window with its menu from the resources: the skinned menu bar, Alt and a menu command,
// status prompts, self-deletion; and the unframed window with owner-drawn menus.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVDockWnd.h"
#include "QVSkinNotify.h"
#include "QVWnd.h"
#include "SkinFrameWnd.h"
#include "SkinWndTestIds.h"
#include "SkinWndTestKit.h"

using namespace skintest;

namespace {

// A frame that records its menu loops and the commands it receives; a command can destroy it.
class CTestFrame : public CSkinFrameWnd {
public:
    CSkinWnd& Skin() { return m_SkinWnd; }
    void OnOpen() {
        commands.push_back(ID_SKINTEST_OPEN);
        if (bDestroyOnOpen) DestroyWindow();
    }
    void OnAbout() { commands.push_back(ID_SKINTEST_ABOUT); }

    std::vector<UINT> commands;
    std::vector<HMENU> popups;
    std::vector<WPARAM> menuLoops;  // wParam of WM_ENTERMENULOOP: TRUE for a tracked popup menu
    bool bDestroyOnOpen = false;
    static int s_nDeleted;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITMENUPOPUP) popups.push_back(reinterpret_cast<HMENU>(wParam));
        if (message == WM_ENTERMENULOOP) menuLoops.push_back(wParam);
        return CSkinFrameWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {
        ++s_nDeleted;
        CSkinFrameWnd::PostNcDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
int CTestFrame::s_nDeleted = 0;

BEGIN_MESSAGE_MAP(CTestFrame, CSkinFrameWnd)
ON_COMMAND(ID_SKINTEST_OPEN, &CTestFrame::OnOpen)
ON_COMMAND(ID_SKINTEST_ABOUT, &CTestFrame::OnAbout)
END_MESSAGE_MAP()

class SkinFrameWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The pointer stays away from the frame, so that no real mouse move selects anything.
        ::SetCursorPos(5, ::GetSystemMetrics(SM_CYSCREEN) - 5);
        CTestFrame::s_nDeleted = 0;
        m_pFrame = new CTestFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, _T("Lessons"), WS_OVERLAPPEDWINDOW, CRect(100, 100, 500, 400),
                                     nullptr, MAKEINTRESOURCE(IDR_SKINTEST_FRAME)));
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->UpdateWindow();
    }
    void TearDown() override {
        if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
        riztest::PumpMessages(1000);
    }

    SkinScope m_skin;
    CTestFrame* m_pFrame = nullptr;  // deletes itself with its window
    HWND m_hFrame = nullptr;
};

TEST_F(SkinFrameWndTest, MenuFromTheResourcesBecomesTheSkinnedBar) {
    const CRect rcClient = ClientInWindow(m_hFrame);
    EXPECT_EQ(CPoint(kLeft, kCaption + kMenuBar), rcClient.TopLeft());
    // The frame grew at creation so that its client kept the width the system frame would give.
    EXPECT_EQ(400 - 2 * ::GetSystemMetrics(SM_CXFRAME), rcClient.Width());
    CSkinWnd& skin = m_pFrame->Skin();
    ASSERT_EQ(2, skin.GetMenuItemCount());
    EXPECT_EQ(CString(_T("&File")), skin.GetMenuItemData(0)->strText);
    EXPECT_EQ(::GetSubMenu(::GetMenu(m_hFrame), 0), skin.GetMenuItemData(0)->hSubMenu);
    // The window's menu items are drawn by the skin.
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfo(::GetSubMenu(::GetMenu(m_hFrame), 0), ID_SKINTEST_OPEN, FALSE, &mii));
    EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
    // The bar is laid out in its place under the caption.
    m_pFrame->SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(kCaption + 1, skin.GetMenuItemData(0)->rcItem.top);
    EXPECT_EQ(kLeft + 2, skin.GetMenuItemData(0)->rcItem.left);
}

TEST_F(SkinFrameWndTest, AltKeysOpenTheSkinnedBarAndItsCommandsReachTheFrame) {
    // Keys posted before Alt (SC_KEYMENU with the letter), then the popups and the commands.
    const struct {
        TCHAR chLetter;
        std::vector<UINT> keys;
        size_t nPopups;
        std::vector<UINT> commands;
        bool bDestroyOnOpen;
    } rows[] = {
        {_T('f'), {VK_DOWN, VK_RETURN}, 1, {ID_SKINTEST_OPEN}, false},
        {0, {VK_ESCAPE}, 1, {}, false},                                // no letter: the first menu
        {_T('q'), {}, 0, {}, false},                                   // an unknown letter opens nothing
        {_T('f'), {VK_DOWN, VK_RETURN}, 1, {ID_SKINTEST_OPEN}, true},  // the command destroys the frame
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows));
        m_pFrame->popups.clear();
        m_pFrame->menuLoops.clear();
        m_pFrame->commands.clear();
        m_pFrame->bDestroyOnOpen = r.bDestroyOnOpen;
        for (UINT vk : r.keys)
            riztest::PostKey(m_hFrame, vk);
        const HMENU hFile = ::GetSubMenu(::GetMenu(m_hFrame), 0);
        m_pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, r.chLetter);
        riztest::PumpUntilIdle(500);
        if (r.bDestroyOnOpen) {
            EXPECT_FALSE(::IsWindow(m_hFrame));
            EXPECT_EQ(1, CTestFrame::s_nDeleted);
            continue;
        }
        ASSERT_EQ(r.nPopups, m_pFrame->popups.size());
        EXPECT_EQ(r.commands, m_pFrame->commands);
        EXPECT_FALSE(m_pFrame->Skin().IsPopupOpen());
        EXPECT_TRUE(::IsWindow(m_hFrame));
        if (r.nPopups == 0) {
            EXPECT_TRUE(m_pFrame->menuLoops.empty());
            continue;
        }
        EXPECT_EQ(hFile, m_pFrame->popups[0]);
        // A tracked popup of the skinned bar, not the system's menu bar loop.
        ASSERT_FALSE(m_pFrame->menuLoops.empty());
        EXPECT_EQ(static_cast<WPARAM>(TRUE), m_pFrame->menuLoops[0]);
    }
}

TEST_F(SkinFrameWndTest, CloseButtonDeletesTheFrame) {
    const CRect rcWindow = WindowRect(m_hFrame);
    const LPARAM lPoint = MAKELPARAM(rcWindow.right - 10, rcWindow.top + 10);
    ::PostMessage(m_hFrame, WM_NCLBUTTONDOWN, HTCLOSE, lPoint);
    ::PostMessage(m_hFrame, WM_NCLBUTTONUP, HTCLOSE, lPoint);
    riztest::PumpUntilIdle(500);
    EXPECT_FALSE(::IsWindow(m_hFrame));
    EXPECT_EQ(1, CTestFrame::s_nDeleted);
}

TEST_F(SkinFrameWndTest, StatusPromptsAreTranslatedAndCutAfterTheFirstLine) {
    CString strPrompt;
    m_pFrame->GetMessageString(ID_SKINTEST_OPEN, strPrompt);
    EXPECT_EQ(CString(_T("Opens a lesson\n")), strPrompt);
    m_pFrame->GetMessageString(ID_SKINTEST_CLOSE, strPrompt);
    EXPECT_EQ(CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_OK")), strPrompt);
    // A newline at the very start is not a line end: the text stays whole.
    m_pFrame->GetMessageString(ID_SKINTEST_ABOUT, strPrompt);
    EXPECT_EQ(CString(_T("\nAbout")), strPrompt);
    m_pFrame->GetMessageString(0x7FFF, strPrompt);
    EXPECT_TRUE(strPrompt.IsEmpty());
}

TEST_F(SkinFrameWndTest, FrameIsDynamicallyCreatable) {
    CObject* pObject = RUNTIME_CLASS(CSkinFrameWnd)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CSkinFrameWnd)));
    delete pObject;
}

// WM_PRINT of the whole window (PrintWindow) draws the frame the window shows, in either skin.
TEST_F(SkinFrameWndTest, PrintingTheWindowDrawsTheSkinnedFrame) {
    const SkinScope shipped(false);
    std::vector<COLORREF> captions;
    for (LPCTSTR lpszSkin : {_T("Default"), _T("Jade")}) {
        ASSERT_TRUE(CQVSkinResManager::GetSingletonPtr()->LoadSkin(ShippedSkinFolder(lpszSkin)));
        ::SendMessage(m_hFrame, WM_QV_SKINCHANGED, 0, 0);
        const riztest::WindowCapture shown(m_hFrame, riztest::WindowCapture::Screen, false),
            printed(m_hFrame, riztest::WindowCapture::Print, false);
        const int x = shown.Width() * 3 / 5, y = ClientInWindow(m_hFrame).top / 3;
        EXPECT_EQ("", printed.WrongPixels({{x, y, shown.Pixel(x, y)}, {1, y * 4, shown.Pixel(1, y * 4)}}, 2));
        captions.push_back(printed.Pixel(x, y));
    }
    EXPECT_NE(captions[0], captions[1]);
}

// The frame paints of one window, counted by a hook while it is set.
struct NcPaintCounter {
    static HWND s_hWnd;
    static int s_nPaints;
    HHOOK hHook;
    explicit NcPaintCounter(HWND hWnd) {
        s_hWnd = hWnd;
        s_nPaints = 0;
        hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, &Count, nullptr, ::GetCurrentThreadId());
    }
    ~NcPaintCounter() { ::UnhookWindowsHookEx(hHook); }
    static LRESULT CALLBACK Count(int nCode, WPARAM wParam, LPARAM lParam) {
        const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && pMsg->hwnd == s_hWnd && pMsg->message == WM_NCPAINT) ++s_nPaints;
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
};
HWND NcPaintCounter::s_hWnd = nullptr;
int NcPaintCounter::s_nPaints = 0;

// A thread-wide skin notice that redraws every window afterwards leaves the new frame to that redraw:
// nothing of the frame is painted while the notice runs, what the frame uncovers is marked for
// repainting, and the paint after it shows the new skin. The skin message sent alone repaints the
// frame at once.
TEST_F(SkinFrameWndTest, ARedrawingNoticeLeavesTheFramePaintToItsRedraw) {
    const SkinScope shipped(false);
    // A window behind the frame, larger than it on every side.
    CRect rcBehind = WindowRect(m_hFrame);
    rcBehind.InflateRect(30, 30);
    const HWND hBehind =
        ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP | WS_VISIBLE, rcBehind.left, rcBehind.top,
                         rcBehind.Width(), rcBehind.Height(), nullptr, nullptr, nullptr, nullptr);
    ::SetWindowPos(hBehind, m_hFrame, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    riztest::PumpUntilIdle();
    const CRect rcBefore = WindowRect(m_hFrame);
    const auto captionShows = [&](const char* pszWhen) {
        const riztest::WindowCapture shown(m_hFrame, riztest::WindowCapture::Screen, false),
            printed(m_hFrame, riztest::WindowCapture::Print, false);
        const int x = shown.Width() * 3 / 5, y = ClientInWindow(m_hFrame).top / 3;
        EXPECT_EQ("", printed.WrongPixels({{x, y, shown.Pixel(x, y)}}, 2)) << pszWhen;
    };
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    {
        const NcPaintCounter paints(m_hFrame);
        ASSERT_TRUE(pSkins->LoadSkin(ShippedSkinFolder(_T("Jade"))));
        QVNotifyThreadWindows(WM_QV_SKINCHANGED, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        EXPECT_EQ(0, NcPaintCounter::s_nPaints) << "inside the notice";
        // The strip the frame gave up (the skins' borders differ) waits to be repainted behind it.
        const CRect rcAfter = WindowRect(m_hFrame);
        ASSERT_NE(rcBefore, rcAfter);
        CRgn rgnUncovered, rgnAfter, rgnWaiting;
        rgnUncovered.CreateRectRgnIndirect(&rcBefore);
        rgnAfter.CreateRectRgnIndirect(&rcAfter);
        ASSERT_NE(NULLREGION, rgnUncovered.CombineRgn(&rgnUncovered, &rgnAfter, RGN_DIFF));
        rgnWaiting.CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(hBehind, rgnWaiting, FALSE);
        rgnWaiting.OffsetRgn(rcBehind.TopLeft());  // the popup's client is its window
        EXPECT_NE(NULLREGION, rgnWaiting.CombineRgn(&rgnWaiting, &rgnUncovered, RGN_AND));
        riztest::PumpUntilIdle();
        EXPECT_GE(NcPaintCounter::s_nPaints, 1) << "after it";
    }
    captionShows("after the notice");
    {
        const NcPaintCounter paints(m_hFrame);
        ASSERT_TRUE(pSkins->LoadSkin(ShippedSkinFolder(_T("Default"))));
        ::SendMessage(m_hFrame, WM_QV_SKINCHANGED, 0, 0);
        EXPECT_GE(NcPaintCounter::s_nPaints, 1) << "the message alone";
    }
    captionShows("after the message alone");
    ::DestroyWindow(hBehind);
}

// While a floating frame of its own is active the caption stays active; another window's activation
// makes it inactive, and the floating frame activated again brings the active look back.
TEST_F(SkinFrameWndTest, CaptionStaysActiveWhileItsFloatingFrameIsActive) {
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CQVDockWnd pane;
    ASSERT_TRUE(pane.CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE901));
    pane.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->FloatControlBar(&pane, CPoint(600, 300));
    ASSERT_TRUE(pane.IsFloating());
    const HWND hFloat = pane.GetParentFrame()->m_hWnd;
    const HWND hOther = ::CreateWindowEx(0, _T("STATIC"), _T("Other"), WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                         700, 500, 100, 80, nullptr, nullptr, nullptr, nullptr);
    for (HWND hActivate : {m_hFrame, hFloat, hOther, hFloat, m_hFrame, hOther}) {
        ::SetActiveWindow(hActivate);
        riztest::PumpUntilIdle(200);
        const COLORREF clr = hActivate == hOther ? kCaptionInactive : kCaptionActive;
        EXPECT_TRUE(riztest::ColorNear(clr, WindowPixel(m_hFrame, 250, 4))) << hActivate;
    }
    ::DestroyWindow(hOther);
}

// ---- The unframed window ----

TEST(QVWndTest, MenusAreOwnerDrawnWithTheSystemFrame) {
    SkinScope skin;
    CQVWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T("plain"), WS_OVERLAPPEDWINDOW, 10, 10, 300, 200,
                             nullptr, nullptr));
    CMenu menu;
    menu.LoadMenu(IDR_SKINTEST_FRAME);
    ASSERT_NE(nullptr, menu.GetSafeHmenu());
    wnd.SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(menu.GetSafeHmenu()));
    HMENU hFile = ::GetSubMenu(menu.GetSafeHmenu(), 0);
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfo(hFile, ID_SKINTEST_OPEN, FALSE, &mii));
    EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);

    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ID_SKINTEST_OPEN;
    mis.itemData = mii.dwItemData;
    wnd.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(25u, mis.itemHeight);
    // The frame is the system's.
    EXPECT_EQ(::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYFRAME),
              ClientInWindow(wnd.m_hWnd).top);
    wnd.DestroyWindow();
}

}  // namespace
