// CQVLayoutCtrl: the rule table without windows, then real children of a window resized and back.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <memory>
#include <vector>

#include "QVLayoutCtrl.h"
#include "TestWindow.h"

namespace {

struct RuleRow {
    SizeType horz, vert;
    CRect rcLayout, rcChild;
    CRect rcExpected;
};

// The child was recorded at 10,20-110,50 in a 0,0-200,100 rectangle: offsets (90, 50), size 100 x 30.
TEST(QVLayoutCtrlLayout, EachRuleOnEachAxis) {
    const QVLayoutChildRecord record = QVRecordLayoutChild(CRect(0, 0, 200, 100), CRect(10, 20, 110, 50));
    ASSERT_EQ(record.ptOffset, CPoint(90, 50));
    ASSERT_EQ(record.szChild, CSize(100, 30));
    const RuleRow rows[] = {
        {SizeTypeFixed, SizeTypeFixed, CRect(0, 0, 300, 200), CRect(10, 20, 110, 50), CRect(10, 20, 110, 50)},
        {SizeTypeStretched, SizeTypeFixed, CRect(0, 0, 300, 200), CRect(10, 20, 110, 50),
         CRect(10, 20, 210, 50)},
        {SizeTypeMoved, SizeTypeMoved, CRect(0, 0, 300, 200), CRect(10, 20, 110, 50),
         CRect(110, 120, 210, 150)},
        {SizeTypeFixed, SizeTypeStretched, CRect(0, 0, 300, 200), CRect(10, 20, 110, 50),
         CRect(10, 20, 110, 150)},
        // Centring measures from 0 whatever the rectangle's left edge, with integer division.
        {SizeTypeCentred, SizeTypeCentred, CRect(50, 50, 351, 250), CRect(10, 20, 110, 50),
         CRect(100, 85, 200, 115)},
        // A child wider than the rectangle goes negative.
        {SizeTypeCentred, SizeTypeFixed, CRect(0, 0, 41, 100), CRect(10, 20, 110, 50),
         CRect(-29, 20, 71, 50)},
        // The moved rule takes the recorded size, not the current one.
        {SizeTypeMoved, SizeTypeFixed, CRect(0, 0, 300, 200), CRect(0, 20, 20, 50), CRect(110, 20, 210, 50)},
        {static_cast<SizeType>(7), static_cast<SizeType>(-1), CRect(0, 0, 300, 200), CRect(1, 2, 3, 4),
         CRect(1, 2, 3, 4)},
    };
    for (const RuleRow& row : rows)
        EXPECT_EQ(QVLayoutChildRect(row.horz, row.vert, row.rcLayout, row.rcChild, record), row.rcExpected)
            << "rules " << row.horz << "/" << row.vert;
    // Without InitLayout offsets and sizes are 0: a moved child shrinks to nothing at the far edge.
    EXPECT_EQ(
        QVLayoutChildRect(SizeTypeMoved, SizeTypeFixed, CRect(0, 0, 300, 200), CRect(10, 20, 110, 50), {}),
        CRect(300, 20, 300, 50));
}

class LayoutCtrlWindows : public ::testing::Test {
protected:
    // Three children: "OK" (id 1, added by id), a notes box (added by window) and one destroyed later.
    void SetUp() override {
        m_pParent = CWnd::FromHandle(m_window.Host());
        for (int i = 0; i < 3; ++i) {
            m_children.push_back(std::make_unique<CStatic>());
            ASSERT_TRUE(
                m_children[i]->Create(_T("x"), WS_CHILD | WS_VISIBLE, kDesigned[i], m_pParent, 1 + i));
        }
    }
    CRect ChildRect(int i) const {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(m_window.Host(), 1 + i), &rc);
        m_pParent->ScreenToClient(&rc);
        return rc;
    }
    void Resize(CQVLayoutCtrl& layout, int cx, int cy) {
        ::SetWindowPos(m_window.Host(), nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE);
        CRect rcClient;
        m_pParent->GetClientRect(&rcClient);
        layout.LayoutCtrls(rcClient);
    }

    const CRect kDesigned[3] = {CRect(300, 250, 380, 280), CRect(10, 10, 390, 240), CRect(10, 250, 90, 280)};
    riztest::TestWindow m_window{400, 300, true};  // shown: hidden windows keep no update region
    CWnd* m_pParent = nullptr;
    std::vector<std::unique_ptr<CStatic>> m_children;
};

