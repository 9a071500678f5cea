// A skinned date-time picker: the system control draws its fields into an off-screen surface, the
// skin's drop-button image covers the drop-down button and a one-pixel frame in the skin's border
// colour replaces the sunken edge. The calendar, the keyboard editing and the notifications stay the
// system's.
#pragma once

#include "QVOnePixelFrame.h"
#include "RIZuruzezuDef.h"

#include <afxdtctl.h>

class CQVSkinBtnRes;

// The id of the press timer: it runs every millisecond while the left button held on the drop button
// is down, wherever the pointer goes (the open calendar takes the button-up away from the control).
// A WM_TIMER of this id while no press runs is passed on and changes nothing.
#define QVDT_PRESS_TIMER 100

// Replaces a system date-time picker: subclass an existing one (SubclassDlgItem) or Create one. Its
// client area is always the window less one pixel on every side, with or without WS_EX_CLIENTEDGE,
// once the posted WM_QV_RECALCFRAME has been handled.
//
// The drop button is drawn in its pressed frame (2) while the left button is held on it and in its
// normal frame (0) otherwise. A DTS_UPDOWN picker has no drop button: the system's up-down control
// sits there, so no image is drawn and no press is tracked. The parent keeps every notification
// (DTN_DROPDOWN, DTN_CLOSEUP, DTN_DATETIMECHANGE ...). WM_PRINTCLIENT draws the skinned picture too,
// so that screenshots show it.
class RIZ_API CQVDateTimeCtrl : public CDateTimeCtrl {
    DECLARE_DYNAMIC(CQVDateTimeCtrl)
public:
    CQVDateTimeCtrl();
    ~CQVDateTimeCtrl() override;

    // The drop-down button area in client coordinates (empty for DTS_UPDOWN).
    CRect GetDropRect() const { return m_rcDrop; }
    // The last left press began on the drop button / the button is held down over it.
    BOOL IsClicked() const { return m_bClicked; }
    BOOL IsPressed() const { return m_bPressed; }
    // The press timer's id while it runs, else 0.
    UINT_PTR GetPressTimer() const { return m_nTimer; }
    // The frame of the drop-button image drawn now.
    int GetDrawnButtonFrame() const { return m_bPressed ? 2 : m_nButtonFrame; }
    COLORREF GetBorderColor() const { return m_clrBorder; }
    // Releases the window, ending a press first: the system control gets no ticks of a press it never
    // saw begin, also when the object is kept.
    HWND UnsubclassWindow();

protected:
    void PreSubclassWindow() override;

    // Draws the whole client area (the system's fields, then the drop button) onto pDC at the client
    // origin through an off-screen surface.
    void PaintControl(CDC* pDC);
    void PaintDropButton(CDC* pDC);
    // The drop rectangle from the client rectangle and the style.
    void UpdateDropRect();
    void StopPressTimer();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnRecalcFrame(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg BOOL OnDropDownOrCloseUp(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    const CQVSkinBtnRes* m_pBtnRes;  // the skin's button record; again at a skin change
    COLORREF m_clrBorder;            // entry 4 of the skin's colours; again at a skin change
    int m_nButtonFrame = 0;          // the drop button's frame while not pressed
    CRect m_rcDrop;                  // the drop-down button area
    BOOL m_bClicked = FALSE;         // the last left press began on the drop rectangle
    BOOL m_bPressed = FALSE;         // the left button is held down over the drop rectangle
    UINT_PTR m_nTimer = 0;           // the running press timer, 0 when none

    HWND m_hTimerWnd = NULL;  // the window the press timer runs on, kept past a release
    int m_nPrinting = 0;      // inside the system's own drawing into the surface
};
