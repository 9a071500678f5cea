// An off-screen copy of a rectangle of a DC, copied back when it goes out of scope.
#pragma once

#include "QVMemoryDC.h"

// Drawing at the rectangle's own coordinates lands in the copy (the viewport is moved by its top-left
// corner). The constructor fills the copy with the colour (CLR_INVALID: no fill); FromDC copies the
// target's current content in instead. The destructor copies the whole rectangle back to the target.
class ZIR_API CQVMemDC : public CQVMemoryDC {
public:
    CQVMemDC(CDC* pDC, const CRect& rect, COLORREF clrFill = CLR_INVALID);
    ~CQVMemDC() override;

    void FromDC();
    CDC* GetTargetDC() const { return m_pTargetDC; }
    const CRect& GetTargetRect() const { return m_rect; }

private:
    CDC* m_pTargetDC = NULL;
    CRect m_rect;
};
