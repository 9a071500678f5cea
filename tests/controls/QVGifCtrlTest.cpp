// The GIF control: its arithmetic by tables (fit, step, period, file checks), the GIF writer through
// GDI+, and the window through WM_TIMER sent by the test with pixels read from the screen and from
// WM_PRINTCLIENT.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVGdiplusImage.h>

#include <objbase.h>

#include <gdiplus.h>

#include "ExpectRows.h"
#include "FrameworkHost.h"
#include "GifWriter.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVGifCtrl.h"
#include "QVGifCtrlLayout.h"
#include "ResourceCounter.h"
#include "TestData.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
const std::vector<std::uint32_t> kRgb = {0xFF0000, 0x00FF00, 0x0000FF};

// Three frames over a transparent index 3: the left half transparent and the right half red; all
// green; the left half transparent and the right half blue. The decoder lays each frame over the ones
// before it and starts over at frame 0, so frame 0 is the only one with transparent pixels.
GifImage TransparentGif() {
    GifImage image;
    image.cx = image.cy = 20;
    image.palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF00FF};
    for (int f = 0; f < 3; ++f) {
        GifFrame frame;
        frame.nTransparent = 3;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                frame.indices.push_back(static_cast<std::uint8_t>(f == 1 ? 1 : x < 10 ? 3 : f == 0 ? 0 : 2));
        image.frames.push_back(frame);
    }
    return image;
}

}  // namespace

// ---- Arithmetic ----

TEST(QVGifCtrlLayout, FitRectCentresNaturalSizeOrScalesDownKeepingProportions) {
    const CRect rc(0, 0, 100, 100), rcOff(10, 20, 111, 71);
    riztest::ExpectRows<CRect>({
        ROW(QVGifFitRect(rc, 100, 100), CRect(0, 0, 100, 100)),
        ROW(QVGifFitRect(rcOff, 10, 10), CRect(55, 40, 65, 50)),  // (101 - 10) / 2, (51 - 10) / 2
        ROW(QVGifFitRect(rc, 400, 100), CRect(0, 37, 100, 62)),   // full width, 25 high
        ROW(QVGifFitRect(rc, 100, 400), CRect(37, 0, 62, 100)),   // full height, 25 wide
        ROW(QVGifFitRect(rc, 300, 200), CRect(0, 17, 100, 83)),   // 66.67 truncated to 66
        ROW(QVGifFitRect(rc, 120, 30), CRect(0, 38, 100, 62)),    // 30 / 1.2f is 24.999998: 24
        ROW(QVGifFitRect(rc, 101, 101), CRect(0, 0, 100, 100)),
        ROW(QVGifFitRect(rc, 65535, 1), CRect(0, 50, 100, 50)),  // too thin to show
        ROW(QVGifFitRect(CRect(0, 0, 0, 0), 10, 10), CRect()),
        ROW(QVGifFitRect(CRect(0, 0, 0, 50), 10, 10), CRect()),
        ROW(QVGifFitRect(rc, 0, 10), CRect()),
    });
}

TEST(QVGifCtrlLayout, StepsWrapAndPeriodsComeFromTheSelectedFramesDelay) {
    const QVGifStep fromPlay = QVGifAdvanceStep(-1, 3), last = QVGifAdvanceStep(2, 3);
    const QVGifStep middle = QVGifAdvanceStep(1, 3), beyond = QVGifAdvanceStep(7, 3);
    const std::vector<UINT> delays = {0, 1, 50, 0xFFFFFFFF};
    riztest::ExpectRows<int>({
        ROW(fromPlay.nSelect, -1),
        ROW(fromPlay.nNext, 0),
        ROW(fromPlay.nDelayFrame, 0),
        ROW(middle.nSelect, 1),
        ROW(middle.nNext, 2),
        ROW(middle.nDelayFrame, 1),
        ROW(last.nSelect, 2),
        ROW(last.nNext, 0),
        ROW(last.nDelayFrame, 2),
        ROW(beyond.nSelect, -1),
        ROW(beyond.nNext, 0),
        ROW(QVGifTimerPeriod(delays, 0), 200),
        ROW(QVGifTimerPeriod(delays, 1), 10),
        ROW(QVGifTimerPeriod(delays, 2), 500),
        ROW(QVGifTimerPeriod(delays, 3), USER_TIMER_MAXIMUM),
        ROW(QVGifTimerPeriod(delays, 4), 200),  // fewer delays than frames
        ROW(QVGifTimerPeriod(delays, -1), 200),
        ROW(QVGifTimerPeriod({}, 0), 200),
    });
}

