// CQVDockOutlookBar: the outlook bar made with the pane and kept over its client area.
#include "QVDockOutlookBar.h"

IMPLEMENT_DYNAMIC(CQVDockOutlookBar, CQVDockWnd)

BEGIN_MESSAGE_MAP(CQVDockOutlookBar, CQVDockWnd)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CQVDockOutlookBar::~CQVDockOutlookBar() {
    if (m_hWnd) DestroyWindow();
}

int CQVDockOutlookBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CQVDockWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_imageList.Create(16, 16, ILC_COLOR16 | ILC_MASK, 2, 1);
    CRect rect;
    GetClientRect(&rect);
    m_wndOutBar.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, this, 100, 0xFC);
    m_wndOutBar.SetImageList(&m_imageList, 1);
    m_wndOutBar.SetSmallIconView(TRUE, -1);
    m_wndOutBar.SetTextColor(0, 0);
    m_wndOutBar.SetBackColor(0xF9F6EC);
    return 0;
}

void CQVDockOutlookBar::OnSize(UINT nType, int cx, int cy) {
    CQVDockWnd::OnSize(nType, cx, cy);
    if (!m_wndOutBar.m_hWnd) return;
    CRect rect;
    GetClientRect(&rect);
    m_wndOutBar.MoveWindow(rect, TRUE);
}

CSize CQVDockOutlookBar::CalcFixedLayout(BOOL, BOOL) {
    CRect rect;
    GetWindowRect(&rect);
    return rect.Size();
}

CSize CQVDockOutlookBar::CalcDynamicLayout(int, DWORD) {
    return CSize(100, 100);
}

void CQVDockOutlookBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}
