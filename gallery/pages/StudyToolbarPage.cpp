// The study toolbar page: item toolbars in a skinned dialog as the client shows them. Its areas:
//  - the full toolbar (y 30): Lessons, Words, Listen, Record with icons, the Dictionary menu (its drop
//    part asks the page for a menu), Show phonetics (check), UK / US (radio) between splitters, a
//    sparkling New messages and a right-aligned Settings; the last command under it (y 66);
//  - simple mode (y 112), multi-line at rows of 40 (y 170, left) and transparent over the dialog
//    (y 170, right);
//  - a narrowed toolbar whose overflow menu opens in the screenshot (y 300, left) and a still of one
//    item half faded in (y 300, right).
// Frames come from the skin and are set again after a skin switch; texts from the language table.
#include "../GalleryPage.h"
#include "UIObjectsArt.h"

#include <RIZuruzezu.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

using uigallery::Text;

enum : UINT {
    ID_LESSONS = 2100,
    ID_WORDS,
    ID_LISTEN,
    ID_RECORD,
    ID_DICTIONARY,
    ID_PHONETICS,
    ID_UK,
    ID_US,
    ID_MESSAGES,
    ID_SETTINGS,
    ID_EN_ZH,
    ID_ZH_EN,
};

// A still of a toolbar: it takes no timer ticks and no mouse, so a fade stays where the page left it.
class CStillToolBar : public CQVToolBarPlus {
public:
    // Hovers the item at pt and steps its fade nTicks times.
    void FadeItemIn(CPoint pt, int nTicks) {
        CQVToolBarPlus::OnMouseMove(0, pt);
        for (int i = 0; i < nTicks; ++i)
            CQVToolBarPlus::OnTimer(1);
        ::KillTimer(m_hWnd, 1);
    }

protected:
    afx_msg void OnTimer(UINT_PTR) {}
    afx_msg void OnMouseMove(UINT, CPoint) {}
    afx_msg void OnMouseLeave() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStillToolBar, CQVToolBarPlus)
ON_WM_TIMER()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

