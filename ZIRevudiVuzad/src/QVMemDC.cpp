// CQVMemDC: an off-screen copy of a rectangle of a DC, copied back at the end.
#include "QVMemDC.h"

CQVMemDC::CQVMemDC(CDC* pDC, const CRect& rect, COLORREF clrFill) : m_pTargetDC(pDC), m_rect(rect) {
    m_rect.NormalizeRect();
    Create(m_rect.Width(), m_rect.Height());
    // Drawing at the target's coordinates lands at the origin of the surface.
    SetViewportOrg(-m_rect.left, -m_rect.top);
    if (clrFill != CLR_INVALID && m_hDC) FillSolidRect(m_rect, clrFill);
}

CQVMemDC::~CQVMemDC() {
    CopyTo(m_pTargetDC, m_rect);
}

void CQVMemDC::FromDC() {
    if (!m_pTargetDC || !m_pTargetDC->GetSafeHdc() || !m_hDC || m_rect.IsRectEmpty()) return;
    POINT ptViewport = {}, ptWindow = {};
    ::SetViewportOrgEx(m_hDC, 0, 0, &ptViewport);
    ::SetWindowOrgEx(m_hDC, 0, 0, &ptWindow);
    ::BitBlt(m_hDC, 0, 0, m_rect.Width(), m_rect.Height(), m_pTargetDC->GetSafeHdc(), m_rect.left, m_rect.top,
             SRCCOPY);
    ::SetViewportOrgEx(m_hDC, ptViewport.x, ptViewport.y, NULL);
    ::SetWindowOrgEx(m_hDC, ptWindow.x, ptWindow.y, NULL);
}
