// Image buttons' figures: repainting a transparent drop-down button over a striped parent, and an
// animation button half way into its fade (background stretched, hot image blended), each against a
// window of its size painting one BitBlt. The images are the shipped skin's button strips.
#include <RIZuruzezu.h>
#include <QVSkinResManager.h>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

void Figure(CWnd& parent, const char* pszName, CWnd& control) {
    CRect rc;
    control.GetWindowRect(&rc);
    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, CRect(0, 200, rc.Width(), 200 + rc.Height()), RGB(255, 255, 255))) return;
    parent.UpdateWindow();
    rizbench::PumpPending();
    CString strSize;
    strSize.Format(_T(" (%d x %d)"), rc.Width(), rc.Height());
    const std::string strTitle = std::string(pszName) + " repainted" + CStringA(strSize).GetString();
    rizbench::Suite suite(strTitle, "a window of its size painting one BitBlt", rizbench::Repaint(blit), 300);
    suite.Add(pszName, rizbench::Repaint(control));
    blit.DestroyWindow();
}

void ImageButtonSuite() {
    rizbench::CStripedParentWnd parent;
    if (!parent.CreateParent(480, 300)) return;
    const CString strButtons =
        CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath() + _T("Common\\Button\\");
    CQVDropdownButton dropdown;
    dropdown.SetImages(strButtons + _T("PushBtn.bmp"), strButtons + _T("ComboDrop.bmp"), 4, 4);
    dropdown.Create(_T("Send file"), WS_CHILD | WS_VISIBLE, CRect(10, 10, 170, 40), &parent, 101);
    CQVAnimationButton animation;
    animation.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(10, 60, 130, 120), &parent, 102);
    animation.LoadImages(strButtons + _T("PushBtn.bmp"), strButtons + _T("Tab.bmp"));
    // Half way in: the mouse came in and five ticks of the fade ran, then the timer stops.
    animation.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    for (int i = 0; i < 5; ++i)
        animation.SendMessage(WM_TIMER, QVAB_FADE_TIMER);
    ::KillTimer(animation.m_hWnd, QVAB_FADE_TIMER);
    animation.SetAnimate(FALSE);
    parent.UpdateWindow();
    rizbench::PumpPending();

    Figure(parent, "transparent drop-down button", dropdown);
    Figure(parent, "animation button at half opacity", animation);
}

const rizbench::Register s_register(ImageButtonSuite,
                                    {"transparent drop-down button repainted (160 x 30)",
                                     "animation button at half opacity repainted (120 x 60)"});

}  // namespace
