// The small common controls (tooltips, track bars, up-down, hot-key fields, progress bars) and the
// registration of the common control classes that every common control wrapper does before creating.
#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

// A program need not call AfxWinInit before creating a control, so each wrapper registers the classes
// it needs; a class group is registered once per process.
BOOL AFXAPI AfxInitCommonControlClasses(DWORD dwICC) {
    static volatile LONG s_nRegistered = 0;
    if ((static_cast<DWORD>(s_nRegistered) & dwICC) == dwICC) return TRUE;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), dwICC};
    if (!::InitCommonControlsEx(&icc)) return FALSE;
    ::InterlockedOr(&s_nRegistered, static_cast<LONG>(dwICC));
    return TRUE;
}

namespace {

// The TOOLINFO size every version of the tooltip control accepts (the last member is newer).
const UINT kToolInfoSize = CCSIZEOF_STRUCT(TOOLINFO, lParam);

CWnd* WndFromResult(LRESULT lResult) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(lResult));
}

HWND SafeHwnd(const CWnd* pWnd) {
    return pWnd ? pWnd->m_hWnd : nullptr;
}

}  // namespace

// ---- CToolTipCtrl ----

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(pParentWnd, dwStyle, 0);
}

BOOL CToolTipCtrl::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwStyleEx) {
    AfxInitCommonControlClasses(ICC_WIN95_CLASSES);
    // A popup owned by the parent's top-level window, so that it goes away with it.
    if (!CWnd::CreateEx(dwStyleEx, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, SafeHwnd(pParentWnd), nullptr, nullptr))
        return FALSE;
    SetOwner(pParentWnd);
    return TRUE;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
    ::ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = kToolInfoSize;
    const HWND hWnd = SafeHwnd(pWnd);
    if (nIDTool == 0) {
        // The whole window is the tool; the tooltip tells its parent about it.
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
    } else {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    CString strText;
    strText.LoadString(nIDText);
    return AddTool(pWnd, strText, lpRectTool, nIDTool);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (!pWnd || !pWnd->m_hWnd) return FALSE;
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool) ti.rect = *lpRectTool;
    ti.lpszText = const_cast<LPTSTR>(lpszText);
    return static_cast<BOOL>(::SendMessage(m_hWnd, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ::SendMessage(m_hWnd, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPTSTR>(lpszText);
    ::SendMessage(m_hWnd, TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
    CString strText;
    strText.LoadString(nIDText);
    UpdateTipText(strText, pWnd, nIDTool);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
    // The tooltip copies at most this many characters (its own limit for tip texts).
    const int nMax = 1024;
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = str.GetBuffer(nMax);
    ti.lpszText[0] = 0;
    ::SendMessage(m_hWnd, TTM_GETTEXT, nMax, reinterpret_cast<LPARAM>(&ti));
    str.ReleaseBuffer();
}

BOOL CToolTipCtrl::GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
    FillInToolInfo(ToolInfo, pWnd, nIDTool);
    ToolInfo.szText[0] = 0;
    ToolInfo.lpszText = ToolInfo.szText;
    return static_cast<BOOL>(::SendMessage(m_hWnd, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&ToolInfo)));
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFO lpToolInfo) {
    ::SendMessage(m_hWnd, TTM_SETTOOLINFO, 0, reinterpret_cast<LPARAM>(lpToolInfo));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
    if (!lpRect) return;
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    ::SendMessage(m_hWnd, TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&ti));
}

BOOL CToolTipCtrl::GetCurrentTool(LPTOOLINFO lpToolInfo) const {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TTM_GETCURRENTTOOL, 0, reinterpret_cast<LPARAM>(lpToolInfo)));
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const {
    TTHITTESTINFO hti = {};
    hti.hwnd = SafeHwnd(pWnd);
    hti.pt = pt;
    hti.ti.cbSize = kToolInfoSize;
    if (!::SendMessage(m_hWnd, TTM_HITTEST, 0, reinterpret_cast<LPARAM>(&hti))) return FALSE;
    if (lpToolInfo) *lpToolInfo = hti.ti;
    return TRUE;
}

