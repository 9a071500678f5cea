// A skinned slider: the channel and thumb drawn from two skin images over the parent's background.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxcmn.h>

class CQVSkinOtherRes;

// Replaces the drawing of a system track bar through its custom drawing: subclass one
// (SubclassDlgItem) or Create one. The parent's background goes under the whole slider, frame 0 of
// the skin's channel image over the channel rectangle and frame 0 of its thumb image over the thumb
// rectangle, whatever the state (hovered, pressed, disabled); the tick marks and the focus rectangle
// stay the system's. Missing images draw nothing.
//
// The custom drawing notification is reflected back to the slider only by a parent that is a window
// object of the framework; under any other parent the slider keeps the system's drawing.
class RIZ_API CQVSliderCtrl : public CSliderCtrl {
    DECLARE_DYNAMIC(CQVSliderCtrl)
public:
    CQVSliderCtrl();
    ~CQVSliderCtrl() override;

    // The record the slider draws from (the skin manager's, again at a skin change).
    const CQVSkinOtherRes* GetSkinRes() const { return m_pOthRes; }

protected:
    // Fills rc with frame 0 of bmp, with the record's key colour when it says so.
    void DrawPart(CDC* pDC, const class CQVBitmap& bmp, const CRect& rc) const;

    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CQVSkinOtherRes* m_pOthRes;  // the channel and thumb images, their key colour
};
