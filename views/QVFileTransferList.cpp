// CQVFileTransferList: rows of file transfers, painted row by row from the clip box.
#include "QVFileTransferList.h"

#include <QVBitmap.h>
#include <QVFileSystem.h>
#include <QVGdiplusImage.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <gdiplus.h>
#include <shellapi.h>

#include <cstring>

#include "QVAliveToken.h"
#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVSelectScope.h"
#include "QVUIShell.h"
#include "QVWndClass.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kHoverTop = RGB(255, 255, 255);  // without a colour record
constexpr COLORREF kHoverBottom = RGB(0, 255, 255);
constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kLinkFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

CString LanText(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

const QVTransferLookup& Lookup() {
    static const QVTransferLookup lookup = LanText;
    return lookup;
}

Gdiplus::Color ToColor(COLORREF clr) {
    return Gdiplus::Color(255, GetRValue(clr), GetGValue(clr), GetBValue(clr));
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVFileTransferList, CWnd)

BEGIN_MESSAGE_MAP(CQVFileTransferList, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, &CQVFileTransferList::OnPrintClient)
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_DESTROY()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVFileTransferList::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &CQVFileTransferList::OnLanChanged)
END_MESSAGE_MAP()

CQVFileTransferList::CQVFileTransferList() {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    m_pOtherRes = pSkin->GetOthRes();
    m_pColorDef = pSkin->GetClrDef();
    m_imageList.Attach(CQVFileSystem::GetSystemImageList(TRUE));
    MakeFonts();
}

CQVFileTransferList::~CQVFileTransferList() {
    if (GetSafeHwnd()) DestroyWindow();
    m_imageList.Detach();
}

int CQVFileTransferList::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    const LPCTSTR lpszClass = _T("QVTransferFileList");
    if (!QVRegisterWndClass(lpszClass, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                            QVSysColorClassBrush(COLOR_WINDOW)))
        return 0;
    return CWnd::Create(lpszClass, _T(""), dwStyle, rect, pParentWnd, nID) ? 1 : 0;
}

void CQVFileTransferList::MakeFonts() {
    LOGFONT lf = {};
    lstrcpyn(lf.lfFaceName, LanText(_T("IDS_DEF_FONT")), LF_FACESIZE);
    lf.lfHeight = 90;
    lf.lfCharSet = DEFAULT_CHARSET;
    m_fontName.DeleteObject();
    m_fontStatus.DeleteObject();
    m_fontLink.DeleteObject();
    lf.lfWeight = FW_BOLD;
    m_fontName.CreatePointFontIndirect(&lf);
    lf.lfWeight = FW_NORMAL;
    m_fontStatus.CreatePointFontIndirect(&lf);
    lf.lfUnderline = TRUE;
    m_fontLink.CreatePointFontIndirect(&lf);
    m_linkWidths.clear();
}

int CQVFileTransferList::MeasureLink(const CString& strText) {
    const std::basic_string<TCHAR> key(strText.GetString(), static_cast<size_t>(strText.GetLength()));
    auto it = m_linkWidths.find(key);
    if (it != m_linkWidths.end()) return it->second;
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CQVSelectScope scope(&dc, m_fontLink.GetSafeHandle());
    CRect rc(0, 0, 100, 20);
    dc.DrawText(strText, rc, DT_CALCRECT | DT_SINGLELINE);
    const int cx = strText.IsEmpty() ? 0 : rc.Width();
    m_linkWidths[key] = cx;
    return cx;
}

QVTransferMeasure CQVFileTransferList::Measure() {
    return [this](const CString& strText) { return MeasureLink(strText); };
}

int CQVFileTransferList::FindIndex(const GUID& id) const {
    auto it = m_rowOfId.find(id);
    return it == m_rowOfId.end() ? -1 : it->second;
}

void CQVFileTransferList::IndexRows() {
    m_rowOfId.clear();
    for (size_t i = 0; i < m_items.size(); ++i)
        m_rowOfId[m_items[i]->id] = static_cast<int>(i);
}

