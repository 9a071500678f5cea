// An outside program using the package: a console host with no application object, as the framework
// allows after AfxWinInit. It draws into a memory bitmap, runs a window with a message map and a modal
// dialog from an in-memory template, and checks what came back.
#include <afxwin.h>

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

    const bool ok = strLesson == _T("Lesson 3: Greetings") && drawn && clicked && dialog;
    if (ok)
        printf("host: ok\n");
    else
        printf("host: wrong results (text %d, drawing %d, window %d, dialog %d)\n",
               strLesson == _T("Lesson 3: Greetings"), drawn, clicked, dialog);
    return ok ? 0 : 1;
}
