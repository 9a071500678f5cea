// Skin page: the loaded skin itself (every image of every record with all its frames, the corner masks
// with their outlines, the seventeen colours) and switchers that change the skin and the language of
// the running gallery.
#include "../GalleryPage.h"

#include <QVBitmap.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr UINT kSkinChanged = WM_USER + 1001;      // 0x7E9
constexpr UINT kLanguageChanged = WM_USER + 1002;  // 0x7EA
constexpr UINT kSkinButtonFirst = 1000;
constexpr UINT kLanguageButtonFirst = 2000;
constexpr int kMaxSwitches = 16;
constexpr int kMargin = 10;
constexpr int kFrameGap = 3;  // between the frames of one image
constexpr int kItemGap = 14;  // between images
constexpr int kLabelHeight = 14;
constexpr int kMaskSize = 40;

const COLORREF kHeadingColor = RGB(20, 60, 120);
const COLORREF kLabelColor = RGB(40, 40, 40);
const COLORREF kNoteColor = RGB(120, 120, 120);

// The text of a gallery key in the current language; the English text when the tables lack the key.
CString Text(LPCTSTR lpszKey, LPCTSTR lpszEnglish) {
    CString str = CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
    return str.IsEmpty() || str == lpszKey ? CString(lpszEnglish) : str;
}

// The last part of a path, without a trailing backslash and, if asked, without its extension.
CString NameOf(CString strPath, BOOL bNoExtension) {
    strPath.TrimRight(_T('\\'));
    CString strName = strPath.Mid(strPath.ReverseFind(_T('\\')) + 1);
    const int nDot = strName.ReverseFind(_T('.'));
    return bNoExtension && nDot > 0 ? strName.Left(nDot) : strName;
}

CString ProgramFolder() {
    TCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileName(nullptr, szPath, MAX_PATH);
    CString strPath(szPath);
    return strPath.Left(strPath.ReverseFind(_T('\\')) + 1);
}

// The language files beside the program, alphabetically.
std::vector<CString> LanguageFiles() {
    std::vector<CString> files;
    const CString strFolder = ProgramFolder() + _T("Languages\\");
    WIN32_FIND_DATA find;
    HANDLE hFind = ::FindFirstFile(strFolder + _T("*.lng"), &find);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            files.push_back(strFolder + find.cFileName);
        } while (::FindNextFile(hFind, &find));
        ::FindClose(hFind);
    }
    std::sort(files.begin(), files.end(),
              [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    return files;
}

// One image of a record as the page shows it.
struct ImageItem {
    LPCTSTR lpszKey;
    const CQVBitmap* pBitmap;
    COLORREF clrKey;
};

class CSkinPageWnd : public CWnd {
public:
    BOOL CreatePage(HWND hParent, const RECT& rc);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSkinChanged(WPARAM, LPARAM);
    afx_msg LRESULT OnLanguageChanged(WPARAM, LPARAM);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    void CreateSwitches();
    void UpdateSwitches();
    void LoadMasks();
    void MakeFonts(CDC* pDC);

    void Paint(CDC* pDC, const CRect& rcClient);
    int PaintHeading(CDC* pDC, int y, const CString& strText);
    // Lays the images out in rows; returns the y below the last row.
    int PaintImages(CDC* pDC, int y, int cxPage, const std::vector<ImageItem>& items);
    void PaintFrames(CDC* pDC, int x, int y, const ImageItem& item);
    int PaintMasks(CDC* pDC, int y);
    int PaintColors(CDC* pDC, int y);
    int PaintMetrics(CDC* pDC, int y);

    std::vector<std::unique_ptr<CButton>> m_skinButtons;
    std::vector<std::unique_ptr<CButton>> m_languageButtons;
    std::vector<CString> m_languages;
    CFont m_fontHeading;
    CFont m_fontLabel;
    CString m_strFontFace;
    // The corner masks and the tab window mask of the skin in m_strMaskSkin.
    CQVBitmap m_masks[5];
    CString m_strMaskSkin;
};

BEGIN_MESSAGE_MAP(CSkinPageWnd, CWnd)
ON_WM_CREATE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(kSkinChanged, &CSkinPageWnd::OnSkinChanged)
ON_MESSAGE(kLanguageChanged, &CSkinPageWnd::OnLanguageChanged)
END_MESSAGE_MAP()

BOOL CSkinPageWnd::CreatePage(HWND hParent, const RECT& rc) {
    return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), _T("Skin"),
                    WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                    hParent, nullptr);
}

int CSkinPageWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CreateSwitches();
    return 0;
}

// One push-like radio button per skin folder and per language file, in a row at the top.
void CSkinPageWnd::CreateSwitches() {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    m_languages = LanguageFiles();
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE;
    HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    int x = kMargin + 60;
    const int nSkins = std::min(pSkins->GetSkinsTotal(), kMaxSwitches);
    for (int i = 0; i < nSkins; ++i) {
        auto pButton = std::make_unique<CButton>();
        pButton->Create(NameOf(pSkins->GetSkinFolder(i), FALSE), dwStyle | (i == 0 ? WS_GROUP : 0),
                        CRect(x, 8, x + 76, 32), this, kSkinButtonFirst + i);
        pButton->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
        m_skinButtons.push_back(std::move(pButton));
        x += 80;
    }
    x += 90;
    const int nLanguages = std::min(static_cast<int>(m_languages.size()), kMaxSwitches);
    for (int i = 0; i < nLanguages; ++i) {
        auto pButton = std::make_unique<CButton>();
        pButton->Create(NameOf(m_languages[i], TRUE), dwStyle | (i == 0 ? WS_GROUP : 0),
                        CRect(x, 8, x + 64, 32), this, kLanguageButtonFirst + i);
        pButton->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
        m_languageButtons.push_back(std::move(pButton));
        x += 68;
    }
    UpdateSwitches();
}

void CSkinPageWnd::UpdateSwitches() {
    const int nSkin = CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinkID();
    for (int i = 0; i < static_cast<int>(m_skinButtons.size()); ++i)
        m_skinButtons[i]->SetCheck(i == nSkin ? BST_CHECKED : BST_UNCHECKED);
    const CString strLanguage = CQVLanResManager::GetSingletonPtr()->GetCurrentLanFile();
    for (int i = 0; i < static_cast<int>(m_languageButtons.size()); ++i)
        m_languageButtons[i]->SetCheck(
            NameOf(m_languages[i], FALSE).CompareNoCase(NameOf(strLanguage, FALSE)) == 0 ? BST_CHECKED
                                                                                         : BST_UNCHECKED);
}

BOOL CSkinPageWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED) return CWnd::OnCommand(wParam, lParam);
    // The gallery switches after this message: it loads the skin and tells every window, or loads the
    // language and rebuilds the pages.
    if (nID >= kSkinButtonFirst && nID < kSkinButtonFirst + m_skinButtons.size()) {
        GallerySwitchSkin(static_cast<int>(nID - kSkinButtonFirst));
        return TRUE;
    }
    if (nID >= kLanguageButtonFirst && nID < kLanguageButtonFirst + m_languageButtons.size()) {
        GallerySwitchLanguage(NameOf(m_languages[nID - kLanguageButtonFirst], TRUE));
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

LRESULT CSkinPageWnd::OnSkinChanged(WPARAM, LPARAM) {
    UpdateSwitches();
    return 1;
}

LRESULT CSkinPageWnd::OnLanguageChanged(WPARAM, LPARAM) {
    UpdateSwitches();
    Invalidate();
    return 0;
}

BOOL CSkinPageWnd::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CSkinPageWnd::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height());
    CBitmap* pOld = dcMem.SelectObject(&bmp);
    Paint(&dcMem, rc);
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

// The fonts follow the language: its default face (a Chinese face for Chinese).
void CSkinPageWnd::MakeFonts(CDC* pDC) {
    const CString strFace = Text(_T("IDS_DEF_FONT"), _T("Tahoma"));
    if (m_fontLabel.GetSafeHandle() && strFace == m_strFontFace) return;
    m_fontHeading.DeleteObject();
    m_fontLabel.DeleteObject();
    m_strFontFace = strFace;
    LOGFONT lf = {};
    lf.lfHeight = 100;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
    m_fontHeading.CreatePointFontIndirect(&lf, pDC);
    m_fontLabel.CreatePointFont(80, strFace, pDC);
}

