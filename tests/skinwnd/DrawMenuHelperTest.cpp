// Owner-drawn menus: conversion of real menus, measure through a real popup and its owner window, and
// the pixels of drawn items read back from a memory surface.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <algorithm>
#include <map>
#include <vector>

#include "DrawMenuHelper.h"
#include "PixelProbe.h"
#include "QVBitmapList.h"
#include "TestData.h"
#include "TestImage.h"

namespace {

constexpr COLORREF kMenuBk = RGB(250, 240, 220);
constexpr COLORREF kImageColumn = RGB(180, 210, 240);
constexpr COLORREF kSelFill = RGB(255, 220, 120);
constexpr COLORREF kSelOutline = RGB(200, 40, 40);
constexpr COLORREF kSeparator = RGB(200, 200, 255);
constexpr COLORREF kDisabledText = RGB(128, 128, 128);
constexpr COLORREF kCheckInk = RGB(230, 20, 20);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

constexpr int kItemWidth = 200;

enum : UINT {
    ID_OPEN = 101,
    ID_SAVE = 102,
    ID_INNER = 201,
    ID_GREY = 202,
    ID_IMAGE_A = 301,
    ID_IMAGE_B = 302,
    ID_NO_IMAGE = 399,
    ID_RECENT = 501
};

// The check image of the tests: 16 x 16 white (its key) with an 8 x 8 block of ink in the middle.
HBITMAP MakeCheckImage() {
    return riztest::Dib(
        16, 16, [](int x, int y) { return x >= 4 && x < 12 && y >= 4 && y < 12 ? kCheckInk : kWhite; });
}

// Sets the menu colours and the check image of the skin for a test and puts the old ones back after.
class DrawMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
        m_oldColors = *pSkin->GetClrDef();
        m_oldOther = *pSkin->GetOthRes();
        CQVSkinColorDef* pColors = pSkin->GetClrDef();
        pColors->m_clrColors[11] = kMenuBk;
        pColors->m_clrColors[12] = kImageColumn;
        pColors->m_clrColors[13] = kSelFill;
        pColors->m_clrColors[14] = kSelOutline;
        pSkin->GetOthRes()->m_bmpMenuCheck.AttachBitmap(MakeCheckImage());

        ASSERT_TRUE(m_menu.CreatePopupMenu());
        m_menu.AppendMenu(MF_STRING, ID_OPEN, _T("&Open\tCtrl+O"));
        m_menu.AppendMenu(MF_SEPARATOR);
        CMenu sub;
        sub.CreatePopupMenu();
        sub.AppendMenu(MF_STRING, ID_INNER, _T("Inner"));
        sub.AppendMenu(MF_STRING | MF_GRAYED | MF_CHECKED, ID_GREY, _T("Grey"));
        m_hSub = sub.Detach();
        m_menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(m_hSub), _T("More"));
        m_menu.AppendMenu(MF_STRING, ID_SAVE, _T("Save"));
        m_menu.AppendMenu(MF_STRING, ID_IMAGE_A, _T("A"));
        m_menu.AppendMenu(MF_STRING, ID_IMAGE_B, _T("B"));
        m_menu.AppendMenu(MF_STRING, ID_NO_IMAGE, _T("None"));
        m_menu.AppendMenu(MF_STRING, ID_RECENT, _T("WWWW"));
    }
    void TearDown() override {
        CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
        *pSkin->GetClrDef() = m_oldColors;
        *pSkin->GetOthRes() = m_oldOther;
    }

    // Draws one item into a fresh surface of kItemWidth x cy filled with magenta.
    void Draw(riztest::Surface& surface, UINT nID, UINT nState, CQVBitmapList* pList = NULL,
              ULONG_PTR itemData = 1) {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = nID;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hwndItem = reinterpret_cast<HWND>(m_menu.GetSafeHmenu());
        dis.hDC = surface.Dc();
        dis.rcItem = CRect(0, 0, surface.Width(), surface.Height());
        dis.itemData = itemData == 1 ? reinterpret_cast<ULONG_PTR>(&m_menu) : itemData;
        CDrawMenuHelper::DrawItem(&dis, pList);
    }

    CMenu m_menu;
    HMENU m_hSub = NULL;
    CQVSkinColorDef m_oldColors;
    CQVSkinOtherRes m_oldOther;
};

