// Outlook bar figures: a full paint and a hit test with 100, 10,000 and 100,000 items, scrolled to the
// top and to the end, against one BitBlt of the client area and the platform's list view in icon view
// showing the same items; a hover change against a full paint; a slide frame against a BitBlt of the
// inside area; appending items to a folder of 1,000 and of 100,000 items.
#include <RIZuruzezu.h>

#include <cstdio>
#include <memory>

#include "Bench.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 400;

// The owner: answers yes to every question of the bar.
class CBenchOwner : public CWnd {
public:
    BOOL CreateOwner() {
        return CreateEx(
            0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), ::GetSysColorBrush(COLOR_WINDOW)),
            _T("outlook bar bench"), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 2 * kWidth + 20, kHeight,
            NULL, NULL);
    }

protected:
    afx_msg LRESULT OnOutBarNotify(WPARAM, LPARAM) { return 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchOwner, CWnd)
ON_MESSAGE(WM_OUTBAR_NOTIFY, &CBenchOwner::OnOutBarNotify)
END_MESSAGE_MAP()

// Scrolls without the arrow loop.
class CBenchBar : public CQVOutBarCtrl {
public:
    void ScrollTo(int nFirst) { m_nFirstItem = nFirst; }
};

void MakeImageList(CImageList& list, int cx) {
    list.Create(cx, cx, ILC_COLOR24, 6, 0);
    HDC hScreen = ::GetDC(NULL);
    for (int i = 0; i < 6; ++i) {
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cx);
        HDC hMem = ::CreateCompatibleDC(hScreen);
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        HBRUSH hBrush = ::CreateSolidBrush(RGB(40 * i, 200 - 30 * i, 120));
        RECT rc = {0, 0, cx, cx};
        ::FillRect(hMem, &rc, hBrush);
        ::DeleteObject(hBrush);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        ::ImageList_Add(list.GetSafeHandle(), hBitmap, NULL);
        ::DeleteObject(hBitmap);
    }
    ::ReleaseDC(NULL, hScreen);
}

// A bar with one folder of nItems lessons (and two more headers).
std::unique_ptr<CBenchBar> MakeBar(CWnd& owner, CImageList& images, int nItems) {
    std::unique_ptr<CBenchBar> pBar(new CBenchBar);
    pBar->Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, kWidth, kHeight), &owner, 100);
    pBar->SetImageList(&images, 0x2);
    pBar->AddFolder(_T("Courses"));
    pBar->AddFolder(_T("Word books"));
    pBar->AddFolder(_T("Friends"));
    for (int j = 0; j < nItems; ++j)
        pBar->InsertItem(0, -1, _T("Lesson: greetings"), j % 6, j);
    return pBar;
}

void Repaint(HWND hWnd) {
    ::InvalidateRect(hWnd, NULL, FALSE);
    ::UpdateWindow(hWnd);
}

