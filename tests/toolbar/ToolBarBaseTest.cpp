// The classic toolbar through real messages: resources, the measuring font, prompts, clicks, radio
// groups, frames read back from memory surfaces, bad input and a create/destroy soak. The cursor is
// parked over the point first: leave tracking follows the real pointer.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "QVLanResManager.h"
#include "QVSkinResManager.h"
#include "RIZuruzezu.h"

#include <memory>
#include <tuple>
#include <vector>

namespace {

enum : UINT { ID_PLAY = 701, ID_OK = 702 };
const COLORREF kImages[3] = {RGB(250, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
const COLORREF kGrey = RGB(120, 120, 120);

using Sent = std::tuple<UINT, WPARAM, LPARAM>;  // message, wParam, lParam

// The owner: logs the toolbar's prompts, commands and arrow requests.
class COwnerWnd : public CWnd {
public:
    std::vector<Sent> log;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETMESSAGESTRING || message == WM_COMMAND || message == WM_QV_TOOLBARDROPDOWN) {
            log.emplace_back(message, wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ToolBarBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), _T(""), WS_POPUP | WS_VISIBLE,
                                     CRect(0, 0, 480, 80), nullptr, 0));
        m_folder.WriteFile(_T("n.bmp"),
                           riztest::Bmp24(48, 16, riztest::SolidFrames(16, {kImages, kImages + 3})));
        m_folder.WriteFile(_T("d.bmp"),
                           riztest::Bmp24(48, 16, riztest::SolidFrames(16, {kGrey, kGrey, kGrey})));
        const UINT ids[3] = {1, 2, 3};
        m_images.LoadBitmaps(m_folder.Path(_T("n.bmp")), m_folder.Path(_T("d.bmp")), ids, 3,
                             RGB(255, 0, 255));
        m_bar.CreateEx(&m_owner, CRect(0, 0, 10, 10), 100);
        m_bar.SetBitmapList(&m_images);
    }
    void TearDown() override {
        m_bar.DestroyWindow();
        m_owner.DestroyWindow();
        ::SetCursorPos(700, 500);
    }
    // Play, a separator, a "Speed" drop-down, UK and US radios, a separator, a radio, a check box and a
    // disabled push button; cells of 24 so that frames show around the 16-pixel images.
    void AddStudyItems() {
        m_bar.AddItem(TBIT_BUTTON, _T("Play"), _T("Play the lesson"), CSize(24, 24), 0, 1);
        m_bar.AddItem(TBIT_SEPARATOR, nullptr, nullptr, CSize(6, 30), -1, 0);
        m_bar.AddItem(TBIT_DROPDOWN, _T("Speed"), _T("Speed"), CSize(24, 24), 1, 2);
        m_bar.AddItem(TBIT_RADIOBOX, nullptr, _T("UK"), CSize(24, 24), 2, 3);
        m_bar.AddItem(TBIT_RADIOBOX, nullptr, _T("US"), CSize(24, 24), 2, 4);
        m_bar.AddItem(TBIT_SEPARATOR, nullptr, nullptr, CSize(6, 30), -1, 0);
        m_bar.AddItem(TBIT_RADIOBOX, nullptr, _T("Slow"), CSize(24, 24), 0, 5);
        m_bar.AddItem(TBIT_CHECKBOX, nullptr, _T("Loop"), CSize(24, 24), 1, 6);
        m_bar.AddItem(TBIT_BUTTON, nullptr, _T("Record"), CSize(24, 24), 0, 7);
        m_bar.EnableItem(7, FALSE);
        m_bar.ReCalcToolBar();
    }
    void Hover(CPoint pt) {
        CPoint ptScreen = pt;
        m_bar.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        riztest::PostMouse(m_bar, WM_MOUSEMOVE, pt.x, pt.y);
        riztest::PumpUntilIdle();
    }
    // A press at pt released at ptUp (x below 0: at pt).
    void Click(CPoint pt, CPoint ptUp = CPoint(-1, 0)) {
        Hover(pt);
        riztest::PostMouse(m_bar, WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
        riztest::PostMouse(m_bar, WM_LBUTTONUP, ptUp.x < 0 ? pt.x : ptUp.x, ptUp.x < 0 ? pt.y : ptUp.y);
        riztest::PumpUntilIdle();
    }
    CPoint Centre(UINT nID) const { return m_bar.GetItemRect(nID).CenterPoint(); }
    // The items as drawn now, on a white surface.
    std::unique_ptr<riztest::Surface> Draw() {
        auto surface = std::make_unique<riztest::Surface>(480, 40);
        m_bar.DrawItems(CDC::FromHandle(surface->Dc()));
        return surface;
    }
    BOOL Checked(UINT nID) const { return m_bar.GetItem(m_bar.FindItem(nID))->bChecked; }

    riztest::TempFolder m_folder;
    CQVBitmapList m_images;
    COwnerWnd m_owner;
    CQVToolBar m_bar;
};

}  // namespace

