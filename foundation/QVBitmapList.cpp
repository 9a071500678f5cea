#include "QVBitmapList.h"

BOOL CQVBitmapList::LoadBitmaps(UINT nIDNormal, UINT nIDSecond, const UINT* pIDs, int nCount,
                                COLORREF clrTransparent) {
    m_bmpNormal.DeleteObject();
    m_bmpSecond.DeleteObject();
    if (nIDNormal != 0) m_bmpNormal.LoadBitmap(nIDNormal);
    if (nIDSecond != 0) m_bmpSecond.LoadBitmap(nIDSecond);
    Cut(pIDs, nCount, clrTransparent);
    return TRUE;
}

BOOL CQVBitmapList::LoadBitmaps(LPCTSTR lpszNormal, LPCTSTR lpszSecond, const UINT* pIDs, int nCount,
                                COLORREF clrTransparent) {
    m_bmpNormal.DeleteObject();
    m_bmpSecond.DeleteObject();
    if (lpszNormal && *lpszNormal) m_bmpNormal.LoadBitmap(lpszNormal);
    if (lpszSecond && *lpszSecond) m_bmpSecond.LoadBitmap(lpszSecond);
    Cut(pIDs, nCount, clrTransparent);
    return TRUE;
}

void CQVBitmapList::Cut(const UINT* pIDs, int nCount, COLORREF clrTransparent) {
    m_bmpNormal.SetMultiState(nCount, TRUE);
    m_bmpSecond.SetMultiState(nCount, TRUE);
    if (pIDs)
        for (int i = 0; i < nCount; ++i)
            InsertCommandID(pIDs[i], i);
    m_sizeImage = m_bmpNormal.GetSrcImageRect().Size();
    m_clrTransparent = clrTransparent;
}

void CQVBitmapList::InsertCommandID(UINT nCommandID, int nImageIndex) {
    m_mapCommand.emplace(nCommandID, nImageIndex);
}

int CQVBitmapList::GetImageIndex(UINT nCommandID) const {
    auto it = m_mapCommand.find(nCommandID);
    return it == m_mapCommand.end() ? -1 : it->second;
}

void CQVBitmapList::DrawImage(CDC* pDC, int x, int y, int nImage, int nImageType) const {
    if (!pDC->GetSafeHdc()) return;
    Strip(nImageType).TransparentDraw(pDC, x, y, m_clrTransparent, nImage);
}

void CQVBitmapList::DrawImage(CDC* pDC, int x, int y, int cx, int cy, int nImage, int nImageType) const {
    if (!pDC->GetSafeHdc()) return;
    Strip(nImageType).TransparentDraw(pDC, x, y, cx, cy, m_clrTransparent, nImage);
}

void CQVBitmapList::DrawImageEx(CDC* pDC, int x, int y, UINT nCommandID, int nImageType) const {
    const int nImage = GetImageIndex(nCommandID);
    if (nImage >= 0) DrawImage(pDC, x, y, nImage, nImageType);
}

void CQVBitmapList::DrawImageEx(CDC* pDC, int x, int y, int cx, int cy, UINT nCommandID,
                                int nImageType) const {
    const int nImage = GetImageIndex(nCommandID);
    if (nImage >= 0) DrawImage(pDC, x, y, cx, cy, nImage, nImageType);
}
