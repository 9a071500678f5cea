// Dialog data exchange: UpdateData, CDataExchange, and the DDX_/DDV_ functions moving values between
// dialog controls and members, with validation messages for text that is not a valid value.
#include "WndState.h"

#include <afxapp_.h>

#include <errno.h>
#include <float.h>
#include <math.h>

IMPLEMENT_DYNAMIC(CUserException, CException)

void AFXAPI AfxThrowUserException() {
    throw new CUserException;
}

// ---- Validation messages ----

namespace {

int AFXAPI ShowDdxMessageBox(CWnd* pDlgWnd, LPCTSTR lpszText, UINT nIDPrompt) {
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, MB_OK | MB_ICONEXCLAMATION, nIDPrompt);
    return ::MessageBox(pDlgWnd->GetSafeHwnd(), lpszText, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
}

AFX_DDX_MESSAGE_PROC g_pfnDdxMessage = &ShowDdxMessageBox;

// The prompt nIDPrompt from the resource chain, else the built-in English text.
CString LoadPrompt(UINT nIDPrompt) {
    TCHAR szText[256];
    if (AfxLoadString(nIDPrompt, szText, _countof(szText))) return szText;
    switch (nIDPrompt) {
    case AFX_IDP_PARSE_INT:
        return _T("Please enter an integer.");
    case AFX_IDP_PARSE_REAL:
        return _T("Please enter a number.");
    case AFX_IDP_PARSE_INT_RANGE:
        return _T("Please enter an integer between %1 and %2.");
    case AFX_IDP_PARSE_REAL_RANGE:
        return _T("Please enter a number between %1 and %2.");
    case AFX_IDP_PARSE_STRING_SIZE:
        return _T("Please enter no more than %1 characters.");
    case AFX_IDP_PARSE_RADIO_BUTTON:
        return _T("Please select a button.");
    case AFX_IDP_PARSE_BYTE:
        return _T("Please enter an integer between 0 and 255.");
    case AFX_IDP_PARSE_UINT:
        return _T("Please enter a positive integer.");
    default:
        return _T("Invalid entry.");
    }
}

// Shows prompt nIDPrompt ("%1" and "%2" replaced) and fails the exchange.
[[noreturn]] void FailWithPrompt(CDataExchange* pDX, UINT nIDPrompt, LPCTSTR lpsz1 = NULL,
                                 LPCTSTR lpsz2 = NULL) {
    CString strPrompt = LoadPrompt(nIDPrompt);
    if (lpsz1) strPrompt.Replace(_T("%1"), lpsz1);
    if (lpsz2) strPrompt.Replace(_T("%2"), lpsz2);
    g_pfnDdxMessage(pDX->m_pDlgWnd, strPrompt, nIDPrompt);
    pDX->Fail();
}

// Sets a window's text only when it differs, so that unchanged controls do not flicker.
void SetWindowTextIfChanged(HWND hWnd, LPCTSTR lpszNew) {
    const int nNewLen = lstrlen(lpszNew);
    TCHAR szOld[256];
    if (nNewLen < static_cast<int>(_countof(szOld)) &&
        ::GetWindowText(hWnd, szOld, _countof(szOld)) == nNewLen && lstrcmp(szOld, lpszNew) == 0)
        return;
    ::SetWindowText(hWnd, lpszNew);
}

CString WindowText(HWND hWnd) {
    CString str;
    const int nLen = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, str.GetBuffer(nLen + 1), nLen + 1);
    str.ReleaseBuffer();
    return str;
}

// The text with surrounding blanks removed; FALSE when nothing is left.
bool TrimmedNumber(HWND hWnd, CString& str) {
    str = WindowText(hWnd);
    str.Trim(_T(" \t\r\n"));
    return !str.IsEmpty();
}

// A whole decimal integer in [nMin, nMax]; blanks around it are allowed, anything else is not.
bool ParseSigned(HWND hWnd, LONGLONG nMin, LONGLONG nMax, LONGLONG* pValue) {
    CString str;
    if (!TrimmedNumber(hWnd, str)) return false;
    LPTSTR pEnd = nullptr;
    errno = 0;
    const LONGLONG n = _tcstoi64(str, &pEnd, 10);
    if (errno == ERANGE || pEnd == static_cast<LPCTSTR>(str) || *pEnd != 0 || n < nMin || n > nMax)
        return false;
    *pValue = n;
    return true;
}

// A whole non-negative decimal integer up to nMax; a minus sign is refused.
bool ParseUnsigned(HWND hWnd, ULONGLONG nMax, ULONGLONG* pValue) {
    CString str;
    if (!TrimmedNumber(hWnd, str) || str[0] == '-') return false;
    LPTSTR pEnd = nullptr;
    errno = 0;
    const ULONGLONG n = _tcstoui64(str, &pEnd, 10);
    if (errno == ERANGE || pEnd == static_cast<LPCTSTR>(str) || *pEnd != 0 || n > nMax) return false;
    *pValue = n;
    return true;
}

