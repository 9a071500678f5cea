// Sentence explorer figures: a full paint and a WM_MOUSEMOVE hit test at 100, 10,000 and 100,000
// entries, at the top and at the end, against DrawText with DT_WORDBREAK of the same visible texts
// (both find the first visible entry by binary search, so the figures should stay flat); InitializeData
// at 100,000 entries against 1,000 (linear: every token measured once, widths cached per token).
#include <RIZuruzezu.h>

#include <vector>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 280;

void FillSentences(CQVSentenceExplorer& explorer, int nEntries) {
    const LPCTSTR kFirst[] = {_T("Is this your book?"),
                              _T("Please write your name and your class at the top of your answer sheet."),
                              _T("Is that yours? No, it's your sister's.")};
    const CString strSecond(L"\x8fd9\x662f\x4f60\x7684\x4e66\x5417\xff1f");
    for (int i = 0; i < nEntries; ++i)
        explorer.AddSentence(kFirst[i % 3], strSecond, _T("Unit 3, Lesson 2"), static_cast<DWORD>(i));
}

// n times the visible entries' three texts drawn with DT_WORDBREAK into their blocks, on white; the
// first visible entry is found before, with the explorer's own search.
std::function<void(int)> DrawTextVisible(CQVSentenceExplorer& explorer) {
    std::vector<tagQVSEItem*> items;
    for (int i = 0; i < explorer.GetSentenceCount(); ++i)
        items.push_back(explorer.GetSentence(i));
    const int nPos = explorer.GetScrollPosition();
    const int nFirst = QVSentenceFirstVisible(items, nPos, explorer.GetSentenceCount());
    return [&explorer, nPos, nFirst](int n) {
        CClientDC dc(&explorer);
        CRect rcClient;
        explorer.GetClientRect(&rcClient);
        dc.SetBkMode(TRANSPARENT);
        CQVSelectScope scope(&dc, ::GetStockObject(DEFAULT_GUI_FONT));
        for (int k = 0; k < n; ++k) {
            dc.FillSolidRect(rcClient, RGB(255, 255, 255));
            for (int i = nFirst; i < explorer.GetSentenceCount(); ++i) {
                tagQVSEItem* pItem = explorer.GetSentence(i);
                if (pItem->rcFirst.top - nPos > rcClient.bottom) break;
                const CString* texts[3] = {&pItem->strFirst, &pItem->strSecond, &pItem->strThird};
                const CRect rects[3] = {pItem->rcFirst, pItem->rcSecond, pItem->rcThird};
                for (int b = 0; b < 3; ++b) {
                    CRect rc = rects[b];
                    rc.OffsetRect(0, -nPos);
                    dc.DrawText(*texts[b], rc, DT_WORDBREAK | DT_NOPREFIX);
                }
            }
        }
    };
}

std::function<void(int)> HitTest(HWND hWnd) {
    return [hWnd](int n) {
        for (int i = 0; i < n; ++i)
            ::SendMessage(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(60, 2 + (i * 7) % (kHeight - 4)));
    };
}

void SentenceExplorerSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(2 * kWidth + 30, kHeight + 20)) return;
    // The hit tests' baseline and the paints' flatness reference: 100 entries at the top.
    CQVSentenceExplorer reference;
    if (!reference.Create(WS_CHILD | WS_VISIBLE, CRect(kWidth + 20, 10, 2 * kWidth + 20, 10 + kHeight),
                          &parent, 2))
        return;
    FillSentences(reference, 100);
    reference.InitializeData();
    for (int nEntries : {100, 10000, 100000}) {
        CQVSentenceExplorer explorer;
        if (!explorer.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + kWidth, 10 + kHeight), &parent, 1))
            return;
        FillSentences(explorer, nEntries);
        explorer.InitializeData();
        for (bool bEnd : {false, true}) {
            explorer.SendMessage(WM_VSCROLL, bEnd ? SB_BOTTOM : SB_TOP);
            parent.UpdateWindow();
            rizbench::PumpPending();
            char szName[128];
            wsprintfA(szName, "Sentence explorer, %d entries, at the %s, %dx%d", nEntries,
                      bEnd ? "end" : "top", kWidth, kHeight);
            {
                rizbench::Suite suite(szName, "DrawText DT_WORDBREAK of the visible texts, into a client DC",
                                      DrawTextVisible(explorer), 100);
                suite.Add("sentence explorer: Invalidate + UpdateWindow", rizbench::Repaint(explorer));
                // Against this, the figure above should stay near 1x whatever the entry count.
                suite.Add("sentence explorer, 100 entries at the top (flatness reference)",
                          rizbench::Repaint(reference));
            }
            wsprintfA(szName, "Sentence explorer hit test, %d entries, at the %s", nEntries,
                      bEnd ? "end" : "top");
            rizbench::Suite suite(szName, "100 entries at the top: WM_MOUSEMOVE (hover)",
                                  HitTest(reference.m_hWnd), 10000);
            suite.Add("sentence explorer: WM_MOUSEMOVE (hover)", HitTest(explorer.m_hWnd));
        }
        explorer.DestroyWindow();
        rizbench::PumpPending();
    }
    reference.DestroyWindow();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register
    s_registerSentenceExplorer(&SentenceExplorerSuite,
                               {"Sentence explorer, {100|10000|100000} entries, at the {top|end}, 300x280",
                                "Sentence explorer hit test, {100|10000|100000} entries, at the {top|end}"});

// InitializeData lays out every entry: 100,000 against 1,000, so the ratio / 100 is the cost per 1,000.
void SentenceExplorerLayoutSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(kWidth + 20, kHeight + 20)) return;
    CQVSentenceExplorer small, large;
    if (!small.Create(WS_CHILD, CRect(10, 10, 10 + kWidth, 10 + kHeight), &parent, 1) ||
        !large.Create(WS_CHILD, CRect(10, 10, 10 + kWidth, 10 + kHeight), &parent, 2))
        return;
    FillSentences(small, 1000);
    FillSentences(large, 100000);
    auto layout = [](CQVSentenceExplorer& explorer) {
        return [&explorer](int n) {
            for (int i = 0; i < n; ++i)
                explorer.InitializeData();
        };
    };
    rizbench::Suite suite("Sentence explorer InitializeData", "1,000 entries", layout(small), 3);
    suite.Add("100,000 entries (ratio / 100: per 1,000)", layout(large));
}

const rizbench::Register s_registerSentenceExplorerLayout(&SentenceExplorerLayoutSuite,
                                                          {"Sentence explorer InitializeData"});

}  // namespace
