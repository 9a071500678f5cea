// Outlook bar page: eight bars side by side with the same four folders (courses with large icons, word
// books with small icons, friends with their pictures, a tree view of contact groups), each held in one
// state for the picture: the current-selection marker, a hover frame, the clicked item's frame, the tree
// view folder, a drag arrow, an open rename, a frame captured in the middle of a folder slide, and one
// bar with slides and the wiggle switched on. Every bar stays live: folders open, items hover, drag and
// rename, and a right click opens a menu with the bar's four commands. At a language change the page
// renames the folders and items and gives the bars the language's font.
// The icons are drawn by skingen at build time into bin\GalleryIcons (see skingen/GalleryIcons.h).
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kTitleTop = 10;
constexpr int kHintTop = 36;
constexpr int kCaptionHeight = 18;
constexpr int kBarWidth = 182;
constexpr int kBarHeight = 280;
constexpr int kBarGap = 20;
constexpr int kRowTop[2] = {58, 364};
constexpr int kColumns = 4;
constexpr UINT kFirstBarId = 2000;
constexpr UINT kFirstTreeId = 2100;
constexpr UINT WM_HOLD_STATES = WM_APP + 40;  // puts the held states back after a skin change

enum Folder { FOLDER_COURSES, FOLDER_WORDS, FOLDER_FRIENDS, FOLDER_GROUPS, FOLDER_COUNT };

// What each bar is held in.
enum Panel {
    PANEL_MARKER,
    PANEL_HOVER,
    PANEL_CLICKED,
    PANEL_TREE,
    PANEL_DRAG,
    PANEL_EDIT,
    PANEL_SLIDE,
    PANEL_LIVE,
    PANEL_COUNT
};

const LPCTSTR kCaptionKeys[PANEL_COUNT] = {
    _T("IDS_GALLERY_OUTBAR_CAP_MARKER"),  _T("IDS_GALLERY_OUTBAR_CAP_HOVER"),
    _T("IDS_GALLERY_OUTBAR_CAP_CLICKED"), _T("IDS_GALLERY_OUTBAR_CAP_TREE"),
    _T("IDS_GALLERY_OUTBAR_CAP_DRAG"),    _T("IDS_GALLERY_OUTBAR_CAP_EDIT"),
    _T("IDS_GALLERY_OUTBAR_CAP_SLIDE"),   _T("IDS_GALLERY_OUTBAR_CAP_LIVE")};

const LPCTSTR kFolderKeys[FOLDER_COUNT] = {
    _T("IDS_GALLERY_OUTBAR_F_COURSES"), _T("IDS_GALLERY_OUTBAR_F_WORDS"), _T("IDS_GALLERY_OUTBAR_F_FRIENDS"),
    _T("IDS_GALLERY_OUTBAR_F_GROUPS")};

// The items of the item folders. An item's data is its index in this table, so that a moved item still
// finds its text at a language change.
struct ItemEntry {
    Folder nFolder;
    LPCTSTR lpszKey;
    int nImage;
};

const ItemEntry kItems[] = {
    {FOLDER_COURSES, _T("IDS_GALLERY_OUTBAR_C1"), 0},  // wraps to a second line
    {FOLDER_COURSES, _T("IDS_GALLERY_OUTBAR_C2"), 2},  // ends in one long word: cut by an ellipsis
    {FOLDER_COURSES, _T("IDS_GALLERY_OUTBAR_C3"), 1}, {FOLDER_COURSES, _T("IDS_GALLERY_OUTBAR_C4"), 3},
    {FOLDER_COURSES, _T("IDS_GALLERY_OUTBAR_C5"), 4}, {FOLDER_COURSES, _T("IDS_GALLERY_OUTBAR_C6"), 5},
    {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W1"), 0},   {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W2"), 1},
    {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W3"), 2},   {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W4"), 3},
    {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W5"), 4},   {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W6"), 0},
    {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W7"), 1},   {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W8"), 2},
    {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W9"), 3},   {FOLDER_WORDS, _T("IDS_GALLERY_OUTBAR_W10"), 4},
    {FOLDER_FRIENDS, _T("IDS_GALLERY_OUTBAR_P1"), 0}, {FOLDER_FRIENDS, _T("IDS_GALLERY_OUTBAR_P2"), 1},
    {FOLDER_FRIENDS, _T("IDS_GALLERY_OUTBAR_P3"), 2}, {FOLDER_FRIENDS, _T("IDS_GALLERY_OUTBAR_P4"), 3},
    {FOLDER_FRIENDS, _T("IDS_GALLERY_OUTBAR_P5"), 4}, {FOLDER_FRIENDS, _T("IDS_GALLERY_OUTBAR_P6"), 5},
};
constexpr int kItemCount = static_cast<int>(sizeof(kItems) / sizeof(kItems[0]));

