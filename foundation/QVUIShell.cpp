#include "QVUIShell.h"

#include <shellapi.h>

namespace {

HINSTANCE SystemShellExecute(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters,
                             LPCTSTR lpszDirectory, INT nShowCmd) {
    return ::ShellExecute(hWnd, lpszVerb, lpszFile, lpszParameters, lpszDirectory, nShowCmd);
}

QVUIShellExecuteFunc g_pfnShellExecute = &SystemShellExecute;

}  // namespace

QVUIShellExecuteFunc QVUISetShellExecute(QVUIShellExecuteFunc pfn) {
    QVUIShellExecuteFunc pfnOld = g_pfnShellExecute;
    g_pfnShellExecute = pfn ? pfn : &SystemShellExecute;
    return pfnOld;
}

HINSTANCE QVUIShellExecute(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters,
                           LPCTSTR lpszDirectory, INT nShowCmd) {
    return g_pfnShellExecute(hWnd, lpszVerb, lpszFile, lpszParameters, lpszDirectory, nShowCmd);
}
