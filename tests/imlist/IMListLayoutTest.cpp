// Contact list geometry without a window or a DC: rows, group buttons, the window's button stack, the
// cleared band of a slide, hit tests and the scroll bar's parts, thumb and drag.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "IMGroupButton.h"
#include "IMListLayout.h"

#include <memory>
#include <vector>

namespace {

// A rectangle written as one table cell.
struct R {
    int l, t, r, b;
    CRect Get() const { return CRect(l, t, r, b); }
};

template <class T, size_t N>
constexpr int kCount(const T (&)[N]) {
    return static_cast<int>(N);
}

}  // namespace

TEST(IMListLayout, TeamAndUserRowsSplitIntoPictureAndText) {
    EXPECT_EQ(CRect(12, 32, 30, 48), IMListTeamRowRects(CRect(10, 30, 190, 50)).m_rcImage);
    EXPECT_EQ(CRect(30, 32, 185, 48), IMListTeamRowRects(CRect(10, 30, 190, 50)).m_rcText);
    EXPECT_EQ(CRect(22, 102, 42, 122), IMListUserRowRects(CRect(20, 100, 180, 124)).m_rcImage);
    EXPECT_EQ(CRect(45, 102, 175, 122), IMListUserRowRects(CRect(20, 100, 180, 124)).m_rcText);
    EXPECT_EQ(CRect(22, 102, 62, 142), IMListUserRowRects(CRect(20, 100, 180, 144)).m_rcImage);
    EXPECT_EQ(CRect(65, 102, 175, 142), IMListUserRowRects(CRect(20, 100, 180, 144)).m_rcText);
    EXPECT_EQ(24, IMListUserRowHeight(0));
    EXPECT_EQ(44, IMListUserRowHeight(1));
    EXPECT_EQ(CRect(20, 22, 180, 94), IMListTeamUsersRect(CRect(10, 0, 190, 20), 3, 24));
    EXPECT_EQ(CRect(20, 22, 180, 154), IMListTeamUsersRect(CRect(10, 0, 190, 20), 3, 44));
}

TEST(IMListLayout, EvenlySpacedRowsOwnTheirTopEdge) {
    // Three rows of 24 from height 22: y; row.
    // clang-format off
    const int rows[][2] = {{22, 0}, {45, 0}, {46, 1}, {75, 2}, {93, 2}, {94, -1}, {21, -1}, {-100000, -1}};
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i][1], IMListRowAt(22, 24, 3, rows[i][0]));
    }
}

TEST(IMListLayout, VisibleRowsAreThoseMeetingTheBand) {
    // Rows of 24: top, count, band from, band to; any visible, first, last.
    // clang-format off
    const int rows[][7] = {
        {0, 10, 0, 240, TRUE, 0, 9}, {0, 10, 30, 50, TRUE, 1, 2}, {0, 10, 47, 48, TRUE, 1, 1},
        {0, 10, 48, 49, TRUE, 2, 2}, {-100, 10, 0, 30, TRUE, 4, 5}, {0, 3, -500, 5000, TRUE, 0, 2},
        {0, 10, 240, 300, FALSE, 0, 0}, {100, 10, 0, 100, FALSE, 0, 0}, {0, 0, 0, 100, FALSE, 0, 0},
    };
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        const int* row = rows[i];
        int nFirst = 0, nLast = 0;
        EXPECT_EQ(row[4], IMListVisibleRows(row[0], 24, row[1], row[2], row[3], nFirst, nLast));
        EXPECT_EQ(row[4] ? row[5] : 0, nFirst);
        EXPECT_EQ(row[4] ? row[6] : 0, nLast);
    }
}

TEST(IMListLayout, GroupButtonTextFlashIconAndScrollColumn) {
    const CIMGroupButtonRects rects = IMGroupButtonRects(CRect(0, 24, 200, 48));
    EXPECT_EQ(CRect(20, 25, 195, 47), rects.m_rcText);
    EXPECT_EQ(CRect(180, 24, 198, 48), rects.m_rcFlashIcon);
    EXPECT_EQ(CRect(185, 24, 200, 174), IMGroupScrollBarRect(CRect(0, 24, 200, 174)));
    EXPECT_EQ(CRect(10, 24, 200, 44), IMGroupFirstRowRect(CRect(0, 24, 200, 174), 0));
    EXPECT_EQ(CRect(10, -6, 200, 14), IMGroupFirstRowRect(CRect(0, 24, 200, 224), 30));
    // Ten collapsed teams; then three teams, the middle one open with three small users.
    EXPECT_EQ(CRect(10, 24, 180, 244), IMGroupContentRect(CRect(0, 24, 200, 174), 10, 0));
    EXPECT_EQ(3 * 22 + 72, IMGroupContentRect(CRect(0, 0, 200, 1000), 3, 72).Height());
}

