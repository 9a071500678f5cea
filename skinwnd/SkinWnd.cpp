// The skinned frame of a top-level window: layout, hit test, painting, client background, outline.
#include "SkinWnd.h"

#include <QVLanResManager.h>
#include <QVSkinRanges.h>
#include <QVSkinResManager.h>

#include <vector>

#include "QVPaintMemoryDC.h"
#include "QVSelectScope.h"
#include "QVSkinNotify.h"

namespace {

// Mask images mark the outside of the window in magenta.
const COLORREF kMaskKeyColor = RGB(255, 0, 255);
const COLORREF kTitleColor = RGB(255, 255, 255);
// The face of the title font comes from the language table, at most this many characters.
const int kMaxFaceName = 32;
// A window region of more rectangles than this (four detailed corners and a detailed outline) is more
// than the display takes as a window shape: the window then gets a plainer outline.
const DWORD kMaxWindowRgnRects = 4 * QVSkinRange::kMaxMaskRects;

// Mask images found too detailed for a corner region, known by path, size and write time, so that
// such a mask is not loaded and scanned again at every resize. A few entries: a skin has four masks.
struct CDetailedMask {
    CString strPath;
    ULONGLONG nSize = 0;
    FILETIME ftWrite = {};
};
std::vector<CDetailedMask>& DetailedMasks() {
    static std::vector<CDetailedMask> s_masks;
    return s_masks;
}

bool MaskFileKey(const CString& strPath, CDetailedMask& key) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesEx(strPath, GetFileExInfoStandard, &data)) return false;
    key.strPath = strPath;
    key.nSize = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    key.ftWrite = data.ftLastWriteTime;
    return true;
}

bool IsKnownDetailedMask(const CString& strPath) {
    CDetailedMask key;
    if (!MaskFileKey(strPath, key)) return false;
    for (const CDetailedMask& mask : DetailedMasks()) {
        if (mask.strPath.CompareNoCase(strPath) == 0 && mask.nSize == key.nSize &&
            ::CompareFileTime(&mask.ftWrite, &key.ftWrite) == 0)
            return true;
    }
    return false;
}

void RememberDetailedMask(const CString& strPath) {
    CDetailedMask key;
    if (!MaskFileKey(strPath, key)) return;
    std::vector<CDetailedMask>& masks = DetailedMasks();
    if (masks.size() >= 16) masks.erase(masks.begin());
    masks.push_back(key);
}

DWORD RegionRectCount(HRGN hRgn) {
    const DWORD nSize = ::GetRegionData(hRgn, 0, nullptr);
    return nSize > sizeof(RGNDATAHEADER) ? static_cast<DWORD>((nSize - sizeof(RGNDATAHEADER)) / sizeof(RECT))
                                         : 0;
}

// TRUE when the four border images have the frame of this state, so that they paint the whole frame
// (the menu bar, when there is one, paints its own band).
bool BordersCoverFrame(const CQVSkinWndRes& res, int nFrame) {
    for (const CQVBitmap* pBitmap :
         {&res.m_bmpCaption, &res.m_bmpBottomBorder, &res.m_bmpLeftBorder, &res.m_bmpRightBorder})
        if (!pBitmap->HasFrame(nFrame)) return false;
    return true;
}

}  // namespace

CSkinWnd::CSkinWnd() {
    m_pWndRes = CQVSkinResManager::GetSingletonPtr()->GetWndRes();
    InitHitTestRects();
}

CSkinWnd::~CSkinWnd() = default;

void CSkinWnd::AttachWnd(HWND hWnd, BOOL bSysMenu, BOOL bMinBox, BOOL bMaxBox, BOOL bSizable) {
    m_hWnd = hWnd;
    m_bSysMenu = bSysMenu;
    m_bMinBox = bMinBox;
    m_bMaxBox = bMaxBox;
    m_bSizable = bSizable;
}

void CSkinWnd::InitHitTestRects() {
    if (m_pWndRes != nullptr) ::InitHitTestRects(*this, *m_pWndRes);
}

void CSkinWnd::AdjustHitTestRects(const CRect& rcWindow) {
    if (m_pWndRes != nullptr) ::AdjustHitTestRects(*this, *m_pWndRes, rcWindow, HasMenu());
}

