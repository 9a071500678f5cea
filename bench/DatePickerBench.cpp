// Date picker figures: the calendar popup repainted and opened (created, shown, closed and destroyed)
// against a window of its size painting one BitBlt, and one month step with its repaint against the
// 100 ms of the held button's repeat (the ratio is the share of each repeat the step takes).
#include <RIZuruzezu.h>

#include <windows.h>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

void DatePickerSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(400, 260)) return;
    CQVDatePickerBtn button;
    if (!button.Create(_T("2026-12-24"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 150, 34),
                       &parent, 101))
        return;
    button.SetDate(2026, 12, 24);
    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, CRect(200, 10, 200 + qvdate::kPopupWidth, 10 + qvdate::kPopupHeight),
                         RGB(240, 240, 255)))
        return;
    parent.UpdateWindow();
    rizbench::PumpPending();
    CQVDatePickerCtrl& picker = button.GetPickerCtrl();
    auto close = [&] {
        if (picker.GetSafeHwnd()) picker.SendMessage(WM_KEYDOWN, VK_ESCAPE);
        rizbench::PumpPending();
    };
    {
        rizbench::Suite paint("the date picker's calendar (172 x 170)",
                              "a window of its size painting one BitBlt", rizbench::Repaint(blit), 300);
        button.OpenPicker();
        rizbench::PumpPending();
        paint.Add("calendar repainted", rizbench::Repaint(picker));
        close();
    }
    {
        rizbench::Suite open("the date picker's calendar opened", "a window of its size painting one BitBlt",
                             rizbench::Repaint(blit), 20);
        open.Add("calendar created, shown, closed and destroyed", [&](int n) {
            for (int i = 0; i < n; ++i) {
                button.OpenPicker();
                close();
            }
        });
    }
    {
        rizbench::Suite step(
            "the date picker's month step (a held navigation button)", "the 100 ms between two repeats",
            [](int n) {
                for (int i = 0; i < n; ++i)
                    ::Sleep(100);
            },
            3);
        button.OpenPicker();
        rizbench::PumpPending();
        step.Add("one month step, repainted", [&](int n) {
            for (int i = 0; i < n; ++i) {
                picker.OnButtonClicked(i % 2 ? qvdate::ID_NEXT_MONTH : qvdate::ID_PREV_MONTH);
                picker.UpdateWindow();
            }
        });
        close();
    }
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&DatePickerSuite);

}  // namespace
