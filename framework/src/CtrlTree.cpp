// Tree views and tab controls: creation, the members that pack or unpack item structures, image lists
// handed back as temporary objects, and owner-drawn tabs.
#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

// Registers the common control classes of dwICC once per process (CtrlCommon.cpp).
BOOL AFXAPI AfxInitCommonControlClasses(DWORD dwICC);

namespace {

HIMAGELIST ImageListHandle(const CImageList* pImageList) {
    return pImageList ? pImageList->m_hImageList : nullptr;
}

CImageList* TakeDragImage(HIMAGELIST hList) {
    // The drag image belongs to the caller: it gets a new permanent object.
    if (!hList) return nullptr;
    CImageList* pList = new CImageList;
    VERIFY(pList->Attach(hList));
    return pList;
}

}  // namespace

// ---- CTreeCtrl ----

CTreeCtrl::~CTreeCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_TREEVIEW_CLASSES);
    return CWnd::Create(WC_TREEVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CTreeCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_TREEVIEW_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_TREEVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    TVINSERTSTRUCT insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = nMask;
    insert.item.pszText = const_cast<LPTSTR>(lpszItem);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = nState;
    insert.item.stateMask = nStateMask;
    insert.item.lParam = lParam;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                      hParent, hInsertAfter);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN | TVIF_HANDLE;
    if (!GetItem(&item)) return FALSE;
    return item.cChildren != 0;
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = nMask | TVIF_HANDLE;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    // The control copies at most cchTextMax - 1 characters without saying whether it cut the text, so
    // the buffer doubles while the text fills it.
    CString str;
    for (int nLen = 256;; nLen *= 2) {
        TVITEM item = {};
        item.hItem = hItem;
        item.mask = TVIF_TEXT | TVIF_HANDLE;
        item.cchTextMax = nLen;
        LPTSTR pBuf = str.GetBuffer(nLen);
        pBuf[0] = 0;
        pBuf[nLen] = 0;  // a control that fills the buffer without a terminator is still bounded
        item.pszText = pBuf;
        if (!GetItem(&item)) {
            str.ReleaseBuffer(0);
            return str;
        }
        if (item.pszText != pBuf) {  // the control pointed at text of its own
            const CString strOwn(item.pszText ? item.pszText : _T(""));
            str.ReleaseBuffer(0);
            return strOwn;
        }
        const int nGot = ::lstrlen(pBuf);
        if (nGot < nLen - 1 || nLen >= 0x100000) {
            str.ReleaseBuffer(nGot);
            return str;
        }
        str.ReleaseBuffer(0);
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
    return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    if (!GetItem(&item)) return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
    return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, nImage, nSelectedImage, 0, 0, 0);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_STATE | TVIF_HANDLE;
    item.stateMask = nStateMask;
    if (!GetItem(&item)) return 0;
    return item.state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
    return SetItem(hItem, TVIF_STATE, nullptr, 0, 0, nState, nStateMask, 0);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    if (!GetItem(&item)) return 0;
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    return SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, static_cast<LPARAM>(dwData));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    if (!lpRect) return FALSE;
    // The item handle travels in the rectangle itself.
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TVM_GETITEMRECT, bTextOnly, reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const {
    // State image 1 is the empty box, 2 the checked one.
    return (GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12) == 2;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck) {
    return SetItemState(hItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}

CImageList* CTreeCtrl::GetImageList(int nImageList) const {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, TVM_GETIMAGELIST, nImageList, 0)));
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessage(
        m_hWnd, TVM_SETIMAGELIST, nImageList, reinterpret_cast<LPARAM>(ImageListHandle(pImageList)))));
}

CToolTipCtrl* CTreeCtrl::GetToolTips() const {
    return static_cast<CToolTipCtrl*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, TVM_GETTOOLTIPS, 0, 0))));
}

CToolTipCtrl* CTreeCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    return static_cast<CToolTipCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(
        m_hWnd, TVM_SETTOOLTIPS, reinterpret_cast<WPARAM>(pWndTip ? pWndTip->m_hWnd : nullptr), 0))));
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TVHITTESTINFO info = {};
    info.pt = pt;
    const HTREEITEM hItem = HitTest(&info);
    if (pFlags) *pFlags = info.flags;
    return hItem;
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem) {
    return static_cast<CEdit*>(CWnd::FromHandle(
        reinterpret_cast<HWND>(::SendMessage(m_hWnd, TVM_EDITLABEL, 0, reinterpret_cast<LPARAM>(hItem)))));
}

CEdit* CTreeCtrl::GetEditControl() const {
    return static_cast<CEdit*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, TVM_GETEDITCONTROL, 0, 0))));
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem) {
    return TakeDragImage(reinterpret_cast<HIMAGELIST>(
        ::SendMessage(m_hWnd, TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(hItem))));
}

// ---- CTabCtrl ----

CTabCtrl::~CTabCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_TAB_CLASSES);
    return CWnd::Create(WC_TABCONTROL, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CTabCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_TAB_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_TABCONTROL, nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
    return InsertItem(nMask, nItem, lpszItem, nImage, lParam, 0, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam, DWORD dwState,
                          DWORD dwStateMask) {
    TCITEM item = {};
    item.mask = nMask;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    item.dwState = dwState;
    item.dwStateMask = dwStateMask;
    return InsertItem(nItem, &item);
}

DWORD CTabCtrl::GetItemState(int nItem, DWORD dwMask) const {
    TCITEM item = {};
    item.mask = TCIF_STATE;
    item.dwStateMask = dwMask;
    if (!GetItem(nItem, &item)) return 0;
    return item.dwState & dwMask;
}

BOOL CTabCtrl::SetItemState(int nItem, DWORD dwMask, DWORD dwState) {
    TCITEM item = {};
    item.mask = TCIF_STATE;
    item.dwState = dwState;
    item.dwStateMask = dwMask;
    return SetItem(nItem, &item);
}

CSize CTabCtrl::SetItemSize(CSize size) {
    const DWORD dw =
        static_cast<DWORD>(::SendMessage(m_hWnd, TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy)));
    return CSize(LOWORD(dw), HIWORD(dw));
}

CImageList* CTabCtrl::GetImageList() const {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, TCM_GETIMAGELIST, 0, 0)));
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        ::SendMessage(m_hWnd, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ImageListHandle(pImageList)))));
}

CToolTipCtrl* CTabCtrl::GetToolTips() const {
    return static_cast<CToolTipCtrl*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, TCM_GETTOOLTIPS, 0, 0))));
}

void CTabCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    ::SendMessage(m_hWnd, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(pWndTip ? pWndTip->m_hWnd : nullptr), 0);
}

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return TRUE;
}
