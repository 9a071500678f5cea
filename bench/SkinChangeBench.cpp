// A skin change over a dialog's worth of controls: the skin-changed message 0x7E9 sent to 200 skinned
// controls, each invalidated when it answers non-zero, and the paint that follows, against only
// invalidating the same controls and painting them. One suite for the edits, labels, tab strips and
// combo boxes; one for the lists, trees, group boxes, sliders, hot keys, spins and date-time pickers.
#include <RIZuruzezu.h>

#include <functional>
#include <memory>
#include <vector>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kColumns = 10;
constexpr int kRows = 20;  // 200 cells
constexpr int kCellWidth = 120;
constexpr int kCellHeight = 30;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

CRect Cell(int i) {
    const int x = (i % kColumns) * kCellWidth;
    const int y = (i / kColumns) * kCellHeight;
    return CRect(x + 2, y + 2, x + kCellWidth - 2, y + kCellHeight - 2);
}

// Every control of the parent painted now, as the parent's next paint cycle paints them.
void PaintAll(CWnd& parent) {
    ::RedrawWindow(parent.m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The two figures of a skin change over the parent's controls.
void MeasureSkinChange(const char* pszTitle, CWnd& parent, std::vector<std::unique_ptr<CWnd>>& controls) {
    const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    for (auto& control : controls)
        control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
    PaintAll(parent);
    rizbench::PumpPending();
    rizbench::Suite suite(
        pszTitle, "invalidate each and paint",
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
}

// Adds a control made by create at the next cell.
template <class T>
void Add(std::vector<std::unique_ptr<CWnd>>& controls, const std::function<void(T&, const CRect&)>& create) {
    auto control = std::make_unique<T>();
    create(*control, Cell(static_cast<int>(controls.size())));
    controls.push_back(std::move(control));
}

void SkinChangeSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(kColumns * kCellWidth, kRows * kCellHeight)) return;
    std::vector<std::unique_ptr<CWnd>> controls;
    for (int i = 0; i < 50; ++i) {
        Add<CQVEdit>(controls, [&](CQVEdit& edit, const CRect& rc) {
            edit.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T("Li Lei"), kChild | ES_AUTOHSCROLL, rc, &parent,
                          100 + i);
        });
        Add<CQVLabel>(controls, [&](CQVLabel& label, const CRect& rc) {
            label.SetTransparent(i % 2);
            label.Create(_T("Forgot your password?"), kChild, rc, &parent, 300 + i);
        });
        Add<CQVTabCtrl>(controls, [&](CQVTabCtrl& tabs, const CRect& rc) {
            CRect rcTabs = rc;  // the strip takes its own height
            tabs.Create(kChild, rcTabs, &parent, 500 + i);
            tabs.AddItem(_T("Courses"), 0, 1);
            tabs.AddItem(_T("Words"), 1, 2);
            tabs.SetCurSel(0);
        });
        Add<CQVComboBox>(controls, [&](CQVComboBox& combo, const CRect& rc) {
            combo.Create(kChild | WS_VSCROLL | CBS_DROPDOWNLIST, rc + CRect(0, 0, 0, 100), &parent, 700 + i);
            combo.AddString(_T("Intermediate"));
            combo.SetCurSel(0);
        });
    }
    MeasureSkinChange("200 controls (edits, labels, tab strips, combo boxes) after a skin change", parent,
                      controls);
    parent.DestroyWindow();
    rizbench::PumpPending();
}

// The lists, trees and small controls of a settings dialog: 25 of each of eight kinds.
void SettingsSkinChangeSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(kColumns * kCellWidth, kRows * kCellHeight)) return;
    std::vector<std::unique_ptr<CWnd>> controls;
    for (int i = 0; i < 25; ++i) {
        Add<CQVListBox>(controls, [&](CQVListBox& list, const CRect& rc) {
            list.CreateEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), _T(""), kChild | LBS_NOTIFY, rc, &parent, 100 + i);
            list.AddString(_T("apple"));
        });
        Add<CQVListCtrl>(controls, [&](CQVListCtrl& words, const CRect& rc) {
            words.CreateEx(WS_EX_CLIENTEDGE, kChild | LVS_REPORT, rc, &parent, 200 + i);
            words.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 60);
        });
        Add<CQVTreeCtrl>(controls, [&](CQVTreeCtrl& tree, const CRect& rc) {
            tree.CreateEx(WS_EX_CLIENTEDGE, kChild, rc, &parent, 300 + i);
            tree.InsertItem(_T("Book 1"));
        });
        Add<CQVGroupBox>(controls, [&](CQVGroupBox& group, const CRect& rc) {
            group.Create(_T("Sound"), kChild | BS_GROUPBOX, rc, &parent, 400 + i);
        });
        Add<CQVSliderCtrl>(controls, [&](CQVSliderCtrl& slider, const CRect& rc) {
            slider.Create(kChild | TBS_AUTOTICKS, rc, &parent, 500 + i);
        });
        Add<CQVHotKeyCtrl>(controls, [&](CQVHotKeyCtrl& hotkey, const CRect& rc) {
            hotkey.CreateEx(WS_EX_CLIENTEDGE, HOTKEY_CLASS, _T(""), kChild, rc, &parent, 600 + i);
        });
        Add<CQVSpinButtonCtrl>(controls, [&](CQVSpinButtonCtrl& spin, const CRect& rc) {
            spin.Create(kChild, rc, &parent, 700 + i);
        });
        Add<CQVDateTimeCtrl>(controls, [&](CQVDateTimeCtrl& date, const CRect& rc) {
            date.Create(kChild, rc, &parent, 800 + i);
        });
    }
    MeasureSkinChange("200 controls (list boxes, list views, trees, group boxes, sliders, hot keys, spins, "
                      "date-time pickers) after a skin change",
                      parent, controls);
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register
    s_register(&SkinChangeSuite,
               {"200 controls (edits, labels, tab strips, combo boxes) after a skin change"});
const rizbench::Register
    s_registerSettings(&SettingsSkinChangeSuite,
                       {"200 controls (list boxes, list views, trees, group boxes, sliders, hot keys, spins, "
                        "date-time pickers) after a skin change"});

}  // namespace
