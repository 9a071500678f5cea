// Painting: header frames by state, the second skin, marker and hover colours, the drop arrow row by
// row, normal and pushed scroll arrows, the wiggle of the clicked item and the frames of the slide.
#include "OutBarTestKit.h"

#include <QVSkinResManager.h>

#include "PixelProbe.h"
#include "QVSelectScope.h"

using namespace obtest;
using riztest::ColorNear;
using riztest::PostMouse;
using riztest::Surface;

namespace {

CDC* DcOf(const Surface& surface) {
    return CDC::FromHandle(surface.Dc());
}

// The bar's client area as it is on screen now.
struct ClientShot : Surface {
    ClientShot(CQVOutBarCtrl& bar, int cx = 200, int cy = 300) : Surface(cx, cy) {
        ReadClient(bar.m_hWnd, Dc(), cx, cy);
    }
};

CRect IconRect(CQVOutBarCtrl& bar, int nItem) {
    CRect rc;
    bar.GetIconRect(bar.GetSelFolder(), nItem, rc);
    return rc;
}

// Black pixels of row y between x0 and x1 (exclusive).
int BlackRun(const Surface& surface, int y, int x0, int x1) {
    int n = 0;
    for (int x = x0; x < x1; ++x)
        n += surface.Pixel(x, y) == RGB(0, 0, 0) ? 1 : 0;
    return n;
}

}  // namespace

TEST_F(OutBarTest, HeadersDrawTheFrameOfTheirState) {
    CQVOutBarCtrl& bar = MakeBar(2, 0);
    const struct {
        FOLDER_HILIGHT nState;
        COLORREF clr;
    } cases[] = {{FOLDER_NORMAL, kHeaderNormal}, {FOLDER_HOT, kHeaderHot}, {FOLDER_PRESSED, kHeaderPressed}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.nState));
        Surface surface(200, 24);
        bar.DrawFolder(DcOf(surface), 1, CRect(0, 0, 200, 24), c.nState);
        EXPECT_EQ(c.clr, surface.Pixel(2, 2));
        EXPECT_EQ(c.clr, surface.Pixel(197, 21));
        EXPECT_TRUE(surface.HasOtherThan(CRect(80, 2, 120, 22), c.clr));  // the name "F1" in the middle
    }
}

TEST_F(OutBarTest, TheSecondSkinGivesAnotherHeightAndAKeyedHeaderImage) {
    ASSERT_TRUE(LoadTestSkin(m_folder, _T("second"), 30, true));
    CQVOutBarCtrl& bar = MakeBar(2, 0);
    CRect rc;
    bar.GetFolderRect(0, rc);
    EXPECT_EQ(30, rc.Height());
    Surface surface(200, 30, RGB(1, 2, 3));
    bar.DrawFolder(DcOf(surface), 0, rc, FOLDER_NORMAL);
    EXPECT_EQ(RGB(1, 2, 3), surface.Pixel(1, 1));  // the key corner, stretched from 3 to 30 columns
    EXPECT_EQ(kHeaderNormal, surface.Pixel(1, 20));
    // Back to the first skin: the host tells the bar, which takes the new height and moves folder windows.
    CWnd child;
    ASSERT_TRUE(child.Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &bar, 9));
    bar.AddFolderBar(_T("Groups"), &child);
    EXPECT_FALSE(child.IsWindowVisible());  // its folder is not the open one
    ASSERT_TRUE(LoadTestSkin(m_folder, _T("first"), 22, false));
    EXPECT_NE(0, bar.SendMessage(WM_QV_SKINCHANGED));
    bar.GetFolderRect(0, rc);
    EXPECT_EQ(22, rc.Height());
    CRect rcInside, rcChild;
    bar.GetInsideRect(rcInside);
    child.GetWindowRect(rcChild);
    bar.ScreenToClient(rcChild);
    EXPECT_EQ(rcInside, rcChild);
}

