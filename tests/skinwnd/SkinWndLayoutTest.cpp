// Frame geometry of skinned windows: layout rectangles for both caption-button layouts, the hit test,
// the client inset, the outline and the ".rgn" region cache, all from records filled in here.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "ResourceCounter.h"
#include "SkinWndLayout.h"
#include "SkinWndTestKit.h"
#include "TestData.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

// clang-format off
// Caption buttons in a row from the right border: L 4, R 6, T 30, B 5; close 20x18, maximize
// 19x16, minimize 17x15, gap 2.
CQVSkinWndRes RowRecord() {
    CQVSkinWndRes res;
    res.m_nCaptionBtnLayout = 1;
    res.m_nLeftBorder = 4; res.m_nRightBorder = 6; res.m_nCaptionHeight = 30; res.m_nBottomBorder = 5;
    res.m_nCloseBtnWidth = 20; res.m_nCloseBtnHeight = 18;
    res.m_nMaxBtnWidth = 19; res.m_nMaxBtnHeight = 16;
    res.m_nMinBtnWidth = 17; res.m_nMinBtnHeight = 15;
    res.m_nBtnGap = 2;
    return res;
}

// Each piece at its own position: L 3, R 3, T 24, B 4; icon at (5, 4); minimize 20x16 at 70 from
// the right, y 2; maximize 20x16 at 48, y 2; close 22x18 at 26, y 1; title at (30, 5).
CQVSkinWndRes PlacedRecord() {
    CQVSkinWndRes res;
    res.m_nCaptionBtnLayout = 0;
    res.m_nLeftBorder = 3; res.m_nRightBorder = 3; res.m_nCaptionHeight = 24; res.m_nBottomBorder = 4;
    res.m_nIconLeft = 5; res.m_nIconTop = 4;
    res.m_nMinBtnWidth = 20; res.m_nMinBtnHeight = 16; res.m_nMinBtnRight = 70; res.m_nMinBtnTop = 2;
    res.m_nMaxBtnWidth = 20; res.m_nMaxBtnHeight = 16; res.m_nMaxBtnRight = 48; res.m_nMaxBtnTop = 2;
    res.m_nCloseBtnWidth = 22; res.m_nCloseBtnHeight = 18; res.m_nCloseBtnRight = 26; res.m_nCloseBtnTop = 1;
    res.m_nTitleLeft = 30; res.m_nTitleTop = 5;
    return res;
}
// clang-format on

const CRect kWindow(0, 0, 300, 200);

CSkinWndLayout Layout(const CQVSkinWndRes& res, BOOL bHasMenu, const CRect& rc = kWindow) {
    CSkinWndLayout layout;
    InitHitTestRects(layout, res);
    AdjustHitTestRects(layout, res, rc, bHasMenu);
    return layout;
}

}  // namespace

