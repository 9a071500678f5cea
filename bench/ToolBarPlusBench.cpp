// Item toolbar figures: a repaint with 20 items shown out of 20, 100 and 100,000 (flat: only the
// placed items draw), against one BitBlt of its size and the system's toolbar with the same 20
// buttons; a sparkle tick (one item redrawn) against a full repaint; the layout and the hit test at
// 100 and 100,000 items (flat: the layout stops at the first item that does not fit, the hit test at
// the last placed one); and rounds of 1,000 adds against 100,000 adds into an empty toolbar (linear).
#include <RIZuruzezu.h>

#include <commctrl.h>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kWidth = 860;  // 20 items of 40 and their gaps, then room for the overflow button
constexpr int kHeight = 26;
constexpr int kShown = 20;

CRect Row(int i) {
    return CRect(0, i * (kHeight + 4), kWidth, i * (kHeight + 4) + kHeight);
}

ToolBarPlus_ItemInfo BenchItem(int i) {
    ToolBarPlus_ItemInfo info;
    info.nType = 1;
    info.nID = 3000 + i;
    info.strText.Format(_T("Item %d"), i);
    info.strTooltip = info.strText;
    info.nMask = TBPIF_SIZENORMAL | TBPIF_SIZESIMPLE;
    info.szNormal = info.szSimple = CSize(40, 22);
    return info;
}

void Fill(CQVToolBarPlus& bar, int nItems) {
    for (int i = 0; i < nItems; ++i) {
        ToolBarPlus_ItemInfo info = BenchItem(i);
        bar.MethodAddItem(info);
    }
    bar.RecalcLayout();
}

BOOL MakeBar(CQVToolBarPlus& bar, CWnd* pParent, int nRow, int nItems) {
    if (!bar.Create(WS_CHILD | WS_VISIBLE, Row(nRow), pParent, 200 + nRow)) return FALSE;
    bar.SetButtonRes(_T("Common\\Button\\ToolBarPlus_Button.png"));
    Fill(bar, nItems);
    return TRUE;
}

