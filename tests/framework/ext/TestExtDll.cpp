// An extension DLL for the framework tests: joins the resource chain at load, leaves it at unload.
#include <afxwin.h>

namespace {

AFX_EXTENSION_MODULE g_extensionDLL = {};
CDynLinkLibrary* g_pLibrary = nullptr;

}  // namespace

// The library object made at load, for the tests to inspect.
extern "C" __declspec(dllexport) CDynLinkLibrary* TestExtDll_Library() {
    return g_pLibrary;
}

extern "C" __declspec(dllexport) AFX_EXTENSION_MODULE* TestExtDll_Module() {
    return &g_extensionDLL;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extensionDLL, hInstance)) return FALSE;
        g_pLibrary = new CDynLinkLibrary(g_extensionDLL);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extensionDLL);
        g_pLibrary = nullptr;
    }
    return TRUE;
}
