// The contact list's scroll bar: layout, thumb size and place, clicks, drags, reports and drawing.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "IMListTestKit.h"
#include "IMScrollBar.h"
#include "TestWindow.h"

using namespace imtest;

namespace {

// A bar 15 wide with its rect set and a range, reporting to a recording window.
struct Bar {
    riztest::TestWindow window;
    CIMScrollBar bar;
    explicit Bar(int cy = 130) {
        bar.SetNotifyWnd(window.Host());
        bar.SetVisible(1);
        bar.SetRect(CRect(100, 10, 115, 10 + cy));
        nBase = window.CountReceived(WM_IMLIST_SCROLL);
    }
    int nBase = 0;
    int Reports() const { return window.CountReceived(WM_IMLIST_SCROLL) - nBase; }
    std::pair<int, int> LastReport() const {
        return {static_cast<int>(window.LastWParam(WM_IMLIST_SCROLL)),
                static_cast<int>(window.LastLParam(WM_IMLIST_SCROLL))};
    }
};

}  // namespace

TEST(IMScrollBarLayout, PartsFollowTheRectOnlyWhenVerticalAndNothingIsHitWhileHidden) {
    Bar b;
    b.bar.SetRange(0, 200, 100, 22);
    b.bar.SetPos(100);
    EXPECT_EQ(CRect(100, 50, 115, 100), b.bar.GetBarRect());
    EXPECT_EQ(CIMScrollBar::SBA_BAR, b.bar.MouseInWhere(CPoint(107, 60)));
    b.bar.SetVisible(0);
    EXPECT_EQ(CIMScrollBar::SBA_NONE, b.bar.MouseInWhere(CPoint(107, 60)));
    b.bar.SetVert(0);
    b.bar.SetRect(CRect(0, 0, 15, 300));
    EXPECT_EQ(CRect(100, 10, 115, 140), b.bar.GetRect());
}

TEST(IMScrollBarThumb, EmptyRangeKeepsThePositionAtMin) {
    Bar b;
    b.bar.SetRange(5, 5, 10, 1);
    EXPECT_EQ(5, b.bar.GetPos());
    b.bar.SetPos(40);
    EXPECT_EQ(5, b.bar.GetPos());
    b.bar.SetRange(10, 3, 10, 1);
    EXPECT_EQ(10, b.bar.GetPos());
    b.bar.OnClick(b.bar.GetTrackRect().CenterPoint());
    b.bar.OnMouseMove(CPoint(107, 120));
    EXPECT_EQ(10, b.bar.GetPos());
    EXPECT_EQ(b.bar.GetTrackRect(), b.bar.GetBarRect());
}

TEST(IMScrollBarReport, OnlyRealChangesAreReportedWithOldAndNewPosition) {
    Bar b;
    b.bar.SetRange(0, 100, 10, 7);
    EXPECT_EQ(0, b.Reports());
    b.bar.SetPos(30);
    EXPECT_EQ(std::make_pair(0, 30), b.LastReport());
    EXPECT_EQ(1, b.Reports());
    EXPECT_EQ(std::make_pair(0, 30), b.LastReport());
    b.bar.SetPos(30);
    b.bar.SetPos(-5);
    EXPECT_EQ(2, b.Reports());
    EXPECT_EQ(std::make_pair(30, 0), b.LastReport());
    b.bar.SetPos(-5);
    EXPECT_EQ(2, b.Reports());
    // SetRange clamps (and reports); SetRect resets through SetPos(0), which reports.
    b.bar.SetPos(90);
    b.bar.SetRange(0, 50, 10, 7);
    EXPECT_EQ(std::make_pair(90, 50), b.LastReport());
    b.bar.SetRect(CRect(100, 10, 115, 200));
    EXPECT_EQ(std::make_pair(50, 0), b.LastReport());
    EXPECT_EQ(5, b.Reports());
    // No notify window, no report.
    b.bar.SetNotifyWnd(NULL);
    b.bar.SetPos(20);
    EXPECT_EQ(5, b.Reports());
}

