// The record of a window's skinned bars, the scroll-bar operations on it and the redirection of the
// platform's functions to them.
#include "SkinScrollBar.h"

#include "SkinSBWindow.h"

#include "QVSkinResManager.h"

#include <cstdlib>

namespace {

const TCHAR kPassProp[] = _T("PROP_SkinSBPass");  // the old procedure of a window detached under a subclass
const UINT kFrameChanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

SkinScrollBarState* StateOf(HWND hWnd) {
    return SkinSBStateOf(hWnd);
}

DWORD StyleBit(int nBar) {
    return nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

void FrameChanged(HWND hWnd) {
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, kFrameChanged);
}

// Draws bar nBar (SB_HORZ, SB_VERT or SB_BOTH) again, at once.
void RedrawBar(HWND hWnd, int nBar) {
    if (SkinScrollBarState* pState = StateOf(hWnd)) SkinSBDrawNow(*pState, SkinSBDrawBit(nBar));
}

void SetStyleBits(SkinScrollBarState* pState, HWND hWnd, DWORD dwBits, bool bSet) {
    const DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtr(hWnd, GWL_STYLE));
    SetWindowLongPtr(hWnd, GWL_STYLE, bSet ? (dwStyle | dwBits) : (dwStyle & ~dwBits));
    if (pState) pState->shownBars = bSet ? (pState->shownBars | dwBits) : (pState->shownBars & ~dwBits);
}

}  // namespace

LRESULT SkinSBPassThrough(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    const auto oldProc = reinterpret_cast<WNDPROC>(GetProp(hWnd, kPassProp));
    if (!oldProc) return DefWindowProc(hWnd, nMsg, wParam, lParam);
    if (nMsg == WM_NCDESTROY) RemoveProp(hWnd, kPassProp);
    return CallWindowProc(oldProc, hWnd, nMsg, wParam, lParam);
}

BOOL SkinSBDetach(HWND hWnd, bool bDestroying) {
    SkinScrollBarState* pState = StateOf(hWnd);
    if (!pState) return FALSE;
    SCROLLINFO horz = pState->horz, vert = pState->vert;
    horz.fMask = vert.fMask = SIF_ALL;
    const DWORD dwFlags = pState->arrowFlags;
    const WNDPROC oldProc = pState->oldWndProc;
    if (pState->tracking) {
        pState->tracking = FALSE;  // a detach ends a press without scroll messages
        if (GetCapture() == hWnd) ReleaseCapture();
    }
    // Another subclass above this module's procedure would be cut out by putting the old one back:
    // the procedure stays, passing everything on, until the window is destroyed.
    const bool bOnTop = GetWindowLongPtr(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SkinSBWndProc);
    if (bOnTop || bDestroying)
        SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    else
        SetProp(hWnd, kPassProp, reinterpret_cast<HANDLE>(oldProc));
    SkinSBSetState(hWnd, nullptr);
    std::free(pState);
    if (bDestroying) return TRUE;
    KillTimer(hWnd, 60000);
    KillTimer(hWnd, 60001);
    SetScrollInfo(hWnd, SB_VERT, &vert, TRUE);
    EnableScrollBar(hWnd, SB_VERT, SkinSBBarFlags(dwFlags, SB_VERT));
    SetScrollInfo(hWnd, SB_HORZ, &horz, TRUE);
    EnableScrollBar(hWnd, SB_HORZ, SkinSBBarFlags(dwFlags, SB_HORZ));
    FrameChanged(hWnd);  // the platform takes its strips back
    return TRUE;
}

BOOL IsSkinScrollBar(HWND hWnd) {
    return StateOf(hWnd) != nullptr;
}

BOOL SubclassScrollBar(HWND hWnd) {
    // A skin without a usable bitmap leaves the window its system bars.
    const CQVBitmap& bitmap = CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_bmpScrollBar;
    if (bitmap.GetWidth() < SKINSB_BITMAP_CX || bitmap.GetHeight() < SKINSB_BITMAP_CY) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!AttachSkinScrollBar(hWnd, bitmap.GetSafeHandle())) return FALSE;
    StateOf(hWnd)->fromSkin = TRUE;
    return TRUE;
}

