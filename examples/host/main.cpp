// An outside program using the package: a console host with no application object, as the framework
// allows after AfxWinInit. It draws into a memory bitmap, runs a window with a message map and a modal
// dialog from an in-memory template, runs a skinned dialog and a skinned message box with their input
// posted, shows a skinned button in the default skin, switches the whole process to the second skin as a
// client does, and checks what came back.
#include <afxwin.h>

#include <RIZuruzezu.h>
#include <QVSkinResManager.h>

#include <stdio.h>

#include <vector>

namespace {

// A window that counts the clicks its message map receives.
class CClickWnd : public CWnd {
public:
    int m_nClicks = 0;
    CPoint m_ptLast;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        ++m_nClicks;
        m_ptLast = point;
        CWnd::OnLButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickWnd, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// A dialog that accepts itself as soon as it starts: the OK command is posted before its modal loop runs.
class CAutoOkDialog : public CDialog {
public:
    BOOL m_bInitialized = FALSE;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_bInitialized = TRUE;
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
};

// An in-memory dialog template: a caption and one OK button.
std::vector<WORD> MakeTemplate() {
    std::vector<WORD> t(64, 0);
    auto* dlg = reinterpret_cast<DLGTEMPLATE*>(t.data());
    dlg->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    dlg->cdit = 1;
    dlg->cx = 120;
    dlg->cy = 60;
    size_t i = sizeof(DLGTEMPLATE) / sizeof(WORD);
    t[i++] = 0;      // no menu
    t[i++] = 0;      // default class
    t[i++] = 0;      // no title
    if (i % 2) ++i;  // items start on a DWORD boundary
    auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(t.data() + i);
    item->style = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;
    item->x = 35;
    item->y = 35;
    item->cx = 50;
    item->cy = 14;
    item->id = IDOK;
    i += sizeof(DLGITEMTEMPLATE) / sizeof(WORD);
    t[i++] = 0xFFFF;
    t[i++] = 0x0080;  // button class
    t[i++] = 'O';
    t[i++] = 'K';
    t[i++] = 0;
    t[i++] = 0;  // no creation data
    return t;
}

// A skinned dialog on the same template: it grows by the skin frame and accepts itself.
class CAutoOkSkinDialog : public CSkinDialog {
public:
    BOOL m_bInitialized = FALSE;
    CSize m_sizeAdded;

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        m_bInitialized = TRUE;
        m_sizeAdded = GetSizeAdded();
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
};

// Clicks the second button ("No") of the message box that is running: from a timer, which fires inside
// the box's modal loop.
void CALLBACK ClickNoInMessageBox(HWND, UINT, UINT_PTR nTimer, DWORD) {
    HWND hBox = ::GetActiveWindow();
    if (hBox && ::GetDlgItem(hBox, 4000)) {
        ::KillTimer(NULL, nTimer);
        ::PostMessage(hBox, WM_COMMAND, MAKEWPARAM(4000, BN_CLICKED),
                      reinterpret_cast<LPARAM>(::GetDlgItem(hBox, 4000)));
    }
}

bool SkinnedDialogAndMessageBox(const std::vector<WORD>& dlgTemplate) {
    CAutoOkSkinDialog dlg;
    dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dlgTemplate.data()));
    const bool dialog = dlg.DoModal() == IDOK && dlg.m_bInitialized;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, &ClickNoInMessageBox);
    const int nResult = QVMessageBox(NULL, _T("Save your progress before closing?"), _T("Lesson 3"),
                                     MB_YESNO | MB_ICONQUESTION);
    ::KillTimer(NULL, nTimer);
    printf("host: skinned dialog %s (grown by %d x %d), message box answered %d\n", dialog ? "ok" : "failed",
           static_cast<int>(dlg.m_sizeAdded.cx), static_cast<int>(dlg.m_sizeAdded.cy), nResult);
    return dialog && nResult == IDNO;
}

