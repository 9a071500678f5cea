// The skinned frame window: the frame's messages routed to its CSkinWnd.
#include "SkinFrameWnd.h"

#include "SkinWndHost.h"

IMPLEMENT_DYNCREATE(CSkinFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CSkinFrameWnd, CSkinWndT<CFrameWnd>)
ON_WM_CREATE()
ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CSkinFrameWnd::OnBarCheck)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CSkinFrameWnd::OnBarCheck)
ON_MESSAGE(WM_SETMESSAGESTRING, &CSkinFrameWnd::OnSetMessageString)
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

LRESULT CSkinFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    // A command id wins over lParam: toolbars send (id, item index), and an index is no text.
    if (wParam) return CFrameWnd::OnSetMessageString(wParam, 0);
    return CFrameWnd::OnSetMessageString(0, lParam);
}
