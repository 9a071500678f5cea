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

namespace {

// Combo boxes: one repaint of a drop list and of a colour combo, against one BitBlt of the same area
// from a memory DC to the combo's window, and the system's drop list for scale (a repaint is mostly the
// platform's paint cycle).
void ComboSuite() {
    CBenchParent parent;
    if (!parent.CreateParent()) return;
    parent.SetWindowPos(NULL, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;
    const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    CQVComboBox level;
    level.Create(dwStyle, CRect(10, 10, 230, 200), &parent, 100);
    level.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
    level.AddString(_T("Intermediate"));
    level.SetCurSel(0);
    CQVColorComboBox colors;
    colors.SubclassWindow(::CreateWindow(_T("COMBOBOX"), NULL, dwStyle | CBS_OWNERDRAWFIXED, 10, 60, 220, 200,
                                         parent.m_hWnd, reinterpret_cast<HMENU>(101), NULL, NULL));
    colors.InitMainColors();
    colors.SetCurColor(RGB(0, 128, 0));
    parent.UpdateWindow();
    rizbench::PumpPending();

    {
        CRect rc;
        level.GetClientRect(&rc);
        CClientDC dcLevel(&level);
        CDC dcMemory;
        dcMemory.CreateCompatibleDC(&dcLevel);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcLevel, rc.Width(), rc.Height());
        CQVSelectScope scope(&dcMemory, bitmap.GetSafeHandle());
        rizbench::Suite suite(
            "a 220-pixel combo box repainted", "one BitBlt of its area",
            [&](int n) {
                for (int i = 0; i < n; ++i)
                    dcLevel.BitBlt(0, 0, rc.Width(), rc.Height(), &dcMemory, 0, 0, SRCCOPY);
                ::GdiFlush();
            },
            2000);
        auto repaint = [](CWnd& wnd) {
            return [&wnd](int n) {
                for (int i = 0; i < n; ++i) {
                    wnd.Invalidate(FALSE);
                    wnd.UpdateWindow();
                }
            };
        };
        suite.Add("drop list with text (Invalidate + UpdateWindow)", repaint(level));
        suite.Add("colour combo, owner-drawn current item (Invalidate + UpdateWindow)", repaint(colors));
        // For scale: the platform's own drop list, repainted the same way.
        CComboBox system;
        system.Create(dwStyle, CRect(10, 110, 230, 300), &parent, 102);
        system.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
        system.AddString(_T("Intermediate"));
        system.SetCurSel(0);
        suite.Add("system drop list (Invalidate + UpdateWindow)", repaint(system));
        system.DestroyWindow();
    }
    colors.DestroyWindow();
    level.DestroyWindow();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerCombo(&ComboSuite);

}  // namespace
