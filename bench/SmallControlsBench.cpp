// Small controls' figures: repainting a group box, a slider with ticks, a framed hot key and a spin
// button, each against a window of its size painting one BitBlt.
#include <RIZuruzezu.h>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

// One suite: the control's repaint against a blit window of the same rectangle.
void Figure(CWnd& parent, const char* pszName, CWnd& control, bool bFrame) {
    CRect rc;
    control.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, CRect(0, 260, rc.Width(), 260 + rc.Height()), RGB(255, 255, 255))) return;
    parent.UpdateWindow();
    rizbench::PumpPending();
    CString strSize;
    strSize.Format(_T(" (%d x %d)"), rc.Width(), rc.Height());
    const std::string strTitle = std::string(pszName) + " repainted" + CStringA(strSize).GetString();
    rizbench::Suite suite(strTitle, "a window of its size painting one BitBlt",
                          bFrame ? rizbench::RepaintWithFrame(blit.m_hWnd) : rizbench::Repaint(blit), 300);
    suite.Add(pszName, bFrame ? rizbench::RepaintWithFrame(control.m_hWnd) : rizbench::Repaint(control));
    blit.DestroyWindow();
}

void SmallControlsSuite() {
    rizbench::CStripedParentWnd parent;
    if (!parent.CreateParent(480, 300)) return;
    CQVGroupBox group;
    group.Create(_T("Sound"), WS_CHILD | WS_VISIBLE, CRect(10, 10, 230, 130), &parent, 101);
    CQVSliderCtrl slider;
    slider.Create(WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS | TBS_BOTTOM, CRect(20, 40, 220, 76), &parent, 102);
    slider.SetRange(0, 10, TRUE);
    CQVHotKeyCtrl hotKey;
    hotKey.CreateEx(WS_EX_CLIENTEDGE, HOTKEY_CLASS, _T(""), WS_CHILD | WS_VISIBLE, CRect(250, 10, 370, 32),
                    &parent, 103);
    hotKey.SetHotKey('Z', HOTKEYF_CONTROL | HOTKEYF_ALT);
    CQVEdit buddy;
    buddy.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T("20"), WS_CHILD | WS_VISIBLE, 250, 50, 50, 22,
                   parent.m_hWnd, reinterpret_cast<HMENU>(104));
    CQVSpinButtonCtrl spin;
    spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, CRect(301, 50, 317, 72), &parent, 105);
    spin.SetBuddy(&buddy);
    parent.UpdateWindow();
    rizbench::PumpPending();

    Figure(parent, "group box", group, false);
    Figure(parent, "slider with ticks", slider, false);
    Figure(parent, "hot key with its frame", hotKey, true);
    Figure(parent, "spin button", spin, false);
}

const rizbench::Register s_register(SmallControlsSuite, {"group box repainted (220 x 120)",
                                                         "slider with ticks repainted (200 x 36)",
                                                         "hot key with its frame repainted (120 x 22)",
                                                         "spin button repainted (16 x 22)"});

}  // namespace
