// CQVDockToolBar: creation, the docking layout queries, the idle update and the handlers forwarded to
// the toolbar template.
#include "QVDockToolBar.h"

#include "QVCmdUI.h"
#include "QVDockBar.h"
#include "QVWndClass.h"

IMPLEMENT_DYNAMIC(CQVDockToolBar, CQVControlBar)

BEGIN_MESSAGE_MAP(CQVDockToolBar, CQVControlBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSELEAVE()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVDockToolBar::OnSkinChanged)
END_MESSAGE_MAP()

CQVDockToolBar::CQVDockToolBar(HINSTANCE hInstance, UINT nArrowIconId) : Base(hInstance, nArrowIconId) {}

CQVDockToolBar::~CQVDockToolBar() {
    // The window goes while this object's handlers still run (the tooltip goes with it).
    DestroyWindow();
}

BOOL CQVDockToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rectBorders,
                              UINT nID) {
    SetBorders(rectBorders.left, rectBorders.top, rectBorders.right, rectBorders.bottom);
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR) m_dwStyle |= CBRS_HIDE_INPLACE;
    m_bVertical = QVDockToolBarIsVertical(m_dwStyle);
    static const TCHAR kClass[] = _T("QVDockToolBar");
    if (!QVRegisterWndClass(kClass, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                            QVSysColorClassBrush(COLOR_WINDOW)))
        return FALSE;
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | 0x4E | dwCtrlStyle;
    if (!CWnd::Create(kClass, _T(""), dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
    ReCalcToolBar();
    return TRUE;
}

void CQVDockToolBar::DrawBarAppearance(CDC* pDC, const CRect& rc, int nState) {
    CQVControlBar::DrawBarAppearance(pDC, rc, nState);
}

CSize CQVDockToolBar::MeasureItems(BOOL bVertical) {
    std::vector<ToolBarItem> copies;
    copies.reserve(m_items.size());
    std::vector<ToolBarItem*> pointers;
    pointers.reserve(m_items.size());
    for (const ToolBarItem* pItem : m_items)
        copies.push_back(*pItem);
    for (ToolBarItem& item : copies)
        pointers.push_back(&item);
    return LayoutItems(pointers, bVertical);
}

CSize CQVDockToolBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    return MeasureItems(!bHorz);
}

CSize CQVDockToolBar::CalcDynamicLayout(int, DWORD nMode) {
    return MeasureItems(QVDockToolBarModeIsVertical(nMode));
}

void CQVDockToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
    CQVControlBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    const BOOL bVertical = QVDockToolBarIsVertical(dwNewStyle);
    if (bVertical == m_bVertical) return;
    // The items move now; the dock bar gives the window its new size in the layout that follows.
    m_bVertical = bVertical;
    m_nFocusItem = m_nPressItem = -1;
    CalcToolBarItems();
    m_bDirty = FALSE;
    InvalidateBar();
}

void CQVDockToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    if (!pTarget) return;
    CQVCmdUI state;
    state.m_pOther = this;
    const CQVAliveToken alive(this);
    for (int i = 0; i < GetItemCount(); ++i) {
        ToolBarItem* pItem = m_items[i];
        if (pItem->nType == TBIT_SEPARATOR || pItem->nType == TBIT_STATIC) continue;
        state.Reset(pItem->nID, static_cast<UINT>(i));
        state.m_nIndexMax = static_cast<UINT>(GetItemCount());
        state.DoUpdate(pTarget, bDisableIfNoHndler);
        // A handler may destroy the bar or change its items: apply only to the item still there.
        if (!alive) return;
        if (i >= GetItemCount() || m_items[i] != pItem) continue;
        ToolBarItemUpdate update;
        update.bEnableChanged = state.m_bEnableChanged;
        update.bEnabled = state.m_bEnabled;
        update.bCheckChanged = state.m_bCheckChanged;
        update.nCheck = state.m_nCheck;
        if (QVApplyToolBarItemUpdate(*pItem, update)) InvalidateItem(i);
    }
}

INT_PTR CQVDockToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    const int nHit = QVToolBarHitTest(m_items, point);
    if (nHit < 0 || m_items[nHit]->nType == TBIT_SEPARATOR) return -1;
    if (pTI && pTI->cbSize >= offsetof(TOOLINFO, lParam)) {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(nHit + 1);
        pTI->rect = m_items[nHit]->rc;
    }
    return m_items[nHit]->nID ? m_items[nHit]->nID : nHit + 1;
}

CWnd* CQVDockToolBar::GetNotifyParent() const {
    return GetOwner();
}

int CQVDockToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CQVControlBar::OnCreate(lpCreateStruct) == -1) return -1;
    CreateToolTip();
    return 0;
}

void CQVDockToolBar::OnDestroy() {
    DestroyToolTip();
    CQVDockBar* pDockBar = m_pDockBar;
    CQVControlBar::OnDestroy();
    // The last visible bar of a floating frame going with its window takes the empty frame off the
    // screen; the frame goes with the frame that docks it.
    if (pDockBar && pDockBar->m_bFloating && pDockBar->GetDockedVisibleCount() == 0)
        if (CWnd* pFrame = pDockBar->GetParent()) pFrame->ShowWindow(SW_HIDE);
}

void CQVDockToolBar::OnPaint() {
    Base::OnPaint();
}

BOOL CQVDockToolBar::OnEraseBkgnd(CDC* pDC) {
    return Base::OnEraseBkgnd(pDC);
}

// The bar paints its whole window: no border lines take room, so its window is its items' size.
void CQVDockToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}

void CQVDockToolBar::OnNcPaint() {}

void CQVDockToolBar::OnSize(UINT nType, int cx, int cy) {
    CQVControlBar::OnSize(nType, cx, cy);
    // A bar that changed its own size (new items, other texts) makes room in its frame at idle. A size
    // the dock bar gave is the size the items asked for, so that layout changes nothing more.
    if (m_pDockBar)
        if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->DelayRecalcLayout();
}

void CQVDockToolBar::OnMouseMove(UINT nFlags, CPoint point) {
    Base::OnMouseMove(nFlags, point);
}

void CQVDockToolBar::OnLButtonDown(UINT nFlags, CPoint point) {
    if (OnToolHitTest(point, nullptr) != -1) {
        Base::OnLButtonDown(nFlags, point);
        return;
    }
    Relay(WM_LBUTTONDOWN, point);
    CQVControlBar::OnLButtonDown(nFlags, point);
}

// The second press of a quick double click on an item is a press like the first; on the bar's empty
// space the double click floats or docks the bar.
void CQVDockToolBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (OnToolHitTest(point, nullptr) != -1) {
        Base::OnLButtonDown(nFlags, point);
        return;
    }
    CQVControlBar::OnLButtonDblClk(nFlags, point);
}

void CQVDockToolBar::OnLButtonUp(UINT nFlags, CPoint point) {
    Base::OnLButtonUp(nFlags, point);
}

void CQVDockToolBar::OnMouseLeave() {
    Base::OnMouseLeave();
}

LRESULT CQVDockToolBar::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    // The bar has no frame to recalculate and no children: new colours and one invalidation.
    return Base::OnSkinChanged(wParam, lParam);
}
