// Buttons page: every kind of the skinned button (skin images, colour-drawn, check boxes, radio buttons,
// an image file of its own, icons) in its normal, hover, pressed and disabled states, texts from the
// language table. The page follows skin changes (0x7E9) and language changes (0x7EA) while it runs.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVDibSection.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <memory>
#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kLabelWidth = 190;
constexpr int kColumnWidth = 150;
constexpr int kButtonWidth = 134;
constexpr int kTitleHeight = 34;
constexpr int kHeaderHeight = 24;
constexpr int kRowHeight = 32;
constexpr int kIconRowHeight = 64;
constexpr UINT kFirstId = 1000;

enum State { STATE_NORMAL, STATE_HOVER, STATE_PRESSED, STATE_DISABLED, STATE_COUNT };

const LPCTSTR kColumnKeys[STATE_COUNT] = {_T("IDS_GALLERY_BTN_COL_NORMAL"), _T("IDS_GALLERY_BTN_COL_HOVER"),
                                          _T("IDS_GALLERY_BTN_COL_PRESSED"),
                                          _T("IDS_GALLERY_BTN_COL_DISABLED")};

// One row of the page: a kind shown in the four states.
struct RowSpec {
    LPCTSTR lpszLabelKey;
    LPCTSTR lpszTextKey;  // NULL: no text
    DWORD dwStyle;        // the system button the CQVButton starts from
    QVButtonType nType;   // forced after creation when the style alone does not give it
    BOOL bChecked;
};

// The kinds a style gives by itself are left to the button (and the skin's flags).
constexpr QVButtonType kFromStyle = static_cast<QVButtonType>(-1);

const RowSpec kRows[] = {
    {_T("IDS_GALLERY_BTN_ROW_SKINPUSH"), _T("IDS_GALLERY_BTN_SEND_FILE"), BS_PUSHBUTTON, QVBT_IMAGE_TEXT,
     FALSE},
    {_T("IDS_GALLERY_BTN_ROW_IMAGE"), NULL, BS_PUSHBUTTON, QVBT_IMAGE, FALSE},
    {_T("IDS_GALLERY_BTN_ROW_COMMON"), _T("IDS_GALLERY_BTN_START_LESSON"), BS_PUSHBUTTON, QVBT_COMMON, FALSE},
    {_T("IDS_GALLERY_BTN_ROW_CHECKSKIN"), _T("IDS_GALLERY_BTN_REMEMBER_ME"), BS_AUTOCHECKBOX,
     QVBT_CHECKBOX_SKIN, FALSE},
    {_T("IDS_GALLERY_BTN_ROW_CHECKSKIN_ON"), _T("IDS_GALLERY_BTN_PLAY_AUDIO"), BS_AUTOCHECKBOX,
     QVBT_CHECKBOX_SKIN, TRUE},
    {_T("IDS_GALLERY_BTN_ROW_CHECK"), _T("IDS_GALLERY_BTN_LARGE_ICONS"), BS_AUTOCHECKBOX, QVBT_CHECKBOX,
     FALSE},
    {_T("IDS_GALLERY_BTN_ROW_CHECK_ON"), _T("IDS_GALLERY_BTN_SHOW_PINYIN"), BS_AUTOCHECKBOX, QVBT_CHECKBOX,
     TRUE},
    {_T("IDS_GALLERY_BTN_ROW_RADIOSKIN"), _T("IDS_GALLERY_BTN_INTERMEDIATE"), BS_AUTORADIOBUTTON,
     QVBT_RADIO_SKIN, FALSE},
    {_T("IDS_GALLERY_BTN_ROW_RADIOSKIN_ON"), _T("IDS_GALLERY_BTN_BEGINNER"), BS_AUTORADIOBUTTON,
     QVBT_RADIO_SKIN, TRUE},
    {_T("IDS_GALLERY_BTN_ROW_RADIO"), _T("IDS_GALLERY_BTN_AWAY"), BS_AUTORADIOBUTTON, QVBT_RADIO, FALSE},
    {_T("IDS_GALLERY_BTN_ROW_RADIO_ON"), _T("IDS_GALLERY_BTN_ONLINE"), BS_AUTORADIOBUTTON, QVBT_RADIO, TRUE},
    {_T("IDS_GALLERY_BTN_ROW_PRIVATE"), _T("IDS_GALLERY_BTN_NEXT"), BS_PUSHBUTTON, QVBT_PRIVATE_IMAGE, FALSE},
    {_T("IDS_GALLERY_BTN_ROW_ICON"), _T("IDS_GALLERY_BTN_CONTACTS"), BS_PUSHBUTTON, QVBT_ICON_TEXT, FALSE},
};
constexpr int kRowCount = static_cast<int>(sizeof(kRows) / sizeof(kRows[0]));

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

