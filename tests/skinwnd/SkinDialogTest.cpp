// The skinned dialog on real dialogs from in-memory templates: its size under the skin frame, the client
// background, menus, skin and language changes passed through the window tree, and no leaks.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <memory>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVDialog.h"
#include "ResourceCounter.h"
#include "SkinDialog.h"
#include "SkinPopupWnd.h"
#include "SkinWndTestIds.h"
#include "SkinWndTestKit.h"

using namespace skintest;

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr UINT ID_STATIC_KEY = 1001;
constexpr UINT ID_SYSTEM_COMMAND = 0xF100;

// A dialog from an in-memory template, its frame reachable by the tests.
class CTestDialog : public CSkinDialog {
public:
    BOOL CreateFrom(const std::vector<WORD>& dlgTemplate, CWnd* pParent = nullptr) {
        return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dlgTemplate.data()), pParent);
    }
    CSkinWnd& Skin() { return m_SkinWnd; }
    void OnOpen() { ++m_nOpened; }
    int m_nOpened = 0;

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CSkinDialog)
ON_COMMAND(ID_SKINTEST_OPEN, &CTestDialog::OnOpen)
END_MESSAGE_MAP()

class CTestQVDialog : public CQVDialog {
public:
    void OnOpen() {}

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestQVDialog, CQVDialog)
ON_COMMAND(ID_SKINTEST_OPEN, &CTestQVDialog::OnOpen)
END_MESSAGE_MAP()

std::unique_ptr<CTestDialog> MakeDialog(DWORD dwStyle = kDialogStyle, int cx = 160, int cy = 100,
                                        const std::vector<std::pair<LPCWSTR, WORD>>& statics = {}) {
    std::unique_ptr<CTestDialog> dlg(new CTestDialog);
    if (!dlg->CreateFrom(DialogTemplate(dwStyle, cx, cy, L"Skinned dialog", statics))) return nullptr;
    return dlg;
}

// A popup menu "Open / About / system command", and a bar holding it.
HMENU MakeMenuBar() {
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenu(hPopup, MF_STRING, ID_SKINTEST_OPEN, _T("&Open"));
    ::AppendMenu(hPopup, MF_STRING, ID_SKINTEST_ABOUT, _T("&About"));
    ::AppendMenu(hPopup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hPopup, MF_STRING, ID_SYSTEM_COMMAND, _T("&Size"));
    HMENU hBar = ::CreateMenu();
    ::AppendMenu(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), _T("~IDS_YES"));
    return hBar;
}

bool IsGrayed(HMENU hMenu, UINT nID) {
    return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

CString ItemText(HWND hWnd) {
    TCHAR sz[256] = {};
    ::GetWindowText(hWnd, sz, 256);
    return sz;
}

class SkinDialogTest : public ::testing::Test {
protected:
    void TearDown() override { riztest::PumpMessages(1000); }
    SkinScope m_skin;
};

// ---- Size, frame and background ----

TEST_F(SkinDialogTest, ClientKeepsTheTemplateSizeUnderTheSkinFrame) {
    auto dlg = MakeDialog();
    ASSERT_TRUE(dlg);
    CRect rcDesigned(0, 0, 160, 100);
    dlg->MapDialogRect(&rcDesigned);
    CRect rcClient;
    dlg->GetClientRect(&rcClient);
    EXPECT_EQ(rcDesigned.Size(), rcClient.Size());
    EXPECT_EQ(CRect(kLeft, kCaption, kLeft + rcClient.Width(), kCaption + rcClient.Height()),
              ClientInWindow(dlg->m_hWnd));
    CSize sizeAdd;
    dlg->Skin().GetWindowAddSize(sizeAdd);
    EXPECT_EQ(sizeAdd, dlg->GetSizeAdded());
}

TEST_F(SkinDialogTest, HugeDialogIsBroughtBackToAUsualSizeOnActivation) {
    auto dlg = MakeDialog();
    ASSERT_TRUE(dlg);
    dlg->SetWindowPos(nullptr, 30, 40, 2100, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_GT(WindowRect(dlg->m_hWnd).Width(), 2000);
    dlg->SendMessage(WM_NCACTIVATE, TRUE);
    EXPECT_EQ(CRect(0, 0, 1024, 768), WindowRect(dlg->m_hWnd));
}

TEST_F(SkinDialogTest, ErasesWithTheSkinBackgroundOrTheSystemOne) {
    auto dlg = MakeDialog();
    ASSERT_TRUE(dlg);
    CRect rcClient;
    dlg->GetClientRect(&rcClient);
    {
        riztest::Surface surface(rcClient.Width(), rcClient.Height(), RGB(1, 2, 3));
        EXPECT_TRUE(dlg->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.Dc())));
        EXPECT_EQ(kClientBk, surface.Pixel(rcClient.Width() / 2, rcClient.Height() / 2));
    }
    {
        m_skin.Res().m_nClientBkMode = 0;
        riztest::Surface surface(rcClient.Width(), rcClient.Height(), RGB(1, 2, 3));
        dlg->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.Dc()));
        EXPECT_TRUE(riztest::ColorNear(::GetSysColor(COLOR_BTNFACE),
                                       surface.Pixel(rcClient.Width() / 2, rcClient.Height() / 2)));
    }
}

