#include "QVFileTransferListLayout.h"

#include <climits>
#include <cstring>

namespace {

// Code page 936 bytes of the texts shown when the language table has none for their keys.
const char kGbkSendOffline[] = "\xB7\xA2\xCB\xCD\xC0\xEB\xCF\xDF\xCE\xC4\xBC\xFE";
const char kGbkRetry[] = "\xD6\xD8\xCA\xD4";
const char kGbkRecvNext[] = "\xCF\xC2\xB4\xCE\xBD\xD3\xCA\xD5";
const char kGbkDirect[] = "(P2P\xD6\xB1\xC1\xAC)";
const char kGbkRelay[] = "(\xD6\xD0\xD7\xAA\xB7\xBD\xCA\xBD)";
const char kGbkOffline[] = "(\xC0\xEB\xCF\xDF\xCE\xC4\xBC\xFE)";

typedef tagFileTransferListButton Link;

bool SameLink(const Link& a, const Link& b) {
    return a.rect == b.rect && a.visible == b.visible && a.type == b.type && a.text == b.text;
}

void SetText(tagTransferFileItem& item, const CString& strText) {
    item.strStatusText = strText;
}

// The text of a language key, or the fixed text when there is no lookup or the lookup does not know
// the key (the language table answers an unknown key with the key itself).
CString KeyedText(LPCTSTR lpszKey, const char* pszGbk, const QVTransferLookup& lookup) {
    if (lookup) {
        const CString strText = lookup(lpszKey);
        if (!strText.IsEmpty() && strText != lpszKey) return strText;
    }
    return QVTransferGbkText(pszGbk);
}

}  // namespace

CString QVTransferGbkText(const char* pszGbk) {
    if (!pszGbk || !*pszGbk) return CString();
    const int nWide = ::MultiByteToWideChar(936, 0, pszGbk, -1, NULL, 0);
    if (nWide <= 1) return CString();
    std::vector<wchar_t> wide(static_cast<size_t>(nWide));
    ::MultiByteToWideChar(936, 0, pszGbk, -1, wide.data(), nWide);
#ifdef _UNICODE
    return CString(wide.data());
#else
    // The build's code page is usually 936 itself; otherwise the text goes through UTF-16 into it.
    if (::GetACP() == 936) return CString(pszGbk);
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, NULL, 0, NULL, NULL);
    if (nBytes <= 1) return CString();
    std::vector<char> bytes(static_cast<size_t>(nBytes));
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, bytes.data(), nBytes, NULL, NULL);
    return CString(bytes.data());
#endif
}

CString QVTransferLinkText(int nType, const QVTransferLookup& lookup) {
    LPCTSTR lpszKey = NULL;
    switch (nType) {
    case Link::BT_SAVE:
        lpszKey = _T("IDS_QVC_SAVE");
        break;
    case Link::BT_SAVEAS:
        lpszKey = _T("IDS_QVC_SAVEAS");
        break;
    case Link::BT_CANCEL:
        lpszKey = _T("IDS_QVC_CANCEL");
        break;
    case Link::BT_OPEN:
        lpszKey = _T("IDS_QVC_OPEN");
        break;
    case Link::BT_OPEN_FOLDER:
        lpszKey = _T("IDS_QVC_OPEN_FOLDER");
        break;
    case Link::BT_SEND_OFFLINE:
        return KeyedText(_T("IDS_QVC_SEND_OFFLINE"), kGbkSendOffline, lookup);
    case Link::BT_RETRY:
        return KeyedText(_T("IDS_QVC_RETRY"), kGbkRetry, lookup);
    case Link::BT_RECV_NEXT:
        return KeyedText(_T("IDS_QVC_RECV_NEXT"), kGbkRecvNext, lookup);
    default:
        return CString();
    }
    return lookup ? lookup(lpszKey) : CString();
}

