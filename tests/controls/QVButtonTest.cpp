// CQVButton's behaviour through real messages: the kind taken at subclassing, clicks and the space bar
// with the parent's BN_CLICKED, the button's own check state, radio groups, hover tracking, sizes,
// tooltips, skin and language changes, and no leaks.
#include "QVButtonFixture.h"

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "TranslateStrings.h"

using namespace qvbtest;
using riztest::PostClick;
using riztest::PostKey;
using riztest::PostMouse;

namespace {

constexpr UINT kCreatedId = 401;

int ButtonTypeBits(const CWnd& wnd) {
    return static_cast<int>(wnd.GetStyle() & BS_TYPEMASK);
}

// The check state the system's own button procedure keeps, under the one CQVButton answers.
LRESULT SystemCheck(const CQVButton& button) {
    return ::CallWindowProc(button.m_pfnSuper, button.m_hWnd, BM_GETCHECK, 0, 0);
}

}  // namespace

// ---- Kinds ----

TEST_F(ButtonTest, SubclassingTakesTheKindFromTheStyleAndTheSkinFlags) {
    const struct {
        UINT nID;
        QVButtonType nSkinned, nPlain;  // with the skin's flags, and without them
    } rows[] = {
        {IDC_QVBTN_SEND, QVBT_IMAGE_TEXT, QVBT_COMMON},
        {IDC_QVBTN_REMEMBER, QVBT_CHECKBOX_SKIN, QVBT_CHECKBOX},  // BS_AUTOCHECKBOX
        {IDC_QVBTN_LARGE, QVBT_CHECKBOX_SKIN, QVBT_CHECKBOX},     // BS_CHECKBOX
        {IDC_QVBTN_BEGINNER, QVBT_RADIO_SKIN, QVBT_RADIO},        // BS_AUTORADIOBUTTON
        {IDC_QVBTN_ADVANCED, QVBT_RADIO_SKIN, QVBT_RADIO},        // BS_RADIOBUTTON
    };
    for (bool bSkinned : {true, false}) {
        if (!bSkinned) {
            // A fresh dialog under a skin without the flags.
            m_dlg.DestroyWindow();
            TestSkin plain;
            plain.nSkinPush = plain.nSkinCheck = plain.nSkinRadio = 0;
            ASSERT_TRUE(LoadSkin(plain));
            ASSERT_TRUE(m_dlg.Create());
        }
        for (const auto& r : rows) {
            SCOPED_TRACE(testing::Message() << (bSkinned ? "skinned " : "plain ") << r.nID);
            CQVButton button;
            Subclass(button, r.nID);
            EXPECT_EQ(bSkinned ? r.nSkinned : r.nPlain, button.GetButtonType());
            EXPECT_EQ(BS_OWNERDRAW, ButtonTypeBits(button));
            EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CButton)));
            EXPECT_STREQ("CQVButton", button.GetRuntimeClass()->m_lpszClassName);
            button.UnsubclassWindow();
        }
    }
}

TEST_F(ButtonTest, AKindChosenBeforeSubclassingStaysForPushButtons) {
    CQVButton send, remember;
    send.SetButtonType(QVBT_IMAGE, FALSE);
    remember.SetButtonType(QVBT_IMAGE, FALSE);
    Subclass(send, IDC_QVBTN_SEND);
    Subclass(remember, IDC_QVBTN_REMEMBER);
    EXPECT_EQ(QVBT_IMAGE, send.GetButtonType());
    EXPECT_EQ(QVBT_CHECKBOX_SKIN, remember.GetButtonType());  // the style decides for check boxes
}

