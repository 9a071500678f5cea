// CControlBar: styles, borders, delayed show and hide, the WM_SIZEPARENT placement, the idle update
// and the frame's bar list.
#include <afxwin.h>

#include <algorithm>

#include "WndState.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_ERASEBKGND()
ON_WM_WINDOWPOSCHANGING()
ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LPCTSTR AFXAPI AfxControlBarClass() {
    static const bool bRegistered = [] {
        WNDCLASS wndcls = {};
        wndcls.style = CS_DBLCLKS;
        wndcls.lpfnWndProc = ::DefWindowProc;
        wndcls.hInstance = AfxGetFrameworkModule();
        wndcls.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wndcls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wndcls.lpszClassName = AFX_WNDCONTROLBAR;
        return AfxRegisterClass(&wndcls) != FALSE;
    }();
    return bRegistered ? AFX_WNDCONTROLBAR : nullptr;
}

int AFXAPI AfxBarBorderX() {
    return ::GetSystemMetrics(SM_CXBORDER) * 2;
}

int AFXAPI AfxBarBorderY() {
    return ::GetSystemMetrics(SM_CYBORDER) * 2;
}

CControlBar::~CControlBar() {
    // A bar object deleted before its window takes the window along: WM_DESTROY takes it off the
    // frame's list, so the frame never reaches freed memory.
    if (m_hWnd) DestroyWindow();
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
    if (m_dwStyle == dwStyle) return;
    const DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect) {
    if (lpRect) SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const {
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

CFrameWnd* CControlBar::GetDockingFrame() const {
    // The nearest frame: the main frame for a docked bar, the small frame for a floating one.
    CFrameWnd* pFrameWnd = GetParentFrame();
    return pFrameWnd ? pFrameWnd : m_pDockSite;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode) {
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
    const DWORD dwStyle = m_dwStyle;
    if (dwStyle & CBRS_BORDER_LEFT) rect.left += AfxBarBorderX();
    if (dwStyle & CBRS_BORDER_TOP) rect.top += AfxBarBorderY();
    if (dwStyle & CBRS_BORDER_RIGHT) rect.right -= AfxBarBorderX();
    if (dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= AfxBarBorderY();
    // The bar borders run along the bar: a vertical bar takes them turned by a quarter.
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CControlBar::DoPaint(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
    // The border lines are drawn by EraseNonClient; a bar that paints its client area itself keeps them.
    (void)pDC;
    (void)rect;
}

void CControlBar::DelayShow(BOOL bShow) {
    m_nStateFlags &= ~(delayHide | delayShow);
    const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::IsVisible() const {
    if (m_nStateFlags & delayHide) return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) {
    DWORD dwStyle = (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) | (GetStyle() & WS_VISIBLE);
    if (!(m_nStateFlags & (delayHide | delayShow))) return dwStyle;

    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && (dwStyle & WS_VISIBLE))
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !(dwStyle & WS_VISIBLE))
        swpFlags = SWP_SHOWWINDOW;
    if (swpFlags) dwStyle ^= WS_VISIBLE;  // the pass lays the bar out as it will be

    // A measuring pass keeps the request for the pass that moves.
    if (lpLayout && !lpLayout->hDWP) return dwStyle;
    m_nStateFlags &= ~(delayHide | delayShow);
    if (!swpFlags) return dwStyle;
    swpFlags |= SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (lpLayout)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0, swpFlags);
    else
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, swpFlags);
    return dwStyle;
}

void CControlBar::EraseNonClient() {
    // The border lines live in the non-client area that OnNcCalcSize reserved.
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    ScreenToClient(rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.FillSolidRect(rectWindow, ::GetSysColor(COLOR_BTNFACE));
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const int cx = AfxBarBorderX() / 2, cy = AfxBarBorderY() / 2;
    const CRect& r = rectWindow;
    if (m_dwStyle & CBRS_BORDER_TOP) {
        dc.FillSolidRect(r.left, r.top, r.Width(), cy, clrShadow);
        dc.FillSolidRect(r.left, r.top + cy, r.Width(), cy, clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        dc.FillSolidRect(r.left, r.bottom - 2 * cy, r.Width(), cy, clrShadow);
        dc.FillSolidRect(r.left, r.bottom - cy, r.Width(), cy, clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        dc.FillSolidRect(r.left, r.top, cx, r.Height(), clrShadow);
        dc.FillSolidRect(r.left + cx, r.top, cx, r.Height(), clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        dc.FillSolidRect(r.right - 2 * cx, r.top, cx, r.Height(), clrShadow);
        dc.FillSolidRect(r.right - cx, r.top, cx, r.Height(), clrHilite);
    }
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CWnd::PreCreateWindow(cs)) return FALSE;
    if (!cs.lpszClass) cs.lpszClass = AfxControlBarClass();
    // Bars are drawn flat inside their frame.
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg) {
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Commands and notifications of the bar's children go to the owner (the frame), after the child
    // had its chance to handle the reflected notification.
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult)) return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner && pOwner != this && ::IsWindow(pOwner->m_hWnd))
            return pOwner->SendMessage(message, wParam, lParam);
        break;
    }
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete) delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CWnd* pParent = GetParent();
    if (pParent && pParent->IsFrameWnd()) {
        m_pDockSite = static_cast<CFrameWnd*>(pParent);
        m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy() {
    if (m_pDockSite) m_pDockSite->RemoveControlBar(this);
    CWnd::OnDestroy();
}

void CControlBar::OnPaint() {
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::OnNcPaint() {
    EraseNonClient();
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
    // The border lines take non-client space; the bar borders stay in the client area.
    CRect rect;
    rect.SetRectEmpty();
    const DWORD dwStyle = m_dwStyle;
    if (dwStyle & CBRS_BORDER_LEFT) rect.left += AfxBarBorderX();
    if (dwStyle & CBRS_BORDER_TOP) rect.top += AfxBarBorderY();
    if (dwStyle & CBRS_BORDER_RIGHT) rect.right -= AfxBarBorderX();
    if (dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= AfxBarBorderY();
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
    if (lpncsp->rgrc[0].right < lpncsp->rgrc[0].left) lpncsp->rgrc[0].right = lpncsp->rgrc[0].left;
    if (lpncsp->rgrc[0].bottom < lpncsp->rgrc[0].top) lpncsp->rgrc[0].bottom = lpncsp->rgrc[0].top;
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC) {
    return static_cast<BOOL>(Default()) || pDC == nullptr;
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
    CWnd::OnWindowPosChanging(lpWndPos);
    // A bar with border lines redraws its frame when its size changes.
    if (!(lpWndPos->flags & SWP_NOSIZE) && (m_dwStyle & CBRS_BORDER_ANY)) lpWndPos->flags |= SWP_FRAMECHANGED;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const DWORD dwStyle = RecalcDelayShow(lpLayout);
    if (!(dwStyle & WS_VISIBLE) || !(dwStyle & CBRS_ALIGN_ANY)) return 0;

    CRect rect(lpLayout->rect);
    const CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::min(size.cx, sizeAvail.cx);
    size.cy = std::min(size.cy, sizeAvail.cy);

    if (dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else if (dwStyle & CBRS_ALIGN_BOTTOM) {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else if (dwStyle & CBRS_ORIENT_VERT) {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else if (dwStyle & CBRS_ALIGN_RIGHT) {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP) AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    // Only bars that show are updated; the target is the owner frame, else the parent frame.
    if (!(GetStyle() & WS_VISIBLE)) return 0;
    CFrameWnd* pTarget = nullptr;
    CWnd* pOwner = GetOwner();
    if (pOwner && pOwner->IsFrameWnd()) pTarget = static_cast<CFrameWnd*>(pOwner);
    if (!pTarget) pTarget = GetParentFrame();
    if (pTarget) OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}
