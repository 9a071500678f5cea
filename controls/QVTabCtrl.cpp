#include "QVTabCtrl.h"

#include <QVSkinResManager.h>

#include "QVAliveToken.h"
#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVSelectScope.h"
#include "QVTabCtrlLayout.h"
#include "QVWndClass.h"
#include "TransparentBkg.h"

namespace {

const TCHAR kClassName[] = _T("QVTabCtrl");
const UINT kTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

CQVSkinResManager* Skin() {
    return CQVSkinResManager::GetSingletonPtr();
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVTabCtrl, CWnd)

BEGIN_MESSAGE_MAP(CQVTabCtrl, CWnd)
ON_MESSAGE(WM_MOUSELEAVE, &CQVTabCtrl::OnMouseLeave)
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVTabCtrl::OnSkinChanged)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_WM_KILLFOCUS()
ON_WM_SIZE()
END_MESSAGE_MAP()

CQVTabCtrl::CQVTabCtrl()
    : m_nMinItemWidth(Skin()->GetBtnRes()->m_nTabMinWidth), m_nItemHeight(Skin()->GetBtnRes()->m_nTabHeight),
      m_clrBk(Skin()->GetWndRes()->m_clrClientBk), m_clrLine(Skin()->GetClrDef()->GetColor(3)),
      m_pBtnRes(Skin()->GetBtnRes()) {}

CQVTabCtrl::~CQVTabCtrl() {
    // The window, if this object still owns it, is destroyed after this by the base class, which no
    // longer sees the tabs.
    for (TabCtrlItem* pItem : m_vecItems)
        delete pItem;
    m_vecItems.clear();
}

BOOL CQVTabCtrl::Create(DWORD dwStyle, RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!QVRegisterWndClass(kClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                            QVSysColorClassBrush(COLOR_BTNFACE)))
        return FALSE;
    rect.bottom = rect.top + (m_nItemHeight > 0 ? m_nItemHeight : 0);
    m_bCreating = TRUE;
    const BOOL bCreated = CWnd::Create(kClassName, _T(""), dwStyle, rect, pParentWnd, nID);
    m_bCreating = FALSE;
    return bCreated;
}

// ---- Tabs ----

int CQVTabCtrl::AddItem(LPCTSTR lpszText, int nImage, DWORD dwID) {
    if (dwID != 0) {
        const int nFound = FindItem(dwID);
        if (nFound >= 0) return nFound;
    }
    TabCtrlItem* pItem = new TabCtrlItem;
    pItem->m_strText = lpszText ? lpszText : _T("");
    pItem->m_nImage = nImage;
    pItem->m_dwID = dwID;
    m_vecItems.push_back(pItem);
    LayoutItems();
    const int nIndex = GetItemCount() - 1;
    SetCurSel(nIndex);
    if (GetSafeHwnd()) Invalidate(FALSE);
    return nIndex;
}

int CQVTabCtrl::ModifyItem(int nIndex, LPCTSTR lpszText, int nImage, DWORD dwID) {
    if (!IsValidIndex(nIndex)) return -1;
    TabCtrlItem* pItem = m_vecItems[nIndex];
    pItem->m_strText = lpszText ? lpszText : _T("");
    pItem->m_nImage = nImage;
    pItem->m_dwID = dwID;
    ++m_nChanges;
    LayoutItems();
    if (GetSafeHwnd()) Invalidate(FALSE);
    return nIndex;
}

BOOL CQVTabCtrl::DeleteItemID(DWORD dwID) {
    DeleteItem(FindItem(dwID));
    return TRUE;
}

BOOL CQVTabCtrl::DeleteItem(int nIndex) {
    if (!IsValidIndex(nIndex)) return FALSE;
    delete m_vecItems[nIndex];
    m_vecItems.erase(m_vecItems.begin() + nIndex);
    ++m_nChanges;
    LayoutItems();
    AfterDelete();
    if (GetSafeHwnd()) Invalidate(FALSE);
    return TRUE;
}

BOOL CQVTabCtrl::DeleteAllItems() {
    for (TabCtrlItem* pItem : m_vecItems)
        delete pItem;
    m_vecItems.clear();
    m_nLaidOut = 0;
    ++m_nChanges;
    if (GetSafeHwnd()) Invalidate(FALSE);
    return TRUE;
}

void CQVTabCtrl::AfterDelete() {
    if (!IsValidIndex(m_nCurSel)) m_nCurSel = -1;
    if (!IsValidIndex(m_nOldSel)) m_nOldSel = -1;
    // The hot index may now name the tab that moved under it: the next mouse move finds it again.
    m_nHotItem = -1;
    SetCurSel(0);
    for (int i = 0; i < GetItemCount(); ++i)
        m_vecItems[i]->m_nState = i == m_nCurSel ? TabCtrlItem::STATE_SELECTED : TabCtrlItem::STATE_NORMAL;
}

// ---- Selection and queries ----

