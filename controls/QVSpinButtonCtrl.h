// A skinned spin button: two arrows from the skin's images, or two plain framed halves.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxcmn.h>

class CQVSkinBtnRes;

// Replaces the drawing of a system up-down control: subclass one (SubclassDlgItem) or Create one. With
// the skin's spin flag set it sizes itself to one arrow image wide and two high, and its buddy window
// to the same height beside it, and draws the arrows in normal, hot and pressed frames; without the
// flag it draws two framed halves whose outline turns red under the mouse and cyan while pressed. The
// behaviour (the buddy's value, UDN_DELTAPOS, WM_VSCROLL, auto-repeat) stays the system's.
//
// The geometry is set when the control is subclassed or created, when a buddy is set and at a skin
// change; resizing the control later does not move the boundary between the halves. The buddy keeps
// its place in the dialog's tab order. A press dragged off the arrows keeps its pressed look until the
// button is released.
//
// A horizontal up-down (UDS_HORZ) is left entirely to the system: neither resized nor drawn.
class RIZ_API CQVSpinButtonCtrl : public CSpinButtonCtrl {
    DECLARE_DYNAMIC(CQVSpinButtonCtrl)
public:
    CQVSpinButtonCtrl();
    ~CQVSpinButtonCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // 0 none, 1 up hot, 2 up pressed, 3 down hot, 4 down pressed.
    int GetState() const { return m_nState; }
    CRect GetUpRect() const { return m_rcUp; }
    CRect GetDownRect() const { return m_rcDown; }

    // Sizes the control and its buddy to the skin's arrow images (skinned drawing only), then takes the
    // halves from the client rectangle.
    void AdjustGeometry();

protected:
    void PreSubclassWindow() override;

    BOOL IsSkinned() const;
    BOOL IsHorizontal() const { return (GetStyle() & UDS_HORZ) != 0; }
    void SetState(int nState);
    void DrawSkinned(CDC* pDC, const CRect& rcClient);
    void DrawPlain(CDC* pDC, const CRect& rcClient);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBuddy(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CQVSkinBtnRes* m_pBtnRes;  // the spin flag, the arrow image and its size
    int m_nState = 0;
    BOOL m_bTracking = FALSE;  // a leave notification has been requested
    CRect m_rcUp;
    CRect m_rcDown;
    COLORREF m_clrBorder;      // entry 4 of the skin's colours; again at a skin change
    BOOL m_bCreating = FALSE;  // inside Create: WM_CREATE sets the geometry, once the window is made
};
