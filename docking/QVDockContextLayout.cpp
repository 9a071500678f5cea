// Drag and resize rectangles of a control bar and the docking decision.
#include "QVDockContextLayout.h"

namespace {

// A floating frame's outline around a bar's client: its borders outside, less the bar's own border.
void GrowToFrame(CRect& rect, const CRect& rectBorders, CSize sizeBarBorder) {
    rect.left -= rectBorders.left;
    rect.top -= rectBorders.top;
    rect.right += rectBorders.right;
    rect.bottom += rectBorders.bottom;
    rect.DeflateRect(sizeBarBorder.cx, sizeBarBorder.cy);
}

}  // namespace

void QVDockShiftToContain(CRect& rect, CPoint pt) {
    const int dx = pt.x < rect.left ? pt.x - rect.left : pt.x > rect.right ? pt.x - rect.right : 0;
    const int dy = pt.y < rect.top ? pt.y - rect.top : pt.y > rect.bottom ? pt.y - rect.bottom : 0;
    rect.OffsetRect(dx, dy);
}

void QVDockOffsetDragRects(QVDockDragRects& rects, CSize d) {
    for (CRect* pRect : {&rects.rectHorz, &rects.rectVert, &rects.rectFrameHorz, &rects.rectFrameVert})
        pRect->OffsetRect(d);
}

QVDockDragRects QVDockCalcDragRects(const QVDockDragStart& start) {
    QVDockDragRects rects;
    const CRect& r = start.rectBar;
    const CPoint tl = r.TopLeft();
    switch (start.nKind) {
    case QVDBK_DYNAMIC:
        rects.rectHorz = CRect(tl, start.sizes[0]);
        rects.rectVert = CRect(tl, start.sizes[1]);
        rects.rectFrameHorz = rects.rectFrameVert = CRect(tl, start.sizes[2]);
        break;
    case QVDBK_FIXED:
        rects.rectHorz = rects.rectFrameHorz = CRect(tl, start.sizes[0]);
        rects.rectVert = rects.rectFrameVert = CRect(tl, start.sizes[1]);
        break;
    case QVDBK_OTHER:
        // The bar keeps its window in its own orientation; the other one is centred on the pointer.
        if (start.bHorzBar) {
            rects.rectHorz = r;
            rects.rectVert = CRect(CPoint(start.pt.x - r.Height() / 2, r.top), start.sizes[0]);
        } else {
            rects.rectVert = r;
            rects.rectHorz = CRect(CPoint(r.left, start.pt.y - r.Width() / 2), start.sizes[0]);
        }
        rects.rectFrameHorz = rects.rectHorz;
        rects.rectFrameVert = rects.rectVert;
        break;
    }
    GrowToFrame(rects.rectFrameHorz, start.rectBorders, start.sizeBarBorder);
    GrowToFrame(rects.rectFrameVert, start.rectBorders, start.sizeBarBorder);
    for (CRect* pRect : {&rects.rectHorz, &rects.rectVert, &rects.rectFrameHorz, &rects.rectFrameVert})
        QVDockShiftToContain(*pRect, start.pt);
    return rects;
}

DWORD QVDockDecide(DWORD dwStyle, DWORD dwDockStyle, BOOL bFlip, const QVDockDragRects& rects,
                   const QVDockProbe& probe) {
    bool bHorz = QVDockIsHorz(dwStyle);
    if (bFlip) bHorz = !bHorz;
    const DWORD dwHorzOnly = dwDockStyle & ~CBRS_ORIENT_VERT;
    const DWORD dwVertOnly = dwDockStyle & ~CBRS_ORIENT_HORZ;
    DWORD d = 0;
    if (bHorz && QVDockIsHorz(dwDockStyle))
        d = probe(rects.rectHorz, dwHorzOnly);
    else if (QVDockIsVert(dwDockStyle))
        d = probe(rects.rectVert, dwVertOnly);
    if (!bFlip) {
        // The own orientation failed: dock only where both orientations agree on the edge.
        if (d == 0 && QVDockIsHorz(dwDockStyle)) {
            const DWORD a = probe(rects.rectVert, dwHorzOnly), b = probe(rects.rectHorz, dwHorzOnly);
            d = a == b ? b : 0;
        }
        if (d == 0 && QVDockIsVert(dwDockStyle)) {
            const DWORD a = probe(rects.rectHorz, dwVertOnly), b = probe(rects.rectVert, dwVertOnly);
            d = a == b ? b : 0;
        }
    }
    return d;
}

