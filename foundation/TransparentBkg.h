// Painting a parent's background under a control that has none of its own.
#pragma once

#include "RIZuruzezuDef.h"

// Makes pParent paint its background (WM_ERASEBKGND) into pDC under pWnd: pDC's origin is taken as the
// top-left corner of pWnd's window rectangle. The DC is saved, clipped to the window's area and
// restored. A NULL pParent means pWnd's parent; nothing happens without a window, a parent or a DC.
RIZ_API void DrawTransparentBkg(CWnd* pWnd, CWnd* pParent, CDC* pDC);

// The same without clipping and without saving the DC: the viewport origin stays moved to the
// parent's client origin, so that the caller may go on drawing in the parent's coordinates.
RIZ_API void DrawTransparentBkg_2(CWnd* pWnd, CWnd* pParent, CDC* pDC);
