// Damaged skins: a copy of the shipped Default skin damaged as a user's download may be, loaded under a
// skinned frame and a skinned dialog with a button, an outlook bar and a contact list, then the skin
// switched back. No case may crash, hang or leave a window of another size than it was designed with,
// and a second round leaves exactly as many GDI objects as the first.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "IMListWnd.h"
#include "MessagePump.h"
#include "QVButton.h"
#include "QVOutBarCtrl.h"
#include "RIZuruzezuDef.h"
#include "ResourceCounter.h"
#include "SkinDialog.h"
#include "SkinFrameWnd.h"
#include "TestData.h"
#include "SkinWndTestKit.h"
#include "Watchdog.h"

using skintest::FileSize;
using skintest::WriteBytes;

namespace {

constexpr UINT ID_DAMAGED_BUTTON = 1001;
constexpr UINT ID_DAMAGED_LIST = 1002;
constexpr UINT ID_DAMAGED_OUTBAR = 1003;
// No window region may hold more rectangles than four corner masks at their bound.
constexpr int kMaxRegionRects = 16000;

CQVSkinResManager* Skin() {
    return CQVSkinResManager::GetSingletonPtr();
}

// Noise that repeats nowhere: half the pixels magenta (outside the window), scattered.
bool Noise(int x, int y) {
    unsigned int n = static_cast<unsigned int>(x) * 73856093u ^ static_cast<unsigned int>(y) * 19349663u;
    n = (n ^ (n >> 13)) * 0x5bd1e995u;
    return ((n ^ (n >> 15)) & 1u) != 0;
}

// A well-formed region cache of nRects separate one-pixel rectangles, for a mask of cx x cy.
std::vector<BYTE> RegionCache(int nRects, int cx, int cy) {
    const int nAcross = 400;
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + static_cast<size_t>(nRects) * sizeof(RECT) + 8, 0);
    RGNDATAHEADER* pHeader = reinterpret_cast<RGNDATAHEADER*>(data.data());
    pHeader->dwSize = sizeof(RGNDATAHEADER);
    pHeader->iType = RDH_RECTANGLES;
    pHeader->nCount = static_cast<DWORD>(nRects);
    pHeader->nRgnSize = static_cast<DWORD>(nRects * sizeof(RECT));
    RECT* pRects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (int i = 0; i < nRects; ++i) {
        const int x = 2 * (i % nAcross), y = 2 * (i / nAcross);
        pRects[i] = RECT{x, y, x + 1, y + 1};
    }
    pHeader->rcBound = RECT{0, 0, 2 * nAcross, 2 * ((nRects + nAcross - 1) / nAcross)};
    INT32* pSize = reinterpret_cast<INT32*>(data.data() + data.size() - 8);
    pSize[0] = cx;
    pSize[1] = cy;
    return data;
}

int RegionRects(HWND hWnd) {
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    int nRects = -1;
    if (::GetWindowRgn(hWnd, hRgn) != ERROR) {
        const DWORD nSize = ::GetRegionData(hRgn, 0, nullptr);
        nRects = nSize >= sizeof(RGNDATAHEADER)
                     ? static_cast<int>((nSize - sizeof(RGNDATAHEADER)) / sizeof(RECT))
                     : 0;
    }
    ::DeleteObject(hRgn);
    return nRects;
}

class CDamagedDialog : public CSkinDialog {
public:
    BOOL CreateFrom(const std::vector<WORD>& dlgTemplate) {
        return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dlgTemplate.data()), nullptr);
    }
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        m_button.SubclassDlgItem(ID_DAMAGED_BUTTON, this);
        m_list.CreateEx(0, nullptr, _T(""), WS_CHILD | WS_VISIBLE, CRect(8, 8, 200, 200), this,
                        ID_DAMAGED_LIST);
        CIMGroupButton* pGroup = m_list.AddGroup(_T("Classmates"), FALSE);
        CIMListTeamItem* pTeam = m_list.AddTeam(_T("Evening class"), pGroup, FALSE);
        m_list.AddUser(7, _T("Lin"), _T("Reading chapter 3"), 1, IMUS_ONLINE, pTeam, FALSE);
        m_list.AddUser(8, _T("Mei"), _T("Away"), 2, IMUS_AWAY, pTeam, TRUE);
        return TRUE;
    }

    CQVButton m_button;
    CIMListWnd m_list;
};

// Both windows of a case; the designed sizes are what they were made with under the good skin.
struct Windows {
    CSkinFrameWnd* pFrame = nullptr;  // deletes itself with its window
    HWND hFrame = nullptr;
    std::unique_ptr<CDamagedDialog> dialog;
    CQVOutBarCtrl outbar;

