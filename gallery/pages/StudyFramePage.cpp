// Study frame page: a skinned frame window standing over the page, with a courses pane (an outlook
// bar) docked on the left, a notes pane docked on the right, the lesson text as its view and a status
// bar ("Ready", "Lesson 3 of 12"). The panes float with a double click on their empty space and dock
// back the same way; the View commands show and hide them.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

namespace {

constexpr int kMargin = 12;
constexpr UINT kCoursesId = 0xE810;
constexpr UINT kNotesId = 0xE811;

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

CFont& PageFont() {
    static CFont font;
    if (!font.GetSafeHandle()) font.CreatePointFont(90, _T("Tahoma"));
    return font;
}

// The courses pane: the outlook bar with the lessons of the course, 200 pixels wide.
class CCoursesPane : public CQVDockOutlookBar {
public:
    CSize CalcDynamicLayout(int, DWORD nMode) override {
        return (nMode & LM_HORZ) && !(nMode & LM_VERTDOCK) ? CSize(300, 200) : CSize(200, 32767);
    }
    void Fill() {
        // 16-pixel course icons drawn by skingen next to the program.
        TCHAR szPath[MAX_PATH] = {};
        ::GetModuleFileName(NULL, szPath, MAX_PATH);
        CString strIcons = szPath;
        strIcons = strIcons.Left(strIcons.ReverseFind(_T('\\')) + 1) + _T("GalleryIcons\\Courses16.bmp");
        if (m_imageList.GetImageCount() == 0) {
            HBITMAP hBitmap = static_cast<HBITMAP>(
                ::LoadImage(NULL, strIcons, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
            if (hBitmap) {
                CBitmap bitmap;
                bitmap.Attach(hBitmap);
                m_imageList.Add(&bitmap, RGB(255, 0, 255));
            }
        }
        while (m_wndOutBar.GetFolderCount() > 0)
            m_wndOutBar.RemoveFolder(0);
        const int nCourse = m_wndOutBar.AddFolder(Text(_T("IDS_GALLERY_STUDYFRAME_COURSE")));
        static const LPCTSTR kLessons[] = {_T("IDS_GALLERY_STUDYFRAME_L1"), _T("IDS_GALLERY_STUDYFRAME_L2"),
                                           _T("IDS_GALLERY_STUDYFRAME_L3"), _T("IDS_GALLERY_STUDYFRAME_L4")};
        for (int i = 0; i < 4; ++i)
            m_wndOutBar.InsertItem(nCourse, i, Text(kLessons[i]), i % 4);
        m_wndOutBar.AddFolder(Text(_T("IDS_GALLERY_STUDYFRAME_WORDS")));
        m_wndOutBar.SetSelFolder(nCourse);
        m_wndOutBar.Invalidate();
    }
};

// The notes pane: the student's notes on the lesson, on the bar gradient.
class CNotesPane : public CQVDockWnd {
public:
    CSize CalcDynamicLayout(int, DWORD nMode) override {
        return (nMode & LM_HORZ) && !(nMode & LM_VERTDOCK) ? CSize(300, 120) : CSize(150, 32767);
    }

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CQVControlBar::DrawBarAppearance(&dc, rc, 0);
        CFont* pOld = dc.SelectObject(&PageFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(0));
        CRect rcTitle(14, 4, rc.right - 4, 24);
        dc.DrawText(Text(_T("IDS_GALLERY_STUDYFRAME_NOTES")), &rcTitle, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        CRect rcText(14, 28, rc.right - 6, rc.bottom - 6);
        dc.DrawText(Text(_T("IDS_GALLERY_STUDYFRAME_NOTES_TEXT")), &rcText,
                    DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        dc.SelectObject(pOld);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotesPane, CQVDockWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The lesson text in the frame's client background.
class CLessonView : public CWnd {
protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(rc, CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk);
        CFont* pOld = dc.SelectObject(&PageFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(0));
        rc.DeflateRect(kMargin, kMargin);
        dc.DrawText(Text(_T("IDS_GALLERY_STUDYFRAME_TEXT")), &rc,
                    DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        dc.SelectObject(pOld);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLessonView, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The frame's menu bar: File, Lessons, View, Help, every text a "~" language key, so that the bar and
// its drop-downs show the page's language. View shows and hides the panes and the status bar; the other
// commands put their item's text in the status bar.
constexpr UINT kMenuBarId = 0xE812;
enum : UINT {
    ID_STUDY_OPEN = 0x8101,
    ID_STUDY_SAVE,
    ID_STUDY_PRINT,
    ID_STUDY_L1,
    ID_STUDY_REVIEW = ID_STUDY_L1 + 4,
    ID_STUDY_TIPS,
    ID_STUDY_ABOUT
};

class CStudyMenuBar : public CQVDockMenuBar {
public:
    BOOL Create(CFrameWnd* pFrame) {
        struct Entry {
            UINT nID;  // 0: a separator
            LPCTSTR lpszText;
        };
        const Entry file[] = {{ID_STUDY_OPEN, _T("~IDS_GALLERY_STUDYFRAME_M_OPEN")},
                              {ID_STUDY_SAVE, _T("~IDS_GALLERY_STUDYFRAME_M_SAVE")},
                              {0, nullptr},
                              {ID_STUDY_PRINT, _T("~IDS_GALLERY_STUDYFRAME_M_PRINT")}};
        const Entry lessons[] = {{ID_STUDY_L1, _T("~IDS_GALLERY_STUDYFRAME_L1")},
                                 {ID_STUDY_L1 + 1, _T("~IDS_GALLERY_STUDYFRAME_L2")},
                                 {ID_STUDY_L1 + 2, _T("~IDS_GALLERY_STUDYFRAME_L3")},
                                 {ID_STUDY_L1 + 3, _T("~IDS_GALLERY_STUDYFRAME_L4")},
                                 {0, nullptr},
                                 {ID_STUDY_REVIEW, _T("~IDS_GALLERY_STUDYFRAME_M_REVIEW")}};
        const Entry view[] = {{kCoursesId, _T("~IDS_GALLERY_STUDYFRAME_M_COURSES")},
                              {kNotesId, _T("~IDS_GALLERY_STUDYFRAME_M_NOTES")},
                              {ID_VIEW_STATUS_BAR, _T("~IDS_GALLERY_STUDYFRAME_M_STATUS")}};
        const Entry help[] = {{ID_STUDY_TIPS, _T("~IDS_GALLERY_STUDYFRAME_M_TIPS")},
                              {0, nullptr},
                              {ID_STUDY_ABOUT, _T("~IDS_GALLERY_STUDYFRAME_M_ABOUT")}};
        const struct {
            LPCTSTR lpszText;
            const Entry* pEntries;
            int nCount;
        } menus[] = {{_T("~IDS_GALLERY_SFM_FILE"), file, 4},
                     {_T("~IDS_GALLERY_SFM_LESSONS"), lessons, 6},
                     {_T("~IDS_GALLERY_SFM_VIEW"), view, 3},
                     {_T("~IDS_GALLERY_SFM_HELP"), help, 3}};
        CMenu* pMenu = GetMenuBarMenu();
        pMenu->CreateMenu();
        for (const auto& menu : menus) {
            HMENU hPopup = ::CreatePopupMenu();
            for (int i = 0; i < menu.nCount; ++i)
                ::AppendMenu(hPopup, menu.pEntries[i].nID ? MF_STRING : MF_SEPARATOR, menu.pEntries[i].nID,
                             menu.pEntries[i].lpszText);
            pMenu->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), menu.lpszText);
        }
        if (!CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), kMenuBarId))
            return FALSE;
        LoadMenu(pMenu->GetSafeHmenu());
        EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        return TRUE;
    }
    // A chosen File, Lessons or Help command: its text, without the access key and shortcut, as the
    // frame's status prompt.
    void ShowChosen(CFrameWnd* pFrame, UINT nID) {
        CString strText;
        GetMenuBarMenu()->GetMenuString(nID, strText, MF_BYCOMMAND);
        strText = strText.SpanExcluding(_T("\t"));
        strText.Remove(_T('&'));
        pFrame->SetMessageText(strText);
    }
};

// ---- The study frame's toolbars ----
// The lesson bar (Play, Record, a "Speed" drop-down, UK / US) docked at the top and the player bar (Pause,
// Stop, Repeat) floating under the frame (a double click on its caption docks it, one on its grip floats it
// again), pictures from the skin's toolbar strips. Their items follow the frame's update handlers: Record,
// Pause and Stop wait for a lesson playing, UK and US are a radio pair, Play and Repeat show their state. The
// gallery runs no idle loop, so the frame updates its bars itself after each command and on a timer.
enum : UINT {
    ID_SF_PLAY = 2400,
    ID_SF_RECORD,
    ID_SF_SPEED,
    ID_SF_UK,
    ID_SF_US,
    ID_SF_PAUSE,
    ID_SF_STOP,
    ID_SF_LOOP,
    ID_SF_SLOW,
    ID_SF_NORMAL,
    ID_SF_FAST,
};
constexpr UINT kLessonBarId = 0xE813;
constexpr UINT kPlayerBarId = 0xE814;
constexpr UINT_PTR kIdleTimer = 7;

struct CStudyTool {
    UINT nID;
    ToolBarItemType nType;
    int nImage;
    LPCTSTR lpszText;  // caption key, NULL for a picture alone
    LPCTSTR lpszTip;
};
const CStudyTool kLessonTools[] = {
    {ID_SF_PLAY, TBIT_CHECKBOX, QVTBI_PLAY, nullptr, _T("IDS_GALLERY_SFTB_PLAY")},
    {ID_SF_RECORD, TBIT_BUTTON, QVTBI_RECORD, _T("IDS_GALLERY_SFTB_RECORD"), _T("IDS_GALLERY_SFTB_RECORD")},
    {0, TBIT_SEPARATOR, -1, nullptr, nullptr},
    {ID_SF_SPEED, TBIT_DROPDOWN, QVTBI_SPEED, _T("IDS_GALLERY_SFTB_SPEED"), _T("IDS_GALLERY_SFTB_SPEED")},
    {0, TBIT_SEPARATOR, -1, nullptr, nullptr},
    {ID_SF_UK, TBIT_RADIOBOX, QVTBI_UK, nullptr, _T("IDS_GALLERY_SFTB_UK")},
    {ID_SF_US, TBIT_RADIOBOX, QVTBI_US, nullptr, _T("IDS_GALLERY_SFTB_US")},
};
const CStudyTool kPlayerTools[] = {
    {ID_SF_PAUSE, TBIT_BUTTON, QVTBI_PAUSE, _T("IDS_GALLERY_SFTB_PAUSE"), _T("IDS_GALLERY_SFTB_PAUSE")},
    {ID_SF_STOP, TBIT_BUTTON, QVTBI_STOP, nullptr, _T("IDS_GALLERY_SFTB_STOP")},
    {ID_SF_LOOP, TBIT_CHECKBOX, QVTBI_LOOP, nullptr, _T("IDS_GALLERY_SFTB_LOOP")},
};

class CStudyToolFrame : public CSkinFrameWnd {
public:
    // Hides or shows the player bar's floating frame with the page (a bar the user hid stays hidden).
    void ShowPlayerFrame(BOOL bShow) {
        if (m_playerBar.IsFloating() && m_playerBar.m_pDockBar && (!bShow || m_playerBar.IsVisible()))
            m_playerBar.m_pDockBar->GetParent()->SetWindowPos(&wndTop, 0, 0, 0, 0,
                                                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                                                                  (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
    // The player bar floats at ptScreen, in a frame of its own.
    void FloatPlayerBar(CPoint ptScreen) { FloatControlBar(&m_playerBar, ptScreen, CBRS_ALIGN_TOP); }
    void GetMessageString(UINT nID, CString& rMessage) const override {
        static const LPCTSTR kPrompts[] = {
            _T("IDS_GALLERY_SFTB_PLAY_PROMPT"),  _T("IDS_GALLERY_SFTB_RECORD_PROMPT"),
            _T("IDS_GALLERY_SFTB_SPEED_PROMPT"), _T("IDS_GALLERY_SFTB_UK_PROMPT"),
            _T("IDS_GALLERY_SFTB_US_PROMPT"),    _T("IDS_GALLERY_SFTB_PAUSE_PROMPT"),
            _T("IDS_GALLERY_SFTB_STOP_PROMPT"),  _T("IDS_GALLERY_SFTB_LOOP_PROMPT")};
        if (nID >= ID_SF_PLAY && nID <= ID_SF_LOOP)
            rMessage = Text(kPrompts[nID - ID_SF_PLAY]);
        else
            CSkinFrameWnd::GetMessageString(nID, rMessage);
    }

protected:
    // Makes both bars and docks the lesson bar at the top; after EnableDocking.
    BOOL CreateToolBars() {
        if (!m_lessonBar.CreateEx(this, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0),
                                  kLessonBarId) ||
            !m_playerBar.CreateEx(this, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), kPlayerBarId))
            return FALSE;
        LoadImages();
        FillBar(m_lessonBar, kLessonTools, _countof(kLessonTools));
        FillBar(m_playerBar, kPlayerTools, _countof(kPlayerTools));
        m_lessonBar.EnableDocking(CBRS_ALIGN_ANY);
        m_playerBar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_lessonBar, AFX_IDW_DOCKBAR_TOP);
        DockControlBar(&m_playerBar, AFX_IDW_DOCKBAR_TOP);
        SetTimer(kIdleTimer, 250, nullptr);
        UpdateToolBars();
        return TRUE;
    }
    void LoadImages() {
        const UINT ids[QVTBI_COUNT] = {ID_SF_PLAY,  ID_SF_PAUSE, ID_SF_STOP, ID_SF_RECORD,
                                       ID_SF_SPEED, ID_SF_UK,    ID_SF_US,   ID_SF_LOOP};
        QVLoadSkinToolBarImages(m_images, ids);
    }
    void FillBar(CQVDockToolBar& bar, const CStudyTool* pTools, int nCount) {
        while (bar.GetItemCount() > 0)
            bar.DelItem(0);
        for (int i = 0; i < nCount; ++i) {
            const CStudyTool& tool = pTools[i];
            const CSize size = tool.nType == TBIT_SEPARATOR ? CSize(6, 28) : CSize(22, 22);
            bar.AddItem(tool.nType, tool.lpszText ? Text(tool.lpszText) : CString(),
                        tool.lpszTip ? Text(tool.lpszTip) : CString(), size, tool.nImage, tool.nID);
        }
        bar.SetBitmapList(&m_images);
        bar.ReCalcToolBar();
    }
    // What a framework host does at idle: the bars' update handlers and a delayed layout.
    void UpdateToolBars() {
        SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        for (CQVDockToolBar* pBar : {&m_lessonBar, &m_playerBar}) {
            if (!pBar->m_hWnd) continue;
            pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            if (CFrameWnd* pFrame = pBar->GetParentFrame())
                if (pFrame != this) pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        }
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT lResult = CSkinFrameWnd::WindowProc(message, wParam, lParam);
        if (message == WM_QV_SKINCHANGED) {
            // The bars' pictures come from the skin; a floating bar hears of the skin from its frame.
            LoadImages();
            m_lessonBar.Invalidate();
            m_playerBar.Invalidate();
        } else if (message == WM_QV_LANCHANGED && m_lessonBar.m_hWnd) {
            FillBar(m_lessonBar, kLessonTools, _countof(kLessonTools));
            FillBar(m_playerBar, kPlayerTools, _countof(kPlayerTools));
            RecalcLayout();
            UpdateToolBars();
        } else if (message == WM_TIMER && wParam == kIdleTimer) {
            UpdateToolBars();
        } else if (message == WM_QV_TOOLBARDROPDOWN && wParam == ID_SF_SPEED) {
            ChooseSpeed();
        }
        return lResult;
    }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
        const BOOL bHandled = CSkinFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        // Every command changes what the bars show: update them at once.
        if (bHandled && nCode == CN_COMMAND && !pHandlerInfo) UpdateToolBars();
        return bHandled;
    }
    // The arrow of "Speed": the three speeds in a menu under the item.
    void ChooseSpeed() {
        CMenu menu;
        if (!menu.CreatePopupMenu()) return;
        static const LPCTSTR kKeys[] = {_T("IDS_GALLERY_SFTB_SLOW"), _T("IDS_GALLERY_SFTB_NORMAL"),
                                        _T("IDS_GALLERY_SFTB_FAST")};
        for (int i = 0; i < 3; ++i)
            menu.AppendMenu(MF_STRING | (m_nSpeed == i ? MF_CHECKED : 0), ID_SF_SLOW + i, Text(kKeys[i]));
        CRect rc = m_lessonBar.GetItemRect(ID_SF_SPEED);
        m_lessonBar.ClientToScreen(&rc);
        const UINT nCmd = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, rc.left, rc.bottom, this);
        if (nCmd >= ID_SF_SLOW && nCmd <= ID_SF_FAST) m_nSpeed = static_cast<int>(nCmd - ID_SF_SLOW);
    }

    afx_msg void OnPlay() { m_bPlaying = !m_bPlaying; }
    afx_msg void OnStop() { m_bPlaying = FALSE; }
    afx_msg void OnRecord() {}
    afx_msg void OnSpeed() { m_nSpeed = (m_nSpeed + 1) % 3; }
    afx_msg void OnAccent(UINT nID) { m_bUS = nID == ID_SF_US; }
    afx_msg void OnLoop() { m_bLoop = !m_bLoop; }
    afx_msg void OnUpdatePlay(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bPlaying); }
    afx_msg void OnUpdateWhilePlaying(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bPlaying); }
    afx_msg void OnUpdateUK(CCmdUI* pCmdUI) { pCmdUI->SetRadio(!m_bUS); }
    afx_msg void OnUpdateUS(CCmdUI* pCmdUI) { pCmdUI->SetRadio(m_bUS); }
    afx_msg void OnUpdateLoop(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bLoop); }
    DECLARE_MESSAGE_MAP()

    CQVDockToolBar m_lessonBar;
    CQVDockToolBar m_playerBar;
    CQVBitmapList m_images;
    BOOL m_bPlaying = FALSE;
    BOOL m_bUS = FALSE;
    BOOL m_bLoop = TRUE;
    int m_nSpeed = 1;
};

