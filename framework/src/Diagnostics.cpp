// Debug diagnostics: assertion reports and trace output to the debugger.
#include <afx.h>

#include <stdio.h>

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine) {
    char buf[512];
    _snprintf(buf, sizeof(buf) - 1, "Assertion failed: %s(%d)\n", lpszFileName ? lpszFileName : "?", nLine);
    buf[sizeof(buf) - 1] = 0;
    ::OutputDebugStringA(buf);
    fputs(buf, stderr);
    return FALSE;
}

void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...) {
    TCHAR buf[1024];
    va_list args;
    va_start(args, lpszFormat);
    _vsntprintf(buf, _countof(buf) - 1, lpszFormat, args);
    va_end(args);
    buf[_countof(buf) - 1] = 0;
    ::OutputDebugString(buf);
}
