// CMenu: loading from resources, the item wrappers,
// popup tracking and the owner-draw lookup that brings WM_MEASUREITEM / WM_DRAWITEM to a CMenu.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

#include "FrameworkHost.h"
#include "FrameworkKit.h"
#include "TestWindow.h"
#include "ext/TestExtDll.h"

namespace {

using riztest::FreeTemporaries;

// The items of a menu, "id:text" each ("-" a separator), with [C] checked, [G] grayed, [R] a radio mark,
// [B] a bitmap and [D] the default item.
CString Describe(const CMenu& menu) {
    CString strAll;
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        auto mii = riztest::SizedInfo<MENUITEMINFO>(MIIM_FTYPE | MIIM_STATE);
        EXPECT_TRUE(menu.GetMenuItemInfo(i, &mii, TRUE));
        CString strText, strItem;
        if (mii.fType & MFT_SEPARATOR) {
            strAll += i ? _T(" -") : _T("-");
            continue;
        }
        menu.GetMenuString(i, strText, MF_BYPOSITION);
        strItem.Format(_T("%s%d:%s"), i ? _T(" ") : _T(""), static_cast<int>(menu.GetMenuItemID(i)),
                       strText.GetString());
        strAll += strItem + ((mii.fState & MFS_CHECKED) ? _T("[C]") : _T("")) +
                  ((mii.fState & MFS_GRAYED) ? _T("[G]") : _T("")) +
                  ((mii.fType & MFT_RADIOCHECK) ? _T("[R]") : _T("")) +
                  ((mii.fType & MFT_BITMAP) ? _T("[B]") : _T("")) +
                  ((mii.fState & MFS_DEFAULT) ? _T("[D]") : _T(""));
    }
    return strAll;
}

// A menu that records the owner-draw calls it receives and answers a fixed item size.
class CRecordingMenu : public CMenu {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { m_drawn.push_back(lpDIS->itemID); }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override {
        m_measured.push_back(lpMIS->itemID);
        lpMIS->itemWidth = 120;
        lpMIS->itemHeight = 30;
    }

    std::vector<UINT> m_drawn;
    std::vector<UINT> m_measured;
};

// Closes the popup being tracked once the loop has shown (and painted) it: a timer message comes after
// the popup's paint messages.
void CALLBACK EndMenuTimer(HWND hWnd, UINT, UINT_PTR nIDEvent, DWORD) {
    ::KillTimer(hWnd, nIDEvent);
    ::EndMenu();
}

MEASUREITEMSTRUCT MeasureOf(UINT nID, ULONG_PTR data = 0) {
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = nID;
    mis.itemData = data;
    return mis;
}

}  // namespace

// ---- the object (its handle map is in HandleMapTest) and loading ----

TEST(CMenuLoad, TemplateIsFoundByIdOrNameInBothCharacterSetsAndAMissingOneLeavesNoMenu) {
    CObject* pObject = RUNTIME_CLASS(CMenu)->CreateObject();
    EXPECT_TRUE(pObject && pObject->IsKindOf(RUNTIME_CLASS(CMenu)));
    delete pObject;

    CMenu menu, byName, missing;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    ASSERT_TRUE(byName.LoadMenu(MAKEINTRESOURCE(IDR_TEST_MENU)));
    EXPECT_FALSE(menu == byName);
    EXPECT_TRUE(menu == *CMenu::FromHandle(menu.m_hMenu));
    EXPECT_STREQ(_T("-1:&File -1:&Align -1:文件"), Describe(menu));
    EXPECT_STREQ(Describe(byName), Describe(menu));
    CMenu* pFile = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pFile);
    EXPECT_STREQ(_T("20851:&New 20852:&Open...\tCtrl+O - 20853:&Save -1:Recent"), Describe(*pFile));
    EXPECT_EQ(nullptr, pFile->GetSubMenu(0)) << "a command item opens no popup";
    ASSERT_NE(nullptr, pFile->GetSubMenu(4));
    EXPECT_EQ(static_cast<UINT>(ID_TEST_RECENT2), pFile->GetSubMenu(4)->GetMenuItemID(1));
    CString strItem;
    EXPECT_GT(menu.GetMenuString(ID_TEST_GBK, strItem, MF_BYCOMMAND), 0) << "found by command in a popup";
    EXPECT_EQ(strItem, _T("打开文件"));

    EXPECT_FALSE(missing.LoadMenu(20899));
    EXPECT_EQ(nullptr, missing.m_hMenu);
}

// ---- items ----

