// Drawing helpers the windowless kinds share inside the library (not part of the public interface).
#pragma once

#include "RIZuruzezuDef.h"

// The font of a kind's caption: face (cut to the 31 characters the face field holds), size in tenths of
// a point, weight 700 or 400, underline and italic. DEFAULT_CHARSET lets a CJK face keep its glyphs.
void QVUIMakeLogFont(LOGFONT& lf, const CString& strFace, int nSize, BOOL bBold, BOOL bUnderline,
                     BOOL bItalic);

// The shapes the windowless shape and the window-owned shape draw, whatever each numbers them.
enum QVUIShapeKind {
    QVUISK_HLINE,  // along the rect's bottom coordinate
    QVUISK_VLINE,  // along the rect's right coordinate
    QVUISK_RECTANGLE,
    QVUISK_ROUNDRECT,  // corners nCorner wide and high
    QVUISK_ELLIPSE,
};

// Draws a shape over rc with a solid pen of nPenWidth in clrPen, filled with clrFill when bFill and
// left unfilled otherwise; the DC's pen and brush are put back afterwards.
void QVUIDrawShape(CDC& dc, QVUIShapeKind nKind, const CRect& rc, int nPenWidth, COLORREF clrPen, BOOL bFill,
                   COLORREF clrFill, int nCorner);

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
