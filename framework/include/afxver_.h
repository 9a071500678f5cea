// Build configuration shared by every framework header: platform headers, export macros, diagnostics.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#endif
#ifndef WINVER
#define WINVER _WIN32_WINNT
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0800
#endif

#include <windows.h>
#include <tchar.h>
#include <stddef.h>
#include <stdarg.h>

// The framework lives in its own DLL so that its state (handle maps, resource chain) is shared by every
// module of a process. RIZAFX_BUILD is defined only while that DLL is compiled.
#ifdef RIZAFX_BUILD
#define AFX_CORE_API __declspec(dllexport)
#else
#define AFX_CORE_API __declspec(dllimport)
#endif

// Extension DLLs built on the framework export their classes with AFX_EXT_CLASS while _AFXEXT is
// defined for them, and import them everywhere else.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#define AFX_EXT_API __declspec(dllexport)
#define AFX_EXT_DATA __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#define AFX_EXT_API __declspec(dllimport)
#define AFX_EXT_DATA __declspec(dllimport)
#endif

#define AFXAPI
#define AFX_CDECL __cdecl
#define AFX_INLINE inline
#define AFX_STATIC static
#define AFX_STATIC_DATA static
#define afx_msg
#define AFX_NOVTABLE

// Diagnostics: active only in debug builds (_DEBUG); release builds compile them away entirely.
AFX_CORE_API BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
AFX_CORE_API void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...);

#ifdef _DEBUG
#define ASSERT(f) ((void)((f) || AfxAssertFailedLine(__FILE__, __LINE__)))
#define VERIFY(f) ASSERT(f)
#define TRACE AfxTrace
#define DEBUG_ONLY(f) (f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#endif
#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define TRACE0(sz) TRACE(_T("%s"), _T(sz))
#define TRACE1(sz, p1) TRACE(_T(sz), p1)
#define TRACE2(sz, p1, p2) TRACE(_T(sz), p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(_T(sz), p1, p2, p3)
#define UNUSED_ALWAYS(x) (void)(x)
#define UNUSED(x) (void)(x)

#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif

// Marks a position in a list or map (an opaque node pointer).
struct __POSITION {};
typedef __POSITION* POSITION;

#define BEFORE_START_POSITION ((POSITION)-1L)
