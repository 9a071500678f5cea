// Interaction: the press loops on items, headers and arrows, drag and drop, hover, the right click and
// its commands, and in-place renaming. Each loop gets its whole input posted before the press.
#include "OutBarTestKit.h"

#include "PixelProbe.h"

using namespace obtest;
using riztest::PostMouse;

namespace {

CPoint IconCentre(CQVOutBarCtrl& bar, int nItem) {
    CRect rc;
    bar.GetIconRect(bar.GetSelFolder(), nItem, rc);
    return rc.CenterPoint();
}

CPoint HeaderCentre(CQVOutBarCtrl& bar, int nFolder) {
    CRect rc;
    bar.GetFolderRect(nFolder, rc);
    return rc.CenterPoint();
}

std::vector<CString> Texts(CQVOutBarCtrl& bar) {
    std::vector<CString> texts;
    for (int i = 0; i < bar.GetItemCount(); ++i)
        texts.push_back(bar.GetItemText(i));
    return texts;
}

HWND Editor(CQVOutBarCtrl& bar) {
    return ::FindWindowEx(bar.m_hWnd, NULL, _T("Edit"), NULL);
}

}  // namespace

TEST_F(OutBarTest, AClickHoversPressedThenClicksAndMovesTheMarker) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.UpdateWindow();
    const CPoint pt = IconCentre(bar, 1);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
    Press(bar, pt);
    ASSERT_EQ(std::vector<int>{OUTBAR_ITEM_CLICKED}, m_owner.CodesWithoutHover());
    ASSERT_GE(m_owner.m_notes.size(), 2u);
    EXPECT_EQ(OUTBAR_ITEM_HOVERED, m_owner.m_notes[0].nCode);
    EXPECT_EQ(1, m_owner.m_notes[0].nIndex);
    EXPECT_EQ(CString(_T("Item 0.1")), m_owner.m_notes[0].strText);
    const Note* pClick = m_owner.Last(OUTBAR_ITEM_CLICKED);
    EXPECT_EQ(1, pClick->nIndex);
    EXPECT_EQ(CString(_T("Item 0.1")), pClick->strText);
    EXPECT_FALSE(pClick->bFolder);
    EXPECT_EQ(-1, pClick->nDragFrom);
    DWORD dwFolder = 0, dwItem = 0;
    bar.GetCurSelected(dwFolder, dwItem);
    EXPECT_EQ(100u, dwFolder);
    EXPECT_EQ(10u, dwItem);
}

TEST_F(OutBarTest, AVetoedClickLeavesTheMarkerAndAReleaseElsewhereIsNoClick) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.UpdateWindow();
    m_owner.m_answer = [](const Note& note) -> LRESULT { return note.nCode == OUTBAR_ITEM_CLICKED ? 0 : 1; };
    CPoint pt = IconCentre(bar, 0);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
    Press(bar, pt);
    EXPECT_EQ(1, m_owner.Count(OUTBAR_ITEM_CLICKED));
    DWORD dwFolder = 0, dwItem = 5;
    bar.GetCurSelected(dwFolder, dwItem);
    EXPECT_EQ(0u, dwItem);
    m_owner.m_notes.clear();
    const CPoint ptOther = IconCentre(bar, 2);
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, ptOther.x, ptOther.y, MK_LBUTTON);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, ptOther.x, ptOther.y);
    Press(bar, pt);
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_CLICKED));
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_DRAG_STARTED));  // over another item: only un-pressed
}

TEST_F(OutBarTest, DraggingAnItemDownLandsBeforeTheTargetCountedBeforeRemoval) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.UpdateWindow();
    const CPoint ptFrom = IconCentre(bar, 0);
    const CPoint ptTo = IconCentre(bar, 2);
    CRect rcArrow;
    const int nKind = bar.GetDragItemRect(2, rcArrow);
    EXPECT_EQ(1, nKind);
    COLORREF clrLine = CLR_INVALID;
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, 3, ptFrom.y, MK_LBUTTON);  // beside the icons: off every item
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, ptTo.x, ptTo.y, MK_LBUTTON);
    m_probe.Post([&] {
        riztest::Surface surface(200, 300);
        ReadClient(bar.m_hWnd, surface.Dc(), 200, 300);
        clrLine = surface.Pixel(rcArrow.CenterPoint().x, rcArrow.top);
    });
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, ptTo.x, ptTo.y);
    Press(bar, ptFrom);
    EXPECT_EQ((std::vector<int>{OUTBAR_ITEM_DRAG_STARTED, OUTBAR_ITEM_MOVED}), m_owner.CodesWithoutHover());
    const Note* pMove = m_owner.Last(OUTBAR_ITEM_MOVED);
    ASSERT_NE(pMove, nullptr);
    EXPECT_EQ(0, pMove->nIndex);
    EXPECT_EQ(0, pMove->nDragFrom);
    EXPECT_EQ(2, pMove->nDragTo);
    EXPECT_EQ(CString(_T("Item 0.0")), pMove->strText);
    EXPECT_EQ((std::vector<CString>{_T("Item 0.1"), _T("Item 0.0"), _T("Item 0.2")}), Texts(bar));
    EXPECT_EQ(RGB(0, 0, 0), clrLine);
}

