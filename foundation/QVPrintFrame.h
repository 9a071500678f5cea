// WM_PRINT of a window that paints its own non-client area: the frame drawn as WM_NCPAINT draws it.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxwin.h>

#include <functional>

// Answers WM_PRINT for pWnd: the default printing without PRF_NONCLIENT (background, client area,
// children, as lParam asks), then, with PRF_NONCLIENT, drawFrame into the target DC (a DC of the whole
// window, origin at its top-left corner). PRF_CHECKVISIBLE skips the frame of a hidden window, as the
// default printing skips the rest. Returns what the default printing returned.
RIZ_API LRESULT QVPrintWithFrame(CWnd* pWnd, WPARAM wParam, LPARAM lParam,
                                 const std::function<void(CDC* pDC)>& drawFrame);
