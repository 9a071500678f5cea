// Skinned windows pages: a skinned dialog, a skinned frame with its menu bar (its first menu open in the
// screenshot) and a popup window; and one message box of each button set with each icon. The windows
// are real top-level windows standing over the page, owned by the gallery, hidden with their page.
#include "../GalleryPage.h"
#include "../GalleryResources.h"

#include <RIZuruzezu.h>
#include <QVAutoResHandle.h>
#include <QVMsgBoxRes.h>
#include <QVLanResManager.h>

#include <memory>
#include <vector>

namespace {

constexpr int kMargin = 12;
constexpr int kHeadingHeight = 22;

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

CFont& HeadingFont() {
    static CFont font;
    if (!font.GetSafeHandle()) font.CreatePointFont(90, _T("Tahoma"));
    return font;
}

// Moves a top-level window to a point of the page (page client coordinates) and shows it without
// taking the activation from the gallery.
void PlaceOverPage(HWND hWnd, HWND hPage, CPoint pt) {
    if (!::IsWindow(hWnd)) return;
    ::ClientToScreen(hPage, &pt);
    ::SetWindowPos(hWnd, HWND_TOP, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void HideWindow(HWND hWnd) {
    if (::IsWindow(hWnd)) ::ShowWindow(hWnd, SW_HIDE);
}

void DestroyTopLevel(HWND hWnd) {
    if (::IsWindow(hWnd)) ::DestroyWindow(hWnd);
}

// ---- The windows ----

// The send-file dialog, modeless: OK and Cancel leave it on the page.
class CSendFileDlg : public CSkinDialog {
public:
    CSendFileDlg() : CSkinDialog(IDD_GAL_SENDFILE) {}

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        TranslateWndStrings(this);
        SetDlgItemText(IDC_GAL_SEND_TO, _T("Li Lei"));
        SetDlgItemText(IDC_GAL_SEND_FILE, _T("Lesson 3.mp3"));
        CheckDlgButton(IDC_GAL_SEND_NOTIFY, BST_CHECKED);
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}
};

// Paints the skin's client background of its skinned window and one line of text on it.
class CTextClient : public CWnd {
public:
    CTextClient(CSkinWnd& skinWnd, LPCTSTR lpszKey) : m_skinWnd(skinWnd), m_strKey(lpszKey) {}

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        if (!m_skinWnd.DrawClientBkg(&dc, rc)) dc.FillSolidRect(&rc, ::GetSysColor(COLOR_WINDOW));
        CFont* pOld = dc.SelectObject(&HeadingFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(24, 32, 48));
        rc.DeflateRect(kMargin, kMargin);
        dc.DrawText(Text(m_strKey), &rc, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        dc.SelectObject(pOld);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()

    CSkinWnd& m_skinWnd;
    CString m_strKey;
};

BEGIN_MESSAGE_MAP(CTextClient, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The lesson frame: its menu is the skinned menu bar; its view says the lesson's first line.
class CLessonFrame : public CSkinFrameWnd {
public:
    CLessonFrame() : m_view(m_SkinWnd, _T("IDS_GALLERY_FRAME_TEXT")) {}

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override {
        return m_view.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST);
    }
    afx_msg void OnLessonCommand(UINT) {}
    afx_msg void OnUpdateLessonCommand(CCmdUI* pCmdUI) { pCmdUI->SetCheck(pCmdUI->m_nID == ID_GAL_PINYIN); }
    DECLARE_MESSAGE_MAP()

    CTextClient m_view;
};

BEGIN_MESSAGE_MAP(CLessonFrame, CSkinFrameWnd)
ON_COMMAND_RANGE(ID_GAL_OPEN, ID_GAL_ABOUT, &CLessonFrame::OnLessonCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_GAL_OPEN, ID_GAL_ABOUT, &CLessonFrame::OnUpdateLessonCommand)
END_MESSAGE_MAP()

// A small notice window.
class CNoticePopup : public CSkinPopupWnd {
public:
    CNoticePopup() : m_text(m_SkinWnd, _T("IDS_GALLERY_POPUP_TEXT")) {}
    BOOL CreateNotice(CWnd* pOwner) {
        if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)),
                      Text(_T("IDS_GALLERY_POPUP_TITLE")), WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      CRect(0, 0, 240, 110), pOwner, 0))
            return FALSE;
        CRect rc;
        GetClientRect(&rc);
        return m_text.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rc, this, 1);
    }

