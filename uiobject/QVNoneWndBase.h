// A drawn element that a window keeps as a member and draws from its own painting (not an object of the
// windowless tree): a rectangle with colours, visibility and a redraw switch.
#pragma once

#include "RIZuruzezuDef.h"

class RIZ_API CQVNoneWndBase {
public:
    CQVNoneWndBase() = default;
    virtual ~CQVNoneWndBase() = default;

    // Stores the values; always TRUE.
    BOOL Create(CWnd* pParent, const CRect& rect, COLORREF clrBack, COLORREF clrFore, BOOL bTransparent);
    // The base draws Rectangle over the rect with the DC's pen and brush.
    virtual void Draw(CDC* pDC, CRgn* pRgn);

    // Each setter stores and, while redraw is on, invalidates the rect in the parent window.
    void SetVisible(BOOL bVisible);
    void SetEnable(BOOL bEnable);
    void SetControlRect(const CRect& rect);
    void SetBackColor(COLORREF clr);
    void SetForeColor(COLORREF clr);
    void SetTransparent(BOOL bTransparent);
    void SetRedraw(BOOL bRedraw);
    // Invalidates the rect in the parent window, when there is one.
    void Update(BOOL bErase = TRUE);

    CWnd* GetParent() const { return m_pParent; }
    const CRect& GetControlRect() const { return m_rect; }
    BOOL IsVisible() const { return m_bVisible; }
    BOOL IsEnable() const { return m_bEnabled; }
    COLORREF GetBackColor() const { return m_clrBack; }
    COLORREF GetForeColor() const { return m_clrFore; }
    BOOL IsTransparent() const { return m_bTransparent; }
    BOOL GetRedraw() const { return m_bRedraw; }

protected:
    void Changed() {
        if (m_bRedraw) Update(TRUE);
    }

    CWnd* m_pParent = nullptr;
    CRect m_rect = CRect(0, 0, 0, 0);
    BOOL m_bVisible = TRUE;
    BOOL m_bEnabled = TRUE;
    COLORREF m_clrBack = RGB(255, 255, 255);
    COLORREF m_clrFore = RGB(0, 0, 0);
    BOOL m_bTransparent = FALSE;
    BOOL m_bRedraw = TRUE;
};
