// A skinned column header: every item drawn with the skin's header image in four states (normal, hot,
// pressed, the disabled look) at the skin's header height.
#pragma once

#include "QVHeaderCtrlLayout.h"
#include "RIZuruzezuDef.h"

#include <afxcmn.h>

class CQVSkinBtnRes;

// Replaces the drawing of a system header: subclass one (a list view's own header is subclassed by
// CQVListCtrl) or Create one. Clicking, dragging and resizing the columns stay the system's.
//
// The height is the skin's header height (metric 18), kept at subclassing and at every size change and
// answered to HDM_LAYOUT, so that a list view places its first row right under the header. A metric of
// 0 or less keeps the system's height; a larger one than kQVHeaderMaxHeight is cut to it. A hidden
// header (HDS_HIDDEN) keeps the system's height of 0.
class RIZ_API CQVHeaderCtrl : public CHeaderCtrl {
    DECLARE_DYNAMIC(CQVHeaderCtrl)
public:
    CQVHeaderCtrl();
    ~CQVHeaderCtrl() override;

    // With the look set, every item shows the disabled frame.
    void SetAllDisabledLook(BOOL bAllDisabled);
    BOOL GetAllDisabledLook() const { return m_bAllDisabled; }
    int GetHotItem() const { return m_nHotItem; }
    BOOL IsPressed() const { return m_bPressed; }

    // The first item, in index order, whose rectangle holds the point (client coordinates); -1 if none.
    int ItemFromPoint(CPoint pt) const;
    // The height the skin gives the header, 0 when the system's stays.
    int GetSkinHeight() const;
    // Gives the window the skin's height, keeping its width.
    void AdjustHeight();

    // Draws one item: the header image's frame nState over rc, then the text.
    virtual void DrawHeaderItem(CDC* pDC, const CRect& rc, LPCTSTR lpszText, int nFormat, int nState);

protected:
    void PreSubclassWindow() override;
    void InvalidateItem(int nItem);
    void ResetMouseState();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bAllDisabled = FALSE;  // every item in the disabled frame
    int m_nHotItem = -1;          // the item under the mouse
    BOOL m_bPressed = FALSE;      // the left button is down on the hot item
    BOOL m_bTracking = FALSE;     // a leave notification has been requested
    const CQVSkinBtnRes* m_pBtnRes;
};
