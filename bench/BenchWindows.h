// Windows the control figures share: a window whose paint is one BitBlt of its area, the baseline
// of a control's paint, and repaint loops.
#pragma once

#include <RIZuruzezu.h>
#include <QVMemoryDC.h>

#include <functional>

namespace rizbench {

// A child window whose paint copies one surface of its size: what any paint through the framework
// costs before a control draws anything.
class CBlitWnd : public CWnd {
public:
    // A child of pParent at rc, its surface filled with clrFill.
    BOOL CreateBlit(CWnd* pParent, const CRect& rc, COLORREF clrFill);
    CQVMemoryDC m_surface;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

// A framework popup (so that reflected, colour and owner-draw messages reach the controls on it) with
// the button face as its background, shown at the top left without activation.
class CParentWnd : public CWnd {
public:
    BOOL CreateParent(int cx, int cy);
};

// A parent as above with a striped background of its own, for the transparent controls that show it.
class CStripedParentWnd : public CParentWnd {
protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

// n times: invalidate the client area and update the window.
std::function<void(int)> Repaint(CWnd& wnd);
// n times: invalidate client area and frame, erase, and update at once.
std::function<void(int)> RepaintWithFrame(HWND hWnd);

}  // namespace rizbench