TEST_F(OutBarTest, DroppingOnItselfDoesNothingAndBelowTheEndMovesToTheEnd) {
    CQVOutBarCtrl& bar = MakeBar(3, 2);
    bar.UpdateWindow();
    const CPoint pt0 = IconCentre(bar, 0);
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, 3, pt0.y, MK_LBUTTON);
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, pt0.x, pt0.y, MK_LBUTTON);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt0.x, pt0.y);
    Press(bar, pt0);
    EXPECT_EQ(1, m_owner.Count(OUTBAR_ITEM_DRAG_STARTED));
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_MOVED));
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_CLICKED));
    m_owner.m_notes.clear();

    CRect rcInside, rcLast;
    bar.GetInsideRect(rcInside);
    bar.GetItemRect(0, 1, rcLast);
    const int yBelow = (rcLast.bottom + rcInside.bottom) / 2;
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, 3, pt0.y, MK_LBUTTON);
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, 100, yBelow, MK_LBUTTON);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, 100, yBelow);
    Press(bar, pt0);
    const Note* pMove = m_owner.Last(OUTBAR_ITEM_MOVED);
    ASSERT_NE(pMove, nullptr);
    EXPECT_EQ(2, pMove->nIndex);
    EXPECT_EQ(0, pMove->nDragFrom);
    EXPECT_EQ(2, pMove->nDragTo);
    EXPECT_EQ((std::vector<CString>{_T("Item 0.1"), _T("Item 0.0")}), Texts(bar));
}

TEST_F(OutBarTest, WithoutTheDragFlagItemsStayPut) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.ModifyFlag(QVOB_DRAG_ITEMS, 0);
    bar.UpdateWindow();
    const CPoint pt0 = IconCentre(bar, 0);
    const CPoint pt2 = IconCentre(bar, 2);
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, 3, pt0.y, MK_LBUTTON);
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, pt2.x, pt2.y, MK_LBUTTON);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt2.x, pt2.y);
    Press(bar, pt0);
    EXPECT_EQ(std::vector<int>{}, m_owner.CodesWithoutHover());
    EXPECT_EQ(CString(_T("Item 0.0")), bar.GetItemText(0));
}

TEST_F(OutBarTest, AHeaderReleasedOnAnotherHeaderOpensItWithASlide) {
    CQVOutBarCtrl& bar = MakeBar(3, 2);
    bar.ModifyFlag(0, QVOB_ANIMATE_FOLDERS);
    bar.SetAnimationTickCount(0);
    static int s_nFrames;
    s_nFrames = 0;
    CQVOutBarCtrl::SetSlideDelayProc([](CQVOutBarCtrl*, CDC*, int nMs) {
        EXPECT_EQ(0, nMs);
        ++s_nFrames;
    });
    bar.UpdateWindow();
    // Pressed on header 2, released on header 1.
    const CPoint pt1 = HeaderCentre(bar, 1);
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, pt1.x, pt1.y, MK_LBUTTON);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt1.x, pt1.y);
    Press(bar, HeaderCentre(bar, 2));
    EXPECT_EQ(std::vector<int>{OUTBAR_FOLDER_SELECTING}, m_owner.CodesWithoutHover());
    EXPECT_EQ(1, m_owner.Last(OUTBAR_FOLDER_SELECTING)->nIndex);
    EXPECT_EQ(1, bar.GetSelFolder());
    EXPECT_GT(s_nFrames, 0);
    // Released on the open header: nothing.
    m_owner.m_notes.clear();
    const CPoint ptOpen = HeaderCentre(bar, 1);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, ptOpen.x, ptOpen.y);
    Press(bar, ptOpen);
    EXPECT_EQ(std::vector<int>{}, m_owner.CodesWithoutHover());
    // A negative tick count skips the slide.
    s_nFrames = 0;
    bar.SetAnimationTickCount(-1);
    bar.SetSelFolder(0);
    EXPECT_EQ(0, s_nFrames);
    EXPECT_EQ(0, bar.GetSelFolder());
}

