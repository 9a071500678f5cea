// The skinned scroll bars' record and their arithmetic: where the arrows, track, thumb and size box of
// a window's bars lie, which part a point hits, the state a part is drawn in and how a caller's
// SCROLLINFO updates the stored one. Pure functions, no window.
#pragma once

#include <afxwin.h>

#include "RIZuruzezuDef.h"

// Skin bitmap geometry: 16-pixel cells, the thumb at least 10 pixels long.
constexpr int SKINSB_SIZE = 16;
constexpr int SKINSB_MIN_THUMB = 10;

// Part codes: the low four bits name the part; SKINSB_VERT marks a part of the vertical bar.
enum {
    SKINSB_NONE = 0,
    SKINSB_LINEUP = 1,
    SKINSB_LINEDOWN = 2,
    SKINSB_THUMB = 3,
    SKINSB_PAGEUP = 4,
    SKINSB_PAGEDOWN = 5,
    SKINSB_VERT = 0x10,
};

// Part states, the column of a part's cell in the skin bitmap.
enum { SKINSB_NORMAL = 0, SKINSB_HOT = 1, SKINSB_PRESSED = 2, SKINSB_DISABLED = 3 };

// One skinned window's bars. Zero-filled when attached.
struct SkinScrollBarState {
    HWND hwnd;
    DWORD arrowFlags;  // bits 0-1 horizontal, 2-3 vertical, each pair ESB_DISABLE_LTUP / ESB_DISABLE_RTDN
    DWORD shownBars;   // WS_HSCROLL / WS_VSCROLL as last set here
    SCROLLINFO horz;
    SCROLLINFO vert;
    WNDPROC oldWndProc;
    BOOL leftScrollBar;
    BOOL inDefault;
    BOOL leaveTracking;
    BOOL tracking;
    BOOL isRichEdit;
    UINT pressedPart;
    int trackPos;
    int dragOffset;
    DWORD lastScroll;  // message in the low word, scroll code in the high word
    UINT hotPart;
    HBITMAP skinBitmap;  // not owned
};

// The info of bar SB_HORZ or SB_VERT; null for any other bar.
RIZ_API SCROLLINFO* SkinSBInfo(SkinScrollBarState& state, int nBar);
inline const SCROLLINFO* SkinSBInfo(const SkinScrollBarState& state, int nBar) {
    return SkinSBInfo(const_cast<SkinScrollBarState&>(state), nBar);
}

// One bar laid out along its length. Coordinates are the caller's (screen in the window glue):
// positions along the bar are y for the vertical bar, x for the horizontal one.
struct SkinSBBarLayout {
    CRect rcBar;  // empty when the window lacks the bar's style
    bool bVert = false;
    int nTrackStart = 0;  // after the first arrow
    int nTrackEnd = 0;    // before the second arrow
    int nThumbStart = 0;  // both 0 without a thumb
    int nThumbEnd = 0;
    int TrackLength() const { return nTrackEnd - nTrackStart; }
    bool HasThumb() const { return nThumbEnd > nThumbStart; }
};

// True when the info describes a thumb: a page and a range of more than one position.
RIZ_API bool SkinSBHasThumbInfo(const SCROLLINFO& si);

// Lays out bar nBar (SB_HORZ or SB_VERT) beside rcClient. dwStyle gives the shown bars; the vertical bar
// is left of the client area when bLeft. A bar shorter than two arrows shares its length between them;
// a track shorter than the least thumb has no thumb. Any other bar gives an empty layout.
RIZ_API SkinSBBarLayout SkinSBLayoutBar(const CRect& rcClient, DWORD dwStyle, BOOL bLeft, int nBar,
                                        const SCROLLINFO& si);

// The size box below the vertical bar and beside the horizontal one; empty unless both are shown.
RIZ_API CRect SkinSBSizeBox(const CRect& rcClient, DWORD dwStyle, BOOL bLeft);

// The part of a laid-out bar at pt (without SKINSB_VERT). Any set arrow flag of the bar (nFlags, its
// two bits) leaves only the thumb live. A bar without a thumb has no live track.
RIZ_API UINT SkinSBHitTest(const SkinSBBarLayout& layout, DWORD nFlags, const CPoint& pt);

// The arrow flags of one bar, two bits.
RIZ_API DWORD SkinSBBarFlags(DWORD arrowFlags, int nBar);

// The state a part (with or without SKINSB_VERT) is drawn in.
RIZ_API int SkinSBPartState(const SkinScrollBarState& state, UINT nPart);

// The arrow flags after enabling or disabling nBar (SB_HORZ, SB_VERT or SB_BOTH) with wArrows:
// a non-zero value is OR-ed into each bar's pair, zero clears it. Other bars change nothing.
RIZ_API DWORD SkinSBEnableArrows(DWORD arrowFlags, int nBar, UINT wArrows);

// What applying a caller's SCROLLINFO to the stored one gave.
struct SkinSBUpdate {
    bool bChanged = false;  // the range or the page changed
    bool bShow = false;     // the bar is to be shown
    int nPos = 0;           // the stored position before the update with SIF_POS, after it otherwise
};

// Applies in (by its fMask) to stored: range first (a maximum below the minimum becomes the minimum;
// a new range re-applies page and position), then the page (at most the range's size), the position
// (within [nMin, nMax - nPage + 1]) and the track position. bShown is the bar's current shown state.
// The arithmetic is 64-bit: a range from INT_MIN to INT_MAX has 2^32 positions.
RIZ_API SkinSBUpdate SkinSBApplyInfo(SCROLLINFO& stored, const SCROLLINFO& in, bool bShown);

// Copies the stored fields that info->fMask asks for; false when info is not a SCROLLINFO of the
// right size or nothing was asked.
RIZ_API BOOL SkinSBCopyInfo(const SCROLLINFO& stored, SCROLLINFO* pInfo);

// The position while the thumb is dragged: the mouse coordinate along the bar less the drag offset,
// kept within the track, scaled to [nMin, nMax - nPage + 1].
RIZ_API int SkinSBDragPosition(const SkinSBBarLayout& layout, const SCROLLINFO& si, int nMouse,
                               int nDragOffset);

// True when auto-repeated paging (SB_PAGEUP / SB_PAGEDOWN) has brought the thumb to the cursor.
RIZ_API bool SkinSBPagingReachedCursor(const SkinSBBarLayout& layout, int nCode, int nCursor);

// The client rectangle of WM_NCCALCSIZE after the bars take their strips: 16 pixels at the bottom for
// WS_HSCROLL when taller than 16, at the right (left when bLeft) for WS_VSCROLL when at least 17 wide.
RIZ_API CRect SkinSBShrinkClient(const CRect& rc, DWORD dwStyle, BOOL bLeft);
