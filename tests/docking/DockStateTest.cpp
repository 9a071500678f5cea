// Remembered bar layouts and window places: profile numbers and the monitor clamp by tables, profiles
// (tests/data/dockstate) applied to a real frame with a menu bar, a toolbar and a pane, a round trip
// through a new frame, and the window place.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ExpectRows.h"
#include "MessagePump.h"
#include "QVDockBar.h"
#include "QVDockContext.h"
#include "QVDockMenuBar.h"
#include "QVDockState.h"
#include "QVDockToolBar.h"
#include "QVDockWnd.h"
#include "QVWindowPlacement.h"
#include "SkinFrameWnd.h"
#include "TestData.h"

namespace {

const UINT kMenu = 0xE820, kTool = 0xE821, kPane = 0xE903;

TEST(DockState, ProfileNumbersAndTheMonitorClamp) {
    int n = 7;
    using riztest::ExpectRows;
    ExpectRows<int>({ROW(QVParseProfileInt(_T("-12"), -20, 20, n) && n == -12, 1),
                     ROW(QVParseProfileInt(_T("+3"), 0, 5, n) && n == 3, 1),
                     ROW(QVParseProfileInt(_T("6"), 0, 5, n), 0),
                     ROW(QVParseProfileInt(_T("3x"), 0, 5, n), 0), ROW(QVParseProfileInt(_T(""), 0, 5, n), 0),
                     ROW(QVParseProfileInt(_T("-"), -5, 5, n), 0),
                     ROW(QVParseProfileInt(_T("99999999999"), INT_MIN, INT_MAX, n), 0), ROW(n, 3)});
    const std::vector<CRect> areas = {CRect(0, 0, 800, 600), CRect(800, 0, 1400, 500)};
    ExpectRows<CRect>(
        {ROW(QVClampRectToWorkAreas(CRect(900, 10, 1000, 90), areas), CRect(900, 10, 1000, 90)),
         ROW(QVClampRectToWorkAreas(CRect(-50, -20, 50, 80), areas), CRect(0, 0, 100, 100)),
         ROW(QVClampRectToWorkAreas(CRect(750, 400, 950, 480), areas), CRect(800, 400, 1000, 480)),
         ROW(QVClampRectToWorkAreas(CRect(5000, 900, 5100, 950), areas), CRect(1300, 450, 1400, 500)),
         ROW(QVClampRectToWorkAreas(CRect(-10, 0, 1000, 700), areas), CRect(0, 0, 800, 600)),
         ROW(QVClampRectToWorkAreas(CRect(5, 5, 9, 9), {}), CRect(5, 5, 9, 9))});
}

// A frame in its default layout: the menu bar in the first top row, the toolbar in the second, the
// pane on the left; its bars are objects of the test, as members of a host's frame are.
struct CStudyFrame {
    explicit CStudyFrame(bool bShow = true) {
        pFrame->Create(nullptr, _T("Study"), WS_OVERLAPPEDWINDOW, CRect(40, 40, 700, 500));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        lessons.CreateMenu();
        lessons.AppendMenu(MF_STRING, 1, _T("&Lesson"));
        menu.CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), kMenu);
        menu.LoadMenu(lessons.m_hMenu);
        tool.CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), kTool);
        for (UINT nID = 1; nID <= 4; ++nID)
            tool.AddItem(TBIT_BUTTON, nullptr, nullptr, CSize(16, 16), 0, nID);
        pane.CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_LEFT, CRect(0, 0, 0, 0), kPane);
        pane.SetWindowPos(nullptr, 0, 0, 100, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (CQVControlBar* pBar : Bars()) {
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(pBar);
        }
        if (bShow) pFrame->ShowWindow(SW_SHOWNA);
        pFrame->RecalcLayout();
    }
    ~CStudyFrame() { pFrame->DestroyWindow(); }
    std::vector<CQVControlBar*> Bars() { return {&menu, &tool, &pane}; }
    // Where the bars are: "top 1.0" (edge, row, index), "float" with its way back, " hidden" when hidden.
    std::string Places() {
        std::string s;
        const char* names[] = {"top", "left", "right", "bottom"};
        for (CQVControlBar* pBar : Bars()) {
            s += (s.empty() ? "" : ", ") + std::string(pBar->IsFloating() ? "float " : "");
            const void* pEntry = pBar->IsFloating() ? QVDockPlaceHolder(pBar->GetDlgCtrlID()) : pBar;
            for (UINT nEdge = AFX_IDW_DOCKBAR_TOP; nEdge <= AFX_IDW_DOCKBAR_BOTTOM; ++nEdge) {
                const QVDockRowList& rows = static_cast<CQVDockBar*>(pFrame->GetControlBar(nEdge))->m_arrBars;
                const int nPos = QVDockFind(rows, pEntry);
                if (nPos <= 0) continue;
                const auto it =
                    std::find(std::make_reverse_iterator(rows.begin() + nPos), rows.rend(), nullptr);
                s += std::string(names[nEdge - AFX_IDW_DOCKBAR_TOP]) + " " +
                     std::to_string(std::count(rows.begin() + 1, rows.begin() + nPos, nullptr)) + "." +
                     std::to_string(rows.begin() + nPos - it.base());
            }
            s += pBar->IsVisible() ? "" : " hidden";
        }
        return s;
    }
    // A bar's rectangle in the frame's client area; a floating bar's floating frame on the screen.
    CRect Rect(CQVControlBar* pBar) {
        CRect rect;
        (pBar->IsFloating() ? pBar->GetParent()->GetParent() : pBar)->GetWindowRect(&rect);
        if (!pBar->IsFloating()) pFrame->ScreenToClient(&rect);
        return rect;
    }
    std::vector<CRect> Rects() { return {Rect(&menu), Rect(&tool), Rect(&pane)}; }

    CSkinFrameWnd* pFrame = new CSkinFrameWnd;  // deletes itself with its window
    CMenu lessons;
    CQVDockMenuBar menu;
    CQVDockToolBar tool;
    CQVDockWnd pane;
};

