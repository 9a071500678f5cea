// Screenshots of gallery windows as PNG files, written through GDI+.
#pragma once

#include <afxwin.h>

// Starts and stops GDI+ for the program's lifetime.
class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    BOOL IsReady() const { return m_token != 0; }

private:
    ULONG_PTR m_token = 0;
};

// Copies the window's area of the screen (the window repainted first, with whatever top-level windows
// stand over it) into a new bitmap the caller owns.
HBITMAP CaptureWindowBitmap(HWND hWnd);

// True when every pixel of the rectangle of the bitmap has one colour: nothing was drawn there.
BOOL IsBitmapAreaUniform(HBITMAP hBitmap, const RECT& rc);

// Writes the bitmap as a PNG file; FALSE on failure.
BOOL SaveBitmapAsPng(HBITMAP hBitmap, LPCTSTR lpszPath);