QVDockOutline QVDockCalcOutline(DWORD dwOverDockStyle, DWORD dwStyle, BOOL bFlip,
                                const QVDockDragRects& rects, CSize sizeFrame, BOOL bRemove) {
    QVDockOutline outline;
    outline.size = CSize(1, 1);
    const bool bDocking = QVDockIsHorz(dwOverDockStyle) || QVDockIsVert(dwOverDockStyle);
    if (QVDockIsHorz(dwOverDockStyle)) {
        outline.rect = rects.rectHorz;
    } else if (QVDockIsVert(dwOverDockStyle)) {
        outline.rect = rects.rectVert;
    } else {
        outline.size = sizeFrame;
        outline.bDither = true;
        const bool bHorz = (QVDockIsHorz(dwStyle) && !bFlip) || (QVDockIsVert(dwStyle) && bFlip);
        outline.rect = bHorz ? rects.rectFrameHorz : rects.rectFrameVert;
    }
    if (bRemove) outline.size = CSize(0, 0);
    // A docked outline sits inside the bar's rectangle, clear of the dock bar's border.
    if (bDocking) outline.rect.DeflateRect(1, 1);
    return outline;
}

QVDockFloatPlace QVDockCalcFloatPlace(bool bDynamic, DWORD dwStyle, DWORD dwDockStyle, BOOL bFlip,
                                      const QVDockDragRects& rects) {
    QVDockFloatPlace place;
    const DWORD dwMulti = dwDockStyle & CBRS_FLOAT_MULTI;
    if (bDynamic || (QVDockIsHorz(dwStyle) && !bFlip) || (QVDockIsVert(dwStyle) && bFlip)) {
        place.dwStyle = CBRS_ALIGN_TOP | dwMulti;
        place.pt = rects.rectFrameHorz.TopLeft();
    } else {
        place.dwStyle = CBRS_ALIGN_LEFT | dwMulti;
        place.pt = rects.rectFrameVert.TopLeft();
    }
    return place;
}

QVDockResizeRects QVDockStartResize(const CRect& rectBar, CSize sizeFloat, const CRect& rectBorders,
                                    CSize sizeBarBorder) {
    QVDockResizeRects rects;
    rects.rectRequested = rects.rectActual = rects.rectActualFrame = CRect(rectBar.TopLeft(), sizeFloat);
    GrowToFrame(rects.rectActualFrame, rectBorders, sizeBarBorder);
    rects.sizeBorders = rects.rectActualFrame.Size() - rects.rectActual.Size();
    return rects;
}

int QVDockStretchRequest(QVDockResizeRects& rects, int nHitTest, CSize d, DWORD* pdwMode) {
    int nLength;
    DWORD dwMode;
    if (nHitTest == HTLEFT || nHitTest == HTRIGHT) {
        (nHitTest == HTLEFT ? rects.rectRequested.left : rects.rectRequested.right) += d.cx;
        nLength = rects.rectRequested.Width();
        dwMode = LM_HORZ;
    } else {
        (nHitTest == HTTOP ? rects.rectRequested.top : rects.rectRequested.bottom) += d.cy;
        nLength = rects.rectRequested.Height();
        dwMode = LM_HORZ | LM_LENGTHY;
    }
    if (pdwMode) *pdwMode = dwMode;
    return nLength < 0 ? 0 : nLength;
}

BOOL QVDockApplyStretch(QVDockResizeRects& rects, int nHitTest, CSize size, const CRect& rectScreen) {
    CRect t = rects.rectActualFrame;
    const bool bFromFar = nHitTest == HTLEFT || nHitTest == HTTOP;
    if (bFromFar) {
        t.left = t.right - (size.cx + rects.sizeBorders.cx);
        t.top = t.bottom - (size.cy + rects.sizeBorders.cy);
    } else {
        t.right = t.left + size.cx + rects.sizeBorders.cx;
        t.bottom = t.top + size.cy + rects.sizeBorders.cy;
    }
    // A frame that would leave the screen entirely could never be grabbed again: keep the last size.
    CRect rectMeet;
    if (!rectMeet.IntersectRect(t, rectScreen)) return FALSE;
    if (bFromFar) {
        rects.rectActual.left = rects.rectActual.right - size.cx;
        rects.rectActual.top = rects.rectActual.bottom - size.cy;
    } else {
        rects.rectActual.right = rects.rectActual.left + size.cx;
        rects.rectActual.bottom = rects.rectActual.top + size.cy;
    }
    rects.rectActualFrame = t;
    return TRUE;
}