TEST(IMListLayout, GroupScrollRangeIsTheOverflowWithAProportionalPage) {
    // Open area height, content height; visible, max, page.
    // clang-format off
    const int rows[][5] = {
        {150, 220, 1, 70, 47}, {150, 150, 0, 0, 0}, {400, 220, 0, 0, 0}, {150, 151, 1, 1, 0}, {0, 0, 1, 1, 0},
        {200, 2000, 1, 1800, 180},
    };
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        const CIMGroupScrollRange range = IMGroupScrollRange(rows[i][0], rows[i][1]);
        EXPECT_EQ(rows[i][2], range.m_bVisible);
        EXPECT_EQ(rows[i][3], range.m_nMax);
        EXPECT_EQ(rows[i][4], range.m_nPage);
        EXPECT_EQ(22, range.m_nLine);
    }
}

TEST(IMListLayout, SlideStepsAndSnapsWithinOneStep) {
    EXPECT_EQ(0, IMGroupSlideDirection(276, 276));
    EXPECT_EQ(1, IMGroupSlideDirection(276, 48));
    EXPECT_EQ(2, IMGroupSlideDirection(48, 98));
    // Direction, top, destination top; moves, distance (steps of 50).
    // clang-format off
    const int rows[][5] = {
        {1, 276, 48, TRUE, -50}, {1, 76, 48, FALSE, 0}, {1, 98, 48, FALSE, 0}, {2, 48, 98, FALSE, 0},
        {2, 48, 99, TRUE, 50}, {0, 48, 48, FALSE, 0},
    };
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        int dy = 7;
        EXPECT_EQ(rows[i][3], IMGroupSlideStep(rows[i][0], rows[i][1], rows[i][2], 50, dy));
        EXPECT_EQ(rows[i][4], dy);
    }
}

TEST(IMListLayout, CurrentGroupSplitsTheButtonsAroundItsArea) {
    struct Row {
        R client;
        int nCurrent;
        R buttons[3], expand;
    };
    // Three buttons 24 high.
    // clang-format off
    const Row rows[] = {
        {{0, 0, 200, 300}, 1,  {{0, 0, 200, 24},    {0, 24, 200, 48},   {0, 276, 200, 300}}, {0, 48, 200, 276}},
        {{0, 0, 240, 200}, 1,  {{0, 0, 240, 24},    {0, 24, 240, 48},   {0, 176, 240, 200}}, {0, 48, 240, 176}},
        {{0, 0, 200, 300}, 0,  {{0, 0, 200, 24},    {0, 252, 200, 276}, {0, 276, 200, 300}}, {0, 24, 200, 252}},
        {{0, 0, 200, 300}, 2,  {{0, 0, 200, 24},    {0, 24, 200, 48},   {0, 48, 200, 72}},   {0, 72, 200, 300}},
        {{0, 0, 200, 300}, -1, {{0, 228, 200, 252}, {0, 252, 200, 276}, {0, 276, 200, 300}}, {0, 0, 200, 228}},
        {{0, 0, 0, 0},     1,  {{0, 0, 0, 24},      {0, 24, 0, 48},     {0, -24, 0, 0}},     {0, 48, 0, 48}},
    };
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(rows[i].buttons[n].Get(),
                      IMListButtonRect(rows[i].client.Get(), 24, 3, rows[i].nCurrent, n));
        EXPECT_EQ(rows[i].expand.Get(), IMListExpandRect(rows[i].client.Get(), 24, 3, rows[i].nCurrent));
    }
    EXPECT_EQ(CRect(0, 48, 185, 276), IMListRowsRect(CRect(0, 48, 200, 276)));
}

TEST(IMListLayout, SlideClearsFromTheButtonAboveToTheButtonBelow) {
    const CRect rcClient(0, 0, 200, 300);
    const CRect rcAbove(0, 0, 200, 24), rcFirst(0, 24, 200, 48), rcLast(0, 48, 200, 72),
        rcBelow(0, 276, 200, 300);
    const int nBarBottom = 320;
    EXPECT_EQ(CRect(0, 24, 200, 276),
              IMListSlideClearRect(rcClient, rcFirst, rcLast, &rcAbove, &rcBelow, nullptr));
    EXPECT_EQ(CRect(0, 24, 200, 72),
              IMListSlideClearRect(rcClient, rcFirst, rcLast, nullptr, nullptr, nullptr));
    // An open last button clears down to its scroll bar's bottom, never less than its own.
    EXPECT_EQ(CRect(0, 24, 200, 320),
              IMListSlideClearRect(rcClient, rcFirst, rcLast, nullptr, nullptr, &nBarBottom));
    const int nShort = 10;
    EXPECT_EQ(CRect(0, 24, 200, 72),
              IMListSlideClearRect(rcClient, rcFirst, rcLast, nullptr, nullptr, &nShort));
    // Buttons still on their way may stand in reverse order: the band is normalised.
    EXPECT_EQ(CRect(0, 48, 200, 276),
              IMListSlideClearRect(rcClient, rcBelow, rcFirst, nullptr, nullptr, nullptr));
}

