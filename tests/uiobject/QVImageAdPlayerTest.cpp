// The goods grid: tile positions, the scroll cycle driven by timer messages (steps, wraps, exact rows),
// clicks that open the address of the tile under the pointer, the tiles' pixels, and a player destroyed
// or restarted mid-scroll.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVImageAdPlayer.h"
#include "QVUIShell.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "TestWindow.h"
#include "UIProbe.h"
#include "Watchdog.h"

using riztest::PumpUntilIdle;

namespace {

struct PlayerTest : ::testing::Test {
    riztest::TestWindow window{600, 400};
    CQVImageAdPlayer player;
    uitest::ShellRecorder shell;

    // The verb and file of a recorded launch.
    static CString Opened(size_t n) {
        const uitest::Launch& launch = uitest::ShellRecorder::Launches()[n];
        return launch.verb + _T(" ") + launch.file;
    }
    void Create(int cx, int cy) {
        ASSERT_TRUE(player.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), _T("shop"),
                                    WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy),
                                    CWnd::FromHandle(window.Host()), 1));
    }
    void AddGoods(int n) {
        for (int i = 0; i < n; ++i) {
            CQVImageAdPlayer::Goods goods;
            goods.strName.Format(_T("Course book %d"), i + 1);
            goods.strUrl.Format(_T("http://shop.example/item%d"), i + 1);
            goods.strPrice = _T("25.00");
            player.AddGoods(goods);
        }
    }
    CRect TileRect(int nIndex) { return player.FindChild(QVIAP_FIRST_GOODS_ID + nIndex)->GetObjectRect(); }
    std::vector<CRect> AllRects() {
        std::vector<CRect> rects;
        for (int i = 0; i < player.GetChildCount(); ++i)
            rects.push_back(player.GetChild(i)->GetObjectRect());
        return rects;
    }
    // One whole scroll through timer messages; answers the steps taken.
    std::vector<int> RunOneScroll() {
        std::vector<int> steps;
        player.SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);
        const CQVUIObject* pProbe = player.GetChild(0);
        int nSum = 0;
        for (int i = 0; i < 200 && nSum < 156; ++i) {
            const int nTop = pProbe->GetObjectRect().top;
            player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
            int nMoved = nTop - pProbe->GetObjectRect().top;
            if (nMoved < 0) nMoved += player.GetRowCount() * 156;  // the probe's row wrapped
            steps.push_back(nMoved);
            nSum += nMoved;
        }
        return steps;
    }
};

}  // namespace

TEST_F(PlayerTest, TilesFillRowsOfTheClientWidthAtTheTimeOfAdding) {
    Create(500, 306);
    AddGoods(5);
    EXPECT_EQ(CRect(2, 2, 116, 152), TileRect(0));
    EXPECT_EQ(122, TileRect(1).left);
    EXPECT_EQ(242, TileRect(2).left);
    EXPECT_EQ(362, TileRect(3).left);
    EXPECT_EQ(CRect(2, 158, 116, 308), TileRect(4));
    EXPECT_EQ(5u, player.GetGoodsTotal());
    EXPECT_EQ(2, player.GetRowCount());
    const CQVUIObject* pPrice = player.FindChild(QVIAP_FIRST_GOODS_ID)->GetChild(0);
    ASSERT_NE(nullptr, pPrice);
    EXPECT_EQ(CRect(0, 130, 114, 150), pPrice->GetObjectRect());
    EXPECT_EQ(CString(_T("Course book 1")), player.FindChild(QVIAP_FIRST_GOODS_ID)->GetToolTip());
}

TEST_F(PlayerTest, ScrollingStartsOnlyWhenRowsAreHiddenOnTimersOfThePlayerWindow) {
    Create(500, 306);  // two rows fit
    AddGoods(8);
    EXPECT_FALSE(player.StartScroll());
    CQVImageAdPlayer unborn;
    EXPECT_FALSE(unborn.StartScroll());
    AddGoods(1);
    ASSERT_TRUE(player.StartScroll());
    // KillTimer succeeds only for a timer that is set: the pause first, the scroll in its place, and
    // the pause again once the row is done.
    const HWND hWnd = player.m_hWnd;
    EXPECT_TRUE(::KillTimer(hWnd, QVIAP_TIMER_PAUSE));
    EXPECT_FALSE(::KillTimer(hWnd, QVIAP_TIMER_SCROLL));
    player.SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);
    EXPECT_TRUE(::KillTimer(hWnd, QVIAP_TIMER_SCROLL));
    EXPECT_FALSE(::KillTimer(hWnd, QVIAP_TIMER_PAUSE));
    RunOneScroll();
    EXPECT_TRUE(::KillTimer(hWnd, QVIAP_TIMER_PAUSE));
    EXPECT_FALSE(::KillTimer(hWnd, QVIAP_TIMER_SCROLL));
}

