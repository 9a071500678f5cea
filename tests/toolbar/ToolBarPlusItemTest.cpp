// The item toolbar's items without a toolbar: frame choice, fade and sparkle ticks, hit tests, pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "PixelProbe.h"
#include "TestData.h"
#include "TestWindow.h"
#include "RIZuruzezu.h"

namespace {

DWORD g_dwNow = 1000;
DWORD FakeNow() {
    return g_dwNow;
}

// The fake tick source for one test, restored after.
struct FakeClock {
    FakeClock() {
        g_dwNow = 1000;
        CQVToolBarPlusItem::SetClock(&FakeNow);
    }
    ~FakeClock() { CQVToolBarPlusItem::SetClock(nullptr); }
};

// Steps the fade once per 30 ms tick until it ends; the number of ticks.
int TicksUntilFadeEnds(CQVToolBarPlusItem& item) {
    int nTicks = 0;
    while (item.IsFading() && nTicks < 100) {
        g_dwNow += 30;
        item.StepFade();
        ++nTicks;
    }
    return nTicks;
}

const COLORREF kFrames[6] = {RGB(250, 0, 0),  RGB(0, 200, 0),   RGB(0, 0, 200),
                             RGB(90, 90, 90), RGB(200, 200, 0), RGB(0, 200, 200)};

// A strip of solid frames of 12 x 22 pixels as a smart image, drawn as the toolbar draws its frames.
struct FrameStrip {
    FrameStrip(int nFrames, LPCTSTR lpszName) {
        folder.WriteFile(lpszName, riztest::Bmp24(12 * nFrames, 22,
                                                  riztest::SolidFrames(12, {kFrames, kFrames + nFrames})));
        image.SetStateCount(nFrames);
        image.Set3CellTileMode(TRUE);
        image.Set3CellHeadWidth(4);
        image.Set3CellTailWidth(4);
        EXPECT_TRUE(image.SetImage(folder.Path(lpszName)));
    }
    riztest::TempFolder folder;
    CQVSmartImage image;
};

}  // namespace