void CSkinWnd::OnSkinChanged() {
    InitHitTestRects();
    m_bCalculated = FALSE;
    m_sizeRgn = CSize(-1, -1);
}

BOOL CSkinWnd::HasMenu() const {
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd)) return FALSE;
    if (::GetWindowLong(m_hWnd, GWL_STYLE) & WS_CHILD) return FALSE;  // a child's "menu" is its id
    return ::GetMenu(m_hWnd) != nullptr;
}

void CSkinWnd::SyncMenuBar(BOOL bForce) {
    HMENU hMenu = HasMenu() ? ::GetMenu(m_hWnd) : nullptr;
    if (!bForce && hMenu == m_hLoadedMenu) return;
    m_hLoadedMenu = hMenu;
    LoadMenu(CWnd::FromHandle(m_hWnd), hMenu);
}

CRect CSkinWnd::GetClientRectInWindow(const CRect& rcWindow) const {
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    ::MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<LPPOINT>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    return rcClient;
}

// ---- Non-client calculation and hit test ----

void CSkinWnd::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp) {
    if (m_bNoNCArea || lpncsp == nullptr || m_pWndRes == nullptr) return;
    SyncMenuBar();
    // rgrc[0] is the window rectangle proposed (the same in both forms of the message).
    const CRect rcWindow(lpncsp->rgrc[0]);
    const BOOL bHasMenu = HasMenu();
    CRect rcClient = SkinWndClientRect(*m_pWndRes, rcWindow, bHasMenu);
    // A window smaller than its frame has an empty client area at the frame's inner corner.
    if (rcClient.right < rcClient.left) rcClient.right = rcClient.left;
    if (rcClient.bottom < rcClient.top) rcClient.bottom = rcClient.top;
    lpncsp->rgrc[0] = rcClient;
    AdjustHitTestRects(CRect(0, 0, rcWindow.Width(), rcWindow.Height()));
}

UINT CSkinWnd::OnNcHitTest(CPoint point) {
    if (m_bNoNCArea) return HTCLIENT;
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd)) return m_nLastHitTest;
    CRect rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    const CRect rcClient = GetClientRectInWindow(rcWindow);
    point.Offset(-rcWindow.left, -rcWindow.top);

    UINT nHit = SkinWndHitTest(*this, m_bSysMenu, m_bMinBox, m_bMaxBox, m_bSizable, point, rcClient);
    // The selection of a bar is shared with the popup loop of the process: a window without a bar, or
    // one whose hit test runs while another window's bar popup is open, leaves it alone.
    CSkinMenuBar* pOpenBar = GetOpenMenuBar();
    if (GetMenuItemCount() > 0 && (pOpenBar == nullptr || pOpenBar == this))
        SetSelectMenuItem(nHit == HTSKINMENUBAR ? HitTestMenuItem(point) : -1);
    if (nHit != 0)
        m_nLastHitTest = nHit;
    else
        nHit = m_nLastHitTest;
    return nHit;
}

void CSkinWnd::GetWindowAddSize(CSize& size) const {
    size.cx = size.cy = 0;
    if (m_bNoNCArea || m_pWndRes == nullptr) return;
    ::GetWindowAddSize(*m_pWndRes, m_bSizable, size);
}

// ---- Painting ----

