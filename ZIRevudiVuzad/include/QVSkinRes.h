// The skin records: what a control reads from the skin, kept by the skin manager for its whole life.
#pragma once

#include "QVBitmap.h"
#include "QVGdiplusImage.h"

#include <vector>

// Records are plain data with member-wise copy. A control keeps the record pointer the skin manager
// hands out, never a copy: a skin change assigns new contents into the same objects. Each field is
// named in a skin description file by its name without "m_" and the lower-case type prefix
// (m_nCaptionHeight: CaptionHeight); see docs/skin-format.md. The initial values are the defaults of
// a key that a skin leaves out.

// Window frames: caption, borders, caption buttons, outline and client background.
class CQVSkinWndRes {
public:
    // Outline of each corner as a point list, in the order top-left, top-right, bottom-right, bottom-left.
    std::vector<CPoint> m_ptsCornerTopLeft;
    std::vector<CPoint> m_ptsCornerTopRight;
    std::vector<CPoint> m_ptsCornerBottomRight;
    std::vector<CPoint> m_ptsCornerBottomLeft;
    // Corner mask images (relative to the skin folder), in the order top-left, top-right, bottom-left,
    // bottom-right.
    CString m_strMaskTopLeft;
    CString m_strMaskTopRight;
    CString m_strMaskBottomLeft;
    CString m_strMaskBottomRight;
    // Non-zero: the top and bottom bands run between the side borders; zero: the sides run between them.
    int m_nBorderLayout = 0;
    // Non-zero: caption buttons are placed from the right border, spaced by m_nBtnGap and centred in
    // the caption; zero: each button at its own position below.
    int m_nCaptionBtnLayout = 1;
    int m_nMinBtnRight = 0;
    int m_nMaxBtnRight = 0;
    int m_nCloseBtnRight = 0;
    int m_nMinBtnTop = 0;
    int m_nMaxBtnTop = 0;
    int m_nCloseBtnTop = 0;
    int m_nBtnGap = 0;
    int m_nIconTop = 0;
    int m_nIconLeft = 0;
    int m_nTitleTop = 0;
    int m_nTitleLeft = 0;
    int m_nShowDisabledBtns = 0;
    int m_nMinBtnWidth = 0;
    int m_nMinBtnHeight = 0;
    int m_nMaxBtnWidth = 0;
    int m_nMaxBtnHeight = 0;
    int m_nCloseBtnWidth = 0;
    int m_nCloseBtnHeight = 0;
    int m_nLeftBorder = 0;
    int m_nRightBorder = 0;
    int m_nCaptionHeight = 0;
    int m_nBottomBorder = 0;
    int m_nReserved1 = 0;
    int m_nReserved2 = 0;
    int m_nReserved3 = 0;
    int m_nReserved4 = 0;
    int m_nReserved5 = 0;
    int m_nReserved6 = 0;
    int m_nReserved7 = 0;
    COLORREF m_clrBtnKey = RGB(255, 0, 255);
    // Two frames (active, inactive).
    CQVBitmap m_bmpCaption;
    CQVBitmap m_bmpLeftBorder;
    CQVBitmap m_bmpRightBorder;
    CQVBitmap m_bmpBottomBorder;
    // Eight frames: normal, hover, pressed, disabled, then the same for an inactive window.
    CQVBitmap m_bmpMinBtn;
    CQVBitmap m_bmpMaxBtn;
    CQVBitmap m_bmpRestoreBtn;
    CQVBitmap m_bmpCloseBtn;
    CQVBitmap m_bmpClientBk;   // tiled background (mode 2)
    CQVBitmap m_bmpClientTop;  // three bands (mode 3)
    CQVBitmap m_bmpClientMid;
    CQVBitmap m_bmpClientBottom;
    int m_nClientTopHeight = 0;
    int m_nClientBottomHeight = 0;
    int m_nClientBkMode = 1;  // 1 solid colour, 2 tiled image, 3 three bands
    COLORREF m_clrClientBk = RGB(255, 255, 255);
    // Handed to the scroll bar skinning and the automatic skinning of child controls.
    CQVBitmap m_bmpScrollBar;
};

