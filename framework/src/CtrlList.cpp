// List views and headers: creation, the members that pack or unpack structures, image lists handed
// back as temporary objects, and owner-drawn items.
#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

// Registers the common control classes of dwICC once per process (CtrlCommon.cpp).
BOOL AFXAPI AfxInitCommonControlClasses(DWORD dwICC);

namespace {

HIMAGELIST ImageListHandle(const CImageList* pImageList) {
    return pImageList ? pImageList->m_hImageList : nullptr;
}

}  // namespace

// ---- CHeaderCtrl ----

CHeaderCtrl::~CHeaderCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_HEADER, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CHeaderCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_HEADER, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        ::SendMessage(m_hWnd, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ImageListHandle(pImageList)))));
}

CImageList* CHeaderCtrl::GetImageList() const {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, HDM_GETIMAGELIST, 0, 0)));
}

BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount) {
    if (iCount == -1) iCount = GetItemCount();
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, HDM_GETORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray)));
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return TRUE;
}

// ---- CListCtrl ----

CListCtrl::~CListCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_LISTVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_LISTVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CListCtrl::GetImageList(int nImageList) const {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, LVM_GETIMAGELIST, nImageList, 0)));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessage(
        m_hWnd, LVM_SETIMAGELIST, nImageListType, reinterpret_cast<LPARAM>(ImageListHandle(pImageList)))));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) const {
    if (iCount == -1) {
        const CHeaderCtrl* pHeader = GetHeaderCtrl();
        if (!pHeader) return FALSE;
        iCount = pHeader->GetItemCount();
    }
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, LVM_GETCOLUMNORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray)));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    // The wrapper adds no data to CWnd, so a temporary window object serves as a header object.
    return static_cast<CHeaderCtrl*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, LVM_GETHEADER, 0, 0))));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
    LVITEM item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam) {
    LVITEM item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam, int nIndent) {
    LVITEM item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    item.iIndent = nIndent;
    return SetItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    // The control answers the characters copied; a result filling the whole buffer may be cut short,
    // so the buffer doubles until the text fits.
    CString str;
    for (int nLen = 256;; nLen *= 2) {
        LVITEM item = {};
        item.iSubItem = nSubItem;
        item.cchTextMax = nLen;
        LPTSTR pBuf = str.GetBuffer(nLen);
        pBuf[0] = 0;
        pBuf[nLen] = 0;  // a control that fills the buffer without a terminator is still bounded
        item.pszText = pBuf;
        const int nRes =
            static_cast<int>(::SendMessage(m_hWnd, LVM_GETITEMTEXT, nItem, reinterpret_cast<LPARAM>(&item)));
        if (nRes < nLen - 1 || nLen >= 0x100000) {
            str.ReleaseBuffer(nRes < 0 ? 0 : (nRes < nLen ? nRes : nLen - 1));
            return str;
        }
        str.ReleaseBuffer(0);
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
    if (!lpszText || nLen <= 0) return 0;
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.cchTextMax = nLen;
    item.pszText = lpszText;
    lpszText[0] = 0;
    ::SendMessage(m_hWnd, LVM_GETITEMTEXT, nItem, reinterpret_cast<LPARAM>(&item));
    // Some controls fill a short buffer without a terminator: the text is cut at nLen - 1 characters,
    // never inside a double-byte character.
    lpszText[nLen - 1] = 0;
    int nGot = ::lstrlen(lpszText);
#ifndef _UNICODE
    int i = 0;
    while (i < nGot) {
        const int nStep = ::IsDBCSLeadByte(static_cast<BYTE>(lpszText[i])) ? 2 : 1;
        if (i + nStep > nGot) break;
        i += nStep;
    }
    nGot = i;
    lpszText[nGot] = 0;
#endif
    return nGot;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszText);
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETITEMTEXT, nItem, reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!GetItem(&item)) return 0;
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEM item = {};
    item.state = nState;
    item.stateMask = nMask;
    return SetItemState(nItem, &item);
}

BOOL CListCtrl::GetCheck(int nItem) const {
    // State image 1 is the empty box, 2 the checked one.
    return (GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) == 2;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck) {
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    // A position is the selected item's index plus one, so that "no more items" is NULL.
    return reinterpret_cast<POSITION>(static_cast<INT_PTR>(GetNextItem(-1, LVNI_SELECTED) + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    const int nItem = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
    pos = reinterpret_cast<POSITION>(static_cast<INT_PTR>(GetNextItem(nItem, LVNI_SELECTED) + 1));
    return nItem;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    if (!lpRect) return FALSE;
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const {
    RECT rc = {};
    rc.top = iSubItem;
    rc.left = nArea;
    const BOOL bOk =
        static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETSUBITEMRECT, iItem, reinterpret_cast<LPARAM>(&rc)));
    if (bOk) ref = rc;
    return bOk;
}

CSize CListCtrl::ApproximateViewRect(CSize sz, int iCount) const {
    const DWORD dw =
        static_cast<DWORD>(::SendMessage(m_hWnd, LVM_APPROXIMATEVIEWRECT, iCount, MAKELPARAM(sz.cx, sz.cy)));
    return CSize(LOWORD(dw), HIWORD(dw));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LVHITTESTINFO info = {};
    info.pt = pt;
    const int nItem = HitTest(&info);
    if (pFlags) *pFlags = info.flags;
    return nItem;
}

CEdit* CListCtrl::EditLabel(int nItem) {
    return static_cast<CEdit*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, LVM_EDITLABEL, nItem, 0))));
}

CEdit* CListCtrl::GetEditControl() const {
    return static_cast<CEdit*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, LVM_GETEDITCONTROL, 0, 0))));
}

CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint) {
    // The drag image belongs to the caller: it gets a new permanent object.
    const HIMAGELIST hList = reinterpret_cast<HIMAGELIST>(
        ::SendMessage(m_hWnd, LVM_CREATEDRAGIMAGE, nItem, reinterpret_cast<LPARAM>(lpPoint)));
    if (!hList) return nullptr;
    CImageList* pList = new CImageList;
    VERIFY(pList->Attach(hList));
    return pList;
}

CToolTipCtrl* CListCtrl::GetToolTips() const {
    return static_cast<CToolTipCtrl*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, LVM_GETTOOLTIPS, 0, 0))));
}

CToolTipCtrl* CListCtrl::SetToolTips(CToolTipCtrl* pTip) {
    return static_cast<CToolTipCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(
        ::SendMessage(m_hWnd, LVM_SETTOOLTIPS, reinterpret_cast<WPARAM>(pTip ? pTip->m_hWnd : nullptr), 0))));
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return TRUE;
}
