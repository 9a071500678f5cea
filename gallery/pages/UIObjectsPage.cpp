// Windowless objects page: every kind of the windowless tree in every state (buttons normal, hover,
// pressed, disabled, lit and sparkling; labels; links; images; hot images; a GIF playing; shapes of both
// families), in a host written as a client writes one: its own painting, a vertical scroll bar and a
// header pinned above the scrolled objects. Its screenshot shows the page at the top and, below that,
// the page alone scrolled to the bottom. The kinds handle no skin-changed message: the host repaints.
#include "../GalleryPage.h"
#include "UIObjectsArt.h"

#include <RIZuruzezu.h>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <vector>

namespace {

using namespace uigallery;

// ---- The kinds with their state step opened to the page ----

// One object can stand in each state without the pointer; the pointer moves it on as usual.
class CShownButton : public CQVUIButton {
public:
    using CQVUIButton::CQVUIButton;
    void ShowState(int nState) { ChangeState(nState); }
};

class CShownLink : public CQVUITextLink {
public:
    using CQVUITextLink::CQVUITextLink;
    void ShowState(int nState) { ChangeState(nState); }
};

class CShownHotImage : public CQVUIHotImage {
public:
    using CQVUIHotImage::CQVUIHotImage;
    void ShowState(int nState) { ChangeState(nState); }
};

// ---- The objects page: a host as a client writes one ----

constexpr int kHeaderHeight = 40;
constexpr int kLeft = 16;
constexpr int kRowLabelWidth = 144;
constexpr int kStateLeft = kLeft + kRowLabelWidth;
constexpr int kStatePitch = 104;
constexpr int kScrollLine = 24;
constexpr UINT kFirstObjectId = 100;

enum ButtonColumn { COL_NORMAL, COL_HOVER, COL_PRESSED, COL_DISABLED, COL_LIT, COL_SPARKLING, COL_COUNT };

const LPCTSTR kColumnKeys[COL_COUNT] = {_T("IDS_GALLERY_UIO_NORMAL"),  _T("IDS_GALLERY_UIO_HOVER"),
                                        _T("IDS_GALLERY_UIO_PRESSED"), _T("IDS_GALLERY_UIO_DISABLED"),
                                        _T("IDS_GALLERY_UIO_LIT"),     _T("IDS_GALLERY_UIO_SPARKLING")};

enum ButtonRowKind { ROW_DRAWN, ROW_IMAGE, ROW_ICON_TEXT, ROW_ICON_ABOVE, ROW_ICON_ONLY };

struct ButtonRow {
    ButtonRowKind nKind;
    LPCTSTR lpszLabelKey;
    LPCTSTR lpszTextKey;
    int cx, cy;
};

const ButtonRow kButtonRows[] = {
    {ROW_DRAWN, _T("IDS_GALLERY_UIO_ROW_DRAWN"), _T("IDS_GALLERY_UIO_PLAY"), 96, 28},
    {ROW_IMAGE, _T("IDS_GALLERY_UIO_ROW_IMAGE"), _T("IDS_GALLERY_UIO_NEXT"), 96, 28},
    {ROW_ICON_TEXT, _T("IDS_GALLERY_UIO_ROW_ICON"), _T("IDS_GALLERY_UIO_LISTEN"), 96, 28},
    {ROW_ICON_ABOVE, _T("IDS_GALLERY_UIO_ROW_ICONTOP"), _T("IDS_GALLERY_UIO_RECORD"), 96, 56},
    {ROW_ICON_ONLY, _T("IDS_GALLERY_UIO_ROW_ICONONLY"), NULL, 36, 36},
};

class CObjectsHost : public CWnd, public CQVUIWindow<CObjectsHost> {
public:
    using CWnd::GetParent;

