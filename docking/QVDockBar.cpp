// CQVDockBar: the rows of bars along an edge, docking and removing bars, and the row layout pass.
#include "QVDockBar.h"

#include <QVSkinResManager.h>

#include "QVDockContext.h"
#include "QVMiniDockFrameWnd.h"

IMPLEMENT_DYNAMIC(CQVDockBar, CQVControlBar)

BEGIN_MESSAGE_MAP(CQVDockBar, CQVControlBar)
ON_WM_ERASEBKGND()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_PAINT()
ON_WM_WINDOWPOSCHANGING()
ON_WM_DESTROY()
ON_MESSAGE(WM_SIZEPARENT, &CQVDockBar::OnSizeParent)
END_MESSAGE_MAP()

namespace {

// The mode a bar is measured with inside its row.
DWORD RowMode(const CQVControlBar* pBar) {
    const DWORD dwStyle = pBar->GetBarStyle();
    if ((dwStyle & CBRS_SIZE_DYNAMIC) && (dwStyle & CBRS_FLOATING)) return LM_HORZ | LM_MRUWIDTH;
    if (dwStyle & CBRS_ORIENT_HORZ) return LM_HORZ | LM_HORZDOCK;
    return LM_VERTDOCK;
}

}  // namespace

CQVDockBar::CQVDockBar(BOOL bFloating) : m_bFloating(bFloating) {
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
    m_bAutoDelete = TRUE;
}

CQVDockBar::~CQVDockBar() {
    ClearBarPointers();
    if (m_hWnd) DestroyWindow();
}

void CQVDockBar::ClearBarPointers() {
    for (void* pEntry : m_arrBars) {
        if (!QVDockIsBar(pEntry)) continue;
        CQVControlBar* pBar = static_cast<CQVControlBar*>(pEntry);
        if (pBar->m_pDockBar == this) pBar->m_pDockBar = nullptr;
    }
    m_arrBars.assign(1, nullptr);
}

BOOL CQVDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle & CBRS_ALL;
    return CWnd::Create(AfxControlBarClass(), _T(""), dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CQVDockBar::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CQVControlBar::PreCreateWindow(cs)) return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

void CQVDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CQVDockBar::DoPaint(CDC*) {}

// ---- The row list ----

int CQVDockBar::FindBar(CQVControlBar* pBar, int nPosExclude) const {
    return QVDockFind(m_arrBars, pBar, nPosExclude);
}

CQVControlBar* CQVDockBar::GetDockedControlBar(int nPos) const {
    if (nPos < 0 || nPos >= static_cast<int>(m_arrBars.size()) || !QVDockIsBar(m_arrBars[nPos]))
        return nullptr;
    return static_cast<CQVControlBar*>(m_arrBars[nPos]);
}

int CQVDockBar::GetDockedCount() const {
    return QVDockBarCount(m_arrBars);
}

int CQVDockBar::GetDockedVisibleCount() const {
    int nCount = 0;
    for (int n = 0; n < static_cast<int>(m_arrBars.size()); ++n)
        if (CQVControlBar* pBar = GetDockedControlBar(n)) nCount += pBar->IsVisible() ? 1 : 0;
    return nCount;
}

void CQVDockBar::RemovePlaceHolder(CQVControlBar* pBar) {
    // A value up to 0xFFFF is taken as an id already.
    const UINT nID = QVDockIsBar(pBar) ? static_cast<UINT>(::GetDlgCtrlID(pBar->GetSafeHwnd()))
                                       : static_cast<UINT>(reinterpret_cast<UINT_PTR>(pBar));
    QVDockRemovePlaceHolder(m_arrBars, nID);
}

BOOL CQVDockBar::RemoveControlBar(CQVControlBar* pBar, int nPosExclude, int nAddPlaceHolder) {
    const UINT nID = static_cast<UINT>(::GetDlgCtrlID(pBar->GetSafeHwnd()));
    if (!QVDockRemoveBar(m_arrBars, pBar, nID, nPosExclude, nAddPlaceHolder)) return FALSE;
    if (!m_hWnd) return FALSE;
    // A floating frame whose last visible bar left hides, or goes when no bar at all is left.
    if (m_bFloating && GetDockedVisibleCount() == 0) {
        CWnd* pFrame = GetParent();
        if (pFrame && pFrame->IsFrameWnd()) {
            if (GetDockedCount() == 0) {
                pFrame->DestroyWindow();
                return TRUE;
            }
            pFrame->ShowWindow(SW_HIDE);
            return FALSE;
        }
    }
    if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->DelayRecalcLayout();
    return FALSE;
}

