// CQVDockWnd: creation and the pane's sizes.
#include "QVDockWnd.h"

#include "QVWndClass.h"

IMPLEMENT_DYNAMIC(CQVDockWnd, CQVControlBar)

BOOL CQVDockWnd::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rectBorders, UINT nID) {
    SetBorders(rectBorders.left, rectBorders.top, rectBorders.right, rectBorders.bottom);
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR) m_dwStyle |= CBRS_HIDE_INPLACE;
    if (!QVRegisterWndClass(_T("QVDockWnd"), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                            ::LoadCursor(nullptr, IDC_ARROW), QVSysColorClassBrush(COLOR_WINDOW)))
        return FALSE;
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | 0x4E | dwCtrlStyle;
    return CWnd::Create(_T("QVDockWnd"), _T(""), dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
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
