// The send files page: one "Send files" dialog twice, at its designed size and enlarged. Layout
// controls keep the pieces in place as it grows: the recipient line stays as it is (fixed), the file
// list and the note stretch, the Add, Remove and size line stay under the list's bottom edge and the
// Send and Cancel buttons at the bottom right (moved).
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVLanResManager.h>

namespace {

const LPCTSTR kFileKeys[] = {_T("IDS_GALLERY_XFER_F_LESSON"), _T("IDS_GALLERY_XFER_F_DICTATION"),
                             _T("IDS_GALLERY_XFER_F_WORDCARDS"), _T("IDS_GALLERY_XFER_F_HOMEWORK"),
                             _T("IDS_GALLERY_XFER_F_TIMETABLE")};

enum { kDesignedWidth = 300, kDesignedHeight = 250 };

class CSendFilesDlg : public CSkinDialog {
public:
    BOOL CreateOver(CWnd* pOwner, CSize szWindow) {
        m_szWindow = szWindow;
        m_template = GalleryEmptyDialogTemplate(200, 160);
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner)) return FALSE;
        SetWindowText(_T("~IDS_GALLERY_SENDFILES_TITLE"));
        TranslateWndStrings(this);
        return TRUE;
    }

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        // Built at the designed size; the layout controls then follow any size the window is given.
        SetWindowPos(NULL, 0, 0, kDesignedWidth, kDesignedHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rc;
        GetClientRect(&rc);
        const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        auto label = [&](CQVLabel& lbl, LPCTSTR lpszKey, const CRect& rcLabel, UINT nID) {
            lbl.SetTransparent(TRUE);
            lbl.Create(lpszKey, WS_CHILD | WS_VISIBLE | SS_LEFT, rcLabel, this, nID);
            lbl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        };
        auto button = [&](CQVButton& btn, LPCTSTR lpszKey, const CRect& rcButton, UINT nID) {
            btn.Create(lpszKey, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rcButton, this, nID);
            btn.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        };
        const int r = rc.right, b = rc.bottom;
        label(m_to, _T("~IDS_GALLERY_SENDFILES_TO"), CRect(10, 10, r - 10, 26), 1701);
        m_files.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                       CRect(10, 30, r - 10, b - 106), this, 1702);
        m_files.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        m_files.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        for (LPCTSTR lpszKey : kFileKeys)
            m_files.AddString(CQVLanResManager::GetSingletonPtr()->GetString(lpszKey));
        m_files.SetCurSel(1);
        button(m_add, _T("~IDS_GALLERY_SEND_ADD"), CRect(10, b - 100, 80, b - 76), 1703);
        button(m_remove, _T("~IDS_GALLERY_SEND_REMOVE"), CRect(86, b - 100, 156, b - 76), 1704);
        label(m_size, _T("~IDS_GALLERY_SEND_SIZE"), CRect(164, b - 95, r - 10, b - 79), 1705);
        m_note.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10,
                        b - 68, r - 20, 22, m_hWnd, reinterpret_cast<HMENU>(1706));
        m_note.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        m_note.SetWindowText(CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_GALLERY_SEND_NOTE")));
        button(m_send, _T("~IDS_GALLERY_SEND_SEND"), CRect(r - 164, b - 36, r - 88, b - 12), IDOK);
        button(m_cancel, _T("~IDS_GALLERY_SEND_CANCEL"), CRect(r - 82, b - 36, r - 10, b - 12), IDCANCEL);

        // Fixed: the recipient line. Stretched: the list. Moved down: the row under the list, the
        // note moved down and stretched across (two controls), the buttons moved to the corner.
        m_fixed.Initialize(this, SizeTypeFixed, SizeTypeFixed);
        m_fixed.AddCtrl(1701);
        m_stretched.Initialize(this, SizeTypeStretched, SizeTypeStretched);
        m_stretched.AddCtrl(1702);
        m_below.Initialize(this, SizeTypeFixed, SizeTypeMoved);
        m_below.AddCtrl(1703);
        m_below.AddCtrl(1704);
        m_below.AddCtrl(1705);
        m_noteLayout.Initialize(this, SizeTypeStretched, SizeTypeMoved);
        m_noteLayout.AddCtrl(1706);
        m_corner.Initialize(this, SizeTypeMoved, SizeTypeMoved);
        m_corner.AddCtrl(IDOK);
        m_corner.AddCtrl(IDCANCEL);
        for (CQVLayoutCtrl* pLayout : Layouts())
            pLayout->InitLayout(rc);
        TranslateWndStrings(this);
        SetWindowPos(NULL, 0, 0, m_szWindow.cx, m_szWindow.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT lResult = CSkinDialog::WindowProc(message, wParam, lParam);
        if (message == WM_SIZE && m_corner.GetCtrlCount())
            for (CQVLayoutCtrl* pLayout : Layouts())
                pLayout->LayoutCtrls(CRect(0, 0, LOWORD(lParam), HIWORD(lParam)));
        return lResult;
    }

private:
    std::vector<CQVLayoutCtrl*> Layouts() {
        return {&m_fixed, &m_stretched, &m_below, &m_noteLayout, &m_corner};
    }

    CSize m_szWindow;
    std::vector<WORD> m_template;
    CQVLabel m_to, m_size;
    CQVListBox m_files;
    CQVEdit m_note;
    CQVButton m_add, m_remove, m_send, m_cancel;
    CQVLayoutCtrl m_fixed, m_stretched, m_below, m_noteLayout, m_corner;
};

// Two dialogs over the page, shown and hidden with it.
class CSendFilesPage : public CGalleryPaintPage {
public:
    ~CSendFilesPage() override {
        for (CSendFilesDlg* pDlg : {&m_designed, &m_enlarged})
            if (pDlg->GetSafeHwnd()) pDlg->DestroyWindow();
    }
    LPCTSTR GetName() const override { return _T("send-files"); }
    LPCTSTR GetTitle() const override { return _T("Send files"); }
    BOOL Create(HWND hParent, const RECT& rc) override {
        if (!CGalleryPaintPage::Create(hParent, rc)) return FALSE;
        CWnd* pOwner = CWnd::FromHandle(hParent);
        if (!m_designed.CreateOver(pOwner, CSize(kDesignedWidth, kDesignedHeight)) ||
            !m_enlarged.CreateOver(pOwner, CSize(470, 400)))
            return FALSE;
        OnShow();
        return TRUE;
    }
    void OnShow() override {
        Place(m_designed, kLeft);
        Place(m_enlarged, kLeft + kDesignedWidth + 24);
    }
    void OnHide() override {
        for (CSendFilesDlg* pDlg : {&m_designed, &m_enlarged})
            if (pDlg->GetSafeHwnd()) pDlg->ShowWindow(SW_HIDE);
    }

protected:
    void Paint(CDC* pDC, const CRect&) override {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->TextOut(
            kLeft, kLeft,
            GalleryText(L"\x53d1\x9001\x6587\x4ef6\xff1a\x8bbe\x8ba1\x5927\x5c0f\x548c\x653e\x5927\x540e",
                        L"Send files: at its designed size and enlarged, every control kept in place"));
    }

private:
    void Place(CSendFilesDlg& dlg, int x) {
        CPoint pt(x, kTop);
        ::ClientToScreen(GetSafeHwnd(), &pt);
        dlg.SetWindowPos(&CWnd::wndTop, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    enum { kLeft = 12, kTop = 36 };
    CSendFilesDlg m_designed, m_enlarged;
};

}  // namespace

REGISTER_GALLERY_PAGE(CSendFilesPage);