TEST_F(OutBarTest, ALoopEndsWhenAnotherWindowTakesTheCapture) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.UpdateWindow();
    const CPoint pt = IconCentre(bar, 1);
    m_probe.Post([this] { m_probe.SetCapture(); });
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
    Press(bar, pt);
    ::ReleaseCapture();
    PumpMessages(300);
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_CLICKED));
    // No loop starts while some window holds the capture.
    m_probe.SetCapture();
    m_owner.m_notes.clear();
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
    Press(bar, pt);
    ::ReleaseCapture();
    PumpMessages(300);
    EXPECT_EQ(std::vector<int>{}, m_owner.CodesWithoutHover());
}

TEST_F(OutBarTest, WmQuitEndsALoopAndIsPostedAgain) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.UpdateWindow();
    const CPoint pt = IconCentre(bar, 1);
    ::PostThreadMessage(::GetCurrentThreadId(), WM_QUIT, 5, 0);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
    Press(bar, pt);
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_CLICKED));
    EXPECT_NE(::GetCapture(), bar.m_hWnd);
    MSG msg;
    bool bQuit = false;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            bQuit = true;
            EXPECT_EQ(5u, msg.wParam);
            break;
        }
        ::DispatchMessage(&msg);
    }
    EXPECT_TRUE(bQuit);
}

TEST_F(OutBarTest, ArrowTimerStepsStopAtTheLastAndTheFirstItem) {
    CQVOutBarCtrl& bar = MakeBar(3, 10);
    bar.UpdateWindow();
    CRect rcInside;
    bar.GetInsideRect(rcInside);
    const CRect rcDown = OutBarArrowRect(rcInside, ::GetSystemMetrics(SM_CXVSCROLL), FALSE);
    const CRect rcUp = OutBarArrowRect(rcInside, ::GetSystemMetrics(SM_CXVSCROLL), TRUE);
    int nIndex = -1;
    ASSERT_EQ(QVOB_HIT_DOWN_ARROW, bar.HitTestEx(rcDown.CenterPoint(), nIndex));
    ASSERT_EQ(QVOB_HIT_NOTHING, bar.HitTestEx(rcUp.CenterPoint(), nIndex));

    // One click scrolls one item.
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, rcDown.CenterPoint().x, rcDown.CenterPoint().y);
    Press(bar, rcDown.CenterPoint());
    int nFirst = 0, nLast = 0;
    bar.GetVisibleRange(0, nFirst, nLast);
    EXPECT_EQ(1, nFirst);
    bar.UpdateWindow();

    // Held: every tick with the cursor on the arrow scrolls, until the last item is wholly visible.
    PutCursor(bar.m_hWnd, rcDown.CenterPoint().x, rcDown.CenterPoint().y);
    for (int i = 0; i < 30; ++i)
        bar.PostMessage(WM_TIMER, 2, 0);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, 1, 1);
    Press(bar, rcDown.CenterPoint());
    PumpMessages(300);
    bar.GetVisibleRange(0, nFirst, nLast);
    EXPECT_EQ(9, nLast);
    ASSERT_GT(nFirst, 1);
    CRect rcLast, rcBefore;
    bar.GetItemRect(0, 9, rcLast);
    bar.GetItemRect(0, nFirst - 1, rcBefore);
    EXPECT_GT(rcLast.bottom + rcBefore.Height() + 8, rcInside.bottom);  // one step less left it cut off

    bar.UpdateWindow();
    ASSERT_EQ(QVOB_HIT_UP_ARROW, bar.HitTestEx(rcUp.CenterPoint(), nIndex));
    PutCursor(bar.m_hWnd, rcUp.CenterPoint().x, rcUp.CenterPoint().y);
    for (int i = 0; i < 30; ++i)
        bar.PostMessage(WM_TIMER, 2, 0);
    PostMouse(bar.m_hWnd, WM_LBUTTONUP, 1, 1);
    Press(bar, rcUp.CenterPoint());
    PumpMessages(300);
    bar.GetVisibleRange(0, nFirst, nLast);
    EXPECT_EQ(0, nFirst);
    CRect rcFirst;
    bar.GetItemRect(0, 0, rcFirst);
    EXPECT_EQ(rcInside.top + 5, rcFirst.top);
    ParkCursor();
}

