// Classic toolbar figures: a repaint of ten image buttons with captions, a drop-down and a radio pair
// against the system's toolbar with the same buttons, images and captions, and a window of the same
// size painting one BitBlt, and the same bar docked in a skinned frame; the hit test of a mouse move against
// the system toolbar's TB_HITTEST.
#include <RIZuruzezu.h>

#include <commctrl.h>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kButtons = 10;
constexpr int kImage = 16;

const COLORREF kColours[kButtons] = {
    RGB(200, 40, 40),  RGB(40, 160, 60), RGB(40, 90, 200),  RGB(220, 150, 20), RGB(130, 60, 170),
    RGB(30, 150, 160), RGB(90, 90, 90),  RGB(200, 80, 140), RGB(120, 140, 30), RGB(60, 60, 140)};

// A 24-bit strip of kButtons solid squares with a magenta rim, written to the temporary folder.
CString WriteStrip() {
    TCHAR szTemp[MAX_PATH] = {};
    ::GetTempPath(MAX_PATH, szTemp);
    CString strPath;
    strPath.Format(_T("%sRIZClassicBench%lu.bmp"), szTemp, ::GetCurrentProcessId());
    const int cx = kImage * kButtons, cy = kImage, nStride = (cx * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {sizeof(info), cx, cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + nStride * cy;
    std::vector<BYTE> pixels(nStride * cy);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            const bool bRim = x % kImage == 0 || y == 0 || y == cy - 1;
            const COLORREF c = bRim ? RGB(255, 0, 255) : kColours[x / kImage];
            BYTE* p = &pixels[y * nStride + x * 3];
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    CFile out;
    if (!out.Open(strPath, CFile::modeCreate | CFile::modeWrite)) return CString();
    out.Write(&file, sizeof(file));
    out.Write(&info, sizeof(info));
    out.Write(pixels.data(), static_cast<UINT>(pixels.size()));
    out.Close();
    return strPath;
}

CString Caption(int i) {
    CString str;
    if (i < 4) str.Format(_T("Lesson %d"), i + 1);
    return str;
}

// The system toolbar: the same images, captions on the first four, a drop-down (5th) and a radio pair.
HWND MakeSystemToolbar(CWnd* pParent, const CRect& rc, const CString& strStrip) {
    HWND hBar = ::CreateWindowEx(
        0, TOOLBARCLASSNAME, NULL,
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE | CCS_NODIVIDER, rc.left, rc.top,
        rc.Width(), rc.Height(), pParent->GetSafeHwnd(), NULL, AfxGetInstanceHandle(), NULL);
    if (!hBar) return NULL;
    ::SendMessage(hBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessage(hBar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    HIMAGELIST hList =
        ImageList_LoadImage(NULL, strStrip, kImage, 0, RGB(255, 0, 255), IMAGE_BITMAP, LR_LOADFROMFILE);
    ::SendMessage(hBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hList));
    std::vector<CString> texts(kButtons);
    for (int i = 0; i < kButtons; ++i) {
        texts[i] = Caption(i);
        const BYTE style = i == 4 ? BTNS_DROPDOWN : i >= 6 && i < 8 ? BTNS_CHECKGROUP : BTNS_BUTTON;
        TBBUTTON button = {i,
                           4000 + i,
                           TBSTATE_ENABLED,
                           static_cast<BYTE>(style | BTNS_AUTOSIZE),
                           {0},
                           0,
                           texts[i].IsEmpty() ? -1
                                              : reinterpret_cast<INT_PTR>(static_cast<LPCTSTR>(texts[i]))};
        ::SendMessage(hBar, TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button));
    }
    return hBar;
}

template <class TBar>
void Fill(TBar& bar) {
    for (int i = 0; i < kButtons; ++i) {
        const ToolBarItemType nType = i == 4 ? TBIT_DROPDOWN : i >= 6 && i < 8 ? TBIT_RADIOBOX : TBIT_BUTTON;
        bar.AddItem(nType, nType == TBIT_RADIOBOX ? CString() : Caption(i), Caption(i), CSize(kImage, kImage),
                    i, 4000 + i);
    }
    bar.SetItemSelected(4006);
    bar.ReCalcToolBar();
}

void ClassicToolBarSuite() {
    rizbench::CParentWnd parent;
    if (!parent.CreateParent(640, 120)) return;
    const CString strStrip = WriteStrip();
    CQVBitmapList images;
    UINT ids[kButtons];
    for (int i = 0; i < kButtons; ++i)
        ids[i] = 4000 + i;
    images.LoadBitmaps(strStrip, strStrip, ids, kButtons, RGB(255, 0, 255));
    CQVToolBar bar;
    if (!bar.CreateEx(&parent, CRect(0, 0, 10, 10), 300)) return;
    bar.SetBitmapList(&images);
    Fill(bar);
    CRect rc;
    bar.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    const HWND hSystem = MakeSystemToolbar(&parent, rc + CPoint(0, 40), strStrip);
    rizbench::CBlitWnd blit;
    if (!blit.CreateBlit(&parent, rc + CPoint(0, 80), RGB(230, 240, 255))) return;
    // The same bar docked at the top of a skinned frame.
    CSkinFrameWnd* pFrame = new CSkinFrameWnd;  // deletes itself with its window
    pFrame->Create(NULL, _T("bench"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 200, 640, 400));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CQVDockToolBar docked;
    docked.CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 301);
    docked.SetBitmapList(&images);
    Fill(docked);
    docked.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&docked, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    parent.UpdateWindow();
    rizbench::PumpPending();
    CString strTitle;
    strTitle.Format(_T("classic toolbar: a repaint (%d x %d, 10 items with images)"), rc.Width(),
                    rc.Height());
    {
        rizbench::Suite paint(CStringA(strTitle).GetString(), "a window of its size painting one BitBlt",
                              rizbench::Repaint(blit), 300);
        if (hSystem)
            paint.Add("system toolbar, the same buttons", [hSystem](int n) {
                for (int i = 0; i < n; ++i) {
                    ::InvalidateRect(hSystem, NULL, TRUE);
                    ::UpdateWindow(hSystem);
                }
            });
        paint.Add("classic toolbar", rizbench::Repaint(bar));
        paint.Add("dockable toolbar, docked in a skinned frame", rizbench::Repaint(docked));
        paint.Add("classic toolbar, flat on white", [&bar](int n) {
            bar.SetFlatCtrl(TRUE, RGB(255, 255, 255), FALSE);
            rizbench::Repaint(bar)(n);
            bar.SetFlatCtrl(FALSE, 0, FALSE);
        });
    }
    if (hSystem) {
        const CPoint pt = bar.GetItemRect(4009).CenterPoint();
        POINT ptSystem = {rc.Width() - 10, rc.Height() / 2};
        rizbench::Suite hit(
            "classic toolbar: hit test of the last item", "system toolbar, TB_HITTEST",
            [&](int n) {
                for (int i = 0; i < n; ++i)
                    rizbench::DoNotOptimize(reinterpret_cast<void*>(
                        ::SendMessage(hSystem, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&ptSystem))));
            },
            20000);
        hit.Add("classic toolbar, a mouse move onto it and off", [&](int n) {
            for (int i = 0; i < n; ++i)
                bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(i & 1 ? pt.x : 2, pt.y));
        });
        hit.Add("classic toolbar, QVToolBarHitTest alone", [&](int n) {
            std::vector<ToolBarItem*> items;
            for (int i = 0; i < bar.GetItemCount(); ++i)
                items.push_back(bar.GetItem(i));
            for (int i = 0; i < n; ++i)
                rizbench::DoNotOptimize(
                    reinterpret_cast<void*>(static_cast<INT_PTR>(QVToolBarHitTest(items, pt))));
        });
    }
    pFrame->DestroyWindow();
    parent.DestroyWindow();
    rizbench::PumpPending();
    ::DeleteFile(strStrip);
}

const rizbench::Register s_register(&ClassicToolBarSuite,
                                    {"classic toolbar: a repaint (430 x 22, 10 items with images)",
                                     "classic toolbar: hit test of the last item"});

}  // namespace
