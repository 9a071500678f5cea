// The redirection of the platform's scroll-bar functions: each hook asks whether its window carries
// skinned bars and answers from them, or calls the unpatched function through its trampoline.
#include "SkinScrollBar.h"

#include "SkinSBEntryPatch.h"

namespace {

enum {
    HOOK_SETSCROLLINFO,
    HOOK_GETSCROLLINFO,
    HOOK_SETSCROLLPOS,
    HOOK_GETSCROLLPOS,
    HOOK_SETSCROLLRANGE,
    HOOK_GETSCROLLRANGE,
    HOOK_SHOWSCROLLBAR,
    HOOK_ENABLESCROLLBAR,
    HOOK_NTSETSCROLLINFO,  // below SetScrollInfo: where USER's own controls update their bars
    HOOK_COUNT
};

CSkinSBEntryPatch g_patches[HOOK_COUNT];
bool g_bInstalled = false;

template <class TFunc>
TFunc Original(int nHook) {
    return g_patches[nHook].OriginalAs<TFunc>();
}

// The check leaves the caller's last error as it was, so that a call passed on sees the same one.
bool Skinned(HWND hWnd) {
    const DWORD dwError = GetLastError();
    const bool bSkinned = IsSkinScrollBar(hWnd) != FALSE;
    SetLastError(dwError);
    return bSkinned;
}

int WINAPI HookSetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO pInfo, BOOL bRedraw) {
    return Skinned(hWnd) ? SkinSetScrollInfo(hWnd, nBar, pInfo, bRedraw)
                         : Original<decltype(&SetScrollInfo)>(HOOK_SETSCROLLINFO)(hWnd, nBar, pInfo, bRedraw);
}
int WINAPI HookNtSetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO pInfo, BOOL bRedraw) {
    return Skinned(hWnd)
               ? SkinSetScrollInfo(hWnd, nBar, pInfo, bRedraw)
               : Original<decltype(&SetScrollInfo)>(HOOK_NTSETSCROLLINFO)(hWnd, nBar, pInfo, bRedraw);
}
BOOL WINAPI HookGetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO pInfo) {
    return Skinned(hWnd) ? SkinGetScrollInfo(hWnd, nBar, pInfo)
                         : Original<decltype(&GetScrollInfo)>(HOOK_GETSCROLLINFO)(hWnd, nBar, pInfo);
}
int WINAPI HookSetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
    return Skinned(hWnd) ? SkinSetScrollPos(hWnd, nBar, nPos, bRedraw)
                         : Original<decltype(&SetScrollPos)>(HOOK_SETSCROLLPOS)(hWnd, nBar, nPos, bRedraw);
}
int WINAPI HookGetScrollPos(HWND hWnd, int nBar) {
    return Skinned(hWnd) ? SkinGetScrollPos(hWnd, nBar)
                         : Original<decltype(&GetScrollPos)>(HOOK_GETSCROLLPOS)(hWnd, nBar);
}
BOOL WINAPI HookSetScrollRange(HWND hWnd, int nBar, int nMin, int nMax, BOOL bRedraw) {
    return Skinned(hWnd)
               ? SkinSetScrollRange(hWnd, nBar, nMin, nMax, bRedraw)
               : Original<decltype(&SetScrollRange)>(HOOK_SETSCROLLRANGE)(hWnd, nBar, nMin, nMax, bRedraw);
}
BOOL WINAPI HookGetScrollRange(HWND hWnd, int nBar, LPINT pMin, LPINT pMax) {
    return Skinned(hWnd) ? SkinGetScrollRange(hWnd, nBar, pMin, pMax)
                         : Original<decltype(&GetScrollRange)>(HOOK_GETSCROLLRANGE)(hWnd, nBar, pMin, pMax);
}
BOOL WINAPI HookShowScrollBar(HWND hWnd, int nBar, BOOL bShow) {
    return Skinned(hWnd) ? SkinShowScrollBar(hWnd, nBar, bShow)
                         : Original<decltype(&ShowScrollBar)>(HOOK_SHOWSCROLLBAR)(hWnd, nBar, bShow);
}
BOOL WINAPI HookEnableScrollBar(HWND hWnd, UINT nBar, UINT wArrows) {
    return Skinned(hWnd) ? SkinEnableScrollBar(hWnd, nBar, wArrows)
                         : Original<decltype(&EnableScrollBar)>(HOOK_ENABLESCROLLBAR)(hWnd, nBar, wArrows);
}

struct Redirection {
    const char* lpszModule;
    const char* lpszName;
    void* pHook;
};
const Redirection kRedirections[HOOK_COUNT] = {
    {"user32.dll", "SetScrollInfo", reinterpret_cast<void*>(&HookSetScrollInfo)},
    {"user32.dll", "GetScrollInfo", reinterpret_cast<void*>(&HookGetScrollInfo)},
    {"user32.dll", "SetScrollPos", reinterpret_cast<void*>(&HookSetScrollPos)},
    {"user32.dll", "GetScrollPos", reinterpret_cast<void*>(&HookGetScrollPos)},
    {"user32.dll", "SetScrollRange", reinterpret_cast<void*>(&HookSetScrollRange)},
    {"user32.dll", "GetScrollRange", reinterpret_cast<void*>(&HookGetScrollRange)},
    {"user32.dll", "ShowScrollBar", reinterpret_cast<void*>(&HookShowScrollBar)},
    {"user32.dll", "EnableScrollBar", reinterpret_cast<void*>(&HookEnableScrollBar)},
    {"win32u.dll", "NtUserSetScrollInfo", reinterpret_cast<void*>(&HookNtSetScrollInfo)},
};

}  // namespace

void InstallScrollBarHook() {
    if (g_bInstalled) return;
    g_bInstalled = true;
    for (int i = 0; i < HOOK_COUNT; ++i) {
        // Only modules already loaded: USER is, and win32u comes with it where it exists.
        HMODULE hModule = GetModuleHandleA(kRedirections[i].lpszModule);
        if (!hModule) continue;
        g_patches[i].Install(reinterpret_cast<void*>(GetProcAddress(hModule, kRedirections[i].lpszName)),
                             kRedirections[i].pHook);
    }
}

void UnInstallScrollBarHook() {
    if (!g_bInstalled) return;
    g_bInstalled = false;
    for (CSkinSBEntryPatch& patch : g_patches)
        patch.Remove();
}
