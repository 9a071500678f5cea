// The pure parts of the classic toolbar: its item record, the row layout, hit tests, radio groups,
// the parts of a drawn item, the press colour and the reading of a toolbar resource.
#pragma once

#include "RIZuruzezuDef.h"

#include <functional>
#include <vector>

// The kinds of item, in the order their values are stored.
enum ToolBarItemType {
    TBIT_SEPARATOR = 0,
    TBIT_STATIC = 1,
    TBIT_BUTTON = 2,
    TBIT_MENUBUTTON = 3,
    TBIT_DROPDOWN = 4,
    TBIT_CHECKBOX = 5,
    TBIT_RADIOBOX = 6,
};

// The state an item is drawn in.
enum ToolBarItemState {
    TBIS_NORMAL = 0,
    TBIS_HOT = 1,
    TBIS_PRESSED = 2,
};

// One item, owned by the toolbar. rc is set by the layout.
struct ToolBarItem {
    UINT nID = 0;
    ToolBarItemType nType = TBIT_BUTTON;
    CString strText;
    CString strTooltip;
    CSize szImage;    // the image cell; a separator's is (6, height)
    int nImage = -1;  // index in the bitmap list; below 0 none
    CRect rc;
    BOOL bChecked = FALSE;
    BOOL bEnabled = TRUE;
};

// Width of the arrow part at the right of a drop-down button, where a click asks for its menu.
constexpr int kToolBarArrowWidth = 16;

// Lays the items out in one row from x = 10, each at y 3 and as high as its image cell: a drop-down
// button is its image, its text and the arrow wide, with a gap of 4 after it; any other item its
// image and text, with a gap of 4. textWidth measures a non-empty text. The answer is the bar's size:
// the x after the last gap and the tallest non-separator cell plus 6 (at least 6). Negative cell
// sizes count as 0, so a bad size never gives a rectangle turned inside out.
RIZ_API CSize QVLayoutToolBarItems(std::vector<ToolBarItem*>& items,
                                   const std::function<int(const CString&)>& textWidth);

// The first item whose rectangle holds pt; -1 for none.
RIZ_API int QVToolBarHitTest(const std::vector<ToolBarItem*>& items, CPoint pt);

// TRUE when pt lies in the rightmost 16 pixels of a drop-down button's rectangle.
RIZ_API BOOL QVToolBarInArrowPart(const ToolBarItem& item, CPoint pt);

// The radio group of item nIndex: from the item after the previous separator (or 0) to the item
// before the next separator (or the last).
RIZ_API void QVToolBarRadioGroup(const std::vector<ToolBarItem*>& items, int nIndex, int& nFirst, int& nLast);

// The pressed fill: the hot fill with red, green and blue each lowered by 20, not below 0.
RIZ_API COLORREF QVToolBarPressFill(COLORREF crHotFill);

// The toolbar window whose item prompt shows now, shared by every toolbar of the process: a bar clears
// the prompt (0x362 with 0, 0) only while it is its own, so that its late mouse-leave does not wipe
// the prompt of the bar the mouse went on to.
RIZ_API HWND& QVToolBarPromptWnd();

// Where the parts of an item are drawn: the image's top-left corner (1 pixel in, centred vertically
// on the image's own height), the text rectangle after the image cell (ending before the arrow for
// buttons with an arrow) and the arrow's 16 x 16 cell at the top right.
struct ToolBarItemParts {
    CPoint ptImage;
    CRect rcText;
    CRect rcArrow;  // empty for items without an arrow
    CRect rcMain;   // the frame of the image and text part; rc without the arrow part for a drop-down
};
RIZ_API ToolBarItemParts QVToolBarItemParts(const ToolBarItem& item, CSize szImage);

// A toolbar resource (type 241): 16-bit version, image width, image height, item count, then one
// 16-bit command id per item (0 for a separator). FALSE for a block too short for its header or for
// the ids it announces; nothing past cb is read.
struct ToolBarResource {
    WORD wVersion = 0;
    int cx = 0, cy = 0;
    std::vector<UINT> ids;
};
RIZ_API BOOL QVParseToolBarResource(const void* pData, size_t cb, ToolBarResource& res);

// A button's string resource: a text beginning with "~" is a language key and is replaced by its
// language text; the part before the first "\n" is the caption, the part after it the tooltip.
RIZ_API void QVSplitToolBarString(const CString& strResource,
                                  const std::function<CString(const CString&)>& translate, CString& strText,
                                  CString& strTooltip);