CString QVTransferSuffix(int nTransferType, const QVTransferLookup& lookup) {
    switch (nTransferType) {
    case QVTT_DIRECT:
        return KeyedText(_T("IDS_QVC_VIA_DIRECT"), kGbkDirect, lookup);
    case QVTT_RELAY:
        return KeyedText(_T("IDS_QVC_VIA_RELAY"), kGbkRelay, lookup);
    case QVTT_OFFLINE:
        return KeyedText(_T("IDS_QVC_VIA_OFFLINE"), kGbkOffline, lookup);
    default:
        return CString();
    }
}

std::vector<tagFileTransferListButton> QVTransferLinkSet(bool bSend, bool bFolder, bool bOffline,
                                                         const QVTransferLookup& lookup) {
    std::vector<Link> links;
    auto add = [&](Link::ButtonType type, bool bVisible) {
        Link link;
        link.type = type;
        link.visible = bVisible ? 1 : 0;
        link.text = QVTransferLinkText(type, lookup);
        links.push_back(link);
    };
    add(Link::BT_SAVE, !bSend);
    if (!bFolder) add(bSend ? Link::BT_SEND_OFFLINE : Link::BT_SAVEAS, true);
    add(Link::BT_CANCEL, true);
    if (!bSend && bOffline) add(Link::BT_RECV_NEXT, true);
    return links;
}

namespace {

void ChangeLink(Link& link, UINT nMask, int bVisible, const CString& text, int nType, int nWidth) {
    if (nMask & QVTFL_LINK_VISIBLE) link.visible = bVisible ? 1 : 0;
    if (nMask & QVTFL_LINK_TEXT) link.text = text;
    if (nMask & QVTFL_LINK_TYPE) link.type = static_cast<Link::ButtonType>(nType);
    if (nMask & QVTFL_LINK_WIDTH) link.rect.right = link.rect.left + nWidth;
}

}  // namespace

BOOL QVTransferSetLink(tagTransferFileItem& item, int nPos, UINT nMask, int bVisible, const CString& text,
                       int nType, int nWidth) {
    if (nPos < 0 || nPos > 2 || nPos >= static_cast<int>(item.links.size())) return FALSE;
    ChangeLink(item.links[static_cast<size_t>(nPos)], nMask, bVisible, text, nType, nWidth);
    return TRUE;
}

BOOL QVTransferSetLinkOfType(tagTransferFileItem& item, int nOfType, UINT nMask, int bVisible,
                             const CString& text, int nType, int nWidth) {
    for (Link& link : item.links) {
        if (link.type != nOfType) continue;
        ChangeLink(link, nMask, bVisible, text, nType, nWidth);
        return TRUE;
    }
    return FALSE;
}

void QVTransferLayoutItem(tagTransferFileItem& item, int nIndex, const CRect& rcClient,
                          const QVTransferMeasure& measure) {
    const long long top = static_cast<long long>(nIndex) * QVTFL_ROW_HEIGHT;
    const int T = static_cast<int>(std::min<long long>(top, INT_MAX - QVTFL_ROW_HEIGHT));
    const int L = rcClient.left, R = rcClient.right, B = T + QVTFL_ROW_HEIGHT;
    item.rcItem.SetRect(L, T, R, B);
    item.rcIcon.SetRect(L + 2, T, L + 34, T + 32);
    item.rcName.SetRect(L + 38, T + 2, R - 2, T + 18);
    item.rcStatus.SetRect(L + 38, T + 18, R - 2, T + 34);
    item.rcProgress.SetRect(L + 38, T + 18, L + 138, T + 34);
    item.rcProgressText.SetRect(L + 140, T + 18, R - 2, T + 34);
    item.rcSpeed.SetRect(L + 38, T + 36, L + 138, B - 2);
    QVTransferLayoutLinks(item, measure);
}

void QVTransferLayoutLinks(tagTransferFileItem& item, const QVTransferMeasure& measure) {
    int x = item.rcItem.right - QVTFL_LINK_GAP;
    for (auto it = item.links.rbegin(); it != item.links.rend(); ++it) {
        if (!it->visible) continue;
        const int cx = std::max(0, measure ? measure(it->text) : 0);
        it->rect.SetRect(x - cx, item.rcItem.bottom - QVTFL_LINK_HEIGHT, x, item.rcItem.bottom);
        x = it->rect.left - QVTFL_LINK_GAP;
    }
}

