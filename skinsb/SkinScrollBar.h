// Skinned window scroll bars: the record attached to a window, the scroll-bar operations on it, and
// the redirection of the platform's eight scroll-bar functions to those operations for windows that
// carry skinned bars.
#pragma once

#include "SkinScrollBarLayout.h"

// Attaches skinned bars drawn from hBitmap (not owned) to hWnd; fails with ERROR_INVALID_HANDLE for a
// handle that is not a window or a null bitmap, and fails for a window already attached.
RIZ_API BOOL AttachSkinScrollBar(HWND hWnd, HBITMAP hBitmap);
// Detaches them and gives the platform back both bars' state; FALSE when hWnd had none.
RIZ_API BOOL DetachSkinScrollBar(HWND hWnd);
RIZ_API BOOL IsSkinScrollBar(HWND hWnd);

// The platform's contracts, answered from the record; every one fails on a window without skinned bars
// except SkinShowScrollBar, and bar SB_CTL is never handled.
RIZ_API BOOL SkinGetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO pInfo);
RIZ_API int SkinSetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO pInfo, BOOL bRedraw);
RIZ_API int SkinGetScrollPos(HWND hWnd, int nBar);
RIZ_API int SkinSetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw);
RIZ_API BOOL SkinGetScrollRange(HWND hWnd, int nBar, LPINT pMin, LPINT pMax);
RIZ_API BOOL SkinSetScrollRange(HWND hWnd, int nBar, int nMin, int nMax, BOOL bRedraw);
RIZ_API BOOL SkinShowScrollBar(HWND hWnd, int nBar, BOOL bShow);
RIZ_API BOOL SkinEnableScrollBar(HWND hWnd, UINT nBar, UINT wArrows);

// Redirects the platform's scroll-bar functions (and, where it exists, the system-call stub that USER's
// own list box, edit and combo list call directly) for the windows with skinned bars; every other call
// reaches the platform with its arguments, result and last error untouched. Both are idempotent; the
// module removes the redirection when it unloads.
RIZ_API void InstallScrollBarHook();
RIZ_API void UnInstallScrollBarHook();