BEGIN_MESSAGE_MAP(CStudyToolFrame, CSkinFrameWnd)
ON_COMMAND(ID_SF_PLAY, &CStudyToolFrame::OnPlay)
ON_COMMAND(ID_SF_STOP, &CStudyToolFrame::OnStop)
ON_COMMAND(ID_SF_PAUSE, &CStudyToolFrame::OnStop)
ON_COMMAND(ID_SF_RECORD, &CStudyToolFrame::OnRecord)
ON_COMMAND(ID_SF_SPEED, &CStudyToolFrame::OnSpeed)
ON_COMMAND_RANGE(ID_SF_UK, ID_SF_US, &CStudyToolFrame::OnAccent)
ON_COMMAND(ID_SF_LOOP, &CStudyToolFrame::OnLoop)
ON_UPDATE_COMMAND_UI(ID_SF_PLAY, &CStudyToolFrame::OnUpdatePlay)
ON_UPDATE_COMMAND_UI(ID_SF_RECORD, &CStudyToolFrame::OnUpdateWhilePlaying)
ON_UPDATE_COMMAND_UI(ID_SF_PAUSE, &CStudyToolFrame::OnUpdateWhilePlaying)
ON_UPDATE_COMMAND_UI(ID_SF_STOP, &CStudyToolFrame::OnUpdateWhilePlaying)
ON_UPDATE_COMMAND_UI(ID_SF_UK, &CStudyToolFrame::OnUpdateUK)
ON_UPDATE_COMMAND_UI(ID_SF_US, &CStudyToolFrame::OnUpdateUS)
ON_UPDATE_COMMAND_UI(ID_SF_LOOP, &CStudyToolFrame::OnUpdateLoop)
END_MESSAGE_MAP()