// Each row lays a record out for a window and checks one rectangle. The sizes are the record's (set at
// init); adjusting again for another size only moves the rectangles.
TEST(SkinWndLayout, RectanglesOfBothButtonLayoutsFollowTheRecordAndTheWindowEdges) {
    CQVSkinWndRes tall = RowRecord(), iconAtTop = PlacedRecord();
    tall.m_nCloseBtnHeight = 35;  // (30 - 35) / 2 = -2, not -3
    iconAtTop.m_nIconTop = 0;
    CSkinWndLayout resized = Layout(PlacedRecord(), FALSE);
    AdjustHitTestRects(resized, PlacedRecord(), CRect(0, 0, 400, 300), TRUE);
    const CSkinWndLayout row = Layout(RowRecord(), FALSE), rowMenu = Layout(RowRecord(), TRUE);
    const CSkinWndLayout placed = Layout(PlacedRecord(), FALSE), placedMenu = Layout(PlacedRecord(), TRUE);
    const CSkinWndLayout tallRow = Layout(tall, FALSE), topIcon = Layout(iconAtTop, FALSE);
    using L = CSkinWndLayout;
    // clang-format off
    const struct {
        const char* what;
        const CSkinWndLayout& layout;
        CRect L::*pRect;
        CRect rc;
    } rows[] = {
        {"row: icon", row, &L::m_rcIcon, {4, 2, 30, 28}},
        {"row: close from the right border, centred", row, &L::m_rcCloseBtn, {274, 6, 294, 24}},
        {"row: maximize", row, &L::m_rcMaxBtn, {253, 7, 272, 23}},
        {"row: minimize, (30 - 15) / 2 truncates to 7", row, &L::m_rcMinBtn, {234, 7, 251, 22}},
        {"row: title", row, &L::m_rcTitle, {34, 3, 230, 30}},
        {"row: a tall button's centring truncates toward zero", tallRow, &L::m_rcCloseBtn, {274, -2, 294, 33}},
        {"row: caption", row, &L::m_rcCaption, {4, 3, 294, 30}},
        {"row: left", row, &L::m_rcLeft, {0, 30, 5, 195}}, {"row: right", row, &L::m_rcRight, {295, 30, 300, 195}},
        {"row: top", row, &L::m_rcTop, {5, 0, 295, 3}}, {"row: bottom", row, &L::m_rcBottom, {5, 195, 295, 200}},
        {"row: top left", row, &L::m_rcTopLeft, {0, 0, 5, 30}}, {"row: top right", row, &L::m_rcTopRight, {295, 0, 300, 30}},
        {"row: bottom left", row, &L::m_rcBottomLeft, {0, 195, 5, 200}},
        {"row: bottom right", row, &L::m_rcBottomRight, {295, 195, 300, 200}},
        {"row: no menu bar without a menu", row, &L::m_rcMenuBar, {0, 0, 0, 0}},
        {"row: the menu bar under the caption", rowMenu, &L::m_rcMenuBar, {4, 30, 294, 54}},
        {"placed: the menu bar under the caption", placedMenu, &L::m_rcMenuBar, {3, 24, 297, 48}},
        {"placed: minimize at its offset from the right edge", placed, &L::m_rcMinBtn, {230, 2, 250, 18}},
        {"placed: maximize", placed, &L::m_rcMaxBtn, {252, 2, 272, 18}},
        {"placed: close", placed, &L::m_rcCloseBtn, {274, 1, 296, 19}},
        {"placed: title", placed, &L::m_rcTitle, {30, 5, 226, 19}}, {"placed: caption", placed, &L::m_rcCaption, {3, 3, 297, 24}},
        // The 20-pixel icon at y 6 would end at 26, past 24 - 2: cut to 16 high and 16 wide.
        {"placed: the icon cut at the caption, square", placed, &L::m_rcIcon, {7, 6, 23, 22}},
        {"placed: an icon ending exactly at 22 is not cut", topIcon, &L::m_rcIcon, {7, 2, 27, 22}},
        {"resized: icon", resized, &L::m_rcIcon, {7, 6, 23, 22}}, {"resized: minimize", resized, &L::m_rcMinBtn, {330, 2, 350, 18}},
        {"resized: close", resized, &L::m_rcCloseBtn, {374, 1, 396, 19}},
        {"resized: bottom left", resized, &L::m_rcBottomLeft, {0, 295, 5, 300}},
        {"resized: menu bar", resized, &L::m_rcMenuBar, {3, 24, 397, 48}},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(r.rc, r.layout.*r.pRect);
    }
}

namespace {

UINT HitTest(const CQVSkinWndRes& res, BOOL bHasMenu, BOOL bSizable, CPoint pt, BOOL bSysMenu = TRUE,
             BOOL bMinBox = TRUE, BOOL bMaxBox = TRUE) {
    const CSkinWndLayout layout = Layout(res, bHasMenu);
    const CRect rcClient = SkinWndClientRect(res, kWindow, bHasMenu);
    return SkinWndHitTest(layout, bSysMenu, bMinBox, bMaxBox, bSizable, pt, rcClient);
}

}  // namespace

