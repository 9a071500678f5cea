// A skinned push button, check box or radio button: owner-drawn in one of ten kinds.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxcmn.h>

class CQVBitmap;
class CQVSkinBtnRes;

// How a CQVButton draws itself.
enum QVButtonType {
    QVBT_COMMON = 0,         // colour-drawn rectangle with centred text
    QVBT_IMAGE = 1,          // skin push-button image, no text
    QVBT_IMAGE_TEXT = 2,     // skin push-button image with centred text
    QVBT_PRIVATE_IMAGE = 3,  // three-frame image of the button's own (SetBitmapFile) and text
    QVBT_ICON = 4,           // icon only (SetIcon)
    QVBT_ICON_TEXT = 5,      // icon and text
    QVBT_CHECKBOX = 6,       // colour-drawn check box
    QVBT_CHECKBOX_SKIN = 7,  // skin check box
    QVBT_RADIO = 8,          // colour-drawn radio button
    QVBT_RADIO_SKIN = 9,     // skin radio button
};

// Where the icon of QVBT_ICON / QVBT_ICON_TEXT goes; any value but left and right puts it on top,
// centred above the text.
enum QVButtonIconAlign {
    QVBIA_LEFT = 0,
    QVBIA_RIGHT = 1,
    QVBIA_TOP = 2,
};

// Replaces a system button: subclass an existing one (SubclassDlgItem) or Create one. The button keeps
// its own check state (BM_SETCHECK / BM_GETCHECK) and hover state; the click notification to the parent
// stays the system's own BN_CLICKED. The parent must be a window object of the framework so that
// WM_DRAWITEM is reflected to the button.
class RIZ_API CQVButton : public CButton {
    DECLARE_DYNAMIC(CQVButton)
public:
    CQVButton();
    ~CQVButton() override;

    void SetButtonType(QVButtonType nType, BOOL bRedraw = TRUE);
    QVButtonType GetButtonType() const { return m_nButtonType; }

    // The button owns the icon from now on (destroyed with it or by the next SetIcon) and becomes
    // QVBT_ICON; without a window yet the size is adjusted at WM_CREATE.
    void SetIcon(HICON hIcon, CSize sizeIcon, QVButtonIconAlign nIconAlign = QVBIA_LEFT);
    HICON GetIcon() const { return m_hIcon; }

    // A three-frame image (normal, hover, pressed side by side) and the font of the text drawn over it;
    // the button becomes QVBT_PRIVATE_IMAGE and takes the size of one frame. FALSE when the image did
    // not load (the button then draws no image).
    BOOL SetBitmapFile(LPCTSTR lpszFile, BOOL bTransparent = TRUE, COLORREF clrTransparent = RGB(255, 0, 255),
                       LPCTSTR lpszFontName = _T(""), int nFontSize = 90, COLORREF clrText = RGB(0, 0, 0),
                       CPoint ptTextOffset = CPoint(0, 0));

    // Paint the parent's background first and draw images with the key colour.
    void SetTransparentImage(BOOL bTransparent) { m_bTransparentImage = bTransparent; }
    BOOL GetTransparentImage() const { return m_bTransparentImage; }

    // Adds a tool for the whole button with this text; the tooltip is created at the first call.
    void SetToolTip(LPCTSTR lpszText);
    const CToolTipCtrl& GetToolTipCtrl() const { return m_ToolTip; }

    // Sizes the window to the kind: skin push-button height, one private image frame, or the icon (and
    // text). Only the size changes; other kinds and a button without a window are left alone.
    void AdjustControlRect();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;

    BOOL IsCheckKind() const { return m_nButtonType == QVBT_CHECKBOX || m_nButtonType == QVBT_CHECKBOX_SKIN; }
    BOOL IsRadioKind() const { return m_nButtonType == QVBT_RADIO || m_nButtonType == QVBT_RADIO_SKIN; }
    // What a click or the space bar does to the check state of check and radio kinds.
    void ToggleCheck();
    // Unchecks the other radio buttons of this button's dialog group.
    void ClearRadioGroup();

    // The kinds' drawing, on the item's DC with the DRAWITEMSTRUCT state bits.
    void DrawColourButton(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText);
    void DrawColourCheck(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText);
    void DrawSkinButton(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText);
    void DrawPrivateImage(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText);
    void DrawIconButton(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText);
    void DrawSkinCheck(CDC* pDC, const CRect& rcItem, UINT nState, const CString& strText);

    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseLeave();
    afx_msg LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

    QVButtonType m_nButtonType = QVBT_COMMON;
    DWORD m_dwOrigStyle = 0;          // the window style when the window was subclassed
    BOOL m_bHover = FALSE;            // the mouse is over the button (one TrackMouseEvent per entry)
    BOOL m_bChecked = FALSE;          // check state of check and radio kinds
    BOOL m_bLButtonDown = FALSE;      // the left button went down on this button
    CQVSkinBtnRes* m_pBtnRes = NULL;  // the skin record, read at every paint
    CQVBitmap* m_pBitmap = NULL;      // the private image, owned
    HICON m_hIcon = NULL;             // owned
    CSize m_sizeIcon = CSize(0, 0);   // size the icon is drawn at
    QVButtonIconAlign m_nIconAlign = QVBIA_LEFT;
    BOOL m_bTransparentImage = FALSE;              // the skin's flag once subclassed
    COLORREF m_clrTransparent = RGB(255, 0, 255);  // the skin's key once subclassed
    CToolTipCtrl m_ToolTip;                        // created by the first SetToolTip
    COLORREF m_clrText = RGB(0, 0, 0);             // text of the private-image kind
    CString m_strFontName;
    int m_nFontSize = 90;  // tenths of a point
    CPoint m_ptTextOffset = CPoint(0, 0);
};
