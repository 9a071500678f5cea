// Build configuration of the skin, language and image library ZIRevudiVuzad.dll.
#pragma once

#include <afxwin.h>

// ZIREVUDIVUZAD_BUILD is defined only while the DLL itself is compiled.
#ifdef ZIREVUDIVUZAD_BUILD
#define ZIR_API __declspec(dllexport)
#else
#define ZIR_API __declspec(dllimport)
#endif