TEST(QVGifCtrlLayout, BlockWalkCountsCompleteFilesAndRefusesEveryTruncation) {
    const std::vector<std::uint8_t> gif = EncodeGif(FlatFramesGif(9, 5, kRgb, {1, 2, 3}));
    EXPECT_EQ(3, QVGifCountFrames(gif.data(), gif.size()));
    int nAccepted = 0;
    for (size_t n = 6; n < gif.size(); ++n)
        nAccepted += QVGifCountFrames(gif.data(), n) >= 0;
    EXPECT_EQ(0, nAccepted);
    std::vector<std::uint8_t> bad = gif;
    bad[bad.size() - 1] = 0x99;  // no trailer: an unknown block
    EXPECT_EQ(-1, QVGifCountFrames(bad.data(), bad.size()));
    const BYTE png[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\x01\x86\xa0\0\x01\x86\xa0";
    const BYTE huge[] = "GIF89a\xff\xff\xff\xff";
    riztest::ExpectRows<bool>({
        ROW(QVGifCountFrames(png, sizeof(png) - 1) == 0, true),
        ROW(QVGifHeaderPlausible(gif.data(), gif.size()), true), ROW(QVGifHeaderPlausible(huge, 10), false),
        ROW(QVGifHeaderPlausible(huge, 8), false),
        ROW(QVGifHeaderPlausible(png, sizeof(png) - 1), false),  // 100000 x 100000
    });
}

// The writer's codes grow to 12 bits and restart when the table fills: a noisy 256-colour picture and
// flat frames come back pixel for pixel through GDI+, frame selection and delays included.
TEST(GifWriter, DecodesPixelForPixelThroughGdiplus) {
    ASSERT_TRUE(CQVGdiplusImage::EnsureGdiplus());
    GifImage image;
    image.cx = 97;
    image.cy = 61;
    for (std::uint32_t i = 0; i < 256; ++i)
        image.palette.push_back((i * 0x9E3779B1u) & 0xFFFFFF);
    GifFrame noise;
    std::uint32_t nSeed = 12345;
    for (int i = 0; i < image.cx * image.cy; ++i) {
        nSeed = nSeed * 1103515245u + 12345u;
        noise.indices.push_back(static_cast<std::uint8_t>(nSeed >> 24));
    }
    noise.nDelay = 7;
    image.frames = {noise, FlatFramesGif(97, 61, kRgb, {}).frames[1]};
    const std::vector<std::uint8_t> bytes = EncodeGif(image);
    const HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    memcpy(::GlobalLock(hGlobal), bytes.data(), bytes.size());
    ::GlobalUnlock(hGlobal);
    IStream* pStream = nullptr;
    ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream));
    {
        Gdiplus::Bitmap bitmap(pStream, FALSE);
        ASSERT_EQ(Gdiplus::Ok, bitmap.GetLastStatus());
        GUID dimension = Gdiplus::FrameDimensionTime;
        EXPECT_EQ(2u, bitmap.GetFrameCount(&dimension));
        int nWrong = 0;
        for (int i = 0; i < image.cx * image.cy; ++i) {
            Gdiplus::Color c;
            bitmap.GetPixel(i % image.cx, i / image.cx, &c);
            nWrong += (c.GetValue() & 0xFFFFFF) != image.palette[noise.indices[size_t(i)]];
        }
        EXPECT_EQ(0, nWrong);
        EXPECT_EQ(Gdiplus::Ok, bitmap.SelectActiveFrame(&dimension, 1));
        Gdiplus::Color c;
        bitmap.GetPixel(50, 30, &c);
        EXPECT_EQ(image.palette[1], c.GetValue() & 0xFFFFFF);
    }
    pStream->Release();
}

// ---- The window ----

class GifCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::SetWindowPos(m_host.m_window.Frame(), NULL, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ASSERT_TRUE(m_gif.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 40), m_host.Parent(), 900));
        riztest::PumpUntilIdle();
    }
    CString Write(LPCTSTR lpszName, const GifImage& image) {
        EXPECT_TRUE(m_folder.WriteFile(lpszName, EncodeGif(image)));
        return m_folder.Path(lpszName);
    }
    void Tick() { m_gif.SendMessage(WM_TIMER, kQVGifTimerId); }
    // What the window shows now, without repainting it.
    COLORREF Shown(int x = 20, int y = 20) const {
        HDC hdc = ::GetDC(m_gif.m_hWnd);
        const COLORREF clr = ::GetPixel(hdc, x, y);
        ::ReleaseDC(m_gif.m_hWnd, hdc);
        return clr;
    }
    // What the window paints into a surface filled with clrUnder.
    COLORREF Printed(int x = 20, int y = 20, COLORREF clrUnder = kBlack) {
        riztest::Surface surface(40, 40, clrUnder);
        m_gif.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT);
        return surface.Pixel(x, y);
    }

    riztest::TempFolder m_folder;
    riztest::CtrlHost m_host{40, 40};
    CQVGifCtrl m_gif;
};