// The tree view of groups: a group key and the friends (kItems indexes) in it.
struct GroupEntry {
    LPCTSTR lpszKey;
    int nImage;
    int nMembers[3];  // -1 ends the list
};

const GroupEntry kGroups[] = {
    {_T("IDS_GALLERY_OUTBAR_G_CLASSMATES"), 0, {16, 17, 19}},
    {_T("IDS_GALLERY_OUTBAR_G_TEACHERS"), 0, {18, -1, -1}},
    {_T("IDS_GALLERY_OUTBAR_G_FAVOURITES"), 2, {17, 20, -1}},
};

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

// The folder skingen writes the page's icons into: GalleryIcons next to the program.
CString IconFolder() {
    TCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileName(NULL, szPath, MAX_PATH);
    CString strPath = szPath;
    return strPath.Left(strPath.ReverseFind(_T('\\')) + 1) + _T("GalleryIcons\\");
}

// An image list from a strip of square frames on the key colour; empty when the file is missing.
void LoadIcons(CImageList& list, LPCTSTR lpszFile, int cx) {
    HIMAGELIST hList = ::ImageList_LoadImage(NULL, IconFolder() + lpszFile, cx, 1, RGB(255, 0, 255),
                                             IMAGE_BITMAP, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (hList) list.Attach(hList);
}

// ---- The bar the page shows ----

// A bar that can be held in a state for the picture: a drag arrow or a captured slide frame drawn over
// each paint, and a clicked item. A press of either button lets go of what is held: the bar is then
// an ordinary one.
class CGalleryOutBar : public CQVOutBarCtrl {
public:
    void HoldDragArrow(int nFrom, int nTo) {
        m_nHeldFrom = nFrom;
        m_nHeldTo = nTo;
        Invalidate();
    }
    void HoldFrame(HBITMAP hFrame) {
        m_bmpHeld.DeleteObject();
        if (hFrame) m_bmpHeld.Attach(hFrame);
        Invalidate();
    }
    // The frame the bar draws round its last clicked item (the state a click leaves).
    void SetClickedItem(int nIndex) {
        m_nSelItem = nIndex;
        Invalidate();
    }
    BOOL HasEditor() const { return ::IsWindow(m_hWndEdit); }

    // The bar whose messages are being handled: the owner learns from it which bar notifies.
    static CGalleryOutBar* Current() { return s_pCurrent; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        CGalleryOutBar* pOuter = s_pCurrent;
        s_pCurrent = this;
        const LRESULT lResult = CQVOutBarCtrl::WindowProc(message, wParam, lParam);
        s_pCurrent = pOuter;
        return lResult;
    }

    afx_msg void OnPaint() {
        CQVOutBarCtrl::OnPaint();
        if (m_bmpHeld.GetSafeHandle()) {
            CClientDC dc(this);
            CDC dcFrame;
            dcFrame.CreateCompatibleDC(&dc);
            CBitmap* pOld = dcFrame.SelectObject(&m_bmpHeld);
            BITMAP bm = {};
            m_bmpHeld.GetBitmap(&bm);
            dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcFrame, 0, 0, SRCCOPY);
            dcFrame.SelectObject(pOld);
        } else if (m_nHeldTo >= 0) {
            // As the drag loop does: the arrow goes on the client area over the painted bar.
            CClientDC dc(this);
            m_nDragTarget = -1;
            DrawDragArrow(&dc, m_nHeldFrom, m_nHeldTo);
        }
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        LetGo();
        CQVOutBarCtrl::OnLButtonDown(nFlags, point);
    }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point) {
        LetGo();
        CWnd::OnRButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()

private:
    void LetGo() {
        if (!m_bmpHeld.GetSafeHandle() && m_nHeldTo < 0) return;
        m_bmpHeld.DeleteObject();
        m_nHeldTo = -1;
        m_nDragTarget = -1;
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }

    int m_nHeldFrom = -1;
    int m_nHeldTo = -1;
    CBitmap m_bmpHeld;
    static CGalleryOutBar* s_pCurrent;
};