class CStudyFrame : public CStudyToolFrame {
public:
    CStudyMenuBar m_menuBar;
    // Texts again after a language change: titles, course items, the status panes.
    void Translate() {
        SetWindowText(Text(_T("IDS_GALLERY_STUDYFRAME_TITLE")));
        m_courses.Fill();
        m_status.SetPaneText(0, Text(_T("IDS_GALLERY_STUDYFRAME_READY")));
        m_status.SetPaneText(1, Text(_T("IDS_GALLERY_STUDYFRAME_LESSON")));
        m_notes.Invalidate();
        m_view.Invalidate();
    }

    // The idle prompt in the page's language.
    void GetMessageString(UINT nID, CString& rMessage) const override {
        if (nID == AFX_IDS_IDLEMESSAGE)
            rMessage = Text(_T("IDS_GALLERY_STUDYFRAME_READY"));
        else
            CStudyToolFrame::GetMessageString(nID, rMessage);
    }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override {
        // The text wraps at the view's width: a new width repaints all of it.
        return m_view.Create(AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW)),
                             NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        if (CStudyToolFrame::OnCreate(lpcs) == -1) return -1;
        // The status bar first: bars are laid out in creation order, so it takes the full width.
        if (!m_status.CreateEx(this, WS_CHILD | WS_VISIBLE, CBRS_BOTTOM)) return -1;
        static const int kWidths[] = {0, 130};
        m_status.SetIndicators(kWidths, 2);
        EnableDocking(CBRS_ALIGN_ANY);
        if (!m_menuBar.Create(this)) return -1;
        DockControlBar(&m_menuBar, AFX_IDW_DOCKBAR_TOP);
        if (!m_courses.CreateEx(this, 0, WS_CHILD | WS_VISIBLE | CBRS_LEFT, CRect(0, 0, 0, 0), kCoursesId) ||
            !m_notes.CreateEx(this, 0, WS_CHILD | WS_VISIBLE | CBRS_RIGHT, CRect(0, 0, 0, 0), kNotesId))
            return -1;
        m_courses.EnableDocking(CBRS_ALIGN_ANY);
        m_notes.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_courses, AFX_IDW_DOCKBAR_LEFT);
        DockControlBar(&m_notes, AFX_IDW_DOCKBAR_RIGHT);
        if (!CreateToolBars()) return -1;
        Translate();
        return 0;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        return m_menuBar.ProcessPreTranslateMessage(pMsg) || CStudyToolFrame::PreTranslateMessage(pMsg);
    }
    afx_msg void OnStudyCommand(UINT nID) { m_menuBar.ShowChosen(this, nID); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT lResult = CStudyToolFrame::WindowProc(message, wParam, lParam);
        if (message == WM_QV_LANCHANGED) Translate();
        return lResult;
    }
    DECLARE_MESSAGE_MAP()

    CLessonView m_view;
    CCoursesPane m_courses;
    CNotesPane m_notes;
    CQVStatusBar m_status;
};