TEST_F(ButtonTest, CreateRunsTheSameStepsAsSubclassing) {
    CQVButton check;
    ASSERT_TRUE(check.Create(_T("Play audio"), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                             CRect(10, 200, 150, 220), &m_dlg, kCreatedId));
    EXPECT_EQ(QVBT_CHECKBOX_SKIN, check.GetButtonType());
    EXPECT_EQ(BS_OWNERDRAW, ButtonTypeBits(check));
    CQVButton push;
    ASSERT_TRUE(push.Create(_T("Send file"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 230, 150, 240),
                            &m_dlg, kCreatedId + 1));
    // The skin's push-button height wins over the rectangle given (set again at WM_CREATE).
    CRect rc;
    push.GetWindowRect(&rc);
    EXPECT_EQ(26, rc.Height());
    EXPECT_EQ(140, rc.Width());
}

// ---- Check state ----

TEST_F(ButtonTest, SubclassingReadsTheSystemCheckState) {
    m_dlg.CheckDlgButton(IDC_QVBTN_REMEMBER, BST_CHECKED);
    CQVButton remember, large;
    Subclass(remember, IDC_QVBTN_REMEMBER);
    Subclass(large, IDC_QVBTN_LARGE);
    EXPECT_EQ(BST_CHECKED, remember.GetCheck());
    EXPECT_EQ(BST_UNCHECKED, large.GetCheck());
}

// An act of a row on one button: posted input, or SetCheck with the value given.
enum CheckAct { ACT_CLICK, ACT_SPACE, ACT_KEYUP_ONLY, ACT_RETURN_KEY, ACT_MOUSEUP_ONLY, ACT_SET };

TEST_F(ButtonTest, ClicksKeysAndSetCheckChangeTheButtonsOwnStateAndNotifyTheParent) {
    const UINT kRemember = IDC_QVBTN_REMEMBER, kLarge = IDC_QVBTN_LARGE, kBeginner = IDC_QVBTN_BEGINNER;
    struct Step {
        CheckAct act;
        UINT nID;
        int nValue;   // for ACT_SET
        int nCheck;   // GetCheck after the act
        int nClicks;  // BN_CLICKED of the button so far in the row
    };
    // clang-format off
    const struct {
        const char* pszWhat;
        std::vector<Step> steps;
    } rows[] = {
        {"a click toggles, the parent sees the new state", {{ACT_CLICK, kRemember, 0, 1, 1}, {ACT_CLICK, kRemember, 0, 0, 2}}},
        {"a non-automatic check box keeps the state itself", {{ACT_CLICK, kLarge, 0, 1, 1}}},
        {"a radio button is checked by its click", {{ACT_CLICK, kBeginner, 0, 1, 1}}},
        {"the space bar toggles on key-up, alone too but without a click; other keys do nothing",
         {{ACT_SPACE, kRemember, 0, 1, 1}, {ACT_KEYUP_ONLY, kRemember, 0, 0, 1},
          {ACT_RETURN_KEY, kRemember, 0, 0, 1}}},
        {"a mouse up without its mouse down", {{ACT_MOUSEUP_ONLY, kRemember, 0, 0, 0}}},
        {"SetCheck 2 counts as checked, other values uncheck",
         {{ACT_SET, kRemember, BST_INDETERMINATE, 1, 0}, {ACT_SET, kRemember, BST_UNCHECKED, 0, 0},
          {ACT_SET, kRemember, BST_CHECKED, 1, 0}, {ACT_SET, kRemember, 7, 0, 0}}},
        {"an indeterminate button toggles to unchecked",
         {{ACT_SET, kRemember, BST_INDETERMINATE, 1, 0}, {ACT_CLICK, kRemember, 0, 0, 1}}},
    };
    // clang-format on
    std::map<UINT, CQVButton> buttons;
    for (UINT nID : {kRemember, kLarge, kBeginner})
        Subclass(buttons[nID], nID);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.pszWhat);
        std::map<UINT, int> clicks;
        for (auto& entry : buttons) {
            entry.second.SetCheck(BST_UNCHECKED);
            clicks[entry.first] = Clicks(entry.first);
        }
        for (const Step& step : r.steps) {
            CQVButton& button = buttons[step.nID];
            switch (step.act) {
            case ACT_CLICK:
                PostClick(button, 5, 5);
                break;
            case ACT_SPACE:
                button.SetFocus();
                PostKey(button, VK_SPACE);
                break;
            case ACT_KEYUP_ONLY:
                button.PostMessage(WM_KEYUP, VK_SPACE, 0xC0000001);
                break;
            case ACT_RETURN_KEY:
                PostKey(button, VK_RETURN);
                break;
            case ACT_MOUSEUP_ONLY:
                PostMouse(button, WM_LBUTTONUP, 5, 5);
                break;
            case ACT_SET:
                button.SetCheck(step.nValue);
                break;
            }
            Pump();
            EXPECT_EQ(step.nCheck, button.GetCheck());
            EXPECT_EQ(step.nClicks, Clicks(step.nID) - clicks[step.nID]);
            if (step.act == ACT_CLICK || step.act == ACT_SPACE) {
                EXPECT_EQ(step.nCheck, CheckAtLastClick(step.nID));
            }
            // The system's own check state is left alone.
            EXPECT_EQ(BST_UNCHECKED, SystemCheck(button));
        }
    }
}

