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
        SetWindowPos(NULL, 0, 0, 640, 470, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CreateWordLists();
        CreateSoundAndPractice();
        CreateExamDate();
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}

    // ---- Left column: word lists and the course tree ----
    void CreateWordLists() {
        // The word book: English words with their Chinese meanings, the header's "Meaning" held down.
        m_words.CreateEx(WS_EX_CLIENTEDGE,
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                         CRect(12, 12, 330, 150), this, kIdWords);
        m_words.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        m_words.InsertColumn(0, GalleryText(L"\x5355\x8bcd", L"Word"), LVCFMT_LEFT, 90);
        m_words.InsertColumn(1, GalleryText(L"\x91ca\x4e49", L"Meaning"), LVCFMT_LEFT, 120);
        m_words.InsertColumn(2, GalleryText(L"\x6dfb\x52a0\x65e5\x671f", L"Added"), LVCFMT_LEFT, 86);
        const struct {
            LPCWSTR lpszWord, lpszMeaning, lpszAdded;
        } words[] = {
            {L"abandon", L"\x653e\x5f03", L"2026-11-02"},
            {L"benefit", L"\x597d\x5904", L"2026-11-02"},
            {L"campus", L"\x6821\x56ed", L"2026-11-03"},
            {L"deliver", L"\x9012\x9001", L"2026-11-05"},
            {L"eager", L"\x6e34\x671b\x7684", L"2026-11-05"},
            {L"festival", L"\x8282\x65e5", L"2026-11-08"},
            {L"generous", L"\x6177\x6168\x7684", L"2026-11-09"},
            {L"harvest", L"\x6536\x83b7", L"2026-11-12"},
            {L"island", L"\x5c9b\x5c7f", L"2026-11-12"},
            {L"journey", L"\x65c5\x884c", L"2026-11-15"},
            {L"knowledge", L"\x77e5\x8bc6", L"2026-11-18"},
            {L"library", L"\x56fe\x4e66\x9986", L"2026-11-20"},
        };
        for (int i = 0; i < static_cast<int>(sizeof(words) / sizeof(words[0])); ++i) {
            m_words.InsertItem(i, CString(words[i].lpszWord));
            m_words.SetItemText(i, 1, CString(words[i].lpszMeaning));
            m_words.SetItemText(i, 2, CString(words[i].lpszAdded));
        }
        m_words.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
        CQVHeaderCtrl& header = m_words.GetSkinHeader();
        CRect rcItem;
        header.GetItemRect(1, &rcItem);
        const LPARAM lPoint = MAKELPARAM(rcItem.CenterPoint().x, rcItem.CenterPoint().y);
        header.SendMessage(WM_MOUSEMOVE, 0, lPoint);
        header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        // The system's header keeps the mouse while its button is down: the page's other controls get it
        // back.
        ::ReleaseCapture();

        // Words due for review: LVS_EX_BORDERSELECT when the list is skinned gives its header the
        // disabled look.
        const HWND hReview = ::CreateWindowEx(
            WS_EX_CLIENTEDGE, WC_LISTVIEW, _T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT, 12, 160,
            318, 80, m_hWnd, reinterpret_cast<HMENU>(kIdReview), AfxGetInstanceHandle(), NULL);
        ::SendMessage(hReview, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_BORDERSELECT | LVS_EX_FULLROWSELECT);
        m_review.SubclassWindow(hReview);
        m_review.InsertColumn(0, GalleryText(L"\x5f85\x590d\x4e60", L"To review"), LVCFMT_LEFT, 140);
        m_review.InsertColumn(1, GalleryText(L"\x4e0a\x6b21\x590d\x4e60", L"Last review"), LVCFMT_LEFT, 150);
        m_review.InsertItem(0, _T("campus"));
        m_review.SetItemText(0, 1, _T("2026-12-01"));
        m_review.InsertItem(1, _T("harvest"));
        m_review.SetItemText(1, 1, _T("2026-12-03"));

        // The course tree, open at Book 1 / Unit 3 / Lesson 2.
        m_course.CreateEx(WS_EX_CLIENTEDGE,
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS |
                              TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                          CRect(12, 250, 330, 400), this, kIdCourse);
        const HTREEITEM hBook = m_course.InsertItem(GalleryText(L"\x7b2c\x4e00\x518c", L"Book 1"));
        HTREEITEM hLesson = NULL;
        for (int nUnit = 1; nUnit <= 4; ++nUnit) {
            CString strUnit;
            strUnit.Format(GalleryText(L"\x7b2c %d \x5355\x5143", L"Unit %d"), nUnit);
            const HTREEITEM hUnit = m_course.InsertItem(strUnit, hBook);
            if (nUnit != 3) continue;
            for (int nLesson = 1; nLesson <= 3; ++nLesson) {
                CString strLesson;
                strLesson.Format(GalleryText(L"\x7b2c %d \x8bfe", L"Lesson %d"), nLesson);
                const HTREEITEM hItem = m_course.InsertItem(strLesson, hUnit);
                if (nLesson == 2) hLesson = hItem;
            }
            m_course.Expand(hUnit, TVE_EXPAND);
        }
        m_course.InsertItem(GalleryText(L"\x7b2c\x4e8c\x518c", L"Book 2"));
        m_course.Expand(hBook, TVE_EXPAND);
        m_course.SelectItem(hLesson);
    }
    static constexpr UINT kIdWords = 1201;
    static constexpr UINT kIdReview = 1202;
    static constexpr UINT kIdCourse = 1203;
    CQVListCtrl m_words;
    CQVListCtrl m_review;
    CQVTreeCtrl m_course;

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
        m_wordsPerDay.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T(""),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER, 500, 208, 60, 22, m_hWnd,
                               reinterpret_cast<HMENU>(IDC_STUDY_WORDS));
        m_wordsPerDay.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
        m_wordsSpin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                           CRect(561, 208, 577, 230), this, IDC_STUDY_WORDS_SPIN);
        m_wordsSpin.SetBuddy(&m_wordsPerDay);
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
    CQVEdit m_wordsPerDay;
    CQVSpinButtonCtrl m_wordsSpin;
    CQVHotKeyCtrl m_hotKey;

    // ---- Right column, in "Practice": the exam date ----
    // The label and the picker with a fixed date, its drop button held down: a move with the left
    // button down over the button presses it without opening the calendar.
    void CreateExamDate() {
        enum : UINT { IDC_STUDY_EXAM_LABEL = 1400, IDC_STUDY_EXAM_DATE };
        const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        m_examLabel.SetTransparent(TRUE);
        m_examLabel.Create(GalleryText(L"\x8003\x8bd5\x65e5\x671f", L"Exam date"),
                           WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(360, 342, 446, 358), this,
                           IDC_STUDY_EXAM_LABEL);
        m_examLabel.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        m_examDate.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(450, 338, 600, 362), this,
                          IDC_STUDY_EXAM_DATE);
        m_examDate.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        m_examDate.SetFormat(GalleryText(L"yyyy'\x5e74'M'\x6708'd'\x65e5'", L"yyyy'-'MM'-'dd"));
        SYSTEMTIME st = {2027, 6, 1, 7, 9, 0, 0, 0};
        m_examDate.SetTime(&st);
        const CPoint ptDrop = m_examDate.GetDropRect().CenterPoint();
        m_examDate.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptDrop.x, ptDrop.y));
    }
    CQVLabel m_examLabel;
    CQVDateTimeCtrl m_examDate;

private:
    std::vector<WORD> m_template;
};

class CStudySettingsPage : public CGalleryDialogPage<CStudySettingsDlg> {
public:
    CStudySettingsPage()
        : CGalleryDialogPage(_T("study-settings"), _T("Study settings"),
                             L"\x5b66\x4e60\x8bbe\x7f6e\x5bf9\x8bdd\x6846\xff1a\x5217\x8868\x3001\x6811\x548c"
                             L"\x5c0f\x63a7\x4ef6",
                             L"A skinned dialog of study settings: lists, a tree and small controls") {}
};

}  // namespace

REGISTER_GALLERY_PAGE(CStudySettingsPage);
