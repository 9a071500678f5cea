// A windowless animated picture, played by a 100 ms timer on the host with the file's own frame delays.
#pragma once

#include "QVUIObject.h"

#include <QVGifRender.h>

class RIZ_API CQVUIGif : public CQVUIObject {
public:
    explicit CQVUIGif(CQVUIObject* pParent = nullptr);
    // Kills a running timer.
    ~CQVUIGif() override;
    CQVUIGif(const CQVUIGif&) = delete;
    CQVUIGif& operator=(const CQVUIGif&) = delete;

    void Layout() override;
    const CSize& GetPreferredSize() override;
    // Claims only its own timer id; other ids are not offered to children.
    int __OnTimer(UINT nTimerID) override;
    void OnRender(CDC& dc, const CRect& rcClip) override;

    // The load's result; loading stops a running animation.
    BOOL SetImage(const CString& strPath);
    CQVGifRender& GetImage() { return m_render; }
    void SetAutoSize(BOOL bAutoSize) { m_bAutoSize = bAutoSize; }
    // FALSE when the image cannot play. Without a host the animation runs but no timer repaints it.
    BOOL Play();
    // Holds the frame; the timer goes on.
    void Pause();
    // Back to the first frame; the timer ends.
    void Stop();
    BOOL IsPlaying() const { return m_render.IsPlaying(); }

protected:
    CString m_strPath;
    BOOL m_bAutoSize = FALSE;
    CQVGifRender m_render;
    UINT m_nTimer = 0;
};
