// The non-client, activation, menu, skin and language handling of the skinned window classes.
#include "SkinWndHost.h"

#include <QVLanResManager.h>

#include <algorithm>

#include "DrawMenuHelper.h"
#include "QVMouseLoop.h"
#include "QVPrintFrame.h"
#include "QVSkinNotify.h"
#include "TranslateStrings.h"

namespace {

BOOL IsSizingBorder(UINT nHitTest) {
    return nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT;
}

BOOL IsCaptionButton(UINT nHitTest) {
    return nHitTest == HTMINBUTTON || nHitTest == HTMAXBUTTON || nHitTest == HTCLOSE;
}

}  // namespace

void CSkinWndHost::RedrawFrame(BOOL bPressed) const {
    if (!IsAlive()) return;
    CRect rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    HDC hDC = ::GetWindowDC(m_hWnd);
    if (hDC == nullptr) return;
    CDC dc;
    dc.Attach(hDC);
    m_skin.DrawFrame(&dc, rcWindow, bPressed);
    dc.Detach();
    ::ReleaseDC(m_hWnd, hDC);
}

LRESULT CSkinWndHost::OnPrint(WPARAM wParam, LPARAM lParam) const {
    return QVPrintWithFrame(m_pWnd, wParam, lParam, [this](CDC* pDC) {
        CRect rcWindow;
        ::GetWindowRect(m_hWnd, &rcWindow);
        m_skin.DrawFrame(pDC, rcWindow, FALSE);
    });
}

void CSkinWndHost::AttachFrame() const {
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
    m_skin.AttachWnd(m_hWnd, (dwStyle & WS_SYSMENU) != 0, (dwStyle & WS_MINIMIZEBOX) != 0,
                     (dwStyle & WS_MAXIMIZEBOX) != 0, (dwStyle & WS_THICKFRAME) != 0);
}

void CSkinWndHost::AdjustWindowSize(BOOL bFrameChanged) const {
    if (!IsAlive()) return;
    CSize size;
    m_skin.GetWindowAddSize(size);
    // The designed size is the window's size less what the skin added to it; the new size is derived
    // from it afresh, never by adding deltas up. What was added is then read back from the window:
    // a size the system refused or cut (a window never shrinks below nothing) is not recorded as
    // added, so that the next skin restores the designed size exactly.
    CRect rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    const CSize sizeDesigned(rcWindow.Width() - m_sizeAdded.cx, rcWindow.Height() - m_sizeAdded.cy);
    const CSize sizeWanted(std::max<LONG>(sizeDesigned.cx + size.cx, 0),
                           std::max<LONG>(sizeDesigned.cy + size.cy, 0));
    // A new size makes the system calculate the frame again; the same size asks for it. A notice that
    // redraws every window afterwards paints the new frame, so the move itself does not: what the
    // window uncovers is only marked for repainting.
    const BOOL bDeferPaint = QVNoticeRedrawsAll();
    UINT nFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (bDeferPaint ? SWP_NOREDRAW : 0);
    if (sizeWanted == rcWindow.Size()) {
        m_sizeAdded = size;
        if (!bFrameChanged) return;
        nFlags |= SWP_NOSIZE | SWP_FRAMECHANGED;
    }
    const CRect rcBefore = rcWindow;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, sizeWanted.cx, sizeWanted.cy, nFlags);
    if (bDeferPaint) QVInvalidateUncovered(m_hWnd, rcBefore);
    if (!IsAlive()) return;
    ::GetWindowRect(m_hWnd, &rcWindow);
    m_sizeAdded = rcWindow.Size() - sizeDesigned;
    // The outline, unless the size message already made it for this size.
    m_skin.UpdateWndRegion();
}

