// Teams and users without a window: order, counts, geometry, hit tests, copies; then their drawing in
// memory surfaces.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "IMListItem.h"
#include "IMListTestKit.h"
#include "QVBitmap.h"
#include "QVLanResManager.h"
#include "QVSkinResManager.h"

using namespace imtest;

namespace {

CIMListUserItem* NewUser(DWORD dwID, IMUserStatus nStatus, LPCTSTR lpszName = _T("u")) {
    CIMListUserItem* pUser = new CIMListUserItem;
    pUser->SetUserID(dwID);
    pUser->SetUserStatus(nStatus);
    pUser->SetTitle(lpszName);
    return pUser;
}

std::vector<int> Statuses(const CIMListTeamItem& team) {
    std::vector<int> statuses;
    for (int i = 0; i < team.GetChildCount(); ++i)
        statuses.push_back(team.GetChild(i)->GetUserStatus());
    return statuses;
}

}  // namespace

TEST(IMListTeamOrder, ActiveUsersComeFirstByStatusAndCountAsOnline) {
    CIMListTeamItem team;
    team.SetTitle(_T("Friends"));
    for (DWORD i = 0; i < 4; ++i) {
        static const IMUserStatus kStatuses[] = {IMUS_BUSY, IMUS_ONLINE, IMUS_HIDDEN, IMUS_IDLE};
        EXPECT_EQ(1, team.AddChild(NewUser(i, kStatuses[i])));
    }
    EXPECT_EQ((std::vector<int>{6, 5, 4, 2}), Statuses(team));
    EXPECT_EQ(3, team.GetActiveCount());
    EXPECT_EQ(CString(_T("Friends (3/4)")), team.GetDisplayText());
}

TEST(IMListTeamOrder, EqualStatusGoesAfterItsEqualsAndInactiveUsersAreAppendedUnsorted) {
    CIMListTeamItem team;
    CIMListUserItem* pFirst = NewUser(1, IMUS_IDLE);
    CIMListUserItem* pSecond = NewUser(2, IMUS_IDLE);
    team.AddChild(pFirst);
    team.AddChild(NewUser(3, IMUS_OFFLINE));
    team.AddChild(NewUser(4, IMUS_AWAY));
    team.AddChild(pSecond);
    EXPECT_EQ(pFirst, team.GetChild(0));
    EXPECT_EQ(pSecond, team.GetChild(1));
    // Status 3 is not active: appended after the offline user, not sorted.
    EXPECT_EQ((std::vector<int>{5, 5, 1, 3}), Statuses(team));
    EXPECT_EQ(2, team.GetActiveCount());
}

TEST(IMListTeamOrder, DuplicateIdIsRejectedAndTheCallerKeepsTheUser) {
    CIMListTeamItem team;
    team.AddChild(NewUser(7, IMUS_ONLINE));
    CIMListUserItem* pTwin = NewUser(7, IMUS_ONLINE);
    EXPECT_EQ(0, team.AddChild(pTwin));
    EXPECT_EQ(0, team.AddChild(nullptr));
    EXPECT_EQ(1, team.GetChildCount());
    EXPECT_EQ(1, team.GetActiveCount());
    EXPECT_NE(pTwin, team.FindUser(7));
    delete pTwin;
    EXPECT_EQ(nullptr, team.FindUser(8));
}

TEST(IMListTeamOrder, StatusChangesMoveTheUserAndKeepTheCount) {
    CIMListTeamItem team;
    CIMListUserItem* pLow = NewUser(1, IMUS_HIDDEN);
    team.AddChild(NewUser(2, IMUS_ONLINE));
    team.AddChild(NewUser(3, IMUS_IDLE));
    team.AddChild(NewUser(4, IMUS_BUSY));
    team.AddChild(pLow);
    team.OnUserStatusChanged(pLow, IMUS_IDLE);
    EXPECT_EQ(4, team.GetActiveCount());
    EXPECT_EQ(pLow, team.GetChild(2));  // after the other 5, before the 4
    team.OnUserStatusChanged(pLow, IMUS_OFFLINE);
    EXPECT_EQ(3, team.GetActiveCount());
    EXPECT_EQ(pLow, team.GetChild(3));
    // Active to active keeps the count.
    CIMListUserItem* pTop = team.GetChild(0);
    team.OnUserStatusChanged(pTop, IMUS_BUSY);
    EXPECT_EQ(3, team.GetActiveCount());
    EXPECT_EQ((std::vector<int>{5, 4, 4, 1}), Statuses(team));
    EXPECT_EQ(pTop, team.GetChild(2));
}

