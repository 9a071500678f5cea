#include "QVShpae.h"

#include "QVSelectScope.h"
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
    CPen pen;
    pen.CreatePen(PS_SOLID, m_nLineWidth, m_clrFore);
    CBrush brush;
    HGDIOBJ hBrush = ::GetStockObject(NULL_BRUSH);
    if (!m_bTransparent && brush.CreateSolidBrush(m_clrBack)) hBrush = brush.GetSafeHandle();
    CQVSelectScope tools(dc, pen.GetSafeHandle(), hBrush);
    switch (m_nShapeType) {
    case QVST_HLINE:
        dc.MoveTo(m_rect.left, m_rect.bottom);
        dc.LineTo(m_rect.right, m_rect.bottom);
        break;
    case QVST_VLINE:
        dc.MoveTo(m_rect.right, m_rect.top);
        dc.LineTo(m_rect.right, m_rect.bottom);
        break;
    case QVST_ELLIPSE:
        dc.Ellipse(&m_rect);
        break;
    case QVST_RECTANGLE: {
        // An opaque rectangle leaves the caller's region alone (a window drawn over it, for example).
        const bool bClip = !m_bTransparent && pRgn && pRgn->GetSafeHandle();
        int nSaved = 0;
        if (bClip) {
            CRgn rgnRect, rgnClip;
            rgnRect.CreateRectRgnIndirect(&m_rect);
            rgnClip.CreateRectRgn(0, 0, 0, 0);
            rgnClip.CombineRgn(&rgnRect, pRgn, RGN_DIFF);
            nSaved = dc.SaveDC();
            dc.SelectClipRgn(&rgnClip);
        }
        if (m_bRounded)
            dc.RoundRect(&m_rect, CPoint(m_nRadius[0], m_nRadius[0]));
        else
            dc.Rectangle(&m_rect);
        if (bClip) dc.RestoreDC(nSaved);
        break;
    }
    default:
        break;
    }
}