TEST_F(OutBarTest, TheMarkerAndTheHoverFrameHaveTheirColoursAndTouchOnlyTheirArea) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.SetCurSelected(0, 0);
    bar.UpdateWindow();
    CRect rcItem0, rcInside;
    bar.GetItemRect(0, 0, rcItem0);
    bar.GetInsideRect(rcInside);
    const CRect rcIcon1 = IconRect(bar, 1);
    {
        ClientShot shot(bar);
        EXPECT_EQ(RGB(230, 230, 255), shot.Pixel(rcInside.left + 10, rcItem0.top + 3));
        EXPECT_EQ(RGB(192, 192, 255), shot.Pixel(100, rcItem0.top - 2));
        EXPECT_EQ(IconColour(1), shot.Pixel(rcIcon1.CenterPoint().x, rcIcon1.CenterPoint().y));
        EXPECT_EQ(kBack, shot.Pixel(rcIcon1.left - 1, rcIcon1.top + 5));
    }
    const ClientShot before(bar);
    bar.SetCurSel(1, FALSE);
    {
        ClientShot shot(bar);
        EXPECT_EQ(RGB(52, 67, 90), shot.Pixel(rcIcon1.left - 1, rcIcon1.top + 5));
        EXPECT_EQ(RGB(250, 194, 95), shot.Pixel(rcIcon1.CenterPoint().x, rcIcon1.bottom - 1));
        EXPECT_EQ(IconColour(1), shot.Pixel(rcIcon1.CenterPoint().x, rcIcon1.top + 5));
        // Only the icon's frame changed.
        CRect rcFrame = rcIcon1;
        rcFrame.InflateRect(1, 1);
        for (int y = 0; y < 300; y += 3)
            for (int x = 0; x < 200; x += 3)
                if (!rcFrame.PtInRect(CPoint(x, y))) {
                    ASSERT_EQ(before.Pixel(x, y), shot.Pixel(x, y)) << x << "," << y;
                }
    }
    bar.SetCurSel(1, TRUE);
    {
        ClientShot shot(bar);
        EXPECT_EQ(RGB(254, 155, 85), shot.Pixel(rcIcon1.CenterPoint().x, rcIcon1.bottom - 1));
    }
    bar.SetCurSel(-1, FALSE);
    {
        ClientShot shot(bar);
        EXPECT_EQ(kBack, shot.Pixel(rcIcon1.left - 1, rcIcon1.top + 5));
    }
    // The marker item takes no hover frame.
    m_owner.m_notes.clear();
    bar.SetCurSel(0, FALSE);
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_HOVERED));
}

TEST_F(OutBarTest, ASmallViewLabelIsCutUnlessTheBarFitsSmallLabels) {
    const LPCTSTR kLabel = _T("Lesson 1: Greetings");
    // The label's ink as DrawText leaves it in a rectangle wide enough for it, in the bar's font.
    Surface whole(200, 40, kBack);
    {
        CQVOutBarCtrl& bar = MakeBar(1, 1);
        CDC* pDC = DcOf(whole);
        const CQVSelectScope font(pDC, bar.GetFontX()->GetSafeHandle());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(0, 0, 0));
        CRect rc(0, 0, 200, 40);
        pDC->DrawText(kLabel, rc, DT_SINGLELINE | DT_VCENTER);
    }
    const int nWholeInk = whole.CountDiffering(Surface(200, 40, kBack), CRect(0, 0, 200, 40));
    ASSERT_GT(nWholeInk, 50);
    for (const bool bFit : {false, true}) {
        SCOPED_TRACE(bFit ? "fitted" : "as measured");
        CQVOutBarCtrl& bar = MakeBar(1, 1);
        bar.SetTextColor(RGB(0, 0, 0), RGB(0, 0, 0));
        bar.SetItemText(0, kLabel);
        bar.SetSmallIconView(TRUE, 0);
        if (bFit) bar.ModifyFlag(0, QVOB_FIT_SMALL_LABELS, 0);
        bar.UpdateWindow();
        CRect rcItem;
        bar.GetItemRect(0, 0, rcItem);
        const CSize szIcon = bar.GetItemSize(0, 0, 1), szLabel = bar.GetItemSize(0, 0, 2);
        const ClientShot shot(bar);
        // Everything right of the icon in the item's band is the label.
        const CRect rcText(rcItem.left + 2 + szIcon.cx, rcItem.top, 200, rcItem.bottom);
        Surface empty(200, 300, kBack);
        const int nInk = shot.CountDiffering(empty, rcText);
        // The end of the label takes clicks only when the item is as wide as the label.
        int nIndex = -1;
        const int nHit =
            bar.HitTestEx(CPoint(rcItem.right - 1 + (bFit ? 0 : 3), rcItem.CenterPoint().y), nIndex);
        if (bFit) {
            EXPECT_EQ(nWholeInk, nInk);
            EXPECT_EQ(QVOB_HIT_ITEM, nHit);
            EXPECT_GE(rcItem.right, rcText.left + szLabel.cx);
        } else {
            EXPECT_NE(nWholeInk, nInk);
            EXPECT_EQ(QVOB_HIT_NOTHING, nHit);
            EXPECT_LT(rcItem.right, rcText.left + szLabel.cx);
        }
    }
}

