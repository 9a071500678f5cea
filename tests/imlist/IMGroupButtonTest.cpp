// A contact-list group without a window: button geometry, sliding, layout and scrolling of its teams,
// hit tests, drawing, flashing and copies.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "IMGroupButton.h"
#include "IMListTestKit.h"
#include "QVBitmap.h"

using namespace imtest;

namespace {

const COLORREF kPage = RGB(250, 250, 250);

CIMListTeamItem* AddTeam(CIMGroupButton& group, LPCTSTR lpszTitle, int nUsers, int bExpanded = 0) {
    CIMListTeamItem* pTeam = new CIMListTeamItem;
    pTeam->SetTitle(lpszTitle);
    pTeam->SetParent(&group);
    for (int i = 0; i < nUsers; ++i) {
        CIMListUserItem* pUser = new CIMListUserItem;
        pUser->SetUserID(i);
        pUser->SetUserStatus(IMUS_ONLINE);
        pUser->SetParent(pTeam);
        pTeam->AddChild(pUser);
    }
    pTeam->Expand(bExpanded);
    group.AddChild(pTeam);
    return pTeam;
}

}  // namespace

TEST(IMGroupButtonSlide, AnimationDrawsTheButtonInEveryCase) {
    CIMGroupButton group;
    group.SetTitle(_T("好友"));
    group.SetRect(CRect(0, 10, 200, 34));
    group.SetDestRect(group.GetRect());
    riztest::Surface surface(200, 60, kPage);
    group.Animation(Dc(surface), 50);
    EXPECT_EQ(RGB(200, 200, 255), surface.Pixel(100, 20));
}

TEST(IMGroupButtonLayout, ChildrenThatFitHideTheBarAndResetItsPosition) {
    CIMGroupButton group;
    for (int i = 0; i < 10; ++i)
        AddTeam(group, _T("T"), 0);
    group.SetExpandRect(CRect(0, 0, 200, 150));
    group.GetScrollBar().SetPos(40);
    group.SetExpandRect(CRect(0, 0, 200, 400));
    EXPECT_FALSE(group.GetScrollBar().IsVisible());
    EXPECT_EQ(0, group.GetScrollBar().GetPos());
    EXPECT_EQ(0, group.GetChild(0)->GetRect().top);
}

TEST(IMGroupButtonLayout, ExpandedTeamPushesTheNextRowsDownByItsUsersPlusTwo) {
    CIMGroupButton group;
    AddTeam(group, _T("A"), 2);
    CIMListTeamItem* pMiddle = AddTeam(group, _T("B"), 3);
    AddTeam(group, _T("C"), 1);
    group.SetExpandRect(CRect(0, 0, 200, 1000));
    const int nBefore = group.GetChild(2)->GetRect().top;
    pMiddle->Expand(1);
    group.AdjustChilds();
    EXPECT_EQ(CRect(20, 44, 190, 116), pMiddle->GetExpandRect());
    EXPECT_EQ(nBefore + 3 * 24 + 2, group.GetChild(2)->GetRect().top);
    EXPECT_EQ(118, group.GetChild(2)->GetRect().top);
    // The total height counts 2 pixels less per open team than the drawn rows.
    CRect rcVirtual;
    group.CalcVirtualExpandRect(rcVirtual);
    EXPECT_EQ(3 * 22 + 72, rcVirtual.Height());
}

TEST(IMGroupButtonLayout, ScrollPositionMovesRowsUpAndOffsetMovesEverything) {
    CIMGroupButton group;
    CIMListTeamItem* pTeam = AddTeam(group, _T("A"), 20, 1);
    group.SetExpandRect(CRect(0, 24, 200, 224));
    group.GetScrollBar().SetPos(30);
    group.AdjustChilds();
    EXPECT_EQ(24 - 30, pTeam->GetRect().top);
    EXPECT_EQ(24 - 30 + 22, pTeam->GetChild(0)->GetRect().top);
    group.OffsetChildsRect(0, -5);
    EXPECT_EQ(24 - 35, pTeam->GetRect().top);
    EXPECT_EQ(24 - 35 + 22, pTeam->GetChild(0)->GetRect().top);
    EXPECT_EQ(24 - 35 + 22, pTeam->GetExpandRect().top);
}

