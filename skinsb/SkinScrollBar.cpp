// The record of a window's skinned bars, the scroll-bar operations on it and the redirection of the
// platform's functions to them.
#include "SkinScrollBar.h"

#include "SkinSBEntryPatch.h"

#include <cstdlib>

namespace {

const TCHAR kProp[] = _T("PROP_SkinSB");
const UINT kFrameChanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

SkinScrollBarState* StateOf(HWND hWnd) {
    return hWnd ? static_cast<SkinScrollBarState*>(GetProp(hWnd, kProp)) : nullptr;
}

DWORD StyleBit(int nBar) {
    return nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

void FrameChanged(HWND hWnd) {
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, kFrameChanged);
}

// Repaints one bar's non-client strip.
void RedrawBar(HWND hWnd) {
    RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void SetStyleBits(SkinScrollBarState* pState, HWND hWnd, DWORD dwBits, bool bSet) {
    const DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtr(hWnd, GWL_STYLE));
    SetWindowLongPtr(hWnd, GWL_STYLE, bSet ? (dwStyle | dwBits) : (dwStyle & ~dwBits));
    if (pState) pState->shownBars = bSet ? (pState->shownBars | dwBits) : (pState->shownBars & ~dwBits);
}

LRESULT CALLBACK SkinSBWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    SkinScrollBarState* pState = StateOf(hWnd);
    if (!pState) return DefWindowProc(hWnd, nMsg, wParam, lParam);
    const WNDPROC oldProc = pState->oldWndProc;
    if (nMsg == WM_NCDESTROY) {
        const LRESULT lResult = CallWindowProc(oldProc, hWnd, nMsg, wParam, lParam);
        DetachSkinScrollBar(hWnd);
        return lResult;
    }
    return CallWindowProc(oldProc, hWnd, nMsg, wParam, lParam);
}

}  // namespace

BOOL IsSkinScrollBar(HWND hWnd) {
    return StateOf(hWnd) != nullptr;
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
    if (!SetProp(hWnd, kProp, pState)) {
        std::free(pState);
        return FALSE;
    }
    pState->oldWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinSBWndProc)));
    FrameChanged(hWnd);
    return TRUE;
}

BOOL DetachSkinScrollBar(HWND hWnd) {
    SkinScrollBarState* pState = StateOf(hWnd);
    if (!pState) return FALSE;
    SCROLLINFO horz = pState->horz, vert = pState->vert;
    horz.fMask = vert.fMask = SIF_ALL;
    const DWORD dwFlags = pState->arrowFlags;
    SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pState->oldWndProc));
    RemoveProp(hWnd, kProp);
    std::free(pState);
    SetScrollInfo(hWnd, SB_VERT, &vert, TRUE);
    EnableScrollBar(hWnd, SB_VERT, SkinSBBarFlags(dwFlags, SB_VERT));
    SetScrollInfo(hWnd, SB_HORZ, &horz, TRUE);
    EnableScrollBar(hWnd, SB_HORZ, SkinSBBarFlags(dwFlags, SB_HORZ));
    return TRUE;
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
        RedrawBar(hWnd);
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
    if (bRedraw) RedrawBar(hWnd);
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
    if (bRedraw) RedrawBar(hWnd);
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
            RedrawBar(hWnd);
    return TRUE;
}