class DockStateTest : public ::testing::Test {
protected:
    void UseProfile(const CString& strPath) {
        free(const_cast<LPTSTR>(m_app.m_pszProfileName));
        m_app.m_pszProfileName = _tcsdup(strPath);
    }
    CWinApp m_app{_T("DockState")};
    riztest::TempFolder m_temp;
};

TEST_F(DockStateTest, ProfilesRestoreTheirLayoutsAndBadRecordsLeaveTheirBarsAlone) {
    const CPoint ptWork = QVMonitorWorkAreas().front().TopLeft();
    const struct {
        LPCTSTR lpszFile;
        const char* pszPlaces;
        CPoint ptPane;  // where the pane starts: frame client area, or the screen when it floats
    } cases[] = {
        {_T("rows.ini"), "bottom 0.0, top 0.0, top 0.1", CPoint(300, -2)},
        {_T("sides.ini"), "top 0.0, right 0.0, left 0.0 hidden", CPoint(-2, 25)},
        {_T("float.ini"), "top 0.0, float top 1.0, float ", ptWork},
        {_T("missing.ini"), "top 0.0, top 1.0, left 0.0", CPoint(-2, 45)},
        {_T("bad-summary.ini"), "top 0.0, top 1.0, left 0.0", CPoint(-2, 45)},
        {_T("bad-garbage.ini"), "top 0.0, top 1.0, left 0.0", CPoint(-2, 45)},
        {_T("bad-values.ini"), "bottom 0.0, top 0.0, left 0.0", CPoint(-2, 18)},
        {_T("bad-ids.ini"), "bottom 0.0, top 0.0, left 0.0", CPoint(-2, 18)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CT2A(c.lpszFile).m_psz);
        UseProfile(riztest::TestDataPath(CString(_T("dockstate\\")) + c.lpszFile));
        CStudyFrame f;
        f.pFrame->LoadBarState(_T("Study"));
        EXPECT_EQ(c.pszPlaces, f.Places());
        EXPECT_EQ(c.ptPane, f.Rect(&f.pane).TopLeft());
    }
}

