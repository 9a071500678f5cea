#include "QVWndClass.h"

#include "QVModule.h"

BOOL QVRegisterWndClass(LPCTSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                        WNDPROC lpfnWndProc, HINSTANCE hInstance) {
    WNDCLASS wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = lpfnWndProc;
    wc.hInstance = hInstance ? hInstance : RIZGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = lpszClassName;
    // Finds a registered class first, and records the module for the framework's creation.
    return AfxRegisterClass(&wc);
}
