#include "QVSkinNotify.h"

#include <vector>

namespace {

struct CThreadNotice {
    UINT message;
    UINT nRedrawFlags;
};

BOOL CALLBACK NotifyWindow(HWND hWnd, LPARAM lParam) {
    const UINT message = reinterpret_cast<const CThreadNotice*>(lParam)->message;
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
        if (!::IsWindow(hChild)) continue;
        if (::SendMessage(hChild, WM_QV_SKINCHANGED, wParam, lParam) != 0 && ::IsWindow(hChild))
            ::InvalidateRect(hChild, nullptr, TRUE);
    }
}

void QVNotifyThreadWindows(UINT message, UINT nRedrawFlags) {
    CThreadNotice notice = {message, nRedrawFlags};
    ::EnumThreadWindows(::GetCurrentThreadId(), &NotifyTopLevel, reinterpret_cast<LPARAM>(&notice));
}
