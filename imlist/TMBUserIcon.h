// A small owner-drawn button showing one user's picture outside the contact list.
#pragma once

#include "RIZuruzezuDef.h"

class CQVBitmap;

// Sent to the parent when the mouse enters and leaves the picture; both parameters 0.
#define WM_TMB_USERICON_ENTER (WM_USER + 1507)  // 0x9E3
#define WM_TMB_USERICON_LEAVE (WM_USER + 1508)  // 0x9E4

// Owner-drawn whether created or subclassed; a created one is 44 x 44. The parent must be a window
// object of the framework so that WM_DRAWITEM reaches DrawItem.
class RIZ_API CTMBUserIcon : public CButton {
    DECLARE_DYNAMIC(CTMBUserIcon)
public:
    enum { ICON_SIZE = 44 };

    CTMBUserIcon() = default;
    ~CTMBUserIcon() override;

    // The picture is not owned; null draws the frame only.
    void SetUserImage(CQVBitmap* pImage);
    CQVBitmap* GetUserImage() const { return m_pImage; }
    int IsHover() const { return m_bHover; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

    CQVBitmap* m_pImage = nullptr;
    int m_bHover = 0;
};