TEST_F(OutBarTest, TheDropArrowPointsDownAtTheFirstPlaceUpAfterTheLastAndBothWaysBetween) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    struct Expect {
        int nTo;
        int nKind;
        bool bBelow;
        bool bAbove;
    };
    for (const Expect& e : {Expect{0, 0, true, false}, Expect{1, 1, true, true}, Expect{3, 2, false, true}}) {
        SCOPED_TRACE(e.nTo);
        Surface surface(200, 300);
        bar.DrawDragArrow(DcOf(surface), 0, -1);
        CRect rc;
        EXPECT_EQ(e.nKind, bar.GetDragItemRect(e.nTo, rc));
        bar.DrawDragArrow(DcOf(surface), 0, e.nTo);
        const int y = rc.top;
        EXPECT_EQ(rc.Width(), BlackRun(surface, y, 0, 200));
        for (int k = 1; k <= 4; ++k) {
            // Left heads are 9 - 2k long, right heads 8 - 2k; below the line the right head has 3 rows.
            EXPECT_EQ(e.bBelow ? 9 - 2 * k : 0, BlackRun(surface, y + k, rc.left, rc.left + 12))
                << "below " << k;
            EXPECT_EQ(e.bBelow && k <= 3 ? 8 - 2 * k : 0, BlackRun(surface, y + k, rc.right - 12, rc.right))
                << k;
            EXPECT_EQ(e.bAbove ? 9 - 2 * k : 0, BlackRun(surface, y - k, rc.left, rc.left + 12))
                << "above " << k;
            EXPECT_EQ(e.bAbove ? 8 - 2 * k : 0, BlackRun(surface, y - k, rc.right - 12, rc.right)) << k;
        }
        EXPECT_EQ(0, BlackRun(surface, y + 5, 0, 200));
        EXPECT_EQ(0, BlackRun(surface, y - 5, 0, 200));
    }
}

