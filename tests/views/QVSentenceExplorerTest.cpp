// CQVSentenceExplorer through its window: font, bullet, blanks and the hot sentence in pixels, clicks,
// cursor, scrolling, owners that destroy inside the click, bad input, many entries, the soak.
#include <gtest/gtest.h>

#include <functional>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVSelectScope.h"
#include "QVSentenceExplorer.h"
#include "ResourceCounter.h"
#include "Watchdog.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kGrey = RGB(192, 192, 192);

class COwner : public CWnd {
public:
    std::function<void()> onClick;
    int nClicks = 0;
    WPARAM lastItem = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_QV_SENTENCECLICK) return CWnd::WindowProc(message, wParam, lParam);
        ++nClicks;
        lastItem = wParam;
        if (onClick) onClick();
        return 0;
    }
};

// The explorer as it drew before joining tokens into runs: one DrawText or blank line per token.
class CPerTokenExplorer : public CQVSentenceExplorer {
public:
    void DrawSentence(CDC* pDC, tagQVSEItem* pItem, int nMask, int bHot) override {
        const int y = -GetScrollPosition();
        const struct {
            const CString& strText;
            CRect rc;
            CFont& font;
            COLORREF clr;
            QVSentenceTokens tokens;
        } blocks[3] = {
            {pItem->strFirst, pItem->rcFirst + CPoint(0, y), m_fontFirst, bHot ? m_clrFirstHot : m_clrFirst,
             QVSE_WORDS},
            {pItem->strSecond, pItem->rcSecond + CPoint(0, y), m_fontSecond, m_clrSecond, QVSE_CHARS},
            {pItem->strThird, pItem->rcThird + CPoint(0, y), m_fontThird, m_clrThird, QVSE_WORDS},
        };
        CQVSelectScope scope(pDC, m_penBlank.GetSafeHandle());
        pDC->SetBkMode(TRANSPARENT);
        for (int nBlock = 0; nBlock < 3; ++nBlock) {
            if (!(nMask & (1 << nBlock))) continue;
            const auto& b = blocks[nBlock];
            pDC->FillSolidRect(b.rc, RGB(255, 255, 255));
            scope.Select(b.font.GetSafeHandle());
            pDC->SetTextColor(b.clr);
            LPCTSTR psz = b.strText.GetString();
            auto measure = [this](int n, LPCTSTR p, int nLen) { return MeasureToken(n, p, nLen); };
            QVSentenceFlow(
                b.strText, b.tokens, nBlock, b.rc.left, b.rc.right, b.rc.top, measure,
                [&](const QVSentenceToken& token) {
                    CRect rc = token.rect;
                    if (nBlock != 1 && m_bHideKeyword &&
                        QVSentenceIsKeyword(psz + token.nPos, token.nLen, m_strKeyword)) {
                        pDC->MoveTo(rc.left, rc.top + 15);
                        pDC->LineTo(rc.right, rc.top + 15);
                    } else {
                        pDC->DrawText(psz + token.nPos, token.nLen, &rc,
                                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
                    }
                },
                nullptr);
        }
    }
};

class SentenceExplorer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), _T("owner"),
                                     WS_POPUP | WS_VISIBLE, CRect(0, 0, 420, 260), NULL, 0));
        ASSERT_EQ(1, m_se.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 210), &m_owner, 7));
    }
    void TearDown() override {
        if (m_se.GetSafeHwnd()) m_se.DestroyWindow();
        m_owner.DestroyWindow();
        riztest::PumpUntilIdle();
    }
    void Fill(int nCount) {
        for (int i = 0; i < nCount; ++i)
            m_se.AddSentence(_T("Is this your book?"), CString(L"\x8fd9\x662f\x4f60\x7684\x4e66\x5417\xff1f"),
                             _T("Unit 3, Lesson 2"), static_cast<DWORD>(i));
        m_se.InitializeData();
    }
    // A point on the first line of an entry's sentence, in client coordinates.
    CPoint OnSentence(int nIndex) {
        const CRect rc = m_se.GetSentence(nIndex)->rcFirst;
        return CPoint(rc.left + 5, rc.top + 9 - m_se.GetScrollPosition());
    }
    void Post(UINT message, CPoint pt) {
        CPoint ptScreen = pt;
        m_se.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        riztest::PostMouse(m_se.m_hWnd, message, pt.x, pt.y);
    }
    int DifferFromFreshPaint() {
        m_se.UpdateWindow();
        riztest::WindowCapture shown(m_se.m_hWnd, riztest::WindowCapture::Current);
        riztest::WindowCapture fresh(m_se.m_hWnd, riztest::WindowCapture::Print);
        return shown.CountDiffering(fresh, CRect(0, 0, shown.Width(), shown.Height()));
    }

    COwner m_owner;
    CQVSentenceExplorer m_se;
};

}  // namespace

