// The outlook bar's model, geometry, creation and commands. Painting is in QVOutBarPaint.cpp, the mouse
// loops and renaming in QVOutBarInput.cpp.
#include "QVOutBarCtrl.h"

#include <QVSkinResManager.h>

#include "QVOutBarShared.h"
#include "QVWndClass.h"
#include "XTEditItem.h"

#include <algorithm>
#include <climits>

using namespace outbar;

IMPLEMENT_DYNCREATE(CQVOutBarCtrl, CWnd)

BEGIN_MESSAGE_MAP(CQVOutBarCtrl, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_TIMER()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_SETCURSOR()
ON_MESSAGE(WM_OUTBAR_NOTIFY, &CQVOutBarCtrl::OnEditEnded)
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVOutBarCtrl::OnSkinChanged)
ON_COMMAND(ID_QVOB_LARGE_ICONS, &CQVOutBarCtrl::OnLargeIcons)
ON_COMMAND(ID_QVOB_SMALL_ICONS, &CQVOutBarCtrl::OnSmallIcons)
ON_COMMAND(ID_QVOB_REMOVE_ITEM, &CQVOutBarCtrl::OnRemoveItem)
ON_COMMAND(ID_QVOB_RENAME_ITEM, &CQVOutBarCtrl::OnRenameItem)
ON_UPDATE_COMMAND_UI(ID_QVOB_LARGE_ICONS, &CQVOutBarCtrl::OnUpdateLargeIcons)
ON_UPDATE_COMMAND_UI(ID_QVOB_SMALL_ICONS, &CQVOutBarCtrl::OnUpdateSmallIcons)
ON_UPDATE_COMMAND_UI(ID_QVOB_REMOVE_ITEM, &CQVOutBarCtrl::OnUpdateRemoveItem)
ON_UPDATE_COMMAND_UI(ID_QVOB_RENAME_ITEM, &CQVOutBarCtrl::OnUpdateRenameItem)
END_MESSAGE_MAP()

namespace {

const TCHAR kClassName[] = _T("TMB_STUDY");

}  // namespace

CQVOutBarCtrl::CQVOutBarCtrl() {
    m_pOtherRes = CQVSkinResManager::GetSingletonPtr()->GetOthRes();
    m_nFolderHeight = m_pOtherRes->m_nOutBarFolderHeight;
    LOGFONT lf = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    m_font.CreateFontIndirect(&lf);
    m_pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_crBack = ::GetSysColor(COLOR_BTNSHADOW);
    m_crItemText = ::GetSysColor(COLOR_WINDOW);
    m_crFolderText = ::GetSysColor(COLOR_WINDOW);
}

CQVOutBarCtrl::~CQVOutBarCtrl() {
    m_alive.Kill();
    CancelEdit();
    for (INT_PTR i = 0; i < m_folders.GetSize(); ++i)
        delete static_cast<CQVBarFolder*>(m_folders[i]);
    m_folders.RemoveAll();
}

// ---- Creation --------------------------------------------------------------------------------------

BOOL CQVOutBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwFlag) {
    return CreateEx(0, dwStyle, rect, pParentWnd, nID, dwFlag) ? TRUE : FALSE;
}

BOOL CQVOutBarCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                             DWORD /*dwFlag*/) {
    if (!QVRegisterWndClass(kClassName, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                            QVSysColorClassBrush(COLOR_WINDOW)))
        return FALSE;
    return CWnd::CreateEx(dwExStyle, kClassName, _T(""), dwStyle, rect, pParentWnd, nID, NULL);
}

int CQVOutBarCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (m_nAnimSelHighlight >= 1) SetTimer(kTimerWiggle, static_cast<UINT>(m_nAnimSelHighlight), NULL);
    return 0;
}

void CQVOutBarCtrl::OnDestroy() {
    CancelEdit();
    KillTimer(kTimerHover);
    KillTimer(kTimerScroll);
    KillTimer(kTimerWiggle);
    // The owner hears of every item and folder once more, to free what it keeps per item; nothing is
    // removed, and an owner that removes things here only shortens the walk.
    const CQVAliveToken token = AliveToken();
    for (int i = 0; i < GetFolderCount(); ++i) {
        m_nSelFolder = i;
        for (int j = 0; FolderAt(i) && j < FolderAt(i)->GetItemCount(); ++j) {
            const CString strText = FolderAt(i)->GetItemAt(j)->m_strName;
            Notify(OUTBAR_ITEM_DELETING, j, strText, false);
            if (!StillAlive(token)) return;
        }
        if (!IsValidFolder(i)) break;
        const CString strName = FolderAt(i)->m_strName;
        Notify(OUTBAR_FOLDER_DELETING, i, strName, true);
        if (!StillAlive(token)) return;
    }
    CWnd::OnDestroy();
}

