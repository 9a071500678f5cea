// Framework windows page: the system controls in a dialog made from a template and bound through data
// exchange, and a frame window whose menu items are enabled and checked by its command-UI handlers
// (shown as a menu preview, since a child frame has no menu bar), with its layout of bars and view.
#include "../GalleryPage.h"
#include "../GalleryResources.h"

#include <afxcmn.h>

namespace {

constexpr int kMargin = 10;
constexpr int kHeadingHeight = 24;

CFont& UiFont() {
    static CFont font;
    if (!font.GetSafeHandle()) font.CreatePointFont(90, _T("Tahoma"));
    return font;
}

int CALLBACK NoteFontFound(const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM lParam) {
    *reinterpret_cast<BOOL*>(lParam) = TRUE;
    return 0;
}

// A font with the tone marks of pinyin (the dialog font may lack them): the first installed face of a
// short list, else the dialog's own font.
CFont* PinyinFont(CWnd* pDialog) {
    static CFont font;
    if (font.GetSafeHandle()) return &font;
    static const LPCTSTR s_faces[] = {_T("Segoe UI"), _T("DejaVu Sans"), _T("Arial")};
    CClientDC dc(pDialog);
    for (LPCTSTR lpszFace : s_faces) {
        LOGFONT lf = {};
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpyn(lf.lfFaceName, lpszFace, LF_FACESIZE);
        BOOL bFound = FALSE;
        ::EnumFontFamiliesEx(dc.GetSafeHdc(), &lf, &NoteFontFound, reinterpret_cast<LPARAM>(&bFound), 0);
        if (bFound && font.CreatePointFont(80, lpszFace, &dc)) return &font;
    }
    return pDialog->GetFont();
}

// ---- The controls dialog ----

class CLessonControlsDlg : public CDialog {
public:
    CLessonControlsDlg() = default;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // The pinyin column is drawn in a font that has its tone marks.
    afx_msg void OnCustomDrawWords(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void FillLessons();
    void FillContacts();
    void FillCourse();
    void FillWords();

    CComboBox m_cbLesson;
    CListBox m_lbContacts;
    CTreeCtrl m_tree;
    CTabCtrl m_tab;
    CListCtrl m_words;

    CString m_strName = _T("Li Lei");
    CString m_strPrice = _T("$4.99");
    CString m_strNotes = _T("Practise the greetings dialogue with a partner.");
    int m_nLesson = 2;
    int m_nAudio = 1;
    int m_nPinyin = 0;
    int m_nReview = 2;
    int m_nLevel = 1;
};

BEGIN_MESSAGE_MAP(CLessonControlsDlg, CDialog)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_GAL_WORDS, &CLessonControlsDlg::OnCustomDrawWords)
END_MESSAGE_MAP()

void CLessonControlsDlg::OnCustomDrawWords(NMHDR* pNMHDR, LRESULT* pResult) {
    auto* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        CFont* pFont = pDraw->iSubItem == 1 ? PinyinFont(this) : GetFont();
        ::SelectObject(pDraw->nmcd.hdc, pFont->GetSafeHandle());
        *pResult = CDRF_NEWFONT;
        break;
    }
    default:
        *pResult = CDRF_DODEFAULT;
    }
}

void CLessonControlsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_GAL_LESSON, m_cbLesson);
    DDX_Control(pDX, IDC_GAL_CONTACTS, m_lbContacts);
    DDX_Control(pDX, IDC_GAL_TREE, m_tree);
    DDX_Control(pDX, IDC_GAL_TAB, m_tab);
    DDX_Control(pDX, IDC_GAL_WORDS, m_words);
    DDX_Text(pDX, IDC_GAL_NAME, m_strName);
    DDX_Text(pDX, IDC_GAL_PRICE, m_strPrice);
    DDX_Text(pDX, IDC_GAL_NOTES, m_strNotes);
    DDX_CBIndex(pDX, IDC_GAL_LESSON, m_nLesson);
    DDX_Check(pDX, IDC_GAL_AUDIO, m_nAudio);
    DDX_Check(pDX, IDC_GAL_PINYIN, m_nPinyin);
    DDX_Check(pDX, IDC_GAL_REVIEW, m_nReview);
    DDX_Radio(pDX, IDC_GAL_BEGINNER, m_nLevel);
}

