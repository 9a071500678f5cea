// Where the floating frame's skinned non-client parts go, without a window.
#pragma once

#include <afxwin.h>

#include "RIZuruzezuDef.h"

// The parts in window coordinates (origin at the window's top-left corner).
struct QVMiniFrameParts {
    CRect rectCaption;  // the top band: the top border and the caption, the full width
    CRect rectLeft;     // the side borders, between the caption and the bottom border
    CRect rectRight;
    CRect rectBottom;  // the bottom border, the full width
    CRect rectClose;   // the close button, empty when the caption has no room for it
    CRect rectTitle;   // the title, left of the close button
};

// The frame keeps the system's small-caption geometry (the drag outline and the frame must agree), so
// the parts follow from the window size and the client rectangle: the borders are as thick as the
// client's distance from the sides, the top border as thick as the side borders. The close button is
// the skin's close-button frame (sizeCloseFrame) scaled to the caption height less 4 pixels, keeping
// its proportions, 2 pixels from the right border and centred in the caption; none below 6 pixels.
RIZ_API QVMiniFrameParts QVMiniFrameCalcParts(CSize sizeWindow, const CRect& rectClient,
                                              CSize sizeCloseFrame);
