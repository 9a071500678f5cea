// Pictures and word book page: four GIF controls caught mid-animation -- a smiling face and a loading
// ring (transparent GIFs at their natural size), a landscape larger than its window (fitted, proportions
// kept) and a still PNG that does not play -- and a word book in an edit list box with one word open in
// its editor. The pictures are drawn by skingen at build time into bin\GalleryIcons (see
// skingen/GalleryGifs.h). Every control stays live: the animations run, words open on a double click.
#include "../GalleryPage.h"
#include "UIObjectsArt.h"

#include <RIZuruzezu.h>

#include <memory>

namespace {

using uigallery::FaceName;
using uigallery::PageColour;
using uigallery::Text;

constexpr int kLeft = 16;
constexpr int kTileTop = 72, kTileWidth = 180, kTileHeight = 120, kTileGap = 16;
constexpr int kBookTop = 284;
constexpr int kGifCount = 4;
constexpr UINT kFirstGifId = 3100, kBookId = 3110;

struct GifEntry {
    LPCTSTR lpszFile;
    LPCTSTR lpszCaptionKey;
    int nTicks;  // timer ticks run before the picture is shown: where the animation stands
};

const GifEntry kGifs[kGifCount] = {
    {_T("Smile.gif"), _T("IDS_GALLERY_MEDIA_SMILE"), 4},
    {_T("Loading.gif"), _T("IDS_GALLERY_MEDIA_RING"), 6},
    {_T("Lake.gif"), _T("IDS_GALLERY_MEDIA_LAKE"), 2},
    {_T("Book.png"), _T("IDS_GALLERY_MEDIA_STILL"), 0},
};

const LPCTSTR kWordKeys[] = {
    _T("IDS_GALLERY_MEDIA_W1"), _T("IDS_GALLERY_MEDIA_W2"), _T("IDS_GALLERY_MEDIA_W3"),
    _T("IDS_GALLERY_MEDIA_W4"), _T("IDS_GALLERY_MEDIA_W5"), _T("IDS_GALLERY_MEDIA_W6"),
    _T("IDS_GALLERY_MEDIA_W7"), _T("IDS_GALLERY_MEDIA_W8"), _T("IDS_GALLERY_MEDIA_W9")};
constexpr int kEditedWord = 3;

// The folder skingen writes the page's pictures into: GalleryIcons next to the program.
CString PictureFolder() {
    TCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileName(NULL, szPath, MAX_PATH);
    CString strPath = szPath;
    return strPath.Left(strPath.ReverseFind(_T('\\')) + 1) + _T("GalleryIcons\\");
}

class CMediaWnd : public CWnd {
public:
    BOOL CreatePage(HWND hParent, const RECT& rc);
    // Each animation restarted and run to its frame, the word open in the editor: the screenshot's
    // moment.
    void PrepareShot();

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static CRect TileRect(int i) {
        const int x = kLeft + i * (kTileWidth + kTileGap);
        return CRect(x, kTileTop, x + kTileWidth, kTileTop + kTileHeight);
    }
    static CRect BookRect() { return CRect(kLeft, kBookTop + 28, kLeft + 280, kBookTop + 28 + 184); }
    void DrawLines(CDC& dc, int x, int y, int cx, LPCTSTR lpszKey);

    CQVGifCtrl m_gifs[kGifCount];
    CQVEditListBox m_book;
};

BEGIN_MESSAGE_MAP(CMediaWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_QV_SKINCHANGED, &CMediaWnd::OnSkinChanged)
END_MESSAGE_MAP()

BOOL CMediaWnd::CreatePage(HWND hParent, const RECT& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Pictures"),
                  WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                  hParent, NULL))
        return FALSE;
    for (int i = 0; i < kGifCount; ++i) {
        if (!m_gifs[i].Create(WS_CHILD | WS_VISIBLE, TileRect(i), this, kFirstGifId + i)) return FALSE;
        m_gifs[i].LoadGifFile(PictureFolder() + kGifs[i].lpszFile);
    }
    if (!m_book.CreateEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), _T(""),
                         WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, BookRect(), this, kBookId))
        return FALSE;
    m_book.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    for (LPCTSTR lpszKey : kWordKeys)
        m_book.AddString(Text(lpszKey));
    PrepareShot();
    return TRUE;
}