TEST_F(OutBarTest, HoverIsToldAgainWhenOnlyThePressedStateChangesAndThatStateIsShared) {
    CQVOutBarCtrl bar;
    CQVOutBarCtrl other;
    CreateBar(bar, 120, 300);
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(130, 0, 250, 300), &m_owner, 101));
    Fill(bar, 1, 2);
    other.AddFolder(_T("Other"));
    other.InsertItem(0, -1, _T("x"));
    bar.SetCurSel(0, FALSE);
    bar.SetCurSel(0, FALSE);
    EXPECT_EQ(1, m_owner.Count(OUTBAR_ITEM_HOVERED));
    bar.SetCurSel(0, TRUE);
    EXPECT_EQ(2, m_owner.Count(OUTBAR_ITEM_HOVERED));
    EXPECT_EQ(0, bar.GetCurSel());
    // Another bar's press changes the remembered state for this one too.
    bar.SetCurSel(0, FALSE);
    other.SetCurSel(0, TRUE);
    const int nBefore = m_owner.Count(OUTBAR_ITEM_HOVERED);
    bar.SetCurSel(0, TRUE);  // same item, and the last pressed state of the process is already 1
    EXPECT_EQ(nBefore, m_owner.Count(OUTBAR_ITEM_HOVERED));
}

TEST_F(OutBarTest, HoverFollowsTheMouseAndTimerOneEndsItOutsideTheWindow) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.UpdateWindow();
    const CPoint pt = IconCentre(bar, 2);
    PutCursor(bar.m_hWnd, pt.x, pt.y);
    PostMouse(bar.m_hWnd, WM_MOUSEMOVE, pt.x, pt.y);
    PumpMessages(300);
    ASSERT_NE(m_owner.Last(OUTBAR_ITEM_HOVERED), nullptr);
    EXPECT_EQ(2, m_owner.Last(OUTBAR_ITEM_HOVERED)->nIndex);
    EXPECT_EQ(2, bar.GetCurSel());
    bar.PostMessage(WM_TIMER, 1, 0);  // the cursor is still inside: the hover stays
    PumpMessages(300);
    EXPECT_EQ(2, bar.GetCurSel());
    ParkCursor();
    bar.PostMessage(WM_TIMER, 1, 0);
    PumpMessages(300);
    EXPECT_EQ(-1, m_owner.Last(OUTBAR_ITEM_HOVERED)->nIndex);
    EXPECT_EQ(-1, bar.GetCurSel());
}

TEST_F(OutBarTest, ARightClickSetsTheTargetOfTheRemoveAndRenameCommands) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.UpdateWindow();
    const CPoint pt = IconCentre(bar, 2);
    bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    const Note* pNote = m_owner.Last(OUTBAR_RIGHT_CLICKED);
    ASSERT_NE(pNote, nullptr);
    EXPECT_EQ(2, pNote->nIndex);
    EXPECT_FALSE(pNote->bFolder);
    EXPECT_FALSE(pNote->bText);
    EXPECT_EQ(0, pNote->nDragFrom);
    EXPECT_EQ(0, pNote->nDragTo);
    bar.SendMessage(WM_COMMAND, ID_QVOB_REMOVE_ITEM, 0);
    EXPECT_EQ(2, m_owner.Last(OUTBAR_ITEM_DELETING)->nIndex);
    EXPECT_EQ(2, bar.GetItemCount());
    // A header.
    const CPoint ptHeader = HeaderCentre(bar, 1);
    bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(ptHeader.x, ptHeader.y));
    EXPECT_EQ(1, m_owner.Last(OUTBAR_RIGHT_CLICKED)->nIndex);
    EXPECT_TRUE(m_owner.Last(OUTBAR_RIGHT_CLICKED)->bFolder);
    bar.SendMessage(WM_COMMAND, ID_QVOB_RENAME_ITEM, 0);
    const HWND hEdit = Editor(bar);
    ASSERT_NE(hEdit, nullptr);
    TCHAR szText[32] = {};
    ::GetWindowText(hEdit, szText, 32);
    EXPECT_EQ(CString(_T("F1")), CString(szText));
    ::SendMessage(hEdit, WM_KEYDOWN, VK_ESCAPE, 0);  // not pre-translated: the editor stays
    // A miss: the commands do nothing.
    bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(3, 200));
    EXPECT_EQ(-1, m_owner.Last(OUTBAR_RIGHT_CLICKED)->nIndex);
    EXPECT_TRUE(m_owner.Last(OUTBAR_RIGHT_CLICKED)->bFolder);
    m_owner.m_notes.clear();
    bar.SendMessage(WM_COMMAND, ID_QVOB_REMOVE_ITEM, 0);
    EXPECT_TRUE(m_owner.m_notes.empty());
    EXPECT_EQ(3, bar.GetFolderCount());
}

