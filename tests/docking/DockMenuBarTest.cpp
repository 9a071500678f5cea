// The dock menu bar: its arithmetic by tables, then through a skinned frame that owns it: drop-downs
// driven by input posted before the loop, the hook, the guard, access keys, texts, pixels, lifetime.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <functional>
#include <vector>

#include "ExpectRows.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVDockContext.h"
#include "QVDockMenuBar.h"
#include "QVDockMenuBarLayout.h"
#include "SkinFrameWnd.h"

using namespace qvdockmenu;

#ifdef _UNICODE
const LPCTSTR kChineseFile = L"\x6587\x4EF6(&F)";
#else
const LPCTSTR kChineseFile = "\xCE\xC4\xBC\xFE(&F)";  // the same in code page 936
#endif

TEST(DockMenuBarLayout, AccessKeysRowsHitsStatesAndTheDropDownPoint) {
    // clang-format off
    riztest::ExpectRows<int>({
        ROW(AccessKeyOf(_T("&File")), 'F'), ROW(AccessKeyOf(_T("&file")), 'f'),
        ROW(AccessKeyOf(_T("Save &As")), 'A'), ROW(AccessKeyOf(_T("Help&")), 0), ROW(AccessKeyOf(_T("None")), 0),
        ROW(AccessKeyOf(_T("A&&B")), '&'), ROW(AccessKeyOf(nullptr), 0), ROW(AccessKeyOf(kChineseFile), 'F'),
        ROW(AccessKeyMap({'F', 0, 'E', 'F'}).size(), 2), ROW(AccessKeyMap({'F', 0, 'E', 'F'}).at('F'), 0),
        ROW(ItemState(2, 2, FALSE), QVMIS_HOT), ROW(ItemState(2, 2, TRUE), QVMIS_PRESSED),
        ROW(ItemState(1, 2, TRUE), QVMIS_NORMAL), ROW(ItemState(-1, -1, FALSE), QVMIS_NORMAL),
        ROW(IsReopenGuarded(1099, 1000), TRUE), ROW(IsReopenGuarded(1100, 1000), FALSE),
        ROW(IsReopenGuarded(20, 0xFFFFFFF0u), TRUE),
    });
    // clang-format on
    CSize sizeBar;
    const std::vector<CItemRects> items = LayoutItems(CRect(0, 0, 300, 30), {{30, 14}, {40, 16}}, &sizeBar);
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ(CRect(10, 3, 60, 16), items[0].rcItem);
    EXPECT_EQ(CRect(10, 3, 56, 12), items[0].rcHit);
    EXPECT_EQ(CRect(56, 3, 116, 18), items[1].rcItem);  // from the previous hit rectangle's right
    EXPECT_EQ(CSize(115, 18), sizeBar);
    EXPECT_EQ(CSize(3, 3), (LayoutItems(CRect(0, 0, 9, 9), {}, &sizeBar), sizeBar));
    // clang-format off
    riztest::ExpectRows<int>({
        ROW(HitTest(items, CPoint(10, 3)), 0), ROW(HitTest(items, CPoint(56, 11)), 1),
        ROW(HitTest(items, CPoint(9, 5)), -1), ROW(HitTest(items, CPoint(20, 12)), -1),
        ROW(DropDownPoint(CRect(100, 50, 300, 70), items[1].rcHit) == CPoint(156, 64), true),
        ROW(DropDownPoint(CRect(-80, -20, 100, 0), items[0].rcHit) == CPoint(0, 0), true),
    });
    // clang-format on
}

