// A windowless line, rectangle, rounded rectangle or ellipse.
#pragma once

#include "QVUIObject.h"

class RIZ_API CQVUIShape : public CQVUIObject {
public:
    enum ShapeType {
        HorizontalLine = 0,  // along the rect's bottom coordinate
        VerticalLine = 1,    // along the rect's right coordinate
        Rectangle = 2,
        RoundRect = 3,  // corners of the first corner value in width and height
        Ellipse = 4,
    };

    explicit CQVUIShape(CQVUIObject* pParent = nullptr);

    // Outline in the line colour and width; filled with the background colour unless transparent.
    void OnRender(CDC& dc, const CRect& rcClip) override;

    ShapeType GetShapeType() const { return m_nShapeType; }
    void SetShapeType(ShapeType nType) { m_nShapeType = nType; }
    void SetLineColor(COLORREF clr) { m_clrLine = clr; }
    COLORREF GetLineColor() const { return m_clrLine; }
    void SetLineWidth(int nWidth);
    int GetLineWidth() const { return m_nLineWidth; }
    // Four corner values; only the first is drawn.
    void SetRoundRect(int a, int b, int c, int d);

protected:
    ShapeType m_nShapeType = HorizontalLine;
    COLORREF m_clrLine = RGB(0, 0, 0xFF);
    int m_nLineWidth = 1;
    int m_nCorner[4] = {0, 0, 0, 0};
};
