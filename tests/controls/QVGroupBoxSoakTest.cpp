// The group box, slider, hot key and spin made and destroyed, subclassed and released, many times.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVGroupBox.h"
#include "QVGroupBoxFixture.h"
#include "QVHotKeyCtrl.h"
#include "QVSliderCtrl.h"
#include "QVSpinButtonCtrl.h"
#include "ResourceCounter.h"

namespace {

class SmallControlsTest : public qvsmall::SmallTest {};

TEST_F(SmallControlsTest, CreateDestroyAndSubclassReleaseSoak) {
    auto cycle = [this](int k) {
        {
            CQVGroupBox group;
            CQVSliderCtrl slider;
            CQVHotKeyCtrl hotKey;
            CQVSpinButtonCtrl spin;
            group.Create(_T("Sound"), WS_CHILD | WS_VISIBLE, CRect(10, 150, 200, 230), &m_dlg, 1280);
            slider.Create(WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, CRect(20, 170, 180, 200), &m_dlg, 1281);
            hotKey.CreateEx(k % 2 ? WS_EX_CLIENTEDGE : 0, HOTKEY_CLASS, _T(""), WS_CHILD | WS_VISIBLE,
                            CRect(210, 150, 300, 170), &m_dlg, 1282);
            spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, CRect(300, 180, 310, 200), &m_dlg, 1283);
            spin.SetBuddy(&hotKey);
            group.SetWindowText(_T("Practice"));
            for (CWnd* pWnd : {static_cast<CWnd*>(&group), static_cast<CWnd*>(&slider),
                               static_cast<CWnd*>(&hotKey), static_cast<CWnd*>(&spin)}) {
                pWnd->SendMessage(WM_QV_SKINCHANGED);
                pWnd->UpdateWindow();
                pWnd->DestroyWindow();
            }
        }
        const UINT ids[] = {IDC_QVSMALL_GROUP, IDC_QVSMALL_SLIDER, IDC_QVSMALL_HOTKEY_EDGE, IDC_QVSMALL_SPIN};
        CWnd* pControls[] = {new CQVGroupBox, new CQVSliderCtrl, new CQVHotKeyCtrl, new CQVSpinButtonCtrl};
        for (int i = 0; i < 4; ++i) {
            pControls[i]->SubclassDlgItem(ids[i], &m_dlg);
            pControls[i]->Invalidate();
            pControls[i]->UpdateWindow();
        }
        for (CWnd* pWnd : pControls) {
            pWnd->UnsubclassWindow();
            delete pWnd;
        }
    };
    riztest::ExpectCyclesLeakNothing(cycle);
    // Released, the windows work as the system's.
    EXPECT_EQ(CString(_T("Sound")), qvsmall::TextOf(Item(IDC_QVSMALL_GROUP)));
    ::SendMessage(Item(IDC_QVSMALL_SPIN), UDM_SETPOS32, 0, 7);
    EXPECT_EQ(CString(_T("7")), qvsmall::TextOf(Item(IDC_QVSMALL_BUDDY)));
}

}  // namespace
