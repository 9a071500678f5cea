// The pure arithmetic of the item toolbar: where items go, which are hidden behind the overflow
// button, radio groups, insert positions and the steps of move and next.
#pragma once

#include "RIZuruzezuDef.h"

#include <functional>
#include <vector>

// What the layout asks of item i (1 .. count - 1); the item measures itself first (CalcSize), so the
// callback is called once per item, in order, and never past the first item that does not fit.
struct ToolBarPlusLayoutItem {
    BOOL bVisible = TRUE;
    BOOL bRightAlign = FALSE;
    int cx = 0;  // width in the current mode
};

struct ToolBarPlusLayoutParams {
    CRect rcItems;  // the client rectangle narrowed by 2 pixels left and right
    BOOL bMultiLine = FALSE;
    int nLineHeight = 40;
    int nSpacing = 2;
    BOOL bNoOverflowButton = FALSE;
    int nOverflowWidth = 15;
};

struct ToolBarPlusPlacement {
    int nIndex;
    CPoint pt;
};

struct ToolBarPlusLayoutResult {
    int nLastVisible = -1;   // items after it are hidden in the overflow menu
    BOOL bOverflow = FALSE;  // the overflow button is shown at ptOverflow
    CPoint ptOverflow;
    // Items placed, in index order, up to nLastVisible (items given up to the overflow button are not
    // listed).
    std::vector<ToolBarPlusPlacement> placed;
};

// Left-aligned items run from the left, right-aligned ones from the right edge inward; an item that
// does not fit wraps to a new row of nLineHeight when multi-line and there is room below, else ends
// the layout. When items stay hidden and the overflow button does not fit after the last placed item,
// the last left-aligned visible item gives up its place (and every item after it is hidden too).
RIZ_API ToolBarPlusLayoutResult QVLayoutToolBarPlus(int nCount, const ToolBarPlusLayoutParams& params,
                                                    const std::function<ToolBarPlusLayoutItem(int)>& item);

// The radio group around nIndex: the first and last index between the nearest splitters on both sides
// (isSplitter answers for an index), never index 0.
RIZ_API void QVToolBarPlusRadioGroup(int nCount, int nIndex, const std::function<BOOL(int)>& isSplitter,
                                     int& nFirst, int& nLast);

// Where an item with sort key nKey goes: before the first item from index 1 whose key is >= nKey.
RIZ_API int QVToolBarPlusSortedInsertAt(int nCount, int nKey, const std::function<int(int)>& keyOf);

// The item a move swaps nIndex with: forward the next visible one after it, backward the previous
// visible one, never below index 1; -1 for none.
RIZ_API int QVToolBarPlusMoveTarget(int nCount, int nIndex, BOOL bForward,
                                    const std::function<BOOL(int)>& isVisible);

// One step of next: forward while below count - 1, backward while above 1, passing over invisible
// items when bVisibleOnly; -1 at the ends.
RIZ_API int QVToolBarPlusNextIndex(int nCount, int nIndex, BOOL bNext, BOOL bVisibleOnly,
                                   const std::function<BOOL(int)>& isVisible);
