// The item toolbar through real messages: layout, clicks, the overflow menu, timers, pixels, records
// and bad input. The cursor is parked over the item first: leave tracking follows the real pointer.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "Watchdog.h"
#include "QVSkinResManager.h"
#include "RIZuruzezu.h"

namespace {

DWORD g_dwNow = 1000;
DWORD FakeNow() {
    return g_dwNow;
}

const COLORREF kBack = RGB(230, 240, 255);
const COLORREF kFrames[6] = {RGB(250, 0, 0),  RGB(0, 200, 0),   RGB(0, 0, 200),
                             RGB(90, 90, 90), RGB(200, 200, 0), RGB(0, 200, 200)};

// The owner: logs commands, 0x9E9 and the overflow menu's opening; a test may act inside any of them.
class CNotifyWnd : public CWnd {
public:
    struct Entry {
        UINT message;
        WPARAM wParam;
        UINT nID;  // command id, dropped item id or overflow entry id
        CString strText;
        DWORD nFlags;
    };
    std::vector<Entry> log;
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;

    int Count(UINT message, WPARAM wParam = ~WPARAM(0)) const {
        return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const Entry& e) {
            return e.message == message && (wParam == ~WPARAM(0) || e.wParam == wParam);
        }));
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND || message == WM_QV_TOOLBARPLUS || message == WM_INITMENUPOPUP) {
            Entry e = {message, wParam, LOWORD(wParam), CString(), 0};
            if (message == WM_QV_TOOLBARPLUS && wParam == TOOLBARPLUS_NOTIFY_DROPDOWN)
                e.nID = static_cast<UINT>(lParam);
            if (message == WM_QV_TOOLBARPLUS && wParam == TOOLBARPLUS_NOTIFY_MOREITEM) {
                const ToolBarPlus_MoreItem* p = reinterpret_cast<ToolBarPlus_MoreItem*>(lParam);
                e = {message, wParam, p->nID, p->strText, p->nFlags};
            }
            if (message == WM_INITMENUPOPUP) {
                // Entries and, as flags, the checked positions.
                const HMENU hMenu = reinterpret_cast<HMENU>(wParam);
                e.nID = ::GetMenuItemCount(hMenu);
                for (UINT n = 0; n < e.nID; ++n)
                    if (::GetMenuState(hMenu, n, MF_BYPOSITION) & MF_CHECKED) e.nFlags |= 1u << n;
            }
            log.push_back(e);
            if (onMessage) onMessage(message, wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

ToolBarPlus_ItemInfo Item(int nType, UINT nID, LPCTSTR lpszText, int cx = 40) {
    ToolBarPlus_ItemInfo info;
    info.nType = nType;
    info.nID = nID;
    info.strText = lpszText;
    info.strTooltip = lpszText;
    info.nMask = TBPIF_SIZENORMAL | TBPIF_SIZESIMPLE;
    info.szNormal = info.szSimple = CSize(cx, 22);
    return info;
}

class ToolBarPlusTest : public ::testing::Test {
protected:
    void SetUp() override {
        QVRegisterWndClass(_T("RizToolBarPlusOwner"), 0, ::LoadCursor(NULL, IDC_ARROW),
                           QVSysColorClassBrush(COLOR_WINDOW));
        ASSERT_TRUE(m_owner.CreateEx(WS_EX_TOPMOST, _T("RizToolBarPlusOwner"), _T(""), WS_POPUP | WS_VISIBLE,
                                     CRect(0, 0, 420, 120), nullptr, 0));
        WriteStrip(_T("push.bmp"), 5);
        WriteStrip(_T("body.bmp"), 6);
        WriteStrip(_T("drop.bmp"), 6);
        g_dwNow = 1000;
        CQVToolBarPlusItem::SetClock(&FakeNow);
    }
    void TearDown() override {
        m_bar.reset();
        m_owner.DestroyWindow();
        CQVToolBarPlusItem::SetClock(nullptr);
        ::SetCursorPos(600, 500);
    }
    void WriteStrip(LPCTSTR lpszName, int nFrames) {
        m_folder.WriteFile(lpszName, riztest::Bmp24(12 * nFrames, 22,
                                                    riztest::SolidFrames(12, {kFrames, kFrames + nFrames})));
    }
    // A toolbar of cx x cy with the test frames and the items, laid out.
    CQVToolBarPlus& Make(int cx, std::vector<ToolBarPlus_ItemInfo> items, int cy = 24) {
        m_bar = std::make_unique<CQVToolBarPlus>();
        EXPECT_TRUE(m_bar->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy), &m_owner, 100));
        m_bar->SetButtonRes(m_folder.Path(_T("push.bmp")));
        m_bar->SetMenuButtonRes(m_folder.Path(_T("body.bmp")), m_folder.Path(_T("drop.bmp")));
        for (ToolBarPlus_ItemInfo& info : items)
            EXPECT_EQ(1, m_bar->MethodAddItem(info));
        m_bar->RecalcLayout();
        return *m_bar;
    }
    HWND Bar() const { return m_bar ? m_bar->GetSafeHwnd() : NULL; }
    CPoint Centre(UINT nID) const { return m_bar->GetItemRect(nID).CenterPoint(); }
    // Parks the cursor over the point and moves there.
    void Hover(CPoint pt) {
        CPoint ptScreen = pt;
        ::ClientToScreen(Bar(), &ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        riztest::PostMouse(Bar(), WM_MOUSEMOVE, pt.x, pt.y);
        riztest::PumpUntilIdle();
    }
    // A click on the point; keys are posted after the press, so that a menu the click opens reads them.
    void Click(CPoint pt, std::initializer_list<UINT> keys = {}) {
        Hover(pt);
        riztest::PostMouse(Bar(), WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
        riztest::PostMouse(Bar(), WM_LBUTTONUP, pt.x, pt.y);
        for (UINT vk : keys)
            riztest::PostKey(Bar(), vk);
        riztest::PumpUntilIdle();
    }
    int Commands(UINT nID) const {
        return static_cast<int>(std::count_if(m_owner.log.begin(), m_owner.log.end(), [&](const auto& e) {
            return e.message == WM_COMMAND && e.nID == nID;
        }));
    }
    BOOL Checked(UINT nID) {
        ToolBarPlus_CheckItem check;
        check.nID = nID;
        m_bar->MethodGetItemChecked(check);
        return check.bChecked;
    }
    ToolBarPlus_GetItem Get(UINT nID, int nIndex = 0) {
        ToolBarPlus_GetItem get;
        get.nID = nID;
        get.nIndex = nIndex;
        get.nMask = 0x3FFFFF;
        m_bar->MethodGetItem(get);
        return get;
    }

    riztest::TempFolder m_folder;
    CNotifyWnd m_owner;
    std::unique_ptr<CQVToolBarPlus> m_bar;
};

// The three lessons toolbar items of 60 and a hidden tail: a checked check, a caption-less push
// listed by its tooltip, a splitter, a disabled push and an invisible one.
std::vector<ToolBarPlus_ItemInfo> OverflowItems() {
    std::vector<ToolBarPlus_ItemInfo> items = {Item(1, 1, _T("Lessons"), 60),   Item(1, 2, _T("Words"), 60),
                                               Item(4, 3, _T("Phonetics"), 60), Item(1, 4, _T(""), 60),
                                               Item(0, 0, _T(""), 6),           Item(1, 5, _T("Record"), 60),
                                               Item(1, 6, _T("Ghost"), 60)};
    items[2].nMask |= TBPIF_CHECKED;
    items[2].bChecked = TRUE;
    items[3].strTooltip = _T("Listen");
    items[5].nMask |= TBPIF_ENABLE;
    items[5].bEnable = FALSE;
    items[6].nMask |= TBPIF_VISIBLE;
    items[6].bVisible = FALSE;
    return items;
}

}  // namespace

TEST_F(ToolBarPlusTest, PlacesItemsAndGivesUnplacedOnesEmptyRectangles) {
    ToolBarPlus_ItemInfo right = Item(1, 9, _T("Settings"), 50);
    right.nMask |= TBPIF_RIGHTALIGN;
    right.bRightAlign = TRUE;
    CQVToolBarPlus& bar = Make(300, {Item(1, 1, _T("Lessons"), 60), right, Item(1, 2, _T("Words"), 60)});
    EXPECT_EQ(CRect(248, 0, 298, 22), bar.GetItemRect(9));
    EXPECT_TRUE(bar.GetItemRect(TOOLBARPLUS_MORE_ID).IsRectEmpty());
    EXPECT_EQ(3, bar.GetToolTipCtrl().GetToolCount());  // not the hidden overflow button

    // Narrowed: Words moves behind the overflow button, 15 wide and as high as the toolbar.
    bar.SetWindowPos(nullptr, 0, 0, 170, 30, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(CRect(64, 0, 79, 30), bar.GetItemRect(TOOLBARPLUS_MORE_ID));
    EXPECT_TRUE(bar.GetItemRect(2).IsRectEmpty());
    EXPECT_TRUE(Get(2).bHidden && !Get(1).bHidden);
    ToolBarPlus_HitTestItem hit;
    hit.pt = CPoint(100, 10);  // where Words was
    EXPECT_EQ(0, bar.MethodHitTestItem(hit));

    // Multi-line rows of 40: Words on the second row, the overflow button gone.
    bar.SetMultiLine(TRUE);
    bar.SetWindowPos(nullptr, 0, 0, 170, 90, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(CRect(2, 40, 62, 62), bar.GetItemRect(2));
    EXPECT_TRUE(bar.GetItemRect(TOOLBARPLUS_MORE_ID).IsRectEmpty() && bar.GetItemRect(12345).IsRectEmpty());
}

namespace {

// Each tool of the tooltip as (rectangle, text), in the tooltip's order.
struct Tool {
    CRect rect;
    CString strText;
    bool operator==(const Tool& other) const { return rect == other.rect && strText == other.strText; }
};
std::vector<Tool> ToolsOf(CToolTipCtrl& tip) {
    std::vector<Tool> tools;
    for (int i = 0; i < tip.GetToolCount(); ++i) {
        TCHAR szText[80] = {};
        TOOLINFO ti = {};
        ti.cbSize = sizeof(ti);
        ti.lpszText = szText;
        if (!tip.SendMessage(TTM_ENUMTOOLS, i, reinterpret_cast<LPARAM>(&ti))) break;
        tools.push_back({ti.rect, szText});
    }
    return tools;
}

// Tools added to or deleted from one tooltip, counted by a hook while it is set.
HWND s_hCountedTip = nullptr;
int s_nToolChanges = 0;
LRESULT CALLBACK CountToolChanges(int nCode, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->hwnd == s_hCountedTip &&
        (pMsg->message == TTM_ADDTOOLA || pMsg->message == TTM_ADDTOOLW || pMsg->message == TTM_DELTOOLA ||
         pMsg->message == TTM_DELTOOLW))
        ++s_nToolChanges;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

}  // namespace

TEST_F(ToolBarPlusTest, TooltipToolsFollowTheItemsThroughLayoutsRenamesAndHiding) {
    CQVToolBarPlus& bar = Make(300, {Item(1, 1, _T("Lessons"), 60), Item(1, 2, _T("Words"), 60)});
    CToolTipCtrl& tip = bar.GetToolTipCtrl();
    const auto shown = [&](LPCTSTR lpszFirst) {
        return std::vector<Tool>{{bar.GetItemRect(1), lpszFirst}, {bar.GetItemRect(2), _T("Words")}};
    };
    EXPECT_EQ(shown(_T("Lessons")), ToolsOf(tip));

    // Wider and renamed: the second tool moves with its item, the first takes the new text.
    const CRect rcWords = bar.GetItemRect(2);
    ToolBarPlus_ItemInfo info = Item(1, 1, _T("Courses"), 90);
    info.nMask = TBPIF_SIZENORMAL | TBPIF_SIZESIMPLE | TBPIF_TOOLTIP;
    ASSERT_EQ(1, bar.MethodModifyItem(info));
    bar.RecalcLayout();
    EXPECT_EQ(rcWords.left + 30, bar.GetItemRect(2).left);
    EXPECT_EQ(shown(_T("Courses")), ToolsOf(tip));

    // Narrowed, Words goes behind the overflow button, which takes a tool; widened, Words has it again.
    bar.SetWindowPos(nullptr, 0, 0, 120, 24, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ((std::vector<Tool>{{bar.GetItemRect(TOOLBARPLUS_MORE_ID), CString(L"更多...")},
                                 {bar.GetItemRect(1), _T("Courses")}}),
              ToolsOf(tip));
    bar.SetWindowPos(nullptr, 0, 0, 300, 24, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(shown(_T("Courses")), ToolsOf(tip));

    // A skin change lays the bar out again with the same tools, none deleted and added again.
    s_hCountedTip = tip.GetSafeHwnd();
    s_nToolChanges = 0;
    HHOOK hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, &CountToolChanges, nullptr, ::GetCurrentThreadId());
    EXPECT_EQ(1, bar.SendMessage(WM_QV_SKINCHANGED));
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(0, s_nToolChanges);
    EXPECT_EQ(shown(_T("Courses")), ToolsOf(tip));
}

TEST_F(ToolBarPlusTest, OverflowMenuAsksTheOwnerPerEntryThenOpens) {
    CQVToolBarPlus& bar = Make(150, OverflowItems());
    ASSERT_EQ(2, bar.GetLastVisible());
    Click(Centre(TOOLBARPLUS_MORE_ID), {VK_ESCAPE});
    ASSERT_EQ(4u, m_owner.log.size());
    const struct {
        UINT nID;
        LPCTSTR text;
        DWORD flags;
    } entries[] = {{3, _T("Phonetics"), 0}, {4, _T("Listen"), 0}, {5, _T("Record"), MF_DISABLED}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(static_cast<UINT>(WM_QV_TOOLBARPLUS), m_owner.log[i].message);
        EXPECT_EQ(entries[i].nID, m_owner.log[i].nID);
        EXPECT_EQ(CString(entries[i].text), m_owner.log[i].strText);
        EXPECT_EQ(entries[i].flags, m_owner.log[i].nFlags);
    }
    // Then the menu opened with three entries, the check entry ticked; Escape chose nothing.
    EXPECT_EQ(static_cast<UINT>(WM_INITMENUPOPUP), m_owner.log[3].message);
    EXPECT_EQ(3u, m_owner.log[3].nID);
    EXPECT_EQ(1u, m_owner.log[3].nFlags);
    EXPECT_EQ(0, m_owner.Count(WM_COMMAND));

    // Down, Enter: the first entry, a hidden check item, is toggled and its command goes on.
    m_owner.log.clear();
    Click(Centre(TOOLBARPLUS_MORE_ID), {VK_DOWN, VK_RETURN});
    EXPECT_EQ(1, Commands(3));
    EXPECT_FALSE(Checked(3));

    // Down, Down, Enter: the entry is appended from the record after the send, with the owner's id.
    m_owner.onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_QV_TOOLBARPLUS && wParam == TOOLBARPLUS_NOTIFY_MOREITEM &&
            reinterpret_cast<ToolBarPlus_MoreItem*>(lParam)->nID == 4)
            reinterpret_cast<ToolBarPlus_MoreItem*>(lParam)->nID = 77;
    };
    m_owner.log.clear();
    Click(Centre(TOOLBARPLUS_MORE_ID), {VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(1, Commands(77));
    EXPECT_EQ(0, Commands(4));
}

TEST_F(ToolBarPlusTest, ClicksDropPartsRadioGroupsAndPressesFromOutside) {
    ToolBarPlus_ItemInfo dict = Item(2, 20, _T("Dictionary"), 70);
    ToolBarPlus_ItemInfo described = Item(2, 21, _T("Notes"), 70);
    described.nMask |= TBPIF_MENU;
    described.strMenu = _T("notes menu");
    CQVToolBarPlus& bar = Make(410, {Item(1, 1, _T("Lessons")), dict, described, Item(4, 4, _T("Show")),
                                     Item(0, 0, _T(""), 6), Item(3, 5, _T("UK")), Item(3, 6, _T("US")),
                                     Item(0, 0, _T(""), 6), Item(3, 7, _T("Slow"))});
    struct Step {
        const char* what;
        UINT nID;
        int dx;  // from the item's right edge; 0 clicks the centre
        UINT command, dropped;
    };
    const Step steps[] = {
        {"push", 1, 0, 1, 0},
        {"menu body", 20, 0, 20, 0},
        {"menu drop part asks the owner", 20, -3, 0, 20},
        {"a described menu does not ask", 21, -3, 0, 0},
        {"check", 4, 0, 4, 0},
        {"radio", 5, 0, 5, 0},
        {"its partner", 6, 0, 6, 0},
        {"radio of the next group", 7, 0, 7, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        m_owner.log.clear();
        const CRect rc = bar.GetItemRect(s.nID);
        Click(s.dx ? CPoint(rc.right + s.dx, rc.CenterPoint().y) : rc.CenterPoint());
        EXPECT_EQ(s.command ? 1 : 0, m_owner.Count(WM_COMMAND));
        EXPECT_EQ(s.command ? 1 : 0, Commands(s.command));
        EXPECT_EQ(s.dropped ? 1 : 0, m_owner.Count(WM_QV_TOOLBARPLUS, TOOLBARPLUS_NOTIFY_DROPDOWN));
        EXPECT_EQ(s.dropped, s.dropped ? m_owner.log.back().nID : 0u);
    }
    // UK was unchecked by US; Slow, beyond the splitter, stayed out of it.
    EXPECT_TRUE(Checked(4));
    EXPECT_FALSE(Checked(5));
    EXPECT_TRUE(Checked(6));
    EXPECT_TRUE(Checked(7));

    // A release whose press started outside, and a quick second click (a double click), add nothing.
    m_owner.log.clear();
    const CPoint pt = Centre(1);
    Hover(pt);
    riztest::PostMouse(Bar(), WM_LBUTTONUP, pt.x, pt.y);
    riztest::PostMouse(Bar(), WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
    riztest::PostMouse(Bar(), WM_LBUTTONUP, pt.x, pt.y);
    riztest::PostMouse(Bar(), WM_LBUTTONDBLCLK, pt.x, pt.y, MK_LBUTTON);
    riztest::PostMouse(Bar(), WM_LBUTTONUP, pt.x, pt.y);
    riztest::PumpUntilIdle();
    EXPECT_EQ(1, Commands(1));
}

TEST_F(ToolBarPlusTest, TimerRunsOnlyWhileSomethingMovesAndFadesBlendTheFrame) {
    CQVToolBarPlus& bar = Make(200, {Item(1, 1, _T(""), 40), Item(1, 2, _T(""), 40)});
    auto tick = [&](int n) {
        for (; n > 0; --n, g_dwNow += 30)
            bar.SendMessage(WM_TIMER, 1);
    };
    EXPECT_FALSE(::KillTimer(Bar(), 1));  // nothing moves
    Hover(Centre(1));
    tick(5);
    // Half way: the hot frame at alpha 0.5 over the background.
    {
        riztest::WindowCapture shot(Bar());
        EXPECT_TRUE(riztest::ColorNear(RGB(115, 220, 128), shot.Pixel(Centre(1).x, Centre(1).y), 12));
        EXPECT_EQ(kBack, shot.Pixel(Centre(2).x, Centre(2).y));
    }
    EXPECT_TRUE(::KillTimer(Bar(), 1));
    tick(8);
    riztest::WindowCapture full(Bar());
    EXPECT_EQ(kFrames[1], full.Pixel(Centre(1).x, Centre(1).y));
    EXPECT_FALSE(::KillTimer(Bar(), 1));  // the last tick found nothing to move and ended the timer

    ToolBarPlus_SparkleItem sparkle = {2, 0, TRUE};
    EXPECT_EQ(1, bar.MethodSparkleItem(sparkle));
    EXPECT_TRUE(::KillTimer(Bar(), 1));
}

TEST_F(ToolBarPlusTest, RecordsReadInsertMoveSortAndChineseCaptions) {
    ToolBarPlus_ItemInfo a = Item(4, 1, _T("词典"));
    a.nMask |= TBPIF_SORTKEY | TBPIF_VALUE | TBPIF_STRVALUE | TBPIF_CHECKED;
    a.nSortKey = 30;
    a.nValue = 7;
    a.strValue = _T("seven");
    a.bChecked = a.bAutoWidth = TRUE;
    ToolBarPlus_ItemInfo b = Item(1, 2, _T("B"));
    b.nMask |= TBPIF_SORTKEY;
    b.nSortKey = 10;
    CQVToolBarPlus& bar = Make(300, {a, b});
    const ToolBarPlus_GetItem got = Get(1);
    EXPECT_EQ(1, got.nIndex);
    EXPECT_EQ(CString(L"词典"), got.strText);
    // Auto width: two ideographs in the 9-point face are wider than the icon room (18 + 6) alone.
    EXPECT_GT(got.rc.right - got.rc.left, 24 + 12);
    EXPECT_TRUE(got.strValue == _T("seven") && got.nSortKey == 30 && got.nValue == 7);
    EXPECT_TRUE(got.bChecked && got.bEnable && got.bVisible && !got.bHidden && !got.bSparkle);
    EXPECT_EQ(CString(L"更多..."), Get(0, 0).strTooltip);
    riztest::WindowCapture shot(Bar());
    EXPECT_TRUE(shot.HasOtherThan(bar.GetItemRect(1), kBack));  // the caption is drawn

    auto order = [&]() {
        CString s;
        for (int i = 1; i < bar.GetItemCount(); ++i)
            s.AppendFormat(_T("%d"), bar.GetItem(i)->GetID());
        return s;
    };
    ToolBarPlus_ItemInfo c = Item(1, 3, _T("C")), d = Item(1, 4, _T("D"));
    c.nMask |= TBPIF_SORTKEY;
    c.nSortKey = 20;
    d.nMask |= TBPIF_INDEX;
    d.nIndex = 1;
    EXPECT_EQ(1, bar.MethodInsertItem(c));  // before the first key >= 20
    EXPECT_EQ(1, bar.MethodInsertItem(d));
    EXPECT_EQ(CString(_T("4312")), order());
    ToolBarPlus_MoveItem move = {4, 0, TRUE};
    EXPECT_EQ(1, bar.MethodMoveItem(move));
    EXPECT_EQ(CString(_T("3412")), order());
    EXPECT_EQ(bar.GetItemRect(3).right + 2, bar.GetItemRect(4).left);  // laid out again
    EXPECT_EQ(1, bar.MethodSort());                                    // keys 20, -1024, 30, 10
    EXPECT_EQ(CString(_T("4231")), order());
}

TEST_F(ToolBarPlusTest, SkinMessageReloadsOwnImagesAndMissingFramesStillDrawCaptions) {
    CQVToolBarPlus& bar = Make(200, {Item(1, 1, _T("Lessons"), 80)});
    bar.SetButtonRes(_T("no such frame.png"));
    Hover(Centre(1));
    riztest::WindowCapture shot(Bar());
    EXPECT_TRUE(shot.HasOtherThan(bar.GetItemRect(1), kBack));

    // The overflow arrow comes with the shipped skin; a skin without it leaves the button without an
    // icon after the skin message, and the shipped one gives it back.
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    const CString strDefault = pSkins->GetCurrentSkinPath();
    EXPECT_TRUE(bar.GetItem(0)->GetIcon().IsLoaded());
    m_folder.WriteFile(_T("bare\\skin.ini"), "[Window]\r\n");
    ASSERT_TRUE(pSkins->LoadSkin(m_folder.Path(_T("bare"))));
    EXPECT_EQ(1, bar.SendMessage(WM_QV_SKINCHANGED));
    EXPECT_FALSE(bar.GetItem(0)->GetIcon().IsLoaded());
    ASSERT_TRUE(pSkins->LoadSkin(strDefault));
    EXPECT_EQ(1, bar.SendMessage(WM_QV_SKINCHANGED));
    EXPECT_TRUE(bar.GetItem(0)->GetIcon().IsLoaded());
}

TEST_F(ToolBarPlusTest, BadInputLeavesTheToolbarWhole) {
    m_folder.WriteFile(_T("corrupt.png"), "not an image at all");
    const CString strBig(_T('W'), 100000);
    struct Case {
        const char* what;
        std::function<int(CQVToolBarPlus&)> call;
        int result, count;  // what the call answers and the item count after it (-1: not checked)
    };
    auto del = [](UINT nID, int nIndex) {
        return [=](CQVToolBarPlus& bar) {
            ToolBarPlus_DelItem d = {nID, nIndex};
            return bar.MethodDelItem(d);
        };
    };
    auto add = [](ToolBarPlus_ItemInfo info) {
        return [=](CQVToolBarPlus& bar) mutable { return bar.MethodAddItem(info); };
    };
    ToolBarPlus_ItemInfo unknown = Item(-1, 9, _T("?")), negative = Item(1, 9, _T("neg"), -30);
    negative.nMaxWidth = -5;
    negative.bAutoWidth = TRUE;
    ToolBarPlus_ItemInfo big = Item(1, 9, strBig), missing = Item(1, 9, _T("icon"));
    big.bAutoWidth = TRUE;
    missing.strIcon = m_folder.Path(_T("missing.png"));
    ToolBarPlus_ItemInfo corrupt = missing, zeroFrames = missing;
    corrupt.strIcon = m_folder.Path(_T("corrupt.png"));
    zeroFrames.strIcon = m_folder.Path(_T("push.bmp"));
    zeroFrames.nIconStates = 0;
    const Case cases[] = {
        {"unknown kind", add(unknown), 0, 3},
        {"delete index 0", del(0, 0), 1, 3},
        {"delete index -1, count and INT_MAX",
         [&](CQVToolBarPlus& bar) { return del(0, -1)(bar) + del(0, 3)(bar) + del(0, INT_MAX)(bar); }, 3, 3},
        {"delete the overflow button by id", del(TOOLBARPLUS_MORE_ID, 0), 1, 3},
        {"delete an unknown id", del(999, 0), 1, 3},
        {"delete a duplicated id: the first only", del(1, 0), 1, 2},
        {"modify the overflow caption",
         [](CQVToolBarPlus& bar) {
             ToolBarPlus_ItemInfo m = Item(1, TOOLBARPLUS_MORE_ID, _T("mine"));
             m.nMask = TBPIF_TEXT;
             bar.MethodModifyItem(m);
             return bar.GetItem(0)->GetText().IsEmpty() ? 1 : 0;
         },
         1, 3},
        {"move slot 0",
         [](CQVToolBarPlus& bar) {
             ToolBarPlus_MoveItem m = {0, 0, TRUE};
             return bar.MethodMoveItem(m) + (bar.GetItem(0)->GetID() == TOOLBARPLUS_MORE_ID ? 10 : 0);
         },
         10, 3},
        {"sparkle and check by index 0",
         [](CQVToolBarPlus& bar) {
             ToolBarPlus_SparkleItem s = {0, 0, TRUE};
             ToolBarPlus_CheckItem c = {0, 0, TRUE};
             return bar.MethodSparkleItem(s) + bar.MethodSetItemChecked(c);
         },
         0, 3},
        {"negative size and maximum", add(negative), 1, 4},
        {"100 KB caption", add(big), 1, 4},
        {"missing icon", add(missing), 1, 4},
        {"corrupt icon", add(corrupt), 1, 4},
        {"icon of 0 frames", add(zeroFrames), 1, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CQVToolBarPlus& bar = Make(200, {Item(1, 1, _T("one")), Item(4, 1, _T("twin"))});
        EXPECT_EQ(c.result, c.call(bar));
        EXPECT_EQ(c.count, bar.GetItemCount());
        bar.RecalcLayout();
        EXPECT_EQ(TOOLBARPLUS_MORE_ID, bar.GetItem(0)->GetID());
        Hover(CPoint(30, 10));
        bar.SendMessage(WM_TIMER, 1);
        bar.UpdateWindow();
        const CRect rcLast = bar.GetItemRect(9);
        EXPECT_TRUE(rcLast.IsRectEmpty() || (rcLast.Width() >= 0 && rcLast.right <= 198));
    }
    // Tiny toolbars and 100,000 items: everything hidden behind the overflow button, or nothing shows.
    for (int cx : {0, 3}) {
        CQVToolBarPlus& bar = Make(cx, {Item(1, 1, _T("one"))}, cx);
        EXPECT_EQ(0, bar.GetLastVisible());
        bar.UpdateWindow();
    }
    CQVToolBarPlus& bar = Make(200, {});
    ToolBarPlus_ItemInfo many = Item(1, 1, _T("item"));
    for (int i = 0; i < 100000; ++i)
        bar.MethodAddItem(many);
    bar.RecalcLayout();
    EXPECT_EQ(100001, bar.GetItemCount());
    EXPECT_EQ(4, bar.GetLastVisible());  // four of 40 and the button
    EXPECT_TRUE(Get(0, 50000).bHidden);
}

TEST_F(ToolBarPlusTest, OwnerMayDeleteItemsOrTheToolbarInsideAnyNotification) {
    enum What { Clicked, All, Toolbar };
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
        What what2;
        UINT nClickID;
    };
    const Case cases[] = {
        {"clicked item in WM_COMMAND", WM_COMMAND, 1, Clicked, 1},
        {"all items in WM_COMMAND", WM_COMMAND, 1, All, 1},
        {"the toolbar in WM_COMMAND", WM_COMMAND, 1, Toolbar, 1},
        {"clicked item in the drop request", WM_QV_TOOLBARPLUS, 1, Clicked, 20},
        {"the toolbar in the drop request", WM_QV_TOOLBARPLUS, 1, Toolbar, 20},
        {"all items while the menu is built", WM_QV_TOOLBARPLUS, 2, All, TOOLBARPLUS_MORE_ID},
        {"the toolbar while the menu is built", WM_QV_TOOLBARPLUS, 2, Toolbar, TOOLBARPLUS_MORE_ID},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<ToolBarPlus_ItemInfo> items = OverflowItems();
        items[1] = Item(2, 20, _T("Dictionary"), 60);
        Make(150, items);
        m_owner.log.clear();
        m_owner.onMessage = [&](UINT message, WPARAM wParam, LPARAM) {
            if (message != c.message || (message == WM_QV_TOOLBARPLUS && wParam != c.wParam) || !m_bar)
                return;
            if (c.what2 == Toolbar) {
                m_bar.reset();
                return;
            }
            ToolBarPlus_DelItem d = {c.what2 == Clicked ? c.nClickID : 0, 1};
            do
                m_bar->MethodDelItem(d);
            while (c.what2 == All && m_bar->GetItemCount() > 1);
        };
        const CRect rc = m_bar->GetItemRect(c.nClickID);
        Click(c.nClickID == 20 ? CPoint(rc.right - 3, rc.CenterPoint().y) : rc.CenterPoint(), {VK_ESCAPE});
        m_owner.onMessage = nullptr;
        EXPECT_GE(m_owner.log.size(), 1u);
        if (c.what2 == Toolbar) {
            EXPECT_FALSE(m_bar);
            continue;
        }
        ASSERT_TRUE(m_bar);
        m_bar->UpdateWindow();
        m_bar->SendMessage(WM_TIMER, 1);
        Hover(CPoint(30, 10));
        EXPECT_EQ(TOOLBARPLUS_MORE_ID, m_bar->GetItem(0)->GetID());
    }
}

TEST_F(ToolBarPlusTest, AnimatedItemDeletedBetweenTicksOrWithoutLayout) {
    CQVToolBarPlus& bar = Make(150, OverflowItems());
    ToolBarPlus_SparkleItem sparkle = {1, 0, TRUE};
    bar.MethodSparkleItem(sparkle);
    sparkle.nID = 5;  // hidden: the overflow button sparkles for it
    bar.MethodSparkleItem(sparkle);
    EXPECT_TRUE(bar.GetItem(0)->IsSparkle());
    Hover(Centre(2));
    bar.SendMessage(WM_TIMER, 1);
    for (UINT nID : {1u, 2u, 5u}) {
        ToolBarPlus_DelItem d = {nID, 0};
        bar.MethodDelItem(d);
        bar.SendMessage(WM_TIMER, 1);
        bar.RedrawWindow();
        Hover(CPoint(70, 10));
    }
    EXPECT_EQ(5, bar.GetItemCount());
    bar.RecalcLayout();
    EXPECT_FALSE(bar.GetItem(0)->IsSparkle());  // no hidden item sparkles any more
}

TEST_F(ToolBarPlusTest, CreateAndDestroyWithFadesAndSparklesSoak) {
    riztest::ExpectCyclesLeakNothing([&](int k) {
        CQVToolBarPlus& bar = Make(120 + k % 7, OverflowItems());
        ToolBarPlus_SparkleItem sparkle = {static_cast<UINT>(1 + k % 5), 0, TRUE};
        bar.MethodSparkleItem(sparkle);
        riztest::PostMouse(Bar(), WM_MOUSEMOVE, 10 + k % 50, 10);
        riztest::PumpUntilIdle();
        bar.SendMessage(WM_TIMER, 1);
        bar.UpdateWindow();
        m_bar.reset();
    });
}
