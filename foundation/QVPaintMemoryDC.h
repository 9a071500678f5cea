// The off-screen paint surface of owner-painted controls: draw into it, its destructor copies it to the
// target DC in one BitBlt.
#pragma once

#include "RIZuruzezuDef.h"

#include <QVMemoryDC.h>

class RIZ_API CQVPaintMemoryDC : public CQVMemoryDC {
public:
    // A surface the size of pWnd's client area, copied to pDC at the client origin. It is filled with
    // clrFill unless that is 0: black cannot be a fill colour and leaves the surface uncleared.
    CQVPaintMemoryDC(CWnd* pWnd, CDC* pDC, COLORREF clrFill = 0);
    // A surface the size of rect, not filled, copied to pDC at rect's top-left corner: surface point
    // (0, 0) lands at rect.TopLeft().
    CQVPaintMemoryDC(CDC* pDC, const CRect& rect);
    // Copies the whole surface to the target rectangle (SRCCOPY) when a target DC is set, then frees it.
    ~CQVPaintMemoryDC() override;

    CDC* GetTargetDC() const { return m_pTargetDC; }
    CRect GetTargetRect() const { return m_rcTarget; }

private:
    CDC* m_pTargetDC = nullptr;
    CRect m_rcTarget;
};