// ---- Radio groups ----

// The "Level" group: Beginner, Intermediate, Advanced (a BS_RADIOBUTTON), a static text, Expert and the
// plain Details button, which ends the group; "Status": Online, Away.
class RadioGroupTest : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        for (int i = 0; i < 6; ++i)
            Subclass(m_radios[i], kRadioIds[i]);
    }
    CQVButton& Radio(UINT nID) {
        for (int i = 0; i < 6; ++i)
            if (kRadioIds[i] == nID) return m_radios[i];
        return m_radios[0];
    }
    static constexpr UINT kRadioIds[6] = {IDC_QVBTN_BEGINNER, IDC_QVBTN_MIDDLE, IDC_QVBTN_ADVANCED,
                                          IDC_QVBTN_EXPERT,   IDC_QVBTN_ONLINE, IDC_QVBTN_AWAY};
    CQVButton m_radios[6];
};
constexpr UINT RadioGroupTest::kRadioIds[6];

// An act of a row: a click, the space bar, or SetCheck with a BST_ value.
enum RadioAct { SET_UNCHECKED = BST_UNCHECKED, SET_INDETERMINATE = BST_INDETERMINATE, CLICK = 10, SPACE };
constexpr UINT kBeginner = IDC_QVBTN_BEGINNER, kMiddle = IDC_QVBTN_MIDDLE, kAdvanced = IDC_QVBTN_ADVANCED,
               kExpert = IDC_QVBTN_EXPERT, kOnline = IDC_QVBTN_ONLINE;

