// CQVGifRender: frames and delays from the file, playback driven by elapsed time, pause and stop.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <utility>

#include "ImageTestUtil.h"
#include "PixelProbe.h"
#include "QVGifRender.h"
#include "ResourceCounter.h"

using namespace imgtest;

namespace {

DWORD g_dwNow = 0;
DWORD FakeClock() {
    return g_dwNow;
}

// Every test runs on a clock it sets itself; anim3.gif has red 100 ms, green 200 ms, blue 0 (100 ms).
class GifRenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_dwNow = 1000;
        CQVGifRender::SetClock(&FakeClock);
        ASSERT_TRUE(m_gif.Load(ImagePath(_T("anim3.gif"))));
    }
    void TearDown() override { CQVGifRender::SetClock(nullptr); }

    // The colour Render draws now.
    COLORREF Shown() {
        riztest::Surface s(10, 10, kWhite);
        CAttachedDC dc(s.Dc());
        m_gif.Render(&dc, 1, 1);
        return s.Pixel(4, 4);
    }

    // Sets the clock to each time in turn and checks the colour drawn then.
    void ExpectShown(std::initializer_list<std::pair<DWORD, COLORREF>> steps) {
        for (const auto& step : steps) {
            g_dwNow = step.first;
            EXPECT_EQ(step.second, Shown()) << "at " << step.first;
        }
    }

    CQVGifRender m_gif;
};

}  // namespace

TEST_F(GifRenderTest, ReadsFramesDelaysAndSize) {
    EXPECT_TRUE(m_gif.IsLoaded());
    EXPECT_TRUE(m_gif.CanPlay());
    EXPECT_EQ(3, m_gif.GetFrameCount());
    EXPECT_EQ(CSize(8, 8), m_gif.GetSize());
    EXPECT_EQ(100u, m_gif.GetFrameDelay(0));
    EXPECT_EQ(200u, m_gif.GetFrameDelay(1));
    EXPECT_EQ(100u, m_gif.GetFrameDelay(2));  // 0 in the file
    EXPECT_EQ(0u, m_gif.GetFrameDelay(3));
    EXPECT_EQ(0u, m_gif.GetFrameDelay(-1));
    EXPECT_EQ(0u, m_gif.GetLoopCount());
    EXPECT_FALSE(m_gif.IsPlaying());
}

TEST_F(GifRenderTest, FramesFollowTheFileDelaysAndLoop) {
    EXPECT_EQ(kRed, Shown());  // before playing: the first frame
    ASSERT_TRUE(m_gif.Play());
    EXPECT_TRUE(m_gif.IsPlaying());
    ExpectShown({{1000, kRed},
                 {1099, kRed},
                 {1100, kGreen},
                 {1299, kGreen},
                 {1300, kBlue},
                 {1399, kBlue},
                 {1400, kRed},
                 {1500, kGreen},
                 {1800, kRed}});
}

TEST_F(GifRenderTest, PlayingReportsWhenTheFrameDueIsNotTheOneDrawn) {
    ASSERT_TRUE(m_gif.Play());
    EXPECT_TRUE(m_gif.Playing(1000));  // nothing drawn yet
    Shown();
    EXPECT_FALSE(m_gif.Playing(1050));
    EXPECT_TRUE(m_gif.Playing(1120));
    EXPECT_EQ(1, m_gif.GetCurrentFrame());
    EXPECT_TRUE(m_gif.Playing(1130));  // still not drawn
    g_dwNow = 1140;
    EXPECT_EQ(kGreen, Shown());
    EXPECT_FALSE(m_gif.Playing(1150));
}

TEST_F(GifRenderTest, ALateClockSkipsFramesInsteadOfSlowingDown) {
    ASSERT_TRUE(m_gif.Play());
    const DWORD dwLate = 1000 + 10 * 60 * 1000 + 150;  // ten minutes later, 150 ms into a 400 ms round
    ExpectShown({{dwLate, kGreen}, {dwLate + 150, kBlue}});
}

TEST_F(GifRenderTest, PauseHoldsTheFrameAndKeepsTheRestOfItsDelay) {
    ASSERT_TRUE(m_gif.Play());
    g_dwNow = 1150;  // 50 ms into green
    m_gif.Pause();
    EXPECT_TRUE(m_gif.IsPaused());
    EXPECT_FALSE(m_gif.IsPlaying());
    g_dwNow = 5000;
    EXPECT_EQ(kGreen, Shown());
    EXPECT_FALSE(m_gif.Playing(9000));
    ASSERT_TRUE(m_gif.Play());
    ExpectShown({{5149, kGreen}, {5150, kBlue}});
}

