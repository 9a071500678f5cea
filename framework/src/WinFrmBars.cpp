// The frame's control bars: the bar list, finding a bar by id, showing and hiding (now or at the next
// layout), and the View menu's bar commands.
#include <afxwin.h>

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (pBar && !m_listControlBars.Find(pBar)) m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    if (POSITION pos = m_listControlBars.Find(pBar)) m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
    if (nID == 0) return nullptr;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd && static_cast<UINT>(pBar->GetDlgCtrlID()) == nID) return pBar;
    }
    return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
    if (!pBar || !pBar->m_hWnd) return;
    CFrameWnd* pFrame = pBar->GetDockingFrame();
    if (!pFrame) pFrame = this;
    if (bDelay) {
        pBar->DelayShow(bShow);
        pFrame->DelayRecalcLayout();
        return;
    }
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    // A contrary request waiting for the next layout would undo this one.
    pBar->DelayShow(bShow);
    if (bShow || !pBar->IsFloating()) pFrame->RecalcLayout(FALSE);
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* pBar = GetControlBar(nID);
    if (!pBar) return FALSE;
    ShowControlBar(pBar, !(pBar->GetStyle() & WS_VISIBLE), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (!pBar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}