TEST_F(GifCtrlTest, TicksAfterPlayShowFrameZeroTwiceThenEachFrameWithTheSelectedFramesDelay) {
    ASSERT_TRUE(m_gif.LoadGifFile(Write(_T("rgb.gif"), FlatFramesGif(20, 20, kRgb, {0, 1, 50}))));
    ASSERT_EQ(3, m_gif.GetFrameCount());
    EXPECT_EQ((std::vector<UINT>{0, 1, 50}), m_gif.GetFrameDelays());  // PropertyTagFrameDelay
    EXPECT_EQ(0u, m_gif.GetTimerPeriod());
    m_gif.Play();
    EXPECT_EQ(200u, m_gif.GetTimerPeriod());  // frame 0's delay for the -1 step
    const struct {
        COLORREF clrShown;
        UINT nPeriod;
        int nNext;
    } ticks[] = {{kRed, 200, 1},  {kRed, 10, 2}, {kGreen, 500, 0},
                 {kBlue, 200, 1}, {kRed, 10, 2}, {kGreen, 500, 0}};
    for (size_t i = 0; i < _countof(ticks); ++i) {
        SCOPED_TRACE(testing::Message() << "tick " << i + 1);
        Tick();
        EXPECT_EQ(ticks[i].clrShown, Shown());
        EXPECT_EQ(ticks[i].nPeriod, m_gif.GetTimerPeriod());
        EXPECT_EQ(ticks[i].nNext, m_gif.GetCurrentFrame());
    }
    EXPECT_TRUE(::KillTimer(m_gif.m_hWnd, kQVGifTimerId));  // the timer runs under its identifier
    m_gif.Stop();
    EXPECT_FALSE(m_gif.IsPlaying());
    EXPECT_FALSE(::KillTimer(m_gif.m_hWnd, kQVGifTimerId));
}

TEST_F(GifCtrlTest, TransparentFramesNeverShowTheFrameBefore) {
    // The 20 x 20 picture is centred: its pixel (x, y) is shown at (10 + x, 10 + y).
    ASSERT_TRUE(m_gif.LoadGifFile(Write(_T("key.gif"), TransparentGif())));
    m_gif.Play();
    const struct {
        COLORREF clrLeft, clrRight;
    } ticks[] = {{kWhite, kRed}, {kWhite, kRed}, {kGreen, kGreen}, {kGreen, kBlue}, {kWhite, kRed}};
    for (size_t i = 0; i < _countof(ticks); ++i) {
        SCOPED_TRACE(testing::Message() << "tick " << i + 1);
        Tick();
        EXPECT_EQ(ticks[i].clrLeft, Shown(13, 20));
        EXPECT_EQ(ticks[i].clrRight, Shown(25, 20));
        EXPECT_EQ(kWhite, Shown(5, 5));
    }
    // Frame 1 is selected; two ticks on frame 0 is, composed on white whatever the target held.
    Tick();
    Tick();
    EXPECT_EQ(kWhite, Printed(13, 20, kBlack));
    EXPECT_EQ(kRed, Printed(25, 20, kBlack));
}

TEST_F(GifCtrlTest, LargeImagesAreFittedAndStillsDoNotPlay) {
    // 80 x 20 into 40 x 40: full width, 10 high, rows 15 to 24.
    ASSERT_TRUE(m_gif.LoadGifFile(Write(_T("wide.gif"), FlatFramesGif(80, 20, {0x0000FF}, {0}))));
    EXPECT_FALSE(m_gif.CanPlay());
    m_gif.Play();
    EXPECT_FALSE(m_gif.IsPlaying());
    EXPECT_EQ(kBlue, Printed(0, 15));
    EXPECT_EQ(kBlue, Printed(39, 24));
    EXPECT_EQ(kWhite, Printed(20, 14));
    EXPECT_EQ(kWhite, Printed(20, 25));
}

TEST_F(GifCtrlTest, BadFilesLoadNothingDrawNothingAndDoNotPlay) {
    ASSERT_TRUE(m_gif.LoadGifFile(Write(_T("rgb.gif"), FlatFramesGif(20, 20, kRgb, {1, 1, 1}))));
    m_gif.Play();
    for (LPCTSTR lpszName :
         {_T("truncated-anim.gif"), _T("header-only.gif"), _T("garbage.gif"), _T("huge.gif"), _T("empty.bmp"),
          _T("text.png"), _T("truncated.png"), _T("missing.gif")}) {
        SCOPED_TRACE(CStringA(lpszName).GetString());
        EXPECT_FALSE(m_gif.LoadGifFile(riztest::TestDataPath(CString(_T("images\\")) + lpszName)));
        EXPECT_FALSE(m_gif.IsLoaded());
        EXPECT_FALSE(m_gif.CanPlay());
        EXPECT_FALSE(m_gif.IsPlaying());
        m_gif.Play();
        Tick();
        EXPECT_FALSE(m_gif.IsPlaying());
        EXPECT_EQ(kWhite, Printed());
    }
    EXPECT_FALSE(m_gif.LoadGifFile(NULL));
    EXPECT_FALSE(m_gif.LoadGifFile(_T("")));
}

