// CQVComboBox through real windows: the frame, the text and the drop-button frames read from the
// screen against the same drawing made apart, the simple kind, the owner-drawn current item, the
// button states through posted mouse and keys however the list closes, skin changes, bad sizes, and
// release back to the system's combo.
#include "QVComboBoxFixture.h"

#include <QVSkinResManager.h>

#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "Watchdog.h"

using namespace qvctest;
using riztest::PostMouse;
using riztest::WindowCapture;

namespace {

constexpr UINT kCreatedId = 760;

// Records the current-item drawing the combo sends itself (its list's items come from the list) and
// whether DrawItem was reached from it.
class CRecordingCombo : public CQVComboBox {
public:
    std::vector<DRAWITEMSTRUCT> m_selfSent;
    int m_nReached = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { m_nReached += m_bInSelfSent; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_DRAWITEM || reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem != m_hWnd)
            return CQVComboBox::WindowProc(message, wParam, lParam);
        m_selfSent.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        m_bInSelfSent = 1;
        const LRESULT lResult = CQVComboBox::WindowProc(message, wParam, lParam);
        m_bInSelfSent = 0;
        return lResult;
    }
    int m_bInSelfSent = 0;
};

void AddLevels(CComboBox& combo) {
    combo.AddString(_T("Beginner"));
    combo.AddString(_T("Intermediate"));
    combo.AddString(CString(L"\x9ad8\x7ea7 Advanced"));
}

// Pixels of the item rectangle that differ from the text drawn as the combo draws it, in a second DC.
int TextMismatches(HWND hCombo, const CString& strText, COLORREF clrFill, COLORREF clrText) {
    const COMBOBOXINFO info = ComboTest::InfoOf(hCombo);
    WindowCapture shot(hCombo);
    riztest::Surface expected(shot.Width(), shot.Height(), clrFill);
    const HGDIOBJ hOld = ::SelectObject(expected.Dc(), ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(expected.Dc(), TRANSPARENT);
    ::SetTextColor(expected.Dc(), clrText);
    CRect rcText = info.rcItem;
    ::DrawText(expected.Dc(), strText, -1, &rcText, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(expected.Dc(), hOld);
    int nWrong = 0;
    for (int y = info.rcItem.top; y < info.rcItem.bottom; ++y)
        for (int x = info.rcItem.left; x < info.rcItem.right - kDropWidth; ++x)
            nWrong += shot.Pixel(x, y) != expected.Pixel(x, y);
    return nWrong;
}

std::string FrameProbes(HWND hWnd, COLORREF clr) {
    WindowCapture shot(hWnd);
    const int r = shot.Width() - 1, b = shot.Height() - 1;
    return shot.WrongPixels(
        {{0, 0, clr}, {r / 2, 0, clr}, {r, b / 2, clr}, {r, b, clr}, {r / 3, b, clr}, {0, b, clr}});
}

}  // namespace

// ---- Painting ----

TEST_F(ComboTest, FrameTextAndDropButtonCreatedAndSubclassed) {
    for (int bCreated = 0; bCreated < 2; ++bCreated) {
        SCOPED_TRACE(bCreated ? "created" : "subclassed");
        CQVComboBox combo;
        if (bCreated)
            ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL,
                                     CRect(10, 120, 170, 300), &m_dlg, kCreatedId));
        else
            ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
        AddLevels(combo);
        for (int nSel : {0, 2}) {
            combo.SetCurSel(nSel);
            CString strText;
            combo.GetLBText(nSel, strText);
            EXPECT_EQ("", FrameProbes(combo.m_hWnd, kFrame));
            EXPECT_EQ(
                0, TextMismatches(combo.m_hWnd, strText, RGB(255, 255, 255), ::GetSysColor(COLOR_BTNTEXT)));
            EXPECT_EQ(0, DropButtonMismatches(combo, 0));
        }
        // With the focus the selection shows in the highlight colours.
        combo.SetFocus();
        Pump();
        EXPECT_EQ(0, TextMismatches(combo.m_hWnd, CString(L"\x9ad8\x7ea7 Advanced"),
                                    ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHTTEXT)));
        combo.DestroyWindow();
    }
}

TEST_F(ComboTest, DropButtonImageAsTheSkinSaysAndNothingWithoutIt) {
    const struct {
        int nTransparent;
        bool bImage;
    } rows[] = {{0, true}, {1, true}, {0, false}, {1, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "transparent " << row.nTransparent << " image " << row.bImage);
        ComboSkin skin;
        skin.nTransparent = row.nTransparent;
        skin.bDropImage = row.bImage;
        ASSERT_TRUE(LoadSkin(skin));
        CQVComboBox combo;
        ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
        EXPECT_EQ(0, DropButtonMismatches(combo, 0));
        combo.UnsubclassWindow();
    }
}

