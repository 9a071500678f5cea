// A split button drawn from two images of the host: a main part with the window text and an arrow part
// at its right, each with its own hover and press look; a release tells the parent which part and where.
#pragma once

#include "RIZuruzezuDef.h"

#include <QVBitmap.h>

#include "QVDropdownButtonLayout.h"

// The notification code of a release (NMHDR::code); hosts catch it with ON_NOTIFY(QVDBN_CLICKED, id, ...).
#define QVDBN_CLICKED 1

// The values of QVDROPDOWN_NOTIFY::nMainPart.
#define QVDBP_NONE (-1)  // the release was over no enabled part: rcPart is empty, there is no click
#define QVDBP_ARROW 0
#define QVDBP_MAIN 1

// The record of WM_NOTIFY (wParam the control identifier): the header (this window, its identifier,
// QVDBN_CLICKED), which part the release was on and that part's rectangle in screen coordinates, where
// a host drops its menu.
struct QVDROPDOWN_NOTIFY {
    NMHDR hdr;
    int nMainPart;
    RECT rcPart;
};

// Made with Create (window class "QVDropdownButton") or by subclassing a child such as a static;
// a subclassed system button keeps its own mouse capture and sends its own BN_CLICKED besides. The
// window answers WM_NCHITTEST itself, so a static needs no SS_NOTIFY (and must not have it: it would
// send STN_CLICKED on every press).
//
// Both images have four frames side by side: normal, hover, pressed, disabled. The main image is
// stretched over the main part keeping its left and right edges; the arrow image over the arrow part,
// one arrow frame wide at the right. The height is one main frame, set when the window is subclassed,
// at SetImages and at a skin change (0x7E9); without a main image the height stays as it is. A button
// narrower than its arrow is all arrow. The disabled look is only ever set by the host (EnablePart).
//
// A release that ends a press begun on the button sends WM_NOTIFY with a QVDROPDOWN_NOTIFY. Over no
// enabled part (a disabled part, or a point outside both) the record says QVDBP_NONE with an empty
// rectangle: hosts take no click from it. The button takes no capture: a press dragged off it is dropped
// when the mouse leaves or moves without the left button down, so releasing it over the button again,
// or releasing there a press begun elsewhere, sends nothing. The parent may destroy or delete the
// button while it handles the notification.
class RIZ_API CQVDropdownButton : public CWnd {
    DECLARE_DYNAMIC(CQVDropdownButton)
public:
    CQVDropdownButton();
    ~CQVDropdownButton() override;

    // Registers the window class on first use (FALSE when that fails); with a main image already set,
    // rect's height becomes one main frame.
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Loads both images (four frames each) with the main image's fixed edge widths, the transparency
    // (paint the parent first and leave out the key colour) and the key, then sizes the window. TRUE
    // when both loaded; a missing file leaves that image empty, and its part draws nothing.
    BOOL SetImages(LPCTSTR lpszMainImage, LPCTSTR lpszArrowImage, int nLeftWidth, int nRightWidth,
                   BOOL bTransparent = TRUE, COLORREF clrKey = RGB(255, 0, 255));

    // Gives a part (QVDBP_MAIN or QVDBP_ARROW) the disabled look, or back the normal one. A disabled
    // part keeps that look under the mouse and a release over it is no click.
    void EnablePart(int nPart, BOOL bEnable);

    int GetMainState() const { return m_input.nMain; }  // qvdropdown::State
    int GetArrowState() const { return m_input.nArrow; }
    CRect GetMainRect() const { return m_parts.rcMain; }  // client coordinates
    CRect GetArrowRect() const { return m_parts.rcArrow; }

    // The height to one main frame (the window's width kept), then the parts laid out again.
    void AdjustSize();

protected:
    void PreSubclassWindow() override;

    void LayoutParts();
    void InvalidateParts(int nChanged);
    void DrawPart(CDC* pDC, const CQVBitmap& image, const CRect& rc, int nState) const;
    void Notify(const qvdropdown::Click& click);

    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CQVBitmap m_bmpMain;
    CQVBitmap m_bmpArrow;
    BOOL m_bTransparent = TRUE;
    COLORREF m_clrKey = RGB(255, 0, 255);
    BOOL m_bTracking = FALSE;   // a leave notification has been requested
    qvdropdown::Input m_input;  // the press flag and the two part states
    qvdropdown::Parts m_parts;
    BOOL m_bCreating = FALSE;  // inside Create: the rectangle already has the height
};
