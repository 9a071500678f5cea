// CQVFileTransferList through its window: link clicks to the owner or the shell, an owner that deletes
// inside its notification, the scroll bar's position, pixels from memory DCs, the screen against a
// fresh full paint after mixed calls, bad input and the create/destroy soak.
#include <gtest/gtest.h>

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <functional>
#include <string>

#include "ExpectRows.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVFileTransferList.h"
#include "QVUIShell.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "Watchdog.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);

GUID Id(unsigned long n) {
    GUID id = {};
    id.Data1 = n;
    id.Data4[7] = 0x5A;  // the last byte counts too
    return id;
}

// The owner: records the link notifications and runs a test's reaction inside them.
class COwner : public CWnd {
public:
    std::function<void(int, tagTransferFileItem*)> onLink;
    int nLinks = 0;
    WPARAM lastType = 0;
    LPARAM lastItem = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_QV_TRANSFERLINK) {
            ++nLinks;
            lastType = wParam;
            lastItem = lParam;
            if (onLink) onLink(static_cast<int>(wParam), reinterpret_cast<tagTransferFileItem*>(lParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

std::vector<CString>& Launches() {
    static std::vector<CString> launches;
    return launches;
}
HINSTANCE RecordLaunch(HWND, LPCTSTR, LPCTSTR lpszFile, LPCTSTR, LPCTSTR, INT) {
    Launches().push_back(lpszFile);
    return reinterpret_cast<HINSTANCE>(33);
}

void Clear(CQVFileTransferList& list) {
    while (list.GetItemCount() > 0)
        list.DelItem(list.GetItem(0)->id);
}

class FileTransferList : public ::testing::Test {
protected:
    void SetUp() override {
        CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
        m_savedOther = *pSkin->GetOthRes();
        m_savedColors = *pSkin->GetClrDef();
        m_pfnOldLaunch = QVUISetShellExecute(&RecordLaunch);
        Launches().clear();
        ASSERT_TRUE(m_owner.CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), _T("owner"),
                                     WS_POPUP | WS_VISIBLE, CRect(0, 0, 420, 260), NULL, 0));
    }
    void TearDown() override {
        if (m_list.GetSafeHwnd()) m_list.DestroyWindow();
        m_owner.DestroyWindow();
        riztest::PumpUntilIdle();
        QVUISetShellExecute(m_pfnOldLaunch);
        CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
        *pSkin->GetOthRes() = m_savedOther;
        *pSkin->GetClrDef() = m_savedColors;
    }
    void MakeList(int cx = 300, int cy = 200) {
        ASSERT_EQ(1, m_list.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + cx, 10 + cy), &m_owner, 7));
    }
    // The centre of a link in window coordinates.
    CPoint LinkPoint(int nRow, int nLink) {
        const CRect rc = m_list.GetItem(nRow)->links[static_cast<size_t>(nLink)].rect;
        return CPoint(rc.CenterPoint().x, rc.CenterPoint().y - m_list.GetScrollPosition());
    }
    // The cursor is placed first, so that no real move or leave comes between the posted messages.
    void Post(UINT message, CPoint pt) {
        CPoint ptScreen = pt;
        m_list.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        riztest::PostMouse(m_list.m_hWnd, message, pt.x, pt.y);
    }
    void Click(CPoint pt) {
        Post(WM_MOUSEMOVE, pt);
        Post(WM_LBUTTONUP, pt);
        riztest::PumpUntilIdle();
    }
    // Pixels of the list shown now that differ from a fresh full paint of it.
    int DifferFromFreshPaint() {
        m_list.UpdateWindow();
        riztest::WindowCapture shown(m_list.m_hWnd, riztest::WindowCapture::Current);
        riztest::WindowCapture fresh(m_list.m_hWnd, riztest::WindowCapture::Print);
        return shown.CountDiffering(fresh, CRect(0, 0, shown.Width(), shown.Height()));
    }

    COwner m_owner;
    CQVFileTransferList m_list;
    CQVSkinOtherRes m_savedOther;
    CQVSkinColorDef m_savedColors;
    QVUIShellExecuteFunc m_pfnOldLaunch = nullptr;
};

}  // namespace

