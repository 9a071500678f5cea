// Word list figures: the spelling-test list box and the word list control painted and hit-tested with
// 100 and with 100,000 rows against the system's list box and list view showing the same rows (both
// draw only the rows that show, so the figures should stay flat from 100 to 100,000); the partial
// repaint of a typed letter against a full row redraw; SetAllMasked over 100,000 rows against copying
// their words.
#include <RIZuruzezu.h>

#include <memory>
#include <vector>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 240;
const LPCTSTR kWords[] = {_T("abandon"), _T("benefit"), _T("campus"), _T("deliver"), _T("eager")};

// n times: LB_ITEMFROMPOINT (or LVM_HITTEST) at points walking down the client area.
std::function<void(int)> HitTest(HWND hWnd, bool bListView) {
    return [hWnd, bListView](int n) {
        for (int i = 0; i < n; ++i) {
            const int y = 2 + (i * 7) % (kHeight - 30);
            if (bListView) {
                LVHITTESTINFO hit = {};
                hit.pt = CPoint(30, y);
                rizbench::DoNotOptimize(reinterpret_cast<void*>(
                    ::SendMessage(hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
            } else {
                rizbench::DoNotOptimize(
                    reinterpret_cast<void*>(::SendMessage(hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(30, y))));
            }
        }
    };
}

void FillSystemListBox(HWND hWnd, int nRows) {
    ::SendMessage(hWnd, LB_INITSTORAGE, nRows, nRows * 16);
    ::SendMessage(hWnd, LB_SETITEMHEIGHT, 0, 24);
    for (int i = 0; i < nRows; ++i)
        ::SendMessage(hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kWords[i % 5]));
}

// A spelling test: masked words, a typed input and a score per row, the first row selected.
void FillWordListBox(CQVWordListBox& box, int nRows) {
    box.InitStorage(nRows, nRows * 4);
    for (int i = 0; i < nRows; ++i)
        box.AddString(kWords[i % 5]);
    box.SetAllMasked(TRUE, FALSE);
    for (int i = 0; i < 10; ++i)
        box.SetUserInput(i, CString(kWords[i % 5]).Left(3), FALSE);
    box.EnableWordMask(TRUE);
    box.ShowRightCount(TRUE, FALSE);
    box.SetCurSel(0);
}

void FillReport(CListCtrl& list, int nRows) {
    list.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
    list.InsertColumn(1, _T("Phonetic"), LVCFMT_LEFT, 80);
    list.InsertColumn(2, _T("Meaning"), LVCFMT_LEFT, 70);
    list.SetItemCount(nRows);
    for (int i = 0; i < nRows; ++i) {
        list.InsertItem(i, kWords[i % 5]);
        list.SetItemText(i, 1, _T("/a'baend@n/"));
        list.SetItemText(i, 2, _T("meaning"));
    }
}

void WordListBoxSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(2 * kWidth + 30, kHeight + 20)) return;
    for (int nRows : {100, 100000}) {
        CListBox system;
        CQVWordListBox words;
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
        if (!system.Create(dwStyle, CRect(10, 10, 10 + kWidth, 10 + kHeight), &parent, 1) ||
            !words.Create(dwStyle, CRect(kWidth + 20, 10, 2 * kWidth + 20, 10 + kHeight), &parent, 2))
            return;
        system.SetRedraw(FALSE);
        words.SetRedraw(FALSE);
        FillSystemListBox(system.m_hWnd, nRows);
        FillWordListBox(words, nRows);
        system.SetRedraw(TRUE);
        words.SetRedraw(TRUE);
        parent.UpdateWindow();
        rizbench::PumpPending();
        char szName[128];
        wsprintfA(szName, "Word list box, %d rows, %dx%d", nRows, kWidth, kHeight);
        {
            rizbench::Suite suite(szName, "the system list box, same words: Invalidate + UpdateWindow",
                                  rizbench::Repaint(system), 100);
            suite.Add("spelling test (masks, input, scores): Invalidate + UpdateWindow",
                      rizbench::Repaint(words));
        }
        {
            wsprintfA(szName, "Word list box hit test, %d rows", nRows);
            rizbench::Suite suite(szName, "the system list box: LB_ITEMFROMPOINT",
                                  HitTest(system.m_hWnd, false), 10000);
            suite.Add("word list box: LB_ITEMFROMPOINT", HitTest(words.m_hWnd, false));
        }
        if (nRows == 100) {
            // A letter typed into the selected row and taken back, in turns.
            int nTurn = 0;
            auto typing = [&](BOOL bFull) {
                return [&words, &nTurn, bFull](int n) {
                    for (int i = 0; i < n; ++i) {
                        words.SetUserInput(0, ++nTurn % 2 ? _T("aba") : _T("ab"), bFull);
                        if (bFull) words.UpdateWindow();
                    }
                };
            };
            rizbench::Suite suite("Typing into a spelling-test row", "full row redraw: invalidate + update",
                                  typing(TRUE), 200);
            suite.Add("partial SetUserInput: the changed cell only", typing(FALSE));
        }
        system.DestroyWindow();
        words.DestroyWindow();
        rizbench::PumpPending();
    }
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerWordListBox(&WordListBoxSuite,
                                               {"Word list box, {100|100000} rows, 240x240",
                                                "Word list box hit test, {100|100000} rows",
                                                "Typing into a spelling-test row"});

void WordListCtrlSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(2 * kWidth + 30, kHeight + 20)) return;
    for (int nRows : {100, 100000}) {
        CListCtrl system;
        CQVWordListCtrl words;
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS;
        if (!system.Create(dwStyle, CRect(10, 10, 10 + kWidth, 10 + kHeight), &parent, 1) ||
            !words.Create(dwStyle, CRect(kWidth + 20, 10, 2 * kWidth + 20, 10 + kHeight), &parent, 2))
            return;
        system.SetRedraw(FALSE);
        words.SetRedraw(FALSE);
        FillReport(system, nRows);
        FillReport(words, nRows);
        words.SetPhoneticColumn(1, _T("Arial"));
        system.SetRedraw(TRUE);
        words.SetRedraw(TRUE);
        parent.UpdateWindow();
        rizbench::PumpPending();
        char szName[128];
        wsprintfA(szName, "Word list control, %d rows, %dx%d", nRows, kWidth, kHeight);
        {
            rizbench::Suite suite(szName, "the system list view, same rows: Invalidate + UpdateWindow",
                                  rizbench::Repaint(system), 100);
            suite.Add("word list control (phonetic face): Invalidate + UpdateWindow",
                      rizbench::Repaint(words));
        }
        {
            wsprintfA(szName, "Word list control hit test, %d rows", nRows);
            rizbench::Suite suite(szName, "the system list view: LVM_HITTEST", HitTest(system.m_hWnd, true),
                                  10000);
            suite.Add("word list control: LVM_HITTEST", HitTest(words.m_hWnd, true));
        }
        system.DestroyWindow();
        words.DestroyWindow();
        rizbench::PumpPending();
    }
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerWordListCtrl(&WordListCtrlSuite,
                                                {"Word list control, {100|100000} rows, 240x240",
                                                 "Word list control hit test, {100|100000} rows"});

