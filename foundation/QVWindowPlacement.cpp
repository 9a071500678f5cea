// Profile numbers, monitor work areas and the saved place of a window.
#include "QVWindowPlacement.h"

#include <algorithm>

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam) {
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (!::GetMonitorInfo(hMonitor, &mi)) return TRUE;
    std::vector<CRect>* pAreas = reinterpret_cast<std::vector<CRect>*>(lParam);
    if (mi.dwFlags & MONITORINFOF_PRIMARY)
        pAreas->insert(pAreas->begin(), CRect(mi.rcWork));
    else
        pAreas->push_back(CRect(mi.rcWork));
    return TRUE;
}

// Window placements are in workspace coordinates: screen coordinates less the offset of the primary
// monitor's work area (a task bar at its top or left).
CSize WorkspaceOffset() {
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (!::GetMonitorInfo(::MonitorFromPoint(CPoint(0, 0), MONITOR_DEFAULTTOPRIMARY), &mi))
        return CSize(0, 0);
    return CSize(mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
}

bool Contains(const CRect& area, const CRect& rect) {
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right &&
           rect.bottom <= area.bottom;
}

// How far rect lies from area (0 when they meet), squared.
long long Distance2(const CRect& area, const CRect& rect) {
    const long long dx = std::max({0L, area.left - rect.right, rect.left - area.right});
    const long long dy = std::max({0L, area.top - rect.bottom, rect.top - area.bottom});
    return dx * dx + dy * dy;
}

long long Overlap(const CRect& area, const CRect& rect) {
    const long long cx = std::min(area.right, rect.right) - std::max(area.left, rect.left);
    const long long cy = std::min(area.bottom, rect.bottom) - std::max(area.top, rect.top);
    return cx > 0 && cy > 0 ? cx * cy : 0;
}

}  // namespace

BOOL QVParseProfileInt(LPCTSTR psz, int nMin, int nMax, int& rValue) {
    if (!psz) return FALSE;
    const bool bNegative = *psz == _T('-');
    if (*psz == _T('-') || *psz == _T('+')) ++psz;
    if (!*psz) return FALSE;
    long long n = 0;
    for (; *psz; ++psz) {
        if (*psz < _T('0') || *psz > _T('9')) return FALSE;
        n = n * 10 + (*psz - _T('0'));
        if (n > 0x80000000LL) return FALSE;
    }
    if (bNegative) n = -n;
    if (n < nMin || n > nMax) return FALSE;
    rValue = static_cast<int>(n);
    return TRUE;
}

BOOL QVReadProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nMin, int nMax, int& rValue) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !lpszSection || !lpszEntry) return FALSE;
    const CString strValue = pApp->GetProfileString(lpszSection, lpszEntry, _T(""));
    return QVParseProfileInt(strValue, nMin, nMax, rValue);
}

BOOL QVWriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !lpszSection || !lpszEntry) return FALSE;
    TCHAR szValue[16];
    wsprintf(szValue, _T("%d"), nValue);
    return pApp->WriteProfileString(lpszSection, lpszEntry, szValue);
}

std::vector<CRect> QVMonitorWorkAreas() {
    std::vector<CRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

CRect QVClampRectToWorkAreas(const CRect& rect, const std::vector<CRect>& areas) {
    if (areas.empty()) return rect;
    const CRect* pArea = &areas.front();
    long long nOverlap = -1, nDistance = -1;
    for (const CRect& area : areas) {
        if (Contains(area, rect)) return rect;
        const long long nMeet = Overlap(area, rect), nFar = Distance2(area, rect);
        if (nMeet > nOverlap || (nMeet == 0 && nOverlap == 0 && nFar < nDistance)) {
            pArea = &area;
            nOverlap = nMeet;
            nDistance = nFar;
        }
    }
    const CRect& area = *pArea;
    const LONG cx = std::min<LONG>(rect.Width(), area.Width()),
               cy = std::min<LONG>(rect.Height(), area.Height());
    const LONG x = std::max<LONG>(area.left, std::min<LONG>(rect.left, area.right - cx));
    const LONG y = std::max<LONG>(area.top, std::min<LONG>(rect.top, area.bottom - cy));
    return CRect(x, y, x + cx, y + cy);
}

BOOL QVSaveWindowPlacement(CWnd* pWnd, LPCTSTR lpszSection) {
    if (!pWnd || !::IsWindow(pWnd->GetSafeHwnd()) || !lpszSection) return FALSE;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(pWnd->m_hWnd, &wp)) return FALSE;
    const CRect rect = CRect(wp.rcNormalPosition) + WorkspaceOffset();
    const int nShow = pWnd->IsIconic()   ? SW_SHOWMINIMIZED
                      : pWnd->IsZoomed() ? SW_SHOWMAXIMIZED
                                         : SW_SHOWNORMAL;
    BOOL bOK = QVWriteProfileInt(lpszSection, _T("Left"), rect.left);
    bOK = QVWriteProfileInt(lpszSection, _T("Top"), rect.top) && bOK;
    bOK = QVWriteProfileInt(lpszSection, _T("Right"), rect.right) && bOK;
    bOK = QVWriteProfileInt(lpszSection, _T("Bottom"), rect.bottom) && bOK;
    return QVWriteProfileInt(lpszSection, _T("ShowCmd"), nShow) && bOK;
}

BOOL QVLoadWindowPlacement(CWnd* pWnd, LPCTSTR lpszSection, int* pnCmdShow) {
    if (!pWnd || !::IsWindow(pWnd->GetSafeHwnd()) || !lpszSection) return FALSE;
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0, nShow = 0;
    if (!QVReadProfileInt(lpszSection, _T("Left"), -32768, 32767, nLeft) ||
        !QVReadProfileInt(lpszSection, _T("Top"), -32768, 32767, nTop) ||
        !QVReadProfileInt(lpszSection, _T("Right"), -32768, 32767, nRight) ||
        !QVReadProfileInt(lpszSection, _T("Bottom"), -32768, 32767, nBottom) ||
        !QVReadProfileInt(lpszSection, _T("ShowCmd"), SW_SHOWNORMAL, SW_SHOWMAXIMIZED, nShow))
        return FALSE;
    const CRect rectSaved(nLeft, nTop, nRight, nBottom);
    if (rectSaved.Width() <= 0 || rectSaved.Height() <= 0) return FALSE;

    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(pWnd->m_hWnd, &wp)) return FALSE;
    const int nCmdShow = nShow == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    const BOOL bVisible = pWnd->IsWindowVisible();
    wp.flags = 0;
    wp.showCmd = bVisible ? nCmdShow : SW_HIDE;
    wp.rcNormalPosition = QVClampRectToWorkAreas(rectSaved, QVMonitorWorkAreas()) - WorkspaceOffset();
    if (!::SetWindowPlacement(pWnd->m_hWnd, &wp)) return FALSE;
    if (pnCmdShow) *pnCmdShow = nCmdShow;
    return TRUE;
}
