// The one-pixel frame's arithmetic: how far the client rectangle is widened, and the client kept inside
// the frame ring. The frames on screen are tested with each framed control.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVOnePixelFrame.h"
#include "ResourceCounter.h"

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

TEST(QVOnePixelFrame, ClientAreaStaysInsideTheFrameRing) {
    const CRect rcWindow(5, 5, 12, 10);  // the ring leaves (6, 6, 11, 9)
    const struct {
        CRect rcWindow, rcClient, expected;
    } rows[] = {
        {rcWindow, CRect(7, 7, 10, 8), CRect(7, 7, 10, 8)},         // a system edge inside: kept
        {rcWindow, CRect(6, 6, 11, 9), CRect(6, 6, 11, 9)},         // the widened client edge: one pixel left
        {rcWindow, CRect(4, 4, 13, 11), CRect(6, 6, 11, 9)},        // no system edge: the ring kept free
        {rcWindow, CRect(8, 8, 7, 7), CRect(8, 8, 8, 8)},           // turned inside out: empty
        {rcWindow, CRect(20, 20, 22, 22), CRect(11, 9, 11, 9)},     // beyond the window: empty at its corner
        {CRect(5, 5, 7, 6), CRect(4, 4, 8, 7), CRect(6, 6, 6, 6)},  // too small for a ring: empty
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.rcClient.left << "," << row.rcClient.top);
        EXPECT_EQ(row.expected, QVClientInsideFrame(row.rcClient, row.rcWindow));
    }
}

TEST(QVOnePixelFrame, NoWindowIsHarmlessAndMakesNoPen) {
    CWnd none;
    const riztest::ResourceSnapshot before;
    QVRecalcFrame(nullptr);
    QVRecalcFrame(&none);
    QVDrawOnePixelFrame(nullptr, RGB(1, 2, 3));
    QVDrawOnePixelFrame(&none, RGB(1, 2, 3));
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(nullptr, none.m_hWnd);
}