TEST_F(LayoutCtrlWindows, ResizeAndBackRestoresTheDesign) {
    CQVLayoutCtrl moved, stretched, fixed;
    fixed.Initialize(m_pParent, SizeTypeFixed, SizeTypeFixed);
    fixed.AddCtrl(3u);
    fixed.InitLayout(CRect(0, 0, 400, 300));
    moved.Initialize(m_pParent, SizeTypeMoved, SizeTypeMoved);
    moved.AddCtrl(1u);
    stretched.Initialize(m_pParent, SizeTypeStretched, SizeTypeStretched);
    stretched.AddCtrl(m_children[1].get());
    const CRect rcDesign(0, 0, 400, 300);
    moved.InitLayout(rcDesign);
    stretched.InitLayout(rcDesign);

    for (CQVLayoutCtrl* pLayout : {&moved, &stretched, &fixed})
        Resize(*pLayout, 600, 500);
    EXPECT_EQ(ChildRect(0), CRect(500, 450, 580, 480));  // "OK" stays at the bottom right
    EXPECT_EQ(ChildRect(1), CRect(10, 10, 590, 440));
    EXPECT_EQ(ChildRect(2), kDesigned[2]);

    for (CQVLayoutCtrl* pLayout : {&moved, &stretched, &fixed})
        Resize(*pLayout, 400, 300);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ChildRect(i), kDesigned[i]) << i;

    // Copies share nothing but handles: a copy laid out alone moves only its own children.
    CQVLayoutCtrl copy = moved;
    Resize(copy, 500, 300);
    EXPECT_EQ(ChildRect(0), CRect(400, 250, 480, 280));
    EXPECT_EQ(ChildRect(1), kDesigned[1]);
}

TEST_F(LayoutCtrlWindows, FixedRulesStillPlaceAndInvalidate) {
    CQVLayoutCtrl layout;
    layout.Initialize(m_pParent, SizeTypeFixed, SizeTypeFixed);
    layout.AddCtrl(3u);
    ::ValidateRect(m_children[2]->m_hWnd, nullptr);
    layout.LayoutCtrls(CRect(0, 0, 10, 10));
    CRect rcUpdate;
    EXPECT_TRUE(::GetUpdateRect(m_children[2]->m_hWnd, &rcUpdate, FALSE));
    EXPECT_EQ(ChildRect(2), kDesigned[2]);
}

// Unknown ids, NULL windows, a destroyed child whose object is gone, a null parent, 1,000 children.
TEST_F(LayoutCtrlWindows, BadEntriesAreSkipped) {
    CQVLayoutCtrl layout;
    layout.Initialize(m_pParent, SizeTypeMoved, SizeTypeFixed);
    layout.AddCtrl(99u);
    layout.AddCtrl(static_cast<CWnd*>(nullptr));
    layout.AddCtrl(m_children[2].get());
    layout.AddCtrl(1u);
    EXPECT_EQ(layout.GetCtrlCount(), 3);
    layout.InitLayout(CRect(0, 0, 400, 300));
    m_children[2].reset();
    Resize(layout, 420, 300);
    EXPECT_EQ(ChildRect(0), CRect(320, 250, 400, 280));

    CQVLayoutCtrl orphan;
    orphan.Initialize(nullptr, SizeTypeMoved, SizeTypeMoved);
    orphan.AddCtrl(1u);
    orphan.AddCtrl(m_children[1].get());
    orphan.InitLayout(CRect(0, 0, 400, 300));
    orphan.LayoutCtrls(CRect(0, 0, 800, 600));
    EXPECT_EQ(ChildRect(1), kDesigned[1]);

    CQVLayoutCtrl many;
    many.Initialize(m_pParent, SizeTypeMoved, SizeTypeMoved);
    for (int i = 0; i < 1000; ++i)
        many.AddCtrl(1u);
    many.InitLayout(CRect(0, 0, 400, 300));
    many.LayoutCtrls(CRect(0, 0, 401, 301));
    EXPECT_EQ(ChildRect(0), CRect(321, 251, 401, 281));
}

}  // namespace
