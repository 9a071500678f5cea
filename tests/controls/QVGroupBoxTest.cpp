// The group box: its rounded frame and caption over the parent's pixels, and its repaint after the
// changes the system's button would paint itself; the soak of the group box, slider, hot key and spin.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVGroupBox.h"
#include "QVGroupBoxFixture.h"
#include "QVHotKeyCtrl.h"
#include "QVSliderCtrl.h"
#include "QVSpinButtonCtrl.h"
#include "ResourceCounter.h"

namespace {

using qvsmall::BackgroundAt;
using qvsmall::kBorder;

class GroupBoxTest : public qvsmall::SmallTest {
protected:
    // The caption's size as the group box measures it.
    static CSize CaptionSize(LPCTSTR lpszText) {
        CWindowDC dc(NULL);
        HGDIOBJ hOld = dc.SelectObject(::GetStockObject(DEFAULT_GUI_FONT));
        CRect rc(0, 0, 0, 0);
        dc.DrawText(lpszText, &rc, DT_CALCRECT | DT_SINGLELINE);
        dc.SelectObject(hOld);
        return rc.Size();
    }
};

TEST_F(GroupBoxTest, DrawsTheFrameAroundTheCaptionAndNeverFillsItsInside) {
    CQVGroupBox group;
    ASSERT_TRUE(group.SubclassDlgItem(IDC_QVSMALL_GROUP, &m_dlg));
    const CRect rc = RectInDialog(group.m_hWnd);
    const CSize szText = CaptionSize(_T("Sound"));
    const int yLine = rc.top + szText.cy / 2, yMid = (yLine + rc.bottom) / 2;
    const int xText = rc.left + 10;
    riztest::Surface shot(420, 260);
    FreshPaint(shot);
    EXPECT_EQ("", shot.WrongPixels({{rc.left, yMid, kBorder},
                                    {rc.right - 1, yMid, kBorder},
                                    {rc.CenterPoint().x, rc.bottom - 1, kBorder},
                                    {rc.left + 5, yLine, kBorder},
                                    {xText + szText.cx + 4, yLine, kBorder},
                                    // rounded corners, the parent above the line and inside the frame
                                    {rc.left, yLine, BackgroundAt(rc.left, yLine)},
                                    {rc.right - 1, rc.bottom - 1, BackgroundAt(rc.right - 1, rc.bottom - 1)},
                                    {rc.left + 5, rc.top, BackgroundAt(rc.left + 5, rc.top)},
                                    {rc.left + 3, rc.bottom - 4, BackgroundAt(rc.left + 3, rc.bottom - 4)}}));
    // The line never crosses the caption, written in dark grey at 10 pixels in.
    const CRect rcCaption(xText, rc.top, xText + szText.cx, rc.top + szText.cy);
    EXPECT_EQ(0, shot.CountNear(CRect(xText, yLine, xText + szText.cx, yLine + 1), kBorder, 0));
    EXPECT_LT(0, shot.CountNear(rcCaption, RGB(0x40, 0x40, 0x40), 24));
    // Above the line and left of the caption only the parent shows (a glyph may overhang by a pixel).
    int nForeign = 0;
    for (int x = rc.left + 1; x < xText - 1; ++x)
        for (int y = rc.top; y < yLine; ++y)
            nForeign += shot.Pixel(x, y) != BackgroundAt(x, y);
    EXPECT_EQ(0, nForeign);

    // Without a caption the frame starts at the top; a caption of 100 KB or none at all paints too.
    CQVGroupBox empty;
    ASSERT_TRUE(empty.SubclassDlgItem(IDC_QVSMALL_EMPTY_GROUP, &m_dlg));
    const CRect rcEmpty = RectInDialog(empty.m_hWnd);
    FreshPaint(shot);
    EXPECT_EQ("", shot.WrongPixels({{rcEmpty.left + 20, rcEmpty.top, kBorder},
                                    {rcEmpty.left, rcEmpty.top + 10, kBorder}}));
    group.SetWindowText(CString(_T('W'), 100 * 1024));
    ::SetWindowText(empty.m_hWnd, NULL);
    FreshPaint(shot);
    EXPECT_EQ("", shot.WrongPixels({{rc.left, yMid, kBorder}, {rcEmpty.left + 20, rcEmpty.top, kBorder}}));
}

TEST_F(GroupBoxTest, RepaintsAsFreshAfterWhatTheSystemButtonPaintsItself) {
    CQVGroupBox group;
    ASSERT_TRUE(group.SubclassDlgItem(IDC_QVSMALL_GROUP, &m_dlg));
    const CRect rc = RectInDialog(group.m_hWnd);
    riztest::Surface fresh(rc.right + 2, rc.bottom + 2), now(rc.right + 2, rc.bottom + 2);
    const struct {
        const char* pszWhat;
        std::function<void()> change;
    } changes[] = {
        {"disable", [&] { group.EnableWindow(FALSE); }},
        {"enable", [&] { group.EnableWindow(TRUE); }},
        {"new text", [&] { group.SetWindowText(CString(L"\x58f0\x97f3 Voice")); }},
        {"language change",
         [&] {
             group.SetWindowText(_T("Sound"));
             group.SendMessage(WM_QV_LANCHANGED);
         }},
        {"state", [&] { group.SendMessage(BM_SETSTATE, TRUE); }},
        {"ui state", [&] { group.SendMessage(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS)); }},
        {"focus", [&] { group.SetFocus(); }},
    };
    FreshPaint(fresh);
    for (const auto& change : changes) {
        SCOPED_TRACE(change.pszWhat);
        change.change();
        Pump();
        CopyNow(now);
        FreshPaint(fresh);
        EXPECT_EQ(0, Differences(now, fresh, rc));
    }
}

TEST_F(GroupBoxTest, CreatedByCodeFollowsASkinChangeAndIsReleasedToTheSystem) {
    auto* pGroup = new CQVGroupBox;
    ASSERT_TRUE(
        pGroup->Create(_T("Practice"), WS_CHILD | WS_VISIBLE, CRect(10, 200, 200, 260), &m_dlg, 1290));
    m_dlg.SetWindowPos(NULL, 0, 0, 480, 320, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    riztest::Surface shot(300, 300);
    FreshPaint(shot);
    EXPECT_EQ("", shot.WrongPixels({{10, 240, kBorder}}));
    qvsmall::TestSkin other;
    other.clrBorder = qvsmall::kOtherBorder;
    ASSERT_TRUE(LoadSkin(other));
    EXPECT_NE(0, pGroup->SendMessage(WM_QV_SKINCHANGED));
    FreshPaint(shot);
    EXPECT_EQ("", shot.WrongPixels({{10, 240, qvsmall::kOtherBorder}}));

    const HWND hGroup = pGroup->m_hWnd;
    pGroup->UnsubclassWindow();
    delete pGroup;
    ::SetWindowText(hGroup, _T("Exam"));
    ::EnableWindow(hGroup, FALSE);
    FreshPaint(shot);
    EXPECT_EQ(_T("Exam"), qvsmall::TextOf(hGroup));
    EXPECT_NE(qvsmall::kOtherBorder, shot.Pixel(10, 240));
}

// The four made and destroyed, subclassed and released, many times.
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
