#include "QVComboBox.h"

#include <QVBitmap.h>
#include <QVSkinResManager.h>

#include "QVAliveToken.h"
#include "QVMouseLoop.h"
#include "QVSelectScope.h"

namespace {

// The style bits that tell the combo's kind: both zero is the simple kind this control draws bare.
const DWORD kComboKindBits = 0x3;
const DWORD kOwnerDrawBits = CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE;
const UINT kTextFormat = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;

COLORREF SkinBorderColour() {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CQVComboBox, CComboBox)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_CAPTURECHANGED()
ON_CONTROL_REFLECT_EX(CBN_CLOSEUP, &CQVComboBox::OnCloseUp)
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVComboBox::OnSkinChanged)
END_MESSAGE_MAP()

CQVComboBox::CQVComboBox() : m_clrFrame(SkinBorderColour()) {
    m_pBtnRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
}

CQVComboBox::~CQVComboBox() = default;

// ---- Painting ----

void CQVComboBox::PaintCombo(CDC* pDC) {
    COMBOBOXINFO info = {};
    if (!GetComboBoxInfo(&info)) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    // The edit field of a combo with one paints itself (after the combo): drawing under it only flickers.
    if (info.hwndItem && info.hwndItem != m_hWnd) {
        CRect rcEdit;
        ::GetWindowRect(info.hwndItem, &rcEdit);
        ScreenToClient(&rcEdit);
        pDC->ExcludeClipRect(&rcEdit);
    }
    {
        CQVSelectScope scope(pDC);
        scope.SelectOwned(::CreatePen(PS_SOLID, 1, m_clrFrame));
        pDC->Rectangle(&rcClient);
    }
    if (GetStyle() & kComboKindBits) PaintEditArea(pDC, info.rcItem);
    PaintDropButton(pDC, info.rcButton);
}

void CQVComboBox::PaintEditArea(CDC* pDC, const CRect& rcItem) {
    // The focus in the edit field of a combo with one is the combo's.
    const HWND hFocus = ::GetFocus();
    const BOOL bFocus = hFocus && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
    const int nSel = GetCurSel();
    if (GetStyle() & kOwnerDrawBits) {
        // The owner-drawn current item goes through the combo's own DrawItem, as the system's items do.
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = GetDlgCtrlID();
        dis.itemID = static_cast<UINT>(nSel);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = bFocus ? ODS_SELECTED : ODS_DEFAULT;
        dis.hwndItem = m_hWnd;
        dis.hDC = pDC->GetSafeHdc();
        dis.rcItem = rcItem;
        dis.itemData = nSel >= 0 ? GetItemData(nSel) : 0;
        // In the combo's font, as the system hands its list items over.
        HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
        CQVSelectScope scope(pDC, hFont ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
        SendMessage(WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    CQVSelectScope scope(pDC, ::GetStockObject(DEFAULT_GUI_FONT));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    if (bFocus && nSel >= 0) {
        pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_HIGHLIGHT));
        clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    CString strText;
    GetWindowText(strText);
    CRect rcText = rcItem;
    pDC->DrawText(strText, &rcText, kTextFormat);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldMode);
}

void CQVComboBox::PaintDropButton(CDC* pDC, const CRect& rcButton) {
    const CQVBitmap& bmp = m_pBtnRes->m_bmpComboDrop;
    const int cx = m_pBtnRes->m_nComboDropWidth;
    const int cy = m_pBtnRes->m_nComboDropHeight;
    const int x = rcButton.right - cx;
    const int y = rcButton.bottom - cy;
    if (m_pBtnRes->m_nTransparentImage)
        bmp.TransparentDraw(pDC, x, y, cx, cy, m_pBtnRes->m_clrTransparent, m_nButtonState);
    else
        bmp.Draw(pDC, x, y, cx, cy, m_nButtonState);
}

// ---- States ----

void CQVComboBox::SetButtonState(QVComboButtonState nState) {
    if (m_nButtonState == nState) return;
    m_nButtonState = nState;
    Invalidate(FALSE);
}

BOOL CQVComboBox::IsPressStale() const {
    return m_nButtonState == QVCBS_PRESSED && ::GetCapture() != m_hWnd && !GetDroppedState();
}

void CQVComboBox::ReleaseStalePress() {
    if (IsPressStale()) SetButtonState(QVCBS_NORMAL);
}

// ---- Messages ----

void CQVComboBox::OnPaint() {
    CPaintDC dc(this);
    // A list closed where no notification reaches this object (a parent that reflects nothing) still
    // leaves the button unpressed by the time the system repaints it.
    if (IsPressStale()) m_nButtonState = QVCBS_NORMAL;
    PaintCombo(&dc);
}

void CQVComboBox::OnMouseMove(UINT nFlags, CPoint point) {
    // A press keeps its frame while the button is held, even as the mouse moves.
    const BOOL bHeld = m_nButtonState == QVCBS_PRESSED && (nFlags & MK_LBUTTON);
    if (!bHeld && m_nButtonState != QVCBS_HOVER) {
        SetButtonState(QVCBS_HOVER);
        if (!m_bHover) {
            m_bHover = QVTrackMouseLeave(m_hWnd);
        }
    }
    CComboBox::OnMouseMove(nFlags, point);
}

void CQVComboBox::OnMouseLeave() {
    m_bHover = FALSE;
    m_clrFrame = SkinBorderColour();
    m_nButtonState = QVCBS_NORMAL;
    Invalidate(FALSE);
}

void CQVComboBox::OnLButtonDown(UINT nFlags, CPoint point) {
    SetButtonState(QVCBS_PRESSED);
    CComboBox::OnLButtonDown(nFlags, point);
}

void CQVComboBox::OnLButtonUp(UINT nFlags, CPoint point) {
    SetButtonState(QVCBS_HOVER);
    CComboBox::OnLButtonUp(nFlags, point);
}

void CQVComboBox::OnSetFocus(CWnd* pOldWnd) {
    // The parent hears CBN_SETFOCUS inside the default processing and may destroy the combo there.
    const CQVAliveToken alive(this);
    CComboBox::OnSetFocus(pOldWnd);
    if (alive) Invalidate(FALSE);
}

void CQVComboBox::OnKillFocus(CWnd* pNewWnd) {
    const CQVAliveToken alive(this);
    CComboBox::OnKillFocus(pNewWnd);
    if (!alive) return;
    ReleaseStalePress();
    Invalidate(FALSE);
}

void CQVComboBox::OnCaptureChanged(CWnd* pWnd) {
    CComboBox::OnCaptureChanged(pWnd);
    ReleaseStalePress();
}

BOOL CQVComboBox::OnCloseUp() {
    if (m_nButtonState == QVCBS_PRESSED) SetButtonState(QVCBS_NORMAL);
    return FALSE;  // the parent hears CBN_CLOSEUP too
}

LRESULT CQVComboBox::OnSkinChanged(WPARAM, LPARAM) {
    m_clrFrame = SkinBorderColour();
    Invalidate(FALSE);
    return 0;
}
