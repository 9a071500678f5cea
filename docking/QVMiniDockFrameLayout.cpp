// Floating frame parts.
#include "QVMiniDockFrameLayout.h"

#include <algorithm>

QVMiniFrameParts QVMiniFrameCalcParts(CSize sizeWindow, const CRect& rectClient, CSize sizeCloseFrame) {
    QVMiniFrameParts parts;
    const int cx = std::max(0, static_cast<int>(sizeWindow.cx));
    const int cy = std::max(0, static_cast<int>(sizeWindow.cy));
    const int nLeft = std::clamp(static_cast<int>(rectClient.left), 0, cx);
    const int nRight = std::clamp(cx - static_cast<int>(rectClient.right), 0, cx - nLeft);
    const int nTop = std::clamp(static_cast<int>(rectClient.top), 0, cy);
    const int nBottom = std::clamp(cy - static_cast<int>(rectClient.bottom), 0, cy - nTop);
    parts.rectCaption.SetRect(0, 0, cx, nTop);
    parts.rectBottom.SetRect(0, cy - nBottom, cx, cy);
    parts.rectLeft.SetRect(0, nTop, nLeft, cy - nBottom);
    parts.rectRight.SetRect(cx - nRight, nTop, cx, cy - nBottom);

    const int nBorder = std::min(nLeft, nTop);
    const int nCaption = nTop - nBorder;
    const int cyButton = nCaption - 4;
    if (cyButton >= 6) {
        const int cxButton =
            sizeCloseFrame.cx > 0 && sizeCloseFrame.cy > 0
                ? static_cast<int>(static_cast<long long>(sizeCloseFrame.cx) * cyButton / sizeCloseFrame.cy)
                : cyButton;
        const int xRight = cx - nRight - 2;
        const int y = nBorder + (nCaption - cyButton) / 2;
        if (cxButton > 0 && xRight - cxButton >= nLeft)
            parts.rectClose.SetRect(xRight - cxButton, y, xRight, y + cyButton);
    }
    const int xTitleEnd = parts.rectClose.IsRectEmpty() ? cx - nRight : parts.rectClose.left - 2;
    if (nCaption > 0 && xTitleEnd > nLeft + 4) parts.rectTitle.SetRect(nLeft + 4, nBorder, xTitleEnd, nTop);
    return parts;
}
