// The skinned header through real windows: the skin's height and the first row right under it, states
// by posted mouse input, text alignment and the disabled look read from the screen, the header made
// late, released with its list, and bad input.
#include "QVListCtrlFixture.h"

#include <QVSkinResManager.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVListCtrl.h"

using namespace qvltest;
using riztest::WindowCapture;

namespace {

int WindowHeight(HWND hWnd) {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc.Height();
}

int RowZeroTop(CListCtrl& list) {
    CRect rc;
    return list.GetItemRect(0, &rc, LVIR_BOUNDS) ? rc.top : -1;
}

CPoint ItemMiddle(CHeaderCtrl& header, int nItem) {
    CRect rc;
    header.GetItemRect(nItem, &rc);
    return rc.CenterPoint();
}

// Where the text of an item lies: 'L' starting at the left (2 pixels in, and the glyph's bearing),
// 'R' ending at the right, 'C' as far from both; '-' without text pixels, '?' elsewhere. The text is
// what differs from the item's fill, read at its top-right corner.
char TextSide(HWND hHeader, int nItem) {
    WindowCapture shot(hHeader);
    CRect rc;
    ::SendMessage(hHeader, HDM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc));
    const COLORREF clrFill = shot.Pixel(rc.right - 3, rc.top + 3);
    int xFirst = INT_MAX, xLast = -1;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (!riztest::ColorNear(shot.Pixel(x, y), clrFill, 48))
                xFirst = std::min(xFirst, x), xLast = std::max(xLast, x);
    if (xLast < 0) return '-';
    const int cxLeft = xFirst - rc.left, cxRight = rc.right - 1 - xLast;
    if (cxLeft <= 4) return 'L';
    if (cxRight <= 3) return 'R';
    return std::abs(cxLeft - cxRight) <= 3 ? 'C' : '?';
}

}  // namespace

TEST_F(ListTest, HeaderTakesTheSkinHeightAndRowZeroStartsRightUnderIt) {
    CQVSkinResManager* pManager = CQVSkinResManager::GetSingletonPtr();
    CQVListCtrl created;
    MakeReport(created);
    CQVListCtrl subclassed;
    ASSERT_TRUE(subclassed.SubclassDlgItem(IDC_QVLIST_WORDS, &m_dlg));
    subclassed.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
    subclassed.InsertItem(0, _T("apple"));
    // A list view in list view has no header until it switches to report view.
    CQVListCtrl late;
    ASSERT_TRUE(late.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | LVS_LIST, CRect(300, 200, 440, 320),
                              &m_dlg, kCreatedId + 1));
    late.InsertItem(0, _T("apple"));
    Pump();
    late.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
    late.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
    Pump();
    ASSERT_NE(nullptr, late.GetSkinHeader().GetSafeHwnd());
    CQVListCtrl* lists[] = {&created, &subclassed, &late};
    // The test skin, one of another height, then the shipped skins (a skin change each).
    for (int k = -2; k < 2; ++k) {
        SCOPED_TRACE(k);
        if (k == -1) {
            ASSERT_TRUE(LoadSkin(kBorder, 31));
        } else if (k >= 0) {
            ASSERT_TRUE(pManager->LoadSkin(pManager->GetSkinFolder(k)));
        }
        const int cy = pManager->GetBtnRes()->m_nHeaderHeight;
        ASSERT_GT(cy, 0);
        for (CQVListCtrl* pList : lists) {
            if (k > -2) {
                EXPECT_NE(0, pList->SendMessage(WM_QV_SKINCHANGED));
            }
            Pump();
            EXPECT_EQ(cy, WindowHeight(pList->GetSkinHeader().m_hWnd));
            EXPECT_EQ(cy, RowZeroTop(*pList));
        }
    }
    subclassed.UnsubclassWindow();
}

TEST_F(ListTest, HeaderMetricOfZeroOrLessKeepsTheSystemHeightAndAHugeOneIsCut) {
    CListCtrl system;
    ASSERT_TRUE(system.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | LVS_REPORT,
                                CRect(300, 200, 440, 320), &m_dlg, kCreatedId + 1));
    system.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
    const int cySystem = WindowHeight(system.GetHeaderCtrl()->m_hWnd);
    CQVSkinBtnRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    const struct {
        int nMetric, cy;
    } rows[] = {{0, cySystem}, {-7, cySystem}, {10000, kQVHeaderMaxHeight}, {24, 24}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nMetric);
        pRes->m_nHeaderHeight = row.nMetric;
        CQVListCtrl list;
        MakeReport(list);
        EXPECT_EQ(row.cy, WindowHeight(list.GetSkinHeader().m_hWnd));
        EXPECT_EQ(row.cy, RowZeroTop(list));
        list.GetSkinHeader().RedrawWindow();
        EXPECT_EQ("000", HeaderFrames(list.GetSkinHeader().m_hWnd));
    }
}