TEST_F(ToolBarBaseTest, LoadsButtonsFromAToolBarResourceAndRefusesBadOnes) {
    ASSERT_TRUE(m_bar.LoadToolBar(300));
    ASSERT_EQ(4, m_bar.GetItemCount());
    const ToolBarItem &play = *m_bar.GetItem(0), &sep = *m_bar.GetItem(1), &none = *m_bar.GetItem(3);
    EXPECT_TRUE(play.nType == TBIT_BUTTON && sep.nType == TBIT_SEPARATOR && sep.szImage == CSize(6, 22));
    EXPECT_EQ(CString(_T("OK")), m_bar.GetItem(2)->strText);  // "~IDS_OK" through the language table
    EXPECT_TRUE(none.strText.IsEmpty() && none.strTooltip.IsEmpty() &&
                none.nImage == 2);  // no image for a separator
    // The window takes the row's size, and every item has its tooltip tool.
    const CSize size = m_bar.ReCalcToolBar();
    CRect rc;
    m_bar.GetClientRect(&rc);
    EXPECT_EQ(size, rc.Size());
    CString strTip;
    m_bar.GetToolTipCtrl().GetText(strTip, &m_bar, 1);
    EXPECT_TRUE(strTip == _T("Play the lesson") && m_bar.GetToolTipCtrl().GetToolCount() == 4);

    // A truncated or missing resource leaves the items; NULL or no ids leave none.
    EXPECT_FALSE(m_bar.LoadToolBar(301));
    EXPECT_FALSE(m_bar.LoadToolBar(999));
    EXPECT_EQ(4, m_bar.GetItemCount());
    const UINT ids[2] = {ID_PLAY, ID_OK};
    EXPECT_FALSE(m_bar.SetButtons(nullptr, 2, 16, 16));
    EXPECT_EQ(0, m_bar.GetItemCount());
    EXPECT_TRUE(m_bar.SetButtons(ids, 2, 16, 16));
    EXPECT_FALSE(m_bar.SetButtons(ids, 0, 16, 16));
    EXPECT_EQ(0, m_bar.GetItemCount());
    m_bar.ReCalcToolBar();
    EXPECT_EQ(0, m_bar.GetToolTipCtrl().GetToolCount());
}

