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
    if (m_pTargetDC->GetSafeHdc() && GetSafeHdc() && m_rcTarget.Width() > 0 && m_rcTarget.Height() > 0) {
        // The whole surface from its first pixel, even when a drawing helper (DrawTransparentBkg_2)
        // left the viewport moved.
        ::SetMapMode(m_hDC, MM_TEXT);
        ::SetViewportOrgEx(m_hDC, 0, 0, nullptr);
        ::SetWindowOrgEx(m_hDC, 0, 0, nullptr);
        m_pTargetDC->BitBlt(m_rcTarget.left, m_rcTarget.top, m_rcTarget.Width(), m_rcTarget.Height(), this, 0,
                            0, SRCCOPY);
    }
}