    BOOL CreateHost(HWND hParent, const RECT& rc);
    // Scrolls the view to nPos (clamped) and repaints.
    void ScrollTo(int nPos);
    int GetViewLimit() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Clicks and hover reports from the objects go to the status line.
    int OnUIMessage(UINT nObjectID, UINT nCode, UINT wParam, LONG lParam) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeaveMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOpened(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // A window-owned shape and where it lies in the scrolled view.
    struct WindowShape {
        std::unique_ptr<CQVShpae> pShape;
        CRect rcView;
        BOOL bClipped;  // drawn with a region it keeps out of
    };

    void Build();
    int BuildHeader();
    int BuildButtons(int y);
    int BuildLabels(int y);
    int BuildLinks(int y);
    int BuildImages(int y);
    int BuildHotImages(int y);
    int BuildShapes(int y);
    int BuildWindowShapes(int y);

    // Takes ownership of pObject, places it (view coordinates) and gives it the next object id and a
    // name for the status line (none when lpszName is NULL).
    template <class T>
    T* Add(T* pObject, const CRect& rc, LPCTSTR lpszName = NULL);
    CQVUILabel* AddLabel(const CString& strText, const CRect& rc, int nSize, BOOL bBold, COLORREF clr,
                         int nFormat = DT_LEFT | DT_VCENTER);
    int AddHeading(LPCTSTR lpszKey, int y);
    void AddCaption(LPCTSTR lpszKey, int x, int y, int cx);
    void SetStatus(const CString& strText);
    void UpdateScrollBar();
    void PlaceWindowShapes();

    CPictureFiles m_files;
    CString m_strButtonStrip, m_strSpeaker, m_strMicrophone, m_strPlayStrip, m_strGif;
    CString m_strBook, m_strHeadset, m_strDictionary, m_strCards;
    UINT m_nNextId = kFirstObjectId;
    std::map<UINT, CString> m_names;
    CQVUIObject* m_pHeader = nullptr;
    CQVUILabel* m_pStatus = nullptr;
    std::vector<WindowShape> m_windowShapes;
    int m_nContentHeight = 0;
    BOOL m_bTracking = FALSE;
};

BEGIN_MESSAGE_MAP(CObjectsHost, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CObjectsHost::OnMouseLeaveMsg)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_MESSAGE(WM_QV_SKINCHANGED, &CObjectsHost::OnSkinChanged)
ON_MESSAGE(WM_GALLERY_OPENED, &CObjectsHost::OnOpened)
END_MESSAGE_MAP()

BOOL CObjectsHost::CreateHost(HWND hParent, const RECT& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Windowless objects"),
                  WS_CHILD | WS_VSCROLL | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left,
                  rc.bottom - rc.top, hParent, NULL))
        return FALSE;
    CreateToolTipCtrl();
    Build();
    // Every picture is loaded: the kinds keep their own copies.
    m_files.DeleteAll();
    CRect rcClient;
    GetClientRect(&rcClient);
    SetObjectPos(0, 0, rcClient.Width(), rcClient.Height());
    UpdateScrollBar();
    return TRUE;
}

template <class T>
T* CObjectsHost::Add(T* pObject, const CRect& rc, LPCTSTR lpszName) {
    pObject->SetObjectID(m_nNextId);
    if (lpszName) m_names[m_nNextId] = lpszName;
    ++m_nNextId;
    AddChild(pObject);
    pObject->SetObjectPos(rc.left, rc.top, rc.Width(), rc.Height());
    m_nContentHeight = std::max(m_nContentHeight, static_cast<int>(rc.bottom) + kLeft);
    return pObject;
}

CQVUILabel* CObjectsHost::AddLabel(const CString& strText, const CRect& rc, int nSize, BOOL bBold,
                                   COLORREF clr, int nFormat) {
    CQVUILabel* pLabel = new CQVUILabel(this);
    pLabel->SetText(strText);
    pLabel->SetFont(FaceName(), nSize, bBold, FALSE, FALSE);
    pLabel->SetTextColor(clr);
    pLabel->SetTextFormat(nFormat);
    pLabel->SetTransparent(TRUE);
    return Add(pLabel, rc);
}

int CObjectsHost::AddHeading(LPCTSTR lpszKey, int y) {
    AddLabel(Text(lpszKey), CRect(kLeft, y, kLeft + 500, y + 20), 100, TRUE, RGB(30, 60, 110));
    // The rule under the heading is a line object on the rect's bottom coordinate.
    CQVUIShape* pRule = new CQVUIShape(this);
    pRule->SetShapeType(CQVUIShape::HorizontalLine);
    pRule->SetLineColor(RGB(180, 195, 215));
    pRule->SetTransparent(TRUE);
    Add(pRule, CRect(kLeft, y + 20, kLeft + kRowLabelWidth + COL_COUNT * kStatePitch, y + 21));
    return y + 26;
}

void CObjectsHost::AddCaption(LPCTSTR lpszKey, int x, int y, int cx) {
    AddLabel(Text(lpszKey), CRect(x, y, x + cx, y + 18), 80, FALSE, RGB(100, 100, 100));
}

void CObjectsHost::Build() {
    m_strButtonStrip = WriteButtonStrip(m_files);
    m_strSpeaker = WriteSpeakerIcon(m_files);
    m_strMicrophone = WriteMicrophoneIcon(m_files);
    m_strPlayStrip = WritePlayStrip(m_files);
    m_strBook = WritePicture(m_files, _T("book64.png"), 64, PIC_BOOK, RGB(40, 100, 190), _T("1"));
    m_strHeadset = WritePicture(m_files, _T("headset64.png"), 64, PIC_HEADSET_MIC, RGB(70, 70, 80), _T(""));
    m_strDictionary =
        WritePicture(m_files, _T("dict64.png"), 64, PIC_DICTIONARY, RGB(170, 40, 40), _T("A-Z"));
    m_strCards = WritePicture(m_files, _T("cards64.png"), 64, PIC_CARDS, RGB(50, 150, 80), _T("cat"));
    m_strGif = WriteLevelMeterGif(m_files);

    int y = kHeaderHeight + 12;
    y = BuildButtons(y);
    y = BuildLabels(y + 8);
    y = BuildLinks(y + 8);
    y = BuildImages(y + 8);
    y = BuildHotImages(y + 8);
    y = BuildShapes(y + 8);
    BuildWindowShapes(y + 8);
    // Added last, the header is the topmost object: painted over the scrolled ones and hit first.
    BuildHeader();
}

