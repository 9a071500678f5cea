#include "QVLabelTest.h"

#include "MessagePump.h"
#include "ResourceCounter.h"
#include "Watchdog.h"

namespace qvltest {

TEST_F(LabelTest, ReleasedTemplateLabelIsAWorkingStatic) {
    CQVLabel* pLabel = new CQVLabel;
    ASSERT_TRUE(pLabel->SubclassDlgItem(IDC_QVLABEL_LINK, &m_dlg));
    pLabel->SetLink(TRUE, _T("www.study.cn"));
    pLabel->SetFingerCursor();
    pLabel->SetAutoSize(TRUE, 80);
    pLabel->StartFlash(QVLFT_TEXT);
    pLabel->StopFlash();
    const HWND hWnd = pLabel->UnsubclassWindow();
    delete pLabel;
    ASSERT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    ::SetWindowText(hWnd, _T("Ask your teacher"));
    riztest::PostMouse(hWnd, WM_MOUSEMOVE, 3, 3);
    riztest::PostClick(hWnd, 3, 3);
    ::SendMessage(hWnd, WM_TIMER, QV_LABEL_FLASH_TIMER, 0);
    Pump();
    EXPECT_EQ(1, m_dlg.m_nClicks);  // the system static notifies (SS_NOTIFY stays)
    EXPECT_TRUE(Launches().empty());
    TCHAR szText[32] = {};
    ::GetWindowText(hWnd, szText, 32);
    EXPECT_STREQ(_T("Ask your teacher"), szText);
    // The system draws it again: text in the dialog's colours, not the label's background.
    riztest::WindowCapture shot(hWnd);
    const CRect rc(0, 0, shot.Width(), shot.Height());
    EXPECT_GT(shot.CountNear(rc, ::GetSysColor(COLOR_WINDOWTEXT), 40), 0);
}

TEST_F(LabelTest, BadInputLeavesTheLabelWorking) {
    CQVLabel early;  // no window yet: setters only store
    early.SetWindowText(NULL);
    early.SetFontName(NULL);
    early.SetFontSize(INT_MAX);
    early.SetSunken(TRUE);
    early.SetBorder(TRUE);
    early.StartFlash(QVLFT_BACKGROUND);
    early.SetAutoSize(TRUE, 100, TRUE);
    Create(early, NULL, SS_LEFT, CRect(10, 60, 110, 76));
    EXPECT_TRUE(early.KillTimer(QV_LABEL_FLASH_TIMER));  // the flash started with the window
    EXPECT_EQ(-4096, early.GetLogFont().lfHeight);

    CQVLabel label;
    Create(label, _T("Li Lei"), SS_LEFT, CRect(10, 80, 110, 96));
    label.SetFontName(_T("A face name far longer than the thirty-one characters kept"));
    EXPECT_EQ(LF_FACESIZE - 1, lstrlen(label.GetLogFont().lfFaceName));
    label.SetFontSize(-INT_MAX);
    label.SetFontSize(0);
    label.StartFlash(static_cast<QVLabelFlashType>(7));
    EXPECT_FALSE(label.IsFlashing());
    label.SetLink(TRUE, NULL);
    riztest::PostClick(label.m_hWnd, 3, 3);
    label.SendMessage(WM_TIMER, 99);
    label.SendMessage(WM_TIMER, QV_LABEL_FLASH_TIMER);
    Pump();
    EXPECT_TRUE(Launches().empty());

    CString strHuge;
    for (int i = 0; i < 10000; ++i)
        strHuge += _T("Lesson 3. ");
    label.SetAutoSize(TRUE, -5);
    label.SetWindowText(strHuge);
    EXPECT_EQ(0, RectInDialog(label.m_hWnd).Width());
    label.SetAutoSize(TRUE, 200);
    EXPECT_EQ(200, RectInDialog(label.m_hWnd).Width());
    EXPECT_EQ(strHuge.GetLength(), label.GetWindowTextLength());
    label.SetWindowText(NULL);
    EXPECT_EQ(0, label.GetWindowTextLength());

    label.SetAutoSize(FALSE);
    label.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
    label.SetTransparent(TRUE);
    label.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(CRect(10, 80, 10, 80), RectInDialog(label.m_hWnd));
}

TEST_F(LabelTest, CreateDestroyAndSubclassReleaseSoak) {
    auto cycle = [this](int k) {
        {
            CQVLabel label;
            label.SetTransparent(k % 2);
            label.SetFontBold(TRUE);
            label.Create(_T("3 new messages"), WS_CHILD | WS_VISIBLE, CRect(10, 60, 110, 76), &m_dlg,
                         kCreatedId);
            label.SetAutoSize(TRUE, 90);
            label.SetFingerCursor();
            label.StartFlash(k % 3 ? QVLFT_TEXT : QVLFT_BACKGROUND);
            label.SendMessage(WM_TIMER, QV_LABEL_FLASH_TIMER);
            label.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
            label.UpdateWindow();
            label.DestroyWindow();
        }
        CQVLabel* pLabel = new CQVLabel;
        pLabel->SubclassDlgItem(IDC_QVLABEL_LINK, &m_dlg);
        pLabel->SetLink(TRUE, _T("www.study.cn"));
        pLabel->Notify(TRUE);
        pLabel->SetFingerCursor();
        pLabel->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        pLabel->SendMessage(WM_MOUSELEAVE);
        pLabel->SetWindowText(k % 2 ? _T("Forgot your password?") : _T(""));
        pLabel->UpdateWindow();
        pLabel->UnsubclassWindow();
        delete pLabel;
    };
    for (int k = 0; k < 20; ++k)
        cycle(k);  // warm up caches of GDI and USER
    Pump();
    const riztest::ResourceSnapshot before;
    const int nCycles = riztest::SoakCycles();
    for (int k = 0; k < nCycles; ++k) {
        cycle(k);
        if (k % 100 == 0) Pump();
    }
    Pump();
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(0, before.WindowDelta());
}

}  // namespace qvltest