TEST(IMListTeamOrder, RemoveChildForgetsTheUserWithoutDeletingIt) {
    CIMListTeamItem team;
    CIMListUserItem* pUser = NewUser(5, IMUS_ONLINE);
    team.AddChild(pUser);
    team.AddChild(NewUser(6, IMUS_OFFLINE));
    team.RemoveChild(pUser);
    EXPECT_EQ(1, team.GetChildCount());
    EXPECT_EQ(0, team.GetActiveCount());
    EXPECT_EQ(nullptr, team.FindUser(5));
    // A user that is not a child changes nothing.
    team.RemoveChild(pUser);
    team.RemoveChild(nullptr);
    EXPECT_EQ(1, team.GetChildCount());
    EXPECT_EQ(1, team.AddChild(pUser));  // still alive, can come back
    EXPECT_EQ(nullptr, team.GetChild(2));
    EXPECT_EQ(nullptr, team.GetChild(-1));
}

TEST(IMListItemKind, TeamsAndUsersAreItemsOfTheirOwnKindOnly) {
    CIMListItem item;
    CIMListTeamItem team;
    CIMListUserItem user;
    const CIMListItem* kinds[] = {&item, &team, &user};  // class ids 0, 1, 2
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(n, kinds[n]->GetClassID());
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(k == 0 || k == n, kinds[n]->IsKindOf(k)) << k;
    }
}

TEST(IMListItemGeometry, CollapsedOrEmptyTeamHasNoExpandRectAndHidesItsUsers) {
    CIMListTeamItem team;
    team.SetRect(CRect(10, 0, 190, 20));
    team.Expand(1);
    CRect rcOut(1, 2, 3, 4);
    EXPECT_EQ(0, team.AdjustChilds());
    EXPECT_TRUE(team.GetExpandRect().IsRectEmpty());
    EXPECT_EQ(0, team.CalcVirtualChilds(rcOut));
    EXPECT_EQ(CRect(1, 2, 3, 4), rcOut);
    CIMListUserItem* pUser = NewUser(1, IMUS_ONLINE);
    team.AddChild(pUser);
    team.Expand(0);
    EXPECT_EQ(0, team.AdjustChilds());
    EXPECT_EQ(CRect(0, 0, 0, 0), pUser->GetRect());
}

TEST(IMListItemGeometry, ExpandedTeamStacksUsersInSmallAndBigRows) {
    CIMListTeamItem team;
    team.SetRect(CRect(10, 0, 190, 20));
    for (DWORD i = 0; i < 3; ++i)
        team.AddChild(NewUser(i, IMUS_ONLINE));
    team.Expand(1);
    EXPECT_EQ(1, team.AdjustChilds());
    EXPECT_EQ(CRect(20, 22, 180, 46), team.GetChild(0)->GetRect());
    EXPECT_EQ(CRect(20, 70, 180, 94), team.GetChild(2)->GetRect());
    EXPECT_EQ(CRect(20, 22, 180, 94), team.GetExpandRect());
    EXPECT_EQ(team.GetChild(0)->GetImageRect(), team.GetChild(0)->GetIconAnchor());
    CRect rcVirtual;
    EXPECT_EQ(1, team.CalcVirtualChilds(rcVirtual));
    EXPECT_EQ(team.GetExpandRect(), rcVirtual);
    team.SetBigImage(1);
    EXPECT_EQ(1, team.GetChild(2)->IsBigImage());
    EXPECT_EQ(CRect(20, 110, 180, 154), team.GetChild(2)->GetRect());
    EXPECT_EQ(CRect(20, 22, 180, 154), team.GetExpandRect());
    // A user added later takes the team's picture size.
    CIMListUserItem* pLate = NewUser(9, IMUS_OFFLINE);
    team.AddChild(pLate);
    EXPECT_EQ(1, pLate->IsBigImage());
}