int CObjectsHost::BuildHeader() {
    m_pHeader = new CQVUIObject(this);
    m_pHeader->SetAllowScroll(FALSE);
    m_pHeader->SetBackgroundColor(PageColour());
    m_pHeader->SetObjectID(m_nNextId++);
    AddChild(m_pHeader);
    m_pHeader->SetObjectPos(0, 0, 4000, kHeaderHeight);
    // The header's children are painted from its corner (0, 0) and, like it, do not scroll.
    CQVUILabel* pTitle = new CQVUILabel(m_pHeader);
    pTitle->SetText(Text(_T("IDS_GALLERY_UIO_TITLE")));
    pTitle->SetFont(FaceName(), 120, TRUE, FALSE, FALSE);
    pTitle->SetTextColor(RGB(30, 50, 90));
    pTitle->SetTextFormat(DT_VCENTER);
    pTitle->SetTransparent(TRUE);
    pTitle->SetAllowScroll(FALSE);
    m_pHeader->AddChild(pTitle);
    pTitle->SetObjectPos(kLeft, 6, 320, 28);
    m_pStatus = new CQVUILabel(m_pHeader);
    m_pStatus->SetText(Text(_T("IDS_GALLERY_UIO_READY")));
    m_pStatus->SetFont(FaceName(), 90, FALSE, FALSE, FALSE);
    m_pStatus->SetTextColor(RGB(30, 100, 170));
    m_pStatus->SetTextFormat(DT_RIGHT | DT_VCENTER);
    m_pStatus->SetTransparent(TRUE);
    m_pStatus->SetAllowScroll(FALSE);
    m_pHeader->AddChild(m_pStatus);
    m_pStatus->SetObjectPos(kLeft + 330, 6, kRowLabelWidth + COL_COUNT * kStatePitch - 330, 28);
    CQVUIShape* pRule = new CQVUIShape(m_pHeader);
    pRule->SetShapeType(CQVUIShape::HorizontalLine);
    pRule->SetLineColor(RGB(150, 165, 190));
    pRule->SetTransparent(TRUE);
    pRule->SetAllowScroll(FALSE);
    m_pHeader->AddChild(pRule);
    pRule->SetObjectPos(0, kHeaderHeight - 2, 4000, 1);
    return kHeaderHeight;
}

int CObjectsHost::BuildButtons(int y) {
    y = AddHeading(_T("IDS_GALLERY_UIO_BUTTONS"), y);
    for (int nCol = 0; nCol < COL_COUNT; ++nCol)
        AddCaption(kColumnKeys[nCol], kStateLeft + nCol * kStatePitch, y, kStatePitch - 4);
    y += 20;
    const CString strFont = FaceName();
    for (const ButtonRow& row : kButtonRows) {
        const int nRowHeight = row.cy + 8;
        AddLabel(Text(row.lpszLabelKey), CRect(kLeft, y, kStateLeft - 8, y + nRowHeight), 90, FALSE,
                 RGB(40, 40, 40));
        for (int nCol = 0; nCol < COL_COUNT; ++nCol) {
            CShownButton* pButton = new CShownButton(this);
            pButton->SetFont(strFont, 90, FALSE, FALSE, FALSE);
            pButton->SetTextColor(RGB(30, 40, 60));
            if (row.lpszTextKey) pButton->SetText(Text(row.lpszTextKey));
            switch (row.nKind) {
            case ROW_DRAWN:
                pButton->SetTextFormat(DT_CENTER | DT_VCENTER);
                break;
            case ROW_IMAGE:
                pButton->SetButtonImage(m_strButtonStrip, 5, 8, 8, TRUE);
                pButton->SetTextFormat(DT_CENTER | DT_VCENTER);
                break;
            case ROW_ICON_TEXT:
                pButton->SetButtonIcon(m_strSpeaker, 1, 16, 16);
                pButton->SetTextFormat(DT_VCENTER);
                break;
            case ROW_ICON_ABOVE:
                pButton->SetButtonIcon(m_strMicrophone, 1, 32, 32);
                pButton->SetVerticalIcon(TRUE);
                pButton->SetTextFormat(DT_CENTER);
                break;
            case ROW_ICON_ONLY:
                pButton->SetButtonIcon(m_strPlayStrip, 2, 0, 0);
                pButton->SetSimpleMode(TRUE);
                break;
            }
            if (row.nKind == ROW_DRAWN && nCol == COL_NORMAL)
                pButton->SetToolTip(Text(_T("IDS_GALLERY_UIO_TIP_PLAY")));
            const int x = kStateLeft + nCol * kStatePitch;
            const CString strName = Text(row.lpszLabelKey) + _T(" / ") + Text(kColumnKeys[nCol]);
            Add(pButton, CRect(x, y + 4, x + row.cx, y + 4 + row.cy), strName);
            switch (nCol) {
            case COL_HOVER:
                pButton->ShowState(QVUIBS_HOVER);
                break;
            case COL_PRESSED:
                pButton->ShowState(QVUIBS_PRESSED);
                break;
            case COL_DISABLED:
                pButton->SetEnable(FALSE);
                break;
            case COL_LIT:
                pButton->ShowState(QVUIBS_HIGHLIGHT);
                break;
            case COL_SPARKLING:
                pButton->Sparkle(TRUE);
                break;
            default:
                break;
            }
        }
        y += nRowHeight;
    }
    return y;
}