BOOL CLessonControlsDlg::OnInitDialog() {
    // The control objects are bound first, so that they can be filled before the values go in.
    UpdateData(FALSE);
    FillLessons();
    FillContacts();
    FillCourse();
    FillWords();
    return CDialog::OnInitDialog();
}

void CLessonControlsDlg::FillLessons() {
    static const LPCTSTR s_lessons[] = {_T("Lesson 1: Hello"), _T("Lesson 2: Numbers and dates"),
                                        _T("Lesson 3: Greetings"), _T("Lesson 4: My family"),
                                        _T("Lesson 5: Shopping")};
    for (LPCTSTR lpsz : s_lessons)
        m_cbLesson.AddString(lpsz);
}

void CLessonControlsDlg::FillContacts() {
    static const LPCTSTR s_contacts[] = {_T("Zhang Wei"),       _T("Wang Fang"),   _T("Li Na"),
                                         _T("Liu Yang"),        _T("Chen Jing"),   _T("Mary Smith"),
                                         _T("John Brown"),      _T("Anna Müller"), _T("张伟 (Beijing)"),
                                         _T("王芳 (Shanghai)"), _T("Tom Wilson"),  _T("Sara Kim")};
    for (LPCTSTR lpsz : s_contacts)
        m_lbContacts.AddString(lpsz);
    m_lbContacts.SetCurSel(1);
}

void CLessonControlsDlg::FillCourse() {
    HTREEITEM hUnit1 = m_tree.InsertItem(_T("Unit 1: First words"));
    m_tree.InsertItem(_T("Hello and goodbye"), hUnit1);
    HTREEITEM hGreetings = m_tree.InsertItem(_T("Greetings"), hUnit1);
    m_tree.InsertItem(_T("Thank you"), hUnit1);
    HTREEITEM hUnit2 = m_tree.InsertItem(_T("Unit 2: Numbers"));
    m_tree.InsertItem(_T("One to ten"), hUnit2);
    m_tree.InsertItem(_T("Prices"), hUnit2);
    m_tree.InsertItem(_T("Unit 3: Family"));
    m_tree.Expand(hUnit1, TVE_EXPAND);
    m_tree.Expand(hUnit2, TVE_EXPAND);
    m_tree.SelectItem(hGreetings);
}

void CLessonControlsDlg::FillWords() {
    static const LPCTSTR s_tabs[] = {_T("Words"), _T("Sentences"), _T("Grammar"), _T("Review")};
    for (int i = 0; i < static_cast<int>(_countof(s_tabs)); ++i)
        m_tab.InsertItem(i, s_tabs[i]);
    m_tab.SetCurSel(0);

    m_words.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_words.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 70);
    m_words.InsertColumn(1, _T("Pinyin"), LVCFMT_LEFT, 80);
    m_words.InsertColumn(2, _T("Meaning"), LVCFMT_LEFT, 130);
    m_words.InsertColumn(3, _T("Level"), LVCFMT_RIGHT, 60);
    struct Word {
        LPCTSTR lpszWord, lpszPinyin, lpszMeaning, lpszLevel;
    };
    static const Word s_words[] = {
        {_T("你好"), _T("nǐ hǎo"), _T("hello"), _T("1")},
        {_T("谢谢"), _T("xièxie"), _T("thank you"), _T("1")},
        {_T("再见"), _T("zàijiàn"), _T("goodbye"), _T("1")},
        {_T("早上好"), _T("zǎoshang hǎo"), _T("good morning"), _T("2")},
        {_T("朋友"), _T("péngyou"), _T("friend"), _T("2")},
        {_T("老师"), _T("lǎoshī"), _T("teacher"), _T("2")},
        {_T("学生"), _T("xuésheng"), _T("student"), _T("2")},
        {_T("多少钱"), _T("duōshao qián"), _T("how much?"), _T("3")},
        {_T("便宜"), _T("piányi"), _T("cheap"), _T("3")},
    };
    for (int i = 0; i < static_cast<int>(_countof(s_words)); ++i) {
        m_words.InsertItem(i, s_words[i].lpszWord);
        m_words.SetItemText(i, 1, s_words[i].lpszPinyin);
        m_words.SetItemText(i, 2, s_words[i].lpszMeaning);
        m_words.SetItemText(i, 3, s_words[i].lpszLevel);
    }
    m_words.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
}

