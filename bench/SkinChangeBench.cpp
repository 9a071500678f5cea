// A skin change over a dialog's worth of controls: the skin-changed message 0x7E9 sent to 200 skinned
// edits, labels, tab strips and combo boxes, each invalidated when it answers non-zero, and the paint
// that follows, against only invalidating the same controls and painting them.
#include <RIZuruzezu.h>

#include <functional>
#include <memory>
#include <vector>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kPerKind = 50;  // four kinds: 200 controls
constexpr int kColumns = 10;
constexpr int kCellWidth = 120;
constexpr int kCellHeight = 26;

CRect Cell(int i) {
    const int x = (i % kColumns) * kCellWidth;
    const int y = (i / kColumns) * kCellHeight;
    return CRect(x + 2, y + 2, x + kCellWidth - 2, y + kCellHeight - 2);
}

// Every control of the parent painted now, as the parent's next paint cycle paints them.
void PaintAll(CWnd& parent) {
    ::RedrawWindow(parent.m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void SkinChangeSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(kColumns * kCellWidth, (4 * kPerKind / kColumns) * kCellHeight)) return;
    const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    std::vector<std::unique_ptr<CWnd>> controls;
    int nCell = 0;
    for (int i = 0; i < kPerKind; ++i) {
        auto edit = std::make_unique<CQVEdit>();
        edit->CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T("Li Lei"), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                       Cell(nCell++), &parent, 100 + i);
        controls.push_back(std::move(edit));
        auto label = std::make_unique<CQVLabel>();
        label->SetTransparent(i % 2);
        label->Create(_T("Forgot your password?"), WS_CHILD | WS_VISIBLE, Cell(nCell++), &parent, 300 + i);
        controls.push_back(std::move(label));
        auto tabs = std::make_unique<CQVTabCtrl>();
        CRect rcTabs = Cell(nCell++);  // the strip takes its own height
        tabs->Create(WS_CHILD | WS_VISIBLE, rcTabs, &parent, 500 + i);
        tabs->AddItem(_T("Courses"), 0, 1);
        tabs->AddItem(_T("Words"), 1, 2);
        tabs->SetCurSel(0);
        controls.push_back(std::move(tabs));
        auto combo = std::make_unique<CQVComboBox>();
        CRect rc = Cell(nCell++);
        rc.bottom += 100;
        combo->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, rc, &parent, 700 + i);
        combo->AddString(_T("Intermediate"));
        combo->SetCurSel(0);
        controls.push_back(std::move(combo));
    }
    for (auto& control : controls)
        control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
    PaintAll(parent);
    rizbench::PumpPending();

    rizbench::Suite suite(
        "200 controls (edits, labels, tab strips, combo boxes) after a skin change",
        "invalidate each and paint",
        [&](int n) {
            for (int k = 0; k < n; ++k) {
                for (auto& control : controls)
                    control->Invalidate(TRUE);
                PaintAll(parent);
            }
        },
        10);
    suite.Add("0x7E9 to each, invalidated when it answers non-zero, and paint", [&](int n) {
        for (int k = 0; k < n; ++k) {
            for (auto& control : controls)
                if (control->SendMessage(WM_QV_SKINCHANGED) != 0) control->Invalidate(TRUE);
            PaintAll(parent);
            rizbench::PumpPending();  // the frames recalculated through posted messages
        }
    });
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_register(&SkinChangeSuite);

}  // namespace
