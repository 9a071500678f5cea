// Automatic skinning's figures: a message to an automatically skinned child against the bare control,
// a 100-control dialog's OnInitDialog with and without automatic skinning, and a skin change across
// 200 skinned controls against invalidating them all.
#include <RIZuruzezu.h>

#include "Bench.h"
#include "BenchWindows.h"

#include <commctrl.h>
#include <initializer_list>

namespace {

// A dialog template of nCount controls cycling through list boxes, edits, buttons and labels.
std::vector<WORD> ManyControlsTemplate(int nCount) {
    std::vector<WORD> t;
    auto dword = [&t](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    dword(WS_POPUP);
    dword(0);
    t.push_back(static_cast<WORD>(nCount));
    for (int v : std::initializer_list<int>{0, 0, 400, 300, 0, 0,
                                            0})  // position, size, no menu, the dialog class, no title
        t.push_back(static_cast<WORD>(v));
    const DWORD styles[] = {WS_VSCROLL | LBS_NOINTEGRALHEIGHT, ES_AUTOHSCROLL, BS_PUSHBUTTON, SS_LEFT};
    const WORD classes[] = {0x83, 0x81, 0x80, 0x82};  // list box, edit, button, static
    for (int i = 0; i < nCount; ++i) {
        if (t.size() % 2) t.push_back(0);
        dword(WS_CHILD | WS_VISIBLE | styles[i % 4]);
        dword(0);
        for (int v : std::initializer_list<int>{(i % 10) * 40, (i / 10) * 30, 36, 26, 100 + i, 0xFFFF,
                                                classes[i % 4], 0, 0})
            t.push_back(static_cast<WORD>(v));
    }
    return t;
}

class CManyDialog : public CSkinDialog {
public:
    explicit CManyDialog(BOOL bAuto) { SetAutoLoadCtrl(bAuto); }
};

void AutoSkinSuite() {
    InstallScrollBarHook();
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(300, 200)) return;
    {
        // The same message to a list box left alone and to one skinned automatically (its object
        // over the skinned bars' procedure over the system's).
        auto listBox = [&parent]() {
            return ::CreateWindowEx(0, _T("LISTBOX"), _T(""), WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 100,
                                    100, parent.m_hWnd, nullptr, nullptr, nullptr);
        };
        HWND hLists[2];
        hLists[1] = listBox();
        std::vector<CWnd*> made;
        QVSkin_AutoLoadControl(&parent, made);
        hLists[0] = listBox();
        rizbench::PumpPending();
        auto dispatch = [](HWND hWnd) {
            return [hWnd](int n) {
                for (int i = 0; i < n; ++i)
                    rizbench::DoNotOptimize(
                        reinterpret_cast<void*>(::SendMessage(hWnd, LB_GETTOPINDEX, 0, 0)));
            };
        };
        {
            rizbench::Suite suite("auto-skin: a message to a list box (LB_GETTOPINDEX)", "the bare control",
                                  dispatch(hLists[0]), 20000);
            suite.Add("skinned automatically", dispatch(hLists[1]));
        }
        QVSkin_ReleaseControl(&parent, made);
        for (HWND hList : hLists)
            ::DestroyWindow(hList);
    }
    {
        const std::vector<WORD> words = ManyControlsTemplate(100);
        auto openClose = [&words](BOOL bAuto) {
            return [&words, bAuto](int n) {
                for (int i = 0; i < n; ++i) {
                    CManyDialog dlg(bAuto);
                    dlg.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(words.data()));
                    dlg.DestroyWindow();
                }
            };
        };
        rizbench::Suite suite("auto-skin: a 100-control dialog opened and closed",
                              "without automatic skinning", openClose(FALSE), 10);
        suite.Add("with automatic skinning", openClose(TRUE));
    }
    {
        // 200 controls skinned automatically in one shown dialog; the skin change is the dialog's
        // own handling of 0x7E9 (frame, children told, labels re-take the background rule).
        const std::vector<WORD> words = ManyControlsTemplate(200);
        CManyDialog dlg(TRUE);
        dlg.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(words.data()));
        dlg.ShowWindow(SW_SHOWNOACTIVATE);
        rizbench::PumpPending();
        const HWND hDlg = dlg.m_hWnd;
        // Both end with every control painted again, which is what the user waits for.
        const UINT nPaintAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
        auto invalidateAll = [hDlg, nPaintAll](int n) {
            for (int i = 0; i < n; ++i)
                ::RedrawWindow(hDlg, nullptr, nullptr, nPaintAll);
        };
        auto skinChange = [hDlg](int n) {
            for (int i = 0; i < n; ++i) {
                ::SendMessage(hDlg, WM_QV_SKINCHANGED, 0, 0);
                ::RedrawWindow(hDlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            }
        };
        rizbench::Suite suite("auto-skin: 200 skinned controls told of a change", "a plain invalidate-all",
                              invalidateAll, 20);
        suite.Add("a skin change", skinChange);
        dlg.DestroyWindow();
    }
    UnInstallScrollBarHook();
}

const rizbench::Register s_register(AutoSkinSuite, {"auto-skin: a message to a list box (LB_GETTOPINDEX)",
                                                    "auto-skin: a 100-control dialog opened and closed",
                                                    "auto-skin: 200 skinned controls told of a change"});

}  // namespace
