// A skinned combo box: a one-pixel frame in the skin's border colour, the selected text (or the
// owner-drawn current item) in the edit area and the skin's drop-button image in three states.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxcmn.h>

class CQVSkinBtnRes;

// States of the drop button; each is the frame of the skin's drop-button image drawn for it.
enum QVComboButtonState {
    QVCBS_NORMAL = 0,
    QVCBS_HOVER = 1,
    QVCBS_PRESSED = 2,
};

// Replaces a system combo box: subclass an existing one (SubclassDlgItem) or Create one. Its painting
// replaces the system's (the list keeps the system's, or the owner's drawing); an owner-drawn combo
// draws its current item through its own DrawItem. The parent must be a window object of the framework
// so that WM_DRAWITEM and the combo's notifications are reflected to the control.
//
// The drop button shows pressed only while the left button is held on the combo or its list is open:
// however the list closes (a click, Enter, Escape, the focus moving away) it returns to normal.
class RIZ_API CQVComboBox : public CComboBox {
    DECLARE_DYNAMIC(CQVComboBox)
public:
    CQVComboBox();
    ~CQVComboBox() override;

    QVComboButtonState GetButtonState() const { return m_nButtonState; }
    COLORREF GetFrameColor() const { return m_clrFrame; }

protected:
    // Draws the whole control: the frame, the edit area, the drop button.
    void PaintCombo(CDC* pDC);
    void PaintEditArea(CDC* pDC, const CRect& rcItem);
    void PaintDropButton(CDC* pDC, const CRect& rcButton);
    void SetButtonState(QVComboButtonState nState);
    // A pressed button that nothing holds any more (capture gone, list closed) is normal again.
    BOOL IsPressStale() const;
    void ReleaseStalePress();

    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnCloseUp();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CQVSkinBtnRes* m_pBtnRes = nullptr;  // the skin record, read at every paint
    BOOL m_bHover = FALSE;               // one leave notification requested per entry
    COLORREF m_clrFrame;                 // entry 4 of the skin's colours; again at a leave, a skin change
    QVComboButtonState m_nButtonState = QVCBS_NORMAL;
};
