// Extension modules: DLLs built on the framework that share its state and join its resource chain.
//
// The classic start of an extension DLL:
//     static AFX_EXTENSION_MODULE extensionDLL = {};
//     extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
//         if (dwReason == DLL_PROCESS_ATTACH) {
//             if (!AfxInitExtensionModule(extensionDLL, hInstance)) return FALSE;
//             new CDynLinkLibrary(extensionDLL);  // joins the resource chain
//         } else if (dwReason == DLL_PROCESS_DETACH) {
//             AfxTermExtensionModule(extensionDLL);  // leaves it
//         }
//         return TRUE;
//     }
#pragma once

#include "afxver_.h"
#include "afxobj_.h"
#include "afxmod_.h"
#include "afxwnd_.h"

class COleObjectFactory;

// What an extension DLL keeps about itself between start and end.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;  // classes register in one process-wide list; kept for reference
    COleObjectFactory* pFirstSharedFactory;
};

// Records the module (once; later calls answer TRUE and change nothing). Returns FALSE for a NULL module.
AFX_CORE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the module's CDynLinkLibrary objects (every library's with bAll), which takes their resources
// out of the chain. Does nothing for a module that was never initialised.
AFX_CORE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// One extension module in the framework's list of libraries. While it lives, its resource module is
// searched by AfxFindResourceHandle, AfxLoadString, CString::LoadString, CMenu::LoadMenu, dialog
// templates, bitmaps and icons, after the application's resource handle, in the order modules joined.
class AFX_CORE_API CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    // bSystem marks a library of the framework itself rather than of the application.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule = nullptr;
    HMODULE m_hResource = nullptr;  // where its resources come from (the module itself by default)
    BOOL m_bSystem = FALSE;
    CDynLinkLibrary* m_pNextDLL = nullptr;  // the library that joined after this one

private:
    void Join();
};

// The first library in the list (the one that joined first), or NULL.
AFX_CORE_API CDynLinkLibrary* AFXAPI AfxGetFirstDynLinkLibrary();
