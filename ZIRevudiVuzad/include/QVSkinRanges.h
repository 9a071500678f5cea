// The valid ranges of the numbers a skin gives (listed in docs/skin-format.md). A skin is untrusted
// input: the skin reader replaces a value outside its range by the key's default, and the code that
// draws or sizes from a record clamps into the same ranges, since a host may fill a record itself.
#pragma once

namespace QVSkinRange {

// LeftBorderSize, RightBorderSize, BottomBorderSize and CaptionHeight.
constexpr int kMaxFrame = 256;
// Caption button widths and heights, BtnGap.
constexpr int kMaxButton = 256;
// Caption button offsets and the icon and title positions, either sign.
constexpr int kMaxPosition = 1024;
// ClientTopHeight and ClientBottomHeight.
constexpr int kMaxBand = 4096;
// Each coordinate of a corner outline point.
constexpr int kMaxCornerPoint = 1024;
// Each side of an <Image>Edges pair: no image frame is wider.
constexpr int kMaxEdge = 16384;
// The [Button] metrics.
constexpr int kMaxMetric = 1024;
// Heights by which rows are stacked (GroupBtnHeight, OutBarFolderHeight), 1 or more.
constexpr int kMaxRowHeight = 256;
// Rectangles of the region of one corner mask or of its ".rgn" cache. A detailed mask gives a region
// too costly to build and more than the display server takes as a window shape: such a corner stays
// square.
constexpr int kMaxMaskRects = 4000;

inline int Clamp(int nValue, int nMin, int nMax) {
    return nValue < nMin ? nMin : (nValue > nMax ? nMax : nValue);
}

}  // namespace QVSkinRange
