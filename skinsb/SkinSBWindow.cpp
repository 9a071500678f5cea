// The procedure of a window with skinned bars: the non-client size, hit test and painting of the bars,
// and their press, thumb drag and auto-repeat, which send the window the scroll messages the system's
// bars would.
#include "SkinSBWindow.h"

#include "QVMouseLoop.h"
#include "SkinScrollBar.h"

#include <windowsx.h>

#include <unordered_map>

namespace {

const UINT_PTR kDelayTimer = 60000;   // from a press to the first repeat
const UINT_PTR kRepeatTimer = 60001;  // each repeat
const UINT kDelay = 400, kRepeat = 50;

CPoint MessagePoint() {
    const DWORD dwPos = GetMessagePos();
    return CPoint(GET_X_LPARAM(dwPos), GET_Y_LPARAM(dwPos));
}

DWORD BarStyles(HWND hWnd) {
    return static_cast<DWORD>(GetWindowLongPtr(hWnd, GWL_STYLE)) & (WS_HSCROLL | WS_VSCROLL);
}

UINT DrawBitOfPart(UINT nPart) {
    return (nPart & SKINSB_VERT) ? SKINSB_DRAW_VERT : SKINSB_DRAW_HORZ;
}

// Calls the old procedure with both scroll styles stripped, so that it neither reserves nor draws the
// system's bars. inDefault covers the stripping itself: the style changes it makes are not the
// window's own (a list view answers a lost WS_VSCROLL by hiding its bar and setting its info again).
LRESULT CallStripped(SkinScrollBarState* pState, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    HWND hWnd = pState->hwnd;
    const WNDPROC oldProc = pState->oldWndProc;
    const DWORD dwBars = BarStyles(hWnd);
    if (!dwBars) return CallWindowProc(oldProc, hWnd, nMsg, wParam, lParam);
    pState->inDefault = TRUE;
    SetWindowLongPtr(hWnd, GWL_STYLE, GetWindowLongPtr(hWnd, GWL_STYLE) & ~LONG_PTR(dwBars));
    const LRESULT lResult = CallWindowProc(oldProc, hWnd, nMsg, wParam, lParam);
    if (SkinScrollBarState* pAfter = SkinSBStateOf(hWnd)) {
        SetWindowLongPtr(hWnd, GWL_STYLE, GetWindowLongPtr(hWnd, GWL_STYLE) | LONG_PTR(dwBars));
        pAfter->inDefault = FALSE;
    }
    return lResult;
}

// Makes nPart the hot part, redrawing the bars whose drawing changes.
void SetHot(SkinScrollBarState* pState, UINT nPart) {
    if (pState->hotPart == nPart) return;
    const UINT nWhich =
        (pState->hotPart ? DrawBitOfPart(pState->hotPart) : 0) | (nPart ? DrawBitOfPart(nPart) : 0);
    pState->hotPart = nPart;
    SkinSBDrawNow(*pState, nWhich);
}

// Sends the window a scroll message; the record after it, or null when the handler destroyed the
// window or detached its bars.
SkinScrollBarState* SendScroll(HWND hWnd, UINT nMsg, WPARAM wParam) {
    SendMessage(hWnd, nMsg, wParam, 0);
    return SkinSBStateOf(hWnd);
}

void Press(SkinScrollBarState* pState, UINT nPart, const CPoint& pt) {
    HWND hWnd = pState->hwnd;
    const SkinSBScroll scroll = SkinSBPressScroll(nPart);
    if (scroll.nCode >= 0) {
        pState->lastScroll = MAKELONG(scroll.nMsg, scroll.nCode);
        if (!(pState = SendScroll(hWnd, scroll.nMsg, scroll.nCode))) return;
        SetTimer(hWnd, kDelayTimer, kDelay, nullptr);
    } else {
        SCROLLINFO* pInfo = SkinSBInfo(*pState, (nPart & SKINSB_VERT) ? SB_VERT : SB_HORZ);
        const SkinSBBarLayout bar = SkinSBWindowBars(*pState).Bar(nPart);
        pInfo->nTrackPos = pInfo->nPos;
        // A release without a move reports where the thumb already is.
        pState->trackPos = pInfo->nPos;
        pState->dragOffset = SkinSBAlong(nPart, pt) - bar.nThumbStart;
    }
    pState->pressedPart = nPart;
    pState->hotPart = nPart;
    pState->tracking = TRUE;
    SkinSBDrawNow(*pState, DrawBitOfPart(nPart));
    SetCapture(hWnd);
}

void Drag(SkinScrollBarState* pState, const CPoint& pt) {
    const UINT nPart = pState->pressedPart;
    SCROLLINFO* pInfo = SkinSBInfo(*pState, (nPart & SKINSB_VERT) ? SB_VERT : SB_HORZ);
    const SkinSBBarLayout bar = SkinSBWindowBars(*pState).Bar(nPart);
    if (!bar.HasThumb()) return;  // the bar was hidden or emptied under the drag
    const int nPos = SkinSBDragPosition(bar, *pInfo, SkinSBAlong(nPart, pt), pState->dragOffset);
    if (nPos == pInfo->nPos) return;
    pInfo->nTrackPos = pState->trackPos = nPos;
    const int nCode = pState->isRichEdit ? SB_THUMBPOSITION : SB_THUMBTRACK;
    SendScroll(pState->hwnd, SkinSBPressScroll(nPart).nMsg, MAKEWPARAM(nCode, nPos));
}

// Ends a press: at the button's release, and also when the capture goes elsewhere (a message box opened
// by the scroll handler), since no release would reach the window and the repeat would run on. Without
// bNotify (the capture lost by a window being hidden or destroyed) it ends without scroll messages:
// nothing is sent to a window on its way out.
void Release(SkinScrollBarState* pState, bool bNotify = true) {
    HWND hWnd = pState->hwnd;
    const UINT nPart = pState->pressedPart;
    const int nTrackPos = pState->trackPos;
    pState->tracking = FALSE;  // the capture change below is then no longer a press's end
    if (GetCapture() == hWnd) ReleaseCapture();
    if (!(pState = SkinSBStateOf(hWnd))) return;
    const UINT nMsg = SkinSBPressScroll(nPart).nMsg;
    if (!bNotify) {
        KillTimer(hWnd, kRepeatTimer);
    } else if ((nPart & 0xF) != SKINSB_THUMB) {
        KillTimer(hWnd, kRepeatTimer);
        if (!(pState = SendScroll(hWnd, nMsg, SB_ENDSCROLL))) return;
    } else {
        if (!(pState = SendScroll(hWnd, nMsg, MAKEWPARAM(SB_THUMBPOSITION, nTrackPos)))) return;
        if (!(pState = SendScroll(hWnd, nMsg, SB_ENDSCROLL))) return;
        pState->hotPart = SkinSBPartAt(*pState, SkinSBWindowBars(*pState), MessagePoint());
    }
    pState->dragOffset = 0;
    pState->lastScroll = 0;
    pState->pressedPart = SKINSB_NONE;
    pState->trackPos = 0;
    SkinSBDrawNow(*pState, SKINSB_DRAW_HORZ | SKINSB_DRAW_VERT);
}

void RepeatTick(SkinScrollBarState* pState) {
    HWND hWnd = pState->hwnd;
    const UINT nPart = pState->pressedPart;
    if (!nPart || !pState->lastScroll) {  // released, or a thumb press: nothing repeats
        KillTimer(hWnd, kRepeatTimer);
        return;
    }
    if (nPart != pState->hotPart) return;
    const int nCode = HIWORD(pState->lastScroll);
    const SkinSBBarLayout bar = SkinSBWindowBars(*pState).Bar(nPart);
    if (SkinSBPagingReachedCursor(bar, nCode, SkinSBAlong(nPart, MessagePoint()))) {
        KillTimer(hWnd, kRepeatTimer);
        return;
    }
    SendScroll(hWnd, LOWORD(pState->lastScroll), nCode);
}

LRESULT OnNcCalcSize(SkinScrollBarState* pState, WPARAM wParam, LPARAM lParam) {
    HWND hWnd = pState->hwnd;
    const LRESULT lResult = CallStripped(pState, WM_NCCALCSIZE, wParam, lParam);
    if (!(pState = SkinSBStateOf(hWnd))) return lResult;
    RECT* pRect =
        wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc : reinterpret_cast<RECT*>(lParam);
    *pRect = SkinSBShrinkClient(*pRect, BarStyles(hWnd), pState->leftScrollBar);
    return lResult;
}

LRESULT OnNcPaint(SkinScrollBarState* pState, WPARAM wParam, LPARAM lParam) {
    HWND hWnd = pState->hwnd;
    if (!IsWindowVisible(hWnd)) return 0;
    const LRESULT lResult = CallStripped(pState, WM_NCPAINT, wParam, lParam);
    if ((pState = SkinSBStateOf(hWnd))) SkinSBDrawNow(*pState, SKINSB_DRAW_ALL);
    return lResult;
}

// A non-client move over a bar makes the part under the mouse hot; nothing is passed on there, since
// the old procedure knows no part of these bars.
bool OnNcMouseMove(SkinScrollBarState* pState, const CPoint& pt) {
    const SkinSBBars bars = SkinSBWindowBars(*pState);
    const int nHit = SkinSBNcHitTest(bars, pt);
    if (nHit == HTVSCROLL || nHit == HTHSCROLL) {
        const UINT nPart = SkinSBPartAt(*pState, bars, pt);
        const bool bThumb = (nHit == HTVSCROLL ? bars.vert : bars.horz).HasThumb();
        SetHot(pState, bThumb ? nPart : UINT(SKINSB_NONE));
        return bThumb && nPart;
    }
    SetHot(pState, SKINSB_NONE);
    return true;
}

}  // namespace

