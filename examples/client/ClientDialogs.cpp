#include "ClientDialogs.h"

#include "ClientIds.h"

namespace {

// The rectangle of a placeholder control of the template, in the dialog's client coordinates.
CRect AreaOf(CWnd* pDlg, UINT nID) {
    CRect rc;
    CWnd* pArea = pDlg->GetDlgItem(nID);
    if (!pArea) return rc;
    pArea->GetWindowRect(&rc);
    pDlg->ScreenToClient(&rc);
    pArea->ShowWindow(SW_HIDE);
    return rc;
}

CString DateText(const COleDateTime& date) {
    CString str;
    if (date.GetStatus() == COleDateTime::valid)
        str.Format(_T("%04d-%02d-%02d"), date.GetYear(), date.GetMonth(), date.GetDay());
    return str;
}

}  // namespace

BOOL CClientDialog::Open(UINT nIDTemplate, CWnd* pParent) {
    if (GetSafeHwnd()) {
        ShowWindow(SW_SHOW);
        SetForegroundWindow();
        return TRUE;
    }
    m_bModeless = TRUE;
    if (!Create(nIDTemplate, pParent)) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CClientDialog::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    TranslateWndStrings(this);  // the library keeps the keys: every language change renames again
    Translate();
    return TRUE;
}

LRESULT CClientDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = CSkinDialog::WindowProc(message, wParam, lParam);
    if (message == WM_QV_LANCHANGED) Translate();
    return lResult;
}

void CClientDialog::OnCancel() {
    if (m_bModeless)
        DestroyWindow();
    else
        CSkinDialog::OnCancel();
}

void CClientDialog::OnOK() {
    if (m_bModeless)
        DestroyWindow();
    else
        CSkinDialog::OnOK();
}

void CClientDialog::PostNcDestroy() {
    CSkinDialog::PostNcDestroy();
    m_bModeless = FALSE;
}

BOOL CSettingsDialog::OnInitDialog() {
    CClientDialog::OnInitDialog();
    SetDlgItemText(IDC_SETTINGS_NAME, ClientText(_T("IDS_CLIENT_U1")));
    CheckDlgButton(IDC_SETTINGS_SOUND, BST_CHECKED);
    return TRUE;
}

void CSettingsDialog::Translate() {
    CComboBox* pLevel = static_cast<CComboBox*>(GetDlgItem(IDC_SETTINGS_LEVEL));
    if (!pLevel) return;
    const int nSel = pLevel->GetCount() > 0 ? pLevel->GetCurSel() : 1;
    pLevel->ResetContent();
    for (LPCTSTR lpszKey :
         {_T("IDS_CLIENT_SET_BEGINNER"), _T("IDS_CLIENT_SET_MIDDLE"), _T("IDS_CLIENT_SET_ADVANCED")})
        pLevel->AddString(ClientText(lpszKey));
    pLevel->SetCurSel(nSel);
}

BOOL CPlannerDialog::OnInitDialog() {
    m_exam.SubclassDlgItem(IDC_PLANNER_EXAM, this);
    m_review.SubclassDlgItem(IDC_PLANNER_REVIEW, this);
    const COleDateTime today = COleDateTime::GetCurrentTime();
    m_exam.SetDate(today + COleDateTimeSpan(30, 0, 0, 0));
    m_review.SetDate(today + COleDateTimeSpan(2, 0, 0, 0));
    return CClientDialog::OnInitDialog();
}

BOOL CPlannerDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A date button reports a chosen day with its own id: its text shows the day.
    if (LOWORD(wParam) == IDC_PLANNER_EXAM || LOWORD(wParam) == IDC_PLANNER_REVIEW) {
        Translate();
        return TRUE;
    }
    return CClientDialog::OnCommand(wParam, lParam);
}

void CPlannerDialog::Translate() {
    if (m_exam.GetSafeHwnd()) m_exam.SetWindowText(DateText(m_exam.GetDate()));
    if (m_review.GetSafeHwnd()) m_review.SetWindowText(DateText(m_review.GetDate()));
}

BOOL CLessonDialog::OnInitDialog() {
    CClientDialog::OnInitDialog();
    m_sentences.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, AreaOf(this, IDC_LESSON_AREA), this,
                       IDC_LESSON_AREA + 100);
    m_sentences.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    m_sentences.SetKeyword(_T("your"));
    Translate();
    return TRUE;
}

void CLessonDialog::Translate() {
    if (!m_sentences.GetSafeHwnd()) return;
    m_sentences.ClearSentences();
    for (int n = 1; n <= 2; ++n) {
        CString strKey;
        strKey.Format(_T("IDS_CLIENT_SE_%d"), n);
        m_sentences.AddSentence(ClientText(strKey + _T("A")), ClientText(strKey + _T("B")),
                                ClientText(strKey + _T("C")), static_cast<DWORD>(n));
    }
    m_sentences.InitializeData();
}

BOOL CWordBookDialog::OnInitDialog() {
    CClientDialog::OnInitDialog();
    m_words.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                     AreaOf(this, IDC_WORDBOOK_AREA), this, IDC_WORDBOOK_AREA + 100);
    m_words.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_words.InsertColumn(0, _T(""), LVCFMT_LEFT, 90);
    m_words.InsertColumn(1, _T(""), LVCFMT_LEFT, 200);
    Translate();
    return TRUE;
}

void CWordBookDialog::Translate() {
    if (!m_words.GetSafeHwnd()) return;
    const LPCTSTR kHeads[] = {_T("IDS_CLIENT_COL_WORD"), _T("IDS_CLIENT_COL_MEANING")};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMN col = {};
        col.mask = LVCF_TEXT;
        CString strHead = ClientText(kHeads[c]);
        col.pszText = strHead.GetBuffer();
        m_words.SetColumn(c, &col);
        strHead.ReleaseBuffer();
    }
    m_words.DeleteAllItems();
    for (int n = 1; n <= 4; ++n) {
        CString strWord, strMeaning;
        strWord.Format(_T("IDS_CLIENT_W%d"), n);
        strMeaning.Format(_T("IDS_CLIENT_WM%d"), n);
        m_words.InsertItem(n - 1, ClientText(strWord));
        m_words.SetItemText(n - 1, 1, ClientText(strMeaning));
    }
}
