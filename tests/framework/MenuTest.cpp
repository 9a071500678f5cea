// CMenu: loading from resources, the item wrappers,
// popup tracking and the owner-draw lookup that brings WM_MEASUREITEM / WM_DRAWITEM to a CMenu.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

#include "FrameworkHost.h"
#include "ext/TestExtDll.h"

namespace {

using riztest::FreeTemporaries;

UINT ItemType(const CMenu& menu, UINT nPos) {
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    EXPECT_TRUE(menu.GetMenuItemInfo(nPos, &mii, TRUE));
    return mii.fType;
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

// A top-level window whose procedure sends owner-drawn menu items to the CMenu the framework finds for
// them, as a window object's default WM_DRAWITEM / WM_MEASUREITEM handling does.
LRESULT CALLBACK OwnerDrawProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto* lpMIS = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        if (CMenu* pMenu = AfxFindMenuForMeasureItem(hWnd, lpMIS)) {
            pMenu->MeasureItem(lpMIS);
            return TRUE;
        }
    } else if (message == WM_DRAWITEM) {
        auto* lpDIS = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        if (CMenu* pMenu = AfxFindMenuForDrawItem(lpDIS)) {
            pMenu->DrawItem(lpDIS);
            return TRUE;
        }
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

class COwnerWindow {
public:
    COwnerWindow() {
        WNDCLASS wc = {};
        wc.lpfnWndProc = &OwnerDrawProc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpszClassName = _T("RIZMenuTestOwner");
        ::RegisterClass(&wc);  // registering again in the same process fails harmlessly
        m_hWnd = ::CreateWindowEx(0, wc.lpszClassName, _T("owner"), WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~COwnerWindow() { ::DestroyWindow(m_hWnd); }
    COwnerWindow(const COwnerWindow&) = delete;
    COwnerWindow& operator=(const COwnerWindow&) = delete;

    HWND m_hWnd = nullptr;
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

// ---- the object (its handle map is in HandleMapTest) ----

TEST(CMenuObject, CreatedByRuntimeClass) {
    CObject* pObject = RUNTIME_CLASS(CMenu)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CMenu)));
    delete pObject;
}

TEST(CMenuObject, EqualityComparesHandles) {
    CMenu a, b;
    ASSERT_TRUE(a.CreatePopupMenu());
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a == *CMenu::FromHandle(a.m_hMenu));
}

// ---- loading ----

TEST(CMenuLoad, LoadsTemplateFromProgramResources) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    ASSERT_EQ(3u, menu.GetMenuItemCount());
    CString strText;
    EXPECT_EQ(5, menu.GetMenuString(0, strText, MF_BYPOSITION));
    EXPECT_EQ(0, lstrcmp(_T("&File"), strText));
    EXPECT_EQ(static_cast<UINT>(-1), menu.GetMenuItemID(0)) << "a popup item has no command id";

    CMenu* pFile = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pFile);
    EXPECT_EQ(5u, pFile->GetMenuItemCount());
    EXPECT_EQ(static_cast<UINT>(ID_TEST_NEW), pFile->GetMenuItemID(0));
    EXPECT_EQ(0u, pFile->GetMenuItemID(2)) << "separator";
    EXPECT_EQ(nullptr, pFile->GetSubMenu(0)) << "a command item opens no popup";
    ASSERT_NE(nullptr, pFile->GetSubMenu(4));
    EXPECT_EQ(static_cast<UINT>(ID_TEST_RECENT2), pFile->GetSubMenu(4)->GetMenuItemID(1));
}

TEST(CMenuLoad, ByNameAndByIdAreTheSame) {
    CMenu byId, byName;
    ASSERT_TRUE(byId.LoadMenu(IDR_TEST_MENU));
    ASSERT_TRUE(byName.LoadMenu(MAKEINTRESOURCE(IDR_TEST_MENU)));
    EXPECT_EQ(byId.GetMenuItemCount(), byName.GetMenuItemCount());
}

TEST(CMenuLoad, MissingTemplateLeavesObjectEmpty) {
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(20899));
    EXPECT_EQ(nullptr, menu.m_hMenu);
}

TEST(CMenuLoad, ChineseItemTextInBothCharacterSets) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CString strPopup, strItem;
    menu.GetMenuString(2, strPopup, MF_BYPOSITION);
    EXPECT_EQ(0, lstrcmp(_T("文件"), strPopup));
    EXPECT_GT(menu.GetMenuString(ID_TEST_GBK, strItem, MF_BYCOMMAND), 0) << "found by command in a popup";
    EXPECT_EQ(0, lstrcmp(_T("打开文件"), strItem));
}