// ---- The frame and its children ----

// The status line: the bottom bar of the frame, showing the prompts the frame sets as its text.
class CStatusLine : public CWnd {
public:
    BOOL CreateBar(CWnd* pParent) {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), _T(""),
                        WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pParent->m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_STATUS_BAR)));
    }

protected:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam) {
        auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        CRect rc(pLayout->rect);
        rc.top = rc.bottom - 22;
        pLayout->rect.bottom = rc.top;
        AfxRepositionWindow(pLayout, m_hWnd, &rc);
        return 0;
    }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM) {
        const LRESULT lResult = Default();
        Invalidate();
        return lResult;
    }
    afx_msg void OnPaint() {
        PAINTSTRUCT ps;
        CDC* pDC = BeginPaint(&ps);
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
        pDC->Draw3dRect(rc.left, rc.top, rc.Width(), 1, ::GetSysColor(COLOR_BTNSHADOW),
                        ::GetSysColor(COLOR_BTNSHADOW));
        CRect rcPane(rc.left + 3, rc.top + 3, rc.right - 3, rc.bottom - 2);
        pDC->Draw3dRect(&rcPane, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CString strText;
        GetWindowText(strText);
        CFont* pOldFont = pDC->SelectObject(&UiFont());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        rcPane.DeflateRect(6, 0);
        pDC->DrawText(strText, &rcPane, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        pDC->SelectObject(pOldFont);
        EndPaint(&ps);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStatusLine, CWnd)
ON_MESSAGE(WM_SIZEPARENT, &CStatusLine::OnSizeParent)
ON_MESSAGE(WM_SETTEXT, &CStatusLine::OnSetText)
ON_WM_PAINT()
END_MESSAGE_MAP()

// The menu bar of the preview: the frame's top bar, drawing the bar items of its menu.
class CMenuBarPreview : public CWnd {
public:
    CMenu* m_pMenu = nullptr;
    int m_nOpen = 0;  // the bar item shown open

    BOOL CreateBar(CWnd* pParent) {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), _T(""),
                        WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pParent->m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_TOOLBAR)));
    }

protected:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam) {
        auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        CRect rc(pLayout->rect);
        rc.bottom = rc.top + 22;
        pLayout->rect.top = rc.bottom;
        AfxRepositionWindow(pLayout, m_hWnd, &rc);
        return 0;
    }
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuBarPreview, CWnd)
ON_MESSAGE(WM_SIZEPARENT, &CMenuBarPreview::OnSizeParent)
ON_WM_PAINT()
END_MESSAGE_MAP()

// The bar item texts without their mnemonic marks.
CString ItemText(CMenu* pMenu, UINT nPos, CString* pAccelerator = nullptr) {
    CString str;
    pMenu->GetMenuString(nPos, str, MF_BYPOSITION);
    const int nTab = str.Find('\t');
    if (pAccelerator) *pAccelerator = nTab >= 0 ? str.Mid(nTab + 1) : CString();
    if (nTab >= 0) str = str.Left(nTab);
    str.Remove('&');
    return str;
}

void CMenuBarPreview::OnPaint() {
    PAINTSTRUCT ps;
    CDC* pDC = BeginPaint(&ps);
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_MENUBAR));
    CFont* pOldFont = pDC->SelectObject(&UiFont());
    pDC->SetBkMode(TRANSPARENT);
    int x = 4;
    const UINT nCount = m_pMenu ? m_pMenu->GetMenuItemCount() : 0;
    for (UINT i = 0; i < nCount; ++i) {
        const CString strItem = ItemText(m_pMenu, i);
        const CSize size = pDC->GetTextExtent(strItem);
        CRect rcItem(x, rc.top + 1, x + size.cx + 16, rc.bottom - 1);
        if (static_cast<int>(i) == m_nOpen) {
            pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_HIGHLIGHT));
            pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            pDC->SetTextColor(::GetSysColor(COLOR_MENUTEXT));
        }
        pDC->DrawText(strItem, &rcItem, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
        x = rcItem.right;
    }
    pDC->SelectObject(pOldFont);
    EndPaint(&ps);
}

// The view: the popups of the frame's menu as they open, each item in the state the frame's
// command-UI handlers gave it.
class CMenuPopupView : public CWnd {
public:
    CMenu* m_pMenu = nullptr;
    UINT m_nHot = 0;  // the item shown under the mouse