tagTransferFileItem* CQVFileTransferList::FindItem(const GUID& id, int* pIndex) const {
    const int nIndex = FindIndex(id);
    if (pIndex && nIndex >= 0) *pIndex = nIndex;
    return nIndex >= 0 ? m_items[static_cast<size_t>(nIndex)].get() : nullptr;
}

tagTransferFileItem* CQVFileTransferList::GetItem(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetItemCount()) return nullptr;
    return m_items[static_cast<size_t>(nIndex)].get();
}

int CQVFileTransferList::GetScrollPosition() const {
    if (!GetSafeHwnd()) return 0;
    SCROLLINFO si = QVScrollInfoFor(SIF_POS);
    return ::GetScrollInfo(m_hWnd, SB_VERT, &si) ? si.nPos : 0;
}

void CQVFileTransferList::InvalidateListRect(const CRect& rcList) {
    if (!GetSafeHwnd() || rcList.IsRectEmpty()) return;
    CRect rc = QVViewToClient(rcList, GetScrollPosition());
    InvalidateRect(&rc, FALSE);
}

void CQVFileTransferList::AddItem(const GUID& id, const CString& strFileName, const unsigned __int64& nSize,
                                  int bSend, int bFolder, int bOffline) {
    int nIndex = FindIndex(id);
    if (nIndex < 0) {
        m_items.push_back(std::unique_ptr<tagTransferFileItem>(new tagTransferFileItem));
        nIndex = GetItemCount() - 1;
        m_rowOfId[id] = nIndex;
    }
    tagTransferFileItem& item = *m_items[static_cast<size_t>(nIndex)];
    item.id = id;
    item.strFileName = strFileName;
    item.strDestFile.Empty();
    item.bSend = bSend ? 1 : 0;
    item.nFileSize = nSize;
    item.nTransferred = 0;
    item.nPercent = 0;
    item.status = QVTFS_WAIT;
    item.bFolder = bFolder ? 1 : 0;
    item.links = QVTransferLinkSet(bSend != 0, bFolder != 0, bOffline != 0, Lookup());
    if (!bSend && bOffline) item.transferType = QVTT_OFFLINE;

    FindIcon(strFileName, bFolder != 0, &item.hIconList, &item.nIconIndex);
    OnItemStatusUpdated(&item);
    LayoutItem(nIndex);
    if (!GetSafeHwnd()) return;

    // One scroll-bar update takes the new range and, when the row's bottom is out of sight, the position
    // that shows it; the scroll bar appearing sends WM_SIZE, which lays every row out to the new width.
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nOld = GetScrollPosition();
    const int nReveal = QVTransferRevealPos(item.rcItem.bottom, nOld, rcClient.Height());
    UpdateViewAndScrollBar(nReveal);
    const int nNew = GetScrollPosition();
    if (nNew != nOld) ScrollWindow(0, nOld - nNew);
    InvalidateListRect(item.rcItem);
}

void CQVFileTransferList::FindIcon(const CString& strFileName, bool bFolder, HIMAGELIST* phList,
                                   int* pnIndex) {
    // Without the file itself the shell answers by extension, so one answer serves every name of it.
    CString strFolder, strName, strExt;
    CQVFileSystem::ParsePathFile(strFileName, strFolder, strName, strExt);
    strExt.MakeLower();
    const std::basic_string<TCHAR> key =
        std::basic_string<TCHAR>(bFolder ? _T("\\") : _T(".")) + strExt.GetString();
    auto it = m_icons.find(key);
    if (it == m_icons.end()) {
        // The shell answers the index in its own list and an icon handle of its own making, freed here.
        SHFILEINFO sfi = {};
        const DWORD dwAttributes = bFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
        const HIMAGELIST hList = reinterpret_cast<HIMAGELIST>(
            ::SHGetFileInfo(strFileName, dwAttributes, &sfi, sizeof(sfi),
                            SHGFI_SYSICONINDEX | SHGFI_ICON | SHGFI_USEFILEATTRIBUTES));
        if (sfi.hIcon) ::DestroyIcon(sfi.hIcon);
        it = m_icons.emplace(key, std::make_pair(hList, hList ? std::max(0, sfi.iIcon) : -1)).first;
    }
    *phList = it->second.first;
    *pnIndex = it->second.second;
}

