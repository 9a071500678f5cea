#include "QVButton.h"

#include <QVSkinResManager.h>

#include "QVMouseLoop.h"
#include "QVSelectScope.h"
#include "TransparentBkg.h"

#include <vector>

namespace {

// Pen, brush and text colours of the colour-drawn kinds.
struct ColourSet {
    COLORREF clrPen;
    COLORREF clrBrush;
    COLORREF clrText;
};

const COLORREF kClrDisabledText = 0x808080;
const COLORREF kClrIconFrame = 0xFF8080;

ColourSet ColoursFor(UINT nState, BOOL bHover, BOOL bCommon) {
    if (nState & ODS_DISABLED) return ColourSet{0xC8C8C8, 0xC0C0C0, kClrDisabledText};
    if (nState & ODS_SELECTED) return ColourSet{0x000000, 0xC04040, 0xFFFFFF};
    if (bHover) return ColourSet{0xFFC8C8, 0xC0FFFF, static_cast<COLORREF>(bCommon ? 0x8080FF : 0x000000)};
    return ColourSet{0xFF6464, 0xFFC0C0, 0x000000};
}

HGDIOBJ GuiFont() {
    return ::GetStockObject(DEFAULT_GUI_FONT);
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVButton, CButton)

BEGIN_MESSAGE_MAP(CQVButton, CButton)
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVButton::OnSkinChanged)
ON_WM_MOUSELEAVE()
ON_MESSAGE(BM_SETCHECK, &CQVButton::OnSetCheck)
ON_MESSAGE(BM_GETCHECK, &CQVButton::OnGetCheck)
ON_WM_MOUSEMOVE()
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SHOWWINDOW()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_KEYUP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CQVButton::CQVButton() {
    m_pBtnRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
}

CQVButton::~CQVButton() {
    if (m_hIcon) ::DestroyIcon(m_hIcon);
    m_hIcon = NULL;
    delete m_pBitmap;
    m_pBitmap = NULL;
}

// ---- Attributes ----

void CQVButton::SetButtonType(QVButtonType nType, BOOL bRedraw) {
    m_nButtonType = nType;
    if (bRedraw && GetSafeHwnd()) Invalidate(TRUE);
}

void CQVButton::SetIcon(HICON hIcon, CSize sizeIcon, QVButtonIconAlign nIconAlign) {
    if (m_hIcon && m_hIcon != hIcon) ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    m_sizeIcon = sizeIcon;
    m_nIconAlign = nIconAlign;
    m_nButtonType = QVBT_ICON;
    AdjustControlRect();
}

BOOL CQVButton::SetBitmapFile(LPCTSTR lpszFile, BOOL bTransparent, COLORREF clrTransparent,
                              LPCTSTR lpszFontName, int nFontSize, COLORREF clrText, CPoint ptTextOffset) {
    if (!m_pBitmap) m_pBitmap = new CQVBitmap;
    const BOOL bLoaded = lpszFile && m_pBitmap->LoadBitmap(lpszFile);
    m_pBitmap->SetMultiState(3, TRUE);
    m_nButtonType = QVBT_PRIVATE_IMAGE;
    m_bTransparentImage = bTransparent;
    m_clrTransparent = clrTransparent;
    m_strFontName = lpszFontName ? lpszFontName : _T("");
    m_nFontSize = nFontSize;
    m_clrText = clrText;
    m_ptTextOffset = ptTextOffset;
    AdjustControlRect();
    return bLoaded;
}

void CQVButton::SetToolTip(LPCTSTR lpszText) {
    if (!GetSafeHwnd()) return;
    if (!m_ToolTip.GetSafeHwnd() && !m_ToolTip.Create(this, TTS_ALWAYSTIP)) return;
    m_ToolTip.AddTool(this, lpszText);
}

