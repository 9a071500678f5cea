// Edit figures: repainting one edit (client and frame) against a window of its size painting one
// BitBlt, and typing one character into a skinned and a transparent edit against typing it into the
// system's edit.
#include <RIZuruzezu.h>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 22;
constexpr int kCharsPerLine = 40;  // the text is emptied after so many characters

CRect Row(int i) {
    return CRect(10, 10 + i * (kHeight + 10), 10 + kWidth, 10 + i * (kHeight + 10) + kHeight);
}

// Types n characters, emptying the line now and then so that every character costs the same.
void Type(HWND hWnd, int n) {
    for (int i = 0; i < n; ++i) {
        if (i % kCharsPerLine == 0) ::SetWindowText(hWnd, _T(""));
        ::SendMessage(hWnd, WM_CHAR, 'a' + i % 26, 1);
        ::UpdateWindow(hWnd);
    }
}

void EditSuite() {
    rizbench::CStripedParentWnd parent;
    if (!parent.CreateParent(kWidth + 20, 5 * (kHeight + 10))) return;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    const HWND hSystem = ::CreateWindowEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T("Lesson 3"), dwStyle, Row(0).left,
                                          Row(0).top, kWidth, kHeight, parent.m_hWnd, NULL, NULL, NULL);
    CQVEdit skinned, transparent;
    skinned.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T("Lesson 3"), dwStyle, Row(1), &parent, 101);
    transparent.SetTransparent(TRUE);
    transparent.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T("Lesson 3"), dwStyle, Row(2), &parent, 102);
    parent.UpdateWindow();
    rizbench::PumpPending();

    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, Row(3), RGB(255, 255, 255))) return;
    parent.UpdateWindow();
    rizbench::PumpPending();
    {
        rizbench::Suite paint("an edit repainted, client and frame (200 x 22)",
                              "a window of its size painting one BitBlt",
                              rizbench::RepaintWithFrame(blit.m_hWnd), 300);
        paint.Add("system edit", rizbench::RepaintWithFrame(hSystem));
        paint.Add("skinned edit", rizbench::RepaintWithFrame(skinned.m_hWnd));
        paint.Add("transparent edit", rizbench::RepaintWithFrame(transparent.m_hWnd));
    }
    {
        rizbench::Suite typing(
            "typing one character and showing it", "system edit", [&](int n) { Type(hSystem, n); }, 400);
        typing.Add("skinned edit", [&](int n) { Type(skinned.m_hWnd, n); });
        typing.Add("transparent edit", [&](int n) { Type(transparent.m_hWnd, n); });
    }
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&EditSuite, {"an edit repainted, client and frame (200 x 22)",
                                                 "typing one character and showing it"});

}  // namespace