void CSkinWnd::DrawFrame(CDC* pDC, const CRect& rcWindow, BOOL bPressed) {
    if (m_bNoNCArea || pDC == nullptr || pDC->GetSafeHdc() == nullptr || m_pWndRes == nullptr) return;
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd)) return;
    const CRect rc(0, 0, rcWindow.Width(), rcWindow.Height());
    if (rc.IsRectEmpty()) return;
    SetMaximal(::IsZoomed(m_hWnd));
    if (HasMenu()) {
        SyncMenuBar();
        CalcMenuItemRect(pDC, m_rcMenuBar);
    }

    // The copy back must not reach the client area, which the window paints itself.
    const CRect rcClient = GetClientRectInWindow(rcWindow);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(&rc);
    if (!rcClient.IsRectEmpty()) {
        CRgn rgnClient;
        rgnClient.CreateRectRgnIndirect(&rcClient);
        rgnClip.CombineRgn(&rgnClip, &rgnClient, RGN_DIFF);
    }
    pDC->SelectClipRgn(&rgnClip);
    {
        CQVPaintMemoryDC memDC(pDC, rc);
        // The surface may be a reused one holding someone else's pixels. When the skin lacks a border
        // image, the surface starts as what the target shows, so that the missing piece leaves the
        // target as it was; reading a window's pixels back is slow, so a complete skin skips it. Only
        // the frame around the client area is read: the client is not copied back.
        if (!BordersCoverFrame(*m_pWndRes, m_bActive ? 0 : 1)) {
            CRect rcInner;
            if (!rcInner.IntersectRect(rcClient, rc)) rcInner = CRect(rc.left, rc.top, rc.left, rc.top);
            for (const CRect& rcBand : {CRect(rc.left, rc.top, rc.right, rcInner.top),
                                        CRect(rc.left, rcInner.bottom, rc.right, rc.bottom),
                                        CRect(rc.left, rcInner.top, rcInner.left, rcInner.bottom),
                                        CRect(rcInner.right, rcInner.top, rc.right, rcInner.bottom)}) {
                if (!rcBand.IsRectEmpty())
                    memDC.BitBlt(rcBand.left, rcBand.top, rcBand.Width(), rcBand.Height(), pDC, rcBand.left,
                                 rcBand.top, SRCCOPY);
            }
        }
        DrawWndBorder(&memDC, rc, m_bActive);
        DrawWndIcon(&memDC);
        DrawWndButtons(&memDC, rc, bPressed, m_bActive);
        DrawTitle(&memDC);
        DrawMenuBar(&memDC);
    }
    pDC->SelectClipRgn(nullptr);
}

void CSkinWnd::DrawWndBorder(CDC* pDC, const CRect& rc, BOOL bActive) {
    const CQVSkinWndRes& res = *m_pWndRes;
    const CRect insets = SkinWndFrameInsets(res);
    const int L = insets.left;
    const int R = insets.right;
    const int T = insets.top;
    const int B = insets.bottom;
    const int nFrame = bActive ? 0 : 1;
    if (res.m_nBorderLayout != 0) {
        // The sides run the full height; the caption and bottom bands sit between them.
        res.m_bmpCaption.DrawFill(pDC, CRect(rc.left + L, rc.top, rc.right - R, rc.top + T), nFrame);
        res.m_bmpBottomBorder.DrawFill(pDC, CRect(rc.left + L, rc.bottom - B, rc.right - R, rc.bottom),
                                       nFrame);
        res.m_bmpLeftBorder.DrawFill(pDC, CRect(rc.left, rc.top, rc.left + L, rc.bottom), nFrame);
        res.m_bmpRightBorder.DrawFill(pDC, CRect(rc.right - R, rc.top, rc.right, rc.bottom), nFrame);
    } else {
        // The caption and bottom bands run the full width; the sides sit between them.
        res.m_bmpLeftBorder.DrawFill(pDC, CRect(rc.left, rc.top + T, rc.left + L, rc.bottom - B), nFrame);
        res.m_bmpRightBorder.DrawFill(pDC, CRect(rc.right - R, rc.top + T, rc.right, rc.bottom - B), nFrame);
        res.m_bmpCaption.DrawFill(pDC, CRect(rc.left, rc.top, rc.right, rc.top + T), nFrame);
        res.m_bmpBottomBorder.DrawFill(pDC, CRect(rc.left, rc.bottom - B, rc.right, rc.bottom), nFrame);
    }
}

void CSkinWnd::DrawWndButtons(CDC* pDC, const CRect& /*rc*/, BOOL bPressed, BOOL bActive) {
    const CQVSkinWndRes& res = *m_pWndRes;
    const CSkinWndButtonFrames frames =
        GetWndButtonFrames(res, m_bMinBox, m_bMaxBox, m_bMaximal, m_nFocusButton, bPressed, bActive);
    const COLORREF clrKey = res.m_clrBtnKey;
    if (frames.m_nMinFrame >= 0)
        res.m_bmpMinBtn.TransparentDraw(pDC, m_rcMinBtn.left, m_rcMinBtn.top, clrKey, frames.m_nMinFrame);
    if (frames.m_nMaxFrame >= 0) {
        const CQVBitmap& bmp = frames.m_bRestoreImage ? res.m_bmpRestoreBtn : res.m_bmpMaxBtn;
        bmp.TransparentDraw(pDC, m_rcMaxBtn.left, m_rcMaxBtn.top, clrKey, frames.m_nMaxFrame);
    }
    if (frames.m_nCloseFrame >= 0)
        res.m_bmpCloseBtn.TransparentDraw(pDC, m_rcCloseBtn.left, m_rcCloseBtn.top, clrKey,
                                          frames.m_nCloseFrame);
}