TEST(IMGroupButtonChildren, FindRemoveAndBadIndexes) {
    CIMGroupButton group;
    CIMListTeamItem* pA = AddTeam(group, _T("Alpha"), 1);
    CIMListTeamItem* pB = AddTeam(group, _T("Beta"), 1);
    pB->SetItemData(42);
    CIMListUserItem* pLoose = new CIMListUserItem;
    pLoose->SetTitle(_T("Loose"));
    group.AddChild(pLoose);
    EXPECT_EQ(pB, group.FindTeamItem(CString(_T("Beta"))));
    EXPECT_EQ(nullptr, group.FindTeamItem(CString(_T("beta"))));
    EXPECT_EQ(pB, group.FindTeamItem(static_cast<DWORD>(42)));
    EXPECT_EQ(pLoose, group.FindUserItem(_T("Loose")));
    EXPECT_EQ(nullptr, group.FindUserItem(_T("Alpha")));
    EXPECT_EQ(nullptr, group.GetChild(3));
    EXPECT_EQ(nullptr, group.GetChild(-1));
    group.AddSparkleItem(pA->GetChild(0));
    group.AddSparkleItem(pLoose);
    group.RemoveChild(pLoose);
    EXPECT_EQ(1, group.GetSparkleItemCount());
    delete pLoose;
    CIMListUserItem stranger;
    group.RemoveSparkleItem(&stranger);
    EXPECT_EQ(1, group.GetSparkleItemCount());
    EXPECT_EQ(2, group.GetChildCount());
}

TEST(IMGroupButtonChildren, BigImageReachesEveryUserAndLaysOutAgain) {
    CIMGroupButton group;
    CIMListTeamItem* pTeam = AddTeam(group, _T("A"), 2, 1);
    group.SetExpandRect(CRect(0, 0, 200, 300));
    group.SetBigImage(1);
    EXPECT_EQ(1, pTeam->GetChild(1)->IsBigImage());
    EXPECT_EQ(44, pTeam->GetChild(1)->GetRect().Height());
    CIMListTeamItem* pLate = AddTeam(group, _T("B"), 1);
    EXPECT_EQ(1, pLate->IsBigImage());
    EXPECT_EQ(1, pLate->GetChild(0)->IsBigImage());
}

TEST(IMGroupButtonDraw, ColourButtonByStateWithTitle) {
    for (int bHot = 0; bHot < 2; ++bHot) {
        CIMGroupButton group;
        group.SetTitle(_T("我的好友 My Friends"));
        group.SetRect(CRect(0, 5, 200, 29));
        riztest::Surface drawn(200, 40, kPage), expected(200, 40, kPage);
        group.Draw(Dc(drawn), bHot);
        EXPECT_EQ(bHot ? RGB(255, 255, 200) : RGB(128, 128, 255), drawn.Pixel(100, 5));
        EXPECT_EQ(RGB(255, 255, 255), drawn.Pixel(0, 5));  // outside the round corner: the white fill
        const COLORREF brush = bHot ? RGB(220, 220, 255) : RGB(200, 200, 255);
        EXPECT_EQ(brush, drawn.Pixel(10, 15));
        Dc(expected)->FillSolidRect(CRect(2, 6, 198, 28), brush);
        DrawItemText(Dc(expected), group.GetTitle(), group.GetTextRect(), RGB(40, 73, 151), 100);
        EXPECT_EQ(0, CountDifferent(drawn, expected, CRect(2, 7, 198, 27)));
    }
}

