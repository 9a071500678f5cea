// The gallery: every control family of the library on its own page, in a window or as screenshots.
//   gallery                   opens the gallery window
//   gallery --screenshot DIR  writes DIR\<page>.png for every page, exits non-zero if a page fails
#include <afxwin.h>

#include <stdio.h>

#include <memory>
#include <vector>

#include "GalleryPage.h"
#include "GalleryShot.h"

namespace {

const TCHAR kGalleryClass[] = _T("RIZGallery");
constexpr int kListWidth = 180;
constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 700;
constexpr int kListId = 100;

struct GalleryState {
    HWND hFrame = nullptr;
    HWND hList = nullptr;
    std::vector<std::unique_ptr<CGalleryPage>> pages;
    int current = -1;
};

GalleryState g_gallery;

CRect PageRect(HWND hFrame) {
    CRect rc;
    ::GetClientRect(hFrame, &rc);
    rc.left = kListWidth;
    return rc;
}

// Shows page i, creating its window at first use; FALSE when the page could not be created.
BOOL ShowPage(int i) {
    if (i < 0 || i >= static_cast<int>(g_gallery.pages.size())) return FALSE;
    CGalleryPage* page = g_gallery.pages[i].get();
    if (!page->GetSafeHwnd() && !page->Create(g_gallery.hFrame, PageRect(g_gallery.hFrame))) return FALSE;
    if (g_gallery.current >= 0 && g_gallery.current != i)
        ::ShowWindow(g_gallery.pages[g_gallery.current]->GetSafeHwnd(), SW_HIDE);
    g_gallery.current = i;
    ::ShowWindow(page->GetSafeHwnd(), SW_SHOW);
    ::SendMessage(g_gallery.hList, LB_SETCURSEL, i, 0);
    return TRUE;
}

LRESULT CALLBACK GalleryProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE)
            ShowPage(static_cast<int>(::SendMessage(g_gallery.hList, LB_GETCURSEL, 0, 0)));
        return 0;
    case WM_SIZE: {
        const int cy = HIWORD(lParam);
        ::MoveWindow(g_gallery.hList, 0, 0, kListWidth, cy, TRUE);
        if (g_gallery.current >= 0) {
            CRect rc = PageRect(hWnd);
            ::MoveWindow(g_gallery.pages[g_gallery.current]->GetSafeHwnd(), rc.left, rc.top, rc.Width(),
                         rc.Height(), TRUE);
        }
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

BOOL CreateGalleryWindow() {
    WNDCLASS wc = {};
    wc.lpfnWndProc = &GalleryProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kGalleryClass;
    if (!::RegisterClass(&wc)) return FALSE;
    CRect rc(0, 0, kWindowWidth, kWindowHeight);
    ::AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    g_gallery.hFrame =
        ::CreateWindow(kGalleryClass, _T("RIZuruzezu gallery"), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                       rc.Width(), rc.Height(), nullptr, nullptr, wc.hInstance, nullptr);
    if (!g_gallery.hFrame) return FALSE;
    g_gallery.hList =
        ::CreateWindowEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), nullptr,
                         WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
                         kListWidth, kWindowHeight, g_gallery.hFrame,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), wc.hInstance, nullptr);
    ::SendMessage(g_gallery.hList, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                  FALSE);
    for (auto& factory : GalleryPageFactories()) {
        g_gallery.pages.push_back(factory());
        ::SendMessage(g_gallery.hList, LB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(g_gallery.pages.back()->GetTitle()));
    }
    return TRUE;
}

void PumpPending() {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// Writes one PNG per page; returns the number of pages that failed.
int WriteScreenshots(const CString& strFolder) {
    CGdiplusSession gdiplus;
    if (!gdiplus.IsReady()) {
        fprintf(stderr, "gallery: GDI+ did not start\n");
        return 1;
    }
    ::CreateDirectory(strFolder, nullptr);
    ::ShowWindow(g_gallery.hFrame, SW_SHOWNOACTIVATE);
    int failed = 0;
    for (int i = 0; i < static_cast<int>(g_gallery.pages.size()); ++i) {
        CGalleryPage* page = g_gallery.pages[i].get();
        CString strPath = strFolder + _T("\\") + page->GetName() + _T(".png");
        BOOL ok = ShowPage(i);
        PumpPending();
        HBITMAP hShot = ok ? CaptureWindowBitmap(g_gallery.hFrame) : nullptr;
        if (ok) {
            // The page's area inside the captured window (its client area starts below the caption).
            CRect rcPage;
            ::GetWindowRect(page->GetSafeHwnd(), &rcPage);
            CRect rcFrame;
            ::GetWindowRect(g_gallery.hFrame, &rcFrame);
            rcPage.OffsetRect(-rcFrame.left, -rcFrame.top);
            ok = !IsBitmapAreaUniform(hShot, rcPage) && SaveBitmapAsPng(hShot, strPath);
        }
        if (hShot) ::DeleteObject(hShot);
        if (!ok) {
            ++failed;
            _ftprintf(stderr, _T("gallery: page %s failed to render\n"), page->GetName());
        }
    }
    return failed;
}

}  // namespace

int main(int argc, char** argv) {
    if (!CreateGalleryWindow()) {
        fprintf(stderr, "gallery: cannot create the window\n");
        return 2;
    }
    if (argc >= 3 && strcmp(argv[1], "--screenshot") == 0) {
        const int failed = WriteScreenshots(CString(argv[2]));
        ::DestroyWindow(g_gallery.hFrame);
        g_gallery.pages.clear();
        return failed ? 1 : 0;
    }
    ShowPage(0);
    ::ShowWindow(g_gallery.hFrame, SW_SHOW);
    MSG msg;
    while (::GetMessage(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    g_gallery.pages.clear();
    return 0;
}
