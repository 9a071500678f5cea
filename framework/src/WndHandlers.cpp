// CWnd's own message map and the default message handlers: the parent-side handlers of control
// notifications reflect them to the control first; every other handler calls the original procedure.
#include "WndState.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_CHARTOITEM()
ON_WM_VKEYTOITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

// ---- Control notifications: the control's reflection handlers first ----

HBRUSH CWnd::OnCtlColor(CDC* /*pDC*/, CWnd* pWnd, UINT /*nCtlColor*/) {
    // A control that asks itself (its own handle in lParam, as an edit measuring its text does) reaches
    // its reflected CtlColor as well.
    LRESULT lResult = 0;
    if (pWnd && pWnd->SendChildNotifyLastMsg(&lResult)) return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int /*nIDCtl*/, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
        if (CMenu* pMenu = AfxFindMenuForDrawItem(lpDrawItemStruct)) {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    } else if (ReflectLastMsg(lpDrawItemStruct->hwndItem)) {
        return;
    }
    Default();
}

void CWnd::OnMeasureItem(int /*nIDCtl*/, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
        if (CMenu* pMenu = AfxFindMenuForMeasureItem(m_hWnd, lpMeasureItemStruct)) {
            pMenu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    } else {
        // The message names the control by ID only; an owner-drawn list measures during its own
        // creation, when the control is the window the creation hook has just attached.
        CWnd* pChild = GetDescendantWindow(static_cast<int>(lpMeasureItemStruct->CtlID), TRUE);
        if (!pChild) {
            HWND hWndInit = AfxGetWndThreadState()->hWndInit;
            if (hWndInit && ::IsWindow(hWndInit) && ::GetParent(hWndInit) == m_hWnd &&
                static_cast<UINT>(::GetDlgCtrlID(hWndInit)) == lpMeasureItemStruct->CtlID)
                pChild = FromHandlePermanent(hWndInit);
        }
        if (pChild && pChild->SendChildNotifyLastMsg()) return;
    }
    Default();
}

int CWnd::OnCompareItem(int /*nIDCtl*/, LPCOMPAREITEMSTRUCT lpCompareItemStruct) {
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult)) return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int /*nIDCtl*/, LPDELETEITEMSTRUCT lpDeleteItemStruct) {
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem)) return;
    Default();
}

int CWnd::OnCharToItem(UINT /*nChar*/, CListBox* pListBox, UINT /*nIndex*/) {
    LRESULT lResult = 0;
    if (pListBox && ReflectLastMsg(reinterpret_cast<CWnd*>(pListBox)->m_hWnd, &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

int CWnd::OnVKeyToItem(UINT /*nKey*/, CListBox* pListBox, UINT /*nIndex*/) {
    LRESULT lResult = 0;
    if (pListBox && ReflectLastMsg(reinterpret_cast<CWnd*>(pListBox)->m_hWnd, &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnHScroll(UINT /*nSBCode*/, UINT /*nPos*/, CScrollBar* pScrollBar) {
    if (pScrollBar && ReflectLastMsg(reinterpret_cast<CWnd*>(pScrollBar)->m_hWnd)) return;
    Default();
}

void CWnd::OnVScroll(UINT /*nSBCode*/, UINT /*nPos*/, CScrollBar* pScrollBar) {
    if (pScrollBar && ReflectLastMsg(reinterpret_cast<CWnd*>(pScrollBar)->m_hWnd)) return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam) {
    if (LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) {
        if (ReflectLastMsg(reinterpret_cast<HWND>(lParam))) return;
    }
    Default();
}

// ---- Everything else: the original procedure ----

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}

BOOL CWnd::OnNcCreate(LPCREATESTRUCT) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnDestroy() {
    Default();
}

void CWnd::OnClose() {
    Default();
}

BOOL CWnd::OnQueryEndSession() {
    return static_cast<BOOL>(Default());
}

void CWnd::OnEndSession(BOOL) {
    Default();
}

void CWnd::OnPaint() {
    Default();
}

void CWnd::OnNcPaint() {
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnIconEraseBkgnd(CDC*) {
    Default();
}

void CWnd::OnSysColorChange() {
    Default();
}

LRESULT CWnd::OnThemeChanged() {
    return Default();
}

HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}

BOOL CWnd::OnQueryNewPalette() {
    return static_cast<BOOL>(Default());
}

void CWnd::OnPaletteChanged(CWnd*) {
    Default();
}

void CWnd::OnSize(UINT, int, int) {
    Default();
}

void CWnd::OnMove(int, int) {
    Default();
}

void CWnd::OnSizing(UINT, LPRECT) {
    Default();
}

void CWnd::OnMoving(UINT, LPRECT) {
    Default();
}

void CWnd::OnEnterSizeMove() {
    Default();
}

void CWnd::OnExitSizeMove() {
    Default();
}

void CWnd::OnWindowPosChanging(WINDOWPOS*) {
    Default();
}

void CWnd::OnWindowPosChanged(WINDOWPOS*) {
    Default();
}

void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
    Default();
}

void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
    Default();
}

LRESULT CWnd::OnNcHitTest(CPoint) {
    return Default();
}

void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}

void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) {
    Default();
}

void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) {
    Default();
}

