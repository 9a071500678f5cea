// CQVDockContext: the bar's docked and floating memory, and toggling between the two.
#include "QVDockContext.h"

#include "QVDockBar.h"
#include "SkinFrameWnd.h"

CQVDockContext::CQVDockContext(CQVControlBar* pBar) : m_pBar(pBar) {
    m_pDockSite = pBar->m_pDockSite;
    m_rectMRUDockPos.SetRectEmpty();
    const DWORD dwStyle = pBar->GetBarStyle();
    if (dwStyle & CBRS_SIZE_DYNAMIC)
        m_dwMRUFloatStyle = dwStyle & (CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
    else if (dwStyle & CBRS_ORIENT_HORZ)
        m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (dwStyle & CBRS_FLOAT_MULTI);
    else
        m_dwMRUFloatStyle = CBRS_ALIGN_LEFT | (dwStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos.x = CW_USEDEFAULT;
    m_ptMRUFloatPos.y = 0;
}

CQVDockContext::~CQVDockContext() {
    if (m_pBar && m_pBar->m_pDockBar) m_pBar->m_pDockBar->RemoveControlBar(m_pBar, -1, 0);
}

void CQVDockContext::StartDrag(CPoint) {}

void CQVDockContext::StartResize(int, CPoint) {}

void CQVDockContext::ToggleDocking() {
    CSkinFrameWnd* pFrame = DYNAMIC_DOWNCAST(CSkinFrameWnd, m_pBar->m_pDockSite);
    if (!pFrame) return;
    if (m_pBar->IsFloating()) {
        if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY)) return;
        CRect rect = m_rectMRUDockPos;
        CQVDockBar* pDockBar = nullptr;
        if (m_uMRUDockID != 0) {
            pDockBar = DYNAMIC_DOWNCAST(CQVDockBar, pFrame->GetControlBar(m_uMRUDockID));
            if (pDockBar) pDockBar->ClientToScreen(&rect);
        }
        // Without a remembered edge the placeholder tells where the bar was; no rectangle then.
        pFrame->ReDockControlBar(m_pBar, pDockBar, pDockBar ? &rect : nullptr);
        pFrame->RecalcLayout();
        return;
    }
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x < 0 || pt.y < 0) {
        pt = m_rectMRUDockPos.TopLeft();
        m_pBar->GetParent()->ClientToScreen(&pt);
    }
    pFrame->FloatControlBar(m_pBar, pt, m_dwMRUFloatStyle);
}