// The masks are files named by the window record, loaded here for display whenever the skin changed.
void CSkinPageWnd::LoadMasks() {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    const CString strSkin = pSkins->GetCurrentSkinPath();
    if (strSkin == m_strMaskSkin) return;
    m_strMaskSkin = strSkin;
    const CQVSkinWndRes* pWnd = pSkins->GetWndRes();
    const CString names[5] = {pWnd->m_strMaskTopLeft, pWnd->m_strMaskTopRight, pWnd->m_strMaskBottomLeft,
                              pWnd->m_strMaskBottomRight, pSkins->GetBtnRes()->m_strTabWndMask};
    for (int i = 0; i < 5; ++i) {
        m_masks[i].DeleteObject();
        if (!names[i].IsEmpty())
            m_masks[i].LoadBitmap(strSkin + (i < 4 ? _T("Common\\Window\\") : _T("Common\\Button\\")) +
                                  names[i]);
    }
}

void CSkinPageWnd::Paint(CDC* pDC, const CRect& rcClient) {
    pDC->FillSolidRect(&rcClient, RGB(255, 255, 255));
    MakeFonts(pDC);
    LoadMasks();
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    CFont* pOldFont = pDC->SelectObject(&m_fontHeading);
    pDC->SetBkMode(TRANSPARENT);

    // The switchers' captions and what is loaded.
    pDC->SetTextColor(kHeadingColor);
    pDC->TextOut(kMargin, 12, Text(_T("IDS_GALLERY_SKIN"), _T("Skin")));
    if (!m_languageButtons.empty()) {
        CRect rcFirst;
        m_languageButtons.front()->GetWindowRect(&rcFirst);
        ScreenToClient(&rcFirst);
        pDC->TextOut(rcFirst.left - 84, 12, Text(_T("IDS_GALLERY_LANGUAGE"), _T("Language")));
    }
    pDC->SelectObject(&m_fontLabel);
    pDC->SetTextColor(kNoteColor);
    CString strInfo;
    strInfo.Format(_T("%s %d / %d · %s · %s"), (LPCTSTR)NameOf(pSkins->GetCurrentSkinPath(), FALSE),
                   pSkins->GetCurrentSkinkID() + 1, pSkins->GetSkinsTotal(),
                   (LPCTSTR)pSkins->GetCurrentSkinPath(),
                   (LPCTSTR)NameOf(CQVLanResManager::GetSingletonPtr()->GetCurrentLanFile(), FALSE));
    pDC->TextOut(kMargin, 38, strInfo);

    const int cxPage = rcClient.Width() - 2 * kMargin;
    const CQVSkinWndRes* pWnd = pSkins->GetWndRes();
    const COLORREF clrWndKey = pWnd->m_clrBtnKey;
    int y = PaintHeading(pDC, 58, Text(_T("IDS_GALLERY_WINDOW_IMAGES"), _T("Window images")));
    y = PaintImages(pDC, y, cxPage,
                    {{_T("Caption"), &pWnd->m_bmpCaption, clrWndKey},
                     {_T("BottomBorder"), &pWnd->m_bmpBottomBorder, clrWndKey},
                     {_T("LeftBorder"), &pWnd->m_bmpLeftBorder, clrWndKey},
                     {_T("RightBorder"), &pWnd->m_bmpRightBorder, clrWndKey},
                     {_T("MinBtn"), &pWnd->m_bmpMinBtn, clrWndKey},
                     {_T("MaxBtn"), &pWnd->m_bmpMaxBtn, clrWndKey},
                     {_T("RestoreBtn"), &pWnd->m_bmpRestoreBtn, clrWndKey},
                     {_T("CloseBtn"), &pWnd->m_bmpCloseBtn, clrWndKey},
                     {_T("ClientTop"), &pWnd->m_bmpClientTop, clrWndKey},
                     {_T("ClientBottom"), &pWnd->m_bmpClientBottom, clrWndKey},
                     {_T("ClientBk"), &pWnd->m_bmpClientBk, clrWndKey},
                     {_T("ClientMid"), &pWnd->m_bmpClientMid, clrWndKey},
                     {_T("ScrollBar"), &pWnd->m_bmpScrollBar, clrWndKey}});

    const CQVSkinBtnRes* pBtn = pSkins->GetBtnRes();
    const COLORREF clrBtnKey = pBtn->m_clrTransparent;
    y = PaintHeading(pDC, y, Text(_T("IDS_GALLERY_BUTTON_IMAGES"), _T("Button images")));
    y = PaintImages(pDC, y, cxPage,
                    {{_T("PushBtn"), &pBtn->m_bmpPushBtn, clrBtnKey},
                     {_T("Tab"), &pBtn->m_bmpTab, clrBtnKey},
                     {_T("TabWnd"), &pBtn->m_bmpTabWnd, clrBtnKey},
                     {_T("Header"), &pBtn->m_bmpHeader, clrBtnKey},
                     {_T("CheckBox"), &pBtn->m_bmpCheckBox, clrBtnKey},
                     {_T("Radio"), &pBtn->m_bmpRadio, clrBtnKey},
                     {_T("Spin"), &pBtn->m_bmpSpin, clrBtnKey},
                     {_T("ComboDrop"), &pBtn->m_bmpComboDrop, clrBtnKey},
                     {_T("Reserved"), &pBtn->m_bmpReserved, clrBtnKey}});

    y = PaintHeading(pDC, y, Text(_T("IDS_GALLERY_CORNERS"), _T("Corner outlines")));
    y = PaintMasks(pDC, y);
    y = PaintHeading(pDC, y, Text(_T("IDS_GALLERY_COLORS"), _T("Colors")));
    y = PaintColors(pDC, y);
    y = PaintHeading(pDC, y, Text(_T("IDS_GALLERY_METRICS"), _T("Metrics")));
    PaintMetrics(pDC, y);
    pDC->SelectObject(pOldFont);
}

