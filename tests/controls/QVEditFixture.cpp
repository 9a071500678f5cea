#include "QVEditFixture.h"

#include <QVSkinResManager.h>

#include "MessagePump.h"
#include "TestImage.h"

namespace qvetest {

CString TextOf(HWND hWnd) {
    CString str;
    const int n = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, str.GetBuffer(n + 1), n + 1);
    str.ReleaseBuffer();
    return str;
}

COLORREF BackgroundAt(int x, int y, int nVariant) {
    if (nVariant) return RGB((x * 11 + 40) & 255, (y * 13 + 7) & 255, ((x ^ y) * 3) & 255);
    return RGB((x * 37) & 255, (y * 23) & 255, ((x + 2 * y) * 5) & 255);
}

bool WriteEditSkin(const riztest::TempFolder& folder, const CString& strPrefix, COLORREF clrBorder) {
    CStringA strIni;
    strIni.Format("[Skin]\r\nName = Edit test\r\n\r\n[Window]\r\nCaptionHeight = 24\r\n\r\n"
                  "[Colors]\r\nColor4 = %d,%d,%d\r\n",
                  GetRValue(clrBorder), GetGValue(clrBorder), GetBValue(clrBorder));
    return folder.WriteFile(strPrefix + _T("skin.ini"), strIni.GetString());
}

// ---- The dialog ----

BEGIN_MESSAGE_MAP(CEditDialog, CDialog)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CEditDialog::~CEditDialog() {
    for (HBITMAP hBitmap : m_hBackground)
        if (hBitmap) ::DeleteObject(hBitmap);
}

BOOL CEditDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_onInit) m_onInit(*this);
    return TRUE;
}

LRESULT CEditDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) > IDD_QVEDIT &&
        LOWORD(wParam) <= IDC_QVEDIT_FILE) {
        ++m_nEnterCommands;
        if (m_onEnter) m_onEnter(LOWORD(wParam));
        return m_lEnterAnswer;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == EN_SETFOCUS && m_onSetFocus) m_onSetFocus(LOWORD(wParam));
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CEditDialog::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    const int nVariant = m_nBackground ? 1 : 0;
    if (!m_hBackground[nVariant])
        m_hBackground[nVariant] =
            riztest::Dib(rc.Width(), rc.Height(), [=](int x, int y) { return BackgroundAt(x, y, nVariant); });
    CDC dcImage;
    dcImage.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = ::SelectObject(dcImage.m_hDC, m_hBackground[nVariant]);
    pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &dcImage, 0, 0, SRCCOPY);
    ::SelectObject(dcImage.m_hDC, hOld);
    return TRUE;
}

// ---- The fixture ----

void EditTest::SetUp() {
    ASSERT_TRUE(LoadSkin(kBorder));
    ASSERT_TRUE(m_dlg.Create(IDD_QVEDIT));
    m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    FocusElsewhere();
    Pump();
}

void EditTest::TearDown() {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
    Pump();
}

bool EditTest::LoadSkin(COLORREF clrBorder) {
    CString strName;
    strName.Format(_T("skin%d\\"), m_nSkins++);
    return WriteEditSkin(m_folder, strName, clrBorder) &&
           CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strName));
}

void EditTest::Subclass(CQVEdit& edit, UINT nID) {
    ASSERT_TRUE(edit.SubclassDlgItem(nID, &m_dlg));
}

CRect EditTest::RectInDialog(HWND hWnd) const {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    m_dlg.ScreenToClient(&rc);
    return rc;
}

void EditTest::FocusElsewhere() {
    ::SetFocus(::GetDlgItem(m_dlg.m_hWnd, IDCANCEL));
}

void EditTest::Pump() {
    riztest::PumpUntilIdle();
}

}  // namespace qvetest
