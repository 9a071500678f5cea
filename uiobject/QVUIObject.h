// The windowless UI object: a node of the tree of drawn objects that one host window routes its mouse,
// timer and paint messages through.
#pragma once

#include "QVAliveToken.h"
#include "RIZuruzezuDef.h"

#include <vector>

class CQVUIObject;

// Notification codes a kind sends to its parent's OnUIMessage (first argument: the sender's object id).
enum QVUIMessageCode {
    QVUIM_CLICKED = 1,  // wParam 0, lParam 0
    QVUIM_HOVER = 2,    // wParam QVUIH_RESTED when the pointer rested on the object, QVUIH_LEFT when it left
};
enum QVUIHoverReport {
    QVUIH_RESTED = 1,
    QVUIH_LEFT = 2,
};

// Tells whether an object was deleted while a call it made was running. A client may delete any object,
// its siblings or its parent from a notification; the object that notified checks the guard before it
// touches its own fields again.
class RIZ_API CQVUIObjectGuard {
public:
    explicit CQVUIObjectGuard(CQVUIObject* pObject);

    BOOL IsAlive() const { return m_token.IsAlive(); }
    explicit operator bool() const { return IsAlive() != FALSE; }

private:
    CQVAliveToken m_token;
};

// The base of every windowless object. A parent owns its children (deleted with it or by DeleteChild),
// paints them in insertion order (the first at the bottom) and hit-tests them topmost first. A child is
// painted relative to its parent's top-left corner, but hit-tested and invalidated with its own rect as
// it is (no parents' offsets): the two agree for children of the root, and a deeper child is best kept
// passive (a price label in a tile). Copies take the attributes only: a copy has no parent, no children
// and no hover child, and an assigned object keeps its own tree links. A deleted child is forgotten as
// the hover or previous hover child.
class RIZ_API CQVUIObject {
public:
    explicit CQVUIObject(CQVUIObject* pParent = nullptr);
    CQVUIObject(const CQVUIObject& other);
    CQVUIObject& operator=(const CQVUIObject& other);

    // Overridable steps, in this order (kinds and hosts derive).
    virtual ~CQVUIObject();
    virtual void Layout();
    virtual const CSize& GetPreferredSize();
    virtual int OnHitTest(const CPoint& pt);
    virtual int OnMouseMove(const CPoint& pt);
    virtual int OnLButtonDown(const CPoint& pt);
    virtual int OnLButtonUp(const CPoint& pt);
    virtual int OnLButtonDblClk(const CPoint& pt);
    virtual int OnMouseLeave();
    virtual int OnUIMessage(UINT nObjectID, UINT nCode, UINT wParam, LONG lParam);
    virtual int __OnTimer(UINT nTimerID);
    virtual void Render(CDC& dc, const CRect& rcClip);
    virtual void RenderBkground(CDC& dc, const CRect& rcClip);
    virtual void RenderChildren(CDC& dc, const CRect& rcClip);
    virtual void OnRender(CDC& dc, const CRect& rcClip);
    virtual HWND GetHostWnd();
    virtual CWnd* GetHostCWnd();
    virtual void LogicViewToHostWindow(CPoint& pt);
    virtual void LogicViewToHostWindow(CRect& rc);
    virtual void HostWindowToLogicView(CPoint& pt);
    virtual void HostWindowToLogicView(CRect& rc);

    // The tree. AddChild takes ownership (add each object once, to one parent; NULL is refused).
    BOOL AddChild(CQVUIObject* pChild);
    BOOL DeleteChild(CQVUIObject* pChild);
    BOOL DeleteChild(UINT nObjectID);
    void DeleteAllChildren();
    CQVUIObject* FindChild(UINT nObjectID) const;  // direct children only
    CQVUIObject* GetParent() const { return m_pParent; }
    int GetChildCount() const { return m_pChildren ? static_cast<int>(m_pChildren->size()) : 0; }
    CQVUIObject* GetChild(int nIndex) const;
    // The child the last mouse move hit, and the one before it (NULL when none or deleted since).
    CQVUIObject* GetHoverChild() const { return m_pHover; }
    CQVUIObject* GetPrevHoverChild() const { return m_pPrevHover; }