TEST_F(OutBarTest, TheViewCommandsSwitchTheOpenFolderAndAreEnabledForTheOtherView) {
    CQVOutBarCtrl& bar = MakeBar(2, 2);
    bar.SendMessage(WM_COMMAND, ID_QVOB_SMALL_ICONS, 0);
    EXPECT_TRUE(bar.IsSmallIconView(0));
    EXPECT_FALSE(bar.IsSmallIconView(1));
    struct CRecordingCmdUI : CCmdUI {
        int nEnabled = -1;
        void Enable(BOOL bOn) override { nEnabled = bOn ? 1 : 0; }
    };
    CRecordingCmdUI large, small;
    large.m_nID = ID_QVOB_LARGE_ICONS;
    small.m_nID = ID_QVOB_SMALL_ICONS;
    EXPECT_TRUE(large.DoUpdate(&bar, FALSE));
    EXPECT_TRUE(small.DoUpdate(&bar, FALSE));
    EXPECT_EQ(1, large.nEnabled);
    EXPECT_EQ(0, small.nEnabled);
    bar.SendMessage(WM_COMMAND, ID_QVOB_LARGE_ICONS, 0);
    EXPECT_FALSE(bar.IsSmallIconView(0));
    small.DoUpdate(&bar, FALSE);
    EXPECT_EQ(1, small.nEnabled);
}

// ---- Renaming ----

