#include "ToolBarPlusSplitter.h"

#include "QVSelectScope.h"

void CToolBarPlusSplitter::Draw(CDC* pDC, BOOL) {
    if (!m_bVisible) return;
    if (m_image.IsLoaded()) {
        m_image.DrawImage(pDC, m_rc, 0, 1.0f);
        return;
    }
    CPen pen(PS_SOLID, 1, RGB(192, 192, 255));
    CQVSelectScope scope(pDC, pen.GetSafeHandle());
    const int x = m_rc.left + m_rc.Width() / 2;
    pDC->MoveTo(x, m_rc.top + 2);
    pDC->LineTo(x, m_rc.bottom - 2);
}

BOOL CToolBarPlusSplitter::HitTest(const CPoint& pt, BOOL& bFlag) {
    if (m_rc.PtInRect(pt)) return TRUE;
    bFlag = FALSE;
    return FALSE;
}
