// Geometry of the skinned window frame: layout rectangles, hit test, client inset, outline and the
// ".rgn" region cache. Pure arithmetic on the window skin record, testable without a window; the
// skinned window calls these from its non-client handlers.
#pragma once

#include "RIZuruzezuDef.h"

#include <QVSkinRes.h>

#include <vector>

// Hit-test code of the skinned menu bar under the caption.
#define HTSKINMENUBAR 1000

// Height of the skinned menu bar between the caption and the client area.
#define SKINWND_MENUBAR_HEIGHT 24

// The frame's layout rectangles, in window coordinates (origin at the window's top-left corner).
struct CSkinWndLayout {
    CRect m_rcIcon;
    CRect m_rcMinBtn;
    CRect m_rcMaxBtn;
    CRect m_rcCloseBtn;
    CRect m_rcCaption;
    CRect m_rcLeft;
    CRect m_rcRight;
    CRect m_rcTop;
    CRect m_rcBottom;
    CRect m_rcTopLeft;
    CRect m_rcTopRight;
    CRect m_rcBottomLeft;
    CRect m_rcBottomRight;
    CRect m_rcMenuBar;
    CRect m_rcTitle;
};

// The frame widths of the record, each clamped into its valid range (docs/skin-format.md): left
// border, caption height, right border, bottom border as left, top, right, bottom. Everything this
// file computes from the record uses the clamped numbers, so no skin makes the arithmetic overflow.
RIZ_API CRect AFXAPI SkinWndFrameInsets(const CQVSkinWndRes& res);

// Sizes the icon and the caption buttons from the record (at construction and on a skin change):
// icon (0, 0, T - 4, T - 4), each button (0, 0, its width, its height).
RIZ_API void AFXAPI InitHitTestRects(CSkinWndLayout& layout, const CQVSkinWndRes& res);

// Places every rectangle for the window rectangle rcWindow moved to the origin. The icon and the
// buttons keep the sizes InitHitTestRects gave them and are only moved (the icon may be cut to fit
// the caption). The menu bar rectangle is empty unless bHasMenu.
RIZ_API void AFXAPI AdjustHitTestRects(CSkinWndLayout& layout, const CQVSkinWndRes& res,
                                       const CRect& rcWindow, BOOL bHasMenu);

// The non-client hit test for a point in window coordinates, rcClient being the client rectangle
// in window coordinates. Checked in this order: close, maximize (bMaxBox), minimize (bMinBox),
// icon (bSysMenu), caption, the eight sizing borders (bSizable), the menu bar (HTSKINMENUBAR),
// the client (HTCLIENT). Answers 0 when nothing matched: the caller then keeps its previous
// result. Finding the menu item under the point and selecting it is the caller's.
RIZ_API UINT AFXAPI SkinWndHitTest(const CSkinWndLayout& layout, BOOL bSysMenu, BOOL bMinBox, BOOL bMaxBox,
                                   BOOL bSizable, CPoint point, const CRect& rcClient);

// The client rectangle of a skinned window: rcWindow inset by the left, right and bottom borders
// and by the caption height at the top, plus the menu bar height when the window has a menu.
RIZ_API CRect AFXAPI SkinWndClientRect(const CQVSkinWndRes& res, const CRect& rcWindow, BOOL bHasMenu);

// How much a window must grow so that its client area keeps its designed size once the skin frame
// replaces the platform's frame and caption (sizable frame metrics when bSizable, dialog frame
// metrics otherwise). Bounded by the ranges of the frame widths.
RIZ_API void AFXAPI GetWindowAddSize(const CQVSkinWndRes& res, BOOL bSizable, CSize& size);

// The window outline as one polyline: the first point is moved to, lines run through all others,
// and the last point closes the figure. The corner outlines of the record are walked top-left,
// top-right, bottom-right, bottom-left, mirrored into their corners of rc (the window rectangle at
// the origin); an empty outline stands for the plain corner.
RIZ_API void AFXAPI BuildWndOutline(const CQVSkinWndRes& res, const CRect& rc, std::vector<CPoint>& points);

// The region enclosed by BuildWndOutline, traced as a path; NULL when the path cannot be made. The
// caller owns the region.
RIZ_API HRGN AFXAPI CreateWndOutlineRgn(const CQVSkinWndRes& res, const CRect& rc);

// Image frames of the caption buttons; -1 means the button is not drawn.
struct CSkinWndButtonFrames {
    int m_nMinFrame = -1;
    int m_nMaxFrame = -1;
    BOOL m_bRestoreImage = FALSE;  // the maximize button shows the restore image
    int m_nCloseFrame = 0;
};

// Frames: 0 normal, 1 hover (the focus button), 2 pressed (the focus button while bPressed), 3
// disabled; 4 more for an inactive window. nFocusButton is the hit-test code of the button under the
// mouse (HTMINBUTTON, HTMAXBUTTON, HTCLOSE) or -1. Without a minimize box the minimize and maximize
// buttons show disabled when the skin asks for it; without a maximize box the maximize button shows
// disabled when there is a minimize box.
RIZ_API CSkinWndButtonFrames AFXAPI GetWndButtonFrames(const CQVSkinWndRes& res, BOOL bMinBox, BOOL bMaxBox,
                                                       BOOL bMaximal, int nFocusButton, BOOL bPressed,
                                                       BOOL bActive);

// The ".rgn" region cache: the region data as GetRegionData gives it, then the width and height of
// the mask image as two little-endian 32-bit integers. Writing replaces the file; it is skipped when
// the region data cannot be fetched whole or the region has more rectangles than a cache may hold.
// Always TRUE: the cache is only an optimisation.
RIZ_API BOOL AFXAPI WriteRgnToFile(LPCTSTR lpszPath, HRGN hRgn, int nWidth, int nHeight);

// Reads a ".rgn" file into rgn (replacing what it held) with its stored width and height. A missing,
// truncated, oversized or inconsistent file, or one of more than QVSkinRange::kMaxMaskRects
// rectangles, is a failed read (FALSE) and leaves the outputs alone.
RIZ_API BOOL AFXAPI ReadRgnFromFile(LPCTSTR lpszPath, CRgn& rgn, int& nWidth, int& nHeight);
