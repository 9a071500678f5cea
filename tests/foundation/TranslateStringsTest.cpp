// Window and menu texts that start with "~" are language keys, translated through real windows and menus
// with a language file of the test's own.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <iterator>

#include <QVLanResManager.h>

#include "TestData.h"
#include "TestWindow.h"
#include "TranslateStrings.h"

namespace {

// Loads a small language of the test's own; the en-US table beside the DLL stays the fallback.
class TranslateStrings : public ::testing::Test {
protected:
    void SetUp() override {
        const char* pszLanguage = u8"\xEF\xBB\xBF; test language\n"
                                  u8"IDS_T_TITLE=Lesson window\n"
                                  u8"IDS_T_LABEL=第三课：问候\n"
                                  u8"IDS_T_DEEP=Deep child\n"
                                  u8"IDS_T_OPEN=&Open\tCtrl+O\n"
                                  u8"IDS_T_FILE=&File\n"
                                  u8"IDS_T_RECENT=Recent lessons\n"
                                  u8"IDS_T_SAVE=保存\n";
        ASSERT_TRUE(m_folder.WriteFile(_T("test.lng"), pszLanguage));
        ASSERT_TRUE(CQVLanResManager::GetSingletonPtr()->LoadLanguage(m_folder.Path(_T("test.lng"))));
    }

    static HWND Child(HWND hParent, LPCTSTR lpszText, LPCTSTR lpszClass = _T("STATIC")) {
        return ::CreateWindow(lpszClass, lpszText, WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, hParent, nullptr,
                              nullptr, nullptr);
    }

    static CString Text(HWND hWnd) {
        CString str;
        CWnd::FromHandle(hWnd)->GetWindowText(str);
        return str;
    }

    static CString ItemText(HMENU hMenu, int nPos) {
        TCHAR sz[2048] = {};
        ::GetMenuString(hMenu, nPos, sz, 2048, MF_BYPOSITION);
        return sz;
    }

    riztest::TempFolder m_folder;
};

TEST_F(TranslateStrings, WindowTextsStartingWithTildeAfterBlanksAreLanguageKeys) {
    const struct {
        LPCTSTR lpszText;
        LPCTSTR lpszExpected;
    } rows[] = {
        {_T("~IDS_T_LABEL"), _T("第三课：问候")},
        {_T("  \t~IDS_T_TITLE  "), _T("Lesson window")},  // trimmed before the tilde is looked for
        {_T("~"), _T("")},                                // the text of the empty key
        {_T("~IDS_T_NOWHERE"), _T("IDS_T_NOWHERE")},      // an unknown key becomes the key itself
        // Untranslated texts are left alone, blanks included.
        {_T("  Plain text  "), _T("  Plain text  ")},
        {_T("Press ~IDS_T_TITLE"), _T("Press ~IDS_T_TITLE")},
        {_T(""), _T("")},
    };
    riztest::TestWindow window;
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows));
        HWND hLabel = Child(window.Host(), r.lpszText);
        TranslateWndStrings(CWnd::FromHandle(hLabel));
        EXPECT_EQ(CString(r.lpszExpected), Text(hLabel));
        // Once more changes nothing more.
        TranslateWndStrings(CWnd::FromHandle(hLabel));
        EXPECT_EQ(CString(r.lpszExpected), Text(hLabel));
    }
}

TEST_F(TranslateStrings, WholeChildTreeIsTranslatedDepthFirst) {
    riztest::TestWindow window;
    ::SetWindowText(window.Frame(), _T("~IDS_T_TITLE"));
    HWND hGroup = Child(window.Host(), _T("~IDS_T_FILE"));
    HWND hDeep = Child(hGroup, _T("~IDS_T_DEEP"));
    HWND hDeeper = Child(hDeep, _T(" ~IDS_T_SAVE"));
    HWND hButton = Child(window.Host(), _T("~IDS_T_OPEN"), _T("BUTTON"));

    TranslateWndStrings(CWnd::FromHandle(window.Frame()));

    EXPECT_EQ(CString(_T("Lesson window")), Text(window.Frame()));
    EXPECT_EQ(CString(_T("&File")), Text(hGroup));
    EXPECT_EQ(CString(_T("Deep child")), Text(hDeep));
    EXPECT_EQ(CString(_T("保存")), Text(hDeeper));
    EXPECT_EQ(CString(_T("&Open\tCtrl+O")), Text(hButton));
}

TEST_F(TranslateStrings, NullWindowAndNullMenuDoNothing) {
    riztest::TestWindow window;
    HWND hLabel = Child(window.Host(), _T("~IDS_T_TITLE"));
    TranslateWndStrings(nullptr);
    TranslateMenuStrings(nullptr);
    CWnd wndEmpty;  // an object without a window
    TranslateWndStrings(&wndEmpty);
    CMenu menuEmpty;
    TranslateMenuStrings(&menuEmpty);
    EXPECT_EQ(nullptr, wndEmpty.m_hWnd);
    EXPECT_EQ(nullptr, menuEmpty.m_hMenu);
    // No window of the thread was translated in their place.
    EXPECT_EQ(CString(_T("~IDS_T_TITLE")), Text(hLabel));
}

