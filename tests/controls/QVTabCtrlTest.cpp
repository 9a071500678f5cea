// CQVTabCtrl through real windows: tabs added, found and deleted, the parent's answer to a posted
// click, hover, a parent that destroys or clears the strip while it answers, the skin's frames and
// base line read from the screen, skin changes, bad input, subclassing and a soak.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <climits>
#include <functional>
#include <string>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVTabCtrl.h"
#include "QVTabCtrlTestRes.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "Watchdog.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kBack = RGB(236, 240, 248);
constexpr COLORREF kLine = RGB(200, 30, 90);
constexpr UINT kTabId = 940;

COLORREF FrameColour(int nFrame) {
    static const COLORREF s_colours[4] = {RGB(200, 200, 200), RGB(120, 200, 240), RGB(40, 80, 160),
                                          RGB(250, 210, 90)};
    return s_colours[nFrame & 3];
}

// The parent: answers WM_QV_TABSELCHANGING with m_lAnswer after running m_onAsk.
class CTabDialog : public CDialog {
public:
    CTabDialog() : CDialog(IDD_QVTAB) {}
    LRESULT m_lAnswer = 0;
    int m_nAsked = 0;
    WPARAM m_wNew = 0;
    LPARAM m_lOld = 0;
    std::function<void()> m_onAsk;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_QV_TABSELCHANGING) return CDialog::WindowProc(message, wParam, lParam);
        ++m_nAsked;
        m_wNew = wParam;
        m_lOld = lParam;
        if (m_onAsk) m_onAsk();
        return m_lAnswer;
    }
};

class TabTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        ASSERT_TRUE(LoadSkin(40, 20, kLine, true));
        ASSERT_TRUE(m_dlg.Create(IDD_QVTAB));
        m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        Pump();
    }
    void TearDown() override {
        if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
        Pump();
    }

    // A skin of four solid tab frames (10 pixels wide, a key-coloured top-left pixel) or none.
    bool LoadSkin(int nMinWidth, int nHeight, COLORREF clrLine, bool bImage) {
        CString strName;
        strName.Format(_T("skin%d\\"), m_nSkins++);
        const std::vector<BYTE> image = riztest::Bmp24(40, nHeight > 0 ? nHeight : 1, [](int x, int y) {
            return x % 10 == 0 && y == 0 ? kKey : FrameColour(x / 10);
        });
        CStringA strIni;
        strIni.Format("[Window]\r\nClientBkColor = %d,%d,%d\r\n[Button]\r\n%s\r\nTabMinWidth = %d\r\n"
                      "TabHeight = %d\r\n[Colors]\r\nColor3 = %d,%d,%d\r\n",
                      GetRValue(kBack), GetGValue(kBack), GetBValue(kBack), bImage ? "Tab = Tab.bmp" : "",
                      nMinWidth, nHeight, GetRValue(clrLine), GetGValue(clrLine), GetBValue(clrLine));
        return m_folder.WriteFile(strName + _T("Tab.bmp"), image) &&
               m_folder.WriteFile(strName + _T("skin.ini"), strIni.GetString()) &&
               CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strName));
    }
    // A strip 300 pixels wide at (10, 80) with three tabs, the first selected.
    void MakeStrip(CQVTabCtrl& tab) {
        CRect rc(10, 80, 310, 200);
        ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, rc, &m_dlg, kTabId));
        EXPECT_EQ(100, rc.bottom);  // the caller's rectangle takes the tab height
        EXPECT_EQ(0, tab.AddItem(_T("Courses"), 0, 11));
        EXPECT_EQ(1, tab.AddItem(_T("Word books"), 1, 12));
        EXPECT_EQ(2, tab.AddItem(_T("Friends"), 2, 13));
        tab.SetCurSel(0);
    }
    static std::string States(const CQVTabCtrl& tab) {
        std::string str;
        for (int i = 0; i < tab.GetItemCount(); ++i)
            str += static_cast<char>('0' + tab.GetItemState(i));
        return str;
    }
    static void Post(const CQVTabCtrl& tab, UINT message, int nIndex) {
        const CPoint pt = tab.GetItemRect(nIndex).CenterPoint();
        riztest::PostMouse(tab.m_hWnd, message, pt.x, pt.y, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0);
        Pump();
    }
    static void Pump() { riztest::PumpUntilIdle(); }

    riztest::TempFolder m_folder;
    int m_nSkins = 0;
    CTabDialog m_dlg;
};

}  // namespace

