// Layout of a window's bars and pane: the WM_SIZEPARENT protocol (RepositionBars) and the frame's
// RecalcLayout on top of it.
#include <afxwin.h>

namespace {

// AfxRepositionWindow with extra SetWindowPos flags.
void RepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect, UINT nFlags) {
    ASSERT(hWnd != NULL && lpRect != NULL);
    HWND hWndParent = ::GetParent(hWnd);
    if (lpLayout && !lpLayout->hDWP) return;  // a measuring pass moves nothing

    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<LPPOINT>(&rectOld), 2);
    if (::EqualRect(&rectOld, lpRect)) return;

    if (lpLayout) {
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                          lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                          SWP_NOACTIVATE | SWP_NOZORDER | nFlags);
    } else {
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER | nFlags);
    }
}

}  // namespace

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
    RepositionWindow(lpLayout, hWnd, lpRect, 0);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch) {
    const UINT nMode = nFlags & ~static_cast<UINT>(reposNoPosLeftOver);
    ASSERT(nMode == reposDefault || nMode == reposQuery || nMode == reposExtra);

    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    layout.hDWP = nMode == reposQuery ? nullptr : ::BeginDeferWindowPos(8);

    // Each bar (a child in the id range with a window object) takes its side of layout.rect, in
    // z-order; the pane nIDLeftOver gets what remains.
    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        const UINT nIDC = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && CWnd::FromHandlePermanent(hWndChild))
            ::SendMessage(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (nMode == reposQuery) {
        ASSERT(lpRectParam != NULL);
        if (bStretch) {
            ::CopyRect(lpRectParam, &layout.rect);
        } else {
            lpRectParam->left = lpRectParam->top = 0;
            lpRectParam->right = layout.sizeTotal.cx;
            lpRectParam->bottom = layout.sizeTotal.cy;
        }
        return;
    }

    if (nIDLeftOver != 0 && hWndLeftOver) {
        CWnd* pLeftOver = CWnd::FromHandle(hWndLeftOver);
        if (nMode == reposExtra) {
            ASSERT(lpRectParam != NULL);
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        if (!(nFlags & reposNoPosLeftOver)) {
            pLeftOver->CalcWindowRect(&layout.rect);
            // The pane repaints where it lands: the bars move in the same pass, and the bits the
            // system would copy from the pane's old place may already be theirs.
            RepositionWindow(&layout, hWndLeftOver, &layout.rect, SWP_NOCOPYBITS);
        }
    }

    if (!layout.hDWP || !::EndDeferWindowPos(layout.hDWP))
        TRACE(_T("RepositionBars: deferred positioning failed\n"));
}

void CFrameWnd::RecalcLayout(BOOL bNotify) {
    if (m_bInRecalcLayout) return;
    m_bInRecalcLayout = TRUE;
    // A delayed request that asked for notification keeps asking.
    if (m_nIdleFlags & idleNotify) bNotify = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    (void)bNotify;
    if (GetStyle() & FWS_SNAPTOBARS) {
        // A frame that snaps to its bars (a floating frame) takes the size its bars ask for.
        CRect rect(0, 0, 32767, 32767);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
        CalcWindowRect(&rect);
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
    } else {
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    }
    m_bInRecalcLayout = FALSE;
}