TEST_F(FileTransferList, LinkClicksGoToTheOwnerOrTheShell) {
    const struct {
        const char* what;
        int bSend, bFolder;
        TransferFileStatus status;
        LPCTSTR lpszDest;
        int nLink;
        int nNotified;  // the type sent to the owner, 0 for none
        LPCTSTR lpszLaunched;
    } kClicks[] = {
        {"cancel of a receive", 0, 0, QVTFS_WAIT, _T(""), 2, 3, NULL},
        {"send offline", 1, 0, QVTFS_WAIT, _T(""), 1, 6, NULL},
        {"retry of a failed send", 1, 0, QVTFS_FAILED, _T(""), 1, 7, NULL},
        {"cancel of a sent folder", 1, 1, QVTFS_WAIT, _T(""), 1, 3, NULL},
        {"open", 0, 0, QVTFS_FINISHED, _T("C:\\Lessons\\Unit 5.mp3"), 0, 0, _T("C:\\Lessons\\Unit 5.mp3")},
        {"open folder", 0, 0, QVTFS_FINISHED, _T("C:\\Lessons\\Unit 5.mp3"), 1, 0, _T("C:\\Lessons\\")},
        {"open without a destination", 0, 0, QVTFS_FINISHED, _T(""), 0, 0, NULL},
        {"the row beside the links", 0, 0, QVTFS_WAIT, _T(""), -1, 0, NULL},
    };
    MakeList();
    for (const auto& click : kClicks) {
        SCOPED_TRACE(click.what);
        m_owner.nLinks = 0;
        Launches().clear();
        m_list.AddItem(Id(1), _T("Unit 5.mp3"), 1000, click.bSend, click.bFolder, FALSE);
        m_list.SetItemDestFile(Id(1), click.lpszDest);
        m_list.SetItemStatus(Id(1), click.status, _T(""));
        Click(click.nLink >= 0 ? LinkPoint(0, click.nLink) : CPoint(60, 8));
        EXPECT_EQ(click.nNotified ? 1 : 0, m_owner.nLinks);
        if (click.nNotified) {
            EXPECT_EQ(static_cast<WPARAM>(click.nNotified), m_owner.lastType);
            EXPECT_EQ(reinterpret_cast<LPARAM>(m_list.FindItem(Id(1))), m_owner.lastItem);
        }
        ASSERT_EQ(click.lpszLaunched ? 1u : 0u, Launches().size());
        EXPECT_TRUE(!click.lpszLaunched || Launches()[0] == click.lpszLaunched);
    }
}

TEST_F(FileTransferList, OwnerMayRemoveEverythingInsideTheClick) {
    const struct {
        const char* what;
        std::function<void(CQVFileTransferList&)> react;
        int nRowsAfter;  // -1: the window is gone
    } kReactions[] = {
        {"deletes the row", [](CQVFileTransferList& list) { list.DelItem(Id(2)); }, 2},
        {"clears the list", [](CQVFileTransferList& list) { Clear(list); }, 0},
        {"destroys the window", [](CQVFileTransferList& list) { list.DestroyWindow(); }, -1},
    };
    for (const auto& reaction : kReactions) {
        SCOPED_TRACE(reaction.what);
        if (!m_list.GetSafeHwnd()) MakeList();
        for (unsigned long n = 1; n <= 3; ++n)
            m_list.AddItem(Id(n), _T("Essay draft.docx"), 2048, FALSE, FALSE, FALSE);
        m_owner.onLink = [&](int, tagTransferFileItem*) { reaction.react(m_list); };
        Click(LinkPoint(1, 2));
        m_owner.onLink = nullptr;
        EXPECT_EQ(1, m_owner.nLinks);
        m_owner.nLinks = 0;
        if (reaction.nRowsAfter < 0) {
            EXPECT_EQ(NULL, m_list.GetSafeHwnd());
            continue;
        }
        EXPECT_EQ(reaction.nRowsAfter, m_list.GetItemCount());
        EXPECT_LT(m_list.GetHover().nItem, reaction.nRowsAfter);
        EXPECT_EQ(0, DifferFromFreshPaint());
        Clear(m_list);
    }
}