void CQVButton::AdjustControlRect() {
    if (!GetSafeHwnd() || !::IsWindow(m_hWnd)) return;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    int cx = rcWindow.Width();
    int cy = rcWindow.Height();
    switch (m_nButtonType) {
    case QVBT_IMAGE:
    case QVBT_IMAGE_TEXT:
        cy = m_pBtnRes->m_nPushBtnHeight;
        break;
    case QVBT_PRIVATE_IMAGE:
        cx = m_pBitmap ? m_pBitmap->GetWidth() / 3 : 0;
        cy = m_pBitmap ? m_pBitmap->GetHeight() : 0;
        break;
    case QVBT_ICON:
    case QVBT_ICON_TEXT: {
        cx = m_sizeIcon.cx + 4;
        cy = m_sizeIcon.cy + 4;
        CString strText;
        GetWindowText(strText);
        if (m_nButtonType == QVBT_ICON_TEXT && !strText.IsEmpty()) {
            // Measured in the DC's own font: the one the text is drawn in is not known here.
            CClientDC dc(this);
            CRect rcText(0, 0, 100, 20);
            dc.DrawText(strText, &rcText, DT_CALCRECT | DT_SINGLELINE);
            cx += rcText.Width() + 4;
        }
        break;
    }
    default:
        return;
    }
    // The z-order stays: it is the order of the dialog's groups.
    SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
}

// ---- Overridables ----

void CQVButton::PreSubclassWindow() {
    switch (GetStyle() & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        m_nButtonType = m_pBtnRes->m_nSkinCheckBox ? QVBT_CHECKBOX_SKIN : QVBT_CHECKBOX;
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        m_nButtonType = m_pBtnRes->m_nSkinRadio ? QVBT_RADIO_SKIN : QVBT_RADIO;
        break;
    default:
        if (m_nButtonType == QVBT_COMMON && m_pBtnRes->m_nSkinPushBtn) m_nButtonType = QVBT_IMAGE_TEXT;
        break;
    }
    AdjustControlRect();
    // The system draws nothing from now on and no longer checks the button itself.
    m_dwOrigStyle = GetStyle();
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    m_bChecked = static_cast<BOOL>(SendMessage(BM_GETCHECK));
    m_bTransparentImage = m_pBtnRes->m_nTransparentImage;
    m_clrTransparent = m_pBtnRes->m_clrTransparent;
    CButton::PreSubclassWindow();
}

BOOL CQVButton::PreTranslateMessage(MSG* pMsg) {
    if (m_ToolTip.GetSafeHwnd()) m_ToolTip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

void CQVButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const UINT nState = lpDrawItemStruct->itemState;
    CString strText;
    GetWindowText(strText);
    switch (m_nButtonType) {
    case QVBT_COMMON:
        DrawColourButton(&dc, rcItem, nState, strText);
        break;
    case QVBT_IMAGE:
    case QVBT_IMAGE_TEXT:
        DrawSkinButton(&dc, rcItem, nState, strText);
        break;
    case QVBT_PRIVATE_IMAGE:
        DrawPrivateImage(&dc, rcItem, nState, strText);
        break;
    case QVBT_ICON:
    case QVBT_ICON_TEXT:
        DrawIconButton(&dc, rcItem, nState, strText);
        break;
    case QVBT_CHECKBOX:
    case QVBT_RADIO:
        DrawColourCheck(&dc, rcItem, nState, strText);
        break;
    case QVBT_CHECKBOX_SKIN:
    case QVBT_RADIO_SKIN:
        DrawSkinCheck(&dc, rcItem, nState, strText);
        break;
    }
    dc.Detach();
}

// ---- Drawing ----

void CQVButton::DrawColourButton(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText) {
    const ColourSet colours = ColoursFor(nState, m_bHover, TRUE);
    CQVSelectScope tools = CQVSelectScope::SolidPenBrush(*pDC, colours.clrPen, colours.clrBrush);
    tools.Select(GuiFont());
    pDC->Rectangle(&rcItem);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(colours.clrText);
    CRect rcText(rcItem);
    pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if ((nState & ODS_FOCUS) && !m_bHover) {
        CRect rcFocus(rcItem);
        rcFocus.DeflateRect(1, 1);
        pDC->DrawFocusRect(&rcFocus);
    }
}