TEST_F(SkinDialogTest, SkinnedCaptionIsShownOnScreen) {
    auto dlg = MakeDialog();
    ASSERT_TRUE(dlg);
    dlg->ShowWindow(SW_SHOW);
    dlg->SetActiveWindow();
    riztest::PumpUntilIdle(300);
    EXPECT_TRUE(riztest::ColorNear(kCaptionActive, WindowPixel(dlg->m_hWnd, 100, 15)));
    // A new title paints the frame again at once.
    dlg->SetWindowText(_T("MMMMMMMMMMMM"));
    const CRect rcTitle = dlg->Skin().GetLayout().m_rcTitle;
    int nWhite = 0;
    for (int x = rcTitle.left; x < rcTitle.left + 80; ++x)
        for (int y = rcTitle.top; y < rcTitle.bottom; ++y)
            nWhite += riztest::ColorNear(RGB(255, 255, 255), WindowPixel(dlg->m_hWnd, x, y), 60) ? 1 : 0;
    EXPECT_GT(nWhite, 10);
}

// ---- Menus ----

TEST_F(SkinDialogTest, MenuPopupDisablesCommandsWithoutAHandler) {
    auto dlg = MakeDialog();
    ASSERT_TRUE(dlg);
    ::SetMenu(dlg->m_hWnd, MakeMenuBar());
    HMENU hPopup = ::GetSubMenu(::GetMenu(dlg->m_hWnd), 0);
    dlg->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    EXPECT_FALSE(IsGrayed(hPopup, ID_SKINTEST_OPEN));
    EXPECT_TRUE(IsGrayed(hPopup, ID_SKINTEST_ABOUT));
    EXPECT_FALSE(IsGrayed(hPopup, ID_SYSTEM_COMMAND));

    ::EnableMenuItem(hPopup, ID_SKINTEST_ABOUT, MF_BYCOMMAND | MF_ENABLED);
    dlg->m_bAutoMenuEnable = FALSE;
    dlg->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    EXPECT_FALSE(IsGrayed(hPopup, ID_SKINTEST_ABOUT));
}

TEST_F(SkinDialogTest, UnframedDialogAlwaysDisablesCommandsWithoutAHandler) {
    CTestQVDialog dlg;
    const std::vector<WORD> t = DialogTemplate(kDialogStyle, 100, 60, L"Unframed");
    ASSERT_TRUE(dlg.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(t.data())));
    HMENU hBar = MakeMenuBar();
    HMENU hPopup = ::GetSubMenu(hBar, 0);
    dlg.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    EXPECT_FALSE(IsGrayed(hPopup, ID_SKINTEST_OPEN));
    EXPECT_TRUE(IsGrayed(hPopup, ID_SKINTEST_ABOUT));
    EXPECT_FALSE(IsGrayed(hPopup, ID_SYSTEM_COMMAND));
    // Its frame is the system's: the client is inset by the system frame, not the skin's.
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    dlg.ClientToScreen(&rcClient);
    EXPECT_EQ(WindowRect(dlg.m_hWnd).top + ::GetSystemMetrics(SM_CYCAPTION) +
                  ::GetSystemMetrics(SM_CYDLGFRAME),
              rcClient.top);
    ::DestroyMenu(hBar);
}

TEST_F(SkinDialogTest, InitMenuMakesItemsOwnerDrawnAndMeasuresThem) {
    auto dlg = MakeDialog();
    ASSERT_TRUE(dlg);
    ::SetMenu(dlg->m_hWnd, MakeMenuBar());
    HMENU hPopup = ::GetSubMenu(::GetMenu(dlg->m_hWnd), 0);
    dlg->SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(::GetMenu(dlg->m_hWnd)));
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfo(hPopup, ID_SKINTEST_OPEN, FALSE, &mii));
    EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
    ASSERT_NE(0u, mii.dwItemData);

    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ID_SKINTEST_OPEN;
    mis.itemData = mii.dwItemData;
    dlg->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(25u, mis.itemHeight);
    EXPECT_GT(mis.itemWidth, 30u);
    // The item data stays valid after the thread's temporary wrappers are freed.
    AfxLockTempMaps();
    AfxUnlockTempMaps();
    MEASUREITEMSTRUCT again = mis;
    again.itemWidth = 0;
    dlg->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&again));
    EXPECT_EQ(mis.itemWidth, again.itemWidth);
}