// The system's toolbar with 20 text buttons of the same captions.
HWND MakeSystemToolbar(CWnd* pParent, int nRow) {
    const CRect rc = Row(nRow);
    HWND hBar = ::CreateWindowEx(
        0, TOOLBARCLASSNAME, NULL,
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE | CCS_NODIVIDER, rc.left, rc.top,
        rc.Width(), rc.Height(), pParent->GetSafeHwnd(), NULL, AfxGetInstanceHandle(), NULL);
    if (!hBar) return NULL;
    ::SendMessage(hBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessage(hBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    for (int i = 0; i < kShown; ++i) {
        CString strText;
        strText.Format(_T("Item %d"), i);
        TBBUTTON button = {I_IMAGENONE,
                           3000 + i,
                           TBSTATE_ENABLED,
                           BTNS_BUTTON | BTNS_AUTOSIZE,
                           {0},
                           0,
                           reinterpret_cast<INT_PTR>(static_cast<LPCTSTR>(strText))};
        ::SendMessage(hBar, TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button));
    }
    return hBar;
}

std::function<void(int)> RepaintHwnd(HWND hWnd) {
    return [hWnd](int n) {
        for (int i = 0; i < n; ++i) {
            ::InvalidateRect(hWnd, NULL, FALSE);
            ::UpdateWindow(hWnd);
        }
    };
}

void ToolBarPlusSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(kWidth, 6 * (kHeight + 4))) return;
    CQVToolBarPlus bar20, bar100, bar100k;
    if (!MakeBar(bar20, &parent, 0, kShown) || !MakeBar(bar100, &parent, 1, 100) ||
        !MakeBar(bar100k, &parent, 2, 100000))
        return;
    const HWND hSystem = MakeSystemToolbar(&parent, 3);
    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, Row(4), RGB(230, 240, 255))) return;
    parent.UpdateWindow();
    rizbench::PumpPending();
    {
        rizbench::Suite paint("item toolbar: a repaint (860 x 26, 20 items shown)",
                              "a window of its size painting one BitBlt", rizbench::Repaint(blit), 200);
        if (hSystem) paint.Add("system toolbar, 20 text buttons", RepaintHwnd(hSystem));
        paint.Add("item toolbar, 20 items", rizbench::Repaint(bar20));
        paint.Add("item toolbar, 20 shown of 100", rizbench::Repaint(bar100));
        paint.Add("item toolbar, 20 shown of 100,000", rizbench::Repaint(bar100k));
    }
    {
        // Each tick restarts the sparkle, so that every one of them moves the item's frame; the baseline
        // repaints the whole toolbar in the same state.
        ToolBarPlus_SparkleItem sparkle = {3005, 0, TRUE};
        rizbench::Suite tick(
            "item toolbar: a sparkle tick of one item", "a full repaint, the item sparkling",
            [&](int n) {
                for (int i = 0; i < n; ++i) {
                    bar20.MethodSparkleItem(sparkle);
                    bar20.Invalidate(FALSE);
                    bar20.UpdateWindow();
                }
            },
            200);
        tick.Add("a sparkle tick, only the item redrawn", [&](int n) {
            for (int i = 0; i < n; ++i) {
                bar20.MethodSparkleItem(sparkle);
                bar20.SendMessage(WM_TIMER, 1);
                bar20.UpdateWindow();
            }
        });
        sparkle.bSparkle = FALSE;
        bar20.MethodSparkleItem(sparkle);
    }
    {
        ToolBarPlus_HitTestItem hit;
        hit.pt = bar100.GetItemRect(3000 + kShown - 1).CenterPoint();
        rizbench::Suite layout(
            "item toolbar: layout and hit test", "RecalcLayout at 100 items",
            [&](int n) {
                for (int i = 0; i < n; ++i)
                    bar100.RecalcLayout();
            },
            200);
        layout.Add("RecalcLayout at 100,000 items", [&](int n) {
            for (int i = 0; i < n; ++i)
                bar100k.RecalcLayout();
        });
        layout.Add("hit test of the last shown item, 100 items", [&](int n) {
            for (int i = 0; i < n; ++i)
                bar100.MethodHitTestItem(hit);
        });
        layout.Add("hit test of the last shown item, 100,000 items", [&](int n) {
            for (int i = 0; i < n; ++i)
                bar100k.MethodHitTestItem(hit);
        });
        layout.Add("mouse move over it (the toolbar's own hit test), 100,000 items", [&](int n) {
            for (int i = 0; i < n; ++i)
                bar100k.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(hit.pt.x + (i & 1), hit.pt.y));
        });
        rizbench::PumpPending();
    }
    {
        CQVToolBarPlus empty;
        if (!MakeBar(empty, &parent, 5, 0)) return;
        ToolBarPlus_ItemInfo info = BenchItem(0);
        // n adds, then the n deletes from the end, in rounds of nRound.
        auto addsInRounds = [&](int nRound) {
            return [&, nRound](int n) {
                for (int k = 0; k < n; k += nRound) {
                    for (int i = 0; i < nRound; ++i)
                        empty.MethodAddItem(info);
                    for (int i = 0; i < nRound; ++i) {
                        ToolBarPlus_DelItem del = {0, empty.GetItemCount() - 1};
                        empty.MethodDelItem(del);
                    }
                }
            };
        };
        rizbench::Suite adds("item toolbar: adds and their deletes, per add", "rounds of 1,000 adds",
                             addsInRounds(1000), 100000);
        adds.Add("100,000 adds into an empty toolbar", addsInRounds(100000));
    }
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&ToolBarPlusSuite, {"item toolbar: a repaint (860 x 26, 20 items shown)",
                                                        "item toolbar: a sparkle tick of one item",
                                                        "item toolbar: layout and hit test",
                                                        "item toolbar: adds and their deletes, per add"});

}  // namespace