void CSkinWnd::DrawTitle(CDC* pDC) {
    CString strFace = CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT")).Left(kMaxFaceName);
    if (m_fontTitle.GetSafeHandle() == nullptr || strFace != m_strTitleFace) {
        m_fontTitle.DeleteObject();
        LOGFONT lf = {};
        lf.lfHeight = 100;  // tenths of a point
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
        m_fontTitle.CreatePointFontIndirect(&lf, pDC);
        m_strTitleFace = strFace;
    }

    const int nLength = ::GetWindowTextLength(m_hWnd);
    CString strTitle;
    if (nLength > 0) {
        ::GetWindowText(m_hWnd, strTitle.GetBuffer(nLength + 1), nLength + 1);
        strTitle.ReleaseBuffer();
    }
    if (strTitle.IsEmpty() || m_rcTitle.IsRectEmpty()) return;

    const CQVSelectScope font(pDC, m_fontTitle.GetSafeHandle());
    const COLORREF clrOld = pDC->SetTextColor(kTitleColor);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcTitle(m_rcTitle);
    pDC->DrawText(strTitle, &rcTitle, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}

void CSkinWnd::DrawMenuBar(CDC* pDC) {
    if (!HasMenu() || m_rcMenuBar.IsRectEmpty()) return;
    CSkinMenuBar::DrawMenuBar(pDC, m_rcMenuBar);
}

BOOL CSkinWnd::DrawClientBkg(CDC* pDC, const CRect& rc) {
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr || m_pWndRes == nullptr) return FALSE;
    const CQVSkinWndRes& res = *m_pWndRes;
    switch (res.m_nClientBkMode) {
    case 1:
        pDC->FillSolidRect(&rc, res.m_clrClientBk);
        return TRUE;
    case 2:
        // Without its image the mode paints nothing: the window erases as usual instead.
        if (res.m_bmpClientBk.IsNull()) return FALSE;
        res.m_bmpClientBk.Pave(pDC, rc, 0);
        return TRUE;
    case 3: {
        if (res.m_bmpClientTop.IsNull() && res.m_bmpClientMid.IsNull() && res.m_bmpClientBottom.IsNull())
            return FALSE;
        const int nTop = QVSkinRange::Clamp(res.m_nClientTopHeight, 0, QVSkinRange::kMaxBand);
        const int nBottom = QVSkinRange::Clamp(res.m_nClientBottomHeight, 0, QVSkinRange::kMaxBand);
        const CRect rcTop(rc.left, rc.top, rc.right, rc.top + nTop);
        const CRect rcBottom(rc.left, rc.bottom - nBottom, rc.right, rc.bottom);
        const CRect rcMid(rc.left, rcTop.bottom, rc.right, rcBottom.top);
        if (rcMid.Height() > 0) res.m_bmpClientMid.Pave(pDC, rcMid, 0);
        res.m_bmpClientTop.DrawFill(pDC, rcTop, 0);
        res.m_bmpClientBottom.DrawFill(pDC, rcBottom, 0);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

// ---- Outline ----

void CSkinWnd::UpdateWndRegion() {
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd)) return;
    CRect rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    if (rcWindow.Size() != m_sizeRgn) SetWndRegion();
}

void CSkinWnd::SetWndRegion() {
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd) || m_pWndRes == nullptr) return;
    CRect rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    const CRect rc(0, 0, rcWindow.Width(), rcWindow.Height());
    m_sizeRgn = rc.Size();
    HRGN hRgn = nullptr;
    if (!m_bNoNCArea) {
        hRgn = CreateWndOutlineRgn(*m_pWndRes, rc);
        if (hRgn != nullptr) {
            RemoveCornerRgn(rc, hRgn);
            if (RegionRectCount(hRgn) > kMaxWindowRgnRects) {
                // Too detailed as a whole: the outline without the masks, else the plain rectangle.
                ::DeleteObject(hRgn);
                hRgn = CreateWndOutlineRgn(*m_pWndRes, rc);
                if (hRgn != nullptr && RegionRectCount(hRgn) > kMaxWindowRgnRects) {
                    ::DeleteObject(hRgn);
                    hRgn = nullptr;
                }
            }
        }
    }
    if (hRgn == nullptr) hRgn = ::CreateRectRgn(0, 0, rc.Width(), rc.Height());
    // The system owns the region from here on. A notice that redraws every window afterwards paints the
    // window in its new outline; what the old one covered is only marked for repainting.
    const BOOL bDeferPaint = QVNoticeRedrawsAll();
    if (!::SetWindowRgn(m_hWnd, hRgn, !bDeferPaint)) ::DeleteObject(hRgn);
    if (bDeferPaint) QVInvalidateUncovered(m_hWnd, rcWindow);
}