TEST_F(ListTest, PostedMouseInputMakesItemsHotAndPressedAndLeavingClearsBoth) {
    CQVListCtrl list;
    MakeReport(list);
    CQVHeaderCtrl& header = list.GetSkinHeader();
    const struct {
        UINT message;
        int nItem;  // the item the pointer is over; -1 for a leave
        const char* frames;
    } steps[] = {
        {WM_MOUSEMOVE, 1, "010"},   {WM_LBUTTONDOWN, 1, "020"}, {WM_MOUSELEAVE, -1, "000"},  // held, left
        {WM_MOUSEMOVE, 1, "010"},   {WM_LBUTTONUP, 1, "010"},   {WM_MOUSEMOVE, 2, "001"},
        {WM_LBUTTONDOWN, 2, "002"}, {WM_LBUTTONUP, 2, "001"},   {WM_MOUSELEAVE, -1, "000"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "message " << step.message << " item " << step.nItem);
        if (step.nItem < 0)
            header.SendMessage(WM_MOUSELEAVE);
        else
            MouseAt(header, step.message, ItemMiddle(header, step.nItem));
        Pump();
        EXPECT_EQ(step.frames, HeaderFrames(header.m_hWnd));
    }
}

TEST_F(ListTest, HeaderColumnsStillResizeByTheirDivider) {
    CQVListCtrl list;
    MakeReport(list);
    CQVHeaderCtrl& header = list.GetSkinHeader();
    CRect rc;
    header.GetItemRect(0, &rc);
    const int y = rc.CenterPoint().y;
    MouseAt(header, WM_MOUSEMOVE, CPoint(rc.right - 1, y));
    MouseAt(header, WM_LBUTTONDOWN, CPoint(rc.right - 1, y));
    header.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rc.right + 29, y));
    header.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.right + 29, y));
    Pump();
    EXPECT_EQ(110, list.GetColumnWidth(0));
}

TEST_F(ListTest, HeaderTextAlignsOnlyForExactFormats) {
    CQVHeaderCtrl header;
    ASSERT_TRUE(
        header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(10, 200, 410, 226), &m_dlg, kCreatedId));
    const int formats[] = {HDF_LEFT, HDF_RIGHT, HDF_CENTER, HDF_CENTER | HDF_STRING, HDF_RIGHT | HDF_STRING};
    for (int fmt : formats) {
        HDITEM hdi = {};
        hdi.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
        hdi.fmt = fmt;
        hdi.cxy = 80;
        hdi.pszText = const_cast<LPTSTR>(_T("Word"));
        const int nItem = header.InsertItem(header.GetItemCount(), &hdi);
        // The system's header adds HDF_STRING to an item given a text: the format alone, once more.
        hdi.mask = HDI_FORMAT;
        header.SetItem(nItem, &hdi);
    }
    Pump();
    std::string sides;
    for (int i = 0; i < header.GetItemCount(); ++i)
        sides += TextSide(header.m_hWnd, i);
    EXPECT_EQ("LRCLL", sides);
    // A list view's columns carry HDF_STRING: centred and right columns draw at the left.
    CQVListCtrl list;
    MakeReport(list, 0);
    list.InsertColumn(0, _T("Word"), LVCFMT_CENTER, 120);
    list.InsertColumn(1, _T("Added"), LVCFMT_RIGHT, 120);
    Pump();
    EXPECT_EQ('L', TextSide(list.GetSkinHeader().m_hWnd, 0));
    EXPECT_EQ('L', TextSide(list.GetSkinHeader().m_hWnd, 1));
}

