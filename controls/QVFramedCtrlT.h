// The one-pixel skin frame over a system control class: what the skinned list box, tree and hot key
// have in common, once.
#pragma once

#include "QVOnePixelFrame.h"
#include "RIZuruzezuDef.h"

#include <afxcmn.h>

// Which windows of a base class get the frame: every one (bAlways), or only those with
// WS_EX_CLIENTEDGE; a window without it keeps the system's non-client painting
// (bSystemFrameWithoutEdge) or gets none at all.
template <class TBase>
struct QVFrameRule;
template <>
struct QVFrameRule<CListBox> {
    static constexpr bool bAlways = true, bSystemFrameWithoutEdge = true;
};
template <>
struct QVFrameRule<CTreeCtrl> {
    static constexpr bool bAlways = false, bSystemFrameWithoutEdge = true;
};
template <>
struct QVFrameRule<CHotKeyCtrl> {
    static constexpr bool bAlways = false, bSystemFrameWithoutEdge = false;
};

// Derives from TBase and replaces its sunken edge by a one-pixel rectangle in the skin's border colour
// (entry 4 of the skin's colours, read at construction and again at a skin change, which answers
// non-zero). WM_QV_RECALCFRAME is posted at subclassing and creation; the client rectangle is right once
// it has been handled. After UnsubclassWindow the window is the system's again. Made for the three
// classes above only: the library instantiates it for those three bases.
template <class TBase>
class CQVFramedCtrlT : public TBase {
public:
    CQVFramedCtrlT();

    COLORREF GetBorderColor() const { return m_clrBorder; }

protected:
    void PreSubclassWindow() override;
    // The frame is drawn and the client rectangle widened for it.
    bool HasFrame() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnRecalcFrame(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrBorder;  // entry 4 of the skin's colours; again at a skin change
};

extern template class RIZ_API CQVFramedCtrlT<CListBox>;
extern template class RIZ_API CQVFramedCtrlT<CTreeCtrl>;
extern template class RIZ_API CQVFramedCtrlT<CHotKeyCtrl>;
