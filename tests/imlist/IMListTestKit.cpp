// Helpers of the contact-list tests.
#include "IMListTestKit.h"

#include "QVBitmap.h"
#include "QVLanResManager.h"

#include <algorithm>

namespace imtest {

void SolidBitmap(CQVBitmap& bmp, int cx, int cy, COLORREF color) {
    bmp.AttachBitmap(riztest::Dib(cx, cy, [color](int, int) { return color; }));
}

int CountDifferent(const riztest::Surface& a, const riztest::Surface& b, const RECT& rc) {
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) ++n;
    return n;
}

CRect FindColor(const riztest::Surface& surface, const RECT& rc, COLORREF color, int tolerance) {
    CRect found;
    bool bAny = false;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            if (!riztest::ColorNear(surface.Pixel(x, y), color, tolerance)) continue;
            if (!bAny) {
                found = CRect(x, y, x + 1, y + 1);
                bAny = true;
            } else {
                found.left = std::min<LONG>(found.left, x);
                found.top = std::min<LONG>(found.top, y);
                found.right = std::max<LONG>(found.right, x + 1);
                found.bottom = std::max<LONG>(found.bottom, y + 1);
            }
        }
    return found;
}

void DrawItemText(CDC* pDC, const CString& strText, CRect rc, COLORREF color, int nPointSize, UINT nExtra) {
    CFont font;
    font.CreatePointFont(nPointSize, CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT")));
    CFont* pOld = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(color);
    pDC->DrawText(strText, rc, DT_SINGLELINE | DT_VCENTER | nExtra);
    pDC->SelectObject(pOld);
}

int CRecordingList::Count(Call::Kind kind) const {
    int n = 0;
    for (const Call& call : m_calls)
        n += call.kind == kind;
    return n;
}

void CRecordingList::Record(Call::Kind kind, const void* pItem) {
    m_calls.push_back({kind, pItem});
    if (m_action) m_action(m_calls.back());
}

BOOL CHostWnd::Create(int cx, int cy) {
    CRect rc(0, 0, cx, cy);
    ::AdjustWindowRectEx(rc, WS_POPUP | WS_BORDER, FALSE, 0);
    if (!CreateEx(
            0,
            AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
            _T("imlist host"), WS_POPUP | WS_BORDER | WS_VISIBLE | WS_CLIPCHILDREN, 60, 60, rc.Width(),
            rc.Height(), NULL, NULL))
        return FALSE;
    SetForegroundWindow();
    return TRUE;
}

namespace {

void SendMouse(DWORD dwFlags, LONG dx = 0, LONG dy = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof(input));
}

}  // namespace

void ParkCursor() {
    MoveTo(NULL, CPoint(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2));
}

void MoveTo(HWND hWnd, CPoint pt) {
    if (hWnd) ::ClientToScreen(hWnd, &pt);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    ::SetCursorPos(pt.x, pt.y);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (pt.x * 65535 + cx / 2) / (cx - 1),
              (pt.y * 65535 + cy / 2) / (cy - 1));
    PumpMessages(30, true);
}

void ButtonDown() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpMessages(30, true);
}

void ButtonUp() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(30, true);
}

void Click(HWND hWnd, CPoint pt) {
    MoveTo(hWnd, pt);
    ButtonDown();
    ButtonUp();
}

void DoubleClick(HWND hWnd, CPoint pt) {
    MoveTo(hWnd, pt);
    riztest::PostClick(hWnd, pt.x, pt.y);
    riztest::PostMouse(hWnd, WM_LBUTTONDBLCLK, pt.x, pt.y, MK_LBUTTON);
    riztest::PostMouse(hWnd, WM_LBUTTONUP, pt.x, pt.y);
    PumpMessages(60, true);
}

void ReadClient(HWND hWnd, const riztest::Surface& target) {
    HDC hDC = ::GetDC(hWnd);
    ::BitBlt(target.Dc(), 0, 0, target.Width(), target.Height(), hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
}

void ListTest::SetUp() {
    ParkCursor();
    ASSERT_TRUE(m_host.Create(260, 340));
}

void Leave() {
    // The system's leave tracking polls the pointer: cancel it and send the leave at once to the
    // window that tracks, wherever the pointer is now.
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_QUERY, NULL, 0};
    if (::TrackMouseEvent(&tme) && (tme.dwFlags & TME_LEAVE) && ::IsWindow(tme.hwndTrack)) {
        const HWND hWnd = tme.hwndTrack;
        tme.dwFlags = TME_CANCEL | TME_LEAVE;
        ::TrackMouseEvent(&tme);
        ::SendMessage(hWnd, WM_MOUSELEAVE, 0, 0);
    }
    ParkCursor();
    PumpMessages(200);  // the repaints the leave asked for
}

