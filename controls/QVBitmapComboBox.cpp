#include "QVBitmapComboBox.h"

#include <vector>

#include "QVSelectScope.h"

namespace {

const UINT kLoadFlags = LR_LOADFROMFILE | LR_CREATEDIBSECTION;  // 0x2010
const COLORREF kSelectedFill = 0xFF0000;
const COLORREF kFill = 0xFFFFFF;
const COLORREF kSelectedFrame = 0x0000FF;

// A .bmp file holds at least what its headers promise: a file cut short (whose missing rows the
// system would load as whatever) or one whose header claims more pixels than it carries is refused.
// Compressed pixels have no size to check; files of other formats are left to the loader.
BOOL IsBitmapFileWhole(LPCTSTR lpszPath) {
    const HANDLE hFile = ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return FALSE;
    LARGE_INTEGER size = {};
    BYTE header[sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)] = {};
    DWORD nRead = 0;
    const BOOL bRead =
        ::GetFileSizeEx(hFile, &size) && ::ReadFile(hFile, header, sizeof(header), &nRead, NULL);
    ::CloseHandle(hFile);
    if (!bRead) return FALSE;
    if (nRead < 2 || header[0] != 'B' || header[1] != 'M') return TRUE;  // not a .bmp: the loader decides
    if (nRead < sizeof(header)) return FALSE;
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    memcpy(&file, header, sizeof(file));
    memcpy(&info, header + sizeof(file), sizeof(info));
    if (info.biSize < sizeof(BITMAPINFOHEADER) || info.biCompression != BI_RGB) return TRUE;
    const LONGLONG nHeight = info.biHeight < 0 ? -static_cast<LONGLONG>(info.biHeight) : info.biHeight;
    const LONGLONG nStride = ((static_cast<LONGLONG>(info.biWidth) * info.biBitCount + 31) / 32) * 4;
    return info.biWidth > 0 && nStride * nHeight + file.bfOffBits <= size.QuadPart;
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVBitmapComboBox, CQVComboBox)

BEGIN_MESSAGE_MAP(CQVBitmapComboBox, CQVComboBox)
ON_MESSAGE(CB_DELETESTRING, &CQVBitmapComboBox::OnDeleteString)
ON_MESSAGE(CB_RESETCONTENT, &CQVBitmapComboBox::OnResetContent)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CQVBitmapComboBox::CQVBitmapComboBox() = default;

CQVBitmapComboBox::~CQVBitmapComboBox() {
    FreeAllBitmaps();
}

// ---- Attributes ----

void CQVBitmapComboBox::SetImageSize(int cx, int cy) {
    m_sizeImage = CSize(cx > 0 ? cx : 0, cy > 0 ? cy : 0);
    ApplyItemHeight();
}

void CQVBitmapComboBox::SetImageTransparent(BOOL bTransparent, COLORREF clrKey) {
    m_bTransparent = bTransparent;
    m_clrTransparent = clrKey;
    if (GetSafeHwnd()) Invalidate(FALSE);
}

// ---- Items ----

int CQVBitmapComboBox::AddBitmap(LPCTSTR lpszPath) {
    if (!GetSafeHwnd() || !lpszPath || !*lpszPath || !IsBitmapFileWhole(lpszPath)) return CB_ERR;
    const HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImage(NULL, lpszPath, IMAGE_BITMAP, 0, 0, kLoadFlags));
    if (!hBitmap) return CB_ERR;
    const int nIndex = AddString(lpszPath);
    if (nIndex < 0) {
        ::DeleteObject(hBitmap);
        return CB_ERR;
    }
    SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(hBitmap));
    m_bitmaps.insert(hBitmap);
    m_hWndItems = m_hWnd;
    return nIndex;
}

BOOL CQVBitmapComboBox::DelBitmap(int nIndex) {
    if (!GetSafeHwnd() || nIndex < 0 || nIndex >= GetCount()) return FALSE;
    return DeleteString(static_cast<UINT>(nIndex)) != CB_ERR;
}

void CQVBitmapComboBox::ResetContent() {
    if (GetSafeHwnd()) CQVComboBox::ResetContent();
}

HBITMAP CQVBitmapComboBox::GetBitmap(int nIndex) const {
    if (!GetSafeHwnd() || nIndex < 0 || nIndex >= GetCount()) return NULL;
    const HBITMAP hBitmap = reinterpret_cast<HBITMAP>(GetItemData(nIndex));
    return OwnsBitmap(hBitmap) ? hBitmap : NULL;
}