int CQVTabCtrl::SetCurSel(int nIndex) {
    if (!IsValidIndex(nIndex)) return -1;
    SetState(m_nCurSel, TabCtrlItem::STATE_NORMAL);
    m_nOldSel = m_nCurSel;
    m_nCurSel = nIndex;
    SetState(nIndex, TabCtrlItem::STATE_SELECTED);
    ++m_nChanges;
    return nIndex;
}

int CQVTabCtrl::SetCurSelID(DWORD dwID) {
    return SetCurSel(FindItem(dwID));
}

DWORD CQVTabCtrl::GetCurSelID() const {
    return GetItemData(m_nCurSel);
}

DWORD CQVTabCtrl::GetItemData(int nIndex) const {
    return IsValidIndex(nIndex) ? m_vecItems[nIndex]->m_dwID : 0;
}

int CQVTabCtrl::FindItem(DWORD dwID) const {
    for (int i = 0; i < GetItemCount(); ++i)
        if (m_vecItems[i]->m_dwID == dwID) return i;
    return -1;
}

int CQVTabCtrl::FindItem(LPCTSTR lpszText) const {
    const CString strText = lpszText ? lpszText : _T("");
    for (int i = 0; i < GetItemCount(); ++i)
        if (m_vecItems[i]->m_strText == strText) return i;
    return -1;
}

int CQVTabCtrl::GetItemState(int nIndex) const {
    return IsValidIndex(nIndex) ? m_vecItems[nIndex]->m_nState : -1;
}

CRect CQVTabCtrl::GetItemRect(int nIndex) const {
    return IsValidIndex(nIndex) ? m_vecItems[nIndex]->m_rcItem : CRect();
}

void CQVTabCtrl::SetTransparent(BOOL bTransparent) {
    m_bTransparent = bTransparent;
    if (GetSafeHwnd()) Invalidate(FALSE);
}

// ---- Layout ----