TEST_F(OutBarTest, ScrollArrowsLookLikeFrameControlsAndThePressedOneIsPushed) {
    CQVOutBarCtrl& bar = MakeBar(3, 10);
    bar.UpdateWindow();
    CRect rcInside;
    bar.GetInsideRect(rcInside);
    const int s = ::GetSystemMetrics(SM_CXVSCROLL);
    const CRect rcDown = OutBarArrowRect(rcInside, s, FALSE);
    auto reference = [s](UINT nState) {
        auto* pSurface = new Surface(s, s);
        RECT rc = {0, 0, s, s};
        ::DrawFrameControl(pSurface->Dc(), &rc, DFC_SCROLL, nState);
        return std::unique_ptr<Surface>(pSurface);
    };
    auto sameAs = [&](const Surface& shot, const Surface& ref) {
        int nDiff = 0;
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
                nDiff += shot.Pixel(rcDown.left + x, rcDown.top + y) != ref.Pixel(x, y) ? 1 : 0;
        return nDiff;
    };
    const auto normal = reference(DFCS_SCROLLDOWN);
    const auto pushed = reference(DFCS_SCROLLDOWN | DFCS_PUSHED);
    ASSERT_GT(sameAs(ClientShot(bar), *pushed), 0);
    EXPECT_EQ(0, sameAs(ClientShot(bar), *normal));
    int nPushedDiff = -1, nNormalDiff = -1;
    m_probe.Post([&] {
        ClientShot shot(bar);
        nPushedDiff = sameAs(shot, *pushed);
        nNormalDiff = sameAs(shot, *normal);
    });
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, 1, 1);
    Press(bar, rcDown.CenterPoint());
    EXPECT_EQ(0, nPushedDiff);
    EXPECT_GT(nNormalDiff, 0);
}

TEST_F(OutBarTest, TheClickedItemWigglesFourTimesInTwelveTicksAndNotWhenCutOff) {
    CQVOutBarCtrl& bar = MakeBar(3, 4);
    bar.SetAnimSelHighlight(1000000);  // the real timer never fires; the test sends the ticks
    bar.UpdateWindow();
    const CRect rcIcon = IconRect(bar, 1);
    const CPoint pt = rcIcon.CenterPoint();
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
    Press(bar, pt);
    ASSERT_EQ(1, m_owner.Count(OUTBAR_ITEM_CLICKED));
    bar.SetCurSelected(-1, -1);
    bar.Invalidate();
    bar.UpdateWindow();
    CRect rcItem;
    bar.GetItemRect(0, 1, rcItem);
    const int x = rcItem.left + (rcItem.Width() - kLarge) / 2;  // the icon's resting place
    const int y = rcItem.top;
    std::vector<int> moved;  // 1 where the top row was left empty (moved down), 0 at rest
    for (int tick = 0; tick < 12; ++tick) {
        bar.SendMessage(WM_TIMER, 3, 0);
        ClientShot shot(bar);
        moved.push_back(shot.Pixel(x + kLarge / 2, y) == kBack ? 1 : 0);
        if (tick == 1) {
            EXPECT_EQ(kBack, shot.Pixel(x, y + 10));  // moved right by one
        }
    }
    EXPECT_EQ((std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}), moved);

    // Cut off at the bottom of the inside rectangle: the ticks draw nothing.
    const int cy = rcItem.bottom + 2 * kHeader - 1;  // the inside ends one pixel above the item's bottom
    bar.MoveWindow(0, 0, 200, cy);
    bar.UpdateWindow();
    const ClientShot cut(bar, 200, cy);
    for (int tick = 0; tick < 12; ++tick) {
        bar.SendMessage(WM_TIMER, 3, 0);
        ClientShot shot(bar, 200, cy);
        ASSERT_EQ(cut.Pixel(x + kLarge / 2, y), shot.Pixel(x + kLarge / 2, y)) << tick;
        ASSERT_EQ(cut.Pixel(x, y + 10), shot.Pixel(x, y + 10)) << tick;
    }
}

