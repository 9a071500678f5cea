// Study shop page: twelve study goods (course books, headsets, pocket dictionaries, word cards) with
// pictures drawn here and their prices, in two ad players side by side -- one scrolling live, one
// stopped mid-scroll by the timer messages the page sends it -- above notification strips with and
// without a close button. The players handle no skin-changed message: the page repaints them, and they
// draw the page's background behind their tiles.
#include "../GalleryPage.h"
#include "UIObjectsArt.h"

#include <RIZuruzezu.h>

#include <memory>
#include <vector>

namespace {

using namespace uigallery;

constexpr int kLeft = 16;

// ---- The study shop ----

struct GoodsEntry {
    LPCTSTR lpszNameKey;
    PictureKind nKind;
    COLORREF clr;
    LPCTSTR lpszMark;
    LPCTSTR lpszPrice;
};

const GoodsEntry kGoods[] = {
    {_T("IDS_GALLERY_SHOP_BOOK1"), PIC_BOOK, RGB(40, 100, 190), _T("1"), _T("36.00")},
    {_T("IDS_GALLERY_SHOP_BOOK2"), PIC_BOOK, RGB(40, 140, 90), _T("2"), _T("36.00")},
    {_T("IDS_GALLERY_SHOP_BOOK3"), PIC_BOOK, RGB(190, 60, 50), _T("3"), _T("38.00")},
    {_T("IDS_GALLERY_SHOP_GRAMMAR"), PIC_BOOK, RGB(120, 80, 170), _T("Aa"), _T("24.50")},
    {_T("IDS_GALLERY_SHOP_HEADSET"), PIC_HEADSET, RGB(60, 60, 70), _T(""), _T("128.00")},
    {_T("IDS_GALLERY_SHOP_MICHEADSET"), PIC_HEADSET_MIC, RGB(30, 110, 180), _T(""), _T("199.00")},
    {_T("IDS_GALLERY_SHOP_DICT"), PIC_DICTIONARY, RGB(160, 30, 40), _T("A-Z"), _T("45.00")},
    {_T("IDS_GALLERY_SHOP_MINIDICT"), PIC_DICTIONARY, RGB(20, 60, 120), _T("A-Z"), _T("29.90")},
    {_T("IDS_GALLERY_SHOP_CARDS_ANIMALS"), PIC_CARDS, RGB(230, 130, 30), _T("cat"), _T("15.00")},
    {_T("IDS_GALLERY_SHOP_CARDS_FOOD"), PIC_CARDS, RGB(200, 60, 60), _T("rice"), _T("15.00")},
    {_T("IDS_GALLERY_SHOP_CARDS_NUMBERS"), PIC_CARDS, RGB(40, 110, 200), _T("123"), _T("12.00")},
    {_T("IDS_GALLERY_SHOP_CARDS_TRAVEL"), PIC_CARDS, RGB(50, 150, 80), _T("taxi"), _T("18.00")},
};
constexpr int kGoodsCount = static_cast<int>(sizeof(kGoods) / sizeof(kGoods[0]));

// The player with what the page needs to show it at rest or mid-scroll: the page drives it with the
// timer messages its own timers would bring.
class CShopPlayer : public CQVImageAdPlayer {
public:
    // Ends a scroll that is under way, then starts a full pause: the grid stands on its rows.
    void ComeToRest() {
        for (int i = 0; i < RowPitch && m_bScrolling; ++i)
            SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
        StartScroll();
    }
    // Ends the pause and runs nTicks animation ticks, then stops the animation timer: the grid stays
    // part-way between two rows.
    void StopMidScroll(int nTicks) {
        ComeToRest();
        SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);
        for (int i = 0; i < nTicks && m_bScrolling; ++i)
            SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);
        KillTimer(QVIAP_TIMER_SCROLL);
    }
};

constexpr int kShopTop = 64;
constexpr int kPlayerWidth = 3 * CQVImageAdPlayer::ColumnPitch + 6;  // three tiles a row
constexpr int kPlayerHeight = 2 * CQVImageAdPlayer::RowPitch - 6;    // two rows in view
constexpr int kPlayerGap = 40;
constexpr int kStripWidth = 440;
constexpr int kStripHeight = 24;
constexpr int kStripPitch = 36;
constexpr int kStripCount = 3;
constexpr int kMidScrollTicks = 9;

struct StripEntry {
    LPCTSTR lpszTextKey;
    LPCTSTR lpszCaptionKey;
    LPCTSTR lpszUrl;
    UINT nData;
    BOOL bCloseButton;
    BOOL bCloseOnClick;
};