MENUITEMINFO ItemInfo(HMENU hMenu, int nPos) {
    MENUITEMINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU;
    EXPECT_TRUE(::GetMenuItemInfo(hMenu, nPos, TRUE, &info));
    return info;
}

// Text is drawn smoothed: its darkest pixel tells its colour, and "ink" is any pixel clearly darker than
// the light menu colours.
int MaxChannel(COLORREF clr) {
    return std::max(GetRValue(clr), std::max(GetGValue(clr), GetBValue(clr)));
}
COLORREF Darkest(const riztest::Surface& surface, const RECT& rc) {
    COLORREF darkest = RGB(255, 255, 255);
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            const COLORREF clr = surface.Pixel(x, y);
            if (GetRValue(clr) + GetGValue(clr) + GetBValue(clr) <
                GetRValue(darkest) + GetGValue(darkest) + GetBValue(darkest))
                darkest = clr;
        }
    return darkest;
}
bool HasInk(const riztest::Surface& surface, const RECT& rc) {
    return MaxChannel(Darkest(surface, rc)) < 180;
}

// Width of a text in the default GUI font, measured independently of the helper.
int TextWidth(LPCTSTR lpszText) {
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    RECT rc = {0, 0, 500, 30};
    ::DrawText(hDC, lpszText, -1, &rc, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return rc.right - rc.left;
}

TEST_F(DrawMenuTest, InitMenuMakesEveryItemOwnerDrawnAndKeepsIdsTextsStatesAndSubmenus) {
    CDrawMenuHelper::InitMenu(&m_menu);
    const ULONG_PTR data = reinterpret_cast<ULONG_PTR>(&m_menu);
    ASSERT_EQ(8, ::GetMenuItemCount(m_menu));
    static const UINT kIDs[8] = {ID_OPEN, 0, 0, ID_SAVE, ID_IMAGE_A, ID_IMAGE_B, ID_NO_IMAGE, ID_RECENT};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        MENUITEMINFO info = ItemInfo(m_menu, i);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        EXPECT_EQ(data, info.dwItemData);
        if (i != 2) {
            EXPECT_EQ(kIDs[i], info.wID);
        }
    }
    // The separator can no longer be selected; the popup item still opens the same submenu.
    EXPECT_TRUE(ItemInfo(m_menu, 1).fState & MFS_DISABLED);
    EXPECT_EQ(m_hSub, ItemInfo(m_menu, 2).hSubMenu);
    ASSERT_TRUE(::IsMenu(m_hSub));
    for (int i = 0; i < 2; ++i) {
        MENUITEMINFO info = ItemInfo(m_hSub, i);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        EXPECT_EQ(data, info.dwItemData) << "submenu items carry the menu given to InitMenu";
    }
    EXPECT_TRUE(ItemInfo(m_hSub, 1).fState & MFS_GRAYED);
    EXPECT_TRUE(ItemInfo(m_hSub, 1).fState & MFS_CHECKED);
    EXPECT_FALSE(ItemInfo(m_hSub, 0).fState & (MFS_GRAYED | MFS_CHECKED));
    // The texts stay readable by command id, also those of the submenu.
    CString str;
    m_menu.GetMenuString(ID_OPEN, str, MF_BYCOMMAND);
    EXPECT_EQ(CString(_T("&Open\tCtrl+O")), str);
    m_menu.GetMenuString(ID_INNER, str, MF_BYCOMMAND);
    EXPECT_EQ(CString(_T("Inner")), str);
}

TEST_F(DrawMenuTest, InitRecentMenuItemsConvertsOnlyTheGivenCommands) {
    CDrawMenuHelper::InitRecentMenuItems(&m_menu, ID_IMAGE_A, 2);
    EXPECT_TRUE(ItemInfo(m_menu, 4).fType & MFT_OWNERDRAW);
    EXPECT_TRUE(ItemInfo(m_menu, 5).fType & MFT_OWNERDRAW);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(&m_menu), ItemInfo(m_menu, 5).dwItemData);
    EXPECT_EQ(UINT(ID_IMAGE_B), ItemInfo(m_menu, 5).wID);
    EXPECT_FALSE(ItemInfo(m_menu, 3).fType & MFT_OWNERDRAW);
    EXPECT_FALSE(ItemInfo(m_menu, 6).fType & MFT_OWNERDRAW);
    CString str;
    m_menu.GetMenuString(ID_IMAGE_B, str, MF_BYCOMMAND);
    EXPECT_EQ(CString(_T("B")), str);
}

