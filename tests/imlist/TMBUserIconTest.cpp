// The user picture button: owner-drawn when created or subclassed, its size, drawing and hover reports.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "IMListTestKit.h"
#include "QVBitmap.h"

using namespace imtest;

namespace {

// A shown parent that counts the picture's enter and leave reports.
class CIconParent : public CHostWnd {
public:
    int m_nEnter = 0;
    int m_nLeave = 0;

protected:
    afx_msg LRESULT OnEnter(WPARAM, LPARAM) {
        ++m_nEnter;
        return 0;
    }
    afx_msg LRESULT OnLeave(WPARAM, LPARAM) {
        ++m_nLeave;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIconParent, CHostWnd)
ON_MESSAGE(WM_TMB_USERICON_ENTER, &CIconParent::OnEnter)
ON_MESSAGE(WM_TMB_USERICON_LEAVE, &CIconParent::OnLeave)
END_MESSAGE_MAP()

class TMBUserIcon : public ::testing::Test {
protected:
    void SetUp() override {
        ParkCursor();
        ASSERT_TRUE(m_parent.Create(200, 120));
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        PumpMessages(30, true);
    }
    CIconParent m_parent;
};

CRect WindowSize(const CWnd& wnd) {
    CRect rc;
    wnd.GetWindowRect(rc);
    return CRect(0, 0, rc.Width(), rc.Height());
}

}  // namespace

TEST_F(TMBUserIcon, CreatedIsOwnerDrawnAndFortyFourSquare) {
    CTMBUserIcon icon;
    ASSERT_TRUE(
        icon.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 20, 100, 40), &m_parent, 7));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), icon.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(CRect(0, 0, 44, 44), WindowSize(icon));
    CRect rc;
    icon.GetWindowRect(rc);
    m_parent.ScreenToClient(rc);
    EXPECT_EQ(CPoint(10, 20), rc.TopLeft());
}

TEST_F(TMBUserIcon, SubclassedIsOwnerDrawnAndKeepsItsSize) {
    HWND hButton = ::CreateWindow(_T("BUTTON"), _T("x"), WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 5, 5, 60,
                                  20, m_parent.GetSafeHwnd(), reinterpret_cast<HMENU>(8), NULL, NULL);
    CTMBUserIcon icon;
    ASSERT_TRUE(icon.SubclassWindow(hButton));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), icon.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(CRect(0, 0, 60, 20), WindowSize(icon));
    icon.DestroyWindow();
}

TEST_F(TMBUserIcon, DrawsFramePictureAndHoverRing) {
    CTMBUserIcon icon;
    ASSERT_TRUE(icon.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 54, 54), &m_parent, 7));
    CQVBitmap picture;
    SolidBitmap(picture, 40, 40, RGB(200, 30, 30));
    icon.SetUserImage(&picture);
    riztest::Surface surface(44, 44, RGB(1, 1, 1));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = icon.GetSafeHwnd();
    dis.hDC = surface.Dc();
    dis.rcItem = CRect(0, 0, 44, 44);
    icon.DrawItem(&dis);
    EXPECT_EQ(RGB(110, 180, 220), surface.Pixel(0, 22));
    EXPECT_EQ(RGB(110, 180, 220), surface.Pixel(22, 43));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(1, 22));
    EXPECT_EQ(CRect(2, 2, 42, 42), FindColor(surface, CRect(0, 0, 44, 44), RGB(200, 30, 30)));
    // Hovered by the real pointer: a blue ring inside the frame, and the parent is told.
    MoveTo(icon.GetSafeHwnd(), CPoint(20, 20));
    MoveTo(icon.GetSafeHwnd(), CPoint(21, 21));
    EXPECT_EQ(1, icon.IsHover());
    EXPECT_EQ(1, m_parent.m_nEnter);
    icon.DrawItem(&dis);
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(1, 22));
    dis.itemState = ODS_SELECTED;
    icon.DrawItem(&dis);
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(1, 22));
    Leave();
    EXPECT_EQ(0, icon.IsHover());
    EXPECT_EQ(1, m_parent.m_nLeave);
    MoveTo(icon.GetSafeHwnd(), CPoint(20, 20));
    EXPECT_EQ(2, m_parent.m_nEnter);
}
