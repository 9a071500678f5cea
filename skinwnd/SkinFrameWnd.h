// A frame window with the skinned frame: caption, borders, caption buttons, outline, the skinned menu
// bar, owner-drawn menus with images, skin and language changes, and message boxes in the skin.
#pragma once

#include "QVBitmapList.h"
#include "QVMenuRef.h"
#include "SkinWnd.h"

class CSkinWndHost;

// Created like any frame (Create, LoadFrame; with new: it deletes itself when its window goes). The
// frame's menu shows as the skinned menu bar under the caption; Alt, F10 and Alt + letter open it.
// At WM_CREATE the window grows by the difference between the skin frame and the system frame, so the
// client area keeps the size asked for; a skin change adjusts it again.
class RIZ_API CSkinFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CSkinFrameWnd)
public:
    CSkinFrameWnd();
    ~CSkinFrameWnd() override;

    // A message box in the skin, owned by this frame (QVMessageBox).
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);

    // The status prompt of a command: its string resource, a "~key" translated through the language
    // table, cut after the first line.
    void GetMessageString(UINT nID, CString& rMessage) const override;

    CSkinWnd& GetSkinWnd() { return m_SkinWnd; }
    const CSkinWnd& GetSkinWnd() const { return m_SkinWnd; }
    CSize GetSizeAdded() const { return m_sizeAdded; }

    // Images of the owner-drawn menu items, by command id.
    CQVBitmapList m_BitmapList;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcMouseLeave();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // The shared handling of the skinned windows, on this window's fields.
    CSkinWndHost Host();

    CSkinWnd m_SkinWnd;
    UINT m_nLastNcHit = 0;  // last non-client hit code seen by mouse moves
    CSize m_sizeAdded{0, 0};
    CQVMenuRef m_menuRef;  // the menu whose items were made owner-drawn last
};