TEST(CMenuLoad, LoadMenuIndirectFromTemplateInMemory) {
    // A standard menu template: header, then one popup with one final item.
    std::vector<WORD> tmpl = {0, 0};
    tmpl.push_back(MF_POPUP | MF_END);
    for (const wchar_t* p = L"Edit"; *p; ++p)
        tmpl.push_back(*p);
    tmpl.push_back(0);
    tmpl.push_back(MF_END);
    tmpl.push_back(42);
    for (const wchar_t* p = L"Undo"; *p; ++p)
        tmpl.push_back(*p);
    tmpl.push_back(0);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenuIndirect(tmpl.data()));
    ASSERT_EQ(1u, menu.GetMenuItemCount());
    EXPECT_EQ(42u, menu.GetSubMenu(0)->GetMenuItemID(0));
}

// ---- items ----

TEST(CMenuItems, AppendInsertModifyKeepOrderAndIds) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 10, _T("Ten")));
    EXPECT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 30, _T("Thirty")));
    EXPECT_TRUE(menu.InsertMenu(30, MF_BYCOMMAND | MF_STRING, 20, _T("Twenty")));
    EXPECT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 5, _T("Five")));
    ASSERT_EQ(5u, menu.GetMenuItemCount());
    const UINT expected[] = {5, 10, 0, 20, 30};
    for (UINT i = 0; i < 5; ++i)
        EXPECT_EQ(expected[i], menu.GetMenuItemID(static_cast<int>(i))) << i;

    EXPECT_TRUE(menu.ModifyMenu(20, MF_BYCOMMAND | MF_STRING, 21, _T("Twenty-one")));
    CString strText;
    menu.GetMenuString(3, strText, MF_BYPOSITION);
    EXPECT_EQ(0, lstrcmp(_T("Twenty-one"), strText));
    EXPECT_EQ(21u, menu.GetMenuItemID(3));
}

TEST(CMenuItems, RemoveMenuKeepsSubmenuDeleteMenuDestroysIt) {
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    HMENU hKept = ::CreatePopupMenu();
    HMENU hGone = ::CreatePopupMenu();
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hKept), _T("Kept"));
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hGone), _T("Gone"));

    EXPECT_TRUE(menu.RemoveMenu(0, MF_BYPOSITION));
    EXPECT_TRUE(::IsMenu(hKept));
    EXPECT_TRUE(menu.DeleteMenu(0, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(hGone));
    EXPECT_EQ(0u, menu.GetMenuItemCount());
    ::DestroyMenu(hKept);
}

TEST(CMenuItems, CheckAndEnableAnswerPreviousState) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, _T("One"));
    EXPECT_EQ(static_cast<UINT>(MF_UNCHECKED), menu.CheckMenuItem(1, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), menu.CheckMenuItem(1, MF_BYCOMMAND | MF_UNCHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_ENABLED), menu.EnableMenuItem(1, MF_BYCOMMAND | MF_GRAYED));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), menu.EnableMenuItem(1, MF_BYCOMMAND | MF_ENABLED));
    EXPECT_EQ(static_cast<UINT>(-1), menu.EnableMenuItem(99, MF_BYCOMMAND | MF_GRAYED)) << "no such item";

    menu.CheckMenuItem(0, MF_BYPOSITION | MF_CHECKED);
    menu.EnableMenuItem(0, MF_BYPOSITION | MF_DISABLED | MF_GRAYED);
    const UINT nState = menu.GetMenuState(1, MF_BYCOMMAND);
    EXPECT_TRUE(nState & MF_CHECKED);
    EXPECT_TRUE(nState & MF_GRAYED);
    EXPECT_EQ(static_cast<UINT>(-1), menu.GetMenuState(99, MF_BYCOMMAND));
}

TEST(CMenuItems, CheckMenuRadioItemMarksOneOfTheRangeWithBullet) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (UINT nID = 1; nID <= 3; ++nID)
        menu.AppendMenu(MF_STRING, nID, _T("Choice"));
    menu.CheckMenuItem(1, MF_BYCOMMAND | MF_CHECKED);
    EXPECT_TRUE(menu.CheckMenuRadioItem(1, 3, 2, MF_BYCOMMAND));
    EXPECT_FALSE(menu.GetMenuState(1, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(2, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(ItemType(menu, 1) & MFT_RADIOCHECK);
}

TEST(CMenuItems, GetMenuStringCopiesIntoBufferAndTruncates) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 7, _T("Seven"));
    TCHAR sz[4];
    EXPECT_EQ(3, menu.GetMenuString(7, sz, _countof(sz), MF_BYCOMMAND));
    EXPECT_EQ(0, lstrcmp(_T("Sev"), sz));
    CString strMissing = _T("old");
    EXPECT_EQ(0, menu.GetMenuString(99, strMissing, MF_BYCOMMAND));
    EXPECT_TRUE(strMissing.IsEmpty());
}