BEGIN_MESSAGE_MAP(CStudyFrame, CStudyToolFrame)
ON_WM_CREATE()
ON_COMMAND_RANGE(ID_STUDY_OPEN, ID_STUDY_ABOUT, &CStudyFrame::OnStudyCommand)
ON_COMMAND_EX_RANGE(kCoursesId, kNotesId, &CStudyFrame::OnBarCheck)
ON_UPDATE_COMMAND_UI_RANGE(kCoursesId, kNotesId, &CStudyFrame::OnUpdateControlBarMenu)
END_MESSAGE_MAP()

class CStudyFramePage : public CGalleryPaintPage {
public:
    ~CStudyFramePage() override {
        if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);  // the frame deletes itself
    }
    LPCTSTR GetName() const override { return _T("study-frame"); }
    LPCTSTR GetTitle() const override { return _T("Study frame"); }

    BOOL Create(HWND hParent, const RECT& rc) override {
        if (!CGalleryPaintPage::Create(hParent, rc)) return FALSE;
        auto* pFrame = new CStudyFrame;
        if (!pFrame->Create(NULL, Text(_T("IDS_GALLERY_STUDYFRAME_TITLE")), WS_OVERLAPPEDWINDOW,
                            CRect(0, 0, 680, 420), CWnd::FromHandle(hParent)))
            return FALSE;
        m_hFrame = pFrame->GetSafeHwnd();
        pFrame->RecalcLayout();
        OnShow();
        // The player bar starts floating below the frame's right end, on the page.
        CPoint pt(kMargin + 470, kMargin + 28 + 440);
        ::ClientToScreen(GetSafeHwnd(), &pt);
        pFrame->FloatPlayerBar(pt);
        return TRUE;
    }
    void OnShow() override {
        if (!::IsWindow(m_hFrame)) return;
        CPoint pt(kMargin, kMargin + 28);
        ::ClientToScreen(GetSafeHwnd(), &pt);
        ::SetWindowPos(m_hFrame, HWND_TOP, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ::SendMessage(m_hFrame, WM_NCACTIVATE, TRUE, 0);
        static_cast<CStudyFrame*>(CWnd::FromHandlePermanent(m_hFrame))->ShowPlayerFrame(TRUE);
    }
    // The Lessons drop-down open over the active frame, its floating bar beside it.
    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        auto* pFrame = static_cast<CStudyFrame*>(CWnd::FromHandlePermanent(m_hFrame));
        if (!pFrame) return capture();
        // Shown without activation while the gallery is not active either, the frame stays behind the
        // gallery on the display (its floating frame, owned by it, does not) although the window order
        // has it in front; activated, it shows where the order says, painted before the menu opens.
        ::SetActiveWindow(m_hFrame);
        ::RedrawWindow(m_hFrame, NULL, NULL,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        s_pCapture = &capture;
        s_hShot = NULL;
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 400, &ShootFromMenu);
        pFrame->m_menuBar.SetSelectMenuItem(1);
        pFrame->m_menuBar.PopupMenu();
        ::KillTimer(NULL, nTimer);
        const HBITMAP hShot = s_hShot ? s_hShot : capture();
        s_pCapture = NULL;
        return hShot;
    }
    void OnHide() override {
        if (!::IsWindow(m_hFrame)) return;
        static_cast<CStudyFrame*>(CWnd::FromHandlePermanent(m_hFrame))->ShowPlayerFrame(FALSE);
        ::ShowWindow(m_hFrame, SW_HIDE);
    }

protected:
    void Paint(CDC* pDC, const CRect& rcClient) override {
        CFont* pOld = pDC->SelectObject(&PageFont());
        pDC->SetTextColor(RGB(24, 32, 48));
        pDC->SetBkMode(TRANSPARENT);
        CRect rcHint(kMargin, kMargin, rcClient.right - kMargin, kMargin + 22);
        pDC->DrawText(Text(_T("IDS_GALLERY_STUDYFRAME_HINT")), &rcHint,
                      DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
        pDC->SelectObject(pOld);
    }

private:
    static void CALLBACK ShootFromMenu(HWND, UINT, UINT_PTR nTimer, DWORD) {
        ::KillTimer(NULL, nTimer);
        if (s_pCapture && !s_hShot) s_hShot = (*s_pCapture)();
        ::EndMenu();
    }
    static const std::function<HBITMAP()>* s_pCapture;
    static HBITMAP s_hShot;
    HWND m_hFrame = NULL;
};

const std::function<HBITMAP()>* CStudyFramePage::s_pCapture = NULL;
HBITMAP CStudyFramePage::s_hShot = NULL;

REGISTER_GALLERY_PAGE(CStudyFramePage);

}  // namespace
