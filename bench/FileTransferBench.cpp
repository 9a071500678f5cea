// File transfer list figures: a full paint and a WM_MOUSEMOVE hit test at 100, 10,000 and 100,000 rows,
// at the top and at the end, against the system's report-view list with the same size and rows (both
// paint only what shows, so the figures should stay flat); a visible row's progress update against a
// full paint; WM_SIZE and UpdateTransferProgress at 100,000 rows against the same at 100.
#include <RIZuruzezu.h>

#include <memory>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 280;  // five rows of 56 pixels

GUID RowId(int n) {
    GUID id = {
        static_cast<unsigned long>(n), 0x2b1f, 0x4c0e, {0x8a, 0x31, 0x07, 0x5d, 0x19, 0xe2, 0x6b, 0x40}};
    return id;
}

// Rows of every kind, added while the list is hidden as a host fills it before showing it.
void FillTransfers(CQVFileTransferList& list, int nRows) {
    const LPCTSTR kNames[] = {_T("Unit 5 listening.mp3"), _T("Vocabulary list.xlsx"), _T("Essay draft.docx"),
                              _T("Class photos")};
    list.ShowWindow(SW_HIDE);
    for (int i = 0; i < nRows; ++i) {
        list.AddItem(RowId(i), kNames[i % 4], 10 << 20, i % 2, i % 4 == 3, i % 3 == 0);
        list.SetItemStatus(RowId(i), i % 5 == 0 ? QVTFS_FAILED : QVTFS_TRANSFERRING, _T(": lost"));
        list.UpdateTransferProgress(RowId(i), 5 << 20, 50, 120.0f);
    }
    list.ShowWindow(SW_SHOW);
}

void FillReport(CListCtrl& list, int nRows) {
    list.InsertColumn(0, _T("File"), LVCFMT_LEFT, 160);
    list.InsertColumn(1, _T("Status"), LVCFMT_LEFT, 120);
    list.SetItemCount(nRows);
    for (int i = 0; i < nRows; ++i) {
        list.InsertItem(i, _T("Unit 5 listening.mp3"));
        list.SetItemText(i, 1, _T("5.00 MB/10.00 MB"));
    }
}

