// Skinned scroll bars' figures: a platform scroll-bar call on a window without skinned bars through
// the redirection against the same call unpatched, and the non-client paint of a list view with both
// bars skinned against the same list view with the system's bars.
#include <RIZuruzezu.h>

#include "Bench.h"
#include "BenchWindows.h"

#include <commctrl.h>

namespace {

HWND LessonList(CWnd& parent, int x) {
    HWND hView = ::CreateWindowEx(WS_EX_CLIENTEDGE, WC_LISTVIEW, _T(""), WS_CHILD | WS_VISIBLE | LVS_REPORT,
                                  x, 10, 220, 160, parent.m_hWnd, nullptr, nullptr, nullptr);
    for (int i = 0; i < 4; ++i) {
        LVCOLUMN col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 90;
        col.pszText = const_cast<LPTSTR>(_T("Lesson"));
        ListView_InsertColumn(hView, i, &col);
    }
    for (int i = 0; i < 200; ++i) {
        LVITEM item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<LPTSTR>(_T("Reading and listening"));
        ListView_InsertItem(hView, &item);
    }
    return hView;
}

void SkinScrollBarSuite() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(480, 200)) return;
    HWND hPlain = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 50, 50,
                                   parent.m_hWnd, nullptr, nullptr, nullptr);
    SCROLLINFO range = {sizeof(range), SIF_ALL, 0, 999, 50, 10, 0};
    ::SetScrollInfo(hPlain, SB_VERT, &range, FALSE);
    auto getInfo = [hPlain](int n) {
        for (int i = 0; i < n; ++i) {
            SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
            ::GetScrollInfo(hPlain, SB_VERT, &si);
            rizbench::DoNotOptimize(&si);
        }
    };
    {
        UnInstallScrollBarHook();
        rizbench::Suite suite("GetScrollInfo on a window without skinned bars", "the unpatched call", getInfo,
                              20000);
        InstallScrollBarHook();
        suite.Add("through the redirection", getInfo);
        UnInstallScrollBarHook();
    }

    HWND hSystem = LessonList(parent, 10);
    HWND hSkinned = LessonList(parent, 240);
    HBITMAP hBitmap = ::CreateBitmap(240, 48, 1, 32, nullptr);
    InstallScrollBarHook();
    AttachSkinScrollBar(hSkinned, hBitmap);
    ListView_EnsureVisible(hSkinned, 100, FALSE);
    ListView_EnsureVisible(hSystem, 100, FALSE);
    parent.UpdateWindow();
    rizbench::PumpPending();
    auto ncPaint = [](HWND hWnd) {
        return [hWnd](int n) {
            for (int i = 0; i < n; ++i)
                ::SendMessage(hWnd, WM_NCPAINT, 1, 0);
        };
    };
    {
        rizbench::Suite suite("list view non-client paint, both bars (220 x 160)", "the system's bars",
                              ncPaint(hSystem), 300);
        suite.Add("skinned bars", ncPaint(hSkinned));
    }
    ::DestroyWindow(hSkinned);
    ::DestroyWindow(hSystem);
    ::DestroyWindow(hPlain);
    UnInstallScrollBarHook();
    ::DeleteObject(hBitmap);
}

const rizbench::Register s_register(SkinScrollBarSuite,
                                    {"GetScrollInfo on a window without skinned bars",
                                     "list view non-client paint, both bars (220 x 160)"});

}  // namespace
