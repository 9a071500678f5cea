// The study settings page: a skinned dialog with the skinned list, tree, group box, slider, spin,
// hot-key and date-time controls of a study client's settings. Its areas:
//  - left (x 12-330): the word book report view (y 12-150), a second word list whose header has the
//    all-disabled look (y 160-240), the course tree (y 250-400);
//  - right (x 345-628): the group box "Sound" (y 12-170) with the volume slider and the vertical
//    speaking-speed slider, the group box "Practice" (y 180-400) with "New words per day" (spin and
//    buddy), "Show main window" (hot key) and "Exam date" (date-time).
#include "../GalleryPage.h"

#include <RIZuruzezu.h>

#include <vector>

namespace {

constexpr int kMargin = 12;

class CStudySettingsDlg : public CSkinDialog {
public:
    BOOL CreateOver(CWnd* pOwner) {
        m_template = GalleryEmptyDialogTemplate(430, 280);
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner)) return FALSE;
        SetWindowText(GalleryText(L"\x5b66\x4e60\x8bbe\x7f6e", L"Study settings"));
        return TRUE;
    }

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        SetWindowPos(NULL, 0, 0, 640, 440, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CreateWordLists();
        CreateSoundAndPractice();
        CreateExamDate();
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}

    // ---- Left column: word lists and the course tree ----
    void CreateWordLists() {}

    // ---- Right column: the group boxes, sliders, spin and hot key ----
    void CreateSoundAndPractice() {
        enum : UINT {
            IDC_STUDY_SOUND = 1300,
            IDC_STUDY_VOLUME_LABEL,
            IDC_STUDY_VOLUME,
            IDC_STUDY_SPEED_LABEL,
            IDC_STUDY_SPEED,
            IDC_STUDY_PRACTICE,
            IDC_STUDY_WORDS_LABEL,
            IDC_STUDY_WORDS,
            IDC_STUDY_WORDS_SPIN,
            IDC_STUDY_HOTKEY_LABEL,
            IDC_STUDY_HOTKEY
        };
        auto label = [&](CQVLabel& lbl, LPCWSTR lpszZh, LPCWSTR lpszEn, int x, int y, UINT nID) {
            lbl.SetTransparent(TRUE);
            lbl.Create(GalleryText(lpszZh, lpszEn), WS_CHILD | WS_VISIBLE | SS_LEFT,
                       CRect(x, y, x + 130, y + 16), this, nID);
        };
        // "Sound": the volume with a tick per step, the speaking speed as a vertical slider.
        m_sound.Create(GalleryText(L"\x58f0\x97f3", L"Sound"), WS_CHILD | WS_VISIBLE,
                       CRect(345, 12, 628, 170), this, IDC_STUDY_SOUND);
        label(m_volumeLabel, L"\x97f3\x91cf", L"Volume", 360, 36, IDC_STUDY_VOLUME_LABEL);
        m_volume.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS | TBS_BOTTOM,
                        CRect(360, 54, 612, 90), this, IDC_STUDY_VOLUME);
        m_volume.SetRange(0, 10, TRUE);
        m_volume.SetPos(7);
        label(m_speedLabel, L"\x8bed\x901f", L"Speaking speed", 360, 112, IDC_STUDY_SPEED_LABEL);
        m_speed.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_VERT | TBS_AUTOTICKS | TBS_RIGHT,
                       CRect(500, 96, 536, 164), this, IDC_STUDY_SPEED);
        m_speed.SetRange(1, 5, TRUE);
        m_speed.SetPos(2);
        // "Practice": new words per day with its spin, the hot key that shows the main window; the
        // exam date goes below them (y 330-380).
        m_practice.Create(GalleryText(L"\x7ec3\x4e60", L"Practice"), WS_CHILD | WS_VISIBLE,
                          CRect(345, 180, 628, 400), this, IDC_STUDY_PRACTICE);
        label(m_wordsLabel, L"\x6bcf\x5929\x65b0\x8bcd\x6570", L"New words per day", 360, 212,
              IDC_STUDY_WORDS_LABEL);
        m_words.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER,
                         500, 208, 60, 22, m_hWnd, reinterpret_cast<HMENU>(IDC_STUDY_WORDS));
        m_words.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
        m_wordsSpin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                           CRect(561, 208, 577, 230), this, IDC_STUDY_WORDS_SPIN);
        m_wordsSpin.SetBuddy(&m_words);
        m_wordsSpin.SetRange(5, 100);
        m_wordsSpin.SetPos(20);
        label(m_hotKeyLabel, L"\x663e\x793a\x4e3b\x7a97\x53e3", L"Show main window", 360, 262,
              IDC_STUDY_HOTKEY_LABEL);
        m_hotKey.CreateEx(WS_EX_CLIENTEDGE, HOTKEY_CLASS, _T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                          CRect(500, 258, 612, 280), this, IDC_STUDY_HOTKEY);
        m_hotKey.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
        m_hotKey.SetHotKey('Z', HOTKEYF_CONTROL | HOTKEYF_ALT);
    }
    CQVGroupBox m_sound, m_practice;
    CQVLabel m_volumeLabel, m_speedLabel, m_wordsLabel, m_hotKeyLabel;
    CQVSliderCtrl m_volume, m_speed;
    CQVEdit m_words;
    CQVSpinButtonCtrl m_wordsSpin;
    CQVHotKeyCtrl m_hotKey;

    // ---- Right column, in "Practice": the exam date ----
    void CreateExamDate() {}

private:
    std::vector<WORD> m_template;
};

class CStudySettingsPage : public CGalleryPaintPage {
public:
    ~CStudySettingsPage() override {
        if (m_dialog.GetSafeHwnd()) m_dialog.DestroyWindow();
    }
    LPCTSTR GetName() const override { return _T("study-settings"); }
    LPCTSTR GetTitle() const override { return _T("Study settings"); }

    BOOL Create(HWND hParent, const RECT& rc) override {
        if (!CGalleryPaintPage::Create(hParent, rc)) return FALSE;
        if (!m_dialog.CreateOver(CWnd::FromHandle(hParent))) return FALSE;
        OnShow();
        return TRUE;
    }
    void OnShow() override {
        CPoint pt(kMargin, kMargin + 24);
        ::ClientToScreen(GetSafeHwnd(), &pt);
        m_dialog.SetWindowPos(&CWnd::wndTop, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    void OnHide() override {
        if (m_dialog.GetSafeHwnd()) m_dialog.ShowWindow(SW_HIDE);
    }

protected:
    void Paint(CDC* pDC, const CRect&) override {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->TextOut(kMargin, kMargin,
                     GalleryText(L"\x5b66\x4e60\x8bbe\x7f6e\x5bf9\x8bdd\x6846\xff1a\x5217\x8868\x3001\x6811"
                                 L"\x548c\x5c0f\x63a7\x4ef6",
                                 L"A skinned dialog of study settings: lists, a tree and small controls"));
    }

private:
    CStudySettingsDlg m_dialog;
};

}  // namespace

REGISTER_GALLERY_PAGE(CStudySettingsPage);
