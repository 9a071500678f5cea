// Where the chat pane puts its parts: a title line, the conversation, the file transfers under it and
// the input row (input box, "Send file") at the bottom. Pure arithmetic, so that it can be checked
// without windows.
#pragma once

#include <afxwin.h>

#include <algorithm>

struct ChatPaneRects {
    CRect title, conversation, transfers, input, sendFile;
};

// rc is the pane's client area; the transfers take nTransfersHeight pixels, the input row nInputHeight,
// the button nButtonWidth at the input row's right. In a pane too small, parts shrink to nothing from
// the top down; none gets a negative size.
inline ChatPaneRects LayoutChatPane(const CRect& rc, int nTransfersHeight, int nInputHeight = 56,
                                    int nButtonWidth = 96) {
    const int kGap = 4, kTitle = 20;
    const int l = rc.left + kGap, r = std::max(l, static_cast<int>(rc.right) - kGap);
    const int t = static_cast<int>(rc.top), b = std::max(t + kTitle, static_cast<int>(rc.bottom) - kGap);
    ChatPaneRects rects;
    const int nInputTop = std::max(t + kTitle, b - nInputHeight);
    const int nTransfersTop = std::max(t + kTitle, nInputTop - kGap - nTransfersHeight);
    const int nConversationBottom = std::max(t + kTitle + 2, nTransfersTop - kGap);
    rects.title = CRect(l, t + 2, r, t + kTitle);
    rects.conversation = CRect(l, t + kTitle + 2, r, nConversationBottom);
    rects.transfers =
        CRect(l, std::min(nTransfersTop, nInputTop), r, std::max(nTransfersTop, nInputTop - kGap));
    rects.sendFile = CRect(std::max(l, r - nButtonWidth), nInputTop, r, nInputTop + 24);
    rects.input = CRect(l, nInputTop, std::max(l, static_cast<int>(rects.sendFile.left) - kGap), b);
    return rects;
}
