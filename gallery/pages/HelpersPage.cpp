// Drawing helpers page: controls painted off-screen in one copy, labels and badges that show their
// parent's patterned background through DrawTransparentBkg and DrawTransparentBkg_2, an image list
// addressed by command ids, and window and menu texts translated from language keys.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVDibSection.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kTitleHeight = 34;
constexpr int kColumn = 400;  // left edge of the right-hand column
constexpr int kIcon = 16;

// Command ids of the menu shown with the image list; the strip holds one icon per id, in this order.
enum {
    ID_LESSON_OPEN = 3001,
    ID_LESSON_SAVE,
    ID_EDIT_COPY_WORD,
    ID_EDIT_PASTE_WORD,
    ID_APP_EXIT_LESSON,
    ID_HELP_TOPICS,
    ID_NO_IMAGE,  // an item without an icon: the list draws nothing for it
};
const UINT kStripIds[] = {ID_LESSON_OPEN, ID_EDIT_COPY_WORD,  ID_EDIT_PASTE_WORD,
                          ID_LESSON_SAVE, ID_APP_EXIT_LESSON, ID_HELP_TOPICS};

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

CFont& UiFont(int nPoints = 90, BOOL bBold = FALSE) {
    static CFont s_fonts[2][2];
    CFont& font = s_fonts[nPoints > 90][bBold ? 1 : 0];
    if (!font.GetSafeHandle()) {
        LOGFONT lf = {};
        lf.lfHeight = -MulDiv(nPoints, 96, 720);
        lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpyn(lf.lfFaceName, Text(_T("IDS_DEF_FONT")), LF_FACESIZE);
        font.CreateFontIndirect(&lf);
    }
    return font;
}

// ---- Image strips drawn for the page ----

// A 24-bit BMP of a 32-bit top-down DIB.
BOOL WriteBmp(LPCTSTR lpszPath, const DWORD* pBits, int cx, int cy) {
    const int nStride = (cx * 3 + 3) & ~3;
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(bih);
    bih.biWidth = cx;
    bih.biHeight = cy;  // bottom-up rows
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    bih.biSizeImage = nStride * cy;
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
    bfh.bfSize = bfh.bfOffBits + bih.biSizeImage;
    std::vector<BYTE> data(bih.biSizeImage);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            const DWORD v = pBits[(cy - 1 - y) * cx + x];
            BYTE* p = &data[y * nStride + x * 3];
            p[0] = static_cast<BYTE>(v);
            p[1] = static_cast<BYTE>(v >> 8);
            p[2] = static_cast<BYTE>(v >> 16);
        }
    CFile file;
    if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite)) return FALSE;
    file.Write(&bfh, sizeof(bfh));
    file.Write(&bih, sizeof(bih));
    file.Write(data.data(), static_cast<UINT>(data.size()));
    return TRUE;
}