    // Geometry: SetObjectPos sets (x, y, x + cx, y + cy) and runs Layout; it does not repaint.
    void SetObjectPos(int x, int y, int cx, int cy);
    const CRect& GetObjectRect() const { return m_rcObject; }
    void SetObjectID(UINT nID) { m_nObjectID = nID; }
    UINT GetObjectID() const { return m_nObjectID; }

    // Attributes. SetVisible and SetEnable repaint when the value changes; the other setters only store.
    void SetVisible(BOOL bVisible);
    BOOL IsVisible() const { return m_bVisible; }
    void SetEnable(BOOL bEnable);
    BOOL IsEnable() const { return m_bEnabled; }
    void SetAllowScroll(BOOL bAllow) { m_bAllowScroll = bAllow; }
    BOOL GetAllowScroll() const { return m_bAllowScroll; }
    void SetBackgroundColor(COLORREF clr) { m_clrBackground = clr; }
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    void SetTransparent(BOOL bTransparent) { m_bTransparent = bTransparent; }
    BOOL IsTransparent() const { return m_bTransparent; }
    void SetToolTip(const CString& strToolTip) { m_strToolTip = strToolTip; }
    const CString& GetToolTip() const { return m_strToolTip; }

    // Invalidates the object rect (or rc) in the host window, moved by the host's scroll position when
    // the object scrolls. Nothing happens without a host.
    void UIInvalidate(BOOL bErase = TRUE);
    void UIInvalidateRect(const CRect& rc, BOOL bErase = TRUE);

protected:
    virtual void InternalSetToolTip(const CString& strText);
    virtual void InternalDelToolTip();

    void SetParent(CQVUIObject* pParent) { m_pParent = pParent; }
    // Sends a notification with this object's id to the parent; 0 without a parent.
    int NotifyParent(UINT nCode, UINT wParam = 0, LONG lParam = 0);
    // Takes a timer id and starts a timer on the host window; 0 (no timer) without a host. A thread
    // timer (SetTimer on no window) would never be killed, so none is made.
    UINT StartHostTimer(UINT nElapse);
    // Kills a timer started by StartHostTimer and clears the id; nothing for id 0.
    void StopHostTimer(UINT& nTimerID);
    // Whether any part of this object or of its visible descendants may paint inside rcBox, given in
    // this object's parent's coordinates (the DC's clip box while its children are painted).
    BOOL MayPaintIn(const CRect& rcBox) const;
    // How far a kind's drawing may reach outside its rect (pen widths, lines on the right and bottom
    // coordinates, an icon larger than the object); painting skips only objects farther than this from
    // the DC's clip box.
    void SetPaintOutset(int nOutset);
    int GetPaintOutset() const { return m_nPaintOutset; }
    // Tells painting that rects, visibility, outsets or the tree changed. SetObjectPos, SetVisible and
    // the tree operations call it; a kind that changes a rect anywhere else calls it too.
    static void GeometryChanged();

    UINT m_nObjectID = 0;
    CRect m_rcObject = CRect(0, 0, 0, 0);
    CQVUIObject* m_pParent = nullptr;
    std::vector<CQVUIObject*>* m_pChildren = nullptr;
    CQVUIObject* m_pHover = nullptr;
    CQVUIObject* m_pPrevHover = nullptr;
    BOOL m_bVisible = TRUE;
    BOOL m_bEnabled = TRUE;
    BOOL m_bAllowScroll = TRUE;
    CSize m_sizePreferred = CSize(0, 0);
    COLORREF m_clrBackground = RGB(255, 255, 255);
    BOOL m_bTransparent = FALSE;
    CString m_strToolTip;
    BOOL m_bToolTipShown = FALSE;

private:
    friend class CQVUIObjectGuard;
    // Clears the hover references to a child that is going away.
    void ForgetChild(CQVUIObject* pChild);

    // The area this object and its visible descendants may paint, in its parent's coordinates.
    CRect GetPaintReach() const;
    // Paints the children that may reach rcBox in insertion order, found through an index of their
    // reach sorted by top (built again after any geometry change), so that a screenful costs the same
    // among 100 or 100,000 children.
    void RenderIndexed(CDC& dc, const CRect& rcClip, const CRect& rcBox);

    struct CPaintIndex;
    int m_nPaintOutset = 1;
    CPaintIndex* m_pPaintIndex = nullptr;
    CQVAliveFlag m_alive;  // ends the guards' tokens when the object goes
    bool m_bHeld = false;  // in its parent's sequence (so AddChild and the destructor search only then)
};
