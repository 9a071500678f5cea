// Automatic skinning page: a client's settings dialog made from a plain template of system controls,
// once as a skinned dialog that turns every control into its skinned class with no code of its own,
// and once as a plain dialog with the system's controls.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>

#include <commctrl.h>
#include <initializer_list>
#include <richedit.h>

namespace {

enum {
    IDC_BOOKS = 300,
    IDC_LESSONS,
    IDC_UNITS,
    IDC_NOTES,
    IDC_LEVEL,
    IDC_INFO_SIGN,
    IDC_PICTURE,
    IDC_FIRST_TEXT,
};

// The rich edit of this build's characters, so that its text shows in either language.
#ifdef _UNICODE
const LPCWSTR kRichEditClass = L"RichEdit20W";
#else
const LPCWSTR kRichEditClass = L"RichEdit20A";
#endif

// A small word card picture for the bitmap static; made once, kept for the process.
HBITMAP WordCardPicture() {
    static HBITMAP s_hBitmap = nullptr;
    if (s_hBitmap == nullptr) {
        CClientDC screen(nullptr);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        s_hBitmap = ::CreateCompatibleBitmap(screen.GetSafeHdc(), 30, 20);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), s_hBitmap);
        dc.FillSolidRect(0, 0, 30, 20, RGB(40, 110, 200));
        dc.FillSolidRect(3, 3, 24, 6, RGB(250, 250, 250));
        dc.FillSolidRect(3, 12, 16, 4, RGB(250, 210, 60));
        ::SelectObject(dc.GetSafeHdc(), hOld);
    }
    return s_hBitmap;
}

struct Item {
    LPCWSTR lpszClass;
    WORD wId;
    DWORD dwStyle;
    DWORD dwExStyle;
    short x, y, cx, cy;
    LPCWSTR lpszText;
};

// The settings template, in dialog units; "~" texts are language keys.
const Item kItems[] = {
    {L"Static", IDC_FIRST_TEXT, SS_LEFT, 0, 8, 9, 40, 10, L"~IDS_GALLERY_AS_ACCOUNT"},
    {L"Edit", IDC_FIRST_TEXT + 1, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 50, 7, 75, 13,
     L"li.wei@example.com"},
    {L"Static", IDC_FIRST_TEXT + 2, SS_LEFT, 0, 8, 25, 40, 10, L"~IDS_GALLERY_AS_PASSWORD"},
    {L"Edit", IDC_FIRST_TEXT + 3, ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 50, 23, 75, 13,
     L"secret"},
    {L"Static", IDC_FIRST_TEXT + 4, SS_LEFT, 0, 135, 9, 40, 10, L"~IDS_GALLERY_AS_STUDENT"},
    {L"Edit", IDC_FIRST_TEXT + 5, ES_READONLY | ES_AUTOHSCROLL, 0, 180, 9, 70, 10, L"S2024-0318"},
    {L"Static", IDC_FIRST_TEXT + 6, SS_LEFT, 0, 135, 25, 40, 10, L"~IDS_GALLERY_AS_LEVEL"},
    {L"ComboBox", IDC_LEVEL, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 180, 23, 70, 80, nullptr},
    {L"Static", IDC_FIRST_TEXT + 7, SS_ETCHEDHORZ, 0, 8, 42, 242, 2, nullptr},
    {L"Button", IDC_FIRST_TEXT + 8, BS_GROUPBOX, 0, 6, 48, 120, 66, L"~IDS_GALLERY_AS_BOOKS"},
    {L"ListBox", IDC_BOOKS, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 12,
     59, 108, 50, nullptr},
    {L"SysTreeView32", IDC_UNITS, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, WS_EX_CLIENTEDGE, 132, 50,
     118, 64, nullptr},
    {L"SysListView32", IDC_LESSONS, LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, 8, 120, 242, 56,
     nullptr},
    {L"Static", IDC_FIRST_TEXT + 9, SS_LEFT, 0, 8, 184, 40, 10, L"~IDS_GALLERY_AS_EXAM"},
    {L"SysDateTimePick32", IDC_FIRST_TEXT + 10, 0, 0, 50, 182, 75, 13, nullptr},
    {L"Static", IDC_FIRST_TEXT + 11, SS_LEFT, 0, 135, 184, 50, 10, L"~IDS_GALLERY_AS_WORDS"},
    {L"msctls_trackbar32", IDC_FIRST_TEXT + 12, TBS_AUTOTICKS, 0, 185, 181, 65, 16, nullptr},
    {L"Button", IDC_FIRST_TEXT + 13, BS_AUTOCHECKBOX | WS_TABSTOP, 0, 8, 201, 70, 10,
     L"~IDS_GALLERY_AS_REMIND"},
    {L"Button", IDC_FIRST_TEXT + 14, BS_AUTORADIOBUTTON | WS_GROUP, 0, 80, 201, 45, 10,
     L"~IDS_GALLERY_AS_AM"},
    {L"Button", IDC_FIRST_TEXT + 15, BS_AUTORADIOBUTTON, 0, 80, 212, 45, 10, L"~IDS_GALLERY_AS_PM"},
    {L"Static", IDC_FIRST_TEXT + 16, SS_LEFT, 0, 135, 202, 40, 10, L"~IDS_GALLERY_AS_HOTKEY"},
    {L"msctls_hotkey32", IDC_FIRST_TEXT + 17, WS_TABSTOP, 0, 180, 200, 70, 13, nullptr},
    {L"Edit", IDC_FIRST_TEXT + 18, ES_NUMBER, WS_EX_CLIENTEDGE, 180, 216, 30, 13, L"20"},
    {L"msctls_updown32", IDC_FIRST_TEXT + 19,
     UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 210, 216, 10, 13, nullptr},
    {L"Static", IDC_INFO_SIGN, SS_ICON, 0, 228, 216, 20, 20, nullptr},
    {kRichEditClass, IDC_NOTES, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE, 8, 230, 170, 34,
     nullptr},
    {L"Static", IDC_PICTURE, SS_BITMAP, 0, 184, 234, 20, 12, nullptr},
    {L"Button", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 190, 250, 60, 14, L"~IDS_OK"},
};