TEST_F(ComboTest, OwnDrawingOfTheCurrentItemReachesDrawItemExceptInTheSimpleKind) {
    const struct {
        DWORD dwKind;
        int nSel;
        bool bFocus;
        bool bDrawn;
    } rows[] = {
        {0, 1, false, false},  // style bits 0-1 zero: frame and button only
        {CBS_SIMPLE, 1, false, true},
        {CBS_DROPDOWN, 1, true, true},
        {CBS_DROPDOWNLIST, 2, true, true},
        {CBS_DROPDOWNLIST, -1, false, true},  // no selection: item -1
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << row.dwKind << " sel " << row.nSel);
        CRecordingCombo combo;
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | row.dwKind | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                 CRect(10, 120, 170, 220), &m_dlg, kCreatedId));
        AddLevels(combo);
        for (int i = 0; i < 3; ++i)
            combo.SetItemData(i, 100 + i);
        combo.SetCurSel(row.nSel);
        if (row.bFocus) combo.SetFocus();
        Pump();
        combo.m_selfSent.clear();
        combo.m_nReached = 0;
        combo.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_EQ(row.bDrawn ? 1u : 0u, combo.m_selfSent.size());
        EXPECT_EQ(row.bDrawn ? 1 : 0, combo.m_nReached);
        WindowCapture shot(combo.m_hWnd);
        EXPECT_EQ("", shot.WrongPixels({{0, 0, kFrame}, {shot.Width() - 1, 0, kFrame}}));
        if (!row.bDrawn) continue;
        const DRAWITEMSTRUCT& dis = combo.m_selfSent[0];
        EXPECT_EQ(static_cast<UINT>(ODT_COMBOBOX), dis.CtlType);
        EXPECT_EQ(kCreatedId, dis.CtlID);
        EXPECT_EQ(static_cast<UINT>(row.nSel), dis.itemID);
        EXPECT_EQ(static_cast<UINT>(ODA_DRAWENTIRE), dis.itemAction);
        EXPECT_EQ(static_cast<UINT>(row.bFocus ? ODS_SELECTED : ODS_DEFAULT), dis.itemState);
        EXPECT_EQ(combo.m_hWnd, dis.hwndItem);
        EXPECT_EQ(CRect(InfoOf(combo.m_hWnd).rcItem), CRect(dis.rcItem));
        EXPECT_EQ(row.nSel < 0 ? 0u : 100u + row.nSel, dis.itemData);
    }
}

// ---- States ----

TEST_F(ComboTest, HoverAndPressShowTheirFramesAndALeaveEndsThem) {
    CQVComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
    AddLevels(combo);
    const CRect rcButton = InfoOf(combo.m_hWnd).rcButton;
    PostMouse(combo.m_hWnd, WM_MOUSEMOVE, 5, 5);
    Pump();
    EXPECT_EQ(QVCBS_HOVER, combo.GetButtonState());
    EXPECT_EQ(0, DropButtonMismatches(combo, 1));
    PostMouse(combo.m_hWnd, WM_LBUTTONDOWN, rcButton.CenterPoint().x, rcButton.CenterPoint().y, MK_LBUTTON);
    PostMouse(combo.m_hWnd, WM_MOUSEMOVE, rcButton.CenterPoint().x - 1, rcButton.CenterPoint().y, MK_LBUTTON);
    Pump();
    EXPECT_TRUE(combo.GetDroppedState());
    EXPECT_EQ(QVCBS_PRESSED, combo.GetButtonState());  // held while the button is down
    EXPECT_EQ(0, DropButtonMismatches(combo, 2));
    combo.ShowDropDown(FALSE);
    combo.SendMessage(WM_MOUSELEAVE);
    Pump();
    EXPECT_EQ(QVCBS_NORMAL, combo.GetButtonState());
    EXPECT_EQ(0, DropButtonMismatches(combo, 0));
    EXPECT_EQ(1, m_dlg.m_nCloseUps);  // the parent still hears the list close
}