// One 16 x 16 icon per command, on the magenta key; bHot draws the brighter set of the second strip.
void DrawIcon(CDC* pDC, int nIcon, int x, BOOL bHot) {
    const COLORREF clrLine = bHot ? RGB(0, 70, 160) : RGB(70, 70, 80);
    CPen pen(PS_SOLID, 1, clrLine);
    CPen* pOldPen = pDC->SelectObject(&pen);
    auto box = [&](int l, int t, int r, int b, COLORREF clrFill) {
        CBrush brush(clrFill);
        CBrush* pOld = pDC->SelectObject(&brush);
        pDC->Rectangle(x + l, t, x + r, b);
        pDC->SelectObject(pOld);
    };
    switch (nIcon) {
    case 0: {  // open: a folder
        box(1, 4, 15, 14, bHot ? RGB(255, 214, 90) : RGB(236, 190, 80));
        box(1, 2, 7, 5, bHot ? RGB(255, 214, 90) : RGB(236, 190, 80));
        break;
    }
    case 1:  // copy: two pages
        box(1, 1, 10, 12, RGB(255, 255, 255));
        box(5, 4, 14, 15, bHot ? RGB(220, 236, 255) : RGB(240, 240, 240));
        break;
    case 2:  // paste: a clipboard with a page
        box(2, 2, 13, 15, bHot ? RGB(214, 160, 100) : RGB(180, 130, 80));
        box(6, 6, 14, 15, RGB(255, 255, 255));
        box(5, 1, 10, 4, RGB(200, 200, 200));
        break;
    case 3:  // save: a disk
        box(1, 1, 15, 15, bHot ? RGB(60, 130, 230) : RGB(60, 90, 160));
        box(4, 1, 12, 6, RGB(255, 255, 255));
        box(4, 9, 12, 15, RGB(230, 230, 230));
        break;
    case 4: {  // exit: a door and an arrow
        box(1, 1, 9, 15, bHot ? RGB(200, 120, 70) : RGB(150, 90, 60));
        CBrush brush(bHot ? RGB(230, 60, 50) : RGB(180, 50, 40));
        CBrush* pOld = pDC->SelectObject(&brush);
        POINT arrow[] = {{x + 8, 6},   {x + 12, 6},  {x + 12, 3}, {x + 15, 8},
                         {x + 12, 13}, {x + 12, 10}, {x + 8, 10}};
        pDC->Polygon(arrow, _countof(arrow));
        pDC->SelectObject(pOld);
        break;
    }
    default: {  // help: a round badge with a question mark
        CBrush brush(bHot ? RGB(40, 150, 240) : RGB(40, 110, 190));
        CBrush* pOld = pDC->SelectObject(&brush);
        pDC->Ellipse(x + 1, 1, x + 15, 15);
        pDC->SelectObject(pOld);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(255, 255, 255));
        CRect rc(x + 1, 1, x + 15, 15);
        pDC->SelectObject(&UiFont(90, TRUE));
        pDC->DrawText(_T("?"), 1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        break;
    }
    }
    pDC->SelectObject(pOldPen);
}

// Writes the normal and the hot strip into the temporary folder; empty names when that fails.
void WriteIconStrips(CString& strNormal, CString& strHot) {
    TCHAR szTemp[MAX_PATH] = {};
    ::GetTempPath(MAX_PATH, szTemp);
    const int cx = kIcon * _countof(kStripIds);
    for (int nStrip = 0; nStrip < 2; ++nStrip) {
        void* pBits = nullptr;
        HBITMAP hBitmap = QVCreateDib32(cx, kIcon, &pBits);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(dc, hBitmap);
        dc.FillSolidRect(0, 0, cx, kIcon, RGB(255, 0, 255));
        for (int i = 0; i < static_cast<int>(_countof(kStripIds)); ++i)
            DrawIcon(&dc, i, i * kIcon, nStrip == 1);
        ::GdiFlush();
        CString strPath;
        strPath.Format(_T("%sRIZGalleryIcons%d.bmp"), szTemp, nStrip);
        if (WriteBmp(strPath, static_cast<const DWORD*>(pBits), cx, kIcon))
            (nStrip ? strHot : strNormal) = strPath;
        ::SelectObject(dc, hOld);
        ::DeleteObject(hBitmap);
    }
}

// ---- The page's parts ----

