// Geometry of the contact list: row, button and scroll-bar rectangles, the visible rows, hit tests and
// scroll limits. Pure arithmetic on rectangles, counts and positions, testable without a window; the
// items, the groups, the scroll bar and the list window call these.
#pragma once

#include "RIZuruzezuDef.h"

#include <vector>

class CIMGroupButton;

// Row heights shared by the items, the group and the window.
enum {
    IMLIST_SMALL_ROW = 24,  // user row with small pictures
    IMLIST_BIG_ROW = 44,    // user row with big pictures
    IMLIST_TEAM_ROW = 20,   // team row
    IMLIST_ROW_STEP = 22,   // from one team row to the next (the scroll bar's arrow step)
    IMLIST_BAR_WIDTH = 15,  // the scroll bar's column at the right of the open area
};

// ---------------------------------------------------------------------------------------------------
// Rows.

// The picture and text rectangles of a row placed at rc.
struct CIMListRowRects {
    CRect m_rcImage;
    CRect m_rcText;
};

// Team row: the arrow at the left (18 wide), the text after it.
RIZ_API CIMListRowRects AFXAPI IMListTeamRowRects(const CRect& rc);
// User row: a square picture 2 pixels inside the row's left, top and bottom, the text 5 pixels after it.
RIZ_API CIMListRowRects AFXAPI IMListUserRowRects(const CRect& rc);
// User row height: 44 with big pictures, else 24.
RIZ_API int AFXAPI IMListUserRowHeight(int bBigImage);
// The area of a team's users under its row rcTeam: 10 pixels in at both sides, 2 below the row, nUsers
// rows of nRowHeight.
RIZ_API CRect AFXAPI IMListTeamUsersRect(const CRect& rcTeam, int nUsers, int nRowHeight);

// First and last index of evenly spaced rows (the first at nTop, nRowHeight each) that meet the band
// [nFrom, nTo); FALSE when none does.
RIZ_API BOOL AFXAPI IMListVisibleRows(int nTop, int nRowHeight, int nCount, int nFrom, int nTo, int& nFirst,
                                      int& nLast);
// The index of the evenly spaced row that holds height y, -1 above the first or below the last.
RIZ_API int AFXAPI IMListRowAt(int nTop, int nRowHeight, int nCount, int y);

// ---------------------------------------------------------------------------------------------------
// Group buttons.

// The text and the flashing-picture rectangles of a group button placed at rc.
struct CIMGroupButtonRects {
    CRect m_rcText;
    CRect m_rcFlashIcon;
};

RIZ_API CIMGroupButtonRects AFXAPI IMGroupButtonRects(const CRect& rc);
// The scroll bar's column of an open area.
RIZ_API CRect AFXAPI IMGroupScrollBarRect(const CRect& rcExpand);
// The extent of a group's children in its open area rcExpand: nRows team rows and nUsersHeight pixels of
// open teams' users (each team's users area height), as CalcVirtualExpandRect gives it.
RIZ_API CRect AFXAPI IMGroupContentRect(const CRect& rcExpand, int nRows, int nUsersHeight);
// The first team row of an open area scrolled by nScrollPos pixels.
RIZ_API CRect AFXAPI IMGroupFirstRowRect(const CRect& rcExpand, int nScrollPos);

// The scroll range of an open area nExpandHeight high showing content nContentHeight high: hidden when
// it fits, else the overflow in pixels, a page in proportion and the team row step.
struct CIMGroupScrollRange {
    int m_bVisible = 0;
    int m_nMax = 0;
    int m_nPage = 0;
    int m_nLine = IMLIST_ROW_STEP;
};
RIZ_API CIMGroupScrollRange AFXAPI IMGroupScrollRange(int nExpandHeight, int nContentHeight);

// Sliding: the direction from a button's top to its destination's (0 still, 1 up, 2 down), and one
// step of nStep pixels: the distance to move, or FALSE when the button snaps to the destination (or
// stands still).
RIZ_API int AFXAPI IMGroupSlideDirection(int nTop, int nDestTop);
RIZ_API BOOL AFXAPI IMGroupSlideStep(int nDirection, int nTop, int nDestTop, int nStep, int& dy);

// ---------------------------------------------------------------------------------------------------
// The list window's buttons.

