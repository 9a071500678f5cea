// The pure arithmetic of the item toolbar's items: which frame an item draws and where its icon goes.
#pragma once

#include "RIZuruzezuDef.h"

// Where the icon sits in an item in normal mode.
enum ToolBarPlusItemIconAlign {
    IconAlignLeft = 0,
    IconAlignCenter = 1,
    IconAlignRight = 2,
};

// The mouse state of an item.
enum ToolBarPlusItemState {
    ToolBarPlusItemNormal = 0,
    ToolBarPlusItemHot = 1,
    ToolBarPlusItemPressed = 2,
};

// What the frame choice looks at.
struct ToolBarPlusFrameInput {
    BOOL bEnabled = TRUE;
    int nState = ToolBarPlusItemNormal;
    BOOL bSparkling = FALSE;  // sparkle on with cycles left
    BOOL bFading = FALSE;
    BOOL bChecked = FALSE;
    float fAlpha = 0.0f;
    BOOL bMenu = FALSE;        // a menu-type item with a body and a drop part
    BOOL bOverCommand = TRUE;  // menu items: the mouse is over the body, not the drop part
};

// Frame 0 draws nothing; nDropFrame is the drop part's frame of menu items (nFrame otherwise).
struct ToolBarPlusFrameChoice {
    int nFrame;
    int nDropFrame;
    float fOpacity;
    int nIconFrame;
};

// Disabled: frame 3 at full opacity with icon frame 1; sparkling: 4 at the alpha; fading (in or out):
// 1 at the alpha; checked: 2; else the state. A hot menu item draws 5 instead of 1 for the part under
// the mouse.
RIZ_API ToolBarPlusFrameChoice QVChooseToolBarPlusFrame(const ToolBarPlusFrameInput& in);

// An icon of w x h centred vertically in rc: 2 pixels in from the left or right edge, or centred.
RIZ_API CRect QVToolBarPlusIconRect(const CRect& rc, int w, int h, int nAlign);