CGalleryOutBar* CGalleryOutBar::s_pCurrent = NULL;

BEGIN_MESSAGE_MAP(CGalleryOutBar, CQVOutBarCtrl)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

// Keeps the frames of a folder slide: the slide's delay seam copies the bar's client area after each
// frame.
struct SlideCapture {
    CQVOutBarCtrl* pBar = NULL;
    std::vector<HBITMAP> frames;
};
SlideCapture* g_pSlideCapture = NULL;

void CaptureSlideFrame(CQVOutBarCtrl* pBar, CDC* pDC, int) {
    if (g_pSlideCapture == NULL || pBar != g_pSlideCapture->pBar) return;
    CRect rc;
    pBar->GetClientRect(&rc);
    CDC dcFrame;
    dcFrame.CreateCompatibleDC(pDC);
    HBITMAP hFrame = ::CreateCompatibleBitmap(pDC->GetSafeHdc(), rc.Width(), rc.Height());
    if (hFrame == NULL) return;
    HGDIOBJ hOld = ::SelectObject(dcFrame.GetSafeHdc(), hFrame);
    dcFrame.BitBlt(0, 0, rc.Width(), rc.Height(), pDC, 0, 0, SRCCOPY);
    ::SelectObject(dcFrame.GetSafeHdc(), hOld);
    g_pSlideCapture->frames.push_back(hFrame);
}

// ---- The page window ----

