// The host mix-in: turns a window class into the root of a tree of windowless UI objects.
#pragma once

#include "QVUIObject.h"

#include <afxcmn.h>

// A host class derives first from CWnd (or a class derived from it) and second from CQVUIWindow of
// itself, so that the window object and the root object are one:
//
//     class CMyHost : public CWnd, public CQVUIWindow<CMyHost> { ... };
//
// The host's message handlers call the root's steps (names clash with CWnd's, so qualify them):
//   WM_CREATE      default, then CreateToolTipCtrl()
//   WM_SIZE        default, then SetObjectPos(0, 0, cx, cy)
//   WM_PAINT       a CQVPaintMemoryDC over the client rect, then Render or RenderChildren into it
//   WM_ERASEBKGND  TRUE
//   WM_MOUSEMOVE   CQVUIWindow<T>::OnMouseMove(point), and one TrackMouseEvent(TME_LEAVE) per entry
//   WM_MOUSELEAVE  CQVUIWindow<T>::OnMouseLeave() (an ON_MESSAGE handler: CWnd's void OnMouseLeave
//                  cannot be declared beside the root's int OnMouseLeave)
//   WM_LBUTTONDOWN/UP  CQVUIWindow<T>::OnLButtonDown / OnLButtonUp(point)
//   WM_TIMER       CQVUIWindow<T>::__OnTimer(id), when objects use timers
//   PreTranslateMessage  RelayToolTipCtrlMsg(pMsg), then the default
// A notification may delete the host itself (a parent closing it): a handler that goes on after a root
// call holds a CQVUIObjectGuard on the root and stops when it reports the object gone.
//
// Object rects that allow scrolling are in view coordinates: the host's scroll positions (SB_HORZ,
// SB_VERT) are the view's offset, taken off for invalidation and added for hit tests. Painting does not
// apply the offset: a scrolling host moves its drawing itself.
template <class T>
class CQVUIWindow : public CQVUIObject {
public:
    CQVUIWindow() : CQVUIObject(nullptr) { m_bTransparent = TRUE; }
    // The children go while the window object still stands, so that they can kill their timers.
    ~CQVUIWindow() override { DeleteAllChildren(); }
    CQVUIWindow(const CQVUIWindow&) = delete;
    CQVUIWindow& operator=(const CQVUIWindow&) = delete;

    int OnMouseMove(const CPoint& pt) override;
    int OnLButtonDown(const CPoint& pt) override;
    int OnLButtonUp(const CPoint& pt) override;
    HWND GetHostWnd() override { return HostCWnd()->GetSafeHwnd(); }
    CWnd* GetHostCWnd() override { return HostCWnd(); }
    void LogicViewToHostWindow(CPoint& pt) override { pt -= GetViewOffset(); }
    void LogicViewToHostWindow(CRect& rc) override { rc -= GetViewOffset(); }
    void HostWindowToLogicView(CPoint& pt) override { pt += GetViewOffset(); }
    void HostWindowToLogicView(CRect& rc) override { rc += GetViewOffset(); }

    // One tooltip (tool id 0) covering the whole host; its text is the last hovered object's.
    BOOL CreateToolTipCtrl();
    void RelayToolTipCtrlMsg(MSG* pMsg);
    CToolTipCtrl& GetToolTipCtrl() { return m_ToolTip; }

protected:
    void InternalSetToolTip(const CString& strText) override;
    void InternalDelToolTip() override;

    CPoint GetViewOffset();
    CWnd* HostCWnd() { return static_cast<CWnd*>(static_cast<T*>(this)); }
    // The point a child is hit-tested and called with: view coordinates when the child scrolls.
    static const CPoint& PointFor(const CQVUIObject* pChild, const CPoint& pt, const CPoint& ptView) {
        return pChild->GetAllowScroll() ? ptView : pt;
    }

    CToolTipCtrl m_ToolTip;
};

template <class T>
int CQVUIWindow<T>::OnMouseMove(const CPoint& pt) {
    CPoint ptView = pt;
    HostWindowToLogicView(ptView);
    if (m_pChildren) {
        m_pPrevHover = m_pHover;
        m_pHover = nullptr;
        for (size_t i = m_pChildren->size(); i-- > 0;) {
            CQVUIObject* pChild = (*m_pChildren)[i];
            if (pChild && pChild->OnHitTest(PointFor(pChild, pt, ptView))) {
                m_pHover = pChild;
                break;
            }
        }
    }
    CQVUIObjectGuard guard(this);
    if (m_pPrevHover && m_pPrevHover != m_pHover) {
        m_pPrevHover->OnMouseLeave();
        if (!guard) return 0;
    }
    if (!m_pHover) {
        InternalDelToolTip();
        return 0;
    }
    return m_pHover->OnMouseMove(PointFor(m_pHover, pt, ptView));
}

template <class T>
int CQVUIWindow<T>::OnLButtonDown(const CPoint& pt) {
    if (!m_pHover) return 0;
    CPoint ptView = pt;
    HostWindowToLogicView(ptView);
    return m_pHover->OnLButtonDown(PointFor(m_pHover, pt, ptView));
}

template <class T>
int CQVUIWindow<T>::OnLButtonUp(const CPoint& pt) {
    if (!m_pHover) return 0;
    CPoint ptView = pt;
    HostWindowToLogicView(ptView);
    return m_pHover->OnLButtonUp(PointFor(m_pHover, pt, ptView));
}

template <class T>
BOOL CQVUIWindow<T>::CreateToolTipCtrl() {
    if (m_ToolTip.GetSafeHwnd()) return TRUE;
    return m_ToolTip.Create(HostCWnd(), TTS_ALWAYSTIP);
}

template <class T>
void CQVUIWindow<T>::RelayToolTipCtrlMsg(MSG* pMsg) {
    if (m_ToolTip.GetSafeHwnd() && pMsg) m_ToolTip.RelayEvent(pMsg);
}

template <class T>
void CQVUIWindow<T>::InternalSetToolTip(const CString& strText) {
    CWnd* pHost = HostCWnd();
    if (!m_ToolTip.GetSafeHwnd() || !pHost->GetSafeHwnd()) return;
    m_ToolTip.DelTool(pHost, 0);
    m_ToolTip.AddTool(pHost, strText, nullptr, 0);
    m_ToolTip.Activate(TRUE);
}

template <class T>
void CQVUIWindow<T>::InternalDelToolTip() {
    CWnd* pHost = HostCWnd();
    if (!m_ToolTip.GetSafeHwnd() || !pHost->GetSafeHwnd()) return;
    m_ToolTip.Activate(FALSE);
    m_ToolTip.DelTool(pHost, 0);
}

template <class T>
CPoint CQVUIWindow<T>::GetViewOffset() {
    CWnd* pHost = HostCWnd();
    if (!pHost->GetSafeHwnd()) return CPoint(0, 0);
    return CPoint(pHost->GetScrollPos(SB_HORZ), pHost->GetScrollPos(SB_VERT));
}
