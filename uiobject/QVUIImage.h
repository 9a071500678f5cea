// A windowless picture, drawn at its own size centred in the rect (scaled down when it does not fit).
#pragma once

#include "QVUIObject.h"

#include <QVGdiplusImage.h>

class RIZ_API CQVUIImage : public CQVUIObject {
public:
    explicit CQVUIImage(CQVUIObject* pParent = nullptr);

    // With auto-size the rect takes the picture's size (from its top-left corner).
    void Layout() override;
    // The picture's size, read again on every call; (0, 0) without a picture.
    const CSize& GetPreferredSize() override;
    void OnRender(CDC& dc, const CRect& rcClip) override;

    // The load's result: FALSE for a missing or corrupt file (nothing is drawn then).
    BOOL SetImage(const CString& strPath);
    const CString& GetImagePath() const { return m_strPath; }
    CQVGdiplusImage& GetImage() { return m_image; }
    void SetAutoSize(BOOL bAutoSize) { m_bAutoSize = bAutoSize; }
    BOOL GetAutoSize() const { return m_bAutoSize; }

protected:
    CString m_strPath;
    CQVGdiplusImage m_image;
    BOOL m_bAutoSize = FALSE;
};
