// CQVGifRender: frames and delays read through GDI+, the frame due worked out from elapsed time.
#include "QVGifRender.h"

#include "ImageFile.h"

#include <gdiplus.h>

#include <vector>

namespace {

const UINT kDefaultDelay = 100;  // ms, for a frame whose delay is 0

DWORD TickClock() {
    return ::GetTickCount();
}

CQVGifRender::ClockFunc g_pfnClock = &TickClock;

// A property of the image as raw bytes; empty when the image does not have it.
std::vector<BYTE> ReadProperty(Gdiplus::Image* pImage, PROPID id) {
    std::vector<BYTE> buffer;
    UINT nSize = pImage->GetPropertyItemSize(id);
    if (nSize < sizeof(Gdiplus::PropertyItem) || nSize > 16 * 1024 * 1024) return buffer;
    buffer.resize(nSize);
    if (pImage->GetPropertyItem(id, nSize, reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data())) !=
        Gdiplus::Ok)
        buffer.clear();
    return buffer;
}

}  // namespace

CQVGifRender::CQVGifRender() = default;

CQVGifRender::~CQVGifRender() = default;

void CQVGifRender::SetClock(ClockFunc pfnClock) {
    g_pfnClock = pfnClock ? pfnClock : &TickClock;
}

DWORD CQVGifRender::Now() {
    return g_pfnClock();
}

BOOL CQVGifRender::Load(LPCTSTR lpszPath) {
    Unload();
    std::vector<BYTE> data;
    if (!zir::ReadWholeFile(lpszPath, data)) return FALSE;
    std::shared_ptr<Gdiplus::Bitmap> image = zir::GdiplusBitmapFromBytes(data.data(), data.size());
    if (!image) return FALSE;

    // Frames of the first dimension (time for a GIF).
    int nFrames = 1;
    GUID dimension = {};
    UINT nDimensions = image->GetFrameDimensionsCount();
    if (nDimensions > 0 && nDimensions < 16) {
        GUID dimensions[16];
        if (image->GetFrameDimensionsList(dimensions, nDimensions) == Gdiplus::Ok) {
            UINT nCount = image->GetFrameCount(&dimensions[0]);
            if (nCount > 1 && nCount < 100000) {
                nFrames = int(nCount);
                dimension = dimensions[0];
            }
        }
    }

    // One delay per frame in hundredths of a second; missing entries and 0 play as the default.
    std::vector<UINT> delays(size_t(nFrames), kDefaultDelay);
    std::vector<BYTE> property = ReadProperty(image.get(), PropertyTagFrameDelay);
    if (!property.empty()) {
        const Gdiplus::PropertyItem* pItem = reinterpret_cast<const Gdiplus::PropertyItem*>(property.data());
        const BYTE* pValues = static_cast<const BYTE*>(pItem->value);
        const BYTE* pEnd = property.data() + property.size();
        size_t nValues = pItem->length / 4;
        for (size_t i = 0; i < nValues && i < delays.size() && pValues + 4 * (i + 1) <= pEnd; ++i) {
            LONG nDelay;
            memcpy(&nDelay, pValues + 4 * i, 4);
            if (nDelay > 0) delays[i] = UINT(nDelay) * 10;
        }
    }
    UINT nLoopCount = 0;
    property = ReadProperty(image.get(), PropertyTagLoopCount);
    if (!property.empty()) {
        const Gdiplus::PropertyItem* pItem = reinterpret_cast<const Gdiplus::PropertyItem*>(property.data());
        const BYTE* pValue = static_cast<const BYTE*>(pItem->value);
        if (pItem->length >= 2 && pValue + 2 <= property.data() + property.size())
            nLoopCount = UINT(pValue[0] | (pValue[1] << 8));
    }

    m_image = image;
    m_dimension = dimension;
    m_nFrames = nFrames;
    m_delays = std::move(delays);
    m_nLoopCount = nLoopCount;
    return TRUE;
}

void CQVGifRender::Unload() {
    m_image.reset();
    m_nFrames = 0;
    m_delays.clear();
    m_nLoopCount = 0;
    m_state = Stopped;
    m_nFrame = 0;
    m_nSelected = 0;
    m_nDrawn = -1;
    m_nLoopsDone = 0;
}

CSize CQVGifRender::GetSize() const {
    if (!m_image) return CSize(0, 0);
    return CSize(int(m_image->GetWidth()), int(m_image->GetHeight()));
}

UINT CQVGifRender::GetFrameDelay(int nFrame) const {
    if (nFrame < 0 || nFrame >= int(m_delays.size())) return 0;
    return m_delays[size_t(nFrame)];
}

BOOL CQVGifRender::Play() {
    if (!CanPlay()) return FALSE;
    DWORD dwNow = Now();
    if (m_state == Paused) {
        m_dwFrameStart = dwNow - m_dwPausedInto;
    } else if (m_state == Stopped) {
        m_nFrame = 0;
        m_nLoopsDone = 0;
        m_dwFrameStart = dwNow;
    }
    m_state = Running;
    return TRUE;
}

void CQVGifRender::Pause() {
    if (m_state != Running) return;
    DWORD dwNow = Now();
    Advance(dwNow);
    if (m_state != Running) return;  // the last loop ended meanwhile
    m_dwPausedInto = dwNow - m_dwFrameStart;
    m_state = Paused;
}

BOOL CQVGifRender::Stop() {
    if (!m_image) return FALSE;
    m_state = Stopped;
    m_nFrame = 0;
    m_nLoopsDone = 0;
    return TRUE;
}

void CQVGifRender::Advance(DWORD dwNow) {
    if (m_state != Running || m_nFrames < 2) return;
    DWORD dwElapsed = dwNow - m_dwFrameStart;
    if (dwElapsed > 0x80000000u) return;  // a clock reading from before the frame began

    // Whole rounds of an endless animation are skipped in one step.
    unsigned long long nRound = 0;
    for (UINT nDelay : m_delays)
        nRound += nDelay;
    if (m_nLoopCount == 0 && nRound > 0 && dwElapsed >= 2 * nRound) {
        DWORD dwSkip = DWORD((dwElapsed / nRound - 1) * nRound);
        m_dwFrameStart += dwSkip;
        dwElapsed -= dwSkip;
    }
    while (dwElapsed >= m_delays[size_t(m_nFrame)]) {
        UINT nDelay = m_delays[size_t(m_nFrame)];
        if (m_nFrame + 1 == m_nFrames) {
            ++m_nLoopsDone;
            if (m_nLoopCount != 0 && m_nLoopsDone >= m_nLoopCount) {
                m_state = Stopped;  // the last frame stays
                return;
            }
        }
        dwElapsed -= nDelay;
        m_dwFrameStart += nDelay;
        m_nFrame = (m_nFrame + 1) % m_nFrames;
    }
}

BOOL CQVGifRender::Playing(DWORD dwNow) {
    if (!m_image) return FALSE;
    Advance(dwNow);
    return m_nFrame != m_nDrawn;
}

void CQVGifRender::Render(CDC* pDC, int x, int y) {
    if (!m_image || !pDC || !pDC->GetSafeHdc()) return;
    Advance(Now());
    if (m_nFrames > 1 && m_nSelected != m_nFrame) {
        m_image->SelectActiveFrame(&m_dimension, UINT(m_nFrame));
        m_nSelected = m_nFrame;
    }
    CSize size = GetSize();
    Gdiplus::Graphics graphics(pDC->GetSafeHdc());
    graphics.DrawImage(m_image.get(), Gdiplus::Rect(x, y, size.cx, size.cy));
    m_nDrawn = m_nFrame;
}