TEST_F(DrawMenuTest, NullMenusAndStructuresDoNothing) {
    CDrawMenuHelper::InitMenu(NULL);
    CDrawMenuHelper::InitRecentMenuItems(NULL, 1, 5);
    CMenu empty;
    CDrawMenuHelper::InitMenu(&empty);
    CDrawMenuHelper::MeasureItem(NULL, NULL);
    CDrawMenuHelper::DrawItem(NULL, NULL);
    DRAWITEMSTRUCT dis = {};
    CDrawMenuHelper::DrawItem(&dis, NULL);  // no DC
    // An item without a menu is 100 wide and draws its background only.
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ID_OPEN;
    CDrawMenuHelper::MeasureItem(&mis, NULL);
    EXPECT_EQ(100u, mis.itemWidth);
    EXPECT_EQ(25u, mis.itemHeight);
    riztest::Surface surface(kItemWidth, 25, kMagenta);
    Draw(surface, ID_OPEN, 0, NULL, 0);
    EXPECT_FALSE(surface.HasOtherThan(CRect(20, 0, kItemWidth, 25), kMenuBk));
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 0, 20, 25), kImageColumn));
}

// The owner of a real popup: measures and draws its items through the helper, records what it saw and
// ends the menu as soon as it is idle.
struct OwnerRecord {
    std::map<UINT, SIZE> measured;
    std::map<UINT, ULONG_PTR> drawnData;
};
OwnerRecord* g_pRecord = NULL;

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (g_pRecord == NULL) return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    switch (nMsg) {
    case WM_MEASUREITEM: {
        LPMEASUREITEMSTRUCT lpMIS = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        HDC hDC = ::GetDC(hWnd);
        CDC dc;
        dc.Attach(hDC);
        CDrawMenuHelper::MeasureItem(lpMIS, &dc);
        dc.Detach();
        ::ReleaseDC(hWnd, hDC);
        g_pRecord->measured[lpMIS->itemID] = {static_cast<LONG>(lpMIS->itemWidth),
                                              static_cast<LONG>(lpMIS->itemHeight)};
        return TRUE;
    }
    case WM_DRAWITEM: {
        LPDRAWITEMSTRUCT lpDIS = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        CDrawMenuHelper::DrawItem(lpDIS, NULL);
        g_pRecord->drawnData[lpDIS->itemID] = lpDIS->itemData;
        return TRUE;
    }
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && !g_pRecord->drawnData.empty()) ::EndMenu();
        return 0;
    case WM_TIMER:
        ::EndMenu();  // never wait for a menu that does not go idle
        return 0;
    default:
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    }
}

TEST_F(DrawMenuTest, RealPopupIsMeasuredAndDrawnThroughItsOwner) {
    CDrawMenuHelper::InitMenu(&m_menu);
    WNDCLASS wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = _T("DrawMenuOwner");
    ::RegisterClass(&wc);
    HWND hOwner = ::CreateWindow(_T("DrawMenuOwner"), _T("owner"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                 300, 200, NULL, NULL, wc.hInstance, NULL);
    ASSERT_TRUE(hOwner != NULL);
    ::SetForegroundWindow(hOwner);
    OwnerRecord record;
    g_pRecord = &record;
    ::SetTimer(hOwner, 1, 1500, NULL);
    ::TrackPopupMenuEx(m_menu, TPM_RETURNCMD, 40, 40, hOwner, NULL);
    ::KillTimer(hOwner, 1);
    g_pRecord = NULL;
    ::DestroyWindow(hOwner);

    ASSERT_TRUE(record.measured.count(0));
    EXPECT_EQ(100, record.measured[0].cx);
    EXPECT_EQ(5, record.measured[0].cy);
    ASSERT_TRUE(record.measured.count(ID_OPEN));
    EXPECT_EQ(25, record.measured[ID_OPEN].cy);
    EXPECT_EQ(TextWidth(_T("&Open\tCtrl+O")) + 30, record.measured[ID_OPEN].cx);
    EXPECT_EQ(TextWidth(_T("Save")) + 30, record.measured[ID_SAVE].cx);
    EXPECT_GT(TextWidth(_T("&Open\tCtrl+O")), TextWidth(_T("Save")));
    // Every drawn item carried the menu as its data.
    ASSERT_TRUE(record.drawnData.count(ID_OPEN));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(&m_menu), record.drawnData[ID_OPEN]);
}

