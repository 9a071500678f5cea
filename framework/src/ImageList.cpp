// Image lists: the wrapper of HIMAGELIST with its handle map.
#include <afxcmn.h>

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

CObject* AFXAPI NewTempImageList(HANDLE) {
    return new CImageList;
}

CHandleMap* AFXAPI NewImageListMap() {
    const CImageList probe;
    const size_t offset = reinterpret_cast<const BYTE*>(&probe.m_hImageList) -
                          reinterpret_cast<const BYTE*>(static_cast<const CObject*>(&probe));
    return new CHandleMap(&NewTempImageList, offset, 1);
}

// Image lists live in the common controls library, which is initialised once per process.
void InitImageLists() {
    static const BOOL bInitialised = [] {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&icc);
    }();
    UNUSED_ALWAYS(bInitialised);
}

HBITMAP BitmapHandle(const CBitmap* pBitmap) {
    return pBitmap ? static_cast<HBITMAP>(pBitmap->m_hObject) : nullptr;
}

}  // namespace

CHandleMap* AFXAPI afxMapHIMAGELIST(BOOL bCreate) {
    return AfxGetThreadHandleMap(&NewImageListMap, bCreate);
}

CImageList::~CImageList() {
    DeleteImageList();
}

HIMAGELIST CImageList::GetSafeHandle() const {
    return this == nullptr ? nullptr : m_hImageList;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) {
    return static_cast<CImageList*>(afxMapHIMAGELIST(TRUE)->FromHandle(hImageList));
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList) {
    CHandleMap* pMap = afxMapHIMAGELIST(FALSE);
    return pMap ? static_cast<CImageList*>(pMap->LookupPermanent(hImageList)) : nullptr;
}

void PASCAL CImageList::DeleteTempMap() {
    if (CHandleMap* pMap = afxMapHIMAGELIST(FALSE)) pMap->DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
    ASSERT(m_hImageList == nullptr);
    if (!hImageList) return FALSE;
    m_hImageList = hImageList;
    afxMapHIMAGELIST(TRUE)->SetPermanent(m_hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList) {
        if (CHandleMap* pMap = afxMapHIMAGELIST(FALSE)) pMap->RemoveHandle(hImageList);
    }
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) return FALSE;
    return ::ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    InitImageLists();
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
    // Loaded as a CBitmap so that the resource is found the same way as every bitmap of the application.
    CBitmap bitmap;
    BITMAP bm = {};
    if (!bitmap.LoadBitmap(lpszBitmapID) || !bitmap.GetBitmap(&bm) || cx <= 0) return FALSE;
    const UINT nFlags = ILC_COLOR32 | (crMask != CLR_NONE ? ILC_MASK : 0);
    if (!Create(cx, bm.bmHeight, nFlags, bm.bmWidth / cx, nGrow)) return FALSE;
    const int nFirst =
        crMask != CLR_NONE ? Add(&bitmap, crMask) : Add(&bitmap, static_cast<CBitmap*>(nullptr));
    if (nFirst < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx,
                        int dy) {
    InitImageLists();
    return Attach(
        ::ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList) {
    InitImageLists();
    if (!pImageList || !pImageList->m_hImageList) return FALSE;
    return Attach(::ImageList_Duplicate(pImageList->m_hImageList));
}

int CImageList::GetImageCount() const {
    return ::ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::SetImageCount(UINT uNewCount) {
    return ::ImageList_SetImageCount(m_hImageList, uNewCount);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
    return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

BOOL CImageList::GetIconSize(int* pcx, int* pcy) const {
    return ::ImageList_GetIconSize(m_hImageList, pcx, pcy);
}

COLORREF CImageList::SetBkColor(COLORREF cr) {
    return ::ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const {
    return ::ImageList_GetBkColor(m_hImageList);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
    return ::ImageList_Add(m_hImageList, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    return ::ImageList_AddMasked(m_hImageList, BitmapHandle(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon) {
    return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

BOOL CImageList::Remove(int nImage) {
    return ::ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
    return ::ImageList_Replace(m_hImageList, nImage, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

int CImageList::Replace(int nImage, HICON hIcon) {
    return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags) {
    return ::ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}

BOOL CImageList::Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags) {
    if (!pSrc) return FALSE;
    return ::ImageList_Copy(m_hImageList, iDst, pSrc->m_hImageList, iSrc, uFlags);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay) {
    return ::ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

HICON CImageList::ExtractIcon(int nImage) {
    return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    if (!pDC) return FALSE;
    return ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg,
                        UINT nStyle) {
    if (!pDC) return FALSE;
    return ::ImageList_DrawEx(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg,
                              nStyle);
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp) {
    if (!pimldp) return FALSE;
    pimldp->cbSize = sizeof(IMAGELISTDRAWPARAMS);
    pimldp->himl = m_hImageList;
    return ::ImageList_DrawIndirect(pimldp);
}

BOOL CImageList::DrawIndirect(CDC* pDC, int nImage, POINT pt, SIZE sz, POINT ptOrigin, UINT fStyle,
                              DWORD dwRop, COLORREF rgbBack, COLORREF rgbFore, DWORD fState, DWORD Frame,
                              COLORREF crEffect) {
    if (!pDC) return FALSE;
    IMAGELISTDRAWPARAMS params = {};
    params.hdcDst = pDC->m_hDC;
    params.i = nImage;
    params.x = pt.x;
    params.y = pt.y;
    params.cx = sz.cx;
    params.cy = sz.cy;
    params.xBitmap = ptOrigin.x;
    params.yBitmap = ptOrigin.y;
    params.rgbBk = rgbBack;
    params.rgbFg = rgbFore;
    params.fStyle = fStyle;
    params.dwRop = dwRop;
    params.fState = fState;
    params.Frame = Frame;
    params.crEffect = crEffect;
    return DrawIndirect(&params);
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot) {
    return ::ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}

void PASCAL CImageList::EndDrag() {
    ::ImageList_EndDrag();
}

BOOL PASCAL CImageList::DragMove(CPoint pt) {
    return ::ImageList_DragMove(pt.x, pt.y);
}

BOOL CImageList::SetDragCursorImage(int nDrag, CPoint ptHotSpot) {
    return ::ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y);
}

BOOL PASCAL CImageList::DragShowNolock(BOOL bShow) {
    return ::ImageList_DragShowNolock(bShow);
}

CImageList* PASCAL CImageList::GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot) {
    return FromHandle(::ImageList_GetDragImage(lpPoint, lpPointHotSpot));
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point) {
    return ::ImageList_DragEnter(pWndLock ? pWndLock->m_hWnd : nullptr, point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock) {
    return ::ImageList_DragLeave(pWndLock ? pWndLock->m_hWnd : nullptr);
}
