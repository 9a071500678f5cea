// The row list of a dock bar and its arithmetic, without windows: which entries are bars, rows and
// placeholders, how a row list changes when a bar comes or goes, where a dropped bar goes, and how the
// rows are laid out (wrap, push-left, kept gaps).
#pragma once

#include <afxwin.h>

#include <vector>

#include "RIZuruzezuDef.h"

// A row list: each entry is a bar pointer, a null (the end of a row) or a placeholder, the control id
// (1 to 0xFFFF) of a bar that left to float and may come back to the same place. Entry 0 is always
// null and every row ends with a null.
typedef std::vector<void*> QVDockRowList;

// A value above 0xFFFF is a bar; a non-zero value up to 0xFFFF a placeholder.
inline bool QVDockIsBar(const void* pEntry) {
    return reinterpret_cast<UINT_PTR>(pEntry) > 0xFFFF;
}
inline bool QVDockIsPlaceHolder(const void* pEntry) {
    return pEntry != nullptr && !QVDockIsBar(pEntry);
}
// The placeholder of a control id; null for an id that cannot be one (0 or above 0xFFFF).
inline void* QVDockPlaceHolder(UINT nID) {
    return nID == 0 || nID > 0xFFFF ? nullptr : reinterpret_cast<void*>(static_cast<UINT_PTR>(nID));
}

// The dock bars of a frame, in the order they are made and searched (top and bottom first, so that
// they take the full width), with the style each is made with.
struct QVDockBarEdge {
    UINT nID;
    DWORD dwStyle;
};
inline constexpr QVDockBarEdge kQVDockBarEdges[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
};
// The CBRS_ALIGN_ flag of an edge's dock bar id; 0 for any other id.
inline DWORD QVDockBarAlign(UINT nDockBarID) {
    for (const QVDockBarEdge& edge : kQVDockBarEdges)
        if (edge.nID == nDockBarID) return edge.dwStyle & CBRS_ALIGN_ANY;
    return 0;
}

// First position other than nPosExclude holding pEntry, else -1.
RIZ_API int QVDockFind(const QVDockRowList& list, const void* pEntry, int nPosExclude = -1);
// Number of bar entries.
RIZ_API int QVDockBarCount(const QVDockRowList& list);
// Removes the entry at nPos, and the null of its row when the row is left empty.
RIZ_API void QVDockRemoveAt(QVDockRowList& list, int nPos);
// Removes the placeholder of nID (found at a position above 0), with an emptied row's null.
RIZ_API bool QVDockRemovePlaceHolder(QVDockRowList& list, UINT nID);
// Takes pBar (not at nPosExclude) out of the list. nAddPlaceHolder 1: its entry becomes its
// placeholder (removed instead when another placeholder of nID exists, or nID cannot be one); 0: the
// entry goes and so does the bar's placeholder; -1: the entry goes, the placeholder stays. FALSE when
// the bar is not in the list.
RIZ_API bool QVDockRemoveBar(QVDockRowList& list, const void* pBar, UINT nID, int nPosExclude,
                             int nAddPlaceHolder);

// The length a bar asks for along its edge to have all of it (a pane made for an edge, a status bar).
inline constexpr int kQVDockStretchLength = 32767;

// One entry of a layout pass: the entry itself, and for a bar whether it shows, the size it asks for
// and where it is now (dock bar client coordinates). The pass fills rect and bPlaced.
struct QVDockLayoutEntry {
    void* pEntry = nullptr;
    bool bVisible = false;
    CSize size;
    CRect rectCurrent;
    CRect rect;            // out: where the bar goes
    bool bPlaced = false;  // out: the bar was laid out in a row (it is moved when rect != rectCurrent)
};

// What a layout pass needs to know of the dock bar.
struct QVDockLayoutParams {
    bool bHorz = true;       // a top or bottom dock bar
    bool bFloating = false;  // the dock bar of a floating frame: no push-left, no kept gaps, no wrap
    bool bStretch = false;
    CSize sizeMax;     // the space offered (inside the border lines)
    CSize sizeFixed;   // the base control bar's fixed size for (bStretch, bHorz)
    CRect rectBorder;  // CalcInsideRect of an empty rect: the border lines
    int cxBorder2 = 2, cyBorder2 = 2;
};

// Lays the rows out: bars follow each other 2 pixels apart (they share a border line), a bar keeps a
// gap before it when it already stands right of its place, a bar past the right edge is pushed left
// (never left of the running position), and a bar that would start at the edge while another
// precedes it in its row starts a new row (a null is inserted into entries before it). A bar asking
// for kQVDockStretchLength or more along the row ends 2 pixels past the space offered (its border line
// shared with the dock bar's edge), when that space is known. Returns the dock bar's fixed size, the
// border lines included.
RIZ_API CSize QVDockCalcLayout(std::vector<QVDockLayoutEntry>& entries, const QVDockLayoutParams& params);

// Where a bar dropped at rect (its centre mid) goes into list: after the last bar of the row under
// mid that starts left of rect (above it for a vertical dock bar), or in a new row; rows are as thick
// as their thickest visible bar. Inserts the bar (and a null for a new row) and returns its position.
// visible and rects give each entry's visibility and current rectangle (client coordinates).
RIZ_API int QVDockInsert(QVDockRowList& list, const std::vector<bool>& visible,
                         const std::vector<CRect>& rects, void* pBar, const CRect& rect, CPoint ptMid,
                         bool bHorz, int cyBorder2 = 2);

// The size a bar takes in a floating frame, which has no edge to stretch along: a length it asks for
// as "all there is" (32767 and more) becomes its last docked length, else its fixed length.
RIZ_API CSize QVDockFloatingSize(CSize sizeAsked, CSize sizeLastDocked, CSize sizeFixed);
