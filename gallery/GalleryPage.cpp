#include "GalleryPage.h"

#include <QVLanResManager.h>

#include "QVWndClass.h"

namespace {

const TCHAR kPaintPageClass[] = _T("RIZGalleryPaintPage");

}  // namespace

bool GalleryIsChinese() {
    CString strFile = CQVLanResManager::GetSingletonPtr()->GetCurrentLanFile();
    strFile.MakeLower();
    return strFile.Find(_T("zh")) >= 0;
}

CString GalleryText(LPCWSTR lpszZh, LPCWSTR lpszEn) {
    return CString(GalleryIsChinese() ? lpszZh : lpszEn);
}

std::vector<WORD> GalleryEmptyDialogTemplate(int cxDlu, int cyDlu) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* pTemplate = reinterpret_cast<DLGTEMPLATE*>(words.data());
    pTemplate->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    pTemplate->cx = static_cast<short>(cxDlu);
    pTemplate->cy = static_cast<short>(cyDlu);
    return words;  // no menu, the default class, no title
}

std::vector<GalleryPageFactory>& GalleryPageFactories() {
    static std::vector<GalleryPageFactory> factories;
    return factories;
}

CGalleryPaintPage::~CGalleryPaintPage() {
    if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

BOOL CGalleryPaintPage::Create(HWND hParent, const RECT& rc) {
    QVRegisterWndClass(kPaintPageClass, 0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, &WndProc,
                       ::GetModuleHandle(nullptr));
    m_hWnd = ::CreateWindowEx(0, kPaintPageClass, GetTitle(), WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top,
                              rc.right - rc.left, rc.bottom - rc.top, hParent, nullptr,
                              ::GetModuleHandle(nullptr), this);
    return m_hWnd != nullptr;
}

LRESULT CALLBACK CGalleryPaintPage::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        ::SetWindowLongPtr(
            hWnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams));
    auto* page = reinterpret_cast<CGalleryPaintPage*>(::GetWindowLongPtr(hWnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hWnd, &ps);
        CRect rc;
        ::GetClientRect(hWnd, &rc);
        // Off-screen surface: the page is drawn in one copy, without flicker.
        CDC dc;
        dc.CreateCompatibleDC(CDC::FromHandle(hdc));
        CBitmap bmp;
        bmp.CreateCompatibleBitmap(CDC::FromHandle(hdc), rc.Width(), rc.Height());
        CBitmap* pOld = dc.SelectObject(&bmp);
        dc.FillSolidRect(&rc, RGB(255, 255, 255));
        if (page) page->Paint(&dc, rc);
        ::BitBlt(hdc, 0, 0, rc.Width(), rc.Height(), dc.GetSafeHdc(), 0, 0, SRCCOPY);
        dc.SelectObject(pOld);
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}
