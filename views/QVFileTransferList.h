// The list of file transfers beside a chat: one 56-pixel row per file sent or received, with its icon,
// name, status line, progress and underlined links.
#pragma once

#include "RIZuruzezuDef.h"
#include "QVFileTransferListLayout.h"

#include <afxcmn.h>

#include <cstring>
#include <map>
#include <string>

class CQVSkinOtherRes;
class CQVSkinColorDef;

#define WM_QV_TRANSFERLINK (WM_USER + 1510)  // 0x9E6 to the parent: link type / tagTransferFileItem*

// The chat logic owns the transfers: it adds a row per transfer, reports statuses and progress, and
// gets the user's link clicks as WM_QV_TRANSFERLINK (any link but open and open folder, which the list
// opens itself through QVUIShellExecute; an empty destination opens nothing). The message is sent on
// the release over a link, whatever was pressed; the owner may delete the row, clear the list or
// destroy the window while handling it.
//
// Rows are addressed by id; unknown ids are ignored by every call. The scroll position is the scroll
// bar's own. 0x7E9 is answered with 1; on 0x7EA the fonts and every row's texts are made again from
// the stored state.
class RIZ_API CQVFileTransferList : public CWnd {
    DECLARE_DYNAMIC(CQVFileTransferList)
public:
    CQVFileTransferList();
    ~CQVFileTransferList() override;

    // Registers "QVTransferFileList" and creates the window; 0 when the class cannot be registered.
    int Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // A row with the same id is reused in its place with new links; otherwise the row is appended. The
    // new row is painted when its bottom edge is visible, else the list scrolls to show it at the bottom.
    void AddItem(const GUID& id, const CString& strFileName, const unsigned __int64& nSize, int bSend,
                 int bFolder, int bOffline);
    int DelItem(const GUID& id);
    void SetItemStatus(const GUID& id, TransferFileStatus status, const CString& strDetail);
    // Taken only while the row is transferring; the percent is kept within 0 ... 100 when drawn.
    void UpdateTransferProgress(const GUID& id, const unsigned __int64& nTransferred, int nPercent,
                                float fSpeedKBps);
    void SetItemTransferType(const GUID& id, TransferType type);
    void SetItemDestFile(const GUID& id, const CString& strPath);
    tagTransferFileItem* FindItem(const GUID& id, int* pIndex = NULL) const;

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    tagTransferFileItem* GetItem(int nIndex) const;
    FileTransferListHitTextResult GetHover() const { return m_hover; }
    // The vertical scroll position (the scroll bar's, 0 without one).
    int GetScrollPosition() const;

    // Overridable steps, in the order the list calls them.
    virtual void LayoutItem(int nIndex);
    virtual void OnItemStatusUpdated(tagTransferFileItem* pItem);
    virtual void DrawItem(CDC* pDC, int nIndex);
    virtual void DrawProgress(CDC* pDC, const CRect& rcBar, int nPercent);

protected:
    int FindIndex(const GUID& id) const;
    // Lays out every row over the client width; the view rectangle and the scroll bar follow.
    void LayoutAll();
    // The view rectangle and the scroll bar's range, page and position (-1: the current one).
    void UpdateViewAndScrollBar(int nPos = -1);
    // The shell's icon of a name, asked once per extension.
    void FindIcon(const CString& strFileName, bool bFolder, HIMAGELIST* phList, int* pnIndex);
    // Invalidates a rectangle of list coordinates, moved up by the scroll position.
    void InvalidateListRect(const CRect& rcList);
    void ScrollTo(int nPos);
    void MakeFonts();
    int MeasureLink(const CString& strText);
    QVTransferMeasure Measure();
    // Opens a path with the shell ("open", SW_SHOWNORMAL); nothing for an empty path.
    void LaunchPath(const CString& strPath);

    // The rows that meet rcClip (client coordinates), over a background already white.
    void PaintRows(CDC* pDC, const CRect& rcClip);

    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    struct CGuidLess {
        bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
    };
    void IndexRows();

    QVTransferItems m_items;
    std::map<GUID, int, CGuidLess> m_rowOfId;  // all 16 bytes compared; rebuilt when a row is removed
    FileTransferListHitTextResult m_hover;
    int m_bTracking = FALSE;
    CRect m_rcView;  // the client rectangle with its height replaced by 56 x the row count
    CQVSkinOtherRes* m_pOtherRes = nullptr;
    CQVSkinColorDef* m_pColorDef = nullptr;
    CImageList m_imageList;  // the shell's large file-type icons: attached, detached, never destroyed

    CFont m_fontName;    // bold
    CFont m_fontStatus;  // normal
    CFont m_fontLink;    // underlined
    std::map<std::basic_string<TCHAR>, int> m_linkWidths;
    std::map<std::basic_string<TCHAR>, std::pair<HIMAGELIST, int>>
        m_icons;  // by extension  // measured in m_fontLink, so a relayout stays arithmetic
};
