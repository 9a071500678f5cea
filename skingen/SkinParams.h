// What makes one shipped skin differ from the other: colours, metrics and corner shapes.
#pragma once

#include "SkinImage.h"

#include <vector>

// A window corner: rounded with a radius, cut diagonally, or square (size 0).
struct CornerShape {
    enum Kind { Round, Cut };
    Kind kind = Round;
    int nSize = 0;
};

struct SkinParams {
    const wchar_t* pszFolder;  // folder under Skins\, also the [Skin] Name
    const char* pszTitle;      // longer name, for the comment at the top of skin.ini

    // Window frame.
    int nCaptionHeight;
    int nLeftBorder;
    int nRightBorder;
    int nBottomBorder;
    int nBandWidth;  // width of the caption and bottom band images (stretched over the window)
    CornerShape topCorners;
    CornerShape bottomCorners;
    int nCaptionBtnWidth;  // minimize, maximize and restore
    int nCaptionBtnHeight;
    int nCloseBtnWidth;
    int nCloseBtnHeight;
    float fCaptionBtnRadius;
    int nBtnGap;
    int nShowDisabledBtns;
    int nIconLeft, nIconTop, nTitleLeft, nTitleTop;
    float fCaptionGloss;  // strength of the light upper half of the caption, 0..1
    int nClientBkMode;
    int nClientTopHeight;
    int nClientBottomHeight;

    // Buttons and small controls.
    int nPushBtnWidth;
    int nPushBtnHeight;
    float fPushBtnRadius;
    int nCheckSize;
    float fCheckRadius;
    int nRadioSize;
    int nSpinWidth;
    int nSpinHeight;
    int nComboDropWidth;
    int nComboDropHeight;
    int nTabMinWidth;
    int nTabHeight;
    float fTabRadius;
    int nTabWndWidth;
    int nTabWndHeight;
    float fTabWndRadius;
    int nHeaderWidth;
    int nHeaderHeight;

    // Frame colours.
    Rgb captionTop, captionBottom;                  // active caption gradient
    Rgb captionTopInactive, captionBottomInactive;  // inactive
    Rgb outline, outlineInactive;                   // outer edge of the window
    Rgb glyph, glyphInactive;                       // caption button symbols
    Rgb closeHot, closePressed;                     // close button face under the mouse, pressed
    Rgb clientBk;                                   // client background (mode 1) and what controls sit on
    Rgb clientBand;                                 // tint of the client bands (mode 3)

    // Control colours.
    Rgb faceTop, faceBottom;
    Rgb faceHotTop, faceHotBottom;
    Rgb facePressedTop, facePressedBottom;
    Rgb faceDisabled;
    Rgb border, borderHot, borderDisabled;
    Rgb accent;  // check marks, radio dots, the selected tab's top line
    Rgb glyphDisabled;

    // Message-box icons (32 x 32): the question, error and information badges are rounded squares with
    // this corner radius (16 makes them circles); the warning is a triangle in both skins.
    float fIconRadius;
    float fIconGloss;  // strength of the light upper half of a badge, 0..1
    Rgb iconQuestion, iconError, iconInformation, iconWarning;

    // Outlook bar folder headers (three frames: normal, hot, pressed), stretched over the bar's width.
    int nOutBarFolderHeight;
    int nOutBarTransparent;  // 1: rounded ends with the key colour outside, drawn with the key
    float fOutBarRadius;

    // Slider: the channel strip's height and the thumb's size, shape and whether it is cut out with
    // the key colour (drawn with SliderKey).
    int nSliderChannelHeight;
    int nSliderThumbWidth;
    int nSliderThumbHeight;
    int nSliderThumbPointed;  // 0: a rounded capsule; 1: a block pointing down
    int nSliderTransparent;

    // Contact list: group button height (the buttons stack by it) and the corner radius of its face.
    int nIMGroupBtnHeight;
    float fIMGroupBtnRadius;

    // The seventeen colours of the colour table.
    Rgb colors[17];
};

// The shipped skins: Default (blue) and Jade (green).
const std::vector<SkinParams>& ShippedSkins();
