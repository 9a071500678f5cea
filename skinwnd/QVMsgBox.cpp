#include "QVMsgBox.h"

#include "QVModule.h"
#include "QVMsgBoxRes.h"
#include "TranslateStrings.h"

#include <QVAutoResHandle.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <algorithm>
#include "QVSelectScope.h"

namespace {

// Client pixels: the space around the content, the icon's size, the text's place beside the icon, the
// template's room under the text, the room the laid-out box keeps under the text for the button row,
// and the space between buttons.
constexpr int kMargin = 20;
constexpr int kIconSize = 32;
constexpr int kTextFromIcon = 50;
constexpr int kTextBelowIconTop = 10;
constexpr int kTemplateRowRoom = 30;
constexpr int kButtonRoom = 50;
constexpr int kButtonGap = 20;

struct ButtonSet {
    int nCount;
    LPCTSTR lpszKeys[3];
    int nResults[3];
};

// Indexed by the low four bits of the type; the last entry serves every set beyond MB_RETRYCANCEL.
const ButtonSet kButtonSets[] = {
    {1, {_T("IDS_OK")}, {IDOK}},
    {2, {_T("IDS_OK"), _T("IDS_CANCEL")}, {IDOK, IDCANCEL}},
    {3, {_T("IDS_ABORT"), _T("IDS_TRY"), _T("IDS_IGNORE")}, {IDABORT, IDRETRY, IDIGNORE}},
    {3, {_T("IDS_YES"), _T("IDS_NO"), _T("IDS_CANCEL")}, {IDYES, IDNO, IDCANCEL}},
    {2, {_T("IDS_YES"), _T("IDS_NO")}, {IDYES, IDNO}},
    {2, {_T("IDS_TRY"), _T("IDS_CANCEL")}, {IDRETRY, IDCANCEL}},
    {1, {_T("IDS_CANCEL")}, {IDCANCEL, IDCANCEL, IDCANCEL}},
};

const ButtonSet& SetOf(UINT nType) {
    const UINT nSet = nType & MB_TYPEMASK;
    return kButtonSets[std::min<UINT>(nSet, MB_RETRYCANCEL + 1)];
}

}  // namespace

int AFXAPI QVMessageBox(CWnd* pParent, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    // The template lives in this module; the box's own texts come from the language table.
    CQVAutoResHandle resources(RIZGetInstanceHandle());
    CQVMsgBox box(pParent, lpszCaption, lpszText, nType);
    return static_cast<int>(box.DoModal());
}

IMPLEMENT_DYNAMIC(CQVMsgBox, CSkinDialog)

BEGIN_MESSAGE_MAP(CQVMsgBox, CSkinDialog)
ON_WM_PAINT()
ON_COMMAND(IDC_QV_MSGBOX_BTN1, &CQVMsgBox::OnButton1)
ON_COMMAND(IDC_QV_MSGBOX_BTN2, &CQVMsgBox::OnButton2)
ON_COMMAND(IDC_QV_MSGBOX_BTN3, &CQVMsgBox::OnButton3)
END_MESSAGE_MAP()

CQVMsgBox::CQVMsgBox(CWnd* pParent, LPCTSTR lpszCaption, LPCTSTR lpszText, UINT nType)
    : CSkinDialog(IDD_QV_MSGBOX, pParent, TRUE), m_strCaption(lpszCaption), m_strText(lpszText),
      m_nType(nType) {
    if (m_strCaption.IsEmpty()) {
        // The application's title is a string of the host executable, whatever module is the resource
        // source now.
        CQVAutoResHandle host(AfxGetInstanceHandle());
        m_strCaption.LoadString(AFX_IDS_APP_TITLE);
    }
}

CQVMsgBox::~CQVMsgBox() = default;

int CQVMsgBox::GetButtonCount(UINT nType) {
    return SetOf(nType).nCount;
}

LPCTSTR CQVMsgBox::GetButtonKey(UINT nType, int nButton) {
    const ButtonSet& set = SetOf(nType);
    return nButton >= 0 && nButton < set.nCount ? set.lpszKeys[nButton] : NULL;
}

int CQVMsgBox::GetButtonResult(UINT nType, int nButton) {
    const ButtonSet& set = SetOf(nType);
    return nButton >= 0 && nButton < set.nCount ? set.nResults[nButton] : IDCANCEL;
}

LPCTSTR CQVMsgBox::GetIconFile(UINT nType) {
    switch (nType & MB_ICONMASK) {
    case MB_ICONQUESTION:
        return _T("Common\\Question.png");
    case MB_ICONERROR:
        return _T("Common\\Error.png");
    case MB_ICONINFORMATION:
        return _T("Common\\Information.png");
    case MB_ICONWARNING:
        return _T("Common\\Warning.png");
    default:
        return NULL;
    }
}

void CQVMsgBox::DoDataExchange(CDataExchange* pDX) {
    CSkinDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QV_MSGBOX_BTN1, m_btn1);
    DDX_Control(pDX, IDC_QV_MSGBOX_BTN2, m_btn2);
    DDX_Control(pDX, IDC_QV_MSGBOX_BTN3, m_btn3);
}

