#include "BenchWindows.h"

namespace rizbench {

BEGIN_MESSAGE_MAP(CBlitWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CBlitWnd::CreateBlit(CWnd* pParent, const CRect& rc, COLORREF clrFill) {
    if (!m_surface.Create(rc.Width(), rc.Height())) return FALSE;
    m_surface.FillSolidRect(0, 0, rc.Width(), rc.Height(), clrFill);
    return CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, rc, pParent, 0);
}

void CBlitWnd::OnPaint() {
    CPaintDC dc(this);
    const CSize size = m_surface.GetSize();
    dc.BitBlt(0, 0, size.cx, size.cy, &m_surface, 0, 0, SRCCOPY);
}

BOOL CParentWnd::CreateParent(int cx, int cy) {
    if (!CreateEx(0,
                  AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  _T("bench"), WS_POPUP | WS_CLIPCHILDREN, 0, 0, cx, cy, NULL, NULL))
        return FALSE;
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return TRUE;
}

BEGIN_MESSAGE_MAP(CStripedParentWnd, CParentWnd)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CStripedParentWnd::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    for (int y = 0; y < rc.Height(); y += 2)
        pDC->FillSolidRect(0, y, rc.Width(), 2, RGB(200, 220 - y / 3, 240));
    return TRUE;
}

std::function<void(int)> Repaint(CWnd& wnd) {
    return [&wnd](int n) {
        for (int i = 0; i < n; ++i) {
            wnd.Invalidate(FALSE);
            wnd.UpdateWindow();
        }
    };
}

std::function<void(int)> RepaintWithFrame(HWND hWnd) {
    return [hWnd](int n) {
        for (int i = 0; i < n; ++i)
            ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    };
}

}  // namespace rizbench