TEST_F(GifRenderTest, StopGoesBackToTheFirstFrame) {
    ASSERT_TRUE(m_gif.Play());
    ExpectShown({{1350, kBlue}});
    EXPECT_TRUE(m_gif.Stop());
    EXPECT_FALSE(m_gif.IsPlaying());
    EXPECT_EQ(0, m_gif.GetCurrentFrame());
    EXPECT_TRUE(m_gif.Playing(1400));  // the blue frame is still on screen
    ExpectShown({{9999, kRed}});
    ASSERT_TRUE(m_gif.Play());  // from the start again
    ExpectShown({{10098, kRed}, {10099, kGreen}});
}

TEST_F(GifRenderTest, LoadingAnotherFileStopsTheAnimation) {
    ASSERT_TRUE(m_gif.Play());
    g_dwNow = 1150;
    ASSERT_TRUE(m_gif.Load(ImagePath(_T("anim3.gif"))));
    EXPECT_FALSE(m_gif.IsPlaying());
    EXPECT_EQ(kRed, Shown());
    EXPECT_FALSE(m_gif.Load(ImagePath(_T("garbage.png"))));
    EXPECT_FALSE(m_gif.IsLoaded());
    EXPECT_FALSE(m_gif.Play());
    EXPECT_FALSE(m_gif.Stop());
    EXPECT_FALSE(m_gif.Playing(2000));
    EXPECT_EQ(kWhite, Shown());
    EXPECT_EQ(CSize(0, 0), m_gif.GetSize());
}

TEST_F(GifRenderTest, LoopCountFromTheFileEndsOnTheLastFrame) {
    ASSERT_TRUE(m_gif.Load(ImagePath(_T("anim-twice.gif"))));  // red 50 ms, blue 50 ms, two loops
    EXPECT_EQ(2u, m_gif.GetLoopCount());
    ASSERT_TRUE(m_gif.Play());
    ExpectShown({{1120, kRed}});  // the second loop
    EXPECT_TRUE(m_gif.IsPlaying());
    ExpectShown({{1250, kBlue}});
    EXPECT_FALSE(m_gif.IsPlaying());
    ExpectShown({{1300, kBlue}});
}

TEST(CQVGifRender, SingleFrameImageShowsButDoesNotPlay) {
    CQVGifRender gif;
    ASSERT_TRUE(gif.Load(ImagePath(_T("still.gif"))));
    EXPECT_FALSE(gif.CanPlay());
    EXPECT_EQ(1, gif.GetFrameCount());
    EXPECT_FALSE(gif.Play());
    EXPECT_FALSE(gif.IsPlaying());
    riztest::Surface s(10, 10, kWhite);
    CAttachedDC dc(s.Dc());
    gif.Render(&dc, 0, 0);
    EXPECT_EQ("", s.WrongPixels({{7, 7, kGreen}, {8, 8, kWhite}}));
    ASSERT_TRUE(gif.Load(ImagePath(_T("alpha.png"))));  // any image shows
    EXPECT_FALSE(gif.CanPlay());
}

TEST_F(GifRenderTest, ClearingTheClockGoesBackToTheTickCount) {
    EXPECT_EQ(1000u, CQVGifRender::Now());
    CQVGifRender::SetClock(nullptr);
    const DWORD dwBefore = ::GetTickCount();
    const DWORD dwNow = CQVGifRender::Now();
    EXPECT_LE(dwNow - dwBefore, ::GetTickCount() - dwBefore);  // read between the two ticks
}

TEST(CQVGifRender, BadFilesAndNoImageDoNothing) {
    CQVGifRender gif;
    riztest::Surface s(10, 10, kWhite);
    CAttachedDC dc(s.Dc());
    for (LPCTSTR name : {_T("empty.bmp"), _T("huge.gif"), _T("truncated.png"), _T("missing.gif")})
        EXPECT_FALSE(gif.Load(ImagePath(name))) << name;
    gif.Render(&dc, 0, 0);
    gif.Render(nullptr, 0, 0);
    gif.Pause();
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 10, 10), kWhite, 0));
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 20; ++i) {
        CQVGifRender other;
        other.Load(ImagePath(_T("anim3.gif")));
        other.Play();
        other.Render(&dc, 0, 0);
    }
    EXPECT_EQ(0, before.GdiDelta());
}