TEST(SkinWndHitTest, EdgesOfEveryRectangleForSizableAndFixedWindows) {
    const struct {
        int x, y;
        UINT nSizable;  // expected with WS_THICKFRAME
        UINT nFixed;    // expected without
    } cases[] = {
        // clang-format off
        {274, 6, HTCLOSE, HTCLOSE}, {293, 23, HTCLOSE, HTCLOSE}, {253, 7, HTMAXBUTTON, HTMAXBUTTON},
        {271, 22, HTMAXBUTTON, HTMAXBUTTON}, {234, 7, HTMINBUTTON, HTMINBUTTON}, {250, 21, HTMINBUTTON, HTMINBUTTON},
        {4, 2, HTSYSMENU, HTSYSMENU}, {29, 27, HTSYSMENU, HTSYSMENU}, {30, 3, HTCAPTION, HTCAPTION},
        {293, 29, HTCAPTION, HTCAPTION}, {252, 7, HTCAPTION, HTCAPTION}, {100, 3, HTCAPTION, HTCAPTION},
        {100, 2, HTTOP, 0}, {5, 0, HTTOP, 0}, {294, 0, HTTOP, 0}, {0, 30, HTLEFT, 0}, {4, 194, HTLEFT, HTCLIENT},
        {295, 30, HTRIGHT, 0}, {299, 194, HTRIGHT, 0}, {5, 199, HTBOTTOM, 0}, {150, 195, HTBOTTOM, 0},
        {0, 0, HTTOPLEFT, 0}, {4, 1, HTTOPLEFT, 0}, {299, 29, HTTOPRIGHT, 0}, {0, 195, HTBOTTOMLEFT, 0},
        {299, 199, HTBOTTOMRIGHT, 0}, {4, 30, HTLEFT, HTCLIENT}, {150, 100, HTCLIENT, HTCLIENT},
        {293, 194, HTCLIENT, HTCLIENT}, {294, 100, 0, 0}, {294, 10, 0, 0}, {300, 100, 0, 0}, {-1, -1, 0, 0},
        // The three top rows, the side and the bottom borders of a fixed window match nothing.
        {150, 0, HTTOP, 0}, {150, 1, HTTOP, 0}, {2, 100, HTLEFT, 0}, {297, 100, HTRIGHT, 0}, {150, 197, HTBOTTOM, 0},
        // clang-format on
    };
    const CQVSkinWndRes res = RowRecord();
    for (const auto& c : cases) {
        EXPECT_EQ(c.nSizable, HitTest(res, FALSE, TRUE, CPoint(c.x, c.y))) << c.x << "," << c.y;
        EXPECT_EQ(c.nFixed, HitTest(res, FALSE, FALSE, CPoint(c.x, c.y))) << c.x << "," << c.y;
    }
}

