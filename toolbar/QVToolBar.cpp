#include "QVToolBar.h"

#include "QVControlBar.h"
#include "QVWndClass.h"

IMPLEMENT_DYNAMIC(CQVToolBar, CWnd)

BEGIN_MESSAGE_MAP(CQVToolBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSELEAVE()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVToolBar::OnSkinChanged)
END_MESSAGE_MAP()

CQVToolBar::CQVToolBar(HINSTANCE hInstance, UINT nArrowIconId) : Base(hInstance, nArrowIconId) {}

CQVToolBar::~CQVToolBar() {
    DestroyWindow();
}

BOOL CQVToolBar::CreateEx(CWnd* pParentWnd, const RECT& rect, UINT nID) {
    static const TCHAR kClass[] = _T("QVToolBar");
    if (!QVRegisterWndClass(kClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                            QVSysColorClassBrush(COLOR_WINDOW)))
        return FALSE;
    m_bCreating = TRUE;
    const BOOL bCreated = CWnd::CreateEx(0, kClass, _T(""), WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID);
    m_bCreating = FALSE;
    return bCreated;
}

// The stand-alone bar looks like a docked one: the control bar's gradient and grip.
void CQVToolBar::DrawBarAppearance(CDC* pDC, const CRect& rc, int nState) {
    CQVControlBar::DrawBarAppearance(pDC, rc, nState);
}

void CQVToolBar::PreSubclassWindow() {
    CWnd::PreSubclassWindow();
    // A window being created gets its tooltip at WM_CREATE; one subclassed after creation gets it now.
    if (!m_bCreating) CreateToolTip();
}

int CQVToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CreateToolTip();
    return 0;
}

void CQVToolBar::OnDestroy() {
    DestroyToolTip();
    CWnd::OnDestroy();
}

void CQVToolBar::OnPaint() {
    Base::OnPaint();
}

BOOL CQVToolBar::OnEraseBkgnd(CDC* pDC) {
    return Base::OnEraseBkgnd(pDC);
}

void CQVToolBar::OnMouseMove(UINT nFlags, CPoint point) {
    Base::OnMouseMove(nFlags, point);
}

void CQVToolBar::OnLButtonDown(UINT nFlags, CPoint point) {
    Base::OnLButtonDown(nFlags, point);
}

void CQVToolBar::OnLButtonUp(UINT nFlags, CPoint point) {
    Base::OnLButtonUp(nFlags, point);
}

void CQVToolBar::OnMouseLeave() {
    Base::OnMouseLeave();
}

LRESULT CQVToolBar::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    return Base::OnSkinChanged(wParam, lParam);
}
