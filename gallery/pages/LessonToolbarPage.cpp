// Lesson toolbar page: a lesson's toolbar of drop-down buttons ("Send file", "Word book", "Record")
// whose arrows drop their menus at the rectangle the button reports, shown normal, with the arrow hot
// and pressed; and the start page's fading tiles, one lit, one half faded in. The pictures are drawn
// here when the page is made; the texts come from the language table.
#include "../GalleryPage.h"
#include "UIObjectsArt.h"

#include <RIZuruzezu.h>
#include <QVSkinResManager.h>

#include <memory>
#include <vector>

namespace {

using uigallery::Text;

constexpr int kMargin = 16;
constexpr int kBandTop = 44, kBandHeight = 44;
constexpr int kButtonWidth = 124, kButtonGap = 10, kButtonHeight = 28;
constexpr int kMainFrame = 60, kArrowFrame = 18;
constexpr int kTilesTop = 186, kTileWidth = 136, kTileHeight = 100, kTileGap = 14;
constexpr UINT kFirstButtonId = 1500, kFirstTileId = 1520;
constexpr UINT kFirstMenuId = 1540;

const COLORREF kKey = RGB(255, 0, 255);

// The four looks of a toolbar button: fill and outline of normal, hover, pressed, disabled.
const COLORREF kFill[4] = {RGB(238, 243, 250), RGB(214, 231, 252), RGB(176, 203, 240), RGB(236, 236, 236)};
const COLORREF kLine[4] = {RGB(150, 170, 200), RGB(70, 130, 215), RGB(50, 95, 175), RGB(190, 190, 190)};

COLORREF Mix(COLORREF a, COLORREF b, int nPercentB) {
    auto mix = [nPercentB](int x, int y) { return x + (y - x) * nPercentB / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

void RoundBox(CDC& dc, const CRect& rc, COLORREF clrFill, COLORREF clrLine, int nRadius, int nWidth = 1) {
    CPen pen(PS_SOLID, nWidth, clrLine);
    CBrush brush(clrFill);
    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    dc.RoundRect(&rc, CPoint(nRadius, nRadius));
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}

// The main part's strip: four frames, rounded at the left, open at the right where the arrow joins.
void DrawMainStrip(CDC& dc) {
    for (int f = 0; f < 4; ++f) {
        const int x = f * kMainFrame;
        CRgn clip;
        clip.CreateRectRgn(x, 0, x + kMainFrame, kButtonHeight);
        dc.SelectClipRgn(&clip);
        RoundBox(dc, CRect(x, 0, x + kMainFrame + 10, kButtonHeight), kFill[f], kLine[f], 8);
        dc.SelectClipRgn(NULL);
    }
}

// The arrow part's strip: rounded at the right, a separator at the left and a small triangle.
void DrawArrowStrip(CDC& dc) {
    for (int f = 0; f < 4; ++f) {
        const int x = f * kArrowFrame;
        CRgn clip;
        clip.CreateRectRgn(x, 0, x + kArrowFrame, kButtonHeight);
        dc.SelectClipRgn(&clip);
        RoundBox(dc, CRect(x - 10, 0, x + kArrowFrame, kButtonHeight), kFill[f], kLine[f], 8);
        dc.FillSolidRect(x, 5, 1, kButtonHeight - 10, kLine[f]);
        dc.SelectClipRgn(NULL);
        const COLORREF clrGlyph = f == 3 ? RGB(170, 170, 170) : RGB(40, 60, 100);
        CPen pen(PS_SOLID, 1, clrGlyph);
        CBrush brush(clrGlyph);
        CPen* pOldPen = dc.SelectObject(&pen);
        CBrush* pOldBrush = dc.SelectObject(&brush);
        const int cx = x + kArrowFrame / 2 + (f == 2 ? 1 : 0), cy = kButtonHeight / 2 + (f == 2 ? 1 : 0);
        const POINT pts[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
        dc.Polygon(pts, 3);
        dc.SelectObject(pOldPen);
        dc.SelectObject(pOldBrush);
    }
}

// A start-page tile: a rounded card in the tile's colour with its picture and name; the hot card is
// brighter with a light rim.
void DrawTile(CDC& dc, const CQVGdiplusImage& picture, const CString& strName, COLORREF clr, BOOL bHot) {
    const CRect rc(0, 0, kTileWidth, kTileHeight);
    if (bHot)
        RoundBox(dc, rc, Mix(clr, RGB(255, 255, 255), 35), RGB(255, 230, 120), 16, 4);
    else
        RoundBox(dc, rc, clr, Mix(clr, RGB(0, 0, 0), 25), 16);
    picture.Render(&dc, CRect(44, 12, 92, 60));
    CFont font;
    font.CreateFont(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                    uigallery::FaceName());
    CFont* pOld = dc.SelectObject(&font);
    dc.SetTextColor(RGB(255, 255, 255));
    CRect rcText(4, 64, kTileWidth - 4, kTileHeight - 8);
    dc.DrawText(strName, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SelectObject(pOld);
}

// Drop-down buttons shown in a given look until the mouse changes it.
class CShownDropdown : public CQVDropdownButton {
public:
    void ShowStates(int nMain, int nArrow) {
        m_input.nMain = nMain;
        m_input.nArrow = nArrow;
        Invalidate(FALSE);
    }
};

// Tiles shown part way into their fade: the fade's own ticks, run at once.
class CShownTile : public CQVAnimationButton {
public:
    void ShowFadedIn(int nTicks) {
        for (int i = 0; i < nTicks; ++i)
            qvfade::Step(m_fOpacity, true, m_nStep);
        Invalidate(FALSE);
    }
};

struct ButtonSpec {
    LPCTSTR lpszText, lpszState, lpszMenu1, lpszMenu2;
    int nMain, nArrow;
};
const ButtonSpec kButtons[] = {
    {_T("IDS_GALLERY_LTB_SEND_FILE"), _T("IDS_GALLERY_NORMAL"), _T("IDS_GALLERY_LTB_SEND_LESSON"),
     _T("IDS_GALLERY_LTB_SEND_RECORDING"), qvdropdown::STATE_NORMAL, qvdropdown::STATE_NORMAL},
    {_T("IDS_GALLERY_LTB_WORD_BOOK"), _T("IDS_GALLERY_LTB_ARROW_HOT"), _T("IDS_GALLERY_LTB_ADD_WORD"),
     _T("IDS_GALLERY_LTB_OPEN_BOOK"), qvdropdown::STATE_NORMAL, qvdropdown::STATE_HOVER},
    {_T("IDS_GALLERY_LTB_RECORD"), _T("IDS_GALLERY_PRESSED"), _T("IDS_GALLERY_LTB_RECORD_VOICE"),
     _T("IDS_GALLERY_LTB_PLAY_BACK"), qvdropdown::STATE_PRESSED, qvdropdown::STATE_NORMAL},
};

struct TileLook {
    LPCTSTR lpszName, lpszState;
    uigallery::PictureKind nPicture;
    COLORREF clr;
    int nTicks;  // of the fade in, shown at once
};
const TileLook kTiles[] = {
    {_T("IDS_GALLERY_LTB_LESSONS"), _T("IDS_GALLERY_NORMAL"), uigallery::PIC_BOOK, RGB(52, 120, 200), 0},
    {_T("IDS_GALLERY_LTB_LISTENING"), _T("IDS_GALLERY_LTB_LIT"), uigallery::PIC_HEADSET, RGB(40, 150, 110),
     10},
    {_T("IDS_GALLERY_LTB_SPEAKING"), _T("IDS_GALLERY_LTB_HALF"), uigallery::PIC_HEADSET_MIC,
     RGB(220, 120, 40), 5},
    {_T("IDS_GALLERY_LTB_CARDS"), _T("IDS_GALLERY_NORMAL"), uigallery::PIC_CARDS, RGB(150, 80, 190), 0},
};
constexpr int kButtonCount = static_cast<int>(sizeof(kButtons) / sizeof(kButtons[0]));
constexpr int kTileCount = static_cast<int>(sizeof(kTiles) / sizeof(kTiles[0]));

class CLessonToolbarWnd : public CWnd {
public:
    BOOL CreatePage(HWND hParent, const RECT& rc);

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int ButtonLeft(int i) const { return kMargin + 8 + i * (kButtonWidth + kButtonGap); }
    int TileLeft(int i) const { return kMargin + i * (kTileWidth + kTileGap); }
    CRect StatusRect() const {
        return CRect(kMargin, kTilesTop + kTileHeight + 48, 620, kTilesTop + kTileHeight + 70);
    }
    void DropMenu(int nButton, const CRect& rcArrow);

    CShownDropdown m_buttons[kButtonCount];
    CShownTile m_tiles[kTileCount];
    CString m_strLastClick;
};

BEGIN_MESSAGE_MAP(CLessonToolbarWnd, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_QV_SKINCHANGED, &CLessonToolbarWnd::OnSkinChanged)
END_MESSAGE_MAP()

BOOL CLessonToolbarWnd::CreatePage(HWND hParent, const RECT& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Lesson toolbar"),
                  WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                  hParent, NULL))
        return FALSE;
    uigallery::CPictureFiles files;
    const CString strMain = uigallery::WriteDrawing(files, _T("ltb-main.png"), 4 * kMainFrame, kButtonHeight,
                                                    &DrawMainStrip, TRUE);
    const CString strArrow = uigallery::WriteDrawing(files, _T("ltb-arrow.png"), 4 * kArrowFrame,
                                                     kButtonHeight, &DrawArrowStrip, TRUE);
    const int yButton = kBandTop + (kBandHeight - kButtonHeight) / 2;
    for (int i = 0; i < kButtonCount; ++i) {
        CShownDropdown& button = m_buttons[i];
        button.SetImages(strMain, strArrow, 8, 8, TRUE, kKey);
        button.Create(CString(_T("~")) + kButtons[i].lpszText, WS_CHILD | WS_VISIBLE,
                      CRect(ButtonLeft(i), yButton, ButtonLeft(i) + kButtonWidth, yButton + kButtonHeight),
                      this, kFirstButtonId + i);
        button.ShowStates(kButtons[i].nMain, kButtons[i].nArrow);
    }
    TranslateWndStrings(this);  // the buttons' "~" texts
    for (int i = 0; i < kTileCount; ++i) {
        const TileLook& look = kTiles[i];
        CQVGdiplusImage picture;
        picture.Load(uigallery::WritePicture(files, _T("ltb-picture.png"), 48, look.nPicture,
                                             Mix(look.clr, RGB(255, 255, 255), 40), _T("")));
        const CString strName = Text(look.lpszName);
        auto draw = [&](BOOL bHot) {
            return [&, bHot](CDC& dc) { DrawTile(dc, picture, strName, look.clr, bHot); };
        };
        const CString strBack =
            uigallery::WriteDrawing(files, _T("ltb-tile.png"), kTileWidth, kTileHeight, draw(FALSE), FALSE);
        const CString strHot = uigallery::WriteDrawing(files, _T("ltb-tile-hot.png"), kTileWidth, kTileHeight,
                                                       draw(TRUE), FALSE);
        CShownTile& tile = m_tiles[i];
        tile.Create(strName, WS_CHILD | WS_VISIBLE,
                    CRect(TileLeft(i), kTilesTop, TileLeft(i) + kTileWidth, kTilesTop + kTileHeight), this,
                    kFirstTileId + i);
        tile.LoadImages(strBack, strHot);  // read whole: the files may go
        tile.ShowFadedIn(look.nTicks);
    }
    return TRUE;
}

void CLessonToolbarWnd::DropMenu(int nButton, const CRect& rcArrow) {
    CMenu menu;
    if (!menu.CreatePopupMenu()) return;
    menu.AppendMenu(MF_STRING, kFirstMenuId + 2 * nButton, Text(kButtons[nButton].lpszMenu1));
    menu.AppendMenu(MF_STRING, kFirstMenuId + 2 * nButton + 1, Text(kButtons[nButton].lpszMenu2));
    // Under the arrow, its left edge on the arrow's.
    const UINT nChosen =
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, rcArrow.left, rcArrow.bottom, this);
    if (nChosen) {
        menu.GetMenuString(nChosen, m_strLastClick, MF_BYCOMMAND);
        InvalidateRect(StatusRect());
    }
}

BOOL CLessonToolbarWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pNote = reinterpret_cast<const QVDROPDOWN_NOTIFY*>(lParam);
    const int nButton = static_cast<int>(wParam) - static_cast<int>(kFirstButtonId);
    if (pNote->hdr.code != QVDBN_CLICKED || nButton < 0 || nButton >= kButtonCount)
        return CWnd::OnNotify(wParam, lParam, pResult);
    if (pNote->nMainPart == QVDBP_ARROW) {
        DropMenu(nButton, CRect(pNote->rcPart));
    } else if (pNote->nMainPart == QVDBP_MAIN) {
        m_strLastClick = Text(kButtons[nButton].lpszText);
        InvalidateRect(StatusRect());
    }
    *pResult = 0;
    return TRUE;
}

BOOL CLessonToolbarWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int nTile = static_cast<int>(LOWORD(wParam)) - static_cast<int>(kFirstTileId);
    if (HIWORD(wParam) != BN_CLICKED || nTile < 0 || nTile >= kTileCount)
        return CWnd::OnCommand(wParam, lParam);
    m_strLastClick = Text(kTiles[nTile].lpszName);
    InvalidateRect(StatusRect());
    return TRUE;
}