TEST(IMListItemCopy, TeamCopyOwnsCopiesOfItsUsers) {
    CIMListTeamItem* pTeam = new CIMListTeamItem;
    pTeam->SetTitle(_T("Original"));
    for (DWORD i = 0; i < 3; ++i) {
        CIMListUserItem* pUser = NewUser(i, i ? IMUS_ONLINE : IMUS_OFFLINE);
        pUser->SetParent(pTeam);
        pTeam->AddChild(pUser);
    }
    CIMListTeamItem copy(*pTeam);
    EXPECT_EQ(3, copy.GetChildCount());
    EXPECT_EQ(2, copy.GetActiveCount());
    EXPECT_NE(pTeam->GetChild(0), copy.GetChild(0));
    EXPECT_EQ(&copy, copy.GetChild(0)->GetParent());
    EXPECT_EQ(copy.GetChild(1), copy.FindUser(copy.GetChild(1)->GetUserID()));
    CIMListTeamItem assigned;
    assigned.AddChild(NewUser(77, IMUS_ONLINE));
    assigned = copy;
    EXPECT_EQ(nullptr, assigned.FindUser(77));
    delete pTeam;  // each deletes only its own users
    EXPECT_EQ(CString(_T("Original (2/3)")), assigned.GetDisplayText());
}

// ---------------------------------------------------------------------------------------------------
// Drawing.

namespace {

const COLORREF kPicture = RGB(10, 200, 30);
const COLORREF kGrayPicture = RGB(120, 120, 120);
const COLORREF kPage = RGB(250, 250, 250);

struct PictureSet {
    CQVBitmap tiny, big, grayTiny, grayBig;
    PictureSet() {
        SolidBitmap(tiny, 20, 20, kPicture);
        SolidBitmap(big, 40, 40, kPicture);
        SolidBitmap(grayTiny, 20, 20, kGrayPicture);
        SolidBitmap(grayBig, 40, 40, kGrayPicture);
    }
    void Give(CIMListUserItem& user) { user.SetUserIcon(&tiny, &big, &grayTiny, &grayBig); }
};

}  // namespace

TEST(IMListTeamDraw, ColourFrameByStateWithoutImages) {
    struct Case {
        int bHot, bExpanded;
        COLORREF pen, brush;
    } const kCases[] = {
        {1, 1, RGB(255, 255, 128), RGB(240, 240, 255)},
        {1, 0, RGB(200, 200, 255), RGB(240, 240, 255)},
        {0, 1, RGB(255, 128, 255), RGB(230, 230, 240)},
        {0, 0, RGB(210, 220, 255), RGB(230, 230, 240)},
    };
    for (const Case& c : kCases) {
        riztest::Surface surface(200, 40, kPage);
        CIMListTeamItem team;
        team.SetRect(CRect(10, 10, 190, 30));
        team.Expand(c.bExpanded);
        team.Draw(Dc(surface), c.bHot);
        EXPECT_EQ(c.pen, surface.Pixel(10, 10));
        EXPECT_EQ(c.pen, surface.Pixel(189, 29));
        EXPECT_EQ(c.brush, surface.Pixel(12, 12));
        EXPECT_EQ(kPage, surface.Pixel(9, 9));
        EXPECT_EQ(kPage, surface.Pixel(190, 30));
    }
}

TEST(IMListTeamDraw, TextShowsOnlineAndTotalInTheTeamColours) {
    for (int bHot = 0; bHot < 2; ++bHot) {
        CIMListTeamItem team;
        team.SetTitle(_T("同学 Classmates"));
        team.AddChild(NewUser(1, IMUS_ONLINE));
        team.AddChild(NewUser(2, IMUS_BUSY));
        team.AddChild(NewUser(3, IMUS_IDLE));
        team.AddChild(NewUser(4, IMUS_OFFLINE));
        team.SetRect(CRect(0, 0, 220, 20));
        riztest::Surface drawn(220, 20, kPage), expected(220, 20, kPage);
        team.Draw(Dc(drawn), bHot);
        const COLORREF brush = bHot ? RGB(240, 240, 255) : RGB(230, 230, 240);
        Dc(expected)->FillSolidRect(CRect(1, 1, 219, 19), brush);
        DrawItemText(Dc(expected), _T("同学 Classmates (3/4)"), team.GetTextRect(),
                     bHot ? RGB(0, 0, 0) : RGB(40, 73, 151), 100);
        EXPECT_EQ(0, CountDifferent(drawn, expected, CRect(1, 1, 219, 19)));
        EXPECT_GT(FindColor(drawn, CRect(0, 0, 220, 20), bHot ? RGB(0, 0, 0) : RGB(40, 73, 151), 60).Width(),
                  40);
    }
}

