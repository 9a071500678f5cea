// The one-pixel frame of the skinned edit, list, tree, hot-key and date-time controls: the system's
// sunken client edge replaced by a one-pixel rectangle in the skin's border colour.
//
// A framed control posts WM_QV_RECALCFRAME to itself after creation and subclassing, answers it with
// QVRecalcFrame, widens its client rectangle at WM_NCCALCSIZE with QVOnePixelNcCalcSize and draws the
// rectangle at WM_NCPAINT with QVDrawOnePixelFrame. Client rectangles are right only once the posted
// message has been handled.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxwin.h>

// Posted by a framed control to itself after creation and subclassing: recalculate the frame.
#define WM_QV_RECALCFRAME (WM_USER + 1501)  // 0x9DD

// How far WM_NCCALCSIZE widens the proposed client rectangle: with bWiden by the system's edge size less
// one pixel on every side, so that after the system takes its client edge off the client starts one
// pixel inside the window (the skin border); without it, not at all.
inline CRect QVOnePixelWidenedRect(const CRect& rcProposed, BOOL bWiden, int cxEdge, int cyEdge) {
    CRect rc = rcProposed;
    if (bWiden) rc.InflateRect(cxEdge - 1, cyEdge - 1);
    return rc;
}

// The client rectangle the system computed from a widened one, kept one pixel inside the window
// rectangle, where the frame is drawn: a window without a system edge to widen into (a list box
// without WS_EX_CLIENTEDGE) still shows its frame, and a window too small for its frame gets an empty
// client area, not one reaching over the frame or outside the window.
inline CRect QVClientInsideFrame(const CRect& rcClient, const CRect& rcWindow) {
    auto clamp = [](LONG v, LONG lo, LONG hi) { return v < lo ? lo : (v > hi ? hi : v); };
    CRect rcInner;
    rcInner.left = rcWindow.left + 1 < rcWindow.right ? rcWindow.left + 1 : rcWindow.right;
    rcInner.top = rcWindow.top + 1 < rcWindow.bottom ? rcWindow.top + 1 : rcWindow.bottom;
    rcInner.right = rcWindow.right - 1 > rcInner.left ? rcWindow.right - 1 : rcInner.left;
    rcInner.bottom = rcWindow.bottom - 1 > rcInner.top ? rcWindow.bottom - 1 : rcInner.top;
    CRect rc;
    rc.left = clamp(rcClient.left, rcInner.left, rcInner.right);
    rc.top = clamp(rcClient.top, rcInner.top, rcInner.bottom);
    rc.right = clamp(rcClient.right, rc.left, rcInner.right);
    rc.bottom = clamp(rcClient.bottom, rc.top, rcInner.bottom);
    return rc;
}

// WM_NCCALCSIZE of a framed control. With bWiden: the proposed rectangle widened, callDefault run (the
// control's default processing, which takes the system's edges off), the result kept inside the
// frame. Without: only callDefault.
template <class Default>
void QVOnePixelNcCalcSize(NCCALCSIZE_PARAMS* lpncsp, BOOL bWiden, Default callDefault) {
    RECT* pRect = &lpncsp->rgrc[0];  // both forms of the message start with the proposed window rect
    const CRect rcWindow = *pRect;
    if (bWiden) {
        *pRect = QVOnePixelWidenedRect(rcWindow, TRUE, ::GetSystemMetrics(SM_CXEDGE),
                                       ::GetSystemMetrics(SM_CYEDGE));
    }
    callDefault();
    if (bWiden) *pRect = QVClientInsideFrame(*pRect, rcWindow);
}

// WM_NCPAINT's frame: a one-pixel rectangle in clrBorder around the whole window, null brush, on the
// window DC. Call it after the default painting (or instead of it).
RIZ_API void QVDrawOnePixelFrame(CWnd* pWnd, COLORREF clrBorder);

// WM_QV_RECALCFRAME's answer: SetWindowPos without move, size, z-order or activation change, frame
// changed (0x37). Does nothing for an object without a window.
RIZ_API void QVRecalcFrame(CWnd* pWnd);