BOOL CLessonToolbarWnd::OnEraseBkgnd(CDC* pDC) {
    // The transparent buttons and the tiles show this under themselves: the page colour and the band.
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, uigallery::PageColour());
    const CQVSkinColorDef* pColours = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    const COLORREF clrTop = pColours->GetColor(5), clrBottom = pColours->GetColor(6);
    const int cxBand = ButtonLeft(kButtonCount) + 8 - kMargin;
    for (int y = 0; y < kBandHeight; ++y)
        pDC->FillSolidRect(kMargin, kBandTop + y, cxBand, 1, Mix(clrTop, clrBottom, y * 100 / kBandHeight));
    return TRUE;
}

void CLessonToolbarWnd::OnPaint() {
    CPaintDC dc(this);
    CFont fontTitle, fontText;
    fontTitle.CreatePointFont(120, uigallery::FaceName(), &dc);
    fontText.CreatePointFont(90, uigallery::FaceName(), &dc);
    CFont* pOld = dc.SelectObject(&fontTitle);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(30, 50, 90));
    dc.TextOut(kMargin, 12, Text(_T("IDS_GALLERY_LTB_TITLE")));
    dc.SelectObject(&fontText);
    dc.SetTextColor(RGB(90, 90, 90));
    const UINT nCaption = DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    for (int i = 0; i < kButtonCount; ++i) {
        CRect rc(ButtonLeft(i), kBandTop + kBandHeight + 4, ButtonLeft(i) + kButtonWidth,
                 kBandTop + kBandHeight + 22);
        dc.DrawText(Text(kButtons[i].lpszState), &rc, nCaption);
    }
    dc.SetTextColor(RGB(40, 40, 40));
    dc.TextOut(kMargin, kBandTop + kBandHeight + 30, Text(_T("IDS_GALLERY_LTB_TOOLBAR_HINT")));
    dc.TextOut(kMargin, kTilesTop - 26, Text(_T("IDS_GALLERY_LTB_TILES")));
    dc.SetTextColor(RGB(90, 90, 90));
    for (int i = 0; i < kTileCount; ++i) {
        CRect rc(TileLeft(i), kTilesTop + kTileHeight + 6, TileLeft(i) + kTileWidth,
                 kTilesTop + kTileHeight + 24);
        dc.DrawText(Text(kTiles[i].lpszState), &rc, nCaption);
    }
    CRect rcStatus = StatusRect();
    dc.SetTextColor(RGB(30, 80, 150));
    dc.DrawText(Text(_T("IDS_GALLERY_LTB_CLICKED")) + _T(" ") + m_strLastClick, &rcStatus,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(pOld);
}

LRESULT CLessonToolbarWnd::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    for (CShownDropdown& button : m_buttons)
        button.SendMessage(WM_QV_SKINCHANGED, wParam, lParam);
    Invalidate();
    return 0;
}

class CLessonToolbarPage : public CGalleryWndPage<CLessonToolbarWnd> {
public:
    CLessonToolbarPage() : CGalleryWndPage(_T("lesson-toolbar"), _T("Lesson toolbar")) {}
};

REGISTER_GALLERY_PAGE(CLessonToolbarPage);

}  // namespace
