// Start and end of RIZuruzezu.dll: an extension module of the window framework, its instance handle and
// the static objects that live as long as it is loaded.
#include "QVModule.h"
#include "QVSysColors.h"

#include <afxdll_.h>

#include <QVSkinResManager.h>

#include "QVMenuWndHook.h"
#include "QVUITimerMgr.h"

namespace {

AFX_EXTENSION_MODULE g_extensionDLL = {};
HINSTANCE g_hInstance = nullptr;

COLORREF g_clrSys[QVSC_COUNT] = {};
COLORREF g_clrBarGradient[2] = {};
bool g_bBarGradientRead = false;

void ReadSysColors() {
    static const int kSysColors[QVSC_COUNT] = {
        COLOR_BTNSHADOW,    COLOR_WINDOW,  COLOR_BTNFACE,   COLOR_BTNTEXT,   COLOR_WINDOWFRAME,
        COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT};
    for (int i = 0; i < QVSC_COUNT; ++i)
        g_clrSys[i] = ::GetSysColor(kSysColors[i]);
}

// Static objects, made at load in this order and destroyed at unload in the reverse order. The skin is
// not read here (the loader lock is held): the gradient colours are read at their first use.
void CreateStaticObjects() {
    ReadSysColors();
    g_bBarGradientRead = false;
    CQVMenuWndHook::CreateWndMap();
    CQVUITimerMgr::GetInstance();  // ids start at 11 for the whole process
}

void DestroyStaticObjects() {
    // The UI timer manager is a function-local static: the runtime ends it after this.
    CQVMenuWndHook::DestroyWndMap();
    g_bBarGradientRead = false;
}

}  // namespace

HINSTANCE RIZGetInstanceHandle() {
    return g_hInstance;
}

COLORREF QVGetSysColor(int nIndex) {
    return nIndex >= 0 && nIndex < QVSC_COUNT ? g_clrSys[nIndex] : 0;
}

void ResetColors() {
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    g_clrBarGradient[0] = pColors->GetColor(5);
    g_clrBarGradient[1] = pColors->GetColor(6);
    g_bBarGradientRead = true;
}

COLORREF QVGetBarGradientStart() {
    if (!g_bBarGradientRead) ResetColors();
    return g_clrBarGradient[0];
}

COLORREF QVGetBarGradientEnd() {
    if (!g_bBarGradientRead) ResetColors();
    return g_clrBarGradient[1];
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extensionDLL, hInstance)) return FALSE;
        g_hInstance = hInstance;
        // Joins the framework's chain of resource modules.
        new CDynLinkLibrary(g_extensionDLL);
        CreateStaticObjects();
    } else if (dwReason == DLL_PROCESS_DETACH) {
        DestroyStaticObjects();
        AfxTermExtensionModule(g_extensionDLL);
        g_hInstance = nullptr;
    }
    return TRUE;
}