TEST_F(RadioGroupTest, ClicksAndSetCheckClearTheRestOfTheGroupBothWaysUpToItsEnds) {
    const struct {
        const char* pszName;
        std::vector<UINT> before;  // checked in this order with SetCheck
        std::vector<std::pair<RadioAct, UINT>> acts;
        std::vector<UINT> after;  // the checked ones
    } rows[] = {
        {"forwards, the other group kept", {kAdvanced, kOnline}, {{CLICK, kBeginner}}, {kBeginner, kOnline}},
        // A BS_RADIOBUTTON: no automatic behaviour of the system.
        {"backwards", {kBeginner}, {{CLICK, kAdvanced}}, {kAdvanced}},
        {"checked again", {}, {{CLICK, kMiddle}, {CLICK, kMiddle}, {SPACE, kMiddle}}, {kMiddle}},
        // The static text before Expert and the plain Details button after it end the walk.
        {"stops at a static text", {kExpert}, {{CLICK, kBeginner}}, {kBeginner, kExpert}},
        {"stops at a plain button", {kBeginner}, {{CLICK, kExpert}}, {kBeginner, kExpert}},
        {"SetCheck 2", {kMiddle}, {{SET_INDETERMINATE, kAdvanced}}, {kAdvanced}},
        {"SetCheck 0", {kMiddle}, {{SET_UNCHECKED, kBeginner}}, {kMiddle}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.pszName);
        for (CQVButton& radio : m_radios)
            radio.SetCheck(BST_UNCHECKED);
        for (UINT nID : r.before)
            Radio(nID).SetCheck(BST_CHECKED);
        std::map<UINT, int> clicks;
        for (UINT nID : kRadioIds)
            clicks[nID] = Clicks(nID);
        for (const auto& act : r.acts) {
            CQVButton& radio = Radio(act.second);
            if (act.first == CLICK) {
                PostClick(radio, 5, 5);
                ++clicks[act.second];
            } else if (act.first == SPACE) {
                PostKey(radio, VK_SPACE);
                ++clicks[act.second];
            } else {
                radio.SetCheck(act.first);
            }
            Pump();
        }
        for (UINT nID : kRadioIds) {
            const bool bChecked = std::find(r.after.begin(), r.after.end(), nID) != r.after.end();
            EXPECT_EQ(bChecked ? BST_CHECKED : BST_UNCHECKED, Radio(nID).GetCheck()) << nID;
            EXPECT_EQ(clicks[nID], Clicks(nID)) << nID;
        }
    }
}

TEST_F(RadioGroupTest, TheWalkGoesOnThroughCQVButtonsThatAreNotRadioButtons) {
    CQVButton details;
    Subclass(details, IDC_QVBTN_DETAILS);
    details.SendMessage(BM_SETCHECK, BST_CHECKED);  // a push button keeps a check state too
    Radio(IDC_QVBTN_EXPERT).SetCheck(BST_CHECKED);
    PostClick(Radio(IDC_QVBTN_BEGINNER), 5, 5);  // backwards: Details (skipped), then Expert
    Pump();
    EXPECT_EQ(BST_UNCHECKED, Radio(IDC_QVBTN_EXPERT).GetCheck());
    EXPECT_EQ(BST_CHECKED, details.GetCheck());
}

TEST_F(RadioGroupTest, ADisabledOrHiddenRadioButtonStillClearsItsGroup) {
    CQVButton& middle = Radio(IDC_QVBTN_MIDDLE);
    middle.EnableWindow(FALSE);
    Radio(IDC_QVBTN_BEGINNER).SetCheck(BST_CHECKED);
    middle.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_UNCHECKED, Radio(IDC_QVBTN_BEGINNER).GetCheck());
    middle.ShowWindow(SW_HIDE);
    Radio(IDC_QVBTN_ADVANCED).SetCheck(BST_CHECKED);
    middle.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_UNCHECKED, Radio(IDC_QVBTN_ADVANCED).GetCheck());
}

// ---- Hover ----

TEST_F(ButtonTest, HoverStartsOnEntryAndEndsWithTheMouseLeaveMessage) {
    TestSkin plain;
    plain.nSkinPush = 0;
    ASSERT_TRUE(LoadSkin(plain));
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    auto brushAt = [&] {
        riztest::WindowCapture shot(send);
        return shot.Pixel(4, 4);
    };
    ASSERT_TRUE(riztest::ColorNear(0xFFC0C0, brushAt(), 2));  // normal brush
    // Twice: a new entry after a leave tracks again.
    for (int nEntry = 0; nEntry < 2; ++nEntry) {
        SCOPED_TRACE(nEntry);
        PostMouse(send, WM_MOUSEMOVE, 6 + nEntry, 6);
        Pump();
        EXPECT_TRUE(riztest::ColorNear(0xC0FFFF, brushAt(), 2));  // hover brush
        // More moves inside change nothing; the leave message ends the hover.
        PostMouse(send, WM_MOUSEMOVE, 3, 3);
        Pump();
        EXPECT_TRUE(riztest::ColorNear(0xC0FFFF, brushAt(), 2));
        send.PostMessage(WM_MOUSELEAVE);
        Pump();
        EXPECT_TRUE(riztest::ColorNear(0xFFC0C0, brushAt(), 2));
    }
}