TEST_F(DrawMenuTest, TextIsBlackAndDisabledTextGrey) {
    riztest::Surface normal(kItemWidth, 25, kMagenta);
    Draw(normal, ID_RECENT, 0);
    EXPECT_LT(MaxChannel(Darkest(normal, CRect(30, 1, 120, 24))), 100) << "black text";
    riztest::Surface surface(kItemWidth, 25, kMagenta);
    Draw(surface, ID_RECENT, ODS_DISABLED);
    const COLORREF darkest = Darkest(surface, CRect(30, 1, 195, 24));
    EXPECT_TRUE(riztest::ColorNear(darkest, kDisabledText, 50)) << std::hex << darkest;
    EXPECT_GE(MaxChannel(darkest), 110) << "nothing as dark as black text";
}

TEST_F(DrawMenuTest, AcceleratorIsRightAlignedUnlessTheTabComesFirst) {
    m_menu.ModifyMenu(ID_SAVE, MF_BYCOMMAND | MF_STRING, ID_SAVE, _T("S\tW"));
    m_menu.ModifyMenu(ID_INNER, MF_BYCOMMAND | MF_STRING, ID_INNER, _T("\tW"));
    riztest::Surface split(kItemWidth, 25, kMagenta);
    Draw(split, ID_SAVE, 0);
    EXPECT_TRUE(HasInk(split, CRect(30, 1, 60, 24)));
    EXPECT_TRUE(HasInk(split, CRect(170, 1, 195, 24)));
    EXPECT_FALSE(split.HasOtherThan(CRect(60, 1, 170, 24), kMenuBk, 0));
    riztest::Surface whole(kItemWidth, 25, kMagenta);
    Draw(whole, ID_INNER, 0);
    EXPECT_TRUE(HasInk(whole, CRect(30, 1, 120, 24)));
    EXPECT_FALSE(whole.HasOtherThan(CRect(120, 1, 195, 24), kMenuBk, 0));
}

class DrawMenuImageTest : public DrawMenuTest {
protected:
    void SetUp() override {
        DrawMenuTest::SetUp();
        // Two 12 x 12 frames a strip; the top-left 2 x 2 of each frame is the key colour.
        auto strip = [this](LPCTSTR lpszName, COLORREF a, COLORREF b) {
            const std::vector<BYTE> data = riztest::Bmp24(
                24, 12, [a, b](int x, int y) { return x % 12 < 2 && y < 2 ? kMagenta : (x < 12 ? a : b); });
            return m_temp.WriteFile(lpszName, data.data(), data.size());
        };
        ASSERT_TRUE(strip(_T("normal.bmp"), kNormalA, kNormalB));
        ASSERT_TRUE(strip(_T("second.bmp"), kSecondA, kSecondB));
        const UINT ids[2] = {ID_IMAGE_A, ID_IMAGE_B};
        m_list.LoadBitmaps(m_temp.Path(_T("normal.bmp")), m_temp.Path(_T("second.bmp")), ids, 2, kMagenta);
        ASSERT_EQ(CSize(12, 12), m_list.GetImageSize());
    }

    static constexpr COLORREF kNormalA = RGB(20, 160, 20);
    static constexpr COLORREF kNormalB = RGB(20, 20, 160);
    static constexpr COLORREF kSecondA = RGB(160, 160, 20);
    static constexpr COLORREF kSecondB = RGB(20, 160, 160);
    riztest::TempFolder m_temp;
    CQVBitmapList m_list;
};

// What a row checks of one drawn item: a pixel at (rc.left, rc.top), that rc holds only clr, or that rc
// holds nCount pixels of clr.
enum Probe { PIXEL, ONLY, COUNT };