namespace {

// The records by window, in step with the windows' properties: a property is a round trip to the
// window server, and every redirected scroll-bar call of the process and every message of a skinned
// window asks. The redirected calls may come from any thread, hence the lock.
struct StateMap {
    SRWLOCK lock = SRWLOCK_INIT;
    std::unordered_map<HWND, SkinScrollBarState*> states;
};
StateMap& States() {
    static StateMap s_map;
    return s_map;
}

}  // namespace

SkinScrollBarState* SkinSBStateOf(HWND hWnd) {
    if (!hWnd) return nullptr;
    StateMap& map = States();
    AcquireSRWLockShared(&map.lock);
    const auto it = map.states.find(hWnd);
    SkinScrollBarState* pState = it == map.states.end() ? nullptr : it->second;
    ReleaseSRWLockShared(&map.lock);
    return pState;
}

BOOL SkinSBSetState(HWND hWnd, SkinScrollBarState* pState) {
    if (pState && !SetProp(hWnd, kSkinSBProp, pState)) return FALSE;
    if (!pState) RemoveProp(hWnd, kSkinSBProp);
    StateMap& map = States();
    AcquireSRWLockExclusive(&map.lock);
    if (pState)
        map.states[hWnd] = pState;
    else
        map.states.erase(hWnd);
    ReleaseSRWLockExclusive(&map.lock);
    return TRUE;
}

