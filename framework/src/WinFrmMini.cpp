// CMiniFrameWnd: a frame with the system's small tool-window caption.
#include <afxwin.h>

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_MESSAGE(WM_FLOATSTATUS, &CMiniFrameWnd::OnFloatStatus)
END_MESSAGE_MAP()

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM) {
    if (!(GetStyle() & MFS_SYNCACTIVE)) return 0;
    // The active window draws its own caption as the system tells it.
    if ((wParam & (FS_ACTIVATE | FS_DEACTIVATE)) && ::GetActiveWindow() != m_hWnd)
        SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) != 0);
    return (wParam & FS_SYNCACTIVE) ? 1 : 0;
}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID) {
    return CMiniFrameWnd::CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_strCaption = lpWindowName;
    if (!lpClassName) lpClassName = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (CRect(rect) == rectDefault) x = y = cx = cy = CW_USEDEFAULT;
    // Only a child has a control id; a popup's menu slot stays empty.
    HMENU hMenuOrID = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, x, y, cx, cy,
                          pParentWnd->GetSafeHwnd(), hMenuOrID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.style & (MFS_4THICKFRAME | MFS_THICKFRAME)) cs.style |= WS_THICKFRAME;
    // The small caption is the system's tool-window caption.
    if ((cs.style & WS_CAPTION) == WS_CAPTION) cs.dwExStyle |= WS_EX_TOOLWINDOW;
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

void PASCAL CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD /*dwExStyle*/) {
    ::AdjustWindowRectEx(
        lpClientRect,
        dwStyle & ~(MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME | MFS_BLOCKSYSMENU),
        FALSE, WS_EX_PALETTEWINDOW);
}
