// Contact list figures at 100, 10,000 and 100,000 users in one open team, scrolled to the middle: a full
// repaint against the platform's list control in report view showing the same rows; a WM_MOUSEMOVE hit
// test; one arrow step; one flash tick with 50 flashing users; loading 100,000 users without redrawing;
// OffsetChildsRect of one scroll step.
#include <RIZuruzezu.h>

#include <cstdio>
#include <memory>

#include "Bench.h"

namespace {

constexpr int kWidth = 220;
constexpr int kHeight = 400;

void Repaint(HWND hWnd) {
    ::InvalidateRect(hWnd, NULL, FALSE);
    ::UpdateWindow(hWnd);
}

// A list with the groups of a client, the second one open with one team of nUsers users.
std::unique_ptr<CIMListWnd> MakeList(CWnd& host, int nUsers, int x) {
    std::unique_ptr<CIMListWnd> pList(new CIMListWnd);
    pList->AddGroup(_T("My Friends"), 0);
    CIMGroupButton* pGroup = pList->AddGroup(_T("Classmates"), 0);
    pList->AddGroup(_T("Teachers"), 0);
    CIMListTeamItem* pTeam = pList->AddTeam(_T("Grade 3"), pGroup, 0);
    for (int i = 0; i < nUsers; ++i)
        pList->AddUser(i, _T("Student"), _T("learning English"), static_cast<WORD>(i % 10),
                       i % 4 ? IMUS_ONLINE : IMUS_OFFLINE, pTeam, 0);
    pList->CreateEx(0, NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(x, 0, x + kWidth, kHeight), &host, 1);
    pList->SetCurrentGroup(1, 0);
    pTeam->Expand(1);
    pList->RedrawCurrentGroup();
    CIMScrollBar& bar = pGroup->GetScrollBar();
    int nMin, nMax;
    bar.GetRange(nMin, nMax);
    bar.SetPos(nMax / 2);
    for (int i = 0; i < 50 && i < nUsers; ++i)
        pList->SetSparkleItem(pGroup, pTeam, pTeam->GetChild(pTeam->GetChildCount() / 2 - 25 + i), 1);
    rizbench::PumpPending();
    return pList;
}

void IMListSuite() {
    CWnd host;
    if (!host.CreateEx(
            0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), ::GetSysColorBrush(COLOR_WINDOW)),
            _T("contact list bench"), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 2 * kWidth + 20, kHeight,
            NULL, NULL))
        return;

    // The platform's list control in report view showing the same rows (name and signature columns).
    HWND hReport = ::CreateWindow(WC_LISTVIEW, _T(""), WS_CHILD | WS_VISIBLE | LVS_REPORT, kWidth + 10, 0,
                                  kWidth, kHeight, host.m_hWnd, NULL, NULL, NULL);
    LVCOLUMN column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    ListView_InsertColumn(hReport, 0, &column);
    column.cx = 110;
    ListView_InsertColumn(hReport, 1, &column);
    for (int j = 0; j < 100; ++j) {
        LVITEM item = {};
        item.mask = LVIF_TEXT;
        item.iItem = j;
        TCHAR szName[] = _T("Student");
        item.pszText = szName;
        ListView_InsertItem(hReport, &item);
        ListView_SetItemText(hReport, j, 1, const_cast<LPTSTR>(_T("(learning English)")));
    }
    rizbench::PumpPending();
    rizbench::Suite paint(
        "contact list: full repaint (InvalidateRect + UpdateWindow)", "list control, report view, same rows",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                Repaint(hReport);
        },
        50);

    const int counts[] = {100, 10000, 100000};
    std::unique_ptr<CIMListWnd> lists[3];
    for (int k = 0; k < 3; ++k) {
        lists[k] = MakeList(host, counts[k], 0);
        lists[k]->ShowWindow(SW_HIDE);
    }
    char szName[96];
    for (int k = 0; k < 3; ++k) {
        CIMListWnd* pList = lists[k].get();
        pList->ShowWindow(SW_SHOW);
        std::snprintf(szName, sizeof(szName), "contact list, %d users", counts[k]);
        paint.Add(szName, [&](int n) {
            for (int i = 0; i < n; ++i)
                Repaint(pList->m_hWnd);
        });
        pList->ShowWindow(SW_HIDE);
    }

    auto moveOver = [](CIMListWnd* pList, int i) {
        pList->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(60, 120 + (i % 2) * 50));
    };
    rizbench::Suite hit(
        "contact list: WM_MOUSEMOVE to another row (hit test, two rows redrawn)", "100 users",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                moveOver(lists[0].get(), i);
        },
        200);
    for (int k = 1; k < 3; ++k) {
        CIMListWnd* pList = lists[k].get();
        std::snprintf(szName, sizeof(szName), "%d users", counts[k]);
        hit.Add(szName, [&](int n) {
            for (int i = 0; i < n; ++i)
                moveOver(pList, i);
        });
    }

    auto arrowStep = [](CIMListWnd* pList, int i) {
        CIMScrollBar& bar = pList->GetGroup(1)->GetScrollBar();
        const CPoint pt = (i % 2 ? bar.GetMinDeltaRect() : bar.GetMaxDeltaRect()).CenterPoint();
        const LPARAM lParam = MAKELPARAM(pt.x, pt.y);
        pList->SendMessage(WM_MOUSEMOVE, 0, lParam);
        pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        pList->SendMessage(WM_LBUTTONUP, 0, lParam);
        rizbench::PumpPending();  // the paint of the exposed rows
    };
    rizbench::Suite arrow(
        "contact list: one arrow step (scroll 22 pixels and paint)", "100 users",
        [&](int n) {
            lists[0]->ShowWindow(SW_SHOW);
            for (int i = 0; i < n; ++i)
                arrowStep(lists[0].get(), i);
            lists[0]->ShowWindow(SW_HIDE);
        },
        50);
    for (int k = 1; k < 3; ++k) {
        CIMListWnd* pList = lists[k].get();
        std::snprintf(szName, sizeof(szName), "%d users", counts[k]);
        arrow.Add(szName, [&](int n) {
            pList->ShowWindow(SW_SHOW);
            for (int i = 0; i < n; ++i)
                arrowStep(pList, i);
            pList->ShowWindow(SW_HIDE);
        });
    }

    rizbench::Suite flash(
        "contact list: one flash tick, 50 flashing users", "100 users",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                lists[0]->SendMessage(WM_TIMER, CIMListWnd::TIMER_SPARKLE);
        },
        100);
    for (int k = 1; k < 3; ++k) {
        CIMListWnd* pList = lists[k].get();
        std::snprintf(szName, sizeof(szName), "%d users", counts[k]);
        flash.Add(szName, [&](int n) {
            for (int i = 0; i < n; ++i)
                pList->SendMessage(WM_TIMER, CIMListWnd::TIMER_SPARKLE);
        });
    }

    rizbench::Suite offset(
        "contact list: OffsetChildsRect of one scroll step (linear in the users)", "100 users",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                lists[0]->GetGroup(1)->OffsetChildsRect(0, i % 2 ? 22 : -22);
        },
        20);
    for (int k = 1; k < 3; ++k) {
        CIMListWnd* pList = lists[k].get();
        std::snprintf(szName, sizeof(szName), "%d users", counts[k]);
        offset.Add(szName, [&](int n) {
            for (int i = 0; i < n; ++i)
                pList->GetGroup(1)->OffsetChildsRect(0, i % 2 ? 22 : -22);
        });
    }
    for (auto& p : lists)
        p.reset();

    // Loading: AddUser with bRedraw 0, per user, for a team of 1,000 and of 100,000.
    auto load = [&](int nUsers) {
        CIMListWnd list;
        CIMListTeamItem* pTeam = list.AddTeam(_T("All"), list.AddGroup(_T("G"), 0), 0);
        for (int i = 0; i < nUsers; ++i)
            list.AddUser(i, _T("Student"), _T(""), static_cast<WORD>(i % 10),
                         i % 4 ? IMUS_ONLINE : IMUS_OFFLINE, pTeam, 0);
    };
    rizbench::Timing small = rizbench::Measure([&](int) { load(1000); }, 1, 3);
    rizbench::Timing large = rizbench::Measure([&](int) { load(100000); }, 1, 3);
    small.minNs /= 1000;
    small.medianNs /= 1000;
    large.minNs /= 100000;
    large.medianNs /= 100000;
    rizbench::Report("contact list: AddUser without redraw, per user, team of 1,000", small, small);
    rizbench::Report("contact list: AddUser without redraw, per user, team of 100,000", large, small);

    ::DestroyWindow(hReport);
    host.DestroyWindow();
}

const rizbench::Register
    s_register(IMListSuite, {"contact list: full repaint (InvalidateRect + UpdateWindow)",
                             "contact list: WM_MOUSEMOVE to another row (hit test, two rows redrawn)",
                             "contact list: one arrow step (scroll 22 pixels and paint)",
                             "contact list: one flash tick, 50 flashing users",
                             "contact list: OffsetChildsRect of one scroll step (linear in the users)"});

}  // namespace