// A 32-bit icon drawn here: a rounded square of one colour with a white mark, so that the page does not
// depend on the system's icons.
HICON MakeIcon(int cx, COLORREF clrFill, int nMark) {
    void* pBits = NULL;
    HBITMAP hColour = QVCreateDib32(cx, cx, &pBits);
    if (!hColour) return NULL;
    DWORD* pPixels = static_cast<DWORD*>(pBits);
    const int r = cx / 5;
    for (int y = 0; y < cx; ++y) {
        for (int x = 0; x < cx; ++x) {
            // Rounded corners: outside a quarter circle of radius r the pixel stays transparent.
            const int dx = x < r ? r - x : (x >= cx - r ? x - (cx - r - 1) : 0);
            const int dy = y < r ? r - y : (y >= cx - r ? y - (cx - r - 1) : 0);
            DWORD v = 0;
            if (dx * dx + dy * dy <= r * r) {
                COLORREF clr = clrFill;
                const int m = cx / 4;
                bool bMark = false;
                switch (nMark) {
                case 0:  // a person: head and shoulders
                    bMark = (x - cx / 2) * (x - cx / 2) + (y - cx * 3 / 8) * (y - cx * 3 / 8) <= m * m / 2 ||
                            (y > cx * 5 / 8 && y < cx - m / 2 && x > m && x < cx - m);
                    break;
                case 1:  // a clock: ring and hands
                    bMark =
                        (x == cx / 2 && y > m && y <= cx / 2) || (y == cx / 2 && x >= cx / 2 && x < cx - m);
                    break;
                default:  // a gear-like dot
                    bMark = (x - cx / 2) * (x - cx / 2) + (y - cx / 2) * (y - cx / 2) <= m * m;
                    break;
                }
                if (bMark) clr = RGB(255, 255, 255);
                v = 0xFF000000 | (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr);
            }
            pPixels[y * cx + x] = v;
        }
    }
    std::vector<BYTE> mask(((cx + 15) / 16) * 2 * cx, 0);
    HBITMAP hMask = ::CreateBitmap(cx, cx, 1, 1, mask.data());
    ICONINFO ii = {};
    ii.fIcon = TRUE;
    ii.hbmMask = hMask;
    ii.hbmColor = hColour;
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hMask);
    ::DeleteObject(hColour);
    return hIcon;
}

