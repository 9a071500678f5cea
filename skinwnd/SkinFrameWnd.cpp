// The skinned frame window: the frame's messages routed to its CSkinWnd.
#include "SkinFrameWnd.h"

#include "SkinWndHost.h"

IMPLEMENT_DYNCREATE(CSkinFrameWnd, CFrameWnd)

namespace {
// Posted when the frame is shown: the floating frames are raised once the show and its activation
// have placed the frame.
const UINT kRaiseFloatingFrames = ::RegisterWindowMessage(_T("RIZuruzezu.RaiseFloatingFrames"));
}  // namespace

BEGIN_MESSAGE_MAP(CSkinFrameWnd, CSkinWndT<CFrameWnd>)
ON_WM_CREATE()
ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CSkinFrameWnd::OnBarCheck)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CSkinFrameWnd::OnBarCheck)
ON_MESSAGE(WM_SETMESSAGESTRING, &CSkinFrameWnd::OnSetMessageString)
ON_WM_SHOWWINDOW()
ON_REGISTERED_MESSAGE(kRaiseFloatingFrames, &CSkinFrameWnd::OnRaiseFloatingFrames)
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
    // Neither (the mouse left a toolbar's items): back to the idle prompt, as after a menu.
    if (!lParam) return CFrameWnd::OnSetMessageString(AFX_IDS_IDLEMESSAGE, 0);
    return CFrameWnd::OnSetMessageString(0, lParam);
}

void CSkinFrameWnd::OnShowWindow(BOOL bShow, UINT nStatus) {
    CSkinWndT<CFrameWnd>::OnShowWindow(bShow, nStatus);
    if (bShow) PostMessage(kRaiseFloatingFrames);
}

LRESULT CSkinFrameWnd::OnRaiseFloatingFrames(WPARAM, LPARAM) {
    RaiseFloatingFrames();
    return 0;
}
