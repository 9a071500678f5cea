// The contact list window: creation, content, group layout and sliding, painting, timers and the skin.
#include "IMListWnd.h"

#include "QVModule.h"
#include "QVSkinResManager.h"
#include "QVWndClass.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CIMListWnd, CWnd)

BEGIN_MESSAGE_MAP(CIMListWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, &CIMListWnd::OnPrintClient)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEWHEEL()
ON_WM_TIMER()
ON_MESSAGE(WM_IMLIST_SCROLL, &CIMListWnd::OnScrollNotify)
ON_MESSAGE(WM_QV_SKINCHANGED, &CIMListWnd::OnSkinChanged)
END_MESSAGE_MAP()

namespace {

const TCHAR kClassName[] = _T("TMB_LIST");

HICON LoadSkinIcon(const CString& strSkin, LPCTSTR lpszName, int cx) {
    return static_cast<HICON>(
        ::LoadImage(RIZGetInstanceHandle(), strSkin + lpszName, IMAGE_ICON, cx, cx, LR_LOADFROMFILE));
}

// A user picture of the skin, else the same relative name as the image loader finds it.
void LoadPicture(CQVBitmap& bmp, const CString& strSkin, const CString& strName) {
    if (!bmp.LoadBitmap(strSkin + strName)) bmp.LoadBitmap(strName);
}

}  // namespace

CIMListWnd::CIMListWnd() : m_pSkinRes(CQVSkinResManager::GetSingletonPtr()->GetIMLRes()) {
    m_nButtonHeight = m_pSkinRes->m_nGroupBtnHeight;
    // Groups and teams may be added before the window exists: they get their arrows now.
    LoadResources();
}

CIMListWnd::~CIMListWnd() {
    m_alive.Kill();
    // While this object is whole: the window's end stops the timers before the groups go.
    if (m_hWnd) DestroyWindow();
    DeleteAllGroups();
    DeleteIconCache();
    FreeResources();
}

BOOL CIMListWnd::CreateEx(DWORD dwExStyle, LPCTSTR, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    LoadResources();
    if (!QVRegisterWndClass(kClassName, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                            QVSysColorClassBrush(COLOR_WINDOW)))
        return FALSE;
    return CWnd::CreateEx(dwExStyle, kClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, lpParam);
}

// ---------------------------------------------------------------------------------------------------
// Resources.

void CIMListWnd::LoadResources() {
    const CString strSkin = CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath();
    if (!m_hArrowExpand) m_hArrowExpand = LoadSkinIcon(strSkin, _T("Common\\IMList\\ArrowExpend.ico"), 16);
    if (!m_hArrowCollapse)
        m_hArrowCollapse = LoadSkinIcon(strSkin, _T("Common\\IMList\\ArrowCollapse.ico"), 16);
    if (!m_hMaleFace) m_hMaleFace = LoadSkinIcon(strSkin, _T("Common\\IMList\\face_male.ico"), 24);
    if (!m_hFemaleFace) m_hFemaleFace = LoadSkinIcon(strSkin, _T("Common\\IMList\\face_female.ico"), 24);
}

void CIMListWnd::FreeResources() {
    for (HICON* phIcon : {&m_hArrowExpand, &m_hArrowCollapse, &m_hMaleFace, &m_hFemaleFace}) {
        if (*phIcon) ::DestroyIcon(*phIcon);
        *phIcon = NULL;
    }
}

tagQVIMListIconData* CIMListWnd::GetIconData(int nPicture) {
    auto it = m_iconCache.find(nPicture);
    if (it != m_iconCache.end()) return it->second;
    tagQVIMListIconData* pData = new tagQVIMListIconData;
    const CString strSkin = CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath();
    CString strName;
    strName.Format(_T("UserIcon\\%d.bmp"), nPicture);
    LoadPicture(pData->bmpBig, strSkin, strName);
    strName.Format(_T("UserIcon\\%d_m.bmp"), nPicture);
    LoadPicture(pData->bmpTiny, strSkin, strName);
    strName.Format(_T("UserIcon\\%d_0.bmp"), nPicture);
    LoadPicture(pData->bmpGrayBig, strSkin, strName);
    strName.Format(_T("UserIcon\\%d_m_0.bmp"), nPicture);
    LoadPicture(pData->bmpGrayTiny, strSkin, strName);
    m_iconCache[nPicture] = pData;
    return pData;
}