void QVTransferApplyStatus(tagTransferFileItem& item, const QVTransferLookup& lookup,
                           const QVTransferMeasure& measure, std::vector<CRect>* pDirty) {
    auto text = [&lookup](LPCTSTR lpszKey) { return lookup ? lookup(lpszKey) : CString(); };
    const CString strSuffix = QVTransferSuffix(item.transferType, lookup);
    const std::vector<Link> before = item.links;
    const bool bSend = item.bSend != 0;
    auto hide = [&item](int nPos) { QVTransferSetLink(item, nPos, QVTFL_LINK_VISIBLE, 0, CString(), 0, 0); };
    auto become = [&](int nPos, int nType, UINT nExtra, int nWidth) {
        QVTransferSetLink(item, nPos, QVTFL_LINK_VISIBLE | QVTFL_LINK_TEXT | QVTFL_LINK_TYPE | nExtra, 1,
                          QVTransferLinkText(nType, lookup), nType, nWidth);
    };
    auto dirty = [pDirty](const CRect& rc) {
        if (pDirty) pDirty->push_back(rc);
    };

    switch (item.status) {
    case QVTFS_WAIT:
        if (bSend)
            SetText(item, text(_T("IDS_QVC_WAIT_RECV")));
        else
            SetText(item, text(_T("IDS_QVC_REQUEST_RECV")) +
                              (item.transferType == QVTT_OFFLINE ? strSuffix : CString()));
        break;
    case QVTFS_NONE:
        return;
    case QVTFS_REFUSED:
        if (bSend) {
            SetText(item, text(_T("IDS_QVC_REFUSE_RECV")));
            hide(1);
        } else {
            dirty(item.rcSpeed);
        }
        break;
    case QVTFS_CONNECTING:
        SetText(item, text(_T("IDS_QVC_CREATE_CONN")));
        if (bSend) {
            hide(1);
        } else {
            hide(0);
            hide(1);
            QVTransferSetLinkOfType(item, Link::BT_RECV_NEXT, QVTFL_LINK_VISIBLE, 0, CString(), 0, 0);
            dirty(item.rcItem);
        }
        break;
    case QVTFS_TRANSFERRING:
        SetText(item, QVTransferAmountText(item.nTransferred, item.nFileSize, item.transferType, lookup));
        break;
    case QVTFS_FINISHED:
        if (bSend) {
            SetText(item, text(_T("IDS_QVC_SEND_FINISH")) + strSuffix);
        } else {
            SetText(item, text(_T("IDS_QVC_RECV_FINISH")) + strSuffix);
            become(0, Link::BT_OPEN, 0, 0);
            become(1, Link::BT_OPEN_FOLDER, QVTFL_LINK_WIDTH, QVTFL_OPEN_FOLDER_WIDTH);
        }
        break;
    case QVTFS_CANCELLED:
        SetText(item, text(_T("IDS_QVC_FILE_BE_CANCELED")) + strSuffix);
        if (!bSend) {
            hide(0);
            hide(1);
            dirty(item.rcSpeed);
        }
        break;
    case QVTFS_FAILED:
        SetText(item, text(bSend ? _T("IDS_QVC_SEND_FAIL") : _T("IDS_QVC_RECV_FAIL")) + item.strStatusDetail +
                          strSuffix);
        if (bSend || item.transferType == QVTT_OFFLINE) become(1, Link::BT_RETRY, 0, 0);
        break;
    default:
        return;
    }

    QVTransferLayoutLinks(item, measure);
    // A changed link, or one moved by another's new width, is painted again at both places.
    for (size_t i = 0; i < item.links.size() && i < before.size(); ++i) {
        if (SameLink(before[i], item.links[i])) continue;
        if (before[i].visible) dirty(before[i].rect);
        if (item.links[i].visible) dirty(item.links[i].rect);
    }
}

