// The drop-down button's arithmetic: its two parts from the client rectangle, the part states a point
// gives and the changes the mouse makes to them, without a window.
#pragma once

#include <afxwin.h>

namespace qvdropdown {

// A part's state, also the frame of its image.
enum State { STATE_NORMAL = 0, STATE_HOVER = 1, STATE_PRESSED = 2, STATE_DISABLED = 3 };

// The part a release names in the notification record.
enum Part { PART_NONE = -1, PART_ARROW = 0, PART_MAIN = 1 };

// Bits of the parts whose look changed (to be invalidated).
enum Changed { CHANGED_NONE = 0, CHANGED_MAIN = 1, CHANGED_ARROW = 2 };

struct Parts {
    CRect rcMain;
    CRect rcArrow;
};

// The arrow takes cxArrow at the right, the main part the rest. A client narrower than the arrow is all
// arrow (the main part empty at the left edge); a negative width counts as 0, so both parts always lie
// inside the client rectangle.
inline Parts LayoutParts(const CRect& rcClient, int cxArrow) {
    const int cxClient = rcClient.Width() > 0 ? rcClient.Width() : 0;
    const int cx = cxArrow < 0 ? 0 : (cxArrow > cxClient ? cxClient : cxArrow);
    Parts parts;
    parts.rcMain = CRect(rcClient.left, rcClient.top, rcClient.left + cxClient - cx, rcClient.bottom);
    parts.rcArrow = CRect(parts.rcMain.right, rcClient.top, rcClient.left + cxClient, rcClient.bottom);
    return parts;
}

// What the mouse has done to the button so far.
struct Input {
    int nMain = STATE_NORMAL;
    int nArrow = STATE_NORMAL;
    bool bDown = false;  // a left press began on the button and was not released or dropped yet
};

// What a release reports.
struct Click {
    bool bNotify = false;
    int nPart = PART_NONE;
    CRect rcPart;  // client coordinates; empty for PART_NONE
};

// A part takes a new look unless the host disabled it.
inline int SetLook(int& nState, int nNew, int nBit) {
    if (nState == nNew || nState == STATE_DISABLED) return CHANGED_NONE;
    nState = nNew;
    return nBit;
}

// A move: the part under the point is hot (a pressed part returns to hot), the other normal. The
// control takes no capture, so a press that left the button is released elsewhere unseen: a move
// without the left button down drops that stale press.
inline int OnMove(Input& in, const Parts& parts, CPoint pt, bool bLeftDown) {
    if (!bLeftDown) in.bDown = false;
    const bool bInMain = parts.rcMain.PtInRect(pt) != FALSE;
    const bool bInArrow = !bInMain && parts.rcArrow.PtInRect(pt) != FALSE;
    return SetLook(in.nMain, bInMain ? STATE_HOVER : STATE_NORMAL, CHANGED_MAIN) |
           SetLook(in.nArrow, bInArrow ? STATE_HOVER : STATE_NORMAL, CHANGED_ARROW);
}

// The mouse left: both parts normal, and a press dragged out is dropped, so that a later release of a
// press begun elsewhere is no click.
inline int OnLeave(Input& in) {
    in.bDown = false;
    return SetLook(in.nMain, STATE_NORMAL, CHANGED_MAIN) | SetLook(in.nArrow, STATE_NORMAL, CHANGED_ARROW);
}

// A press: the hot part shows pressed.
inline int OnDown(Input& in) {
    in.bDown = true;
    int nChanged = CHANGED_NONE;
    if (in.nMain == STATE_HOVER) nChanged |= SetLook(in.nMain, STATE_PRESSED, CHANGED_MAIN);
    if (in.nArrow == STATE_HOVER) nChanged |= SetLook(in.nArrow, STATE_PRESSED, CHANGED_ARROW);
    return nChanged;
}

// A release ending a press begun on the button: the enabled part under the point shows hot again and is
// reported; over no enabled part the report names PART_NONE with an empty rectangle. A release without
// such a press reports nothing.
inline Click OnUp(Input& in, const Parts& parts, CPoint pt, int* pChanged) {
    Click click;
    *pChanged = CHANGED_NONE;
    if (!in.bDown) return click;
    in.bDown = false;
    click.bNotify = true;
    if (parts.rcMain.PtInRect(pt) && in.nMain != STATE_DISABLED) {
        *pChanged = SetLook(in.nMain, STATE_HOVER, CHANGED_MAIN);
        click.nPart = PART_MAIN;
        click.rcPart = parts.rcMain;
    } else if (parts.rcArrow.PtInRect(pt) && in.nArrow != STATE_DISABLED) {
        *pChanged = SetLook(in.nArrow, STATE_HOVER, CHANGED_ARROW);
        click.nPart = PART_ARROW;
        click.rcPart = parts.rcArrow;
    }
    return click;
}

}  // namespace qvdropdown
