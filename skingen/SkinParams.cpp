#include "SkinParams.h"

namespace {

// Blue, rounded corners, a tall glossy caption and thin borders; the client is one light colour.
SkinParams MakeDefault() {
    SkinParams p = {};
    p.pszFolder = L"Default";
    p.pszTitle = "Default (blue)";

    p.nCaptionHeight = 30;
    p.nLeftBorder = 4;
    p.nRightBorder = 4;
    p.nBottomBorder = 4;
    p.nBandWidth = 160;
    p.topCorners = {CornerShape::Round, 6};
    p.bottomCorners = {CornerShape::Round, 4};
    p.nCaptionBtnWidth = 27;
    p.nCaptionBtnHeight = 20;
    p.nCloseBtnWidth = 27;
    p.nCloseBtnHeight = 20;
    p.fCaptionBtnRadius = 3.5f;
    p.nBtnGap = 2;
    p.nShowDisabledBtns = 1;
    p.nIconLeft = 6;
    p.nIconTop = 5;
    p.nTitleLeft = 30;
    p.nTitleTop = 8;
    p.fCaptionGloss = 0.30f;
    p.nClientBkMode = 1;
    p.nClientTopHeight = 36;
    p.nClientBottomHeight = 28;

    p.nPushBtnWidth = 64;
    p.nPushBtnHeight = 24;
    p.fPushBtnRadius = 3.5f;
    p.nCheckSize = 15;
    p.fCheckRadius = 2.5f;
    p.nRadioSize = 15;
    p.nSpinWidth = 16;
    p.nSpinHeight = 10;
    p.nComboDropWidth = 17;
    p.nComboDropHeight = 20;
    p.nTabMinWidth = 64;
    p.nTabHeight = 24;
    p.fTabRadius = 4.0f;
    p.nTabWndWidth = 88;
    p.nTabWndHeight = 28;
    p.fTabWndRadius = 6.0f;
    p.nHeaderWidth = 60;
    p.nHeaderHeight = 22;

    p.captionTop = {92, 150, 224};
    p.captionBottom = {34, 90, 172};
    p.captionTopInactive = {170, 188, 212};
    p.captionBottomInactive = {128, 148, 178};
    p.outline = {18, 52, 110};
    p.outlineInactive = {104, 118, 142};
    p.glyph = {255, 255, 255};
    p.glyphInactive = {236, 240, 246};
    p.closeHot = {222, 64, 52};
    p.closePressed = {168, 32, 24};
    p.clientBk = {240, 244, 250};
    p.clientBand = {206, 222, 244};

    p.faceTop = {255, 255, 255};
    p.faceBottom = {218, 228, 242};
    p.faceHotTop = {255, 255, 255};
    p.faceHotBottom = {196, 220, 250};
    p.facePressedTop = {170, 198, 236};
    p.facePressedBottom = {206, 224, 248};
    p.faceDisabled = {232, 234, 238};
    p.border = {112, 140, 182};
    p.borderHot = {48, 112, 206};
    p.borderDisabled = {180, 186, 196};
    p.accent = {32, 96, 196};
    p.glyphDisabled = {160, 166, 176};

    p.fIconRadius = 16.0f;
    p.fIconGloss = 0.45f;
    p.nOutBarFolderHeight = 24;
    p.nOutBarTransparent = 0;
    p.fOutBarRadius = 0.0f;
    p.nSliderChannelHeight = 4;
    p.nSliderThumbWidth = 11;
    p.nSliderThumbHeight = 19;
    p.nSliderThumbPointed = 0;
    p.nSliderTransparent = 1;
    p.nIMGroupBtnHeight = 24;
    p.fIMGroupBtnRadius = 3.0f;
    p.iconQuestion = {38, 110, 206};
    p.iconError = {212, 44, 36};
    p.iconInformation = {24, 132, 214};
    p.iconWarning = {246, 184, 30};

    const Rgb colors[17] = {
        {24, 32, 48},     // 0 text
        {128, 128, 128},  // 1 disabled text
        {255, 255, 255},  // 2 control background
        {80, 120, 184},   // 3 tab control base line
        {127, 157, 185},  // 4 control border
        {238, 243, 250},  // 5 control bar gradient, first colour
        {206, 220, 240},  // 6 control bar gradient, second colour
        {255, 255, 255},  // 7 selected text
        {51, 122, 204},   // 8 selection background
        {220, 232, 248},  // 9 hot item fill
        {210, 218, 230},  // 10 separator and grid lines
        {250, 251, 253},  // 11 menu background
        {226, 234, 246},  // 12 menu image column
        {196, 218, 246},  // 13 menu selection fill
        {51, 122, 204},   // 14 menu selection outline
        {250, 252, 255},  // 15 file transfer list: top of the hovered row
        {196, 220, 248},  // 16 file transfer list: bottom of the hovered row
    };
    for (int i = 0; i < 17; ++i)
        p.colors[i] = colors[i];
    return p;
}

// Green, wide rounded top corners, a lower flatter caption, wider borders, smaller controls; the client is
// three bands of images.
SkinParams MakeJade() {
    SkinParams p = {};
    p.pszFolder = L"Jade";
    p.pszTitle = "Jade (green)";

    p.nCaptionHeight = 24;
    p.nLeftBorder = 6;
    p.nRightBorder = 6;
    p.nBottomBorder = 6;
    p.nBandWidth = 128;
    p.topCorners = {CornerShape::Round, 8};
    p.bottomCorners = {CornerShape::Round, 4};
    p.nCaptionBtnWidth = 22;
    p.nCaptionBtnHeight = 18;
    p.nCloseBtnWidth = 22;
    p.nCloseBtnHeight = 18;
    p.fCaptionBtnRadius = 2.0f;
    p.nBtnGap = 1;
    p.nShowDisabledBtns = 0;
    p.nIconLeft = 8;
    p.nIconTop = 3;
    p.nTitleLeft = 28;
    p.nTitleTop = 5;
    p.fCaptionGloss = 0.12f;
    p.nClientBkMode = 3;
    p.nClientTopHeight = 40;
    p.nClientBottomHeight = 32;

    p.nPushBtnWidth = 56;
    p.nPushBtnHeight = 22;
    p.fPushBtnRadius = 2.0f;
    p.nCheckSize = 13;
    p.fCheckRadius = 1.5f;
    p.nRadioSize = 13;
    p.nSpinWidth = 14;
    p.nSpinHeight = 9;
    p.nComboDropWidth = 15;
    p.nComboDropHeight = 18;
    p.nTabMinWidth = 56;
    p.nTabHeight = 22;
    p.fTabRadius = 2.0f;
    p.nTabWndWidth = 76;
    p.nTabWndHeight = 26;
    p.fTabWndRadius = 3.0f;
    p.nHeaderWidth = 56;
    p.nHeaderHeight = 20;

    p.captionTop = {84, 170, 128};
    p.captionBottom = {30, 118, 84};
    p.captionTopInactive = {176, 200, 188};
    p.captionBottomInactive = {136, 162, 148};
    p.outline = {16, 70, 48};
    p.outlineInactive = {104, 128, 116};
    p.glyph = {255, 255, 255};
    p.glyphInactive = {236, 244, 240};
    p.closeHot = {214, 84, 48};
    p.closePressed = {160, 48, 20};
    p.clientBk = {238, 247, 241};
    p.clientBand = {194, 226, 208};

    p.faceTop = {252, 255, 253};
    p.faceBottom = {214, 236, 222};
    p.faceHotTop = {255, 255, 255};
    p.faceHotBottom = {190, 232, 206};
    p.facePressedTop = {160, 210, 180};
    p.facePressedBottom = {200, 232, 212};
    p.faceDisabled = {228, 234, 230};
    p.border = {96, 148, 118};
    p.borderHot = {30, 138, 88};
    p.borderDisabled = {176, 190, 182};
    p.accent = {22, 128, 78};
    p.glyphDisabled = {156, 170, 162};

    p.fIconRadius = 7.0f;
    p.fIconGloss = 0.15f;
    p.nOutBarFolderHeight = 28;
    p.nOutBarTransparent = 1;
    p.fOutBarRadius = 6.0f;
    p.nSliderChannelHeight = 6;
    p.nSliderThumbWidth = 12;
    p.nSliderThumbHeight = 20;
    p.nSliderThumbPointed = 1;
    p.nSliderTransparent = 0;
    p.nIMGroupBtnHeight = 28;
    p.fIMGroupBtnRadius = 7.0f;
    p.iconQuestion = {28, 136, 92};
    p.iconError = {188, 58, 40};
    p.iconInformation = {40, 128, 150};
    p.iconWarning = {226, 160, 40};

    const Rgb colors[17] = {
        {20, 44, 32},     // 0 text
        {130, 140, 134},  // 1 disabled text
        {250, 253, 251},  // 2 control background
        {60, 140, 98},    // 3 tab control base line
        {98, 150, 120},   // 4 control border
        {236, 246, 240},  // 5 control bar gradient, first colour
        {198, 226, 210},  // 6 control bar gradient, second colour
        {255, 255, 255},  // 7 selected text
        {46, 139, 87},    // 8 selection background
        {214, 238, 224},  // 9 hot item fill
        {204, 222, 210},  // 10 separator and grid lines
        {248, 252, 249},  // 11 menu background
        {220, 238, 228},  // 12 menu image column
        {192, 230, 208},  // 13 menu selection fill
        {46, 139, 87},    // 14 menu selection outline
        {252, 255, 253},  // 15 file transfer list: top of the hovered row
        {190, 232, 206},  // 16 file transfer list: bottom of the hovered row
    };
    for (int i = 0; i < 17; ++i)
        p.colors[i] = colors[i];
    return p;
}

}  // namespace

const std::vector<SkinParams>& ShippedSkins() {
    static const std::vector<SkinParams> skins = {MakeDefault(), MakeJade()};
    return skins;
}
