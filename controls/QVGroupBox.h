// A group box: a rounded frame in the skin's border colour with its caption cut into the top edge.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxwin.h>

// Replaces the drawing of a system button with BS_GROUPBOX: subclass one (SubclassDlgItem) or Create
// one. The inside is never filled: what the parent painted and the controls within keep their pixels,
// and the caption is written over whatever the parent painted under it. The border colour is read at
// every paint, so a skin change needs nothing but a repaint.
//
// The system's button paints outside WM_PAINT (a text, enable, focus or state change): the group box
// keeps it from doing so and repaints itself, with the parent's background under it, instead.
class RIZ_API CQVGroupBox : public CWnd {
    DECLARE_DYNAMIC(CQVGroupBox)
public:
    CQVGroupBox() = default;
    ~CQVGroupBox() override;

    // A child "BUTTON" with BS_GROUPBOX added to dwStyle.
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The frame and caption, as WM_PAINT draws them, on pDC in client coordinates.
    void DrawGroupBox(CDC* pDC);

protected:
    // Invalidates the parent under the group box (and the controls there) so that the group box is
    // painted afresh over the parent's background.
    void RedrawUnderneath();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg LRESULT OnUpdateUIState(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaintingDefault(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