// The icons: 16 x 16, frame 0 in colour, frame 1 (disabled) grey.
void DrawIcon(CDC& dc, int nIcon, int x, COLORREF clr) {
    CPen pen(PS_SOLID, 2, clr);
    CBrush brush(clr);
    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    switch (nIcon) {
    case 0:  // a book
        dc.Rectangle(x + 2, 2, x + 14, 14);
        dc.FillSolidRect(x + 7, 3, 2, 10, RGB(255, 255, 255));
        break;
    case 1:  // word cards
        dc.Rectangle(x + 1, 5, x + 11, 14);
        dc.MoveTo(x + 5, 3);
        dc.LineTo(x + 14, 3);
        dc.LineTo(x + 14, 11);
        break;
    case 2:  // headphones
        dc.Arc(x + 2, 2, x + 14, 14, x + 14, 8, x + 2, 8);
        dc.Rectangle(x + 2, 9, x + 5, 14);
        dc.Rectangle(x + 11, 9, x + 14, 14);
        break;
    case 3:  // a record dot
        dc.Ellipse(x + 3, 3, x + 13, 13);
        break;
    case 4:  // a dictionary
        dc.Rectangle(x + 3, 1, x + 13, 15);
        dc.FillSolidRect(x + 5, 4, 6, 2, RGB(255, 255, 255));
        break;
    case 7:    // phonetics: letters
    case 8:    // UK
    case 9: {  // US
        const LPCTSTR kMarks[] = {_T("Aa"), _T("GB"), _T("US")};
        CFont font;
        font.CreatePointFont(nIcon == 7 ? 80 : 70, _T("Tahoma"), &dc);
        CFont* pOld = dc.SelectObject(&font);
        if (nIcon != 7) dc.Rectangle(x + 1, 2, x + 15, 14);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(nIcon == 7 ? clr : RGB(255, 255, 255));
        CRect rc(x, 0, x + 16, 16);
        dc.DrawText(kMarks[nIcon - 7], -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        dc.SelectObject(pOld);
        break;
    }
    case 5:  // an envelope
        dc.Rectangle(x + 1, 4, x + 15, 13);
        dc.SelectObject(CPen::FromHandle(static_cast<HPEN>(::GetStockObject(WHITE_PEN))));
        dc.MoveTo(x + 2, 5);
        dc.LineTo(x + 8, 9);
        dc.LineTo(x + 14, 5);
        break;
    default:  // a gear
        dc.Ellipse(x + 2, 2, x + 14, 14);
        dc.FillSolidRect(x + 6, 6, 4, 4, RGB(255, 255, 255));
        break;
    }
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}

constexpr int kIcons = 10;
const COLORREF kIconColours[kIcons] = {
    RGB(40, 110, 200), RGB(220, 130, 30), RGB(60, 150, 80), RGB(210, 50, 50), RGB(120, 80, 170),
    RGB(230, 160, 20), RGB(90, 100, 120), RGB(30, 90, 160), RGB(190, 40, 60), RGB(40, 70, 150)};

class CStudyToolbarDlg : public CSkinDialog {
public:
    BOOL CreateOver(CWnd* pOwner) {
        m_template = GalleryEmptyDialogTemplate(520, 330);
        // A sizing frame: narrowing the dialog narrows the full toolbar, whose rest goes to its overflow
        // menu.
        reinterpret_cast<DLGTEMPLATE*>(m_template.data())->style |= WS_THICKFRAME;
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner)) return FALSE;
        SetWindowText(GalleryText(L"\x5b66\x4e60\x5de5\x5177\x680f", L"Study toolbar"));
        return TRUE;
    }
    // The narrowed toolbar's overflow menu, open while the screenshot is taken.
    void OpenOverflowMenu() { m_narrow.OnMoreButtonClicked(); }

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        SetWindowPos(NULL, 0, 0, 790, 470, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // Its menus are the toolbars': no command handlers here to grey their entries.
        m_bAutoMenuEnable = FALSE;
        for (int i = 0; i < kIcons; ++i) {
            CString strName;
            strName.Format(_T("stb-icon%d.png"), i);
            m_icons[i] = uigallery::WriteDrawing(
                m_files, strName, 32, 16,
                [i](CDC& dc) {
                    DrawIcon(dc, i, 0, kIconColours[i]);
                    DrawIcon(dc, i, 16, RGB(170, 170, 170));
                },
                FALSE);
        }
        Label(m_labels[0], _T("IDS_GALLERY_STB_FULL"), 12, 10, 740);
        Label(m_status, _T("IDS_GALLERY_STB_CLICKED"), 12, 66, 500);
        Label(m_labels[1], _T("IDS_GALLERY_STB_SIMPLE"), 12, 92, 500);
        Label(m_labels[2], _T("IDS_GALLERY_STB_MULTILINE"), 12, 150, 340);
        Label(m_labels[3], _T("IDS_GALLERY_STB_TRANSPARENT"), 400, 150, 360);
        Label(m_labels[4], _T("IDS_GALLERY_STB_NARROW"), 12, 280, 340);
        Label(m_labels[5], _T("IDS_GALLERY_STB_FADE"), 400, 280, 360);

        MakeToolBar(m_full, CRect(12, 30, 772, 58), TRUE);
        MakeToolBar(m_simple, CRect(12, 110, 402, 138), TRUE);
        m_simple.MethodSetSimpleMode(TRUE);
        m_multi.SetMultiLine(TRUE, 40);
        MakeToolBar(m_multi, CRect(12, 168, 352, 256), FALSE);
        m_transparent.SetBackColor(TRUE, 0);
        MakeToolBar(m_transparent, CRect(400, 168, 772, 196), FALSE);
        MakeToolBar(m_narrow, CRect(12, 298, 262, 326), TRUE);
        MakeToolBar(m_still, CRect(400, 298, 700, 326), FALSE);
        m_still.FadeItemIn(m_still.GetItemRect(ID_WORDS).CenterPoint(), 5);
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}

    afx_msg void OnSize(UINT nType, int cx, int cy) {
        CSkinDialog::OnSize(nType, cx, cy);
        if (!m_full.GetSafeHwnd()) return;
        CRect rc(12, 30, std::max(12 + 60, cx - 12), 58);
        m_full.MoveWindow(&rc);
        m_full.RecalcLayout();
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const UINT nID = LOWORD(wParam);
        if (nID < ID_LESSONS || nID > ID_ZH_EN) return CSkinDialog::OnCommand(wParam, lParam);
        static const LPCTSTR kKeys[] = {
            _T("IDS_GALLERY_STB_LESSONS"),  _T("IDS_GALLERY_STB_WORDS"),      _T("IDS_GALLERY_STB_LISTEN"),
            _T("IDS_GALLERY_STB_RECORD"),   _T("IDS_GALLERY_STB_DICTIONARY"), _T("IDS_GALLERY_STB_PHONETICS"),
            _T("IDS_GALLERY_STB_UK"),       _T("IDS_GALLERY_STB_US"),         _T("IDS_GALLERY_STB_MESSAGES"),
            _T("IDS_GALLERY_STB_SETTINGS"), _T("IDS_GALLERY_STB_EN_ZH"),      _T("IDS_GALLERY_STB_ZH_EN")};
        m_status.SetWindowText(Text(_T("IDS_GALLERY_STB_CLICKED")) + _T(" ") + Text(kKeys[nID - ID_LESSONS]));
        m_status.Invalidate();
        return TRUE;
    }

    // The Dictionary item has no menu description: it asks for its menu, shown under the item.
    afx_msg LRESULT OnToolBarNotify(WPARAM wParam, LPARAM lParam) {
        if (wParam != TOOLBARPLUS_NOTIFY_DROPDOWN || static_cast<UINT>(lParam) != ID_DICTIONARY) return 0;
        CMenu menu;
        if (!menu.CreatePopupMenu()) return 0;
        menu.AppendMenu(MF_STRING, ID_EN_ZH, Text(_T("IDS_GALLERY_STB_EN_ZH")));
        menu.AppendMenu(MF_STRING, ID_ZH_EN, Text(_T("IDS_GALLERY_STB_ZH_EN")));
        const CRect rc = m_full.GetItemRect(ID_DICTIONARY);
        CPoint pt(rc.left, rc.bottom);
        m_full.ClientToScreen(&pt);
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, pt.x, pt.y, this);
        return 1;
    }
    // The skinned dialog passes the skin change to its children; the frames are the host's to set.
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam) {
        const LRESULT lResult = CSkinDialog::OnSkinChanged(wParam, lParam);
        for (CQVToolBarPlus* pBar : {&m_full, &m_simple, &m_multi, &m_transparent, &m_narrow,
                                     static_cast<CQVToolBarPlus*>(&m_still)}) {
            SetFrames(*pBar);
            pBar->RecalcLayout();
        }
        return lResult;
    }
    DECLARE_MESSAGE_MAP()