    bool Create() {
        pFrame = new CSkinFrameWnd;
        if (!pFrame->Create(nullptr, _T("Lessons"), WS_OVERLAPPEDWINDOW, CRect(80, 80, 480, 380)))
            return false;
        hFrame = pFrame->GetSafeHwnd();
        CRect rcClient;
        pFrame->GetClientRect(&rcClient);
        if (!outbar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 160, rcClient.Height()), pFrame,
                           ID_DAMAGED_OUTBAR))
            return false;
        outbar.AddFolder(_T("Lessons"));
        outbar.AddFolder(_T("Exercises"));
        outbar.InsertItem(0, 0, _T("Unit 1"));
        outbar.InsertItem(0, 1, _T("Unit 2"));
        pFrame->ShowWindow(SW_SHOW);
        dialog.reset(new CDamagedDialog);
        if (!dialog->CreateFrom(skintest::DialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                                         220, 160, L"Damaged skin", {}, ID_DAMAGED_BUTTON)))
            return false;
        dialog->ShowWindow(SW_SHOW);
        return true;
    }
    void Destroy() {
        if (dialog && ::IsWindow(dialog->GetSafeHwnd())) dialog->DestroyWindow();
        dialog.reset();
        if (::IsWindow(hFrame)) ::DestroyWindow(hFrame);
        riztest::PumpUntilIdle(500);
    }
    std::vector<HWND> TopLevel() const { return {hFrame, dialog->GetSafeHwnd()}; }
};

CSize WindowSize(HWND hWnd) {
    return skintest::WindowRect(hWnd).Size();
}
CSize ClientSize(HWND hWnd) {
    return skintest::ClientInWindow(hWnd).Size();
}