void ListTest::TearDown() {
    if (::IsWindow(m_list.GetSafeHwnd())) m_list.DestroyWindow();
    if (::IsWindow(m_host.GetSafeHwnd())) m_host.DestroyWindow();
    ParkCursor();
    PumpMessages(30, true);
}

void ListTest::CreateList(int cx, int cy) {
    ASSERT_TRUE(m_list.CreateEx(0, NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy), &m_host, 100));
    WaitUntilShown(m_list.GetSafeHwnd());
}

void WaitUntilShown(HWND hWnd) {
    // The display maps a new window a little later: input sent before lands elsewhere.
    CRect rc;
    ::GetClientRect(hWnd, rc);
    CPoint pt = rc.CenterPoint();
    ::ClientToScreen(hWnd, &pt);
    const DWORD dwStart = ::GetTickCount();
    while (::WindowFromPoint(pt) != hWnd && ::GetTickCount() - dwStart < 3000)
        PumpMessages(20, true);
    PumpMessages(100, true);
}

void ListTest::Fill() {
    static const IMUserStatus kStatuses[] = {IMUS_ONLINE, IMUS_IDLE, IMUS_BUSY, IMUS_HIDDEN, IMUS_OFFLINE};
    for (int g = 0; g < 3; ++g) {
        CString strGroup;
        strGroup.Format(_T("G%d"), g);
        m_list.AddGroup(strGroup, 0);
        const int nTeams = g == 1 ? 2 : 1;
        for (int t = 0; t < nTeams; ++t) {
            CString strTeam;
            strTeam.Format(_T("T%d"), t);
            CIMListTeamItem* pTeam = m_list.AddTeam(strGroup, strTeam, 0);
            const int nUsers = g == 1 ? (t == 0 ? 5 : 3) : 2;
            for (int u = 0; u < nUsers; ++u) {
                CString strName;
                strName.Format(_T("U%d%d%d"), g, t, u);
                m_list.AddUser(100 * g + 10 * t + u, strName, _T(""), static_cast<WORD>(u), kStatuses[u % 5],
                               pTeam, 0);
            }
        }
    }
}

CIMListTeamItem* ListTest::Team(int nGroup, int nTeam) const {
    CIMGroupButton* pGroup = Group(nGroup);
    CIMListItem* pItem = pGroup ? pGroup->GetChild(nTeam) : nullptr;
    return pItem && pItem->GetClassID() == 1 ? static_cast<CIMListTeamItem*>(pItem) : nullptr;
}

void ListTest::Tick(UINT_PTR nTimer, int n) {
    for (int i = 0; i < n; ++i)
        m_list.SendMessage(WM_TIMER, nTimer);
}

void ListTest::FinishSlides() {
    auto sliding = [this] {
        for (int i = 0; i < m_list.GetGroupCount(); ++i)
            if (m_list.GetGroup(i)->HasAnimation()) return true;
        return false;
    };
    for (int i = 0; i < 200 && sliding(); ++i)
        Tick(CIMListWnd::TIMER_ANIMATION);
    Tick(CIMListWnd::TIMER_ANIMATION);
    PumpMessages(30, true);
}

int ListTest::DiffFromFreshPaint() {
    CRect rc;
    m_list.GetClientRect(rc);
    riztest::Surface shown(rc.Width(), rc.Height()), fresh(rc.Width(), rc.Height());
    ReadClient(m_list.GetSafeHwnd(), shown);
    m_list.PaintAll(Dc(fresh));
    const int nDiff = CountDifferent(shown, fresh, rc);
    if (nDiff) {
        // Where they differ, to read in the failure message.
        CRect rcDiff;
        for (int y = 0; y < rc.bottom; ++y)
            for (int x = 0; x < rc.right; ++x)
                if (shown.Pixel(x, y) != fresh.Pixel(x, y))
                    rcDiff.UnionRect(rcDiff, CRect(x, y, x + 1, y + 1));
        ADD_FAILURE() << "differs in (" << rcDiff.left << "," << rcDiff.top << ")-(" << rcDiff.right << ","
                      << rcDiff.bottom << "); at the top-left shown " << std::hex
                      << shown.Pixel(rcDiff.left, rcDiff.top) << " fresh "
                      << fresh.Pixel(rcDiff.left, rcDiff.top);
    }
    return nDiff;
}

}  // namespace imtest
