// Registering the window classes that the library's own windows are created with.
#pragma once

#include "RIZuruzezuDef.h"

// Registers a window class on first use: the CS_ styles, cursor and background the caller passes, no
// icon and no menu, in the given module (by default this library). Later calls find the class
// registered and answer TRUE without changing it; FALSE when it cannot be registered. The framework
// then creates windows of that class from the module it was registered in.
RIZ_API BOOL QVRegisterWndClass(LPCTSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor,
                                HBRUSH hbrBackground, WNDPROC lpfnWndProc = ::DefWindowProc,
                                HINSTANCE hInstance = NULL);

// The background brush of a system colour (COLOR_WINDOW and the like), as a window class takes it.
inline HBRUSH QVSysColorClassBrush(int nIndex) {
    return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(nIndex + 1));
}
