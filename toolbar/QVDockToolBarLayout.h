// The pure parts of the dockable toolbar: the column its items take on a left or right edge, the
// orientation a bar style or a layout mode asks for, and the item changes an idle update records.
#pragma once

#include "QVToolBarBaseLayout.h"

// Where the column's first item starts: below the grip the bar background draws at its top left.
constexpr int kDockToolBarColumnTop = 26;

// Lays the items out in one column from y = 26, each at x 3 and as wide as its image cell and text
// (a drop-down button with its arrow), with a gap of 4 after each; a separator spans the column and
// is as high as its cell is wide. The answer is the bar's size: the widest item plus 6 (at least 6)
// and the y after the last gap. Negative cell sizes count as 0.
RIZ_API CSize QVLayoutToolBarColumn(std::vector<ToolBarItem*>& items,
                                    const std::function<int(const CString&)>& textWidth);

// TRUE when a bar of style dwBarStyle lays its items out in a column: docked on a left or right
// edge. A floating bar is a row whatever edge it came from.
RIZ_API BOOL QVDockToolBarIsVertical(DWORD dwBarStyle);
// TRUE when a CalcDynamicLayout mode asks for the docked column (LM_VERTDOCK).
RIZ_API BOOL QVDockToolBarModeIsVertical(DWORD nMode);

// What an update handler asked of one item: each part only when it was asked.
struct ToolBarItemUpdate {
    BOOL bEnableChanged = FALSE;
    BOOL bEnabled = TRUE;
    BOOL bCheckChanged = FALSE;
    int nCheck = 0;  // 0 unchecked, 1 checked, 2 indeterminate (drawn checked)
};
// Applies an update to item; TRUE when its look changed (so only changed items are invalidated and an
// idle update that changes nothing repaints nothing).
RIZ_API BOOL QVApplyToolBarItemUpdate(ToolBarItem& item, const ToolBarItemUpdate& update);
