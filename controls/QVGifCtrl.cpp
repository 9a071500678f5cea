// CQVGifCtrl: the image decoded by CQVGdiplusImage and drawn through GDI+, frames advanced on a window
// timer, every render composed off-screen.
#include "QVGifCtrl.h"

#include "QVGifCtrlLayout.h"
#include "QVPaintMemoryDC.h"
#include "QVWndClass.h"

#include <QVGdiplusImage.h>

#include <gdiplus.h>

namespace {

const TCHAR kClassName[] = _T("QVGifCtrl");
const DWORD kMaxFileBytes = 64 * 1024 * 1024;

// The whole file, or nothing when it is missing, empty or larger than an image the control shows.
std::vector<BYTE> ReadFileBytes(LPCTSTR lpszPath) {
    std::vector<BYTE> data;
    const HANDLE hFile = ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return data;
    const DWORD nSize = ::GetFileSize(hFile, NULL);
    DWORD nRead = 0;
    if (nSize != INVALID_FILE_SIZE && nSize > 0 && nSize <= kMaxFileBytes) {
        data.resize(nSize);
        if (!::ReadFile(hFile, data.data(), nSize, &nRead, NULL) || nRead != nSize) data.clear();
    }
    ::CloseHandle(hFile);
    return data;
}

// The frame delays of the property buffer, never read past its end: the value must lie inside the
// buffer, and only whole entries count.
std::vector<UINT> DelaysOf(const std::vector<BYTE>& buffer) {
    std::vector<UINT> delays;
    if (buffer.size() < sizeof(Gdiplus::PropertyItem)) return delays;
    const auto* pItem = reinterpret_cast<const Gdiplus::PropertyItem*>(buffer.data());
    const BYTE* pValue = static_cast<const BYTE*>(pItem->value);
    const BYTE* pEnd = buffer.data() + buffer.size();
    if (!pValue || pValue < buffer.data() || pValue > pEnd) return delays;
    const size_t nCount = std::min<size_t>(pItem->length, size_t(pEnd - pValue)) / 4;
    delays.resize(nCount);
    memcpy(delays.data(), pValue, nCount * 4);
    return delays;
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVGifCtrl, CWnd)

BEGIN_MESSAGE_MAP(CQVGifCtrl, CWnd)
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, &CQVGifCtrl::OnPrintClient)
ON_WM_TIMER()
END_MESSAGE_MAP()

CQVGifCtrl::CQVGifCtrl() = default;

CQVGifCtrl::~CQVGifCtrl() {
    // The window may outlive the object (a subclassed static): the timer goes with the image.
    Release();
}

BOOL CQVGifCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!QVRegisterWndClass(kClassName, CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW), NULL))
        return FALSE;
    return CWnd::CreateEx(0, kClassName, _T(""), dwStyle, rect, pParentWnd, nID, NULL);
}

BOOL CQVGifCtrl::LoadGifFile(LPCTSTR lpszPath) {
    Release();
    if (GetSafeHwnd()) Invalidate(TRUE);
    if (!lpszPath || !*lpszPath || !CQVGdiplusImage::EnsureGdiplus()) return FALSE;
    const std::vector<BYTE> data = ReadFileBytes(lpszPath);
    if (data.empty() || !QVGifHeaderPlausible(data.data(), data.size()) ||
        QVGifCountFrames(data.data(), data.size()) < 0)
        return FALSE;
    const CSize size =
        m_image.LoadFromMemory(data.data(), data.size()) ? m_image.GetImageSize() : CSize(0, 0);
    if (size.cx == 0 || size.cy == 0) {
        m_image.Unload();
        return FALSE;
    }
    Gdiplus::Image* pImage = m_image.GetImage();

    // Frames of the first dimension (time, for a GIF).
    const UINT nDimensions = pImage->GetFrameDimensionsCount();
    if (nDimensions > 0 && nDimensions <= 16) {
        GUID dimensions[16];
        if (pImage->GetFrameDimensionsList(dimensions, nDimensions) == Gdiplus::Ok) {
            m_dimension = dimensions[0];
            const UINT nCount = pImage->GetFrameCount(&m_dimension);
            m_nFrames = nCount < 100000 ? static_cast<int>(nCount) : 0;
        }
    }
    const UINT nSize = pImage->GetPropertyItemSize(PropertyTagFrameDelay);
    if (nSize >= sizeof(Gdiplus::PropertyItem) && nSize <= 16 * 1024 * 1024) {
        std::vector<BYTE> buffer(nSize);
        if (pImage->GetPropertyItem(PropertyTagFrameDelay, nSize,
                                    reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data())) == Gdiplus::Ok)
            m_delays = DelaysOf(buffer);
    }
    return TRUE;
}

void CQVGifCtrl::Play() {
    if (!CanPlay() || !GetSafeHwnd()) return;
    m_nFrame = -1;
    Advance();
}

void CQVGifCtrl::Stop() {
    if (m_nTimer && GetSafeHwnd()) KillTimer(m_nTimer);
    m_nTimer = 0;
}

CSize CQVGifCtrl::GetImageSize() const {
    return m_image.GetImageSize();
}

void CQVGifCtrl::Render(CDC* pDC) {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!pDC || rcClient.IsRectEmpty()) return;
    CQVPaintMemoryDC dcMem(this, pDC, RGB(255, 255, 255));
    const CSize size = GetImageSize();
    const CRect rcImage = QVGifFitRect(rcClient, size.cx, size.cy);
    if (m_image.IsLoaded() && !rcImage.IsRectEmpty()) {
        Gdiplus::Graphics graphics(dcMem.GetSafeHdc());
        graphics.DrawImage(m_image.GetImage(),
                           Gdiplus::Rect(rcImage.left, rcImage.top, rcImage.Width(), rcImage.Height()));
    }
}

// ---- Implementation ----

void CQVGifCtrl::Release() {
    Stop();
    m_image.Unload();
    m_delays.clear();
    m_nFrames = 0;
    m_nFrame = -1;
    m_nPeriod = 0;
}

void CQVGifCtrl::Advance() {
    if (!m_image.IsLoaded() || !GetSafeHwnd()) return;
    const QVGifStep step = QVGifAdvanceStep(m_nFrame, m_nFrames);
    if (step.nSelect >= 0)
        m_image.GetImage()->SelectActiveFrame(&m_dimension, static_cast<UINT>(step.nSelect));
    m_nFrame = step.nNext;
    m_nPeriod = QVGifTimerPeriod(m_delays, step.nDelayFrame);
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = SetTimer(kQVGifTimerId, m_nPeriod, NULL);
}

// ---- Messages ----

void CQVGifCtrl::OnDestroy() {
    Release();
    CWnd::OnDestroy();
}

BOOL CQVGifCtrl::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, RGB(255, 255, 255));
    return TRUE;
}

void CQVGifCtrl::OnPaint() {
    CPaintDC dc(this);
    Render(&dc);
}

LRESULT CQVGifCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    Render(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CQVGifCtrl::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == m_nTimer && m_nTimer) {
        CClientDC dc(this);
        Render(&dc);
        Advance();
    }
    CWnd::OnTimer(nIDEvent);
}