LRESULT CSkinWndHost::OnSkinChanged(WPARAM wParam, LPARAM lParam) const {
    m_skin.OnSkinChanged();
    // One move of the window for the new frame: its size, the frame calculated again, its outline once.
    AdjustWindowSize(TRUE);
    if (!IsAlive()) return 0;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);

    QVSendSkinChangedToChildren(m_hWnd, wParam, lParam);
    return 0;
}

LRESULT CSkinWndHost::OnLanChanged() const {
    TranslateWndStrings(m_pWnd);
    if (!IsAlive()) return 0;
    if (m_skin.HasMenu()) {
        CQVMenuRef menu;
        TranslateMenuStrings(menu.Use(::GetMenu(m_hWnd)));
        m_skin.SyncMenuBar(TRUE);
        RedrawFrame();
    }
    return 0;
}

LRESULT CSkinWndHost::OnSetText() const {
    const LRESULT lResult = m_pWnd->Default();
    RedrawFrame();
    return lResult;
}

void CSkinWndHost::OnNcMouseLeave() const {
    if (m_nLastNcHit == 0) return;
    m_nLastNcHit = 0;
    m_skin.SetFocusButton(0);
    RedrawFrame();
}

void CSkinWndHost::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) const {
    if (m_skin.GetNoNCArea()) {
        m_pWnd->Default();
        return;
    }
    m_skin.OnNcCalcSize(bCalcValidRects, lpncsp);
}

BOOL CSkinWndHost::OnNcActivate(BOOL bActive) const {
    m_skin.SetActive(AfxIsCaptionActive(m_pWnd, bActive));
    RedrawFrame();
    return TRUE;
}

void CSkinWndHost::OnNcLButtonDown(UINT nHitTest, BOOL bSysMenuAtIcon) const {
    if (nHitTest == HTCAPTION || IsSizingBorder(nHitTest)) {
        // A maximized window does not move.
        if (nHitTest == HTCAPTION && ::IsZoomed(m_hWnd)) return;
        // The system's move and size loop runs without the system menu style, so that it draws no
        // caption buttons of its own over the skin.
        const LONG lStyle = ::GetWindowLong(m_hWnd, GWL_STYLE);
        if (lStyle & WS_SYSMENU) ::SetWindowLong(m_hWnd, GWL_STYLE, lStyle & ~WS_SYSMENU);
        m_pWnd->Default();
        if (!IsAlive()) return;
        if (lStyle & WS_SYSMENU)
            ::SetWindowLong(m_hWnd, GWL_STYLE, ::GetWindowLong(m_hWnd, GWL_STYLE) | WS_SYSMENU);
    } else if (nHitTest == HTSYSMENU) {
        if (bSysMenuAtIcon) {
            CRect rcWindow;
            ::GetWindowRect(m_hWnd, &rcWindow);
            m_pWnd->DefWindowProc(WM_NCLBUTTONDOWN, HTSYSMENU,
                                  MAKELPARAM(rcWindow.left + 4, rcWindow.top + 4));
        } else {
            m_pWnd->Default();
        }
        if (!IsAlive()) return;
    } else if (nHitTest == HTMENU) {
        return;
    } else if (nHitTest == HTSKINMENUBAR) {
        m_skin.PopupMenu();
        if (!IsAlive()) return;
    } else if (IsCaptionButton(nHitTest)) {
        // The button is released by WM_NCLBUTTONUP; the system must not run its own button loop.
        m_skin.SetFocusButton(static_cast<int>(nHitTest));
    } else {
        m_pWnd->Default();
        if (!IsAlive()) return;
    }
    RedrawFrame(TRUE);
}

void CSkinWndHost::OnNcLButtonUp(UINT nHitTest) const {
    switch (nHitTest) {
    case HTCLOSE:
        // The window (and its object) may be gone when this returns.
        ::SendMessage(m_hWnd, WM_CLOSE, 0, 0);
        return;
    case HTMINBUTTON:
        ::ShowWindow(m_hWnd, SW_MINIMIZE);
        break;
    case HTMAXBUTTON:
        ::ShowWindow(m_hWnd, ::IsZoomed(m_hWnd) ? SW_RESTORE : SW_MAXIMIZE);
        break;
    default:
        m_pWnd->Default();
        break;
    }
    if (!IsAlive()) return;
    m_skin.SetFocusButton(0);
    RedrawFrame();
}