// A push button drawn from the default skin: it takes the skin's push-button height, and after the
// switch to the second skin (load, then the skin-changed message) it takes that skin's height.
bool SkinnedButtonFollowsTheSkin() {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    if (pSkins->GetSkinsTotal() < 2 || pSkins->GetCurrentSkinkID() != 0) {
        printf("host: the shipped skins were not found beside the DLLs\n");
        return false;
    }
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), _T("skinned"), WS_POPUP, CRect(0, 0, 300, 100), NULL, 0))
        return false;
    CQVButton button;
    button.Create(_T("Send file"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 110, 40), &parent,
                  100);
    CRect rc;
    button.GetWindowRect(&rc);
    const int nDefaultHeight = pSkins->GetBtnRes()->m_nPushBtnHeight;
    bool ok = button.GetButtonType() == QVBT_IMAGE_TEXT && rc.Height() == nDefaultHeight;
    parent.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    ok = ok && pSkins->LoadSkin(pSkins->GetSkinFolder(1)) && pSkins->GetCurrentSkinkID() == 1;
    button.SendMessage(WM_QV_SKINCHANGED);
    button.GetWindowRect(&rc);
    const int nSecondHeight = pSkins->GetBtnRes()->m_nPushBtnHeight;
    ok = ok && nSecondHeight != nDefaultHeight && rc.Height() == nSecondHeight;
    parent.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    printf("host: button %d px high in %s, %d px in %s\n", nDefaultHeight, "the default skin", rc.Height(),
           "the second skin");
    parent.DestroyWindow();
    return ok;
}

}  // namespace

int main() {
    if (!AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), 0)) {
        printf("host: AfxWinInit failed\n");
        return 1;
    }

    CString strLesson;
    strLesson.Format(_T("Lesson %d: %s"), 3, _T("Greetings"));

    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap bmp;
    CClientDC screen(NULL);
    bmp.CreateCompatibleBitmap(&screen, 64, 32);
    CBitmap* pOld = dc.SelectObject(&bmp);
    CRect rc(0, 0, 64, 32);
    dc.FillSolidRect(&rc, RGB(10, 200, 30));
    rc.DeflateRect(8, 8);
    dc.FillSolidRect(&rc, RGB(200, 10, 30));
    const COLORREF outer = dc.GetPixel(2, 2);
    const COLORREF inner = dc.GetPixel(rc.CenterPoint());
    dc.SelectObject(pOld);
    const bool drawn = outer == RGB(10, 200, 30) && inner == RGB(200, 10, 30);

    CClickWnd wnd;
    const BOOL created = wnd.CreateEx(0, AfxRegisterWndClass(0), _T("host"), WS_OVERLAPPEDWINDOW,
                                      CRect(0, 0, 200, 100), NULL, 0);
    if (created) {
        wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
        wnd.DestroyWindow();
    }
    const bool clicked = created && wnd.m_nClicks == 1 && wnd.m_ptLast == CPoint(12, 34);

    std::vector<WORD> dlgTemplate = MakeTemplate();
    CAutoOkDialog dlg;
    dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dlgTemplate.data()));
    const INT_PTR result = dlg.DoModal();
    const bool dialog = result == IDOK && dlg.m_bInitialized;

    const bool skinnedWindows = SkinnedDialogAndMessageBox(dlgTemplate);
    const bool skinned = SkinnedButtonFollowsTheSkin();

    const bool ok =
        strLesson == _T("Lesson 3: Greetings") && drawn && clicked && dialog && skinnedWindows && skinned;
    if (ok)
        printf("host: ok\n");
    else
        printf("host: wrong results (text %d, drawing %d, window %d, dialog %d, skinned windows %d, skinned "
               "button %d)\n",
               strLesson == _T("Lesson 3: Greetings"), drawn, clicked, dialog, skinnedWindows, skinned);
    return ok ? 0 : 1;
}
