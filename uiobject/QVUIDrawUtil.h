// Drawing helpers the windowless kinds share inside the library (not part of the public interface).
#pragma once

#include "RIZuruzezuDef.h"

// The font of a kind's caption: face (cut to the 31 characters the face field holds), size in tenths of
// a point, weight 700 or 400, underline and italic. DEFAULT_CHARSET lets a CJK face keep its glyphs.
void QVUIMakeLogFont(LOGFONT& lf, const CString& strFace, int nSize, BOOL bBold, BOOL bUnderline,
                     BOOL bItalic);

// Selects a pen, a brush and a font (any of them NULL) into a DC and puts the old ones back.
class CQVUISelectTools {
public:
    CQVUISelectTools(CDC& dc, HGDIOBJ hPen, HGDIOBJ hBrush, HGDIOBJ hFont) : m_hDC(dc.GetSafeHdc()) {
        if (hPen) m_hOldPen = ::SelectObject(m_hDC, hPen);
        if (hBrush) m_hOldBrush = ::SelectObject(m_hDC, hBrush);
        if (hFont) m_hOldFont = ::SelectObject(m_hDC, hFont);
    }
    ~CQVUISelectTools() {
        if (m_hOldFont) ::SelectObject(m_hDC, m_hOldFont);
        if (m_hOldBrush) ::SelectObject(m_hDC, m_hOldBrush);
        if (m_hOldPen) ::SelectObject(m_hDC, m_hOldPen);
    }
    CQVUISelectTools(const CQVUISelectTools&) = delete;
    CQVUISelectTools& operator=(const CQVUISelectTools&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOldPen = NULL;
    HGDIOBJ m_hOldBrush = NULL;
    HGDIOBJ m_hOldFont = NULL;
};

// A DC to measure text on: the host window's client DC, or the screen's for an object without a host.
class CQVUIMeasureDC {
public:
    explicit CQVUIMeasureDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CQVUIMeasureDC() {
        if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    }
    CQVUIMeasureDC(const CQVUIMeasureDC&) = delete;
    CQVUIMeasureDC& operator=(const CQVUIMeasureDC&) = delete;
    HDC GetSafeHdc() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};
