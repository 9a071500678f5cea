// CQVMemoryDC: an off-screen surface with a DC of its own.
#include "QVMemoryDC.h"

#include <algorithm>

#include "QVDibSection.h"
#include "ZirModule.h"

namespace {

// The surface a thread keeps for its next Create of the same size.
struct CKeptSurface {
    HDC hDC = NULL;
    HBITMAP hBitmap = NULL;
    HGDIOBJ hOldBitmap = NULL;
    CSize size;
};

// A TLS slot: freed by the DLL's thread-detach notification (ZirThreadDetach).
DWORD g_dwKeptTls = ::TlsAlloc();

CKeptSurface* KeptSurface(bool bCreate) {
    auto* pKept = static_cast<CKeptSurface*>(::TlsGetValue(g_dwKeptTls));
    if (!pKept && bCreate) {
        pKept = new CKeptSurface;
        ::TlsSetValue(g_dwKeptTls, pKept);
    }
    return pKept;
}

// Puts back what a user may have left in the DC: mapping, origins, transform, clipping, selected
// objects, colours and modes. The surface's own bitmap stays selected.
void ResetDCState(HDC hDC) {
    ::SetMapMode(hDC, MM_TEXT);
    ::SetViewportOrgEx(hDC, 0, 0, NULL);
    ::SetWindowOrgEx(hDC, 0, 0, NULL);
    ::SetBrushOrgEx(hDC, 0, 0, NULL);
    if (::GetGraphicsMode(hDC) == GM_ADVANCED) {
        ::ModifyWorldTransform(hDC, NULL, MWT_IDENTITY);
        ::SetGraphicsMode(hDC, GM_COMPATIBLE);
    }
    ::SelectClipRgn(hDC, NULL);
    ::AbortPath(hDC);
    ::SelectObject(hDC, ::GetStockObject(BLACK_PEN));
    ::SelectObject(hDC, ::GetStockObject(WHITE_BRUSH));
    ::SelectObject(hDC, ::GetStockObject(SYSTEM_FONT));
    ::SetTextColor(hDC, RGB(0, 0, 0));
    ::SetBkColor(hDC, RGB(255, 255, 255));
    ::SetBkMode(hDC, OPAQUE);
    ::SetROP2(hDC, R2_COPYPEN);
    ::SetTextAlign(hDC, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::SetStretchBltMode(hDC, BLACKONWHITE);
    ::SetPolyFillMode(hDC, ALTERNATE);
    ::SetTextCharacterExtra(hDC, 0);
}

void FreeKept(CKeptSurface* pKept) {
    if (!pKept->hDC) return;
    ::SelectObject(pKept->hDC, pKept->hOldBitmap);
    ::DeleteDC(pKept->hDC);
    ::DeleteObject(pKept->hBitmap);
    *pKept = CKeptSurface();
}

}  // namespace

void ZirFreeThreadSurfaces() {
    if (CKeptSurface* pKept = KeptSurface(false)) {
        FreeKept(pKept);
        ::TlsSetValue(g_dwKeptTls, NULL);
        delete pKept;
    }
}

void CQVMemoryDC::FreeCache() {
    if (CKeptSurface* pKept = KeptSurface(false)) FreeKept(pKept);
}

CQVMemoryDC::~CQVMemoryDC() {
    Release();
}

BOOL CQVMemoryDC::Create(int cx, int cy) {
    cx = std::max(cx, 1);
    cy = std::max(cy, 1);
    CKeptSurface* pKept = KeptSurface(false);
    if (!m_hDC && pKept && pKept->hDC && pKept->size == CSize(cx, cy)) {
        Attach(pKept->hDC);
        m_hBitmap = pKept->hBitmap;
        m_hOldBitmap = pKept->hOldBitmap;
        m_size = pKept->size;
        *pKept = CKeptSurface();
        return TRUE;
    }
    // A 32-bit DIB section: the same pixel layout on every display, and readable by GetDIBits.
    HBITMAP hBitmap = QVCreateDib32(cx, cy);
    if (!hBitmap) return FALSE;
    if (!m_hDC && !CreateCompatibleDC(NULL)) {
        ::DeleteObject(hBitmap);
        return FALSE;
    }
    HGDIOBJ hPrevious = ::SelectObject(m_hDC, hBitmap);
    if (m_hBitmap) {
        ::DeleteObject(m_hBitmap);  // the surface being replaced
    } else {
        m_hOldBitmap = hPrevious;
    }
    m_hBitmap = hBitmap;
    m_size = CSize(cx, cy);
    return TRUE;
}

void CQVMemoryDC::CopyTo(CDC* pTarget, const CRect& rcTarget) {
    if (!pTarget || !pTarget->GetSafeHdc() || !m_hDC || rcTarget.IsRectEmpty()) return;
    ::SetMapMode(m_hDC, MM_TEXT);
    ::SetViewportOrgEx(m_hDC, 0, 0, NULL);
    ::SetWindowOrgEx(m_hDC, 0, 0, NULL);
    ::SelectClipRgn(m_hDC, NULL);
    ::BitBlt(pTarget->GetSafeHdc(), rcTarget.left, rcTarget.top, rcTarget.Width(), rcTarget.Height(), m_hDC,
             0, 0, SRCCOPY);
}

void CQVMemoryDC::Release() {
    if (m_hDC && m_hBitmap) {
        ResetDCState(m_hDC);
        CKeptSurface* pKept = KeptSurface(true);
        FreeKept(pKept);
        pKept->hBitmap = m_hBitmap;
        pKept->hOldBitmap = m_hOldBitmap;
        pKept->size = m_size;
        pKept->hDC = Detach();
        m_hBitmap = NULL;
        m_hOldBitmap = NULL;
        m_size = CSize(0, 0);
        return;
    }
    if (m_hDC) {
        if (m_hOldBitmap) ::SelectObject(m_hDC, m_hOldBitmap);
        DeleteDC();
    }
    if (m_hBitmap) ::DeleteObject(m_hBitmap);
    m_hBitmap = NULL;
    m_hOldBitmap = NULL;
    m_size = CSize(0, 0);
}