private:
    CTextClient m_text;
};

// ---- Skinned windows page ----

class CSkinWindowsPage : public CGalleryPaintPage {
public:
    ~CSkinWindowsPage() override {
        DestroyTopLevel(m_dialog.GetSafeHwnd());
        DestroyTopLevel(m_hFrame);  // the frame deletes itself
        DestroyTopLevel(m_popup.GetSafeHwnd());
    }
    LPCTSTR GetName() const override { return _T("skinned-windows"); }
    LPCTSTR GetTitle() const override { return _T("Skinned windows"); }

    BOOL Create(HWND hParent, const RECT& rc) override {
        if (!CGalleryPaintPage::Create(hParent, rc)) return FALSE;
        CWnd* pOwner = CWnd::FromHandle(hParent);
        if (!m_dialog.Create(IDD_GAL_SENDFILE, pOwner)) return FALSE;
        auto* pFrame = new CLessonFrame;
        if (!pFrame->Create(NULL, Text(_T("IDS_GALLERY_FRAME_TITLE")), WS_OVERLAPPEDWINDOW,
                            CRect(0, 0, 420, 250), pOwner, MAKEINTRESOURCE(IDR_GAL_SKINFRAME)))
            return FALSE;
        m_hFrame = pFrame->GetSafeHwnd();
        // The menu's texts are language keys: the language message translates them, bar included.
        pFrame->SendMessage(WM_QV_LANCHANGED);
        if (!m_popup.CreateNotice(pOwner)) return FALSE;
        OnShow();
        return TRUE;
    }

    void OnShow() override {
        HWND hPage = GetSafeHwnd();
        PlaceOverPage(m_dialog.GetSafeHwnd(), hPage, CPoint(kMargin, kMargin + 2 * kHeadingHeight));
        PlaceOverPage(m_popup.GetSafeHwnd(), hPage, CPoint(kMargin, 360));
        PlaceOverPage(m_hFrame, hPage, CPoint(380, kMargin + 2 * kHeadingHeight));
        // The frame is drawn as the active window, the dialog and the popup as inactive ones.
        if (::IsWindow(m_hFrame)) ::SendMessage(m_hFrame, WM_NCACTIVATE, TRUE, 0);
    }

    void OnHide() override {
        HideWindow(m_dialog.GetSafeHwnd());
        HideWindow(m_hFrame);
        HideWindow(m_popup.GetSafeHwnd());
    }

    // The screenshot is taken with the frame's first menu open: from a timer that fires inside the
    // menu's own loop, which it then ends.
    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        auto* pFrame = DYNAMIC_DOWNCAST(CSkinFrameWnd, CWnd::FromHandlePermanent(m_hFrame));
        if (!pFrame) return capture();
        s_pCapture = &capture;
        s_hShot = NULL;
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 400, &ShootFromMenu);
        CSkinWnd& bar = pFrame->GetSkinWnd();
        bar.SetSelectMenuItem(0);
        bar.PopupMenu();
        ::KillTimer(NULL, nTimer);
        bar.SetSelectMenuItem(-1);
        HBITMAP hShot = s_hShot ? s_hShot : capture();
        s_pCapture = NULL;
        return hShot;
    }

