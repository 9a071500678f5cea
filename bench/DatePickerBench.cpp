// Date picker figures: the calendar popup repainted and opened (created, shown, closed and destroyed)
// against a window of its size painting one BitBlt, and one month step with its repaint against the
// 100 ms of the held button's repeat (the ratio is the share of each repeat the step takes). The
// other composite controls: a layout control placing 100 children against the same 100 SetWindowPos
// and invalidations made directly; an 800 x 600 split window's paint against one BitBlt of its size;
// one ghost step of a drag (erase, move, draw) against a BitBlt of the bar's size.
#include <RIZuruzezu.h>

#include <windows.h>

#include <memory>
#include <vector>

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

// Children move by one pixel and back: every call really moves them (resizing a child costs much more
// under this system, and both sides pay the same).
void LayoutCtrlSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(800, 600)) return;
    std::vector<std::unique_ptr<CWnd>> children;
    CQVLayoutCtrl layout;
    layout.Initialize(&parent, SizeTypeMoved, SizeTypeFixed);
    for (int i = 0; i < 100; ++i) {
        children.push_back(std::make_unique<CWnd>());
        children.back()->CreateEx(
            0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE,
            CRect(10 + (i % 10) * 70, 10 + (i / 10) * 50, 70 + (i % 10) * 70, 50 + (i / 10) * 50), &parent,
            1000 + i);
        layout.AddCtrl(children.back().get());
    }
    layout.InitLayout(CRect(0, 0, 800, 600));
    rizbench::PumpPending();
    rizbench::Suite suite(
        "a layout control of 100 children", "100 direct SetWindowPos and invalidations",
        [&](int n) {
            for (int k = 0; k < n; ++k)
                for (auto& child : children) {
                    CRect rc;
                    child->GetWindowRect(&rc);
                    parent.ScreenToClient(&rc);
                    const int dx = k % 2 ? -1 : 1;
                    child->SetWindowPos(nullptr, rc.left + dx, rc.top, rc.Width(), rc.Height(),
                                        SWP_NOZORDER | SWP_NOACTIVATE);
                    child->Invalidate(TRUE);
                }
        },
        2);
    suite.Add("LayoutCtrls, 100 children", [&](int n) {
        for (int k = 0; k < n; ++k)
            layout.LayoutCtrls(CRect(0, 0, k % 2 ? 800 : 801, 600));
    });
    rizbench::PumpPending();
    parent.DestroyWindow();
}

void SplitWndSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(820, 620)) return;
    CQVSplitWnd split;
    CWnd first, second;
    rizbench::CBlitWnd blit;
    if (!split.Create(WS_VISIBLE, CRect(0, 0, 800, 600), &parent, 1) ||
        !blit.CreateBlit(&parent, CRect(0, 0, 800, 600), RGB(240, 240, 240)))
        return;
    blit.ShowWindow(SW_HIDE);
    first.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &parent, 2);
    second.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &parent, 3);
    split.SetPanels(&first, &second, FALSE, FALSE);
    split.SetSplitPos(200);
    rizbench::PumpPending();
    {
        blit.ShowWindow(SW_SHOW);
        split.ShowWindow(SW_HIDE);
        rizbench::Suite paint("an 800 x 600 split window", "a window of its size painting one BitBlt",
                              rizbench::Repaint(blit), 100);
        blit.ShowWindow(SW_HIDE);
        split.ShowWindow(SW_SHOW);
        rizbench::PumpPending();
        paint.Add("split window repainted (background, two frames)", rizbench::Repaint(split));
    }
    {
        const CRect rcBar = split.GetBarRect();
        CDC* pDC = split.GetDC();
        CDC mem;
        mem.CreateCompatibleDC(pDC);
        CBitmap bmp;
        bmp.CreateCompatibleBitmap(pDC, rcBar.Width(), rcBar.Height());
        CBitmap* pOld = mem.SelectObject(&bmp);
        rizbench::Suite ghost(
            "the split window's ghost bar", "one BitBlt of the bar's size",
            [&](int n) {
                for (int i = 0; i < n; ++i)
                    pDC->BitBlt(rcBar.left, rcBar.top, rcBar.Width(), rcBar.Height(), &mem, 0, 0, SRCCOPY);
                ::GdiFlush();
            },
            500);
        // The drag starts as a user's does: the pointer in the bar, its cursor query, the press.
        CPoint pt = rcBar.CenterPoint();
        split.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        rizbench::PumpPending();
        split.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(split.m_hWnd),
                          MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        split.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcBar.left + 2, 300));
        ghost.Add("one ghost step (erase, move, draw)", [&](int n) {
            for (int i = 0; i < n; ++i)
                split.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rcBar.left + 200 + i % 50, 300));
            ::GdiFlush();
        });
        split.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcBar.left + 2, 300));
        mem.SelectObject(pOld);
        split.ReleaseDC(pDC);
    }
    split.DestroyWindow();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&DatePickerSuite,
                                    {"the date picker's calendar (172 x 170)",
                                     "the date picker's calendar opened",
                                     "the date picker's month step (a held navigation button)"});
const rizbench::Register s_registerLayout(&LayoutCtrlSuite, {"a layout control of 100 children"});
const rizbench::Register s_registerSplit(&SplitWndSuite,
                                         {"an 800 x 600 split window", "the split window's ghost bar"});

}  // namespace