// Buttons without their style fall to the caption (close needs none); overlapping buttons resolve in
// close, maximize, minimize order; the menu bar lies between the caption and the lowered client, under a
// sizing border.
TEST(SkinWndHitTest, StylesOverlapsAndTheMenuBar) {
    CQVSkinWndRes stacked = PlacedRecord(), stackedNoClose = PlacedRecord();
    stacked.m_nMaxBtnRight = stacked.m_nMinBtnRight = stacked.m_nCloseBtnRight;
    stackedNoClose.m_nMaxBtnRight = stackedNoClose.m_nMinBtnRight = stacked.m_nCloseBtnRight;
    stackedNoClose.m_nCloseBtnRight = 100;
    const CQVSkinWndRes row = RowRecord();
    // clang-format off
    const struct {
        const CQVSkinWndRes& res;
        BOOL bHasMenu, bSizable;
        CPoint pt;
        BOOL bSysMenu, bMinBox, bMaxBox;
        UINT nHit;
    } rows[] = {
        {row, FALSE, TRUE, {260, 10}, TRUE, TRUE, FALSE, HTCAPTION}, {row, FALSE, TRUE, {240, 10}, TRUE, FALSE, TRUE, HTCAPTION},
        {row, FALSE, TRUE, {10, 10}, FALSE, TRUE, TRUE, HTCAPTION}, {row, FALSE, FALSE, {280, 10}, FALSE, FALSE, FALSE, HTCLOSE},
        {stacked, FALSE, TRUE, {280, 5}, TRUE, TRUE, TRUE, HTCLOSE},
        {stackedNoClose, FALSE, TRUE, {280, 5}, TRUE, TRUE, TRUE, HTMAXBUTTON},
        {stackedNoClose, FALSE, TRUE, {280, 5}, TRUE, TRUE, FALSE, HTMINBUTTON},
        {row, TRUE, TRUE, {5, 30}, TRUE, TRUE, TRUE, HTSKINMENUBAR}, {row, TRUE, FALSE, {293, 53}, TRUE, TRUE, TRUE, HTSKINMENUBAR},
        {row, TRUE, TRUE, {100, 54}, TRUE, TRUE, TRUE, HTCLIENT}, {row, TRUE, TRUE, {4, 40}, TRUE, TRUE, TRUE, HTLEFT},
        {row, FALSE, TRUE, {100, 40}, TRUE, TRUE, TRUE, HTCLIENT},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows));
        EXPECT_EQ(r.nHit, HitTest(r.res, r.bHasMenu, r.bSizable, r.pt, r.bSysMenu, r.bMinBox, r.bMaxBox));
    }
}

TEST(SkinWndClientRect, InsetByBordersAndCaptionAnd24MoreWithMenu) {
    const CQVSkinWndRes res = RowRecord();
    const CRect rcWindow(100, 50, 400, 250);
    EXPECT_EQ(CRect(104, 80, 394, 245), SkinWndClientRect(res, rcWindow, FALSE));
    EXPECT_EQ(CRect(104, 104, 394, 245), SkinWndClientRect(res, rcWindow, TRUE));
}

namespace {

// Each corner cut by two segments: (0, 5), (2, 2), (5, 0) in top-left terms.
CQVSkinWndRes CutCornerRecord() {
    CQVSkinWndRes res = RowRecord();
    res.m_ptsCornerTopLeft = {CPoint(0, 5), CPoint(2, 2), CPoint(5, 0)};
    res.m_ptsCornerTopRight = {CPoint(5, 0), CPoint(2, 2), CPoint(0, 5)};
    res.m_ptsCornerBottomRight = {CPoint(0, 5), CPoint(2, 2), CPoint(5, 0)};
    res.m_ptsCornerBottomLeft = {CPoint(5, 0), CPoint(2, 2), CPoint(0, 5)};
    return res;
}

std::vector<CPoint> Outline(const CQVSkinWndRes& res) {
    std::vector<CPoint> points;
    BuildWndOutline(res, kWindow, points);
    return points;
}

}  // namespace

TEST(SkinWndOutline, MirrorsEachCornerOutlineIntoItsCorner) {
    const std::vector<CPoint> expected = {
        CPoint(0, 5),     CPoint(2, 2),     CPoint(5, 0),                     // top-left as is
        CPoint(295, 0),   CPoint(298, 2),   CPoint(300, 5),                   // x from the right
        CPoint(300, 195), CPoint(298, 198), CPoint(295, 200),                 // both mirrored
        CPoint(5, 200),   CPoint(2, 198),   CPoint(0, 195),   CPoint(0, 5)};  // y from the bottom
    EXPECT_EQ(expected, Outline(CutCornerRecord()));
}