// A lesson card painted off-screen and copied in one BitBlt: no flicker while it repaints.
class CLessonCard : public CWnd {
protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLessonCard, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
END_MESSAGE_MAP()

void CLessonCard::OnPaint() {
    CPaintDC paint(this);
    CRect rc;
    GetClientRect(&rc);
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    {
        CQVPaintMemoryDC dc(this, &paint, RGB(252, 252, 250));
        dc.Draw3dRect(&rc, pColors->GetColor(4), pColors->GetColor(4));
        dc.FillSolidRect(1, 1, 6, rc.Height() - 2, pColors->GetColor(8));
        dc.SetBkMode(TRANSPARENT);
        CFont* pOldFont = dc.SelectObject(&UiFont(100, TRUE));
        dc.SetTextColor(RGB(30, 30, 30));
        dc.TextOut(18, 10, CString(_T("Lesson 3 · 第三课")));
        dc.SelectObject(&UiFont());
        dc.SetTextColor(RGB(90, 90, 90));
        dc.TextOut(18, 32, CString(_T("Greetings: Hello, how are you?")));
        // Progress of the lesson: 7 of 12 exercises.
        CRect rcBar(18, rc.bottom - 22, rc.right - 14, rc.bottom - 12);
        dc.FillSolidRect(&rcBar, RGB(228, 230, 234));
        rcBar.right = rcBar.left + rcBar.Width() * 7 / 12;
        dc.FillSolidRect(&rcBar, pColors->GetColor(8));
        dc.SelectObject(pOldFont);
    }
    // A price tag drawn through a surface of its own, at the tag's rectangle of the card.
    CRect rcTag(rc.right - 74, 10, rc.right - 12, 30);
    CQVPaintMemoryDC tag(&paint, rcTag);
    tag.FillSolidRect(0, 0, rcTag.Width(), rcTag.Height(), RGB(220, 80, 60));
    tag.SetBkMode(TRANSPARENT);
    tag.SetTextColor(RGB(255, 255, 255));
    CFont* pOldFont = tag.SelectObject(&UiFont(90, TRUE));
    CRect rcText(0, 0, rcTag.Width(), rcTag.Height());
    tag.DrawText(_T("$4.99"), -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    tag.SelectObject(pOldFont);
}

// A label without a background of its own: its parent's background, then its text. With bSecondForm,
// DrawTransparentBkg_2 leaves the DC in the parent's coordinates and the label draws its frame there.
class CGlassLabel : public CWnd {
public:
    explicit CGlassLabel(BOOL bSecondForm) : m_bSecondForm(bSecondForm) {}

protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bSecondForm;
};

BEGIN_MESSAGE_MAP(CGlassLabel, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
END_MESSAGE_MAP()

void CGlassLabel::OnPaint() {
    CPaintDC paint(this);
    CRect rc;
    GetClientRect(&rc);
    CString strText;
    GetWindowText(strText);
    CQVPaintMemoryDC dc(this, &paint, 0);
    if (m_bSecondForm) {
        DrawTransparentBkg_2(this, GetParent(), &dc);
        // Still in the parent's coordinates: the frame is drawn around the label's place in the parent.
        CRect rcInParent;
        GetWindowRect(&rcInParent);
        GetParent()->ScreenToClient(&rcInParent);
        dc.Draw3dRect(&rcInParent, RGB(255, 255, 255), RGB(40, 60, 90));
        dc.SetViewportOrg(0, 0);
    } else {
        DrawTransparentBkg(this, GetParent(), &dc);
    }
    dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = dc.SelectObject(&UiFont(100, TRUE));
    CRect rcText(rc);
    rcText.OffsetRect(1, 1);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SetTextColor(RGB(20, 30, 60));
    dc.DrawText(strText, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(pOldFont);
}

// A popup menu drawn as it would open: translated item texts with their icons from the image list
// (the second, brighter strip for the highlighted item).
class CMenuPreview : public CWnd {
public:
    CMenu m_menu;
    CQVBitmapList* m_pImages = nullptr;
    int m_nHot = 1;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuPreview, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
END_MESSAGE_MAP()

void CMenuPreview::OnPaint() {
    CPaintDC paint(this);
    CRect rc;
    GetClientRect(&rc);
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    CQVPaintMemoryDC dc(this, &paint, pColors->GetColor(11) ? pColors->GetColor(11) : RGB(250, 250, 250));
    dc.FillSolidRect(1, 1, 26, rc.Height() - 2, pColors->GetColor(12));
    dc.Draw3dRect(&rc, pColors->GetColor(4), pColors->GetColor(4));
    CMenu* pPopup = m_menu.GetSubMenu(0);
    if (!pPopup) return;
    dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = dc.SelectObject(&UiFont());
    int y = 4;
    for (UINT i = 0; i < pPopup->GetMenuItemCount(); ++i) {
        const UINT nID = pPopup->GetMenuItemID(i);
        if (nID == 0) {
            dc.FillSolidRect(32, y + 3, rc.Width() - 38, 1, pColors->GetColor(10));
            y += 8;
            continue;
        }
        CRect rcItem(3, y, rc.right - 3, y + 22);
        const BOOL bHot = static_cast<int>(i) == m_nHot;
        if (bHot) {
            dc.FillSolidRect(&rcItem, pColors->GetColor(13));
            dc.Draw3dRect(&rcItem, pColors->GetColor(14), pColors->GetColor(14));
        }
        if (m_pImages) m_pImages->DrawImageEx(&dc, 6, y + 3, nID, bHot ? 2 : 1);
        CString strText;
        pPopup->GetMenuString(i, strText, MF_BYPOSITION);
        CRect rcText(34, y, rc.right - 8, y + 22);
        dc.SetTextColor(RGB(30, 30, 30));
        dc.DrawText(strText, &rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        y += 22;
    }
    dc.SelectObject(pOldFont);
}

// ---- The page window ----

class CHelpersPageWnd : public CWnd {
public:
    ~CHelpersPageWnd() override;
    BOOL CreatePage(HWND hParent, const RECT& rc);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnSkinChanged(WPARAM, LPARAM) { return 1; }
    DECLARE_MESSAGE_MAP()

private:
    void PaintPattern(CDC* pDC, const CRect& rc);
    void PaintHeading(CDC* pDC, int x, int y, LPCTSTR lpszKey);
    CWnd* AddStatic(LPCTSTR lpszText, const CRect& rc);

    CLessonCard m_card;
    CGlassLabel m_glass{FALSE};
    CGlassLabel m_glassBadge{FALSE};
    CGlassLabel m_glass2{TRUE};
    CMenuPreview m_menuPreview;
    CQVBitmapList m_images;
    std::vector<CWnd*> m_statics;
    CRect m_rcPattern;
    CRect m_rcImages;
};

BEGIN_MESSAGE_MAP(CHelpersPageWnd, CWnd)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_QV_SKINCHANGED, &CHelpersPageWnd::OnSkinChanged)
END_MESSAGE_MAP()

CHelpersPageWnd::~CHelpersPageWnd() {
    for (CWnd* pWnd : m_statics)
        delete pWnd;
}

CWnd* CHelpersPageWnd::AddStatic(LPCTSTR lpszText, const CRect& rc) {
    CWnd* pWnd = new CWnd;
    pWnd->Create(_T("STATIC"), lpszText, WS_CHILD | WS_VISIBLE | SS_LEFT, rc, this, 0);
    pWnd->SetFont(&UiFont());
    m_statics.push_back(pWnd);
    return pWnd;
}

BOOL CHelpersPageWnd::CreatePage(HWND hParent, const RECT& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)),
                  _T("~IDS_GALLERY_PAGE_HELPERS"), WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top,
                  rc.right - rc.left, rc.bottom - rc.top, hParent, nullptr))
        return FALSE;
    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    const LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));

    // Off-screen painting.
    int y = kMargin + kTitleHeight + 22;
    m_card.Create(lpszClass, _T(""), dwChild, CRect(kMargin, y, kMargin + 350, y + 84), this, 0);

    // Transparent backgrounds over the patterned band.
    y += 84 + 38;
    m_rcPattern.SetRect(kMargin, y, kMargin + 350, y + 150);
    m_glass.Create(lpszClass, _T("~IDS_GALLERY_MENU_OPEN"), dwChild,
                   CRect(m_rcPattern.left + 14, y + 16, m_rcPattern.left + 174, y + 48), this, 0);
    m_glassBadge.Create(lpszClass, _T("Word book · 单词本"), dwChild | WS_BORDER,
                        CRect(m_rcPattern.left + 37, y + 66, m_rcPattern.left + 213, y + 98), this, 0);
    m_glass2.Create(lpszClass, _T("~IDS_GALLERY_MENU_SAVE"), dwChild,
                    CRect(m_rcPattern.left + 180, y + 108, m_rcPattern.left + 330, y + 138), this, 0);

    // Translated texts: the raw keys on the left, translated by TranslateWndStrings.
    y = m_rcPattern.bottom + 38;
    static const LPCTSTR s_keys[] = {_T("~IDS_GALLERY_MENU_FILE"), _T("  ~IDS_GALLERY_MENU_EDIT"),
                                     _T("~IDS_GALLERY_TRANSPARENT_BKG"), _T("~IDS_OK"), _T("Plain text")};
    for (int i = 0; i < static_cast<int>(_countof(s_keys)); ++i) {
        // The raw text in quotes (so that it is not translated itself), blanks shown as dots.
        CString strKey = CString(_T("\"")) + s_keys[i] + _T("\"");
        strKey.Replace(_T(" "), _T("·"));
        AddStatic(strKey, CRect(kMargin, y + i * 22, kMargin + 200, y + i * 22 + 20));
        AddStatic(s_keys[i], CRect(kMargin + 210, y + i * 22, kMargin + 360, y + i * 22 + 20));
    }

    // The image list and the translated menu.
    CString strNormal, strHot;
    WriteIconStrips(strNormal, strHot);
    m_images.LoadBitmaps(strNormal, strHot, kStripIds, _countof(kStripIds), RGB(255, 0, 255));
    if (!strNormal.IsEmpty()) ::DeleteFile(strNormal);
    if (!strHot.IsEmpty()) ::DeleteFile(strHot);
    m_rcImages.SetRect(kColumn, kMargin + kTitleHeight + 22, kColumn + 380, kMargin + kTitleHeight + 122);

    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenu(hPopup, MF_STRING, ID_LESSON_OPEN, _T("~IDS_GALLERY_MENU_OPEN"));
    ::AppendMenu(hPopup, MF_STRING, ID_LESSON_SAVE, _T("~IDS_GALLERY_MENU_SAVE"));
    ::AppendMenu(hPopup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hPopup, MF_STRING, ID_EDIT_COPY_WORD, _T("~IDS_GALLERY_MENU_COPY"));
    ::AppendMenu(hPopup, MF_STRING, ID_EDIT_PASTE_WORD, _T("~IDS_GALLERY_MENU_PASTE"));
    ::AppendMenu(hPopup, MF_STRING, ID_NO_IMAGE, _T("~IDS_GALLERY_TRANSLATION"));
    ::AppendMenu(hPopup, MF_STRING, ID_HELP_TOPICS, _T("~IDS_GALLERY_MENU_HELP"));
    ::AppendMenu(hPopup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hPopup, MF_STRING, ID_APP_EXIT_LESSON, _T("~IDS_GALLERY_MENU_EXIT"));
    m_menuPreview.m_menu.CreateMenu();
    m_menuPreview.m_menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup),
                                    _T("~IDS_GALLERY_MENU_FILE"));
    TranslateMenuStrings(&m_menuPreview.m_menu);
    m_menuPreview.m_pImages = &m_images;
    m_menuPreview.Create(
        lpszClass, _T(""), dwChild,
        CRect(kColumn, m_rcImages.bottom + 40, kColumn + 220, m_rcImages.bottom + 40 + 8 + 7 * 22 + 16), this,
        0);

    TranslateWndStrings(this);
    return TRUE;
}

