// Gradient fills between two colours: plain rectangles and anti-aliased rounded rectangles.
#pragma once

#include "ZIRevudiVuzadDef.h"

// Every call draws nothing into an empty rectangle or a NULL DC.
class ZIR_API CQVGdiplusHelper {
public:
    // From clrFrom at the top (bVertical) or the left edge to clrTo at the bottom or right edge, through
    // the system's gradient fill: both end rows (columns) have exactly the end colours.
    static void DrawGradientRect(HDC hDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                 BOOL bVertical = TRUE);
    static void DrawGradientRect(CDC* pDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                 BOOL bVertical = TRUE) {
        DrawGradientRect(pDC ? pDC->GetSafeHdc() : NULL, rc, clrFrom, clrTo, bVertical);
    }

    // A rectangle with rounded corners (radii nRoundX, nRoundY; 0 makes square corners), filled with a
    // gradient from clrFrom to clrTo (top to bottom when bVertical, else left to right) and outlined by a
    // one-pixel line of clrBorder (CLR_NONE: no outline), anti-aliased, inside rc.
    static void DrawGradientRoundRect(HDC hDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                      COLORREF clrBorder, int nRoundX = 2, int nRoundY = 2,
                                      BOOL bVertical = TRUE);
    static void DrawGradientRoundRect(CDC* pDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                      COLORREF clrBorder, int nRoundX = 2, int nRoundY = 2,
                                      BOOL bVertical = TRUE) {
        DrawGradientRoundRect(pDC ? pDC->GetSafeHdc() : NULL, rc, clrFrom, clrTo, clrBorder, nRoundX, nRoundY,
                              bVertical);
    }

    // A GDI+ linear gradient over rc. nMode: 0 left to right, 1 top to bottom, 2 top-left to bottom-right,
    // 3 top-right to bottom-left (other values count as 1).
    static void DrawLinearGradientRect(HDC hDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                       int nMode = 1);
    static void DrawLinearGradientRect(CDC* pDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                       int nMode = 1) {
        DrawLinearGradientRect(pDC ? pDC->GetSafeHdc() : NULL, rc, clrFrom, clrTo, nMode);
    }
};