TEST_F(ComboTest, HoweverTheListClosesTheButtonIsNotLeftPressed) {
    enum Close { Item, Enter, Escape, FocusAway, ReleasedOverList };
    for (Close nClose : {Item, Enter, Escape, FocusAway, ReleasedOverList}) {
        SCOPED_TRACE(static_cast<int>(nClose));
        CQVComboBox combo;
        ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
        AddLevels(combo);
        const COMBOBOXINFO info = InfoOf(combo.m_hWnd);
        const CPoint ptButton = CRect(info.rcButton).CenterPoint();
        combo.SetFocus();
        PostMouse(combo.m_hWnd, WM_LBUTTONDOWN, ptButton.x, ptButton.y, MK_LBUTTON);
        if (nClose != ReleasedOverList) PostMouse(combo.m_hWnd, WM_LBUTTONUP, ptButton.x, ptButton.y);
        Pump();
        ASSERT_TRUE(combo.GetDroppedState());
        switch (nClose) {
        case Item:
        case ReleasedOverList:
            PostMouse(info.hwndList, WM_LBUTTONDOWN, 10, 5, MK_LBUTTON);
            PostMouse(info.hwndList, WM_LBUTTONUP, 10, 5);
            break;
        case Enter:
        case Escape:
            riztest::PostKey(combo.m_hWnd, nClose == Enter ? VK_RETURN : VK_ESCAPE);
            break;
        case FocusAway:
            ::SetFocus(::GetDlgItem(m_dlg.m_hWnd, IDOK));
            break;
        }
        Pump();
        EXPECT_FALSE(combo.GetDroppedState());
        EXPECT_NE(QVCBS_PRESSED, combo.GetButtonState());
        EXPECT_EQ(0, DropButtonMismatches(combo, combo.GetButtonState()));
        EXPECT_TRUE(::GetCapture() != combo.m_hWnd && ::GetCapture() != info.hwndList);
        combo.UnsubclassWindow();
    }
}

// ---- Skin changes ----

TEST_F(ComboTest, FrameColourIsReadAgainAtASkinChangeAndAtAMouseLeave) {
    CQVComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_CITY, &m_dlg));
    ComboSkin other;
    other.clrFrame = kOtherFrame;
    ASSERT_TRUE(LoadSkin(other));
    EXPECT_EQ("", FrameProbes(combo.m_hWnd, kFrame));  // read once, not at every paint
    EXPECT_EQ(0, combo.SendMessage(WM_QV_SKINCHANGED));
    EXPECT_EQ("", FrameProbes(combo.m_hWnd, kOtherFrame));
    ASSERT_TRUE(LoadSkin(ComboSkin()));
    combo.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ("", FrameProbes(combo.m_hWnd, kFrame));
}

// ---- Bad input and lifetime ----

TEST_F(ComboTest, EmptyWindowsHugeTextsAndBadIndexesPaintWithoutHarm) {
    const CString strHuge(_T('x'), 100000);
    for (const CRect& rc : {CRect(10, 120, 10, 120), CRect(10, 120, 12, 123), CRect(10, 120, 200, 300)}) {
        CQVComboBox combo;
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, rc, &m_dlg, kCreatedId));
        combo.AddString(strHuge);
        for (int nSel : {0, -1, 1, INT_MAX}) {
            combo.SetCurSel(nSel);
            combo.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        EXPECT_EQ(1, combo.GetCount());
        combo.DestroyWindow();
    }
}

TEST_F(ComboTest, ReleasedComboWorksAsTheSystemCombo) {
    CQVComboBox* pCombo = new CQVComboBox;
    ASSERT_TRUE(pCombo->SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
    const HWND hCombo = pCombo->m_hWnd;
    pCombo->UnsubclassWindow();
    delete pCombo;
    ::SendMessage(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T("Beginner")));
    ::SendMessage(hCombo, CB_SETCURSEL, 0, 0);
    ::RedrawWindow(hCombo, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    PostMouse(hCombo, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    PostMouse(hCombo, WM_LBUTTONUP, 5, 5);
    Pump();
    EXPECT_TRUE(::SendMessage(hCombo, CB_GETDROPPEDSTATE, 0, 0));
    ::SendMessage(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_NE("", FrameProbes(hCombo, kFrame));  // the system's own frame again
}

TEST_F(ComboTest, CreateDestroyAndSubclassReleaseSoak) {
    auto cycle = [this](int k) {
        {
            CQVComboBox combo;
            combo.Create(WS_CHILD | WS_VISIBLE | (k % 2 ? CBS_DROPDOWN : CBS_DROPDOWNLIST),
                         CRect(10, 120, 170, 300), &m_dlg, kCreatedId);
            AddLevels(combo);
            combo.SetCurSel(k % 3);
            combo.UpdateWindow();
            combo.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
            combo.SendMessage(WM_MOUSELEAVE);
            combo.SendMessage(WM_QV_SKINCHANGED);
            combo.DestroyWindow();
        }
        CQVComboBox* pCombo = new CQVComboBox;
        pCombo->SubclassDlgItem(k % 2 ? IDC_QVCOMBO_LEVEL : IDC_QVCOMBO_CITY, &m_dlg);
        pCombo->Invalidate();
        pCombo->UpdateWindow();
        pCombo->UnsubclassWindow();
        delete pCombo;
    };
    for (int k = 0; k < 20; ++k)
        cycle(k);  // warm up caches of GDI and USER
    Pump();
    const riztest::ResourceSnapshot before;
    const int nCycles = riztest::SoakCycles();
    for (int k = 0; k < nCycles; ++k) {
        cycle(k);
        if (k % 100 == 0) Pump();
    }
    Pump();
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(0, before.WindowDelta());
}