// Runs a damaged skin, each case from a fresh copy of the shipped Default skin.
class DamagedSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strSaved = Skin()->GetCurrentSkinPath();
        ASSERT_FALSE(skintest::ShippedSkinFolder(_T("Default")).IsEmpty());
        // One good copy serves every case of the program; the damaged one is made fresh for each.
        if (!s_pGood) s_pGood = new skintest::SkinCopy(_T("Default"));
        m_strGood = s_pGood->Folder();
        m_strDamaged = m_damaged.Folder();
        ASSERT_GT(FileSize(m_strDamaged + _T("skin.ini")), 0);
        // The pointer stays away from the windows.
        ::SetCursorPos(5, ::GetSystemMetrics(SM_CYSCREEN) - 5);
    }
    void TearDown() override {
        m_windows.Destroy();
        if (!m_strSaved.IsEmpty()) Skin()->LoadSkin(m_strSaved);
        riztest::PumpUntilIdle(500);
    }

    // The damaged skin's description from the test data, over the copy of Default.
    void UseDescription(LPCTSTR lpszDataFolder) {
        const CString strFrom = riztest::TestDataPath(lpszDataFolder) + _T("\\skin.ini");
        ASSERT_TRUE(::CopyFile(strFrom, m_strDamaged + _T("skin.ini"), FALSE));
    }
    CString DamagedWindowFile(LPCTSTR lpszName) const { return m_damaged.WindowFile(lpszName); }

    // Tells the windows of the new skin as the host does, then paints everything.
    void ChangeSkin(LPCTSTR lpszFolder) {
        ASSERT_TRUE(Skin()->LoadSkin(lpszFolder));
        for (HWND hWnd : m_windows.TopLevel())
            ::SendMessage(hWnd, WM_QV_SKINCHANGED, 0, 0);
        PaintAll();
    }
    void PaintAll() {
        for (HWND hWnd : m_windows.TopLevel())
            ::RedrawWindow(hWnd, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        riztest::PumpUntilIdle(1000);
    }
    // A resize under the damaged skin and back: the outline is made again at each size.
    void ResizeAndBack() {
        for (HWND hWnd : m_windows.TopLevel()) {
            const CSize size = WindowSize(hWnd);
            ::SetWindowPos(hWnd, nullptr, 0, 0, size.cx + 20, size.cy + 10,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            ::SetWindowPos(hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        PaintAll();
    }

    // The whole case: windows made under the good skin, the damaged one loaded, the windows painted,
    // resized and checked by bDuring, the good skin back; twice, the second round counting GDI objects.
    void RunCase(const char* pszCase, const std::function<void()>& during = nullptr) {
        // A case takes well under the default on an idle machine; a loaded one shares its cores.
        riztest::AllowTestSeconds(60);
        ASSERT_TRUE(Skin()->LoadSkin(m_strGood));
        ASSERT_TRUE(m_windows.Create());
        PaintAll();
        const std::vector<HWND> windows = m_windows.TopLevel();
        std::vector<CSize> designed, designedClient;
        for (HWND hWnd : windows) {
            designed.push_back(WindowSize(hWnd));
            designedClient.push_back(ClientSize(hWnd));
        }

        riztest::ResourceSnapshot before;
        for (int nRound = 0; nRound < 2; ++nRound) {
            if (nRound == 1) before = riztest::ResourceSnapshot();
            ChangeSkin(m_strDamaged);
            for (size_t i = 0; i < windows.size(); ++i) {
                // What a skin adds to a window is bounded by the ranges of its frame widths.
                const CSize size = WindowSize(windows[i]);
                EXPECT_LE(size.cx, designed[i].cx + 2 * 256) << pszCase;
                EXPECT_LE(size.cy, designed[i].cy + 2 * 256) << pszCase;
                EXPECT_LE(RegionRects(windows[i]), kMaxRegionRects) << pszCase;
            }
            ResizeAndBack();
            if (during) during();
            ChangeSkin(m_strGood);
            for (size_t i = 0; i < windows.size(); ++i) {
                EXPECT_EQ(designed[i], WindowSize(windows[i])) << pszCase << " round " << nRound;
                EXPECT_EQ(designedClient[i], ClientSize(windows[i])) << pszCase << " round " << nRound;
            }
        }
        EXPECT_EQ(0, before.GdiDelta()) << pszCase;
        EXPECT_EQ(0, before.WindowDelta()) << pszCase;
    }

    void RunNoisyMask(int n) {
        ASSERT_TRUE(
            WriteBytes(DamagedWindowFile(_T("MaskBottomLeft.bmp")), riztest::Bmp24(n, n, [](int x, int y) {
                           return Noise(x, y) ? RGB(255, 0, 255) : RGB(90, 90, 90);
                       })));
        ::DeleteFile(DamagedWindowFile(_T("MaskBottomLeft.bmp.rgn")));
        const std::string strCase = "noisy mask " + std::to_string(n) + " x " + std::to_string(n);
        RunCase(strCase.c_str(), [this]() {
            // Too detailed to be a region: never cached, the bottom-left corner pixel stays in the window.
            EXPECT_EQ(-1, FileSize(DamagedWindowFile(_T("MaskBottomLeft.bmp.rgn"))));
            HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
            ASSERT_NE(ERROR, ::GetWindowRgn(m_windows.hFrame, hRgn));
            const CSize size = WindowSize(m_windows.hFrame);
            EXPECT_TRUE(::PtInRegion(hRgn, 8, size.cy - 8));
            ::DeleteObject(hRgn);
        });
    }

    static void TearDownTestSuite() {
        delete s_pGood;
        s_pGood = nullptr;
    }

    static skintest::SkinCopy* s_pGood;
    skintest::SkinCopy m_damaged{_T("Default")};
    CString m_strSaved;
    CString m_strGood;
    CString m_strDamaged;
    Windows m_windows;
};

}  // namespace

skintest::SkinCopy* DamagedSkinTest::s_pGood = nullptr;

// 1. A corner mask of noise and no cache: the corner stays square, no region beyond its bound is made or
// cached. At 360 x 360 the region used to take too long, at 512 x 512 it was more than the display takes
// as a window shape, at 1024 x 1024 it was never finished.
TEST_F(DamagedSkinTest, NoisyCornerMask360LeavesTheCornerSquare) {
    RunNoisyMask(360);
}

TEST_F(DamagedSkinTest, NoisyCornerMask512LeavesTheCornerSquare) {
    RunNoisyMask(512);
}

TEST_F(DamagedSkinTest, NoisyCornerMask1024LeavesTheCornerSquare) {
    RunNoisyMask(1024);
}

// 2. Every number -1000000000 (each falls back to its default, SkinRangesTest): switching back restores the
// sizes.
TEST_F(DamagedSkinTest, EveryNumberFarBelowZero) {
    UseDescription(_T("skins\\damaged-numbers"));
    RunCase("numbers -1000000000");
}

// 3. Extreme numbers, and a record a host filled with them itself: nothing overflows or divides by zero.
TEST_F(DamagedSkinTest, ExtremeNumbersInTheSkinAndInTheRecord) {
    UseDescription(_T("skins\\damaged-extremes"));
    RunCase("extreme numbers", [this]() {
        // The reader let none through; a host may still put them into the record.
        CQVSkinWndRes* pWnd = Skin()->GetWndRes();
        const CQVSkinWndRes saved = *pWnd;
        const int kValues[] = {INT_MIN, INT_MAX, -1000000000};
        for (int nValue : kValues) {
            pWnd->m_nLeftBorder = pWnd->m_nRightBorder = pWnd->m_nCaptionHeight = pWnd->m_nBottomBorder =
                nValue;
            pWnd->m_nClientTopHeight = pWnd->m_nClientBottomHeight = nValue;
            pWnd->m_nMinBtnWidth = pWnd->m_nCloseBtnHeight = pWnd->m_nBtnGap = nValue;
            pWnd->m_nTitleLeft = pWnd->m_nIconTop = pWnd->m_nCloseBtnRight = nValue;
            pWnd->m_ptsCornerTopRight.assign(3, CPoint(nValue, nValue));
            pWnd->m_nClientBkMode = 3;
            pWnd->m_nBorderLayout = nValue & 1;
            // Edges wider than any frame, or none: proportions, never a division by zero.
            pWnd->m_bmpLeftBorder.SetFillParam(nValue == INT_MAX ? INT_MAX : 0, 0, 1);
            pWnd->m_bmpCaption.SetFillParam(INT_MAX, INT_MAX, 1);
            for (HWND hWnd : m_windows.TopLevel())
                ::SendMessage(hWnd, WM_QV_SKINCHANGED, 0, 0);
            PaintAll();
        }
        *pWnd = saved;
    });
}

// 4. Three client bands of heights far below zero: each paint costs what the window shows.
TEST_F(DamagedSkinTest, ClientBandsOfHugeNegativeHeights) {
    UseDescription(_T("skins\\damaged-client-bands"));
    RunCase("client bands -1000000000", [this]() {
        // Band heights put into the record by a host are clamped where they are drawn.
        CQVSkinWndRes* pWnd = Skin()->GetWndRes();
        pWnd->m_nClientTopHeight = pWnd->m_nClientBottomHeight = -1000000000;
        for (int i = 0; i < 10; ++i)
            ::RedrawWindow(m_windows.dialog->GetSafeHwnd(), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_UPDATENOW);
        pWnd->m_nClientTopHeight = pWnd->m_nClientBottomHeight = 0;
    });
}

// 5. A well-formed region cache of 100,000 rectangles: refused, rebuilt from the mask and written again
// within the bound.
TEST_F(DamagedSkinTest, RegionCacheOfAHundredThousandRectangles) {
    CQVBitmap mask;
    ASSERT_TRUE(mask.LoadBitmap(DamagedWindowFile(_T("MaskTopLeft.bmp"))));
    const CString strCache = DamagedWindowFile(_T("MaskTopLeft.bmp.rgn"));
    ASSERT_TRUE(WriteBytes(strCache, RegionCache(100000, mask.GetWidth(), mask.GetHeight())));
    ASSERT_EQ(LONGLONG(sizeof(RGNDATAHEADER) + 100000 * sizeof(RECT) + 8), FileSize(strCache));
    RunCase("region cache of 100,000 rectangles", [&strCache]() {
        const LONGLONG nSize = FileSize(strCache);
        EXPECT_GT(nSize, 0);
        EXPECT_LE(nSize, LONGLONG(sizeof(RGNDATAHEADER) + 4000 * sizeof(RECT) + 8));
    });
}

// The frame never writes a cache over the bound, and never reads one.
TEST(DamagedSkinRegionCache, CachesOverTheBoundAreNeitherReadNorWritten) {
    riztest::TempFolder temp;
    const CString strBig = temp.Path(_T("big.rgn"));
    ASSERT_TRUE(WriteBytes(strBig, RegionCache(4001, 800, 20)));
    CRgn rgn;
    int cx = 0, cy = 0;
    EXPECT_FALSE(CSkinWnd::ReadRgnFromFile(strBig, rgn, cx, cy));
    const CString strEdge = temp.Path(_T("edge.rgn"));
    ASSERT_TRUE(WriteBytes(strEdge, RegionCache(4000, 800, 20)));
    EXPECT_TRUE(CSkinWnd::ReadRgnFromFile(strEdge, rgn, cx, cy));

    // A region of 4,001 rectangles is not written; one of 4,000 is.
    std::vector<BYTE> data = RegionCache(4001, 800, 20);
    HRGN hBig = ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size() - 8),
                                  reinterpret_cast<const RGNDATA*>(data.data()));
    ASSERT_NE(nullptr, hBig);
    const CString strOut = temp.Path(_T("out.rgn"));
    EXPECT_TRUE(CSkinWnd::WriteRgnToFile(strOut, hBig, 800, 20));
    EXPECT_EQ(-1, FileSize(strOut));
    ::DeleteObject(hBig);
    EXPECT_TRUE(CSkinWnd::WriteRgnToFile(strOut, static_cast<HRGN>(rgn.GetSafeHandle()), 800, 20));
    EXPECT_EQ(LONGLONG(sizeof(RGNDATAHEADER) + 4000 * sizeof(RECT) + 8), FileSize(strOut));
}