    BOOL CreateView(CWnd* pParent) {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), _T(""),
                        WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pParent->m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)));
    }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void PaintPopup(CDC* pDC, CMenu* pPopup, CPoint ptTopLeft, LPCTSTR lpszCaption);
};

BEGIN_MESSAGE_MAP(CMenuPopupView, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

// A menu glyph of the system (check, bullet, submenu arrow) in the given colour.
void DrawMenuMark(CDC* pDC, const CRect& rcMark, UINT nType, COLORREF crMark) {
    CDC dcMark;
    dcMark.CreateCompatibleDC(pDC);
    CBitmap bmMark;
    bmMark.CreateBitmap(rcMark.Width(), rcMark.Height(), 1, 1, nullptr);
    CBitmap* pOldMark = dcMark.SelectObject(&bmMark);
    CRect rcCell(0, 0, rcMark.Width(), rcMark.Height());
    ::DrawFrameControl(dcMark.GetSafeHdc(), &rcCell, DFC_MENU, nType);
    // The glyph is black on white: the brush colour goes where it is black, the page stays elsewhere.
    const COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    const COLORREF crOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    CBrush brMark(crMark);
    CBrush* pOldBrush = pDC->SelectObject(&brMark);
    pDC->BitBlt(rcMark.left, rcMark.top, rcMark.Width(), rcMark.Height(), &dcMark, 0, 0, 0x00B8074A);
    pDC->SelectObject(pOldBrush);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
    dcMark.SelectObject(pOldMark);
}

void CMenuPopupView::PaintPopup(CDC* pDC, CMenu* pPopup, CPoint ptTopLeft, LPCTSTR lpszCaption) {
    constexpr int kItemHeight = 20;
    constexpr int kSeparatorHeight = 8;
    constexpr int kWidth = 230;
    const UINT nCount = pPopup->GetMenuItemCount();
    int cy = 4;
    for (UINT i = 0; i < nCount; ++i)
        cy += (pPopup->GetMenuState(i, MF_BYPOSITION) & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;

    pDC->SetTextColor(RGB(90, 90, 90));
    pDC->TextOut(ptTopLeft.x, ptTopLeft.y, lpszCaption);
    CRect rcPopup(ptTopLeft.x, ptTopLeft.y + 18, ptTopLeft.x + kWidth, ptTopLeft.y + 18 + cy);
    pDC->FillSolidRect(&rcPopup, ::GetSysColor(COLOR_MENU));
    pDC->Draw3dRect(&rcPopup, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));

    int y = rcPopup.top + 2;
    for (UINT i = 0; i < nCount; ++i) {
        const UINT nState = pPopup->GetMenuState(i, MF_BYPOSITION);
        if (nState & MF_SEPARATOR) {
            CRect rcLine(rcPopup.left + 4, y + kSeparatorHeight / 2 - 1, rcPopup.right - 4,
                         y + kSeparatorHeight / 2 + 1);
            pDC->Draw3dRect(&rcLine, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
            y += kSeparatorHeight;
            continue;
        }
        CRect rcItem(rcPopup.left + 2, y, rcPopup.right - 2, y + kItemHeight);
        const BOOL bHot = pPopup->GetMenuItemID(static_cast<int>(i)) == m_nHot && m_nHot != 0;
        const BOOL bGrayed = (nState & (MF_GRAYED | MF_DISABLED)) != 0;
        if (bHot) pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_HIGHLIGHT));
        COLORREF crText = ::GetSysColor(bHot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        if (bGrayed) crText = ::GetSysColor(COLOR_GRAYTEXT);

        // The check mark (or radio bullet) the update handlers set.
        if (nState & MF_CHECKED) {
            const UINT nID = pPopup->GetMenuItemID(static_cast<int>(i));
            const BOOL bRadio = nID >= ID_GAL_BEGINNER && nID <= ID_GAL_ADVANCED;
            DrawMenuMark(pDC, CRect(rcItem.left + 4, rcItem.top + 3, rcItem.left + 18, rcItem.top + 17),
                         bRadio ? DFCS_MENUBULLET : DFCS_MENUCHECK, crText);
        }

        CString strAccelerator;
        const CString strText = ItemText(pPopup, i, &strAccelerator);
        pDC->SetTextColor(crText);
        CRect rcText(rcItem.left + 22, rcItem.top, rcItem.right - 18, rcItem.bottom);
        pDC->DrawText(strText, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        pDC->DrawText(strAccelerator, &rcText, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
        if (nState & MF_POPUP)
            DrawMenuMark(pDC, CRect(rcItem.right - 16, rcItem.top + 3, rcItem.right - 2, rcItem.top + 17),
                         DFCS_MENUARROW, crText);
        y += kItemHeight;
    }
}

void CMenuPopupView::OnPaint() {
    PAINTSTRUCT ps;
    CDC* pDC = BeginPaint(&ps);
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, RGB(255, 255, 255));
    CFont* pOldFont = pDC->SelectObject(&UiFont());
    pDC->SetBkMode(TRANSPARENT);
    if (m_pMenu) {
        PaintPopup(pDC, m_pMenu->GetSubMenu(0), CPoint(10, 8), _T("Lesson menu (opened)"));
        PaintPopup(pDC, m_pMenu->GetSubMenu(1), CPoint(260, 8), _T("View menu"));
        PaintPopup(pDC, m_pMenu->GetSubMenu(2), CPoint(510, 8), _T("Help menu"));
        pDC->SetTextColor(RGB(90, 90, 90));
        CRect rcNote(510, 70, rc.right - 10, rc.bottom - 4);
        pDC->DrawText(
            _T("Each item is enabled, disabled or checked by the frame's command-UI handlers when its ")
            _T("popup opens; items without any handler are disabled automatically. ")
            _T("学习菜单的状态来自框架的命令更新。"),
            &rcNote, DT_WORDBREAK | DT_NOPREFIX);
    }
    pDC->SelectObject(pOldFont);
    EndPaint(&ps);
}

// The frame: handles some commands, updates the state of others.
class CLessonFrame : public CFrameWnd {
public:
    CMenu m_menu;  // a child frame has no menu bar: the menu lives here and is shown by the preview
    CMenuBarPreview m_barPreview;
    CMenuPopupView m_view;
    CStatusLine m_status;

    BOOL CreatePanel(CWnd* pParent, const CRect& rc);

protected:
    afx_msg void OnCommandDone() {}
    afx_msg void OnUpdatePinyin(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bPinyin); }
    afx_msg void OnUpdateTranslation(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bTranslation); }
    afx_msg void OnUpdateSlowAudio(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bAudioAvailable); }
    afx_msg void OnUpdateLevel(CCmdUI* pCmdUI) { pCmdUI->SetRadio(pCmdUI->m_nID == m_nLevel); }
    afx_msg void OnUpdateRecent(CCmdUI* pCmdUI) { pCmdUI->Enable(pCmdUI->m_nID == ID_GAL_RECENT1); }
    afx_msg void OnLevel(UINT nID) { m_nLevel = nID; }
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bPinyin = TRUE;
    BOOL m_bTranslation = FALSE;
    BOOL m_bAudioAvailable = FALSE;
    UINT m_nLevel = ID_GAL_MIDDLE;
};