void CMediaWnd::PrepareShot() {
    for (int i = 0; i < kGifCount; ++i) {
        m_gifs[i].Play();
        for (int t = 0; t < kGifs[i].nTicks; ++t)
            m_gifs[i].SendMessage(WM_TIMER, kQVGifTimerId);
        m_gifs[i].Invalidate(FALSE);
    }
    if (!m_book.IsEditing()) {
        m_book.SetCurSel(kEditedWord);
        m_book.EditSelItem();
        CQVEdit& editor = m_book.GetEditor();
        editor.SetWindowText(Text(_T("IDS_GALLERY_MEDIA_EDITING")));
        const int nEnd = editor.GetWindowTextLength();
        editor.SetSel(nEnd, nEnd);
    }
}

BOOL CMediaWnd::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, PageColour());
    return TRUE;
}

void CMediaWnd::DrawLines(CDC& dc, int x, int y, int cx, LPCTSTR lpszKey) {
    CRect rc(x, y, x + cx, y + 60);
    dc.DrawText(Text(lpszKey), &rc, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

void CMediaWnd::OnPaint() {
    CPaintDC dc(this);
    CFont fontTitle, fontText;
    const CString strFace = FaceName();
    fontTitle.CreatePointFont(120, strFace, &dc);
    fontText.CreatePointFont(90, strFace, &dc);
    CFont* pOldFont = dc.SelectObject(&fontTitle);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(30, 50, 90));
    dc.TextOut(kLeft, 14, Text(_T("IDS_GALLERY_MEDIA_TITLE")));
    dc.SelectObject(&fontText);
    dc.SetTextColor(RGB(30, 60, 110));
    dc.TextOut(kLeft, kTileTop - 24, Text(_T("IDS_GALLERY_MEDIA_GIFS")));
    dc.TextOut(kLeft, kBookTop, Text(_T("IDS_GALLERY_MEDIA_BOOK")));
    dc.SetTextColor(RGB(60, 60, 60));
    CPen pen(PS_SOLID, 1, RGB(170, 180, 200));
    CPen* pOldPen = dc.SelectObject(&pen);
    HGDIOBJ hOldBrush = dc.SelectObject(::GetStockObject(NULL_BRUSH));
    for (int i = 0; i < kGifCount; ++i) {
        CRect rcFrame = TileRect(i);
        rcFrame.InflateRect(1, 1);
        dc.Rectangle(&rcFrame);
        DrawLines(dc, rcFrame.left, rcFrame.bottom + 6, kTileWidth, kGifs[i].lpszCaptionKey);
    }
    dc.SelectObject(hOldBrush);
    dc.SelectObject(pOldPen);
    const CRect rcBook = BookRect();
    DrawLines(dc, rcBook.right + 20, rcBook.top, 300, _T("IDS_GALLERY_MEDIA_BOOK_HINT"));
    DrawLines(dc, rcBook.right + 20, rcBook.top + 64, 300, _T("IDS_GALLERY_MEDIA_BOOK_KEYS"));
    dc.SelectObject(pOldFont);
}

LRESULT CMediaWnd::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    // The word book takes the skin's border colour; the page's background follows the skin.
    m_book.SendMessage(WM_QV_SKINCHANGED, wParam, lParam);
    m_book.GetEditor().SendMessage(WM_QV_SKINCHANGED, wParam, lParam);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    return 0;
}

class CMediaPage : public CGalleryWndPage<CMediaWnd> {
public:
    CMediaPage() : CGalleryWndPage(_T("media"), _T("Pictures and word book")) {}
    ~CMediaPage() override {
        if (m_wnd && m_wnd->GetSafeHwnd()) m_wnd->DestroyWindow();
    }
    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        m_wnd->PrepareShot();
        // The editor shows its text once its paint has reached the screen: give the display a moment.
        m_wnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ::GdiFlush();
        ::Sleep(150);
        return capture();
    }
};

REGISTER_GALLERY_PAGE(CMediaPage);

}  // namespace
