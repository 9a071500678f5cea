// Windows and drawing: everything of afx.h plus GDI wrappers, device contexts and windows.
#pragma once

#include "afx.h"
#include <commctrl.h>
#include <shellapi.h>
#include "afxgdi_.h"
#include "afxwnd_.h"