TEST(IMGroupButtonDraw, ChildrenOutsideTheOpenAreaAreNotDrawn) {
    CIMGroupButton group;
    for (int i = 0; i < 20; ++i)
        AddTeam(group, _T("T"), 0);
    group.SetExpandRect(CRect(0, 24, 200, 100));
    group.Expand(1);
    riztest::Surface surface(200, 600, kPage);
    group.DrawChilds(Dc(surface));
    EXPECT_TRUE(surface.HasOtherThan(CRect(0, 24, 185, 100), kPage, 0));
    // The row that reaches past the bottom is drawn whole; the rows after it are not drawn.
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 120, 200, 600), kPage, 0));
}

TEST(IMGroupButtonSparkle, ShakesVisibleUsersAndBlinksThePictureOnTheButton) {
    CIMGroupButton group;
    CIMListTeamItem* pOpen = AddTeam(group, _T("A"), 2, 1);
    CIMListTeamItem* pShut = AddTeam(group, _T("B"), 1, 0);
    CQVBitmap tiny, big;
    // The blinking picture: red with its outer ring in the key colour 199,228,255.
    tiny.AttachBitmap(riztest::Dib(18, 18, [](int x, int y) {
        return x == 0 || y == 0 || x == 17 || y == 17 ? RGB(199, 228, 255) : RGB(220, 0, 0);
    }));
    SolidBitmap(big, 40, 40, RGB(0, 0, 220));
    for (int i = 0; i < pOpen->GetChildCount(); ++i)
        pOpen->GetChild(i)->SetUserIcon(&tiny, &big, &tiny, &big);
    group.SetTitle(_T("G"));
    group.SetRect(CRect(0, 0, 200, 24));
    group.SetExpandRect(CRect(0, 24, 200, 300));
    group.Expand(1);
    group.AddSparkleItem(pOpen->GetChild(1));
    group.AddSparkleItem(pShut->GetChild(0));  // collapsed: not on screen
    riztest::Surface surface(200, 300, kPage);
    std::vector<CRect> rects;
    EXPECT_EQ(1, group.SparkleItem(Dc(surface), rects, 0));
    ASSERT_EQ(1u, rects.size());
    EXPECT_EQ(pOpen->GetChild(1)->GetRect(), rects[0]);
    EXPECT_EQ(1, group.GetSparkleCounter());
    EXPECT_EQ(CRect(181, 1, 197, 17), FindColor(surface, CRect(0, 0, 200, 24), RGB(220, 0, 0)));
    EXPECT_NE(RGB(199, 228, 255), surface.Pixel(180, 0));
    rects.clear();
    group.SparkleItem(Dc(surface), rects, 0);  // even frame: the button again, no picture
    EXPECT_EQ(0, FindColor(surface, CRect(0, 0, 200, 24), RGB(220, 0, 0)).Width());
    // A closed group still blinks, but shakes nobody.
    group.Expand(0);
    rects.clear();
    EXPECT_EQ(0, group.SparkleItem(Dc(surface), rects, 0));
    EXPECT_TRUE(rects.empty());
    EXPECT_EQ(3, group.GetSparkleCounter());
}

TEST(IMGroupButtonCopy, CopyOwnsCopiesAndItsFlashingListNamesThem) {
    CIMGroupButton* pGroup = new CIMGroupButton;
    CIMListTeamItem* pTeam = AddTeam(*pGroup, _T("A"), 3, 1);
    pGroup->SetExpandRect(CRect(0, 0, 200, 300));
    pGroup->AddSparkleItem(pTeam->GetChild(2));
    CIMGroupButton copy(*pGroup);
    CIMGroupButton assigned;
    AddTeam(assigned, _T("Z"), 1);
    assigned = *pGroup;
    delete pGroup;
    for (CIMGroupButton* p : {&copy, &assigned}) {
        ASSERT_EQ(1, p->GetChildCount());
        CIMListTeamItem* pCopyTeam = static_cast<CIMListTeamItem*>(p->GetChild(0));
        EXPECT_EQ(p, pCopyTeam->GetParent());
        ASSERT_EQ(1, p->GetSparkleItemCount());
        EXPECT_EQ(pCopyTeam->GetChild(2), p->GetSparkleItem(0));
        EXPECT_EQ(pCopyTeam->GetChild(0)->GetRect(), CRect(20, 22, 190, 46));
    }
}
