// CQVMiniDockFrameWnd: creation with its dock bar, layout, showing bars, closing.
#include "QVMiniDockFrameWnd.h"

#include "QVDockContext.h"
#include "QVSkinNotify.h"

IMPLEMENT_DYNCREATE(CQVMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CQVMiniDockFrameWnd, CMiniFrameWnd)
ON_WM_CLOSE()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVMiniDockFrameWnd::OnSkinChanged)
END_MESSAGE_MAP()

CQVMiniDockFrameWnd::CQVMiniDockFrameWnd() {
    m_wndDockBar.m_bAutoDelete = FALSE;
}

CQVMiniDockFrameWnd::~CQVMiniDockFrameWnd() = default;

BOOL CQVMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
    m_bInRecalcLayout = TRUE;  // no layout while the windows are made
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC) dwStyle &= ~MFS_MOVEFRAME;
    if (!CMiniFrameWnd::CreateEx(0, nullptr, _T(""), dwStyle, rectDefault, pParent)) return FALSE;

    DWORD dwDockStyle =
        (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    dwDockStyle |= dwBarStyle & CBRS_FLOAT_MULTI;

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        pSysMenu->DeleteMenu(SC_SIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MINIMIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_RESTORE, MF_BYCOMMAND);
        CString strHide;
        if (strHide.LoadString(AFX_IDS_HIDE))
            pSysMenu->ModifyMenu(SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, strHide);
    }

    // Made under the docking frame so that it joins that frame's bar list, where CanDock looks.
    if (!m_wndDockBar.Create(pParent, WS_CHILD | WS_VISIBLE | dwDockStyle, AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();  // the frame deletes itself, as after any failed creation
        return FALSE;
    }
    m_wndDockBar.SetParent(this);
    m_bInRecalcLayout = FALSE;
    return TRUE;
}

void CQVMiniDockFrameWnd::RecalcLayout(BOOL bNotify) {
    if (!m_bInRecalcLayout) CMiniFrameWnd::RecalcLayout(bNotify);
}

void CQVMiniDockFrameWnd::ShowControlBar(CQVControlBar* pBar, BOOL bShow, BOOL bDelay) {
    QVShowControlBar(pBar, bShow, bDelay);
}

void CQVMiniDockFrameWnd::OnClose() {
    m_wndDockBar.ShowAll(FALSE);
}

CQVControlBar* CQVMiniDockFrameWnd::GetFirstBar() const {
    for (int n = 1; n < static_cast<int>(m_wndDockBar.m_arrBars.size()); ++n)
        if (CQVControlBar* pBar = m_wndDockBar.GetDockedControlBar(n)) return pBar;
    return nullptr;
}

void CQVMiniDockFrameWnd::ActivateDockingFrame() {
    const HWND hOwner = ::GetAncestor(m_hWnd, GA_ROOTOWNER);
    if (!hOwner || hOwner == m_hWnd || ::GetForegroundWindow() == hOwner) return;
    ::SetActiveWindow(hOwner);
    // Raising the top parent can leave this frame behind its owner on the display although the z-order
    // keeps it in front (a frame dropped over its docking frame then seems gone): a step below the
    // owner and back to the top restacks it where the z-order has it.
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (const HWND hFrameOwner = ::GetWindow(m_hWnd, GW_OWNER)) {
        ::SetWindowPos(m_hWnd, hFrameOwner, 0, 0, 0, 0, nFlags);
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, nFlags);
    }
}

LRESULT CQVMiniDockFrameWnd::OnNcHitTest(CPoint point) {
    const LRESULT nHit = CMiniFrameWnd::OnNcHitTest(point);
    switch (nHit) {
    case HTTOPLEFT:
    case HTTOPRIGHT:
        return HTTOP;
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        return HTBOTTOM;
    default:
        return nHit;
    }
}

void CQVMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point) {
    const bool bCaption = nHitTest == HTCAPTION && !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI);
    const bool bBorder = nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST;
    if (!bCaption && !bBorder) {
        CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    ActivateDockingFrame();
    CQVControlBar* pBar = GetFirstBar();
    if (!pBar || !pBar->m_pDockContext) return;
    // The loop may dock the bar and so destroy this frame: nothing of it is touched afterwards.
    if (bCaption)
        pBar->m_pDockContext->StartDrag(point);
    else
        pBar->m_pDockContext->StartResize(static_cast<int>(nHitTest), point);
}

void CQVMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point) {
    if (nHitTest == HTCAPTION && !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI)) {
        ActivateDockingFrame();
        if (CQVControlBar* pBar = GetFirstBar())
            if (pBar->m_pDockContext) pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

int CQVMiniDockFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST) return MA_NOACTIVATE;
    return CMiniFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

LRESULT CQVMiniDockFrameWnd::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    // The bars may take another size in the new skin: the frame fits them again.
    QVSendSkinChangedToChildren(m_hWnd, wParam, lParam);
    if (::IsWindow(m_hWnd)) RecalcLayout();
    return 0;
}

void QVShowControlBar(CQVControlBar* pBar, BOOL bShow, BOOL bDelay) {
    if (!pBar || !pBar->m_hWnd) return;
    CFrameWnd* pFrame = pBar->GetDockingFrame();
    if (!pFrame) return;
    if (bDelay) {
        pBar->DelayShow(bShow);
        pFrame->DelayRecalcLayout();
    } else {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                               (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        // A contrary request waiting for the next layout would undo this one.
        pBar->DelayShow(bShow);
        if (bShow || !pBar->IsFloating()) pFrame->RecalcLayout(FALSE);
    }
    if (!pBar->IsFloating()) return;

    // The floating frame follows its bars.
    const int nVisible = pBar->m_pDockBar ? pBar->m_pDockBar->GetDockedVisibleCount() : (bShow ? 1 : 0);
    if (nVisible == 1 && bShow) {
        pFrame->m_nShowDelay = -1;
        if (bDelay) {
            pFrame->m_nShowDelay = SW_SHOWNA;
            pFrame->RecalcLayout(FALSE);
        } else {
            pFrame->ShowWindow(SW_SHOWNA);
        }
    } else if (nVisible == 0) {
        pFrame->m_nShowDelay = -1;
        if (bDelay)
            pFrame->m_nShowDelay = SW_HIDE;
        else
            pFrame->ShowWindow(SW_HIDE);
    } else if (!bDelay) {
        pFrame->RecalcLayout(FALSE);
    }
}
