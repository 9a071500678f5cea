// A one-line notification strip: an icon, a link text and an optional close button. It tells its parent
// window of link clicks and close requests with WM_QV_NOTIFYCTRL.
#pragma once

#include "QVUIWindow.h"

// To the strip's parent: wParam QVNC_LINK_CLICKED (posted; lParam: the data given to SetNotify) or
// QVNC_CLOSE_REQUEST (sent; lParam 0). The parent may delete the strip while handling the request.
#define WM_QV_NOTIFYCTRL (WM_USER + 1514)
#define QVNC_LINK_CLICKED 1
#define QVNC_CLOSE_REQUEST 2

// Object ids of the strip's children.
#define QVNC_ID_CLOSE 1
#define QVNC_ID_LINK 2
#define QVNC_ID_ICON 3

// Configure the strip (SetNotify, SetImageIcon, SetCloseButtonIcon) before sizing it: none of these lays
// it out, so a text longer than the one the link was sized for stays cut off until the next WM_SIZE.
class RIZ_API CQVUINotifyCtrl : public CWnd, public CQVUIWindow<CQVUINotifyCtrl> {
    DECLARE_DYNAMIC(CQVUINotifyCtrl)
public:
    CQVUINotifyCtrl();
    ~CQVUINotifyCtrl() override;

    using CWnd::GetParent;

    // The link's text and address, the data posted with a click, and whether a click also asks to close.
    void SetNotify(const CString& strText, const CString& strUrl, UINT nData, int bCloseOnClick);
    void SetImageIcon(const CString& strPath);
    // hide 0: the close button shows the icon strip (nStateCount cells); otherwise it is hidden.
    void SetCloseButtonIcon(const CString& strPath, int nStateCount, int bHide);

    // Icon at the left, close button at the right (when shown), the link between, shrunk to its text.
    void Layout() override;
    int OnUIMessage(UINT nObjectID, UINT nCode, UINT wParam, LONG lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeaveMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    BOOL m_bTracking = FALSE;
    int m_bCloseOnClick = 0;
    UINT m_nData = 0;
};
