// The client's dialogs, each a skinned dialog on a template of client.rc whose "~KEY" texts follow the
// language: the settings (a plain template skinned automatically), the study planner (date buttons),
// a lesson in a sentence explorer and a word book in a word list (both modeless, so that they stay
// open beside the main window).
#pragma once

#include <afxwin.h>

#include <RIZuruzezu.h>

#include "ClientIds.h"
#include "ClientStyle.h"

class CClientDialog : public CSkinDialog {
public:
    CClientDialog(UINT nIDTemplate, CWnd* pParent, BOOL bAutoSkin)
        : CSkinDialog(nIDTemplate, pParent, bAutoSkin) {}
    // Opens a modeless dialog, or brings it forward when it is open.
    BOOL Open(UINT nIDTemplate, CWnd* pParent);

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Texts that are not "~KEY" window texts (list rows, dates): again after a language switch.
    virtual void Translate() {}
    void OnCancel() override;
    void OnOK() override;
    void PostNcDestroy() override;

    BOOL m_bModeless = FALSE;
};

class CSettingsDialog : public CClientDialog {
public:
    explicit CSettingsDialog(CWnd* pParent) : CClientDialog(IDD_SETTINGS, pParent, TRUE) {}

protected:
    BOOL OnInitDialog() override;
    void Translate() override;
};

class CPlannerDialog : public CClientDialog {
public:
    explicit CPlannerDialog(CWnd* pParent) : CClientDialog(IDD_PLANNER, pParent, FALSE) {}

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void Translate() override;

    CQVDatePickerBtn m_exam, m_review;
};

class CLessonDialog : public CClientDialog {
public:
    CLessonDialog() : CClientDialog(IDD_LESSON, nullptr, FALSE) {}
    CQVSentenceExplorer m_sentences;

protected:
    BOOL OnInitDialog() override;
    void Translate() override;
};

class CWordBookDialog : public CClientDialog {
public:
    CWordBookDialog() : CClientDialog(IDD_WORDBOOK, nullptr, FALSE) {}
    CQVWordListCtrl m_words;

protected:
    BOOL OnInitDialog() override;
    void Translate() override;
};
