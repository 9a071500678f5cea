#include "UIObjectsArt.h"

#include <RIZuruzezu.h>
#include <QVDibSection.h>
#include <QVImageEncoder.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <gdiplus.h>

#include <algorithm>

namespace uigallery {

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

// A language text with its "%s" replaced by strValue.
CString TextWith(LPCTSTR lpszKey, const CString& strValue) {
    CString strText = Text(lpszKey);
    strText.Replace(_T("%s"), strValue);
    return strText;
}

CString FaceName() {
    return Text(_T("IDS_DEF_FONT"));
}

COLORREF PageColour() {
    return CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk;
}

namespace {

// clr moved towards white by nPercent.
COLORREF Lighter(COLORREF clr, int nPercent) {
    auto mix = [nPercent](int c) { return c + (255 - c) * nPercent / 100; };
    return RGB(mix(GetRValue(clr)), mix(GetGValue(clr)), mix(GetBValue(clr)));
}

COLORREF Darker(COLORREF clr, int nPercent) {
    auto mix = [nPercent](int c) { return c * (100 - nPercent) / 100; };
    return RGB(mix(GetRValue(clr)), mix(GetGValue(clr)), mix(GetBValue(clr)));
}

// ---- Addresses opened by the kinds ----

HWND g_hLaunchSink = nullptr;
QVUIShellExecuteFunc g_pfnSavedLauncher = nullptr;

// The launcher while a page is shown: the address goes to the page, no program starts.
HINSTANCE ShowLaunch(HWND, LPCTSTR /*lpszVerb*/, LPCTSTR lpszFile, LPCTSTR lpszParameters, LPCTSTR, INT) {
    // A web address is the parameter of the browser program, or the file itself.
    const CString strAddress = (lpszParameters && *lpszParameters) ? lpszParameters : lpszFile;
    if (g_hLaunchSink)
        ::SendMessage(g_hLaunchSink, WM_GALLERY_OPENED, 0,
                      reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strAddress)));
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));  // above 32: opened
}

}  // namespace

void ShowLaunchesIn(HWND hWnd) {
    if (!g_hLaunchSink) g_pfnSavedLauncher = QVUISetShellExecute(&ShowLaunch);
    g_hLaunchSink = hWnd;
}

void StopShowingLaunches(HWND hWnd) {
    if (!g_hLaunchSink || g_hLaunchSink != hWnd) return;
    g_hLaunchSink = nullptr;
    QVUISetShellExecute(g_pfnSavedLauncher);
}

// ---- Picture files ----

CString CPictureFiles::PathFor(LPCTSTR lpszName) {
    TCHAR szTemp[MAX_PATH] = {};
    ::GetTempPath(MAX_PATH, szTemp);
    CString strPath;
    strPath.Format(_T("%sRIZGallery%lu-%s"), szTemp, ::GetCurrentProcessId(), lpszName);
    m_files.push_back(strPath);
    return strPath;
}

void CPictureFiles::DeleteAll() {
    for (const CString& strPath : m_files)
        ::DeleteFile(strPath);
    m_files.clear();
}

namespace {

// A 32-bit surface to draw a picture on with GDI, saved as a PNG file. Pixels left in the key colour
// come out transparent, every other pixel opaque (GDI leaves the alpha byte at 0). GDI draws shapes
// without blending, so edges against the key stay clean.
class CPictureCanvas {
public:
    static constexpr COLORREF kKey = RGB(255, 0, 255);

    CPictureCanvas(int cx, int cy) : m_cx(cx), m_cy(cy) {
        m_dc.CreateCompatibleDC(NULL);
        void* pBits = NULL;
        m_hBitmap = QVCreateDib32(cx, cy, &pBits);
        m_pBits = static_cast<DWORD*>(pBits);
        if (!m_hBitmap) return;
        m_hOld = m_dc.SelectObject(m_hBitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, kKey);
        m_dc.SetBkMode(TRANSPARENT);
    }
    ~CPictureCanvas() {
        if (!m_hBitmap) return;
        m_dc.SelectObject(m_hOld);
        ::DeleteObject(m_hBitmap);
    }
    CPictureCanvas(const CPictureCanvas&) = delete;
    CPictureCanvas& operator=(const CPictureCanvas&) = delete;

    CDC& DC() { return m_dc; }