// The page's own three-frame button image (normal, hover, pressed): a green pill on the key colour,
// written as a BMP file that the button loads.
CString WriteNextButtonImage() {
    const int cx = 96, cy = 28;
    TCHAR szTemp[MAX_PATH] = {};
    ::GetTempPath(MAX_PATH, szTemp);
    CString strPath;
    strPath.Format(_T("%sRIZGalleryNext%lu.bmp"), szTemp, ::GetCurrentProcessId());
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx * 3;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(dc.GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (!hBitmap) return CString();
    HGDIOBJ hOld = dc.SelectObject(hBitmap);
    dc.FillSolidRect(0, 0, cx * 3, cy, RGB(255, 0, 255));
    static const COLORREF s_fill[3] = {RGB(76, 160, 90), RGB(96, 190, 110), RGB(50, 120, 64)};
    for (int i = 0; i < 3; ++i) {
        CPen pen(PS_SOLID, 1, RGB(30, 90, 40));
        CBrush brush(s_fill[i]);
        CPen* pOldPen = dc.SelectObject(&pen);
        CBrush* pOldBrush = dc.SelectObject(&brush);
        dc.RoundRect(i * cx, 0, i * cx + cx, cy, cy, cy);
        // A lighter band over the upper half gives the pill some depth.
        CPen penLight(PS_SOLID, 1, RGB(170, 225, 175));
        dc.SelectObject(&penLight);
        dc.MoveTo(i * cx + cy / 2, 3);
        dc.LineTo(i * cx + cx - cy / 2, 3);
        // An arrow at the right end.
        CPen penArrow(PS_SOLID, 2, RGB(255, 255, 255));
        dc.SelectObject(&penArrow);
        const int xa = i * cx + cx - 22, ya = cy / 2;
        dc.MoveTo(xa, ya);
        dc.LineTo(xa + 10, ya);
        dc.MoveTo(xa + 6, ya - 4);
        dc.LineTo(xa + 10, ya);
        dc.LineTo(xa + 6, ya + 4);
        dc.SelectObject(pOldPen);
        dc.SelectObject(pOldBrush);
    }
    ::GdiFlush();
    const int nStride = (cx * 3 * 3 + 3) & ~3;
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    bfh.bfSize = bfh.bfOffBits + nStride * cy;
    CFile file;
    if (file.Open(strPath, CFile::modeCreate | CFile::modeWrite)) {
        file.Write(&bfh, sizeof(bfh));
        file.Write(&bmi.bmiHeader, sizeof(bmi.bmiHeader));
        file.Write(pBits, nStride * cy);
        file.Close();
    } else {
        strPath.Empty();
    }
    dc.SelectObject(hOld);
    ::DeleteObject(hBitmap);
    return strPath;
}

// ---- The page window ----

class CButtonPageWnd : public CWnd {
public:
    BOOL CreatePage(HWND hParent, const RECT& rc);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLanguageChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    struct Item {
        std::unique_ptr<CQVButton> pButton;
        LPCTSTR lpszTextKey;
        State nState;
        BOOL bFitText;  // icon and text buttons that take the width of their text
    };
    CQVButton* AddButton(LPCTSTR lpszTextKey, DWORD dwStyle, const CRect& rc, State nState);
    void CreateRows();
    void CreateIconRow(int y);
    // Sets the "~KEY" texts again and translates the page, then resizes the kinds that fit their text.
    void Translate();
    // Puts every button into the state of its column.
    void ApplyStates();
    int RowTop(int nRow) const { return kMargin + kTitleHeight + kHeaderHeight + nRow * kRowHeight; }
    CRect StatusRect() const;

    std::vector<Item> m_items;
    UINT m_nNextId = kFirstId;
    CString m_strImageFile;
    CString m_strLastClick;
};

BEGIN_MESSAGE_MAP(CButtonPageWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_QV_SKINCHANGED, &CButtonPageWnd::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &CButtonPageWnd::OnLanguageChanged)
END_MESSAGE_MAP()

BOOL CButtonPageWnd::CreatePage(HWND hParent, const RECT& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Buttons"),
                  WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                  hParent, NULL))
        return FALSE;
    m_strImageFile = WriteNextButtonImage();
    CreateRows();
    if (!m_strImageFile.IsEmpty()) ::DeleteFile(m_strImageFile);  // loaded: the buttons keep the pixels
    Translate();
    ApplyStates();
    return TRUE;
}

CQVButton* CButtonPageWnd::AddButton(LPCTSTR lpszTextKey, DWORD dwStyle, const CRect& rc, State nState) {
    Item item;
    item.pButton.reset(new CQVButton);
    item.lpszTextKey = lpszTextKey;
    item.nState = nState;
    item.bFitText = TRUE;
    // Each radio button is a group of its own, so that the checked row stays checked.
    const DWORD dwGroup = (dwStyle & BS_TYPEMASK) == BS_AUTORADIOBUTTON ? WS_GROUP : 0;
    if (!item.pButton->Create(_T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwGroup | dwStyle, rc, this,
                              m_nNextId++))
        return NULL;
    m_items.push_back(std::move(item));
    return m_items.back().pButton.get();
}

