// The remembered bar layout of CSkinFrameWnd: the places of its bars read into a CQVDockState, and a
// state applied back, bar by bar, to the bars that still exist.
#include "SkinFrameWnd.h"

#include <algorithm>

#include "QVDockBar.h"
#include "QVDockContext.h"
#include "QVDockState.h"
#include "QVMiniDockFrameWnd.h"
#include "QVWindowPlacement.h"

namespace {

// The row and the index in the row of entry nPos (above 0) of a row list.
void RowAndIndex(const QVDockRowList& list, int nPos, int& nRow, int& nIndex) {
    nRow = nIndex = 0;
    for (int n = 1; n < nPos; ++n) {
        if (list[n] == nullptr) {
            ++nRow;
            nIndex = 0;
        } else {
            ++nIndex;
        }
    }
}

// A bar a record applies to, and the edge it goes to (NULL: floating without a way back, or only its
// visibility).
struct CRestoredBar {
    const QVDockBarRecord* pRecord;
    CQVControlBar* pBar;
    CQVDockBar* pEdge;
};

}  // namespace

void CSkinFrameWnd::GetDockState(CQVDockState& state) const {
    state.Clear();
    CSkinFrameWnd* pThis = const_cast<CSkinFrameWnd*>(this);
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CQVControlBar* pBar =
            DYNAMIC_DOWNCAST(CQVControlBar, static_cast<CControlBar*>(m_listControlBars.GetNext(pos)));
        if (!pBar || !pBar->m_hWnd || pBar->IsDockBar()) continue;
        QVDockBarRecord r;
        r.nBarID = static_cast<UINT>(pBar->GetDlgCtrlID());
        if (!QVDockPlaceHolder(r.nBarID)) continue;
        r.bVisible = pBar->IsVisible();
        r.bFloating = pBar->IsFloating();
        if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) r.nMRUWidth = static_cast<int>(pBar->m_nMRUWidth);
        // A docked bar's own entry, a floating bar's placeholder: its way back.
        const void* pEntry = r.bFloating ? QVDockPlaceHolder(r.nBarID) : pBar;
        for (const QVDockBarEdge& edge : kQVDockBarEdges) {
            const UINT nEdge = edge.nID;
            CQVDockBar* pEdge = DYNAMIC_DOWNCAST(CQVDockBar, pThis->GetControlBar(nEdge));
            const int nPos = pEdge ? QVDockFind(pEdge->m_arrBars, pEntry) : -1;
            if (nPos <= 0) continue;
            r.nDockBarID = nEdge;
            RowAndIndex(pEdge->m_arrBars, nPos, r.nRow, r.nIndex);
            CRect rect;
            pBar->GetWindowRect(&rect);
            pEdge->ScreenToClient(&rect);
            r.nOffset = (pEdge->m_dwStyle & CBRS_ORIENT_HORZ) ? rect.left : rect.top;
            break;
        }
        if (r.bFloating && pBar->m_pDockBar) {
            CRect rect;
            pBar->m_pDockBar->GetParent()->GetWindowRect(&rect);
            r.ptFloat = rect.TopLeft();
            r.bFloatHorz = (pBar->m_pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
        }
        state.m_arrBarInfo.push_back(r);
    }
}

