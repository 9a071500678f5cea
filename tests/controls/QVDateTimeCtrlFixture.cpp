#include "QVDateTimeCtrlFixture.h"

#include <QVSkinResManager.h>

#include <commctrl.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "TestImage.h"

namespace qvdtest {

BEGIN_MESSAGE_MAP(CExamDialog, CDialog)
ON_NOTIFY(DTN_DROPDOWN, IDC_QVDATE_EXAM, &CExamDialog::OnDropDown)
ON_NOTIFY(DTN_CLOSEUP, IDC_QVDATE_EXAM, &CExamDialog::OnCloseUp)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_QVDATE_EXAM, &CExamDialog::OnDateTimeChange)
END_MESSAGE_MAP()

void CExamDialog::OnDropDown(NMHDR*, LRESULT* pResult) {
    ++m_nDropDowns;
    *pResult = 0;
    if (CWnd* pDelete = m_pDeleteAtDropDown) {
        m_pDeleteAtDropDown = nullptr;
        delete pDelete;
    }
}

void CExamDialog::OnCloseUp(NMHDR*, LRESULT* pResult) {
    ++m_nCloseUps;
    *pResult = 0;
}

void CExamDialog::OnDateTimeChange(NMHDR*, LRESULT* pResult) {
    ++m_nChanges;
    *pResult = 0;
}

void DateTimeTest::SetUp() {
    SetLeftButton(false);
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&icc));
    ASSERT_TRUE(LoadSkin());
    ASSERT_TRUE(m_dlg.Create(IDD_QVDATE));
    m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    for (int nID : {IDC_QVDATE_EXAM, IDC_QVDATE_PLAIN, IDC_QVDATE_UPDOWN, IDC_QVDATE_NONE})
        SetExamDate(::GetDlgItem(m_dlg.m_hWnd, nID));
    ::SetFocus(::GetDlgItem(m_dlg.m_hWnd, IDOK));
    Pump();
}

void DateTimeTest::TearDown() {
    SetLeftButton(false);
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
    Pump();
}

bool DateTimeTest::LoadSkin(const SkinSpec& spec) {
    CString strPrefix;
    strPrefix.Format(_T("skin%d\\"), m_nSkins++);
    const std::vector<BYTE> image =
        riztest::Bmp24(kDropWidth * 3, kDropHeight, riztest::Frames(kDropWidth, [&](int f, int x, int y) {
                           if (spec.nTransparent && x == 0 && y == 0) return kKey;
                           return f == 0 ? spec.clrNormal : kFrameColours[f];
                       }));
    if (spec.bImage && !m_folder.WriteFile(strPrefix + _T("Common\\Button\\ComboDrop.bmp"), image))
        return false;
    CStringA strIni;
    strIni.Format("[Skin]\r\nName = Date test\r\n\r\n[Window]\r\nCaptionHeight = 24\r\n\r\n[Button]\r\n"
                  "ComboDrop = Common\\Button\\ComboDrop.bmp\r\nComboDropWidth = %d\r\n"
                  "ComboDropHeight = %d\r\nTransparentImage = %d\r\n\r\n[Colors]\r\nColor4 = %d,%d,%d\r\n",
                  kDropWidth, kDropHeight, spec.nTransparent, GetRValue(spec.clrBorder),
                  GetGValue(spec.clrBorder), GetBValue(spec.clrBorder));
    return m_folder.WriteFile(strPrefix + _T("skin.ini"), strIni.GetString()) &&
           CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strPrefix));
}

void DateTimeTest::Subclass(CQVDateTimeCtrl& picker, UINT nID) {
    ASSERT_TRUE(picker.SubclassDlgItem(nID, &m_dlg));
}

void DateTimeTest::SetExamDate(HWND hPicker) {
    SYSTEMTIME st = {2027, 6, 1, 7, 9, 30, 0, 0};  // Monday 7 June 2027, 9:30
    ::SendMessage(hPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

int DateTimeTest::DropButtonMismatches(CQVDateTimeCtrl& picker, int nFrame) {
    const CQVSkinBtnRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    const CRect rcDrop = picker.GetDropRect();
    riztest::WindowCapture shot(picker.m_hWnd);
    riztest::Surface expected(shot.Width(), shot.Height());  // white, as the drop rectangle's fill
    CDC* pDC = CDC::FromHandle(expected.Dc());
    const int x = rcDrop.left + (rcDrop.Width() - kDropWidth) / 2;
    const int y = rcDrop.top + (rcDrop.Height() - kDropHeight) / 2;
    if (pRes->m_nTransparentImage)
        pRes->m_bmpComboDrop.TransparentDraw(pDC, x, y, kDropWidth, kDropHeight, pRes->m_clrTransparent,
                                             nFrame);
    else
        pRes->m_bmpComboDrop.Draw(pDC, x, y, kDropWidth, kDropHeight, nFrame);
    int nWrong = 0;
    for (int j = rcDrop.top; j < rcDrop.bottom; ++j)
        for (int i = rcDrop.left; i < rcDrop.right; ++i)
            nWrong += shot.Pixel(i, j) != expected.Pixel(i, j);
    return nWrong;
}

bool DateTimeTest::CalendarShown(HWND hPicker) {
    const HWND hCalendar = reinterpret_cast<HWND>(::SendMessage(hPicker, DTM_GETMONTHCAL, 0, 0));
    return hCalendar && ::IsWindowVisible(hCalendar);
}

void DateTimeTest::CloseCalendar(HWND hPicker) {
    ::SendMessage(hPicker, DTM_CLOSEMONTHCAL, 0, 0);
    Pump();
    if (!CalendarShown(hPicker)) return;
    SetLeftButton(false);
    CRect rc;
    ::GetClientRect(hPicker, &rc);
    riztest::PostClick(hPicker, rc.right - ::GetSystemMetrics(SM_CXVSCROLL) / 2, rc.Height() / 2);
    Pump();
}

void DateTimeTest::SetLeftButton(bool bDown) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_LBUTTON] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

void DateTimeTest::PointerAt(HWND hWnd, int x, int y) {
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    // The display reports the move back later: wait until the pointer is seen where it was put.
    for (int i = 0; i < 20; ++i) {
        ::SetCursorPos(pt.x, pt.y);
        riztest::PumpMessages(10, true);
        POINT ptNow;
        ::GetCursorPos(&ptNow);
        if (ptNow.x == pt.x && ptNow.y == pt.y) break;
    }
}

void DateTimeTest::Pump() {
    riztest::PumpUntilIdle();
}

}  // namespace qvdtest
