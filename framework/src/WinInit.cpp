// Framework start for programs without an application object.
#include <afxwin.h>

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPTSTR /*lpCmdLine*/,
                       int /*nCmdShow*/) {
    if (hInstance && AfxGetResourceHandle() != hInstance) AfxSetResourceHandle(hInstance);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                                                 ICC_COOL_CLASSES | ICC_LINK_CLASS | ICC_STANDARD_CLASSES};
    return ::InitCommonControlsEx(&icc);
}