TEST_F(GifCtrlTest, FramesWithoutDelaysPlayAtTheFloorPeriod) {
    GifImage image = FlatFramesGif(20, 20, kRgb, {});
    for (GifFrame& frame : image.frames)
        frame.bControl = false;
    ASSERT_TRUE(m_gif.LoadGifFile(Write(_T("nodelay.gif"), image)));
    m_gif.Play();
    for (int i = 0; i < 4; ++i)
        Tick();
    EXPECT_EQ(kBlue, Shown());
    EXPECT_EQ(200u, m_gif.GetTimerPeriod());
}

TEST_F(GifCtrlTest, AnEmptyClientDrawsNothingAndDestructionStopsTheTimer) {
    ASSERT_TRUE(m_gif.LoadGifFile(Write(_T("rgb.gif"), FlatFramesGif(20, 20, kRgb, {1, 1, 1}))));
    m_gif.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
    m_gif.Play();
    Tick();
    EXPECT_EQ(kBlack, Printed(0, 0));
    const HWND hWnd = m_gif.m_hWnd;
    m_gif.DestroyWindow();
    EXPECT_FALSE(m_gif.IsPlaying());
    EXPECT_FALSE(m_gif.IsLoaded());
    EXPECT_FALSE(::IsWindow(hWnd));
    riztest::PumpUntilIdle();
}

TEST_F(GifCtrlTest, ALoadedImageIsALiveGdiplusImageUntilItIsDropped) {
    // The count a client checks for leaks sees the control's image: one while loaded, whatever is
    // loaded over it, none after a failed load or the window's end.
    const int nBefore = CQVGdiplusImage::GetLiveImageCount();
    const auto live = [&] { return CQVGdiplusImage::GetLiveImageCount() - nBefore; };
    ASSERT_TRUE(m_gif.LoadGifFile(Write(_T("rgb.gif"), FlatFramesGif(20, 20, kRgb, {1, 1, 1}))));
    const int nFirst = live();
    m_gif.LoadGifFile(Write(_T("key.gif"), TransparentGif()));
    const int nAgain = live();
    m_gif.LoadGifFile(riztest::TestDataPath(_T("images\\truncated-anim.gif")));
    const int nBad = live();
    m_gif.LoadGifFile(Write(_T("key.gif"), TransparentGif()));
    m_gif.DestroyWindow();
    EXPECT_EQ((std::vector<int>{1, 1, 0, 0}), (std::vector<int>{nFirst, nAgain, nBad, live()}));
}

TEST_F(GifCtrlTest, PlaysInRealTime) {
    ASSERT_TRUE(m_gif.LoadGifFile(Write(_T("fast.gif"), FlatFramesGif(20, 20, kRgb, {1, 1, 1}))));
    m_gif.Play();
    bool bSeen[3] = {};
    for (int i = 0; i < 200 && !(bSeen[0] && bSeen[1] && bSeen[2]); ++i) {
        riztest::PumpMessages(20, true);
        const COLORREF clr = Shown();
        bSeen[0] = bSeen[0] || clr == kRed;
        bSeen[1] = bSeen[1] || clr == kGreen;
        bSeen[2] = bSeen[2] || clr == kBlue;
    }
    EXPECT_TRUE(bSeen[0] && bSeen[1] && bSeen[2]);
}

TEST(QVGifCtrl, PlayingControlsCreatedAndDestroyedSoak) {
    riztest::TempFolder folder;
    ASSERT_TRUE(folder.WriteFile(_T("key.gif"), EncodeGif(TransparentGif())));
    riztest::CtrlHost host(40, 40);
    const int nImages = CQVGdiplusImage::GetLiveImageCount();
    riztest::ExpectCyclesLeakNothing([&](int nCycle) {
        CQVGifCtrl gif;
        ASSERT_TRUE(gif.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 30 + nCycle % 20, 40), host.Parent(), 901));
        ASSERT_TRUE(gif.LoadGifFile(folder.Path(_T("key.gif"))));
        gif.Play();
        for (int i = 0; i < 3; ++i)
            gif.SendMessage(WM_TIMER, kQVGifTimerId);
        if (nCycle % 2) gif.DestroyWindow();  // otherwise the object's destructor does
    });
    EXPECT_EQ(nImages, CQVGdiplusImage::GetLiveImageCount());
}