// Three groups in a 200 x 300 client, group 1 open with two teams: "A" open with three users, "B" closed.
TEST(IMListLayout, HitTestFindsButtonsBarPartsRowsAndPictures) {
    std::unique_ptr<CIMGroupButton> owned[3];
    std::vector<CIMGroupButton*> groups;
    for (int i = 0; i < 3; ++i) {
        owned[i].reset(new CIMGroupButton);
        owned[i]->SetRect(IMListButtonRect(CRect(0, 0, 200, 300), 24, 3, 1, i));
        groups.push_back(owned[i].get());
    }
    for (LPCTSTR lpszTitle : {_T("A"), _T("B")}) {
        CIMListTeamItem* pTeam = new CIMListTeamItem;
        pTeam->SetTitle(lpszTitle);
        groups[1]->AddChild(pTeam);
    }
    CIMListTeamItem* pOpen = static_cast<CIMListTeamItem*>(groups[1]->GetChild(0));
    for (DWORD id = 1; id <= 3; ++id) {
        CIMListUserItem* pUser = new CIMListUserItem;
        pUser->SetUserID(id);
        pOpen->AddChild(pUser);
    }
    pOpen->Expand(1);
    groups[1]->Expand(1);
    groups[1]->SetExpandRect(IMListExpandRect(CRect(0, 0, 200, 300), 24, 3, 1));
    groups[2]->AddSparkleItem(pOpen->GetChild(0));
    // Current group, x, y; button, on its flashing picture, bar part, team, user, on the picture. Team A
    // at 48..68, its users at 70, 94, 118 (pictures 22..42 across), team B at 144..164.
    // clang-format off
    const int rows[][9] = {
        {1, 100, 10, 0, 0, 0, -1, -1, 0},   {1, 100, 47, 1, 0, 0, -1, -1, 0},   {1, 190, 280, 2, 1, 0, -1, -1, 0},
        {1, 100, 280, 2, 0, 0, -1, -1, 0},  {1, 180, 276, 2, 1, 0, -1, -1, 0},  {1, 198, 299, 2, 0, 0, -1, -1, 0},
        {1, 100, 50, -1, 0, 0, 0, -1, 0},   {1, 100, 75, -1, 0, 0, 0, 0, 0},    {1, 25, 100, -1, 0, 0, 0, 1, 1},
        {1, 100, 141, -1, 0, 0, 0, 2, 0},   {1, 100, 150, -1, 0, 0, 1, -1, 0},  {1, 100, 200, -1, 0, 0, -1, -1, 0},
        {1, 5, 75, -1, 0, 0, -1, -1, 0},    {-1, 100, 75, -1, 0, 0, -1, -1, 0}, {0, 100, 75, -1, 0, 0, -1, -1, 0},
    };
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        const int* row = rows[i];
        const CIMListHit hit = IMListHitTest(groups, row[0], CPoint(row[1], row[2]));
        const std::vector<int> got = {hit.m_nGroup,     hit.m_bSparkleIcon, hit.m_nArea,
                                      hit.m_item.nTeam, hit.m_item.nUser,   hit.m_item.bInImage};
        EXPECT_EQ(std::vector<int>(row + 3, row + 9), got);
        EXPECT_EQ(row[6] >= 0 ? 1 : -1, hit.m_item.nGroup);
    }
}

TEST(IMListLayout, ScrollBarPartsByHeight) {
    struct Row {
        R rc, track, minDelta, maxDelta, thumb;
    };
    // clang-format off
    const Row rows[] = {
        {{0, 0, 15, 30},      {0, 0, 0, 0},        {0, 0, 15, 15},    {0, 15, 15, 30},     {0, 0, 0, 0}},
        {{0, 0, 15, 21},      {0, 0, 0, 0},        {0, 0, 15, 10},    {0, 11, 15, 21},     {0, 0, 0, 0}},
        {{100, 10, 115, 140}, {100, 25, 115, 125}, {100, 10, 115, 25}, {100, 125, 115, 140}, {100, 25, 115, 55}},
        {{0, 0, 15, 45},      {0, 15, 15, 30},     {0, 0, 15, 15},    {0, 30, 15, 45},     {0, 0, 0, 0}},
    };
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        const CIMScrollBarRects parts = IMScrollBarLayout(rows[i].rc.Get());
        EXPECT_EQ(rows[i].track.Get(), parts.m_rcTrack);
        EXPECT_EQ(rows[i].minDelta.Get(), parts.m_rcMinDelta);
        EXPECT_EQ(rows[i].maxDelta.Get(), parts.m_rcMaxDelta);
        EXPECT_EQ(rows[i].thumb.Get(), parts.m_rcThumb);
    }
}