TEST_F(SentenceExplorer, FixedPitchSentencesBlanksTheModulesBulletAndAHotBlock) {
    m_se.AddSentence(_T("iiiiiiii"), _T(""), _T(""), 0);
    m_se.AddSentence(_T("WWWWWWWW"), _T(""), _T(""), 0);
    m_se.AddSentence(_T("your book"), _T(""), _T("your"), 0);
    m_se.InitializeData();
    const std::vector<tagQVSEHitRect>& hits = m_se.GetHitRects();
    ASSERT_EQ(3u, hits.size());
    EXPECT_EQ(hits[0].rect.Width(), hits[1].rect.Width());
    EXPECT_GT(hits[0].rect.Width(), 40);

    // The bullet is this module's orange dot, not the test program's own 4001.
    riztest::WindowCapture blanked(m_se.m_hWnd, riztest::WindowCapture::Print);
    EXPECT_TRUE(riztest::ColorNear(blanked.Pixel(26, 21), RGB(240, 130, 20), 24));
    // "your" of entry 2 and of its third text: a dotted grey line three quarters down, no letters.
    const CRect rcFirst = m_se.GetSentence(2)->rcFirst, rcThird = m_se.GetSentence(2)->rcThird;
    const int cxYour = hits[2].rect.Width() * 4 / 9;
    const CRect rcWord(rcFirst.left, rcFirst.top, rcFirst.left + cxYour, rcFirst.top + 20);
    EXPECT_EQ(0, blanked.CountNear(rcWord, kBlue, 60));
    EXPECT_GT(blanked.CountNear(CRect(rcWord.left, rcWord.top + 15, rcWord.right, rcWord.top + 16), kGrey, 0),
              cxYour / 3);
    EXPECT_EQ(0, blanked.CountNear(CRect(rcThird.left, rcThird.top, rcThird.left + 20, rcThird.top + 15),
                                   kGrey, 60));
    m_se.HideKeyword(FALSE, TRUE);
    riztest::WindowCapture shown(m_se.m_hWnd, riztest::WindowCapture::Print);
    EXPECT_GT(shown.CountNear(rcWord, kBlue, 60), 10);

    // A move over the first sentence draws its block red at once; the leave draws it blue again.
    m_se.UpdateWindow();
    Post(WM_MOUSEMOVE, OnSentence(1));
    riztest::PumpUntilIdle();
    EXPECT_EQ(1, m_se.GetHover());
    riztest::WindowCapture hot(m_se.m_hWnd, riztest::WindowCapture::Current);
    EXPECT_GT(hot.CountNear(hits[1].rect, kRed, 60), 10);
    EXPECT_EQ(0, hot.CountNear(hits[1].rect, kBlue, 60));
    EXPECT_EQ(0, DifferFromFreshPaint());
    m_se.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(0, riztest::WindowCapture(m_se.m_hWnd, riztest::WindowCapture::Current)
                     .CountNear(hits[1].rect, kRed, 60));
}

