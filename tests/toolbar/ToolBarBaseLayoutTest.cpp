// The classic toolbar's pure parts by tables: the row, hits, arrow parts, radio groups, the press
// colour, the toolbar resource and the button strings.
#include <gtest/gtest.h>

#include "ExpectRows.h"
#include "RIZuruzezu.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct Items {
    std::vector<std::unique_ptr<ToolBarItem>> owned;
    std::vector<ToolBarItem*> list;
    Items(std::initializer_list<ToolBarItem> items) {
        for (const ToolBarItem& item : items) {
            owned.push_back(std::make_unique<ToolBarItem>(item));
            list.push_back(owned.back().get());
        }
    }
};

ToolBarItem Item(ToolBarItemType nType, CSize sz, LPCTSTR lpszText = _T("")) {
    ToolBarItem item;
    item.nType = nType;
    item.szImage = sz;
    item.strText = lpszText;
    return item;
}

int SevenPerChar(const CString& str) {
    return 7 * str.GetLength();
}

}  // namespace

TEST(ToolBarBaseLayout, LaysOutOneRowWithArrowRoomForDropDowns) {
    Items items = {Item(TBIT_BUTTON, {16, 16}),
                   Item(TBIT_SEPARATOR, {6, 22}),
                   Item(TBIT_DROPDOWN, {16, 16}, _T("Speed")),
                   Item(TBIT_STATIC, {0, 20}, _T("UK")),
                   Item(TBIT_MENUBUTTON, {32, 16}),
                   Item(TBIT_RADIOBOX, {16, 16})};
    const CSize size = QVLayoutToolBarItems(items.list, &SevenPerChar);
    riztest::ExpectRows<CRect>({
        ROW(items.list[0]->rc, CRect(10, 3, 26, 19)),
        ROW(items.list[1]->rc, CRect(30, 3, 36, 25)),   // a separator is as high as its cell
        ROW(items.list[2]->rc, CRect(40, 3, 107, 19)),  // image 16, arrow 16, text 35
        ROW(items.list[3]->rc, CRect(111, 3, 125, 23)),
        ROW(items.list[4]->rc, CRect(129, 3, 161, 19)),
        ROW(items.list[5]->rc, CRect(165, 3, 181, 19)),
    });
    // Separators do not raise the height: the static text's cell of 20 does.
    EXPECT_EQ(CSize(185, 26), size);

    Items empty = {};
    EXPECT_EQ(CSize(10, 6), QVLayoutToolBarItems(empty.list, &SevenPerChar));
    // Negative cells and widths count as 0: rectangles never turn inside out.
    Items bad = {Item(TBIT_BUTTON, {-30, -5}, _T("x")), Item(TBIT_DROPDOWN, {-1, 16})};
    const CSize badSize = QVLayoutToolBarItems(bad.list, [](const CString&) { return -50; });
    EXPECT_EQ(CRect(10, 3, 10, 3), bad.list[0]->rc);
    EXPECT_EQ(CRect(14, 3, 30, 19), bad.list[1]->rc);
    EXPECT_EQ(CSize(34, 22), badSize);
}

TEST(ToolBarBaseLayout, HitsArrowPartsRadioGroupsAndPressFill) {
    Items items = {Item(TBIT_RADIOBOX, {16, 16}), Item(TBIT_RADIOBOX, {16, 16}),
                   Item(TBIT_SEPARATOR, {6, 22}), Item(TBIT_DROPDOWN, {16, 16}),
                   Item(TBIT_RADIOBOX, {16, 16})};
    QVLayoutToolBarItems(items.list, &SevenPerChar);
    const ToolBarItem& drop = *items.list[3];  // (60, 3, 92, 19)
    int nFirst = -1, nLast = -1;
    auto group = [&](int i) {
        QVToolBarRadioGroup(items.list, i, nFirst, nLast);
        return nFirst * 10 + nLast;
    };
    riztest::ExpectRows<int>({
        ROW(QVToolBarHitTest(items.list, CPoint(10, 3)), 0),
        ROW(QVToolBarHitTest(items.list, CPoint(26, 10)), -1),  // the gap after the first box
        ROW(QVToolBarHitTest(items.list, CPoint(81, 18)), 3),
        ROW(QVToolBarHitTest(items.list, CPoint(60, 19)), -1),  // below the row
        ROW(QVToolBarInArrowPart(drop, CPoint(75, 10)), FALSE),
        ROW(QVToolBarInArrowPart(drop, CPoint(76, 10)), TRUE),  // the rightmost 16 pixels
        ROW(QVToolBarInArrowPart(drop, CPoint(92, 10)), FALSE),
        ROW(QVToolBarInArrowPart(*items.list[4], CPoint(100, 10)), FALSE),  // not a drop-down
        ROW(group(0), 1),                                                   // 0 .. 1, ended by the separator
        ROW(group(1), 1), ROW(group(4), 34),                                // 3 .. 4 after it
        ROW(group(9), 99),                                                  // out of range: itself
    });
}

TEST(ToolBarBaseLayout, ReadsToolBarResourcesWithoutReadingPastThem) {
    const WORD good[] = {1, 16, 15, 3, 101, 0, 102};
    const struct {
        const char* what;
        size_t cb;
        BOOL bOk;
        size_t nIds;
    } rows[] = {
        {"whole", sizeof(good), TRUE, 3}, {"last id cut", sizeof(good) - 1, FALSE, 0},
        {"ids missing", 8, FALSE, 0},     {"header cut", 7, FALSE, 0},
        {"empty", 0, FALSE, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        // A buffer of exactly cb bytes, so that a checked build's heap catches a read past it.
        std::vector<BYTE> block(r.cb);
        memcpy(block.data(), good, std::min(r.cb, sizeof(good)));
        ToolBarResource res;
        res.cy = 99;
        EXPECT_EQ(r.bOk, QVParseToolBarResource(block.empty() ? nullptr : block.data(), r.cb, res));
        EXPECT_EQ(r.nIds, res.ids.size());
        EXPECT_EQ(r.bOk ? 15 : 0, res.cy);
    }
}

TEST(ToolBarBaseLayout, SplitsButtonStringsAndTranslatesKeys) {
    auto translate = [](const CString& key) {
        return key == _T("IDS_PLAY") ? CString(_T("Play\nStart")) : key;
    };
    const struct {
        LPCTSTR lpszIn, lpszText, lpszTip;
    } rows[] = {
        {_T("Record\nRecord your voice"), _T("Record"), _T("Record your voice")},
        {_T("Stop"), _T("Stop"), _T("")},
        {_T("\nOnly a tip\nand more"), _T(""), _T("Only a tip\nand more")},
        {_T("~IDS_PLAY"), _T("Play"), _T("Start")},
        {_T("A ~ inside"), _T("A ~ inside"), _T("")},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lpszIn);
        CString strText = _T("old"), strTip = _T("old");
        QVSplitToolBarString(r.lpszIn, translate, strText, strTip);
        EXPECT_EQ(CString(r.lpszText), strText);
        EXPECT_EQ(CString(r.lpszTip), strTip);
    }
}
