#include "QVShpae.h"

#include "QVUIDrawUtil.h"

BOOL CQVShpae::Create(CWnd* pParent, const CRect& rect, COLORREF clrBack, COLORREF clrFore, BOOL bTransparent,
                      int nShapeType, int nLineWidth, int r1, int r2, int r3, int r4) {
    CQVNoneWndBase::Create(pParent, rect, clrBack, clrFore, bTransparent);
    m_nShapeType = nShapeType;
    m_nLineWidth = nLineWidth;
    m_nRadius[0] = r1;
    m_nRadius[1] = r2;
    m_nRadius[2] = r3;
    m_nRadius[3] = r4;
    m_bRounded = r1 >= 1 || r2 >= 1 || r3 >= 1 || r4 >= 1;
    return TRUE;
}

void CQVShpae::SetShapeType(int nType) {
    m_nShapeType = nType;
    Changed();
}

void CQVShpae::SetLineWidth(int nWidth) {
    m_nLineWidth = nWidth;
    Changed();
}

void CQVShpae::SetCornerRadius(int r1, int r2, int r3, int r4) {
    m_nRadius[0] = r1;
    m_nRadius[1] = r2;
    m_nRadius[2] = r3;
    m_nRadius[3] = r4;
    m_bRounded = r1 >= 1 || r2 >= 1 || r3 >= 1 || r4 >= 1;
    Changed();
}

void CQVShpae::Draw(CDC* pDC, CRgn* pRgn) {
    if (!pDC || !m_bVisible) return;
    CDC& dc = *pDC;
    static const QVUIShapeKind kKinds[] = {QVUISK_HLINE, QVUISK_VLINE, QVUISK_RECTANGLE, QVUISK_ELLIPSE};
    if (m_nShapeType < QVST_HLINE || m_nShapeType > QVST_ELLIPSE) return;
    const bool bRectangle = m_nShapeType == QVST_RECTANGLE;
    const QVUIShapeKind nKind = bRectangle && m_bRounded ? QVUISK_ROUNDRECT : kKinds[m_nShapeType];
    // An opaque rectangle leaves the caller's region alone (a window drawn over it, for example).
    const bool bClip = bRectangle && !m_bTransparent && pRgn && pRgn->GetSafeHandle();
    int nSaved = 0;
    if (bClip) {
        CRgn rgnRect, rgnClip;
        rgnRect.CreateRectRgnIndirect(&m_rect);
        rgnClip.CreateRectRgn(0, 0, 0, 0);
        rgnClip.CombineRgn(&rgnRect, pRgn, RGN_DIFF);
        nSaved = dc.SaveDC();
        dc.SelectClipRgn(&rgnClip);
    }
    QVUIDrawShape(dc, nKind, m_rect, m_nLineWidth, m_clrFore, !m_bTransparent, m_clrBack, m_nRadius[0]);
    if (bClip) dc.RestoreDC(nSaved);
}