TEST_F(FileTransferList, ScrollPositionIsTheScrollBars) {
    MakeList();
    for (unsigned long n = 0; n < 10; ++n)
        m_list.AddItem(Id(n), _T("Unit 5.mp3"), 100, TRUE, FALSE, FALSE);
    CRect rcClient;
    m_list.GetClientRect(&rcClient);
    // The last row's bottom meets the client's bottom; the bar's width came off every row's links.
    EXPECT_EQ(560 - 200, m_list.GetScrollPosition());
    EXPECT_EQ(rcClient.right - 10, m_list.GetItem(0)->links.back().rect.right);
    const struct {
        UINT message;
        WPARAM wParam;
        int nPos;
    } kSteps[] = {
        {WM_VSCROLL, SB_TOP, 0},
        {WM_VSCROLL, SB_LINEDOWN, 20},
        {WM_VSCROLL, SB_PAGEDOWN, 220},
        {WM_VSCROLL, SB_BOTTOM, 361},
        {WM_VSCROLL, SB_LINEUP, 341},
        {WM_VSCROLL, SB_PAGEUP, 141},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 21},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 261},
    };
    for (const auto& step : kSteps) {
        SCOPED_TRACE(step.nPos);
        m_list.SendMessage(step.message, step.wParam, 0);
        EXPECT_EQ(step.nPos, m_list.GetScrollPosition());
        EXPECT_EQ(0, DifferFromFreshPaint());
    }
}

TEST_F(FileTransferList, PixelsOfRowsProgressLinksAndHover) {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    pSkin->GetClrDef()->m_clrColors[15] = RGB(200, 220, 240);
    pSkin->GetClrDef()->m_clrColors[16] = RGB(40, 80, 160);
    CQVSkinOtherRes& other = *pSkin->GetOthRes();
    other.m_bmpFileProgress.DeleteObject();
    other.m_imgFileSendOverlay.Unload();
    MakeList();
    m_list.AddItem(Id(1), _T("Unit 5 listening.mp3"), 1000, FALSE, FALSE, FALSE);
    m_list.AddItem(Id(2), _T("Essay draft.docx"), 1000, TRUE, FALSE, FALSE);
    m_list.SetItemStatus(Id(1), QVTFS_TRANSFERRING, _T(""));
    m_list.UpdateTransferProgress(Id(1), 370, 37, 12.5f);
    m_list.SetItemStatus(Id(2), QVTFS_FAILED, _T(" (disk full)"));
    auto shot = [this]() {
        return std::unique_ptr<riztest::WindowCapture>(
            new riztest::WindowCapture(m_list.m_hWnd, riztest::WindowCapture::Print));
    };
    // Without an image: 37 of the bar's 100 pixels blue inside a frame of the current (black) pen.
    auto plain = shot();
    EXPECT_EQ("", plain->WrongPixels(
                      {{50, 26, kBlue}, {74, 26, kBlue}, {76, 26, kWhite}, {137, 26, 0}, {38, 18, 0}}));
    EXPECT_GT(plain->CountNear(m_list.GetItem(1)->rcStatus, kRed, 40), 10);
    m_list.UpdateTransferProgress(Id(1), 10, 250, 1.0f);  // drawn as 100 %
    EXPECT_EQ("", shot()->WrongPixels({{40, 26, kBlue}, {135, 26, kBlue}}));
    m_list.UpdateTransferProgress(Id(1), 10, 0, 1.0f);
    EXPECT_EQ("", shot()->WrongPixels({{40, 26, kWhite}, {135, 26, kWhite}}));
    // A two-frame image: frame 0 over the bar, frame 1 over its filled part; with the flag, frame 0's key
    // colour leaves the row's white.
    const COLORREF kTrack = RGB(0, 160, 0), kFill = RGB(250, 140, 0);
    other.m_bmpFileProgress.AttachBitmap(riztest::Dib(20, 8, riztest::SolidFrames(10, {kTrack, kFill})));
    other.m_bmpFileProgress.SetMultiState(2);
    m_list.UpdateTransferProgress(Id(1), 10, 37, 1.0f);
    EXPECT_EQ("", shot()->WrongPixels({{50, 26, kFill}, {100, 26, kTrack}}));
    other.m_nFileProgressTransparent = 1;
    other.m_clrFileProgressKey = kTrack;
    m_list.Invalidate();
    EXPECT_EQ("", shot()->WrongPixels({{50, 26, kFill}, {100, 26, kWhite}}));
    riztest::TempFolder folder;  // a send overlay covers the sent row's icon
    ASSERT_TRUE(
        folder.WriteFile(_T("send.bmp"), riztest::Bmp24(32, 32, [](int, int) { return RGB(90, 0, 120); })));
    ASSERT_TRUE(other.m_imgFileSendOverlay.Load(folder.Path() + _T("\\send.bmp")));
    EXPECT_EQ("", shot()->WrongPixels({{18, 56 + 16, RGB(90, 0, 120)}}, 4));
    // Hovering row 1's retry link: the gradient from entry 15 to 16 in a 5 x 5 rounded box, the link red.
    Post(WM_MOUSEMOVE, LinkPoint(1, 1));
    riztest::PumpUntilIdle();
    auto hover = shot();
    EXPECT_TRUE(riztest::ColorNear(hover->Pixel(200, 56), RGB(200, 220, 240), 12));
    EXPECT_TRUE(riztest::ColorNear(hover->Pixel(200, 111), RGB(40, 80, 160), 12));
    EXPECT_EQ(kWhite, hover->Pixel(0, 56));
    EXPECT_GT(hover->CountNear(m_list.GetItem(1)->links[1].rect, kRed, 40), 5);
    EXPECT_EQ(0, hover->CountNear(m_list.GetItem(1)->links[1].rect, kBlue, 40));
    m_list.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(kWhite, shot()->Pixel(200, 111));
}

