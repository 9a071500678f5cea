#include "QVColorComboBox.h"

#include <afxdlgs.h>

#include <QVLanResManager.h>

#include "QVAliveToken.h"
#include "QVSelectScope.h"

namespace {

const COLORREF kMainColors[] = {0x000000, 0x000080, 0x008000, 0x800000, 0x008080,
                                0x800080, 0x808000, 0x808080, 0x0000FF, 0x00FF00,
                                0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
const COLORREF kOtherText = RGB(255, 0, 0);
const COLORREF kOtherTextSelected = RGB(255, 255, 255);
const COLORREF kDialogStart = RGB(255, 0, 0);

BOOL SystemChooseColor(CWnd* pOwner, COLORREF clrInit, COLORREF* pclrChosen) {
    CColorDialog dlg(clrInit, CC_RGBINIT | CC_FULLOPEN, pOwner);
    if (dlg.DoModal() != IDOK) return FALSE;
    *pclrChosen = dlg.GetColor();
    return TRUE;
}

QVChooseColorFunc g_pfnChooseColor = &SystemChooseColor;

}  // namespace

IMPLEMENT_DYNAMIC(CQVColorComboBox, CQVComboBox)

BEGIN_MESSAGE_MAP(CQVColorComboBox, CQVComboBox)
ON_CONTROL_REFLECT(CBN_DROPDOWN, &CQVColorComboBox::OnDropDown)
ON_CONTROL_REFLECT(CBN_SELCHANGE, &CQVColorComboBox::OnSelChange)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CQVColorComboBox::CQVColorComboBox()
    : m_strOther(CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_QVC_OTHER"))) {}

CQVColorComboBox::~CQVColorComboBox() = default;

QVChooseColorFunc CQVColorComboBox::SetChooseColorFunc(QVChooseColorFunc pfn) {
    const QVChooseColorFunc pfnOld = g_pfnChooseColor;
    g_pfnChooseColor = pfn ? pfn : &SystemChooseColor;
    return pfnOld;
}

// ---- Colours ----

void CQVColorComboBox::InitMainColors() {
    for (COLORREF clr : kMainColors)
        AddColor(clr);
}

int CQVColorComboBox::AddColor(COLORREF clr) {
    if (!GetSafeHwnd()) return CB_ERR;
    int nIndex = GetCount() - 1;
    if (nIndex < 0) {
        if (InsertString(0, m_strOther) < 0) return CB_ERR;
        SetItemData(0, 0);
        nIndex = 0;
    }
    nIndex = InsertString(nIndex, _T(""));
    if (nIndex >= 0) SetItemData(nIndex, clr);
    return nIndex;
}

void CQVColorComboBox::SetCurColor(COLORREF clr) {
    if (!GetSafeHwnd()) return;
    m_clrRemembered = clr;
    const int nColors = GetCount() - 1;
    for (int i = 0; i < nColors; ++i) {
        if (static_cast<COLORREF>(GetItemData(i)) == clr) {
            SetCurSel(i);
            return;
        }
    }
    const int nIndex = AddColor(clr);
    if (nIndex >= 0) SetCurSel(nIndex);
}

COLORREF CQVColorComboBox::GetCurColor() const {
    const int nSel = GetSafeHwnd() ? GetCurSel() : CB_ERR;
    return nSel >= 0 ? static_cast<COLORREF>(GetItemData(nSel)) : 0;
}

// ---- Overridables ----

BOOL CQVColorComboBox::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style &= ~static_cast<DWORD>(CBS_DROPDOWN | CBS_OWNERDRAWVARIABLE);
    cs.style |= CBS_OWNERDRAWFIXED;
    return CQVComboBox::PreCreateWindow(cs);
}

void CQVColorComboBox::PreSubclassWindow() {
    CQVComboBox::PreSubclassWindow();
    // A template combo measured its items before this object existed.
    SetItemHeight(-1, ITEM_HEIGHT);
    SetItemHeight(0, ITEM_HEIGHT);
}

void CQVColorComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = ITEM_HEIGHT;
}

void CQVColorComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem = lpDrawItemStruct->rcItem;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const COLORREF clrOldBk = pDC->GetBkColor();
    pDC->FillSolidRect(&rcItem, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    pDC->SetBkColor(clrOldBk);
    if (lpDrawItemStruct->itemState & ODS_FOCUS) pDC->DrawFocusRect(&rcItem);

    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    if (nItem < 0 || nItem >= GetCount()) return;
    if (IsOtherItem(nItem)) {
        CRect rcText = rcItem;
        rcText.OffsetRect(5, 2);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF clrOldText = pDC->SetTextColor(bSelected ? kOtherTextSelected : kOtherText);
        pDC->DrawText(m_strOther, &rcText, DT_SINGLELINE | DT_VCENTER);
        pDC->SetTextColor(clrOldText);
        pDC->SetBkMode(nOldMode);
        return;
    }
    CQVSelectScope scope(pDC);
    scope.SelectOwned(::CreateSolidBrush(static_cast<COLORREF>(lpDrawItemStruct->itemData)));
    pDC->Rectangle(rcItem.left + 5, rcItem.top + 2, rcItem.right - 5, rcItem.bottom - 2);
}

// ---- The "other" item ----

BOOL CQVColorComboBox::ChooseOtherColor() {
    const CQVAliveToken alive(this);
    // The dialog runs inside the list's selection handling: the list closes and gives up the mouse
    // first, so that nothing is left dropped or captured behind the dialog.
    if (GetDroppedState()) ShowDropDown(FALSE);
    if (!alive) return FALSE;
    const HWND hCapture = ::GetCapture();
    if (hCapture && (hCapture == m_hWnd || ::IsChild(m_hWnd, hCapture))) ::ReleaseCapture();
    COMBOBOXINFO info = {};
    if (GetComboBoxInfo(&info) && info.hwndList && ::GetCapture() == info.hwndList) ::ReleaseCapture();
    if (!alive) return FALSE;

    COLORREF clrChosen = 0;
    m_bChoosing = TRUE;
    const BOOL bChosen = g_pfnChooseColor(this, kDialogStart, &clrChosen);
    if (!alive) return FALSE;
    m_bChoosing = FALSE;
    SetCurColor(bChosen ? clrChosen : m_clrRemembered);
    return TRUE;
}

void CQVColorComboBox::OnDropDown() {
    m_clrRemembered = GetCurColor();
}

void CQVColorComboBox::OnSelChange() {
    // Reached again while the dialog is open (the list closing, a host's message): nothing more.
    if (m_bChoosing) return;
    const int nSel = GetCurSel();
    if (IsOtherItem(nSel)) {
        if (!ChooseOtherColor()) return;
    } else if (nSel >= 0 && !GetDroppedState()) {
        // Arrow keys on a closed list: each colour reached is the one cancel comes back to.
        m_clrRemembered = GetCurColor();
    }
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_QV_COLORCOMBO_SELCHANGED, GetDlgCtrlID(), reinterpret_cast<LPARAM>(m_hWnd));
}

void CQVColorComboBox::OnDestroy() {
    // A window destroyed while its dialog is open leaves the object free to choose again once remade.
    m_bChoosing = FALSE;
    CQVComboBox::OnDestroy();
}