TEST_F(OutBarTest, TheSlideStartsWithTheOldFolderAndEndsWithTheNewOne) {
    CQVOutBarCtrl& bar = MakeBar(0, 0);
    bar.AddFolder(_T("Courses"));
    bar.AddFolder(_T("Word books"));
    bar.AddFolder(_T("Friends"));
    for (int j = 0; j < 3; ++j) {
        bar.InsertItem(0, -1, _T(""), 0);  // yellow icons
        bar.InsertItem(2, -1, _T(""), 3);  // green icons
    }
    bar.ModifyFlag(0, QVOB_ANIMATE_FOLDERS);
    bar.SetAnimationTickCount(0);
    bar.UpdateWindow();
    const CRect rcOldIcon = IconRect(bar, 0);
    static std::vector<std::unique_ptr<Surface>> s_frames;
    s_frames.clear();
    CQVOutBarCtrl::SetSlideDelayProc([](CQVOutBarCtrl*, CDC* pDC, int) {
        s_frames.emplace_back(new Surface(200, 300));
        ::BitBlt(s_frames.back()->Dc(), 0, 0, 200, 300, pDC->GetSafeHdc(), 0, 0, SRCCOPY);
    });
    bar.SetSelFolder(2);
    ASSERT_EQ(2, bar.GetSelFolder());
    // The new header rises by one header height a frame from the bottom stack (276 - 24) while it is
    // below the old header (bottom 24): 252, 228, ... 36.
    ASSERT_EQ(10u, s_frames.size());
    const Surface& first = *s_frames.front();
    EXPECT_EQ(kHeaderNormal, first.Pixel(2, 253));
    EXPECT_TRUE(
        ColorNear(IconColour(0), first.Pixel(rcOldIcon.CenterPoint().x, rcOldIcon.CenterPoint().y + 1)));
    const Surface& last = *s_frames.back();
    EXPECT_EQ(kHeaderNormal, last.Pixel(2, 37));
    bar.UpdateWindow();
    const CRect rcNewIcon = IconRect(bar, 0);
    // The last frame has the new folder's header at 36 and its first icon where it ends up, 12 lower.
    EXPECT_EQ(IconColour(3), last.Pixel(rcNewIcon.CenterPoint().x, rcNewIcon.CenterPoint().y - 12));

    // Back up: the old header sinks from its place, one header height a frame.
    s_frames.clear();
    bar.SetSelFolder(0);
    EXPECT_GT(s_frames.size(), 5u);
    EXPECT_EQ(kHeaderNormal, s_frames.front()->Pixel(2, rcNewIcon.top - 20));
}

TEST_F(OutBarTest, AFolderTreeViewPaintsIntoTheSlideFrames) {
    CQVOutBarCtrl& bar = MakeBar(0, 0);
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | TVS_HASLINES, CRect(0, 0, 10, 10), &bar, 5));
    ::SendMessage(tree.m_hWnd, TVM_SETBKCOLOR, 0, RGB(10, 200, 200));
    tree.InsertItem(_T("Classmates"));
    bar.AddFolder(_T("Courses"));
    bar.AddFolderBar(_T("Groups"), &tree);
    bar.InsertItem(0, -1, _T(""), 0);
    bar.ModifyFlag(0, QVOB_ANIMATE_FOLDERS);
    bar.SetAnimationTickCount(0);
    bar.UpdateWindow();
    static std::vector<std::unique_ptr<Surface>> s_frames;
    s_frames.clear();
    CQVOutBarCtrl::SetSlideDelayProc([](CQVOutBarCtrl*, CDC* pDC, int) {
        s_frames.emplace_back(new Surface(200, 300));
        ::BitBlt(s_frames.back()->Dc(), 0, 0, 200, 300, pDC->GetSafeHdc(), 0, 0, SRCCOPY);
    });
    bar.SetSelFolder(1);
    ASSERT_FALSE(s_frames.empty());
    EXPECT_EQ(RGB(10, 200, 200), s_frames.back()->Pixel(150, 200));
    EXPECT_TRUE(tree.IsWindowVisible());
}

TEST_F(OutBarTest, TheKeptClickFrameFollowsTheLastClickedItem) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.ModifyFlag(0, QVOB_KEEP_CLICKED);
    bar.ShowSelected(FALSE);
    bar.UpdateWindow();
    for (int nItem : {1, 2}) {
        const CPoint pt = IconRect(bar, nItem).CenterPoint();
        PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
        Press(bar, pt);
        bar.UpdateWindow();
    }
    ClientShot shot(bar);
    const CRect rc1 = IconRect(bar, 1);
    const CRect rc2 = IconRect(bar, 2);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWFRAME), shot.Pixel(rc2.left - 1, rc2.top + 4));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), shot.Pixel(rc2.right, rc2.top + 4));
    EXPECT_EQ(kBack, shot.Pixel(rc1.left - 1, rc1.top + 4));
    // The clicked item takes no hover frame.
    m_owner.m_notes.clear();
    bar.SetCurSel(2, FALSE);
    EXPECT_EQ(-1, bar.GetCurSel());
}

