// The gallery: every control family of the library on its own page, in a window or as screenshots.
//   gallery                   opens the gallery window
//   gallery --screenshot DIR  writes DIR\<page>.png for every page, exits non-zero if a page fails
#include <afxwin.h>

#include <stdio.h>

#include <algorithm>
#include <memory>
#include <vector>

#include <RIZuruzezu.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include "GalleryPage.h"
#include "GalleryShot.h"

namespace {

constexpr int kListWidth = 180;
constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 700;
constexpr int kListId = 100;
constexpr int kSkinComboId = 101;
constexpr int kLanguageComboId = 102;
constexpr int kComboHeight = 200;  // with the drop-down list
constexpr int kComboRow = 26;      // what the closed combo box takes
constexpr UINT WM_GALLERY_SWITCH_SKIN = WM_APP + 1;
constexpr UINT WM_GALLERY_SWITCH_LANGUAGE = WM_APP + 2;

const LPCTSTR kLanguages[] = {_T("en-US"), _T("zh-CN")};

// The page list from the skin up through the controls, the framework's own pages last; a page not
// named here goes after them.
const LPCTSTR kPageOrder[] = {_T("skin"),
                              _T("helpers"),
                              _T("smart-image"),
                              _T("buttons"),
                              _T("skinned-windows"),
                              _T("message-boxes"),
                              _T("ui-objects"),
                              _T("study-shop"),
                              _T("framework-windows"),
                              _T("framework"),
                              _T("outlook-bar"),
                              _T("contact-list"),
                              _T("lesson-toolbar"),
                              _T("media"),
                              _T("word-lists"),
                              _T("scroll-bars"),
                              _T("auto-skin"),
                              _T("study-toolbar"),
                              _T("study-toolbar-classic"),
                              _T("study-frame"),
                              _T("file-transfers"),
                              _T("sentences"),
                              _T("study-planner"),
                              _T("send-files"),
                              _T("chat-window")};

int PageRank(LPCTSTR lpszName) {
    for (int i = 0; i < static_cast<int>(_countof(kPageOrder)); ++i)
        if (lstrcmp(lpszName, kPageOrder[i]) == 0) return i;
    return static_cast<int>(_countof(kPageOrder));
}

struct GalleryState {
    HWND hFrame = nullptr;
    HWND hSkinCombo = nullptr;
    HWND hLanguageCombo = nullptr;
    HWND hList = nullptr;
    CString strLanguage = _T("en-US");
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
    if (g_gallery.current >= 0 && g_gallery.current != i) {
        ::ShowWindow(g_gallery.pages[g_gallery.current]->GetSafeHwnd(), SW_HIDE);
        g_gallery.pages[g_gallery.current]->OnHide();
    }
    g_gallery.current = i;
    ::ShowWindow(page->GetSafeHwnd(), SW_SHOW);
    page->OnShow();
    ::SendMessage(g_gallery.hList, LB_SETCURSEL, i, 0);
    return TRUE;
}

// The folder name of skin nIndex ("Default"), as the switcher and the screenshot names show it.
CString SkinName(int nIndex) {
    CString strFolder = CQVSkinResManager::GetSingletonPtr()->GetSkinFolder(nIndex);
    strFolder.TrimRight(_T('\\'));
    return strFolder.Mid(strFolder.ReverseFind(_T('\\')) + 1);
}

void ApplySkin(int nIndex) {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    if (!pSkins->LoadSkin(pSkins->GetSkinFolder(nIndex))) return;
    // Every top-level window of the gallery (the frame, and the windows pages open over it) and every
    // window inside them. Skinned windows also pass the message to their direct children themselves; a
    // second one does no harm.
    QVNotifyThreadWindows(WM_QV_SKINCHANGED);
    ::SendMessage(g_gallery.hSkinCombo, CB_SETCURSEL, pSkins->GetCurrentSkinkID(), 0);
    ::RedrawWindow(g_gallery.hFrame, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Pages take their texts from language keys when they are made, so a new language rebuilds them.
void ApplyLanguage(LPCTSTR lpszLanguage) {
    CQVLanResManager* pLanguages = CQVLanResManager::GetSingletonPtr();
    CString strFile = pLanguages->GetCurrentLanFile();
    int nSlash = strFile.ReverseFind(_T('\\'));
    if (!pLanguages->LoadLanguage(strFile.Left(nSlash + 1) + lpszLanguage + _T(".lng"))) return;
    g_gallery.strLanguage = lpszLanguage;
    const int current = g_gallery.current;
    g_gallery.current = -1;
    auto& factories = GalleryPageFactories();
    for (size_t i = 0; i < factories.size(); ++i)
        g_gallery.pages[i] = factories[i]();
    for (int i = 0; i < static_cast<int>(_countof(kLanguages)); ++i)
        if (g_gallery.strLanguage == kLanguages[i])
            ::SendMessage(g_gallery.hLanguageCombo, CB_SETCURSEL, i, 0);
    ShowPage(current < 0 ? 0 : current);
}

void LayoutGallery(HWND hWnd, int cy) {
    ::MoveWindow(g_gallery.hSkinCombo, 0, 0, kListWidth, kComboHeight, TRUE);
    ::MoveWindow(g_gallery.hLanguageCombo, 0, kComboRow, kListWidth, kComboHeight, TRUE);
    ::MoveWindow(g_gallery.hList, 0, 2 * kComboRow, kListWidth, cy - 2 * kComboRow, TRUE);
    if (g_gallery.current >= 0) {
        CRect rc = PageRect(hWnd);
        ::MoveWindow(g_gallery.pages[g_gallery.current]->GetSafeHwnd(), rc.left, rc.top, rc.Width(),
                     rc.Height(), TRUE);
    }
}

// The gallery's own window: a skinned frame holding the switchers, the page list and the page.
class CGalleryFrame : public CSkinFrameWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
                ShowPage(static_cast<int>(::SendMessage(g_gallery.hList, LB_GETCURSEL, 0, 0)));
                return 0;
            }
            if (LOWORD(wParam) == kSkinComboId && HIWORD(wParam) == CBN_SELCHANGE) {
                GallerySwitchSkin(static_cast<int>(::SendMessage(g_gallery.hSkinCombo, CB_GETCURSEL, 0, 0)));
                return 0;
            }
            if (LOWORD(wParam) == kLanguageComboId && HIWORD(wParam) == CBN_SELCHANGE) {
                const int i = static_cast<int>(::SendMessage(g_gallery.hLanguageCombo, CB_GETCURSEL, 0, 0));
                if (i >= 0 && i < static_cast<int>(_countof(kLanguages)))
                    GallerySwitchLanguage(kLanguages[i]);
                return 0;
            }
            break;
        case WM_GALLERY_SWITCH_SKIN:
            ApplySkin(static_cast<int>(wParam));
            return 0;
        case WM_GALLERY_SWITCH_LANGUAGE:
            ApplyLanguage(kLanguages[wParam < _countof(kLanguages) ? wParam : 0]);
            return 0;
        case WM_SIZE: {
            const LRESULT lResult = CSkinFrameWnd::WindowProc(message, wParam, lParam);
            if (g_gallery.hList) LayoutGallery(m_hWnd, HIWORD(lParam));
            return lResult;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            break;
        }
        return CSkinFrameWnd::WindowProc(message, wParam, lParam);
    }
};

