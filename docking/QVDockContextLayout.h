// The arithmetic of dragging and resizing a control bar, without windows: the prospective docked and
// floating rectangles of a drag, the docking decision, the outline to draw, and the rectangles of a
// resize by a frame border, kept on the virtual screen.
#pragma once

#include <afxwin.h>

#include <functional>

#include "RIZuruzezuDef.h"

// Orientation of a bar style (its CBRS_ALIGN_ bits).
inline bool QVDockIsHorz(DWORD dwStyle) {
    return (dwStyle & CBRS_ORIENT_HORZ) != 0;
}
inline bool QVDockIsVert(DWORD dwStyle) {
    return (dwStyle & CBRS_ORIENT_VERT) != 0;
}

// Where a dragged bar would be: docked horizontally, docked vertically, and the floating frame's
// outline in either orientation (screen coordinates).
struct QVDockDragRects {
    CRect rectHorz, rectVert, rectFrameHorz, rectFrameVert;
};

// How a bar sizes itself while dragged.
enum QVDockBarKind {
    QVDBK_DYNAMIC,  // CBRS_SIZE_DYNAMIC: sizes docked horizontally, vertically and floating
    QVDBK_FIXED,    // CBRS_SIZE_FIXED: sizes docked horizontally and vertically
    QVDBK_OTHER,    // its current window for its own orientation, one size for the other
};

// The input of a drag's start. sizes: dynamic: horizontal dock, vertical dock, floating (MRU width);
// fixed: horizontal, vertical; other: the size in the other orientation. rectBorders: how far a
// floating frame's window reaches beyond its client on each side; sizeBarBorder: the doubled system
// border the floating frame's client takes back.
struct QVDockDragStart {
    QVDockBarKind nKind = QVDBK_OTHER;
    CRect rectBar;
    CPoint pt;
    bool bHorzBar = true;
    CSize sizes[3];
    CRect rectBorders;
    CSize sizeBarBorder;
};

// The four rectangles at the start of a drag, each shifted so that pt lies within it (its right and
// bottom edges count as inside).
RIZ_API QVDockDragRects QVDockCalcDragRects(const QVDockDragStart& start);
// Shifts rect by the least amount that brings pt within it.
RIZ_API void QVDockShiftToContain(CRect& rect, CPoint pt);
// Moves the four rectangles by d.
RIZ_API void QVDockOffsetDragRects(QVDockDragRects& rects, CSize d);

// The frame's docking test: the align bits of the edge whose dock bar meets rect among those in
// dwDockStyle (with CBRS_FLOAT_MULTI when it applies), 0 for none.
typedef std::function<DWORD(const CRect& rect, DWORD dwDockStyle)> QVDockProbe;
// The docking decision of a drag. dwStyle: the bar's align bits; dwDockStyle: the edges it may dock
// to; bFlip: try the other orientation first. A bar that fails in its own orientation docks only when
// both prospective rectangles meet the same edge, so a drag near a corner floats.
RIZ_API DWORD QVDockDecide(DWORD dwStyle, DWORD dwDockStyle, BOOL bFlip, const QVDockDragRects& rects,
                           const QVDockProbe& probe);

// The outline of a drag or resize.
struct QVDockOutline {
    CRect rect;
    CSize size;            // frame thickness, (0, 0) to erase
    bool bDither = false;  // halftone brush (floating), else the white brush (docking)
};
// The outline for an over-dock style (0: floating) with the frame thickness sizeFrame of a floating
// outline; bRemove gives a zero thickness.
RIZ_API QVDockOutline QVDockCalcOutline(DWORD dwOverDockStyle, DWORD dwStyle, BOOL bFlip,
                                        const QVDockDragRects& rects, CSize sizeFrame, BOOL bRemove);

// Where a bar floats at the end of a drag: its float style (align bits and CBRS_FLOAT_MULTI) and the
// frame's top-left.
struct QVDockFloatPlace {
    DWORD dwStyle = 0;
    CPoint pt;
};
RIZ_API QVDockFloatPlace QVDockCalcFloatPlace(bool bDynamic, DWORD dwStyle, DWORD dwDockStyle, BOOL bFlip,
                                              const QVDockDragRects& rects);

// The rectangles of a resize: requested (what the pointer asks), actual (what the bar takes), the
// actual frame's outline, and the frame's borders (frame size minus bar size).
struct QVDockResizeRects {
    CRect rectRequested, rectActual, rectActualFrame;
    CSize sizeBorders;
};
// The start of a resize: the bar at rectBar's top-left with its floating size, its frame grown as in
// QVDockDragStart.
RIZ_API QVDockResizeRects QVDockStartResize(const CRect& rectBar, CSize sizeFloat, const CRect& rectBorders,
                                            CSize sizeBarBorder);
// Moves the requested edge of hit test nHitTest (HTLEFT, HTRIGHT, HTTOP, else the bottom) by d and
// gives the length and layout mode to ask the bar for (LM_HORZ, with LM_LENGTHY for the vertical edges).
RIZ_API int QVDockStretchRequest(QVDockResizeRects& rects, int nHitTest, CSize d, DWORD* pdwMode);
// Applies the size the bar answered: the edge opposite the dragged one stays. When the new frame would
// leave rectScreen entirely, nothing changes. TRUE when the rectangles changed.
RIZ_API BOOL QVDockApplyStretch(QVDockResizeRects& rects, int nHitTest, CSize size, const CRect& rectScreen);
