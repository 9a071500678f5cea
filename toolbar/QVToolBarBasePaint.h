// What the classic toolbar template asks of the library: its fonts, skin colours, arrow icon, string
// and toolbar resources, the drawing of one item and the control-bar look of a stand-alone bar.
#pragma once

#include "QVToolBarBaseLayout.h"

class CQVBitmapList;

// The pens, brushes and images an item is drawn with.
struct ToolBarPaintContext {
    const CQVBitmapList* pBitmapList = nullptr;
    HICON hArrowIcon = NULL;
    COLORREF crHotLine = 0, crPressLine = 0, crHotFill = 0, crPressFill = 0;
};

// Draws item at state nState (ToolBarItemState) with the font and text colour selected into pDC.
// A separator is a line down its rectangle, or across it when it is wider than high (in a column).
// Separators and static texts always draw; buttons and boxes only with a bitmap list. A checked box
// shows the pressed frame in its normal and disabled states; disabled items take the second strip.
RIZ_API void QVDrawToolBarItem(CDC* pDC, const ToolBarItem& item, int nState, const ToolBarPaintContext& ctx);

// The arrow of a drop-down or menu button in its 16 x 16 cell: the icon, or without one a small
// dark triangle, so that a bar made without an icon resource still shows where its menu opens.
RIZ_API void QVDrawToolBarArrow(CDC* pDC, HICON hIcon, const CRect& rcCell);

// The layout's measuring font: 10 points of the face "宋体", whatever the character set and the
// language; the drawing font is the language's "IDS_DEF_FONT" at 9 points. The caller deletes both.
RIZ_API HFONT QVCreateToolBarMeasureFont();
RIZ_API HFONT QVCreateToolBarDrawFont();
// Width of a single-line text in hFont (DT_CALCRECT | DT_SINGLELINE).
RIZ_API int QVMeasureToolBarText(HFONT hFont, const CString& strText);

// Skin colour entries 8, 9 and 10: the hot outline, the pressed outline and the hot fill.
RIZ_API void QVReadToolBarColors(COLORREF& crHotLine, COLORREF& crPressLine, COLORREF& crHotFill);

// The 16 x 16 arrow icon nID of hInstance; NULL without one.
RIZ_API HICON QVLoadToolBarArrowIcon(HINSTANCE hInstance, UINT nID);

// Toolbar resource nID (type 241) from the resource chain; FALSE when it is missing or truncated.
RIZ_API BOOL QVLoadToolBarResource(UINT nID, ToolBarResource& res);
// Caption and tooltip of button nID from its string resource, through the language table; both
// empty for a missing string.
RIZ_API void QVLoadToolBarButtonString(UINT nID, CString& strText, CString& strTooltip);

// The frames of the skin's toolbar strips (Common\Button\ToolBar_Normal.bmp and
// ToolBar_Disabled.bmp, 16 x 16 each), in their order.
enum QVSkinToolBarImage {
    QVTBI_PLAY,
    QVTBI_PAUSE,
    QVTBI_STOP,
    QVTBI_RECORD,
    QVTBI_SPEED,
    QVTBI_UK,
    QVTBI_US,
    QVTBI_LOOP,
    QVTBI_COUNT
};
// Loads the current skin's two toolbar strips into list, cut into QVTBI_COUNT frames; pIDs (NULL or
// QVTBI_COUNT command ids, 0 for frames no command uses) maps commands to frames. Call it again after
// a skin change. FALSE when a strip is missing: that strip then draws nothing.
RIZ_API BOOL QVLoadSkinToolBarImages(CQVBitmapList& list, const UINT* pIDs = nullptr);
