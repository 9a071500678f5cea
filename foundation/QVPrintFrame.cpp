#include "QVPrintFrame.h"

LRESULT QVPrintWithFrame(CWnd* pWnd, WPARAM wParam, LPARAM lParam,
                         const std::function<void(CDC* pDC)>& drawFrame) {
    const HWND hWnd = pWnd->GetSafeHwnd();
    const LRESULT lResult = pWnd->DefWindowProc(WM_PRINT, wParam, lParam & ~PRF_NONCLIENT);
    const bool bShown = !(lParam & PRF_CHECKVISIBLE) || ::IsWindowVisible(hWnd);
    if ((lParam & PRF_NONCLIENT) && wParam && bShown && ::IsWindow(hWnd))
        drawFrame(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return lResult;
}