TEST_F(OutBarTest, RenameEndsByFocusLossEnterOrEscapeAndTheEditorGoes) {
    CQVOutBarCtrl& bar = MakeBar(2, 3);
    bar.UpdateWindow();

    bar.StartItemEdit(1);
    HWND hEdit = Editor(bar);
    ASSERT_NE(hEdit, nullptr);
    EXPECT_EQ(::GetFocus(), hEdit);
    ::SetWindowText(hEdit, _T("Lesson one"));
    bar.SetFocus();
    PumpMessages(300);
    EXPECT_EQ(CString(_T("Lesson one")), bar.GetItemText(1));
    ASSERT_NE(m_owner.Last(OUTBAR_ITEM_LABEL_EDITED), nullptr);
    EXPECT_EQ(1, m_owner.Last(OUTBAR_ITEM_LABEL_EDITED)->nIndex);
    EXPECT_EQ(-1, m_owner.Last(OUTBAR_ITEM_LABEL_EDITED)->nDragFrom);
    EXPECT_FALSE(::IsWindow(hEdit));

    bar.StartItemEdit(2);
    hEdit = Editor(bar);
    ASSERT_NE(hEdit, nullptr);
    ::SetWindowText(hEdit, _T("Lesson two"));
    riztest::PostKey(hEdit, VK_RETURN);
    PumpMessages(300);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(CString(_T("Lesson two")), bar.GetItemText(2));

    m_owner.m_notes.clear();
    bar.StartItemEdit(0);
    hEdit = Editor(bar);
    ::SetWindowText(hEdit, _T("never"));
    riztest::PostKey(hEdit, VK_ESCAPE);
    PumpMessages(300);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(CString(_T("Item 0.0")), bar.GetItemText(0));
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_LABEL_EDITED));

    bar.StartItemEdit(0);
    hEdit = Editor(bar);
    ::SetWindowText(hEdit, _T(""));
    bar.SetFocus();
    PumpMessages(300);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(CString(_T("Item 0.0")), bar.GetItemText(0));
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_LABEL_EDITED));

    bar.StartGroupEdit(1);
    hEdit = Editor(bar);
    ASSERT_NE(hEdit, nullptr);
    EXPECT_TRUE(::GetWindowLong(hEdit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    ::SetWindowText(hEdit, _T("\u5355\u8bcd\u672c"));  // word books
    riztest::PostKey(hEdit, VK_RETURN);
    PumpMessages(300);
    EXPECT_FALSE(::IsWindow(hEdit));
    ASSERT_NE(m_owner.Last(OUTBAR_FOLDER_LABEL_EDITED), nullptr);
    EXPECT_TRUE(m_owner.Last(OUTBAR_FOLDER_LABEL_EDITED)->bFolder);
    EXPECT_EQ(CString(_T("\u5355\u8bcd\u672c")), bar.GetBarFolder(1)->GetName());
}

TEST_F(OutBarTest, ARenameOpenDuringAProgrammaticChangeIsCancelled) {
    CQVOutBarCtrl& bar = MakeBar(2, 3);
    bar.StartItemEdit(1);
    HWND hEdit = Editor(bar);
    ASSERT_NE(hEdit, nullptr);
    ::SetWindowText(hEdit, _T("renamed"));
    bar.InsertItem(0, 0, _T("new first"));  // item 1 is now another item
    PumpMessages(300);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(0, m_owner.Count(OUTBAR_ITEM_LABEL_EDITED));
    EXPECT_EQ((std::vector<CString>{_T("new first"), _T("Item 0.0"), _T("Item 0.1"), _T("Item 0.2")}),
              Texts(bar));
}

TEST_F(OutBarTest, SmallIconRenameGrowsAsOneLineWithinTheBar) {
    CQVOutBarCtrl& bar = MakeBar(1, 2);
    bar.SetSmallIconView(TRUE, 0);
    bar.StartItemEdit(0);
    HWND hEdit = Editor(bar);
    ASSERT_NE(hEdit, nullptr);
    EXPECT_FALSE(::GetWindowLong(hEdit, GWL_STYLE) & ES_MULTILINE);
    riztest::PostChars(hEdit, _T("a rather long name for a word book that will not fit"));
    PumpMessages(5000);  // until every posted character is typed
    CRect rc;
    ::GetWindowRect(hEdit, &rc);
    bar.ScreenToClient(rc);
    EXPECT_EQ(199, rc.right);
    ::SendMessage(hEdit, WM_CHAR, VK_RETURN, 0);  // Enter as a character gives the focus back
    PumpMessages(300);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(1, m_owner.Count(OUTBAR_ITEM_LABEL_EDITED));
}

// ---- Owners that destroy the bar ----

TEST_F(OutBarTest, DestroyingTheBarInsideAClickOrADragEndsTheLoop) {
    for (int nCode : {OUTBAR_ITEM_CLICKED, OUTBAR_ITEM_DRAG_STARTED, OUTBAR_ITEM_HOVERED}) {
        SCOPED_TRACE(nCode);
        CQVOutBarCtrl* pBar = new CQVOutBarCtrl;
        CreateBar(*pBar);
        Fill(*pBar, 2, 3);
        pBar->UpdateWindow();
        m_owner.m_answer = [pBar, nCode](const Note& note) -> LRESULT {
            if (note.nCode == nCode) delete pBar;  // window and object go at once
            return 1;
        };
        const CPoint pt = IconCentre(*pBar, 0);
        const HWND hBar = pBar->m_hWnd;
        if (nCode == OUTBAR_ITEM_DRAG_STARTED) PostMouse(hBar, WM_MOUSEMOVE, 3, pt.y, MK_LBUTTON);
        PostMouse(hBar, WM_LBUTTONUP, pt.x, pt.y);
        ::SendMessage(hBar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        EXPECT_FALSE(::IsWindow(hBar));
        m_owner.m_answer = nullptr;
        PumpMessages(300);
    }
}

TEST_F(OutBarTest, DestroyingTheBarInsideARenameReportIsSafe) {
    CQVOutBarCtrl* pBar = new CQVOutBarCtrl;
    CreateBar(*pBar);
    Fill(*pBar, 2, 3);
    m_owner.m_answer = [pBar](const Note& note) -> LRESULT {
        if (note.nCode == OUTBAR_ITEM_LABEL_EDITED) delete pBar;
        return 1;
    };
    pBar->StartItemEdit(1);
    const HWND hEdit = Editor(*pBar);
    ASSERT_NE(hEdit, nullptr);
    ::SetWindowText(hEdit, _T("gone"));
    m_owner.SetFocus();
    PumpMessages(300);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(1, m_owner.Count(OUTBAR_ITEM_LABEL_EDITED));
}
