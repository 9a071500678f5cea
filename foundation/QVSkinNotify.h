// Telling windows that the skin or the language changed (0x7E9, 0x7EA): to the children of one window,
// as a skinned window or bar passes it on, or to every window of the thread, as a client does once it
// has loaded another skin or language.
#pragma once

#include "RIZuruzezuDef.h"

// Sends the skin change (0x7E9) to every direct child of hWnd through QVSendNotice, the children
// collected first so that one that creates or destroys siblings while it hears does not disturb the walk.
RIZ_API void QVSendSkinChangedToChildren(HWND hWnd, WPARAM wParam, LPARAM lParam);

// Sends message to hWnd, unless a thread-wide notice of the same message is running and hWnd has heard
// it already; a window answering the skin change (0x7E9) non-zero is invalidated. Answers the window's
// answer, 0 when it was not told. A window that passes either change on to other windows does it
// through here, so that each window hears one notice once.
RIZ_API LRESULT QVSendNotice(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Sends message (wParam and lParam 0) to every top-level window of the calling thread and to every
// window inside each, each window once: one told meanwhile through QVSendNotice (by its parent, say)
// is not told again, nor one that moved under a window the walk reaches later. A window answering the
// skin change (0x7E9) non-zero is invalidated. When nRedrawFlags is non-zero, each top-level window is
// then redrawn with them (RDW_ flags).
RIZ_API void QVNotifyThreadWindows(UINT message, UINT nRedrawFlags = 0);

// TRUE while a thread-wide notice runs that redraws each top-level window, with its frame and all its
// children (RDW_INVALIDATE, RDW_FRAME and RDW_ALLCHILDREN at least), once the window and its children
// have heard it. A window that moves or changes its outline for the notice leaves its painting to that
// redraw, so that it paints once, and marks what it uncovered with QVInvalidateUncovered.
RIZ_API BOOL QVNoticeRedrawsAll();

// Marks for repainting, without painting now, what hWnd showed in rcBefore (screen coordinates) and no
// longer covers with its window rectangle and outline: the windows that a window which moved, shrank or
// took a new outline without redrawing itself uncovered. What hWnd shows is not marked.
RIZ_API void QVInvalidateUncovered(HWND hWnd, const RECT& rcBefore);
