#include "QVSkinNotify.h"

#include <set>
#include <vector>

namespace {

// The windows that heard the skin change of the thread-wide notice running now (NULL when none runs).
// Skinned windows and bars pass the change on to their children themselves; the walk of every window
// then skips those, so that each window hears one notice once and lays itself out once.
thread_local std::set<HWND>* t_pHeard = nullptr;

// TRUE when hWnd is still to hear the running notice, and records it as told.
bool FirstHearing(HWND hWnd, UINT message) {
    return message != WM_QV_SKINCHANGED || !t_pHeard || t_pHeard->insert(hWnd).second;
}

struct CThreadNotice {
    UINT message;
    UINT nRedrawFlags;
};

BOOL CALLBACK NotifyWindow(HWND hWnd, LPARAM lParam) {
    const UINT message = reinterpret_cast<const CThreadNotice*>(lParam)->message;
    if (!FirstHearing(hWnd, message)) return TRUE;
    if (::SendMessage(hWnd, message, 0, 0) && message == WM_QV_SKINCHANGED && ::IsWindow(hWnd))
        ::InvalidateRect(hWnd, nullptr, TRUE);
    return TRUE;
}

BOOL CALLBACK NotifyTopLevel(HWND hWnd, LPARAM lParam) {
    NotifyWindow(hWnd, lParam);
    if (!::IsWindow(hWnd)) return TRUE;
    ::EnumChildWindows(hWnd, &NotifyWindow, lParam);
    const UINT nRedrawFlags = reinterpret_cast<const CThreadNotice*>(lParam)->nRedrawFlags;
    if (nRedrawFlags && ::IsWindow(hWnd)) ::RedrawWindow(hWnd, nullptr, nullptr, nRedrawFlags);
    return TRUE;
}

}  // namespace

void QVSendSkinChangedToChildren(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    std::vector<HWND> vecChildren;
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        vecChildren.push_back(hChild);
    for (HWND hChild : vecChildren) {
        if (!::IsWindow(hChild) || !FirstHearing(hChild, WM_QV_SKINCHANGED)) continue;
        if (::SendMessage(hChild, WM_QV_SKINCHANGED, wParam, lParam) != 0 && ::IsWindow(hChild))
            ::InvalidateRect(hChild, nullptr, TRUE);
    }
}

void QVNotifyThreadWindows(UINT message, UINT nRedrawFlags) {
    CThreadNotice notice = {message, nRedrawFlags};
    std::set<HWND> heard;
    std::set<HWND>* pOuter = t_pHeard;  // a notice sent from inside another one starts afresh
    t_pHeard = &heard;
    ::EnumThreadWindows(::GetCurrentThreadId(), &NotifyTopLevel, reinterpret_cast<LPARAM>(&notice));
    t_pHeard = pOuter;
}