BOOL AttachSkinScrollBar(HWND hWnd, HBITMAP hBitmap) {
    if (!IsWindow(hWnd) || !hBitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (IsSkinScrollBar(hWnd)) return FALSE;
    auto* pState = static_cast<SkinScrollBarState*>(std::calloc(1, sizeof(SkinScrollBarState)));
    if (!pState) return FALSE;
    for (SCROLLINFO* pInfo : {&pState->horz, &pState->vert}) {
        pInfo->cbSize = sizeof(SCROLLINFO);
        pInfo->fMask = SIF_ALL;
    }
    const DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtr(hWnd, GWL_STYLE));
    if (dwStyle & WS_HSCROLL) GetScrollInfo(hWnd, SB_HORZ, &pState->horz);
    if (dwStyle & WS_VSCROLL) GetScrollInfo(hWnd, SB_VERT, &pState->vert);
    pState->shownBars = dwStyle & (WS_HSCROLL | WS_VSCROLL);
    pState->leftScrollBar = (GetWindowLongPtr(hWnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) ? TRUE : FALSE;
    pState->skinBitmap = hBitmap;
    pState->hwnd = hWnd;
    TCHAR szClass[32] = {};
    GetClassName(hWnd, szClass, 32);
    pState->isRichEdit =
        lstrcmpi(szClass, _T("RichEdit20A")) == 0 || lstrcmpi(szClass, _T("RichEdit20W")) == 0;
    if (!SkinSBSetState(hWnd, pState)) {
        std::free(pState);
        return FALSE;
    }
    if (const auto passOld = reinterpret_cast<WNDPROC>(GetProp(hWnd, kPassProp))) {
        // Detached under another subclass: the module's procedure is still in the chain, below it.
        pState->oldWndProc = passOld;
        RemoveProp(hWnd, kPassProp);
    } else {
        pState->oldWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinSBWndProc)));
    }
    FrameChanged(hWnd);
    return TRUE;
}

BOOL DetachSkinScrollBar(HWND hWnd) {
    return SkinSBDetach(hWnd, false);
}

BOOL SkinGetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO pInfo) {
    SkinScrollBarState* pState = StateOf(hWnd);
    const SCROLLINFO* pStored = pState ? SkinSBInfo(*pState, nBar) : nullptr;
    return pStored ? SkinSBCopyInfo(*pStored, pInfo) : FALSE;
}

int SkinSetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO pInfo, BOOL bRedraw) {
    SkinScrollBarState* pState = StateOf(hWnd);
    SCROLLINFO* pStored = pState ? SkinSBInfo(*pState, nBar) : nullptr;
    if (!pStored || !pInfo) return 0;
    const bool bRedrawn = bRedraw && IsWindowVisible(hWnd);
    const DWORD dwBit = StyleBit(nBar);
    const bool bShown = (GetWindowLongPtr(hWnd, GWL_STYLE) & dwBit) != 0;
    if (!(pInfo->fMask & SIF_RANGE) && !bShown) return 0;
    const SkinSBUpdate u = SkinSBApplyInfo(*pStored, *pInfo, bShown);
    const bool bKeep = (pInfo->fMask & SIF_DISABLENOSCROLL) != 0;
    if (!u.bChanged && !bKeep && !(bShown && bRedrawn)) return u.nPos;
    if (u.bChanged || bKeep) {
        bool bShow = u.bShow;
        SetStyleBits(pState, hWnd, dwBit, bShow);
        if (!bKeep) {
            if (bShow != bShown) {
                FrameChanged(hWnd);
                return u.nPos;
            }
        } else if (bShown) {
            // The bar stays, its arrows disabled while there is nothing to scroll.
            SetStyleBits(pState, hWnd, dwBit, true);
            bShow = int64_t(pStored->nPage) <= int64_t(pStored->nMax) - pStored->nMin;
            pState->arrowFlags =
                SkinSBEnableArrows(pState->arrowFlags, nBar, bShow ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
        }
        if (!bShow || !bRedrawn) return pStored->nPos;
    }
    if (GetWindowLongPtr(hWnd, GWL_STYLE) & dwBit)
        RedrawBar(hWnd, nBar);
    else if (pInfo->nPage > 0 && pInfo->nMax > pInfo->nMin)
        FrameChanged(hWnd);
    return pStored->nPos;
}

int SkinGetScrollPos(HWND hWnd, int nBar) {
    SkinScrollBarState* pState = StateOf(hWnd);
    const SCROLLINFO* pStored = pState ? SkinSBInfo(*pState, nBar) : nullptr;
    return pStored ? pStored->nPos : 0;
}

int SkinSetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
    SkinScrollBarState* pState = StateOf(hWnd);
    SCROLLINFO* pStored = pState ? SkinSBInfo(*pState, nBar) : nullptr;
    if (!pStored) return 0;
    const int nOld = pStored->nPos;
    pStored->nPos = nPos;
    if (bRedraw) RedrawBar(hWnd, nBar);
    return nOld;
}

BOOL SkinGetScrollRange(HWND hWnd, int nBar, LPINT pMin, LPINT pMax) {
    SkinScrollBarState* pState = StateOf(hWnd);
    const SCROLLINFO* pStored = pState ? SkinSBInfo(*pState, nBar) : nullptr;
    if (!pStored || !pMin || !pMax) return FALSE;
    *pMin = pStored->nMin;
    *pMax = pStored->nMax;
    return TRUE;
}

BOOL SkinSetScrollRange(HWND hWnd, int nBar, int nMin, int nMax, BOOL bRedraw) {
    SkinScrollBarState* pState = StateOf(hWnd);
    SCROLLINFO* pStored = pState ? SkinSBInfo(*pState, nBar) : nullptr;
    if (!pStored) return FALSE;
    pStored->nMin = nMin;
    pStored->nMax = nMax;
    if (nMin == 0 && nMax == 0) SkinShowScrollBar(hWnd, nBar, FALSE);
    if (bRedraw) RedrawBar(hWnd, nBar);
    return TRUE;
}

BOOL SkinShowScrollBar(HWND hWnd, int nBar, BOOL bShow) {
    if (nBar == SB_CTL) {
        ShowWindow(hWnd, bShow ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    const DWORD dwBits = nBar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : StyleBit(nBar);
    const DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtr(hWnd, GWL_STYLE));
    const DWORD dwWanted = bShow ? (dwStyle | dwBits) : (dwStyle & ~dwBits);
    if (dwWanted != dwStyle) {
        SetStyleBits(StateOf(hWnd), hWnd, dwBits, bShow != FALSE);
        FrameChanged(hWnd);
    }
    return TRUE;
}

BOOL SkinEnableScrollBar(HWND hWnd, UINT nBar, UINT wArrows) {
    SkinScrollBarState* pState = StateOf(hWnd);
    if (!pState || (nBar != SB_HORZ && nBar != SB_VERT && nBar != SB_BOTH)) return FALSE;
    const DWORD dwOld = pState->arrowFlags;
    pState->arrowFlags = SkinSBEnableArrows(dwOld, static_cast<int>(nBar), wArrows);
    if (pState->arrowFlags == dwOld) return FALSE;
    const DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtr(hWnd, GWL_STYLE));
    for (int bar : {SB_HORZ, SB_VERT})
        if (SkinSBBarFlags(dwOld, bar) != SkinSBBarFlags(pState->arrowFlags, bar) &&
            (dwStyle & StyleBit(bar)))
            RedrawBar(hWnd, bar);
    return TRUE;
}