TEST_F(ToolBarBaseTest, MeasuresInTenPointSimSunWhateverTheLanguage) {
    m_bar.AddItem(TBIT_BUTTON, _T("Speed Speed Speed"), nullptr, CSize(16, 16), 0, 1);
    m_bar.ReCalcToolBar();
    const CRect rcEnglish = m_bar.GetItemRect(1);
    // The same text in a font made here: 10 points of "宋体" (SimSun) on the screen's resolution.
    HDC hScreen = ::GetDC(NULL);
    HFONT hFont = ::CreateFontW(-::MulDiv(10, ::GetDeviceCaps(hScreen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL,
                                0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"\x5b8b\x4f53");
    HGDIOBJ hOld = ::SelectObject(hScreen, hFont);
    RECT rcText = {0, 0, 0, 0};
    ::DrawTextW(hScreen, L"Speed Speed Speed", -1, &rcText, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(hScreen, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(NULL, hScreen);
    EXPECT_EQ(16 + rcText.right, rcEnglish.Width());

    // Another language changes the drawing font, not the layout.
    CQVLanResManager* pLan = CQVLanResManager::GetSingletonPtr();
    const CString strOld = pLan->GetCurrentLanFile();
    ASSERT_TRUE(pLan->LoadLanguage(pLan->GetLanguageFile(1)));
    m_bar.SetItemText(0, _T("Speed Speed Speed"));
    m_bar.ReCalcToolBar();
    EXPECT_EQ(rcEnglish, m_bar.GetItemRect(1));
    pLan->LoadLanguage(strOld);
}

TEST_F(ToolBarBaseTest, PromptsOncePerChangeAndZeroOnLeave) {
    AddStudyItems();
    Hover(Centre(1));
    Hover(Centre(1) + CPoint(2, 0));                   // the same item: nothing new
    Hover(Centre(2));                                  // straight onto the next one
    Hover(CPoint(m_bar.GetItemRect(2).right + 1, 5));  // the gap after it
    Hover(Centre(3));
    m_bar.SendMessage(WM_MOUSELEAVE);
    m_bar.SendMessage(WM_MOUSELEAVE);  // no second leave without a new entry
    const std::vector<Sent> expected = {{WM_SETMESSAGESTRING, 1, 0},
                                        {WM_SETMESSAGESTRING, 2, 2},
                                        {WM_SETMESSAGESTRING, 0, 0},
                                        {WM_SETMESSAGESTRING, 3, 3},
                                        {WM_SETMESSAGESTRING, 0, 0}};
    EXPECT_EQ(expected, m_owner.log);
}

TEST_F(ToolBarBaseTest, ClicksSendCommandsArrowRequestsAndNothingWhenDisabled) {
    AddStudyItems();
    const CRect rcSpeed = m_bar.GetItemRect(2);
    const struct {
        const char* what;
        CPoint pt;
        std::vector<Sent> sent;
        CPoint ptUp = CPoint(-1, 0);
    } rows[] = {
        {"push", Centre(1), {{WM_COMMAND, 1, 0}}},
        {"drop-down body", CPoint(rcSpeed.right - 17, 10), {{WM_COMMAND, 2, 0}}},
        {"drop-down arrow", CPoint(rcSpeed.right - 16, 10), {{WM_QV_TOOLBARDROPDOWN, 2, 0}}},
        {"drop-down last pixel", CPoint(rcSpeed.right - 1, 26), {{WM_QV_TOOLBARDROPDOWN, 2, 0}}},
        {"disabled", Centre(7), {}},
        {"no item", CPoint(2, 2), {}},
        {"released off the item", Centre(1), {}, CPoint(2, 2)},
        {"released on another item", Centre(1), {{WM_COMMAND, 2, 0}}, CPoint(rcSpeed.left + 2, 10)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Click(r.pt, r.ptUp);
        std::vector<Sent> sent;
        for (const Sent& s : m_owner.log)
            if (std::get<0>(s) != WM_SETMESSAGESTRING) sent.push_back(s);
        EXPECT_EQ(r.sent, sent);
        EXPECT_EQ(-1, m_bar.GetPressItem());
        EXPECT_NE(m_bar.GetSafeHwnd(), ::GetCapture());
        m_owner.log.clear();
    }
}

TEST_F(ToolBarBaseTest, RadioGroupsEndAtSeparatorsAndCheckBoxesToggle) {
    AddStudyItems();
    ASSERT_TRUE(m_bar.SetItemSelected(3));
    ASSERT_TRUE(m_bar.SetItemSelected(5));   // the radio beyond the separator
    EXPECT_FALSE(m_bar.SetItemSelected(3));  // already checked: none left to check
    EXPECT_FALSE(m_bar.SetItemSelected(99));
    Click(Centre(4));
    EXPECT_TRUE(!Checked(3) && Checked(4) && Checked(5));
    Click(Centre(4));  // a checked radio box sends nothing
    Click(Centre(6));
    Click(Centre(6));
    EXPECT_FALSE(Checked(6));
    std::vector<UINT> commands;
    for (const Sent& s : m_owner.log)
        if (std::get<0>(s) == WM_COMMAND) commands.push_back(static_cast<UINT>(std::get<1>(s)));
    EXPECT_EQ(std::vector<UINT>({4, 6, 6}), commands);
    ASSERT_TRUE(m_bar.SetItemSelected(3));  // by id, within the group
    EXPECT_TRUE(Checked(3) && !Checked(4) && Checked(5));
}

TEST_F(ToolBarBaseTest, DrawsHotPressedCheckedAndDisabledLooksInSkinColours) {
    AddStudyItems();
    m_bar.SetItemSelected(5);
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    const COLORREF hotLine = pColors->GetColor(8), pressLine = pColors->GetColor(9);
    const COLORREF hotFill = pColors->GetColor(10), pressFill = QVToolBarPressFill(hotFill);
    const CRect play = m_bar.GetItemRect(1), speed = m_bar.GetItemRect(2), slow = m_bar.GetItemRect(5);
    const CRect rec = m_bar.GetItemRect(7), sep = m_bar.GetItem(1)->rc;
    const COLORREF white = RGB(255, 255, 255);

    auto normal = Draw();
    EXPECT_EQ("", normal->WrongPixels({{play.left, play.top, white},
                                       {play.left + 8, play.top + 12, kImages[0]},  // image 1 in, centred
                                       {slow.left, slow.top, pressLine},  // checked: the pressed look
                                       {slow.left + 20, slow.top + 2, pressFill},
                                       {rec.left + 8, rec.top + 12, kGrey},  // disabled: the second strip
                                       {sep.left + 3, sep.top + 5, RGB(200, 200, 255)},
                                       {speed.right - 8, speed.top + 7, RGB(64, 64, 64)}}));  // the arrow

    Hover(Centre(2));
    auto hot = Draw();
    EXPECT_EQ("", hot->WrongPixels({{speed.left, speed.top, hotLine},
                                    {speed.left + 20, speed.top + 2, hotFill},
                                    {speed.right - 17, speed.top + 5, hotLine},  // between the two frames
                                    {speed.right - 1, speed.bottom - 1, hotLine},
                                    {play.left, play.top, white}}));

    m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Centre(2).x, Centre(2).y));
    auto pressed = Draw();
    EXPECT_EQ("", pressed->WrongPixels(
                      {{speed.left, speed.top, pressLine}, {speed.left + 20, speed.top + 2, pressFill}}));
    m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));

    // Without images buttons and boxes draw nothing; separators still do.
    m_bar.SetBitmapList(nullptr);
    auto bare = Draw();
    EXPECT_FALSE(bare->HasOtherThan(play, white));
    EXPECT_FALSE(bare->HasOtherThan(slow, white));
    EXPECT_EQ("", bare->WrongPixels({{sep.left + 3, sep.top + 5, RGB(200, 200, 255)}}));
}

TEST_F(ToolBarBaseTest, DelItemRemovesFindItemFindsAndBadIndexesChangeNothing) {
    AddStudyItems();
    const int nCount = m_bar.GetItemCount();
    EXPECT_TRUE(m_bar.FindItem(2) == 2 && m_bar.FindItem(42) == -1 && m_bar.GetItemRect(42).IsRectEmpty());
    for (int nBad : {-1, nCount, 1000}) {
        SCOPED_TRACE(nBad);
        EXPECT_FALSE(m_bar.DelItem(nBad) || m_bar.ModifyItem(nBad, TBIT_BUTTON) ||
                     m_bar.SetItemText(nBad, _T("x")) || m_bar.SetItemToolTip(nBad, _T("x")) ||
                     m_bar.GetItem(nBad));
    }
    EXPECT_EQ(nCount, m_bar.GetItemCount());
    ASSERT_TRUE(m_bar.DelItem(0));  // Play goes; the rest moves left after the next layout
    m_bar.ReCalcToolBar();
    EXPECT_TRUE(m_bar.FindItem(1) == -1 && m_bar.FindItem(2) == 1);
    EXPECT_EQ(20, m_bar.GetItemRect(2).left);  // after the separator, now first at 10
    EXPECT_EQ(nCount - 1, m_bar.GetToolTipCtrl().GetToolCount());
}

TEST(ToolBarBase, CreateDestroySoak) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, CRect(0, 0, 300, 60), nullptr, 0));
    riztest::ExpectCyclesLeakNothing([&](int k) {
        CQVToolBar bar;
        bar.CreateEx(&owner, CRect(0, 0, 10, 10), 100 + k % 7);
        bar.AddItem(TBIT_DROPDOWN, _T("Speed"), _T("Speed"), CSize(16, 16), 0, 1);
        bar.AddItem(TBIT_BUTTON, _T("Play"), _T("Play"), CSize(16, 16), 1, 2);
        bar.ReCalcToolBar();
        bar.UpdateWindow();
        bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(12, 8));
        bar.SendMessage(WM_QV_SKINCHANGED);
    });
    owner.DestroyWindow();
}