TEST(IMScrollBarClick, ArrowsStepByLineTrackByPageAndStayInRange) {
    Bar b;
    b.bar.SetRange(0, 100, 30, 7);
    b.bar.OnClick(CPoint(107, 130));
    EXPECT_EQ(7, b.bar.GetPos());
    b.bar.OnClick(CPoint(107, 12));
    b.bar.OnClick(CPoint(107, 12));
    EXPECT_EQ(0, b.bar.GetPos());
    EXPECT_EQ(2, b.Reports());
    b.bar.OnClick(CPoint(107, 120));  // track below the thumb
    EXPECT_EQ(30, b.bar.GetPos());
    const int nAbove = b.bar.GetBarRect().top - 1;
    b.bar.OnClick(CPoint(107, nAbove));
    EXPECT_EQ(0, b.bar.GetPos());
    for (int i = 0; i < 6; ++i)
        b.bar.OnClick(CPoint(107, 122));
    EXPECT_EQ(100, b.bar.GetPos());
    const int nReports = b.Reports();
    b.bar.OnClick(CPoint(107, 135));  // max arrow at the end: no change, no report
    EXPECT_EQ(100, b.bar.GetPos());
    EXPECT_EQ(nReports, b.Reports());
}

// ---------------------------------------------------------------------------------------------------
// Drawing from an image with one colour per part.

namespace {

const COLORREF kMin = RGB(200, 0, 0), kMinHot = RGB(255, 80, 80);
const COLORREF kMax = RGB(0, 200, 0), kMaxHot = RGB(80, 255, 80);
const COLORREF kGrip = RGB(250, 250, 0), kGripHot = RGB(0, 250, 250);
const COLORREF kTrack = RGB(90, 90, 90);
const COLORREF kGap = RGB(1, 2, 3);

// Thumb rows carry their row number: RGB(0, 0, 100 + row) normal, RGB(60, 0, 100 + row) hot.
COLORREF ThumbRow(int nRow, bool bHot) {
    return RGB(bHot ? 60 : 0, 0, 100 + nRow);
}

void LoadPartImage(CIMScrollBar& bar) {
    bar.GetImage().AttachBitmap(riztest::Dib(76, 56, [](int x, int y) -> COLORREF {
        auto in = [x, y](int l, int t) { return x >= l && x < l + 15 && y >= t && y < t + 15; };
        if (in(0, 0)) return kMin;
        if (in(21, 0)) return kMinHot;
        if (in(0, 21)) return kMax;
        if (in(21, 21)) return kMaxHot;
        if (in(41, 0)) return ThumbRow(y, false);
        if (in(61, 0)) return ThumbRow(y, true);
        if (in(41, 21)) return kGrip;
        if (in(61, 21)) return kGripHot;
        if (in(0, 41)) return kTrack;
        return kGap;
    }));
}

}  // namespace

TEST(IMScrollBarDraw, EveryPartFromItsCell) {
    Bar b;
    LoadPartImage(b.bar);
    b.bar.SetRange(0, 200, 100, 22);  // thumb 25 .. 75, 50 high
    for (int nHot = 0; nHot <= 4; ++nHot) {
        riztest::Surface s(130, 150, RGB(255, 255, 255));
        b.bar.Draw(Dc(s), static_cast<CIMScrollBar::ScrollBarArea>(nHot));
        EXPECT_EQ(nHot == 1 ? kMinHot : kMin, s.Pixel(107, 17));
        EXPECT_EQ(nHot == 2 ? kMaxHot : kMax, s.Pixel(107, 132));
        EXPECT_EQ(kTrack, s.Pixel(107, 100));
        const bool bHot = nHot == 3;
        // Ends: rows 0-6 on top, rows 7-14 at the bottom; middle: slices of rows 3-11; grip centred.
        for (int r = 0; r < 7; ++r)
            EXPECT_EQ(ThumbRow(r, bHot), s.Pixel(107, 25 + r));
        for (int r = 0; r < 8; ++r)
            EXPECT_EQ(ThumbRow(7 + r, bHot), s.Pixel(107, 75 - 8 + r));
        EXPECT_EQ(ThumbRow(3, bHot), s.Pixel(107, 32));
        EXPECT_EQ(ThumbRow(11, bHot), s.Pixel(107, 40));
        EXPECT_EQ(bHot ? kGripHot : kGrip, s.Pixel(107, 25 + 17));
        EXPECT_EQ(bHot ? kGripHot : kGrip, s.Pixel(107, 25 + 31));
        EXPECT_EQ(ThumbRow(3, bHot), s.Pixel(107, 41));  // row after the first slice
        EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 100, 150), RGB(255, 255, 255), 0));
        EXPECT_EQ(0, FindColor(s, CRect(0, 0, 130, 150), kGap).Width());
    }
}

