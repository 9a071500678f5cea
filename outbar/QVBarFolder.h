// The outlook bar's model: a folder of items (or of one host window) and the items it lists.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxcmn.h>

// One entry of a folder: a label, an icon of the folder's image list and the caller's value.
class RIZ_API CXTBarItem {
public:
    CXTBarItem(LPCTSTR lpszName, int nImageIndex, DWORD dwData);
    virtual ~CXTBarItem();

    int m_nImageIndex = -1;  // below 0: no icon
    DWORD m_dwData = 0;
    CString m_strName;
};

// One folder of the bar: its header text, its items in display order, or a host window shown in
// their place. The folder owns its items; image lists and the child window stay the caller's.
class RIZ_API CQVBarFolder {
public:
    CQVBarFolder(LPCTSTR lpszName, DWORD dwData);
    virtual ~CQVBarFolder();  // deletes every item still held

    CString GetName() const { return m_strName; }
    void SetName(CString strName) { m_strName = strName; }
    DWORD GetData() const { return m_dwData; }
    void SetData(DWORD dwData) { m_dwData = dwData; }
    CImageList* GetLargeImageList() const { return m_pLargeImageList; }
    void SetLargeImageList(CImageList* pImageList) { m_pLargeImageList = pImageList; }
    CImageList* GetSmallImageList() const { return m_pSmallImageList; }
    void SetSmallImageList(CImageList* pImageList) { m_pSmallImageList = pImageList; }
    CWnd* GetChild() const { return m_pChild; }
    void SetChild(CWnd* pChild) { m_pChild = pChild; }

    int GetItemCount() const { return static_cast<int>(m_items.GetCount()); }
    // The item at nIndex, NULL outside 0..count-1. Walking the items in order costs one step each:
    // the folder keeps the position of the last item it looked up.
    CXTBarItem* GetItemAt(int nIndex) const;
    // A new item at nIndex (below 0 or past the count: appended); answers its position.
    int InsertItem(int nIndex, LPCTSTR lpszName, int nImageIndex, DWORD dwData);
    // Inserts pItem (the folder owns it from now on) at nIndex, appending when nIndex is not below the
    // count; answers its position, -1 for a NULL item.
    int InsertItemAt(int nIndex, CXTBarItem* pItem);
    // Unlinks the item at nIndex and gives it to the caller (not deleted); NULL for a bad index.
    CXTBarItem* RemoveItemAt(int nIndex);

    CString m_strName;
    DWORD m_dwData = 0;
    CImageList* m_pLargeImageList = NULL;  // NULL: the bar's large list
    CImageList* m_pSmallImageList = NULL;  // NULL: the bar's small list
    CWnd* m_pChild = NULL;                 // shown instead of items; NULL for an item folder
    BOOL m_bSmallIcons = FALSE;
    CPtrList m_items{10};  // CXTBarItem*, display order

private:
    // The list position of item nIndex (0 <= nIndex < count), stepping from the nearest of the head,
    // the tail and the last position looked up.
    POSITION PositionOf(int nIndex) const;
    void ForgetPosition() const { m_nCachedIndex = -1; }

    mutable int m_nCachedIndex = -1;
    mutable POSITION m_posCached = NULL;
};