BOOL CQVMsgBox::PreTranslateMessage(MSG* pMsg) {
    return CSkinDialog::PreTranslateMessage(pMsg);
}

BOOL CQVMsgBox::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    SetWindowText(m_strCaption);
    LoadSkinIcon();
    LayoutText();
    SizeWindow();
    PlaceButtons();
    TranslateWndStrings(this);
    return TRUE;
}

void CQVMsgBox::OnOK() {
    CSkinDialog::OnOK();
}

void CQVMsgBox::OnCancel() {
    CSkinDialog::OnCancel();
}

void CQVMsgBox::LoadSkinIcon() {
    m_Icon.Unload();
    LPCTSTR lpszIcon = GetIconFile(m_nType);
    if (lpszIcon) m_Icon.Load(CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath() + lpszIcon);
}

void CQVMsgBox::LayoutText() {
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(kMargin, kMargin);
    if (m_Icon.IsLoaded()) {
        m_rcIcon.SetRect(rc.left, rc.top, rc.left + kIconSize, rc.top + kIconSize);
        m_rcText.SetRect(m_rcIcon.left + kTextFromIcon, rc.top + kTextBelowIconTop, rc.right,
                         rc.bottom - kTemplateRowRoom);
    } else {
        m_rcIcon.SetRectEmpty();
        m_rcText.SetRect(rc.left, rc.top, rc.right, rc.bottom - kTemplateRowRoom);
    }

    // The text wraps at the template's width and sets the height; a short text still leaves room for
    // the whole button row.
    CRect rcCalc = m_rcText;
    {
        CClientDC dc(this);
        const CQVSelectScope font(&dc, ::GetStockObject(DEFAULT_GUI_FONT));
        dc.DrawText(m_strText, &rcCalc, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
    }
    const int cxText = std::max(rcCalc.Width(), GetButtonRowWidth());
    m_rcText.right = m_rcText.left + cxText;
    m_rcText.bottom = m_rcText.top + rcCalc.Height();

    // A text too long for the screen is cut where the work area ends, so that the buttons stay
    // reachable (the box never grows beyond the monitor it opens on).
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (::GetMonitorInfo(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi)) {
        const CRect rcWork(mi.rcWork);
        const int cxMaxClient = rcWork.Width() - (rcWindow.Width() - rcClient.Width());
        const int cyMaxClient = rcWork.Height() - (rcWindow.Height() - rcClient.Height());
        m_rcText.right = std::max(m_rcText.left, std::min<LONG>(m_rcText.right, cxMaxClient - kMargin));
        m_rcText.bottom =
            std::max(m_rcText.top, std::min<LONG>(m_rcText.bottom, cyMaxClient - kMargin - kButtonRoom));
    }
}

void CQVMsgBox::SizeWindow() {
    CRect rc(kMargin, kMargin, m_rcText.right, m_rcText.bottom + kButtonRoom);
    rc.InflateRect(kMargin, kMargin);
    CalcWindowRect(&rc, CWnd::adjustBorder);
    CSize sizeAdd(0, 0);
    m_SkinWnd.GetWindowAddSize(sizeAdd);
    SetWindowPos(NULL, 0, 0, rc.Width() + sizeAdd.cx, rc.Height() + sizeAdd.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CQVMsgBox::GetButtonRowWidth() const {
    CRect rcButton;
    if (m_btn1.GetSafeHwnd()) m_btn1.GetWindowRect(&rcButton);
    const int nCount = GetButtonCount(m_nType);
    return nCount * rcButton.Width() + (nCount - 1) * kButtonGap;
}

void CQVMsgBox::PlaceButtons() {
    CQVButton* const buttons[3] = {&m_btn1, &m_btn2, &m_btn3};
    CRect rcClient, rcButton;
    GetClientRect(&rcClient);
    m_btn1.GetWindowRect(&rcButton);
    const int nCount = GetButtonCount(m_nType);
    const int y = rcClient.bottom - kMargin - rcButton.Height();
    int x = (rcClient.Width() - GetButtonRowWidth()) / 2;
    CQVLanResManager* pLan = CQVLanResManager::GetSingletonPtr();
    for (int i = 0; i < nCount; ++i) {
        buttons[i]->SetWindowText(pLan->GetString(GetButtonKey(m_nType, i)));
        buttons[i]->SetWindowPos(NULL, x, y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        x += rcButton.Width() + kButtonGap;
    }
}

void CQVMsgBox::OnPaint() {
    CPaintDC dc(this);
    if (m_Icon.IsLoaded()) m_Icon.Render(&dc, m_rcIcon);
    const CQVSelectScope font(&dc, ::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    CRect rcText = m_rcText;
    dc.DrawText(m_strText, &rcText, DT_NOPREFIX | DT_WORDBREAK);
}

void CQVMsgBox::OnButton1() {
    EndDialog(GetButtonResult(m_nType, 0));
}

void CQVMsgBox::OnButton2() {
    EndDialog(GetButtonResult(m_nType, 1));
}

void CQVMsgBox::OnButton3() {
    EndDialog(GetButtonResult(m_nType, 2));
}