void CIMListWnd::DeleteIconCache() {
    for (auto& entry : m_iconCache)
        delete entry.second;
    m_iconCache.clear();
}

void CIMListWnd::DeleteAllGroups() {
    std::vector<CIMGroupButton*> groups;
    groups.swap(m_groups);
    m_nCurrentGroup = m_nPrevGroup = -1;
    m_nHoverGroup = m_nPrevHoverGroup = m_nPressedGroup = -1;
    m_hover.Reset();
    m_prevHover.Reset();
    m_pressed.Reset();
    m_nArea = m_nPrevArea = CIMScrollBar::SBA_NONE;
    m_bSparkleIconHover = 0;
    m_bThumbDrag = 0;
    ++m_nContentVersion;
    for (CIMGroupButton* pGroup : groups)
        delete pGroup;
}

void CIMListWnd::KillTimerIf(UINT& nTimer) {
    if (nTimer && m_hWnd) KillTimer(nTimer);
    nTimer = 0;
}

// ---------------------------------------------------------------------------------------------------
// Content.

CIMGroupButton* CIMListWnd::GetGroup(int nIndex) const {
    return nIndex >= 0 && nIndex < GetGroupCount() ? m_groups[nIndex] : nullptr;
}

void CIMListWnd::SetBigIconMode(int bBig) {
    m_bBigIconMode = bBig;
    ++m_nLayoutDepth;
    for (CIMGroupButton* pGroup : m_groups)
        pGroup->SetBigImage(bBig);
    --m_nLayoutDepth;
    ResetHover();
    if (m_hWnd) Invalidate();
}

CIMGroupButton* CIMListWnd::AddGroup(const CString& strTitle, int bRedraw) {
    CIMGroupButton* pGroup = new CIMGroupButton;
    if (m_hArrowCollapse && m_hArrowExpand) pGroup->SetImages(m_hArrowCollapse, m_hArrowExpand);
    pGroup->SetTitle(strTitle);
    ++m_nLayoutDepth;
    pGroup->SetBigImage(m_bBigIconMode);
    --m_nLayoutDepth;
    m_groups.push_back(pGroup);
    pGroup->GetScrollBar().SetNotifyWnd(m_hWnd);
    if (bRedraw && m_hWnd) Invalidate();
    return pGroup;
}

CIMListTeamItem* CIMListWnd::AddTeam(const CString& strGroupTitle, const CString& strTeamTitle, int bRedraw) {
    CIMGroupButton* pGroup = FindGroup(strGroupTitle);
    return pGroup ? AddTeam(strTeamTitle, pGroup, bRedraw) : nullptr;
}

CIMListTeamItem* CIMListWnd::AddTeam(const CString& strTeamTitle, CIMGroupButton* pGroup, int bRedraw) {
    if (!pGroup || std::find(m_groups.begin(), m_groups.end(), pGroup) == m_groups.end()) return nullptr;
    CIMListTeamItem* pTeam = new CIMListTeamItem;
    pTeam->SetTitle(strTeamTitle);
    if (m_hArrowCollapse && m_hArrowExpand) pTeam->SetImages(m_hArrowCollapse, m_hArrowExpand);
    pTeam->SetParent(pGroup);
    pGroup->AddChild(pTeam);
    if (bRedraw && IsGroupCurrent(pGroup)) RedrawCurrentGroup();
    return pTeam;
}

void CIMListWnd::DelTeam(CIMListTeamItem* pTeam, CIMGroupButton* pGroup, int bRedraw) {
    if (!pTeam || !pGroup || std::find(m_groups.begin(), m_groups.end(), pGroup) == m_groups.end()) return;
    if (pGroup->IndexOfChild(pTeam) < 0) return;
    // Its users must not stay in any flashing list.
    for (CIMGroupButton* pAny : m_groups)
        for (int i = pAny->GetSparkleItemCount() - 1; i >= 0; --i) {
            CIMListUserItem* pUser = pAny->GetSparkleItem(i);
            if (pTeam->IndexOfChild(pUser) >= 0) pAny->RemoveSparkleItem(pUser);
        }
    pGroup->RemoveChild(pTeam);
    delete pTeam;
    ResetHover();
    ++m_nContentVersion;
    if (bRedraw && IsGroupCurrent(pGroup)) RedrawCurrentGroup();
}