void CSkinWnd::RemoveCornerRgn(const CRect& rcWindow, HRGN hRgn) {
    if (hRgn == nullptr || m_pWndRes == nullptr) return;
    const CQVSkinWndRes& res = *m_pWndRes;
    const CString strSkinPath = CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath();
    enum Corner { TOP_LEFT, TOP_RIGHT, BOTTOM_LEFT, BOTTOM_RIGHT };
    const struct {
        const CString* pName;
        Corner nCorner;
    } kMasks[] = {
        {&res.m_strMaskTopLeft, TOP_LEFT},
        {&res.m_strMaskTopRight, TOP_RIGHT},
        {&res.m_strMaskBottomLeft, BOTTOM_LEFT},
        {&res.m_strMaskBottomRight, BOTTOM_RIGHT},
    };
    for (const auto& mask : kMasks) {
        if (mask.pName->IsEmpty()) continue;
        CString strPath;
        strPath.Format(_T("%sCommon\\Window\\%s"), (LPCTSTR)strSkinPath, (LPCTSTR)*mask.pName);
        const CString strCache = strPath + _T(".rgn");

        CRgn rgn;
        int nWidth = 0;
        int nHeight = 0;
        if (!::ReadRgnFromFile(strCache, rgn, nWidth, nHeight)) {
            // No usable cache: build the region from the mask image and keep it for the next time. No
            // image, or one too detailed for a region of its bound: the corner stays square.
            if (IsKnownDetailedMask(strPath)) continue;
            CQVBitmap bmp;
            if (!bmp.LoadBitmap(strPath)) continue;
            if (!bmp.CreateBitmapRgn(rgn, kMaskKeyColor, 1, 0, QVSkinRange::kMaxMaskRects)) {
                RememberDetailedMask(strPath);
                continue;
            }
            nWidth = bmp.GetWidth();
            nHeight = bmp.GetHeight();
            ::WriteRgnToFile(strCache, static_cast<HRGN>(rgn.GetSafeHandle()), nWidth, nHeight);
        }
        switch (mask.nCorner) {
        case TOP_LEFT:
            break;
        case TOP_RIGHT:
            rgn.OffsetRgn(rcWindow.right - nWidth, 0);
            break;
        case BOTTOM_LEFT:
            rgn.OffsetRgn(0, rcWindow.bottom - nHeight);
            break;
        case BOTTOM_RIGHT:
            rgn.OffsetRgn(rcWindow.right - nWidth, rcWindow.bottom - nHeight);
            break;
        }
        ::CombineRgn(hRgn, hRgn, static_cast<HRGN>(rgn.GetSafeHandle()), RGN_DIFF);
    }
}

BOOL CSkinWnd::WriteRgnToFile(LPCTSTR lpszPath, HRGN hRgn, int nWidth, int nHeight) {
    return ::WriteRgnToFile(lpszPath, hRgn, nWidth, nHeight);
}

BOOL CSkinWnd::ReadRgnFromFile(LPCTSTR lpszPath, CRgn& rgn, int& nWidth, int& nHeight) {
    return ::ReadRgnFromFile(lpszPath, rgn, nWidth, nHeight);
}