CString QVTransferAmountText(unsigned __int64 nTransferred, unsigned __int64 nSize, int nTransferType,
                             const QVTransferLookup& lookup) {
    // The format has the blank before the suffix, which a language's suffix may start with too.
    CString strSuffix = QVTransferSuffix(nTransferType, lookup);
    strSuffix.TrimLeft();
    CString strText;
    strText.Format(_T("%0.2f MB/%0.2f MB %s"), static_cast<double>(nTransferred) / 1048576.0,
                   static_cast<double>(nSize) / 1048576.0, strSuffix.GetString());
    return strText;
}

CString QVTransferSpeedText(float fSpeedKBps) {
    CString strText;
    strText.Format(_T("%.02f KB/S"), static_cast<double>(fSpeedKBps));
    return strText;
}

int QVTransferProgressFill(int nWidth, int nPercent) {
    const int nClamped = std::max(0, std::min(100, nPercent));
    return static_cast<int>(static_cast<long long>(std::max(0, nWidth)) * nClamped / 100);
}

FileTransferListHitTextResult QVTransferHitTest(const QVTransferItems& items, CPoint ptList) {
    FileTransferListHitTextResult hit;
    if (ptList.y < 0) return hit;
    const size_t nRow = static_cast<size_t>(ptList.y / QVTFL_ROW_HEIGHT);
    if (nRow >= items.size() || !items[nRow]->rcItem.PtInRect(ptList)) return hit;
    hit.nItem = static_cast<int>(nRow);
    const std::vector<Link>& links = items[nRow]->links;
    for (size_t i = 0; i < links.size(); ++i) {
        if (links[i].visible && links[i].rect.PtInRect(ptList)) {
            hit.nLink = static_cast<int>(i);
            break;
        }
    }
    return hit;
}

void QVTransferRowsIn(int yTop, int yBottom, int nCount, int* pFirst, int* pEnd) {
    const long long first = std::max(0, yTop) / QVTFL_ROW_HEIGHT;
    const long long end =
        (static_cast<long long>(std::max(0, yBottom)) + QVTFL_ROW_HEIGHT - 1) / QVTFL_ROW_HEIGHT;
    *pFirst = static_cast<int>(std::min<long long>(first, nCount));
    *pEnd = static_cast<int>(std::max<long long>(*pFirst, std::min<long long>(end, nCount)));
}

QVTransferScrollBar QVTransferScrollFor(int cyView, int cyClient) {
    QVTransferScrollBar bar;
    bar.bShow = cyView > std::max(0, cyClient);
    if (bar.bShow) {
        bar.nMax = cyView;
        bar.nPage = std::max(0, cyClient);
    }
    return bar;
}

int QVTransferScrollTarget(int nCode, int nPos, int nTrack, int nMin, int nMax, int nPage) {
    const int nLimit = QVTransferScrollLimit(nMin, nMax, nPage);
    const long long nLine = std::max(1, nPage / 10);
    long long target = nPos;
    switch (nCode) {
    case SB_LINEUP:
        target = static_cast<long long>(nPos) - nLine;
        break;
    case SB_LINEDOWN:
        target = static_cast<long long>(nPos) + nLine;
        break;
    case SB_PAGEUP:
        target = static_cast<long long>(nPos) - std::max(1, nPage);
        break;
    case SB_PAGEDOWN:
        target = static_cast<long long>(nPos) + std::max(1, nPage);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        target = nTrack;
        break;
    case SB_TOP:
        target = nMin;
        break;
    case SB_BOTTOM:
        target = nLimit;
        break;
    default:
        return nPos;
    }
    return static_cast<int>(std::max<long long>(nMin, std::min<long long>(target, nLimit)));
}

int QVTransferWheelTarget(int nPos, int nDelta, int nMin, int nMax, int nPage) {
    const long long target = static_cast<long long>(nPos) - nDelta;
    return static_cast<int>(
        std::max<long long>(nMin, std::min<long long>(target, QVTransferScrollLimit(nMin, nMax, nPage))));
}

int QVTransferRevealPos(int nRowBottom, int nPos, int cyClient) {
    const int nBottom = nRowBottom - nPos;
    if (nBottom > 0 && nBottom <= cyClient) return -1;
    return std::max(0, nRowBottom - std::max(0, cyClient));
}
