// Docking figures: a frame's RecalcLayout with 20 docked bars against the same frame without bars,
// and with 200 (the cost should grow linearly); the status bar repainted against the system's status
// bar with the same panes and texts; a skin change across 20 bars against invalidating them, with its
// parts, and across 20 docked toolbars; one move of a drag (docking decision and outline) against
// inverting the outline with PatBlt; and the dock menu bar painted against the skinned windows' menu
// bar with the same items.
#include <RIZuruzezu.h>

#include <memory>
#include <vector>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

// A frame with n panes docked top (four per row) and left.
struct CBenchFrame {
    explicit CBenchFrame(int nBars) {
        pFrame = new CSkinFrameWnd;  // deletes itself with its window
        pFrame->Create(NULL, _T("bench"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        for (int i = 0; i < nBars; ++i) {
            auto pBar = std::make_unique<CQVDockWnd>();
            const bool bTop = i % 2 == 0;
            pBar->CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | (bTop ? CBRS_TOP : CBRS_LEFT),
                           CRect(0, 0, 0, 0), 0xA000 + i);
            pBar->SetWindowPos(NULL, 0, 0, bTop ? 150 : 60, bTop ? 24 : 80, SWP_NOMOVE | SWP_NOZORDER);
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            CRect rect;
            pFrame->GetClientRect(&rect);
            pFrame->ClientToScreen(&rect);
            // Rows of four along the top; one column on the left.
            const CRect rectDrop =
                bTop ? CRect(CPoint(rect.left + (i / 2 % 4) * 150, rect.top + (i / 8) * 22), CSize(150, 24))
                     : CRect(CPoint(rect.left, rect.top + 200), CSize(60, 80));
            pFrame->DockControlBar(pBar.get(), UINT(0), &rectDrop);
            bars.push_back(std::move(pBar));
        }
        pFrame->RecalcLayout();
        rizbench::PumpPending();
    }
    ~CBenchFrame() {
        pFrame->DestroyWindow();
        bars.clear();
        rizbench::PumpPending();
    }
    CSkinFrameWnd* pFrame = nullptr;
    std::vector<std::unique_ptr<CQVDockWnd>> bars;
};

void LayoutSuite() {
    CBenchFrame none(0), twenty(20), many(200);
    rizbench::Suite layout(
        "a frame's RecalcLayout of docked bars", "the frame without bars",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                none.pFrame->RecalcLayout();
        },
        100);
    layout.Add("with 20 docked bars", [&](int n) {
        for (int i = 0; i < n; ++i)
            twenty.pFrame->RecalcLayout();
    });
    layout.Add("with 200 docked bars (10x the bars)", [&](int n) {
        for (int i = 0; i < n; ++i)
            many.pFrame->RecalcLayout();
    });
}