int CObjectsHost::BuildLabels(int y) {
    y = AddHeading(_T("IDS_GALLERY_UIO_LABELS"), y);
    const CString strFont = FaceName();
    const int cx = 150, cy = 24, pitch = 158;
    // Without a face of its own a label draws in the stock fixed font.
    CQVUILabel* pStock = new CQVUILabel(this);
    pStock->SetText(_T("Stock font 123"));
    pStock->SetTextFormat(DT_VCENTER);
    pStock->SetTransparent(TRUE);
    Add(pStock, CRect(kLeft, y, kLeft + cx, y + cy));
    struct Style {
        LPCTSTR lpszKey;
        BOOL bBold, bUnderline, bItalic;
        COLORREF clr;
    };
    const Style styles[] = {{_T("IDS_GALLERY_UIO_LBL_REGULAR"), FALSE, FALSE, FALSE, RGB(40, 40, 40)},
                            {_T("IDS_GALLERY_UIO_LBL_BOLD"), TRUE, FALSE, FALSE, RGB(40, 40, 40)},
                            {_T("IDS_GALLERY_UIO_LBL_ITALIC"), FALSE, FALSE, TRUE, RGB(40, 40, 40)},
                            {_T("IDS_GALLERY_UIO_LBL_UNDERLINE"), FALSE, TRUE, FALSE, RGB(40, 40, 40)}};
    for (int i = 0; i < 4; ++i) {
        CQVUILabel* pLabel = new CQVUILabel(this);
        pLabel->SetText(Text(styles[i].lpszKey));
        pLabel->SetFont(strFont, 100, styles[i].bBold, styles[i].bUnderline, styles[i].bItalic);
        pLabel->SetTextColor(styles[i].clr);
        pLabel->SetTextFormat(DT_VCENTER);
        pLabel->SetTransparent(TRUE);
        const int x = kLeft + (i + 1) * pitch;
        Add(pLabel, CRect(x, y, x + cx, y + cy));
    }
    y += cy + 6;
    // Second row: colour, alignment on an opaque background, and a text cut by its box.
    AddLabel(Text(_T("IDS_GALLERY_UIO_LBL_COLOUR")), CRect(kLeft, y, kLeft + cx, y + cy), 100, TRUE,
             RGB(200, 40, 40));
    const int nFormats[] = {DT_RIGHT | DT_VCENTER, DT_CENTER | DT_VCENTER};
    const LPCTSTR lpszKeys[] = {_T("IDS_GALLERY_UIO_LBL_RIGHT"), _T("IDS_GALLERY_UIO_LBL_CENTRE")};
    for (int i = 0; i < 2; ++i) {
        CQVUILabel* pLabel = new CQVUILabel(this);
        pLabel->SetText(Text(lpszKeys[i]));
        pLabel->SetFont(strFont, 90, FALSE, FALSE, FALSE);
        pLabel->SetTextColor(RGB(30, 60, 110));
        pLabel->SetTextFormat(nFormats[i]);
        pLabel->SetBackgroundColor(RGB(222, 232, 246));
        const int x = kLeft + (i + 1) * pitch;
        Add(pLabel, CRect(x, y, x + cx, y + cy));
    }
    CQVUILabel* pLong = new CQVUILabel(this);
    pLong->SetText(Text(_T("IDS_GALLERY_UIO_LBL_LONG")));
    pLong->SetFont(strFont, 90, FALSE, FALSE, FALSE);
    pLong->SetTextColor(RGB(40, 40, 40));
    pLong->SetTextFormat(DT_VCENTER);
    pLong->SetBackgroundColor(RGB(250, 240, 210));
    Add(pLong, CRect(kLeft + 3 * pitch, y, kLeft + 3 * pitch + cx + pitch, y + cy));
    return y + cy;
}

int CObjectsHost::BuildLinks(int y) {
    y = AddHeading(_T("IDS_GALLERY_UIO_LINKS"), y);
    const LPCTSTR lpszCaptions[] = {_T("IDS_GALLERY_UIO_NORMAL"), _T("IDS_GALLERY_UIO_HOVER"),
                                    _T("IDS_GALLERY_UIO_PRESSED"), _T("IDS_GALLERY_UIO_NOADDR")};
    const int pitch = 190;
    for (int i = 0; i < 4; ++i)
        AddCaption(lpszCaptions[i], kLeft + i * pitch, y, pitch - 8);
    y += 20;
    for (int i = 0; i < 4; ++i) {
        CShownLink* pLink = new CShownLink(this);
        pLink->SetText(Text(i < 3 ? _T("IDS_GALLERY_UIO_LINK") : _T("IDS_GALLERY_UIO_LINK_NOADDR")));
        pLink->SetFont(FaceName(), 90, FALSE, TRUE, FALSE);
        pLink->SetTransparent(TRUE);
        if (i < 3) pLink->SetUrl(_T("http://study.example/lessons/3"));
        // Placed in a wide box, the link narrows itself to its text.
        const int x = kLeft + i * pitch;
        Add(pLink, CRect(x, y, x + pitch - 8, y + 22), Text(lpszCaptions[i]));
        if (i == 1) pLink->ShowState(QVUILS_HOVER);
        if (i == 2) pLink->ShowState(QVUILS_PRESSED);
    }
    return y + 22;
}

