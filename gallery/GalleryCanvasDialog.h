// A gallery page's skinned dialog of 640 x 450 with no controls in its template: derived pages name
// its title and create their controls by code in CreateContent.
#pragma once

#include "GalleryPage.h"

#include <QVLanResManager.h>
#include <RIZuruzezu.h>

#include <vector>

// A text of the language table by key.
inline CString GalleryKeyText(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

class CGalleryCanvasDialog : public CSkinDialog {
public:
    explicit CGalleryCanvasDialog(LPCTSTR lpszTitleKey) : m_lpszTitleKey(lpszTitleKey) {}

    BOOL CreateOver(CWnd* pOwner) {
        m_template = GalleryEmptyDialogTemplate(430, 275);
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner)) return FALSE;
        SetWindowText(GalleryKeyText(m_lpszTitleKey));
        return TRUE;
    }

protected:
    virtual void CreateContent() = 0;

    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        SetWindowPos(NULL, 0, 0, 640, 450, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CreateContent();
        return TRUE;
    }
    // The page's dialog stays open whatever key the user presses.
    void OnOK() override {}
    void OnCancel() override {}

    // A transparent caption above an area of the dialog, in the dialog's font.
    void Caption(CQVLabel& label, LPCTSTR lpszKey, const CRect& rc, UINT nID) {
        label.SetTransparent(TRUE);
        label.Create(GalleryKeyText(lpszKey), WS_CHILD | WS_VISIBLE | SS_LEFT, rc, this, nID);
        label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    }

private:
    LPCTSTR m_lpszTitleKey;
    std::vector<WORD> m_template;
};
