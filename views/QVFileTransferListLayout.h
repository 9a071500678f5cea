// The rows of the file transfer list and their arithmetic: the link sets by position, the status
// table, row and link rectangles, hit tests by division and the scroll steps. No window, no DC: texts
// come through a lookup and link widths through a measure that the caller passes in.
#pragma once

#include "RIZuruzezuDef.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

enum TransferFileStatus {
    QVTFS_WAIT = 0,  // waiting for the other side to accept (sending) or for the user (receiving)
    QVTFS_NONE = 1,  // no display effect
    QVTFS_REFUSED = 2,
    QVTFS_CONNECTING = 3,
    QVTFS_TRANSFERRING = 4,  // the only status in which progress updates are taken
    QVTFS_FINISHED = 5,
    QVTFS_CANCELLED = 6,
    QVTFS_FAILED = 7
};

enum TransferType { QVTT_NONE = 0, QVTT_DIRECT = 1, QVTT_RELAY = 2, QVTT_OFFLINE = 3 };

// One underlined text link of a row. Links are addressed by their position in the row, hidden ones
// counted.
struct tagFileTransferListButton {
    enum ButtonType {
        BT_NONE = 0,
        BT_SAVE = 1,
        BT_SAVEAS = 2,
        BT_CANCEL = 3,
        BT_OPEN = 4,         // opens the received file; handled by the list
        BT_OPEN_FOLDER = 5,  // opens the folder of the received file; handled by the list
        BT_SEND_OFFLINE = 6,
        BT_RETRY = 7,
        BT_RECV_NEXT = 8
    };
    CRect rect;
    CString text;
    ButtonType type = BT_NONE;
    int visible = 0;
};

// One row: a transfer's display state. Rectangles are in list coordinates (row i starts at 56 * i),
// not moved by the scroll position.
struct tagTransferFileItem {
    GUID id = {};
    CString strFileName;
    CString strDestFile;
    int bSend = 0;
    unsigned __int64 nFileSize = 0;
    unsigned __int64 nTransferred = 0;
    int nPercent = 0;  // 0 ... 100
    TransferFileStatus status = QVTFS_WAIT;
    CString strStatusText;
    CString strStatusDetail;
    CString strSpeedText;
    TransferType transferType = QVTT_NONE;
    int bFolder = 0;
    HIMAGELIST hIconList = NULL;  // the shell's list, never destroyed by the row
    int nIconIndex = -1;
    CRect rcItem, rcIcon, rcName, rcStatus, rcProgress, rcProgressText, rcSpeed;
    std::vector<tagFileTransferListButton> links;
};

// The row and link under a point; -1 for either when nothing is there. The link index is a position.
struct FileTransferListHitTextResult {
    int nItem = -1;
    int nLink = -1;
    bool operator==(const FileTransferListHitTextResult& o) const {
        return nItem == o.nItem && nLink == o.nLink;
    }
    bool operator!=(const FileTransferListHitTextResult& o) const { return !(*this == o); }
};

typedef std::vector<std::unique_ptr<tagTransferFileItem>> QVTransferItems;
// The text of a language key ("IDS_QVC_SAVE" ...).
typedef std::function<CString(LPCTSTR lpszKey)> QVTransferLookup;
// The width of a link's text in the underlined link font.
typedef std::function<int(const CString& strText)> QVTransferMeasure;

enum {
    QVTFL_ROW_HEIGHT = 56,
    QVTFL_LINK_HEIGHT = 20,
    QVTFL_LINK_GAP = 10,
    QVTFL_OPEN_FOLDER_WIDTH = 80,  // the open-folder link's width before the links are laid out again
    // Masks of QVTransferSetLink: what a link change sets.
    QVTFL_LINK_VISIBLE = 1,
    QVTFL_LINK_TEXT = 2,
    QVTFL_LINK_TYPE = 4,
    QVTFL_LINK_WIDTH = 8
};

// The texts shown when the language table has none for their keys ("重试", "(中转方式)" ...) are kept as
// code page 936 bytes and converted for the build's character set.
RIZ_API CString QVTransferGbkText(const char* pszGbk);
// The text of a link type: a language key's text through the lookup ("IDS_QVC_SAVE" ...
// "IDS_QVC_RECV_NEXT"). Send-as-offline, retry and receive-next fall back to their fixed texts when the
// lookup does not know their keys.
RIZ_API CString QVTransferLinkText(int nType, const QVTransferLookup& lookup);
// The suffix appended to several status texts, through the lookup ("IDS_QVC_VIA_DIRECT", "_RELAY",
// "_OFFLINE"), else the fixed "(P2P直连)", "(中转方式)", "(离线文件)"; nothing for other types.
RIZ_API CString QVTransferSuffix(int nTransferType, const QVTransferLookup& lookup = QVTransferLookup());

// The links of a new row, in order: save (shown only when receiving); for a file, send-as-offline when
// sending or save-as when receiving; cancel; for an offline receive, receive-next-time. Texts through
// the lookup; rectangles empty until laid out.
RIZ_API std::vector<tagFileTransferListButton> QVTransferLinkSet(bool bSend, bool bFolder, bool bOffline,
                                                                 const QVTransferLookup& lookup);

