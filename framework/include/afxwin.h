// Windows and drawing: everything of afx.h plus GDI wrappers, device contexts and windows.
#pragma once

#include "afx.h"
#include <commctrl.h>
#include <shellapi.h>
#include "afxgdi_.h"
#include "afxmenu_.h"
#include "afxwnd_.h"
#include "afxapp_.h"
#include "afxdll_.h"
#include "afxdlg_.h"
#include "afxframe_.h"
#include "afxbar_.h"

// Starts the framework for a program without an application object (a console host, a test): keeps the
// instance handles and registers the common control classes. Returns FALSE when the start fails.
AFX_CORE_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                    int nCmdShow);

// The standard controls (CStatic, CButton, CEdit, CListBox, CComboBox, CScrollBar).
#include "afxctrls_.h"