// The words of a dialog template holding kItems.
std::vector<WORD> SettingsTemplate() {
    std::vector<WORD> t;
    auto dword = [&t](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto text = [&t](LPCWSTR s) {
        for (; s && *s; ++s)
            t.push_back(static_cast<WORD>(*s));
        t.push_back(0);
    };
    dword(WS_POPUP | WS_CAPTION | DS_SETFONT);
    dword(0);
    t.push_back(static_cast<WORD>(_countof(kItems)));
    for (int v :
         std::initializer_list<int>{0, 0, 258, 270, 0, 0})  // position, size, no menu, the dialog class
        t.push_back(static_cast<WORD>(v));
    text(L"~IDS_GALLERY_AS_TITLE");
    t.push_back(8);
    text(L"MS Shell Dlg");
    for (const Item& item : kItems) {
        if (t.size() % 2) t.push_back(0);
        dword(WS_CHILD | WS_VISIBLE | item.dwStyle);
        dword(item.dwExStyle);
        for (int v : std::initializer_list<int>{item.x, item.y, item.cx, item.cy, static_cast<int>(item.wId)})
            t.push_back(static_cast<WORD>(v));
        text(item.lpszClass);
        text(item.lpszText);
        t.push_back(0);
    }
    return t;
}

// Fills the template's lists: what a client's settings show. Both dialogs do the same.
void FillSettings(CWnd* pDlg) {
    TranslateWndStrings(pDlg);
    CListBox* pBooks = static_cast<CListBox*>(pDlg->GetDlgItem(IDC_BOOKS));
    for (LPCWSTR zh_en :
         {L"CET-4 core words|CET-4 \x6838\x5fc3\x8bcd\x6c47", L"Travel English|\x65c5\x6e38\x82f1\x8bed",
          L"Business e-mail|\x5546\x52a1\x90ae\x4ef6", L"IELTS academic|\x96c5\x601d\x5b66\x672f",
          L"Phrasal verbs|\x77ed\x8bed\x52a8\x8bcd", L"Kitchen and food|\x53a8\x623f\x4e0e\x98df\x7269",
          L"Idioms|\x4e60\x8bed"}) {
        const CStringW s(zh_en);
        const int nBar = s.Find(L'|');
        pBooks->AddString(GalleryText(s.Mid(nBar + 1), s.Left(nBar)));
    }
    pBooks->SetCurSel(1);

    CListCtrl* pLessons = static_cast<CListCtrl*>(pDlg->GetDlgItem(IDC_LESSONS));
    pLessons->InsertColumn(0, GalleryText(L"\x8bfe\x7a0b", L"Lesson"), LVCFMT_LEFT, 170);
    pLessons->InsertColumn(1, GalleryText(L"\x5355\x5143", L"Unit"), LVCFMT_LEFT, 90);
    pLessons->InsertColumn(2, GalleryText(L"\x5f97\x5206", L"Score"), LVCFMT_LEFT, 90);
    for (int i = 0; i < 16; ++i) {
        CString strLesson, strUnit, strScore;
        strLesson.Format(GalleryText(L"\x7b2c %d \x8bfe\xff1a%s", L"Lesson %d: %s"), i + 1,
                         static_cast<LPCTSTR>(i % 2 ? GalleryText(L"\x542c\x529b", L"Listening")
                                                    : GalleryText(L"\x9605\x8bfb", L"Reading")));
        strUnit.Format(GalleryText(L"\x7b2c %d \x5355\x5143", L"Unit %d"), i / 3 + 1);
        strScore.Format(_T("%d%%"), 60 + (i * 13) % 40);
        pLessons->InsertItem(i, strLesson);
        pLessons->SetItemText(i, 1, strUnit);
        pLessons->SetItemText(i, 2, strScore);
    }
    pLessons->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);

    CTreeCtrl* pUnits = static_cast<CTreeCtrl*>(pDlg->GetDlgItem(IDC_UNITS));
    for (int nUnit = 1; nUnit <= 4; ++nUnit) {
        CString strUnit;
        strUnit.Format(GalleryText(L"\x7b2c %d \x5355\x5143", L"Unit %d"), nUnit);
        HTREEITEM hUnit = pUnits->InsertItem(strUnit);
        for (LPCWSTR en : {L"Words", L"Dialogue", L"Quiz"})
            pUnits->InsertItem(GalleryText(en[0] == 'W'   ? L"\x5355\x8bcd"
                                           : en[0] == 'D' ? L"\x5bf9\x8bdd"
                                                          : L"\x6d4b\x9a8c",
                                           en),
                               hUnit);
        if (nUnit <= 2) pUnits->Expand(hUnit, TVE_EXPAND);
    }

    CComboBox* pLevel = static_cast<CComboBox*>(pDlg->GetDlgItem(IDC_LEVEL));
    pLevel->AddString(GalleryText(L"\x521d\x7ea7", L"Beginner"));
    pLevel->AddString(GalleryText(L"\x4e2d\x7ea7", L"Intermediate"));
    pLevel->AddString(GalleryText(L"\x9ad8\x7ea7", L"Advanced"));
    pLevel->SetCurSel(1);

    pDlg->SendDlgItemMessage(IDC_FIRST_TEXT + 12, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    pDlg->SendDlgItemMessage(IDC_FIRST_TEXT + 12, TBM_SETPOS, TRUE, 4);
    pDlg->SendDlgItemMessage(IDC_FIRST_TEXT + 13, BM_SETCHECK, BST_CHECKED);
    pDlg->SendDlgItemMessage(IDC_FIRST_TEXT + 15, BM_SETCHECK, BST_CHECKED);
    pDlg->SendDlgItemMessage(IDC_FIRST_TEXT + 17, HKM_SETHOTKEY,
                             MAKEWORD('L', HOTKEYF_CONTROL | HOTKEYF_ALT));
    pDlg->SendDlgItemMessage(IDC_FIRST_TEXT + 19, UDM_SETRANGE32, 5, 100);
    pDlg->SendDlgItemMessage(IDC_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                             reinterpret_cast<LPARAM>(WordCardPicture()));
    pDlg->SendDlgItemMessage(IDC_INFO_SIGN, STM_SETICON,
                             reinterpret_cast<WPARAM>(::LoadIcon(nullptr, IDI_INFORMATION)));
    CString strNotes = GalleryText(
        L"\x590d\x4e60\x7b2c 3 \x5355\x5143\x7684\x5bf9\x8bdd\x3002\r\n\x5468\x4e94\x524d\x80cc\x5b8c 40 "
        L"\x4e2a\x5355\x8bcd\x3002\r\n\x542c\x529b\x7ec3\x4e60\x4e24\x6b21\x3002\r\n\x8003\x8bd5\x524d\x518d"
        L"\x505a\x4e00\x5957\x9898\x3002",
        L"Revise the dialogues of unit 3.\r\nLearn 40 new words by Friday.\r\nListen to the "
        L"recording twice.\r\nOne more mock exam before the test.");
    pDlg->SetDlgItemText(IDC_NOTES, strNotes);
}

// The same settings as a skinned dialog with automatic skinning.
class CSkinnedSettings : public CSkinDialog {
public:
    CSkinnedSettings() { SetAutoLoadCtrl(TRUE); }
    BOOL CreateOver(CWnd* pOwner) {
        m_template = SettingsTemplate();
        return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner);
    }
    BOOL OnInitDialog() override {
        FillSettings(this);
        return CSkinDialog::OnInitDialog();
    }

private:
    std::vector<WORD> m_template;
};

