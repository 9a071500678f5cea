// CQVDockWnd: creation and the pane's sizes.
#include "QVDockWnd.h"

IMPLEMENT_DYNAMIC(CQVDockWnd, CQVControlBar)

BOOL CQVDockWnd::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rectBorders, UINT nID) {
    return CreateBarWindow(_T("QVDockWnd"), pParentWnd, dwCtrlStyle, dwStyle, rectBorders, nID);
}

CSize CQVDockWnd::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    if (!bStretch) return CSize(200, 200);
    return bHorz ? CSize(32767, 200) : CSize(200, 32767);
}

CSize CQVDockWnd::CalcDynamicLayout(int, DWORD) {
    CRect rect;
    GetWindowRect(&rect);
    return rect.Size();
}

void CQVDockWnd::OnUpdateCmdUI(CFrameWnd*, BOOL) {}