TEST_F(OutBarTest, ADerivedDrawItemPaintsOnlyTheVisibleItems) {
    class CCountingBar : public CQVOutBarCtrl {
    public:
        void DrawItem(CDC* pDC, int nFolder, CRect rcItem, int nIndex, int bNoText) override {
            drawn.push_back(nIndex);
            CQVOutBarCtrl::DrawItem(pDC, nFolder, rcItem, nIndex, bNoText);
        }
        std::vector<int> drawn;
    } bar;
    CreateBar(bar);
    Fill(bar, 3, 40);
    bar.UpdateWindow();
    int nFirst = 0, nLast = 0;
    bar.GetVisibleRange(0, nFirst, nLast);
    ASSERT_FALSE(bar.drawn.empty());
    EXPECT_EQ(0, bar.drawn.front());
    EXPECT_EQ(nLast + 1, bar.drawn.back());  // the one cut off at the bottom is drawn, clipped
}

namespace {

CString BinFolder() {
    TCHAR szExe[MAX_PATH] = {};
    ::GetModuleFileName(NULL, szExe, MAX_PATH);
    CString str(szExe);
    return str.Left(str.ReverseFind(_T('\\')) + 1);
}

// skincheck's exit code for a skin folder (output discarded).
DWORD SkinCheckExitCode(const CString& strFolder) {
    CString strCommand = _T("\"") + BinFolder() + _T("skincheck.exe\" \"") + strFolder + _T("\"");
    STARTUPINFO si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcess(NULL, strCommand.GetBuffer(), NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, NULL, &si,
                         &pi))
        return 0xFFFFFFFF;
    strCommand.ReleaseBuffer();
    DWORD dwCode = 0xFFFFFFFF;
    if (::WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &dwCode);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    return dwCode;
}

}  // namespace

TEST_F(OutBarTest, TheShippedSkinsDifferInHeadersAndSkincheckRefusesAHeaderHeightOfZero) {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    const CString strSkins = BinFolder() + _T("Skins\\");
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(strSkins + _T("Jade")));
    ASSERT_TRUE(pSkins->LoadSkin(strSkins + _T("Default")));
    const CQVSkinOtherRes defaults = *pSkins->GetOthRes();
    ASSERT_TRUE(pSkins->LoadSkin(strSkins + _T("Jade")));
    const CQVSkinOtherRes jade = *pSkins->GetOthRes();
    EXPECT_NE(defaults.m_nOutBarFolderHeight, jade.m_nOutBarFolderHeight);
    EXPECT_NE(defaults.m_nOutBarTransparent, jade.m_nOutBarTransparent);
    EXPECT_EQ(3, jade.m_bmpOutBarFolder.GetMultiState());
    EXPECT_EQ(jade.m_nOutBarFolderHeight, jade.m_bmpOutBarFolder.GetHeight());
    EXPECT_EQ(defaults.m_nOutBarFolderHeight, defaults.m_bmpOutBarFolder.GetHeight());
    CQVOutBarCtrl& bar = MakeBar(2, 1);
    CRect rc;
    bar.GetFolderRect(0, rc);
    EXPECT_EQ(jade.m_nOutBarFolderHeight, rc.Height());

    EXPECT_EQ(0u, SkinCheckExitCode(strSkins + _T("Jade")));
    ASSERT_TRUE(LoadTestSkin(m_folder, _T("good"), 24));
    ASSERT_TRUE(LoadTestSkin(m_folder, _T("flat"), 0));
    EXPECT_EQ(0u, SkinCheckExitCode(m_folder.Path(_T("good"))));
    EXPECT_EQ(1u, SkinCheckExitCode(m_folder.Path(_T("flat"))));
}