// The buttons up to and including the current one stack at the top of rcClient, the ones after it at
// the bottom; the open area lies between (never of negative height). nCurrent -1 puts every button at
// the bottom.
RIZ_API CRect AFXAPI IMListButtonRect(const CRect& rcClient, int nButtonHeight, int nCount, int nCurrent,
                                      int nIndex);
RIZ_API CRect AFXAPI IMListExpandRect(const CRect& rcClient, int nButtonHeight, int nCount, int nCurrent);
// The band a slide of buttons nFirst ... nLast clears: from the bottom of the button above nFirst (or
// rcFirst's top) to the top of the button below nLast (or rcLast's bottom, or nLastBarBottom when the
// last button is open), across rcClient. A null pointer stands for no such button, or a closed last one.
RIZ_API CRect AFXAPI IMListSlideClearRect(const CRect& rcClient, const CRect& rcFirst, const CRect& rcLast,
                                          const CRect* pAbove, const CRect* pBelow,
                                          const int* pLastBarBottom);
// The open area less the scroll bar's column: the rows that scroll and repaint.
RIZ_API CRect AFXAPI IMListRowsRect(const CRect& rcExpand);

// Where a point is in the list: group, team (position among the group's children) and user (position
// among the team's users, -1 for the team row itself).
struct tagIMListItemPos {
    int nGroup = -1;
    int nTeam = -1;
    int nUser = -1;
    int bInImage = 0;

    void Reset() { *this = tagIMListItemPos(); }
    BOOL IsValid() const { return nGroup >= 0 && nTeam >= 0; }
    // Same group, team and user; the picture flag does not count.
    BOOL IsSameItem(const tagIMListItemPos& other) const {
        return nGroup == other.nGroup && nTeam == other.nTeam && nUser == other.nUser;
    }
};

// What lies under a point of the list window: a group button (and whether on its flashing picture), or
// inside the current group's open area a part of its scroll bar or else a row.
struct CIMListHit {
    int m_nGroup = -1;
    int m_bSparkleIcon = 0;
    int m_nArea = 0;  // a CIMScrollBar::ScrollBarArea
    tagIMListItemPos m_item;
};
// Buttons first (the first that holds the point; the flashing picture counts only for a group with
// flashing users), then the current group's scroll bar, then its rows.
RIZ_API CIMListHit AFXAPI IMListHitTest(const std::vector<CIMGroupButton*>& groups, int nCurrent,
                                        const CPoint& pt);

// ---------------------------------------------------------------------------------------------------
// Scroll bar.

// The parts of a vertical bar placed at rc (see IMScrollBar.h): without room for a thumb (height at most
// twice the width) the arrows share the height and track and thumb are empty; else the arrows are
// squares at both ends and the thumb starts two widths high at the top of the track.
struct CIMScrollBarRects {
    CRect m_rcTrack;
    CRect m_rcMinDelta;
    CRect m_rcMaxDelta;
    CRect m_rcThumb;
};
RIZ_API CIMScrollBarRects AFXAPI IMScrollBarLayout(const CRect& rc);
// nPos clamped into [nMin, max(nMin, nMax)].
RIZ_API int AFXAPI IMScrollBarClampPos(int nMin, int nMax, int nPos);
// The thumb height for a page: in proportion to the track, never below one cell nor above the track.
RIZ_API int AFXAPI IMScrollBarThumbHeight(int nTrackHeight, int nMin, int nMax, int nPage);
// The thumb's top for a position.
RIZ_API int AFXAPI IMScrollBarThumbTop(const CRect& rcTrack, int nThumbHeight, int nMin, int nMax, int nPos);
// The part under pt (the values of CIMScrollBar::ScrollBarArea): arrows, thumb, track in that order.
RIZ_API int AFXAPI IMScrollBarHitTest(const CRect& rcBar, const CIMScrollBarRects& parts, const CPoint& pt);
// A drag of the thumb to top nWantedTop: the top the thumb takes (kept inside the track) and the
// position it stands for.
RIZ_API int AFXAPI IMScrollBarDragTop(const CRect& rcTrack, int nThumbHeight, int nWantedTop);
// nPos is kept when the thumb cannot move or the range is empty.
RIZ_API int AFXAPI IMScrollBarDragPos(const CRect& rcTrack, int nThumbHeight, int nMin, int nMax, int nTop,
                                      int nPos);
