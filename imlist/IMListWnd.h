// The contact list: stacked group buttons, the open group's teams and users, flashing and scrolling.
#pragma once

#include "IMGroupButton.h"
#include "IMListLayout.h"
#include "QVAliveToken.h"

#include <map>
#include <vector>

// The four pictures of one picture number, shared by every user that shows it.
struct tagQVIMListIconData {
    CQVBitmap bmpBig;
    CQVBitmap bmpTiny;
    CQVBitmap bmpGrayBig;
    CQVBitmap bmpGrayTiny;
};

// Clients derive and override the callbacks; the window sends nothing to its parent. It paints
// straight into the window (no off-screen surface) and answers WM_PRINTCLIENT with the same picture.
class RIZ_API CIMListWnd : public CWnd {
    DECLARE_DYNAMIC(CIMListWnd)
public:
    enum {
        TIMER_ANIMATION = 1,  // 20 ms while buttons slide
        TIMER_REPEAT = 2,     // 100 ms while a scroll-bar arrow or the track is held
        TIMER_SPARKLE = 3,    // 300 ms while a user flashes
        ANIMATION_STEP = 50,
    };

    CIMListWnd();
    ~CIMListWnd() override;

    using CWnd::CreateEx;
    // Registers "TMB_LIST" and creates the window with it; lpszClassName is ignored.
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr) override;

    void SetBigIconMode(int bBig);
    int IsBigIconMode() const { return m_bBigIconMode; }
    void SetBackColor(COLORREF clr) { m_clrBack = clr; }
    COLORREF GetBackColor() const { return m_clrBack; }

    // Content. bRedraw repaints the current group when the affected team or group is open.
    CIMGroupButton* AddGroup(const CString& strTitle, int bRedraw);
    // Null (nothing added) when the group is not found.
    CIMListTeamItem* AddTeam(const CString& strGroupTitle, const CString& strTeamTitle, int bRedraw);
    CIMListTeamItem* AddTeam(const CString& strTeamTitle, CIMGroupButton* pGroup, int bRedraw);
    // A team that is not a child of the group is neither removed nor deleted.
    void DelTeam(CIMListTeamItem* pTeam, CIMGroupButton* pGroup, int bRedraw);
    // Null (the new user deleted) when the team is null or already has the id.
    CIMListUserItem* AddUser(DWORD dwID, const CString& strName, const CString& strSignature, WORD wPicture,
                             IMUserStatus nStatus, CIMListTeamItem* pTeam, int bRedraw);
    int AddUser(CIMListUserItem* pUser, CIMListTeamItem* pTeam, int bRedraw);
    // A user that is not in the team is neither removed nor deleted.
    void DelUser(CIMListUserItem* pUser, CIMListTeamItem* pTeam, int bRedraw);

    CIMGroupButton* FindGroup(const CString& strTitle) const;
    CIMListTeamItem* FindTeam(CIMGroupButton* pGroup, const CString& strTitle) const;
    CIMListTeamItem* FindTeam(const CString& strGroupTitle, const CString& strTeamTitle) const;
    CIMListUserItem* FindUser(CIMListTeamItem* pTeam, DWORD dwID) const;
    CIMListUserItem* FindUser(const CString& strGroupTitle, const CString& strTeamTitle, DWORD dwID) const;

    int SetSparkleItem(const CString& strGroupTitle, const CString& strTeamTitle, DWORD dwID, int bSparkle);
    int SetSparkleItem(CIMGroupButton* pGroup, CIMListTeamItem* pTeam, CIMListUserItem* pUser, int bSparkle);

    void SetCurrentGroup(int nIndex, int bAnimate);
    int GetCurrentGroup() const { return m_nCurrentGroup; }
    int GetGroupCount() const { return static_cast<int>(m_groups.size()); }
    CIMGroupButton* GetGroup(int nIndex) const;
    void RedrawCurrentGroup();
    const CRect& GetExpandRect() const { return m_rcExpand; }
    int GetButtonHeight() const { return m_nButtonHeight; }

    HICON GetMaleFace() const { return m_hMaleFace; }
    HICON GetFemaleFace() const { return m_hFemaleFace; }

    // Overridable callbacks, in the order of their slots.
    virtual void OnGroupButtonClick(CIMGroupButton* pGroup);
    virtual void OnTeamItemClick(CIMListTeamItem* pTeam);
    virtual void OnUserItemClick(CIMListUserItem* pUser);
    virtual void OnGroupButtonDBClick(CIMGroupButton* pGroup);
    virtual void OnTeamItemDBClick(CIMListTeamItem* pTeam);
    virtual void OnUserItemDBClick(CIMListUserItem* pUser);
    virtual void OnUserItemMouseMove(CIMListUserItem* pUser);
    virtual void OnUserItemImageMouseMove(CIMListUserItem* pUser);
    virtual void OnUserItemImageMouseLeave();
    virtual void OnTeamItemMouseMove(CIMListTeamItem* pTeam);
    virtual void OnSparkleItemDBClick();

    // Seam for tests and benchmarks: the whole picture the window shows, drawn into any DC.
    void PaintAll(CDC* pDC);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnScrollNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void LoadResources();
    void FreeResources();
    tagQVIMListIconData* GetIconData(int nPicture);
    void DeleteIconCache();
    void DeleteAllGroups();

    void AdjustGroupBtnsRect(const CRect& rcClient, int bAnimate);
    void ChangeCurrentGroup(int nIndex, int bAnimate, int bByClick);
    void GroupButtonClick(int nIndex);
    void CalcGroupBtnsRect(int nFirst, int nLast, int bClear, CRect& rc) const;
    void StopAllAnimation();
    void TeamItemClick(CIMListTeamItem* pTeam);
    void UserItemClick(CIMListUserItem* pUser);

    // The item a position names, or null.
    CIMListItem* GetItemAt(const tagIMListItemPos& pos) const;
    void DrawItemAt(CDC* pDC, const tagIMListItemPos& pos, int bHot);
    void RedrawInvalidGroupBtns(CDC* pDC, const CRect& rcItem);
    void ResetHover();
    // Lays out the current group again without letting its scroll bar's reports move its rows twice.
    void LayoutCurrentGroup();
    void KillTimerIf(UINT& nTimer);
    BOOL IsGroupCurrent(const CIMGroupButton* pGroup) const;
    // Hit-tests a point that arrived without a WM_MOUSEMOVE of its own (posted clicks).
    void HoverAt(UINT nFlags, const CPoint& pt);
    // After a callback: FALSE when the object is gone or its window destroyed, or when the content or
    // the open group changed (stale positions are then dropped).
    BOOL StillValid(const CQVAliveToken& alive, int nVersion);

