// Telling windows that the skin or the language changed (0x7E9, 0x7EA): to the children of one window,
// as a skinned window or bar passes it on, or to every window of the thread, as a client does once it
// has loaded another skin or language.
#pragma once

#include "RIZuruzezuDef.h"

// Sends the skin change (0x7E9) to every direct child of hWnd, the children collected first so that
// one that creates or destroys siblings while it hears does not disturb the walk; a child answering
// non-zero is invalidated.
RIZ_API void QVSendSkinChangedToChildren(HWND hWnd, WPARAM wParam, LPARAM lParam);

// Sends message (wParam and lParam 0) to every top-level window of the calling thread and to every
// window inside each. A window answering the skin change (0x7E9) non-zero is invalidated. A window
// hears the skin change once: one that its parent told through QVSendSkinChangedToChildren meanwhile
// is not told again (and the parent does not tell a child the walk already told). When
// nRedrawFlags is non-zero, each top-level window is then redrawn with them (RDW_ flags).
RIZ_API void QVNotifyThreadWindows(UINT message, UINT nRedrawFlags = 0);
