// Control figures: repainting 1,000 skinned buttons after a skin change (message 0x7E9, then the paint)
// against a plain InvalidateRect + UpdateWindow of the same buttons, and, for scale, the same work done on
// 1,000 system buttons (a skin change that changes the push-button height resizes every button, and the
// platform's resizing of a child dominates that figure).
#include <RIZuruzezu.h>
#include <QVSkinResManager.h>

#include <memory>
#include <vector>

#include "Bench.h"

namespace {

constexpr int kButtons = 1000;
constexpr int kColumns = 40;
constexpr int kCellWidth = 30;
constexpr int kCellHeight = 26;

// The parent: a framework window, so that WM_DRAWITEM reaches the buttons, with a background of its
// own for the transparent ones.
class CBenchParent : public CWnd {
public:
    BOOL CreateParent() {
        const int cx = kColumns * kCellWidth;
        const int cy = (kButtons / kColumns) * kCellHeight;
        return CreateEx(0,
                        AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                        _T("bench"), WS_POPUP | WS_CLIPCHILDREN, 0, 0, cx, cy, NULL, NULL);
    }
};

CRect Cell(int i) {
    const int x = (i % kColumns) * kCellWidth;
    const int y = (i / kColumns) * kCellHeight;
    return CRect(x + 1, y + 1, x + kCellWidth - 1, y + kCellHeight - 1);
}

void ButtonSuite() {
    CBenchParent parent;
    if (!parent.CreateParent()) return;
    parent.SetWindowPos(NULL, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    std::vector<std::unique_ptr<CQVButton>> buttons;
    for (int i = 0; i < kButtons; ++i) {
        buttons.emplace_back(new CQVButton);
        buttons.back()->Create(_T("OK"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, Cell(i), &parent, 100 + i);
    }
    parent.UpdateWindow();
    rizbench::PumpPending();

    int nNext = 0;
    auto plainRepaint = [&](int n) {
        for (int i = 0; i < n; ++i) {
            CQVButton* pButton = buttons[nNext++ % kButtons].get();
            ::InvalidateRect(pButton->m_hWnd, NULL, TRUE);
            ::UpdateWindow(pButton->m_hWnd);
        }
    };
    rizbench::Suite suite("1,000 skinned buttons repainted", "InvalidateRect + UpdateWindow", plainRepaint,
                          kButtons);

    // The skin manager assigns a new skin into the same record; here only the height the buttons take
    // from it changes, so that the figure holds the buttons' own work and not the loading of images.
    CQVSkinBtnRes* pRecord = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    const int nHeight = pRecord->m_nPushBtnHeight;
    auto skinChanged = [&](BOOL bResize) {
        return [&, bResize](int n) {
            for (int i = 0; i < n; ++i) {
                const int nIndex = nNext++ % kButtons;
                if (bResize && nIndex == 0)
                    pRecord->m_nPushBtnHeight = pRecord->m_nPushBtnHeight == nHeight ? nHeight - 2 : nHeight;
                CQVButton* pButton = buttons[nIndex].get();
                if (pButton->SendMessage(WM_QV_SKINCHANGED)) pButton->Invalidate();
                pButton->UpdateWindow();
            }
        };
    };
    suite.Add("after a skin change of the same size (0x7E9 + UpdateWindow)", skinChanged(FALSE));
    suite.Add("after a skin change that resizes them (0x7E9 + UpdateWindow)", skinChanged(TRUE));
    pRecord->m_nPushBtnHeight = nHeight;

    // For scale: as many system buttons, repainted plainly and resized, in place of the skinned ones.
    buttons.clear();
    std::vector<HWND> system;
    for (int i = 0; i < kButtons; ++i)
        system.push_back(::CreateWindow(_T("BUTTON"), _T("OK"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                        Cell(i).left, Cell(i).top, Cell(i).Width(), nHeight, parent.m_hWnd,
                                        NULL, NULL, NULL));
    parent.UpdateWindow();
    rizbench::PumpPending();
    suite.Add("system buttons: InvalidateRect + UpdateWindow", [&](int n) {
        for (int i = 0; i < n; ++i) {
            HWND hWnd = system[nNext++ % kButtons];
            ::InvalidateRect(hWnd, NULL, TRUE);
            ::UpdateWindow(hWnd);
        }
    });
    int nSystemHeight = nHeight;
    suite.Add("system buttons resized by 2 pixels: SetWindowPos + UpdateWindow", [&](int n) {
        for (int i = 0; i < n; ++i) {
            const int nIndex = nNext++ % kButtons;
            if (nIndex == 0) nSystemHeight = nSystemHeight == nHeight ? nHeight - 2 : nHeight;
            HWND hWnd = system[nIndex];
            ::SetWindowPos(hWnd, NULL, 0, 0, Cell(nIndex).Width(), nSystemHeight,
                           SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
            ::UpdateWindow(hWnd);
        }
    });
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&ButtonSuite);

}  // namespace

// Label figures: one label painted (opaque, transparent over a picture; WM_PRINTCLIENT into a surface,
// the label's whole paint with its off-screen copy) against one BitBlt of its area, and, for scale, the
// text drawn alone and the same label and a system static repainted through the window system
// (Invalidate + UpdateWindow).
namespace {

// A parent whose background is a picture, as a transparent label shows it.
class CLabelBenchParent : public CWnd {
public:
    BOOL CreateParent() {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), NULL), _T("label bench"),
                        WS_POPUP | WS_CLIPCHILDREN, 0, 0, 400, 100, NULL, NULL);
    }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
        for (int y = 0; y < 100; y += 4)
            pDC->FillSolidRect(0, y, 400, 4, RGB(150 + y / 2, 190, 240 - y));
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLabelBenchParent, CWnd)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void LabelSuite() {
    CLabelBenchParent parent;
    if (!parent.CreateParent()) return;
    parent.SetWindowPos(NULL, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const CRect rc(10, 10, 210, 30);
    const LPCTSTR lpszText = _T("Forgot your password?");
    CQVLabel opaque, transparent;
    opaque.Create(lpszText, WS_CHILD | WS_VISIBLE, rc, &parent, 1);
    transparent.SetTransparent(TRUE);
    transparent.Create(lpszText, WS_CHILD | WS_VISIBLE, rc + CPoint(0, 30), &parent, 2);
    const HWND hSystem = ::CreateWindow(_T("STATIC"), lpszText, WS_CHILD | WS_VISIBLE, rc.left, rc.top + 60,
                                        rc.Width(), rc.Height(), parent.m_hWnd, NULL, NULL, NULL);
    parent.UpdateWindow();
    rizbench::PumpPending();

    CQVMemoryDC dcSource, dcTarget;
    dcSource.Create(rc.Width(), rc.Height());
    dcTarget.Create(rc.Width(), rc.Height());
    rizbench::Suite suite(
        "a 200 x 20 label painted", "one BitBlt of its area",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                dcTarget.BitBlt(0, 0, rc.Width(), rc.Height(), &dcSource, 0, 0, SRCCOPY);
        },
        2000);
    auto print = [&](HWND hWnd) {
        return [&dcTarget, hWnd](int n) {
            for (int i = 0; i < n; ++i)
                ::SendMessage(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dcTarget.GetSafeHdc()),
                              PRF_CLIENT);
        };
    };
    suite.Add("for scale: DrawText of its text alone", [&](int n) {
        CQVSelectScope scope(&dcTarget, ::GetStockObject(DEFAULT_GUI_FONT));
        for (int i = 0; i < n; ++i) {
            CRect rcText(0, 0, rc.Width(), rc.Height());
            dcTarget.DrawText(lpszText, -1, &rcText, DT_WORDBREAK);
        }
    });
    suite.Add("opaque label: WM_PRINTCLIENT", print(opaque.m_hWnd));
    suite.Add("transparent label over the parent's picture: WM_PRINTCLIENT", print(transparent.m_hWnd));
    auto repaint = [](HWND hWnd) {
        return [hWnd](int n) {
            for (int i = 0; i < n; ++i) {
                ::InvalidateRect(hWnd, NULL, FALSE);
                ::UpdateWindow(hWnd);
            }
        };
    };
    suite.Add("opaque label: Invalidate + UpdateWindow", repaint(opaque.m_hWnd));
    suite.Add("system static: Invalidate + UpdateWindow", repaint(hSystem));
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerLabel(&LabelSuite);

}  // namespace