TEST_F(DrawMenuImageTest, ItemsDrawTheirColumnBackgroundSelectionSeparatorCheckAndImage) {
    const CRect kColumn(0, 0, 20, 25);
    // clang-format off
    const struct {
        const char* pszWhat;
        UINT nID, nState;
        bool bList;
        int cy;
        Probe probe;
        CRect rc;
        COLORREF clr;
        int nCount;
    } rows[] = {
        {"normal: the image column",             ID_RECENT, 0, false, 25, ONLY, kColumn, kImageColumn, 0},
        {"normal: background after the column",  ID_RECENT, 0, false, 25, ONLY, CRect(20, 0, 30, 25), kMenuBk, 0},
        {"normal: background after the text",    ID_RECENT, 0, false, 25, ONLY, CRect(120, 0, kItemWidth, 25), kMenuBk, 0},
        {"normal: no selection",                 ID_RECENT, 0, false, 25, COUNT, CRect(0, 0, kItemWidth, 25), kSelFill, 0},
        // The outer ring of one pixel keeps the column and background colours; the box's outline is at its
        // edges, its fill inside, over the image column too.
        {"selected: ring left",                  ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(0, 12, 0, 0), kImageColumn, 0},
        {"selected: ring top",                   ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(10, 0, 0, 0), kImageColumn, 0},
        {"selected: ring bottom",                ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(100, 24, 0, 0), kMenuBk, 0},
        {"selected: ring right",                 ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(199, 12, 0, 0), kMenuBk, 0},
        {"selected: outline left",               ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(1, 12, 0, 0), kSelOutline, 0},
        {"selected: outline top",                ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(100, 1, 0, 0), kSelOutline, 0},
        {"selected: outline bottom",             ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(100, 23, 0, 0), kSelOutline, 0},
        {"selected: outline right",              ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(198, 12, 0, 0), kSelOutline, 0},
        {"selected: fill over the column",       ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(5, 5, 0, 0), kSelFill, 0},
        {"selected: fill",                       ID_SAVE, ODS_SELECTED, false, 25, PIXEL, CRect(150, 12, 0, 0), kSelFill, 0},
        // The text rectangle is (30, 1, 195, 4): the line at y 2 from x 30 to 194.
        {"separator: line start",                0, 0, false, 5, PIXEL, CRect(30, 2, 0, 0), kSeparator, 0},
        {"separator: line end",                  0, 0, false, 5, PIXEL, CRect(194, 2, 0, 0), kSeparator, 0},
        {"separator: before the line",           0, 0, false, 5, PIXEL, CRect(29, 2, 0, 0), kMenuBk, 0},
        {"separator: after the line",            0, 0, false, 5, PIXEL, CRect(195, 2, 0, 0), kMenuBk, 0},
        {"separator: above the line",            0, 0, false, 5, PIXEL, CRect(100, 1, 0, 0), kMenuBk, 0},
        {"separator: below the line",            0, 0, false, 5, PIXEL, CRect(100, 3, 0, 0), kMenuBk, 0},
        {"separator: the column",                0, 0, false, 5, ONLY, CRect(0, 0, 20, 5), kImageColumn, 0},
        // The check image, 16 x 16, centred in the 20 x 25 column: at (2, 4), its ink at (6..13, 8..15).
        {"checked: ink top left",                ID_SAVE, ODS_CHECKED, false, 25, PIXEL, CRect(6, 8, 0, 0), kCheckInk, 0},
        {"checked: ink bottom right",            ID_SAVE, ODS_CHECKED, false, 25, PIXEL, CRect(13, 15, 0, 0), kCheckInk, 0},
        {"checked: left of the ink",             ID_SAVE, ODS_CHECKED, false, 25, PIXEL, CRect(5, 8, 0, 0), kImageColumn, 0},
        {"checked: below the ink",               ID_SAVE, ODS_CHECKED, false, 25, PIXEL, CRect(14, 16, 0, 0), kImageColumn, 0},
        {"checked: the white key",               ID_SAVE, ODS_CHECKED, false, 25, PIXEL, CRect(2, 4, 0, 0), kImageColumn, 0},
        {"checked: no white",                    ID_SAVE, ODS_CHECKED, false, 25, COUNT, kColumn, kWhite, 0},
        {"checked: all the ink",                 ID_SAVE, ODS_CHECKED, false, 25, COUNT, kColumn, kCheckInk, 64},
        // The 12 x 12 image centred in 20 x 25: at (4, 6); its key corner (4..5, 6..7) shows the column.
        {"image: top left past the key",         ID_IMAGE_B, 0, true, 25, PIXEL, CRect(6, 6, 0, 0), kNormalB, 0},
        {"image: bottom right",                  ID_IMAGE_B, 0, true, 25, PIXEL, CRect(15, 17, 0, 0), kNormalB, 0},
        {"image: its key corner",                ID_IMAGE_B, 0, true, 25, PIXEL, CRect(4, 6, 0, 0), kImageColumn, 0},
        {"image: left of it",                    ID_IMAGE_B, 0, true, 25, PIXEL, CRect(3, 10, 0, 0), kImageColumn, 0},
        {"image: right of it",                   ID_IMAGE_B, 0, true, 25, PIXEL, CRect(16, 10, 0, 0), kImageColumn, 0},
        {"image: all of it less the key",        ID_IMAGE_B, 0, true, 25, COUNT, kColumn, kNormalB, 12 * 12 - 4},
        {"selected image: the normal strip",     ID_IMAGE_A, ODS_SELECTED, true, 25, PIXEL, CRect(10, 12, 0, 0), kNormalA, 0},
        {"selected image: key over the box",     ID_IMAGE_A, ODS_SELECTED, true, 25, PIXEL, CRect(4, 6, 0, 0), kSelFill, 0},
        {"disabled image: the second strip",     ID_IMAGE_A, ODS_DISABLED, true, 25, PIXEL, CRect(10, 12, 0, 0), kSecondA, 0},
        {"unknown command: no image",            ID_NO_IMAGE, 0, true, 25, ONLY, kColumn, kImageColumn, 0},
        {"the check wins over the image",        ID_IMAGE_B, ODS_CHECKED, true, 25, COUNT, kColumn, kNormalB, 0},
        {"the check is drawn instead",           ID_IMAGE_B, ODS_CHECKED, true, 25, COUNT, kColumn, kCheckInk, 64},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.pszWhat);
        riztest::Surface surface(kItemWidth, r.cy, kMagenta);
        Draw(surface, r.nID, r.nState, r.bList ? &m_list : NULL);
        if (r.probe == PIXEL)
            EXPECT_EQ(r.clr, surface.Pixel(r.rc.left, r.rc.top));
        else if (r.probe == ONLY)
            EXPECT_FALSE(surface.HasOtherThan(r.rc, r.clr, 0));
        else
            EXPECT_EQ(r.nCount, surface.CountNear(r.rc, r.clr, 0));
    }
}

}  // namespace