LRESULT CALLBACK SkinSBWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    SkinScrollBarState* pState = SkinSBStateOf(hWnd);
    if (!pState) return SkinSBPassThrough(hWnd, nMsg, wParam, lParam);
    const WNDPROC oldProc = pState->oldWndProc;
    if (nMsg == WM_NCMOUSEMOVE && !pState->leaveTracking && !pState->tracking) {
        pState->leaveTracking = QVTrackMouseLeave(hWnd, TRUE);
    }
    const CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (nMsg) {
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
        if (pState->inDefault) return 0;
        if (nMsg == WM_STYLECHANGED && wParam == WPARAM(GWL_EXSTYLE)) {
            const BOOL bLeft =
                (reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
            if (bLeft != pState->leftScrollBar) {
                pState->leftScrollBar = bLeft;
                SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            }
        }
        break;
    case WM_NCDESTROY: {
        const LRESULT lResult = CallWindowProc(oldProc, hWnd, nMsg, wParam, lParam);
        SkinSBDetach(hWnd, true);
        return lResult;
    }
    case WM_NCCALCSIZE:
        return OnNcCalcSize(pState, wParam, lParam);
    case WM_NCHITTEST: {
        const int nHit = SkinSBNcHitTest(SkinSBWindowBars(*pState), pt);
        if (nHit != HTNOWHERE) return nHit;
        break;
    }
    case WM_NCPAINT:
        return OnNcPaint(pState, wParam, lParam);
    case WM_NCMOUSEMOVE:
        if (!OnNcMouseMove(pState, pt)) return 0;
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK: {
        // A press over a bar never reaches the old procedure, whose own scroll loop would draw the
        // system's bar over the skinned one; a press on no live part does nothing.
        const SkinSBBars bars = SkinSBWindowBars(*pState);
        const int nHit = SkinSBNcHitTest(bars, pt);
        if (nHit != HTVSCROLL && nHit != HTHSCROLL) break;
        const UINT nPart = SkinSBPartAt(*pState, bars, pt);
        if (nMsg == WM_NCLBUTTONDOWN && nPart && bars.Bar(nPart).HasThumb() && !pState->tracking)
            Press(pState, nPart, pt);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (pState->tracking && (wParam & MK_LBUTTON)) {
            const CPoint ptScreen = MessagePoint();
            if ((pState->pressedPart & 0xF) == SKINSB_THUMB) {
                Drag(pState, ptScreen);
            } else {
                const UINT nUnder = SkinSBPartAt(*pState, SkinSBWindowBars(*pState), ptScreen);
                SetHot(pState, nUnder == pState->pressedPart ? nUnder : UINT(SKINSB_NONE));
            }
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (pState->tracking) {
            Release(pState);
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (pState->tracking && reinterpret_cast<HWND>(lParam) != hWnd)
            Release(pState, IsWindowVisible(hWnd) != FALSE);
        break;
    case WM_NCMOUSELEAVE:
        pState->leaveTracking = FALSE;
        if (!pState->tracking) SetHot(pState, SKINSB_NONE);
        return 0;
    case WM_QV_SKINCHANGED:
        // Bars drawn from the skin's bitmap take the new skin's at their next paint.
        if (pState->fromSkin) RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        break;
    case WM_TIMER:
        if (wParam == kDelayTimer) {
            KillTimer(hWnd, kDelayTimer);
            SetTimer(hWnd, kRepeatTimer, kRepeat, nullptr);
            return 0;
        }
        if (wParam == kRepeatTimer) {
            RepeatTick(pState);
            return 0;
        }
        break;
    default:
        break;
    }
    if (!(pState = SkinSBStateOf(hWnd))) return SkinSBPassThrough(hWnd, nMsg, wParam, lParam);
    return CallWindowProc(pState->oldWndProc, hWnd, nMsg, wParam, lParam);
}
