#include "QVSkinNotify.h"

#include <set>
#include <vector>

namespace {

// The thread-wide notice running now and the windows that heard it (none when no notice runs). Windows
// pass the change on to others themselves, and a handler may move windows under other parents while
// the walk runs; the record keeps each window to one hearing and one layout.
struct CRunningNotice {
    UINT message;
    UINT nRedrawFlags;
    std::set<HWND> heard;
};
thread_local CRunningNotice* t_pNotice = nullptr;

// TRUE when hWnd is still to hear message, and records it as told.
bool FirstHearing(HWND hWnd, UINT message) {
    return !t_pNotice || t_pNotice->message != message || t_pNotice->heard.insert(hWnd).second;
}

BOOL CALLBACK NotifyWindow(HWND hWnd, LPARAM lParam) {
    QVSendNotice(hWnd, reinterpret_cast<const CRunningNotice*>(lParam)->message, 0, 0);
    return TRUE;
}

BOOL CALLBACK NotifyTopLevel(HWND hWnd, LPARAM lParam) {
    NotifyWindow(hWnd, lParam);
    if (!::IsWindow(hWnd)) return TRUE;
    ::EnumChildWindows(hWnd, &NotifyWindow, lParam);
    const UINT nRedrawFlags = reinterpret_cast<const CRunningNotice*>(lParam)->nRedrawFlags;
    if (nRedrawFlags && ::IsWindow(hWnd)) ::RedrawWindow(hWnd, nullptr, nullptr, nRedrawFlags);
    return TRUE;
}

}  // namespace

LRESULT QVSendNotice(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!::IsWindow(hWnd) || !FirstHearing(hWnd, message)) return 0;
    const LRESULT lResult = ::SendMessage(hWnd, message, wParam, lParam);
    if (lResult != 0 && message == WM_QV_SKINCHANGED && ::IsWindow(hWnd))
        ::InvalidateRect(hWnd, nullptr, TRUE);
    return lResult;
}

void QVSendSkinChangedToChildren(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    std::vector<HWND> vecChildren;
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        vecChildren.push_back(hChild);
    for (HWND hChild : vecChildren)
        QVSendNotice(hChild, WM_QV_SKINCHANGED, wParam, lParam);
}

BOOL QVNoticeRedrawsAll() {
    constexpr UINT kAll = RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN;
    return t_pNotice && (t_pNotice->nRedrawFlags & kAll) == kAll;
}

void QVInvalidateUncovered(HWND hWnd, const RECT& rcBefore) {
    if (!::IsWindow(hWnd)) return;
    RECT rcNow;
    ::GetWindowRect(hWnd, &rcNow);
    HRGN hUncovered = ::CreateRectRgnIndirect(&rcBefore);
    HRGN hShape = ::CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(hWnd, hShape) == ERROR) {
        ::SetRectRgn(hShape, rcNow.left, rcNow.top, rcNow.right, rcNow.bottom);
    } else {
        // The outline is in window coordinates and may reach beyond the window: the window shows only
        // its part inside its rectangle.
        ::OffsetRgn(hShape, rcNow.left, rcNow.top);
        HRGN hRect = ::CreateRectRgnIndirect(&rcNow);
        ::CombineRgn(hShape, hShape, hRect, RGN_AND);
        ::DeleteObject(hRect);
    }
    // The desktop and every window under what was uncovered paint it when they next paint.
    if (::CombineRgn(hUncovered, hUncovered, hShape, RGN_DIFF) > NULLREGION)
        ::RedrawWindow(nullptr, nullptr, hUncovered,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    ::DeleteObject(hShape);
    ::DeleteObject(hUncovered);
}

void QVNotifyThreadWindows(UINT message, UINT nRedrawFlags) {
    CRunningNotice running = {message, nRedrawFlags, {}};
    CRunningNotice* pOuter = t_pNotice;  // a notice sent from inside another one starts afresh
    t_pNotice = &running;
    ::EnumThreadWindows(::GetCurrentThreadId(), &NotifyTopLevel, reinterpret_cast<LPARAM>(&running));
    t_pNotice = pOuter;
}