bool ParseReal(HWND hWnd, double* pValue) {
    CString str;
    if (!TrimmedNumber(hWnd, str)) return false;
    LPTSTR pEnd = nullptr;
    errno = 0;
    const double d = _tcstod(str, &pEnd);
    if (errno == ERANGE || pEnd == static_cast<LPCTSTR>(str) || *pEnd != 0 || !isfinite(d)) return false;
    *pValue = d;
    return true;
}

template <typename T>
void ExchangeSigned(CDataExchange* pDX, int nIDC, T& value, LONGLONG nMin, LONGLONG nMax, UINT nIDPrompt,
                    LPCTSTR lpszFormat) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        LONGLONG n = 0;
        if (!ParseSigned(hWndCtrl, nMin, nMax, &n)) FailWithPrompt(pDX, nIDPrompt);
        value = static_cast<T>(n);
    } else {
        CString str;
        str.Format(lpszFormat, value);
        SetWindowTextIfChanged(hWndCtrl, str);
    }
}

template <typename T>
void ExchangeUnsigned(CDataExchange* pDX, int nIDC, T& value, ULONGLONG nMax, UINT nIDPrompt,
                      LPCTSTR lpszFormat) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        ULONGLONG n = 0;
        if (!ParseUnsigned(hWndCtrl, nMax, &n)) FailWithPrompt(pDX, nIDPrompt);
        value = static_cast<T>(n);
    } else {
        CString str;
        str.Format(lpszFormat, value);
        SetWindowTextIfChanged(hWndCtrl, str);
    }
}

void ExchangeReal(CDataExchange* pDX, int nIDC, double& value, int nDigits) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!ParseReal(hWndCtrl, &value)) FailWithPrompt(pDX, AFX_IDP_PARSE_REAL);
    } else {
        CString str;
        str.Format(_T("%.*g"), nDigits, value);
        SetWindowTextIfChanged(hWndCtrl, str);
    }
}

bool HasEditField(HWND hWndCombo) {
    return (::GetWindowLong(hWndCombo, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST;
}

// The text of item nIndex of a list or combo box (nGetLen / nGetText: the LB_ or CB_ messages).
CString ItemText(HWND hWnd, int nIndex, UINT nGetLen, UINT nGetText) {
    CString str;
    const LRESULT nLen = ::SendMessage(hWnd, nGetLen, nIndex, 0);
    if (nLen < 0) return str;
    ::SendMessage(hWnd, nGetText, nIndex,
                  reinterpret_cast<LPARAM>(str.GetBuffer(static_cast<int>(nLen) + 1)));
    str.ReleaseBuffer(static_cast<int>(nLen));
    return str;
}

}  // namespace

AFX_DDX_MESSAGE_PROC AFXAPI AfxSetDDXMessageProc(AFX_DDX_MESSAGE_PROC pfnNew) {
    AFX_DDX_MESSAGE_PROC pfnOld = g_pfnDdxMessage;
    g_pfnDdxMessage = pfnNew ? pfnNew : &ShowDdxMessageBox;
    return pfnOld;
}

// ---- UpdateData ----

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    ASSERT(::IsWindow(m_hWnd));
    CDataExchange dx(this, bSaveAndValidate);

    // Notifications the controls send while their contents change are not dispatched meanwhile.
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    HWND hWndOldLockout = pState->hLockoutNotifyWindow;
    pState->hLockoutNotifyWindow = m_hWnd;

    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CUserException* e) {
        e->Delete();  // the user has been told already
    } catch (CException* e) {
        // A programming or resource failure (a missing control): say so, and fail the exchange.
        TCHAR szText[256];
        if (!e->GetErrorMessage(szText, _countof(szText)))
            lstrcpyn(szText, _T("An internal error occurred."), 256);
        g_pfnDdxMessage(this, szText, 0);
        e->Delete();
    }

    pState->hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

