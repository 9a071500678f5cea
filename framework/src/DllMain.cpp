// Start and end of the framework DLL: frees each thread's state when the thread ends.
#include <afxver_.h>

#include "AfxThreadTerm.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID lpReserved) {
    if (dwReason == DLL_THREAD_DETACH || (dwReason == DLL_PROCESS_DETACH && lpReserved == nullptr)) {
        // Window state first: its hook and objects may still use the handle maps.
        AfxTermWndThreadState();
        AfxTermThreadHandleMaps();
    }
    return TRUE;
}