// Each item member forwards to one call: the rows show that its arguments arrive in their places
// (position or command, flags, id, text or bitmap) and that the call's answer comes back.
TEST(CMenuItems, MembersPassTheirArgumentsInPlace) {
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 32, nullptr));
    CMenu menu, indirect;
    ASSERT_TRUE(menu.CreatePopupMenu());
    // clang-format off
    riztest::ExpectRows<UINT>({
        ROW(menu.AppendMenu(MF_STRING, 10, _T("Ten")), TRUE), ROW(menu.AppendMenu(MF_SEPARATOR), TRUE),
        ROW(menu.AppendMenu(MF_STRING, 30, _T("Thirty")), TRUE),
        ROW(menu.InsertMenu(30, MF_BYCOMMAND | MF_STRING, 20, _T("Twenty")), TRUE),
        ROW(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 5, _T("Five")), TRUE),
        ROW(menu.ModifyMenu(20, MF_BYCOMMAND | MF_STRING, 21, _T("Twenty-one")), TRUE)});
    EXPECT_STREQ(_T("5:Five 10:Ten - 21:Twenty-one 30:Thirty"), Describe(menu));
    riztest::ExpectRows<UINT>({
        ROW(menu.CheckMenuItem(10, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED),
        ROW(menu.CheckMenuItem(10, MF_BYCOMMAND | MF_CHECKED), MF_CHECKED),
        ROW(menu.EnableMenuItem(0, MF_BYPOSITION | MF_GRAYED), MF_ENABLED),
        ROW(menu.EnableMenuItem(5, MF_BYCOMMAND | MF_GRAYED), MF_GRAYED),
        ROW(menu.EnableMenuItem(99, MF_BYCOMMAND | MF_GRAYED), -1), ROW(menu.GetMenuState(99, MF_BYCOMMAND), -1),
        ROW(menu.GetMenuState(1, MF_BYPOSITION) & MF_CHECKED, MF_CHECKED),
        ROW(menu.CheckMenuRadioItem(0, 1, 1, MF_BYPOSITION), TRUE), ROW(menu.GetDefaultItem(0), -1),
        ROW(menu.SetDefaultItem(21), TRUE), ROW(menu.GetDefaultItem(0), 21), ROW(menu.GetDefaultItem(0, TRUE), 3),
        ROW(menu.AppendMenu(MF_STRING, 40, &bmp), TRUE), ROW(menu.InsertMenu(0, MF_BYPOSITION, 4, &bmp), TRUE),
        ROW(menu.ModifyMenu(30, MF_BYCOMMAND, 31, &bmp), TRUE)});
    EXPECT_STREQ(_T("4:[B] 5:Five[G] 10:Ten[C][R] - 21:Twenty-one[D] 31:[B] 40:[B]"), Describe(menu));
    // clang-format on

    // A template in memory loads.
    const WORD tmpl[] = {0, 0, MF_END, 42, L'U', L'n', L'd', L'o', 0};
    ASSERT_TRUE(indirect.LoadMenuIndirect(tmpl));
    EXPECT_STREQ(_T("42:Undo"), Describe(indirect));
}

TEST(CMenuItems, GetMenuStringTruncatesToTheBufferWithoutCuttingACharacterAndReadsAnyLength) {
    CString strLong;
    for (int i = 0; i < 120; ++i)
        strLong += _T("abcdefghij");
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 7, _T("Seven"));
    menu.AppendMenu(MF_STRING, 8, _T("打开文件"));
    menu.AppendMenu(MF_STRING, 9, strLong);
    TCHAR sz[4];
    EXPECT_EQ(3, menu.GetMenuString(7, sz, _countof(sz), MF_BYCOMMAND));
    EXPECT_STREQ(_T("Sev"), sz);
    const int nLen = menu.GetMenuString(8, sz, _countof(sz), MF_BYCOMMAND);
    EXPECT_EQ(lstrlen(sz), nLen);
#ifdef _UNICODE
    EXPECT_STREQ(_T("打开文"), sz);
#else
    EXPECT_STREQ(_T("打"), sz) << "three bytes hold one whole character";
#endif
    CString strRead;
    EXPECT_EQ(1200, menu.GetMenuString(2, strRead, MF_BYPOSITION));
    EXPECT_TRUE(strRead == strLong);
    strRead = _T("old");
    EXPECT_EQ(0, menu.GetMenuString(99, strRead, MF_BYCOMMAND));
    EXPECT_TRUE(strRead.IsEmpty());
}

// ---- owner-draw lookup ----