// Diagonal bands in the skin's accent colours with a ruler: a background whose every pixel tells
// where it belongs, so a shifted copy would show at once.
void CHelpersPageWnd::PaintPattern(CDC* pDC, const CRect& rc) {
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    pDC->FillSolidRect(&rc, pColors->GetColor(9));
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rc);
    CBrush brush(pColors->GetColor(6));
    CPen pen(PS_NULL, 0, RGB(0, 0, 0));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (int x = rc.left - rc.Height(); x < rc.right; x += 24) {
        POINT band[] = {
            {x, rc.bottom}, {x + 12, rc.bottom}, {x + 12 + rc.Height(), rc.top}, {x + rc.Height(), rc.top}};
        pDC->Polygon(band, 4);
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    for (int x = rc.left; x < rc.right; x += 10)
        pDC->FillSolidRect(x, rc.bottom - ((x - rc.left) % 50 == 0 ? 12 : 6), 1, 12, pColors->GetColor(3));
    pDC->RestoreDC(nSaved);
}

void CHelpersPageWnd::PaintHeading(CDC* pDC, int x, int y, LPCTSTR lpszKey) {
    CFont* pOldFont = pDC->SelectObject(&UiFont(100, TRUE));
    pDC->SetTextColor(RGB(20, 60, 120));
    pDC->TextOut(x, y, Text(lpszKey));
    pDC->SelectObject(pOldFont);
}

