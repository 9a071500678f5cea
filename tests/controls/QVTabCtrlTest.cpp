// CQVTabCtrl through real windows: tabs added, found and deleted, the parent's answer to a posted
// click, a parent that destroys or changes the strip while it answers, the shipped skins' frames and
// base line read from the screen, bad input, subclassing and a soak.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <climits>
#include <functional>
#include <string>

#include "MessagePump.h"
#include "PatternDialog.h"
#include "QVTabCtrl.h"
#include "QVTabCtrlTestRes.h"
#include "ResourceCounter.h"

namespace {

constexpr COLORREF kBack = RGB(236, 240, 248);
constexpr COLORREF kLine = RGB(200, 30, 90);

// The parent answers WM_QV_TABSELCHANGING with m_lAnswer after running m_onAsk.
class TabTest : public riztest::PatternDialogTest {
protected:
    TabTest() : PatternDialogTest(IDD_QVTAB, 0, false) {}
    void SetUp() override {
        ASSERT_TRUE(LoadSkin(20));
        m_dlg.m_onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
            if (message != WM_QV_TABSELCHANGING) return false;
            ++m_nAsked;
            m_wNew = wParam;
            m_lOld = lParam;
            if (m_onAsk) m_onAsk();
            *pResult = m_lAnswer;
            return true;
        };
        PatternDialogTest::SetUp();
    }
    // A skin without a tab image: tabs at least 40 wide, nHeight high.
    bool LoadSkin(int nHeight) {
        CStringA strIni;
        strIni.Format(
            "[Window]\r\nClientBkColor = 236,240,248\r\n[Button]\r\nTabMinWidth = 40\r\nTabHeight = "
            "%d\r\n[Colors]\r\nColor3 = 200,30,90\r\n",
            nHeight);
        return LoadSkinFiles(strIni);
    }
    // A strip 300 pixels wide at (10, 80) with three tabs, the first selected.
    void MakeStrip(CQVTabCtrl& tab) {
        CRect rc(10, 80, 310, 200);
        ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, rc, &m_dlg, 940));
        EXPECT_EQ(100, rc.bottom);  // the caller's rectangle takes the tab height
        tab.AddItem(_T("Courses"), 0, 11);
        tab.AddItem(_T("Word books"), 1, 12);
        tab.AddItem(_T("Friends"), 2, 13);
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
    LRESULT m_lAnswer = 0;
    int m_nAsked = 0;
    WPARAM m_wNew = 0;
    LPARAM m_lOld = 0;
    std::function<void()> m_onAsk;
};

}  // namespace