void StatusBarSuite() {
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("bench"),
                         WS_POPUP | WS_VISIBLE, 0, 0, 600, 100, NULL, NULL))
        return;
    CQVStatusBar skinned;
    skinned.CreateEx(&parent, WS_CHILD | WS_VISIBLE, CBRS_BOTTOM, 101);
    skinned.MoveWindow(0, 0, 600, 20);
    const int widths[] = {0, 130, 90};
    skinned.SetIndicators(widths, 3);
    LPCTSTR texts[] = {_T("Ready"), _T("Lesson 3 of 12"), _T("00:42")};
    for (int i = 0; i < 3; ++i)
        skinned.SetPaneText(i, texts[i]);
    HWND hSystem = ::CreateWindowEx(0, STATUSCLASSNAME, _T(""), WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN, 0,
                                    40, 600, 20, parent.m_hWnd, NULL, NULL, NULL);
    int edges[] = {379, 510, -1};
    ::SendMessage(hSystem, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    for (int i = 0; i < 3; ++i)
        ::SendMessage(hSystem, SB_SETTEXT, i, reinterpret_cast<LPARAM>(texts[i]));
    CWnd system;
    system.Attach(hSystem);
    rizbench::PumpPending();
    {
        rizbench::Suite paint("a status bar repainted (600 x 20, three panes)", "the system's status bar",
                              rizbench::Repaint(system), 300);
        paint.Add("skinned status bar", rizbench::Repaint(skinned));
    }
    system.Detach();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

void SkinChangeSuite() {
    CBenchFrame frame(20);
    auto invalidate = [&](int n) {
        for (int i = 0; i < n; ++i) {
            for (const auto& pBar : frame.bars)
                pBar->Invalidate();
            frame.pFrame->UpdateWindow();
            ::RedrawWindow(frame.pFrame->m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    };
    rizbench::Suite skin("a skin change across 20 docked bars", "invalidating and repainting them",
                         invalidate, 50);
    skin.Add("each bar told of the skin change, then repainted", [&](int n) {
        for (int i = 0; i < n; ++i) {
            for (const auto& pBar : frame.bars)
                pBar->SendMessage(WM_QV_SKINCHANGED);
            ::RedrawWindow(frame.pFrame->m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    });
    // What a bar's skin change no longer does: a frame recalculation of its own (the skinned frame
    // recalculates its frame once), measured alone for comparison.
    skin.Add("  for comparison: each bar's frame recalculated (0x37), then repainted", [&](int n) {
        for (int i = 0; i < n; ++i) {
            for (const auto& pBar : frame.bars)
                pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                                       SWP_FRAMECHANGED);
            ::RedrawWindow(frame.pFrame->m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    });
    skin.Add("the whole frame told (0x7E9 to the frame), then repainted", [&](int n) {
        for (int i = 0; i < n; ++i) {
            frame.pFrame->SendMessage(WM_QV_SKINCHANGED);
            ::RedrawWindow(frame.pFrame->m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    });
    // Toolbars have no frame to recalculate: new colours and one invalidation each.
    std::vector<std::unique_ptr<CQVDockToolBar>> toolbars;
    for (int i = 0; i < 20; ++i) {
        auto pBar = std::make_unique<CQVDockToolBar>();
        pBar->CreateEx(frame.pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xB000 + i);
        for (int j = 0; j < 5; ++j)
            pBar->AddItem(TBIT_BUTTON, NULL, NULL, CSize(16, 16), j, 100 + j);
        pBar->ReCalcToolBar();
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        frame.pFrame->DockControlBar(pBar.get(), AFX_IDW_DOCKBAR_BOTTOM);
        toolbars.push_back(std::move(pBar));
    }
    frame.pFrame->RecalcLayout();
    rizbench::PumpPending();
    skin.Add("20 docked toolbars told of the skin change, then repainted", [&](int n) {
        for (int i = 0; i < n; ++i) {
            for (const auto& pBar : toolbars)
                pBar->SendMessage(WM_QV_SKINCHANGED);
            ::RedrawWindow(frame.pFrame->m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    });
    skin.Add("20 docked toolbars invalidated, then repainted", [&](int n) {
        for (int i = 0; i < n; ++i) {
            for (const auto& pBar : toolbars)
                pBar->Invalidate();
            ::RedrawWindow(frame.pFrame->m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    });
}

void DragMoveSuite() {
    CBenchFrame frame(1);
    CQVDockWnd* pBar = frame.bars[0].get();
    CQVDockContext* pContext = pBar->m_pDockContext;
    CRect rect;
    pBar->GetWindowRect(&rect);
    // A loop's state without its modal pump: the desktop locked and its DC held, as during a drag.
    pContext->m_bDragging = TRUE;
    pContext->InitLoop();
    pContext->m_ptLast = rect.CenterPoint();
    pContext->m_rectDragHorz = pContext->m_rectFrameDragHorz = rect;
    pContext->m_rectDragVert = pContext->m_rectFrameDragVert = rect;
    CDC* pDC = pContext->m_pDC;
    CDC dcMemory;
    if (!pDC) {
        dcMemory.CreateCompatibleDC(nullptr);
        pDC = &dcMemory;
    }
    const CPoint ptFrom = rect.CenterPoint(), ptTo = ptFrom + CPoint(0, 300);
    const CSize sizeFrame(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    int nStep = 0;
    {
        rizbench::Suite move(
            "one drag move (the docking decision and the outline)", "the outline inverted with PatBlt",
            [&](int n) {
                CBrush* pOld = pDC->SelectObject(CDC::GetHalftoneBrush());
                for (int i = 0; i < n; ++i) {
                    const CRect r = rect + CPoint(0, (++nStep & 1) * 300);
                    pDC->PatBlt(r.left, r.top, r.Width(), sizeFrame.cy, PATINVERT);
                    pDC->PatBlt(r.left, r.bottom - sizeFrame.cy, r.Width(), sizeFrame.cy, PATINVERT);
                    pDC->PatBlt(r.left, r.top, sizeFrame.cx, r.Height(), PATINVERT);
                    pDC->PatBlt(r.right - sizeFrame.cx, r.top, sizeFrame.cx, r.Height(), PATINVERT);
                }
                pDC->SelectObject(pOld);
            },
            300);
        move.Add("CQVDockContext::Move, docking and floating in turn", [&](int n) {
            for (int i = 0; i < n; ++i)
                pContext->Move((++nStep & 1) ? ptTo : ptFrom);
        });
    }
    pContext->CancelLoop();
}

// The dock menu bar repainted (gradient, four items, one hot) against the skinned windows' menu bar
// drawing the same items into its window.
void MenuBarSuite() {
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("bench"),
                         WS_POPUP | WS_VISIBLE, 0, 0, 600, 100, NULL, NULL))
        return;
    CMenu menu;
    menu.CreateMenu();
    for (LPCTSTR lpszText : {_T("&File"), _T("&Lessons"), _T("&View"), _T("&Help")}) {
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenu(hPopup, MF_STRING, 1, _T("&Open"));
        menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), lpszText);
    }
    CQVDockMenuBar dock;
    dock.CreateEx(&parent, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE812);
    dock.LoadMenu(menu.GetSafeHmenu());
    dock.SetSelectMenuItem(1);
    CRect rcDock;
    dock.GetWindowRect(&rcDock);
    CWnd plain;
    plain.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, 0, 40, rcDock.Width(),
                   rcDock.Height(), parent.m_hWnd, NULL);
    CSkinMenuBar skinned;
    skinned.LoadMenu(&plain, menu.GetSafeHmenu());
    const CRect rcBar(0, 0, rcDock.Width(), rcDock.Height());
    {
        CWindowDC dc(&plain);
        skinned.CalcMenuItemRect(&dc, rcBar);
    }
    skinned.SetSelectMenuItem(1);
    rizbench::PumpPending();
    {
        rizbench::Suite paint(
            "a menu bar painted (four items, one hot)", "the skinned windows' menu bar",
            [&](int n) {
                for (int i = 0; i < n; ++i) {
                    CWindowDC dc(&plain);
                    skinned.DrawMenuBar(&dc, rcBar);
                }
            },
            300);
        paint.Add("dock menu bar (off-screen, gradient)", rizbench::Repaint(dock));
    }
    dock.DestroyWindow();
    plain.DestroyWindow();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_layout(&LayoutSuite, {"a frame's RecalcLayout of docked bars"});
const rizbench::Register s_status(&StatusBarSuite, {"a status bar repainted (600 x 20, three panes)"});
const rizbench::Register s_skin(&SkinChangeSuite, {"a skin change across 20 docked bars"});
const rizbench::Register s_menu(&MenuBarSuite, {"a menu bar painted (four items, one hot)"});
const rizbench::Register s_drag(&DragMoveSuite, {"one drag move (the docking decision and the outline)"});

}  // namespace