void CQVBitmapComboBox::FreeBitmap(HBITMAP hBitmap) {
    if (!OwnsBitmap(hBitmap)) return;
    m_bitmaps.erase(hBitmap);
    ::DeleteObject(hBitmap);
}

void CQVBitmapComboBox::FreeAllBitmaps() {
    // Items of a window that outlives this object keep no handle of a freed bitmap.
    if (m_hWndItems && ::IsWindow(m_hWndItems)) {
        const int nCount = static_cast<int>(::SendMessage(m_hWndItems, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < nCount; ++i) {
            const HBITMAP hBitmap =
                reinterpret_cast<HBITMAP>(::SendMessage(m_hWndItems, CB_GETITEMDATA, i, 0));
            if (OwnsBitmap(hBitmap)) ::SendMessage(m_hWndItems, CB_SETITEMDATA, i, 0);
        }
    }
    for (HBITMAP hBitmap : m_bitmaps)
        ::DeleteObject(hBitmap);
    m_bitmaps.clear();
}

void CQVBitmapComboBox::ApplyItemHeight() {
    if (!GetSafeHwnd()) return;
    SetItemHeight(-1, static_cast<UINT>(m_sizeImage.cy));
    SetItemHeight(0, static_cast<UINT>(m_sizeImage.cy));
}

// ---- Overridables ----

BOOL CQVBitmapComboBox::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    return CQVComboBox::PreCreateWindow(cs);
}

void CQVBitmapComboBox::PreSubclassWindow() {
    CQVComboBox::PreSubclassWindow();
    m_hWndItems = m_hWnd;
    // A template combo measured its items before this object existed.
    ApplyItemHeight();
}

void CQVBitmapComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemWidth = static_cast<UINT>(m_sizeImage.cx);
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(m_sizeImage.cy);
}

void CQVBitmapComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem = lpDrawItemStruct->rcItem;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const COLORREF clrOldBk = pDC->GetBkColor();
    pDC->FillSolidRect(&rcItem, bSelected ? kSelectedFill : kFill);
    pDC->SetBkColor(clrOldBk);

    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    if (nItem < 0 || nItem >= GetCount()) return;
    const HBITMAP hBitmap = reinterpret_cast<HBITMAP>(lpDrawItemStruct->itemData);
    if (OwnsBitmap(hBitmap)) {
        CDC dcImage;
        if (dcImage.CreateCompatibleDC(pDC)) {
            CQVSelectScope scope(&dcImage, hBitmap);
            const int cx = m_sizeImage.cx, cy = m_sizeImage.cy;
            if (m_bTransparent)
                pDC->TransparentBlt(rcItem.left, rcItem.top, cx, cy, &dcImage, 0, 0, cx, cy,
                                    m_clrTransparent);
            else
                pDC->BitBlt(rcItem.left, rcItem.top, cx, cy, &dcImage, 0, 0, SRCCOPY);
        }
    }
    if (bSelected) {
        CQVSelectScope scope(pDC, ::GetStockObject(NULL_BRUSH));
        scope.SelectOwned(::CreatePen(PS_SOLID, 1, kSelectedFrame));
        pDC->Rectangle(&rcItem);
    }
}

// ---- Messages ----

LRESULT CQVBitmapComboBox::OnDeleteString(WPARAM wParam, LPARAM) {
    // The bitmap goes with its item, whoever asked for the deletion.
    const int nIndex = static_cast<int>(wParam);
    const HBITMAP hBitmap =
        nIndex >= 0 && nIndex < GetCount() ? reinterpret_cast<HBITMAP>(GetItemData(nIndex)) : NULL;
    const LRESULT lResult = Default();
    if (lResult != CB_ERR) FreeBitmap(hBitmap);
    return lResult;
}

LRESULT CQVBitmapComboBox::OnResetContent(WPARAM, LPARAM) {
    std::vector<HBITMAP> bitmaps;
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
        bitmaps.push_back(reinterpret_cast<HBITMAP>(GetItemData(i)));
    const LRESULT lResult = Default();
    for (HBITMAP hBitmap : bitmaps)
        FreeBitmap(hBitmap);
    return lResult;
}

void CQVBitmapComboBox::OnDestroy() {
    ResetContent();
    FreeAllBitmaps();
    m_hWndItems = NULL;
    CQVComboBox::OnDestroy();
}