void CQVDockBar::RemoveDestroyedBar(CQVControlBar* pBar) {
    const UINT nID = static_cast<UINT>(::GetDlgCtrlID(pBar->GetSafeHwnd()));
    QVDockRemoveBar(m_arrBars, pBar, nID, -1, -1);
    if (pBar->m_pDockBar == this) pBar->m_pDockBar = nullptr;
    if (!m_hWnd) return;
    // A floating frame left without visible bars hides; it goes with its owner.
    if (m_bFloating && GetDockedVisibleCount() == 0) {
        if (CWnd* pFrame = GetParent()) pFrame->ShowWindow(SW_HIDE);
    } else if (CFrameWnd* pFrame = GetDockingFrame()) {
        pFrame->DelayRecalcLayout();
    }
}

int CQVDockBar::Insert(CQVControlBar* pBar, CRect rect, CPoint ptMid) {
    std::vector<bool> visible(m_arrBars.size(), false);
    std::vector<CRect> rects(m_arrBars.size());
    for (size_t n = 0; n < m_arrBars.size(); ++n) {
        CQVControlBar* pDocked = GetDockedControlBar(static_cast<int>(n));
        if (!pDocked || !pDocked->m_hWnd) continue;
        visible[n] = pDocked->IsVisible() != FALSE;
        pDocked->GetWindowRect(&rects[n]);
        ScreenToClient(&rects[n]);
    }
    return QVDockInsert(m_arrBars, visible, rects, pBar, rect, ptMid, (m_dwStyle & CBRS_ORIENT_HORZ) != 0,
                        AfxBarBorderY());
}

void CQVDockBar::DockControlBar(CQVControlBar* pBar, LPCRECT lpRect) {
    DockBar(pBar, lpRect, FALSE);
}

void CQVDockBar::ReDockControlBar(CQVControlBar* pBar, LPCRECT lpRect) {
    DockBar(pBar, lpRect, TRUE);
}