TEST_F(TabTest, TabsAreAddedFoundAndChangedAndBadInputChangesNothing) {
    CQVTabCtrl tab;
    MakeStrip(tab);
    EXPECT_EQ(1, tab.AddItem(_T("Word lists"), 4, 12));  // the id is there: nothing added or selected
    EXPECT_EQ("300", States(tab));
    EXPECT_EQ(2, tab.FindItem(13));
    EXPECT_EQ(-1, tab.FindItem(_T("friends")));
    EXPECT_EQ(2, tab.ModifyItem(tab.FindItem(_T("Friends")), _T("Go"), 5, 23));  // the smallest width
    EXPECT_EQ(23u, tab.GetItemData(2));
    EXPECT_EQ(CRect(tab.GetItemRect(1).right, 0, tab.GetItemRect(1).right + 40, 20), tab.GetItemRect(2));
    for (int nBad : {-1, 3, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(nBad);
        EXPECT_EQ(-1, tab.SetCurSel(nBad));
        EXPECT_EQ(-1, tab.ModifyItem(nBad, _T("Games"), 0, 7));
        EXPECT_FALSE(tab.DeleteItem(nBad));
        EXPECT_EQ(0u, tab.GetItemData(nBad));
        EXPECT_EQ(-1, tab.GetItemState(nBad));
    }
    EXPECT_TRUE(tab.DeleteItemID(999));
    EXPECT_EQ(-1, tab.SetCurSelID(999));
    EXPECT_EQ("300", States(tab));
    // A NULL text is empty; a 100 KB text is cut at the edge and the tab after it is never laid out.
    EXPECT_EQ(3, tab.AddItem(NULL, 0, 0));
    EXPECT_EQ(3, tab.FindItem(static_cast<LPCTSTR>(NULL)));
    EXPECT_EQ(3, tab.ModifyItem(3, CString(_T('x'), 100 * 1024), 0, 0));
    EXPECT_EQ(4, tab.AddItem(_T("Settings"), 0, 0));
    EXPECT_EQ(300, tab.GetItemRect(3).right);
    EXPECT_TRUE(tab.GetItemRect(4).IsRectEmpty());
    riztest::WindowCapture cut(tab.m_hWnd);
    EXPECT_EQ("", cut.WrongPixels({{299, 19, kBack}, {tab.GetItemRect(2).right - 1, 19, kBack}}));  // no line
    // A strip of no width: its tabs are empty, never hit.
    tab.SetWindowPos(NULL, 0, 0, 0, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(tab.GetItemRect(0).IsRectEmpty());
    tab.UpdateWindow();
}

TEST_F(TabTest, DeletingSelectsTheFirstTabAndOnlyItShowsSelected) {
    const struct {
        int nSel, nDelete;
        bool bById;
    } rows[] = {
        {2, 0, true}, {2, 0, false}, {1, 1, false}, {0, 2, true}};  // first: the last of three selected
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "select " << row.nSel << " delete " << row.nDelete);
        CQVTabCtrl tab;
        MakeStrip(tab);
        tab.SetCurSel(row.nSel);
        EXPECT_TRUE(row.bById ? tab.DeleteItemID(11 + row.nDelete) : tab.DeleteItem(row.nDelete));
        EXPECT_EQ(0, tab.GetCurSel());
        EXPECT_EQ("30", States(tab));
        EXPECT_EQ(0, tab.GetItemRect(0).left);
    }
    // Deleting everything keeps the indexes; every use of them is checked.
    CQVTabCtrl tab;
    MakeStrip(tab);
    tab.SetCurSel(2);
    EXPECT_TRUE(tab.DeleteAllItems());
    EXPECT_EQ(2, tab.GetCurSel());
    EXPECT_EQ(0u, tab.GetCurSelID());
    riztest::PostClick(tab.m_hWnd, 20, 10);
    riztest::PostMouse(tab.m_hWnd, WM_MOUSEMOVE, 20, 10);
    Pump();
    EXPECT_EQ(0, m_nAsked);
    EXPECT_EQ(0, tab.AddItem(_T("Courses"), 0, 11));
    EXPECT_EQ("3", States(tab));
    EXPECT_TRUE(tab.DeleteItemID(11));
    EXPECT_EQ(-1, tab.GetCurSel());
}

TEST_F(TabTest, AnyNonZeroAnswerToThePostedPressRefusesTheTab) {
    const struct {
        LRESULT lAnswer;
        std::string afterDown, afterUp;
    } rows[] = {{0, "020", "030"}, {1, "300", "300"}, {2, "300", "300"}, {-1, "300", "300"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lAnswer);
        CQVTabCtrl tab;
        MakeStrip(tab);
        m_nAsked = 0;
        m_lAnswer = row.lAnswer;
        Post(tab, WM_LBUTTONDOWN, 1);
        EXPECT_EQ(1, m_nAsked);
        EXPECT_EQ(1u, m_wNew);
        EXPECT_EQ(0, m_lOld);
        EXPECT_EQ(row.afterDown, States(tab));
        Post(tab, WM_LBUTTONUP, 1);
        EXPECT_EQ(row.afterUp, States(tab));
        EXPECT_EQ(row.lAnswer ? 2 : 0, tab.GetOldSel());  // 2: from selecting tab 0 after the adds
        // The selected tab and the space beside the tabs ask nothing; hovering leaves the selection.
        Post(tab, WM_LBUTTONDOWN, tab.GetCurSel());
        riztest::PostClick(tab.m_hWnd, 295, 10);
        Post(tab, WM_MOUSEMOVE, tab.GetCurSel());
        Pump();
        EXPECT_EQ(1, m_nAsked);
        EXPECT_EQ(row.afterUp, States(tab));
        Post(tab, WM_MOUSEMOVE, 2);
        EXPECT_EQ(row.afterUp.substr(0, 2) + "1", States(tab));
        tab.SendMessage(WM_MOUSELEAVE);
        EXPECT_EQ(row.afterUp, States(tab));
    }
    m_lAnswer = 0;
}