// ---- Sizes ----

TEST_F(ButtonTest, SetIconBeforeTheWindowExistsSizesTheButtonAtCreate) {
    CQVButton button;
    HICON hIcon = riztest::SolidIcon(24, RGB(30, 90, 200));
    button.SetIcon(hIcon, CSize(24, 24), QVBIA_TOP);
    EXPECT_EQ(QVBT_ICON, button.GetButtonType());
    ASSERT_TRUE(button.Create(_T("Open"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 200, 110, 250),
                              &m_dlg, kCreatedId));
    CRect rc = RectInDialog(button);
    EXPECT_EQ(CRect(10, 200, 38, 228), rc);
    EXPECT_EQ(hIcon, button.GetIcon());
}

TEST_F(ButtonTest, AnIconAndTextButtonGrowsByTheTextWidth) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    const CRect rcBefore = RectInDialog(send);
    send.SetIcon(riztest::SolidIcon(16, RGB(30, 90, 200)), CSize(16, 16));
    EXPECT_EQ(CRect(rcBefore.TopLeft(), CSize(20, 20)), RectInDialog(send));
    send.SetButtonType(QVBT_ICON_TEXT);
    send.AdjustControlRect();
    CClientDC dc(&send);
    CRect rcText(0, 0, 100, 20);
    dc.DrawText(CString(_T("Send file")), &rcText, DT_CALCRECT | DT_SINGLELINE);
    ASSERT_GT(rcText.Width(), 10);
    EXPECT_EQ(CSize(20 + rcText.Width() + 4, 20), RectInDialog(send).Size());
    // Without text only the icon counts.
    send.SetWindowText(_T(""));
    send.AdjustControlRect();
    EXPECT_EQ(CSize(20, 20), RectInDialog(send).Size());
}

TEST_F(ButtonTest, SizesFollowTheKind) {
    CQVButton send, start, remember;
    Subclass(send, IDC_QVBTN_SEND);
    Subclass(start, IDC_QVBTN_START);
    Subclass(remember, IDC_QVBTN_REMEMBER);
    const CRect rcRemember = RectInDialog(remember);
    EXPECT_EQ(26, RectInDialog(send).Height());
    // Only the size changes, never the place.
    const CRect rcStart = RectInDialog(start);
    start.SetButtonType(QVBT_COMMON, FALSE);
    start.SetWindowPos(NULL, 0, 0, 90, 33, SWP_NOMOVE | SWP_NOZORDER);
    start.AdjustControlRect();
    EXPECT_EQ(CRect(rcStart.TopLeft(), CSize(90, 33)), RectInDialog(start));
    remember.AdjustControlRect();
    EXPECT_EQ(rcRemember, RectInDialog(remember));
    // A private image: one of its three frames.
    EXPECT_TRUE(start.SetBitmapFile(WritePrivateImage(m_folder)));
    EXPECT_EQ(QVBT_PRIVATE_IMAGE, start.GetButtonType());
    EXPECT_EQ(CRect(rcStart.TopLeft(), CSize(40, 20)), RectInDialog(start));
    EXPECT_FALSE(send.SetBitmapFile(m_folder.Path(_T("missing.bmp"))));
    EXPECT_EQ(QVBT_PRIVATE_IMAGE, send.GetButtonType());
}