CIMListUserItem* CIMListWnd::AddUser(DWORD dwID, const CString& strName, const CString& strSignature,
                                     WORD wPicture, IMUserStatus nStatus, CIMListTeamItem* pTeam,
                                     int bRedraw) {
    if (!pTeam) return nullptr;
    CIMListUserItem* pUser = new CIMListUserItem;
    pUser->SetUserID(dwID);
    pUser->SetTitle(strName);
    pUser->SetUserIdiograph(strSignature);
    tagQVIMListIconData* pIcons = GetIconData(wPicture);
    pUser->SetUserIcon(&pIcons->bmpTiny, &pIcons->bmpBig, &pIcons->bmpGrayTiny, &pIcons->bmpGrayBig);
    pUser->SetUserStatus(nStatus);
    if (!pTeam->AddChild(pUser)) {
        delete pUser;
        return nullptr;
    }
    pUser->SetParent(pTeam);
    ResetHover();
    if (bRedraw && pTeam->IsExpanded() && IsGroupCurrent(pTeam->GetParent())) RedrawCurrentGroup();
    return pUser;
}

int CIMListWnd::AddUser(CIMListUserItem* pUser, CIMListTeamItem* pTeam, int bRedraw) {
    if (!pUser || !pTeam) return 0;
    const int nResult = pTeam->AddChild(pUser);
    if (!nResult) return 0;
    ResetHover();
    if (bRedraw && pTeam->IsExpanded() && IsGroupCurrent(pTeam->GetParent())) RedrawCurrentGroup();
    return nResult;
}

void CIMListWnd::DelUser(CIMListUserItem* pUser, CIMListTeamItem* pTeam, int bRedraw) {
    if (!pUser || !pTeam || pTeam->IndexOfChild(pUser) < 0) return;
    for (CIMGroupButton* pGroup : m_groups)
        pGroup->RemoveSparkleItem(pUser);
    pTeam->RemoveChild(pUser);
    delete pUser;
    ResetHover();
    ++m_nContentVersion;
    if (bRedraw && pTeam->IsExpanded() && IsGroupCurrent(pTeam->GetParent())) RedrawCurrentGroup();
}

CIMGroupButton* CIMListWnd::FindGroup(const CString& strTitle) const {
    for (CIMGroupButton* pGroup : m_groups)
        if (pGroup->GetTitle() == strTitle) return pGroup;
    return nullptr;
}

CIMListTeamItem* CIMListWnd::FindTeam(CIMGroupButton* pGroup, const CString& strTitle) const {
    return pGroup ? pGroup->FindTeamItem(strTitle) : nullptr;
}

CIMListTeamItem* CIMListWnd::FindTeam(const CString& strGroupTitle, const CString& strTeamTitle) const {
    return FindTeam(FindGroup(strGroupTitle), strTeamTitle);
}

CIMListUserItem* CIMListWnd::FindUser(CIMListTeamItem* pTeam, DWORD dwID) const {
    return pTeam ? pTeam->FindUser(dwID) : nullptr;
}

CIMListUserItem* CIMListWnd::FindUser(const CString& strGroupTitle, const CString& strTeamTitle,
                                      DWORD dwID) const {
    return FindUser(FindTeam(strGroupTitle, strTeamTitle), dwID);
}

int CIMListWnd::SetSparkleItem(const CString& strGroupTitle, const CString& strTeamTitle, DWORD dwID,
                               int bSparkle) {
    CIMGroupButton* pGroup = FindGroup(strGroupTitle);
    CIMListTeamItem* pTeam = FindTeam(pGroup, strTeamTitle);
    CIMListUserItem* pUser = FindUser(pTeam, dwID);
    if (!pUser) return 0;
    return SetSparkleItem(pGroup, pTeam, pUser, bSparkle);
}

