#include "QVUIImage.h"

CQVUIImage::CQVUIImage(CQVUIObject* pParent) : CQVUIObject(pParent) {}

BOOL CQVUIImage::SetImage(const CString& strPath) {
    m_strPath = strPath;
    return m_image.Load(strPath);
}

const CSize& CQVUIImage::GetPreferredSize() {
    m_sizePreferred = m_image.GetImageSize();
    return m_sizePreferred;
}

void CQVUIImage::Layout() {
    if (!m_bAutoSize) return;
    const CSize size = m_image.GetImageSize();
    m_rcObject.right = m_rcObject.left + size.cx;
    m_rcObject.bottom = m_rcObject.top + size.cy;
}

void CQVUIImage::OnRender(CDC& dc, const CRect& /*rcClip*/) {
    if (m_image.IsLoaded()) m_image.FixRender(&dc, m_rcObject);
}
