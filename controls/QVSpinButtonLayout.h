// The skinned spin button's arithmetic: the halves of its client area, the state a point gives and
// the arrow frames a state draws.
#pragma once

#include <afxwin.h>

namespace qvspin {

// 0 none, 1 up arrow hot, 2 up arrow pressed, 3 down arrow hot, 4 down arrow pressed.
enum State { STATE_NONE, STATE_UP_HOT, STATE_UP_PRESSED, STATE_DOWN_HOT, STATE_DOWN_PRESSED };

inline CRect UpHalf(const CRect& rcClient) {
    return CRect(rcClient.left, rcClient.top, rcClient.right, rcClient.top + rcClient.Height() / 2);
}

inline CRect DownHalf(const CRect& rcClient) {
    return CRect(rcClient.left, rcClient.top + rcClient.Height() / 2, rcClient.right, rcClient.bottom);
}

// The state over pt: the hot (bPressed false) or pressed state of the half it is in, else none.
inline State StateAt(const CRect& rcUp, const CRect& rcDown, CPoint pt, bool bPressed) {
    if (rcUp.PtInRect(pt)) return bPressed ? STATE_UP_PRESSED : STATE_UP_HOT;
    if (rcDown.PtInRect(pt)) return bPressed ? STATE_DOWN_PRESSED : STATE_DOWN_HOT;
    return STATE_NONE;
}

// Frames of the arrow image: 0, 1, 2 the up arrow normal, hot, pressed; 4, 5, 6 the down arrow.
inline int UpFrame(int nState) {
    return nState == STATE_UP_HOT ? 1 : nState == STATE_UP_PRESSED ? 2 : 0;
}

inline int DownFrame(int nState) {
    return nState == STATE_DOWN_HOT ? 5 : nState == STATE_DOWN_PRESSED ? 6 : 4;
}

}  // namespace qvspin
