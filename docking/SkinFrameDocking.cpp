// The docking services of CSkinFrameWnd: dock bars along the edges, docking, floating, the docking
// test and showing bars.
#include "SkinFrameWnd.h"

#include "QVDockBar.h"
#include "QVDockBarLayout.h"
#include "QVMiniDockFrameWnd.h"

void CSkinFrameWnd::EnableDocking(DWORD dwDockStyle) {
    m_pFloatingFrameClass = RUNTIME_CLASS(CQVMiniDockFrameWnd);
    // A layout pass moves the dock bars and the view one after another, each taking its old picture
    // along; what a shrinking dock bar uncovers becomes the frame's to paint, though the next window
    // moved in already covers it. Painting only outside its children, the frame never wipes them.
    ModifyStyle(0, WS_CLIPCHILDREN);
    for (const QVDockBarEdge& row : kQVDockBarEdges) {
        if (!(row.dwStyle & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(row.nID)) continue;
        CQVDockBar* pDockBar = new CQVDockBar(FALSE);
        if (!pDockBar->Create(this, row.dwStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                              row.nID)) {
            delete pDockBar;
            AfxThrowResourceException();
        }
    }
}

void CSkinFrameWnd::DockControlBar(CQVControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    CQVDockBar* pDockBar = nDockBarID ? DYNAMIC_DOWNCAST(CQVDockBar, GetControlBar(nDockBarID)) : nullptr;
    // An id that names no dock bar of this frame docks nowhere rather than on another edge.
    if (nDockBarID && !pDockBar) return;
    DockControlBar(pBar, pDockBar, lpRect);
}

void CSkinFrameWnd::DockControlBar(CQVControlBar* pBar, CQVDockBar* pDockBar, LPCRECT lpRect) {
    if (!pBar || !pBar->m_hWnd) return;
    if (!pDockBar) {
        for (const QVDockBarEdge& row : kQVDockBarEdges) {
            if ((row.dwStyle & CBRS_ALIGN_ANY) != (pBar->GetBarStyle() & CBRS_ALIGN_ANY)) continue;
            pDockBar = DYNAMIC_DOWNCAST(CQVDockBar, GetControlBar(row.nID));
            break;
        }
    }
    if (pDockBar) pDockBar->DockControlBar(pBar, lpRect);
}

void CSkinFrameWnd::ReDockControlBar(CQVControlBar* pBar, CQVDockBar* pDockBar, LPCRECT lpRect) {
    if (!pBar || !pBar->m_hWnd) return;
    if (!pDockBar) {
        // The edge that kept the bar's place, else the bar's own edge.
        void* pHolder = QVDockPlaceHolder(pBar->GetDlgCtrlID());
        for (const QVDockBarEdge& row : kQVDockBarEdges) {
            CQVDockBar* pEdge = DYNAMIC_DOWNCAST(CQVDockBar, GetControlBar(row.nID));
            if (pEdge && pHolder && pEdge->FindBar(static_cast<CQVControlBar*>(pHolder)) > 0) {
                pDockBar = pEdge;
                break;
            }
        }
        for (const QVDockBarEdge& row : kQVDockBarEdges) {
            if (pDockBar) break;
            if ((row.dwStyle & CBRS_ALIGN_ANY) == (pBar->GetBarStyle() & CBRS_ALIGN_ANY))
                pDockBar = DYNAMIC_DOWNCAST(CQVDockBar, GetControlBar(row.nID));
        }
    }
    if (pDockBar) pDockBar->ReDockControlBar(pBar, lpRect);
}

void CSkinFrameWnd::FloatControlBar(CQVControlBar* pBar, CPoint point, DWORD dwStyle) {
    if (!pBar || !pBar->m_hWnd) return;
    CQVDockBar* pDockBar = pBar->m_pDockBar;
    if (pDockBar && pDockBar->m_bFloating && pDockBar->GetDockedCount() == 1 &&
        (dwStyle & pDockBar->m_dwStyle & CBRS_ALIGN_ANY)) {
        // Floating alone already: the frame only moves.
        CQVMiniDockFrameWnd* pFrame = static_cast<CQVMiniDockFrameWnd*>(pDockBar->GetParent());
        pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pFrame->RecalcLayout(TRUE);
        pFrame->UpdateWindow();
        return;
    }
    if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT) dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    }
    CQVMiniDockFrameWnd* pFrame = CreateFloatingFrame(dwStyle);
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!pFrame->GetOwner() || pFrame->GetOwner() == this) pFrame->SetOwner(pBar);
    pFrame->m_wndDockBar.DockControlBar(pBar, nullptr);
    pFrame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE) {
        pFrame->ShowWindow(SW_SHOWNA);
        pFrame->UpdateWindow();
    }
}

