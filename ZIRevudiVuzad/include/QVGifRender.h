// An animated image (GIF) played with the file's own frame delays and drawn at its natural size.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <memory>
#include <vector>

namespace Gdiplus {
class Bitmap;
}

// Playback follows elapsed time, not calls: the frame due is worked out from the clock whenever the
// renderer is asked (Playing with a time, Render with the clock), so a late timer skips frames instead
// of slowing the animation down. A frame delay of 0 in the file plays as 100 ms. A loop count in the
// file (0: for ever) is kept: after the last loop the last frame stays and playing ends.
class ZIR_API CQVGifRender {
public:
    using ClockFunc = DWORD (*)();

    CQVGifRender();
    ~CQVGifRender();
    CQVGifRender(const CQVGifRender&) = delete;
    CQVGifRender& operator=(const CQVGifRender&) = delete;

    // Any image GDI+ reads (a single frame does not play). FALSE, and nothing loaded, on failure.
    // Loading stops a running animation.
    BOOL Load(LPCTSTR lpszPath);
    void Unload();
    BOOL IsLoaded() const { return m_image != nullptr; }
    BOOL CanPlay() const { return m_nFrames > 1; }

    // Starts from the first frame, or resumes a paused animation where it stopped. FALSE when the image
    // cannot play.
    BOOL Play();
    // Holds the current frame; the rest of its delay is kept for Play.
    void Pause();
    // Back to the first frame, not playing. FALSE without an image.
    BOOL Stop();
    // Brings the animation to the time dwNow; TRUE when the frame due differs from the frame Render
    // drew last (the caller should repaint).
    BOOL Playing(DWORD dwNow);
    BOOL IsPlaying() const { return m_state == Running; }
    BOOL IsPaused() const { return m_state == Paused; }

    // Draws the frame due at the clock's time, at (x, y) at the image's own size.
    void Render(CDC* pDC, int x, int y);

    CSize GetSize() const;
    int GetWidth() const { return GetSize().cx; }
    int GetHeight() const { return GetSize().cy; }
    int GetFrameCount() const { return m_nFrames; }
    int GetCurrentFrame() const { return m_nFrame; }
    // The delay of a frame in milliseconds; 0 for a frame that does not exist.
    UINT GetFrameDelay(int nFrame) const;
    UINT GetLoopCount() const { return m_nLoopCount; }

    // The clock Render reads (GetTickCount unless a test sets another); NULL restores GetTickCount.
    static void SetClock(ClockFunc pfnClock);
    static DWORD Now();

private:
    enum State { Stopped, Running, Paused };

    void Advance(DWORD dwNow);

    std::shared_ptr<Gdiplus::Bitmap> m_image;
    GUID m_dimension = {};  // the frame dimension the frames are counted in
    int m_nFrames = 0;
    std::vector<UINT> m_delays;  // milliseconds
    UINT m_nLoopCount = 0;
    State m_state = Stopped;
    int m_nFrame = 0;          // the frame due
    int m_nSelected = 0;       // the frame the image has active
    int m_nDrawn = -1;         // the frame Render drew last
    DWORD m_dwFrameStart = 0;  // clock time the current frame began (running)
    DWORD m_dwPausedInto = 0;  // time already spent in the current frame (paused)
    UINT m_nLoopsDone = 0;
};