void CSkinWndHost::OnNcMouseMove(UINT nHitTest) const {
    if (nHitTest == HTCAPTION || IsSizingBorder(nHitTest)) {
        m_pWnd->Default();
        if (!IsAlive()) return;
    }
    m_skin.SetFocusButton(static_cast<int>(nHitTest));
    if (nHitTest != HTSKINMENUBAR) m_skin.SetSelectMenuItem(-1);
    if (nHitTest != m_nLastNcHit) {
        RedrawFrame();
        m_nLastNcHit = nHitTest;
    }
    if (IsCaptionButton(nHitTest)) {
        QVTrackMouseLeave(m_hWnd, TRUE);
    }
}

void CSkinWndHost::OnActivateApp(BOOL bActive) const {
    // Losing the application's activation makes the frame inactive; gaining it is told by the
    // WM_NCACTIVATE of the window being activated, so that other windows of the application do not
    // show active as well.
    if (!bActive) OnNcActivate(FALSE);
}

void CSkinWndHost::OnInitMenu(CMenu* pMenu, CQVMenuRef& menuRef) const {
    RedrawFrame();
    if (pMenu == nullptr) return;
    CDrawMenuHelper::InitMenu(menuRef.Use(pMenu->GetSafeHmenu()));
}

void CSkinWndHost::InitWindowMenu(CQVMenuRef& menuRef) const {
    if (!IsAlive() || !m_skin.HasMenu()) return;
    m_skin.SyncMenuBar();
    CDrawMenuHelper::InitMenu(menuRef.Use(::GetMenu(m_hWnd)));
}

BOOL CSkinWndHost::OnSysCommand(UINT nID, LPARAM lParam) const {
    if ((nID & 0xFFF0) != SC_KEYMENU || !m_skin.HasMenu() || m_skin.GetMenuItemCount() == 0) return FALSE;
    const TCHAR chKey = static_cast<TCHAR>(lParam);
    if (m_skin.OpenMenuByKey(chKey)) return TRUE;
    // Alt + Space still opens the system menu; any other key has no menu to open: the system's own
    // (invisible) menu bar must not take the keyboard.
    return chKey != _T(' ');
}

BOOL CSkinWndHost::DrawMenuItem(CWnd* /*pWnd*/, int nIDCtl, LPDRAWITEMSTRUCT lpDIS,
                                CQVBitmapList* pBitmapList) {
    if (nIDCtl != 0 || lpDIS == nullptr || lpDIS->CtlType != ODT_MENU) return FALSE;
    CDrawMenuHelper::DrawItem(lpDIS, pBitmapList);
    return TRUE;
}

BOOL CSkinWndHost::MeasureMenuItem(CWnd* pWnd, int nIDCtl, LPMEASUREITEMSTRUCT lpMIS) {
    if (nIDCtl != 0 || lpMIS == nullptr || lpMIS->CtlType != ODT_MENU) return FALSE;
    CWindowDC dc(pWnd);
    CDrawMenuHelper::MeasureItem(lpMIS, &dc);
    return TRUE;
}

void CSkinWndHost::GetMessageString(UINT nID, CString& rMessage) {
    rMessage.Empty();
    CString strText;
    if (!strText.LoadString(nID) || strText.IsEmpty()) return;
    if (strText[0] == _T('~')) strText = CQVLanResManager::GetSingletonPtr()->GetString(strText.Mid(1));
    // The prompt is the first line; the tool tip text after the newline is not shown.
    const int nNewLine = strText.Find(_T('\n'));
    if (nNewLine > 0) strText = strText.Left(nNewLine + 1);
    rMessage = strText;
}