class COutBarPageWnd : public CWnd {
public:
    ~COutBarPageWnd() override;
    BOOL CreatePage(HWND hParent, const RECT& rc);
    // Puts the held states that need the page on screen in place (the rename, the hover, the slide).
    void HoldStates();

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnOutBarNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLanguageChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHoldStates(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CRect BarRect(int nPanel) const;
    CRect StatusRect() const;
    void CreateBar(int nPanel);
    void FillTree(CTreeCtrl& tree);
    // Folder and item names from the language table, and the language's font.
    void Translate();
    void ApplyColors();
    void ShowMenu(CGalleryOutBar* pBar);
    void SetStatus(LPCTSTR lpszKey, LPCTSTR lpszText);

    CImageList m_large[FOLDER_GROUPS];  // courses, word books, friends
    CImageList m_small[FOLDER_GROUPS];
    CImageList m_groups;
    CFont m_font;
    // The trees come before the bars: the bars, which point at them, go first.
    std::unique_ptr<CTreeCtrl> m_trees[PANEL_COUNT];
    std::unique_ptr<CGalleryOutBar> m_bars[PANEL_COUNT];
    BOOL m_bSlideCaptured = FALSE;
    BOOL m_bClosing = FALSE;
    CString m_strStatus;
};

BEGIN_MESSAGE_MAP(COutBarPageWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_OUTBAR_NOTIFY, &COutBarPageWnd::OnOutBarNotify)
ON_MESSAGE(WM_QV_SKINCHANGED, &COutBarPageWnd::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &COutBarPageWnd::OnLanguageChanged)
ON_MESSAGE(WM_HOLD_STATES, &COutBarPageWnd::OnHoldStates)
END_MESSAGE_MAP()

COutBarPageWnd::~COutBarPageWnd() {
    m_bClosing = TRUE;
    if (::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL COutBarPageWnd::CreatePage(HWND hParent, const RECT& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Outlook bar"),
                  WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                  hParent, NULL))
        return FALSE;
    static const LPCTSTR kStrips[FOLDER_GROUPS] = {_T("Courses"), _T("WordBooks"), _T("Friends")};
    for (int i = 0; i < FOLDER_GROUPS; ++i) {
        LoadIcons(m_large[i], CString(kStrips[i]) + _T("32.bmp"), 32);
        LoadIcons(m_small[i], CString(kStrips[i]) + _T("16.bmp"), 16);
    }
    LoadIcons(m_groups, _T("Groups16.bmp"), 16);
    m_strStatus = Text(_T("IDS_GALLERY_OUTBAR_STATUS_NONE"));
    for (int nPanel = 0; nPanel < PANEL_COUNT; ++nPanel)
        CreateBar(nPanel);
    Translate();
    ApplyColors();
    return TRUE;
}

CRect COutBarPageWnd::BarRect(int nPanel) const {
    const int x = kMargin + (nPanel % kColumns) * (kBarWidth + kBarGap);
    const int y = kRowTop[nPanel / kColumns] + kCaptionHeight;
    return CRect(x, y, x + kBarWidth, y + kBarHeight);
}

CRect COutBarPageWnd::StatusRect() const {
    const CRect rcLast = BarRect(PANEL_COUNT - 1);
    return CRect(kMargin, rcLast.bottom + 6, rcLast.right, rcLast.bottom + 28);
}

void COutBarPageWnd::CreateBar(int nPanel) {
    auto pBar = std::make_unique<CGalleryOutBar>();
    if (!pBar->Create(WS_CHILD | WS_VISIBLE, BarRect(nPanel), this, kFirstBarId + nPanel)) return;
    pBar->ModifyFlag(0, QVOB_FIT_SMALL_LABELS, 0);  // whole labels in small view
    for (int nFolder = 0; nFolder < FOLDER_COUNT; ++nFolder) {
        if (nFolder == FOLDER_GROUPS) {
            auto pTree = std::make_unique<CTreeCtrl>();
            // Hidden until its folder opens: the bar shows and places it.
            if (pTree->Create(WS_CHILD | WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS |
                                  TVS_SHOWSELALWAYS,
                              CRect(0, 0, 10, 10), pBar.get(), kFirstTreeId + nPanel)) {
                if (m_groups.GetSafeHandle())
                    ::SendMessage(pTree->GetSafeHwnd(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                                  reinterpret_cast<LPARAM>(m_groups.GetSafeHandle()));
                pBar->AddFolderBar(kFolderKeys[nFolder], pTree.get(), nFolder);
                m_trees[nPanel] = std::move(pTree);
            }
            continue;
        }
        const int nIndex = pBar->AddFolder(kFolderKeys[nFolder], nFolder);
        pBar->SetFolderImageList(nIndex, &m_large[nFolder], 0x2);
        pBar->SetFolderImageList(nIndex, &m_small[nFolder], 0x1);
        pBar->SetSmallIconView(nFolder == FOLDER_WORDS, nIndex);
        for (int i = 0; i < kItemCount; ++i)
            if (kItems[i].nFolder == nFolder)
                pBar->InsertItem(nIndex, -1, kItems[i].lpszKey, kItems[i].nImage, static_cast<DWORD>(i));
    }
    CGalleryOutBar* p = pBar.get();
    m_bars[nPanel] = std::move(pBar);
    switch (nPanel) {
    case PANEL_MARKER:
        p->SetCurSelected(FOLDER_COURSES, 1);
        break;
    case PANEL_HOVER:
    case PANEL_DRAG:
        p->SetSelFolder(FOLDER_WORDS);
        if (nPanel == PANEL_DRAG) p->HoldDragArrow(5, 2);
        break;
    case PANEL_CLICKED:
        p->ModifyFlag(0, QVOB_KEEP_CLICKED);
        p->SetSelFolder(FOLDER_FRIENDS);
        p->SetClickedItem(1);
        break;
    case PANEL_TREE:
        p->SetSelFolder(FOLDER_GROUPS);
        break;
    case PANEL_SLIDE:
        p->ModifyFlag(0, QVOB_ANIMATE_FOLDERS);
        p->SetAnimationTickCount(12);
        break;
    case PANEL_LIVE:
        p->ModifyFlag(0, QVOB_ANIMATE_FOLDERS | QVOB_KEEP_CLICKED);
        p->SetAnimationTickCount(12);
        p->SetAnimSelHighlight(90);
        break;
    default:
        break;
    }
}

void COutBarPageWnd::FillTree(CTreeCtrl& tree) {
    tree.DeleteAllItems();
    for (const GroupEntry& group : kGroups) {
        HTREEITEM hGroup = tree.InsertItem(Text(group.lpszKey), group.nImage, group.nImage);
        for (int nMember : group.nMembers) {
            if (nMember < 0) break;
            tree.InsertItem(Text(kItems[nMember].lpszKey), 1, 1, hGroup);
        }
        tree.Expand(hGroup, TVE_EXPAND);
    }
}

void COutBarPageWnd::Translate() {
    m_font.DeleteObject();
    m_font.CreatePointFont(90, Text(_T("IDS_DEF_FONT")));
    for (int nPanel = 0; nPanel < PANEL_COUNT; ++nPanel) {
        CGalleryOutBar* pBar = m_bars[nPanel].get();
        if (pBar == NULL) continue;
        pBar->SetFontX(&m_font);
        for (int nFolder = 0; nFolder < pBar->GetFolderCount(); ++nFolder) {
            CQVBarFolder* pFolder = pBar->GetBarFolder(nFolder);
            const DWORD dwKind = pFolder->GetData();
            if (dwKind < FOLDER_COUNT) pBar->SetFolderText(nFolder, Text(kFolderKeys[dwKind]));
            for (int i = 0; i < pFolder->GetItemCount(); ++i) {
                CXTBarItem* pItem = pFolder->GetItemAt(i);
                if (pItem->m_dwData < static_cast<DWORD>(kItemCount))
                    pItem->m_strName = Text(kItems[pItem->m_dwData].lpszKey);
            }
        }
        if (m_trees[nPanel]) {
            m_trees[nPanel]->SetFont(&m_font);
            FillTree(*m_trees[nPanel]);
        }
        pBar->Invalidate();
    }
    Invalidate();
}

void COutBarPageWnd::ApplyColors() {
    // A light tone of the skin's client colour behind the items, so that dark labels read on it, on the
    // marker and on the hover fill; the headers keep white names on their dark band.
    const COLORREF clrClient = CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk;
    const COLORREF clrBack = RGB(GetRValue(clrClient) * 9 / 10 + 10, GetGValue(clrClient) * 9 / 10 + 12,
                                 GetBValue(clrClient) * 9 / 10 + 16);
    for (auto& pBar : m_bars) {
        if (!pBar) continue;
        pBar->SetBackColor(clrBack);
        pBar->SetTextColor(RGB(255, 255, 255), RGB(28, 36, 52));
        pBar->Invalidate();
    }
    for (auto& pTree : m_trees)
        if (pTree) ::SendMessage(pTree->GetSafeHwnd(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(clrBack));
}

void COutBarPageWnd::HoldStates() {
    if (CGalleryOutBar* pBar = m_bars[PANEL_HOVER].get()) {
        pBar->UpdateWindow();
        pBar->HighlightItem(2, FALSE);
    }
    if (CGalleryOutBar* pBar = m_bars[PANEL_EDIT].get()) {
        if (!pBar->HasEditor()) {
            pBar->UpdateWindow();
            pBar->StartItemEdit(0);
        }
    }
    CGalleryOutBar* pSlide = m_bars[PANEL_SLIDE].get();
    if (pSlide && !m_bSlideCaptured && pSlide->IsWindowVisible()) {
        // Runs the bar's own slide from the courses to the word books and keeps its middle frame.
        m_bSlideCaptured = TRUE;
        pSlide->UpdateWindow();
        SlideCapture capture;
        capture.pBar = pSlide;
        g_pSlideCapture = &capture;
        CQVOutBarCtrl::SetSlideDelayProc(&CaptureSlideFrame);
        pSlide->SetSelFolder(FOLDER_WORDS);
        CQVOutBarCtrl::SetSlideDelayProc(NULL);
        g_pSlideCapture = NULL;
        const size_t nMiddle = capture.frames.size() / 2;
        for (size_t i = 0; i < capture.frames.size(); ++i) {
            if (i == nMiddle)
                pSlide->HoldFrame(capture.frames[i]);
            else
                ::DeleteObject(capture.frames[i]);
        }
    }
}

void COutBarPageWnd::SetStatus(LPCTSTR lpszKey, LPCTSTR lpszText) {
    m_strStatus.Format(Text(lpszKey), lpszText ? lpszText : _T(""));
    InvalidateRect(StatusRect());
}

LRESULT COutBarPageWnd::OnOutBarNotify(WPARAM wParam, LPARAM lParam) {
    const auto* pInfo = reinterpret_cast<const OUTBAR_NOTIFY_INFO*>(lParam);
    CGalleryOutBar* pBar = CGalleryOutBar::Current();
    if (m_bClosing || pInfo == NULL || pBar == NULL) return 1;
    CString strIndex;
    switch (static_cast<int>(wParam)) {
    case OUTBAR_ITEM_CLICKED:
        SetStatus(_T("IDS_GALLERY_OUTBAR_EV_CLICKED"), pInfo->lpszText);
        break;
    case OUTBAR_ITEM_LABEL_EDITED:
    case OUTBAR_FOLDER_LABEL_EDITED: {
        // An editor also ends when the page is hidden: only a new name is news.
        CQVBarFolder* pFolder = pInfo->bFolder ? pBar->GetBarFolder(pInfo->nIndex) : NULL;
        const CString strOld = pFolder ? pFolder->GetName() : pBar->GetItemText(pInfo->nIndex);
        if (pInfo->lpszText && strOld != pInfo->lpszText)
            SetStatus(_T("IDS_GALLERY_OUTBAR_EV_RENAMED"), pInfo->lpszText);
        break;
    }
    case OUTBAR_ITEM_MOVED:
        strIndex.Format(_T("%d -> %d"), pInfo->nDragFrom + 1, pInfo->nDragTo + 1);
        SetStatus(_T("IDS_GALLERY_OUTBAR_EV_MOVED"), strIndex);
        break;
    case OUTBAR_FOLDER_SELECTING:
        if (::IsWindowVisible(m_hWnd)) SetStatus(_T("IDS_GALLERY_OUTBAR_EV_OPENED"), pInfo->lpszText);
        break;
    case OUTBAR_ITEM_DRAG_STARTED:
        SetStatus(_T("IDS_GALLERY_OUTBAR_EV_DRAGGING"), pInfo->lpszText);
        break;
    case OUTBAR_ITEM_DELETING:
        SetStatus(_T("IDS_GALLERY_OUTBAR_EV_REMOVED"), pInfo->lpszText);
        break;
    case OUTBAR_FOLDER_DELETING: {
        // The tree view stays the page's: it goes out of sight with its folder.
        CWnd* pChild = pBar->GetFolderChild(pInfo->nIndex);
        if (::IsWindow(pChild->GetSafeHwnd())) pChild->ShowWindow(SW_HIDE);
        SetStatus(_T("IDS_GALLERY_OUTBAR_EV_REMOVED"), pInfo->lpszText);
        break;
    }
    case OUTBAR_RIGHT_CLICKED:
        ShowMenu(pBar);
        break;
    default:
        break;
    }
    return 1;
}

void COutBarPageWnd::ShowMenu(CGalleryOutBar* pBar) {
    static const struct {
        UINT nID;
        LPCTSTR lpszKey;
    } kCommands[] = {{ID_QVOB_LARGE_ICONS, _T("IDS_GALLERY_OUTBAR_M_LARGE")},
                     {ID_QVOB_SMALL_ICONS, _T("IDS_GALLERY_OUTBAR_M_SMALL")},
                     {0, NULL},
                     {ID_QVOB_RENAME_ITEM, _T("IDS_GALLERY_OUTBAR_M_RENAME")},
                     {ID_QVOB_REMOVE_ITEM, _T("IDS_GALLERY_OUTBAR_M_REMOVE")}};
    CMenu menu;
    if (!menu.CreatePopupMenu()) return;
    for (const auto& command : kCommands) {
        if (command.nID == 0)
            menu.AppendMenu(MF_SEPARATOR);
        else
            menu.AppendMenu(MF_STRING, command.nID, Text(command.lpszKey));
    }
    // The bar's own update handlers enable the view commands; remove and rename need a target.
    const BOOL bTarget = pBar->GetContextIndex() >= 0;
    const BOOL bItemFolder = pBar->GetFolderChild() == NULL;
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        const UINT nID = menu.GetMenuItemID(i);
        if (nID == 0) continue;
        CCmdUI state;
        state.m_pMenu = &menu;
        state.m_nIndex = i;
        state.m_nIndexMax = menu.GetMenuItemCount();
        state.m_nID = nID;
        state.DoUpdate(pBar, FALSE);
        const BOOL bView = nID == ID_QVOB_LARGE_ICONS || nID == ID_QVOB_SMALL_ICONS;
        if ((bView && !bItemFolder) || (!bView && !bTarget))
            menu.EnableMenuItem(i, MF_BYPOSITION | MF_GRAYED);
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    const UINT nCommand =
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y, this);
    const HWND hBar = pBar->GetSafeHwnd();
    if (nCommand != 0 && ::IsWindow(hBar)) ::SendMessage(hBar, WM_COMMAND, nCommand, 0);
}

BOOL COutBarPageWnd::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk);
    return TRUE;
}

