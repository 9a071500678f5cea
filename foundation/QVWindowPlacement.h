// Settings a window keeps between runs: numbers read back from the application's profile strictly,
// the monitors' work areas, a rectangle brought back onto them, and a window's place saved and
// restored through the application's profile functions.
#pragma once

#include <afxwin.h>

#include <vector>

#include "RIZuruzezuDef.h"

// The decimal integer psz holds (an optional sign and digits, nothing else) when it lies in
// [nMin, nMax]; FALSE otherwise, rValue unchanged.
RIZ_API BOOL QVParseProfileInt(LPCTSTR psz, int nMin, int nMax, int& rValue);
// An entry of the application's profile (AfxGetApp()->GetProfileString) read by QVParseProfileInt:
// FALSE when there is no application, the entry is missing, is not a number or is out of range.
RIZ_API BOOL QVReadProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nMin, int nMax, int& rValue);
// Writes nValue as a decimal string, so that an .INI file and the registry hold the same text.
RIZ_API BOOL QVWriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);

// The work areas of the monitors (screen coordinates), the primary monitor's first.
RIZ_API std::vector<CRect> QVMonitorWorkAreas();
// rect as it is when it lies inside one of the areas; else moved into the area it overlaps most (the
// nearest one when it overlaps none), and shrunk to that area when it is larger. As it is without areas.
RIZ_API CRect QVClampRectToWorkAreas(const CRect& rect, const std::vector<CRect>& areas);

// Writes the window's normal rectangle (entries Left, Top, Right, Bottom, screen coordinates of the
// primary monitor) and its state (ShowCmd: SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED) to the
// profile section lpszSection. FALSE without a window or when a value cannot be written.
RIZ_API BOOL QVSaveWindowPlacement(CWnd* pWnd, LPCTSTR lpszSection);
// Puts the window at the saved normal rectangle, brought onto a monitor when it is off every one. A
// minimized window comes back normal. A visible window takes the saved state at once; a hidden one
// stays hidden and *pnCmdShow (when given) receives SW_SHOWNORMAL or SW_SHOWMAXIMIZED to show it with.
// FALSE, the window and *pnCmdShow untouched, when an entry is missing or bad or the rectangle empty.
RIZ_API BOOL QVLoadWindowPlacement(CWnd* pWnd, LPCTSTR lpszSection, int* pnCmdShow = NULL);