TEST(CMenuItems, GetMenuStringNeverCutsADoubleByteCharacter) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 7, _T("打开文件"));
    TCHAR sz[4];
    const int nLen = menu.GetMenuString(7, sz, _countof(sz), MF_BYCOMMAND);
    EXPECT_EQ(lstrlen(sz), nLen);
#ifdef _UNICODE
    EXPECT_EQ(0, lstrcmp(_T("打开文"), sz));
#else
    EXPECT_EQ(0, lstrcmp(_T("打"), sz)) << "three bytes hold one whole character";
#endif
}

TEST(CMenuItems, GetMenuStringReadsTextLongerThanAnyFixedBuffer) {
    CString strLong;
    for (int i = 0; i < 120; ++i)
        strLong += _T("abcdefghij");
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, strLong);
    CString strRead;
    EXPECT_EQ(1200, menu.GetMenuString(0, strRead, MF_BYPOSITION));
    EXPECT_TRUE(strRead == strLong);
}

TEST(CMenuItems, MenuItemInfoRoundTrip) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_ID | MIIM_STRING | MIIM_DATA | MIIM_STATE;
    mii.wID = 77;
    mii.dwTypeData = const_cast<LPTSTR>(_T("Info"));
    mii.dwItemData = 0xBEEF;
    mii.fState = MFS_CHECKED;
    EXPECT_TRUE(menu.InsertMenuItem(0, &mii, TRUE));

    MENUITEMINFO read = {};
    read.cbSize = sizeof(read);
    read.fMask = MIIM_ID | MIIM_DATA | MIIM_STATE;
    ASSERT_TRUE(menu.GetMenuItemInfo(77, &read));
    EXPECT_EQ(77u, read.wID);
    EXPECT_EQ(static_cast<ULONG_PTR>(0xBEEF), read.dwItemData);
    EXPECT_TRUE(read.fState & MFS_CHECKED);

    read.fMask = MIIM_DATA;
    read.dwItemData = 0xCAFE;
    EXPECT_TRUE(menu.SetMenuItemInfo(0, &read, TRUE));
    read.dwItemData = 0;
    menu.GetMenuItemInfo(0, &read, TRUE);
    EXPECT_EQ(static_cast<ULONG_PTR>(0xCAFE), read.dwItemData);
}

TEST(CMenuItems, BitmapItemsCarryTheBitmap) {
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 32, nullptr));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 1, &bmp));
    EXPECT_TRUE(menu.InsertMenu(0, MF_BYPOSITION, 2, &bmp));
    menu.AppendMenu(MF_STRING, 3, _T("Text"));
    EXPECT_TRUE(menu.ModifyMenu(3, MF_BYCOMMAND, 3, &bmp));
    for (UINT i = 0; i < 3; ++i)
        EXPECT_TRUE(ItemType(menu, i) & MFT_BITMAP) << i;
}

TEST(CMenuItems, DefaultItemAndContextHelpId) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 11, _T("A"));
    menu.AppendMenu(MF_STRING, 12, _T("B"));
    EXPECT_EQ(static_cast<UINT>(-1), menu.GetDefaultItem(0));
    EXPECT_TRUE(menu.SetDefaultItem(12));
    EXPECT_EQ(12u, menu.GetDefaultItem(0));
    EXPECT_EQ(1u, menu.GetDefaultItem(0, TRUE));
    EXPECT_TRUE(menu.SetMenuContextHelpId(4242));
    EXPECT_EQ(4242u, menu.GetMenuContextHelpId());
}

TEST(CMenuItems, MenuInfoRoundTrip) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    MENUINFO mi = {};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIM_MAXHEIGHT | MIM_MENUDATA;
    mi.cyMax = 300;
    mi.dwMenuData = 0x1234;
    EXPECT_TRUE(menu.SetMenuInfo(&mi));
    MENUINFO read = {};
    read.cbSize = sizeof(read);
    read.fMask = MIM_MAXHEIGHT | MIM_MENUDATA;
    ASSERT_TRUE(menu.GetMenuInfo(&read));
    EXPECT_EQ(300u, read.cyMax);
    EXPECT_EQ(static_cast<ULONG_PTR>(0x1234), read.dwMenuData);
}

// ---- owner-draw lookup ----

TEST(CMenuOwnerDraw, DrawItemFindsThePermanentMenuOfTheItem) {
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
}

