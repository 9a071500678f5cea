// A stretchable multi-state skin image: one state cut out of a strip of states and drawn into a
// rectangle of any size as three cells (fixed head, stretched middle, fixed tail) or nine cells (fixed
// corners, stretched edges and centre), with an overall opacity.
#pragma once

#include "RIZuruzezuDef.h"

#include <QVGdiplusImage.h>

namespace Gdiplus {
class ImageAttributes;
}  // namespace Gdiplus

// How DrawImage lays the state out; any other value draws nothing (DrawImagePave).
enum SmartImageDrawType {
    SIDT_PAVE = 0,
    SIDT_3CELL = 1,
    SIDT_9CELL = 2,
};

// The image itself (loaded by SetImage, reached by GetImage) is shared by copies.
class RIZ_API CQVSmartImage : public CQVGdiplusImage {
public:
    CQVSmartImage() = default;
    CQVSmartImage(const CQVSmartImage& other) = default;
    CQVSmartImage& operator=(const CQVSmartImage& other) = default;
    ~CQVSmartImage() override = default;

    // Loads the image file (PNG, BMP, JPEG, GIF, ICO); FALSE and no image when it cannot be read.
    BOOL SetImage(LPCTSTR lpszFile) { return Load(lpszFile); }

    void SetDrawType(SmartImageDrawType nType) { m_nDrawType = nType; }
    SmartImageDrawType GetDrawType() const { return m_nDrawType; }
    // Number of states in the image; values below 1 become 1.
    void SetStateCount(int nCount) { m_nStateCount = nCount < 1 ? 1 : nCount; }
    int GetStateCount() const { return m_nStateCount; }
    // States side by side (TRUE) or one above the other (FALSE).
    void SetHorzArrange(BOOL bHorz) { m_bHorzArrange = bHorz; }
    BOOL IsHorzArrange() const { return m_bHorzArrange; }

    // Three cells: stretching runs left to right (TRUE) or top to bottom (FALSE).
    void Set3CellHorizontal(BOOL bHorz) { m_b3CellHorizontal = bHorz; }
    BOOL Is3CellHorizontal() const { return m_b3CellHorizontal; }
    // FALSE: the state is drawn at its own size; TRUE: head, stretched middle, tail.
    void Set3CellTileMode(BOOL bTile) { m_b3CellTileMode = bTile; }
    BOOL Is3CellTileMode() const { return m_b3CellTileMode; }
    void Set3CellHeadWidth(int nWidth) { m_n3CellHeadWidth = nWidth; }
    int Get3CellHeadWidth() const { return m_n3CellHeadWidth; }
    void Set3CellTailWidth(int nWidth) { m_n3CellTailWidth = nWidth; }
    int Get3CellTailWidth() const { return m_n3CellTailWidth; }

    // Nine cells: "top height, top-left width, top-right width, bottom height, bottom-left width,
    // bottom-right width, left width, right width" as "%d,%d,%d,%d,%d,%d,%d,%d". An empty text changes
    // nothing; a shorter list sets the leading numbers.
    void Parse9CellParams(LPCTSTR lpszParams);
    int Get9CellTopHeight() const { return m_n9CellTopHeight; }
    int Get9CellTopLeftWidth() const { return m_n9CellTopLeftWidth; }
    int Get9CellTopRightWidth() const { return m_n9CellTopRightWidth; }
    int Get9CellBottomHeight() const { return m_n9CellBottomHeight; }
    int Get9CellBottomLeftWidth() const { return m_n9CellBottomLeftWidth; }
    int Get9CellBottomRightWidth() const { return m_n9CellBottomRightWidth; }
    int Get9CellLeftWidth() const { return m_n9CellLeftWidth; }
    int Get9CellRightWidth() const { return m_n9CellRightWidth; }
    // The nine-cell centre is left empty unless this is set.
    void SetDraw9CellCenter(BOOL bDraw) { m_bDraw9CellCenter = bDraw; }
    BOOL IsDraw9CellCenter() const { return m_bDraw9CellCenter; }

    // The whole image; (0, 0) without an image.
    CSize GetTotalImageSize() const;
    // One state; (0, 0) without an image.
    CSize GetSingleImageSize() const;
    // Where state nState lies in the image.
    CRect GetSourceImageRect(int nState) const;

    // Draws state nState into rcDest. A state index outside 0..count-1 draws state 0; an opacity below
    // 1.0 scales every pixel's alpha.
    void DrawImage(Gdiplus::Graphics* pGraphics, const CRect& rcDest, int nState, float fOpacity = 1.0f);
    // The same through a GDI+ graphics made on pDC.
    void DrawImage(CDC* pDC, const CRect& rcDest, int nState, float fOpacity = 1.0f);

protected:
    // The pieces, each drawn from state nState of pImage for the destination rcDest with the caller's
    // attributes (opacity; NULL for none). Stretched pieces are copied into a bitmap of their own first.
    virtual void DrawImage3Cell(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                                int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9Cell(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                                int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImagePave(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                               int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImageSingle(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                                 int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage3CellHorizontal(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                          const CRect& rcDest, int nState,
                                          Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage3CellVertical(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                        const CRect& rcDest, int nState,
                                        Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImageHorzHead(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                                   int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImageHorzCenter(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                     const CRect& rcDest, int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImageHorzTail(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                                   int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImageVertHead(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                                   int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImageVertCenter(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                     const CRect& rcDest, int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImageVertTail(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                                   int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellCenter(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                      const CRect& rcDest, int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellTopHead(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                       const CRect& rcDest, int nState,
                                       Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellTopCenter(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                         const CRect& rcDest, int nState,
                                         Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellTopTail(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                       const CRect& rcDest, int nState,
                                       Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellBottomHead(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                          const CRect& rcDest, int nState,
                                          Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellBottomCenter(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                            const CRect& rcDest, int nState,
                                            Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellBottomTail(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                          const CRect& rcDest, int nState,
                                          Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellLeft(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage, const CRect& rcDest,
                                    int nState, Gdiplus::ImageAttributes* pAttributes);
    virtual void DrawImage9CellRight(Gdiplus::Graphics* pGraphics, Gdiplus::Image* pImage,
                                     const CRect& rcDest, int nState, Gdiplus::ImageAttributes* pAttributes);

    SmartImageDrawType m_nDrawType = SIDT_3CELL;
    int m_nStateCount = 1;
    BOOL m_bHorzArrange = TRUE;
    BOOL m_b3CellHorizontal = TRUE;
    BOOL m_b3CellTileMode = FALSE;
    int m_n3CellHeadWidth = 0;
    int m_n3CellTailWidth = 0;
    int m_n9CellTopHeight = 0;
    int m_n9CellTopLeftWidth = 0;
    int m_n9CellTopRightWidth = 0;
    int m_n9CellBottomHeight = 0;
    int m_n9CellBottomLeftWidth = 0;
    int m_n9CellBottomRightWidth = 0;
    int m_n9CellLeftWidth = 0;  // the left edge between the top and bottom rows
    int m_n9CellRightWidth = 0;
    BOOL m_bDraw9CellCenter = FALSE;
};