BEGIN_MESSAGE_MAP(CLessonFrame, CFrameWnd)
ON_COMMAND(ID_GAL_OPEN, &CLessonFrame::OnCommandDone)
ON_COMMAND(ID_GAL_SAVE, &CLessonFrame::OnCommandDone)
ON_COMMAND(ID_GAL_EXIT, &CLessonFrame::OnCommandDone)
ON_COMMAND(ID_GAL_PINYIN, &CLessonFrame::OnCommandDone)
ON_COMMAND(ID_GAL_TRANSLATION, &CLessonFrame::OnCommandDone)
ON_COMMAND(ID_GAL_ABOUT, &CLessonFrame::OnCommandDone)
ON_COMMAND_RANGE(ID_GAL_BEGINNER, ID_GAL_ADVANCED, &CLessonFrame::OnLevel)
ON_UPDATE_COMMAND_UI(ID_GAL_PINYIN, &CLessonFrame::OnUpdatePinyin)
ON_UPDATE_COMMAND_UI(ID_GAL_TRANSLATION, &CLessonFrame::OnUpdateTranslation)
ON_UPDATE_COMMAND_UI(ID_GAL_SLOWAUDIO, &CLessonFrame::OnUpdateSlowAudio)
ON_UPDATE_COMMAND_UI_RANGE(ID_GAL_BEGINNER, ID_GAL_ADVANCED, &CLessonFrame::OnUpdateLevel)
ON_UPDATE_COMMAND_UI_RANGE(ID_GAL_RECENT1, ID_GAL_RECENT2, &CLessonFrame::OnUpdateRecent)
END_MESSAGE_MAP()