void OutBarSuite() {
    CBenchOwner owner;
    if (!owner.CreateOwner()) return;
    CImageList images;
    MakeImageList(images, 32);

    // Baseline: one copy of a client-sized image to the window.
    CClientDC dcOwner(&owner);
    CDC dcImage;
    dcImage.CreateCompatibleDC(&dcOwner);
    CBitmap bmpImage;
    bmpImage.CreateCompatibleBitmap(&dcOwner, kWidth, kHeight);
    CBitmap* pOld = dcImage.SelectObject(&bmpImage);
    rizbench::Suite paint(
        "outlook bar: full paint (InvalidateRect + UpdateWindow)", "BitBlt of the client area",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                dcOwner.BitBlt(0, 0, kWidth, kHeight, &dcImage, 0, 0, SRCCOPY);
        },
        100);

    // The platform's list view in icon view, with the same items visible.
    HWND hList = ::CreateWindow(WC_LISTVIEW, _T(""), WS_CHILD | WS_VISIBLE | LVS_ICON, kWidth + 10, 0, kWidth,
                                kHeight, owner.m_hWnd, NULL, NULL, NULL);
    ListView_SetImageList(hList, images.GetSafeHandle(), LVSIL_NORMAL);
    for (int j = 0; j < 100; ++j) {
        LVITEM item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = j;
        item.iImage = j % 6;
        TCHAR szText[] = _T("Lesson: greetings");
        item.pszText = szText;
        ListView_InsertItem(hList, &item);
    }
    paint.Add("list view, icon view, 100 items", [&](int n) {
        for (int i = 0; i < n; ++i)
            Repaint(hList);
    });

    const int counts[] = {100, 10000, 100000};
    std::unique_ptr<CBenchBar> bars[3];
    for (int k = 0; k < 3; ++k)
        bars[k] = MakeBar(owner, images, counts[k]);
    rizbench::PumpPending();
    for (int k = 0; k < 3; ++k) {
        CBenchBar* pBar = bars[k].get();
        for (int nAtEnd = 0; nAtEnd < 2; ++nAtEnd) {
            pBar->ScrollTo(nAtEnd ? counts[k] - 6 : 0);
            char szName[96];
            std::snprintf(szName, sizeof(szName), "outlook bar, %d items, %s", counts[k],
                          nAtEnd ? "at the end" : "at the top");
            pBar->ShowWindow(SW_SHOW);
            paint.Add(szName, [&](int n) {
                for (int i = 0; i < n; ++i)
                    Repaint(pBar->m_hWnd);
            });
            pBar->ShowWindow(SW_HIDE);
        }
    }

    rizbench::Suite hit(
        "outlook bar: HitTestEx on the middle of the inside", "BitBlt of the client area",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                dcOwner.BitBlt(0, 0, kWidth, kHeight, &dcImage, 0, 0, SRCCOPY);
        },
        200);
    for (int k = 0; k < 3; ++k) {
        CBenchBar* pBar = bars[k].get();
        for (int nAtEnd = 0; nAtEnd < 2; ++nAtEnd) {
            pBar->ScrollTo(nAtEnd ? counts[k] - 6 : 0);
            char szName[96];
            std::snprintf(szName, sizeof(szName), "HitTestEx, %d items, %s", counts[k],
                          nAtEnd ? "at the end" : "at the top");
            hit.Add(szName, [&](int n) {
                int nIndex = 0;
                for (int i = 0; i < n; ++i)
                    rizbench::DoNotOptimize(reinterpret_cast<void*>(static_cast<INT_PTR>(
                        pBar->HitTestEx(CPoint(kWidth / 2, 100 + (i % 7) * 30), nIndex))));
            });
        }
    }

    // Hover: the frame drawn straight on the window against the full paint.
    CBenchBar* pBar = bars[0].get();
    pBar->ScrollTo(0);
    pBar->ShowWindow(SW_SHOW);
    rizbench::Suite hover(
        "outlook bar: hover change", "full paint",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                Repaint(pBar->m_hWnd);
        },
        100);
    hover.Add("HighlightItem to the next item", [&](int n) {
        for (int i = 0; i < n; ++i)
            pBar->HighlightItem(i % 2, FALSE);
    });

    // A slide frame against a BitBlt of the inside area (onto the bar, where the frames go).
    CRect rcInside;
    pBar->GetInsideRect(rcInside);
    CClientDC dcBar(pBar);
    rizbench::Suite slide(
        "outlook bar: folder slide", "BitBlt of the inside area",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                dcBar.BitBlt(rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(), &dcImage, 0, 0,
                             SRCCOPY);
        },
        100);
    static int s_nFrames = 0;
    CQVOutBarCtrl::SetSlideDelayProc([](CQVOutBarCtrl*, CDC*, int) { ++s_nFrames; });
    pBar->ModifyFlag(0, QVOB_ANIMATE_FOLDERS);
    pBar->SetAnimationTickCount(0);
    s_nFrames = 0;
    pBar->SetSelFolder(2);
    pBar->SetSelFolder(0);
    const int nFramesPerTwo = s_nFrames > 0 ? s_nFrames : 1;
    const rizbench::Timing base = rizbench::Measure(
        [&](int n) {
            for (int i = 0; i < n; ++i)
                dcBar.BitBlt(rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(), &dcImage, 0, 0,
                             SRCCOPY);
        },
        20);
    rizbench::Timing frames = rizbench::Measure(
        [&](int n) {
            for (int i = 0; i < n; ++i) {
                pBar->SetSelFolder(2);
                pBar->SetSelFolder(0);
            }
        },
        2);
    frames.minNs /= nFramesPerTwo;
    frames.medianNs /= nFramesPerTwo;
    rizbench::Report("one slide frame (whole slide divided by its frames, images made once per slide)",
                     frames, base);
    CQVOutBarCtrl::SetSlideDelayProc(NULL);

    // Appending: the cost of one append does not grow with the folder.
    for (auto& p : bars)
        p.reset();
    std::unique_ptr<CBenchBar> pSmall = MakeBar(owner, images, 1000);
    std::unique_ptr<CBenchBar> pLarge = MakeBar(owner, images, 100000);
    rizbench::Suite append(
        "outlook bar: InsertItem at the end", "into a folder of 1,000 items",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                pSmall->InsertItem(0, -1, _T("word"), 0, i);
        },
        1000);
    append.Add("into a folder of 100,000 items", [&](int n) {
        for (int i = 0; i < n; ++i)
            pLarge->InsertItem(0, -1, _T("word"), 0, i);
    });
    const rizbench::Timing whole = rizbench::Measure(
        [&](int) { std::unique_ptr<CBenchBar> pFresh = MakeBar(owner, images, 100000); }, 1, 3);
    rizbench::Timing perItem = whole;
    perItem.minNs /= 100000;
    perItem.medianNs /= 100000;
    rizbench::Report("a bar made with 100,000 items, per item", perItem, perItem);

    dcImage.SelectObject(pOld);
    ::DestroyWindow(hList);
    owner.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&OutBarSuite, {"outlook bar: full paint (InvalidateRect + UpdateWindow)",
                                                   "outlook bar: HitTestEx on the middle of the inside",
                                                   "outlook bar: hover change", "outlook bar: folder slide",
                                                   "outlook bar: InsertItem at the end"});

}  // namespace