TEST(SkinWndOutline, EmptyOutlinesStandForPlainCorners) {
    const std::vector<CPoint> plain = {CPoint(0, 0), CPoint(300, 0), CPoint(300, 200), CPoint(0, 200),
                                       CPoint(0, 0)};
    EXPECT_EQ(plain, Outline(RowRecord()));

    // A plain top-left corner also closes the figure at the window's corner.
    CQVSkinWndRes res = CutCornerRecord();
    res.m_ptsCornerTopLeft.clear();
    res.m_ptsCornerBottomRight.clear();
    const std::vector<CPoint> mixed = {CPoint(0, 0),   CPoint(295, 0),   CPoint(298, 2),
                                       CPoint(300, 5), CPoint(300, 200), CPoint(5, 200),
                                       CPoint(2, 198), CPoint(0, 195),   CPoint(0, 0)};
    EXPECT_EQ(mixed, Outline(res));
}

TEST(SkinWndOutline, RegionExcludesCutCornersOnly) {
    riztest::ResourceSnapshot snapshot;
    {
        CRgn rgn;
        ASSERT_TRUE(rgn.Attach(CreateWndOutlineRgn(CutCornerRecord(), kWindow)));
        const CPoint outside[] = {CPoint(0, 0), CPoint(299, 0), CPoint(299, 199), CPoint(0, 199),
                                  CPoint(1, 1), CPoint(298, 1), CPoint(298, 198), CPoint(1, 198)};
        for (const CPoint& pt : outside)
            EXPECT_FALSE(rgn.PtInRegion(pt)) << pt.x << "," << pt.y;
        const CPoint inside[] = {CPoint(4, 4),   CPoint(295, 4), CPoint(295, 195), CPoint(4, 195),
                                 CPoint(150, 0), CPoint(0, 100), CPoint(150, 100), CPoint(298, 100)};
        for (const CPoint& pt : inside)
            EXPECT_TRUE(rgn.PtInRegion(pt)) << pt.x << "," << pt.y;
        EXPECT_FALSE(rgn.PtInRegion(300, 100));
        EXPECT_FALSE(rgn.PtInRegion(150, 200));

        CRgn plain;
        ASSERT_TRUE(plain.Attach(CreateWndOutlineRgn(RowRecord(), kWindow)));
        CRgn rect;
        rect.CreateRectRgn(0, 0, 300, 200);
        EXPECT_TRUE(plain.EqualRgn(&rect));
    }
    EXPECT_EQ(0, snapshot.GdiDelta());
}

TEST(SkinWndButtonFrames, FramesFollowFocusPressActivityBoxesAndTheSkinFlag) {
    // Frames 0-3 normal, hot, pressed, disabled of an active window, 4-7 the same inactive; -1 hidden.
    const struct {
        BOOL bShowDisabled, bMinBox, bMaxBox;
        int nFocus;
        BOOL bPressed, bActive, bMaximal;
        int nMin, nMax, nClose;
        BOOL bRestore;
    } rows[] = {
        {FALSE, TRUE, TRUE, HTMINBUTTON, FALSE, TRUE, FALSE, 1, 0, 0, FALSE},
        {FALSE, TRUE, TRUE, HTMAXBUTTON, TRUE, TRUE, FALSE, 0, 2, 0, FALSE},
        {FALSE, TRUE, TRUE, HTCLOSE, TRUE, TRUE, FALSE, 0, 0, 2, FALSE},
        {FALSE, TRUE, TRUE, HTCAPTION, TRUE, TRUE, FALSE, 0, 0, 0, FALSE},
        {FALSE, TRUE, TRUE, HTCLOSE, FALSE, FALSE, FALSE, 4, 4, 5, FALSE},
        {TRUE, FALSE, FALSE, HTMINBUTTON, TRUE, FALSE, FALSE, 7, 7, 4, FALSE},
        // Missing boxes show disabled only when the skin asks, except a lone minimize box's maximize.
        {TRUE, FALSE, FALSE, HTMINBUTTON, FALSE, TRUE, FALSE, 3, 3, 0, FALSE},
        {FALSE, FALSE, FALSE, -1, FALSE, TRUE, FALSE, -1, -1, 0, FALSE},
        {FALSE, TRUE, FALSE, HTMAXBUTTON, FALSE, TRUE, FALSE, 0, 3, 0, FALSE},
        // The restore image only for a maximized window with a real maximize box.
        {FALSE, TRUE, TRUE, -1, FALSE, TRUE, TRUE, 0, 0, 0, TRUE},
        {FALSE, TRUE, FALSE, -1, FALSE, TRUE, TRUE, 0, 3, 0, FALSE},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows));
        CQVSkinWndRes res;
        res.m_nShowDisabledBtns = r.bShowDisabled;
        const CSkinWndButtonFrames f =
            GetWndButtonFrames(res, r.bMinBox, r.bMaxBox, r.bMaximal, r.nFocus, r.bPressed, r.bActive);
        EXPECT_EQ(r.nMin, f.m_nMinFrame);
        EXPECT_EQ(r.nMax, f.m_nMaxFrame);
        EXPECT_EQ(r.nClose, f.m_nCloseFrame);
        EXPECT_EQ(r.bRestore, f.m_bRestoreImage);
    }
}

