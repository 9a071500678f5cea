// The drawing of a skin's images and its description file, one function per group.
#pragma once

#include "SkinParams.h"

#include <string>
#include <vector>

// Corners in the order of the window record's outlines: top-left, top-right, bottom-right, bottom-left.
enum { CORNER_TOP_LEFT, CORNER_TOP_RIGHT, CORNER_BOTTOM_RIGHT, CORNER_BOTTOM_LEFT, CORNER_COUNT };

// The outline of a corner as the window region reads it: points relative to the window's top-left
// (top-left), top-right (x counted leftwards), bottom-right (x leftwards, y upwards) or bottom-left
// (y upwards), in the order the region's path walks round the window. Empty for a square corner.
std::vector<POINT> CornerOutline(const SkinParams& p, int nCorner);
// File name of a corner's mask image inside Common\Window, empty for a square corner.
std::wstring CornerMaskName(const SkinParams& p, int nCorner);

// Each writes its images into the skin folder (ending in a backslash); false when a file could not be
// written. The folders Common\Window and Common\Button must exist.
bool WriteWindowImages(const SkinParams& p, const std::wstring& strSkin);
bool WriteButtonImages(const SkinParams& p, const std::wstring& strSkin);
// The message box's icons, 32 x 32 PNGs with alpha: Common\Question.png, Error.png, Information.png and
// Warning.png.
bool WriteMessageBoxIcons(const SkinParams& p, const std::wstring& strSkin);
// The contact list's images: Common\IMList\TeamItem.bmp, GroupBtn.bmp, scrollbar.bmp, the arrow and face
// icons, and the user pictures UserIcon\%d.bmp, %d_m.bmp, %d_0.bmp, %d_m_0.bmp (makes UserIcon\).
bool WriteIMListImages(const SkinParams& p, const std::wstring& strSkin);
// The window scroll bars' cells, Common\Window\ScrollBar.bmp, 240 x 48.
bool WriteScrollBarImage(const SkinParams& p, const std::wstring& strSkin);
// The item toolbar's frames and glyphs, PNGs with alpha in Common\Button: ToolBarPlus_Button.png (5
// states), ToolBarPlus_MenuButton.png and ToolBarPlus_MenuArrowPart.png (6 states), ToolBarPlus_MenuArrow.png
// and ToolBarPlus_MoreArrow.png (2 states).
bool WriteToolBarPlusImages(const SkinParams& p, const std::wstring& strSkin);
// The classic toolbar's image strips, 24-bit BMPs on the key colour in Common\Button: ToolBar_Normal.bmp
// and ToolBar_Disabled.bmp, eight 16 x 16 frames each.
bool WriteToolBarImages(const SkinParams& p, const std::wstring& strSkin);
// The date picker's navigation pictures, 16 x 16 PNGs with alpha: Common\others\first.png, prev.png,
// next.png, last.png and close.png.
bool WriteDatePickerImages(const SkinParams& p, const std::wstring& strSkin);
// The file transfer list's images: Common\others\FileProgress.bmp, FileSendOverlay.png,
// FileRecvOverlay.png.
bool WriteTransferImages(const SkinParams& p, const std::wstring& strSkin);
// skin.ini: every key of the window and button records and the colour table.
bool WriteSkinIni(const SkinParams& p, const std::wstring& strSkin);
// The word list's tick, 16 x 14 on white, as a 24-bit BMP file.
bool WriteWordTick(const std::wstring& strFile);
// The sentence explorer's bullet, 12 x 12 on white, as a 24-bit BMP file.
bool WriteSentenceBullet(const std::wstring& strFile);