// ---- Skin and language changes ----

// A child that answers the skin message with 1 and counts it.
class CSkinAwareChild : public CWnd {
public:
    int m_nSkinChanged = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_QV_SKINCHANGED) {
            ++m_nSkinChanged;
            m_wParam = wParam;
            m_lParam = lParam;
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(SkinDialogTest, SkinChangeReLaysOutEveryLiveWindowAndReachesTheChildren) {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    const CString strDefault = ShippedSkinFolder(_T("Default"));
    const CString strJade = ShippedSkinFolder(_T("Jade"));
    ASSERT_FALSE(strDefault.IsEmpty());
    ASSERT_FALSE(strJade.IsEmpty());
    ASSERT_TRUE(pSkin->LoadSkin(strDefault));
    const int nDefaultCaption = pSkin->GetWndRes()->m_nCaptionHeight;

    auto dlg = MakeDialog();
    ASSERT_TRUE(dlg);
    std::unique_ptr<CSkinPopupWnd> popup(new CSkinPopupWnd);
    ASSERT_TRUE(popup->CreateEx(0, AfxRegisterWndClass(0), _T("popup"), WS_OVERLAPPEDWINDOW, 50, 50, 300, 200,
                                nullptr, nullptr));
    CSkinAwareChild child;
    ASSERT_TRUE(child.Create(nullptr, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), dlg.get(), 77));
    dlg->ShowWindow(SW_SHOWNOACTIVATE);
    riztest::PumpUntilIdle(300);

    HWND windows[] = {dlg->m_hWnd, popup->m_hWnd};
    CSize clientBefore[2];
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(nDefaultCaption, ClientInWindow(windows[i]).top);
        clientBefore[i] = ClientInWindow(windows[i]).Size();
    }

    ASSERT_TRUE(pSkin->LoadSkin(strJade));
    const CQVSkinWndRes& jade = *pSkin->GetWndRes();
    ASSERT_NE(nDefaultCaption, jade.m_nCaptionHeight);
    child.ValidateRect(nullptr);
    for (HWND hWnd : windows)
        EXPECT_EQ(0, ::SendMessage(hWnd, WM_QV_SKINCHANGED, 5, 6));
    for (int i = 0; i < 2; ++i) {
        const CRect rcClient = ClientInWindow(windows[i]);
        EXPECT_EQ(CPoint(jade.m_nLeftBorder, jade.m_nCaptionHeight), rcClient.TopLeft()) << i;
        // The window grew or shrank by the change of the frame: the client keeps its size.
        EXPECT_EQ(clientBefore[i], rcClient.Size()) << i;
    }
    EXPECT_EQ(1, child.m_nSkinChanged);
    EXPECT_EQ(5u, child.m_wParam);
    EXPECT_EQ(6, child.m_lParam);
    CRect rcUpdate;
    EXPECT_TRUE(child.GetUpdateRect(&rcUpdate));

    // The same frame sizes again: nothing moves.
    const CRect rcDialog = WindowRect(dlg->m_hWnd);
    dlg->SendMessage(WM_QV_SKINCHANGED);
    EXPECT_EQ(rcDialog, WindowRect(dlg->m_hWnd));
    child.DestroyWindow();
}