int CObjectsHost::BuildImages(int y) {
    y = AddHeading(_T("IDS_GALLERY_UIO_IMAGES"), y);
    const LPCTSTR lpszCaptions[] = {_T("IDS_GALLERY_UIO_IMG_CENTRED"), _T("IDS_GALLERY_UIO_IMG_AUTOSIZE"),
                                    _T("IDS_GALLERY_UIO_IMG_SCALED"),  _T("IDS_GALLERY_UIO_IMG_MISSING"),
                                    _T("IDS_GALLERY_UIO_GIF_PLAYING"), _T("IDS_GALLERY_UIO_GIF_STOPPED")};
    const int pitch = 124;
    for (int i = 0; i < 6; ++i)
        AddCaption(lpszCaptions[i], kLeft + i * pitch, y, pitch - 6);
    y += 20;
    const COLORREF clrBox = RGB(228, 234, 242);
    // Centred in a larger box; at its own size; scaled into a smaller box; a file that is not there.
    CQVUIImage* pCentred = new CQVUIImage(this);
    pCentred->SetImage(m_strBook);
    pCentred->SetBackgroundColor(clrBox);
    Add(pCentred, CRect(kLeft, y, kLeft + 104, y + 80), Text(lpszCaptions[0]));
    CQVUIImage* pOwnSize = new CQVUIImage(this);
    pOwnSize->SetImage(m_strHeadset);
    pOwnSize->SetAutoSize(TRUE);
    Add(pOwnSize, CRect(kLeft + pitch, y, kLeft + pitch + 10, y + 10), Text(lpszCaptions[1]));
    CQVUIImage* pScaled = new CQVUIImage(this);
    pScaled->SetImage(m_strDictionary);
    pScaled->SetBackgroundColor(clrBox);
    Add(pScaled, CRect(kLeft + 2 * pitch, y, kLeft + 2 * pitch + 40, y + 40), Text(lpszCaptions[2]));
    CQVUIImage* pMissing = new CQVUIImage(this);
    pMissing->SetImage(m_files.PathFor(_T("no-such-picture.png")));
    pMissing->SetBackgroundColor(clrBox);
    Add(pMissing, CRect(kLeft + 3 * pitch, y, kLeft + 3 * pitch + 64, y + 64), Text(lpszCaptions[3]));
    // The animation: one playing on the host's timer, one stopped on its first frame.
    for (int i = 0; i < 2; ++i) {
        CQVUIGif* pGif = new CQVUIGif(this);
        pGif->SetImage(m_strGif);
        pGif->SetAutoSize(TRUE);
        const int x = kLeft + (4 + i) * pitch;
        Add(pGif, CRect(x, y, x + 10, y + 10), Text(lpszCaptions[4 + i]));
        if (i == 0) pGif->Play();
    }
    return y + 80;
}

int CObjectsHost::BuildHotImages(int y) {
    y = AddHeading(_T("IDS_GALLERY_UIO_HOTIMAGES"), y);
    const LPCTSTR lpszCaptions[] = {_T("IDS_GALLERY_UIO_NORMAL"), _T("IDS_GALLERY_UIO_HOVER"),
                                    _T("IDS_GALLERY_UIO_PRESSED"), _T("IDS_GALLERY_UIO_DISABLED"),
                                    _T("IDS_GALLERY_UIO_HOT_COLOURS")};
    const CString strPictures[] = {m_strBook, m_strHeadset, m_strDictionary, m_strCards, m_strBook};
    const int pitch = 124;
    for (int i = 0; i < 5; ++i)
        AddCaption(lpszCaptions[i], kLeft + i * pitch, y, pitch - 6);
    y += 20;
    for (int i = 0; i < 5; ++i) {
        CShownHotImage* pHot = new CShownHotImage(this);
        pHot->SetImage(strPictures[i]);
        pHot->SetToolTip(Text(lpszCaptions[i]));
        if (i == 4)
            pHot->SetBorderColors(RGB(120, 170, 230), RGB(40, 110, 200), RGB(20, 60, 130),
                                  RGB(200, 200, 200));
        const int x = kLeft + i * pitch;
        Add(pHot, CRect(x, y, x + 76, y + 76), Text(lpszCaptions[i]));
        if (i == 1) pHot->ShowState(QVUIHS_HOVER);
        if (i == 2) pHot->ShowState(QVUIHS_PRESSED);
        if (i == 3) pHot->SetEnable(FALSE);
    }
    return y + 76;
}