TEST(IMListLayout, ThumbSizeFollowsThePageAndItsPlaceThePosition) {
    // Track height (from 25 down), min, max, page, position; thumb height, thumb top.
    // clang-format off
    const int rows[][7] = {
        {100, 0, 200, 100, 0, 50, 25}, {100, 0, 200, 100, 100, 50, 50}, {100, 0, 200, 100, 200, 50, 75},
        {100, 0, 1000, 1, 200, 15, 25 + 85 * 200 / 1000}, {100, 0, 10, 50, 5, 100, 25}, {10, 0, 100, 10, 50, 10, 25},
        {100, 5, 5, 10, 5, 100, 25},
    };
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        const int* row = rows[i];
        const int nHeight = IMScrollBarThumbHeight(row[0], row[1], row[2], row[3]);
        EXPECT_EQ(row[5], nHeight);
        EXPECT_EQ(row[6],
                  IMScrollBarThumbTop(CRect(100, 25, 115, 25 + row[0]), nHeight, row[1], row[2], row[4]));
    }
    EXPECT_EQ(10, IMScrollBarClampPos(10, 3, 40));
    EXPECT_EQ(0, IMScrollBarClampPos(0, 100, -5));
    EXPECT_EQ(100, IMScrollBarClampPos(0, 100, 500));
}

TEST(IMListLayout, ScrollBarPartsInHitOrder) {
    const CRect rcBar(100, 10, 115, 140);
    CIMScrollBarRects parts = IMScrollBarLayout(rcBar);
    parts.m_rcThumb = CRect(100, 50, 115, 100);
    // x, y; part.
    // clang-format off
    const int rows[][3] = {
        {100, 10, 1}, {114, 24, 1}, {107, 25, 4}, {107, 49, 4}, {107, 50, 3}, {107, 99, 3},
        {107, 100, 4}, {107, 125, 2}, {107, 139, 2}, {107, 140, 0}, {115, 60, 0}, {99, 60, 0},
    };
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i][2], IMScrollBarHitTest(rcBar, parts, CPoint(rows[i][0], rows[i][1])));
    }
}

TEST(IMListLayout, ThumbDragStaysInTheTrackAndItsEndIsTheRangeEnd) {
    const CRect rcTrack(100, 25, 115, 125);
    // Range 0 ... 300, thumb 33 (67 pixels free): wanted top; top, position.
    // clang-format off
    const int rows[][3] = {{45, 45, static_cast<int>(20 / (67.0f / 300.0f))}, {500, 92, 300}, {92, 92, 300}, {-100, 25, 0}};
    // clang-format on
    for (int i = 0; i < kCount(rows); ++i) {
        SCOPED_TRACE(i);
        const int nTop = IMScrollBarDragTop(rcTrack, 33, rows[i][0]);
        EXPECT_EQ(rows[i][1], nTop);
        EXPECT_EQ(rows[i][2], IMScrollBarDragPos(rcTrack, 33, 0, 300, nTop, 17));
    }
    // A thumb that fills the track, or an empty range, keeps the position.
    EXPECT_EQ(17, IMScrollBarDragPos(rcTrack, 100, 0, 300, 25, 17));
    EXPECT_EQ(17, IMScrollBarDragPos(rcTrack, 33, 10, 10, 60, 17));
}

TEST(IMListLayout, EndOfTheTrackIsAlwaysTheEndOfTheRange) {
    // The single-precision step lands one short for some track and range pairs; the end must not.
    for (int nTrack = 30; nTrack < 370; nTrack += 7)
        for (int nMax = 3; nMax < 500; nMax += 13) {
            const CRect rcTrack(100, 25, 115, 25 + nTrack);
            const int nThumb = IMScrollBarThumbHeight(nTrack, 0, nMax, 1);
            ASSERT_EQ(nMax, IMScrollBarDragPos(rcTrack, nThumb, 0, nMax, rcTrack.bottom - nThumb, 0))
                << nTrack;
        }
}