BOOL CHelpersPageWnd::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, RGB(255, 255, 255));
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(&UiFont(140, TRUE));
    pDC->SetTextColor(RGB(20, 60, 120));
    pDC->TextOut(kMargin, kMargin, Text(_T("IDS_GALLERY_PAGE_HELPERS")));
    pDC->SelectObject(pOldFont);

    const int yTop = kMargin + kTitleHeight;
    PaintHeading(pDC, kMargin, yTop, _T("IDS_GALLERY_PAINT_MEMORY_DC"));
    PaintHeading(pDC, kMargin, m_rcPattern.top - 24, _T("IDS_GALLERY_TRANSPARENT_BKG"));
    PaintHeading(pDC, kMargin, m_rcPattern.bottom + 14, _T("IDS_GALLERY_TRANSLATION"));
    PaintHeading(pDC, kColumn, yTop, _T("IDS_GALLERY_BITMAP_LIST"));
    PaintPattern(pDC, m_rcPattern);

    // The image list: every id in both strips at its own size, then stretched to 32 x 32.
    for (int i = 0; i < static_cast<int>(_countof(kStripIds)); ++i) {
        const int x = m_rcImages.left + i * 22;
        m_images.DrawImageEx(pDC, x, m_rcImages.top + 4, kStripIds[i], 1);
        m_images.DrawImageEx(pDC, x, m_rcImages.top + 26, kStripIds[i], 2);
        const int xLarge = m_rcImages.left + 150 + (i % 3) * 76;
        const int yLarge = m_rcImages.top + 4 + (i / 3) * 38;
        m_images.DrawImageEx(pDC, xLarge, yLarge, 32, 32, kStripIds[i], 1);
        m_images.DrawImageEx(pDC, xLarge + 36, yLarge, 32, 32, kStripIds[i], 2);
    }
    CFont* pOldSmall = pDC->SelectObject(&UiFont());
    pDC->SetTextColor(RGB(90, 90, 90));
    CString strSize;
    strSize.Format(_T("%d x %d, %d ids"), m_images.GetImageSize().cx, m_images.GetImageSize().cy,
                   static_cast<int>(_countof(kStripIds)));
    pDC->TextOut(m_rcImages.left, m_rcImages.top + 50, strSize);
    pDC->TextOut(m_rcImages.left, m_rcImages.bottom + 16, _T("TranslateMenuStrings + DrawImageEx (id)"));
    pDC->SelectObject(pOldSmall);
    return TRUE;
}

HBRUSH CHelpersPageWnd::OnCtlColor(CDC* pDC, CWnd*, UINT) {
    pDC->SetBkColor(RGB(255, 255, 255));
    pDC->SetTextColor(RGB(40, 40, 40));
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

class CHelpersPage : public CGalleryPage {
public:
    LPCTSTR GetName() const override { return _T("helpers"); }
    LPCTSTR GetTitle() const override { return _T("Drawing helpers"); }
    BOOL Create(HWND hParent, const RECT& rc) override { return m_wnd.CreatePage(hParent, rc); }
    HWND GetSafeHwnd() const override { return m_wnd.GetSafeHwnd(); }

private:
    CHelpersPageWnd m_wnd;
};

REGISTER_GALLERY_PAGE(CHelpersPage);

}  // namespace