TEST(ToolBarPlusFrame, ChoiceFollowsEnableSparkleFadeCheckAndState) {
    struct Case {
        const char* what;
        ToolBarPlusFrameInput in;
        int frame, drop;
        float opacity;
        int icon;
    };
    const Case cases[] = {
        {"normal draws nothing", {TRUE, 0, FALSE, FALSE, FALSE, 0.3f}, 0, 0, 1.0f, 0},
        {"hot", {TRUE, 1, FALSE, FALSE, FALSE, 0.3f}, 1, 1, 1.0f, 0},
        {"pressed", {TRUE, 2, FALSE, FALSE, FALSE, 0.3f}, 2, 2, 1.0f, 0},
        {"disabled beats all", {FALSE, 1, TRUE, TRUE, TRUE, 0.3f}, 3, 3, 1.0f, 1},
        {"sparkle at alpha", {TRUE, 0, TRUE, TRUE, TRUE, 0.3f}, 4, 4, 0.3f, 0},
        {"fading out at alpha", {TRUE, 0, FALSE, TRUE, FALSE, 0.6f}, 1, 1, 0.6f, 0},
        {"checked", {TRUE, 0, FALSE, FALSE, TRUE, 0.3f}, 2, 2, 1.0f, 0},
        {"hot menu over body", {TRUE, 1, FALSE, FALSE, FALSE, 0.3f, TRUE, TRUE}, 5, 1, 1.0f, 0},
        {"hot menu over drop", {TRUE, 1, FALSE, FALSE, FALSE, 0.3f, TRUE, FALSE}, 1, 5, 1.0f, 0},
        {"menu fading in while hot", {TRUE, 1, FALSE, TRUE, FALSE, 0.5f, TRUE, TRUE}, 5, 1, 0.5f, 0},
        {"menu fading out, not hot", {TRUE, 0, FALSE, TRUE, FALSE, 0.5f, TRUE, TRUE}, 1, 1, 0.5f, 0},
        {"menu pressed", {TRUE, 2, FALSE, FALSE, FALSE, 0.3f, TRUE, FALSE}, 2, 2, 1.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ToolBarPlusFrameChoice got = QVChooseToolBarPlusFrame(c.in);
        EXPECT_EQ(c.frame, got.nFrame);
        EXPECT_EQ(c.drop, got.nDropFrame);
        EXPECT_FLOAT_EQ(c.opacity, got.fOpacity);
        EXPECT_EQ(c.icon, got.nIconFrame);
    }
}

TEST(ToolBarPlusItem, FadesTakeWholeTicksAndAQuickPassStillLights) {
    FakeClock clock;
    struct Case {
        const char* what;
        bool bFullFirst;  // faded fully in before the fade-out
        int nOutAfter;    // ms after the start of the tick run when FadeOut is asked; -1 none
        int nTicks;
        float fPeak;
    };
    const Case cases[] = {
        {"fade in alone", false, -1, 10, 1.0f},
        {"fade out at once: 100 ms more light, then down", false, 0, 4 + 4, 0.4f},
        {"full, then out: 100 ms more at full, then down", true, 200, 4 + 10, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CToolBarPlusButton item;
        item.FadeIn();
        if (c.bFullFirst) {
            EXPECT_EQ(10, TicksUntilFadeEnds(item));
        }
        g_dwNow += c.nOutAfter < 0 ? 0 : c.nOutAfter;
        if (c.nOutAfter >= 0) item.FadeOut();
        float fPeak = item.GetAlpha();
        int nTicks = 0;
        for (; item.IsFading() && nTicks < 100; ++nTicks) {
            g_dwNow += 30;
            EXPECT_TRUE(item.StepFade());
            fPeak = std::max(fPeak, item.GetAlpha());
        }
        EXPECT_EQ(c.nTicks, nTicks);
        EXPECT_FLOAT_EQ(c.fPeak, fPeak);
        EXPECT_FLOAT_EQ(c.nOutAfter < 0 ? 1.0f : 0.0f, item.GetAlpha());
        EXPECT_FALSE(item.StepFade());
    }
}

TEST(ToolBarPlusItem, SparkleCyclesAreFortyTicksAndBlockFades) {
    FakeClock clock;
    CToolBarPlusCheckMenuButton item;
    item.SetSparkle(TRUE, 3);
    item.FadeIn();
    EXPECT_FALSE(item.IsFading());
    std::vector<int> leftAt;
    for (int nTick = 1; item.StepSparkle() && nTick <= 200; ++nTick) {
        if (nTick == 20) {
            EXPECT_FLOAT_EQ(1.0f, item.GetAlpha());
        }
        if (nTick % 40 == 0) leftAt.push_back(item.GetSparkleLeft());
    }
    EXPECT_EQ((std::vector<int>{2, 1, 0}), leftAt);
    EXPECT_TRUE(item.IsSparkle());
    item.FadeIn();  // no cycles left: fades again
    EXPECT_TRUE(item.IsFading());

    CToolBarPlusCheckButton check;
    CToolBarPlusButton push;
    EXPECT_TRUE(check.SetChecked(TRUE));
    EXPECT_FALSE(check.SetChecked(TRUE));
    EXPECT_FALSE(push.SetChecked(TRUE));
    EXPECT_FALSE(push.IsChecked());
    check.FadeOut();
    EXPECT_FALSE(check.IsFading());
}

TEST(ToolBarPlusItem, HitTestMakesHotAndWritesTheFlagOnlyWhereItChanges) {
    FrameStrip drop(6, _T("drop.bmp"));  // a drop part 12 pixels wide
    CToolBarPlusButton push;
    CToolBarPlusMenuButton menu;
    CToolBarPlusSplitter splitter;
    for (CQVToolBarPlusItem* p :
         {static_cast<CQVToolBarPlusItem*>(&push), static_cast<CQVToolBarPlusItem*>(&menu),
          static_cast<CQVToolBarPlusItem*>(&splitter)}) {
        p->SetSize(CSize(50, 22), CSize(30, 22));
        p->SetDropImage(&drop.image);
        p->Layout(10, 10, 18, 18, FALSE, nullptr);
    }
    struct Case {
        const char* what;
        CQVToolBarPlusItem* item;
        CPoint pt;
        BOOL result, flag, overCommand;
        int state;
    };
    const Case cases[] = {
        {"push inside", &push, {20, 20}, TRUE, 7, TRUE, 1},
        {"push outside", &push, {5, 20}, FALSE, 0, TRUE, 1},
        {"menu body, already over it", &menu, {20, 20}, TRUE, 7, TRUE, 1},
        {"menu enters the drop part", &menu, {55, 20}, TRUE, 1, FALSE, 1},
        {"menu stays on the drop part", &menu, {50, 20}, TRUE, 7, FALSE, 1},
        {"menu back to the body", &menu, {47, 20}, TRUE, 1, TRUE, 1},
        {"menu below", &menu, {20, 32}, FALSE, 0, TRUE, 1},
        {"splitter inside", &splitter, {20, 20}, TRUE, 7, TRUE, 0},
        {"splitter outside", &splitter, {60, 20}, FALSE, 0, TRUE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BOOL bFlag = 7;
        EXPECT_EQ(c.result, c.item->HitTest(c.pt, bFlag));
        EXPECT_EQ(c.flag, bFlag);
        EXPECT_EQ(c.overCommand, c.item->IsOverCommand());
        EXPECT_EQ(c.state, c.item->GetState());
    }
}

TEST(ToolBarPlusItem, DrawsTheChosenFramesOnAMemoryDC) {
    FrameStrip frame(5, _T("frame.bmp")), body(6, _T("body.bmp")), drop(6, _T("drop.bmp"));
    const COLORREF kBack = RGB(255, 255, 255);
    auto drawn = [&](CQVToolBarPlusItem& item, const std::function<void()>& setup) {
        auto surface = std::make_unique<riztest::Surface>(80, 40, kBack);
        item.SetSize(CSize(50, 22), CSize(30, 22));
        item.SetFrameImage(&frame.image);
        item.SetBodyImage(&body.image);
        item.SetDropImage(&drop.image);
        item.Layout(10, 10, 18, 18, FALSE, nullptr);
        setup();
        item.Layout(10, 10, 18, 18, FALSE, nullptr);
        item.Draw(CDC::FromHandle(surface->Dc()), FALSE);
        return surface;
    };
    CToolBarPlusButton push;
    EXPECT_EQ("", drawn(push, [] {})->WrongPixels({{30, 20, kBack}}));
    EXPECT_EQ("",
              drawn(push, [&] { push.SetState(1); })->WrongPixels({{30, 20, kFrames[1]}, {5, 20, kBack}}));
    EXPECT_EQ("", drawn(push, [&] { push.Enable(FALSE); })->WrongPixels({{30, 20, kFrames[3]}}));
    EXPECT_EQ("", drawn(push, [&] { push.SetVisible(FALSE); })->WrongPixels({{30, 20, kBack}}));
    CToolBarPlusMenuButton menu;
    BOOL bFlag = FALSE;
    EXPECT_EQ("", drawn(menu, [&] {
                      menu.HitTest(CPoint(55, 20), bFlag);
                  })->WrongPixels({{30, 20, kFrames[1]}, {55, 20, kFrames[5]}}));
    CToolBarPlusSplitter splitter;
    EXPECT_EQ("", drawn(splitter, [&] {
                      splitter.SetSize(CSize(6, 22), CSize());
                  })->WrongPixels({{13, 20, RGB(192, 192, 255)}, {12, 20, kBack}, {13, 11, kBack}}));
}

TEST(ToolBarPlusItem, LayoutPlacesTheIconAndAutoWidthMeasuresTheCaption) {
    riztest::TempFolder folder;
    folder.WriteFile(_T("icon.bmp"),
                     riztest::Bmp24(48, 24, riztest::SolidFrames(24, {RGB(1, 2, 3), RGB(4, 5, 6)})));
    CToolBarPlusButton item;
    item.SetSize(CSize(20, 30), CSize(20, 30));
    ASSERT_TRUE(item.SetIcon(folder.Path(_T("icon.bmp")), 2, IconAlignRight, 1, 0, 0));
    item.Layout(100, 0, 18, 18, FALSE, nullptr);
    EXPECT_EQ(CSize(26, 30), item.GetSize(FALSE));  // widened to the icon and a pixel each side
    EXPECT_EQ(CSize(26, 30), item.GetSize(TRUE));
    EXPECT_EQ(CRect(100, 0, 126, 30), item.GetRect());

    riztest::Surface surface(10, 10);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    CToolBarPlusButton text;
    text.SetTextFont(hFont);
    text.SetText(_T("A long caption for the toolbar"), 0, 0);
    text.SetAutoWidth(TRUE, 60);
    text.CalcSize(18, pDC);
    EXPECT_EQ(60, text.GetSize(FALSE).cx);
    text.SetAutoWidth(TRUE, 0);
    text.CalcSize(18, pDC);
    CRect rc(0, 0, 0, 30);
    ::SelectObject(surface.Dc(), hFont);
    ::DrawText(surface.Dc(), _T("A long caption for the toolbar"), -1, &rc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rc.Width() + 24, text.GetSize(FALSE).cx);
}

TEST(ToolBarPlusItem, ClickSendsTheCommandToTheNotifyWindow) {
    riztest::TestWindow window;
    CToolBarPlusCheckMenuButton item;
    CToolBarPlusSplitter splitter;
    item.SetID(0x1234);
    item.OnClick(CWnd::FromHandle(window.Host()));
    splitter.OnClick(CWnd::FromHandle(window.Host()));
    EXPECT_EQ(1, window.CountReceived(WM_COMMAND));
    EXPECT_EQ(0x1234u, window.LastWParam(WM_COMMAND));
    EXPECT_EQ(0, window.LastLParam(WM_COMMAND));
}

TEST(ToolBarPlusItem, SimpleModeDrawsNoCaption) {
    for (BOOL bSimple : {FALSE, TRUE}) {
        SCOPED_TRACE(bSimple ? "simple" : "normal");
        riztest::Surface surface(80, 40);
        CToolBarPlusButton item;
        item.SetSize(CSize(70, 22), CSize(70, 22));
        item.SetTextFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        item.SetTextColor(RGB(0, 0, 160));
        item.SetText(_T("WWWW"), 0, 0);
        item.Layout(0, 10, 18, 18, bSimple, nullptr);
        item.Draw(CDC::FromHandle(surface.Dc()), bSimple);
        EXPECT_EQ(!bSimple, surface.HasOtherThan({2, 10, 70, 32}, RGB(255, 255, 255)));
    }
}