// ---- CSliderCtrl ----

CSliderCtrl::~CSliderCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_BAR_CLASSES);
    return CWnd::Create(TRACKBAR_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CSliderCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_BAR_CLASSES);
    return CWnd::CreateEx(dwExStyle, TRACKBAR_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

CWnd* CSliderCtrl::GetBuddy(BOOL fLocation) const {
    return WndFromResult(::SendMessage(m_hWnd, TBM_GETBUDDY, fLocation, 0));
}

CWnd* CSliderCtrl::SetBuddy(CWnd* pWndBuddy, BOOL fLocation) {
    return WndFromResult(
        ::SendMessage(m_hWnd, TBM_SETBUDDY, fLocation, reinterpret_cast<LPARAM>(SafeHwnd(pWndBuddy))));
}

CToolTipCtrl* CSliderCtrl::GetToolTips() const {
    return static_cast<CToolTipCtrl*>(WndFromResult(::SendMessage(m_hWnd, TBM_GETTOOLTIPS, 0, 0)));
}

void CSliderCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    ::SendMessage(m_hWnd, TBM_SETTOOLTIPS, reinterpret_cast<WPARAM>(SafeHwnd(pWndTip)), 0);
}

// ---- CSpinButtonCtrl ----

CSpinButtonCtrl::~CSpinButtonCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_UPDOWN_CLASS);
    return CWnd::Create(UPDOWN_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    const DWORD dw = GetRange();
    lower = static_cast<short>(HIWORD(dw));
    upper = static_cast<short>(LOWORD(dw));
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    return WndFromResult(::SendMessage(m_hWnd, UDM_GETBUDDY, 0, 0));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
    return WndFromResult(
        ::SendMessage(m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(SafeHwnd(pWndBuddy)), 0));
}

// ---- CHotKeyCtrl ----

CHotKeyCtrl::~CHotKeyCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CHotKeyCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_HOTKEY_CLASS);
    return CWnd::Create(HOTKEY_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CHotKeyCtrl::GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const {
    const DWORD dw = GetHotKey();
    wVirtualKeyCode = LOBYTE(LOWORD(dw));
    wModifiers = HIBYTE(LOWORD(dw));
}

CString CHotKeyCtrl::GetHotKeyName() const {
    WORD wCode = 0, wModifiers = 0;
    GetHotKey(wCode, wModifiers);
    CString strName;
    if (wCode == 0 && wModifiers == 0) return strName;
    static const TCHAR szPlus[] = _T(" + ");
    if (wModifiers & HOTKEYF_CONTROL) {
        strName += GetKeyName(VK_CONTROL, FALSE);
        strName += szPlus;
    }
    if (wModifiers & HOTKEYF_SHIFT) {
        strName += GetKeyName(VK_SHIFT, FALSE);
        strName += szPlus;
    }
    if (wModifiers & HOTKEYF_ALT) {
        strName += GetKeyName(VK_MENU, FALSE);
        strName += szPlus;
    }
    strName += GetKeyName(wCode, (wModifiers & HOTKEYF_EXT) != 0);
    return strName;
}

CString PASCAL CHotKeyCtrl::GetKeyName(UINT vk, BOOL fExtended) {
    LONG lScan = static_cast<LONG>(::MapVirtualKey(vk, MAPVK_VK_TO_VSC) << 16);
    if (fExtended) lScan |= 0x01000000L;
    CString str;
    // GetKeyNameText does not report a cut name, so the buffer grows while the name fills it.
    for (int nBufferLen = 64;; nBufferLen *= 2) {
        LPTSTR psz = str.GetBuffer(nBufferLen);
        const int nLen = ::GetKeyNameText(lScan, psz, nBufferLen + 1);
        str.ReleaseBuffer(nLen < 0 ? 0 : nLen);
        if (nLen < nBufferLen || nBufferLen >= 1024) return str;
    }
}

// ---- CProgressCtrl ----

CProgressCtrl::~CProgressCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_PROGRESS_CLASS);
    return CWnd::Create(PROGRESS_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    PBRANGE range = {};
    ::SendMessage(m_hWnd, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}