// Buttons and small controls.
class CQVSkinBtnRes {
public:
    // Non-zero: the skinned drawing is used.
    int m_nSkinPushBtn = 0;
    int m_nSkinCheckBox = 0;
    int m_nSkinRadio = 0;
    int m_nSkinSpin = 0;
    int m_nSkinReserved = 0;
    CQVBitmap m_bmpPushBtn;    // 4 frames: normal, hover, pressed, disabled
    CQVBitmap m_bmpCheckBox;   // 11 frames (see docs/skin-format.md)
    CQVBitmap m_bmpRadio;      // 8 frames
    CQVBitmap m_bmpSpin;       // 8 frames: up normal, hot, pressed, -, down normal, hot, pressed, -
    CQVBitmap m_bmpComboDrop;  // 3 frames: normal, hover, pressed
    CQVBitmap m_bmpReserved;
    CQVBitmap m_bmpTab;     // 4 frames: normal, hover, pressed, selected
    CQVBitmap m_bmpTabWnd;  // 4 frames
    CQVBitmap m_bmpHeader;  // 4 frames: normal, hot, pressed, disabled
    CString m_strTabWndMask;
    int m_nTabWndReserved = 0;
    // Metrics 1 to 18.
    int m_nMetric1 = 0;
    int m_nPushBtnHeight = 0;
    int m_nCheckBoxWidth = 0;
    int m_nCheckBoxHeight = 0;
    int m_nRadioWidth = 0;
    int m_nRadioHeight = 0;
    int m_nSpinWidth = 0;
    int m_nSpinHeight = 0;
    int m_nComboDropWidth = 0;
    int m_nComboDropHeight = 0;
    int m_nMetric11 = 0;
    int m_nMetric12 = 0;
    int m_nTabMinWidth = 0;
    int m_nTabHeight = 0;
    int m_nTabWndTabWidth = 0;
    int m_nTabWndTabHeight = 0;
    int m_nMetric17 = 0;
    int m_nHeaderHeight = 0;
    // Defaults of every skinned button: draw images with the key colour.
    int m_nTransparentImage = 0;
    COLORREF m_clrTransparent = RGB(255, 0, 255);
};

// The contact list's images and metrics.
class CQVSkinIMListRes {
public:
    // Drawn behind a team's arrow icon at the team's image rect: frames normal, hot; with m_clrTransparent.
    CQVBitmap m_bmpTeamItem;
    // Group button face stretched over the button: frames normal, hot; with m_clrTransparent.
    CQVBitmap m_bmpGroupBtn;
    COLORREF m_clrTransparent = RGB(255, 0, 255);
    int m_nGroupBtnHeight = 24;  // height of one group button; the buttons stack by it
};

// Outlook bar, slider, menus, file transfer list; fields are added as those controls are built.
class CQVSkinOtherRes {
public:
    // Slider: the channel, filled over the track bar's channel rectangle, and the thumb, filled over
    // its thumb rectangle; only frame 0 of each is drawn, whatever the slider's state. Both are drawn
    // with m_clrSliderKey when m_nSliderTransparent is non-zero. The slider has its own flag and key
    // so that a skin may cut its thumb's shape out while the outlook bar's headers stay opaque.
    CQVBitmap m_bmpSliderChannel;
    CQVBitmap m_bmpSliderThumb;
    int m_nSliderTransparent = 0;
    COLORREF m_clrSliderKey = RGB(255, 0, 255);
    // Check mark of owner-drawn menu items, one frame, drawn with white as its key colour.
    CQVBitmap m_bmpMenuCheck;
    // Outlook bar folder headers: three frames (normal, hot, pressed) stretched over a header.
    CQVBitmap m_bmpOutBarFolder;
    int m_nOutBarFolderHeight = 24;  // height of one folder header
    int m_nOutBarTransparent = 0;    // non-zero: the header image is drawn with m_clrOutBarKey
    COLORREF m_clrOutBarKey = RGB(255, 0, 255);
    // File transfer list: the overlays rendered over a sent or received file's icon (32 x 32, drawn
    // with their own transparency), and the progress bar's two frames (0 the bar, 1 its filled part)
    // stretched over the bar, with m_clrFileProgressKey when m_nFileProgressTransparent is non-zero.
    CQVGdiplusImage m_imgFileSendOverlay;
    CQVGdiplusImage m_imgFileRecvOverlay;
    CQVBitmap m_bmpFileProgress;
    int m_nFileProgressTransparent = 0;
    COLORREF m_clrFileProgressKey = RGB(255, 0, 255);
};

// Seventeen colours, counted from 0. 3: base line of the tab control; 4: control border; 5, 6: control
// bar gradient; 11-14: menu background, menu image column, menu selection fill, menu selection outline;
// 15, 16: top and bottom of the file transfer list's hovered row.
// Keys Color0 to Color16.
class CQVSkinColorDef {
public:
    enum { COLOR_COUNT = 17 };
    COLORREF m_clrColors[COLOR_COUNT] = {};

    COLORREF GetColor(int nIndex) const {
        return nIndex >= 0 && nIndex < COLOR_COUNT ? m_clrColors[nIndex] : 0;
    }
};