TEST_F(TabTest, TabsAreAddedFoundAndChangedAndBadIndexesChangeNothing) {
    CQVTabCtrl tab;
    MakeStrip(tab);
    CRect rcClient;
    tab.GetClientRect(&rcClient);
    EXPECT_EQ(CRect(0, 0, 300, 20), rcClient);
    EXPECT_EQ(1, tab.AddItem(_T("Word lists"), 4, 12));  // the id is there: nothing added or selected
    EXPECT_EQ(3, tab.GetItemCount());
    EXPECT_EQ("300", States(tab));
    EXPECT_EQ(2, tab.FindItem(13));
    EXPECT_EQ(2, tab.FindItem(_T("Friends")));
    EXPECT_EQ(-1, tab.FindItem(_T("friends")));
    EXPECT_EQ(2, tab.ModifyItem(2, _T("Go"), 5, 23));  // a short text: the smallest width
    EXPECT_EQ(23u, tab.GetItemData(2));
    EXPECT_EQ(CRect(tab.GetItemRect(1).right, 0, tab.GetItemRect(1).right + 40, 20), tab.GetItemRect(2));
    for (int nBad : {-1, 3, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(nBad);
        EXPECT_EQ(-1, tab.SetCurSel(nBad));
        EXPECT_EQ(-1, tab.ModifyItem(nBad, _T("Games"), 0, 7));
        EXPECT_FALSE(tab.DeleteItem(nBad));
        EXPECT_EQ(0u, tab.GetItemData(nBad));
        EXPECT_EQ(-1, tab.GetItemState(nBad));
        EXPECT_TRUE(tab.GetItemRect(nBad).IsRectEmpty());
    }
    EXPECT_TRUE(tab.DeleteItemID(999));
    EXPECT_EQ(-1, tab.SetCurSelID(999));
    EXPECT_EQ("300", States(tab));
    EXPECT_EQ(11u, tab.GetCurSelID());
    // A NULL text is empty; a 100 KB text is cut at the edge and leaves the later tabs unlaid.
    EXPECT_EQ(3, tab.AddItem(NULL, 0, 0));
    EXPECT_EQ(3, tab.FindItem(static_cast<LPCTSTR>(NULL)));
    const CString strLong(_T('x'), 100 * 1024);
    EXPECT_EQ(3, tab.ModifyItem(3, strLong, 0, 0));
    EXPECT_EQ(4, tab.AddItem(_T("Settings"), 0, 0));
    EXPECT_EQ(300, tab.GetItemRect(3).right);
    EXPECT_TRUE(tab.GetItemRect(4).IsRectEmpty());
    tab.UpdateWindow();
}

TEST_F(TabTest, DeletingSelectsTheFirstTabAndOnlyItShowsSelected) {
    const struct {
        int nSel, nDelete;
        bool bById;
        std::string states;
    } rows[] = {
        {2, 0, true, "30"},  // the last of three selected, the first deleted
        {1, 1, false, "30"},
        {0, 2, true, "30"},
        {2, 0, false, "30"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "select " << row.nSel << " delete " << row.nDelete);
        CQVTabCtrl tab;
        MakeStrip(tab);
        tab.SetCurSel(row.nSel);
        EXPECT_TRUE(row.bById ? tab.DeleteItemID(11 + row.nDelete) : tab.DeleteItem(row.nDelete));
        EXPECT_EQ(2, tab.GetItemCount());
        EXPECT_EQ(0, tab.GetCurSel());
        EXPECT_EQ(row.states, States(tab));
        EXPECT_EQ(0, tab.GetItemRect(0).left);
    }
    // Deleting everything keeps the indexes; every use of them is checked.
    CQVTabCtrl tab;
    MakeStrip(tab);
    tab.SetCurSel(2);
    EXPECT_TRUE(tab.DeleteAllItems());
    EXPECT_EQ(0, tab.GetItemCount());
    EXPECT_EQ(2, tab.GetCurSel());
    EXPECT_EQ(0u, tab.GetCurSelID());
    riztest::PostClick(tab.m_hWnd, 20, 10);
    riztest::PostMouse(tab.m_hWnd, WM_MOUSEMOVE, 20, 10);
    Pump();
    EXPECT_EQ(0, m_dlg.m_nAsked);
    EXPECT_EQ(0, tab.AddItem(_T("Courses"), 0, 11));
    EXPECT_EQ("3", States(tab));
    EXPECT_TRUE(tab.DeleteItemID(11));
    EXPECT_EQ(-1, tab.GetCurSel());
}

TEST_F(TabTest, AnyNonZeroAnswerToThePostedPressRefusesTheTab) {
    const struct {
        LRESULT lAnswer;
        std::string afterDown, afterUp;
        int nSel;
    } rows[] = {{0, "020", "030", 1}, {1, "300", "300", 0}, {2, "300", "300", 0}, {-1, "300", "300", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lAnswer);
        CQVTabCtrl tab;
        MakeStrip(tab);
        m_dlg.m_nAsked = 0;
        m_dlg.m_lAnswer = row.lAnswer;
        Post(tab, WM_LBUTTONDOWN, 1);
        EXPECT_EQ(1, m_dlg.m_nAsked);
        EXPECT_EQ(1u, m_dlg.m_wNew);
        EXPECT_EQ(0, m_dlg.m_lOld);
        EXPECT_EQ(row.afterDown, States(tab));
        Post(tab, WM_LBUTTONUP, 1);
        EXPECT_EQ(row.afterUp, States(tab));
        EXPECT_EQ(row.nSel, tab.GetCurSel());
        EXPECT_EQ(row.lAnswer ? 2 : 0, tab.GetOldSel());  // 2: from selecting tab 0 after the adds
        // The selected tab and the space beside the tabs ask nothing.
        Post(tab, WM_LBUTTONDOWN, row.nSel);
        riztest::PostClick(tab.m_hWnd, 295, 10);
        Pump();
        EXPECT_EQ(1, m_dlg.m_nAsked);
        EXPECT_EQ(row.afterUp, States(tab));
    }
    m_dlg.m_lAnswer = 0;
}

TEST_F(TabTest, HoverFollowsThePostedMouseAndLeavesTheSelectionAlone) {
    CQVTabCtrl tab;
    MakeStrip(tab);
    const struct {
        int nOver;  // -1: the mouse leaves
        std::string states;
    } steps[] = {{1, "310"}, {0, "300"}, {2, "301"}, {-1, "300"}, {1, "310"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.nOver);
        if (step.nOver < 0)
            tab.SendMessage(WM_MOUSELEAVE);
        else
            Post(tab, WM_MOUSEMOVE, step.nOver);
        EXPECT_EQ(step.states, States(tab));
        EXPECT_EQ(step.nOver, tab.GetHotItem());
    }
}

TEST_F(TabTest, AParentThatDestroysOrChangesTheStripWhileAnsweringDecidesTheClick) {
    const struct {
        const char* name;
        std::function<void(CQVTabCtrl*&)> onAsk;
        int nCount;
        std::string states;
    } rows[] = {
        {"window destroyed", [](CQVTabCtrl*& p) { p->DestroyWindow(); }, 0, ""},
        {"object deleted",
         [](CQVTabCtrl*& p) {
             delete p;
             p = nullptr;
         },
         0, ""},
        {"tabs cleared", [](CQVTabCtrl*& p) { p->DeleteAllItems(); }, 0, ""},
        {"clicked tab deleted", [](CQVTabCtrl*& p) { p->DeleteItemID(12); }, 2, "30"},
        {"other tab selected", [](CQVTabCtrl*& p) { p->SetCurSel(2); }, 3, "003"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CQVTabCtrl* pTab = new CQVTabCtrl;
        MakeStrip(*pTab);
        const HWND hTab = pTab->m_hWnd;
        const CPoint pt = pTab->GetItemRect(1).CenterPoint();
        m_dlg.m_onAsk = [&] { row.onAsk(pTab); };
        riztest::PostClick(hTab, pt.x, pt.y);
        Pump();
        m_dlg.m_onAsk = nullptr;
        EXPECT_EQ(1, m_dlg.m_nAsked);
        m_dlg.m_nAsked = 0;
        if (!pTab) continue;
        EXPECT_EQ(row.nCount, pTab->GetItemCount());
        EXPECT_EQ(row.states, States(*pTab));
        delete pTab;
        EXPECT_FALSE(::IsWindow(hTab));
    }
}

TEST_F(TabTest, TabFramesTextAreaAndBaseLineComeFromTheSkin) {
    CQVTabCtrl tab;
    MakeStrip(tab);
    Post(tab, WM_MOUSEMOVE, 2);
    const CRect r0 = tab.GetItemRect(0), r1 = tab.GetItemRect(1), r2 = tab.GetItemRect(2);
    riztest::WindowCapture shot(tab.m_hWnd);
    EXPECT_EQ("", shot.WrongPixels({{r0.left + 1, 0, kBack},  // the key shows the background
                                    {r0.left + 2, 1, FrameColour(3)},
                                    {r1.left + 2, 1, FrameColour(0)},
                                    {r2.right - 2, 18, FrameColour(1)},
                                    {r2.right + 3, 19, kLine},
                                    {299, 19, kLine},
                                    {r2.right + 3, 18, kBack}}));
    // A skin change: new height and line colour, then metric 14 of 0 and a skin without the tab image.
    const COLORREF kOtherLine = RGB(20, 160, 210);
    ASSERT_TRUE(LoadSkin(90, 30, kOtherLine, true));
    EXPECT_EQ(0, tab.SendMessage(WM_QV_SKINCHANGED));
    EXPECT_EQ(CRect(0, 0, 90, 30), tab.GetItemRect(0));
    riztest::WindowCapture after(tab.m_hWnd);
    EXPECT_EQ("", after.WrongPixels({{270, 29, kOtherLine}, {2, 1, FrameColour(3)}}));
    ASSERT_TRUE(LoadSkin(40, 0, kLine, true));
    tab.SendMessage(WM_QV_SKINCHANGED);
    tab.UpdateWindow();
    CRect rcWindow;
    tab.GetWindowRect(&rcWindow);
    EXPECT_EQ(0, rcWindow.Height());
    ASSERT_TRUE(LoadSkin(40, 20, kLine, false));
    tab.SendMessage(WM_QV_SKINCHANGED);
    riztest::WindowCapture bare(tab.m_hWnd);
    EXPECT_EQ("", bare.WrongPixels({{2, 1, kBack}, {r2.right + 3, 19, kLine}}));
}

TEST_F(TabTest, ShippedSkinsDrawTheirTabFramesAndBaseLine) {
    CQVTabCtrl tab;
    MakeStrip(tab);
    CQVSkinResManager* pManager = CQVSkinResManager::GetSingletonPtr();
    ASSERT_GE(pManager->GetSkinsTotal(), 2);
    COLORREF clrLines[2] = {};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(pManager->LoadSkin(pManager->GetSkinFolder(k)));
        EXPECT_EQ(0, tab.SendMessage(WM_QV_SKINCHANGED));
        const CQVSkinBtnRes* pRes = pManager->GetBtnRes();
        const int cy = pRes->m_nTabHeight;
        clrLines[k] = pManager->GetClrDef()->GetColor(3);
        riztest::WindowCapture shot(tab.m_hWnd);
        ASSERT_EQ(cy, shot.Height());
        // The same frames drawn by the image itself, with the line, outside the text rows.
        riztest::Surface expected(300, cy, pManager->GetWndRes()->m_clrClientBk);
        CDC* pDC = CDC::FromHandle(expected.Dc());
        for (int i = 0; i < 3; ++i)
            pRes->m_bmpTab.TransparentDrawFill(pDC, tab.GetItemRect(i), pRes->m_clrTransparent,
                                               tab.GetItemState(i));
        const int xLine = tab.GetItemRect(2).right;
        pDC->FillSolidRect(xLine, cy - 1, 300 - xLine, 1, clrLines[k]);
        int nWrong = 0;
        for (int y : {0, 1, 2, 3, cy - 4, cy - 3, cy - 2, cy - 1})
            for (int x = 0; x < 300; ++x)
                nWrong += !riztest::ColorNear(expected.Pixel(x, y), shot.Pixel(x, y), 2);
        EXPECT_EQ(0, nWrong);
        EXPECT_TRUE(riztest::ColorNear(clrLines[k], shot.Pixel(299, cy - 1), 0));
    }
    EXPECT_NE(clrLines[0], clrLines[1]);
}

TEST_F(TabTest, ASubclassedTemplateChildTakesTheHeightAndIsReleasedToItsOwnClass) {
    const HWND hStatic = ::GetDlgItem(m_dlg.m_hWnd, IDC_QVTAB_STRIP);
    const LONG_PTR lStaticProc = ::GetWindowLongPtr(hStatic, GWLP_WNDPROC);
    CQVTabCtrl* pTab = new CQVTabCtrl;
    ASSERT_TRUE(pTab->SubclassDlgItem(IDC_QVTAB_STRIP, &m_dlg));
    CRect rc;
    pTab->GetWindowRect(&rc);
    EXPECT_EQ(20, rc.Height());
    pTab->AddItem(_T("Courses"), 0, 1);
    pTab->AddItem(CString(L"\x8bfe\x7a0b"), 0, 2);  // Chinese in both character sets
    EXPECT_EQ(1, pTab->FindItem(CString(L"\x8bfe\x7a0b")));
    Post(*pTab, WM_LBUTTONDOWN, 0);
    Post(*pTab, WM_LBUTTONUP, 0);
    EXPECT_EQ(1, m_dlg.m_nAsked);
    EXPECT_EQ(1, m_dlg.m_lOld);
    EXPECT_EQ("30", States(*pTab));
    EXPECT_EQ(1, pTab->GetOldSel());
    pTab->UnsubclassWindow();
    delete pTab;
    EXPECT_EQ(lStaticProc, ::GetWindowLongPtr(hStatic, GWLP_WNDPROC));
    ::SetWindowText(hStatic, _T("Word books"));
    ::RedrawWindow(hStatic, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    riztest::PostClick(hStatic, 5, 5);
    Pump();
    EXPECT_EQ(1, m_dlg.m_nAsked);
    TCHAR szText[32] = {};
    ::GetWindowText(hStatic, szText, 32);
    EXPECT_STREQ(_T("Word books"), szText);
}

TEST_F(TabTest, CreateDestroyAndSubclassReleaseSoak) {
    auto cycle = [this](int k) {
        {
            CQVTabCtrl tab;
            MakeStrip(tab);
            Post(tab, WM_MOUSEMOVE, k % 3);
            riztest::PostClick(tab.m_hWnd, tab.GetItemRect(1).left + 2, 5);
            Pump();
            tab.SendMessage(WM_QV_SKINCHANGED);
            tab.UpdateWindow();
            tab.DeleteItemID(12);
        }
        CQVTabCtrl* pTab = new CQVTabCtrl;
        pTab->SubclassDlgItem(IDC_QVTAB_STRIP, &m_dlg);
        pTab->AddItem(_T("Friends"), 0, 3);
        pTab->UpdateWindow();
        pTab->UnsubclassWindow();
        delete pTab;
    };
    for (int k = 0; k < 10; ++k)
        cycle(k);
    Pump();
    const riztest::ResourceSnapshot before;
    const int nCycles = riztest::SoakCycles();
    for (int k = 0; k < nCycles; ++k)
        cycle(k);
    Pump();
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(0, before.WindowDelta());
}
