// The transfer list's arithmetic by tables: link sets by position, the status table in every cell,
// texts, row and link rectangles from measured widths, hit tests by division and the scroll steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ExpectRows.h"
#include "QVFileTransferListLayout.h"

namespace {

// Keys stand for their texts, so a row shows which key it took; a link is two pixels per character.
CString Key(LPCTSTR lpszKey) {
    return lpszKey;
}
const QVTransferLookup kLookup = Key;
const QVTransferMeasure kMeasure = [](const CString& str) { return 2 * str.GetLength(); };

// The links as "type+" (visible) or "type-" (hidden), in position order.
std::string Links(const tagTransferFileItem& item) {
    std::string str;
    for (const tagFileTransferListButton& link : item.links)
        str += (str.empty() ? "" : " ") + std::to_string(link.type) + (link.visible ? "+" : "-");
    return str;
}

tagTransferFileItem Row(bool bSend, bool bFolder, bool bOffline, int nRow = 0) {
    tagTransferFileItem item;
    item.bSend = bSend;
    item.bFolder = bFolder;
    item.links = QVTransferLinkSet(bSend, bFolder, bOffline, kLookup);
    QVTransferLayoutItem(item, nRow, CRect(0, 0, 300, 200), kMeasure);
    return item;
}

bool Covered(const std::vector<CRect>& dirty, const CRect& rc) {
    return std::any_of(dirty.begin(), dirty.end(), [&rc](const CRect& d) {
        CRect both;
        return both.IntersectRect(d, rc) && both == rc;
    });
}

}  // namespace

TEST(QVFileTransferListLayout, LinkSetsByPosition) {
    riztest::ExpectRows<std::string>({
        ROW(Links(Row(true, false, false)), "1- 6+ 3+"),
        ROW(Links(Row(true, false, true)), "1- 6+ 3+"),
        ROW(Links(Row(false, false, false)), "1+ 2+ 3+"),
        ROW(Links(Row(false, false, true)), "1+ 2+ 3+ 8+"),
        ROW(Links(Row(true, true, false)), "1- 3+"),
        ROW(Links(Row(false, true, true)), "1+ 3+ 8+"),
    });
    riztest::ExpectRows<CString>({
        ROW(QVTransferLinkText(6, kLookup), CString(L"\x53d1\x9001\x79bb\x7ebf\x6587\x4ef6")),
        ROW(QVTransferLinkText(7, kLookup), CString(L"\x91cd\x8bd5")),
        ROW(QVTransferLinkText(8, kLookup), CString(L"\x4e0b\x6b21\x63a5\x6536")),
        ROW(QVTransferAmountText(5242880, 10485760, 2),
            CString(L"5.00 MB/10.00 MB (\x4e2d\x8f6c\x65b9\x5f0f)")),
    });
}