int CIMListWnd::SetSparkleItem(CIMGroupButton* pGroup, CIMListTeamItem* pTeam, CIMListUserItem* pUser,
                               int bSparkle) {
    // The three must belong together and to this list.
    if (!pGroup || !pTeam || !pUser ||
        std::find(m_groups.begin(), m_groups.end(), pGroup) == m_groups.end() ||
        pGroup->IndexOfChild(pTeam) < 0 || pTeam->IndexOfChild(pUser) < 0)
        return 0;
    BOOL bListed = FALSE;
    for (int i = 0; i < pGroup->GetSparkleItemCount() && !bListed; ++i)
        bListed = pGroup->GetSparkleItem(i) == pUser;
    if (bSparkle && !bListed) pGroup->AddSparkleItem(pUser);
    if (!bSparkle) pGroup->RemoveSparkleItem(pUser);
    pUser->SetSparkling(bSparkle);
    if (!m_hWnd) return 1;
    if (!m_nSparkleTimer) m_nSparkleTimer = static_cast<UINT>(SetTimer(TIMER_SPARKLE, 300, NULL));
    if (!bSparkle) {
        // The last shake frame and the blinking picture give way to the normal drawing.
        CClientDC dc(this);
        const int nGroup =
            static_cast<int>(std::find(m_groups.begin(), m_groups.end(), pGroup) - m_groups.begin());
        CRect rcMeet;
        if (nGroup == m_nCurrentGroup && pGroup->IsExpanded() && pTeam->IsExpanded() &&
            rcMeet.IntersectRect(pUser->GetRect(), m_rcExpand)) {
            tagIMListItemPos pos;
            pos.nGroup = nGroup;
            pos.nTeam = pGroup->IndexOfChild(pTeam);
            pos.nUser = pTeam->IndexOfChild(pUser);
            DrawItemAt(&dc, pos, pos.IsSameItem(m_hover));
        }
        if (pGroup->GetSparkleItemCount() == 0) pGroup->Draw(&dc, nGroup == m_nHoverGroup);
    }
    return 1;
}

BOOL CIMListWnd::IsGroupCurrent(const CIMGroupButton* pGroup) const {
    return pGroup && m_nCurrentGroup >= 0 && m_nCurrentGroup < GetGroupCount() &&
           m_groups[m_nCurrentGroup] == pGroup;
}

void CIMListWnd::LayoutCurrentGroup() {
    CIMGroupButton* pGroup = GetGroup(m_nCurrentGroup);
    if (!pGroup) return;
    ++m_nLayoutDepth;
    pGroup->AdjustChilds();
    --m_nLayoutDepth;
}

void CIMListWnd::RedrawCurrentGroup() {
    CIMGroupButton* pGroup = GetGroup(m_nCurrentGroup);
    if (!pGroup) return;
    LayoutCurrentGroup();
    if (!m_hWnd) return;
    CClientDC dc(this);
    dc.FillSolidRect(m_rcExpand, m_clrBack);
    pGroup->DrawChilds(&dc);
    pGroup->Draw(&dc, m_nCurrentGroup == m_nHoverGroup);
    RedrawInvalidGroupBtns(&dc, m_rcExpand);
}

void CIMListWnd::ResetHover() {
    m_hover.Reset();
    m_prevHover.Reset();
    m_pressed.Reset();
}

// ---------------------------------------------------------------------------------------------------
// Group layout and changes.

void CIMListWnd::AdjustGroupBtnsRect(const CRect& rcClient, int bAnimate) {
    const int n = GetGroupCount();
    for (int i = 0; i < n; ++i) {
        const CRect rc = IMListButtonRect(rcClient, m_nButtonHeight, n, m_nCurrentGroup, i);
        if (!bAnimate) m_groups[i]->SetRect(rc);
        m_groups[i]->SetDestRect(rc);  // without a slide: a stale destination would pull the button back
    }
    m_rcExpand = IMListExpandRect(rcClient, m_nButtonHeight, n, m_nCurrentGroup);
    if (bAnimate) {
        if (!m_nAnimTimer && m_hWnd) m_nAnimTimer = static_cast<UINT>(SetTimer(TIMER_ANIMATION, 20, NULL));
    } else {
        KillTimerIf(m_nAnimTimer);
    }
}

