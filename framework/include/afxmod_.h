// Module handles and the resource chain: the executable, the module resources come from, and the
// modules (extension DLLs) searched after it. The state lives in the framework DLL, so every module of
// the process sees the same chain.
#pragma once

#include "afxver_.h"

// Lets other framework headers know that string loading can search the chain.
#define AFX_HAS_RESOURCE_CHAIN 1

// The application's module: the executable unless the application start-up sets another.
AFX_CORE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
// The module searched first for resources: the instance handle until AfxSetResourceHandle changes it.
AFX_CORE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CORE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

// The module that holds a resource, searching the resource handle, then the chained modules in the
// order they joined, then the framework DLL itself; the resource handle when none holds it.
AFX_CORE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// The same search for string nID (a non-empty entry of string block nID / 16 + 1).
AFX_CORE_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
// Copies string nID, found along the chain, into lpszBuf (truncated to nMaxBuf - 1 characters);
// returns its length in TCHARs, 0 when no module holds it.
AFX_CORE_API int AFXAPI AfxLoadString(UINT nID, LPTSTR lpszBuf, UINT nMaxBuf = 256);

// Framework-internal chain maintenance, used by extension-module start-up and shutdown: a module joins
// the end of the chain once (joining again keeps its place) and leaves it when removed.
AFX_CORE_API void AFXAPI AfxAddResourceModule(HINSTANCE hModule);
AFX_CORE_API void AFXAPI AfxRemoveResourceModule(HINSTANCE hModule);