TEST_F(ListTest, BorderSelectAtSubclassingGivesEveryItemTheDisabledLookForGood) {
    const struct {
        DWORD dwAtSubclass, dwLater;
        const char* frames;
    } rows[] = {
        {LVS_EX_BORDERSELECT, 0, "333"},
        {LVS_EX_BORDERSELECT | LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT, "333"},
        {0, LVS_EX_BORDERSELECT, "010"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dwAtSubclass);
        CListCtrl system;
        ASSERT_TRUE(system.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | LVS_REPORT,
                                    CRect(10, 200, 290, 320), &m_dlg, kCreatedId));
        for (int i = 0; i < 3; ++i)
            system.InsertColumn(i, _T("Word"), LVCFMT_LEFT, 80);
        system.SetExtendedStyle(row.dwAtSubclass);
        const HWND hList = system.UnsubclassWindow();
        CQVListCtrl list;
        ASSERT_TRUE(list.SubclassWindow(hList));
        list.SetExtendedStyle(row.dwLater);
        MouseAt(list.GetSkinHeader(), WM_MOUSEMOVE, ItemMiddle(list.GetSkinHeader(), 1));
        EXPECT_EQ(row.frames, HeaderFrames(list.GetSkinHeader().m_hWnd));
        list.GetSkinHeader().SendMessage(WM_MOUSELEAVE);
        list.DestroyWindow();
    }
}

TEST_F(ListTest, ListViewsWithoutHeaderManyColumnsOrHugeTextsKeepWorking) {
    {
        // No header at all, then one hidden by LVS_NOCOLUMNHEADER.
        CQVListCtrl icons;
        ASSERT_TRUE(icons.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | LVS_ICON,
                                   CRect(10, 200, 290, 320), &m_dlg, kCreatedId));
        icons.InsertItem(0, _T("apple"));
        icons.SendMessage(WM_QV_SKINCHANGED);
        Pump();
        EXPECT_EQ(1, icons.GetItemCount());
        CQVListCtrl hidden;
        MakeReport(hidden, 2, 0, LVS_REPORT | LVS_NOCOLUMNHEADER);
        EXPECT_EQ(0, RowZeroTop(hidden));
        EXPECT_EQ(2, hidden.GetHeaderCtrl()->GetItemCount());
    }
    const struct {
        int nColumns;
        int cchText;
        const char* prefix;  // the frames of the first items
    } rows[] = {{0, 4, ""}, {1000, 4, "000"}, {3, 100 * 1024, "000"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nColumns << " columns, text " << row.cchText);
        CQVListCtrl list;
        MakeReport(list, 0);
        const CString strText(_T('W'), row.cchText);
        // The system's list view takes long over every column it shows: the columns go in unseen.
        list.ShowWindow(SW_HIDE);
        list.SetRedraw(FALSE);
        for (int i = 0; i < row.nColumns; ++i)
            list.InsertColumn(i, strText, LVCFMT_LEFT, 60);
        list.SetRedraw(TRUE);
        list.ShowWindow(SW_SHOW);
        Pump();
        EXPECT_EQ(row.nColumns, list.GetSkinHeader().GetItemCount());
        EXPECT_EQ(kHeaderHeight, RowZeroTop(list));
        EXPECT_EQ(row.prefix, HeaderFrames(list.GetSkinHeader().m_hWnd).substr(0, strlen(row.prefix)));
        if (row.nColumns) {
            EXPECT_EQ('L', TextSide(list.GetSkinHeader().m_hWnd, 0));
        }
    }
}

TEST_F(ListTest, HeaderWithoutAnImageShowsTheBackgroundAndTheText) {
    ASSERT_TRUE(LoadSkin(kBorder, kHeaderHeight, false));
    CQVListCtrl list;
    MakeReport(list, 1);
    WindowCapture shot(list.GetSkinHeader().m_hWnd);
    EXPECT_EQ("", shot.WrongPixels(
                      {{78, kHeaderHeight - 2, RGB(0xEC, 0xF6, 0xF9)}, {200, 3, RGB(0xEC, 0xF6, 0xF9)}}));
    EXPECT_EQ('L', TextSide(list.GetSkinHeader().m_hWnd, 0));
}

TEST_F(ListTest, ChineseColumnTitlesAreDrawn) {
    CQVListCtrl list;
    MakeReport(list, 0);
    list.InsertColumn(0, CString(L"\x5355\x8bcd"), LVCFMT_LEFT, 90);
    list.InsertColumn(1, CString(L"\x91ca\x4e49"), LVCFMT_LEFT, 90);
    list.InsertColumn(2, CString(L"\x6dfb\x52a0\x65e5\x671f"), LVCFMT_LEFT, 90);
    Pump();
    std::string sides;
    for (int i = 0; i < 3; ++i)
        sides += TextSide(list.GetSkinHeader().m_hWnd, i);
    EXPECT_EQ("LLL", sides);
    EXPECT_EQ("000", HeaderFrames(list.GetSkinHeader().m_hWnd));
}
