// Smart image page: a toolbar button strip of four states drawn as three cells at several widths, a
// vertical three-cell bar, a card drawn as nine cells at several sizes, with and without its centre, and
// both at several opacities over a checkerboard. The images are drawn for the page in the skin's colours.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVImageEncoder.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <gdiplus.h>

#include <algorithm>

namespace {

using Gdiplus::Color;

constexpr int kMargin = 16;
constexpr int kStateWidth = 36, kStateHeight = 26, kStates = 4, kCap = 6;
constexpr int kBarWidth = 14, kBarHeight = 40;
constexpr int kCard = 40, kCardEdge = 12;

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

CFont& UiFont(int nPoints, BOOL bBold) {
    static CFont s_fonts[3][2];
    CFont& font = s_fonts[nPoints >= 140 ? 2 : nPoints > 90][bBold ? 1 : 0];
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

Color ToColor(COLORREF clr, BYTE alpha = 255) {
    return Color(alpha, GetRValue(clr), GetGValue(clr), GetBValue(clr));
}

void RoundRectPath(Gdiplus::GraphicsPath& path, Gdiplus::REAL x, Gdiplus::REAL y, Gdiplus::REAL cx,
                   Gdiplus::REAL cy, Gdiplus::REAL r) {
    path.AddArc(x, y, 2 * r, 2 * r, 180, 90);
    path.AddArc(x + cx - 2 * r, y, 2 * r, 2 * r, 270, 90);
    path.AddArc(x + cx - 2 * r, y + cy - 2 * r, 2 * r, 2 * r, 0, 90);
    path.AddArc(x, y + cy - 2 * r, 2 * r, 2 * r, 90, 90);
    path.CloseFigure();
}

// Saves the bitmap as a PNG in the temporary folder and loads it into the image; the file is removed
// once loaded.
BOOL LoadFromBitmap(CQVSmartImage& image, Gdiplus::Bitmap& bitmap, LPCTSTR lpszName) {
    CLSID clsid;
    if (!QVGetPngEncoderClsid(&clsid)) return FALSE;
    TCHAR szTemp[MAX_PATH] = {};
    ::GetTempPath(MAX_PATH, szTemp);
    CString strPath;
    strPath.Format(_T("%sRIZGallery%lu%s.png"), szTemp, ::GetCurrentProcessId(), lpszName);
    if (bitmap.Save(CStringW(strPath), &clsid, nullptr) != Gdiplus::Ok) return FALSE;
    const BOOL bLoaded = image.SetImage(strPath);
    ::DeleteFile(strPath);
    return bLoaded;
}

// Four button states side by side: normal, hover, pressed, disabled.
void DrawButtonStrip(Gdiplus::Bitmap& bitmap, const CQVSkinColorDef* pColors) {
    Gdiplus::Graphics g(&bitmap);
    g.Clear(Color(0, 0, 0, 0));
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const Color fills[kStates][2] = {
        {Color(150, 255, 255, 255), Color(150, 236, 240, 246)},
        {ToColor(pColors->GetColor(9)), ToColor(pColors->GetColor(6))},
        {ToColor(pColors->GetColor(6)), ToColor(pColors->GetColor(9))},
        {Color(110, 230, 230, 230), Color(110, 210, 210, 210)},
    };
    const Color borders[kStates] = {ToColor(pColors->GetColor(4), 200), ToColor(pColors->GetColor(8)),
                                    ToColor(pColors->GetColor(3)), Color(120, 160, 160, 160)};
    for (int s = 0; s < kStates; ++s) {
        const Gdiplus::REAL x = static_cast<Gdiplus::REAL>(s * kStateWidth);
        Gdiplus::GraphicsPath path;
        RoundRectPath(path, x + 0.5f, 0.5f, kStateWidth - 1.0f, kStateHeight - 1.0f, 5.0f);
        Gdiplus::LinearGradientBrush brush(Gdiplus::PointF(0, 0), Gdiplus::PointF(0, kStateHeight),
                                           fills[s][0], fills[s][1]);
        g.FillPath(&brush, &path);
        Gdiplus::Pen pen(borders[s], 1.0f);
        g.DrawPath(&pen, &path);
        // A highlight line under the top edge of the hover state.
        if (s == 1) {
            Gdiplus::Pen shine(Color(170, 255, 255, 255), 1.0f);
            g.DrawLine(&shine, x + 5, 1.5f, x + kStateWidth - 5, 1.5f);
        }
    }
}

// A vertical bar: the head and tail are its rounded ends, the middle a horizontal gradient.
void DrawBar(Gdiplus::Bitmap& bitmap, const CQVSkinColorDef* pColors) {
    Gdiplus::Graphics g(&bitmap);
    g.Clear(Color(0, 0, 0, 0));
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::GraphicsPath path;
    RoundRectPath(path, 0.5f, 0.5f, kBarWidth - 1.0f, kBarHeight - 1.0f, 6.0f);
    Gdiplus::LinearGradientBrush brush(Gdiplus::PointF(0, 0), Gdiplus::PointF(kBarWidth, 0),
                                       ToColor(pColors->GetColor(8)), ToColor(pColors->GetColor(3)));
    g.FillPath(&brush, &path);
    Gdiplus::Pen pen(ToColor(pColors->GetColor(3)), 1.0f);
    g.DrawPath(&pen, &path);
}

// A card: soft shadow, rounded white body, an accent band along the top edge.
void DrawCard(Gdiplus::Bitmap& bitmap, const CQVSkinColorDef* pColors) {
    Gdiplus::Graphics g(&bitmap);
    g.Clear(Color(0, 0, 0, 0));
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    for (int i = 0; i < 4; ++i) {
        Gdiplus::GraphicsPath shadow;
        RoundRectPath(shadow, 1.0f + i * 0.5f, 2.0f + i * 0.5f, kCard - 2.0f - i, kCard - 2.0f - i, 8.0f);
        Gdiplus::SolidBrush brush(Color(18, 0, 0, 0));
        g.FillPath(&brush, &shadow);
    }
    Gdiplus::GraphicsPath body;
    RoundRectPath(body, 0.5f, 0.5f, kCard - 3.0f, kCard - 3.0f, 7.0f);
    Gdiplus::SolidBrush white(Color(255, 255, 255, 255));
    g.FillPath(&white, &body);
    g.SetClip(&body);
    Gdiplus::SolidBrush accent(ToColor(pColors->GetColor(8)));
    g.FillRectangle(&accent, 0, 0, kCard, 8);
    g.ResetClip();
    Gdiplus::Pen pen(ToColor(pColors->GetColor(4)), 1.0f);
    g.DrawPath(&pen, &body);
}

class CSmartImagePage : public CGalleryPaintPage {
public:
    LPCTSTR GetName() const override { return _T("smart-image"); }
    LPCTSTR GetTitle() const override { return _T("Smart image"); }

protected:
    void Paint(CDC* pDC, const CRect& rcClient) override;

private:
    // Draws the page's images again when the skin changed.
    void PrepareImages();
    void Heading(CDC* pDC, int x, int y, LPCTSTR lpszText);
    void Caption(CDC* pDC, const CRect& rc, LPCTSTR lpszText, COLORREF clr = RGB(30, 30, 30));
    void Checkerboard(CDC* pDC, const CRect& rc);

    CString m_strSkin;
    CQVSmartImage m_button;       // three cells, four states
    CQVSmartImage m_buttonFixed;  // the same at its own size (tile mode 0)
    CQVSmartImage m_bar;          // three cells, vertical
    CQVSmartImage m_card;         // nine cells with its centre
    CQVSmartImage m_frame;        // nine cells without centre
};

REGISTER_GALLERY_PAGE(CSmartImagePage);

void CSmartImagePage::PrepareImages() {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    if (m_strSkin == pSkin->GetCurrentSkinPath() && m_button.IsLoaded()) return;
    m_strSkin = pSkin->GetCurrentSkinPath();
    if (!CQVGdiplusImage::EnsureGdiplus()) return;
    const CQVSkinColorDef* pColors = pSkin->GetClrDef();

    Gdiplus::Bitmap strip(kStateWidth * kStates, kStateHeight, PixelFormat32bppARGB);
    DrawButtonStrip(strip, pColors);
    LoadFromBitmap(m_button, strip, _T("Button"));
    m_button.SetStateCount(kStates);
    m_button.Set3CellTileMode(TRUE);
    m_button.Set3CellHeadWidth(kCap);
    m_button.Set3CellTailWidth(kCap);
    m_buttonFixed = m_button;
    m_buttonFixed.Set3CellTileMode(FALSE);

    Gdiplus::Bitmap bar(kBarWidth, kBarHeight, PixelFormat32bppARGB);
    DrawBar(bar, pColors);
    LoadFromBitmap(m_bar, bar, _T("Bar"));
    m_bar.Set3CellTileMode(TRUE);
    m_bar.Set3CellHorizontal(FALSE);
    m_bar.Set3CellHeadWidth(kCap);
    m_bar.Set3CellTailWidth(kCap);

    Gdiplus::Bitmap card(kCard, kCard, PixelFormat32bppARGB);
    DrawCard(card, pColors);
    LoadFromBitmap(m_card, card, _T("Card"));
    m_card.SetDrawType(SIDT_9CELL);
    CString strCells;
    strCells.Format(_T("%d,%d,%d,%d,%d,%d,%d,%d"), kCardEdge, kCardEdge, kCardEdge, kCardEdge, kCardEdge,
                    kCardEdge, kCardEdge, kCardEdge);
    m_card.Parse9CellParams(strCells);
    m_frame = m_card;
    m_card.SetDraw9CellCenter(TRUE);
}

void CSmartImagePage::Heading(CDC* pDC, int x, int y, LPCTSTR lpszText) {
    CFont* pOldFont = pDC->SelectObject(&UiFont(100, TRUE));
    pDC->SetTextColor(RGB(20, 60, 120));
    pDC->TextOut(x, y, lpszText);
    pDC->SelectObject(pOldFont);
}

void CSmartImagePage::Caption(CDC* pDC, const CRect& rc, LPCTSTR lpszText, COLORREF clr) {
    CFont* pOldFont = pDC->SelectObject(&UiFont(90, FALSE));
    pDC->SetTextColor(clr);
    CRect rcText(rc);
    pDC->DrawText(lpszText, -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->SelectObject(pOldFont);
}

void CSmartImagePage::Checkerboard(CDC* pDC, const CRect& rc) {
    for (int y = rc.top; y < rc.bottom; y += 10)
        for (int x = rc.left; x < rc.right; x += 10)
            pDC->FillSolidRect(x, y, std::min(10, static_cast<int>(rc.right - x)),
                               std::min(10, static_cast<int>(rc.bottom - y)),
                               ((x - rc.left) / 10 + (y - rc.top) / 10) % 2 ? RGB(200, 204, 212)
                                                                            : RGB(244, 246, 250));
}

void CSmartImagePage::Paint(CDC* pDC, const CRect& rcClient) {
    PrepareImages();
    pDC->FillSolidRect(&rcClient, RGB(255, 255, 255));
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(&UiFont(140, TRUE));
    pDC->SetTextColor(RGB(20, 60, 120));
    pDC->TextOut(kMargin, kMargin, Text(_T("IDS_GALLERY_PAGE_SMART_IMAGE")));
    pDC->SelectObject(pOldFont);

    // ---- Three cells: the four states, then one state at many widths ----
    int y = kMargin + 40;
    Heading(pDC, kMargin, y,
            Text(_T("IDS_GALLERY_THREE_CELLS")) + _T(" · ") + Text(_T("IDS_GALLERY_STATES")));
    y += 24;
    static const LPCTSTR s_stateKeys[kStates] = {_T("IDS_GALLERY_NORMAL"), _T("IDS_GALLERY_HOVER"),
                                                 _T("IDS_GALLERY_PRESSED"), _T("IDS_GALLERY_DISABLED")};
    static const LPCTSTR s_textKeys[kStates] = {_T("IDS_GALLERY_MENU_OPEN"), _T("IDS_GALLERY_MENU_SAVE"),
                                                _T("IDS_GALLERY_MENU_COPY"), _T("IDS_GALLERY_MENU_PASTE")};
    for (int s = 0; s < kStates; ++s) {
        const CRect rc(kMargin + s * 120, y, kMargin + s * 120 + 104, y + kStateHeight);
        m_button.DrawImage(pDC, rc, s);
        Caption(pDC, rc, Text(s_textKeys[s]), s == 3 ? RGB(150, 150, 150) : RGB(30, 30, 30));
        Caption(pDC, CRect(rc.left, rc.bottom + 2, rc.right, rc.bottom + 20), Text(s_stateKeys[s]),
                RGB(110, 110, 110));
    }
    // The bar, vertical, at three heights, right of the states.
    for (int i = 0; i < 3; ++i) {
        const int cy = 30 + i * 40;
        m_bar.DrawImage(pDC, CRect(kMargin + 680 + i * 30, y, kMargin + 680 + i * 30 + kBarWidth, y + cy), 0);
    }

    y += kStateHeight + 32;
    static const int s_widths[] = {8, 12, kStateWidth, 60, 110, 200};
    int x = kMargin;
    for (int cx : s_widths) {
        m_button.DrawImage(pDC, CRect(x, y, x + cx, y + kStateHeight), 1);
        CString strWidth;
        strWidth.Format(_T("%d"), cx);
        Caption(pDC, CRect(x, y + kStateHeight + 2, x + std::max(cx, 24), y + kStateHeight + 20), strWidth,
                RGB(110, 110, 110));
        x += cx + 14;
    }
    // Tile mode 0: the state at its own size, whatever the destination.
    m_buttonFixed.DrawImage(pDC, CRect(x + 10, y, x + 110, y + kStateHeight), 2);
    Caption(pDC, CRect(x + 10, y + kStateHeight + 2, x + 110, y + kStateHeight + 20), _T("tile mode 0"),
            RGB(110, 110, 110));

    // ---- Nine cells ----
    y += kStateHeight + 40;
    Heading(pDC, kMargin, y, Text(_T("IDS_GALLERY_NINE_CELLS")));
    y += 24;
    x = kMargin;
    static const SIZE s_cards[] = {{20, 20}, {64, 48}, {150, 90}, {250, 130}};
    for (const SIZE& size : s_cards) {
        const CRect rc(x, y, x + size.cx, y + size.cy);
        m_card.DrawImage(pDC, rc, 0);
        if (size.cx > 100) {
            CFont* pOld = pDC->SelectObject(&UiFont(90, TRUE));
            pDC->SetTextColor(RGB(40, 40, 40));
            pDC->TextOut(rc.left + 12, rc.top + 16, CString(_T("Lesson 4 · 第四课")));
            pDC->SelectObject(&UiFont(90, FALSE));
            pDC->SetTextColor(RGB(100, 100, 100));
            pDC->TextOut(rc.left + 12, rc.top + 36, CString(_T("12 new words")));
            pDC->SelectObject(pOld);
        }
        x += size.cx + 16;
    }
    m_frame.DrawImage(pDC, CRect(x, y, x + 120, y + 90), 0);
    Caption(pDC, CRect(x, y + 92, x + 120, y + 110), _T("no centre"), RGB(110, 110, 110));

    // ---- Opacity over a checkerboard ----
    y += 130 + 30;
    Heading(pDC, kMargin, y, Text(_T("IDS_GALLERY_OPACITY")));
    y += 24;
    const CRect rcBoard(kMargin, y, kMargin + 640, y + 150);
    Checkerboard(pDC, rcBoard);
    static const float s_opacity[] = {1.0f, 0.75f, 0.5f, 0.25f};
    for (int i = 0; i < 4; ++i) {
        const int left = rcBoard.left + 12 + i * 156;
        m_card.DrawImage(pDC, CRect(left, y + 10, left + 140, y + 92), 0, s_opacity[i]);
        m_button.DrawImage(pDC, CRect(left, y + 104, left + 140, y + 104 + kStateHeight), 1, s_opacity[i]);
        CString strOpacity;
        strOpacity.Format(_T("%d%%"), static_cast<int>(s_opacity[i] * 100));
        Caption(pDC, CRect(left, y + 10, left + 140, y + 92), strOpacity);
        Caption(pDC, CRect(left, y + 104, left + 140, y + 104 + kStateHeight),
                Text(_T("IDS_GALLERY_MENU_OPEN")));
    }
}

}  // namespace
