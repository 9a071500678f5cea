// Start and end of RIZuruzezu.dll: an extension module of the window framework, its instance handle and
// the static objects of every subsystem, which live as long as it is loaded. The one file above the
// subsystem folders, so that each folder includes only the headers of its own and lower folders.
#include "QVModule.h"
#include "QVSysColors.h"

#include <afxdll_.h>

#include "QVMenuWndHook.h"
#include "QVUITimerMgr.h"
#include "SkinScrollBar.h"

namespace {

AFX_EXTENSION_MODULE g_extensionDLL = {};
HINSTANCE g_hInstance = nullptr;

// Static objects, made at load in this order and destroyed at unload in the reverse order.
void CreateStaticObjects() {
    ReadSysColors();
    CQVMenuWndHook::CreateWndMap();
    CQVUITimerMgr::GetInstance();  // ids start at 11 for the whole process
}

void DestroyStaticObjects() {
    // The UI timer manager is a function-local static: the runtime ends it after this.
    CQVMenuWndHook::DestroyWndMap();
}

}  // namespace

HINSTANCE RIZGetInstanceHandle() {
    return g_hInstance;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extensionDLL, hInstance)) return FALSE;
        g_hInstance = hInstance;
        // Joins the framework's chain of resource modules.
        new CDynLinkLibrary(g_extensionDLL);
        CreateStaticObjects();
    } else if (dwReason == DLL_PROCESS_DETACH) {
        UnInstallScrollBarHook();
        DestroyStaticObjects();
        AfxTermExtensionModule(g_extensionDLL);
        g_hInstance = nullptr;
    }
    return TRUE;
}
