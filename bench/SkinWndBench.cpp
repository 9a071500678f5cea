// Skinned window figures: the non-client paint of an 800 x 600 skinned frame against the system's own
// non-client paint of the same window; the window outline with the corner masks read from their ".rgn"
// cache against the outline rebuilt from the mask images; and a skin change reaching 50 skinned windows
// of 20 skinned buttons each.
#include <RIZuruzezu.h>
#include <QVSkinResManager.h>

#include <memory>
#include <vector>

#include "Bench.h"

namespace {

constexpr int kWindows = 50;
constexpr int kChildren = 20;

// A menu of three entries, so that both frames paint a menu bar.
HMENU MakeMenu() {
    HMENU hMenu = ::CreateMenu();
    static const LPCTSTR kEntries[] = {_T("&Lesson"), _T("&View"), _T("&Help")};
    for (LPCTSTR lpszEntry : kEntries) {
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenu(hPopup, MF_STRING, 100, _T("&Open"));
        ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), lpszEntry);
    }
    return hMenu;
}

// Creates a frame of either kind (the skinned one deletes itself when its window goes).
CFrameWnd* CreateFrame(CFrameWnd* pFrame) {
    if (!pFrame->Create(NULL, _T("Lesson 3: Greetings"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600)))
        return NULL;
    ::SetMenu(pFrame->m_hWnd, MakeMenu());
    pFrame->SetWindowPos(NULL, 0, 0, 800, 600,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    pFrame->UpdateWindow();
    rizbench::PumpPending();
    return pFrame;
}

void NonClientSuite() {
    CFrameWnd* pSystem = CreateFrame(new CFrameWnd);
    CSkinFrameWnd* pSkinned = static_cast<CSkinFrameWnd*>(CreateFrame(new CSkinFrameWnd));
    if (pSystem && pSkinned) {
        auto ncPaint = [](CFrameWnd* pFrame) {
            return [pFrame](int n) {
                for (int i = 0; i < n; ++i)
                    pFrame->SendMessage(WM_NCPAINT, 1, 0);
            };
        };
        rizbench::Suite suite("non-client paint of an 800 x 600 frame with a menu",
                              "the system's frame, caption and menu bar (WM_NCPAINT)", ncPaint(pSystem), 200);
        suite.Add("the skinned frame, caption, buttons and menu bar (WM_NCPAINT)", ncPaint(pSkinned));

        // The outline: corner outlines traced as a path, the four corner masks cut out.
        CSkinWnd& skinWnd = pSkinned->GetSkinWnd();
        CQVSkinWndRes* pRes = skinWnd.GetWndRes();
        const CString strFolder =
            CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath() + _T("Common\\Window\\");
        const CString strCaches[] = {strFolder + pRes->m_strMaskTopLeft + _T(".rgn"),
                                     strFolder + pRes->m_strMaskTopRight + _T(".rgn"),
                                     strFolder + pRes->m_strMaskBottomLeft + _T(".rgn"),
                                     strFolder + pRes->m_strMaskBottomRight + _T(".rgn")};
        skinWnd.SetWndRegion();  // writes the caches
        rizbench::Suite outline(
            "window outline of an 800 x 600 frame (SetWndRegion)", "corner masks read from their .rgn cache",
            [&](int n) {
                for (int i = 0; i < n; ++i)
                    skinWnd.SetWndRegion();
            },
            200);
        outline.Add("corner masks rebuilt from the images (cache deleted first)", [&](int n) {
            for (int i = 0; i < n; ++i) {
                for (const CString& strCache : strCaches)
                    ::DeleteFile(strCache);
                skinWnd.SetWndRegion();
            }
        });
        skinWnd.SetWndRegion();
    }
    if (pSystem) pSystem->DestroyWindow();
    if (pSkinned) pSkinned->DestroyWindow();
    rizbench::PumpPending();
}

// A skinned popup holding 20 skinned buttons.
class CBenchPopup : public CSkinPopupWnd {
public:
    BOOL CreatePopup(int nIndex) {
        const int x = (nIndex % 10) * 30;
        const int y = (nIndex / 10) * 30;
        if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Contacts"),
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CRect(x, y, x + 320, y + 260),
                      NULL, 0))
            return FALSE;
        for (int i = 0; i < kChildren; ++i) {
            m_buttons.emplace_back(new CQVButton);
            const CRect rc((i % 4) * 76 + 4, (i / 4) * 30 + 4, (i % 4) * 76 + 74, (i / 4) * 30 + 28);
            m_buttons.back()->Create(_T("Send"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rc, this, 100 + i);
        }
        ShowWindow(SW_SHOWNOACTIVATE);
        UpdateWindow();
        return TRUE;
    }

private:
    std::vector<std::unique_ptr<CQVButton>> m_buttons;
};

void SkinChangeSuite() {
    std::vector<std::unique_ptr<CBenchPopup>> windows;
    for (int i = 0; i < kWindows; ++i) {
        windows.emplace_back(new CBenchPopup);
        if (!windows.back()->CreatePopup(i)) return;
    }
    rizbench::PumpPending();
    auto repaint = [&](int n) {
        for (int i = 0; i < n; ++i)
            for (auto& pWindow : windows)
                pWindow->RedrawWindow(
                    NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    rizbench::Suite suite("skin change of 50 skinned windows with 20 skinned buttons each",
                          "all 50 repainted whole (RedrawWindow with frame and children)", repaint, 3);
    suite.Add("0x7E9 to each window (passed on to its buttons), then the repaint", [&](int n) {
        for (int i = 0; i < n; ++i)
            for (auto& pWindow : windows) {
                pWindow->SendMessage(WM_QV_SKINCHANGED);
                pWindow->UpdateWindow();
            }
        rizbench::PumpPending();
    });
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    if (pSkins->GetSkinsTotal() >= 2) {
        int nSkin = pSkins->GetCurrentSkinkID();
        suite.Add("the other skin loaded, then 0x7E9 to each window and the repaint", [&](int n) {
            for (int i = 0; i < n; ++i) {
                nSkin = (nSkin + 1) % 2;
                pSkins->LoadSkin(pSkins->GetSkinFolder(nSkin));
                for (auto& pWindow : windows) {
                    pWindow->SendMessage(WM_QV_SKINCHANGED);
                    pWindow->UpdateWindow();
                }
                rizbench::PumpPending();
            }
        });
        pSkins->LoadSkin(pSkins->GetSkinFolder(0));
    }
    for (auto& pWindow : windows)
        pWindow->DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerNonClient(&NonClientSuite,
                                             {"non-client paint of an 800 x 600 frame with a menu",
                                              "window outline of an 800 x 600 frame (SetWndRegion)"});
const rizbench::Register
    s_registerSkinChange(&SkinChangeSuite,
                         {"skin change of 50 skinned windows with 20 skinned buttons each"});

}  // namespace
