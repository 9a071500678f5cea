#include "QVUIGif.h"

#include <algorithm>

namespace {

const UINT kFramePeriod = 100;

}  // namespace

CQVUIGif::CQVUIGif(CQVUIObject* pParent) : CQVUIObject(pParent) {}

CQVUIGif::~CQVUIGif() {
    StopHostTimer(m_nTimer);
}

BOOL CQVUIGif::SetImage(const CString& strPath) {
    m_strPath = strPath;
    const BOOL bLoaded = m_render.Load(strPath);
    // Drawn at its own size from the top-left corner: it may reach past a smaller rect.
    const CSize size = m_render.GetSize();
    SetPaintOutset(std::max({1, static_cast<int>(size.cx), static_cast<int>(size.cy)}));
    return bLoaded;
}

const CSize& CQVUIGif::GetPreferredSize() {
    if (m_render.IsLoaded()) m_sizePreferred = m_render.GetSize();
    return m_sizePreferred;
}

void CQVUIGif::Layout() {
    if (!m_bAutoSize || !m_render.IsLoaded()) return;
    const CSize size = m_render.GetSize();
    m_rcObject.right = m_rcObject.left + size.cx;
    m_rcObject.bottom = m_rcObject.top + size.cy;
}

BOOL CQVUIGif::Play() {
    if (!m_render.Play()) return FALSE;
    StopHostTimer(m_nTimer);
    m_nTimer = StartHostTimer(kFramePeriod);
    return TRUE;
}

void CQVUIGif::Pause() {
    m_render.Pause();
}

void CQVUIGif::Stop() {
    if (m_render.Stop()) StopHostTimer(m_nTimer);
}

int CQVUIGif::__OnTimer(UINT nTimerID) {
    if (!nTimerID || nTimerID != m_nTimer) return 0;
    if (m_render.Playing(CQVGifRender::Now())) UIInvalidate(TRUE);
    return 1;
}

void CQVUIGif::OnRender(CDC& dc, const CRect& /*rcClip*/) {
    if (m_render.IsLoaded()) m_render.Render(&dc, m_rcObject.left, m_rcObject.top);
}