TEST_F(SentenceExplorer, RunsOfTokensLookAsOneCallPerToken) {
    std::vector<QVSentenceRun> runs;
    const QVSentenceToken kTokens[] = {{0, 2, CRect(50, 0, 70, 20)},  {2, 1, CRect(70, 0, 80, 20)},
                                       {3, 4, CRect(80, 0, 120, 20)}, {7, 1, CRect(120, 0, 130, 20)},
                                       {8, 2, CRect(50, 20, 70, 40)}, {10, 1, CRect(70, 20, 80, 40)}};
    for (int i = 0; i < 6; ++i)
        QVSentenceJoinRun(runs, kTokens[i], i == 2);  // token 2 is a blanked keyword
    ASSERT_EQ(4u, runs.size());
    EXPECT_TRUE(runs[0].nLen == 3 && runs[0].rect == CRect(50, 0, 80, 20) && runs[1].bBlank);
    EXPECT_TRUE(runs[2].nLen == 1 && runs[3].nPos == 8 && runs[3].rect == CRect(50, 20, 80, 40));

    // GBK characters (one with a trail byte below 0x80), surrogate pairs, wraps, blanks and a hot entry.
    CString strWide(L"\x8fd9\x662f\x4e04\x4f60\x7684\x4e66\x5417\xff1f");
#ifdef _UNICODE
    strWide += L"\xD83D\xDE00\xD840\xDC00";
#endif
    CPerTokenExplorer perToken;
    ASSERT_EQ(1, perToken.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 210), &m_owner, 8));
    for (CQVSentenceExplorer* pSe :
         {static_cast<CQVSentenceExplorer*>(&m_se), static_cast<CQVSentenceExplorer*>(&perToken)}) {
        pSe->AddSentence(_T("Is this your book? Yes, it is your English book, isn't it?"), strWide + strWide,
                         _T("Unit 3, Lesson 2: your") + strWide, 0);
        pSe->AddSentence(strWide + _T(" your ") + strWide, _T("a b"), _T("yours (your)"), 1);
        pSe->InitializeData();
        pSe->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(60, 15));
    }
    for (int bHide : {1, 0}) {
        m_se.HideKeyword(bHide, TRUE);
        perToken.HideKeyword(bHide, TRUE);
        riztest::WindowCapture joined(m_se.m_hWnd, riztest::WindowCapture::Print);
        riztest::WindowCapture separate(perToken.m_hWnd, riztest::WindowCapture::Print);
        EXPECT_GT(joined.CountNear(CRect(0, 0, 300, 200), kRed, 60), 20);
        // A glyph's anti-aliased fringe past its token, which the per-token rect clipped, may add a
        // near-white pixel; nothing else may differ.
        int nDiffering = 0;
        for (int y = 0; y < joined.Height(); ++y)
            for (int x = 0; x < joined.Width(); ++x)
                nDiffering += !riztest::ColorNear(joined.Pixel(x, y), separate.Pixel(x, y), 8);
        EXPECT_EQ(0, nDiffering);
    }
}

TEST_F(SentenceExplorer, ClickNeedsPressAndReleaseOnOneSentenceAndTheHandShowsOverIt) {
    Fill(3);
    const struct {
        int nPress, nRelease;  // entries, -1 for the margin left of them
        int nClicks;
    } kClicks[] = {{0, 0, 1}, {2, 2, 1}, {0, 1, 0}, {-1, 1, 0}, {1, -1, 0}};
    for (const auto& click : kClicks) {
        SCOPED_TRACE(click.nPress * 10 + click.nRelease);
        m_owner.nClicks = 0;
        Post(WM_MOUSEMOVE, click.nPress >= 0 ? OnSentence(click.nPress) : CPoint(5, 15));
        Post(WM_LBUTTONDOWN, click.nPress >= 0 ? OnSentence(click.nPress) : CPoint(5, 15));
        Post(WM_LBUTTONUP, click.nRelease >= 0 ? OnSentence(click.nRelease) : CPoint(5, 15));
        riztest::PumpUntilIdle();
        EXPECT_EQ(click.nClicks, m_owner.nClicks);
        EXPECT_TRUE(!click.nClicks ||
                    m_owner.lastItem == reinterpret_cast<WPARAM>(m_se.GetSentence(click.nPress)));
    }
    EXPECT_EQ(m_se.m_hWnd, ::GetFocus());
    const HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    for (const CPoint& pt : {OnSentence(1), CPoint(5, 15)}) {
        Post(WM_MOUSEMOVE, pt);
        riztest::PumpUntilIdle();
        ::SetCursor(NULL);
        m_se.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_se.m_hWnd),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(pt.x == 5, ::GetCursor() == hArrow);
    }
}