namespace {

enum : UINT { ID_OPEN = 101, ID_SAVE = 102, ID_CUT = 201, ID_DEEP = 211, ID_ZOOM = 301, ID_CLOSE = 401 };

DWORD s_dwNow = 5000;
DWORD FakeNow() {
    return s_dwNow;
}

COLORREF Darken(COLORREF c, int f) {
    return RGB(GetRValue(c) * f / 255, GetGValue(c) * f / 255, GetBValue(c) * f / 255);
}

class TestMenuBar : public CQVDockMenuBar {
public:
    using CQVDockMenuBar::DrawMenuItem;
};

// Records where a drag would start instead of running the drag loop.
class RecordingContext : public CQVDockContext {
public:
    using CQVDockContext::CQVDockContext;
    void StartDrag(CPoint pt) override { drags.push_back(pt); }
    std::vector<CPoint> drags;
};

// The owner: a skinned frame whose update handlers disable Save and check Zoom, that records the
// commands and drop-downs it hears of and runs onIdle at a drop-down's WM_ENTERIDLE. ID_CLOSE destroys
// the frame (and the bar, its member, with it).
class COwnerFrame : public CSkinFrameWnd {
public:
    std::vector<UINT> commands;
    std::vector<HMENU> popups;
    std::function<void(int)> onIdle;
    TestMenuBar bar;
    int nIdle = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back(LOWORD(wParam));
        return LOWORD(wParam) == ID_CLOSE ? DestroyWindow() : CSkinFrameWnd::OnCommand(wParam, lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITMENUPOPUP) popups.push_back(reinterpret_cast<HMENU>(wParam)), nIdle = 0;
        if (message == WM_ENTERIDLE && onIdle) return onIdle(++nIdle), 0;  // may destroy this frame
        return CSkinFrameWnd::WindowProc(message, wParam, lParam);
    }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateZoom(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerFrame, CSkinFrameWnd)
ON_UPDATE_COMMAND_UI(ID_SAVE, &COwnerFrame::OnUpdateSave)
ON_UPDATE_COMMAND_UI(ID_ZOOM, &COwnerFrame::OnUpdateZoom)
END_MESSAGE_MAP()

HMENU Popup(std::initializer_list<std::pair<UINT_PTR, LPCTSTR>> items, UINT nFlags = MF_STRING) {
    HMENU hMenu = nFlags == MF_POPUP ? ::CreateMenu() : ::CreatePopupMenu();
    for (const auto& item : items)
        ::AppendMenu(hMenu, nFlags, item.first, item.second);
    return hMenu;
}
#define SUB(h) reinterpret_cast<UINT_PTR>(h)

// "&File" (Open, Save), "&Edit" (Cut, "&More" opening Deep), "~IDS_OK" (Zoom), "&x" (Close), "Help&"
// (empty), "&Fun" ("~IDS_CANCEL"): docked at the top of a frame at a known place.
class DockMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::SetCursorPos(5, ::GetSystemMetrics(SM_CYSCREEN) - 5);
        CQVDockMenuBar::SetClock(&FakeNow);
        m_hFile = Popup({{ID_OPEN, _T("&Open")}, {ID_SAVE, _T("&Save")}});
        m_hDeep = Popup({{ID_DEEP, _T("&Deep")}});
        m_hEdit = Popup({{ID_CUT, _T("Cu&t")}});
        ::AppendMenu(m_hEdit, MF_POPUP, SUB(m_hDeep), _T("&More"));
        m_hView = Popup({{ID_ZOOM, _T("&Zoom")}});
        m_hX = Popup({{ID_CLOSE, _T("&Close")}});
        m_hFun = Popup({{ID_OPEN, _T("~IDS_CANCEL")}});
        m_hMenu = Popup({{SUB(m_hFile), _T("&File")},
                         {SUB(m_hEdit), _T("&Edit")},
                         {SUB(m_hView), _T("~IDS_OK")},
                         {SUB(m_hX), _T("&x")},
                         {SUB(::CreatePopupMenu()), _T("Help&")},
                         {SUB(m_hFun), _T("&Fun")}},
                        MF_POPUP);
        m_pFrame = new COwnerFrame;  // deletes itself with its window
        m_pFrame->Create(nullptr, _T("Owner"), WS_OVERLAPPEDWINDOW, CRect(60, 60, 660, 360));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->m_bAutoMenuEnable = FALSE;
        Bar().CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE820);
        Bar().LoadMenu(m_hMenu);
        Bar().EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_TOP);
        m_pFrame->ShowWindow(SW_SHOWNA);
        m_pFrame->RecalcLayout();
        riztest::PumpUntilIdle();
    }
    void TearDown() override {
        if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
        riztest::PumpUntilIdle();
        ::DestroyMenu(m_hMenu);
        CQVDockMenuBar::SetClock(nullptr);
    }
    TestMenuBar& Bar() { return m_pFrame->bar; }
    // A click on an item, past the guard of the last drop-down; the posted command is then delivered.
    void Click(int nItem, DWORD dwAfter = 1000) {
        s_dwNow += dwAfter;
        const CPoint pt = Bar().GetMenuItemData(nItem)->rcHit.CenterPoint();
        ::SendMessage(Bar().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        riztest::PumpUntilIdle();
    }

    CWinApp m_app{_T("DockMenu")};
    COwnerFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    HMENU m_hMenu = nullptr, m_hFile = nullptr, m_hEdit = nullptr, m_hDeep = nullptr, m_hView = nullptr,
          m_hX = nullptr, m_hFun = nullptr;
};

}  // namespace

