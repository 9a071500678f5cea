// CQVControlBar: docking, the drag and toggle clicks, the skin change and the bar background.
#include "QVControlBar.h"

#include <gdiplus.h>

#include <vector>

#include "QVDockBar.h"
#include "QVDockContext.h"
#include "QVSkinNotify.h"
#include "QVSysColors.h"
#include "QVWndClass.h"

IMPLEMENT_DYNAMIC(CQVControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CQVControlBar, CControlBar)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_DESTROY()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVControlBar::OnSkinChanged)
END_MESSAGE_MAP()

CQVControlBar::CQVControlBar() {
    ResetColors();
}

CQVControlBar::~CQVControlBar() {
    // The window goes first, while this object's handlers still run; then the dock context, whose
    // destructor takes the bar out of a dock bar that is still there.
    if (m_hWnd) DestroyWindow();
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

void CQVControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle;
    if (!m_pDockContext) m_pDockContext = new CQVDockContext(this);
    if (!m_hWndOwner && m_hWnd) SetOwner(GetParent());
}

BOOL CQVControlBar::IsFloating() const {
    if (IsDockBar()) return static_cast<const CQVDockBar*>(this)->m_bFloating;
    return m_pDockBar && m_pDockBar->m_bFloating;
}

void CQVControlBar::ResetColors() {
    ::ResetColors();
}

void CQVControlBar::DrawBarAppearance(CDC* pDC, const CRect& rect, int) {
    if (!pDC || rect.IsRectEmpty()) return;
    const COLORREF clrStart = QVGetBarGradientStart(), clrEnd = QVGetBarGradientEnd();
    Gdiplus::Graphics graphics(pDC->GetSafeHdc());
    const Gdiplus::Rect rectGradient(0, 0, rect.Width(), rect.Height());
    Gdiplus::LinearGradientBrush brush(
        rectGradient, Gdiplus::Color(255, GetRValue(clrStart), GetGValue(clrStart), GetBValue(clrStart)),
        Gdiplus::Color(255, GetRValue(clrEnd), GetGValue(clrEnd), GetBValue(clrEnd)),
        Gdiplus::LinearGradientModeVertical);
    graphics.FillRectangle(&brush, rect.left, rect.top, rect.Width(), rect.Height());

    // The grip: three raised dots down the left end.
    Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
    Gdiplus::SolidBrush grey(Gdiplus::Color(255, 148, 148, 145));
    for (int y : {7, 13, 19}) {
        graphics.FillRectangle(&white, rect.left + 5, rect.top + y, 3, 3);
        graphics.FillRectangle(&grey, rect.left + 5, rect.top + y, 2, 2);
    }
}

BOOL CQVControlBar::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CControlBar::PreCreateWindow(cs)) return FALSE;
    cs.dwExStyle &= ~(WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE);
    cs.style &= ~(WS_CAPTION | WS_THICKFRAME);
    return TRUE;
}

void CQVControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

BOOL CQVControlBar::CreateBarWindow(LPCTSTR lpszClassName, CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle,
                                    const CRect& rectBorders, UINT nID) {
    SetBorders(rectBorders.left, rectBorders.top, rectBorders.right, rectBorders.bottom);
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR) m_dwStyle |= CBRS_HIDE_INPLACE;
    if (!QVRegisterWndClass(lpszClassName, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                            ::LoadCursor(nullptr, IDC_ARROW), QVSysColorClassBrush(COLOR_WINDOW)))
        return FALSE;
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | 0x4E | dwCtrlStyle;
    return CWnd::Create(lpszClassName, _T(""), dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

void CQVControlBar::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_pDockBar && m_pDockContext && OnToolHitTest(point, nullptr) == -1) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}

void CQVControlBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (m_pDockBar && m_pDockContext && OnToolHitTest(point, nullptr) == -1) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CControlBar::OnLButtonDblClk(nFlags, point);
}

void CQVControlBar::OnDestroy() {
    // A bar whose window goes while docked leaves its row at once, so no layout meets a bar without
    // a window.
    if (m_pDockBar && !IsDockBar()) m_pDockBar->RemoveDestroyedBar(this);
    CControlBar::OnDestroy();
}

LRESULT CQVControlBar::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    // New colours only: the gradient is read again at its next use and the client repaints. The border
    // lines are in system colours and keep their room, so neither the frame is recalculated nor its
    // lines redrawn; the skinned frame recalculates its own frame once for all its bars.
    ResetColors();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    QVSendSkinChangedToChildren(m_hWnd, wParam, lParam);
    return 0;
}
