// The arithmetic of the layout control: where one child goes when its layout rectangle changes.
#pragma once

#include <afxwin.h>

// How a layout control moves its children along one axis.
enum SizeType {
    SizeTypeFixed = 0,    // position and size untouched
    SizeTypeCentred = 1,  // the child keeps its size and is centred in the rectangle's extent, from 0
    SizeTypeStretched =
        2,              // the far edge keeps its distance from the rectangle's far edge; the near edge stays
    SizeTypeMoved = 3,  // the far edge keeps its distance and the recorded size, so the near edge follows
};

// What the layout control records of one child at its designed size.
struct QVLayoutChildRecord {
    CPoint ptOffset;  // rectangle's right edge to the child's right edge, bottom edge to bottom edge
    CSize szChild;    // the child's width and height
};

inline QVLayoutChildRecord QVRecordLayoutChild(const CRect& rcLayout, const CRect& rcChild) {
    return {CPoint(rcLayout.right - rcChild.right, rcLayout.bottom - rcChild.bottom),
            CSize(rcChild.Width(), rcChild.Height())};
}

// The child's new rectangle in the parent's client coordinates. Centring measures from 0, not from
// rcLayout.left, and uses integer division, so a child wider than the rectangle goes to a negative x.
// Unknown rule values act as fixed.
inline CRect QVLayoutChildRect(SizeType horz, SizeType vert, const CRect& rcLayout, const CRect& rcChild,
                               const QVLayoutChildRecord& record) {
    CRect rc = rcChild;
    switch (horz) {
    case SizeTypeCentred:
        rc.OffsetRect((rcLayout.Width() - rc.Width()) / 2 - rc.left, 0);
        break;
    case SizeTypeStretched:
        rc.right = rcLayout.right - record.ptOffset.x;
        break;
    case SizeTypeMoved:
        rc.right = rcLayout.right - record.ptOffset.x;
        rc.left = rc.right - record.szChild.cx;
        break;
    default:
        break;
    }
    switch (vert) {
    case SizeTypeCentred:
        rc.OffsetRect(0, (rcLayout.Height() - rc.Height()) / 2 - rc.top);
        break;
    case SizeTypeStretched:
        rc.bottom = rcLayout.bottom - record.ptOffset.y;
        break;
    case SizeTypeMoved:
        rc.bottom = rcLayout.bottom - record.ptOffset.y;
        rc.top = rc.bottom - record.szChild.cy;
        break;
    default:
        break;
    }
    return rc;
}