TEST_F(PlayerTest, OneScrollMovesExactlyOneRowFastestHalfWayAndThreeBringEveryTileBack) {
    Create(500, 306);
    AddGoods(12);  // three rows
    ASSERT_TRUE(player.StartScroll());
    const std::vector<CRect> start = AllRects();
    const std::vector<int> steps = RunOneScroll();
    int nSum = 0;
    for (int s : steps) {
        EXPECT_GE(s, 1);
        nSum += s;
    }
    EXPECT_EQ(156, nSum);
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(1, steps.front());
    EXPECT_GT(*std::max_element(steps.begin(), steps.end()), 5);
    // The first row left the client area during the scroll and wrapped below the third.
    EXPECT_EQ(CRect(2, 314, 116, 464), TileRect(0));
    EXPECT_EQ(CRect(2, 2, 116, 152), TileRect(4));
    // The scroll ended: further animation messages move nothing until the next pause.
    player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
    EXPECT_EQ(2, TileRect(4).top);
    RunOneScroll();
    RunOneScroll();
    EXPECT_EQ(start, AllRects());
}

TEST_F(PlayerTest, AClickAfterAWrapOpensTheTileUnderThePointer) {
    Create(500, 306);
    AddGoods(12);
    ASSERT_TRUE(player.StartScroll());
    RunOneScroll();
    RunOneScroll();  // the first row wrapped below the third
    riztest::PostMouse(player.m_hWnd, WM_MOUSEMOVE, 10, 10);
    riztest::PostClick(player.m_hWnd, 10, 10);
    PumpUntilIdle();
    ASSERT_EQ(1u, uitest::ShellRecorder::Launches().size());
    EXPECT_EQ(CString(_T("open http://shop.example/item9")), Opened(0));  // first tile of row three
}

TEST_F(PlayerTest, OnlyTileIdsOfTheClickableRangeOpenAnAddress) {
    Create(500, 306);
    AddGoods(1);
    EXPECT_EQ(0, player.OnUIMessage(3000, 1, 0, 0));
    EXPECT_EQ(0, player.OnUIMessage(2501, 1, 0, 0));  // no tile, no address
    EXPECT_TRUE(uitest::ShellRecorder::Launches().empty());
    EXPECT_EQ(0, player.OnUIMessage(2500, 1, 0, 0));
    EXPECT_EQ(1u, uitest::ShellRecorder::Launches().size());
}

TEST_F(PlayerTest, ASecondStartScrollNeverRestartsAScrollHalfWay) {
    Create(500, 306);
    AddGoods(12);
    ASSERT_TRUE(player.StartScroll());
    player.SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);
    for (int i = 0; i < 5; ++i)
        player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
    EXPECT_TRUE(player.StartScroll());
    player.SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);  // a stray pause tick changes nothing
    int nGuard = 0;
    while (TileRect(4).top != 2 && nGuard++ < 200)
        player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
    EXPECT_EQ(2, TileRect(4).top);
    EXPECT_EQ(314, TileRect(0).top);
    player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
    EXPECT_EQ(2, TileRect(4).top);  // and it stopped on the row
}

TEST_F(PlayerTest, TilesAreBlackWithTheirPriceInRedAtTheRight) {
    Create(500, 306);
    ::ShowWindow(window.Frame(), SW_SHOWNOACTIVATE);
    AddGoods(1);
    riztest::WindowCapture shot(player.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 0), shot.Pixel(4, 4));
    EXPECT_NE(RGB(0, 0, 0), shot.Pixel(200, 200));  // the parent's background between tiles
    const CRect rcPriceRight(60, 134, 116, 152);
    const CRect rcPriceLeft(2, 134, 40, 152);
    EXPECT_GT(shot.CountNear(rcPriceRight, RGB(255, 0, 0), 40), 0);
    EXPECT_EQ(0, shot.CountNear(rcPriceLeft, RGB(255, 0, 0), 40));
}

TEST_F(PlayerTest, ManyGoodsWithMissingPicturesAndAClientThatDeletesTiles) {
    riztest::AllowTestSeconds(280);
    Create(500, 306);
    CQVImageAdPlayer::Goods goods;
    goods.strImage = _T("Z:\\nowhere\\missing.png");
    goods.strName = CString(_T('n'), 100000);
    player.AddGoods(goods);
    goods.strName = _T("Word cards");
    for (int i = 1; i < 100000; ++i)
        player.AddGoods(goods);
    EXPECT_EQ(100000u, player.GetGoodsTotal());
    EXPECT_EQ(25000, player.GetRowCount());
    ASSERT_TRUE(player.StartScroll());
    player.SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);
    player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
    // Tiles deleted by a client leave the rows; the scroll goes on with the rest.
    player.DeleteChild(QVIAP_FIRST_GOODS_ID + 1);
    player.DeleteAllChildren();
    for (int i = 0; i < 3; ++i)
        player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
    player.RedrawWindow();
    EXPECT_EQ(0, player.GetChildCount());
}
