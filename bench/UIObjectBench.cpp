// Windowless-object figures on the goods grid (one screenful of 500 x 306 visible): a host repaint at
// 100 and at 100,000 objects and one scroll tick at 30 and at 3,000 goods, against one BitBlt of the
// client area; and mouse routing at 100 and at 100,000 children (a linear walk), against a plain
// SendMessage.
#include <RIZuruzezu.h>

#include <cstdio>
#include <memory>

#include "Bench.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 306;

// The player with its scrolling state in reach, so that a tick can be started again when a scroll ends.
class CBenchPlayer : public CQVImageAdPlayer {
public:
    BOOL CreatePlayer() {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("bench"), WS_POPUP, 0, 0,
                        kWidth, kHeight, NULL, NULL);
    }
    BOOL IsScrolling() const { return m_bScrolling; }
    void Fill(int nGoods) {
        Goods goods;
        goods.strName = _T("Course book");
        goods.strPrice = _T("25.00");
        goods.strUrl = _T("http://shop.example/");
        for (int i = 0; i < nGoods; ++i)
            AddGoods(goods);
    }
};

std::unique_ptr<CBenchPlayer> MakePlayer(int nGoods) {
    std::unique_ptr<CBenchPlayer> player(new CBenchPlayer);
    if (!player->CreatePlayer()) return nullptr;
    player->SetWindowPos(NULL, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    player->Fill(nGoods);
    player->UpdateWindow();
    rizbench::PumpPending();
    return player;
}

void Repaint(CWnd& wnd, int n) {
    for (int i = 0; i < n; ++i) {
        wnd.Invalidate(FALSE);
        wnd.UpdateWindow();
    }
}

void UIObjectSuite() {
    std::unique_ptr<CBenchPlayer> small = MakePlayer(100);
    if (!small) return;
    CClientDC screen(small.get());
    CDC memDC;
    memDC.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, kWidth, kHeight);
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    auto blit = [&](int n) {
        for (int i = 0; i < n; ++i)
            screen.BitBlt(0, 0, kWidth, kHeight, &memDC, 0, 0, SRCCOPY);
    };

    rizbench::Suite paint("windowless host repaint, one 500 x 306 screenful", "one BitBlt of the client",
                          blit, 50);
    paint.Add("goods grid with 100 objects (Invalidate + UpdateWindow)", [&](int n) { Repaint(*small, n); });
    std::unique_ptr<CBenchPlayer> large = MakePlayer(50000);  // 100,000 objects: tiles and prices
    if (large)
        paint.Add("goods grid with 100,000 objects (Invalidate + UpdateWindow)",
                  [&](int n) { Repaint(*large, n); });

    auto send = [&](int n) {
        for (int i = 0; i < n; ++i)
            small->SendMessage(WM_NULL);
    };
    rizbench::Suite route("mouse routing through the root (linear walk)", "SendMessage(WM_NULL)", send, 200);
    auto moves = [](CWnd* pWnd) {
        return [pWnd](int n) {
            for (int i = 0; i < n; ++i)
                pWnd->SendMessage(WM_MOUSEMOVE, 0, (i & 1) ? MAKELPARAM(10, 10) : MAKELPARAM(130, 10));
        };
    };
    route.Add("WM_MOUSEMOVE between two tiles, 100 children", moves(small.get()));
    if (large) route.Add("WM_MOUSEMOVE between two tiles, 100,000 children", moves(large.get()));

    std::unique_ptr<CBenchPlayer> few = MakePlayer(30);
    std::unique_ptr<CBenchPlayer> many = MakePlayer(3000);
    auto tick = [](CBenchPlayer* pPlayer) {
        return [pPlayer](int n) {
            for (int i = 0; i < n; ++i) {
                if (!pPlayer->IsScrolling()) pPlayer->SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);
                pPlayer->SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
                pPlayer->UpdateWindow();
            }
        };
    };
    rizbench::Suite scroll("one scroll tick with its repaint", "one BitBlt of the client", blit, 50);
    if (few) scroll.Add("30 goods", tick(few.get()));
    if (many) scroll.Add("3,000 goods", tick(many.get()));
    if (many) {
        const rizbench::Timing timing = rizbench::Measure(tick(many.get()), 50);
        std::printf("one scroll tick at 3,000 goods: %.3f ms (%.1f%% of the 20 ms period)\n",
                    timing.medianNs / 1e6, timing.medianNs / 1e6 / 20.0 * 100.0);
    }

    memDC.SelectObject(pOld);
    for (CBenchPlayer* p : {small.get(), large.get(), few.get(), many.get()})
        if (p) p->DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&UIObjectSuite, {"windowless host repaint, one 500 x 306 screenful",
                                                     "mouse routing through the root (linear walk)",
                                                     "one scroll tick with its repaint"});

}  // namespace