void CIMListWnd::CalcGroupBtnsRect(int nFirst, int nLast, int, CRect& rc) const {
    const int n = GetGroupCount();
    rc.SetRectEmpty();
    if (nFirst < 0 || nLast >= n || nFirst > nLast) return;
    CRect rcClient;
    GetClientRect(rcClient);
    const CIMGroupButton* pLast = m_groups[nLast];
    const int nBarBottom = pLast->GetScrollBar().GetRect().bottom;
    rc = IMListSlideClearRect(rcClient, m_groups[nFirst]->GetRect(), pLast->GetRect(),
                              nFirst > 0 ? &m_groups[nFirst - 1]->GetRect() : nullptr,
                              nLast + 1 < n ? &m_groups[nLast + 1]->GetRect() : nullptr,
                              pLast->IsExpanded() ? &nBarBottom : nullptr);
}

void CIMListWnd::BeginGroupChange(int nIndex) {
    m_nPrevGroup = m_nCurrentGroup;
    m_nCurrentGroup = nIndex;
    if (m_nPrevGroup < 0) m_nPrevGroup = 0;
    if (m_nPrevGroup <= m_nCurrentGroup) {
        m_nAnimFirst = m_nPrevGroup + 1;
        m_nAnimLast = m_nCurrentGroup;
    } else {
        m_nAnimFirst = m_nCurrentGroup + 1;
        m_nAnimLast = m_nPrevGroup;
    }
    // Rows of the old group are gone: no position, drag or repeat may refer to them.
    ResetHover();
    m_nArea = m_nPrevArea = CIMScrollBar::SBA_NONE;
    m_bThumbDrag = 0;
    KillTimerIf(m_nRepeatTimer);
    ++m_nContentVersion;
}

// Lays the buttons out, clears the band they leave, and gives the new group the open area.
void CIMListWnd::OpenCurrentGroup(CIMGroupButton* pPrev, CIMGroupButton* pCurrent, int bAnimate) {
    CRect rcClient;
    GetClientRect(rcClient);
    AdjustGroupBtnsRect(rcClient, bAnimate);
    CRect rcClear;
    CalcGroupBtnsRect(m_nAnimFirst, m_nAnimLast, 1, rcClear);
    CClientDC dc(this);
    if (!rcClear.IsRectEmpty()) dc.FillSolidRect(rcClear, m_clrBack);
    if (pPrev) pPrev->Expand(0);
    if (pCurrent) {
        pCurrent->Expand(1);
        ++m_nLayoutDepth;
        pCurrent->SetExpandRect(m_rcExpand);
        --m_nLayoutDepth;
    }
    if (pPrev && pPrev != pCurrent) pPrev->Draw(&dc, 0);
}

void CIMListWnd::ChangeCurrentGroup(int nIndex, int bAnimate, int bByClick) {
    BeginGroupChange(nIndex);
    CIMGroupButton* pPrev = GetGroup(m_nPrevGroup);
    CIMGroupButton* pCurrent = GetGroup(m_nCurrentGroup);
    if (!m_hWnd) {
        if (pPrev) pPrev->Expand(0);
        if (pCurrent) pCurrent->Expand(1);
        return;
    }
    OpenCurrentGroup(pPrev, pCurrent, bAnimate);
    // Without a slide nothing else draws the new group: paint it all.
    if (!bAnimate) Invalidate();
    if (bByClick && pCurrent) OnGroupButtonClick(pCurrent);
}

void CIMListWnd::GroupButtonClick(int nIndex) {
    ChangeCurrentGroup(nIndex, 1, 1);
}

void CIMListWnd::SetCurrentGroup(int nIndex, int bAnimate) {
    if (nIndex < 0 || nIndex >= GetGroupCount()) return;
    m_nHoverGroup = nIndex;
    ChangeCurrentGroup(nIndex, bAnimate, 0);
}

void CIMListWnd::StopAllAnimation() {
    for (CIMGroupButton* pGroup : m_groups)
        pGroup->StopAnimation();
    KillTimerIf(m_nAnimTimer);
}

// ---------------------------------------------------------------------------------------------------
// Painting.

void CIMListWnd::PaintAll(CDC* pDC) {
    CRect rcClient;
    GetClientRect(rcClient);
    pDC->FillSolidRect(rcClient, m_clrBack);
    // Rows first, then every button over them: buttons always cover rows scrolled under them.
    for (CIMGroupButton* pGroup : m_groups)
        if (pGroup->IsExpanded()) pGroup->DrawChilds(pDC);
    for (CIMGroupButton* pGroup : m_groups)
        pGroup->Draw(pDC, 0);
}