DWORD CSkinFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CQVDockBar** ppDockBar) {
    dwDockStyle &= CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI;
    if (ppDockBar) *ppDockBar = nullptr;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CControlBar* pControlBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        CQVDockBar* pDockBar = DYNAMIC_DOWNCAST(CQVDockBar, pControlBar);
        if (!pDockBar || !pDockBar->m_hWnd || !pDockBar->IsWindowVisible()) continue;
        if (!(pDockBar->m_dwStyle & dwDockStyle & CBRS_ALIGN_ANY)) continue;
        if (pDockBar->m_bFloating && !(pDockBar->m_dwStyle & dwDockStyle & CBRS_FLOAT_MULTI)) continue;
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        // An empty dock bar still takes a bar dragged onto its edge.
        if (rectBar.Width() == 0) ++rectBar.right;
        if (rectBar.Height() == 0) ++rectBar.bottom;
        CRect rectMeet;
        if (rectMeet.IntersectRect(rectBar, rect)) {
            if (ppDockBar) *ppDockBar = pDockBar;
            return pDockBar->m_dwStyle & dwDockStyle;
        }
    }
    return 0;
}

void CSkinFrameWnd::RaiseFloatingFrames() {
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CQVDockBar* pDockBar =
            DYNAMIC_DOWNCAST(CQVDockBar, static_cast<CControlBar*>(m_listControlBars.GetNext(pos)));
        if (!pDockBar || !pDockBar->m_bFloating || !pDockBar->m_hWnd) continue;
        CWnd* pFloatingFrame = pDockBar->GetParent();
        if (pFloatingFrame && pFloatingFrame->IsWindowVisible())
            pFloatingFrame->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

CQVMiniDockFrameWnd* CSkinFrameWnd::CreateFloatingFrame(DWORD dwStyle) {
    CRuntimeClass* pClass =
        m_pFloatingFrameClass ? m_pFloatingFrameClass : RUNTIME_CLASS(CQVMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    CQVMiniDockFrameWnd* pFrame = DYNAMIC_DOWNCAST(CQVMiniDockFrameWnd, pObject);
    if (!pFrame) {
        delete pObject;
        AfxThrowMemoryException();
    }
    // A frame that fails to be made has deleted itself.
    if (!pFrame->Create(this, dwStyle)) AfxThrowResourceException();
    return pFrame;
}

void CSkinFrameWnd::ShowControlBar(CQVControlBar* pBar, BOOL bShow, BOOL bDelay) {
    QVShowControlBar(pBar, bShow, bDelay);
}

BOOL CSkinFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* pBar = GetControlBar(nID);
    if (!pBar) return FALSE;
    const BOOL bShow = !(pBar->GetStyle() & WS_VISIBLE);
    if (CQVControlBar* pQVBar = DYNAMIC_DOWNCAST(CQVControlBar, pBar))
        ShowControlBar(pQVBar, bShow, FALSE);
    else
        CFrameWnd::ShowControlBar(pBar, bShow, FALSE);
    return TRUE;
}