int CObjectsHost::BuildShapes(int y) {
    y = AddHeading(_T("IDS_GALLERY_UIO_SHAPES"), y);
    struct ShapeEntry {
        LPCTSTR lpszKey;
        CQVUIShape::ShapeType nType;
        int nWidth;
        BOOL bFilled;
        COLORREF clrLine, clrFill;
    };
    const ShapeEntry entries[] = {
        {_T("IDS_GALLERY_UIO_SHP_HLINE"), CQVUIShape::HorizontalLine, 2, FALSE, RGB(40, 110, 200), 0},
        {_T("IDS_GALLERY_UIO_SHP_VLINE"), CQVUIShape::VerticalLine, 2, FALSE, RGB(40, 110, 200), 0},
        {_T("IDS_GALLERY_UIO_SHP_RECT"), CQVUIShape::Rectangle, 1, TRUE, RGB(40, 110, 200),
         RGB(205, 225, 250)},
        {_T("IDS_GALLERY_UIO_SHP_WIDE"), CQVUIShape::Rectangle, 4, FALSE, RGB(230, 130, 30), 0},
        {_T("IDS_GALLERY_UIO_SHP_ROUND"), CQVUIShape::RoundRect, 1, TRUE, RGB(50, 150, 80),
         RGB(210, 240, 215)},
        {_T("IDS_GALLERY_UIO_SHP_ELLIPSE"), CQVUIShape::Ellipse, 1, TRUE, RGB(200, 60, 60),
         RGB(250, 215, 215)},
        {_T("IDS_GALLERY_UIO_SHP_OUTLINE"), CQVUIShape::Ellipse, 2, FALSE, RGB(120, 80, 180), 0},
    };
    const int pitch = 110;
    for (int i = 0; i < 7; ++i)
        AddCaption(entries[i].lpszKey, kLeft + i * pitch, y, pitch - 6);
    y += 22;
    for (int i = 0; i < 7; ++i) {
        CQVUIShape* pShape = new CQVUIShape(this);
        pShape->SetShapeType(entries[i].nType);
        pShape->SetLineWidth(entries[i].nWidth);
        pShape->SetLineColor(entries[i].clrLine);
        pShape->SetTransparent(!entries[i].bFilled);
        pShape->SetBackgroundColor(entries[i].clrFill);
        pShape->SetRoundRect(16, 16, 16, 16);
        const int x = kLeft + i * pitch;
        Add(pShape, CRect(x + 4, y, x + 88, y + 50), Text(entries[i].lpszKey));
    }
    return y + 54;
}

int CObjectsHost::BuildWindowShapes(int y) {
    y = AddHeading(_T("IDS_GALLERY_UIO_WNDSHAPES"), y);
    struct ShapeEntry {
        LPCTSTR lpszKey;
        int nType;
        int nRadius;
        BOOL bTransparent;
        BOOL bClipped;
    };
    const ShapeEntry entries[] = {
        {_T("IDS_GALLERY_UIO_SHP_HLINE"), QVST_HLINE, 0, TRUE, FALSE},
        {_T("IDS_GALLERY_UIO_SHP_VLINE"), QVST_VLINE, 0, TRUE, FALSE},
        {_T("IDS_GALLERY_UIO_SHP_RECT"), QVST_RECTANGLE, 0, FALSE, FALSE},
        {_T("IDS_GALLERY_UIO_SHP_ROUND"), QVST_RECTANGLE, 14, FALSE, FALSE},
        {_T("IDS_GALLERY_UIO_SHP_ELLIPSE"), QVST_ELLIPSE, 0, FALSE, FALSE},
        {_T("IDS_GALLERY_UIO_SHP_CLIPPED"), QVST_RECTANGLE, 0, FALSE, TRUE},
    };
    const int pitch = 124;
    for (int i = 0; i < 6; ++i)
        AddCaption(entries[i].lpszKey, kLeft + i * pitch, y, pitch - 6);
    y += 22;
    for (int i = 0; i < 6; ++i) {
        WindowShape shape;
        shape.pShape.reset(new CQVShpae);
        const int x = kLeft + i * pitch;
        shape.rcView = CRect(x + 4, y, x + 100, y + 50);
        shape.bClipped = entries[i].bClipped;
        shape.pShape->Create(this, shape.rcView, RGB(255, 236, 200), RGB(200, 110, 20),
                             entries[i].bTransparent, entries[i].nType, 2, entries[i].nRadius, 0, 0, 0);
        m_windowShapes.push_back(std::move(shape));
    }
    m_nContentHeight = std::max(m_nContentHeight, y + 50 + kLeft);
    return y + 50;
}

void CObjectsHost::SetStatus(const CString& strText) {
    if (!m_pStatus) return;
    m_pStatus->SetText(strText);
    m_pStatus->UIInvalidate(TRUE);
}