TEST_F(TabTest, AParentThatDestroysOrChangesTheStripWhileAnsweringDecidesTheClick) {
    const struct {
        const char* name;
        std::function<void(CQVTabCtrl*&)> onAsk;
        std::string states;
    } rows[] = {
        {"window destroyed", [](CQVTabCtrl*& p) { p->DestroyWindow(); }, ""},
        {"object deleted", [](CQVTabCtrl*& p) { delete p, p = nullptr; }, ""},
        {"tabs cleared", [](CQVTabCtrl*& p) { p->DeleteAllItems(); }, ""},
        {"clicked tab deleted", [](CQVTabCtrl*& p) { p->DeleteItemID(12); }, "30"},
        {"other tab selected", [](CQVTabCtrl*& p) { p->SetCurSel(2); }, "003"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CQVTabCtrl* pTab = new CQVTabCtrl;
        MakeStrip(*pTab);
        const HWND hTab = pTab->m_hWnd;
        const CPoint pt = pTab->GetItemRect(1).CenterPoint();
        m_onAsk = [&] { row.onAsk(pTab); };
        riztest::PostClick(hTab, pt.x, pt.y);
        Pump();
        m_onAsk = nullptr;
        if (!pTab) continue;
        EXPECT_EQ(row.states, States(*pTab));
        delete pTab;
        EXPECT_FALSE(::IsWindow(hTab));
    }
    EXPECT_EQ(5, m_nAsked);
}

TEST_F(TabTest, ShippedSkinsDrawTheirTabFramesAndBaseLineAtEverySkinChange) {
    CQVTabCtrl tab;
    MakeStrip(tab);
    Post(tab, WM_MOUSEMOVE, 2);
    CQVSkinResManager* pManager = CQVSkinResManager::GetSingletonPtr();
    ASSERT_GE(pManager->GetSkinsTotal(), 2);
    COLORREF clrLines[2] = {};
    int cyTabs[2] = {};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(pManager->LoadSkin(pManager->GetSkinFolder(k)));
        EXPECT_EQ(0, tab.SendMessage(WM_QV_SKINCHANGED));
        const CQVSkinBtnRes* pRes = pManager->GetBtnRes();
        const int cy = cyTabs[k] = pRes->m_nTabHeight;
        clrLines[k] = pManager->GetClrDef()->GetColor(3);
        riztest::WindowCapture shot(tab.m_hWnd);
        ASSERT_EQ(cy, shot.Height());
        // The same frames drawn by the image itself, and the line, compared outside the text rows.
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
        EXPECT_EQ("", shot.WrongPixels({{299, cy - 1, clrLines[k]}}));
    }
    EXPECT_NE(clrLines[0], clrLines[1]);
    EXPECT_NE(cyTabs[0], cyTabs[1]);
    // Without the tab image only the background, texts and line show; a tab height of 0 shows nothing.
    ASSERT_TRUE(LoadSkin(20));
    tab.SendMessage(WM_QV_SKINCHANGED);
    riztest::WindowCapture bare(tab.m_hWnd);
    EXPECT_EQ("", bare.WrongPixels({{1, 1, kBack}, {1, 18, kBack}, {299, 19, kLine}}));
    ASSERT_TRUE(LoadSkin(0));
    tab.SendMessage(WM_QV_SKINCHANGED);
    tab.UpdateWindow();
    CRect rcWindow;
    tab.GetWindowRect(&rcWindow);
    EXPECT_EQ(0, rcWindow.Height());
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
    EXPECT_EQ(1, m_lOld);
    EXPECT_EQ("30", States(*pTab));
    pTab->UnsubclassWindow();
    delete pTab;
    EXPECT_EQ(lStaticProc, ::GetWindowLongPtr(hStatic, GWLP_WNDPROC));
    ::RedrawWindow(hStatic, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    riztest::PostClick(hStatic, 5, 5);
    Pump();
    EXPECT_EQ(1, m_nAsked);
}

TEST_F(TabTest, CreateDestroyAndSubclassReleaseSoak) {
    auto cycle = [this](int k) {
        {
            CQVTabCtrl tab;
            tab.SetTransparent(k % 2);
            MakeStrip(tab);
            const CPoint pt = tab.GetItemRect(1 + k % 2).CenterPoint();
            riztest::PostMouse(tab.m_hWnd, WM_MOUSEMOVE, pt.x, pt.y);
            riztest::PostClick(tab.m_hWnd, pt.x, pt.y);
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
    riztest::ExpectCyclesLeakNothing(cycle);
}