void CIMListWnd::OnPaint() {
    CPaintDC dc(this);
    PaintAll(&dc);
}

LRESULT CIMListWnd::OnPrintClient(WPARAM wParam, LPARAM) {
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) PaintAll(pDC);
    return 0;
}

BOOL CIMListWnd::OnEraseBkgnd(CDC*) {
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Window life and skin.

int CIMListWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    BOOL bFlashing = FALSE;
    for (CIMGroupButton* pGroup : m_groups) {
        pGroup->GetScrollBar().SetNotifyWnd(m_hWnd);
        bFlashing = bFlashing || pGroup->GetSparkleItemCount() > 0;
    }
    if (bFlashing) m_nSparkleTimer = static_cast<UINT>(SetTimer(TIMER_SPARKLE, 300, NULL));
    return 0;
}

void CIMListWnd::OnDestroy() {
    KillTimerIf(m_nAnimTimer);
    KillTimerIf(m_nRepeatTimer);
    KillTimerIf(m_nSparkleTimer);
    DeleteAllGroups();
    DeleteIconCache();
    m_bTracking = 0;
    CWnd::OnDestroy();
}

void CIMListWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    CRect rcClient;
    GetClientRect(rcClient);
    StopAllAnimation();
    AdjustGroupBtnsRect(rcClient, 0);
    if (CIMGroupButton* pGroup = GetGroup(m_nCurrentGroup)) {
        ++m_nLayoutDepth;
        pGroup->SetExpandRect(m_rcExpand);
        --m_nLayoutDepth;
    }
}

LRESULT CIMListWnd::OnSkinChanged(WPARAM, LPARAM) {
    m_nButtonHeight = m_pSkinRes->m_nGroupBtnHeight;
    CRect rcClient;
    GetClientRect(rcClient);
    StopAllAnimation();
    AdjustGroupBtnsRect(rcClient, 0);
    // The open area changes with the button height: its rows follow it.
    if (CIMGroupButton* pGroup = GetGroup(m_nCurrentGroup)) {
        ++m_nLayoutDepth;
        pGroup->SetExpandRect(m_rcExpand);
        --m_nLayoutDepth;
    }
    ResetHover();
    Invalidate();
    return 0;
}

// ---------------------------------------------------------------------------------------------------
// Timers and scrolling.

void CIMListWnd::OnTimer(UINT_PTR nIDEvent) {
    switch (nIDEvent) {
    case TIMER_ANIMATION:
        if (m_nAnimTimer) SlideStep();
        break;
    case TIMER_REPEAT:
        RepeatScroll();
        break;
    case TIMER_SPARKLE:
        if (m_nSparkleTimer) SparkleStep();
        break;
    default:
        CWnd::OnTimer(nIDEvent);
        break;
    }
}

// One tick of the buttons' slide: clear where the moving buttons and the open rows are, move and draw.
void CIMListWnd::SlideStep() {
    CClientDC dc(this);
    for (CIMGroupButton* pGroup : m_groups)
        if (pGroup->HasAnimation()) dc.FillSolidRect(pGroup->GetRect(), m_clrBack);
    // The open group's rows are drawn again below: clear them first (their text is transparent).
    if (CIMGroupButton* pCurrent = GetGroup(m_nCurrentGroup))
        if (pCurrent->IsExpanded()) dc.FillSolidRect(m_rcExpand, m_clrBack);
    BOOL bMoving = FALSE;
    const int n = GetGroupCount();
    auto step = [&](CIMGroupButton* pGroup) {
        if (pGroup->HasAnimation() || pGroup->IsExpanded())
            bMoving = pGroup->Animation(&dc, ANIMATION_STEP) || bMoving;
    };
    if (m_nCurrentGroup < m_nAnimLast) {
        for (int i = 0; i < n; ++i)
            step(m_groups[i]);
    } else {
        for (int i = n - 1; i >= 0; --i)
            step(m_groups[i]);
        if (CIMGroupButton* pNext = GetGroup(m_nCurrentGroup + 1)) pNext->Draw(&dc, 0);
    }
    // Rows reaching past the open area go under the resting buttons again.
    RedrawInvalidGroupBtns(&dc, m_rcExpand);
    if (!bMoving) KillTimerIf(m_nAnimTimer);
}