int CQVFileTransferList::DelItem(const GUID& id) {
    const int nIndex = FindIndex(id);
    if (nIndex < 0) return 0;
    m_items.erase(m_items.begin() + nIndex);
    IndexRows();
    m_hover = FileTransferListHitTextResult();
    LayoutAll();
    if (GetSafeHwnd()) Invalidate(FALSE);
    return 1;
}

void CQVFileTransferList::SetItemStatus(const GUID& id, TransferFileStatus status, const CString& strDetail) {
    tagTransferFileItem* pItem = FindItem(id);
    if (!pItem) return;
    pItem->status = status;
    pItem->strStatusDetail = strDetail;
    OnItemStatusUpdated(pItem);
    // The speed line is drawn for some statuses only, so it is painted again with the status line.
    InvalidateListRect(pItem->rcStatus);
    InvalidateListRect(pItem->rcSpeed);
}

void CQVFileTransferList::UpdateTransferProgress(const GUID& id, const unsigned __int64& nTransferred,
                                                 int nPercent, float fSpeedKBps) {
    tagTransferFileItem* pItem = FindItem(id);
    if (!pItem || pItem->status != QVTFS_TRANSFERRING) return;
    pItem->nTransferred = nTransferred;
    pItem->nPercent = nPercent;
    pItem->strSpeedText = QVTransferSpeedText(fSpeedKBps);
    OnItemStatusUpdated(pItem);
    InvalidateListRect(pItem->rcStatus);
    InvalidateListRect(pItem->rcSpeed);
}

void CQVFileTransferList::SetItemTransferType(const GUID& id, TransferType type) {
    tagTransferFileItem* pItem = FindItem(id);
    if (!pItem || pItem->transferType == type) return;
    pItem->transferType = type;
    if (type == QVTT_OFFLINE && !pItem->bSend) {
        tagFileTransferListButton link;
        link.type = tagFileTransferListButton::BT_RECV_NEXT;
        link.visible = 1;
        link.text = QVTransferLinkText(link.type, Lookup());
        pItem->links.push_back(link);
        QVTransferLayoutLinks(*pItem, Measure());
        InvalidateListRect(pItem->rcItem);
    }
}

void CQVFileTransferList::SetItemDestFile(const GUID& id, const CString& strPath) {
    if (tagTransferFileItem* pItem = FindItem(id)) pItem->strDestFile = strPath;
}

void CQVFileTransferList::LayoutItem(int nIndex) {
    tagTransferFileItem* pItem = GetItem(nIndex);
    if (!pItem) return;
    CRect rcClient(0, 0, 0, 0);
    if (GetSafeHwnd()) GetClientRect(&rcClient);
    QVTransferLayoutItem(*pItem, nIndex, rcClient, Measure());
}

void CQVFileTransferList::OnItemStatusUpdated(tagTransferFileItem* pItem) {
    std::vector<CRect> dirty;
    QVTransferApplyStatus(*pItem, Lookup(), Measure(), &dirty);
    for (const CRect& rc : dirty)
        InvalidateListRect(rc);
}

void CQVFileTransferList::LayoutAll() {
    for (int i = 0; i < GetItemCount(); ++i)
        LayoutItem(i);
    UpdateViewAndScrollBar();
}

void CQVFileTransferList::UpdateViewAndScrollBar(int nPos) {
    if (!GetSafeHwnd()) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcView = rcClient;
    const long long cyView = static_cast<long long>(GetItemCount()) * QVTFL_ROW_HEIGHT;
    m_rcView.bottom = m_rcView.top + static_cast<int>(std::min<long long>(cyView, INT_MAX / 2));
    const QVTransferScrollBar bar = QVTransferScrollFor(m_rcView.Height(), rcClient.Height());
    SCROLLINFO si = QVScrollInfoFor(SIF_ALL);
    si.nMin = 0;
    si.nMax = bar.nMax;
    si.nPage = static_cast<UINT>(bar.nPage);
    si.nPos = nPos >= 0 ? nPos : GetScrollPosition();
    // The platform keeps the position within max - page + 1; reading it back gives the clamped one.
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}