TEST_F(ButtonTest, TheButtonOwnsItsIcon) {
    HICON hFirst = riztest::SolidIcon(16, RGB(200, 0, 0));
    HICON hSecond = riztest::SolidIcon(16, RGB(0, 200, 0));
    ICONINFO ii = {};
    {
        CQVButton button;
        button.SetIcon(hFirst, CSize(16, 16));
        button.SetIcon(hSecond, CSize(16, 16));
        EXPECT_FALSE(::GetIconInfo(hFirst, &ii));  // replaced: destroyed
        ASSERT_TRUE(::GetIconInfo(hSecond, &ii));
        ::DeleteObject(ii.hbmColor);
        ::DeleteObject(ii.hbmMask);
    }
    EXPECT_FALSE(::GetIconInfo(hSecond, &ii));
}

// ---- Tooltips ----

TEST_F(ButtonTest, SetToolTipCreatesTheTooltipOnceAndAddsOneToolPerCall) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    EXPECT_EQ(NULL, send.GetToolTipCtrl().GetSafeHwnd());
    send.SetToolTip(_T("Send a file to Li Lei"));
    const HWND hTip = send.GetToolTipCtrl().GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(hTip));
    EXPECT_TRUE(::GetWindowLong(hTip, GWL_STYLE) & TTS_ALWAYSTIP);
    EXPECT_EQ(1, send.GetToolTipCtrl().GetToolCount());
    send.SetToolTip(_T("Up to 2 GB"));
    EXPECT_EQ(hTip, send.GetToolTipCtrl().GetSafeHwnd());
    EXPECT_EQ(2, send.GetToolTipCtrl().GetToolCount());
    CString strText;
    send.GetToolTipCtrl().GetText(strText, &send);
    EXPECT_EQ(CString(_T("Send a file to Li Lei")), strText);
}

namespace {

// Counts the mouse messages relayed to a tooltip window, then lets the tooltip handle them.
WNDPROC g_pfnTipProc = nullptr;
int g_nRelayedMoves = 0;

LRESULT CALLBACK CountingTipProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TTM_RELAYEVENT && lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_MOUSEMOVE)
        ++g_nRelayedMoves;
    return ::CallWindowProc(g_pfnTipProc, hWnd, message, wParam, lParam);
}

}  // namespace

// Whether the tip then shows depends on where the real cursor is, which tests running side by side
// share; the relay itself is what the button owes.
TEST_F(ButtonTest, PreTranslateMessageRelaysMouseMessagesToTheTooltip) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    send.SetToolTip(_T("Send a file to Li Lei"));
    const HWND hTip = send.GetToolTipCtrl().GetSafeHwnd();
    g_nRelayedMoves = 0;
    g_pfnTipProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtr(hTip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingTipProc)));
    CRect rc;
    send.GetClientRect(&rc);
    // A message loop of the framework: every message goes through PreTranslateMessage first.
    PostMouse(send, WM_MOUSEMOVE, rc.Width() / 2, rc.Height() / 2);
    PostMouse(send, WM_MOUSEMOVE, rc.Width() / 2 + 1, rc.Height() / 2);
    riztest::PumpMessages(2000);
    EXPECT_EQ(2, g_nRelayedMoves);
    ::SetWindowLongPtr(hTip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnTipProc));
}

// ---- Skin and language changes ----

TEST_F(ButtonTest, ALiveButtonFollowsASkinChangeAtItsNextPaint) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    CQVSkinBtnRes* pRecord = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    EXPECT_EQ(26, RectInDialog(send).Height());
    TestSkin second;
    second.nPushHeight = 32;
    second.nVariant = 1;
    ASSERT_TRUE(LoadSkin(second));
    EXPECT_EQ(pRecord, CQVSkinResManager::GetSingletonPtr()->GetBtnRes());  // the same record, new contents
    EXPECT_EQ(26, RectInDialog(send).Height());
    EXPECT_EQ(0, send.SendMessage(WM_QV_SKINCHANGED));
    EXPECT_EQ(32, RectInDialog(send).Height());
    riztest::WindowCapture shot(send);
    EXPECT_TRUE(riztest::ColorNear(PushFrameColour(0, 1), shot.Pixel(4, 16), 2));
}