BOOL CreateGalleryWindow() {
    // Popup menus of the thread get the skin's flat frame.
    CQVMenuWndHook::InstallHook(0);
    HINSTANCE hInstance = ::GetModuleHandle(nullptr);
    // The skinned frame grows by the difference between its frame and the system's, so that the client
    // area keeps the size asked for here.
    CRect rc(0, 0, kWindowWidth, kWindowHeight);
    ::AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    rc.OffsetRect(-rc.left, -rc.top);
    auto* pFrame = new CGalleryFrame;  // deletes itself when its window goes
    if (!pFrame->Create(NULL, _T("RIZuruzezu gallery"), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rc))
        return FALSE;
    g_gallery.hFrame = pFrame->GetSafeHwnd();
    g_gallery.hList =
        ::CreateWindowEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), nullptr,
                         WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
                         kListWidth, kWindowHeight, g_gallery.hFrame,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), hInstance, nullptr);
    const WPARAM hFont = reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT));
    ::SendMessage(g_gallery.hList, WM_SETFONT, hFont, FALSE);
    // The skin and language switchers above the page list.
    g_gallery.hSkinCombo = ::CreateWindow(
        _T("COMBOBOX"), nullptr, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, kListWidth, kComboHeight,
        g_gallery.hFrame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSkinComboId)), hInstance, nullptr);
    g_gallery.hLanguageCombo =
        ::CreateWindow(_T("COMBOBOX"), nullptr, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, kComboRow,
                       kListWidth, kComboHeight, g_gallery.hFrame,
                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLanguageComboId)), hInstance, nullptr);
    ::SendMessage(g_gallery.hSkinCombo, WM_SETFONT, hFont, FALSE);
    ::SendMessage(g_gallery.hLanguageCombo, WM_SETFONT, hFont, FALSE);
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    for (int i = 0; i < pSkins->GetSkinsTotal(); ++i) {
        CString strName = SkinName(i);
        ::SendMessage(g_gallery.hSkinCombo, CB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strName)));
    }
    ::SendMessage(g_gallery.hSkinCombo, CB_SETCURSEL, pSkins->GetCurrentSkinkID(), 0);
    for (LPCTSTR lpszLanguage : kLanguages)
        ::SendMessage(g_gallery.hLanguageCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszLanguage));
    ::SendMessage(g_gallery.hLanguageCombo, CB_SETCURSEL, 0, 0);
    // Pages register themselves in no particular order; list them as the library is layered.
    auto& factories = GalleryPageFactories();
    std::vector<std::unique_ptr<CGalleryPage>> made;
    std::vector<std::pair<int, size_t>> order;
    for (size_t i = 0; i < factories.size(); ++i) {
        made.push_back(factories[i]());
        order.emplace_back(PageRank(made.back()->GetName()), i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<GalleryPageFactory> sorted;
    for (const auto& entry : order) {
        sorted.push_back(factories[entry.second]);
        g_gallery.pages.push_back(std::move(made[entry.second]));
        ::SendMessage(g_gallery.hList, LB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(g_gallery.pages.back()->GetTitle()));
    }
    factories = std::move(sorted);
    return TRUE;
}

void PumpPending() {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// Writes one PNG per page in the current skin and language, named <page><suffix>.png; returns the
// number of pages that failed.
int WritePageScreenshots(const CString& strFolder, LPCTSTR lpszSuffix) {
    CGdiplusSession gdiplus;
    if (!gdiplus.IsReady()) {
        fprintf(stderr, "gallery: GDI+ did not start\n");
        return 1;
    }
    int failed = 0;
    for (int i = 0; i < static_cast<int>(g_gallery.pages.size()); ++i) {
        CGalleryPage* page = g_gallery.pages[i].get();
        CString strPath = strFolder + _T("\\") + page->GetName() + lpszSuffix + _T(".png");
        BOOL ok = ShowPage(i);
        PumpPending();
        HBITMAP hShot = ok ? page->Shoot([] { return CaptureWindowBitmap(g_gallery.hFrame); }) : nullptr;
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

// Every page twice: in the default skin and English, and in the second skin and Chinese.
int WriteScreenshots(const CString& strFolder) {
    ::CreateDirectory(strFolder, nullptr);
    ::ShowWindow(g_gallery.hFrame, SW_SHOWNOACTIVATE);
    int failed = WritePageScreenshots(strFolder, _T(""));
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    for (int i = 0; i < pSkins->GetSkinsTotal(); ++i) {
        if (i == pSkins->GetCurrentSkinkID()) continue;
        ApplySkin(i);
        ApplyLanguage(_T("zh-CN"));
        failed += WritePageScreenshots(strFolder, _T("-") + SkinName(i) + _T("-zh-CN"));
        break;
    }
    return failed;
}

}  // namespace

void GallerySwitchSkin(int nIndex) {
    ::PostMessage(g_gallery.hFrame, WM_GALLERY_SWITCH_SKIN, static_cast<WPARAM>(nIndex), 0);
}

void GallerySwitchLanguage(LPCTSTR lpszLanguage) {
    for (size_t i = 0; i < _countof(kLanguages); ++i)
        if (lstrcmp(lpszLanguage, kLanguages[i]) == 0)
            ::PostMessage(g_gallery.hFrame, WM_GALLERY_SWITCH_LANGUAGE, i, 0);
}

int main(int argc, char** argv) {
    // Skinned scroll bars answer the platform's scroll-bar calls only with the redirection in place.
    InstallScrollBarHook();
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
    // Controls see their messages first (tooltips relay mouse messages there), as in a framework host.
    MSG msg;
    while (::GetMessage(&msg, nullptr, 0, 0) > 0) {
        if (CWnd::WalkPreTranslateTree(g_gallery.hFrame, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    g_gallery.pages.clear();
    return 0;
}