    // With bKeepKey every pixel is opaque and the key pixels keep the key colour.
    BOOL SavePng(const CString& strPath, BOOL bKeepKey = FALSE) {
        CLSID clsid;
        if (!m_pBits || !CQVGdiplusImage::EnsureGdiplus() || !QVGetPngEncoderClsid(&clsid)) return FALSE;
        ::GdiFlush();
        const DWORD dwKey = 0x00FF00FF;  // the key colour as the surface holds it
        for (int i = 0; i < m_cx * m_cy; ++i)
            m_pBits[i] = (m_pBits[i] & 0x00FFFFFF) == dwKey && !bKeepKey ? 0 : (m_pBits[i] | 0xFF000000);
        Gdiplus::Bitmap image(m_cx, m_cy, m_cx * 4, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(m_pBits));
        const CStringW strWide(strPath);
        return image.Save(strWide, &clsid, nullptr) == Gdiplus::Ok;
    }

private:
    int m_cx, m_cy;
    CDC m_dc;
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOld = NULL;
    DWORD* m_pBits = nullptr;
};

// Pen and brush selected for the lifetime of the object.
class CPaintTools {
public:
    CPaintTools(CDC& dc, COLORREF clrPen, int nWidth, COLORREF clrBrush, BOOL bHollow = FALSE) : m_dc(dc) {
        m_pen.CreatePen(PS_SOLID, nWidth, clrPen);
        m_brush.CreateSolidBrush(clrBrush);
        m_pOldPen = dc.SelectObject(&m_pen);
        m_hOldBrush = dc.SelectObject(bHollow ? ::GetStockObject(NULL_BRUSH) : m_brush.GetSafeHandle());
    }
    ~CPaintTools() {
        m_dc.SelectObject(m_pOldPen);
        m_dc.SelectObject(m_hOldBrush);
    }
    CPaintTools(const CPaintTools&) = delete;
    CPaintTools& operator=(const CPaintTools&) = delete;

private:
    CDC& m_dc;
    CPen m_pen;
    CBrush m_brush;
    CPen* m_pOldPen;
    HGDIOBJ m_hOldBrush;
};

// Text centred in rc, in a bold face of nHeight pixels.
void DrawMark(CDC& dc, const CRect& rc, LPCTSTR lpszText, int nHeight, COLORREF clr) {
    CFont font;
    font.CreateFont(-nHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, _T("Tahoma"));
    CFont* pOld = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(clr);
    CRect rcText = rc;
    dc.DrawText(lpszText, -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(pOld);
}

// ---- The goods' pictures (opaque, drawn into any square) ----

// A course book standing on the picture: pages showing at the side, a spine and a title panel.
void DrawBook(CDC& dc, const CRect& rc, COLORREF clr, LPCTSTR lpszMark) {
    const int s = rc.Width();
    const CRect rcCover(rc.left + s * 22 / 100, rc.top + s * 12 / 100, rc.left + s * 74 / 100,
                        rc.top + s * 86 / 100);
    {
        CPaintTools tools(dc, RGB(150, 150, 150), 1, RGB(250, 248, 240));
        CRect rcPages = rcCover;
        rcPages.OffsetRect(s * 5 / 100, s * 3 / 100);
        dc.Rectangle(&rcPages);
    }
    {
        CPaintTools tools(dc, Darker(clr, 35), 1, clr);
        dc.Rectangle(&rcCover);
    }
    dc.FillSolidRect(rcCover.left + 1, rcCover.top + 1, s * 7 / 100, rcCover.Height() - 2, Darker(clr, 25));
    const CRect rcPanel(rcCover.left + s * 14 / 100, rcCover.top + s * 12 / 100, rcCover.right - s * 6 / 100,
                        rcCover.top + s * 40 / 100);
    {
        CPaintTools tools(dc, Darker(clr, 20), 1, RGB(255, 255, 255));
        dc.RoundRect(&rcPanel, CPoint(s / 12, s / 12));
    }
    DrawMark(dc, rcPanel, lpszMark, s * 20 / 100, clr);
    for (int i = 0; i < 2; ++i) {
        const int y = rcCover.top + s * (50 + 8 * i) / 100;
        dc.FillSolidRect(rcPanel.left, y, rcPanel.Width() - i * s / 10, std::max(1, s / 40),
                         Lighter(clr, 55));
    }
}

// A headset: the band over two ear cups, with a microphone on a boom when asked.
void DrawHeadset(CDC& dc, const CRect& rc, COLORREF clr, BOOL bMicrophone) {
    const int s = rc.Width();
    const int x0 = rc.left, y0 = rc.top;
    {
        CPaintTools tools(dc, Darker(clr, 30), std::max(2, s / 14), clr, TRUE);
        dc.Arc(x0 + s * 20 / 100, y0 + s * 14 / 100, x0 + s * 80 / 100, y0 + s * 78 / 100, x0 + s * 80 / 100,
               y0 + s * 46 / 100, x0 + s * 20 / 100, y0 + s * 46 / 100);
    }
    for (int side = 0; side < 2; ++side) {
        const int left = side == 0 ? x0 + s * 12 / 100 : x0 + s * 70 / 100;
        const CRect rcCup(left, y0 + s * 42 / 100, left + s * 18 / 100, y0 + s * 74 / 100);
        CPaintTools tools(dc, Darker(clr, 45), 1, clr);
        dc.RoundRect(&rcCup, CPoint(s / 8, s / 8));
        CRect rcPad = rcCup;
        rcPad.DeflateRect(s * 4 / 100, s * 6 / 100);
        CPaintTools pad(dc, Darker(clr, 45), 1, Darker(clr, 40));
        dc.RoundRect(&rcPad, CPoint(s / 14, s / 14));
    }
    if (!bMicrophone) return;
    {
        CPaintTools tools(dc, Darker(clr, 40), std::max(2, s / 30), clr, TRUE);
        dc.MoveTo(x0 + s * 20 / 100, y0 + s * 72 / 100);
        dc.LineTo(x0 + s * 30 / 100, y0 + s * 84 / 100);
        dc.LineTo(x0 + s * 44 / 100, y0 + s * 86 / 100);
    }
    CPaintTools tools(dc, RGB(40, 40, 40), 1, RGB(70, 70, 70));
    dc.Ellipse(x0 + s * 42 / 100, y0 + s * 82 / 100, x0 + s * 52 / 100, y0 + s * 91 / 100);
}

// A thick pocket dictionary: gilt letters on the cover and index tabs on the page edge.
void DrawDictionary(CDC& dc, const CRect& rc, COLORREF clr, LPCTSTR lpszMark) {
    const int s = rc.Width();
    const CRect rcBook(rc.left + s * 24 / 100, rc.top + s * 14 / 100, rc.left + s * 76 / 100,
                       rc.top + s * 86 / 100);
    {
        CPaintTools tools(dc, RGB(160, 150, 120), 1, RGB(250, 246, 230));
        CRect rcPages = rcBook;
        rcPages.OffsetRect(s * 6 / 100, s * 4 / 100);
        dc.Rectangle(&rcPages);
        for (int i = 0; i < 5; ++i) {
            const int y = rcPages.top + (i + 1) * rcPages.Height() / 6;
            const COLORREF clrTab = i % 2 ? RGB(230, 190, 60) : RGB(210, 90, 70);
            dc.FillSolidRect(rcPages.right - s * 4 / 100, y - s * 3 / 100, s * 4 / 100, s * 6 / 100, clrTab);
        }
    }
    {
        CPaintTools tools(dc, Darker(clr, 40), 1, clr);
        dc.RoundRect(&rcBook, CPoint(s / 16, s / 16));
    }
    const COLORREF clrGilt = RGB(235, 200, 90);
    CRect rcTitle(rcBook.left, rcBook.top + s * 16 / 100, rcBook.right, rcBook.top + s * 40 / 100);
    DrawMark(dc, rcTitle, lpszMark, s * 16 / 100, clrGilt);
    dc.FillSolidRect(rcBook.left + s * 10 / 100, rcTitle.bottom + s * 4 / 100, rcBook.Width() - s * 20 / 100,
                     std::max(1, s / 50), clrGilt);
    dc.FillSolidRect(rcBook.left + s * 10 / 100, rcBook.bottom - s * 14 / 100, rcBook.Width() - s * 20 / 100,
                     std::max(1, s / 50), clrGilt);
}

// A stack of word cards: two behind, the top one with a coloured band and its word.
void DrawWordCards(CDC& dc, const CRect& rc, COLORREF clr, LPCTSTR lpszMark) {
    const int s = rc.Width();
    for (int i = 2; i >= 0; --i) {
        CRect rcCard(rc.left + s * 14 / 100, rc.top + s * 26 / 100, rc.left + s * 74 / 100,
                     rc.top + s * 80 / 100);
        rcCard.OffsetRect(i * s * 6 / 100, -i * s * 7 / 100);
        CPaintTools tools(dc, RGB(150, 150, 150), 1, i == 0 ? RGB(255, 255, 255) : Lighter(clr, 70 - 15 * i));
        dc.RoundRect(&rcCard, CPoint(s / 14, s / 14));
        if (i != 0) continue;
        dc.FillSolidRect(rcCard.left + 2, rcCard.top + 3, rcCard.Width() - 4, s * 9 / 100, clr);
        CRect rcWord(rcCard.left, rcCard.top + s * 14 / 100, rcCard.right, rcCard.bottom - s * 8 / 100);
        DrawMark(dc, rcWord, lpszMark, s * 17 / 100, RGB(40, 40, 40));
        dc.FillSolidRect(rcCard.left + s * 14 / 100, rcCard.bottom - s * 10 / 100,
                         rcCard.Width() - s * 28 / 100, std::max(1, s / 50), RGB(170, 170, 170));
    }
}

void DrawPicture(CDC& dc, const CRect& rc, PictureKind nKind, COLORREF clr, LPCTSTR lpszMark) {
    dc.FillSolidRect(&rc, Lighter(clr, 86));
    switch (nKind) {
    case PIC_BOOK:
        DrawBook(dc, rc, clr, lpszMark);
        break;
    case PIC_HEADSET:
    case PIC_HEADSET_MIC:
        DrawHeadset(dc, rc, clr, nKind == PIC_HEADSET_MIC);
        break;
    case PIC_DICTIONARY:
        DrawDictionary(dc, rc, clr, lpszMark);
        break;
    case PIC_CARDS:
        DrawWordCards(dc, rc, clr, lpszMark);
        break;
    }
}

}  // namespace

CString WritePicture(CPictureFiles& files, LPCTSTR lpszName, int cx, PictureKind nKind, COLORREF clr,
                     LPCTSTR lpszMark) {
    CPictureCanvas canvas(cx, cx);
    DrawPicture(canvas.DC(), CRect(0, 0, cx, cx), nKind, clr, lpszMark);
    const CString strPath = files.PathFor(lpszName);
    return canvas.SavePng(strPath) ? strPath : CString();
}

// ---- Small transparent pictures: icons, button strips ----

namespace {

// A speaker with two sound waves.
void DrawSpeaker(CDC& dc, const CRect& rc, COLORREF clr) {
    const int s = rc.Width(), x = rc.left, y = rc.top;
    CPaintTools tools(dc, clr, 1, clr);
    const POINT pts[] = {{x + s * 8 / 100, y + s * 36 / 100},  {x + s * 28 / 100, y + s * 36 / 100},
                         {x + s * 50 / 100, y + s * 14 / 100}, {x + s * 50 / 100, y + s * 86 / 100},
                         {x + s * 28 / 100, y + s * 64 / 100}, {x + s * 8 / 100, y + s * 64 / 100}};
    dc.Polygon(pts, 6);
    CPaintTools wave(dc, clr, std::max(1, s / 12), clr, TRUE);
    for (int i = 1; i <= 2; ++i) {
        const int r = s * (14 + 16 * i) / 100;
        const int cx = x + s * 46 / 100, cy = y + s / 2;
        dc.Arc(cx - r, cy - r, cx + r, cy + r, cx + r, cy + r, cx + r, cy - r);
    }
}

// A microphone on its stand.
void DrawMicrophone(CDC& dc, const CRect& rc, COLORREF clr) {
    const int s = rc.Width(), x = rc.left, y = rc.top;
    {
        CPaintTools tools(dc, Darker(clr, 30), 1, clr);
        dc.RoundRect(x + s * 36 / 100, y + s * 6 / 100, x + s * 64 / 100, y + s * 60 / 100, s * 28 / 100,
                     s * 28 / 100);
    }
    CPaintTools tools(dc, RGB(80, 80, 80), std::max(1, s / 14), clr, TRUE);
    dc.Arc(x + s * 26 / 100, y + s * 24 / 100, x + s * 74 / 100, y + s * 72 / 100, x + s * 26 / 100,
           y + s * 48 / 100, x + s * 74 / 100, y + s * 48 / 100);
    dc.MoveTo(x + s / 2, y + s * 72 / 100);
    dc.LineTo(x + s / 2, y + s * 88 / 100);
    dc.MoveTo(x + s * 32 / 100, y + s * 90 / 100);
    dc.LineTo(x + s * 68 / 100, y + s * 90 / 100);
}

// A round "play" sign: a triangle on a disc.
void DrawPlaySign(CDC& dc, const CRect& rc, COLORREF clrDisc) {
    const int s = rc.Width(), x = rc.left, y = rc.top;
    {
        CPaintTools tools(dc, Darker(clrDisc, 30), 1, clrDisc);
        dc.Ellipse(x + 1, y + 1, x + s - 1, y + s - 1);
    }
    CPaintTools tools(dc, RGB(255, 255, 255), 1, RGB(255, 255, 255));
    const POINT pts[] = {{x + s * 38 / 100, y + s * 28 / 100},
                         {x + s * 72 / 100, y + s / 2},
                         {x + s * 38 / 100, y + s * 72 / 100}};
    dc.Polygon(pts, 3);
}

// The notification strips' icons: an "i" on a blue disc, a tick on a green one, a star on an orange one.
void DrawStripIcon(CDC& dc, const CRect& rc, int nIcon) {
    static const COLORREF s_clr[] = {RGB(40, 110, 200), RGB(50, 150, 80), RGB(230, 130, 30)};
    const int s = rc.Width(), x = rc.left, y = rc.top;
    {
        CPaintTools tools(dc, Darker(s_clr[nIcon], 25), 1, s_clr[nIcon]);
        dc.Ellipse(x, y, x + s, y + s);
    }
    const COLORREF clrWhite = RGB(255, 255, 255);
    switch (nIcon) {
    case 0:
        dc.FillSolidRect(x + s * 43 / 100, y + s * 20 / 100, s * 16 / 100, s * 14 / 100, clrWhite);
        dc.FillSolidRect(x + s * 43 / 100, y + s * 42 / 100, s * 16 / 100, s * 38 / 100, clrWhite);
        break;
    case 1: {
        CPaintTools tools(dc, clrWhite, std::max(2, s / 8), clrWhite, TRUE);
        dc.MoveTo(x + s * 26 / 100, y + s * 52 / 100);
        dc.LineTo(x + s * 44 / 100, y + s * 70 / 100);
        dc.LineTo(x + s * 74 / 100, y + s * 32 / 100);
        break;
    }
    default: {
        CPaintTools tools(dc, clrWhite, 1, clrWhite);
        const POINT pts[] = {{x + s / 2, y + s * 16 / 100},        {x + s * 60 / 100, y + s * 40 / 100},
                             {x + s * 84 / 100, y + s * 42 / 100}, {x + s * 64 / 100, y + s * 58 / 100},
                             {x + s * 70 / 100, y + s * 82 / 100}, {x + s / 2, y + s * 68 / 100},
                             {x + s * 30 / 100, y + s * 82 / 100}, {x + s * 36 / 100, y + s * 58 / 100},
                             {x + s * 16 / 100, y + s * 42 / 100}, {x + s * 40 / 100, y + s * 40 / 100}};
        dc.Polygon(pts, 10);
        break;
    }
    }
}

template <class DrawFunc>
CString WriteIcon(CPictureFiles& files, LPCTSTR lpszName, int cx, int nCells, DrawFunc draw) {
    CPictureCanvas canvas(cx * nCells, cx);
    for (int i = 0; i < nCells; ++i)
        draw(canvas.DC(), CRect(i * cx, 0, i * cx + cx, cx), i);
    const CString strPath = files.PathFor(lpszName);
    return canvas.SavePng(strPath) ? strPath : CString();
}

}  // namespace

CString WriteSpeakerIcon(CPictureFiles& files) {
    return WriteIcon(files, _T("speaker.png"), 16, 1,
                     [](CDC& dc, const CRect& rc, int) { DrawSpeaker(dc, rc, RGB(30, 90, 170)); });
}

CString WriteMicrophoneIcon(CPictureFiles& files) {
    return WriteIcon(files, _T("microphone.png"), 32, 1,
                     [](CDC& dc, const CRect& rc, int) { DrawMicrophone(dc, rc, RGB(200, 60, 60)); });
}

CString WritePlayStrip(CPictureFiles& files) {
    return WriteIcon(files, _T("play.png"), 24, 2, [](CDC& dc, const CRect& rc, int nCell) {
        DrawPlaySign(dc, rc, nCell ? RGB(50, 160, 90) : RGB(190, 190, 190));
    });
}

CString WriteStripIcon(CPictureFiles& files, int nIcon) {
    CString strName;
    strName.Format(_T("strip%d.png"), nIcon);
    return WriteIcon(files, strName, 18, 1,
                     [nIcon](CDC& dc, const CRect& rc, int) { DrawStripIcon(dc, rc, nIcon); });
}

// The close button's strip: cell 0 (disabled) a light cross, cell 1 a dark one.
CString WriteCloseStrip(CPictureFiles& files) {
    const int s = 16;
    CPictureCanvas canvas(2 * s, s);
    for (int i = 0; i < 2; ++i) {
        CPaintTools tools(canvas.DC(), i ? RGB(90, 90, 90) : RGB(190, 190, 190), 2, 0, TRUE);
        canvas.DC().MoveTo(i * s + 4, 4);
        canvas.DC().LineTo(i * s + s - 4, s - 4);
        canvas.DC().MoveTo(i * s + s - 4, 4);
        canvas.DC().LineTo(i * s + 4, s - 4);
    }
    const CString strPath = files.PathFor(_T("close.png"));
    return canvas.SavePng(strPath) ? strPath : CString();
}

// A five-state pill for the image-background buttons: normal, hover, pressed, disabled, lit.
CString WriteButtonStrip(CPictureFiles& files) {
    const int cx = 40, cy = 28;
    static const COLORREF s_fill[5] = {RGB(226, 236, 248), RGB(255, 226, 170), RGB(196, 212, 236),
                                       RGB(230, 230, 230), RGB(255, 244, 140)};
    static const COLORREF s_border[5] = {RGB(120, 150, 195), RGB(225, 150, 40), RGB(80, 110, 160),
                                         RGB(185, 185, 185), RGB(230, 40, 30)};
    CPictureCanvas canvas(5 * cx, cy);
    for (int i = 0; i < 5; ++i) {
        CPaintTools tools(canvas.DC(), s_border[i], 1, s_fill[i]);
        canvas.DC().RoundRect(i * cx, 0, i * cx + cx, cy, 10, 10);
        // A lighter line under the top edge gives the pill some depth.
        canvas.DC().FillSolidRect(i * cx + 5, 2, cx - 10, 1, Lighter(s_fill[i], 60));
    }
    const CString strPath = files.PathFor(_T("button.png"));
    return canvas.SavePng(strPath) ? strPath : CString();
}

// ---- An animated GIF written here ----

namespace {

// Writes a looping animation of 16-colour frames (palette indexes, cx by cy each) shown nDelay
// hundredths of a second each. The picture data holds literal codes only, with a clear code every
// twelve pixels so that the code width stays at five bits: no compression, but short and plainly right.
BOOL WriteAnimatedGif(const CString& strPath, int cx, int cy, const COLORREF (&palette)[16],
                      const std::vector<std::vector<BYTE>>& frames, int nDelay) {
    std::vector<BYTE> out = {'G', 'I', 'F', '8', '9', 'a'};
    auto put16 = [&out](int v) {
        out.push_back(static_cast<BYTE>(v & 0xFF));
        out.push_back(static_cast<BYTE>((v >> 8) & 0xFF));
    };
    put16(cx);
    put16(cy);
    out.push_back(0xF3);  // a global table of 16 colours, 8 bits a primary
    out.push_back(0);     // background index
    out.push_back(0);     // square pixels
    for (COLORREF clr : palette) {
        out.push_back(GetRValue(clr));
        out.push_back(GetGValue(clr));
        out.push_back(GetBValue(clr));
    }
    const int kMinCodeSize = 4, kClear = 16, kEnd = 17, kWidth = 5, kRun = 12;
    for (const std::vector<BYTE>& frame : frames) {
        // Graphic control: leave the frame in place, its delay, no transparent colour.
        const BYTE gce[] = {
            0x21, 0xF9, 0x04, 0x04, static_cast<BYTE>(nDelay & 0xFF), static_cast<BYTE>(nDelay >> 8),
            0x00, 0x00};
        out.insert(out.end(), gce, gce + sizeof(gce));
        out.push_back(0x2C);
        put16(0);
        put16(0);
        put16(cx);
        put16(cy);
        out.push_back(0);  // no local table, not interlaced
        out.push_back(kMinCodeSize);
        std::vector<BYTE> codes;
        UINT nBits = 0;
        int nCount = 0;
        auto emit = [&](int code) {
            nBits |= static_cast<UINT>(code) << nCount;
            nCount += kWidth;
            while (nCount >= 8) {
                codes.push_back(static_cast<BYTE>(nBits & 0xFF));
                nBits >>= 8;
                nCount -= 8;
            }
        };
        for (size_t i = 0; i < frame.size(); ++i) {
            if (i % kRun == 0) emit(kClear);
            emit(frame[i] & 0x0F);
        }
        emit(kEnd);
        if (nCount > 0) codes.push_back(static_cast<BYTE>(nBits & 0xFF));
        for (size_t i = 0; i < codes.size(); i += 255) {
            const size_t n = std::min<size_t>(255, codes.size() - i);
            out.push_back(static_cast<BYTE>(n));
            out.insert(out.end(), codes.begin() + i, codes.begin() + i + n);
        }
        out.push_back(0);
    }
    out.push_back(0x3B);
    CFile file;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite)) return FALSE;
    file.Write(out.data(), static_cast<UINT>(out.size()));
    file.Close();
    return TRUE;
}

}  // namespace

