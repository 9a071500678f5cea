#include "QVPaintMemoryDC.h"

CQVPaintMemoryDC::CQVPaintMemoryDC(CWnd* pWnd, CDC* pDC, COLORREF clrFill) : m_pTargetDC(pDC) {
    if (pWnd->GetSafeHwnd()) pWnd->GetClientRect(&m_rcTarget);
    Create(m_rcTarget.Width(), m_rcTarget.Height());
    if (clrFill != 0) FillSolidRect(0, 0, m_rcTarget.Width(), m_rcTarget.Height(), clrFill);
}

CQVPaintMemoryDC::CQVPaintMemoryDC(CDC* pDC, const CRect& rect) : m_pTargetDC(pDC), m_rcTarget(rect) {
    Create(m_rcTarget.Width(), m_rcTarget.Height());
}

CQVPaintMemoryDC::~CQVPaintMemoryDC() {
    // The whole surface from its first pixel, even when a drawing helper (DrawTransparentBkg_2) left the
    // viewport moved.
    CopyTo(m_pTargetDC, m_rcTarget);
}