int CObjectsHost::OnUIMessage(UINT nObjectID, UINT nCode, UINT wParam, LONG /*lParam*/) {
    auto it = m_names.find(nObjectID);
    if (it == m_names.end()) return 0;
    if (nCode == QVUIM_CLICKED)
        SetStatus(TextWith(_T("IDS_GALLERY_UIO_CLICKED"), it->second));
    else if (nCode == QVUIM_HOVER)
        SetStatus(TextWith(wParam == QVUIH_RESTED ? _T("IDS_GALLERY_UIO_RESTED") : _T("IDS_GALLERY_UIO_LEFT"),
                           it->second));
    return 1;
}

LRESULT CObjectsHost::OnOpened(WPARAM, LPARAM lParam) {
    SetStatus(TextWith(_T("IDS_GALLERY_UIO_OPENS"), reinterpret_cast<LPCTSTR>(lParam)));
    return 0;
}

BOOL CObjectsHost::PreTranslateMessage(MSG* pMsg) {
    RelayToolTipCtrlMsg(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

int CObjectsHost::GetViewLimit() const {
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    return std::max(0, m_nContentHeight - static_cast<int>(rcClient.Height()));
}

void CObjectsHost::UpdateScrollBar() {
    CRect rcClient;
    GetClientRect(&rcClient);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, m_nContentHeight - 1);
    si.nPage = static_cast<UINT>(rcClient.Height());
    si.nPos = std::min(GetScrollPos(SB_VERT), GetViewLimit());
    SetScrollInfo(SB_VERT, &si, TRUE);
    PlaceWindowShapes();
}

void CObjectsHost::ScrollTo(int nPos) {
    nPos = std::max(0, std::min(nPos, GetViewLimit()));
    if (nPos == GetScrollPos(SB_VERT)) return;
    SetScrollPos(SB_VERT, nPos, TRUE);
    PlaceWindowShapes();
    // The objects paint at their view rects moved by the scroll position: the whole view changes.
    Invalidate(FALSE);
    UpdateWindow();
}

// Window-owned shapes lie in window coordinates: they move with the view, quietly (the scroll
// repaints the window anyway).
void CObjectsHost::PlaceWindowShapes() {
    const int nScroll = m_hWnd ? GetScrollPos(SB_VERT) : 0;
    for (WindowShape& shape : m_windowShapes) {
        shape.pShape->SetRedraw(FALSE);
        CRect rc = shape.rcView;
        rc.OffsetRect(0, -nScroll);
        shape.pShape->SetControlRect(rc);
        shape.pShape->SetRedraw(TRUE);
    }
}

void CObjectsHost::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    SetObjectPos(0, 0, cx, cy);
    UpdateScrollBar();
}

BOOL CObjectsHost::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CObjectsHost::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CQVPaintMemoryDC memDC(this, &dc);
    memDC.FillSolidRect(&rcClient, PageColour());
    memDC.SetBkMode(TRANSPARENT);
    // The window-owned shapes first, at their window rects; a region near the middle of the last one
    // stands for a window it must not paint over.
    for (WindowShape& shape : m_windowShapes) {
        if (!shape.bClipped) {
            shape.pShape->Draw(&memDC, NULL);
            continue;
        }
        CRect rcKeepOut = shape.pShape->GetControlRect();
        rcKeepOut.DeflateRect(rcKeepOut.Width() / 4, rcKeepOut.Height() / 4);
        CRgn rgn;
        rgn.CreateRectRgnIndirect(&rcKeepOut);
        shape.pShape->Draw(&memDC, &rgn);
    }
    // Then the objects in insertion order, each moved by the scroll position when it scrolls: the host
    // moves the drawing, the objects paint at their own rects.
    const int nScroll = GetScrollPos(SB_VERT);
    for (int i = 0; i < GetChildCount(); ++i) {
        CQVUIObject* pChild = GetChild(i);
        if (!pChild || !pChild->IsVisible()) continue;
        const int dy = pChild->GetAllowScroll() ? nScroll : 0;
        CRect rcView = rcClient;
        rcView.OffsetRect(0, dy);
        CRect rcReach = pChild->GetObjectRect();
        rcReach.InflateRect(8, 8);
        if (!CRect().IntersectRect(&rcReach, &rcView)) continue;
        const int nSaved = memDC.SaveDC();
        memDC.SetViewportOrg(0, -dy);
        pChild->Render(memDC, rcView);
        memDC.RestoreDC(nSaved);
    }
}

void CObjectsHost::OnMouseMove(UINT nFlags, CPoint point) {
    CWnd::OnMouseMove(nFlags, point);
    CQVUIObjectGuard guard(this);
    CQVUIWindow<CObjectsHost>::OnMouseMove(point);
    if (!guard || m_bTracking) return;
    m_bTracking = QVTrackMouseLeave(m_hWnd);
}

LRESULT CObjectsHost::OnMouseLeaveMsg(WPARAM, LPARAM) {
    CQVUIObjectGuard guard(this);
    CQVUIWindow<CObjectsHost>::OnMouseLeave();
    if (guard) m_bTracking = FALSE;
    return 0;
}

void CObjectsHost::OnLButtonDown(UINT nFlags, CPoint point) {
    CWnd::OnLButtonDown(nFlags, point);
    SetFocus();  // the wheel goes to the window with the focus
    CQVUIWindow<CObjectsHost>::OnLButtonDown(point);
}