namespace {

// Two rectangles side by side and a third below: a region of several bands.
void MakeRegion(CRgn& rgn) {
    rgn.CreateRectRgn(0, 0, 10, 4);
    CRgn more;
    more.CreateRectRgn(12, 0, 20, 4);
    rgn.CombineRgn(&rgn, &more, RGN_OR);
    more.SetRectRgn(3, 6, 17, 9);
    rgn.CombineRgn(&rgn, &more, RGN_OR);
}

class SkinWndRgnFile : public ::testing::Test {
protected:
    void SetUp() override {
        MakeRegion(m_rgn);
        ASSERT_TRUE(WriteRgnToFile(m_folder.Path(_T("good.rgn")), m_rgn, 21, 9));
        m_good = skintest::ReadBytes(m_folder.Path(_T("good.rgn")));
        ASSERT_GT(m_good.size(), 8u);
    }

    // Reads lpszName and expects a failed read that leaves the outputs untouched.
    void ExpectFailedRead(LPCTSTR lpszName) {
        CRgn rgn;
        rgn.CreateRectRgn(1, 2, 3, 4);
        CRgn before;
        before.CreateRectRgn(1, 2, 3, 4);
        int nWidth = -7, nHeight = -8;
        EXPECT_FALSE(ReadRgnFromFile(m_folder.Path(lpszName), rgn, nWidth, nHeight)) << lpszName;
        EXPECT_TRUE(rgn.EqualRgn(&before));
        EXPECT_EQ(-7, nWidth);
        EXPECT_EQ(-8, nHeight);
    }

    void WriteBad(LPCTSTR lpszName, const std::vector<BYTE>& bytes) {
        ASSERT_TRUE(m_folder.WriteFile(lpszName, bytes.data(), bytes.size()));
    }

    riztest::TempFolder m_folder;
    CRgn m_rgn;
    std::vector<BYTE> m_good;
};

}  // namespace

TEST_F(SkinWndRgnFile, HoldsRegionDataThenLittleEndianWidthAndHeight) {
    const DWORD nData = ::GetRegionData(m_rgn, 0, NULL);
    ASSERT_EQ(nData + 8, m_good.size());
    std::vector<BYTE> data(nData);
    ::GetRegionData(m_rgn, nData, reinterpret_cast<RGNDATA*>(data.data()));
    EXPECT_EQ(0, memcmp(data.data(), m_good.data(), nData));
    const BYTE size[8] = {21, 0, 0, 0, 9, 0, 0, 0};
    EXPECT_EQ(0, memcmp(size, m_good.data() + nData, 8));
}