TEST_F(SentenceExplorer, ScrollCodesAndTheWheelMoveTheContent) {
    Fill(10);  // 10 + 10 x 60 + 10 = 620 pixels in 200, laid out again to the width the bar left
    CRect rcClient;
    m_se.GetClientRect(&rcClient);
    EXPECT_EQ(CSize(rcClient.Width(), 620), m_se.GetVirtualSize());
    EXPECT_LT(rcClient.Width(), 300);
    const WORD kWheelDown = static_cast<WORD>(-240);
    const struct {
        UINT message;
        WPARAM wParam;
        int nPos;
    } kSteps[] = {
        // clang-format off
        {WM_VSCROLL, SB_LINEDOWN, 20}, {WM_VSCROLL, SB_PAGEDOWN, 220}, {WM_VSCROLL, SB_BOTTOM, 421},
        {WM_VSCROLL, SB_LINEDOWN, 421}, {WM_VSCROLL, SB_LINEUP, 401}, {WM_VSCROLL, SB_PAGEUP, 201},
        {WM_VSCROLL, SB_THUMBTRACK, 201}, {WM_VSCROLL, SB_ENDSCROLL, 201}, {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 81},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, kWheelDown), 321}, {WM_VSCROLL, SB_TOP, 0}, {WM_VSCROLL, SB_PAGEUP, 0},
        {WM_QV_LANCHANGED, 0, 0},  // fonts made again, laid out again in place
        // clang-format on
    };
    for (const auto& step : kSteps) {
        SCOPED_TRACE(step.nPos);
        m_se.SendMessage(step.message, step.wParam, 0);
        EXPECT_EQ(step.nPos, m_se.GetScrollPosition());
        EXPECT_EQ(0, DifferFromFreshPaint());
    }
    EXPECT_EQ(620, m_se.GetVirtualSize().cy);
}

TEST_F(SentenceExplorer, OwnerMayClearOrDestroyInsideTheClick) {
    const std::function<void()> kReactions[] = {[&] { m_se.DelSentence(1); }, [&] { m_se.ClearSentences(); },
                                                [&] { m_se.DestroyWindow(); }};
    for (const auto& react : kReactions) {
        Fill(3);
        m_owner.nClicks = 0;
        m_owner.onClick = react;
        Post(WM_LBUTTONDOWN, OnSentence(1));
        Post(WM_LBUTTONUP, OnSentence(1));
        riztest::PumpUntilIdle();
        m_owner.onClick = nullptr;
        EXPECT_EQ(1, m_owner.nClicks);
    }
    EXPECT_EQ(NULL, m_se.GetSafeHwnd());
    EXPECT_EQ(0, m_se.GetSentenceCount());
}

TEST_F(SentenceExplorer, BadInputLeavesTheEntriesAsTheyWere) {
    // Added but never laid out: shown as nothing, hovered as nothing.
    m_se.AddSentence(_T("Is this your book?"), _T(""), _T(""), 0);
    Post(WM_MOUSEMOVE, CPoint(60, 15));
    riztest::PumpUntilIdle();
    EXPECT_EQ(-1, m_se.GetHover());
    riztest::WindowCapture blank(m_se.m_hWnd, riztest::WindowCapture::Print);
    EXPECT_FALSE(blank.HasOtherThan(CRect(0, 0, 300, 200), RGB(255, 255, 255), 0));
    m_se.InitializeData();
    for (int nBad : {-1, 1, INT_MAX, INT_MIN})
        EXPECT_EQ(0, m_se.DelSentence(nBad));
    EXPECT_EQ(1, m_se.GetSentenceCount());
    // Deleting the hovered entry forgets the hover, and neither the scroll bar nor the screen follow.
    Fill(19);
    m_se.SendMessage(WM_VSCROLL, SB_BOTTOM);
    const int nPos = m_se.GetScrollPosition();
    Post(WM_MOUSEMOVE, OnSentence(19));
    riztest::PumpUntilIdle();
    EXPECT_EQ(19, m_se.GetHover());
    EXPECT_EQ(1, m_se.DelSentence(19));
    EXPECT_EQ(-1, m_se.GetHover());
    EXPECT_EQ(nPos, m_se.GetScrollPosition());
    EXPECT_EQ(10 + 19 * 60 + 10, m_se.GetVirtualSize().cy);
    // 100,000 entries: the last line is found and painted like the first.
    riztest::AllowTestSeconds(120);
    Fill(100000 - 19);
    m_se.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(10 + 100000 * 60 + 10 - 200 + 1, m_se.GetScrollPosition());
    Post(WM_MOUSEMOVE, OnSentence(99999));
    riztest::PumpUntilIdle();
    EXPECT_EQ(99999, m_se.GetHover());
    EXPECT_EQ(0, DifferFromFreshPaint());
}

TEST_F(SentenceExplorer, CreateFillPaintAndDestroyLeakNothingSoak) {
    riztest::ExpectCyclesLeakNothing([&](int k) {
        CQVSentenceExplorer se;
        se.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_owner, 8);
        se.AddSentence(_T("Is this your book?"), _T("x"), _T("Unit 3"), static_cast<DWORD>(k));
        se.InitializeData();
        se.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(60, 15));
        se.UpdateWindow();
        se.DestroyWindow();
    });
}