void CQVButton::DrawColourCheck(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText) {
    DrawTransparentBkg(this, GetParent(), pDC);
    const ColourSet colours = ColoursFor(nState, m_bHover, FALSE);
    CQVSelectScope tools = CQVSelectScope::SolidPenBrush(*pDC, colours.clrPen, colours.clrBrush);
    tools.Select(GuiFont());
    // A square box as high as the item, the text beside it.
    const CRect rcBox(rcItem.left, rcItem.top, rcItem.left + rcItem.Height(), rcItem.bottom);
    if (m_nButtonType == QVBT_CHECKBOX)
        pDC->RoundRect(&rcBox, CPoint(5, 5));
    else
        pDC->Ellipse(&rcBox);
    CRect rcText(rcBox.right + 10, rcItem.top, rcItem.right, rcItem.bottom);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(colours.clrText);
    pDC->DrawText(strText, &rcText, DT_VCENTER | DT_SINGLELINE);
    if (m_bChecked) {
        pDC->MoveTo(rcBox.left, rcBox.top);
        pDC->LineTo(rcBox.right, rcBox.bottom);
    }
    if ((nState & ODS_FOCUS) && !m_bHover) pDC->DrawFocusRect(&rcText);
}

void CQVButton::DrawSkinButton(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText) {
    CQVSelectScope tools(pDC, GuiFont());
    int nFrame = 0;
    COLORREF clrText = RGB(0, 0, 0);
    if (nState & ODS_DISABLED) {
        nFrame = 3;
        clrText = kClrDisabledText;
    } else if (nState & ODS_SELECTED) {
        nFrame = 2;
    } else if (m_bHover) {
        nFrame = 1;
    }
    const CQVBitmap& bmp = m_pBtnRes->m_bmpPushBtn;
    if (m_bTransparentImage) {
        DrawTransparentBkg(this, GetParent(), pDC);
        bmp.TransparentDrawFill(pDC, rcItem, m_clrTransparent, nFrame);
    } else {
        bmp.DrawFill(pDC, rcItem, nFrame);
    }
    if (m_nButtonType == QVBT_IMAGE_TEXT && !strText.IsEmpty()) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(clrText);
        CRect rcText(rcItem);
        pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if ((nState & ODS_FOCUS) && !m_bHover) {
        CRect rcFocus(rcItem);
        rcFocus.DeflateRect(2, 2);
        pDC->DrawFocusRect(&rcFocus);
    }
}

void CQVButton::DrawPrivateImage(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText) {
    int nFrame = 0;
    if (!(nState & ODS_DISABLED) && (m_bHover || (nState & ODS_SELECTED)))
        nFrame = (nState & ODS_SELECTED) ? 2 : 1;
    if (m_bTransparentImage) {
        DrawTransparentBkg(this, GetParent(), pDC);
        if (m_pBitmap) m_pBitmap->TransparentDraw(pDC, rcItem.left, rcItem.top, m_clrTransparent, nFrame);
    } else if (m_pBitmap) {
        m_pBitmap->Draw(pDC, rcItem.left, rcItem.top, nFrame);
    }
    if (strText.IsEmpty()) return;
    CFont font;
    font.CreatePointFont(m_nFontSize, m_strFontName, pDC);
    CQVSelectScope tools(pDC, font.GetSafeHandle());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_clrText);
    CRect rcText(rcItem);
    rcText.OffsetRect(m_ptTextOffset);
    pDC->DrawText(strText, &rcText, DT_VCENTER | DT_SINGLELINE);
}

