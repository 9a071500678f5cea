// GIF control and edit list box figures: one frame tick of a 320 x 240 GIF at its natural size and
// scaled down from 640 x 480, against a window of that size painting one BitBlt; the edit list box's
// repaint and hit test with 100 and 100,000 rows, against the system list box with the same rows
// (20 pixels high, the same texts), and its 100,000 rows against its 100.
#include <RIZuruzezu.h>

#include "Bench.h"
#include "BenchWindows.h"
#include "GifWriter.h"

#include <cstdio>
#include <memory>

namespace {

constexpr int kWidth = 320, kHeight = 240;
constexpr UINT kPointQuery = MAKELPARAM(40, 130);  // a row in the middle of the window

// Four frames of cx x cy, each a different diagonal pattern of 16 colours, 1/100 s apart.
GifImage PatternGif(int cx, int cy) {
    GifImage image;
    image.cx = cx;
    image.cy = cy;
    for (std::uint32_t i = 0; i < 16; ++i)
        image.palette.push_back(((i * 16) << 16) | ((255 - i * 16) << 8) | (i * 9));
    for (int f = 0; f < 4; ++f) {
        GifFrame frame;
        frame.nDelay = 1;
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                frame.indices.push_back(static_cast<std::uint8_t>(((x + y) / 8 + f * 3) & 15));
        image.frames.push_back(frame);
    }
    return image;
}

// The GIF written to the temporary folder; empty when it could not be.
CString WriteGif(LPCTSTR lpszName, const GifImage& image) {
    TCHAR szTemp[MAX_PATH] = {};
    ::GetTempPath(MAX_PATH, szTemp);
    const CString strPath = CString(szTemp) + lpszName;
    const std::vector<std::uint8_t> bytes = EncodeGif(image);
    FILE* pFile = _tfopen(strPath, _T("wb"));
    if (!pFile) return CString();
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    fclose(pFile);
    return ok ? strPath : CString();
}

void GifSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(kWidth + 20, kHeight + 20)) return;
    const CString strNatural = WriteGif(_T("riz-bench-320.gif"), PatternGif(kWidth, kHeight));
    const CString strLarge = WriteGif(_T("riz-bench-640.gif"), PatternGif(2 * kWidth, 2 * kHeight));
    rizbench::CBlitWnd blit;
    CQVGifCtrl natural, scaled;
    const CRect rc(0, 0, kWidth, kHeight);
    if (!blit.CreateBlit(&parent, rc, RGB(255, 255, 255)) ||
        !natural.Create(WS_CHILD | WS_VISIBLE, rc, &parent, 1) ||
        !scaled.Create(WS_CHILD | WS_VISIBLE, rc, &parent, 2) || !natural.LoadGifFile(strNatural) ||
        !scaled.LoadGifFile(strLarge))
        return;
    natural.Play();
    scaled.Play();
    parent.UpdateWindow();
    rizbench::PumpPending();
    auto ticks = [](CQVGifCtrl& gif) {
        return [&gif](int n) {
            for (int i = 0; i < n; ++i)
                gif.SendMessage(WM_TIMER, kQVGifTimerId);
        };
    };
    rizbench::Suite suite("GIF control: one frame tick (draw the frame, select the next), 320 x 240",
                          "a window of its size painting one BitBlt", rizbench::Repaint(blit), 100);
    suite.Add("natural size, 320 x 240", ticks(natural));
    suite.Add("scaled down from 640 x 480", ticks(scaled));
    natural.DestroyWindow();
    scaled.DestroyWindow();
    ::DeleteFile(strNatural);
    ::DeleteFile(strLarge);
}

// A list of nItems word rows 20 pixels high: the edit list box, or the system list box.
bool FillWords(CListBox& list, int nItems) {
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.SendMessage(LB_INITSTORAGE, nItems, nItems * 16);
    TCHAR szText[32];
    for (int i = 0; i < nItems; ++i) {
        wsprintf(szText, _T("word %d"), i);
        if (list.AddString(szText) < 0) return false;
    }
    list.SetItemHeight(0, 20);
    list.SetTopIndex(nItems / 2);
    list.SetCurSel(nItems / 2 + 3);
    list.SendMessage(WM_SETREDRAW, TRUE);
    return true;
}

std::function<void(int)> HitTests(CListBox& list) {
    return [&list](int n) {
        for (int i = 0; i < n; ++i)
            rizbench::DoNotOptimize(
                reinterpret_cast<void*>(list.SendMessage(LB_ITEMFROMPOINT, 0, kPointQuery)));
    };
}

void EditListSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(2 * kWidth + 30, kHeight + 20)) return;
    const CRect rcSystem(10, 10, 10 + kWidth, 10 + kHeight),
        rcEdit(20 + kWidth, 10, 20 + 2 * kWidth, 10 + kHeight);
    std::unique_ptr<CQVEditListBox> pSmall;
    for (int nItems : {100, 100000}) {
        auto pEdit = std::make_unique<CQVEditListBox>();
        CListBox system;
        if (!system.CreateEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), _T(""),
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                             rcSystem, &parent, 1) ||
            !pEdit->CreateEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), _T(""),
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, rcEdit, &parent, 2) ||
            !FillWords(system, nItems) || !FillWords(*pEdit, nItems))
            return;
        parent.UpdateWindow();
        rizbench::PumpPending();
        char szName[96];
        std::snprintf(szName, sizeof(szName), "edit list box, %d rows, %d x %d", nItems, kWidth, kHeight);
        {
            rizbench::Suite suite(std::string(szName) + ": repaint with frame",
                                  "the system list box with the same rows",
                                  rizbench::RepaintWithFrame(system.m_hWnd), 100);
            suite.Add("edit list box", rizbench::RepaintWithFrame(pEdit->m_hWnd));
        }
        {
            rizbench::Suite suite(std::string(szName) + ": hit test (LB_ITEMFROMPOINT)",
                                  "the system list box with the same rows", HitTests(system), 100000);
            suite.Add("edit list box", HitTests(*pEdit));
        }
        system.DestroyWindow();
        if (nItems == 100) {
            pEdit->ShowWindow(SW_HIDE);
            pSmall = std::move(pEdit);
        } else if (pSmall) {
            // Side by side where the system list was, both showing the same middle rows.
            pSmall->MoveWindow(rcSystem);
            pSmall->ShowWindow(SW_SHOWNA);
            parent.UpdateWindow();
            rizbench::PumpPending();
            rizbench::Suite flat("edit list box: 100,000 rows against 100, repaint with frame", "100 rows",
                                 rizbench::RepaintWithFrame(pSmall->m_hWnd), 100);
            flat.Add("100,000 rows", rizbench::RepaintWithFrame(pEdit->m_hWnd));
            rizbench::Suite flatHits("edit list box: 100,000 rows against 100, hit test", "100 rows",
                                     HitTests(*pSmall), 100000);
            flatHits.Add("100,000 rows", HitTests(*pEdit));
        }
        rizbench::PumpPending();
    }
}

const rizbench::Register
    s_registerGif(GifSuite, {"GIF control: one frame tick (draw the frame, select the next), 320 x 240"});
const rizbench::Register s_registerEditList(
    EditListSuite,
    {"edit list box, {100|100000} rows, 320 x 240: {repaint with frame|hit test (LB_ITEMFROMPOINT)}",
     "edit list box: 100,000 rows against 100, {repaint with frame|hit test}"});

}  // namespace
