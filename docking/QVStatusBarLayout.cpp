// Status bar pane layout.
#include "QVStatusBarLayout.h"

#include <algorithm>

std::vector<QVStatusPaneRects> QVStatusBarLayout(const CRect& rectClient, const std::vector<int>& widths) {
    std::vector<QVStatusPaneRects> panes(widths.size());
    int x = rectClient.right;
    for (size_t i = panes.size(); i-- > 0;) {
        QVStatusPaneRects& pane = panes[i];
        const int cx = std::max(widths[i], 0);
        pane.rectPane.SetRect(i == 0 ? rectClient.left : x - cx, rectClient.top, x, rectClient.bottom);
        pane.rectText.SetRect(pane.rectPane.left + 2, pane.rectPane.top + 1, pane.rectPane.right - 1,
                              pane.rectPane.bottom - 2);
        x = pane.rectPane.left - 1;
    }
    return panes;
}