int CSkinPageWnd::PaintHeading(CDC* pDC, int y, const CString& strText) {
    CFont* pOld = pDC->SelectObject(&m_fontHeading);
    pDC->SetTextColor(kHeadingColor);
    pDC->TextOut(kMargin, y, strText);
    const int cy = pDC->GetTextExtent(strText).cy;
    pDC->FillSolidRect(kMargin, y + cy + 1, 780, 1, RGB(200, 212, 230));
    pDC->SelectObject(pOld);
    return y + cy + 6;
}

// A light checkerboard under the frames: the key colour's pixels show it through.
void PaintChecker(CDC* pDC, const CRect& rc) {
    pDC->FillSolidRect(&rc, RGB(250, 250, 250));
    for (int y = rc.top; y < rc.bottom; y += 4)
        for (int x = rc.left + ((y - rc.top) / 4 % 2) * 4; x < rc.right; x += 8)
            pDC->FillSolidRect(x, y, std::min(4, static_cast<int>(rc.right - x)),
                               std::min(4, static_cast<int>(rc.bottom - y)), RGB(226, 226, 226));
}

// The place of an image the skin does not give: a dotted empty box.
void PaintEmpty(CDC* pDC, const CRect& rc) {
    CPen pen(PS_DOT, 1, RGB(150, 150, 150));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = static_cast<CBrush*>(pDC->SelectStockObject(NULL_BRUSH));
    pDC->Rectangle(&rc);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

CSize FramesSize(const ImageItem& item) {
    const CQVBitmap& bmp = *item.pBitmap;
    if (bmp.IsNull()) return CSize(60, 14);
    const int nFrames = std::max(bmp.GetMultiState(), 1);
    const CRect rcFrame = bmp.GetSrcImageRect();
    return CSize(nFrames * (rcFrame.Width() + kFrameGap) - kFrameGap, rcFrame.Height());
}

CString LabelOf(const ImageItem& item) {
    const CQVBitmap& bmp = *item.pBitmap;
    if (bmp.IsNull()) return item.lpszKey;
    const CRect rcFrame = bmp.GetSrcImageRect();
    CString strLabel;
    strLabel.Format(_T("%s  %d × %dx%d"), item.lpszKey, bmp.GetMultiState(), rcFrame.Width(),
                    rcFrame.Height());
    return strLabel;
}

int CSkinPageWnd::PaintImages(CDC* pDC, int y, int cxPage, const std::vector<ImageItem>& items) {
    pDC->SelectObject(&m_fontLabel);
    int x = kMargin;
    int cyRow = 0;
    for (const ImageItem& item : items) {
        const CString strLabel = LabelOf(item);
        const CSize sizeFrames = FramesSize(item);
        const int cx =
            std::max(static_cast<int>(pDC->GetTextExtent(strLabel).cx), static_cast<int>(sizeFrames.cx));
        if (x > kMargin && x + cx > kMargin + cxPage) {
            x = kMargin;
            y += cyRow + 8;
            cyRow = 0;
        }
        pDC->SetTextColor(kLabelColor);
        pDC->TextOut(x, y, strLabel);
        PaintFrames(pDC, x, y + kLabelHeight, item);
        cyRow = std::max(cyRow, kLabelHeight + static_cast<int>(sizeFrames.cy));
        x += cx + kItemGap;
    }
    return y + cyRow + 10;
}

// Every frame side by side, drawn with the record's key colour over the checkerboard.
void CSkinPageWnd::PaintFrames(CDC* pDC, int x, int y, const ImageItem& item) {
    const CQVBitmap& bmp = *item.pBitmap;
    if (bmp.IsNull()) {
        PaintEmpty(pDC, CRect(x, y, x + 40, y + 14));
        return;
    }
    const CRect rcFrame = bmp.GetSrcImageRect();
    for (int i = 0; i < bmp.GetMultiState(); ++i) {
        const int xFrame = x + i * (rcFrame.Width() + kFrameGap);
        PaintChecker(pDC, CRect(xFrame, y, xFrame + rcFrame.Width(), y + rcFrame.Height()));
        bmp.TransparentDraw(pDC, xFrame, y, item.clrKey, i);
    }
}

// The corner masks enlarged (key colour shown as it is), with the corner outline of the same corner
// drawn over them as a black line: both cut the same pixels off the window. And the tab window's mask.
int CSkinPageWnd::PaintMasks(CDC* pDC, int y) {
    const CQVSkinWndRes* pWnd = CQVSkinResManager::GetSingletonPtr()->GetWndRes();
    static const LPCTSTR s_keys[5] = {_T("MaskTopLeft"), _T("MaskTopRight"), _T("MaskBottomLeft"),
                                      _T("MaskBottomRight"), _T("TabWndMask")};
    const std::vector<CPoint>* outlines[4] = {&pWnd->m_ptsCornerTopLeft, &pWnd->m_ptsCornerTopRight,
                                              &pWnd->m_ptsCornerBottomLeft, &pWnd->m_ptsCornerBottomRight};
    pDC->SelectObject(&m_fontLabel);
    int x = kMargin;
    int cyRow = 0;
    for (int i = 0; i < 5; ++i) {
        const CQVBitmap& mask = m_masks[i];
        const int cxMask = mask.IsNull() ? 0 : mask.GetWidth();
        const int cyMask = mask.IsNull() ? 0 : mask.GetHeight();
        // Corner masks are a few pixels: enlarged to about 40.
        const int nZoom = i < 4 ? std::max(2, kMaskSize / std::max(std::max(cxMask, cyMask), 1)) : 1;
        pDC->SetTextColor(kLabelColor);
        pDC->TextOut(x, y, s_keys[i]);
        if (mask.IsNull()) {
            PaintEmpty(pDC, CRect(x, y + kLabelHeight, x + 40, y + kLabelHeight + 14));
        } else {
            CRect rcMask(x, y + kLabelHeight, x + cxMask * nZoom, y + kLabelHeight + cyMask * nZoom);
            pDC->FillSolidRect(rcMask.left - 1, rcMask.top - 1, rcMask.Width() + 2, rcMask.Height() + 2,
                               RGB(160, 160, 160));
            mask.Draw(pDC, x, y + kLabelHeight, rcMask.Width(), rcMask.Height());
        }
        if (i < 4 && !mask.IsNull() && !outlines[i]->empty()) {
            // Outline points are relative to their corner of the window; the mask sits in that corner.
            const BOOL bRight = i == 1 || i == 3;
            const BOOL bBottom = i >= 2;
            std::vector<POINT> points;
            for (const CPoint& pt : *outlines[i])
                points.push_back({x + (bRight ? cxMask - pt.x : pt.x) * nZoom,
                                  y + kLabelHeight + (bBottom ? cyMask - pt.y : pt.y) * nZoom});
            CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
            CPen* pOldPen = pDC->SelectObject(&pen);
            pDC->Polyline(points.data(), static_cast<int>(points.size()));
            pDC->SelectObject(pOldPen);
        }
        const int cx = std::max(static_cast<int>(pDC->GetTextExtent(s_keys[i]).cx), cxMask * nZoom);
        cyRow = std::max(cyRow, kLabelHeight + std::max(cyMask * nZoom, 14));
        x += cx + 2 * kItemGap;
    }
    return y + cyRow + 10;
}

// The seventeen colours as swatches with their number and value.
int CSkinPageWnd::PaintColors(CDC* pDC, int y) {
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    pDC->SelectObject(&m_fontLabel);
    const int cxSwatch = 40;
    for (int i = 0; i < CQVSkinColorDef::COLOR_COUNT; ++i) {
        const int x = kMargin + i * (cxSwatch + 6);
        const COLORREF clr = pColors->GetColor(i);
        CString strNumber;
        strNumber.Format(_T("%d"), i);
        pDC->SetTextColor(kLabelColor);
        pDC->TextOut(x, y, strNumber);
        pDC->FillSolidRect(x, y + kLabelHeight, cxSwatch, 24, RGB(90, 90, 90));
        pDC->FillSolidRect(x + 1, y + kLabelHeight + 1, cxSwatch - 2, 22, clr);
        CString strValue;
        strValue.Format(_T("%02X%02X%02X"), GetRValue(clr), GetGValue(clr), GetBValue(clr));
        pDC->SetTextColor(kNoteColor);
        pDC->TextOut(x, y + kLabelHeight + 26, strValue);
    }
    return y + kLabelHeight + 44;
}

// The record's numbers under their skin.ini keys, one line per record.
int CSkinPageWnd::PaintMetrics(CDC* pDC, int y) {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    const CQVSkinWndRes* pWnd = pSkins->GetWndRes();
    const CQVSkinBtnRes* pBtn = pSkins->GetBtnRes();
    CString strWnd;
    strWnd.Format(
        _T("CaptionHeight %d · Left/Right/BottomBorderSize %d/%d/%d · MinBtn %dx%d · MaxBtn %dx%d · ")
        _T("CloseBtn %dx%d · BtnGap %d · ShowDisabledBtns %d · ClientBkMode %d"),
        pWnd->m_nCaptionHeight, pWnd->m_nLeftBorder, pWnd->m_nRightBorder, pWnd->m_nBottomBorder,
        pWnd->m_nMinBtnWidth, pWnd->m_nMinBtnHeight, pWnd->m_nMaxBtnWidth, pWnd->m_nMaxBtnHeight,
        pWnd->m_nCloseBtnWidth, pWnd->m_nCloseBtnHeight, pWnd->m_nBtnGap, pWnd->m_nShowDisabledBtns,
        pWnd->m_nClientBkMode);
    CString strBtn;
    strBtn.Format(_T("PushBtnHeight %d · CheckBox %dx%d · Radio %dx%d · Spin %dx%d · ComboDrop %dx%d · ")
                  _T("TabMinWidth/Height %d/%d · TabWndTab %dx%d · HeaderHeight %d · TransparentImage %d"),
                  pBtn->m_nPushBtnHeight, pBtn->m_nCheckBoxWidth, pBtn->m_nCheckBoxHeight,
                  pBtn->m_nRadioWidth, pBtn->m_nRadioHeight, pBtn->m_nSpinWidth, pBtn->m_nSpinHeight,
                  pBtn->m_nComboDropWidth, pBtn->m_nComboDropHeight, pBtn->m_nTabMinWidth, pBtn->m_nTabHeight,
                  pBtn->m_nTabWndTabWidth, pBtn->m_nTabWndTabHeight, pBtn->m_nHeaderHeight,
                  pBtn->m_nTransparentImage);
    pDC->SelectObject(&m_fontLabel);
    pDC->SetTextColor(kLabelColor);
    pDC->TextOut(kMargin, y, strWnd);
    pDC->TextOut(kMargin, y + kLabelHeight + 2, strBtn);
    return y + 2 * kLabelHeight + 12;
}

class CSkinPage : public CGalleryPage {
public:
    LPCTSTR GetName() const override { return _T("skin"); }
    LPCTSTR GetTitle() const override { return _T("The skin"); }
    BOOL Create(HWND hParent, const RECT& rc) override { return m_wnd.CreatePage(hParent, rc); }
    HWND GetSafeHwnd() const override { return m_wnd.GetSafeHwnd(); }

private:
    CSkinPageWnd m_wnd;
};

REGISTER_GALLERY_PAGE(CSkinPage);

}  // namespace
