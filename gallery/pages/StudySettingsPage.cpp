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
    void CreateSoundAndPractice() {}

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
