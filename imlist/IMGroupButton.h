// One top-level group of the contact list: a sliding button bar and, while open, its teams and users.
#pragma once

#include "IMListItem.h"
#include "IMScrollBar.h"

#include <vector>

// A plain object created, placed and driven by CIMListWnd. Owns its children (teams, or users placed
// straight in the group); a copy owns copies of them.
class RIZ_API CIMGroupButton {
public:
    enum { TEAM_ROW = IMLIST_TEAM_ROW, ROW_STEP = IMLIST_ROW_STEP };
    static constexpr COLORREF FLASH_KEY = RGB(199, 228, 255);  // key colour of the blinking picture
    enum { MOVE_NONE = 0, MOVE_UP = 1, MOVE_DOWN = 2 };

    CIMGroupButton();
    CIMGroupButton(const CIMGroupButton& other);
    CIMGroupButton& operator=(const CIMGroupButton& other);
    virtual ~CIMGroupButton();

    int IsBigImage() const { return m_bBigImage; }
    void SetBigImage(int bBig);
    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }
    const CString& GetTitle() const { return m_strTitle; }

    // The icons belong to the list window.
    void SetImages(HICON hCollapsed, HICON hExpanded);
    int HasImages() const { return m_bHasImages; }

    // Geometry.
    void SetRect(const CRect& rc);
    const CRect& GetRect() const { return m_rcButton; }
    const CRect& GetTextRect() const { return m_rcText; }
    const CRect& GetSparkleIconRect() const { return m_rcFlashIcon; }
    void SetDestRect(const CRect& rc);
    const CRect& GetDestRect() const { return m_rcDest; }
    void SetExpandRect(const CRect& rc);
    const CRect& GetExpandRect() const { return m_rcExpand; }
    void AdjustChilds();
    void OffsetChildsRect(int dx, int dy);
    void CalcVirtualExpandRect(CRect& rcOut) const;
    int GetMoveDirection() const { return m_nMoveDirection; }
    BOOL HasAnimation() const { return m_nMoveDirection != MOVE_NONE; }
    // Ends a slide at once: the button takes its destination.
    void StopAnimation();

    void Expand(int bExpand) { m_bExpanded = bExpand; }
    int IsExpanded() const { return m_bExpanded; }
    void SetCurrentItem(int nItem) { m_nCurrentItem = nItem; }
    int GetCurrentItem() const { return m_nCurrentItem; }

    // Children.
    void AddChild(CIMListItem* pItem);
    void RemoveChild(CIMListItem* pItem);
    void DeleteAllChilds();
    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    CIMListItem* GetChild(int nIndex) const;
    int IndexOfChild(const CIMListItem* pItem) const;
    std::vector<CIMListItem*>::const_iterator GetItemBeginIt() const { return m_children.begin(); }
    std::vector<CIMListItem*>::const_iterator GetItemVecEndIt() const { return m_children.end(); }
    CIMListTeamItem* FindTeamItem(const CString& strTitle) const;
    CIMListTeamItem* FindTeamItem(DWORD dwItemData) const;
    CIMListUserItem* FindUserItem(const CString& strTitle) const;

    // Hit tests.
    BOOL MouseInButton(const CPoint& pt) const { return m_rcButton.PtInRect(pt); }
    BOOL MouseInSparkleItem(const CPoint& pt) const { return m_rcFlashIcon.PtInRect(pt); }
    BOOL MouseInExpandRect(const CPoint& pt) const { return m_rcExpand.PtInRect(pt); }
    CIMScrollBar::ScrollBarArea MouseInScrollBar(const CPoint& pt) const {
        return m_scrollBar.MouseInWhere(pt);
    }
    int MouseInChild(const CPoint& pt, int& nTeam, int& nUser, int& bInImage) const;

    // Drawing.
    void Draw(CDC* pDC, int bHot);
    void DrawChilds(CDC* pDC);
    void DrawScrollBar(CDC* pDC, CIMScrollBar::ScrollBarArea nHot) { m_scrollBar.Draw(pDC, nHot); }
    void DrawScrollBarPart(CDC* pDC, CIMScrollBar::ScrollBarArea nPart, int bHot);
    int Animation(CDC* pDC, int nStep);
    int SparkleItem(CDC* pDC, std::vector<CRect>& rects, int bHot);
    int GetSparkleCounter() const { return m_nFlashCounter; }

    // Flashing users (not owned).
    void AddSparkleItem(CIMListUserItem* pUser);
    void RemoveSparkleItem(CIMListUserItem* pUser);
    int GetSparkleItemCount() const { return static_cast<int>(m_sparkling.size()); }
    CIMListUserItem* GetSparkleItem(int nIndex) const;

    CIMScrollBar& GetScrollBar() { return m_scrollBar; }
    const CIMScrollBar& GetScrollBar() const { return m_scrollBar; }

protected:
    void CopyFrom(const CIMGroupButton& other);
    void PlaceButton(const CRect& rc);

    int m_bBigImage = 0;
    CString m_strTitle;
    CRect m_rcButton;
    CRect m_rcFlashIcon;
    CRect m_rcDest;
    CRect m_rcText;
    CRect m_rcExpand;
    int m_nMoveDirection = MOVE_NONE;
    int m_bExpanded = 0;
    int m_nCurrentItem = -1;
    std::vector<CIMListItem*> m_children;
    std::vector<CIMListUserItem*> m_sparkling;
    CIMScrollBar m_scrollBar;
    int m_nFlashCounter = 0;
    CQVSkinIMListRes* m_pSkinRes = nullptr;
    int m_bHasImages = 0;
    HICON m_hExpanded = NULL;
    HICON m_hCollapsed = NULL;
};
