// CQVWordListCtrl: an owner-drawn report view with a phonetic column in a font of its own.
#include "QVWordListCtrl.h"

#include "QVWordListLayout.h"

#include <QVGdiplusHelper.h>
#include <QVLanResManager.h>

#include <string>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kSelectedText = RGB(255, 0, 255);
constexpr UINT kCellFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

CString DefaultFace() {
    return CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT"));
}

// A cell's text as the list view keeps it, UTF-16 in both builds; the buffer grows until the text fits.
std::wstring CellText(HWND hList, int nItem, int nSubItem) {
    std::wstring str(256, L'\0');
    for (;;) {
        LVITEMW lvi = {};
        lvi.iSubItem = nSubItem;
        lvi.pszText = &str[0];
        lvi.cchTextMax = static_cast<int>(str.size());
        const int nLen =
            static_cast<int>(::SendMessageW(hList, LVM_GETITEMTEXTW, nItem, reinterpret_cast<LPARAM>(&lvi)));
        if (nLen < lvi.cchTextMax - 1 || str.size() >= (1u << 20)) {
            str.resize(std::max(0, std::min(nLen, lvi.cchTextMax - 1)));
            return str;
        }
        str.assign(str.size() * 2, L'\0');
    }
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVWordListCtrl, CQVListCtrl)

BEGIN_MESSAGE_MAP(CQVWordListCtrl, CQVListCtrl)
ON_WM_CREATE()
ON_WM_MEASUREITEM_REFLECT()
ON_MESSAGE(WM_QV_LANCHANGED, &CQVWordListCtrl::OnLanChanged)
END_MESSAGE_MAP()

CQVWordListCtrl::CQVWordListCtrl() = default;

CQVWordListCtrl::~CQVWordListCtrl() {
    // Destroyed while this class still handles its messages.
    if (GetSafeHwnd()) DestroyWindow();
}

void CQVWordListCtrl::SetPhoneticColumn(int nColumn, const CString& strFace) {
    m_nPhoneticColumn = nColumn;
    m_strPhoneticFace = strFace;
    if (GetSafeHwnd()) Invalidate(FALSE);
}

CString CQVWordListCtrl::GetPhoneticFace() const {
    return m_strPhoneticFace.IsEmpty() ? DefaultFace() : m_strPhoneticFace;
}

CFont* CQVWordListCtrl::CFaceFont::Get(const CString& strWanted) {
    if (!font.GetSafeHandle() || strWanted != strFace) {
        font.DeleteObject();
        font.CreatePointFont(110, strWanted);
        strFace = strWanted;
    }
    return &font;
}

CFont* CQVWordListCtrl::DefaultFont() {
    return m_fontDefault.Get(DefaultFace());
}

CFont* CQVWordListCtrl::PhoneticFont() {
    return m_fontPhonetic.Get(GetPhoneticFace());
}

// ---- Creation, subclassing and measuring ----

BOOL CQVWordListCtrl::PreCreateWindow(CREATESTRUCT& cs) {
    // A list view reads its owner-draw style when it is created: a change made later, before its
    // creation has run, would not reach it.
    cs.style |= LVS_OWNERDRAWFIXED;
    return CQVListCtrl::PreCreateWindow(cs);
}

void CQVWordListCtrl::PreSubclassWindow() {
    ModifyStyle(0, LVS_OWNERDRAWFIXED);
    CQVListCtrl::PreSubclassWindow();
    // A window being created is measured from OnCreate; one subclassed later is a report view already.
    if (SendMessage(LVM_GETVIEW) == LV_VIEW_DETAILS) Remeasure();
}

int CQVWordListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CQVListCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    Remeasure();
    return 0;
}

void CQVWordListCtrl::Remeasure() {
    RelayoutHeader();
}

void CQVWordListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = kItemHeight;
}

// ---- Drawing ----

void CQVWordListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    const bool bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    if (bSelected)
        CQVGdiplusHelper::DrawLinearGradientRect(pDC->GetSafeHdc(), rcItem, kWhite, kBlue, 1);
    else
        pDC->FillSolidRect(&rcItem, kWhite);

    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nColumns = pHeader ? pHeader->GetItemCount() : 0;
    if (nColumns <= 0) return;
    std::vector<int> order(nColumns), widths(nColumns);
    if (!GetColumnOrderArray(order.data(), nColumns))
        for (int i = 0; i < nColumns; ++i)
            order[i] = i;
    for (int i = 0; i < nColumns; ++i)
        widths[i] = GetColumnWidth(i);
    // The cells line up with the header, which the list view moves by its horizontal scroll.
    int xStart = rcItem.left;
    CRect rcFirst;
    if (order[0] >= 0 && order[0] < nColumns && pHeader->GetItemRect(order[0], &rcFirst)) {
        pHeader->MapWindowPoints(this, &rcFirst);
        xStart = rcFirst.left;
    }
    const std::vector<CRect> cells = QVWordListCellRects(order, widths, xStart, rcItem);

    const int nSaved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bSelected ? kSelectedText : RGB(0, 0, 0));
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    for (int nColumn : order) {
        if (nColumn < 0 || nColumn >= nColumns) continue;
        CRect rcCell = cells[nColumn];
        if (rcCell.right <= rcClip.left || rcCell.left >= rcClip.right) continue;
        pDC->SelectObject(nColumn == m_nPhoneticColumn ? PhoneticFont() : DefaultFont());
        // The text keeps off the column's edges: 4 pixels at the left, 2 at the right.
        rcCell.DeflateRect(4, 0, 2, 0);
        const std::wstring str = CellText(m_hWnd, nItem, nColumn);
        ::DrawTextW(pDC->GetSafeHdc(), str.c_str(), static_cast<int>(str.size()), &rcCell, kCellFormat);
    }
    pDC->RestoreDC(nSaved);
}

// The default face is the language's: the next paint makes the font again when it changed.
LRESULT CQVWordListCtrl::OnLanChanged(WPARAM, LPARAM) {
    Invalidate(FALSE);
    return 1;
}
