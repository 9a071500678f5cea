// The owner window of the menu tests: a visible borderless window at a known place of the screen that
// records the commands and the popups of its menus and runs a callback while a menu loop waits for input.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

#include "MessagePump.h"
#include "SkinMenuBar.h"

namespace menutest {

class MenuHostWindow {
public:
    explicit MenuHostWindow(int x = 100, int y = 100, int cx = 400, int cy = 200) {
        static ATOM s_atom = 0;
        if (s_atom == 0) {
            WNDCLASS wc = {};
            wc.lpfnWndProc = WndProc;
            wc.hInstance = ::GetModuleHandle(nullptr);
            wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
            wc.lpszClassName = _T("RIZMenuTestHost");
            s_atom = ::RegisterClass(&wc);
        }
        // The pointer stays far from the bar and the popups, so that no real mouse move selects anything.
        ::SetCursorPos(5, ::GetSystemMetrics(SM_CYSCREEN) - 5);
        m_hWnd = ::CreateWindowEx(WS_EX_TOOLWINDOW, _T("RIZMenuTestHost"), _T("menus"), WS_POPUP | WS_VISIBLE,
                                  x, y, cx, cy, nullptr, nullptr, ::GetModuleHandle(nullptr), this);
        ::UpdateWindow(m_hWnd);
    }
    ~MenuHostWindow() {
        if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
        riztest::PumpUntilIdle();  // leaves nothing queued for the next test
    }
    MenuHostWindow(const MenuHostWindow&) = delete;
    MenuHostWindow& operator=(const MenuHostWindow&) = delete;

    HWND Hwnd() const { return m_hWnd; }
    // A point of the window (window coordinates) on the screen.
    POINT ToScreen(int x, int y) const {
        RECT rc;
        ::GetWindowRect(m_hWnd, &rc);
        return POINT{rc.left + x, rc.top + y};
    }

    std::vector<UINT> commands;           // WM_COMMAND ids, in order
    std::vector<HMENU> popups;            // menus of WM_INITMENUPOPUP, in order
    std::function<void(int)> onIdle;      // WM_ENTERIDLE of a menu loop, with its count since the last popup
    std::function<void(UINT)> onMessage;  // every message the window gets (before it is handled)

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            ::SetWindowLongPtr(
                hWnd, GWLP_USERDATA,
                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams));
        MenuHostWindow* pThis = reinterpret_cast<MenuHostWindow*>(::GetWindowLongPtr(hWnd, GWLP_USERDATA));
        if (pThis == nullptr) return ::DefWindowProc(hWnd, message, wParam, lParam);
        if (pThis->onMessage) pThis->onMessage(message);
        switch (message) {
        case WM_COMMAND:
            pThis->commands.push_back(LOWORD(wParam));
            return 0;
        case WM_INITMENUPOPUP:
            pThis->popups.push_back(reinterpret_cast<HMENU>(wParam));
            pThis->m_nIdle = 0;
            break;
        case WM_ENTERIDLE:
            if (wParam == MSGF_MENU && pThis->onIdle) pThis->onIdle(++pThis->m_nIdle);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            // Nothing is painted: what the tests draw through the window DC stays readable.
            PAINTSTRUCT ps;
            ::BeginPaint(hWnd, &ps);
            ::EndPaint(hWnd, &ps);
            return 0;
        }
        case WM_NCDESTROY:
            ::SetWindowLongPtr(hWnd, GWLP_USERDATA, 0);
            pThis->m_hWnd = nullptr;
            break;
        default:
            break;
        }
        return ::DefWindowProc(hWnd, message, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
    int m_nIdle = 0;
};

// The menu bars' tick source while a test runs (the guard against reopening a popup reads it): it
// moves only when the test moves it.
class FakeTicks {
public:
    FakeTicks() { CSkinMenuBar::SetClock(&Now); }
    ~FakeTicks() { CSkinMenuBar::SetClock(nullptr); }
    FakeTicks(const FakeTicks&) = delete;
    FakeTicks& operator=(const FakeTicks&) = delete;
    static void Advance(DWORD dwMillis) { s_dwNow += dwMillis; }

private:
    static DWORD Now() { return s_dwNow; }
    static inline DWORD s_dwNow = 5000;
};

}  // namespace menutest
