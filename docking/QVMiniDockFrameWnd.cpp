// CQVMiniDockFrameWnd: creation with its dock bar, layout, showing bars, closing, the skinned frame.
#include "QVMiniDockFrameWnd.h"

#include <QVSkinResManager.h>

#include "QVDockContext.h"
#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVPrintFrame.h"
#include "QVSelectScope.h"
#include "QVSkinNotify.h"
#include "QVSysColors.h"

namespace {

// The title in the colour of the skinned windows' titles.
const COLORREF kTitleColor = RGB(255, 255, 255);

}  // namespace

IMPLEMENT_DYNCREATE(CQVMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CQVMiniDockFrameWnd, CMiniFrameWnd)
ON_WM_CLOSE()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVMiniDockFrameWnd::OnSkinChanged)
ON_WM_NCPAINT()
ON_WM_NCACTIVATE()
ON_WM_NCMOUSEMOVE()
ON_WM_NCMOUSELEAVE()
ON_MESSAGE(WM_SETTEXT, &CQVMiniDockFrameWnd::OnSetText)
ON_MESSAGE(WM_PRINT, &CQVMiniDockFrameWnd::OnPrint)
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
    if (m_bInRecalcLayout) return;
    CMiniFrameWnd::RecalcLayout(bNotify);
    // The caption is the title of the bar it holds, as set now (a language change renames the bar).
    CString strTitle, strOld;
    if (CQVControlBar* pBar = GetFirstBar()) pBar->GetWindowText(strTitle);
    GetWindowText(strOld);
    if (strTitle != strOld) {
        SetWindowText(strTitle);
        RedrawFrame();
    }
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
    LRESULT nHit = CMiniFrameWnd::OnNcHitTest(point);
    if (nHit == HTCLOSE || nHit == HTCAPTION) {
        // The close button is where the skin draws it.
        nHit = IsOverCloseButton(point) ? HTCLOSE : HTCAPTION;
    }
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
    if (nHitTest == HTCLOSE) {
        TrackCloseButton();
        return;
    }
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

QVMiniFrameParts CQVMiniDockFrameWnd::GetFrameParts() const {
    CRect rcWindow, rcClient;
    ::GetWindowRect(m_hWnd, &rcWindow);
    ::GetClientRect(m_hWnd, &rcClient);
    ::MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<LPPOINT>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    const CQVSkinWndRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetWndRes();
    const CSize sizeClose = pRes ? pRes->m_bmpCloseBtn.GetSrcImageRect().Size() : CSize(0, 0);
    return QVMiniFrameCalcParts(rcWindow.Size(), rcClient, sizeClose);
}