void CQVButton::DrawIconButton(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText) {
    DrawTransparentBkg(this, GetParent(), pDC);
    CQVSelectScope tools(pDC, GuiFont());
    CRect rcIcon;
    CRect rcText;
    switch (m_nIconAlign) {
    case QVBIA_LEFT:
        rcIcon = CRect(CPoint(rcItem.left + 2, rcItem.top + 2), m_sizeIcon);
        rcText = CRect(rcIcon.right + 5, rcItem.top, rcItem.right, rcItem.bottom);
        break;
    case QVBIA_RIGHT:
        rcIcon = CRect(CPoint(rcItem.right - m_sizeIcon.cx - 2, rcItem.top + 2), m_sizeIcon);
        rcText = CRect(rcItem.left, rcItem.top, rcIcon.left - 5, rcItem.bottom);
        break;
    default:
        rcIcon =
            CRect(CPoint(rcItem.left + (rcItem.Width() - m_sizeIcon.cx) / 2 + 2, rcItem.top + 2), m_sizeIcon);
        rcText = CRect(rcItem.left, rcIcon.bottom + 2, rcItem.right, rcItem.bottom);
        break;
    }
    COLORREF clrText = RGB(0, 0, 0);
    BOOL bFrame = FALSE;
    if (nState & ODS_DISABLED) {
        clrText = kClrDisabledText;
    } else if (nState & ODS_SELECTED) {
        // Pressed: the content moves down and right by one pixel.
        rcIcon.OffsetRect(1, 1);
        rcText.OffsetRect(1, 1);
        bFrame = TRUE;
    } else if (m_bHover) {
        bFrame = TRUE;
    }
    if (m_hIcon)
        ::DrawIconEx(pDC->GetSafeHdc(), rcIcon.left, rcIcon.top, m_hIcon, m_sizeIcon.cx, m_sizeIcon.cy, 0,
                     NULL, DI_NORMAL);
    if (m_nButtonType == QVBT_ICON_TEXT && !strText.IsEmpty()) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(clrText);
        pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (bFrame) {
        CPen pen(PS_SOLID, 1, kClrIconFrame);
        CQVSelectScope frameTools(pDC, pen.GetSafeHandle(), ::GetStockObject(NULL_BRUSH));
        pDC->Rectangle(&rcItem);
    }
}

void CQVButton::DrawSkinCheck(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText) {
    DrawTransparentBkg(this, GetParent(), pDC);
    CQVSelectScope tools(pDC, GuiFont());
    const BOOL bCheckBox = m_nButtonType == QVBT_CHECKBOX_SKIN;
    const CQVBitmap& bmp = bCheckBox ? m_pBtnRes->m_bmpCheckBox : m_pBtnRes->m_bmpRadio;
    const CSize sizeImage = bCheckBox ? CSize(m_pBtnRes->m_nCheckBoxWidth, m_pBtnRes->m_nCheckBoxHeight)
                                      : CSize(m_pBtnRes->m_nRadioWidth, m_pBtnRes->m_nRadioHeight);
    // Frames: unchecked 0 normal, 1 hover, 3 disabled; checked 4, 5, 7; pressed 10 for the check box and
    // 2 / 6 for the radio button. A pressed radio button has white text.
    const BOOL bPressed = (nState & ODS_SELECTED) != 0;
    int nFrame;
    COLORREF clrText = RGB(0, 0, 0);
    if (nState & ODS_DISABLED) {
        nFrame = m_bChecked ? 7 : 3;
        clrText = kClrDisabledText;
    } else if (bPressed) {
        nFrame = bCheckBox ? 10 : (m_bChecked ? 6 : 2);
        if (!bCheckBox) clrText = RGB(255, 255, 255);
    } else if (m_bChecked) {
        nFrame = m_bHover ? 5 : 4;
    } else {
        nFrame = m_bHover ? 1 : 0;
    }
    if (m_bTransparentImage)
        bmp.TransparentDraw(pDC, rcItem.left, rcItem.top, sizeImage.cx, sizeImage.cy, m_clrTransparent,
                            nFrame);
    else
        bmp.Draw(pDC, rcItem.left, rcItem.top, sizeImage.cx, sizeImage.cy, nFrame);
    CRect rcText(rcItem.left + sizeImage.cx + 5, rcItem.top, rcItem.right, rcItem.bottom);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    pDC->DrawText(strText, &rcText, DT_VCENTER | DT_SINGLELINE);
    if ((nState & ODS_FOCUS) && !m_bHover) pDC->DrawFocusRect(&rcText);
}