void CQVFileTransferList::ScrollTo(int nPos) {
    const int nOld = GetScrollPosition();
    SCROLLINFO si = QVScrollInfoFor(SIF_POS);
    si.nPos = nPos;
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    const int nNew = GetScrollPosition();
    if (nNew != nOld) ScrollWindow(0, nOld - nNew);
}

void CQVFileTransferList::LaunchPath(const CString& strPath) {
    if (strPath.IsEmpty()) return;
    QVUIShellExecute(m_hWnd, _T("open"), strPath, NULL, NULL, SW_SHOWNORMAL);
}

// ---------------------------------------------------------------------------------------------------
// Painting.

void CQVFileTransferList::OnPaint() {
    CPaintDC dc(this);
    CRect rcClip = dc.m_ps.rcPaint;
    CQVPaintMemoryDC memDC(this, &dc, kWhite);
    PaintRows(&memDC, rcClip);
}

LRESULT CQVFileTransferList::OnPrintClient(WPARAM wParam, LPARAM) {
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(rcClient, kWhite);
    PaintRows(pDC, rcClient);
    return 0;
}

void CQVFileTransferList::PaintRows(CDC* pDC, const CRect& rcClip) {
    const int nPos = GetScrollPosition();
    int nFirst = 0, nEnd = 0;
    QVTransferRowsIn(rcClip.top + nPos, rcClip.bottom + nPos, GetItemCount(), &nFirst, &nEnd);
    for (int i = nFirst; i < nEnd; ++i)
        DrawItem(pDC, i);
}