// ---- CDataExchange ----

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    ASSERT(nIDC != 0 && nIDC != -1);
    HWND hWndCtrl = nullptr;
    m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    if (!hWndCtrl) {
        TRACE(_T("CDataExchange: the dialog has no control %d\n"), nIDC);
        AfxThrowNotSupportedException();
    }
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        HWND hWndLastControl = nullptr;
        m_pDlgWnd->GetDlgItem(static_cast<int>(m_idLastControl), &hWndLastControl);
        if (hWndLastControl) {
            ::SetFocus(hWndLastControl);
            if (m_bEditLastControl) ::SendMessage(hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

// ---- Controls and text ----

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;  // bound already
    ASSERT(!pDX->m_bSaveAndValidate);
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen) {
    ASSERT(nMaxLen > 0);
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ::GetWindowText(hWndCtrl, value, nMaxLen);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeSigned(pDX, nIDC, value, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT, _T("%d"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX, AFX_IDP_PARSE_INT, _T("%ld"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value) {
    ExchangeSigned(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, AFX_IDP_PARSE_INT, _T("%hd"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeUnsigned(pDX, nIDC, value, UINT_MAX, AFX_IDP_PARSE_UINT, _T("%u"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
    ExchangeUnsigned(pDX, nIDC, value, ULONG_MAX, AFX_IDP_PARSE_UINT, _T("%lu"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        ULONGLONG n = 0;
        if (!ParseUnsigned(hWndCtrl, 255, &n)) FailWithPrompt(pDX, AFX_IDP_PARSE_BYTE);
        value = static_cast<BYTE>(n);
    } else {
        CString str;
        str.Format(_T("%u"), static_cast<UINT>(value));
        SetWindowTextIfChanged(hWndCtrl, str);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeReal(pDX, nIDC, value, DBL_DIG);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    double d = value;
    ExchangeReal(pDX, nIDC, d, FLT_DIG);
    if (pDX->m_bSaveAndValidate) {
        if (fabs(d) > FLT_MAX) {
            CString strMin, strMax;
            strMin.Format(_T("%.*g"), FLT_DIG, -FLT_MAX);
            strMax.Format(_T("%.*g"), FLT_DIG, FLT_MAX);
            FailWithPrompt(pDX, AFX_IDP_PARSE_REAL_RANGE, strMin, strMax);
        }
        value = static_cast<float>(d);
    }
}

// ---- Buttons ----

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > 2) {
            TRACE(_T("DDX_Check: check state %d is out of range, 0 used\n"), value);
            value = 0;
        }
        ::SendMessage(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    ASSERT(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP);
    if (pDX->m_bSaveAndValidate) value = -1;

    // The group runs from nIDC to the next control with WS_GROUP; other controls in it are skipped.
    int iButton = 0;
    do {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) != 0 && value == -1) value = iButton;
            } else {
                ::SendMessage(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

// ---- Combo boxes and list boxes ----

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

namespace {

void SaveComboString(HWND hWndCtrl, CString& value) {
    if (HasEditField(hWndCtrl)) {
        value = WindowText(hWndCtrl);
        return;
    }
    const int nIndex = static_cast<int>(::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0));
    if (nIndex < 0)
        value.Empty();
    else
        value = ItemText(hWndCtrl, nIndex, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

void SaveListString(HWND hWndCtrl, CString& value) {
    const int nIndex = static_cast<int>(::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0));
    if (nIndex < 0)
        value.Empty();
    else
        value = ItemText(hWndCtrl, nIndex, LB_GETTEXTLEN, LB_GETTEXT);
}

}  // namespace

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        SaveComboString(hWndCtrl, value);
    } else if (::SendMessage(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == CB_ERR) {
        // No item starts with the text: an edit field shows it as typed.
        if (HasEditField(hWndCtrl)) SetWindowTextIfChanged(hWndCtrl, value);
    }
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        SaveComboString(hWndCtrl, value);
        return;
    }
    const LRESULT i = ::SendMessage(hWndCtrl, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
    if (i == CB_ERR) {
        if (HasEditField(hWndCtrl)) SetWindowTextIfChanged(hWndCtrl, value);
    } else {
        ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0));
    else
        ::SendMessage(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        SaveListString(hWndCtrl, value);
    } else if (::SendMessage(hWndCtrl, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == LB_ERR) {
        ::SendMessage(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        SaveListString(hWndCtrl, value);
        return;
    }
    const LRESULT i = ::SendMessage(hWndCtrl, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
    ::SendMessage(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(i == LB_ERR ? -1 : i), 0);
}

// ---- Validation ----

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    ASSERT(minVal <= maxVal);
    if (value >= minVal && value <= maxVal) return;
    if (!pDX->m_bSaveAndValidate) return;  // initial data out of range: shown as it is
    CString strMin, strMax;
    strMin.Format(_T("%d"), minVal);
    strMax.Format(_T("%d"), maxVal);
    FailWithPrompt(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
    ASSERT(minVal <= maxVal);
    if (value >= minVal && value <= maxVal) return;
    if (!pDX->m_bSaveAndValidate) return;
    CString strMin, strMax;
    strMin.Format(_T("%u"), minVal);
    strMax.Format(_T("%u"), maxVal);
    FailWithPrompt(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
    ASSERT(minVal <= maxVal);
    if (value >= minVal && value <= maxVal) return;
    if (!pDX->m_bSaveAndValidate) return;
    CString strMin, strMax;
    strMin.Format(_T("%.*g"), DBL_DIG, minVal);
    strMax.Format(_T("%.*g"), DBL_DIG, maxVal);
    FailWithPrompt(pDX, AFX_IDP_PARSE_REAL_RANGE, strMin, strMax);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    ASSERT(nChars >= 1);
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString strMax;
            strMax.Format(_T("%d"), nChars);
            FailWithPrompt(pDX, AFX_IDP_PARSE_STRING_SIZE, strMax);
        }
    } else if (pDX->m_idLastControl != 0 && pDX->m_bEditLastControl) {
        HWND hWndLastControl = nullptr;
        pDX->m_pDlgWnd->GetDlgItem(static_cast<int>(pDX->m_idLastControl), &hWndLastControl);
        ::SendMessage(hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}
