// CQVEditListBox: owner-drawn rows and the in-place editor.
#include "QVEditListBox.h"

#include "QVAliveToken.h"

#include <tchar.h>

namespace {

const COLORREF kClrSelected = RGB(200, 200, 255);
const COLORREF kClrRow = RGB(255, 255, 255);

// The list messages that move the selection or change the items: an open edit is abandoned first.
bool ChangesItems(UINT message) {
    switch (message) {
    case LB_SETCURSEL:
    case LB_SETSEL:
    case LB_SELECTSTRING:
    case LB_SELITEMRANGE:
    case LB_SELITEMRANGEEX:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_DIR:
    case LB_ADDFILE:
        return true;
    default:
        return false;
    }
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVEditListBox, CQVListBox)

BEGIN_MESSAGE_MAP(CQVEditListBox, CQVListBox)
ON_WM_CREATE()
ON_CONTROL_REFLECT_EX(LBN_DBLCLK, &CQVEditListBox::OnDblClk)
ON_EN_KILLFOCUS(CQVEditListBox::kEditorId, &CQVEditListBox::OnEditKillFocus)
ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CQVEditListBox::CEditor, CQVEdit)
ON_MESSAGE(WM_GETDLGCODE, &CQVEditListBox::CEditor::OnGetDlgCode)
ON_WM_KEYDOWN()
ON_WM_CHAR()
END_MESSAGE_MAP()

CQVEditListBox::CQVEditListBox() {
    m_editor.m_pList = this;
}

CQVEditListBox::~CQVEditListBox() {
    // The editor's window goes before the list's: its last focus loss finds no edit open.
    m_nEditItem = -1;
    m_editor.m_pList = nullptr;
}

// ---- Operations ----

int CQVEditListBox::AddItemBeginEdit(LPCTSTR lpszText) {
    if (!GetSafeHwnd()) return LB_ERR;
    EndEdit(TRUE);
    ++m_nChanging;
    const int nItem = InsertString(GetCount(), lpszText ? lpszText : _T(""));
    --m_nChanging;
    if (nItem >= 0) BeginEdit(nItem, TRUE);
    return nItem;
}

void CQVEditListBox::EditSelItem() {
    if (!GetSafeHwnd()) return;
    EndEdit(TRUE);
    const int nItem = GetCurSel();
    if (nItem >= 0) BeginEdit(nItem, FALSE);
}

void CQVEditListBox::EndEdit(BOOL bKeep) {
    if (m_nEditItem < 0 || !GetSafeHwnd()) return;
    // Closed first: moving the focus below makes the editor report its focus loss once more.
    const int nItem = m_nEditItem;
    const BOOL bNew = m_bEditingNew;
    m_nEditItem = -1;
    CString strText;
    if (m_editor.GetSafeHwnd()) m_editor.GetWindowText(strText);

    // Deleting an owner-drawn item tells the owner, which may destroy the list.
    const CQVAliveToken alive(this);
    ++m_nChanging;
    if (bKeep) {
        DeleteString(nItem);
        if (alive && !strText.IsEmpty()) {
            InsertString(nItem, strText);
            if (alive) SetCurSel(nItem);
            m_bModified = TRUE;
        } else if (!bNew) {
            m_bModified = TRUE;
        }
    } else if (bNew) {
        DeleteString(nItem);
    }
    if (!alive) return;
    --m_nChanging;
    const BOOL bHadFocus = ::GetFocus() == m_editor.GetSafeHwnd();
    m_editor.ShowWindow(SW_HIDE);
    if (alive && bHadFocus) SetFocus();
}

// ---- Owner drawing ----

void CQVEditListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = kRowHeight;
}

void CQVEditListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (static_cast<int>(lpDrawItemStruct->itemID) < 0) return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc(lpDrawItemStruct->rcItem);
    pDC->FillSolidRect(&rc, (lpDrawItemStruct->itemState & ODS_SELECTED) ? kClrSelected : kClrRow);
    CString strText;
    GetText(static_cast<int>(lpDrawItemStruct->itemID), strText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(RGB(0, 0, 0));
    pDC->DrawText(strText, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

int CQVEditListBox::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) {
    // Without LBS_HASSTRINGS the item data are the strings.
    const auto* psz1 = reinterpret_cast<LPCTSTR>(lpCompareItemStruct->itemData1);
    const auto* psz2 = reinterpret_cast<LPCTSTR>(lpCompareItemStruct->itemData2);
    const int n = _tcscmp(psz1 ? psz1 : _T(""), psz2 ? psz2 : _T(""));
    return n < 0 ? -1 : n > 0 ? 1 : 0;
}

// ---- Overridables ----

BOOL CQVEditListBox::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style = (cs.style & ~LBS_OWNERDRAWVARIABLE) | kRequiredStyles;
    m_bCreating = TRUE;
    return CQVListBox::PreCreateWindow(cs);
}