TEST_F(SkinDialogTest, EveryLanguageChangeTranslatesTheCaptionTheChildrenAndTheMenuFromTheirKeys) {
    auto dlg = MakeDialog(kDialogStyle, 160, 100, {{L"~IDS_OK", ID_STATIC_KEY}, {L"plain text", 1002}});
    ASSERT_TRUE(dlg);
    dlg->SetWindowText(_T("~IDS_NO"));
    HMENU hBar = MakeMenuBar();
    HMENU hPopup = ::GetSubMenu(hBar, 0);
    ::ModifyMenu(hPopup, ID_SKINTEST_ABOUT, MF_BYCOMMAND | MF_STRING, ID_SKINTEST_ABOUT, _T("~IDS_CANCEL"));
    ::SetMenu(dlg->m_hWnd, hBar);
    ASSERT_EQ(1, dlg->Skin().GetMenuItemCount());
    EXPECT_EQ(CString(_T("~IDS_YES")), dlg->Skin().GetMenuItemData(0)->strText);

    // Chinese, English, Chinese: each switch renames from the keys, not from the last texts.
    CQVLanResManager* pLan = CQVLanResManager::GetSingletonPtr();
    const CString strSaved = pLan->GetCurrentLanFile();
    for (int nLanguage : {1, 0, 1}) {
        SCOPED_TRACE(nLanguage);
        ASSERT_TRUE(pLan->LoadLanguage(pLan->GetLanguageFile(nLanguage)));
        EXPECT_EQ(0, dlg->SendMessage(WM_QV_LANCHANGED));
        EXPECT_EQ(pLan->GetString(_T("IDS_OK")), ItemText(dlg->GetDlgItem(ID_STATIC_KEY)->m_hWnd));
        EXPECT_EQ(nLanguage == 0, ItemText(dlg->GetDlgItem(ID_STATIC_KEY)->m_hWnd) == _T("OK"));
        EXPECT_EQ(pLan->GetString(_T("IDS_NO")), ItemText(dlg->m_hWnd));
        EXPECT_EQ(CString(_T("plain text")), ItemText(dlg->GetDlgItem(1002)->m_hWnd));
        CString strItem;
        CMenu::FromHandle(hPopup)->GetMenuString(ID_SKINTEST_ABOUT, strItem, MF_BYCOMMAND);
        EXPECT_EQ(pLan->GetString(_T("IDS_CANCEL")), strItem);
        EXPECT_EQ(pLan->GetString(_T("IDS_YES")), dlg->Skin().GetMenuItemData(0)->strText);
        // The popup is still the one of the bar item.
        EXPECT_EQ(hPopup, ::GetSubMenu(::GetMenu(dlg->m_hWnd), 0));
    }
    // A text the dialog sets itself is its own: the next switch leaves it alone.
    dlg->GetDlgItem(ID_STATIC_KEY)->SetWindowText(_T("3 new words"));
    dlg->SendMessage(WM_QV_LANCHANGED);
    EXPECT_EQ(CString(_T("3 new words")), ItemText(dlg->GetDlgItem(ID_STATIC_KEY)->m_hWnd));
    pLan->LoadLanguage(strSaved);
}

// ---- Lifetime ----

// Destroys and deletes itself on the close button.
class CClosingDialog : public CTestDialog {
public:
    static int s_nDeleted;

protected:
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override {
        ++s_nDeleted;
        delete this;
    }
};
int CClosingDialog::s_nDeleted = 0;

TEST_F(SkinDialogTest, DialogDeletedInsideItsCloseClickDoesNotCrash) {
    CClosingDialog::s_nDeleted = 0;
    auto* pDlg = new CClosingDialog;
    ASSERT_TRUE(pDlg->CreateFrom(DialogTemplate(kDialogStyle, 100, 60, L"closing")));
    const HWND hWnd = pDlg->m_hWnd;
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    const CRect rcWindow = WindowRect(hWnd);
    const LPARAM lPoint = MAKELPARAM(rcWindow.right - 10, rcWindow.top + 10);
    ::PostMessage(hWnd, WM_NCLBUTTONDOWN, HTCLOSE, lPoint);
    ::PostMessage(hWnd, WM_NCLBUTTONUP, HTCLOSE, lPoint);
    riztest::PumpUntilIdle(500);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(1, CClosingDialog::s_nDeleted);
}

TEST_F(SkinDialogTest, DialogCreateDestroySoak) {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    SkinCopy copy(_T("Default"));
    ASSERT_TRUE(pSkin->LoadSkin(copy.Folder()));
    riztest::ExpectCyclesLeakNothing([](int) {
        auto dlg = MakeDialog(kDialogStyle, 160, 100, {{L"~IDS_OK", ID_STATIC_KEY}});
        ASSERT_TRUE(dlg);
        ::SetMenu(dlg->m_hWnd, MakeMenuBar());
        dlg->ShowWindow(SW_SHOWNOACTIVATE);
        dlg->SendMessage(WM_NCACTIVATE, TRUE);
        dlg->SendMessage(WM_QV_SKINCHANGED);
        dlg->SendMessage(WM_QV_LANCHANGED);
        dlg->SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(::GetMenu(dlg->m_hWnd)));
        riztest::PumpUntilIdle(200);
        dlg->DestroyWindow();
        riztest::PumpUntilIdle(200);
    });
}

}  // namespace
