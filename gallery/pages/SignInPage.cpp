// The sign-in and settings page: a skinned dialog over a background picture with the skinned
// controls of a sign-in form. Its areas, top to bottom: the title (y 8-32), the tab strip
// (y 40-64), the edits with their captions on the left (x 12-320, from y 76), the combo boxes on the
// right (x 340-560, from y 76), and the messages line at the bottom (from y 300).
#include "../GalleryPage.h"

#include <RIZuruzezu.h>

#include <vector>

namespace {

constexpr int kMargin = 12;
constexpr int kEditTop = 76;  // the first edit's top

enum : UINT {
    IDC_SIGNIN_USER = 1001,
    IDC_SIGNIN_PASSWORD,
    IDC_SIGNIN_SEARCH,
    IDC_SIGNIN_NOTE,
    IDC_SIGNIN_FILE,
    IDC_SIGNIN_DISABLED,
    IDC_SIGNIN_TABS = 1101,
    IDC_SIGNIN_LEVEL,
    IDC_SIGNIN_COLOR,
    IDC_SIGNIN_FACES,
};

// The tab strip: narrow enough that its last tab is cut at the right edge, the note beside it.
constexpr int kTabsTop = 40;
constexpr int kTabsWidth = 320;
constexpr DWORD kSettingsTab = 4;  // the id of the tab refused until sign-in

// Writes face n (0-3) as a 24 x 24 bitmap file: a round face with eyes and a smile on white.
bool WriteFaceBitmap(const CString& strPath, int n) {
    const int cx = 24;
    static const COLORREF s_faces[] = {RGB(255, 210, 80), RGB(250, 170, 140), RGB(150, 210, 120),
                                       RGB(140, 190, 250)};
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cx;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (!hDib) return false;
    {
        CDC dc;
        dc.CreateCompatibleDC(NULL);
        CQVSelectScope bitmap(&dc, hDib);
        dc.FillSolidRect(0, 0, cx, cx, RGB(255, 255, 255));
        CQVSelectScope face = CQVSelectScope::SolidPenBrush(dc, RGB(90, 70, 40), s_faces[n & 3]);
        dc.Ellipse(1, 1, cx - 1, cx - 1);
        CQVSelectScope eyes = CQVSelectScope::SolidPenBrush(dc, RGB(30, 30, 30), RGB(30, 30, 30));
        dc.Ellipse(7, 8, 10, 11);
        dc.Ellipse(14, 8, 17, 11);
        dc.Arc(6, 8 + (n & 1), 18, 19, 6, 14, 18, 14);
    }
    const DWORD nBits = cx * cx * 4;
    BITMAPFILEHEADER file = {0x4D42, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + nBits, 0, 0,
                             sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    CFile out;
    const bool bOpen = out.Open(strPath, CFile::modeCreate | CFile::modeWrite) != FALSE;
    if (bOpen) {
        out.Write(&file, sizeof(file));
        out.Write(&bmi.bmiHeader, sizeof(BITMAPINFOHEADER));
        out.Write(pBits, nBits);
        out.Close();
    }
    ::DeleteObject(hDib);
    return bOpen;
}

// The sign-in dialog: a picture for its background, the edits on it.
class CSignInDlg : public CSkinDialog {
public:
    BOOL CreateOver(CWnd* pOwner) {
        m_template = GalleryEmptyDialogTemplate(380, 230);
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner)) return FALSE;
        SetWindowText(GalleryText(L"\x767b\x5f55", L"Sign in"));
        return TRUE;
    }

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        SetWindowPos(NULL, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const DWORD dwEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
        const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        int y = kEditTop;
        auto make = [&](CQVEdit& edit, DWORD dwStyle, UINT nID, LPCTSTR lpszText) {
            edit.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), lpszText, dwEdit | dwStyle,
                          CRect(110, y, 320, y + 22), this, nID);
            edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
            y += 34;
        };
        make(m_user, 0, IDC_SIGNIN_USER, GalleryText(L"\x674e\x96f7", L"Li Lei"));
        m_password.SetTextForEmpty(GalleryText(L"\x5bc6\x7801", L"Password"));
        make(m_password, ES_PASSWORD, IDC_SIGNIN_PASSWORD, _T(""));
        m_search.SetTextForEmpty(GalleryText(L"\x641c\x7d22\x8054\x7cfb\x4eba", L"Search contacts"));
        make(m_search, 0, IDC_SIGNIN_SEARCH, _T(""));
        m_note.SetTransparent(TRUE);
        make(m_note, ES_READONLY, IDC_SIGNIN_NOTE,
             GalleryText(L"\x4eca\x5929\x6709\x0033\x8282\x65b0\x8bfe", L"3 new lessons today"));
        make(m_file, 0, IDC_SIGNIN_FILE, GalleryText(L"\x7b2c\x4e09\x8bfe.mp3", L"Lesson 3.mp3"));
        make(m_disabled, 0, IDC_SIGNIN_DISABLED, GalleryText(L"\x79bb\x7ebf", L"Offline"));
        m_disabled.EnableWindow(FALSE);

        // Tabs: "Settings" is refused by OnTabSelChanging, the last tab is cut at the strip's edge.
        CRect rcTabs(kMargin, kTabsTop, kMargin + kTabsWidth, kTabsTop + 24);
        m_tabs.SetTransparent(TRUE);
        m_tabs.Create(WS_CHILD | WS_VISIBLE, rcTabs, this, IDC_SIGNIN_TABS);
        m_tabs.AddItem(GalleryText(L"\x8bfe\x7a0b", L"Courses"), 0, 1);
        m_tabs.AddItem(GalleryText(L"\x5355\x8bcd\x672c", L"Word books"), 1, 2);
        m_tabs.AddItem(GalleryText(L"\x597d\x53cb", L"Friends"), 2, 3);
        m_tabs.AddItem(GalleryText(L"\x8bbe\x7f6e", L"Settings"), 3, kSettingsTab);
        m_tabs.AddItem(GalleryText(L"\x53d1\x97f3\x7ec3\x4e60\xff1a\x8ddf\x8bfb\x4e0e\x5f55\x97f3",
                                   L"Pronunciation practice"),
                       4, 5);
        m_tabs.SetCurSel(0);
        // The labels: a bold title, a link under the combo boxes (shown hovered) and a flashing line.
        enum : UINT { IDC_SIGNIN_TITLE = 1050, IDC_SIGNIN_FORGOT, IDC_SIGNIN_MESSAGES };
        const DWORD dwLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
        auto label = [&](CQVLabel& lbl, LPCTSTR lpszText, int x, int y, UINT nID) {
            lbl.SetTransparent(TRUE);
            lbl.Create(lpszText, dwLabel, CRect(x, y, x + 200, y + 16), this, nID);
            lbl.SetAutoSize(TRUE, 240);
        };
        label(m_title, GalleryText(L"\x767b\x5f55", L"Sign in"), kMargin, 8, IDC_SIGNIN_TITLE);
        m_title.SetTextColor(RGB(20, 60, 120));
        m_title.SetFontBold(TRUE);
        m_title.SetFontSize(18);
        label(m_forgot, GalleryText(L"\x5fd8\x8bb0\x5bc6\x7801\xff1f", L"Forgot your password?"), 340,
              kEditTop + 124, IDC_SIGNIN_FORGOT);
        m_forgot.SetTextColor(RGB(0, 0, 238));
        m_forgot.SetLink(TRUE, _T("www.study.cn/password"));
        m_forgot.SetFingerCursor();
        m_forgot.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        label(m_messages, GalleryText(L"\x0033\x6761\x65b0\x6d88\x606f", L"3 new messages"), kMargin, 300,
              IDC_SIGNIN_MESSAGES);
        m_messages.SetFontBold(TRUE);
        m_messages.StartFlash(QVLFT_TEXT);
        m_messages.SendMessage(WM_TIMER, QV_LABEL_FLASH_TIMER);  // the picture shows the flash colour
        // The combo boxes: a level, the chat colour, a face.
        const DWORD dwCombo = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        m_level.Create(dwCombo, CRect(340, kEditTop, 560, kEditTop + 200), this, IDC_SIGNIN_LEVEL);
        m_level.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        m_level.AddString(GalleryText(L"\x521d\x7ea7", L"Beginner"));
        m_level.AddString(GalleryText(L"\x4e2d\x7ea7", L"Intermediate"));
        m_level.AddString(GalleryText(L"\x9ad8\x7ea7", L"Advanced"));
        m_level.SetCurSel(1);
        // A drop list of colours is made as a template's would be, then subclassed.
        const HWND hColor =
            ::CreateWindowEx(0, _T("COMBOBOX"), NULL, dwCombo | CBS_OWNERDRAWFIXED, 340, kEditTop + 34, 220,
                             300, m_hWnd, reinterpret_cast<HMENU>(IDC_SIGNIN_COLOR), NULL, NULL);
        m_chatColor.SubclassWindow(hColor);
        m_chatColor.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        m_chatColor.InitMainColors();
        m_chatColor.SetCurColor(RGB(0, 128, 0));
        m_faces.SetImageSize(24, 24);
        m_faces.Create(dwCombo, CRect(340, kEditTop + 80, 560, kEditTop + 280), this, IDC_SIGNIN_FACES);
        TCHAR szTemp[MAX_PATH] = {};
        ::GetTempPath(MAX_PATH, szTemp);
        for (int n = 0; n < 4; ++n) {
            CString strPath;
            strPath.Format(_T("%sRIZGalleryFace%d.bmp"), szTemp, n);
            if (WriteFaceBitmap(strPath, n)) m_faces.AddBitmap(strPath);
            m_faceFiles.push_back(strPath);
        }
        m_faces.SetCurSel(0);
        return TRUE;
    }
    afx_msg void OnDestroy() {
        CSkinDialog::OnDestroy();
        for (const CString& strPath : m_faceFiles)
            ::DeleteFile(strPath);
    }
    void OnOK() override {}
    void OnCancel() override {}

    afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
        // The picture: a sky fading into a green hill, with a sun.
        CRect rc;
        GetClientRect(&rc);
        for (int y = 0; y < rc.Height(); ++y) {
            const int t = rc.Height() ? y * 255 / rc.Height() : 0;
            pDC->FillSolidRect(0, y, rc.Width(), 1, RGB(150 + t / 4, 190 + t / 8, 240 - t / 3));
        }
        CBrush brSun(RGB(255, 214, 90)), brHill(RGB(110, 170, 90));
        CQVSelectScope scope(pDC, ::GetStockObject(NULL_PEN), brSun.GetSafeHandle());
        pDC->Ellipse(rc.right - 80, 10, rc.right - 20, 70);
        scope.Select(brHill.GetSafeHandle());
        pDC->Ellipse(-60, rc.bottom - 90, rc.right + 60, rc.bottom + 200);
        return TRUE;
    }
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectStockObject(DEFAULT_GUI_FONT);
        const CString labels[] = {
            GalleryText(L"\x7528\x6237\x540d", L"User name"), GalleryText(L"\x5bc6\x7801", L"Password"),
            GalleryText(L"\x8054\x7cfb\x4eba", L"Contacts"),  GalleryText(L"\x901a\x77e5", L"Note"),
            GalleryText(L"\x6587\x4ef6\x540d", L"File name"), GalleryText(L"\x72b6\x6001", L"Status"),
        };
        for (int i = 0; i < 6; ++i)
            dc.TextOut(kMargin, kEditTop + 4 + 34 * i, labels[i]);
        dc.TextOut(kMargin + kTabsWidth + 12, kTabsTop + 5,
                   m_bSettingsRefused ? GalleryText(L"\x8bf7\x5148\x767b\x5f55\x518d\x6253\x5f00\x8bbe\x7f6e",
                                                    L"Sign in first to open Settings")
                                      : GalleryText(L"\x767b\x5f55\x540e\x53ef\x6253\x5f00\x8bbe\x7f6e",
                                                    L"Settings open after sign-in"));
    }
    // The tab strip asks before a click changes the tab: "Settings" waits for a sign-in this page
    // never has.
    afx_msg LRESULT OnTabSelChanging(WPARAM wParam, LPARAM) {
        if (m_tabs.GetItemData(static_cast<int>(wParam)) != kSettingsTab) return 0;
        m_bSettingsRefused = TRUE;
        InvalidateRect(CRect(kMargin + kTabsWidth, kTabsTop, 600, kTabsTop + 24));
        return 1;
    }
    DECLARE_MESSAGE_MAP()

    std::vector<WORD> m_template;
    CQVEdit m_user, m_password, m_search, m_note, m_disabled;
    CQVEditEx m_file;
    CQVTabCtrl m_tabs;
    BOOL m_bSettingsRefused = FALSE;
    CQVLabel m_title, m_forgot, m_messages;
    CQVComboBox m_level;
    CQVColorComboBox m_chatColor;
    CQVBitmapComboBox m_faces;
    std::vector<CString> m_faceFiles;  // the generated faces, removed with the dialog
};

BEGIN_MESSAGE_MAP(CSignInDlg, CSkinDialog)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_QV_TABSELCHANGING, &CSignInDlg::OnTabSelChanging)
ON_WM_DESTROY()
END_MESSAGE_MAP()

class CSignInPage : public CGalleryDialogPage<CSignInDlg> {
public:
    CSignInPage()
        : CGalleryDialogPage(_T("sign-in"), _T("Sign-in"),
                             L"\x767b\x5f55\x5bf9\x8bdd\x6846\xff1a\x76ae\x80a4\x63a7\x4ef6",
                             L"A skinned dialog with the skinned controls of a sign-in form") {}
};

}  // namespace

REGISTER_GALLERY_PAGE(CSignInPage);