void CWnd::OnChildActivate() {
    Default();
}

void CWnd::OnDisplayChange(UINT, int, int) {
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL) {
    Default();
}

void CWnd::OnActivateApp(BOOL, DWORD) {
    Default();
}

BOOL CWnd::OnNcActivate(BOOL) {
    return static_cast<BOOL>(Default());
}

int CWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    return static_cast<int>(Default());
}

void CWnd::OnSetFocus(CWnd*) {
    Default();
}

void CWnd::OnKillFocus(CWnd*) {
    Default();
}

void CWnd::OnEnable(BOOL) {
    Default();
}

void CWnd::OnCancelMode() {
    Default();
}

void CWnd::OnCaptureChanged(CWnd*) {
    Default();
}

void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) {
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnMButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnXButtonDown(UINT, UINT, CPoint) {
    Default();
}

void CWnd::OnXButtonUp(UINT, UINT, CPoint) {
    Default();
}

void CWnd::OnXButtonDblClk(UINT, UINT, CPoint) {
    Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnMouseHWheel(UINT, short, CPoint) {
    Default();
}

void CWnd::OnMouseHover(UINT, CPoint) {
    Default();
}

void CWnd::OnMouseLeave() {
    Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnNcMouseMove(UINT, CPoint) {
    Default();
}

void CWnd::OnNcLButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnNcLButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnNcLButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnNcRButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnNcRButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnNcRButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnNcMButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnNcMButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnNcMButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnNcMouseHover(UINT, CPoint) {
    Default();
}

void CWnd::OnNcMouseLeave() {
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnDeadChar(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnSysKeyUp(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnSysChar(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnSysDeadChar(UINT, UINT, UINT) {
    Default();
}

UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}

void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}

BOOL CWnd::OnHelpInfo(HELPINFO*) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnChangeUIState(UINT, UINT) {
    Default();
}

void CWnd::OnUpdateUIState(UINT, UINT) {
    Default();
}

UINT CWnd::OnQueryUIState() {
    return static_cast<UINT>(Default());
}

void CWnd::OnTimer(UINT_PTR) {
    Default();
}

void CWnd::OnInitMenu(CMenu*) {
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) {
    Default();
}

void CWnd::OnUnInitMenuPopup(CMenu*, UINT) {
    Default();
}

void CWnd::OnMenuSelect(UINT, UINT, HMENU) {
    Default();
}

LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) {
    return Default();
}

void CWnd::OnMenuRButtonUp(UINT, CMenu*) {
    Default();
}

void CWnd::OnEnterMenuLoop(BOOL) {
    Default();
}

void CWnd::OnExitMenuLoop(BOOL) {
    Default();
}

void CWnd::OnEnterIdle(UINT, CWnd*) {
    Default();
}

void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}

void CWnd::OnSettingChange(UINT, LPCTSTR) {
    Default();
}

void CWnd::OnWinIniChange(LPCTSTR) {
    Default();
}

void CWnd::OnDevModeChange(LPTSTR) {
    Default();
}

void CWnd::OnFontChange() {
    Default();
}

void CWnd::OnTimeChange() {
    Default();
}

void CWnd::OnDropFiles(HDROP) {
    Default();
}

BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) {
    return static_cast<BOOL>(Default());
}
