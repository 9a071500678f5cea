// The one road by which the library opens addresses (links of labels, windowless objects and their
// hosts): the shell, or a handler a test puts in its place so that no browser starts.
#pragma once

#include "RIZuruzezuDef.h"

// Same arguments and result as ShellExecute.
typedef HINSTANCE (*QVUIShellExecuteFunc)(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile,
                                          LPCTSTR lpszParameters, LPCTSTR lpszDirectory, INT nShowCmd);

// Replaces the launcher (NULL puts the shell back); answers the previous one.
RIZ_API QVUIShellExecuteFunc QVUISetShellExecute(QVUIShellExecuteFunc pfn);

// Opens through the current launcher.
RIZ_API HINSTANCE QVUIShellExecute(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters,
                                   LPCTSTR lpszDirectory, INT nShowCmd);
