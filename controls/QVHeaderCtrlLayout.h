// The arithmetic of the skinned header: the image frame of an item, the text flags of a format and the
// window height from the skin's metric.
#pragma once

#include <windows.h>

#include <commctrl.h>

// Frames of the skin's header image.
enum QVHeaderItemState { QVHIS_NORMAL = 0, QVHIS_HOT = 1, QVHIS_PRESSED = 2, QVHIS_DISABLED = 3 };

// The frame of item nItem: the disabled look covers every item; otherwise only the hot item differs,
// pressed while the button is down on it.
inline int QVHeaderItemState(int nItem, int nHotItem, BOOL bPressed, BOOL bAllDisabled) {
    if (bAllDisabled) return QVHIS_DISABLED;
    if (nItem != nHotItem) return QVHIS_NORMAL;
    return bPressed ? QVHIS_PRESSED : QVHIS_HOT;
}

// The DrawText flags of an item text: one line, centred vertically, ellipsis at the end. Only a format
// of exactly HDF_RIGHT or exactly HDF_CENTER moves the text; any other bit with them (HDF_STRING, as a
// list view's columns carry) leaves it at the left.
inline UINT QVHeaderTextFormat(int nFormat) {
    const UINT uBase = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    if (nFormat == HDF_RIGHT) return uBase | DT_RIGHT;
    if (nFormat == HDF_CENTER) return uBase | DT_CENTER;
    return uBase | DT_LEFT;
}

// The tallest header the skin can ask for.
constexpr int kQVHeaderMaxHeight = 1024;

// The header height for the skin's metric: a metric of 0 or less gives no height of the skin's (0: the
// system's stays), a larger one than kQVHeaderMaxHeight is cut to it.
inline int QVHeaderSkinHeight(int nMetric) {
    if (nMetric <= 0) return 0;
    return nMetric > kQVHeaderMaxHeight ? kQVHeaderMaxHeight : nMetric;
}