TEST(CMenuOwnerDraw, MeasureItemSearchesTheWindowsMenuBarAndPopups) {
    COwnerWindow owner;
    ASSERT_NE(nullptr, owner.m_hWnd);
    CMenu bar;
    CRecordingMenu popup;
    ASSERT_TRUE(bar.CreateMenu());
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_OWNERDRAW, 501, reinterpret_cast<LPCTSTR>(0x51));
    popup.AppendMenu(MF_OWNERDRAW | MF_SEPARATOR, 0, reinterpret_cast<LPCTSTR>(0x52));
    bar.AppendMenu(MF_STRING, 500, _T("Bar item"));
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.m_hMenu), _T("Popup"));
    ASSERT_TRUE(::SetMenu(owner.m_hWnd, bar.m_hMenu));

    MEASUREITEMSTRUCT mis = MeasureOf(501, 0x51);
    EXPECT_EQ(&popup, AfxFindMenuForMeasureItem(owner.m_hWnd, &mis));
    mis = MeasureOf(500);
    EXPECT_EQ(&bar, AfxFindMenuForMeasureItem(owner.m_hWnd, &mis));
    mis = MeasureOf(0, 0x52);
    EXPECT_EQ(&popup, AfxFindMenuForMeasureItem(owner.m_hWnd, &mis)) << "owner-drawn separator, by its data";
    mis = MeasureOf(999);
    EXPECT_EQ(nullptr, AfxFindMenuForMeasureItem(owner.m_hWnd, &mis));
    ::SetMenu(owner.m_hWnd, nullptr);
}

TEST(CMenuOwnerDraw, MeasureItemFallsBackToNearestAttachedAncestor) {
    COwnerWindow owner;
    CRecordingMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    HMENU hPopup = ::CreatePopupMenu();  // no CMenu of its own
    ::AppendMenu(hPopup, MF_OWNERDRAW, 601, nullptr);
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), _T("Raw popup"));
    ::SetMenu(owner.m_hWnd, bar.m_hMenu);
    MEASUREITEMSTRUCT mis = MeasureOf(601);
    EXPECT_EQ(&bar, AfxFindMenuForMeasureItem(owner.m_hWnd, &mis));
    ::SetMenu(owner.m_hWnd, nullptr);
}

TEST(CMenuOwnerDraw, TrackedPopupIsMeasuredAndDrawnThroughItsObject) {
    COwnerWindow owner;
    ::ShowWindow(owner.m_hWnd, SW_SHOWNOACTIVATE);
    CRecordingMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_OWNERDRAW, 701, reinterpret_cast<LPCTSTR>(0x71));
    popup.AppendMenu(MF_OWNERDRAW, 702, reinterpret_cast<LPCTSTR>(0x72));

    ::SetTimer(owner.m_hWnd, 1, 300, &EndMenuTimer);
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 120, 120, CWnd::FromHandle(owner.m_hWnd));
    EXPECT_EQ((std::vector<UINT>{701, 702}), popup.m_measured);
    EXPECT_FALSE(popup.m_drawn.empty()) << "the shown popup paints its owner-drawn items";

    // Outside tracking the popup is no longer found for the window.
    MEASUREITEMSTRUCT mis = MeasureOf(701, 0x71);
    EXPECT_EQ(nullptr, AfxFindMenuForMeasureItem(owner.m_hWnd, &mis));
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
    ::SetMenu(owner.m_hWnd, nullptr);
    owner.DestroyWindow();
}

TEST(CMenuTrack, ReturnsChosenCommandWithReturnCmd) {
    COwnerWindow owner;
    ::ShowWindow(owner.m_hWnd, SW_SHOWNOACTIVATE);
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 801, _T("First"));
    popup.AppendMenu(MF_STRING, 802, _T("Second"));
    // Keys posted before the loop starts are read by the popup's loop.
    ::PostMessage(owner.m_hWnd, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessage(owner.m_hWnd, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessage(owner.m_hWnd, WM_KEYDOWN, VK_RETURN, 0);
    const BOOL nCmd = popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, 100, 100,
                                           CWnd::FromHandle(owner.m_hWnd));
    EXPECT_EQ(802, nCmd);
}

TEST(CMenuTrack, TrackPopupMenuExWithExclusionRectangle) {
    COwnerWindow owner;
    ::ShowWindow(owner.m_hWnd, SW_SHOWNOACTIVATE);
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 901, _T("Only"));
    ::PostMessage(owner.m_hWnd, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessage(owner.m_hWnd, WM_KEYDOWN, VK_RETURN, 0);
    TPMPARAMS tpm = {sizeof(tpm), {0, 0, 50, 50}};
    EXPECT_EQ(901, popup.TrackPopupMenuEx(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10,
                                          CWnd::FromHandle(owner.m_hWnd), &tpm));
}