// A read gives the region and size written, replacing the region held, also while another handle has the
// file open for writing; a shorter region written over a longer file reads back alone; a null region
// leaves no file.
TEST_F(SkinWndRgnFile, RoundTripsReplaceAndANullRegionLeavesNoFile) {
    riztest::ResourceSnapshot snapshot;
    {
        const CString strGood = m_folder.Path(_T("good.rgn"));
        HANDLE hFile = ::CreateFile(strGood, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 1, 1);
        int nWidth = 0, nHeight = 0;
        const BOOL bRead = ReadRgnFromFile(strGood, rgn, nWidth, nHeight);
        ::CloseHandle(hFile);
        ASSERT_TRUE(bRead);
        EXPECT_TRUE(rgn.EqualRgn(&m_rgn));
        EXPECT_EQ(21, nWidth);
        EXPECT_EQ(9, nHeight);
        EXPECT_TRUE(rgn.PtInRegion(15, 2));
        EXPECT_FALSE(rgn.PtInRegion(11, 2));

        CRgn small;
        small.CreateRectRgn(2, 3, 5, 7);
        ASSERT_TRUE(WriteRgnToFile(strGood, small, 6, 8));
        ASSERT_TRUE(ReadRgnFromFile(strGood, rgn, nWidth, nHeight));
        EXPECT_TRUE(rgn.EqualRgn(&small));
        EXPECT_EQ(6, nWidth);
        EXPECT_EQ(8, nHeight);
    }
    EXPECT_EQ(0, snapshot.GdiDelta());
    EXPECT_TRUE(WriteRgnToFile(m_folder.Path(_T("none.rgn")), NULL, 1, 1));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(m_folder.Path(_T("none.rgn"))));
}

TEST_F(SkinWndRgnFile, MissingShortPaddedAndDamagedFilesAreFailedReads) {
    ExpectFailedRead(_T("missing.rgn"));
    auto header = [this](const std::function<void(RGNDATAHEADER&)>& change) {
        std::vector<BYTE> bytes = m_good;
        change(*reinterpret_cast<RGNDATAHEADER*>(bytes.data()));
        return bytes;
    };
    std::vector<BYTE> padded = m_good;
    padded.insert(padded.end(), 16, 0);
    std::vector<BYTE> garbage(200);
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<BYTE>(i * 37 + 11);
    const struct {
        LPCTSTR lpszName;
        std::vector<BYTE> bytes;
    } files[] = {
        {_T("empty.rgn"), {}},
        {_T("seven.rgn"), {1, 2, 3, 4, 5, 6, 7}},
        {_T("sizeonly.rgn"), std::vector<BYTE>(m_good.end() - 8, m_good.end())},  // no region data
        {_T("short.rgn"), std::vector<BYTE>(m_good.begin(), m_good.end() - 16)},  // a rectangle short
        {_T("odd.rgn"), std::vector<BYTE>(m_good.begin(), m_good.end() - 1)},
        {_T("padded.rgn"), padded},
        {_T("count.rgn"), header([](RGNDATAHEADER& h) { h.nCount = 0x10000000; })},
        {_T("size.rgn"), header([](RGNDATAHEADER& h) { h.nRgnSize = 0x7FFFFFF0; })},
        {_T("hdr.rgn"), header([](RGNDATAHEADER& h) { h.dwSize = 0x40000000; })},
        {_T("type.rgn"), header([](RGNDATAHEADER& h) { h.iType = 7; })},
        {_T("garbage.rgn"), garbage},
    };
    for (const auto& file : files) {
        WriteBad(file.lpszName, file.bytes);
        ExpectFailedRead(file.lpszName);
    }
}

TEST_F(SkinWndRgnFile, HugeFileIsRefusedByItsLength) {
    // A sparse file of 3 GB: refused by its length, never read into memory.
    HANDLE hFile =
        ::CreateFile(m_folder.Path(_T("huge.rgn")), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    DWORD nWritten = 0;
    ::WriteFile(hFile, m_good.data(), static_cast<DWORD>(m_good.size()), &nWritten, NULL);
    LARGE_INTEGER pos;
    pos.QuadPart = 3LL * 1024 * 1024 * 1024;
    const bool bGrown = ::SetFilePointerEx(hFile, pos, NULL, FILE_BEGIN) && ::SetEndOfFile(hFile);
    ::CloseHandle(hFile);
    ASSERT_TRUE(bGrown);
    ExpectFailedRead(_T("huge.rgn"));
}
