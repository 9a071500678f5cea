// Rows of the contact list: the abstract item, a team (collapsible sub-group) and a user.
#pragma once

#include "IMListLayout.h"
#include "RIZuruzezuDef.h"

#include <map>
#include <vector>

class CQVBitmap;
class CQVSkinIMListRes;
class CIMGroupButton;
class CIMListTeamItem;

// A user's status as the client defines it. The list gives two rules meaning: a status above
// IMUS_AWAY counts as active (online count, order), and only IMUS_ONLINE shows the coloured pictures.
enum IMUserStatus : int {
    IMUS_UNKNOWN = 0,
    IMUS_OFFLINE = 1,
    IMUS_HIDDEN = 2,
    IMUS_AWAY = 3,
    IMUS_BUSY = 4,
    IMUS_IDLE = 5,
    IMUS_ONLINE = 6,
};

// The base of both row kinds: three rectangles in the list window's client coordinates, a title and the
// caller's data. Items are plain objects that draw into the DC their owner hands them.
class RIZ_API CIMListItem {
public:
    CIMListItem() = default;
    CIMListItem(const CIMListItem& other) = default;
    CIMListItem& operator=(const CIMListItem& other) = default;

    // Virtual operations in slot order: clients override them.
    virtual int GetClassID() const { return 0; }
    virtual bool IsKindOf(int nClassID) const { return nClassID == 0; }
    virtual ~CIMListItem();
    virtual void SetRect(const CRect& rc);
    virtual void Draw(CDC* pDC, int bHot);
    virtual void Offset(int dx, int dy);
    virtual void SetBigImage(int bBig) { m_bBigImage = bBig; }

    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }
    const CString& GetTitle() const { return m_strTitle; }
    const CRect& GetRect() const { return m_rcItem; }
    const CRect& GetImageRect() const { return m_rcImage; }
    const CRect& GetTextRect() const { return m_rcText; }
    int IsBigImage() const { return m_bBigImage; }
    void SetItemData(DWORD dwData) { m_dwItemData = dwData; }
    DWORD GetItemData() const { return m_dwItemData; }

    BOOL MouseInItem(const CPoint& pt) const { return m_rcItem.PtInRect(pt); }
    BOOL MouseInItemImage(const CPoint& pt) const { return m_rcImage.PtInRect(pt); }

protected:
    CString m_strTitle;
    CRect m_rcItem;
    CRect m_rcImage;
    CRect m_rcText;
    int m_bBigImage = 0;
    DWORD m_dwItemData = 0;
};

// One contact: picture, name, signature and status; flashes while it has news.
class RIZ_API CIMListUserItem : public CIMListItem {
public:
    CIMListUserItem() = default;
    CIMListUserItem(const CIMListUserItem& other) = default;
    CIMListUserItem& operator=(const CIMListUserItem& other) = default;

    int GetClassID() const override { return 2; }
    bool IsKindOf(int nClassID) const override { return nClassID == 2 || CIMListItem::IsKindOf(nClassID); }
    ~CIMListUserItem() override;
    void SetRect(const CRect& rc) override;
    void Draw(CDC* pDC, int bHot) override;

    void SetParent(CIMListTeamItem* pTeam) { m_pParent = pTeam; }
    CIMListTeamItem* GetParent() const { return m_pParent; }
    void SetUserID(DWORD dwID) { m_dwUserID = dwID; }
    DWORD GetUserID() const { return m_dwUserID; }
    void SetUserIdiograph(const CString& strSignature) { m_strIdiograph = strSignature; }
    const CString& GetUserIdiograph() const { return m_strIdiograph; }
    // Only stores the status: a user inside a team changes it through the team's OnUserStatusChanged,
    // which keeps the order and the active count.
    void SetUserStatus(IMUserStatus nStatus) { m_nStatus = nStatus; }
    IMUserStatus GetUserStatus() const { return m_nStatus; }
    BOOL IsActive() const { return m_nStatus > IMUS_AWAY; }

    // Starts or stops flashing; the shake starts again from phase 0.
    void SetSparkling(int bSparkling) {
        m_bSparkling = bSparkling;
        m_nSparklePhase = 0;
    }
    int IsSparkling() const { return m_bSparkling; }
    int GetSparklePhase() const { return m_nSparklePhase; }
    // One frame of the flashing: the picture shaken around its place (phase advanced first).
    void Sparkle(CDC* pDC);
    // Where Sparkle draws the picture at a phase, relative to the image rect's top-left corner.
    static CPoint SparkleOffset(int nPhase);