TEST(CMenuOwnerDraw, DrawItemFindsThePermanentMenuAndMeasureItemSearchesTheMenuBarAndPopups) {
    CRecordingMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
    EXPECT_EQ(&menu, AfxFindMenuForDrawItem(&dis));
    dis.CtlType = ODT_BUTTON;
    EXPECT_EQ(nullptr, AfxFindMenuForDrawItem(&dis)) << "not a menu item";
    dis.CtlType = ODT_MENU;
    HMENU hRaw = ::CreatePopupMenu();
    dis.hwndItem = reinterpret_cast<HWND>(hRaw);
    EXPECT_EQ(nullptr, AfxFindMenuForDrawItem(&dis)) << "a menu without a permanent object";
    ::DestroyMenu(hRaw);

    // MeasureItem searches the window's menu bar and its popups.
    riztest::TestWindow window;
    const HWND hOwner = window.Frame();
    CMenu bar;
    CRecordingMenu popup;
    ASSERT_TRUE(bar.CreateMenu());
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_OWNERDRAW, 501, reinterpret_cast<LPCTSTR>(0x51));
    popup.AppendMenu(MF_OWNERDRAW | MF_SEPARATOR, 0, reinterpret_cast<LPCTSTR>(0x52));
    bar.AppendMenu(MF_STRING, 500, _T("Bar item"));
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.m_hMenu), _T("Popup"));
    ASSERT_TRUE(::SetMenu(hOwner, bar.m_hMenu));

    MEASUREITEMSTRUCT mis = MeasureOf(501, 0x51);
    EXPECT_EQ(&popup, AfxFindMenuForMeasureItem(hOwner, &mis));
    mis = MeasureOf(500);
    EXPECT_EQ(&bar, AfxFindMenuForMeasureItem(hOwner, &mis));
    mis = MeasureOf(0, 0x52);
    EXPECT_EQ(&popup, AfxFindMenuForMeasureItem(hOwner, &mis)) << "owner-drawn separator, by its data";
    mis = MeasureOf(999);
    EXPECT_EQ(nullptr, AfxFindMenuForMeasureItem(hOwner, &mis));
    ::SetMenu(hOwner, nullptr);
}

TEST(CMenuOwnerDraw, MeasureItemFallsBackToNearestAttachedAncestor) {
    riztest::TestWindow window;
    const HWND hOwner = window.Frame();
    CRecordingMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    HMENU hPopup = ::CreatePopupMenu();  // no CMenu of its own
    ::AppendMenu(hPopup, MF_OWNERDRAW, 601, nullptr);
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), _T("Raw popup"));
    ::SetMenu(hOwner, bar.m_hMenu);
    MEASUREITEMSTRUCT mis = MeasureOf(601);
    EXPECT_EQ(&bar, AfxFindMenuForMeasureItem(hOwner, &mis));
    ::SetMenu(hOwner, nullptr);
}

TEST(CMenuOwnerDraw, WindowObjectsDefaultHandlersReachTheMenuObject) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), _T("owner"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                               100, 300, 200, nullptr, nullptr));
    CRecordingMenu bar, popup;
    ASSERT_TRUE(bar.CreateMenu());
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_OWNERDRAW, 1001, reinterpret_cast<LPCTSTR>(0x10));
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.m_hMenu), _T("Skinned"));
    ASSERT_TRUE(::SetMenu(owner.m_hWnd, bar.m_hMenu));

    // The owner's own menu bar: measured through the bar's popup, as when the user opens it.
    MEASUREITEMSTRUCT mis = MeasureOf(1001, 0x10);
    owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ((std::vector<UINT>{1001}), popup.m_measured);
    EXPECT_EQ(120u, mis.itemWidth);

    // A tracked popup is measured and painted through the default handlers too.
    CRecordingMenu tracked;
    ASSERT_TRUE(tracked.CreatePopupMenu());
    tracked.AppendMenu(MF_OWNERDRAW, 1101, reinterpret_cast<LPCTSTR>(0x11));
    owner.SetTimer(1, 300, &EndMenuTimer);
    tracked.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 120, 120, &owner);
    EXPECT_EQ((std::vector<UINT>{1101}), tracked.m_measured);
    ASSERT_FALSE(tracked.m_drawn.empty());
    EXPECT_EQ(1101u, tracked.m_drawn.front());
    // Outside tracking the popup is no longer found for the window.
    mis = MeasureOf(1101, 0x11);
    EXPECT_EQ(nullptr, AfxFindMenuForMeasureItem(owner.m_hWnd, &mis));
    ::SetMenu(owner.m_hWnd, nullptr);
    owner.DestroyWindow();
}

// Keys posted before the loop starts are read by the popup's loop; both forms answer the chosen command.
TEST(CMenuTrack, TrackPopupMenuAndItsExFormReturnTheChosenCommand) {
    riztest::TestWindow window;
    const HWND hOwner = window.Frame();
    ::ShowWindow(hOwner, SW_SHOWNOACTIVATE);
    CWnd* pOwner = CWnd::FromHandle(hOwner);
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 801, _T("First"));
    popup.AppendMenu(MF_STRING, 802, _T("Second"));
    for (UINT vk : {VK_DOWN, VK_DOWN, VK_RETURN})
        ::PostMessage(hOwner, WM_KEYDOWN, vk, 0);
    EXPECT_EQ(802, popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, pOwner));
    for (UINT vk : {VK_DOWN, VK_RETURN})
        ::PostMessage(hOwner, WM_KEYDOWN, vk, 0);
    TPMPARAMS tpm = {sizeof(tpm), {0, 0, 50, 50}};
    EXPECT_EQ(801, popup.TrackPopupMenuEx(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, pOwner, &tpm));
}
