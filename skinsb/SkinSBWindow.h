// The window side of skinned scroll bars: the procedure that replaces a skinned window's own and the
// drawing of its bars into the non-client area. Internal to skinsb/.
#pragma once

#include "SkinScrollBarLayout.h"

// The property that holds a window's record.
inline constexpr TCHAR kSkinSBProp[] = _T("PROP_SkinSB");

// The record of a window with skinned bars, or null.
SkinScrollBarState* SkinSBStateOf(HWND hWnd);
// Sets the window's record (its property and the module's map of records), or with null removes it.
BOOL SkinSBSetState(HWND hWnd, SkinScrollBarState* pState);

// Replaces the procedure of every window with skinned bars.
LRESULT CALLBACK SkinSBWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The procedure of a window whose bars were detached while another subclass sat above the module's
// procedure: it passes everything to the old one until WM_NCDESTROY.
LRESULT SkinSBPassThrough(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Detaches the bars; bDestroying at WM_NCDESTROY, where the platform's bars need no state back.
BOOL SkinSBDetach(HWND hWnd, bool bDestroying);

// Both bars and the size box of the record's window, in screen coordinates.
SkinSBBars SkinSBWindowBars(const SkinScrollBarState& state);

// What SkinSBDraw draws: either bar, the size box.
constexpr UINT SKINSB_DRAW_HORZ = 1, SKINSB_DRAW_VERT = 2, SKINSB_DRAW_SIZEBOX = 4, SKINSB_DRAW_ALL = 7;
inline UINT SkinSBDrawBit(int nBar) {
    return nBar == SB_VERT ? SKINSB_DRAW_VERT
                           : (nBar == SB_HORZ ? SKINSB_DRAW_HORZ : (nBar == SB_BOTH ? 3u : 0u));
}

// Draws the shown bars among nWhich into the window's own DC, at once; nothing for a hidden window.
// A bitmap that is missing or smaller than the skin layout gives bars in the system's look.
void SkinSBDrawNow(SkinScrollBarState& state, UINT nWhich);
// The same into a DC of the whole window (origin at the window rectangle's top-left).
void SkinSBDraw(SkinScrollBarState& state, HDC hWindowDC, UINT nWhich);