TEST_F(ButtonTest, ShippedSkinsChangeThePushButtonHeight) {
    CQVSkinResManager* pManager = CQVSkinResManager::GetSingletonPtr();
    ASSERT_GE(pManager->GetSkinsTotal(), 2);
    ASSERT_TRUE(pManager->LoadSkin(pManager->GetSkinFolder(0)));
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    const int nFirst = pManager->GetBtnRes()->m_nPushBtnHeight;
    EXPECT_EQ(nFirst, RectInDialog(send).Height());
    ASSERT_TRUE(pManager->LoadSkin(pManager->GetSkinFolder(1)));
    const int nSecond = pManager->GetBtnRes()->m_nPushBtnHeight;
    EXPECT_NE(nFirst, nSecond);
    m_dlg.SendMessageToDescendants(WM_QV_SKINCHANGED, 0, 0, FALSE);
    EXPECT_EQ(nSecond, RectInDialog(send).Height());
    riztest::WindowCapture shot(send);
    EXPECT_TRUE(shot.HasOtherThan(CRect(0, 0, shot.Width(), shot.Height()), kParentColour));
}

TEST_F(ButtonTest, TranslatedTextsFollowTheLanguage) {
    CQVButton ok;
    ASSERT_TRUE(ok.Create(_T("~IDS_OK"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 200, 90, 224),
                          &m_dlg, kCreatedId));
    TranslateWndStrings(&m_dlg);
    CString strText;
    ok.GetWindowText(strText);
    EXPECT_STREQ(_T("OK"), strText);
    CQVLanResManager* pLanguages = CQVLanResManager::GetSingletonPtr();
    ASSERT_TRUE(pLanguages->LoadLanguage(pLanguages->GetLanguageFile(1)));  // Chinese
    ok.SetWindowText(_T("~IDS_OK"));
    TranslateWndStrings(&m_dlg);
    ok.GetWindowText(strText);
    EXPECT_STREQ(pLanguages->GetString(_T("IDS_OK")), strText);
    EXPECT_STRNE(_T("OK"), strText);
}

// ---- Lifetime ----

TEST_F(ButtonTest, CreatingAndDestroyingButtonsLeaksNothing) {
    const CString strImage = WritePrivateImage(m_folder);
    auto cycle = [&] {
        CQVButton buttons[6];
        const DWORD styles[6] = {BS_PUSHBUTTON, BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON,
                                 BS_PUSHBUTTON, BS_PUSHBUTTON,   BS_CHECKBOX};
        for (int i = 0; i < 6; ++i) {
            if (i == 3) buttons[i].SetIcon(riztest::SolidIcon(16, RGB(10, 20, 30)), CSize(16, 16));
            buttons[i].Create(_T("Send file"), WS_CHILD | WS_VISIBLE | styles[i], CRect(10, 200, 120, 224),
                              &m_dlg, kCreatedId + i);
        }
        buttons[4].SetBitmapFile(strImage, TRUE, kKey, _T("Tahoma"), 90, RGB(0, 0, 0), CPoint(4, 0));
        buttons[0].SetToolTip(_T("Send"));
        buttons[0].SetToolTip(_T("Send again"));
        buttons[1].SendMessage(BM_SETCHECK, BST_CHECKED);
        buttons[2].SendMessage(BM_SETCHECK, BST_CHECKED);
        m_dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        // A system button subclassed after its creation.
        HWND hPlain = ::CreateWindow(_T("BUTTON"), _T("Away"), WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 10,
                                     230, 80, 16, m_dlg.m_hWnd, NULL, NULL, NULL);
        CQVButton away;
        away.SubclassWindow(hPlain);
        away.RedrawWindow();
    };
    cycle();
    Pump();
    // The delta is exact: a leak of one object a cycle shows after any number of cycles.
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 50; ++i)
        cycle();
    Pump();
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(0, before.WindowDelta());
}