// Every cell of the table: text and links after the status, and every changed link painted again at
// its old and its new place.
TEST(QVFileTransferListLayout, StatusTableInEveryCell) {
    const CString kRelay(L"(\x4e2d\x8f6c\x65b9\x5f0f)"), kDirect(L"(P2P\x76f4\x8fde)");
    const CString kOffline(L"(\x79bb\x7ebf\x6587\x4ef6)");
    const struct {
        bool bSend, bFolder, bOffline;
        TransferType type;
        TransferFileStatus status;
        CString strText;
        const char* links;
    } kCells[] = {
        {true, false, false, QVTT_NONE, QVTFS_WAIT, _T("IDS_QVC_WAIT_RECV"), "1- 6+ 3+"},
        {false, false, true, QVTT_OFFLINE, QVTFS_WAIT, _T("IDS_QVC_REQUEST_RECV") + kOffline, "1+ 2+ 3+ 8+"},
        {false, false, false, QVTT_DIRECT, QVTFS_WAIT, _T("IDS_QVC_REQUEST_RECV"), "1+ 2+ 3+"},
        {true, false, false, QVTT_NONE, QVTFS_NONE, _T("before"), "1- 6+ 3+"},
        {true, false, false, QVTT_NONE, QVTFS_REFUSED, _T("IDS_QVC_REFUSE_RECV"), "1- 6- 3+"},
        {true, true, false, QVTT_NONE, QVTFS_REFUSED, _T("IDS_QVC_REFUSE_RECV"), "1- 3-"},
        {false, false, false, QVTT_NONE, QVTFS_REFUSED, _T("before"), "1+ 2+ 3+"},
        {false, false, true, QVTT_OFFLINE, QVTFS_CONNECTING, _T("IDS_QVC_CREATE_CONN"), "1- 2- 3+ 8-"},
        {true, false, false, QVTT_RELAY, QVTFS_TRANSFERRING, CString(L"0.00 MB/0.00 MB ") + kRelay,
         "1- 6+ 3+"},
        {false, false, false, QVTT_RELAY, QVTFS_FINISHED, _T("IDS_QVC_RECV_FINISH") + kRelay, "4+ 5+ 3+"},
        {false, true, false, QVTT_NONE, QVTFS_FINISHED, _T("IDS_QVC_RECV_FINISH"), "4+ 5+"},
        {false, false, true, QVTT_OFFLINE, QVTFS_CANCELLED, _T("IDS_QVC_FILE_BE_CANCELED") + kOffline,
         "1- 2- 3+ 8+"},
        {true, false, false, QVTT_DIRECT, QVTFS_FAILED, _T("IDS_QVC_SEND_FAIL: timeout") + kDirect,
         "1- 7+ 3+"},
        {true, true, false, QVTT_NONE, QVTFS_FAILED, _T("IDS_QVC_SEND_FAIL: timeout"), "1- 7+"},
        {false, false, false, QVTT_DIRECT, QVTFS_FAILED, _T("IDS_QVC_RECV_FAIL: timeout") + kDirect,
         "1+ 2+ 3+"},
        {false, false, true, QVTT_OFFLINE, QVTFS_FAILED, _T("IDS_QVC_RECV_FAIL: timeout") + kOffline,
         "1+ 7+ 3+ 8+"},
    };
    for (const auto& cell : kCells) {
        SCOPED_TRACE(CStringA(cell.strText).GetString());
        tagTransferFileItem item = Row(cell.bSend, cell.bFolder, cell.bOffline);
        item.transferType = cell.type;
        item.status = cell.status;
        item.strStatusText = _T("before");
        item.strStatusDetail = _T(": timeout");
        const std::vector<tagFileTransferListButton> before = item.links;
        std::vector<CRect> dirty;
        QVTransferApplyStatus(item, kLookup, kMeasure, &dirty);
        EXPECT_EQ(cell.strText, item.strStatusText);
        EXPECT_EQ(cell.links, Links(item));
        for (size_t i = 0; i < item.links.size(); ++i) {
            const tagFileTransferListButton &was = before[i], &now = item.links[i];
            if (was.rect == now.rect && was.visible == now.visible && was.text == now.text) continue;
            EXPECT_TRUE(!was.visible || Covered(dirty, was.rect)) << "old place of link " << i;
            EXPECT_TRUE(!now.visible || Covered(dirty, now.rect)) << "new place of link " << i;
        }
    }
}

