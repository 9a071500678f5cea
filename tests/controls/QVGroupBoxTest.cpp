// The group box: its rounded frame and caption over the parent's pixels, and its repaint after the
// changes the system's button would paint itself.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVGroupBox.h"
#include "QVGroupBoxFixture.h"

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

}  // namespace