namespace {

// Both shipped skins give a menu check mark of about 16 x 16 on white, its key colour.
TEST(DrawMenuSkin, ShippedSkinsGiveACheckMarkOnWhite) {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    ASSERT_GE(pSkin->GetSkinsTotal(), 2) << "the shipped skins are a build product of every test program";
    const CString strOld = pSkin->GetCurrentSkinPath();
    for (int i = 0; i < pSkin->GetSkinsTotal(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(pSkin->LoadSkin(pSkin->GetSkinFolder(i)));
        const CQVBitmap& bmp = pSkin->GetOthRes()->m_bmpMenuCheck;
        ASSERT_FALSE(bmp.IsNull());
        EXPECT_EQ(1, bmp.GetMultiState());
        EXPECT_EQ(16, bmp.GetWidth());
        EXPECT_EQ(16, bmp.GetHeight());
        riztest::Surface surface(20, 25, kMagenta);
        CDC dc;
        dc.Attach(surface.Dc());
        bmp.TransparentDraw(&dc, 2, 4, kWhite, 0);
        dc.Detach();
        // The corners are key, the mark is there.
        EXPECT_EQ(kMagenta, surface.Pixel(2, 4));
        EXPECT_EQ(kMagenta, surface.Pixel(17, 19));
        EXPECT_GT(16 * 16 - surface.CountNear(CRect(2, 4, 18, 20), kMagenta, 0), 10);
    }
    if (!strOld.IsEmpty()) pSkin->LoadSkin(strOld);
}

}  // namespace