private:
    // Steps of the handlers above.
    void BeginGroupChange(int nIndex);
    void OpenCurrentGroup(CIMGroupButton* pPrev, CIMGroupButton* pCurrent, int bAnimate);
    void SlideStep();
    void RepeatScroll();
    void SparkleStep();
    void DrawThumbOf(CIMGroupButton* pGroup);
    void DrawHoverGroupChange();
    // The callbacks of a move onto another row or picture; FALSE when the caller must stop (StillValid).
    BOOL ReportHoverItem(const CQVAliveToken& alive, int nVersion);
    BOOL ReportItemEntered(const CQVAliveToken& alive, int nVersion);
    // FALSE when the window went away while the bar reported its new position.
    BOOL DragThumb(CIMGroupButton* pCurrent, const CPoint& point, const CQVAliveToken& alive);
    void TrackLeave();

protected:
    std::vector<CIMGroupButton*> m_groups;
    int m_nCurrentGroup = -1;
    int m_nPrevGroup = -1;
    int m_bTracking = 0;
    int m_nAnimFirst = -1;
    int m_nAnimLast = -1;
    UINT m_nAnimTimer = 0;
    COLORREF m_clrBack = RGB(255, 255, 255);
    int m_nPrevHoverGroup = -1;
    int m_nHoverGroup = -1;
    tagIMListItemPos m_prevHover;
    tagIMListItemPos m_hover;
    tagIMListItemPos m_pressed;
    int m_nPressedGroup = -1;
    CIMScrollBar::ScrollBarArea m_nPrevArea = CIMScrollBar::SBA_NONE;
    CIMScrollBar::ScrollBarArea m_nArea = CIMScrollBar::SBA_NONE;
    int m_bSparkleIconHover = 0;
    CRect m_rcExpand;
    UINT m_nRepeatTimer = 0;
    int m_bThumbDrag = 0;
    UINT m_nSparkleTimer = 0;
    int m_bBigIconMode = 0;
    CQVSkinIMListRes* m_pSkinRes = nullptr;
    int m_nButtonHeight = 24;
    HICON m_hArrowExpand = NULL;
    HICON m_hArrowCollapse = NULL;
    HICON m_hMaleFace = NULL;
    HICON m_hFemaleFace = NULL;
    std::map<int, tagQVIMListIconData*> m_iconCache;

    CPoint m_ptLastMove = CPoint(-32768, -32768);
    int m_nLayoutDepth = 0;     // > 0 while the window lays a group out: scroll reports are not rows moving
    int m_nContentVersion = 0;  // changes whenever items are deleted: stale positions are dropped
    // A callback may delete the window object: the caller takes a token before and checks it after.
    CQVAliveFlag m_alive;
};