void CQVTabCtrl::AdjustControlRect() {
    if (!GetSafeHwnd()) return;
    CRect rc;
    GetWindowRect(&rc);
    const int cy = m_nItemHeight > 0 ? m_nItemHeight : 0;
    // Resizing a child costs the system some milliseconds: only when the height changes.
    if (rc.Height() == cy) return;
    SetWindowPos(NULL, 0, 0, rc.Width(), cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CQVTabCtrl::LayoutItems() {
    // Text widths need the window's DC; tabs added before the window exists are laid out at WM_SIZE.
    if (!GetSafeHwnd()) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CClientDC dc(this);
    CQVSelectScope scope(&dc, ::GetStockObject(DEFAULT_GUI_FONT));
    auto textWidthOf = [&](int i) {
        CRect rcText(0, 0, 400, 20);
        dc.DrawText(m_vecItems[i]->m_strText, &rcText, DT_CALCRECT | DT_SINGLELINE);
        return rcText.Width();
    };
    auto rectOf = [this](int i) -> CRect& { return m_vecItems[i]->m_rcItem; };
    m_nLaidOut = QVLayoutTabs(GetItemCount(), rcClient, m_nMinItemWidth, m_nItemHeight, textWidthOf, rectOf);
}

// ---- Implementation ----

void CQVTabCtrl::SetState(int nIndex, int nState) {
    if (IsValidIndex(nIndex)) m_vecItems[nIndex]->m_nState = nState;
}

void CQVTabCtrl::InvalidateItem(int nIndex) {
    if (IsValidIndex(nIndex) && GetSafeHwnd()) InvalidateRect(&m_vecItems[nIndex]->m_rcItem, FALSE);
}

void CQVTabCtrl::ReadSkin() {
    m_pBtnRes = Skin()->GetBtnRes();
    m_clrBk = Skin()->GetWndRes()->m_clrClientBk;
    m_clrLine = Skin()->GetClrDef()->GetColor(3);
    m_nMinItemWidth = m_pBtnRes->m_nTabMinWidth;
    m_nItemHeight = m_pBtnRes->m_nTabHeight;
}

void CQVTabCtrl::PreSubclassWindow() {
    CWnd::PreSubclassWindow();
    // A window made by Create already has the height; a subclassed one takes it now.
    if (!m_bCreating) {
        AdjustControlRect();
        LayoutItems();
    }
}

void CQVTabCtrl::DrawItems(CDC* pDC, const CRect& rcClient) {
    CQVSelectScope scope(pDC, ::GetStockObject(DEFAULT_GUI_FONT));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    rcClip &= rcClient;
    for (const TabCtrlItem* pItem : m_vecItems) {
        CRect rcShown;
        if (!rcShown.IntersectRect(&pItem->m_rcItem, &rcClip)) continue;
        m_pBtnRes->m_bmpTab.TransparentDrawFill(pDC, pItem->m_rcItem, m_pBtnRes->m_clrTransparent,
                                                pItem->m_nState);
        CRect rcText = pItem->m_rcItem;
        rcText.DeflateRect(4, 4);
        pDC->DrawText(pItem->m_strText, &rcText, kTextFlags);
    }
    if (m_nLaidOut > 0 && m_nLaidOut <= GetItemCount()) {
        const CRect rcLine = QVTabBaseLine(m_nLaidOut, m_vecItems[m_nLaidOut - 1]->m_rcItem, rcClient);
        if (!rcLine.IsRectEmpty()) pDC->FillSolidRect(&rcLine, m_clrLine);
    }
}

// ---- Messages ----

void CQVTabCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    CQVPaintMemoryDC dcMem(this, &dc);
    if (m_bTransparent)
        DrawTransparentBkg(this, GetParent(), &dcMem);
    else
        dcMem.FillSolidRect(&rcClient, m_clrBk);
    // Only what the paint asked for is drawn: a long list of tabs costs no more than a short one.
    CRgn rgnPaint;
    rgnPaint.CreateRectRgnIndirect(&dc.m_ps.rcPaint);
    dcMem.SelectClipRgn(&rgnPaint);
    DrawItems(&dcMem, rcClient);
    dcMem.SelectClipRgn(NULL);
}

BOOL CQVTabCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVTabCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    auto rectOf = [this](int i) -> const CRect& { return m_vecItems[i]->m_rcItem; };
    const int nHot = QVTabHitTest(GetItemCount(), rectOf, point);
    if (nHot != m_nHotItem) {
        if (m_nHotItem != m_nCurSel && IsValidIndex(m_nHotItem)) {
            SetState(m_nHotItem, TabCtrlItem::STATE_NORMAL);
            InvalidateItem(m_nHotItem);
        }
        m_nHotItem = nHot;
        if (nHot >= 0) {
            if (nHot != m_nCurSel) {
                SetState(nHot, TabCtrlItem::STATE_HOVER);
                InvalidateItem(nHot);
            }
            QVTrackMouseLeave(m_hWnd);
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

LRESULT CQVTabCtrl::OnMouseLeave(WPARAM, LPARAM) {
    if (m_nHotItem != m_nCurSel && IsValidIndex(m_nHotItem)) {
        SetState(m_nHotItem, TabCtrlItem::STATE_NORMAL);
        InvalidateItem(m_nHotItem);
    }
    m_nHotItem = -1;
    return 0;
}

void CQVTabCtrl::OnKillFocus(CWnd* pNewWnd) {
    CWnd::OnKillFocus(pNewWnd);
    OnMouseLeave(0, 0);
}

void CQVTabCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    auto rectOf = [this](int i) -> const CRect& { return m_vecItems[i]->m_rcItem; };
    const int nNew = QVTabHitTest(GetItemCount(), rectOf, point);
    if (nNew >= 0 && nNew != m_nCurSel) {
        const int nOld = m_nCurSel;
        const unsigned nChanges = m_nChanges;
        const CQVAliveToken alive(this);
        // The parent answers with the selection as it was: a refusal leaves everything in place.
        const LRESULT lAnswer = GetParent() ? GetParent()->SendMessage(WM_QV_TABSELCHANGING, nNew, nOld) : 0;
        // A parent that destroyed the control, or changed its tabs or selection while answering, has
        // decided for the click.
        if (!alive) return;
        if (nChanges != m_nChanges) return;
        if (lAnswer != 0) {
            SetState(nNew, TabCtrlItem::STATE_NORMAL);
            InvalidateItem(nNew);
        } else {
            SetState(nOld, TabCtrlItem::STATE_NORMAL);
            m_nOldSel = nOld;
            m_nCurSel = nNew;
            SetState(nNew, TabCtrlItem::STATE_PRESSED);
            InvalidateItem(nOld);
            InvalidateItem(nNew);
            // The release shows the tab selected even when it comes outside the control.
            SetCapture();
        }
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CQVTabCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    if (GetCapture() == this) ReleaseCapture();
    SetState(m_nCurSel, TabCtrlItem::STATE_SELECTED);
    InvalidateItem(m_nCurSel);
    CWnd::OnLButtonUp(nFlags, point);
}

void CQVTabCtrl::OnCaptureChanged(CWnd* pWnd) {
    // A press taken away (another window captured the mouse) still ends with the tab selected.
    if (GetItemState(m_nCurSel) == TabCtrlItem::STATE_PRESSED) {
        SetState(m_nCurSel, TabCtrlItem::STATE_SELECTED);
        InvalidateItem(m_nCurSel);
    }
    CWnd::OnCaptureChanged(pWnd);
}

void CQVTabCtrl::OnDestroy() {
    DeleteAllItems();
    m_nOldSel = m_nCurSel = m_nHotItem = -1;
    CWnd::OnDestroy();
}

void CQVTabCtrl::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    LayoutItems();
}

LRESULT CQVTabCtrl::OnSkinChanged(WPARAM, LPARAM) {
    ReadSkin();
    AdjustControlRect();
    LayoutItems();
    Invalidate(FALSE);
    return 0;
}
