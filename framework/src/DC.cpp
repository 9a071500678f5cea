// Device contexts: handle map, creation, drawing tools, attributes, coordinates and clipping.
//
// Output goes to m_hDC, queries go to m_hAttribDC, and settings are made on both (the output DC first,
// when it is a separate DC, so that the attribute DC's previous value is the one answered).
#include <afxwin.h>

#include <stdlib.h>

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

CObject* AFXAPI NewTempDC(HANDLE) {
    return new CDC;
}

CHandleMap* AFXAPI NewDCMap() {
    const CDC probe;
    const BYTE* pBase = reinterpret_cast<const BYTE*>(static_cast<const CObject*>(&probe));
    const size_t offset = reinterpret_cast<const BYTE*>(&probe.m_hDC) - pBase;
    ASSERT(reinterpret_cast<const BYTE*>(&probe.m_hAttribDC) - pBase ==
           static_cast<ptrdiff_t>(offset + sizeof(HANDLE)));
    return new CHandleMap(&NewTempDC, offset, 2);
}

template <class T>
struct TypeIdentity {
    typedef T type;
};

// Calls pfn(hdc, args...) on the output DC when it is separate, then on the attribute DC; answers the
// attribute DC's result (or fail when there is no DC at all).
template <class R, class... Params, class... Args>
R SetOnBoth(const CDC* pDC, R(WINAPI* pfn)(HDC, Params...), typename TypeIdentity<R>::type fail,
            Args... args) {
    R result = fail;
    if (pDC->m_hDC != pDC->m_hAttribDC) result = pfn(pDC->m_hDC, args...);
    if (pDC->m_hAttribDC) result = pfn(pDC->m_hAttribDC, args...);
    return result;
}

HGDIOBJ SelectOnBoth(const CDC* pDC, HGDIOBJ hObject) {
    return SetOnBoth(pDC, &::SelectObject, static_cast<HGDIOBJ>(nullptr), hObject);
}

}  // namespace

CHandleMap* AFXAPI afxMapHDC(BOOL bCreate) {
    return AfxGetThreadHandleMap(&NewDCMap, bCreate);
}

// ---- Handle, creation ----

