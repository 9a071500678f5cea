#include <afxwin.h>

#include "MessagePump.h"

namespace riztest {

int PumpUntilIdle(DWORD maxMillis) {
    const DWORD start = ::GetTickCount();
    int count = 0;
    MSG msg;
    while (::GetTickCount() - start < maxMillis) {
        if (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) break;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
        ++count;
    }
    return count;
}

int PumpMessages(DWORD millis, bool wholeTime) {
    const DWORD start = ::GetTickCount();
    int count = 0;
    MSG msg;
    for (DWORD elapsed = 0; elapsed < millis; elapsed = ::GetTickCount() - start) {
        if (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!wholeTime) break;
            const DWORD wait = millis - elapsed < 10 ? millis - elapsed : 10;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT) break;
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ++count;
    }
    return count;
}

void PostMouse(HWND hWnd, UINT message, int x, int y, WPARAM keys) {
    ::PostMessage(hWnd, message, keys, MAKELPARAM(x, y));
}

void PostClick(HWND hWnd, int x, int y) {
    PostMouse(hWnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    PostMouse(hWnd, WM_LBUTTONUP, x, y, 0);
}

void PostKey(HWND hWnd, UINT vk) {
    const UINT scan = ::MapVirtualKey(vk, MAPVK_VK_TO_VSC);
    ::PostMessage(hWnd, WM_KEYDOWN, vk, 1 | (scan << 16));
    ::PostMessage(hWnd, WM_KEYUP, vk, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

void PostChars(HWND hWnd, const TCHAR* text) {
    for (; text && *text; ++text)
        ::PostMessage(hWnd, WM_CHAR, static_cast<WPARAM>(*text), 1);
}

}  // namespace riztest