const StripEntry kStrips[kStripCount] = {
    {_T("IDS_GALLERY_SHOP_STRIP_UPDATE"), _T("IDS_GALLERY_SHOP_WITH_CLOSE"),
     _T("http://study.example/download"), 32, TRUE, FALSE},
    {_T("IDS_GALLERY_SHOP_STRIP_CARDS"), _T("IDS_GALLERY_SHOP_NO_CLOSE"), _T("www.study.example/cards"), 20,
     FALSE, FALSE},
    {_T("IDS_GALLERY_SHOP_STRIP_LESSON"), _T("IDS_GALLERY_SHOP_CLOSE_ON_CLICK"),
     _T("http://study.example/lessons/4"), 4, TRUE, TRUE},
};

class CStudyShopWnd : public CWnd {
public:
    BOOL CreatePage(HWND hParent, const RECT& rc);
    // The live player at rest, its next scroll a full pause away: the screenshot's moment.
    void PrepareShot() { m_players[0].ComeToRest(); }
    // Strips closed while the page was away come back.
    void ShowStrips();

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStripNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOpened(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CRect PlayerRect(int i) const;
    CRect StripRect(int i) const;
    CRect StatusRect() const;

    CPictureFiles m_files;
    CShopPlayer m_players[2];
    CQVUINotifyCtrl m_strips[kStripCount];
    CString m_strOpened;
    CString m_strStripMessage;
};

BEGIN_MESSAGE_MAP(CStudyShopWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_QV_SKINCHANGED, &CStudyShopWnd::OnSkinChanged)
ON_MESSAGE(WM_QV_NOTIFYCTRL, &CStudyShopWnd::OnStripNotify)
ON_MESSAGE(WM_GALLERY_OPENED, &CStudyShopWnd::OnOpened)
END_MESSAGE_MAP()

CRect CStudyShopWnd::PlayerRect(int i) const {
    const int x = kLeft + i * (kPlayerWidth + kPlayerGap);
    return CRect(x, kShopTop + 24, x + kPlayerWidth, kShopTop + 24 + kPlayerHeight);
}

CRect CStudyShopWnd::StripRect(int i) const {
    const int y = PlayerRect(0).bottom + 60 + i * kStripPitch;
    return CRect(kLeft, y, kLeft + kStripWidth, y + kStripHeight);
}

CRect CStudyShopWnd::StatusRect() const {
    const int y = StripRect(kStripCount - 1).bottom + 20;
    return CRect(kLeft, y, kLeft + 2 * kPlayerWidth + kPlayerGap, y + 40);
}

BOOL CStudyShopWnd::CreatePage(HWND hParent, const RECT& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Study shop"),
                  WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                  hParent, NULL))
        return FALSE;
    // The goods' pictures, at the tiles' picture size.
    std::vector<CString> pictures;
    for (int i = 0; i < kGoodsCount; ++i) {
        CString strName;
        strName.Format(_T("goods%d.png"), i + 1);
        pictures.push_back(WritePicture(m_files, strName, CQVImageAdPlayer::PictureSize, kGoods[i].nKind,
                                        kGoods[i].clr, kGoods[i].lpszMark));
    }
    // Each player is sized before its goods go in: the rows break against its client width.
    const CString strClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_HAND));
    for (int p = 0; p < 2; ++p) {
        if (!m_players[p].CreateEx(0, strClass, _T(""), WS_CHILD | WS_VISIBLE, PlayerRect(p), this, 100 + p))
            return FALSE;
        for (int i = 0; i < kGoodsCount; ++i) {
            CQVImageAdPlayer::Goods goods;
            goods.strName = Text(kGoods[i].lpszNameKey);
            goods.strImage = pictures[i];
            goods.strPrice = kGoods[i].lpszPrice;
            goods.strUrl.Format(_T("http://study.example/shop/%d"), i + 1);
            m_players[p].AddGoods(goods);
        }
    }
    m_players[0].StartScroll();
    m_players[1].StopMidScroll(kMidScrollTicks);

    const CString strClose = WriteCloseStrip(m_files);
    for (int i = 0; i < kStripCount; ++i) {
        const CString strIcon = WriteStripIcon(m_files, i);
        // Configured first, sized by its creation: the strip lays out on WM_SIZE only.
        CQVUINotifyCtrl& strip = m_strips[i];
        strip.SetNotify(Text(kStrips[i].lpszTextKey), kStrips[i].lpszUrl, kStrips[i].nData,
                        kStrips[i].bCloseOnClick);
        strip.SetImageIcon(strIcon);
        strip.SetCloseButtonIcon(strClose, 2, !kStrips[i].bCloseButton);
        if (!strip.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T(""),
                            WS_CHILD | WS_VISIBLE, StripRect(i), this, 200 + i))
            return FALSE;
    }
    m_files.DeleteAll();
    return TRUE;
}

void CStudyShopWnd::ShowStrips() {
    for (CQVUINotifyCtrl& strip : m_strips)
        if (strip.GetSafeHwnd()) strip.ShowWindow(SW_SHOWNA);
}

BOOL CStudyShopWnd::OnEraseBkgnd(CDC* pDC) {
    // Also what the players show behind their tiles: they draw this window's background first.
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, PageColour());
    return TRUE;
}