void CQVOutBarCtrl::OnSize(UINT nType, int cx, int cy) {
    m_bUpArrow = FALSE;
    m_bDownArrow = FALSE;
    CWnd::OnSize(nType, cx, cy);
    MoveFolderChildren();
}

LRESULT CQVOutBarCtrl::OnSkinChanged(WPARAM, LPARAM) {
    m_nFolderHeight = m_pOtherRes->m_nOutBarFolderHeight;
    MoveFolderChildren();
    Invalidate(TRUE);
    return TRUE;
}

void CQVOutBarCtrl::MoveFolderChildren() {
    if (!::IsWindow(m_hWnd)) return;
    CRect rcInside;
    GetInsideRect(rcInside);
    // Only the open folder's window shows: one made visible for a folder that is not open would cover
    // the open folder's items.
    for (int i = 0; i < GetFolderCount(); ++i) {
        CWnd* pChild = FolderAt(i)->m_pChild;
        const UINT nShow = i == m_nSelFolder ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        if (::IsWindow(pChild->GetSafeHwnd()))
            pChild->SetWindowPos(NULL, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE | nShow);
    }
}

LRESULT CQVOutBarCtrl::Notify(int nCode, int nIndex, LPCTSTR lpszText, bool bFolder, int nDragFrom,
                              int nDragTo) {
    if (!::IsWindow(m_hWnd)) return 0;
    CWnd* pOwner = GetOwner();
    if (!::IsWindow(pOwner->GetSafeHwnd())) return 0;
    OUTBAR_NOTIFY_INFO info = {nIndex, nDragFrom, nDragTo, lpszText, bFolder};
    return ::SendMessage(pOwner->GetSafeHwnd(), WM_OUTBAR_NOTIFY, static_cast<WPARAM>(nCode),
                         reinterpret_cast<LPARAM>(&info));
}

CRect CQVOutBarCtrl::ClientRect() const {
    CRect rc(0, 0, 0, 0);
    if (::IsWindow(m_hWnd)) ::GetClientRect(m_hWnd, &rc);
    return rc;
}

void CQVOutBarCtrl::SetSlideDelayProc(QVOUTBARSLIDEPROC pfnDelay) {
    outbar::SetSlideDelay(pfnDelay);
}

// ---- Folders ---------------------------------------------------------------------------------------

int CQVOutBarCtrl::AddFolder(LPCTSTR lpszFolderName, DWORD dwData) {
    CQVBarFolder* pFolder = new CQVBarFolder(lpszFolderName, dwData);
    pFolder->m_bSmallIcons = (m_dwFlags & QVOB_SMALL_ICONS) ? TRUE : FALSE;
    const int nIndex = static_cast<int>(m_folders.Add(pFolder));
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
    return nIndex;
}

int CQVOutBarCtrl::AddFolderBar(LPCTSTR lpszFolder, CWnd* pSon, DWORD dwData) {
    CQVBarFolder* pFolder = new CQVBarFolder(lpszFolder, dwData);
    pFolder->m_pChild = pSon;
    const int nIndex = static_cast<int>(m_folders.Add(pFolder));
    MoveFolderChildren();
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
    return nIndex;
}

int CQVOutBarCtrl::GetFolderCount() {
    return static_cast<int>(m_folders.GetSize());
}

int CQVOutBarCtrl::GetSelFolder() {
    return m_nSelFolder;
}

CQVBarFolder* CQVOutBarCtrl::GetBarFolder(int nFolder) {
    return FolderAt(nFolder);
}

DWORD CQVOutBarCtrl::GetFolderData(int nFolder) {
    if (nFolder < 0) nFolder = m_nSelFolder;
    CQVBarFolder* pFolder = FolderAt(nFolder);
    return pFolder ? pFolder->m_dwData : 0;
}

