// The skinned frame window: the frame's messages routed to its CSkinWnd.
#include "SkinFrameWnd.h"

#include "SkinWndHost.h"

IMPLEMENT_DYNCREATE(CSkinFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CSkinFrameWnd, CSkinWndT<CFrameWnd>)
ON_WM_CREATE()
END_MESSAGE_MAP()

CSkinFrameWnd::CSkinFrameWnd() = default;

CSkinFrameWnd::~CSkinFrameWnd() = default;

void CSkinFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    CSkinWndHost::GetMessageString(nID, rMessage);
}

int CSkinFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    Host().AdjustWindowSize();
    Host().InitWindowMenu(m_menuRef);
    return 0;
}