// SetAllMasked touches every row, shown or not.
void SetAllMaskedSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(kWidth + 20, kHeight + 20)) return;
    const int nRows = 100000;
    CQVWordListBox words;
    if (!words.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                      CRect(10, 10, kWidth, kHeight), &parent, 1))
        return;
    words.SetRedraw(FALSE);
    FillWordListBox(words, nRows);
    words.SetRedraw(TRUE);
    std::vector<CString> source(nRows), copies(nRows);
    for (int i = 0; i < nRows; ++i)
        source[i] = kWords[i % 5];
    rizbench::Suite suite(
        "SetAllMasked, 100,000 rows", "copying 100,000 words into a vector of strings",
        [&](int n) {
            for (int k = 0; k < n; ++k)
                for (int i = 0; i < nRows; ++i)
                    copies[i] = source[(i + k) % nRows];
        },
        5);
    suite.Add("SetAllMasked(FALSE): masks become the words", [&](int n) {
        for (int k = 0; k < n; ++k)
            words.SetAllMasked(FALSE, FALSE);
    });
    suite.Add("SetAllMasked(TRUE): one \"*\" per character", [&](int n) {
        for (int k = 0; k < n; ++k)
            words.SetAllMasked(TRUE, FALSE);
    });
    words.DestroyWindow();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerSetAllMasked(&SetAllMaskedSuite, {"SetAllMasked, 100,000 rows"});

}  // namespace