void CButtonPageWnd::CreateRows() {
    const int x0 = kMargin + kLabelWidth;
    for (int nRow = 0; nRow < kRowCount; ++nRow) {
        const RowSpec& row = kRows[nRow];
        for (int nState = 0; nState < STATE_COUNT; ++nState) {
            const CRect rc(x0 + nState * kColumnWidth, RowTop(nRow) + 4,
                           x0 + nState * kColumnWidth + kButtonWidth, RowTop(nRow) + kRowHeight - 4);
            CQVButton* pButton = AddButton(row.lpszTextKey, row.dwStyle, rc, static_cast<State>(nState));
            if (!pButton) continue;
            switch (row.nType) {
            case QVBT_IMAGE:
                pButton->SetButtonType(QVBT_IMAGE, FALSE);
                pButton->SetWindowPos(NULL, 0, 0, 60, rc.Height(), SWP_NOMOVE | SWP_NOZORDER);
                pButton->AdjustControlRect();
                break;
            case QVBT_IMAGE_TEXT:
            case QVBT_COMMON:
            case QVBT_CHECKBOX:
            case QVBT_CHECKBOX_SKIN:
            case QVBT_RADIO:
            case QVBT_RADIO_SKIN:
                // The skin's flags choose between the skin and the colour-drawn kinds; the page shows both.
                pButton->SetButtonType(row.nType, FALSE);
                pButton->AdjustControlRect();
                break;
            case QVBT_PRIVATE_IMAGE:
                pButton->SetBitmapFile(m_strImageFile, TRUE, RGB(255, 0, 255), _T("Tahoma"), 90,
                                       RGB(255, 255, 255), CPoint(14, 0));
                break;
            case QVBT_ICON_TEXT:
                pButton->SetIcon(MakeIcon(16, RGB(40, 120, 210), 0), CSize(16, 16), QVBIA_LEFT);
                pButton->SetButtonType(QVBT_ICON_TEXT, FALSE);
                break;
            default:
                break;
            }
            if (row.bChecked) pButton->SetCheck(BST_CHECKED);
            if (nRow == 0 && nState == STATE_NORMAL)
                pButton->SetToolTip(Text(_T("IDS_GALLERY_BTN_TIP_SEND")));
        }
    }
    CreateIconRow(RowTop(kRowCount));
}

void CButtonPageWnd::CreateIconRow(int y) {
    const int x0 = kMargin + kLabelWidth;
    CQVButton* pRight = AddButton(_T("IDS_GALLERY_BTN_HISTORY"), BS_PUSHBUTTON,
                                  CRect(x0, y + 4, x0 + 100, y + 28), STATE_NORMAL);
    if (pRight) {
        pRight->SetIcon(MakeIcon(16, RGB(220, 130, 40), 1), CSize(16, 16), QVBIA_RIGHT);
        pRight->SetButtonType(QVBT_ICON_TEXT, FALSE);
    }
    CQVButton* pTop = AddButton(_T("IDS_GALLERY_BTN_SETTINGS"), BS_PUSHBUTTON,
                                CRect(x0 + kColumnWidth, y + 2, x0 + kColumnWidth + 90, y + 60), STATE_HOVER);
    if (pTop) {
        pTop->SetIcon(MakeIcon(32, RGB(120, 90, 200), 2), CSize(32, 32), QVBIA_TOP);
        pTop->SetButtonType(QVBT_ICON_TEXT, FALSE);
        // The text goes below the icon: the button keeps the size of its cell.
        pTop->SetWindowPos(NULL, 0, 0, 90, 58, SWP_NOMOVE | SWP_NOZORDER);
        m_items.back().bFitText = FALSE;
    }
    for (int i = 0; i < 2; ++i) {
        const int x = x0 + 2 * kColumnWidth + i * 48;
        CQVButton* pAlone = AddButton(NULL, BS_PUSHBUTTON, CRect(x, y + 4, x + 40, y + 40),
                                      i == 0 ? STATE_NORMAL : STATE_PRESSED);
        if (pAlone)
            pAlone->SetIcon(MakeIcon(24, i == 0 ? RGB(40, 160, 90) : RGB(200, 60, 80), i), CSize(24, 24));
    }
}

void CButtonPageWnd::Translate() {
    for (Item& item : m_items) {
        if (item.lpszTextKey) item.pButton->SetWindowText(CString(_T("~")) + item.lpszTextKey);
    }
    TranslateWndStrings(this);
    // Icon and text buttons fit their new text.
    for (Item& item : m_items) {
        if (item.bFitText && item.pButton->GetButtonType() == QVBT_ICON_TEXT)
            item.pButton->AdjustControlRect();
    }
    Invalidate();
}

