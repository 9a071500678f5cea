// A framed windowless picture that reports clicks and, after the pointer rests on it for 500 ms, hovering
// (notification 2: wParam 1 on rest, 2 when the pointer leaves after that).
#pragma once

#include "QVUIImage.h"

enum QVUIHotImageState {
    QVUIHS_NORMAL = 0,
    QVUIHS_HOVER = 1,
    QVUIHS_PRESSED = 2,
    QVUIHS_DISABLED = 3,
};

class RIZ_API CQVUIHotImage : public CQVUIImage {
public:
    explicit CQVUIHotImage(CQVUIObject* pParent = nullptr);
    // Kills a running hover timer.
    ~CQVUIHotImage() override;
    CQVUIHotImage(const CQVUIHotImage&) = delete;
    CQVUIHotImage& operator=(const CQVUIHotImage&) = delete;

    void Layout() override;
    int OnMouseMove(const CPoint& pt) override;
    int OnLButtonDown(const CPoint& pt) override;
    int OnLButtonUp(const CPoint& pt) override;
    int OnMouseLeave() override;
    int __OnTimer(UINT nTimerID) override;
    void OnRender(CDC& dc, const CRect& rcClip) override;

    void SetMargin(int nMargin) { m_nMargin = nMargin; }
    int GetMargin() const { return m_nMargin; }
    // The hot image's own flag (the frame turns grey); it does not repaint and does not stop clicks.
    void SetEnable(BOOL bEnable) { m_bOwnEnable = bEnable; }
    BOOL IsEnable() const { return m_bOwnEnable; }
    void SetBorderColors(COLORREF clrNormal, COLORREF clrHover, COLORREF clrPressed, COLORREF clrDisabled);
    int GetState() const { return m_nState; }

protected:
    void ChangeState(int nState);

    int m_nMargin = 3;
    BOOL m_bOwnEnable = TRUE;
    int m_nState = QVUIHS_NORMAL;
    int m_nCorner = 3;
    COLORREF m_clrBorder[4] = {RGB(0xC0, 0xC0, 0xC0), RGB(0xFF, 0xC0, 0x00), RGB(0x80, 0x80, 0x80),
                               RGB(0x80, 0x80, 0x80)};
    UINT m_nHoverTimer = 0;
    BOOL m_bHoverReported = FALSE;
};