TEST(IMListTeamDraw, WithImagesDrawsTheSkinBadgeAndTheArrowOfItsState) {
    CQVSkinIMListRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetIMLRes();
    const CQVSkinIMListRes saved = *pRes;
    // Badge frames: normal red, hot blue, with a key-coloured corner.
    pRes->m_bmpTeamItem.AttachBitmap(riztest::Dib(36, 16, [](int x, int y) {
        if (x % 18 == 0 && y == 0) return RGB(255, 0, 255);
        return x < 18 ? RGB(200, 0, 0) : RGB(0, 0, 200);
    }));
    pRes->m_bmpTeamItem.SetMultiState(2);
    pRes->m_clrTransparent = RGB(255, 0, 255);
    HICON hExpanded = riztest::SolidIcon(16, RGB(0, 90, 0));

    for (int bHot = 0; bHot < 2; ++bHot) {
        riztest::Surface surface(200, 20, kPage);
        CIMListTeamItem team;
        team.SetImages(NULL, hExpanded);
        team.SetRect(CRect(0, 0, 200, 20));
        team.Draw(Dc(surface), bHot);  // collapsed: badge without an arrow
        EXPECT_EQ(bHot ? RGB(0, 0, 200) : RGB(200, 0, 0), surface.Pixel(10, 10));
        EXPECT_EQ(kPage, surface.Pixel(2, 2));    // key colour left out
        EXPECT_EQ(kPage, surface.Pixel(100, 1));  // no colour frame when images are used
        team.Expand(1);
        team.Draw(Dc(surface), bHot);
        EXPECT_EQ(RGB(0, 90, 0), surface.Pixel(10, 10));
        EXPECT_EQ(RGB(0, 90, 0), surface.Pixel(17, 17));
        EXPECT_EQ(bHot ? RGB(0, 0, 200) : RGB(200, 0, 0), surface.Pixel(19, 17));
    }
    ::DestroyIcon(hExpanded);
    *pRes = saved;
}

TEST(IMListUserDraw, NormalRowClearsTheFrameAndShowsTheColouredPictureOnlyOnline) {
    PictureSet pictures;
    for (int nStatus = 0; nStatus <= 6; ++nStatus) {
        riztest::Surface surface(200, 30, kPage);
        CIMListUserItem user;
        pictures.Give(user);
        user.SetUserStatus(static_cast<IMUserStatus>(nStatus));
        user.SetRect(CRect(10, 3, 190, 27));
        user.Draw(Dc(surface), 0);
        const COLORREF expected = nStatus == 6 ? kPicture : kGrayPicture;
        EXPECT_EQ(CRect(12, 5, 32, 25), FindColor(surface, CRect(0, 0, 200, 30), expected)) << nStatus;
        EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(10, 3));  // frame = picture grown by 2
        EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(33, 26));
        EXPECT_EQ(kPage, surface.Pixel(34, 15));
    }
    // Big rows use the big pictures.
    riztest::Surface surface(200, 50, kPage);
    CIMListUserItem user;
    pictures.Give(user);
    user.SetBigImage(1);
    user.SetUserStatus(IMUS_ONLINE);
    user.SetRect(CRect(0, 0, 200, 44));
    user.Draw(Dc(surface), 0);
    EXPECT_EQ(CRect(2, 2, 42, 42), FindColor(surface, CRect(0, 0, 200, 50), kPicture));
}

TEST(IMListUserDraw, HotRowFramesThePictureUnlessItFlashes) {
    PictureSet pictures;
    for (int bSparkling = 0; bSparkling < 2; ++bSparkling) {
        riztest::Surface surface(200, 30, kPage);
        CIMListUserItem user;
        pictures.Give(user);
        user.SetUserStatus(IMUS_ONLINE);
        user.SetSparkling(bSparkling);
        user.SetRect(CRect(10, 3, 190, 27));
        user.Draw(Dc(surface), 1);
        const COLORREF frame = bSparkling ? kPage : RGB(132, 162, 198);
        EXPECT_EQ(frame, surface.Pixel(10, 3));
        EXPECT_EQ(frame, surface.Pixel(33, 26));
        EXPECT_EQ(kPage, surface.Pixel(11, 4));  // null brush: the page shows inside the frame
    }
}

