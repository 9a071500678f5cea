// The skinned popup window: the window's messages routed to its CSkinWnd.
#include "SkinPopupWnd.h"

#include "SkinWndHost.h"

BEGIN_MESSAGE_MAP(CSkinPopupWnd, CSkinWndT<CWnd>)
ON_WM_CREATE()
END_MESSAGE_MAP()

CSkinPopupWnd::CSkinPopupWnd() = default;

CSkinPopupWnd::~CSkinPopupWnd() {
    // The window goes while the object is still a skinned window, so its handlers still run.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

void CSkinPopupWnd::GetMessageString(UINT nID, CString& rMessage) const {
    CSkinWndHost::GetMessageString(nID, rMessage);
}

int CSkinPopupWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    Host().AdjustWindowSize();
    Host().InitWindowMenu(m_menuRef);
    return 0;
}
