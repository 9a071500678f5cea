// Window figures: a SendMessage handled through a message map against the same work in a raw window
// procedure, and the cost of finding the window object of a handle (permanent and temporary).
#include <afxwin.h>

#include <windowsx.h>

#include "Bench.h"
#include "QVWndClass.h"

namespace {

const int kMessages = 1000000;
const UINT WM_BENCH = WM_APP + 1;

// The work every handler does: accumulate the message's parameters.
LONG_PTR g_nSum = 0;

LRESULT CALLBACK RawProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_BENCH:
        g_nSum += static_cast<LONG_PTR>(wParam);
        return 1;
    case WM_MOUSEMOVE:
        g_nSum += GET_X_LPARAM(lParam) + GET_Y_LPARAM(lParam) + static_cast<LONG_PTR>(wParam);
        return 0;
    default:
        return ::DefWindowProc(hWnd, message, wParam, lParam);
    }
}

HWND CreateRawWindow() {
    const HINSTANCE hInstance = ::GetModuleHandle(nullptr);
    QVRegisterWndClass(_T("RIZBenchRaw"), 0, nullptr, nullptr, &RawProc, hInstance);
    return ::CreateWindow(_T("RIZBenchRaw"), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, hInstance,
                          nullptr);
}

class CBenchBase : public CWnd {
protected:
    afx_msg LRESULT OnBench(WPARAM wParam, LPARAM) {
        g_nSum += static_cast<LONG_PTR>(wParam);
        return 1;
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) { g_nSum += point.x + point.y + nFlags; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchBase, CWnd)
ON_MESSAGE(WM_BENCH, &CBenchBase::OnBench)
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

// Three levels of derived maps above the handler, as a skinned control has.
class CBenchMiddle : public CBenchBase {
protected:
    afx_msg void OnPaint() { Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchMiddle, CBenchBase)
ON_WM_PAINT()
END_MESSAGE_MAP()

class CBenchDerived : public CBenchMiddle {
protected:
    afx_msg void OnTimer(UINT_PTR) {}
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchDerived, CBenchMiddle)
ON_WM_TIMER()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void SendLoop(HWND hWnd, UINT message, int n) {
    for (int i = 0; i < n; ++i)
        ::SendMessage(hWnd, message, static_cast<WPARAM>(i & 7), MAKELPARAM(i & 255, 3));
    rizbench::DoNotOptimize(&g_nSum);
}

void MessageSuites() {
    HWND hRaw = CreateRawWindow();
    CBenchBase base;
    base.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    CBenchDerived derived;
    derived.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);

    rizbench::Suite sent(
        "SendMessage handled (1,000,000 messages)", "raw window procedure, WM_APP message",
        [hRaw](int n) { SendLoop(hRaw, WM_BENCH, n); }, kMessages);
    sent.Add("message map, ON_MESSAGE", [&base](int n) { SendLoop(base.m_hWnd, WM_BENCH, n); });
    sent.Add("message map, ON_MESSAGE two base maps down",
             [&derived](int n) { SendLoop(derived.m_hWnd, WM_BENCH, n); });

    rizbench::Suite cracked(
        "SendMessage with cracked parameters (1,000,000 messages)", "raw window procedure, WM_MOUSEMOVE",
        [hRaw](int n) { SendLoop(hRaw, WM_MOUSEMOVE, n); }, kMessages);
    cracked.Add("message map, ON_WM_MOUSEMOVE", [&base](int n) { SendLoop(base.m_hWnd, WM_MOUSEMOVE, n); });

    rizbench::Suite unhandled(
        "SendMessage in no map (1,000,000 messages)", "raw window procedure to DefWindowProc",
        [hRaw](int n) { SendLoop(hRaw, WM_APP + 50, n); }, kMessages);
    unhandled.Add("message map search, then DefWindowProc",
                  [&derived](int n) { SendLoop(derived.m_hWnd, WM_APP + 50, n); });

    derived.DestroyWindow();
    base.DestroyWindow();
    ::DestroyWindow(hRaw);
}

void FromHandleSuites() {
    HWND hPermanent = CreateRawWindow();
    HWND hOther = CreateRawWindow();
    CWnd permanent;
    permanent.Attach(hPermanent);
    ::SetWindowLongPtr(hPermanent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&permanent));

    rizbench::Suite lookup(
        "window object of a handle", "GetWindowLongPtr(GWLP_USERDATA)",
        [hPermanent](int n) {
            for (int i = 0; i < n; ++i)
                rizbench::DoNotOptimize(
                    reinterpret_cast<void*>(::GetWindowLongPtr(hPermanent, GWLP_USERDATA)));
        },
        kMessages);
    lookup.Add("FromHandlePermanent", [hPermanent](int n) {
        for (int i = 0; i < n; ++i)
            rizbench::DoNotOptimize(CWnd::FromHandlePermanent(hPermanent));
    });
    lookup.Add("FromHandle, permanent object", [hPermanent](int n) {
        for (int i = 0; i < n; ++i)
            rizbench::DoNotOptimize(CWnd::FromHandle(hPermanent));
    });
    lookup.Add("FromHandle, existing temporary object", [hOther](int n) {
        for (int i = 0; i < n; ++i)
            rizbench::DoNotOptimize(CWnd::FromHandle(hOther));
    });
    lookup.Add("FromHandle, new temporary object freed each time", [hOther](int n) {
        for (int i = 0; i < n; ++i) {
            rizbench::DoNotOptimize(CWnd::FromHandle(hOther));
            CWnd::DeleteTempMap();
        }
    });

    permanent.Detach();
    ::DestroyWindow(hPermanent);
    ::DestroyWindow(hOther);
    CWnd::DeleteTempMap();
}

const rizbench::Register registerMessages(&MessageSuites,
                                          {"SendMessage handled (1,000,000 messages)",
                                           "SendMessage with cracked parameters (1,000,000 messages)",
                                           "SendMessage in no map (1,000,000 messages)"});
const rizbench::Register registerFromHandle(&FromHandleSuites, {"window object of a handle"});

}  // namespace