// A name wider than its place ends in an ellipsis: the last inked column of the cut name is a dot, low
// in the line, where the whole name's last letter reaches the top of the capitals.
TEST_F(FileTransferList, NameTooWideForItsPlaceEndsInAnEllipsis) {
    MakeList(220, 150);
    m_list.AddItem(Id(1), _T("MMMM.mp3 MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"), 1000, FALSE, FALSE, FALSE);
    m_list.AddItem(Id(2), _T("MMMM"), 1000, FALSE, FALSE, FALSE);
    riztest::WindowCapture shot(m_list.m_hWnd, riztest::WindowCapture::Print);
    for (int nRow : {0, 1}) {
        SCOPED_TRACE(nRow);
        const CRect rc = m_list.GetItem(nRow)->rcName;
        auto inked = [&](int x0, int x1, int y) {
            return shot.HasOtherThan(CRect(x0, y, x1, y + 1), kWhite, 96);
        };
        int nTop = rc.top, nRight = rc.right - 1;
        while (nTop < rc.bottom && !inked(rc.left, rc.right, nTop))
            ++nTop;
        while (nRight > rc.left &&
               !shot.HasOtherThan(CRect(nRight, rc.top, nRight + 1, rc.bottom), kWhite, 96))
            --nRight;
        ASSERT_LT(nTop + 6, rc.bottom);
        EXPECT_EQ(nRow == 0,
                  !inked(nRight - 1, nRight + 1, nTop + 1) && !inked(nRight - 1, nRight + 1, nTop + 2));
        EXPECT_EQ(nRow == 0, nRight > rc.right - 12) << nRight << " of " << rc.right;
    }
}