BOOL CLessonFrame::CreatePanel(CWnd* pParent, const CRect& rc) {
    // On failure the frame deletes itself; the caller must not touch it then.
    if (!Create(nullptr, _T("Lesson planner"), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent))
        return FALSE;
    if (!m_menu.LoadMenu(IDR_GAL_FRAME) || !m_barPreview.CreateBar(this) || !m_view.CreateView(this) ||
        !m_status.CreateBar(this))
        return FALSE;
    SetActiveView(&m_view, FALSE);

    // Every popup gets the update it would get when opened (WM_INITMENUPOPUP), submenus included.
    for (int i = 0; i < static_cast<int>(m_menu.GetMenuItemCount()); ++i) {
        CMenu* pPopup = m_menu.GetSubMenu(i);
        SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()), MAKELPARAM(i, FALSE));
        for (int j = 0; j < static_cast<int>(pPopup->GetMenuItemCount()); ++j) {
            if (CMenu* pSub = pPopup->GetSubMenu(j))
                SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pSub->GetSafeHmenu()),
                            MAKELPARAM(j, FALSE));
        }
    }
    m_barPreview.m_pMenu = &m_menu;
    m_view.m_pMenu = &m_menu;
    m_view.m_nHot = ID_GAL_OPEN;
    m_barPreview.Invalidate();
    m_view.Invalidate();
    // The prompt of the item under the mouse, as the menu selection would set it (posted, so that it
    // comes after the idle prompt the frame posted to itself at creation).
    PostMessage(WM_MENUSELECT, MAKEWPARAM(ID_GAL_OPEN, MF_HILITE), reinterpret_cast<LPARAM>(m_menu.m_hMenu));
    RecalcLayout();
    return TRUE;
}

// ---- The page ----

class CPageHost : public CWnd {
protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
        CFont* pOldFont = pDC->SelectObject(&UiFont());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(20, 60, 120));
        pDC->TextOut(kMargin, 5, _T("A dialog from a template: the system controls bound by data exchange"));
        pDC->TextOut(kMargin, m_yFrame - 20,
                     _T("A frame window: menu state from command-UI handlers, bars and view laid out"));
        pDC->SelectObject(pOldFont);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()

public:
    int m_yFrame = 0;
};

BEGIN_MESSAGE_MAP(CPageHost, CWnd)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

class CFrameworkWindowsPage : public CGalleryPage {
public:
    LPCTSTR GetName() const override { return _T("framework-windows"); }
    LPCTSTR GetTitle() const override { return _T("Framework windows"); }
    BOOL Create(HWND hParent, const RECT& rc) override;
    HWND GetSafeHwnd() const override { return m_host.GetSafeHwnd(); }

private:
    CPageHost m_host;
    CLessonControlsDlg m_dlg;
};

REGISTER_GALLERY_PAGE(CFrameworkWindowsPage);

BOOL CFrameworkWindowsPage::Create(HWND hParent, const RECT& rc) {
    if (!m_host.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), GetTitle(),
                         WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                         hParent, nullptr))
        return FALSE;
    if (!m_dlg.Create(IDD_GAL_CONTROLS, &m_host)) return FALSE;
    m_dlg.SetWindowPos(nullptr, kMargin, kHeadingHeight, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_dlg.ShowWindow(SW_SHOW);

    CRect rcDlg;
    m_dlg.GetWindowRect(&rcDlg);
    m_host.ScreenToClient(&rcDlg);
    CRect rcHost;
    m_host.GetClientRect(&rcHost);
    m_host.m_yFrame = rcDlg.bottom + kHeadingHeight + 6;
    CRect rcFrame(kMargin, m_host.m_yFrame, rcHost.right - kMargin, rcHost.bottom - kMargin);
    auto* pFrame = new CLessonFrame;  // deletes itself with its window
    return pFrame->CreatePanel(&m_host, rcFrame);
}

}  // namespace