TEST_F(DockStateTest, ARoundTripThroughANewFrameGivesTheSameBars) {
    UseProfile(m_temp.Path(_T("study.ini")));
    std::vector<CRect> rects;
    {
        // The menu bar at the bottom, hidden; the pane in the toolbar's row after a gap; then the
        // toolbar floated in a column from there.
        CStudyFrame f;
        f.pFrame->DockControlBar(&f.menu, AFX_IDW_DOCKBAR_BOTTOM);
        f.pFrame->RecalcLayout();
        CRect rect;
        f.tool.GetWindowRect(&rect);
        rect = CRect(CPoint(rect.right + 200, rect.top), CSize(100, 26));
        f.pFrame->DockControlBar(
            &f.pane, static_cast<CQVDockBar*>(f.pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)), rect);
        f.pFrame->RecalcLayout();
        f.pFrame->FloatControlBar(&f.tool, CPoint(320, 300), CBRS_ALIGN_LEFT);
        f.pFrame->ShowControlBar(&f.menu, FALSE, FALSE);
        rects = f.Rects();
        f.pFrame->SaveBarState(_T("Study"));
        ASSERT_EQ("bottom 0.0 hidden, float top 0.0, top 0.1", f.Places());
    }
    CStudyFrame f;
    f.pFrame->LoadBarState(_T("Study"));
    EXPECT_EQ("bottom 0.0 hidden, float top 0.0, top 0.1", f.Places());
    EXPECT_EQ(rects, f.Rects());
    // A double click's toggle docks the toolbar back before the pane, the next one floats it where it was.
    f.tool.m_pDockContext->ToggleDocking();
    EXPECT_EQ("bottom 0.0 hidden, top 0.0, top 0.1", f.Places());
    f.tool.m_pDockContext->ToggleDocking();
    EXPECT_EQ(rects, f.Rects());
}

// A host restores its layout before it shows its frame: the floating frames must not end up under it.
TEST_F(DockStateTest, FloatingFramesOfARestoredLayoutStayAboveTheFrameShownAfterIt) {
    UseProfile(riztest::TestDataPath(_T("dockstate\\float.ini")));
    CStudyFrame f(false);
    f.pFrame->LoadBarState(_T("Study"));
    ASSERT_TRUE(f.tool.IsFloating());
    f.pFrame->ShowWindow(SW_SHOW);
    f.pFrame->UpdateWindow();
    riztest::PumpUntilIdle();
    for (CQVControlBar* pBar : {static_cast<CQVControlBar*>(&f.tool), static_cast<CQVControlBar*>(&f.pane)}) {
        const HWND hFloat = pBar->GetParent()->GetParent()->m_hWnd;
        HWND hWnd = hFloat;
        while (hWnd && hWnd != f.pFrame->m_hWnd)
            hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
        EXPECT_EQ(f.pFrame->m_hWnd, hWnd) << "the floating frame is under its docking frame";
    }
}

TEST_F(DockStateTest, TheWindowPlaceComesBackNormalMaximizedOrOnScreen) {
    UseProfile(m_temp.Path(_T("place.ini")));
    CStudyFrame f;
    CWnd* pWnd = f.pFrame;
    auto place = [pWnd] {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect;
    };
    const CRect rectNormal(60, 50, 560, 430);
    pWnd->MoveWindow(rectNormal);
    for (int nShow : {SW_SHOWNORMAL, SW_MAXIMIZE, SW_MINIMIZE}) {
        pWnd->ShowWindow(nShow);
        ASSERT_TRUE(QVSaveWindowPlacement(pWnd, CString(_T("Show")) + static_cast<TCHAR>(_T('0') + nShow)));
    }
    pWnd->ShowWindow(SW_RESTORE);
    pWnd->MoveWindow(CRect(10, 10, 200, 200));
    // Minimized comes back normal; maximized keeps the normal place for the restore.
    for (int nShow : {SW_MINIMIZE, SW_SHOWNORMAL, SW_MAXIMIZE}) {
        ASSERT_TRUE(QVLoadWindowPlacement(pWnd, CString(_T("Show")) + static_cast<TCHAR>(_T('0') + nShow)));
        EXPECT_EQ(nShow == SW_MAXIMIZE, pWnd->IsZoomed() != FALSE);
        EXPECT_FALSE(pWnd->IsIconic());
        pWnd->ShowWindow(SW_RESTORE);
        EXPECT_EQ(rectNormal, place());
    }

    // Off every monitor: onto the nearest; a bad or missing entry: nothing changes.
    UseProfile(riztest::TestDataPath(_T("dockstate\\place.ini")));
    ASSERT_TRUE(QVLoadWindowPlacement(pWnd, _T("Off")));
    const CRect rectOn = CRect(0, 100, 500, 400) + QVMonitorWorkAreas().front().TopLeft();
    EXPECT_EQ(rectOn, place());
    for (LPCTSTR lpszBad : {_T("NotANumber"), _T("EmptyRect"), _T("NoRight"), _T("BadShow"), _T("Missing")}) {
        int nCmdShow = -1;
        EXPECT_FALSE(QVLoadWindowPlacement(pWnd, lpszBad, &nCmdShow));
        EXPECT_EQ(-1, nCmdShow);
        EXPECT_EQ(rectOn, place());
    }
}

}  // namespace
