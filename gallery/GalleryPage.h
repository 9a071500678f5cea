// One page of the gallery: a family of controls shown with realistic content in every state.
#pragma once

#include <afxwin.h>

#include <functional>
#include <memory>
#include <vector>

class CGalleryPage {
public:
    virtual ~CGalleryPage() = default;

    // Short name, also the screenshot's file name ("framework" gives framework.png).
    virtual LPCTSTR GetName() const = 0;
    // Title shown in the gallery's page list.
    virtual LPCTSTR GetTitle() const = 0;
    // Creates the page window as a child of hParent filling rc; FALSE when the page cannot be shown.
    virtual BOOL Create(HWND hParent, const RECT& rc) = 0;
    virtual HWND GetSafeHwnd() const = 0;
    // Takes the page's screenshot with capture(). A page that shows something only while a modal loop
    // runs (an open menu) overrides this to capture from inside that loop.
    virtual HBITMAP Shoot(const std::function<HBITMAP()>& capture) { return capture(); }
    // The page was shown again or hidden: top-level windows the page opened show and hide with it.
    virtual void OnShow() {}
    virtual void OnHide() {}
};

// A page that is one window of its own class, made anew at every Create by its CreatePage(parent, rect).
template <class TWnd>
class CGalleryWndPage : public CGalleryPage {
public:
    CGalleryWndPage(LPCTSTR lpszName, LPCTSTR lpszTitle) : m_lpszName(lpszName), m_lpszTitle(lpszTitle) {}
    LPCTSTR GetName() const override { return m_lpszName; }
    LPCTSTR GetTitle() const override { return m_lpszTitle; }
    BOOL Create(HWND hParent, const RECT& rc) override {
        m_wnd.reset(new TWnd);
        return m_wnd->CreatePage(hParent, rc);
    }
    HWND GetSafeHwnd() const override { return m_wnd ? m_wnd->GetSafeHwnd() : NULL; }

protected:
    std::unique_ptr<TWnd> m_wnd;

private:
    LPCTSTR m_lpszName;
    LPCTSTR m_lpszTitle;
};

// A page that paints itself: derived pages draw their content in Paint.
class CGalleryPaintPage : public CGalleryPage {
public:
    ~CGalleryPaintPage() override;
    BOOL Create(HWND hParent, const RECT& rc) override;
    HWND GetSafeHwnd() const override { return m_hWnd; }

protected:
    virtual void Paint(CDC* pDC, const CRect& rcClient) = 0;

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd = nullptr;
};

// Switches the whole gallery to skin nIndex (the skin manager's numbering) or to a language table
// ("en-US", "zh-CN"): every page sees the change as a host shows it, the skin-changed message to each
// window, the language by rebuilding the pages from their language keys. Safe to call from a page's
// own handlers: the switch happens after the current message.
void GallerySwitchSkin(int nIndex);
void GallerySwitchLanguage(LPCTSTR lpszLanguage);

// Pages' own texts come in both languages; the language file tells which one shows.
bool GalleryIsChinese();
// One of a page's texts, Chinese or English by the current language, in this build's characters.
CString GalleryText(LPCWSTR lpszZh, LPCWSTR lpszEn);
// A dialog template with no controls (a popup with a caption, the default class, no title): pages
// make their skinned dialogs from it and create the controls by code. Keep the words while the
// dialog is created.
std::vector<WORD> GalleryEmptyDialogTemplate(int cxDlu, int cyDlu);

// A page showing one skinned dialog of its own under a line of text: the dialog is a top-level window
// placed over the page, shown and hidden with it. TDialog makes itself with BOOL CreateOver(CWnd*).
template <class TDialog>
class CGalleryDialogPage : public CGalleryPaintPage {
public:
    // The line above the dialog in Chinese and English.
    CGalleryDialogPage(LPCTSTR lpszName, LPCTSTR lpszTitle, LPCWSTR lpszLineZh, LPCWSTR lpszLineEn)
        : m_lpszName(lpszName), m_lpszTitle(lpszTitle), m_lpszLineZh(lpszLineZh), m_lpszLineEn(lpszLineEn) {}
    ~CGalleryDialogPage() override {
        if (m_dialog.GetSafeHwnd()) m_dialog.DestroyWindow();
    }
    LPCTSTR GetName() const override { return m_lpszName; }
    LPCTSTR GetTitle() const override { return m_lpszTitle; }

    BOOL Create(HWND hParent, const RECT& rc) override {
        if (!CGalleryPaintPage::Create(hParent, rc)) return FALSE;
        if (!m_dialog.CreateOver(CWnd::FromHandle(hParent))) return FALSE;
        OnShow();
        return TRUE;
    }
    void OnShow() override {
        CPoint pt(kDialogLeft, kDialogTop);
        ::ClientToScreen(GetSafeHwnd(), &pt);
        m_dialog.SetWindowPos(&CWnd::wndTop, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    void OnHide() override {
        if (m_dialog.GetSafeHwnd()) m_dialog.ShowWindow(SW_HIDE);
    }

protected:
    void Paint(CDC* pDC, const CRect&) override {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->TextOut(kDialogLeft, kDialogLeft, GalleryText(m_lpszLineZh, m_lpszLineEn));
    }

    enum { kDialogLeft = 12, kDialogTop = 36 };
    TDialog m_dialog;

private:
    LPCTSTR m_lpszName, m_lpszTitle;
    LPCWSTR m_lpszLineZh, m_lpszLineEn;
};

// The pages, in the order the gallery lists them; pages add themselves with REGISTER_GALLERY_PAGE.
using GalleryPageFactory = std::function<std::unique_ptr<CGalleryPage>()>;
std::vector<GalleryPageFactory>& GalleryPageFactories();

struct CGalleryPageRegistrar {
    explicit CGalleryPageRegistrar(GalleryPageFactory factory) {
        GalleryPageFactories().push_back(std::move(factory));
    }
};

#define REGISTER_GALLERY_PAGE(class_name)                                                                    \
    static const CGalleryPageRegistrar _register_##class_name([] { return std::make_unique<class_name>(); })