void CObjectsHost::OnLButtonUp(UINT nFlags, CPoint point) {
    CWnd::OnLButtonUp(nFlags, point);
    CQVUIWindow<CObjectsHost>::OnLButtonUp(point);
}

void CObjectsHost::OnTimer(UINT_PTR nIDEvent) {
    if (!__OnTimer(static_cast<UINT>(nIDEvent))) CWnd::OnTimer(nIDEvent);
}

void CObjectsHost::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nPage = rcClient.Height() - kHeaderHeight;
    int nPos = GetScrollPos(SB_VERT);
    switch (nSBCode) {
    case SB_LINEUP:
        nPos -= kScrollLine;
        break;
    case SB_LINEDOWN:
        nPos += kScrollLine;
        break;
    case SB_PAGEUP:
        nPos -= nPage;
        break;
    case SB_PAGEDOWN:
        nPos += nPage;
        break;
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = INT_MAX;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit track position, not the message's 16-bit one.
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(SB_VERT, &si, SIF_TRACKPOS)) nPos = si.nTrackPos;
        break;
    }
    default:
        return;
    }
    ScrollTo(nPos);
}

BOOL CObjectsHost::OnMouseWheel(UINT, short zDelta, CPoint) {
    ScrollTo(GetScrollPos(SB_VERT) - zDelta / WHEEL_DELTA * 3 * kScrollLine);
    return TRUE;
}

LRESULT CObjectsHost::OnSkinChanged(WPARAM, LPARAM) {
    // The objects read no skin; the page background and the pinned header take the new colour.
    if (m_pHeader) m_pHeader->SetBackgroundColor(PageColour());
    Invalidate(FALSE);
    return 1;
}

// Two pictures in one: the whole gallery window with the page at the top of its view, and below it
// the page alone scrolled to the bottom. hTop and hBottom are captures of the frame window.
HBITMAP StackShots(HBITMAP hTop, HBITMAP hBottom, const CRect& rcPage) {
    BITMAP bm = {};
    if (!hTop || !hBottom || !::GetObject(hTop, sizeof(bm), &bm)) return hTop;
    CClientDC screen(NULL);
    CDC dcOut, dcIn;
    dcOut.CreateCompatibleDC(&screen);
    dcIn.CreateCompatibleDC(&screen);
    const int cy = bm.bmHeight + 4 + rcPage.Height();
    HBITMAP hOut = ::CreateCompatibleBitmap(screen.GetSafeHdc(), bm.bmWidth, cy);
    if (!hOut) return hTop;
    HGDIOBJ hOldOut = dcOut.SelectObject(hOut);
    dcOut.FillSolidRect(0, 0, bm.bmWidth, cy, RGB(64, 64, 64));
    HGDIOBJ hOldIn = dcIn.SelectObject(hTop);
    dcOut.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcIn, 0, 0, SRCCOPY);
    dcIn.SelectObject(hBottom);
    dcOut.BitBlt(rcPage.left, bm.bmHeight + 4, rcPage.Width(), rcPage.Height(), &dcIn, rcPage.left,
                 rcPage.top, SRCCOPY);
    dcIn.SelectObject(hOldIn);
    dcOut.SelectObject(hOldOut);
    ::DeleteObject(hTop);
    ::DeleteObject(hBottom);
    return hOut;
}

class CUIObjectsPage : public CGalleryPage {
public:
    ~CUIObjectsPage() override {
        if (m_wnd && m_wnd->GetSafeHwnd()) {
            StopShowingLaunches(m_wnd->GetSafeHwnd());
            m_wnd->DestroyWindow();
        }
    }
    LPCTSTR GetName() const override { return _T("ui-objects"); }
    LPCTSTR GetTitle() const override { return _T("Windowless objects"); }
    BOOL Create(HWND hParent, const RECT& rc) override {
        m_wnd.reset(new CObjectsHost);
        return m_wnd->CreateHost(hParent, rc);
    }
    HWND GetSafeHwnd() const override { return m_wnd ? m_wnd->GetSafeHwnd() : NULL; }
    void OnShow() override { ShowLaunchesIn(GetSafeHwnd()); }
    void OnHide() override { StopShowingLaunches(GetSafeHwnd()); }

    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        m_wnd->ScrollTo(0);
        HBITMAP hTop = capture();
        m_wnd->ScrollTo(m_wnd->GetViewLimit());
        HBITMAP hBottom = capture();
        m_wnd->ScrollTo(0);
        // Where the page lies in the captured frame window.
        CRect rcPage, rcFrame;
        m_wnd->GetWindowRect(&rcPage);
        ::GetWindowRect(::GetParent(m_wnd->GetSafeHwnd()), &rcFrame);
        rcPage.OffsetRect(-rcFrame.left, -rcFrame.top);
        return StackShots(hTop, hBottom, rcPage);
    }

private:
    std::unique_ptr<CObjectsHost> m_wnd;
};

REGISTER_GALLERY_PAGE(CUIObjectsPage);

}  // namespace
