#include "OutBarTestKit.h"

#include <QVSkinResManager.h>

#include "MessagePump.h"

namespace obtest {

COLORREF IconColour(int n) {
    static const COLORREF s_colours[] = {RGB(250, 200, 0), RGB(0, 160, 220),  RGB(170, 60, 200),
                                         RGB(30, 190, 90), RGB(230, 110, 40), RGB(120, 120, 250)};
    return s_colours[n % 6];
}

bool LoadTestSkin(const riztest::TempFolder& folder, LPCTSTR lpszSub, int nHeight, bool bTransparent,
                  bool bWithImage) {
    const CString strSub = CString(lpszSub) + _T("\\");
    const COLORREF frames[3] = {kHeaderNormal, kHeaderHot, kHeaderPressed};
    const int cxFrame = 20;
    const int cy = nHeight > 0 ? nHeight : 1;
    const std::vector<BYTE> bmp = riztest::Bmp24(cxFrame * 3, cy, [&](int x, int y) {
        if (bTransparent && x % cxFrame < 3 && y < 3) return kKey;
        return frames[x / cxFrame];
    });
    if (bWithImage && !folder.WriteFile(strSub + _T("Common\\others\\OutBarFolder.bmp"), bmp)) return false;
    CStringA strIni;
    strIni.Format("[Skin]\r\nName = Outlook bar test\r\n[Window]\r\nCaptionHeight = 24\r\n"
                  "[Other]\r\nOutBarFolder = Common\\others\\OutBarFolder.bmp\r\nOutBarFolderHeight = %d\r\n"
                  "OutBarTransparent = %d\r\nOutBarKey = 255,0,255\r\n",
                  nHeight, bTransparent ? 1 : 0);
    if (!folder.WriteFile(strSub + _T("skin.ini"), strIni.GetString())) return false;
    return CQVSkinResManager::GetSingletonPtr()->LoadSkin(folder.Path(strSub)) != FALSE;
}

void MakeImageList(CImageList& list, int cx, int nCount) {
    list.Create(cx, cx, ILC_COLOR24, nCount, 0);
    riztest::AddSolidImages(list.GetSafeHandle(), cx, nCount, &IconColour);
}

// ---- Owner ----

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
ON_MESSAGE(WM_OUTBAR_NOTIFY, &COwnerWnd::OnOutBarNotify)
END_MESSAGE_MAP()

BOOL COwnerWnd::Create(int cx, int cy) {
    LPCTSTR lpszClass =
        AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), ::GetSysColorBrush(COLOR_WINDOW));
    return CreateEx(WS_EX_TOOLWINDOW, lpszClass, _T("Outlook bar test"),
                    WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 60, 60, cx, cy, NULL, NULL);
}

LRESULT COwnerWnd::OnOutBarNotify(WPARAM wParam, LPARAM lParam) {
    const OUTBAR_NOTIFY_INFO* pInfo = reinterpret_cast<const OUTBAR_NOTIFY_INFO*>(lParam);
    Note note;
    note.nCode = static_cast<int>(wParam);
    note.nIndex = pInfo->nIndex;
    note.nDragFrom = pInfo->nDragFrom;
    note.nDragTo = pInfo->nDragTo;
    note.bText = pInfo->lpszText != NULL;
    note.strText = pInfo->lpszText ? pInfo->lpszText : _T("");
    note.bFolder = pInfo->bFolder;
    m_notes.push_back(note);
    return m_answer ? m_answer(note) : 1;
}

int COwnerWnd::Count(int nCode) const {
    int n = 0;
    for (const Note& note : m_notes)
        n += note.nCode == nCode ? 1 : 0;
    return n;
}

const Note* COwnerWnd::Last(int nCode) const {
    for (auto it = m_notes.rbegin(); it != m_notes.rend(); ++it)
        if (it->nCode == nCode) return &*it;
    return NULL;
}

std::vector<int> COwnerWnd::Codes() const {
    std::vector<int> codes;
    for (const Note& note : m_notes)
        codes.push_back(note.nCode);
    return codes;
}

std::vector<int> COwnerWnd::CodesWithoutHover() const {
    std::vector<int> codes;
    for (const Note& note : m_notes)
        if (note.nCode != OUTBAR_ITEM_HOVERED) codes.push_back(note.nCode);
    return codes;
}

// ---- Probe ----

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
ON_MESSAGE(WM_APP + 7, &CProbeWnd::OnRun)
END_MESSAGE_MAP()

BOOL CProbeWnd::Create() {
    return CreateEx(0, AfxRegisterWndClass(0), _T("probe"), WS_POPUP, 0, 0, 1, 1, NULL, NULL);
}

void CProbeWnd::Post(std::function<void()> action) {
    m_actions.push_back(std::move(action));
    PostMessage(WM_APP + 7, m_actions.size() - 1, 0);
}

LRESULT CProbeWnd::OnRun(WPARAM wParam, LPARAM) {
    if (wParam < m_actions.size()) m_actions[wParam]();
    return 0;
}

// ---- Helpers ----

void ParkCursor() {
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2);
}

void PutCursor(HWND hWnd, int x, int y) {
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    ::SetCursorPos(pt.x, pt.y);
}

void ReadClient(HWND hWnd, HDC hTarget, int cx, int cy) {
    HDC hDC = ::GetDC(hWnd);
    ::BitBlt(hTarget, 0, 0, cx, cy, hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
}

// ---- Fixture ----

void OutBarTest::SetUp() {
    ParkCursor();
    ASSERT_TRUE(LoadTestSkin(m_folder, _T("skin")));
    ASSERT_TRUE(m_owner.Create(260, 340));
    ASSERT_TRUE(m_probe.Create());
    MakeImageList(m_large, kLarge, 6);
    MakeImageList(m_small, kSmall, 6);
}

void OutBarTest::TearDown() {
    m_owner.m_answer = nullptr;  // it may hold the test's locals; the fixture's bar goes with the owner
    if (::IsWindow(m_owner.GetSafeHwnd())) m_owner.DestroyWindow();
    if (::IsWindow(m_probe.GetSafeHwnd())) m_probe.DestroyWindow();
    CQVOutBarCtrl::SetSlideDelayProc(NULL);
    riztest::PumpMessages(100);
}

void OutBarTest::CreateBar(CQVOutBarCtrl& bar, int cx, int cy) {
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, cx, cy), &m_owner, 100));
    bar.SetBackColor(kBack);
    bar.SetImageList(&m_large, 0x2);
    bar.SetImageList(&m_small, 0x1);
}

void OutBarTest::Fill(CQVOutBarCtrl& bar, int nFolders, int nItems) {
    for (int i = 0; i < nFolders; ++i) {
        CString strName;
        strName.Format(_T("F%d"), i);
        const int nFolder = bar.AddFolder(strName, 100 + i);
        for (int j = 0; j < nItems; ++j) {
            CString strItem;
            strItem.Format(_T("Item %d.%d"), i, j);
            bar.InsertItem(nFolder, -1, strItem, j % 6, 10 * j);
        }
    }
}

CQVOutBarCtrl& OutBarTest::MakeBar(int nFolders, int nItems, int cx, int cy) {
    m_pBar.reset(new CQVOutBarCtrl);
    CreateBar(*m_pBar, cx, cy);
    Fill(*m_pBar, nFolders, nItems);
    return *m_pBar;
}

void OutBarTest::Press(CQVOutBarCtrl& bar, CPoint pt) {
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

}  // namespace obtest