TEST_F(TranslateStrings, MenuItemsStartingWithTildeAreTranslatedAndKeepTheirIdsAndStates) {
    // clang-format off
    const struct {
        UINT nFlags;
        UINT nID;
        LPCTSTR lpszText;
        LPCTSTR lpszExpected;
    } rows[] = {
        {MF_STRING, 101, _T("~IDS_T_OPEN"), _T("&Open\tCtrl+O")},
        {MF_SEPARATOR, 0, nullptr, _T("")},                       // the separator stays one
        {MF_STRING, 102, _T("Plain"), _T("Plain")},
        {MF_STRING, 103, _T("~IDS_T_SAVE"), _T("保存")},
        {MF_STRING, 104, _T(" ~IDS_T_OPEN"), _T(" ~IDS_T_OPEN")},  // a blank before the tilde: not a key
        {MF_STRING, 105, _T("~"), _T("")},
        {MF_STRING | MF_CHECKED, 106, _T("~IDS_T_OPEN"), _T("&Open\tCtrl+O")},
        {MF_STRING | MF_GRAYED, 107, _T("~IDS_T_SAVE"), _T("保存")},
    };
    // clang-format on
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (const auto& r : rows)
        menu.AppendMenu(r.nFlags, r.nID, r.lpszText);
    TranslateMenuStrings(&menu);
    ASSERT_EQ(static_cast<UINT>(std::size(rows)), menu.GetMenuItemCount());
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        SCOPED_TRACE(testing::Message() << "item " << i);
        EXPECT_EQ(CString(rows[i].lpszExpected), ItemText(menu, i));
        EXPECT_EQ(rows[i].nID, menu.GetMenuItemID(i));
        if (!(rows[i].nFlags & MF_SEPARATOR)) {  // a separator answers as disabled
            EXPECT_EQ(rows[i].nFlags & (MF_CHECKED | MF_GRAYED),
                      menu.GetMenuState(i, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED));
        }
    }
}

TEST_F(TranslateStrings, SubmenusAreTranslatedAndStayAttached) {
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    HMENU hFile = ::CreatePopupMenu();
    HMENU hRecent = ::CreatePopupMenu();
    ::AppendMenu(hRecent, MF_STRING, 201, _T("~IDS_T_TITLE"));
    ::AppendMenu(hFile, MF_STRING, 101, _T("~IDS_T_OPEN"));
    ::AppendMenu(hFile, MF_POPUP, reinterpret_cast<UINT_PTR>(hRecent), _T("~IDS_T_RECENT"));
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), _T("~IDS_T_FILE"));

    TranslateMenuStrings(&bar);

    EXPECT_EQ(CString(_T("&File")), ItemText(bar, 0));
    ASSERT_EQ(hFile, ::GetSubMenu(bar, 0));
    EXPECT_EQ(CString(_T("&Open\tCtrl+O")), ItemText(hFile, 0));
    EXPECT_EQ(CString(_T("Recent lessons")), ItemText(hFile, 1));
    ASSERT_EQ(hRecent, ::GetSubMenu(hFile, 1));
    EXPECT_TRUE(::IsMenu(hRecent));
    EXPECT_EQ(CString(_T("Lesson window")), ItemText(hRecent, 0));
    EXPECT_EQ(201u, ::GetMenuItemID(hRecent, 0));
}

TEST_F(TranslateStrings, MenuTextsUpTo1024CharactersAreRead) {
    // A key of 1,023 characters after the "~": the whole key is looked up (and, unknown, comes back).
    CString strKey(_T('K'), 1023);
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 101, _T("~") + strKey);
    TranslateMenuStrings(&menu);
    EXPECT_EQ(strKey, ItemText(menu, 0));
}

TEST_F(TranslateStrings, MenuWithAThousandItemsIsTranslatedCompletely) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (UINT i = 0; i < 1000; ++i)
        menu.AppendMenu(MF_STRING, 1000 + i, (i % 2) ? _T("~IDS_T_SAVE") : _T("~IDS_T_TITLE"));
    TranslateMenuStrings(&menu);
    ASSERT_EQ(1000u, menu.GetMenuItemCount());
    int nWrong = 0;
    for (int i = 0; i < 1000; ++i) {
        const CString strExpected = (i % 2) ? _T("保存") : _T("Lesson window");
        if (ItemText(menu, i) != strExpected || menu.GetMenuItemID(i) != 1000u + i) ++nWrong;
    }
    EXPECT_EQ(0, nWrong);
}

}  // namespace