private:
    void Label(CQVLabel& label, LPCTSTR lpszKey, int x, int y, int cx) {
        label.SetTransparent(TRUE);
        label.Create(Text(lpszKey), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS,
                     CRect(x, y, x + cx, y + 16), this, 0xFFFF);
        label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    }
    static void SetFrames(CQVToolBarPlus& bar) {
        bar.SetButtonRes(_T("Common\\Button\\ToolBarPlus_Button.png"));
        bar.SetMenuButtonRes(_T("Common\\Button\\ToolBarPlus_MenuButton.png"),
                             _T("Common\\Button\\ToolBarPlus_MenuArrowPart.png"));
    }
    void Add(CQVToolBarPlus& bar, int nType, UINT nID, LPCTSTR lpszKey, int nIcon, DWORD dwMask = 0) {
        ToolBarPlus_ItemInfo info;
        info.nType = nType;
        info.nID = nID;
        info.nMask = TBPIF_SIZENORMAL | TBPIF_SIZESIMPLE | dwMask;
        info.szNormal = CSize(40, 24);
        info.szSimple = CSize(nType == 2 ? 36 : 24, 24);
        // Captions set the width; the menu item keeps room for its drop part.
        info.bAutoWidth = nType != 0 && nType != 2;
        if (nType == 2) info.szNormal.cx = GalleryIsChinese() ? 72 : 100;
        if (nType == 0) info.szNormal = info.szSimple = CSize(6, 24);
        if (lpszKey) info.strText = info.strTooltip = Text(lpszKey);
        if (nIcon >= 0) {
            info.strIcon = m_icons[nIcon];
            info.nIconStates = 2;
        }
        info.bChecked = info.bSparkle = info.bRightAlign = TRUE;  // each counts when dwMask names it
        bar.MethodAddItem(info);
    }
    void MakeToolBar(CQVToolBarPlus& bar, const CRect& rc, BOOL bAll) {
        bar.Create(WS_CHILD | WS_VISIBLE, rc, this, 0);
        SetFrames(bar);
        Add(bar, 1, ID_LESSONS, _T("IDS_GALLERY_STB_LESSONS"), 0);
        Add(bar, 1, ID_WORDS, _T("IDS_GALLERY_STB_WORDS"), 1);
        Add(bar, 1, ID_LISTEN, _T("IDS_GALLERY_STB_LISTEN"), 2);
        Add(bar, 1, ID_RECORD, _T("IDS_GALLERY_STB_RECORD"), 3);
        Add(bar, 2, ID_DICTIONARY, _T("IDS_GALLERY_STB_DICTIONARY"), 4);
        if (bAll) {
            Add(bar, 0, 0, nullptr, -1);
            Add(bar, 4, ID_PHONETICS, _T("IDS_GALLERY_STB_PHONETICS"), 7, TBPIF_CHECKED);
            Add(bar, 0, 0, nullptr, -1);
            Add(bar, 3, ID_UK, _T("IDS_GALLERY_STB_UK"), 8);
            Add(bar, 3, ID_US, _T("IDS_GALLERY_STB_US"), 9, TBPIF_CHECKED);
            Add(bar, 0, 0, nullptr, -1);
            Add(bar, 1, ID_MESSAGES, _T("IDS_GALLERY_STB_MESSAGES"), 5, TBPIF_SPARKLE);
            Add(bar, 1, ID_SETTINGS, _T("IDS_GALLERY_STB_SETTINGS"), 6, TBPIF_RIGHTALIGN);
        }
        bar.RecalcLayout();
    }

    uigallery::CPictureFiles m_files;  // the icons, read again by the toolbars after a skin switch
    CString m_icons[kIcons];
    CQVLabel m_labels[6], m_status;
    CQVToolBarPlus m_full, m_simple, m_multi, m_transparent, m_narrow;
    CStillToolBar m_still;
    std::vector<WORD> m_template;
};

