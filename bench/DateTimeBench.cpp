// Date-time picker figures: repainting one picker against a window of its size painting one BitBlt
// (the system's picker for scale), and a held press on the drop button: the cost of one tick of the
// press timer, and the time between the timer's real ticks (1e9 / that figure = ticks per second).
#include <RIZuruzezu.h>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 24;

CRect Row(int i) {
    return CRect(10, 10 + i * (kHeight + 10), 10 + kWidth, 10 + i * (kHeight + 10) + kHeight);
}

// A picker that counts its press timer's ticks.
class CTickCountingPicker : public CQVDateTimeCtrl {
public:
    int m_nTicks = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == QVDT_PRESS_TIMER) ++m_nTicks;
        return CQVDateTimeCtrl::WindowProc(message, wParam, lParam);
    }
};

void SetLeftButton(bool bDown) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_LBUTTON] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

void SetExamDate(CDateTimeCtrl& picker) {
    SYSTEMTIME st = {2027, 6, 1, 7, 9, 30, 0, 0};
    picker.SetTime(&st);
}

void DateTimeSuite() {
    CWnd parent;
    if (!parent.CreateEx(0,
                         AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                         _T("bench"), WS_POPUP | WS_VISIBLE, 0, 0, kWidth + 20, 4 * (kHeight + 10), NULL,
                         NULL))
        return;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT;
    CDateTimeCtrl system;
    CTickCountingPicker skinned;
    system.Create(dwStyle, Row(0), &parent, 101);
    skinned.Create(dwStyle, Row(1), &parent, 102);
    SetExamDate(system);
    SetExamDate(skinned);
    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, Row(2), RGB(255, 255, 255))) return;
    parent.UpdateWindow();
    rizbench::PumpPending();
    {
        rizbench::Suite paint("a date-time picker repainted (150 x 24)",
                              "a window of its size painting one BitBlt", rizbench::Repaint(blit), 300);
        paint.Add("system date-time picker", rizbench::Repaint(system));
        paint.Add("skinned date-time picker", rizbench::Repaint(skinned));
    }

    // The press: the pointer on the drop button, the button held as the timer reads it. The press opens
    // the calendar, as a real one does; a second click closes it.
    const CPoint ptDrop = skinned.GetDropRect().CenterPoint();
    CPoint ptScreen = ptDrop;
    skinned.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    SetLeftButton(true);
    skinned.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDrop.x, ptDrop.y));
    rizbench::PumpPending();
    {
        rizbench::Suite press("a held date-time press", "a window of its size painting one BitBlt",
                              rizbench::Repaint(blit), 50);
        press.Add("one tick of the press timer (sent)", [&](int n) {
            for (int i = 0; i < n; ++i)
                skinned.SendMessage(WM_TIMER, QVDT_PRESS_TIMER);
        });
        press.Add("time between real ticks of the 1 ms timer", [&](int n) {
            const int nEnd = skinned.m_nTicks + n;
            MSG msg;
            while (skinned.m_nTicks < nEnd && skinned.GetPressTimer()) {
                if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
                    ::TranslateMessage(&msg);
                    ::DispatchMessage(&msg);
                } else {
                    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
                }
            }
        });
    }
    SetLeftButton(false);
    rizbench::PumpPending();
    skinned.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDrop.x, ptDrop.y));
    skinned.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptDrop.x, ptDrop.y));
    rizbench::PumpPending();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&DateTimeSuite,
                                    {"a date-time picker repainted (150 x 24)", "a held date-time press"});

}  // namespace