    // The pictures belong to the list window's icon cache; the item never frees them.
    void SetUserIcon(CQVBitmap* pTiny, CQVBitmap* pBig, CQVBitmap* pGrayTiny, CQVBitmap* pGrayBig);
    CQVBitmap* GetTinyIcon() const { return m_pTinyIcon; }
    CQVBitmap* GetBigIcon() const { return m_pBigIcon; }
    CQVBitmap* GetGrayTinyIcon() const { return m_pGrayTinyIcon; }
    CQVBitmap* GetGrayBigIcon() const { return m_pGrayBigIcon; }
    // The picture a draw uses now: coloured only when online, big or tiny by the row size.
    CQVBitmap* GetCurrentIcon() const;
    const CRect& GetIconAnchor() const { return m_rcIconAnchor; }

protected:
    CIMListTeamItem* m_pParent = nullptr;
    DWORD m_dwUserID = 0;
    CString m_strIdiograph;
    IMUserStatus m_nStatus = IMUS_UNKNOWN;
    int m_bSparkling = 0;
    int m_nSparklePhase = 0;
    CRect m_rcIconAnchor;
    CQVBitmap* m_pTinyIcon = nullptr;
    CQVBitmap* m_pBigIcon = nullptr;
    CQVBitmap* m_pGrayTinyIcon = nullptr;
    CQVBitmap* m_pGrayBigIcon = nullptr;
};

// A collapsible sub-group of users, shown as "title (active/total)". Owns its users; a copy owns copies
// of them.
class RIZ_API CIMListTeamItem : public CIMListItem {
public:
    CIMListTeamItem();
    CIMListTeamItem(const CIMListTeamItem& other);
    CIMListTeamItem& operator=(const CIMListTeamItem& other);

    int GetClassID() const override { return 1; }
    bool IsKindOf(int nClassID) const override { return nClassID == 1 || CIMListItem::IsKindOf(nClassID); }
    ~CIMListTeamItem() override;
    void SetRect(const CRect& rc) override;
    void Draw(CDC* pDC, int bHot) override;
    void Offset(int dx, int dy) override;
    void SetBigImage(int bBig) override;
    virtual void DrawChilds(CDC* pDC, const CRect& rcClip);

    void SetParent(CIMGroupButton* pGroup) { m_pParent = pGroup; }
    CIMGroupButton* GetParent() const { return m_pParent; }

    // The icons belong to the list window.
    void SetImages(HICON hCollapsed, HICON hExpanded);
    int HasImages() const { return m_bHasImages; }

    // 0 (nothing changed, the caller keeps the user) when the id is already present or the user is null.
    int AddChild(CIMListUserItem* pUser);
    // Takes the user out without deleting it; a user that is not a child is left alone.
    void RemoveChild(CIMListUserItem* pUser);
    CIMListUserItem* FindUser(DWORD dwUserID) const;
    // Null for a position outside the children.
    CIMListUserItem* GetChild(int nIndex) const;
    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    int IndexOfChild(const CIMListUserItem* pUser) const;
    void OnUserStatusChanged(CIMListUserItem* pUser, IMUserStatus nNewStatus);

    void Expand(int bExpand) { m_bExpanded = bExpand; }
    int IsExpanded() const { return m_bExpanded; }
    const CRect& GetExpandRect() const { return m_rcExpand; }
    int GetActiveCount() const { return m_nActiveCount; }
    void IncreaseActiveCount() { ++m_nActiveCount; }
    void DecreaseActiveCount() { --m_nActiveCount; }
    // User row height: 44 with big pictures, else 24.
    int GetChildHeight() const { return IMListUserRowHeight(m_bBigImage); }

    int AdjustChilds();
    int CalcVirtualChilds(CRect& rcOut) const;
    BOOL MouseInExpandRect(const CPoint& pt) const { return m_rcExpand.PtInRect(pt); }
    // The child under the point (rows are evenly spaced, so this is arithmetic), -1 for none.
    int MouseInChild(const CPoint& pt, int& bInImage) const;
    // The team row text, "title (active/total)".
    CString GetDisplayText() const;

protected:
    void CopyFrom(const CIMListTeamItem& other);
    void DeleteChildren();
    void InsertOrdered(CIMListUserItem* pUser);

    CQVSkinIMListRes* m_pSkinRes = nullptr;
    CIMGroupButton* m_pParent = nullptr;
    std::vector<CIMListUserItem*> m_children;
    std::map<DWORD, CIMListUserItem*> m_users;
    int m_bExpanded = 0;
    CRect m_rcExpand;
    int m_nActiveCount = 0;
    int m_bHasImages = 0;
    HICON m_hCollapsed = NULL;
    HICON m_hExpanded = NULL;
};

// The default face at nPointSize tenths of a point, cached: the face name is read from "IDS_DEF_FONT"
// at each call, so a language change gives the next draw the new face.
RIZ_API CFont* AFXAPI IMListGetFont(int nPointSize);
