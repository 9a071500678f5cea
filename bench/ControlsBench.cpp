// Control figures: repainting 1,000 skinned buttons after a skin change (message 0x7E9, then the paint)
// against a plain InvalidateRect + UpdateWindow of the same buttons, and, for scale, the same work done on
// 1,000 system buttons (a skin change that changes the push-button height resizes every button, and the
// platform's resizing of a child dominates that figure).
#include <RIZuruzezu.h>
#include <QVSkinResManager.h>

#include <memory>
#include <vector>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kButtons = 1000;
constexpr int kColumns = 40;
constexpr int kCellWidth = 30;
constexpr int kCellHeight = 26;

// The parent of every figure here: big enough for the button grid.
BOOL CreateBenchParent(rizbench::CParentWnd& parent) {
    return parent.CreateParent(kColumns * kCellWidth, (kButtons / kColumns) * kCellHeight);
}

CRect Cell(int i) {
    const int x = (i % kColumns) * kCellWidth;
    const int y = (i / kColumns) * kCellHeight;
    return CRect(x + 1, y + 1, x + kCellWidth - 1, y + kCellHeight - 1);
}

void ButtonSuite() {
    rizbench::CParentWnd parent;
    if (!CreateBenchParent(parent)) return;
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

const rizbench::Register s_register(&ButtonSuite, {"1,000 skinned buttons repainted"});

}  // namespace

// ---- Tab strip ----

namespace {

constexpr int kTabStripWidth = 560;

// Repaints of a tab strip with 10 and with 1,000 tabs against the repaint of a window of its size
// that copies one surface: only the tabs laid out draw, so the two strips should cost the same.
void TabSuite() {
    rizbench::CParentWnd parent;
    if (!CreateBenchParent(parent)) return;
    CQVTabCtrl few, many;
    CRect rcFew(0, 0, kTabStripWidth, 24), rcMany(0, 40, kTabStripWidth, 64);
    if (!few.Create(WS_CHILD | WS_VISIBLE, rcFew, &parent, 1) ||
        !many.Create(WS_CHILD | WS_VISIBLE, rcMany, &parent, 2))
        return;
    CString strText;
    for (int i = 0; i < 1000; ++i) {
        strText.Format(_T("Lesson %d"), i + 1);
        if (i < 10) few.AddItem(strText, 0, i + 1);
        many.AddItem(strText, 0, i + 1);
    }
    few.SetCurSel(0);
    many.SetCurSel(0);
    rizbench::CBlitWnd blit;
    const int cy = rcFew.Height();
    if (!blit.CreateBlit(&parent, CRect(0, 80, kTabStripWidth, 80 + cy), RGB(240, 244, 250))) return;
    parent.UpdateWindow();
    rizbench::PumpPending();

    rizbench::Suite suite("Tab strip paint, 560 pixels wide", "a window of its size painting one BitBlt",
                          rizbench::Repaint(blit), 200);
    suite.Add("10 tabs: Invalidate + UpdateWindow", rizbench::Repaint(few));
    suite.Add("1,000 tabs: Invalidate + UpdateWindow", rizbench::Repaint(many));
    CClientDC dc(&few);
    suite.Add("for scale: the BitBlt alone", [&](int n) {
        for (int i = 0; i < n; ++i)
            ::BitBlt(dc.GetSafeHdc(), 0, 0, kTabStripWidth, cy, blit.m_surface.GetHDC(), 0, 0, SRCCOPY);
        ::GdiFlush();
    });
    blit.DestroyWindow();
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerTabs(&TabSuite, {"Tab strip paint, 560 pixels wide"});

}  // namespace

// ---- Label ----

// A label repainted (opaque, and transparent over a picture) against a window of its size painting
// one BitBlt, and a system static repainted the same way for scale.
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

    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, rc + CPoint(0, 90), RGB(240, 240, 240))) return;
    parent.UpdateWindow();
    rizbench::PumpPending();

    rizbench::Suite suite("a 200 x 20 label repainted (Invalidate + UpdateWindow)",
                          "a window of its size painting one BitBlt", rizbench::Repaint(blit), 300);
    suite.Add("opaque label", rizbench::Repaint(opaque));
    suite.Add("transparent label over the parent's picture", rizbench::Repaint(transparent));
    suite.Add("system static", rizbench::Repaint(*CWnd::FromHandle(hSystem)));
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerLabel(&LabelSuite,
                                         {"a 200 x 20 label repainted (Invalidate + UpdateWindow)"});

}  // namespace

// ---- Combo boxes ----

namespace {

// A drop list and a colour combo repainted against a window of their size painting one BitBlt, and
// the system's drop list repainted the same way for scale.
void ComboSuite() {
    rizbench::CParentWnd parent;
    if (!CreateBenchParent(parent)) return;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;
    const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    auto fill = [hFont](CComboBox& combo) {
        combo.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
        combo.AddString(_T("Intermediate"));
        combo.SetCurSel(0);
    };
    CQVComboBox level;
    level.Create(dwStyle, CRect(10, 10, 230, 200), &parent, 100);
    fill(level);
    CQVColorComboBox colors;
    colors.SubclassWindow(::CreateWindow(_T("COMBOBOX"), NULL, dwStyle | CBS_OWNERDRAWFIXED, 10, 60, 220, 200,
                                         parent.m_hWnd, reinterpret_cast<HMENU>(101), NULL, NULL));
    colors.InitMainColors();
    colors.SetCurColor(RGB(0, 128, 0));
    CComboBox system;
    system.Create(dwStyle, CRect(10, 110, 230, 300), &parent, 102);
    fill(system);
    CRect rc;
    level.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, CRect(CPoint(240, 10), rc.Size()), RGB(255, 255, 255))) return;
    parent.UpdateWindow();
    rizbench::PumpPending();

    rizbench::Suite suite("a 220-pixel combo box repainted (Invalidate + UpdateWindow)",
                          "a window of its size painting one BitBlt", rizbench::Repaint(blit), 300);
    suite.Add("drop list with text", rizbench::Repaint(level));
    suite.Add("colour combo, owner-drawn current item", rizbench::Repaint(colors));
    suite.Add("system drop list, for scale", rizbench::Repaint(system));
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerCombo(&ComboSuite,
                                         {"a 220-pixel combo box repainted (Invalidate + UpdateWindow)"});

}  // namespace