// n mouse moves walking down the client area (the list's hover hit test), or LVM_HITTEST at the same points.
std::function<void(int)> HitTest(HWND hWnd, bool bListView) {
    return [hWnd, bListView](int n) {
        for (int i = 0; i < n; ++i) {
            const int y = 2 + (i * 7) % (kHeight - 4);
            if (bListView) {
                LVHITTESTINFO hit = {};
                hit.pt = CPoint(250, y);
                rizbench::DoNotOptimize(reinterpret_cast<void*>(
                    ::SendMessage(hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
            } else {
                ::SendMessage(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(250, y));
            }
        }
    };
}

void FileTransferSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(3 * kWidth + 40, kHeight + 20)) return;
    // The flatness reference: 100 rows at the top, against which every count's paint and hit test
    // should read near 1x.
    CQVFileTransferList reference;
    if (!reference.Create(WS_CHILD | WS_VISIBLE, CRect(2 * kWidth + 30, 10, 3 * kWidth + 30, 10 + kHeight),
                          &parent, 9))
        return;
    FillTransfers(reference, 100);
    for (int nRows : {100, 10000, 100000}) {
        CListCtrl system;
        CQVFileTransferList transfers;
        if (!system.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 10 + kWidth, 10 + kHeight),
                           &parent, 1) ||
            !transfers.Create(WS_CHILD | WS_VISIBLE, CRect(kWidth + 20, 10, 2 * kWidth + 20, 10 + kHeight),
                              &parent, 2))
            return;
        system.SetRedraw(FALSE);
        FillReport(system, nRows);
        system.SetRedraw(TRUE);
        FillTransfers(transfers, nRows);
        for (bool bEnd : {false, true}) {
            transfers.SendMessage(WM_VSCROLL, bEnd ? SB_BOTTOM : SB_TOP);
            system.EnsureVisible(bEnd ? nRows - 1 : 0, FALSE);
            parent.UpdateWindow();
            rizbench::PumpPending();
            char szName[128];
            wsprintfA(szName, "File transfer list, %d rows, at the %s, %dx%d", nRows, bEnd ? "end" : "top",
                      kWidth, kHeight);
            {
                rizbench::Suite suite(szName, "the system report view, same rows: Invalidate + UpdateWindow",
                                      rizbench::Repaint(system), 100);
                suite.Add("transfer list (icons, progress, links): Invalidate + UpdateWindow",
                          rizbench::Repaint(transfers));
                suite.Add("transfer list, 100 rows at the top (flatness reference)",
                          rizbench::Repaint(reference));
            }
            wsprintfA(szName, "File transfer list hit test, %d rows, at the %s", nRows, bEnd ? "end" : "top");
            rizbench::Suite suite(szName, "the system report view: LVM_HITTEST", HitTest(system.m_hWnd, true),
                                  10000);
            suite.Add("transfer list: WM_MOUSEMOVE (hover)", HitTest(transfers.m_hWnd, false));
            suite.Add("transfer list, 100 rows at the top: WM_MOUSEMOVE (flatness reference)",
                      HitTest(reference.m_hWnd, false));
        }
        if (nRows == 100) {
            transfers.SendMessage(WM_VSCROLL, SB_TOP);
            rizbench::Suite suite("File transfer progress of a visible row",
                                  "full paint: Invalidate + UpdateWindow", rizbench::Repaint(transfers), 200);
            int nTurn = 0;
            suite.Add("UpdateTransferProgress + UpdateWindow", [&](int n) {
                for (int i = 0; i < n; ++i) {
                    const int nPercent = ++nTurn % 100;
                    transfers.UpdateTransferProgress(RowId(1), static_cast<unsigned>(nPercent) << 16,
                                                     nPercent, 99.0f);
                    transfers.UpdateWindow();
                }
            });
        }
        system.DestroyWindow();
        transfers.DestroyWindow();
        rizbench::PumpPending();
    }
    reference.DestroyWindow();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register
    s_registerFileTransfer(&FileTransferSuite,
                           {"File transfer list, {100|10000|100000} rows, at the {top|end}, 300x280",
                            "File transfer list hit test, {100|10000|100000} rows, at the {top|end}",
                            "File transfer progress of a visible row"});

// WM_SIZE lays out every row, UpdateTransferProgress finds its row by id: both at 10,000 and 100,000
// rows against the same at 100.
void FileTransferScaleSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(kWidth + 20, kHeight + 20)) return;
    std::unique_ptr<CQVFileTransferList> lists[3];
    const int kRows[3] = {100, 10000, 100000};
    for (int k = 0; k < 3; ++k) {
        lists[k].reset(new CQVFileTransferList);
        if (!lists[k]->Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + kWidth, 10 + kHeight), &parent,
                              3 + k))
            return;
        FillTransfers(*lists[k], kRows[k]);
        lists[k]->ShowWindow(SW_HIDE);
    }
    auto size = [&lists](int k) {
        return [&lists, k](int n) {
            for (int i = 0; i < n; ++i)
                lists[k]->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(kWidth - (i % 2) * 20, kHeight));
        };
    };
    {
        rizbench::Suite suite("File transfer list WM_SIZE", "100 rows: every row laid out", size(0), 5);
        suite.Add("10,000 rows", size(1));
        suite.Add("100,000 rows (link widths cached per text)", size(2));
    }
    auto progress = [&lists, &kRows](int k) {
        return [&lists, &kRows, k](int n) {
            for (int i = 0; i < n; ++i)
                lists[k]->UpdateTransferProgress(RowId((i * 7919) % kRows[k]), i << 10, i % 100, 64.0f);
        };
    };
    rizbench::Suite suite("UpdateTransferProgress", "100 rows", progress(0), 10000);
    suite.Add("10,000 rows", progress(1));
    suite.Add("100,000 rows (rows found by id)", progress(2));
}

const rizbench::Register s_registerFileTransferScale(&FileTransferScaleSuite, {"File transfer list WM_SIZE",
                                                                               "UpdateTransferProgress"});

}  // namespace
