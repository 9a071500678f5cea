// Image strips addressed by command id: the images of menus and toolbars.
#pragma once

#include "RIZuruzezuDef.h"

#include <QVBitmap.h>

#include <map>

// Two strips of the same layout (the normal images and a second set, e.g. for a hot or disabled look),
// cut into equal frames; a map from command id to frame index.
class RIZ_API CQVBitmapList {
public:
    // ImageType values of the draw calls: 2 selects the second strip, any other value the normal one.
    enum { IMAGE_NORMAL = 1, IMAGE_SECOND = 2 };

    CQVBitmapList() = default;

    // Loads both strips (resources found through the resource chain, or files), cuts each into nCount
    // frames and maps pIDs[i] to frame i; an id already in the map keeps its first index. A strip that
    // does not load draws nothing. Answers TRUE.
    BOOL LoadBitmaps(UINT nIDNormal, UINT nIDSecond, const UINT* pIDs, int nCount, COLORREF clrTransparent);
    BOOL LoadBitmaps(LPCTSTR lpszNormal, LPCTSTR lpszSecond, const UINT* pIDs, int nCount,
                     COLORREF clrTransparent);

    // Maps a command id to a frame index; an id already in the map keeps its index.
    void InsertCommandID(UINT nCommandID, int nImageIndex);
    // The frame index of a command id, -1 when the id is not in the map.
    int GetImageIndex(UINT nCommandID) const;

    // Frame nImage of the chosen strip at (x, y), at its own size or stretched to cx x cy; pixels of
    // the key colour are left out.
    void DrawImage(CDC* pDC, int x, int y, int nImage, int nImageType = IMAGE_NORMAL) const;
    void DrawImage(CDC* pDC, int x, int y, int cx, int cy, int nImage, int nImageType = IMAGE_NORMAL) const;
    // The same by command id; nothing for an id that is not in the map.
    void DrawImageEx(CDC* pDC, int x, int y, UINT nCommandID, int nImageType = IMAGE_NORMAL) const;
    void DrawImageEx(CDC* pDC, int x, int y, int cx, int cy, UINT nCommandID,
                     int nImageType = IMAGE_NORMAL) const;

    // One frame of the normal strip; (0, 0) before a strip is loaded.
    CSize GetImageSize() const { return m_sizeImage; }
    COLORREF GetTransparentColor() const { return m_clrTransparent; }

private:
    void Cut(const UINT* pIDs, int nCount, COLORREF clrTransparent);
    const CQVBitmap& Strip(int nImageType) const {
        return nImageType == IMAGE_SECOND ? m_bmpSecond : m_bmpNormal;
    }

    CQVBitmap m_bmpNormal;
    CQVBitmap m_bmpSecond;
    CSize m_sizeImage;
    COLORREF m_clrTransparent = RGB(255, 0, 255);
    std::map<UINT, int> m_mapCommand;
};
