#include "QVUIShape.h"

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
    static const QVUIShapeKind kKinds[] = {QVUISK_HLINE, QVUISK_VLINE, QVUISK_RECTANGLE, QVUISK_ROUNDRECT,
                                           QVUISK_ELLIPSE};
    if (m_nShapeType < HorizontalLine || m_nShapeType > Ellipse) return;
    QVUIDrawShape(dc, kKinds[m_nShapeType], m_rcObject, m_nLineWidth, m_clrLine, !m_bTransparent,
                  m_clrBackground, m_nCorner[0]);
}