void COutBarPageWnd::OnPaint() {
    CPaintDC dc(this);
    const CString strFace = Text(_T("IDS_DEF_FONT"));
    CFont fontTitle;
    fontTitle.CreatePointFont(120, strFace, &dc);
    CFont* pOldFont = dc.SelectObject(&fontTitle);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(30, 50, 90));
    dc.TextOut(kMargin, kTitleTop, Text(_T("IDS_GALLERY_OUTBAR_TITLE")));
    dc.SelectObject(&m_font);
    dc.SetTextColor(RGB(90, 90, 90));
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcHint(kMargin, kHintTop, rcClient.right - kMargin, kRowTop[0]);
    dc.DrawText(Text(_T("IDS_GALLERY_OUTBAR_HINT")), &rcHint,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SetTextColor(RGB(40, 40, 40));
    for (int nPanel = 0; nPanel < PANEL_COUNT; ++nPanel) {
        CRect rcCaption = BarRect(nPanel);
        rcCaption.bottom = rcCaption.top - 2;
        rcCaption.top -= kCaptionHeight;
        dc.DrawText(Text(kCaptionKeys[nPanel]), &rcCaption,
                    DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    CRect rcStatus = StatusRect();
    dc.SetTextColor(RGB(30, 80, 150));
    dc.DrawText(m_strStatus, &rcStatus, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SelectObject(pOldFont);
}

LRESULT COutBarPageWnd::OnSkinChanged(WPARAM, LPARAM) {
    // The bars take the new header image themselves (they get the message too); the page's colours
    // follow the skin's client colour. The held slide frame shows the old skin: the slide bar goes back
    // to the courses without a slide and its frame is captured again once every window has the skin.
    ApplyColors();
    if (CGalleryOutBar* pSlide = m_bars[PANEL_SLIDE].get()) {
        pSlide->HoldFrame(NULL);
        pSlide->ModifyFlag(QVOB_ANIMATE_FOLDERS, 0);
        pSlide->SetSelFolder(FOLDER_COURSES);
        pSlide->ModifyFlag(0, QVOB_ANIMATE_FOLDERS);
        m_bSlideCaptured = FALSE;
        PostMessage(WM_HOLD_STATES);
    }
    Invalidate();
    return 0;
}

LRESULT COutBarPageWnd::OnHoldStates(WPARAM, LPARAM) {
    if (IsWindowVisible()) HoldStates();
    return 0;
}

LRESULT COutBarPageWnd::OnLanguageChanged(WPARAM, LPARAM) {
    Translate();
    return 0;
}

// ---- The page ----

class COutBarPage : public CGalleryWndPage<COutBarPageWnd> {
public:
    COutBarPage() : CGalleryWndPage(_T("outlook-bar"), _T("Outlook bar")) {}
    void OnShow() override {
        if (m_wnd) m_wnd->HoldStates();
    }
};

REGISTER_GALLERY_PAGE(COutBarPage);

}  // namespace