TEST(QVFileTransferListLayout, RowAndLinkRectsFromMeasuredWidths) {
    const tagTransferFileItem item = Row(false, false, false, 2);  // save, save as, cancel
    tagTransferFileItem finished = Row(false, false, false, 2);
    finished.status = QVTFS_FINISHED;
    QVTransferApplyStatus(finished, kLookup, kMeasure, nullptr);
    riztest::ExpectRows<CRect>({
        ROW(item.rcItem, CRect(0, 112, 300, 168)),
        ROW(item.rcIcon, CRect(2, 112, 34, 144)),
        ROW(item.rcName, CRect(38, 114, 298, 130)),
        ROW(item.rcStatus, CRect(38, 130, 298, 146)),
        ROW(item.rcProgress, CRect(38, 130, 138, 146)),
        ROW(item.rcSpeed, CRect(38, 148, 138, 166)),
        // "IDS_QVC_CANCEL" is 28 pixels at the right minus 10, the others 10 pixels to its left.
        ROW(item.links[2].rect, CRect(262, 148, 290, 168)),
        ROW(item.links[1].rect, CRect(224, 148, 252, 168)),
        ROW(item.links[0].rect, CRect(190, 148, 214, 168)),
        // Open folder is measured again, whatever width it was given first.
        ROW(finished.links[1].rect, CRect(214, 148, 252, 168)),
        ROW(finished.links[0].rect, CRect(180, 148, 204, 168)),
    });
}

TEST(QVFileTransferListLayout, HitTestsByDivision) {
    QVTransferItems items;
    for (int i = 0; i < 3; ++i)
        items.emplace_back(new tagTransferFileItem(Row(true, false, false, i)));
    auto hit = [&items](int x, int y) {
        const FileTransferListHitTextResult r = QVTransferHitTest(items, CPoint(x, y));
        return std::to_string(r.nItem) + "," + std::to_string(r.nLink);
    };
    // Sending: cancel at 262..290, send offline (6 characters) at 240..252, save hidden; row 1 is 56..112,
    // its links 92..112.
    riztest::ExpectRows<std::string>({
        ROW(hit(10, 0), "0,-1"),
        ROW(hit(270, 100), "1,2"),
        ROW(hit(245, 100), "1,1"),
        ROW(hit(200, 100), "1,-1"),
        ROW(hit(270, 167), "2,2"),
        ROW(hit(270, 168), "-1,-1"),
    });
    int nFirst = 0, nEnd = 0;
    auto rows = [&](int yTop, int yBottom, int nCount) {
        QVTransferRowsIn(yTop, yBottom, nCount, &nFirst, &nEnd);
        return std::to_string(nFirst) + "-" + std::to_string(nEnd);
    };
    riztest::ExpectRows<std::string>({
        ROW(rows(0, 300, 100), "0-6"),
        ROW(rows(5599700, 5600000, 100000), "99994-100000"),
    });
}

TEST(QVFileTransferListLayout, ScrollStepsStayWithinTheLimit) {
    // Range 0 ... 1000, page 200: the platform's limit is 801; the track position has 32 bits.
    riztest::ExpectRows<int>({
        ROW(QVTransferScrollLimit(0, 1000, 200), 801),
        ROW(QVTransferScrollTarget(SB_PAGEDOWN, 700, 0, 0, 1000, 200), 801),
        ROW(QVTransferScrollTarget(SB_THUMBTRACK, 100, 345, 0, 1000, 200), 345),
        ROW(QVTransferScrollTarget(SB_THUMBTRACK, 0, 5000000, 0, 5600000, 400), 5000000),
        ROW(QVTransferScrollTarget(SB_BOTTOM, 100, 0, 0, 1000, 200), 801),
        ROW(QVTransferWheelTarget(300, 120, 0, 1000, 200), 180),
        ROW(QVTransferRevealPos(560, 0, 300), 260),
        ROW(QVTransferRevealPos(280, 0, 300), -1),
        ROW(QVTransferRevealPos(56, 500, 300), 0),
        ROW(QVTransferProgressFill(100, 250), 100),
    });
    const QVTransferScrollBar shown = QVTransferScrollFor(560, 300), hidden = QVTransferScrollFor(300, 300);
    EXPECT_TRUE(shown.bShow && shown.nMax == 560 && shown.nPage == 300);
    EXPECT_FALSE(hidden.bShow || QVTransferScrollFor(0, 0).bShow);
}