TEST_F(DockMenuBarTest, PostedInputOpensDropDownsMovesWithLeftAndRightAndChoosesACommand) {
    const struct {
        int nItem;
        DWORD dwAfter;  // milliseconds since the last drop-down ended
        std::vector<UINT> keys;
        std::vector<HMENU> popups;
        std::vector<UINT> commands;
    } rows[] = {
        // Save, disabled by the owner's update handler, is not chosen; Escape then closes.
        {0, 1000, {VK_DOWN, VK_RETURN}, {m_hFile}, {ID_OPEN}},
        {0, 1000, {VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE}, {m_hFile}, {}},
        {0, 1000, {VK_RIGHT, VK_LEFT, VK_LEFT, VK_ESCAPE}, {m_hFile, m_hEdit, m_hFile, m_hFun}, {}},
        // The click that closed a drop-down (or one 99 ms later) does not reopen it; at 100 ms it does.
        {0, 0, {VK_ESCAPE}, {}, {}},
        {0, 99, {VK_ESCAPE}, {}, {}},
        {0, 1, {VK_ESCAPE}, {m_hFile}, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(&r - rows);
        m_pFrame->popups.clear();
        m_pFrame->commands.clear();
        for (UINT vk : r.keys)
            riztest::PostKey(Bar().m_hWnd, vk);
        Click(r.nItem, r.dwAfter);
        EXPECT_EQ(r.popups, m_pFrame->popups);
        EXPECT_EQ(r.commands, m_pFrame->commands);
        EXPECT_FALSE(Bar().IsPopupOpen());
        EXPECT_EQ(nullptr, CQVDockMenuBar::GetActiveMenuBar());
    }
    CString strText;  // the "~" texts of a drop-down are translated when it opens
    CMenu::FromHandle(m_hFun)->GetMenuString(0, strText, MF_BYPOSITION);
    EXPECT_EQ(CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_CANCEL")), strText);
}

TEST_F(DockMenuBarTest, AMoveOntoANeighbourSeenByTheHookOpensItsDropDown) {
    UINT nZoomState = 0;
    m_pFrame->onIdle = [&](int nIdle) {
        if (nIdle != 1) return;
        if (m_pFrame->popups.size() == 1) {
            // The owner feeds the menu loop's filter a move onto the third item.
            CPoint pt = Bar().GetMenuItemData(2)->rcHit.CenterPoint();
            Bar().ClientToScreen(&pt);
            MSG msg = {Bar().m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y), 0, pt};
            ::CallMsgFilter(&msg, MSGF_MENU);
        } else {
            nZoomState = ::GetMenuState(m_hView, ID_ZOOM, MF_BYCOMMAND);
            riztest::PostKey(Bar().m_hWnd, VK_ESCAPE);
        }
    };
    Click(0);
    EXPECT_EQ((std::vector<HMENU>{m_hFile, m_hView}), m_pFrame->popups);
    EXPECT_EQ(CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_OK")),
              Bar().GetMenuItemData(2)->strText);
    EXPECT_TRUE(nZoomState & MF_CHECKED) << "the owner's update handler checked Zoom";
    EXPECT_EQ(-1, CQVDockMenuBar::GetOpenMenuItem());
}

TEST_F(DockMenuBarTest, AltKeysMatchTheExactByteOfTheirItemAndTheFirstOfADuplicate) {
    const struct {
        UINT message;
        WPARAM key;
        HMENU hOpened;  // NULL: the key is not the bar's
    } rows[] = {{WM_SYSKEYDOWN, 'F', m_hFile},        {WM_SYSKEYDOWN, 'E', m_hEdit},
                {WM_SYSKEYDOWN, 'X', nullptr},        {WM_SYSKEYDOWN, 'x', m_hX},
                {WM_SYSKEYDOWN, 'H', nullptr},        {WM_KEYDOWN, 'F', nullptr},
                {WM_SYSKEYDOWN, 0x100 + 'F', m_hFile}};
    for (const auto& r : rows) {
        SCOPED_TRACE(&r - rows);
        m_pFrame->popups.clear();
        s_dwNow += 1000;
        riztest::PostKey(Bar().m_hWnd, VK_ESCAPE);
        MSG msg = {Bar().m_hWnd, r.message, r.key, 0, 0, {}};
        EXPECT_EQ(r.hOpened != nullptr, !!Bar().ProcessPreTranslateMessage(&msg));
        riztest::PumpUntilIdle();
        EXPECT_EQ(r.hOpened ? std::vector<HMENU>{r.hOpened} : std::vector<HMENU>{}, m_pFrame->popups);
    }
}

TEST_F(DockMenuBarTest, HotAndOpenItemsDrawFrameFillAndTheShadowOverTheBackground) {
    const COLORREF base = RGB(200, 180, 160);
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    const tagQVMenuItemData* pItem = Bar().GetMenuItemData(1);
    const CRect r = pItem->rcItem, h = pItem->rcHit;
    riztest::Surface open(r.right + 4, r.bottom + 4, base), hot(r.right + 4, r.bottom + 4, base);
    Bar().DrawMenuItem(CDC::FromHandle(open.Dc()), pItem, QVMIS_PRESSED);
    Bar().DrawMenuItem(CDC::FromHandle(hot.Dc()), pItem, QVMIS_HOT);
    EXPECT_EQ("", open.WrongPixels({{h.left, h.top + 2, pColors->GetColor(9)},
                                    {h.left + 1, h.top + 1, base},
                                    {r.left + 6, r.bottom - 4, Darken(base, 140)},
                                    {r.right - 1, r.top + 6, Darken(base, 240)},
                                    {r.right - 4, r.bottom - 4, Darken(base, 170)},
                                    {r.left + 5, r.bottom - 3, Darken(base, 205)},
                                    {r.right, r.bottom - 2, base}}));
    EXPECT_EQ("", hot.WrongPixels({{h.left, h.top + 2, pColors->GetColor(8)},
                                   {h.left + 1, h.top + 1, pColors->GetColor(10)},
                                   {r.left + 6, r.bottom - 4, base}}));
}

TEST_F(DockMenuBarTest, AClickOnTheGripDragsTheBarAndAnEmptyMenuOpensNothing) {
    auto* pContext = new RecordingContext(&Bar());
    delete Bar().m_pDockContext;
    Bar().m_pDockContext = pContext;
    ::SendMessage(Bar().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    CPoint pt(10, 5);
    Bar().ClientToScreen(&pt);
    EXPECT_EQ(std::vector<CPoint>{pt}, pContext->drags);
    EXPECT_TRUE(m_pFrame->popups.empty());

    HMENU hEmpty = ::CreateMenu();
    Bar().LoadMenu(hEmpty);
    s_dwNow += 1000;
    Bar().SetSelectMenuItem(0);
    EXPECT_FALSE(Bar().PopupMenu());
    MSG msg = {Bar().m_hWnd, WM_SYSKEYDOWN, 'F', 0, 0, {}};
    EXPECT_FALSE(Bar().ProcessPreTranslateMessage(&msg));
    EXPECT_EQ(0, Bar().GetMenuItemCount());
    EXPECT_EQ(-1, Bar().GetCurrSelItem());
    ::DestroyMenu(hEmpty);
}

TEST_F(DockMenuBarTest, AFrameDestroyedFromADropDownOrItsCommandLeavesNoLoopBehind) {
    // From the command (posted after the loop), then from inside the drop-down's idle.
    riztest::PostKey(Bar().m_hWnd, VK_DOWN);
    riztest::PostKey(Bar().m_hWnd, VK_RETURN);
    Click(3);
    EXPECT_FALSE(::IsWindow(m_hFrame));
    ::DestroyMenu(m_hMenu);
    SetUp();
    m_pFrame->onIdle = [&](int) {
        riztest::PostKey(nullptr, VK_ESCAPE);
        ::DestroyWindow(m_hFrame);
    };
    s_dwNow += 1000;
    MSG msg = {m_hFrame, WM_SYSKEYDOWN, 'F', 0, 0, {}};
    EXPECT_TRUE(m_pFrame->bar.ProcessPreTranslateMessage(&msg));
    EXPECT_FALSE(::IsWindow(m_hFrame));
    EXPECT_EQ(nullptr, CQVDockMenuBar::GetActiveMenuBar());
    EXPECT_EQ(-1, CQVDockMenuBar::GetOpenMenuItem());
}

TEST_F(DockMenuBarTest, EveryLanguageSwitchRenamesTheBarAndEveryDropDownFromTheKeys) {
    ::ModifyMenu(m_hEdit, ID_CUT, MF_BYCOMMAND | MF_STRING, ID_CUT, _T("~IDS_NO"));
    ::ModifyMenu(m_hDeep, ID_DEEP, MF_BYCOMMAND | MF_STRING, ID_DEEP, _T("~IDS_YES"));
    auto itemText = [](HMENU hMenu) {
        CString str;
        CMenu::FromHandle(hMenu)->GetMenuString(0, str, MF_BYPOSITION);
        return str;
    };
    CQVLanResManager* pLan = CQVLanResManager::GetSingletonPtr();
    const CString strSaved = pLan->GetCurrentLanFile();
    for (int nLanguage : {1, 0, 1}) {  // Chinese, English, Chinese
        SCOPED_TRACE(nLanguage);
        ASSERT_TRUE(pLan->LoadLanguage(pLan->GetLanguageFile(nLanguage)));
        Bar().SendMessage(WM_QV_LANCHANGED);
        for (int nItem : {1, 5}) {  // Edit (with More's submenu) and Fun, each opened and closed
            riztest::PostKey(Bar().m_hWnd, VK_ESCAPE);
            Click(nItem);
        }
        EXPECT_EQ(pLan->GetString(_T("IDS_OK")), Bar().GetMenuItemData(2)->strText);
        EXPECT_EQ(pLan->GetString(_T("IDS_NO")), itemText(m_hEdit));
        EXPECT_EQ(pLan->GetString(_T("IDS_YES")), itemText(m_hDeep));
        EXPECT_EQ(pLan->GetString(_T("IDS_CANCEL")), itemText(m_hFun));
        EXPECT_EQ(nLanguage == 0, itemText(m_hFun) == _T("Cancel"));
    }
    pLan->LoadLanguage(strSaved);
}
