// The standard controls: creation with the system class, the members that do more than send one
// message, and the owner-draw virtuals reached from the parent's WM_DRAWITEM and friends.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

namespace {

// The owner-draw messages of list and combo boxes, sent to the parent and reflected to the control.
// WM_DRAWITEM and WM_DELETEITEM expect no particular result; WM_MEASUREITEM and WM_COMPAREITEM answer
// through pResult when the parent passes one.
template <class TBox>
BOOL OwnerDrawBoxNotify(TBox* pBox, UINT message, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_DRAWITEM:
        pBox->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        pBox->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM: {
        const int nResult = pBox->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        if (pResult) *pResult = nResult;
        return TRUE;
    }
    case WM_DELETEITEM:
        pBox->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return FALSE;
    }
    if (pResult) *pResult = TRUE;
    return TRUE;
}

// Reads an item text of a list or combo box into a CString, sized by the control's own length report.
void GetBoxText(HWND hWnd, UINT msgLen, UINT msgText, int nIndex, CString& rString) {
    const int nLen = static_cast<int>(::SendMessage(hWnd, msgLen, nIndex, 0));
    if (nLen < 0) {  // LB_ERR / CB_ERR: no such item
        rString.Empty();
        return;
    }
    // The reported length may exceed the text (never fall short of it), so the copy always fits; an
    // owner-drawn box without strings copies its item data instead, hence the room for a pointer.
    const int nRoom = static_cast<int>(sizeof(ULONG_PTR) / sizeof(TCHAR));
    LPTSTR pBuf = rString.GetBuffer(nLen > nRoom ? nLen : nRoom);
    const int nGot = static_cast<int>(::SendMessage(hWnd, msgText, nIndex, reinterpret_cast<LPARAM>(pBuf)));
    rString.ReleaseBuffer(nGot < 0 ? 0 : nGot);
}

}  // namespace

// ---- CStatic ----

CStatic::~CStatic() {
    if (m_hWnd) DestroyWindow();
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(_T("STATIC"), lpszText, dwStyle, rect, pParentWnd, nID);
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return TRUE;
}

// ---- CButton ----

CButton::~CButton() {
    if (m_hWnd) DestroyWindow();
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(_T("BUTTON"), lpszCaption, dwStyle, rect, pParentWnd, nID);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return TRUE;
}

// ---- CEdit ----

CEdit::~CEdit() {
    if (m_hWnd) DestroyWindow();
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(_T("EDIT"), nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessage(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
    SetSel(static_cast<int>(static_cast<short>(LOWORD(dwSelection))),
           static_cast<int>(static_cast<short>(HIWORD(dwSelection))), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    ::SendMessage(m_hWnd, EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll) ::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
}

CPoint CEdit::PosFromChar(UINT nChar) const {
    const LRESULT lPos = ::SendMessage(m_hWnd, EM_POSFROMCHAR, nChar, 0);
    return CPoint(static_cast<short>(LOWORD(lPos)), static_cast<short>(HIWORD(lPos)));
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    if (!lpszBuffer || nMaxLength <= 0) return 0;
    // The control reads the buffer size from the buffer's first WORD; a buffer smaller than a WORD
    // gets the line through a scratch buffer instead of being overrun.
    if (nMaxLength * sizeof(TCHAR) < sizeof(WORD)) {
        TCHAR scratch[2] = {};
        *reinterpret_cast<WORD*>(scratch) = 2;
        const int nGot =
            static_cast<int>(::SendMessage(m_hWnd, EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(scratch)));
        if (nGot <= 0) return 0;
        lpszBuffer[0] = scratch[0];
        return 1;
    }
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength);
    return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CEdit::SetPasswordChar(TCHAR ch) {
#ifdef _UNICODE
    ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, static_cast<WPARAM>(ch), 0);
#else
    ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, static_cast<BYTE>(ch), 0);
#endif
}

TCHAR CEdit::GetPasswordChar() const {
    return static_cast<TCHAR>(::SendMessage(m_hWnd, EM_GETPASSWORDCHAR, 0, 0));
}

// ---- CListBox ----

CListBox::~CListBox() {
    if (m_hWnd) DestroyWindow();
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(_T("LISTBOX"), nullptr, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const {
    GetBoxText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
    const DWORD dw = static_cast<DWORD>(::SendMessage(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(dw) != 0;
    return LOWORD(dw);
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem) {
    if (bSelect) return static_cast<int>(::SendMessage(m_hWnd, LB_SELITEMRANGEEX, nFirstItem, nLastItem));
    // LB_SELITEMRANGEEX deselects only when the range runs backwards.
    return static_cast<int>(::SendMessage(m_hWnd, LB_SELITEMRANGEEX, nLastItem, nFirstItem));
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    return 0;
}

void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (OwnerDrawBoxNotify(this, message, lParam, pResult)) return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CComboBox ----

CComboBox::~CComboBox() {
    if (m_hWnd) DestroyWindow();
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(_T("COMBOBOX"), nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    GetBoxText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}

BOOL CComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const {
    if (!pcbi) return FALSE;
    pcbi->cbSize = sizeof(COMBOBOXINFO);
    return ::GetComboBoxInfo(m_hWnd, pcbi);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    return 0;
}

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (OwnerDrawBoxNotify(this, message, lParam, pResult)) return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CScrollBar ----

CScrollBar::~CScrollBar() {
    if (m_hWnd) DestroyWindow();
}

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(_T("SCROLLBAR"), nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    if (!lpScrollInfo) return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) {
    if (!lpScrollInfo) return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}

int CScrollBar::GetScrollLimit() {
    int nMin = 0, nMax = 0;
    GetScrollRange(&nMin, &nMax);
    SCROLLINFO info = {};
    if (GetScrollInfo(&info, SIF_PAGE) && info.nPage > 1) nMax -= static_cast<int>(info.nPage) - 1;
    return nMax;
}

BOOL CScrollBar::GetScrollBarInfo(PSCROLLBARINFO pScrollInfo) const {
    if (!pScrollInfo) return FALSE;
    pScrollInfo->cbSize = sizeof(SCROLLBARINFO);
    return ::GetScrollBarInfo(m_hWnd, OBJID_CLIENT, pScrollInfo);
}