// ---- Check state ----

void CQVButton::ToggleCheck() {
    if (IsCheckKind()) {
        SendMessage(BM_SETCHECK, m_bChecked ? BST_UNCHECKED : BST_CHECKED);
        Invalidate(FALSE);
    } else if (IsRadioKind()) {
        if (!m_bChecked) SendMessage(BM_SETCHECK, BST_CHECKED);
        Invalidate(FALSE);
    }
}

void CQVButton::ClearRadioGroup() {
    CWnd* pParent = GetParent();
    if (!pParent) return;
    for (BOOL bPrevious : {FALSE, TRUE}) {
        // A walk that starts from a hidden or disabled button never meets it again: it also ends when
        // it comes back to a window it has already seen.
        std::vector<HWND> seen;
        for (CWnd* pWnd = pParent->GetNextDlgGroupItem(this, bPrevious); pWnd;
             pWnd = pParent->GetNextDlgGroupItem(pWnd, bPrevious)) {
            if (pWnd->m_hWnd == m_hWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CQVButton))) break;
            bool bSeen = false;
            for (HWND hWnd : seen)
                bSeen = bSeen || hWnd == pWnd->m_hWnd;
            if (bSeen) break;
            seen.push_back(pWnd->m_hWnd);
            CQVButton* pButton = static_cast<CQVButton*>(pWnd);
            if (pButton->IsRadioKind() && pButton->SendMessage(BM_GETCHECK) == BST_CHECKED)
                pButton->SendMessage(BM_SETCHECK, BST_UNCHECKED);
        }
    }
}

// ---- Message handlers ----

LRESULT CQVButton::OnSkinChanged(WPARAM, LPARAM) {
    AdjustControlRect();
    Invalidate(TRUE);
    return 0;
}

void CQVButton::OnMouseLeave() {
    m_bHover = FALSE;
    Invalidate(FALSE);
}

LRESULT CQVButton::OnSetCheck(WPARAM wParam, LPARAM) {
    // The system's own check state is left as it is: the button draws from m_bChecked.
    if (wParam == BST_CHECKED || wParam == BST_INDETERMINATE) {
        m_bChecked = TRUE;
        if (IsRadioKind()) ClearRadioGroup();
    } else {
        m_bChecked = FALSE;
    }
    Invalidate(FALSE);
    return 0;
}

LRESULT CQVButton::OnGetCheck(WPARAM, LPARAM) {
    return m_bChecked;
}

void CQVButton::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bHover) {
        m_bHover = TRUE;
        Invalidate(TRUE);
        QVTrackMouseLeave(m_hWnd);
    }
    CButton::OnMouseMove(nFlags, point);
}

int CQVButton::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CButton::OnCreate(lpCreateStruct) == -1) return -1;
    AdjustControlRect();
    return 0;
}

void CQVButton::OnDestroy() {
    CButton::OnDestroy();
}

void CQVButton::OnShowWindow(BOOL bShow, UINT nStatus) {
    CButton::OnShowWindow(bShow, nStatus);
}

BOOL CQVButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVButton::OnLButtonDown(UINT nFlags, CPoint point) {
    m_bLButtonDown = TRUE;
    CButton::OnLButtonDown(nFlags, point);
}

void CQVButton::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bLButtonDown) {
        m_bLButtonDown = FALSE;
        ToggleCheck();
    }
    // The system's mouse-up handling sends BN_CLICKED to the parent.
    CButton::OnLButtonUp(nFlags, point);
}

void CQVButton::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_SPACE) ToggleCheck();
    CButton::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CQVButton::OnSetFocus(CWnd* pOldWnd) {
    CButton::OnSetFocus(pOldWnd);
    Invalidate(TRUE);
}

void CQVButton::OnKillFocus(CWnd* pNewWnd) {
    CButton::OnKillFocus(pNewWnd);
    Invalidate(TRUE);
}