BEGIN_MESSAGE_MAP(CStudyToolbarDlg, CSkinDialog)
ON_MESSAGE(WM_QV_TOOLBARPLUS, &CStudyToolbarDlg::OnToolBarNotify)
ON_MESSAGE(WM_QV_SKINCHANGED, &CStudyToolbarDlg::OnSkinChanged)
ON_WM_SIZE()
END_MESSAGE_MAP()

class CStudyToolbarPage : public CGalleryDialogPage<CStudyToolbarDlg> {
public:
    CStudyToolbarPage()
        : CGalleryDialogPage(_T("study-toolbar"), _T("Study toolbar"),
                             L"\x5b66\x4e60\x5de5\x5177\x680f\xff1a\x6e10\x4eae\x3001\x95ea\x70c1\x548c"
                             L"\x201c\x66f4\x591a\x201d\x83dc\x5355",
                             L"Item toolbars: fades, sparkles and the overflow menu") {}

    // The narrowed toolbar's overflow menu is open in the screenshot: taken from inside its loop.
    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        s_pCapture = &capture;
        s_hShot = NULL;
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 400, &ShootFromMenu);
        m_dialog.OpenOverflowMenu();
        ::KillTimer(NULL, nTimer);
        HBITMAP hShot = s_hShot ? s_hShot : capture();
        s_pCapture = NULL;
        return hShot;
    }

private:
    static void CALLBACK ShootFromMenu(HWND, UINT, UINT_PTR nTimer, DWORD) {
        ::KillTimer(NULL, nTimer);
        if (s_pCapture && !s_hShot) s_hShot = (*s_pCapture)();
        ::EndMenu();
    }
    static const std::function<HBITMAP()>* s_pCapture;
    static HBITMAP s_hShot;
};

const std::function<HBITMAP()>* CStudyToolbarPage::s_pCapture = NULL;
HBITMAP CStudyToolbarPage::s_hShot = NULL;

}  // namespace

REGISTER_GALLERY_PAGE(CStudyToolbarPage);