// Whatever the calls, the screen equals a fresh full paint: each step invalidated all it changed.
TEST_F(FileTransferList, ScreenEqualsAFreshPaintAfterMixedCalls) {
    MakeList();
    const std::function<void()> kSteps[] = {
        [&] {
            for (unsigned long n = 0; n < 6; ++n)
                m_list.AddItem(Id(n), _T("Class photos"), 5 << 20, n % 2, n == 4, n == 3);
        },
        [&] { m_list.SetItemStatus(Id(5), QVTFS_TRANSFERRING, _T("")); },
        [&] { m_list.UpdateTransferProgress(Id(5), 3 << 20, 60, 88.0f); },
        [&] { m_list.SetItemStatus(Id(5), QVTFS_FAILED, _T(" (timeout)")); },
        [&] { m_list.SetItemTransferType(Id(0), QVTT_OFFLINE); },
        [&] { m_list.SetItemStatus(Id(0), QVTFS_FINISHED, _T("")); },
        [&] { Post(WM_MOUSEMOVE, LinkPoint(2, 2)); },
        [&] { m_list.SetItemStatus(Id(2), QVTFS_CANCELLED, _T("")); },
        [&] { m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120))); },
        [&] { m_list.AddItem(Id(6), _T("Vocabulary list.xlsx"), 1 << 20, TRUE, FALSE, FALSE); },
        [&] { Post(WM_MOUSEMOVE, CPoint(100, 30)); },
        [&] { m_list.AddItem(Id(1), _T("Unit 3, Lesson 2.pdf"), 1 << 10, FALSE, FALSE, TRUE); },
        [&] { m_list.DelItem(Id(0)); },
        [&] { m_list.SendMessage(WM_VSCROLL, SB_TOP); },
        [&] { m_list.SendMessage(WM_QV_LANCHANGED); },
        [&] { m_list.SetWindowPos(NULL, 0, 0, 240, 150, SWP_NOMOVE | SWP_NOZORDER); },
    };
    int nStep = 0;
    for (const auto& step : kSteps) {
        SCOPED_TRACE(nStep++);
        step();
        riztest::PumpUntilIdle();
        EXPECT_EQ(0, DifferFromFreshPaint());
    }
}

TEST_F(FileTransferList, BadInputLeavesTheRowsAsTheyWere) {
    MakeList(0, 0);
    m_list.AddItem(Id(1), _T(""), 0, FALSE, FALSE, FALSE);
    m_list.AddItem(Id(2), CString(_T('A'), 100 * 1024) + _T("&.txt"), 5ULL << 32, TRUE, FALSE, FALSE);
    EXPECT_EQ(0, m_list.DelItem(Id(9)));
    m_list.SetItemStatus(Id(9), QVTFS_FAILED, _T("x"));
    m_list.UpdateTransferProgress(Id(9), 1, 50, 1.0f);
    m_list.UpdateTransferProgress(Id(1), 1, 50, 1.0f);  // not transferring: ignored
    m_list.SetItemTransferType(Id(9), QVTT_OFFLINE);
    m_list.SetItemDestFile(Id(9), _T("C:\\x"));
    m_list.SetItemStatus(Id(2), QVTFS_TRANSFERRING, _T(""));
    m_list.UpdateTransferProgress(Id(2), 7ULL << 32, 400, -3.0f);  // more than the size
    int nIndex = -1;
    EXPECT_TRUE(m_list.FindItem(Id(9), &nIndex) == nullptr && nIndex == -1);
    EXPECT_TRUE(m_list.FindItem(Id(2), &nIndex) != nullptr && nIndex == 1);
    EXPECT_EQ(CString(_T("28672.00 MB/20480.00 MB ")), m_list.GetItem(1)->strStatusText);
    EXPECT_EQ(0u, m_list.GetItem(0)->nTransferred);
    EXPECT_FALSE(m_list.GetItem(0)->strStatusText.IsEmpty());
    // A 1-pixel-wide window and the same id added again while hovered and transferring.
    m_list.SetWindowPos(NULL, 0, 0, 1, 120, SWP_NOMOVE | SWP_NOZORDER);
    Post(WM_MOUSEMOVE, CPoint(0, 60));
    riztest::PumpUntilIdle();
    EXPECT_EQ(1, m_list.GetHover().nItem);
    m_list.AddItem(Id(2), _T("Unit 5.mp3"), 10, FALSE, FALSE, FALSE);
    EXPECT_TRUE(m_list.GetItemCount() == 2 && m_list.GetItem(1)->status == QVTFS_WAIT);
    EXPECT_EQ(3u, m_list.GetItem(1)->links.size());
    m_list.SetWindowPos(NULL, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(0, DifferFromFreshPaint());
}

TEST_F(FileTransferList, HundredThousandRowsScrollToTheEnd) {
    // Filled hidden, as a host fills a list before showing it.
    riztest::AllowTestSeconds(120);
    MakeList();
    m_list.ShowWindow(SW_HIDE);
    for (unsigned long n = 0; n < 100000; ++n)
        m_list.AddItem(Id(n), _T("a.txt"), 10, TRUE, FALSE, FALSE);
    m_list.ShowWindow(SW_SHOW);
    EXPECT_EQ(5600000 - 200, m_list.GetScrollPosition());
    m_list.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(5600000 - 200 + 1, m_list.GetScrollPosition());
    Post(WM_MOUSEMOVE, CPoint(60, 198));  // moved down by the position, then divided
    riztest::PumpUntilIdle();
    EXPECT_EQ(99999, m_list.GetHover().nItem);
    EXPECT_EQ(0, DifferFromFreshPaint());
}

TEST_F(FileTransferList, CreateFillPaintAndDestroyLeakNothingSoak) {
    riztest::ExpectCyclesLeakNothing([&](int k) {
        CQVFileTransferList list;
        list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_owner, 8);
        list.AddItem(Id(1), _T("Unit 5.mp3"), 1000, k % 2, FALSE, TRUE);
        list.AddItem(Id(2), _T("Class photos"), 1000, FALSE, TRUE, FALSE);
        list.SetItemStatus(Id(1), QVTFS_TRANSFERRING, _T(""));
        list.UpdateTransferProgress(Id(1), 500, 50, 3.0f);
        list.UpdateWindow();
        list.DestroyWindow();
    });
}