// Changes the link at a position (0 ... 2 only; others are ignored) or the first link of a type, by mask.
// FALSE when no link was addressed.
RIZ_API BOOL QVTransferSetLink(tagTransferFileItem& item, int nPos, UINT nMask, int bVisible,
                               const CString& text, int nType, int nWidth);
RIZ_API BOOL QVTransferSetLinkOfType(tagTransferFileItem& item, int nOfType, UINT nMask, int bVisible,
                                     const CString& text, int nType, int nWidth);

// Row i's rectangles over the client width, then its links.
RIZ_API void QVTransferLayoutItem(tagTransferFileItem& item, int nIndex, const CRect& rcClient,
                                  const QVTransferMeasure& measure);
// The visible links right-aligned on the row's bottom line from R - 10, 10 pixels apart, in list order.
RIZ_API void QVTransferLayoutLinks(tagTransferFileItem& item, const QVTransferMeasure& measure);

// Runs the status table for the row's status: its status text and link changes. The links are laid out
// again; the rectangles that must be painted again (old and new places of changed links, and the
// speed rectangle or the row where the table says so) are appended to pDirty, in list coordinates.
RIZ_API void QVTransferApplyStatus(tagTransferFileItem& item, const QVTransferLookup& lookup,
                                   const QVTransferMeasure& measure, std::vector<CRect>* pDirty);

// The progress text of a transferring row, "5.00 MB/10.00 MB (中转方式)", the suffix as QVTransferSuffix.
RIZ_API CString QVTransferAmountText(unsigned __int64 nTransferred, unsigned __int64 nSize, int nTransferType,
                                     const QVTransferLookup& lookup = QVTransferLookup());
// "%.02f KB/S" of the speed.
RIZ_API CString QVTransferSpeedText(float fSpeedKBps);
// Width of a progress bar's filled part: width * percent / 100, the percent kept within 0 ... 100.
RIZ_API int QVTransferProgressFill(int nWidth, int nPercent);

// The row and link under a point in list coordinates (the window point moved down by the scroll
// position): the row by division, then its first visible link containing the point.
RIZ_API FileTransferListHitTextResult QVTransferHitTest(const QVTransferItems& items, CPoint ptList);
// The rows that meet the band [yTop, yBottom) of list coordinates: first and one past the last.
RIZ_API void QVTransferRowsIn(int yTop, int yBottom, int nCount, int* pFirst, int* pEnd);

// The vertical scroll bar of a view of cyView pixels in a client of cyClient: shown when the view is
// higher, with the range 0 ... cyView and a page of cyClient.
struct QVTransferScrollBar {
    bool bShow = false;
    int nMax = 0;
    int nPage = 0;
};
RIZ_API QVTransferScrollBar QVTransferScrollFor(int cyView, int cyClient);
// The furthest position the platform allows: max - page + 1, never below min.
inline int QVTransferScrollLimit(int nMin, int nMax, int nPage) {
    const long long nLimit = static_cast<long long>(nMax) - (nPage > 0 ? nPage - 1 : 0);
    return static_cast<int>(std::max<long long>(nMin, nLimit));
}
// The position a WM_VSCROLL code leads to (nTrack is the 32-bit track position); the position itself
// for codes that do not move.
RIZ_API int QVTransferScrollTarget(int nCode, int nPos, int nTrack, int nMin, int nMax, int nPage);
// The position after a wheel delta (positive deltas move up), within the range.
RIZ_API int QVTransferWheelTarget(int nPos, int nDelta, int nMin, int nMax, int nPage);
// A scroll-bar query or update record for the fields in nMask.
inline SCROLLINFO QVScrollInfoFor(UINT nMask) {
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = nMask;
    return si;
}
// The position hWnd's vertical bar goes to for a WM_VSCROLL code (bWheel FALSE) or a wheel delta
// (bWheel TRUE); FALSE when the bar has no scroll info.
inline BOOL QVVertScrollTarget(HWND hWnd, int nCodeOrDelta, BOOL bWheel, int* pTarget) {
    SCROLLINFO si = QVScrollInfoFor(SIF_ALL);
    if (!::GetScrollInfo(hWnd, SB_VERT, &si)) return FALSE;
    // The track position has 32 bits; the message's own carries only 16.
    *pTarget =
        bWheel ? QVTransferWheelTarget(si.nPos, nCodeOrDelta, si.nMin, si.nMax, static_cast<int>(si.nPage))
               : QVTransferScrollTarget(nCodeOrDelta, si.nPos, si.nTrackPos, si.nMin, si.nMax,
                                        static_cast<int>(si.nPage));
    return TRUE;
}
// A rectangle of view coordinates in client coordinates at scroll position nPos.
inline CRect QVViewToClient(const CRect& rc, int nPos) {
    CRect moved = rc;
    moved.OffsetRect(0, -nPos);
    return moved;
}
// After adding a row: -1 when its bottom edge (window coordinates) lies inside the client area, else
// the position that puts that edge on the client area's bottom edge.
RIZ_API int QVTransferRevealPos(int nRowBottom, int nPos, int cyClient);