CWnd* CQVOutBarCtrl::GetFolderChild(int nFolder) {
    if (GetFolderCount() == 0) return NULL;
    if (nFolder < 0) nFolder = m_nSelFolder;
    CQVBarFolder* pFolder = FolderAt(nFolder);
    return pFolder ? pFolder->m_pChild : NULL;
}

void CQVOutBarCtrl::SetFolderText(int nIndex, LPCTSTR lpszFolderName) {
    if (CQVBarFolder* pFolder = FolderAt(nIndex))
        pFolder->m_strName = lpszFolderName ? lpszFolderName : _T("");
}

void CQVOutBarCtrl::SetSelFolder(int nIndex) {
    if (!IsValidFolder(nIndex)) return;
    const CQVAliveToken token = AliveToken();
    const CString strName = FolderAt(nIndex)->m_strName;
    if (Notify(OUTBAR_FOLDER_SELECTING, nIndex, strName, true) != 1 || !StillAlive(token)) return;
    if (!IsValidFolder(nIndex)) return;  // the owner removed folders meanwhile
    CancelEdit();
    CWnd* pOldChild = IsValidFolder(m_nSelFolder) ? FolderAt(m_nSelFolder)->m_pChild : NULL;
    if (::IsWindow(pOldChild->GetSafeHwnd())) pOldChild->ShowWindow(SW_HIDE);
    if (nIndex != m_nSelFolder && IsValidFolder(m_nSelFolder) && (m_dwFlags & QVOB_ANIMATE_FOLDERS) &&
        m_nAnimationTickCount >= 0) {
        AnimateFolderScroll(m_nSelFolder, nIndex);
        if (!StillAlive(token) || !IsValidFolder(nIndex)) return;
    }
    m_nSelFolder = nIndex;
    m_nFirstItem = 0;
    m_nSelItem = -1;
    CWnd* pChild = FolderAt(nIndex)->m_pChild;
    if (::IsWindow(pChild->GetSafeHwnd()) && ::IsWindow(m_hWnd)) {
        CRect rcInside;
        GetInsideRect(rcInside);
        pChild->MoveWindow(rcInside, TRUE);
        pChild->ShowWindow(SW_SHOW);
    }
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

void CQVOutBarCtrl::SetSelFolder(DWORD dwFolderData) {
    for (int i = 0; i < GetFolderCount(); ++i) {
        if (FolderAt(i)->m_dwData == dwFolderData) {
            SetSelFolder(i);
            return;
        }
    }
}

void CQVOutBarCtrl::RemoveFolder(int nIndex) {
    if (!IsValidFolder(nIndex)) return;
    const CQVAliveToken token = AliveToken();
    const CString strName = FolderAt(nIndex)->m_strName;
    if (Notify(OUTBAR_FOLDER_DELETING, nIndex, strName, true) != 1 || !StillAlive(token)) return;
    if (!IsValidFolder(nIndex)) return;
    CancelEdit();
    if (nIndex <= m_nSelFolder) m_nSelFolder = std::max(nIndex - 1, 0);
    CQVBarFolder* pFolder = FolderAt(nIndex);
    m_folders.RemoveAt(nIndex);
    delete pFolder;
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

// ---- Items -----------------------------------------------------------------------------------------

int CQVOutBarCtrl::InsertItem(int nFolder, int nIndex, LPCTSTR lpszText, int nImage, DWORD dwData) {
    CQVBarFolder* pFolder = FolderAt(nFolder);
    if (pFolder == NULL) return -1;
    if (nFolder == m_nSelFolder) CancelEdit();
    const int nPos = pFolder->InsertItem(nIndex, lpszText, nImage, dwData);
    if (nFolder == m_nSelFolder && ::IsWindow(m_hWnd)) Invalidate(TRUE);
    return nPos;
}

int CQVOutBarCtrl::GetItemCount() {
    CQVBarFolder* pFolder = FolderAt(m_nSelFolder);
    return pFolder ? pFolder->GetItemCount() : 0;
}

BOOL CQVOutBarCtrl::IsValidItem(int nIndex) {
    return nIndex >= 0 && nIndex < GetItemCount();
}

CXTBarItem* CQVOutBarCtrl::GetBarFolderItem(int nFolder, int nIndex) {
    CQVBarFolder* pFolder = FolderAt(nFolder);
    return pFolder ? pFolder->GetItemAt(nIndex) : NULL;
}

DWORD CQVOutBarCtrl::GetItemData(int nIndex) {
    if (!IsValidItem(nIndex)) return 0;
    return GetBarFolderItem(m_nSelFolder, nIndex)->m_dwData;
}

int CQVOutBarCtrl::GetItemImage(int nIndex) {
    if (!IsValidItem(nIndex)) return 0;
    return GetBarFolderItem(m_nSelFolder, nIndex)->m_nImageIndex;
}

CString CQVOutBarCtrl::GetItemText(int nIndex) {
    if (!IsValidItem(nIndex)) return CString();
    return GetBarFolderItem(m_nSelFolder, nIndex)->m_strName;
}

void CQVOutBarCtrl::SetItemData(int nIndex, DWORD dwData) {
    if (IsValidItem(nIndex)) GetBarFolderItem(m_nSelFolder, nIndex)->m_dwData = dwData;
}

void CQVOutBarCtrl::SetItemImage(int nIndex, int nImage) {
    if (IsValidItem(nIndex)) GetBarFolderItem(m_nSelFolder, nIndex)->m_nImageIndex = nImage;
}

void CQVOutBarCtrl::SetItemText(int nIndex, LPCTSTR lpszItemName) {
    if (IsValidItem(nIndex))
        GetBarFolderItem(m_nSelFolder, nIndex)->m_strName = lpszItemName ? lpszItemName : _T("");
}

void CQVOutBarCtrl::RemoveItem(int nIndex) {
    if (!IsValidItem(nIndex)) return;
    const CQVAliveToken token = AliveToken();
    const CString strText = GetItemText(nIndex);
    if (Notify(OUTBAR_ITEM_DELETING, nIndex, strText, false) != 1 || !StillAlive(token)) return;
    if (!IsValidItem(nIndex)) return;
    CancelEdit();
    delete FolderAt(m_nSelFolder)->RemoveItemAt(nIndex);
    if (nIndex == m_nSelItem) m_nSelItem = -1;
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

// ---- Image lists, views, flags, colours, fonts -------------------------------------------------------

CImageList* CQVOutBarCtrl::GetImageList(DWORD dwImageList) {
    if (dwImageList & 0x1) return m_pSmallImageList;
    if (dwImageList & 0x2) return m_pLargeImageList;
    return NULL;
}

CImageList* CQVOutBarCtrl::SetImageList(CImageList* pImageList, DWORD dwImageList) {
    CImageList* pOld = NULL;
    if (dwImageList & 0x1) {
        pOld = m_pSmallImageList;
        m_pSmallImageList = pImageList;
    } else if (dwImageList & 0x2) {
        pOld = m_pLargeImageList;
        m_pLargeImageList = pImageList;
    }
    return pOld;
}

CImageList* CQVOutBarCtrl::SetFolderImageList(int nFolder, CImageList* pImageList, DWORD dwImageList) {
    CQVBarFolder* pFolder = FolderAt(nFolder);
    if (pFolder == NULL) return NULL;
    CImageList* pOld = NULL;
    if (dwImageList & 0x1) {
        pOld = pFolder->m_pSmallImageList;
        pFolder->m_pSmallImageList = pImageList;
    } else if (dwImageList & 0x2) {
        pOld = pFolder->m_pLargeImageList;
        pFolder->m_pLargeImageList = pImageList;
    }
    return pOld;
}

CImageList* CQVOutBarCtrl::GetFolderImageList(int nIndex, int bSmall) {
    CQVBarFolder* pFolder = FolderAt(nIndex);
    CImageList* pOwn = pFolder ? (bSmall ? pFolder->m_pSmallImageList : pFolder->m_pLargeImageList) : NULL;
    if (pOwn) return pOwn;
    return bSmall ? m_pSmallImageList : m_pLargeImageList;
}

BOOL CQVOutBarCtrl::IsSmallIconView(int nFolder) {
    CQVBarFolder* pFolder = FolderAt(nFolder);
    if (pFolder == NULL) return (m_dwFlags & QVOB_SMALL_ICONS) ? TRUE : FALSE;
    return pFolder->m_bSmallIcons;
}

void CQVOutBarCtrl::SetSmallIconView(int bSet, int nFolder) {
    if (nFolder == -1) {
        m_nFirstItem = 0;
        for (int i = 0; i < GetFolderCount(); ++i)
            FolderAt(i)->m_bSmallIcons = bSet ? TRUE : FALSE;
        if (bSet)
            m_dwFlags |= QVOB_SMALL_ICONS;
        else
            m_dwFlags &= ~static_cast<DWORD>(QVOB_SMALL_ICONS);
    } else if (IsValidFolder(nFolder)) {
        m_nFirstItem = 0;
        FolderAt(nFolder)->m_bSmallIcons = bSet ? TRUE : FALSE;
    } else {
        return;
    }
    if (::IsWindow(m_hWnd)) {
        CRect rcInside;
        GetInsideRect(rcInside);
        InvalidateRect(rcInside, FALSE);
    }
}

DWORD CQVOutBarCtrl::GetFlag() {
    return m_dwFlags;
}

void CQVOutBarCtrl::ModifyFlag(const DWORD& dwRemove, const DWORD& dwAdd, UINT nRedraw) {
    m_dwFlags = (m_dwFlags & ~dwRemove) | dwAdd;
    if (!::IsWindow(m_hWnd)) return;
    if (nRedraw == 0)
        Invalidate(TRUE);
    else
        SetWindowPos(NULL, 0, 0, 0, 0, nRedraw | 0x17);
}

void CQVOutBarCtrl::SetBackColor(COLORREF crBack) {
    m_crBack = crBack;
    m_bBackSet = TRUE;
}

void CQVOutBarCtrl::SetTextColor(COLORREF crFolderText, COLORREF crItemText) {
    m_crFolderText = crFolderText;
    m_crItemText = crItemText;
    m_bTextSet = TRUE;
}

void CQVOutBarCtrl::RefreshDefaultColors() {
    if (!m_bBackSet) m_crBack = ::GetSysColor(COLOR_BTNSHADOW);
    if (!m_bTextSet) {
        m_crItemText = ::GetSysColor(COLOR_WINDOW);
        m_crFolderText = ::GetSysColor(COLOR_WINDOW);
    }
}

void CQVOutBarCtrl::SetFontX(CFont* pFont) {
    LOGFONT lf = {};
    if (pFont == NULL || pFont->GetSafeHandle() == NULL || !pFont->GetLogFont(&lf)) return;
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
}

CFont* CQVOutBarCtrl::GetFontX() {
    return &m_font;
}

void CQVOutBarCtrl::SetAnimationTickCount(long lValue) {
    m_nAnimationTickCount = static_cast<int>(std::max<long>(std::min<long>(lValue, INT_MAX), INT_MIN));
}

int CQVOutBarCtrl::GetAnimationTickCount() {
    return m_nAnimationTickCount;
}

void CQVOutBarCtrl::SetAnimSelHighlight(int nMilliseconds) {
    if (::IsWindow(m_hWnd)) {
        if (nMilliseconds < 1)
            KillTimer(kTimerWiggle);
        else
            SetTimer(kTimerWiggle, static_cast<UINT>(nMilliseconds), NULL);
    }
    m_nAnimSelHighlight = nMilliseconds;
}

// ---- Current-selection marker and context target ----------------------------------------------------

CRect CQVOutBarCtrl::MarkerBand(int nFolder, int nIndex) {
    CRect rcItem;
    GetItemRect(nFolder, nIndex, rcItem);
    if (rcItem.IsRectNull()) return CRect(0, 0, 0, 0);
    CRect rcInside;
    GetInsideRect(rcInside);
    return OutBarMarkerBand(rcInside, rcItem);
}

void CQVOutBarCtrl::SetCurSelected(int nFolder, int nIndex) {
    if (::IsWindow(m_hWnd)) {
        if (m_nCurSelItem >= 0) InvalidateRect(MarkerBand(m_nCurSelFolder, m_nCurSelItem), TRUE);
        if (nIndex >= 0) InvalidateRect(MarkerBand(nFolder, nIndex), TRUE);
    }
    m_nCurSelFolder = nFolder;
    m_nCurSelItem = nIndex;
}

void CQVOutBarCtrl::SetCurSelected(DWORD dwFolderData, DWORD dwItemData) {
    for (int i = 0; i < GetFolderCount(); ++i) {
        CQVBarFolder* pFolder = FolderAt(i);
        if (pFolder->m_dwData != dwFolderData) continue;
        int j = 0;
        for (POSITION pos = pFolder->m_items.GetHeadPosition(); pos; ++j) {
            if (static_cast<CXTBarItem*>(pFolder->m_items.GetNext(pos))->m_dwData == dwItemData) {
                SetCurSelected(i, j);
                return;
            }
        }
        return;
    }
}

void CQVOutBarCtrl::GetCurSelected(DWORD& dwFolderData, DWORD& dwItemData) {
    dwFolderData = 0;
    dwItemData = 0;
    if (CQVBarFolder* pFolder = FolderAt(m_nCurSelFolder)) {
        dwFolderData = pFolder->m_dwData;
        if (CXTBarItem* pItem = pFolder->GetItemAt(m_nCurSelItem)) dwItemData = pItem->m_dwData;
    }
}

void CQVOutBarCtrl::SetContextTarget(int nKind, int nIndex) {
    m_nContextKind = nKind == QVOB_HIT_ITEM ? QVOB_HIT_ITEM : QVOB_HIT_FOLDER;
    m_nContextIndex = nIndex;
}

// ---- Commands --------------------------------------------------------------------------------------

void CQVOutBarCtrl::OnLargeIcons() {
    SetSmallIconView(FALSE, m_nSelFolder);
    Invalidate(TRUE);
}

void CQVOutBarCtrl::OnSmallIcons() {
    SetSmallIconView(TRUE, m_nSelFolder);
    Invalidate(TRUE);
}

void CQVOutBarCtrl::OnRemoveItem() {
    if (m_nContextKind == QVOB_HIT_ITEM)
        RemoveItem(m_nContextIndex);
    else
        RemoveFolder(m_nContextIndex);
}

void CQVOutBarCtrl::OnRenameItem() {
    if (m_nContextKind == QVOB_HIT_ITEM)
        StartItemEdit(m_nContextIndex);
    else
        StartGroupEdit(m_nContextIndex);
}

void CQVOutBarCtrl::OnUpdateLargeIcons(CCmdUI* pCmdUI) {
    pCmdUI->Enable(IsSmallIconView(m_nSelFolder));
}

void CQVOutBarCtrl::OnUpdateSmallIcons(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!IsSmallIconView(m_nSelFolder));
}

void CQVOutBarCtrl::OnUpdateRemoveItem(CCmdUI*) {}

void CQVOutBarCtrl::OnUpdateRenameItem(CCmdUI*) {}

// ---- Geometry --------------------------------------------------------------------------------------

CQVOutBarMetrics CQVOutBarCtrl::Metrics() const {
    CQVOutBarMetrics m;
    m.nFolderHeight = m_nFolderHeight;
    m.nLargeItemGap = m_nLargeItemGap;
    m.nSmallItemGap = m_nSmallItemGap;
    m.szIconLabelGap = m_szIconLabelGap;
    m.szItemMargin = m_szItemMargin;
    return m;
}

BOOL CQVOutBarCtrl::GetFolderRect(int nIndex, CRect& rect) {
    return OutBarFolderRect(ClientRect(), GetFolderCount(), m_nSelFolder, m_nFolderHeight, nIndex, rect);
}

void CQVOutBarCtrl::GetInsideRect(CRect& rect) {
    rect = OutBarInsideRect(ClientRect(), GetFolderCount(), m_nSelFolder, m_nFolderHeight);
}

CSize CQVOutBarCtrl::ImageSize(CImageList* pList, int nImage) const {
    HIMAGELIST hList = pList->GetSafeHandle();
    if (hList == NULL || nImage < 0 || nImage >= ::ImageList_GetImageCount(hList)) return CSize(0, 0);
    IMAGEINFO info = {};
    if (!::ImageList_GetImageInfo(hList, nImage, &info)) return CSize(0, 0);
    return CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
}

CSize CQVOutBarCtrl::MeasureLabel(const CString& strText, BOOL bSmall) {
    CMeasureScope measure(this);
    CDC* pDC = m_pMeasureDC;
    if (bSmall) return pDC->GetTextExtent(strText);
    CRect rcInside;
    GetInsideRect(rcInside);
    CRect rcText(0, 0, rcInside.Width(), 0);
    pDC->DrawText(strText, rcText, kLabelMeasureFormat);
    return rcText.Size();
}

CSize CQVOutBarCtrl::GetItemSize(int nFolder, int nIndex, int nType) {
    CXTBarItem* pItem = GetBarFolderItem(nFolder, nIndex);
    if (pItem == NULL) return CSize(0, 0);
    const BOOL bSmall = IsSmallIconView(nFolder);
    CSize szIcon(0, 0);
    CSize szLabel(0, 0);
    if (pItem->m_nImageIndex >= 0 && nType != 2)
        szIcon = ImageSize(GetFolderImageList(nFolder, bSmall), pItem->m_nImageIndex);
    if (!pItem->m_strName.IsEmpty() && nType != 1) szLabel = MeasureLabel(pItem->m_strName, bSmall);
    switch (nType) {
    case 1:
        return szIcon;
    case 2:
        return szLabel;
    case 3: {
        CSize size = OutBarWholeItemSize(szIcon, szLabel, bSmall, Metrics());
        if (bSmall && (m_dwFlags & QVOB_FIT_SMALL_LABELS)) size.cx += m_szItemMargin.cx;
        return size;
    }
    default:
        return CSize(0, 0);
    }
}

int CQVOutBarCtrl::WalkItemTop(int nFolder, int nIndex, int nInsideTop) {
    return OutBarItemTop(nInsideTop, m_nFirstItem, nIndex, ItemGap(nFolder),
                         [this, nFolder](int j) { return GetItemSize(nFolder, j, 3).cy; });
}

void CQVOutBarCtrl::GetItemRect(int nFolder, int nIndex, CRect& rect) {
    if (GetBarFolderItem(nFolder, nIndex) == NULL) {
        rect.SetRectEmpty();
        return;
    }
    CRect rcInside;
    GetInsideRect(rcInside);
    const int y = WalkItemTop(nFolder, nIndex, rcInside.top);
    rect = OutBarItemRect(rcInside, y, GetItemSize(nFolder, nIndex, 3), IsSmallIconView(nFolder), Metrics());
}

void CQVOutBarCtrl::GetIconRect(int nFolder, int nIndex, CRect& rect) {
    if (GetBarFolderItem(nFolder, nIndex) == NULL) {
        rect.SetRectEmpty();
        return;
    }
    CRect rcInside;
    GetInsideRect(rcInside);
    const int y = WalkItemTop(nFolder, nIndex, rcInside.top);
    rect = OutBarIconRect(rcInside, y, GetItemSize(nFolder, nIndex, 1), IsSmallIconView(nFolder), Metrics());
}

void CQVOutBarCtrl::GetLabelRect(int nFolder, int nIndex, CRect& rect) {
    if (GetBarFolderItem(nFolder, nIndex) == NULL) {
        rect.SetRectEmpty();
        return;
    }
    CRect rcInside;
    GetInsideRect(rcInside);
    const int y = WalkItemTop(nFolder, nIndex, rcInside.top);
    const BOOL bSmall = IsSmallIconView(nFolder);
    const CSize size = GetItemSize(nFolder, nIndex, 3);
    const CSize szLabel = bSmall ? CSize(0, 0) : GetItemSize(nFolder, nIndex, 2);
    rect = OutBarLabelRect(rcInside, y, size, szLabel, bSmall, Metrics());
}

void CQVOutBarCtrl::GetVisibleRange(int nFolder, int& nFirst, int& nLast) {
    nFirst = m_nFirstItem;
    CQVBarFolder* pFolder = FolderAt(nFolder);
    if (GetFolderCount() == 0) return;
    nLast = nFirst - 1;
    if (pFolder == NULL) return;
    CRect rcInside;
    GetInsideRect(rcInside);
    nLast = OutBarLastVisible(nFirst, pFolder->GetItemCount(), rcInside.bottom, [this, nFolder](int j) {
        CRect rcItem;
        GetItemRect(nFolder, j, rcItem);
        return rcItem.bottom;
    });
}

BOOL CQVOutBarCtrl::LastItemBelowInside(const CRect& rcInside) {
    return OutBarAnyBelow(m_nFirstItem, GetItemCount(), rcInside.bottom, [this](int j) {
        CRect rcItem;
        GetItemRect(m_nSelFolder, j, rcItem);
        return rcItem.bottom;
    });
}
