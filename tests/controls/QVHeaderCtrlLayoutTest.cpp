// The skinned header's arithmetic by tables: the frame of an item, the text flags of a format, the
// height from the skin's metric.
#include <gtest/gtest.h>

#include "QVHeaderCtrlLayout.h"

TEST(HeaderLayout, OnlyTheHotItemChangesFrameUnlessAllLookDisabled) {
    const struct {
        int nItem, nHot;
        BOOL bPressed, bAllDisabled;
        int nState;
    } rows[] = {
        {0, -1, FALSE, FALSE, QVHIS_NORMAL}, {1, 1, FALSE, FALSE, QVHIS_HOT},
        {1, 1, TRUE, FALSE, QVHIS_PRESSED},  {0, 1, TRUE, FALSE, QVHIS_NORMAL},
        {1, 1, TRUE, TRUE, QVHIS_DISABLED},  {0, -1, FALSE, TRUE, QVHIS_DISABLED},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nItem << " hot " << row.nHot << " pressed " << row.bPressed);
        EXPECT_EQ(row.nState, QVHeaderItemState(row.nItem, row.nHot, row.bPressed, row.bAllDisabled));
    }
}

TEST(HeaderLayout, TextMovesOnlyForExactRightAndCentreFormats) {
    const struct {
        int nFormat;
        UINT uFlags;
    } rows[] = {
        {HDF_LEFT, 0x8024},
        {HDF_RIGHT, 0x8026},
        {HDF_CENTER, 0x8025},
        {HDF_CENTER | HDF_STRING, 0x8024},  // a list view's centred column
        {HDF_RIGHT | HDF_STRING, 0x8024},
        {HDF_RIGHT | HDF_BITMAP, 0x8024},
        {-1, 0x8024},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nFormat);
        EXPECT_EQ(row.uFlags, QVHeaderTextFormat(row.nFormat));
    }
}

TEST(HeaderLayout, MetricsOutsideTheRangeKeepTheSystemHeightOrAreCut) {
    const struct {
        int nMetric, cy;
    } rows[] = {{22, 22},
                {1, 1},
                {0, 0},
                {-5, 0},
                {kQVHeaderMaxHeight, kQVHeaderMaxHeight},
                {10000, kQVHeaderMaxHeight}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nMetric);
        EXPECT_EQ(row.cy, QVHeaderSkinHeight(row.nMetric));
    }
}
