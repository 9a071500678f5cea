// Build configuration of the control library RIZuruzezu.dll.
#pragma once

#include <afxwin.h>

// RIZURUZEZU_BUILD is defined only while the DLL itself is compiled.
#ifdef RIZURUZEZU_BUILD
#define RIZ_API __declspec(dllexport)
#else
#define RIZ_API __declspec(dllimport)
#endif

// Messages from the host.
#define WM_QV_SKINCHANGED (WM_USER + 1001)  // 0x7E9: the skin changed; non-zero asks to be invalidated
#define WM_QV_LANCHANGED (WM_USER + 1002)   // 0x7EA: the language changed