protected:
    void Paint(CDC* pDC, const CRect& rcClient) override {
        CFont* pOld = pDC->SelectObject(&HeadingFont());
        pDC->SetTextColor(RGB(24, 32, 48));
        pDC->SetBkMode(TRANSPARENT);
        CRect rcHint(kMargin, kMargin, rcClient.right - kMargin, kMargin + kHeadingHeight);
        pDC->DrawText(Text(_T("IDS_GALLERY_SKINWND_HINT")), &rcHint,
                      DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
        pDC->TextOut(kMargin, kMargin + kHeadingHeight, Text(_T("IDS_GALLERY_SKINWND_DIALOG")));
        pDC->TextOut(380, kMargin + kHeadingHeight, Text(_T("IDS_GALLERY_SKINWND_FRAME")));
        pDC->TextOut(kMargin, 360 - kHeadingHeight, Text(_T("IDS_GALLERY_SKINWND_POPUP")));
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

    CSendFileDlg m_dialog;
    HWND m_hFrame = NULL;
    CNoticePopup m_popup;
};

const std::function<HBITMAP()>* CSkinWindowsPage::s_pCapture = NULL;
HBITMAP CSkinWindowsPage::s_hShot = NULL;

REGISTER_GALLERY_PAGE(CSkinWindowsPage);

// ---- Message boxes page ----

// A message box left open on the page: made on the library's template like QVMessageBox makes it, but
// modeless; its buttons hide it until the page is shown again.
class CPageMsgBox : public CQVMsgBox {
public:
    CPageMsgBox(CWnd* pOwner, LPCTSTR lpszCaption, LPCTSTR lpszText, UINT nType)
        : CQVMsgBox(pOwner, lpszCaption, lpszText, nType) {}
    BOOL CreateBox(CWnd* pOwner) {
        CQVAutoResHandle resources(RIZGetInstanceHandle());
        return Create(IDD_QV_MSGBOX, pOwner);
    }
};

struct MsgBoxSample {
    LPCTSTR lpszTextKey;
    UINT nType;
};

const MsgBoxSample kMsgBoxes[] = {
    {_T("IDS_GALLERY_MBOX_DOWNLOADED"), MB_OK | MB_ICONINFORMATION},
    {_T("IDS_GALLERY_MBOX_SEND"), MB_OKCANCEL | MB_ICONQUESTION},
    {_T("IDS_GALLERY_MBOX_OVERWRITE"), MB_YESNO | MB_ICONWARNING},
    {_T("IDS_GALLERY_MBOX_SAVE"), MB_YESNOCANCEL | MB_ICONQUESTION},
    {_T("IDS_GALLERY_MBOX_FAILED"), MB_RETRYCANCEL | MB_ICONERROR},
    {_T("IDS_GALLERY_MBOX_DISK"), MB_ABORTRETRYIGNORE | MB_ICONERROR},
};

class CMessageBoxesPage : public CGalleryPaintPage {
public:
    ~CMessageBoxesPage() override {
        for (auto& pBox : m_boxes)
            DestroyTopLevel(pBox->GetSafeHwnd());
    }
    LPCTSTR GetName() const override { return _T("message-boxes"); }
    LPCTSTR GetTitle() const override { return _T("Message boxes"); }

    BOOL Create(HWND hParent, const RECT& rc) override {
        if (!CGalleryPaintPage::Create(hParent, rc)) return FALSE;
        CWnd* pOwner = CWnd::FromHandle(hParent);
        for (const MsgBoxSample& sample : kMsgBoxes) {
            m_boxes.emplace_back(new CPageMsgBox(pOwner, Text(_T("IDS_GALLERY_TITLE")),
                                                 Text(sample.lpszTextKey), sample.nType));
            if (!m_boxes.back()->CreateBox(pOwner)) return FALSE;
        }
        OnShow();
        return TRUE;
    }

    // Two columns of boxes, each box as large as its text made it.
    void OnShow() override {
        CRect rcPage;
        ::GetClientRect(GetSafeHwnd(), &rcPage);
        const int nColumnWidth = (rcPage.Width() - 3 * kMargin) / 2;
        int y[2] = {kMargin, kMargin};
        for (size_t i = 0; i < m_boxes.size(); ++i) {
            const int nColumn = static_cast<int>(i % 2);
            HWND hBox = m_boxes[i]->GetSafeHwnd();
            PlaceOverPage(hBox, GetSafeHwnd(),
                          CPoint(kMargin + nColumn * (nColumnWidth + kMargin), y[nColumn]));
            CRect rcBox;
            ::GetWindowRect(hBox, &rcBox);
            y[nColumn] += rcBox.Height() + kMargin;
        }
    }

    void OnHide() override {
        for (auto& pBox : m_boxes)
            HideWindow(pBox->GetSafeHwnd());
    }

protected:
    void Paint(CDC*, const CRect&) override {}

private:
    std::vector<std::unique_ptr<CPageMsgBox>> m_boxes;
};

REGISTER_GALLERY_PAGE(CMessageBoxesPage);

}  // namespace