void CSkinFrameWnd::SetDockState(const CQVDockState& state) {
    // The records that apply: a bar that no longer exists, an edge this frame lacks or a place the bar
    // may not take leave the bar where it is, as does a second record of the same bar.
    std::vector<CRestoredBar> bars;
    for (const QVDockBarRecord& r : state.m_arrBarInfo) {
        CQVControlBar* pBar = DYNAMIC_DOWNCAST(CQVControlBar, GetControlBar(r.nBarID));
        if (!pBar || !pBar->m_hWnd || pBar->IsDockBar()) continue;
        if (std::any_of(bars.begin(), bars.end(), [pBar](const CRestoredBar& b) { return b.pBar == pBar; }))
            continue;
        CQVDockBar* pEdge = QVDockBarAlign(r.nDockBarID)
                                ? DYNAMIC_DOWNCAST(CQVDockBar, GetControlBar(r.nDockBarID))
                                : nullptr;
        if (pEdge && (pEdge->m_bFloating || !pBar->m_pDockContext ||
                      !(pBar->m_dwDockStyle & QVDockBarAlign(r.nDockBarID))))
            pEdge = nullptr;
        if (!r.bFloating && r.nDockBarID && !pEdge) continue;
        if (r.bFloating && !pBar->m_pDockContext) continue;
        bars.push_back({&r, pBar, pEdge});
    }

    // Floating first: a bar floated from an edge leaves a placeholder there, which the rows below
    // replace by the saved one. A place off every monitor comes onto the nearest.
    const std::vector<CRect> areas = QVMonitorWorkAreas();
    for (const CRestoredBar& b : bars) {
        const QVDockBarRecord& r = *b.pRecord;
        if (!r.bFloating) continue;
        if (r.nMRUWidth > 0) b.pBar->m_nMRUWidth = static_cast<UINT>(r.nMRUWidth);
        const DWORD dwAlign = r.bFloatHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
        FloatControlBar(b.pBar, r.ptFloat, dwAlign);
        if (!b.pBar->IsFloating()) continue;
        CWnd* pFloatingFrame = b.pBar->m_pDockBar->GetParent();
        CRect rect;
        pFloatingFrame->GetWindowRect(&rect);
        const CRect rectOn = QVClampRectToWorkAreas(rect, areas);
        if (rectOn.TopLeft() != rect.TopLeft())
            pFloatingFrame->SetWindowPos(nullptr, rectOn.left, rectOn.top, 0, 0,
                                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        b.pBar->m_pDockContext->m_ptMRUFloatPos = rectOn.TopLeft();
        b.pBar->m_pDockContext->m_dwMRUFloatStyle =
            (b.pBar->m_pDockContext->m_dwMRUFloatStyle & ~CBRS_ALIGN_ANY) | dwAlign;
    }

    // Docked bars move to their edges, then every edge takes its saved rows before the others.
    std::vector<void*> drop;
    for (const CRestoredBar& b : bars) {
        if (!b.pRecord->bFloating && b.pEdge && b.pBar->m_pDockBar != b.pEdge)
            DockControlBar(b.pBar, b.pEdge);
        if (b.pRecord->bFloating || b.pEdge) {
            drop.push_back(b.pBar);
            drop.push_back(QVDockPlaceHolder(b.pRecord->nBarID));
        }
    }
    for (const QVDockBarEdge& edge : kQVDockBarEdges) {
        CQVDockBar* pEdge = DYNAMIC_DOWNCAST(CQVDockBar, GetControlBar(edge.nID));
        if (!pEdge) continue;
        std::vector<QVDockRestoreEntry> restored;
        for (const CRestoredBar& b : bars) {
            if (b.pEdge != pEdge) continue;
            const QVDockBarRecord& r = *b.pRecord;
            restored.push_back({r.bFloating ? QVDockPlaceHolder(r.nBarID) : b.pBar, r.nRow, r.nIndex});
            if (r.bFloating) continue;
            // A bar standing at its saved offset keeps the gap before it through the row layout.
            CRect rect;
            b.pBar->GetWindowRect(&rect);
            pEdge->ScreenToClient(&rect);
            const CPoint pt = (pEdge->m_dwStyle & CBRS_ORIENT_HORZ) ? CPoint(r.nOffset, rect.top)
                                                                    : CPoint(rect.left, r.nOffset);
            b.pBar->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        pEdge->m_arrBars = QVDockRestoreRows(pEdge->m_arrBars, restored, drop);
    }

    for (const CRestoredBar& b : bars)
        ShowControlBar(b.pBar, b.pRecord->bVisible, FALSE);
    RecalcLayout();
}

void CSkinFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const {
    CQVDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}

void CSkinFrameWnd::LoadBarState(LPCTSTR lpszProfileName) {
    CQVDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}