// A level meter as lesson audio plays: a speaker and five bars rising and falling, eight frames.
CString WriteLevelMeterGif(CPictureFiles& files) {
    const int cx = 56, cy = 40;
    const COLORREF palette[16] = {RGB(255, 255, 255), RGB(40, 110, 200), RGB(150, 190, 235), RGB(90, 90, 90),
                                  RGB(230, 130, 30),  RGB(0, 0, 0),      RGB(0, 0, 0),       RGB(0, 0, 0),
                                  RGB(0, 0, 0),       RGB(0, 0, 0),      RGB(0, 0, 0),       RGB(0, 0, 0),
                                  RGB(0, 0, 0),       RGB(0, 0, 0),      RGB(0, 0, 0),       RGB(0, 0, 0)};
    static const int s_levels[8][5] = {{4, 8, 5, 3, 2},     {7, 12, 9, 5, 3},    {11, 16, 13, 8, 5},
                                       {14, 20, 17, 12, 7}, {12, 26, 22, 15, 9}, {9, 22, 26, 18, 11},
                                       {6, 15, 19, 22, 8},  {5, 10, 12, 14, 5}};
    std::vector<std::vector<BYTE>> frames;
    for (const auto& levels : s_levels) {
        std::vector<BYTE> frame(static_cast<size_t>(cx) * cy, 0);
        auto set = [&](int x, int y, BYTE c) {
            if (x >= 0 && x < cx && y >= 0 && y < cy) frame[static_cast<size_t>(y) * cx + x] = c;
        };
        // The speaker: a box and a cone.
        for (int y = 15; y < 25; ++y)
            for (int x = 3; x < 8; ++x)
                set(x, y, 3);
        for (int x = 8; x < 15; ++x)
            for (int y = 15 - (x - 7); y < 25 + (x - 7); ++y)
                set(x, y, 3);
        // The bars: blue with a light top, orange on the tallest.
        for (int b = 0; b < 5; ++b) {
            const int x0 = 20 + b * 7;
            const int nTop = cy - 6 - levels[b];
            for (int y = nTop; y < cy - 6; ++y)
                for (int x = x0; x < x0 + 5; ++x)
                    set(x, y, y < nTop + 2 ? (levels[b] >= 22 ? 4 : 2) : 1);
        }
        frames.push_back(std::move(frame));
    }
    const CString strPath = files.PathFor(_T("meter.gif"));
    return WriteAnimatedGif(strPath, cx, cy, palette, frames, 12) ? strPath : CString();
}

CString WriteDrawing(CPictureFiles& files, LPCTSTR lpszName, int cx, int cy,
                     const std::function<void(CDC&)>& draw, BOOL bKeepKey) {
    CPictureCanvas canvas(cx, cy);
    draw(canvas.DC());
    const CString strPath = files.PathFor(lpszName);
    return canvas.SavePng(strPath, bKeepKey) ? strPath : CString();
}

}  // namespace uigallery
