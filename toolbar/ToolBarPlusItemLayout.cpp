#include "ToolBarPlusItemLayout.h"

ToolBarPlusFrameChoice QVChooseToolBarPlusFrame(const ToolBarPlusFrameInput& in) {
    if (!in.bEnabled) return {3, 3, 1.0f, 1};
    ToolBarPlusFrameChoice out = {in.nState, in.nState, 1.0f, 0};
    if (in.bSparkling) {
        out = {4, 4, in.fAlpha, 0};
    } else if (in.bFading) {
        out = {1, 1, in.fAlpha, 0};
    } else if (in.bChecked) {
        out = {2, 2, 1.0f, 0};
    }
    if (in.bMenu && in.nState == ToolBarPlusItemHot) {
        if (in.bOverCommand && out.nFrame == 1) out.nFrame = 5;
        if (!in.bOverCommand && out.nDropFrame == 1) out.nDropFrame = 5;
    }
    return out;
}

CRect QVToolBarPlusIconRect(const CRect& rc, int w, int h, int nAlign) {
    int x = rc.left + (rc.Width() - w) / 2;
    if (nAlign == IconAlignLeft) x = rc.left + 2;
    if (nAlign == IconAlignRight) x = rc.right - 2 - w;
    const int y = rc.top + (rc.Height() - h) / 2;
    return CRect(x, y, x + w, y + h);
}