// The held arrow or track clicks again at the cursor until the position stops changing.
void CIMListWnd::RepeatScroll() {
    CIMGroupButton* pGroup = GetGroup(m_nCurrentGroup);
    // The button may have gone up outside the window, where this window never hears of it.
    if (!m_nRepeatTimer || !pGroup || ::GetKeyState(VK_LBUTTON) >= 0) {
        KillTimerIf(m_nRepeatTimer);
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CIMScrollBar& bar = pGroup->GetScrollBar();
    const int nOld = bar.GetPos();
    bar.OnClick(pt);
    if (bar.GetPos() == nOld)
        KillTimerIf(m_nRepeatTimer);
    else
        DrawThumbOf(pGroup);
}

// One frame of every flashing group; buttons the shaken rows drew over are drawn again.
void CIMListWnd::SparkleStep() {
    CClientDC dc(this);
    std::vector<CRect> rects;
    BOOL bAny = FALSE;
    for (int i = 0; i < GetGroupCount(); ++i) {
        CIMGroupButton* pGroup = m_groups[i];
        if (pGroup->GetSparkleItemCount() == 0) continue;
        bAny = TRUE;
        pGroup->SparkleItem(&dc, rects, i == m_nHoverGroup);
    }
    for (const CRect& rc : rects)
        RedrawInvalidGroupBtns(&dc, rc);
    if (!bAny) KillTimerIf(m_nSparkleTimer);
}

void CIMListWnd::DrawThumbOf(CIMGroupButton* pGroup) {
    CClientDC dc(this);
    pGroup->DrawScrollBarPart(&dc, CIMScrollBar::SBA_BAR, m_nArea == CIMScrollBar::SBA_BAR);
}

LRESULT CIMListWnd::OnScrollNotify(WPARAM wParam, LPARAM lParam) {
    CIMGroupButton* pGroup = GetGroup(m_nCurrentGroup);
    // Reports made while a group is laid out, or by a bar other than the open group's, move no rows.
    if (m_nLayoutDepth > 0 || !pGroup || pGroup->GetScrollBar().GetPos() != static_cast<int>(lParam))
        return 0;
    const int dy = -(static_cast<int>(lParam) - static_cast<int>(wParam));
    if (dy == 0) return 0;
    pGroup->OffsetChildsRect(0, dy);
    const CRect rc = IMListRowsRect(m_rcExpand);
    if (m_hWnd && !rc.IsRectEmpty()) ScrollWindow(0, dy, rc, rc);
    return 0;
}

BOOL CIMListWnd::OnMouseWheel(UINT, short zDelta, CPoint) {
    CIMGroupButton* pGroup = GetGroup(m_nCurrentGroup);
    if (!pGroup || !pGroup->GetScrollBar().IsVisible() || zDelta == 0) return TRUE;
    CIMScrollBar& bar = pGroup->GetScrollBar();
    int nSteps = zDelta / WHEEL_DELTA;
    if (nSteps == 0) nSteps = zDelta > 0 ? 1 : -1;
    const int nOld = bar.GetPos();
    bar.SetPos(nOld - nSteps * bar.GetLine());
    if (bar.GetPos() != nOld) DrawThumbOf(pGroup);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Callbacks: empty, for clients to override.

void CIMListWnd::OnGroupButtonClick(CIMGroupButton*) {}
void CIMListWnd::OnTeamItemClick(CIMListTeamItem*) {}
void CIMListWnd::OnUserItemClick(CIMListUserItem*) {}
void CIMListWnd::OnGroupButtonDBClick(CIMGroupButton*) {}
void CIMListWnd::OnTeamItemDBClick(CIMListTeamItem*) {}
void CIMListWnd::OnUserItemDBClick(CIMListUserItem*) {}
void CIMListWnd::OnUserItemMouseMove(CIMListUserItem*) {}
void CIMListWnd::OnUserItemImageMouseMove(CIMListUserItem*) {}
void CIMListWnd::OnUserItemImageMouseLeave() {}
void CIMListWnd::OnTeamItemMouseMove(CIMListTeamItem*) {}
void CIMListWnd::OnSparkleItemDBClick() {}
