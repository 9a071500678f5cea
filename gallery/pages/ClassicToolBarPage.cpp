// The classic toolbar page: CQVToolBar windows in a skinned dialog. Its areas:
//  - the live toolbar (y 30) on the control-bar look: Play, Record, a "Speed" drop-down whose arrow
//    opens the speed menu, UK / US (radio), Loop (check) and a disabled Export; the status line under
//    it (y 64) shows the prompt of the item under the mouse and what was clicked;
//  - a still of the same toolbar (y 112): Play hot, Record pressed, US checked, Export disabled;
//  - the flat looks (y 170): on white, and transparent over the dialog.
// Texts come from the language table; the images are drawn by the page.
#include "../GalleryPage.h"
#include "UIObjectsArt.h"

#include <RIZuruzezu.h>

namespace {

using uigallery::Text;

enum : UINT {
    ID_PLAY = 2300,
    ID_RECORD,
    ID_SPEED,
    ID_UK,
    ID_US,
    ID_LOOP,
    ID_EXPORT,
    ID_SPEED_SLOW,
    ID_SPEED_FAST
};
enum { kIconCount = 7 };

// The 16-pixel images in the order of the bar's items; bGrey gives the disabled strip.
void DrawImage(CDC& dc, int nImage, int x, bool bGrey) {
    static const COLORREF kColours[kIconCount] = {RGB(40, 150, 70), RGB(210, 50, 50), RGB(40, 110, 200),
                                                  RGB(30, 60, 140), RGB(180, 40, 50), RGB(230, 150, 20),
                                                  RGB(110, 80, 170)};
    const COLORREF clr = bGrey ? RGB(165, 165, 165) : kColours[nImage];
    CBrush brush(clr);
    CPen pen(PS_SOLID, 1, clr);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CPen* pOldPen = dc.SelectObject(&pen);
    switch (nImage) {
    case 0: {  // play: a triangle
        POINT pts[3] = {{x + 4, 2}, {x + 13, 8}, {x + 4, 14}};
        dc.Polygon(pts, 3);
        break;
    }
    case 1:  // record: a dot
        dc.Ellipse(x + 3, 3, x + 13, 13);
        break;
    case 2:  // speed: a dial with its needle
        dc.Ellipse(x + 1, 2, x + 15, 16);
        dc.FillSolidRect(x + 7, 5, 2, 5, RGB(255, 255, 255));
        break;
    case 3:  // UK: a cross on blue
    case 4:  // US: stripes
        dc.FillSolidRect(x + 1, 3, 14, 10, nImage == 3 ? clr : RGB(255, 255, 255));
        if (nImage == 3) {
            dc.FillSolidRect(x + 1, 7, 14, 2, bGrey ? RGB(220, 220, 220) : RGB(255, 255, 255));
            dc.FillSolidRect(x + 7, 3, 2, 10, bGrey ? RGB(220, 220, 220) : RGB(255, 255, 255));
        } else {
            for (int y = 3; y < 13; y += 3)
                dc.FillSolidRect(x + 1, y, 14, 2, clr);
            dc.FillSolidRect(x + 1, 3, 6, 5, bGrey ? RGB(120, 120, 120) : RGB(30, 60, 140));
        }
        break;
    case 5:  // loop: a ring
        dc.SelectStockObject(NULL_BRUSH);
        dc.Ellipse(x + 2, 3, x + 14, 13);
        dc.Ellipse(x + 3, 4, x + 13, 12);
        break;
    default: {  // export: an arrow out of a tray
        dc.FillSolidRect(x + 2, 11, 12, 3, clr);
        POINT pts[3] = {{x + 8, 1}, {x + 13, 7}, {x + 3, 7}};
        dc.Polygon(pts, 3);
        dc.FillSolidRect(x + 7, 6, 3, 5, clr);
        break;
    }
    }
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}

// A toolbar that keeps the hot and pressed items the page gives it: it takes no mouse.
class CStillClassicBar : public CQVToolBar {
public:
    void Pose(UINT nHot, UINT nPressed) {
        m_nPressItem = FindItem(nPressed);
        m_nFocusItem = FindItem(nHot);
        Invalidate();
    }

protected:
    afx_msg void OnMouseMove(UINT, CPoint) {}
    afx_msg void OnLButtonDown(UINT, CPoint) {}
    afx_msg void OnMouseLeave() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStillClassicBar, CQVToolBar)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

class CClassicToolBarDlg : public CSkinDialog {
public:
    BOOL CreateOver(CWnd* pOwner) {
        m_template = GalleryEmptyDialogTemplate(420, 200);
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner)) return FALSE;
        SetWindowText(GalleryText(L"\x7ecf\x5178\x5de5\x5177\x680f", L"Classic toolbar"));
        return TRUE;
    }

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        SetWindowPos(NULL, 0, 0, 640, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bAutoMenuEnable = FALSE;
        const CString strStrip = uigallery::WriteDrawing(
            m_files, _T("ctb-normal.png"), 16 * kIconCount, 16,
            [](CDC& dc) {
                for (int i = 0; i < kIconCount; ++i)
                    DrawImage(dc, i, 16 * i, false);
            },
            TRUE);
        const CString strGrey = uigallery::WriteDrawing(
            m_files, _T("ctb-grey.png"), 16 * kIconCount, 16,
            [](CDC& dc) {
                for (int i = 0; i < kIconCount; ++i)
                    DrawImage(dc, i, 16 * i, true);
            },
            TRUE);
        const UINT ids[kIconCount] = {ID_PLAY, ID_RECORD, ID_SPEED, ID_UK, ID_US, ID_LOOP, ID_EXPORT};
        m_images.LoadBitmaps(strStrip, strGrey, ids, kIconCount, RGB(255, 0, 255));
        m_files.DeleteAll();

        Label(m_labels[0], _T("IDS_GALLERY_CTB_BAR"), 12, 10, 600);
        Label(m_status, _T("IDS_GALLERY_CTB_READY"), 12, 64, 600);
        Label(m_labels[1], _T("IDS_GALLERY_CTB_STILL"), 12, 92, 600);
        Label(m_labels[2], _T("IDS_GALLERY_CTB_FLAT"), 12, 150, 600);
        MakeBar(m_live, 12, 30);
        MakeBar(m_still, 12, 112);
        m_still.SetItemSelected(ID_US);
        m_still.Pose(ID_PLAY, ID_RECORD);
        MakeBar(m_flat, 12, 170);
        m_flat.SetFlatCtrl(TRUE, RGB(255, 255, 255), FALSE);
        MakeBar(m_transparent, 12, 210);
        m_transparent.SetFlatCtrl(TRUE, 0, TRUE);
        ShowPrompt(ID_PLAY);
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const UINT nID = LOWORD(wParam);
        if (nID < ID_PLAY || nID > ID_SPEED_FAST) return CSkinDialog::OnCommand(wParam, lParam);
        CString strWhat;
        if (nID >= ID_SPEED_SLOW)
            strWhat = nID == ID_SPEED_SLOW ? _T("0.75x") : _T("1.25x");
        else
            strWhat = Text(kKeys[nID - ID_PLAY]);
        m_status.SetWindowText(Text(_T("IDS_GALLERY_CTB_CLICKED")) + _T(" ") + strWhat);
        return TRUE;
    }
    // The prompt of the item under the mouse, or the idle text.
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM) {
        ShowPrompt(static_cast<UINT>(wParam));
        return 0;
    }
    // The arrow of "Speed": the speed menu under the item.
    afx_msg LRESULT OnDropDown(WPARAM wParam, LPARAM) {
        const CRect& rc = m_live.GetItemRect(static_cast<UINT>(wParam));
        CPoint pt(rc.left, rc.bottom);
        m_live.ClientToScreen(&pt);
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_SPEED_SLOW, _T("0.75x"));
        menu.AppendMenu(MF_STRING, ID_SPEED_FAST, _T("1.25x"));
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, pt.x, pt.y, this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    static constexpr LPCTSTR kKeys[] = {_T("IDS_GALLERY_CTB_PLAY"),  _T("IDS_GALLERY_CTB_RECORD"),
                                        _T("IDS_GALLERY_CTB_SPEED"), _T("IDS_GALLERY_CTB_UK"),
                                        _T("IDS_GALLERY_CTB_US"),    _T("IDS_GALLERY_CTB_LOOP"),
                                        _T("IDS_GALLERY_CTB_EXPORT")};

    void ShowPrompt(UINT nID) {
        const bool bItem = nID >= ID_PLAY && nID <= ID_EXPORT;
        m_status.SetWindowText(bItem ? Text(CString(kKeys[nID - ID_PLAY]) + _T("_TIP"))
                                     : Text(_T("IDS_GALLERY_CTB_READY")));
    }
    void Label(CQVLabel& label, LPCTSTR lpszKey, int x, int y, int cx) {
        label.SetTransparent(TRUE);
        label.Create(Text(lpszKey), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS,
                     CRect(x, y, x + cx, y + 16), this, 0xFFFF);
        label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    }
    void MakeBar(CQVToolBar& bar, int x, int y) {
        bar.CreateEx(this, CRect(x, y, x + 10, y + 10), 0xFFFE);
        bar.SetBitmapList(&m_images);
        const CSize sz(16, 16);
        auto text = [](int i) { return Text(kKeys[i]); };
        auto tip = [](int i) { return Text(CString(kKeys[i]) + _T("_TIP")); };
        bar.AddItem(TBIT_BUTTON, text(0), tip(0), sz, 0, ID_PLAY);
        bar.AddItem(TBIT_BUTTON, text(1), tip(1), sz, 1, ID_RECORD);
        bar.AddItem(TBIT_SEPARATOR, nullptr, nullptr, CSize(6, 22), -1, 0);
        bar.AddItem(TBIT_DROPDOWN, text(2), tip(2), sz, 2, ID_SPEED);
        bar.AddItem(TBIT_SEPARATOR, nullptr, nullptr, CSize(6, 22), -1, 0);
        bar.AddItem(TBIT_RADIOBOX, nullptr, tip(3), CSize(18, 16), 3, ID_UK);
        bar.AddItem(TBIT_RADIOBOX, nullptr, tip(4), CSize(18, 16), 4, ID_US);
        bar.AddItem(TBIT_SEPARATOR, nullptr, nullptr, CSize(6, 22), -1, 0);
        bar.AddItem(TBIT_CHECKBOX, nullptr, tip(5), CSize(18, 16), 5, ID_LOOP);
        bar.AddItem(TBIT_STATIC, Text(_T("IDS_GALLERY_CTB_LESSON")), nullptr, CSize(0, 16), -1, 0);
        bar.AddItem(TBIT_BUTTON, text(6), tip(6), sz, 6, ID_EXPORT);
        bar.EnableItem(ID_EXPORT, FALSE);
        bar.SetItemSelected(ID_UK);
        bar.SetNotifyWnd(this);
        bar.ReCalcToolBar();
    }

    uigallery::CPictureFiles m_files;
    CQVBitmapList m_images;
    CQVLabel m_labels[3], m_status;
    CQVToolBar m_live, m_flat, m_transparent;
    CStillClassicBar m_still;
    std::vector<WORD> m_template;
};

BEGIN_MESSAGE_MAP(CClassicToolBarDlg, CSkinDialog)
ON_MESSAGE(WM_SETMESSAGESTRING, &CClassicToolBarDlg::OnSetMessageString)
ON_MESSAGE(WM_QV_TOOLBARDROPDOWN, &CClassicToolBarDlg::OnDropDown)
END_MESSAGE_MAP()

class CClassicToolBarPage : public CGalleryDialogPage<CClassicToolBarDlg> {
public:
    CClassicToolBarPage()
        : CGalleryDialogPage(
              _T("study-toolbar-classic"), _T("Classic toolbar"),
              L"\x7ecf\x5178\x5de5\x5177\x680f\xff1a\x63d0\x793a\x3001\x4e0b\x62c9\x548c\x5355\x9009",
              L"Classic toolbars: prompts, the drop-down and radio groups") {}
};

}  // namespace

REGISTER_GALLERY_PAGE(CClassicToolBarPage);
