// A window showing an image file, animated when it has several frames (an animated GIF).
#pragma once

#include "RIZuruzezuDef.h"

#include <afxwin.h>

#include <QVGdiplusImage.h>

#include <vector>

// Create one or subclass an existing child (a static of a dialog). The image is drawn at its natural
// size centred when it fits the client area, otherwise scaled down to fit with its proportions kept
// (QVGifCtrlLayout.h). Every paint is composed off-screen on white and copied in one piece, so a
// transparent frame never shows the frame before it and a fast animation does not flicker.
//
// Frames advance on timer kQVGifTimerId: each tick draws the active frame, then selects the current
// one, steps it (wrapping) and restarts the timer with the selected frame's delay times 10 ms (200 ms
// below 10 ms; a frame without a delay in the file counts as 0). After Play the first tick draws
// frame 0 once more before frame 1 is selected.
//
// A file that is missing, not an image, truncated or of absurd size loads nothing: LoadGifFile answers
// FALSE, nothing is drawn and CanPlay is FALSE. The file is read once; it is not kept open. The image
// is decoded through CQVGdiplusImage, so it counts among the live GDI+ images while it is loaded.
class RIZ_API CQVGifCtrl : public CWnd {
    DECLARE_DYNAMIC(CQVGifCtrl)
public:
    CQVGifCtrl();
    ~CQVGifCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Drops the current image (the animation stops) and invalidates the window; then, with a path,
    // loads the file. Loading does not start playing.
    BOOL LoadGifFile(LPCTSTR lpszPath);
    BOOL CanPlay() const { return m_nFrames > 1; }
    // From the first frame: the current frame becomes -1 and the control advances once.
    void Play();
    void Stop();

    BOOL IsLoaded() const { return m_image.IsLoaded(); }
    BOOL IsPlaying() const { return m_nTimer != 0; }
    CSize GetImageSize() const;
    int GetFrameCount() const { return m_nFrames; }
    // The frame the next tick selects; -1 right after Play.
    int GetCurrentFrame() const { return m_nFrame; }
    // The delays as read from the file, in hundredths of a second (empty without the property).
    const std::vector<UINT>& GetFrameDelays() const { return m_delays; }
    // The period the frame timer runs with, 0 while it does not run.
    UINT GetTimerPeriod() const { return m_nTimer ? m_nPeriod : 0; }

    // Draws what the window shows: the image fitted into the client area, on white.
    void Render(CDC* pDC);

protected:
    void Release();
    void Advance();

    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    CQVGdiplusImage m_image;     // its own, not shared: the active frame is this control's
    std::vector<UINT> m_delays;  // hundredths of a second, one per frame as the file has them
    int m_nFrames = 0;           // frames of the first frame dimension
    int m_nFrame = -1;           // the frame the next advance selects
    UINT_PTR m_nTimer = 0;       // the running frame timer, 0 when none
    GUID m_dimension = {};
    UINT m_nPeriod = 0;
};