void CStudyShopWnd::OnPaint() {
    CPaintDC dc(this);
    CFont fontTitle, fontText;
    const CString strFace = FaceName();
    fontTitle.CreatePointFont(120, strFace, &dc);
    fontText.CreatePointFont(90, strFace, &dc);
    CFont* pOldFont = dc.SelectObject(&fontTitle);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(30, 50, 90));
    dc.TextOut(kLeft, 14, Text(_T("IDS_GALLERY_SHOP_TITLE")));
    dc.SelectObject(&fontText);
    dc.SetTextColor(RGB(60, 60, 60));
    const LPCTSTR lpszPlayerKeys[] = {_T("IDS_GALLERY_SHOP_LIVE"), _T("IDS_GALLERY_SHOP_STOPPED")};
    CPen pen(PS_SOLID, 1, RGB(170, 180, 200));
    CPen* pOldPen = dc.SelectObject(&pen);
    HGDIOBJ hOldBrush = dc.SelectObject(::GetStockObject(NULL_BRUSH));
    for (int p = 0; p < 2; ++p) {
        const CRect rcPlayer = PlayerRect(p);
        dc.TextOut(rcPlayer.left, rcPlayer.top - 20, Text(lpszPlayerKeys[p]));
        CRect rcFrame = rcPlayer;
        rcFrame.InflateRect(1, 1);
        dc.Rectangle(&rcFrame);
    }
    dc.SelectObject(hOldBrush);
    dc.SelectObject(pOldPen);
    dc.SetTextColor(RGB(30, 60, 110));
    dc.TextOut(kLeft, StripRect(0).top - 24, Text(_T("IDS_GALLERY_SHOP_STRIPS")));
    dc.SetTextColor(RGB(60, 60, 60));
    for (int i = 0; i < kStripCount; ++i) {
        const CRect rcStrip = StripRect(i);
        CRect rcCaption(rcStrip.right + 12, rcStrip.top, StatusRect().right, rcStrip.bottom);
        dc.DrawText(Text(kStrips[i].lpszCaptionKey), &rcCaption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    CRect rcStatus = StatusRect();
    dc.SetTextColor(RGB(30, 100, 170));
    CRect rcLine = rcStatus;
    rcLine.bottom = rcLine.top + rcStatus.Height() / 2;
    dc.DrawText(m_strOpened, &rcLine, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    rcLine.OffsetRect(0, rcLine.Height());
    dc.DrawText(m_strStripMessage, &rcLine,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    dc.SelectObject(pOldFont);
}

LRESULT CStudyShopWnd::OnSkinChanged(WPARAM, LPARAM) {
    // The players and strips do not answer the message: repaint them here, so that the players'
    // backgrounds, drawn from this window's, follow the skin.
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return 0;
}

LRESULT CStudyShopWnd::OnStripNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam == QVNC_CLOSE_REQUEST) {
        // The request does not name its strip: the pointer is on it, the close button or link having
        // just been clicked. Hidden, not deleted, so that the page can show it again.
        const DWORD dwPos = ::GetMessagePos();
        const CPoint pt(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
        for (CQVUINotifyCtrl& strip : m_strips) {
            CRect rc;
            strip.GetWindowRect(&rc);
            if (rc.PtInRect(pt)) strip.ShowWindow(SW_HIDE);
        }
        m_strStripMessage = Text(_T("IDS_GALLERY_SHOP_STRIP_CLOSED"));
    } else if (wParam == QVNC_LINK_CLICKED) {
        CString strData;
        strData.Format(_T("%d"), static_cast<int>(lParam));
        m_strStripMessage = TextWith(_T("IDS_GALLERY_SHOP_LINK_CLICKED"), strData);
    }
    InvalidateRect(StatusRect());
    return 0;
}

LRESULT CStudyShopWnd::OnOpened(WPARAM, LPARAM lParam) {
    m_strOpened = TextWith(_T("IDS_GALLERY_UIO_OPENS"), reinterpret_cast<LPCTSTR>(lParam));
    InvalidateRect(StatusRect());
    return 0;
}

class CStudyShopPage : public CGalleryWndPage<CStudyShopWnd> {
public:
    CStudyShopPage() : CGalleryWndPage(_T("study-shop"), _T("Study shop")) {}
    ~CStudyShopPage() override {
        if (m_wnd && m_wnd->GetSafeHwnd()) {
            StopShowingLaunches(m_wnd->GetSafeHwnd());
            m_wnd->DestroyWindow();
        }
    }
    void OnShow() override {
        ShowLaunchesIn(GetSafeHwnd());
        m_wnd->ShowStrips();
    }
    void OnHide() override { StopShowingLaunches(GetSafeHwnd()); }
    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        m_wnd->PrepareShot();
        return capture();
    }
};

REGISTER_GALLERY_PAGE(CStudyShopPage);

}  // namespace
