// The one-pixel frame's arithmetic: how far the client rectangle is widened, and the client kept inside
// a window too small for its frame. The frames on screen are tested with each framed control.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVOnePixelFrame.h"

TEST(QVOnePixelFrame, WideningLeavesOnePixelWhateverTheSystemEdge) {
    const CRect rcProposed(10, 20, 110, 45);
    const struct {
        BOOL bWiden;
        int cxEdge, cyEdge;
        CRect expected;
    } rows[] = {
        {TRUE, 2, 2, CRect(9, 19, 111, 46)},  // the system then takes 2: one pixel remains
        {TRUE, 1, 1, CRect(10, 20, 110, 45)},
        {TRUE, 3, 2, CRect(8, 19, 112, 46)},
        {FALSE, 2, 2, CRect(10, 20, 110, 45)},  // the system's frame
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "widen " << row.bWiden << " edge " << row.cxEdge);
        EXPECT_EQ(row.expected, QVOnePixelWidenedRect(rcProposed, row.bWiden, row.cxEdge, row.cyEdge));
    }
}

TEST(QVOnePixelFrame, ClientAreaStaysInsideAWindowTooSmallForItsFrame) {
    const CRect rcWindow(5, 5, 9, 8);
    const struct {
        CRect rcClient, expected;
    } rows[] = {
        {CRect(6, 6, 8, 7), CRect(6, 6, 8, 7)},      // fits
        {CRect(6, 6, 4, 4), CRect(6, 6, 6, 6)},      // turned inside out: empty
        {CRect(4, 4, 10, 9), CRect(5, 5, 9, 8)},     // reaching out: cut
        {CRect(12, 12, 14, 14), CRect(9, 8, 9, 8)},  // beyond the window: empty at its corner
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.rcClient.left << "," << row.rcClient.top);
        EXPECT_EQ(row.expected, QVClientInsideWindow(row.rcClient, rcWindow));
    }
}

TEST(QVOnePixelFrame, NoWindowIsHarmless) {
    CWnd none;
    QVRecalcFrame(nullptr);
    QVRecalcFrame(&none);
    QVDrawOnePixelFrame(nullptr, RGB(1, 2, 3));
    QVDrawOnePixelFrame(&none, RGB(1, 2, 3));
}
