// A window-owned line, rectangle (square or rounded) or ellipse, drawn by its window's painting; the split
// window draws its rounded frames with it.
#pragma once

#include "QVNoneWndBase.h"

enum QVShpaeType {
    QVST_HLINE = 0,      // along the rect's bottom coordinate
    QVST_VLINE = 1,      // along the rect's right coordinate
    QVST_RECTANGLE = 2,  // rounded when any corner radius is at least 1
    QVST_ELLIPSE = 3,
};

class RIZ_API CQVShpae : public CQVNoneWndBase {
public:
    CQVShpae() = default;

    BOOL Create(CWnd* pParent, const CRect& rect, COLORREF clrBack, COLORREF clrFore, BOOL bTransparent,
                int nShapeType, int nLineWidth, int r1, int r2, int r3, int r4);
    // Nothing while hidden. An opaque rectangle with a region is not drawn inside that region.
    void Draw(CDC* pDC, CRgn* pRgn) override;

    void SetShapeType(int nType);
    void SetLineWidth(int nWidth);
    // Four radii; the first is drawn, any of them at least 1 rounds the rectangle.
    void SetCornerRadius(int r1, int r2, int r3, int r4);

    int GetShapeType() const { return m_nShapeType; }
    int GetLineWidth() const { return m_nLineWidth; }
    BOOL IsRounded() const { return m_bRounded; }

protected:
    int m_nShapeType = QVST_HLINE;
    int m_nLineWidth = 1;
    int m_nRadius[4] = {0, 0, 0, 0};
    BOOL m_bRounded = FALSE;
};