TEST(IMScrollBarDraw, ShortThumbGetsTheWholeCellAndNoGrip) {
    Bar b;
    LoadPartImage(b.bar);
    b.bar.SetRange(0, 1000, 1, 1);  // 15-pixel thumb
    riztest::Surface s(130, 150, RGB(255, 255, 255));
    b.bar.Draw(Dc(s), CIMScrollBar::SBA_NONE);
    for (int r = 0; r < 15; ++r)
        EXPECT_EQ(ThumbRow(r, false), s.Pixel(107, 25 + r));
    b.bar.SetRange(0, 1000, 200, 1);  // 20 pixels: ends and slices, still no grip
    b.bar.Draw(Dc(s), CIMScrollBar::SBA_NONE);
    EXPECT_EQ(0, FindColor(s, CRect(0, 0, 130, 150), kGrip).Width());
    EXPECT_EQ(ThumbRow(3, false), s.Pixel(107, 25 + 7));
    EXPECT_EQ(ThumbRow(14, false), s.Pixel(107, 25 + 19));
}

TEST(IMScrollBarDraw, MovedThumbLeavesNoGhost) {
    Bar b;
    LoadPartImage(b.bar);
    b.bar.SetRange(0, 200, 60, 22);
    riztest::Surface shown(130, 150, RGB(255, 255, 255));
    b.bar.Draw(Dc(shown), CIMScrollBar::SBA_NONE);
    // Through SetPos, then through a drag: DrawPart repaints the track under the last drawn place.
    for (int nPos : {37, 200, 3}) {
        b.bar.SetPos(nPos);
        b.bar.DrawPart(Dc(shown), CIMScrollBar::SBA_BAR, 0);
        riztest::Surface fresh(130, 150, RGB(255, 255, 255));
        b.bar.Draw(Dc(fresh), CIMScrollBar::SBA_NONE);
        EXPECT_EQ(0, CountDifferent(shown, fresh, CRect(0, 0, 130, 150))) << nPos;
    }
    b.bar.OnClick(b.bar.GetBarRect().TopLeft());
    for (int y : {60, 90, 200, 30}) {
        b.bar.OnMouseMove(CPoint(107, y));
        b.bar.DrawPart(Dc(shown), CIMScrollBar::SBA_BAR, 0);
        riztest::Surface fresh(130, 150, RGB(255, 255, 255));
        b.bar.Draw(Dc(fresh), CIMScrollBar::SBA_NONE);
        EXPECT_EQ(0, CountDifferent(shown, fresh, CRect(0, 0, 130, 150))) << y;
    }
}

TEST(IMScrollBarDraw, HiddenBarDrawsNothingAndCopiesShareTheImage) {
    Bar b;
    LoadPartImage(b.bar);
    b.bar.SetRange(0, 100, 10, 1);
    b.bar.SetVisible(0);
    riztest::Surface s(130, 150, RGB(255, 255, 255));
    b.bar.Draw(Dc(s), CIMScrollBar::SBA_NONE);
    b.bar.DrawPart(Dc(s), CIMScrollBar::SBA_MINDELTA, 1);
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 130, 150), RGB(255, 255, 255), 0));
    CIMScrollBar copy;
    copy = b.bar;
    copy.SetVisible(1);
    EXPECT_EQ(b.bar.GetBarRect(), copy.GetBarRect());
    copy.Draw(Dc(s), CIMScrollBar::SBA_NONE);
    EXPECT_EQ(kMin, s.Pixel(107, 17));
}

TEST(IMScrollBarDraw, ShippedSkinImageHasItsCells) {
    CIMScrollBar bar;
    ASSERT_FALSE(bar.GetImage().IsNull());
    EXPECT_GE(bar.GetImage().GetWidth(), 76);
    EXPECT_GE(bar.GetImage().GetHeight(), 56);
}