BOOL CQVFileTransferList::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVFileTransferList::DrawItem(CDC* pDC, int nIndex) {
    const tagTransferFileItem* pItem = GetItem(nIndex);
    if (!pItem) return;
    const tagTransferFileItem& item = *pItem;
    const int nPos = GetScrollPosition();
    const CRect rcItem = QVViewToClient(item.rcItem, nPos);
    const bool bHover = m_hover.nItem == nIndex;

    if (bHover) {
        const COLORREF clrTop = m_pColorDef ? m_pColorDef->GetColor(15) : kHoverTop;
        const COLORREF clrBottom = m_pColorDef ? m_pColorDef->GetColor(16) : kHoverBottom;
        pDC->FillSolidRect(rcItem, kWhite);
        if (CQVGdiplusImage::EnsureGdiplus()) {
            Gdiplus::Graphics graphics(pDC->GetSafeHdc());
            Gdiplus::LinearGradientBrush brush(Gdiplus::Point(rcItem.left, rcItem.top - 1),
                                               Gdiplus::Point(rcItem.left, rcItem.bottom - 1),
                                               ToColor(clrTop), ToColor(clrBottom));
            // The region's right and bottom edges are exclusive, hence the + 1.
            // Mirrored beyond its ends, so the last row keeps the bottom colour.
            brush.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
            HRGN hRgn =
                ::CreateRoundRectRgn(rcItem.left, rcItem.top, rcItem.right + 1, rcItem.bottom + 1, 5, 5);
            Gdiplus::Region region(hRgn);
            graphics.FillRegion(&brush, &region);
            ::DeleteObject(hRgn);
        }
    } else {
        pDC->FillSolidRect(rcItem, kWhite);
    }

    const CRect rcIcon = QVViewToClient(item.rcIcon, nPos);
    if (item.hIconList && item.nIconIndex >= 0)
        ::ImageList_Draw(item.hIconList, item.nIconIndex, pDC->GetSafeHdc(), rcIcon.left, rcIcon.top,
                         ILD_TRANSPARENT);
    if (m_pOtherRes) {
        const CQVGdiplusImage& overlay =
            item.bSend ? m_pOtherRes->m_imgFileSendOverlay : m_pOtherRes->m_imgFileRecvOverlay;
        if (overlay.IsLoaded()) overlay.Render(pDC, rcIcon);
    }

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CQVSelectScope scope(pDC, m_fontName.GetSafeHandle());
    pDC->SetTextColor(kBlack);
    CRect rcName = QVViewToClient(item.rcName, nPos);
    pDC->DrawText(item.strFileName, rcName, kTextFormat);

    scope.Select(m_fontStatus.GetSafeHandle());
    if (item.status == QVTFS_TRANSFERRING) {
        DrawProgress(pDC, QVViewToClient(item.rcProgress, nPos), item.nPercent);
        pDC->SetTextColor(kBlack);
        CRect rcText = QVViewToClient(item.rcProgressText, nPos);
        pDC->DrawText(item.strStatusText, rcText, kTextFormat);
    } else {
        const bool bRed =
            item.status == QVTFS_REFUSED || item.status == QVTFS_CANCELLED || item.status == QVTFS_FAILED;
        pDC->SetTextColor(bRed ? kRed : kBlack);
        CRect rcStatus = QVViewToClient(item.rcStatus, nPos);
        pDC->DrawText(item.strStatusText, rcStatus, kTextFormat);
    }
    if (item.status == QVTFS_TRANSFERRING || item.status == QVTFS_FINISHED) {
        pDC->SetTextColor(kBlack);
        CRect rcSpeed = QVViewToClient(item.rcSpeed, nPos);
        pDC->DrawText(item.strSpeedText, rcSpeed, kTextFormat);
    }

    scope.Select(m_fontLink.GetSafeHandle());
    for (size_t i = 0; i < item.links.size(); ++i) {
        const tagFileTransferListButton& link = item.links[i];
        if (!link.visible) continue;
        pDC->SetTextColor(bHover && m_hover.nLink == static_cast<int>(i) ? kRed : kBlue);
        CRect rcLink = QVViewToClient(link.rect, nPos);
        pDC->DrawText(link.text, rcLink, kLinkFormat);
    }
    pDC->SetBkMode(nOldMode);
}

void CQVFileTransferList::DrawProgress(CDC* pDC, const CRect& rcBar, int nPercent) {
    CRect rcFill = rcBar;
    rcFill.right = rcBar.left + QVTransferProgressFill(rcBar.Width(), nPercent);
    const CQVBitmap* pImage =
        m_pOtherRes && !m_pOtherRes->m_bmpFileProgress.IsNull() ? &m_pOtherRes->m_bmpFileProgress : nullptr;
    if (pImage && m_pOtherRes->m_nFileProgressTransparent) {
        pImage->TransparentDrawFill(pDC, rcBar, m_pOtherRes->m_clrFileProgressKey, 0);
        if (!rcFill.IsRectEmpty()) {
            const int nSaved = pDC->SaveDC();
            pDC->IntersectClipRect(rcFill);
            pImage->TransparentDrawFill(pDC, rcBar, m_pOtherRes->m_clrFileProgressKey, 1);
            pDC->RestoreDC(nSaved);
        }
    } else if (pImage) {
        pImage->DrawFill(pDC, rcBar, 0);
        if (!rcFill.IsRectEmpty()) pImage->DrawFill(pDC, rcFill, 1);
    } else {
        if (!rcFill.IsRectEmpty()) pDC->FillSolidRect(rcFill, kBlue);
        CQVSelectScope scope(pDC, ::GetStockObject(NULL_BRUSH));
        pDC->Rectangle(rcBar);
    }
}

// ---------------------------------------------------------------------------------------------------
// Input and scrolling.

void CQVFileTransferList::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    LayoutAll();
    Invalidate(FALSE);
}