// The same template with the system's controls and frame.
class CPlainSettings : public CDialog {
public:
    BOOL CreateOver(CWnd* pOwner) {
        m_template = SettingsTemplate();
        return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        FillSettings(this);
        return TRUE;
    }

private:
    std::vector<WORD> m_template;
};

class CAutoSkinPage : public CGalleryPaintPage {
public:
    ~CAutoSkinPage() override {
        for (CWnd* pDlg : Dialogs())
            if (pDlg->GetSafeHwnd()) pDlg->DestroyWindow();
    }
    LPCTSTR GetName() const override { return _T("auto-skin"); }
    LPCTSTR GetTitle() const override { return _T("Automatic skinning"); }

    BOOL Create(HWND hParent, const RECT& rc) override {
        if (!CGalleryPaintPage::Create(hParent, rc)) return FALSE;
        ::LoadLibrary(_T("riched20.dll"));
        InstallScrollBarHook();  // before the automatic skinning, so the controls' bars follow them
        CWnd* pOwner = CWnd::FromHandle(hParent);
        if (!m_skinned.CreateOver(pOwner) || !m_plain.CreateOver(pOwner)) return FALSE;
        m_skinned.GetDlgItem(IDC_LESSONS)->SendMessage(WM_VSCROLL, SB_LINEDOWN);
        OnShow();
        return TRUE;
    }
    void OnShow() override {
        int x = kLeft;
        for (CWnd* pDlg : Dialogs()) {
            CPoint pt(x, kTop);
            ::ClientToScreen(GetSafeHwnd(), &pt);
            pDlg->SetWindowPos(&CWnd::wndTop, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            CRect rc;
            pDlg->GetWindowRect(&rc);
            x += rc.Width() + kGap;
        }
    }
    void OnHide() override {
        for (CWnd* pDlg : Dialogs())
            if (pDlg->GetSafeHwnd()) pDlg->ShowWindow(SW_HIDE);
    }

protected:
    void Paint(CDC* pDC, const CRect&) override {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->TextOut(
            kLeft, 8,
            GalleryText(
                L"\x540c\x4e00\x4e2a\x666e\x901a\x6a21\x677f\xff1a\x5de6\x8fb9\x81ea\x52a8\x6362\x80a4"
                L"\xff0c\x53f3\x8fb9\x662f\x7cfb\x7edf\x63a7\x4ef6\xff08\x56fe\x7247\x9759\x6001"
                L"\x63a7\x4ef6\x6362\x80a4\x540e\x53ea\x753b\x6587\x5b57\xff0c\x56fe\x7247\x4e0d"
                L"\x518d\x663e\x793a\xff09",
                L"One plain template: skinned automatically on the left, the system's controls on "
                L"the right (a picture static becomes a text-only label: its picture is gone)"));
    }

private:
    enum { kLeft = 8, kTop = 30, kGap = 8 };
    std::vector<CWnd*> Dialogs() { return {&m_skinned, &m_plain}; }
    CSkinnedSettings m_skinned;
    CPlainSettings m_plain;
};

REGISTER_GALLERY_PAGE(CAutoSkinPage);

}  // namespace
