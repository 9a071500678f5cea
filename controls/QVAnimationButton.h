// An image button whose hot image fades in while the mouse is over it and out when it leaves; a click
// sends the parent BN_CLICKED.
#pragma once

#include "RIZuruzezuDef.h"

#include <QVGdiplusImage.h>

#include "QVAnimationButtonFade.h"

// The identifier of the fade timer (a window timer of the button, 50 ms).
#define QVAB_FADE_TIMER 1

// Made with Create (window class "QVAnimationButton") or by subclassing a static without SS_NOTIFY:
// never a system "Button", which would send a BN_CLICKED of its own besides this one, nor a static
// with SS_NOTIFY, whose STN_CLICKED has the same code. The window answers WM_NCHITTEST itself, so a
// static sees the mouse.
//
// The background image is stretched into the client rectangle; the hot image is drawn over it at its
// own scale, cut from its top-left corner to the client's size (a smaller hot image covers only its own
// size at the top left), with the current opacity. The parent's background is painted first (unless
// the background image is opaque and so covers it), so it shows where the images are transparent or
// missing. Painting goes through an off-screen surface. Both
// images are scaled once into pictures of the client's size (again after LoadImages or a resize), so a
// paint in the middle of a fade only blends them.
//
// Each tick of the fade timer moves the opacity by the step (hundredths; 10 by default: ten ticks, half
// a second); leaving before a fade-in ends reverses the same timer from the opacity reached. With
// animate cleared no fade starts and the hot image keeps the opacity it has. The timer ends with the
// window.
//
// One BN_CLICKED (WM_COMMAND, wParam the identifier, lParam this window) per release of a press begun
// on the button. The button takes no capture: a press dragged off it is dropped when the mouse leaves
// or moves without the left button down, so releasing it over the button again, or releasing there a
// press begun elsewhere, sends nothing. The parent may destroy or delete the button while it handles
// the command.
class RIZ_API CQVAnimationButton : public CWnd {
    DECLARE_DYNAMIC(CQVAnimationButton)
public:
    CQVAnimationButton();
    ~CQVAnimationButton() override;

    // Registers the window class on first use; FALSE when that fails.
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Loads both images; TRUE when both loaded. A missing file leaves that image out of the drawing.
    BOOL LoadImages(LPCTSTR lpszBackgroundImage, LPCTSTR lpszHotImage);

    // Fading on or off; turning it off leaves a running fade to finish.
    void SetAnimate(BOOL bAnimate) { m_bAnimate = bAnimate; }
    BOOL GetAnimate() const { return m_bAnimate; }
    // Opacity change per tick in hundredths, kept to 1..100.
    void SetStep(int nStep) { m_nStep = qvfade::ClampStep(nStep); }
    int GetStep() const { return m_nStep; }

    float GetOpacity() const { return m_fOpacity; }
    BOOL IsFadingIn() const { return m_bFadingIn; }
    BOOL IsFading() const { return m_nTimer != 0; }

protected:
    // Starts the fade timer unless it runs, and sets the direction.
    void StartFade(BOOL bFadeIn);
    void StopFade();
    void Draw(CDC* pDC, const CRect& rcClient);
    // The scaled pictures of both images for a client of this size, made when missing.
    void PrepareImages(const CSize& size);
    void FreeImages();

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL m_bAnimate = TRUE;
    int m_nStep = 10;
    CQVGdiplusImage m_imgBackground;
    CQVGdiplusImage m_imgHot;
    float m_fOpacity = 0.0f;
    BOOL m_bFadingIn = TRUE;
    UINT_PTR m_nTimer = 0;
    qvfade::Input m_input;  // leave tracking and the press flag
    // The images scaled to the client, premultiplied 32-bit; NULL when not made (or no image).
    HBITMAP m_hbmBackground = NULL;
    HBITMAP m_hbmHot = NULL;
    BOOL m_bOpaqueBackground = FALSE;  // the scaled background covers every pixel
    CSize m_sizeImages;                // the client size they were made for
};