void CQVMiniDockFrameWnd::DrawFrame(CDC* pDC) {
    if (!pDC || !pDC->GetSafeHdc() || !m_hWnd) return;
    const QVMiniFrameParts parts = GetFrameParts();
    const CRect rc(0, 0, parts.rectCaption.Width(), parts.rectBottom.bottom);
    if (rc.IsRectEmpty()) return;
    const CRect rcClient(parts.rectLeft.right, parts.rectCaption.bottom, parts.rectRight.left,
                         parts.rectBottom.top);
    const int nSaved = pDC->SaveDC();
    pDC->ExcludeClipRect(&rcClient);
    {
        CQVPaintMemoryDC memDC(pDC, rc);
        // Under the images, or instead of those a skin lacks: the bars' colour.
        memDC.FillSolidRect(rc, QVGetBarGradientEnd());
        if (const CQVSkinWndRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetWndRes()) {
            pRes->m_bmpCaption.DrawFill(&memDC, parts.rectCaption, 0);
            pRes->m_bmpLeftBorder.DrawFill(&memDC, parts.rectLeft, 0);
            pRes->m_bmpRightBorder.DrawFill(&memDC, parts.rectRight, 0);
            pRes->m_bmpBottomBorder.DrawFill(&memDC, parts.rectBottom, 0);
            const CRect& rcClose = parts.rectClose;
            if (!rcClose.IsRectEmpty())
                pRes->m_bmpCloseBtn.TransparentDraw(&memDC, rcClose.left, rcClose.top, rcClose.Width(),
                                                    rcClose.Height(), pRes->m_clrBtnKey, m_nCloseState);
        }
        CString strTitle;
        GetWindowText(strTitle);
        if (!strTitle.IsEmpty() && !parts.rectTitle.IsRectEmpty()) {
            const CQVSelectScope font(&memDC, ::GetStockObject(DEFAULT_GUI_FONT));
            memDC.SetTextColor(kTitleColor);
            memDC.SetBkMode(TRANSPARENT);
            CRect rcTitle(parts.rectTitle);
            memDC.DrawText(strTitle, &rcTitle, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }
    pDC->RestoreDC(nSaved);
}

void CQVMiniDockFrameWnd::RedrawFrame() {
    HDC hDC = ::GetWindowDC(m_hWnd);
    if (!hDC) return;
    CDC dc;
    dc.Attach(hDC);
    DrawFrame(&dc);
    dc.Detach();
    ::ReleaseDC(m_hWnd, hDC);
}

BOOL CQVMiniDockFrameWnd::IsOverCloseButton(CPoint ptScreen) const {
    CRect rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    return GetFrameParts().rectClose.PtInRect(CPoint(ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top));
}

void CQVMiniDockFrameWnd::TrackCloseButton() {
    const HWND hWnd = m_hWnd;
    auto isOver = [this, hWnd](const CPoint& ptClient) {
        CPoint pt = ptClient;
        ::ClientToScreen(hWnd, &pt);
        return IsOverCloseButton(pt) != FALSE;
    };
    bool bOver = true;
    m_nCloseState = 2;
    RedrawFrame();
    CQVMouseLoop loop(this);
    loop.SetMoveHandler([&](const CPoint& pt) {
        if (isOver(pt) != bOver) {
            bOver = !bOver;
            m_nCloseState = bOver ? 2 : 0;
            RedrawFrame();
        }
        return QVML_CONTINUE;
    });
    loop.SetButtonUpHandler([&](const CPoint& pt) {
        bOver = isOver(pt);
        return QVML_END;
    });
    const QVMouseLoopResult result = loop.Run();
    if (result == QVML_DESTROYED) return;
    m_nCloseState = 0;
    RedrawFrame();
    if (result == QVML_ENDED && bOver) SendMessage(WM_SYSCOMMAND, SC_CLOSE);
}

void CQVMiniDockFrameWnd::OnNcPaint() {
    RedrawFrame();
}

BOOL CQVMiniDockFrameWnd::OnNcActivate(BOOL) {
    // The system would draw its caption: the skinned one instead, the same either way.
    RedrawFrame();
    return TRUE;
}

void CQVMiniDockFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point) {
    const int nState = nHitTest == HTCLOSE ? 1 : 0;
    if (nState != m_nCloseState) {
        m_nCloseState = nState;
        RedrawFrame();
    }
    if (nState) QVTrackMouseLeave(m_hWnd, TRUE);
    CMiniFrameWnd::OnNcMouseMove(nHitTest, point);
}

void CQVMiniDockFrameWnd::OnNcMouseLeave() {
    if (m_nCloseState == 1) {
        m_nCloseState = 0;
        RedrawFrame();
    }
}

LRESULT CQVMiniDockFrameWnd::OnSetText(WPARAM, LPARAM) {
    // The system paints its own caption with the new text.
    const LRESULT lResult = Default();
    RedrawFrame();
    return lResult;
}

LRESULT CQVMiniDockFrameWnd::OnPrint(WPARAM wParam, LPARAM lParam) {
    return QVPrintWithFrame(this, wParam, lParam, [this](CDC* pDC) { DrawFrame(pDC); });
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