void CButtonPageWnd::ApplyStates() {
    for (Item& item : m_items) {
        CQVButton* pButton = item.pButton.get();
        switch (item.nState) {
        case STATE_HOVER:
            // A mouse move inside: the button hovers until the real mouse leaves it.
            pButton->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
            break;
        case STATE_PRESSED:
            pButton->SendMessage(BM_SETSTATE, TRUE);
            break;
        case STATE_DISABLED:
            pButton->EnableWindow(FALSE);
            break;
        default:
            break;
        }
    }
}

CRect CButtonPageWnd::StatusRect() const {
    CRect rc;
    GetClientRect(&rc);
    const int y = RowTop(kRowCount) + kIconRowHeight + 8;
    return CRect(kMargin, y, rc.right - kMargin, y + 24);
}

BOOL CButtonPageWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && lParam) {
        CWnd::FromHandle(reinterpret_cast<HWND>(lParam))->GetWindowText(m_strLastClick);
        if (m_strLastClick.IsEmpty()) m_strLastClick.Format(_T("#%u"), LOWORD(wParam));
        InvalidateRect(StatusRect());
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CButtonPageWnd::OnEraseBkgnd(CDC* pDC) {
    // The skin's client colour: also what the transparent buttons show around their images.
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk);
    return TRUE;
}

void CButtonPageWnd::OnPaint() {
    CPaintDC dc(this);
    CFont fontTitle, fontText;
    const CString strFace = Text(_T("IDS_DEF_FONT"));
    fontTitle.CreatePointFont(120, strFace, &dc);
    fontText.CreatePointFont(90, strFace, &dc);
    CFont* pOldFont = dc.SelectObject(&fontTitle);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(30, 50, 90));
    dc.TextOut(kMargin, kMargin, Text(_T("IDS_GALLERY_BTN_TITLE")));
    dc.SelectObject(&fontText);
    dc.SetTextColor(RGB(90, 90, 90));
    const int x0 = kMargin + kLabelWidth;
    for (int nState = 0; nState < STATE_COUNT; ++nState)
        dc.TextOut(x0 + nState * kColumnWidth, kMargin + kTitleHeight, Text(kColumnKeys[nState]));
    CPen pen(PS_SOLID, 1, RGB(200, 205, 215));
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.MoveTo(kMargin, RowTop(0) - 2);
    dc.LineTo(x0 + STATE_COUNT * kColumnWidth, RowTop(0) - 2);
    dc.SelectObject(pOldPen);
    dc.SetTextColor(RGB(40, 40, 40));
    for (int nRow = 0; nRow <= kRowCount; ++nRow) {
        CRect rcLabel(kMargin, RowTop(nRow), x0 - 8, RowTop(nRow) + kRowHeight);
        const CString strLabel =
            Text(nRow < kRowCount ? kRows[nRow].lpszLabelKey : _T("IDS_GALLERY_BTN_ROW_ICONALIGN"));
        dc.DrawText(strLabel, &rcLabel, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    CRect rcStatus = StatusRect();
    dc.SetTextColor(RGB(30, 80, 150));
    dc.DrawText(Text(_T("IDS_GALLERY_BTN_CLICKED")) + _T(" ") + m_strLastClick, &rcStatus,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(pOldFont);
}

LRESULT CButtonPageWnd::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    // Every button adjusts to the new skin and repaints; the page repaints its background.
    for (Item& item : m_items) {
        if (item.pButton->SendMessage(WM_QV_SKINCHANGED, wParam, lParam)) item.pButton->Invalidate();
    }
    Invalidate();
    return 0;
}

LRESULT CButtonPageWnd::OnLanguageChanged(WPARAM, LPARAM) {
    Translate();
    return 0;
}

// ---- The page ----

class CButtonPage : public CGalleryWndPage<CButtonPageWnd> {
public:
    CButtonPage() : CGalleryWndPage(_T("buttons"), _T("Buttons")) {}
};

REGISTER_GALLERY_PAGE(CButtonPage);

}  // namespace