void CQVDockBar::DockBar(CQVControlBar* pBar, LPCRECT lpRect, BOOL bReDock) {
    if (!pBar || !pBar->m_hWnd || pBar == this || !m_hWnd) return;
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (!lpRect || rectBar == *lpRect)) return;

    if (m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI)) m_dwStyle |= CBRS_FLOAT_MULTI;
    m_dwStyle = (m_dwStyle & ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC)) |
                (pBar->GetBarStyle() & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC));
    DWORD dwBarStyle =
        (pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    dwBarStyle = m_bFloating ? (dwBarStyle | CBRS_FLOATING) : (dwBarStyle & ~CBRS_FLOATING);
    pBar->SetBarStyle(dwBarStyle);

    // A bar moving between dock bars is hidden on the way, so it never shows in the wrong place.
    CQVDockBar* pOldDockBar = pBar->m_pDockBar;
    BOOL bShow = FALSE;
    if (pOldDockBar && pOldDockBar != this && pBar->IsWindowVisible()) {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        bShow = TRUE;
    }

    int nPos = -1;
    const int nHolder = bReDock ? QVDockFind(m_arrBars, QVDockPlaceHolder(pBar->GetDlgCtrlID())) : -1;
    if (nHolder > 0) {
        // The bar comes back to the place it kept.
        m_arrBars[nHolder] = pBar;
        nPos = nHolder;
    }
    if (lpRect) {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        if (nPos < 0) nPos = Insert(pBar, rect, rect.CenterPoint());
        pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    } else {
        if (nPos < 0) {
            m_arrBars.push_back(pBar);
            m_arrBars.push_back(nullptr);
            nPos = static_cast<int>(m_arrBars.size()) - 2;
        }
        pBar->SetWindowPos(nullptr, -AfxBarBorderX(), -AfxBarBorderY(), 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    if (pBar->GetParent() != this) pBar->SetParent(this);

    if (pOldDockBar == this) {
        RemoveControlBar(pBar, nPos, 0);
    } else if (pOldDockBar) {
        const int nAddPlaceHolder = (!bReDock && m_bFloating && !pOldDockBar->m_bFloating) ? 1 : 0;
        pOldDockBar->RemoveControlBar(pBar, -1, nAddPlaceHolder);
    }
    pBar->m_pDockBar = this;
    if (bShow) {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    RemovePlaceHolder(pBar);
    if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->DelayRecalcLayout();
}

void CQVDockBar::ShowAll(BOOL bShow) {
    // Showing or hiding may change the list (a frame that hides): walk a copy.
    const QVDockRowList bars = m_arrBars;
    for (void* pEntry : bars)
        if (QVDockIsBar(pEntry)) QVShowControlBar(static_cast<CQVControlBar*>(pEntry), bShow, TRUE);
}

// ---- Layout ----

CSize CQVDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    QVDockLayoutParams params;
    params.bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    params.bFloating = m_bFloating != FALSE;
    params.bStretch = bStretch != FALSE;
    params.sizeFixed = CControlBar::CalcFixedLayout(bStretch, bHorz);
    params.cxBorder2 = AfxBarBorderX();
    params.cyBorder2 = AfxBarBorderY();
    params.rectBorder.SetRectEmpty();
    CalcInsideRect(params.rectBorder, bHorz);
    if (!m_rectLayout.IsRectEmpty()) {
        CRect rect = m_rectLayout;
        CalcInsideRect(rect, bHorz);
        params.sizeMax = rect.Size();
    } else if (CWnd* pFrame = GetParent()) {
        CRect rect;
        pFrame->GetClientRect(&rect);
        params.sizeMax = rect.Size();
    }

    std::vector<QVDockLayoutEntry> entries(m_arrBars.size());
    for (size_t n = 0; n < m_arrBars.size(); ++n) {
        QVDockLayoutEntry& e = entries[n];
        e.pEntry = m_arrBars[n];
        CQVControlBar* pBar = GetDockedControlBar(static_cast<int>(n));
        if (!pBar || !pBar->m_hWnd) continue;
        e.bVisible = pBar->IsVisible() != FALSE;
        if (!e.bVisible) continue;
        e.size = pBar->CalcDynamicLayout(-1, RowMode(pBar));
        if (m_bFloating) {
            const CSize sizeDocked =
                pBar->m_pDockContext ? pBar->m_pDockContext->m_rectMRUDockPos.Size() : CSize(0, 0);
            e.size = QVDockFloatingSize(
                e.size, sizeDocked,
                pBar->CalcFixedLayout(FALSE, (pBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0));
        }
        pBar->GetWindowRect(&e.rectCurrent);
        ScreenToClient(&e.rectCurrent);
    }
    const CSize sizeFixed = QVDockCalcLayout(entries, params);

    // One deferred positioning for the whole pass; a layout query moves nothing.
    AFX_SIZEPARENTPARAMS layout = {};
    if (!m_bLayoutQuery) layout.hDWP = ::BeginDeferWindowPos(static_cast<int>(entries.size()));
    m_arrBars.clear();
    for (QVDockLayoutEntry& e : entries) {
        m_arrBars.push_back(e.pEntry);
        if (!QVDockIsBar(e.pEntry)) continue;
        CQVControlBar* pBar = static_cast<CQVControlBar*>(e.pEntry);
        if (!pBar->m_hWnd) continue;
        // The docked place is remembered also when the bar already stands there (a bar docked
        // without a rectangle is put in place before the pass), so that it floats from there.
        // A bar stretching along its edge was laid out as far as the dock bar reaches.
        if (e.bPlaced && !m_bLayoutQuery && !m_bFloating && pBar->m_pDockContext)
            pBar->m_pDockContext->m_rectMRUDockPos = e.rect;
        if (e.bPlaced && e.rect != e.rectCurrent && layout.hDWP)
            AfxRepositionWindow(&layout, pBar->m_hWnd, &e.rect);
        // A hidden bar's delayed show comes with the pass too, so that a delayed hide also applies.
        if (e.bPlaced || !e.bVisible) pBar->RecalcDelayShow(&layout);
    }
    if (layout.hDWP) ::EndDeferWindowPos(layout.hDWP);
    return sizeFixed;
}

LRESULT CQVDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const BOOL bLayoutQuery = m_bLayoutQuery;
    const CRect rectLayout = m_rectLayout;
    m_bLayoutQuery = lpLayout->hDWP == nullptr;
    m_rectLayout = lpLayout->rect;
    const LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = bLayoutQuery;
    m_rectLayout = rectLayout;
    return lResult;
}

// ---- Painting and destruction ----

BOOL CQVDockBar::OnEraseBkgnd(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(rect, CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk);
    return TRUE;
}

void CQVDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}

void CQVDockBar::OnNcPaint() {
    EraseNonClient();
}

void CQVDockBar::OnPaint() {
    CPaintDC dc(this);
    if (IsVisible() && GetDockedVisibleCount() != 0) DoPaint(&dc);
}

void CQVDockBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
    const DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
}

void CQVDockBar::OnDestroy() {
    ClearBarPointers();
    CControlBar::OnDestroy();
}