void CQVEditListBox::PreSubclassWindow() {
    CQVListBox::PreSubclassWindow();
    if (m_bCreating) {
        m_bCreating = FALSE;  // WM_CREATE follows
        return;
    }
    InitEditList();
}

BOOL CQVEditListBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    // The editor's Enter (CQVEdit's command, code 0): handled, so the editor eats the key.
    if (LOWORD(wParam) == kEditorId && HIWORD(wParam) == 0 && lParam == 0) {
        EndEdit(TRUE);
        return TRUE;
    }
    return CQVListBox::OnCommand(wParam, lParam);
}

LRESULT CQVEditListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_nEditItem >= 0 && !m_nChanging && ChangesItems(message)) AbandonEdit();
    return CQVListBox::WindowProc(message, wParam, lParam);
}

// ---- Implementation ----

void CQVEditListBox::InitEditList() {
    // A template's list box measured its rows before it was subclassed; a created one was asked
    // through the reflected WM_MEASUREITEM, unless its parent does not reflect.
    SendMessage(LB_SETITEMHEIGHT, 0, kRowHeight);
    // The list's own painting must not cover the editor laid over its item.
    ModifyStyle(0, LBS_HASSTRINGS | WS_CLIPCHILDREN);
    if (!m_editor.GetSafeHwnd())
        m_editor.CreateEx(WS_EX_CLIENTEDGE, _T("Edit"), _T(""), WS_CHILD | ES_AUTOHSCROLL, CRect(1, 1, 1, 1),
                          this, kEditorId);
    if (m_editor.GetSafeHwnd())
        m_editor.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
}

void CQVEditListBox::BeginEdit(int nItem, BOOL bNew) {
    if (!m_editor.GetSafeHwnd()) return;
    CString strText;
    GetText(nItem, strText);
    ++m_nChanging;
    SetCurSel(nItem);
    --m_nChanging;
    m_nEditItem = nItem;
    m_bEditingNew = bNew;
    m_editor.SetWindowText(strText);
    CRect rcItem;
    GetItemRect(nItem, &rcItem);
    m_editor.SetWindowPos(&CWnd::wndTop, rcItem.left, rcItem.top, rcItem.Width(), rcItem.Height(),
                          SWP_NOREDRAW | SWP_NOACTIVATE);
    m_editor.ShowWindow(SW_SHOW);
    m_editor.SetSel(0, -1);
    m_editor.SetFocus();
}

void CQVEditListBox::AbandonEdit() {
    m_nEditItem = -1;
    if (!m_editor.GetSafeHwnd()) return;
    const BOOL bHadFocus = ::GetFocus() == m_editor.m_hWnd;
    m_editor.ShowWindow(SW_HIDE);
    if (bHadFocus) SetFocus();
}

// ---- Messages ----

int CQVEditListBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CQVListBox::OnCreate(lpCreateStruct) == -1) return -1;
    m_bCreating = FALSE;
    InitEditList();
    return 0;
}

BOOL CQVEditListBox::OnDblClk() {
    EditSelItem();
    return FALSE;  // the owner hears the double click too
}

void CQVEditListBox::OnEditKillFocus() {
    EndEdit(TRUE);
}

void CQVEditListBox::OnDestroy() {
    // A dying list keeps no edit: the editor's focus loss while it goes writes nothing.
    m_nEditItem = -1;
    CQVListBox::OnDestroy();
}

// ---- The editor ----

LRESULT CQVEditListBox::CEditor::OnGetDlgCode(WPARAM, LPARAM lParam) {
    LRESULT lCode = Default();
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (pMsg && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
        lCode |= DLGC_WANTMESSAGE;
    return lCode;
}

void CQVEditListBox::CEditor::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if ((nChar == VK_RETURN || nChar == VK_ESCAPE) && m_pList) {
        m_pList->EndEdit(nChar == VK_RETURN);
        return;
    }
    CQVEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CQVEditListBox::CEditor::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_RETURN || nChar == VK_ESCAPE) return;  // ended on the key itself
    CQVEdit::OnChar(nChar, nRepCnt, nFlags);
}