// The texts of the links and of the way a file goes come from the language table and follow each
// switch, there and back.
TEST_F(FileTransferList, LinkAndWayTextsFollowEveryLanguageSwitch) {
    CQVLanResManager* pLan = CQVLanResManager::GetSingletonPtr();
    const CString strSaved = pLan->GetCurrentLanFile();
    MakeList(420, 200);
    m_list.AddItem(Id(1), _T("Unit 3.mp3"), 1 << 20, TRUE, FALSE, FALSE);  // send offline at 1
    m_list.AddItem(Id(2), _T("Unit 4.mp3"), 1 << 20, FALSE, FALSE, TRUE);  // receive next at 3
    m_list.AddItem(Id(3), _T("Unit 5.mp3"), 1 << 20, TRUE, FALSE, FALSE);
    m_list.SetItemTransferType(Id(3), QVTT_RELAY);
    m_list.SetItemStatus(Id(3), QVTFS_FAILED, _T(""));  // retry at 1
    const struct {
        int nLanguage;
        CString strOffline, strNext, strRetry, strFailed;
    } rows[] = {
        {0, L"Send as offline file", L"Receive later", L"Retry", L"Sending failed (relayed)"},
        {1, L"发送离线文件", L"下次接收", L"重试", L"文件发送失败(中转方式)"},
        {0, L"Send as offline file", L"Receive later", L"Retry", L"Sending failed (relayed)"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(&r - rows);
        ASSERT_TRUE(pLan->LoadLanguage(pLan->GetLanguageFile(r.nLanguage)));
        m_list.SendMessage(WM_QV_LANCHANGED);
        EXPECT_EQ(r.strOffline, m_list.GetItem(0)->links[1].text);
        EXPECT_EQ(r.strNext, m_list.GetItem(1)->links[3].text);
        EXPECT_EQ(r.strRetry, m_list.GetItem(2)->links[1].text);
        EXPECT_EQ(r.strFailed, m_list.GetItem(2)->strStatusText);
    }
    pLan->LoadLanguage(strSaved);
}
