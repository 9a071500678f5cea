#include "QVUIShape.h"

#include "QVSelectScope.h"
#include "QVUIDrawUtil.h"

CQVUIShape::CQVUIShape(CQVUIObject* pParent) : CQVUIObject(pParent) {}

void CQVUIShape::SetLineWidth(int nWidth) {
    m_nLineWidth = nWidth;
    // A wide pen is centred on the outline and reaches past the rect by half its width.
    SetPaintOutset(nWidth);
}

void CQVUIShape::SetRoundRect(int a, int b, int c, int d) {
    m_nCorner[0] = a;
    m_nCorner[1] = b;
    m_nCorner[2] = c;
    m_nCorner[3] = d;
}

void CQVUIShape::OnRender(CDC& dc, const CRect& /*rcClip*/) {
    const CRect& rc = m_rcObject;
    CPen pen;
    pen.CreatePen(PS_SOLID, m_nLineWidth, m_clrLine);
    CBrush brush;
    HGDIOBJ hBrush = ::GetStockObject(NULL_BRUSH);
    if (!m_bTransparent && brush.CreateSolidBrush(m_clrBackground)) hBrush = brush.GetSafeHandle();
    CQVSelectScope tools(dc, pen.GetSafeHandle(), hBrush);
    switch (m_nShapeType) {
    case HorizontalLine:
        dc.MoveTo(rc.left, rc.bottom);
        dc.LineTo(rc.right, rc.bottom);
        break;
    case VerticalLine:
        dc.MoveTo(rc.right, rc.top);
        dc.LineTo(rc.right, rc.bottom);
        break;
    case Rectangle:
        dc.Rectangle(&rc);
        break;
    case RoundRect:
        dc.RoundRect(&rc, CPoint(m_nCorner[0], m_nCorner[0]));
        break;
    case Ellipse:
        dc.Ellipse(&rc);
        break;
    }
}
