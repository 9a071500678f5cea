// Start and end of ZIRevudiVuzad.dll.
#include "ZirModule.h"

namespace {
HINSTANCE g_hInstance = NULL;
}

HINSTANCE ZirGetInstance() {
    return g_hInstance;
}

CString ZirModuleFolder() {
    TCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileName(g_hInstance, szPath, MAX_PATH);
    CString strPath(szPath);
    int nSlash = strPath.ReverseFind(_T('\\'));
    return nSlash >= 0 ? strPath.Left(nSlash + 1) : CString();
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hInstance = hInstance;
    } else if (dwReason == DLL_THREAD_DETACH || (dwReason == DLL_PROCESS_DETACH && lpReserved == NULL)) {
        ZirFreeThreadSurfaces();
    }
    return TRUE;
}