TEST(IMListUserDraw, NameAndCutSignatureMatchTheTextDrawnDirectly) {
    const CString strName = _T("张三 Zhang");
    const CString strSign = _T("今天学习英语 learning English every single day of the week");
    for (int bHot = 0; bHot < 2; ++bHot) {
        CIMListUserItem user;
        user.SetTitle(strName);
        user.SetUserIdiograph(strSign);
        user.SetRect(CRect(0, 0, 240, 24));
        riztest::Surface drawn(260, 24, kPage), expected(260, 24, kPage);
        user.Draw(Dc(drawn), bHot);
        CDC* pDC = Dc(expected);
        if (bHot) {
            CPen pen(PS_SOLID, 1, RGB(132, 162, 198));
            CPen* pOld = pDC->SelectObject(&pen);
            pDC->SelectStockObject(NULL_BRUSH);
            pDC->Rectangle(CRect(0, 0, 24, 24));
            pDC->SelectObject(pOld);
        } else {
            pDC->FillSolidRect(CRect(0, 0, 24, 24), RGB(255, 255, 255));
        }
        DrawItemText(pDC, strName, user.GetTextRect(), bHot ? RGB(128, 128, 255) : RGB(64, 64, 128), 90);
        // The signature follows the measured name and is cut at the row's right edge.
        CFont font;
        font.CreatePointFont(90, CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT")));
        CFont* pOldFont = pDC->SelectObject(&font);
        const int nNameRight = user.GetTextRect().left + pDC->GetTextExtent(strName).cx;
        pDC->SelectObject(pOldFont);
        DrawItemText(pDC, _T("(") + strSign + _T(")"), CRect(nNameRight, 2, 240, 22), RGB(128, 128, 128), 90,
                     DT_END_ELLIPSIS);
        EXPECT_EQ(0, CountDifferent(drawn, expected, CRect(0, 0, 260, 24)));
        // Nothing of the long signature reaches past the row.
        EXPECT_FALSE(drawn.HasOtherThan(CRect(240, 0, 260, 24), kPage, 0));
        EXPECT_TRUE(drawn.HasOtherThan(CRect(200, 2, 240, 22), kPage, 0));
    }
}

TEST(IMListUserDraw, EmptySignatureDrawsOnlyTheName) {
    CIMListUserItem user;
    user.SetTitle(_T("李四"));
    user.SetRect(CRect(0, 0, 200, 24));
    riztest::Surface drawn(200, 24, kPage), expected(200, 24, kPage);
    user.Draw(Dc(drawn), 0);
    Dc(expected)->FillSolidRect(CRect(0, 0, 24, 24), RGB(255, 255, 255));
    DrawItemText(Dc(expected), _T("李四"), user.GetTextRect(), RGB(64, 64, 128), 90);
    EXPECT_EQ(0, CountDifferent(drawn, expected, CRect(0, 0, 200, 24)));
    EXPECT_EQ(0, FindColor(drawn, CRect(0, 0, 200, 24), RGB(128, 128, 128)).Width());
}

TEST(IMListUserSparkle, EightShakeOffsetsStartingAtPhaseOne) {
    const CPoint kOffsets[8] = {{-2, 0}, {2, 0}, {0, -2}, {0, 2}, {-2, -2}, {2, 2}, {-2, 2}, {2, -2}};
    PictureSet pictures;
    CIMListUserItem user;
    pictures.Give(user);
    user.SetUserStatus(IMUS_ONLINE);
    user.SetRect(CRect(10, 10, 190, 34));
    user.SetSparkling(1);
    EXPECT_EQ(0, user.GetSparklePhase());
    for (int nFrame = 1; nFrame <= 16; ++nFrame) {
        riztest::Surface surface(200, 44, kPage);
        user.Sparkle(Dc(surface));
        const int nPhase = nFrame % 8;
        EXPECT_EQ(nPhase, user.GetSparklePhase());
        const CRect rcPicture = FindColor(surface, CRect(0, 0, 200, 44), kPicture);
        EXPECT_EQ(CPoint(12, 12) + kOffsets[nPhase], rcPicture.TopLeft()) << nFrame;
        EXPECT_EQ(CSize(20, 20), rcPicture.Size());
        // The frame around the still picture is cleared first.
        EXPECT_EQ(RGB(255, 255, 255),
                  surface.Pixel(nPhase == 1 || nPhase == 5 || nPhase == 7 ? 10 : 33, 10 + 12));
    }
    user.SetSparkling(0);
    EXPECT_EQ(0, user.GetSparklePhase());
    EXPECT_EQ(CPoint(-2, 0), CIMListUserItem::SparkleOffset(8));
}

TEST(IMListUserDraw, MissingPicturesDrawNothingForThem) {
    CIMListUserItem user;
    user.SetUserStatus(IMUS_ONLINE);
    user.SetRect(CRect(0, 0, 200, 24));
    riztest::Surface surface(200, 24, kPage);
    user.Draw(Dc(surface), 0);
    user.Sparkle(Dc(surface));
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 0, 24, 24), RGB(255, 255, 255), 0));
}