void CQVFileTransferList::OnMouseMove(UINT nFlags, CPoint point) {
    CWnd::OnMouseMove(nFlags, point);
    const int nPos = GetScrollPosition();
    const FileTransferListHitTextResult hit = QVTransferHitTest(m_items, CPoint(point.x, point.y + nPos));
    const FileTransferListHitTextResult old = m_hover;
    if (hit.nItem != old.nItem) {
        if (const tagTransferFileItem* pOld = GetItem(old.nItem)) InvalidateListRect(pOld->rcItem);
        if (const tagTransferFileItem* pNew = GetItem(hit.nItem)) InvalidateListRect(pNew->rcItem);
    } else if (hit.nLink != old.nLink) {
        if (const tagTransferFileItem* pRow = GetItem(hit.nItem)) {
            for (int nLink : {old.nLink, hit.nLink})
                if (nLink >= 0 && nLink < static_cast<int>(pRow->links.size()))
                    InvalidateListRect(pRow->links[static_cast<size_t>(nLink)].rect);
        }
    }
    m_hover = hit;
    if (!m_bTracking) {
        m_bTracking = QVTrackMouseLeave(m_hWnd);
    }
}

void CQVFileTransferList::OnMouseLeave() {
    if (const tagTransferFileItem* pOld = GetItem(m_hover.nItem)) InvalidateListRect(pOld->rcItem);
    m_hover = FileTransferListHitTextResult();
    m_bTracking = FALSE;
}

void CQVFileTransferList::OnLButtonDown(UINT nFlags, CPoint point) {
    CWnd::OnLButtonDown(nFlags, point);
    SetFocus();
}

void CQVFileTransferList::OnLButtonUp(UINT nFlags, CPoint point) {
    CWnd::OnLButtonUp(nFlags, point);
    tagTransferFileItem* pItem = GetItem(m_hover.nItem);
    if (!pItem || m_hover.nLink < 0 || m_hover.nLink >= static_cast<int>(pItem->links.size())) return;
    const int nType = pItem->links[static_cast<size_t>(m_hover.nLink)].type;
    if (nType == tagFileTransferListButton::BT_OPEN) {
        LaunchPath(pItem->strDestFile);
    } else if (nType == tagFileTransferListButton::BT_OPEN_FOLDER) {
        CString strFolder, strName, strExt;
        CQVFileSystem::ParsePathFile(pItem->strDestFile, strFolder, strName, strExt);
        LaunchPath(strFolder);
    } else if (CWnd* pParent = GetParent()) {
        // The owner may delete the row or this window: nothing is touched afterwards.
        pParent->SendMessage(WM_QV_TRANSFERLINK, static_cast<WPARAM>(nType), reinterpret_cast<LPARAM>(pItem));
    }
}

void CQVFileTransferList::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    int nTarget = 0;
    if (QVVertScrollTarget(m_hWnd, static_cast<int>(nSBCode), FALSE, &nTarget)) ScrollTo(nTarget);
}

BOOL CQVFileTransferList::OnMouseWheel(UINT, short zDelta, CPoint) {
    int nTarget = 0;
    if (QVVertScrollTarget(m_hWnd, zDelta, TRUE, &nTarget)) ScrollTo(nTarget);
    return TRUE;
}

void CQVFileTransferList::OnDestroy() {
    m_items.clear();
    m_rowOfId.clear();
    m_hover = FileTransferListHitTextResult();
    m_bTracking = FALSE;
    CWnd::OnDestroy();
}

LRESULT CQVFileTransferList::OnSkinChanged(WPARAM, LPARAM) {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    m_pOtherRes = pSkin->GetOthRes();
    m_pColorDef = pSkin->GetClrDef();
    return 1;
}

LRESULT CQVFileTransferList::OnLanChanged(WPARAM, LPARAM) {
    MakeFonts();
    for (auto& pItem : m_items) {
        for (tagFileTransferListButton& link : pItem->links)
            link.text = QVTransferLinkText(link.type, Lookup());
        QVTransferApplyStatus(*pItem, Lookup(), Measure(), nullptr);
    }
    LayoutAll();
    Invalidate(FALSE);
    return 0;
}