CDC::~CDC() {
    if (m_hDC) ::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const {
    return this == nullptr ? nullptr : m_hDC;
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
    return static_cast<CDC*>(afxMapHDC(TRUE)->FromHandle(hDC));
}

void PASCAL CDC::DeleteTempMap() {
    if (CHandleMap* pMap = afxMapHDC(FALSE)) pMap->DeleteTemp();
}

BOOL CDC::Attach(HDC hDC) {
    ASSERT(m_hDC == nullptr && m_hAttribDC == nullptr);
    if (!hDC) return FALSE;
    m_hDC = hDC;
    m_hAttribDC = hDC;
    afxMapHDC(TRUE)->SetPermanent(m_hDC, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC) {
        if (CHandleMap* pMap = afxMapHDC(FALSE)) pMap->RemoveHandle(hDC);
    }
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
    return hDC;
}

void CDC::SetAttribDC(HDC hDC) {
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC) {
    m_hDC = hDC;
}

void CDC::ReleaseAttribDC() {
    m_hAttribDC = nullptr;
}

void CDC::ReleaseOutputDC() {
    m_hDC = nullptr;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData) {
    return Attach(
        ::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData) {
    return Attach(
        ::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

// ---- State ----

int CDC::SaveDC() {
    int nSaved = 0;
    if (m_hAttribDC) nSaved = ::SaveDC(m_hAttribDC);
    // Two DCs have two save stacks: only -1 (the latest state) restores both consistently.
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0) nSaved = -1;
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC) {
    BOOL bOk = TRUE;
    if (m_hDC != m_hAttribDC) bOk = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC) bOk = ::RestoreDC(m_hAttribDC, nSavedDC) && bOk;
    return bOk;
}

int CDC::GetDeviceCaps(int nIndex) const {
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

UINT CDC::SetBoundsRect(LPCRECT lpRectBounds, UINT flags) {
    return ::SetBoundsRect(m_hDC, lpRectBounds, flags);
}

UINT CDC::GetBoundsRect(LPRECT lpRectBounds, UINT flags) {
    return ::GetBoundsRect(m_hAttribDC, lpRectBounds, flags);
}

// ---- Drawing tools ----

CPen* CDC::SelectObject(CPen* pPen) {
    return static_cast<CPen*>(CGdiObject::FromHandle(SelectOnBoth(this, pPen ? pPen->m_hObject : nullptr)));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return static_cast<CBrush*>(
        CGdiObject::FromHandle(SelectOnBoth(this, pBrush ? pBrush->m_hObject : nullptr)));
}

CFont* CDC::SelectObject(CFont* pFont) {
    return static_cast<CFont*>(
        CGdiObject::FromHandle(SelectOnBoth(this, pFont ? pFont->m_hObject : nullptr)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    // Only a memory DC holds a bitmap, and that is the output DC.
    return static_cast<CBitmap*>(
        CGdiObject::FromHandle(::SelectObject(m_hDC, pBitmap ? pBitmap->m_hObject : nullptr)));
}

int CDC::SelectObject(CRgn* pRgn) {
    return SelectClipRgn(pRgn);
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    return CGdiObject::FromHandle(SelectObject(pObject ? pObject->m_hObject : nullptr));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    if (hObject && ::GetObjectType(hObject) == OBJ_BITMAP) return ::SelectObject(m_hDC, hObject);
    return SelectOnBoth(this, hObject);
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    if (!hObject) return nullptr;
    return CGdiObject::FromHandle(SelectOnBoth(this, hObject));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE hPalette = pPalette ? static_cast<HPALETTE>(pPalette->m_hObject) : nullptr;
    return CPalette::FromHandle(::SelectPalette(m_hDC, hPalette, bForceBackground));
}

UINT CDC::RealizePalette() {
    return ::RealizePalette(m_hDC);
}

CPen* CDC::GetCurrentPen() const {
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const {
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const {
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPalette* CDC::GetCurrentPalette() const {
    return CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(m_hDC, OBJ_PAL)));
}

// ---- Colours and modes ----

COLORREF CDC::GetNearestColor(COLORREF crColor) const {
    return ::GetNearestColor(m_hAttribDC, crColor);
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return SetOnBoth(this, &::SetBkColor, CLR_INVALID, crColor);
}

COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode) {
    return SetOnBoth(this, &::SetBkMode, 0, nBkMode);
}

int CDC::GetBkMode() const {
    return ::GetBkMode(m_hAttribDC);
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return SetOnBoth(this, &::SetTextColor, CLR_INVALID, crColor);
}

COLORREF CDC::GetTextColor() const {
    return ::GetTextColor(m_hAttribDC);
}

int CDC::SetROP2(int nDrawMode) {
    return SetOnBoth(this, &::SetROP2, 0, nDrawMode);
}

int CDC::GetROP2() const {
    return ::GetROP2(m_hAttribDC);
}

int CDC::SetStretchBltMode(int nStretchMode) {
    return SetOnBoth(this, &::SetStretchBltMode, 0, nStretchMode);
}

int CDC::GetStretchBltMode() const {
    return ::GetStretchBltMode(m_hAttribDC);
}

int CDC::SetPolyFillMode(int nPolyFillMode) {
    return SetOnBoth(this, &::SetPolyFillMode, 0, nPolyFillMode);
}

int CDC::GetPolyFillMode() const {
    return ::GetPolyFillMode(m_hAttribDC);
}

CPoint CDC::SetBrushOrg(int x, int y) {
    POINT point = {};
    ::SetBrushOrgEx(m_hDC, x, y, &point);
    return point;
}

CPoint CDC::SetBrushOrg(POINT point) {
    return SetBrushOrg(point.x, point.y);
}

CPoint CDC::GetBrushOrg() const {
    POINT point = {};
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

int CDC::SetGraphicsMode(int iMode) {
    return SetOnBoth(this, &::SetGraphicsMode, 0, iMode);
}

int CDC::GetGraphicsMode() const {
    return ::GetGraphicsMode(m_hAttribDC);
}

DWORD CDC::SetLayout(DWORD dwLayout) {
    return SetOnBoth(this, &::SetLayout, GDI_ERROR, dwLayout);
}

DWORD CDC::GetLayout() const {
    return ::GetLayout(m_hAttribDC);
}

// ---- Coordinates ----

int CDC::SetMapMode(int nMapMode) {
    return SetOnBoth(this, &::SetMapMode, 0, nMapMode);
}

int CDC::GetMapMode() const {
    return ::GetMapMode(m_hAttribDC);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    POINT point = {};
    if (m_hDC != m_hAttribDC) ::SetViewportOrgEx(m_hDC, x, y, &point);
    if (m_hAttribDC) ::SetViewportOrgEx(m_hAttribDC, x, y, &point);
    return point;
}

CPoint CDC::SetViewportOrg(POINT point) {
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    POINT point = {};
    if (m_hDC != m_hAttribDC) ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &point);
    if (m_hAttribDC) ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &point);
    return point;
}

CPoint CDC::GetViewportOrg() const {
    POINT point = {};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    SIZE size = {};
    if (m_hDC != m_hAttribDC) ::SetViewportExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC) ::SetViewportExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::SetViewportExt(SIZE size) {
    return SetViewportExt(size.cx, size.cy);
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
    SIZE size = {};
    if (m_hDC != m_hAttribDC) ::ScaleViewportExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC) ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

CSize CDC::GetViewportExt() const {
    SIZE size = {};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    POINT point = {};
    if (m_hDC != m_hAttribDC) ::SetWindowOrgEx(m_hDC, x, y, &point);
    if (m_hAttribDC) ::SetWindowOrgEx(m_hAttribDC, x, y, &point);
    return point;
}

CPoint CDC::SetWindowOrg(POINT point) {
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
    POINT point = {};
    if (m_hDC != m_hAttribDC) ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &point);
    if (m_hAttribDC) ::OffsetWindowOrgEx(m_hAttribDC, nWidth, nHeight, &point);
    return point;
}

CPoint CDC::GetWindowOrg() const {
    POINT point = {};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CSize CDC::SetWindowExt(int cx, int cy) {
    SIZE size = {};
    if (m_hDC != m_hAttribDC) ::SetWindowExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC) ::SetWindowExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::SetWindowExt(SIZE size) {
    return SetWindowExt(size.cx, size.cy);
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
    SIZE size = {};
    if (m_hDC != m_hAttribDC) ::ScaleWindowExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC) ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

CSize CDC::GetWindowExt() const {
    SIZE size = {};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const {
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const {
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const {
    // A size scales by the extents only; the origins do not move it.
    const CSize winExt = GetWindowExt();
    const CSize vpExt = GetViewportExt();
    if (!vpExt.cx || !vpExt.cy) return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs(winExt.cx), abs(vpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(winExt.cy), abs(vpExt.cy));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const {
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const {
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const {
    const CSize winExt = GetWindowExt();
    const CSize vpExt = GetViewportExt();
    if (!winExt.cx || !winExt.cy) return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs(vpExt.cx), abs(winExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(vpExt.cy), abs(winExt.cy));
}

// ---- Clipping ----

int CDC::GetClipBox(LPRECT lpRect) const {
    return ::GetClipBox(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const {
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const {
    return ::PtVisible(m_hDC, point.x, point.y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const {
    return ::RectVisible(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn) {
    HRGN hRgn = pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr;
    return SetOnBoth(this, &::SelectClipRgn, ERROR, hRgn);
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
    HRGN hRgn = pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr;
    return SetOnBoth(this, &::ExtSelectClipRgn, ERROR, hRgn, nMode);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return SetOnBoth(this, &::ExcludeClipRect, ERROR, x1, y1, x2, y2);
}

int CDC::ExcludeClipRect(LPCRECT lpRect) {
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd) {
    return ::ExcludeUpdateRgn(m_hDC, pWnd ? pWnd->m_hWnd : nullptr);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    return SetOnBoth(this, &::IntersectClipRect, ERROR, x1, y1, x2, y2);
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y) {
    return SetOnBoth(this, &::OffsetClipRgn, ERROR, x, y);
}

int CDC::OffsetClipRgn(SIZE size) {
    return OffsetClipRgn(size.cx, size.cy);
}

// ---- Window DCs ----

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) {
    ASSERT(pWnd && ::IsWindow(pWnd->m_hWnd));
    m_hWnd = pWnd ? pWnd->m_hWnd : nullptr;
    VERIFY(Attach(::BeginPaint(m_hWnd, &m_ps)));
}

CPaintDC::~CPaintDC() {
    if (m_hDC) {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}

CClientDC::CClientDC(CWnd* pWnd) {
    m_hWnd = pWnd ? pWnd->m_hWnd : nullptr;
    VERIFY(Attach(::GetDC(m_hWnd)));
}

CClientDC::~CClientDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) {
    m_hWnd = pWnd ? pWnd->m_hWnd : nullptr;
    VERIFY(Attach(::GetWindowDC(m_hWnd)));
}

CWindowDC::~CWindowDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}
