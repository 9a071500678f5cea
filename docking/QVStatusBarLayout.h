// Pane rectangles of the status bar, without a window.
#pragma once

#include <afxwin.h>

#include <vector>

#include "RIZuruzezuDef.h"

struct QVStatusPaneRects {
    CRect rectPane;  // the pane in client coordinates
    CRect rectText;  // the pane less 2 pixels left, 1 top, 1 right, 2 bottom
};

// Lays the panes out from the right edge of rectClient: each pane is its width wide and ends one
// pixel left of the next one's left edge; the first pane starts at the left edge whatever its
// width (it ends left of its start when the others take more than the client width). Negative
// widths count as 0.
RIZ_API std::vector<QVStatusPaneRects> QVStatusBarLayout(const CRect& rectClient,
                                                         const std::vector<int>& widths);
