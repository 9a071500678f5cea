// The item toolbar window: items and their records, layout, painting, timers and the skin.
#include "QVToolBarPlus.h"

#include "DrawMenuHelper.h"
#include "QVLanResManager.h"
#include "QVPaintMemoryDC.h"
#include "QVSkinResManager.h"
#include "QVToolBarPlusLayout.h"
#include "QVWndClass.h"
#include "ToolBarPlusButton.h"
#include "ToolBarPlusMenuButton.h"
#include "ToolBarPlusSplitter.h"
#include "TransparentBkg.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CQVToolBarPlus, CWnd)

BEGIN_MESSAGE_MAP(CQVToolBarPlus, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
ON_WM_INITMENU()
ON_WM_INITMENUPOPUP()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVToolBarPlus::OnSkinChanged)
END_MESSAGE_MAP()

namespace {

const TCHAR kClassName[] = _T("QVToolBarPlus");
const TCHAR kMenuArrow[] = _T("common\\Button\\ToolBarPlus_MenuArrow.png");
const TCHAR kMoreArrow[] = _T("common\\Button\\ToolBarPlus_MoreArrow.png");
constexpr UINT_PTR kAnimTimer = 1;
constexpr UINT_PTR kTimer2 = 2;
constexpr UINT kAnimPeriod = 30;
constexpr int kMoreWidth = 15;

// A skin file name is taken under the current skin folder unless it is absolute.
CString SkinFile(LPCTSTR lpszPath) {
    CString str(lpszPath ? lpszPath : _T(""));
    const BOOL bAbsolute = (str.GetLength() >= 2 && str[1] == _T(':')) || str.Left(2) == _T("\\\\");
    return bAbsolute ? str : CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath() + str;
}

CSize NonNegative(const CSize& sz) {
    return CSize(std::max(0L, sz.cx), std::max(0L, sz.cy));
}

// The shared frames: a fixed head and tail of 4 pixels, the middle stretched.
BOOL LoadFrame(CQVSmartImage& image, LPCTSTR lpszPath, int nStates) {
    image = CQVSmartImage();
    image.SetStateCount(nStates);
    image.Set3CellTileMode(TRUE);
    image.Set3CellHeadWidth(4);
    image.Set3CellTailWidth(4);
    return image.SetImage(SkinFile(lpszPath));
}

}  // namespace

CQVToolBarPlus::CQVToolBarPlus() {
    CQVToolBarPlusItem* pMore = new CToolBarPlusButton;
    pMore->SetID(TOOLBARPLUS_MORE_ID);
    pMore->SetVisible(FALSE);
    pMore->SetTooltip(_T("更多..."));
    m_items.push_back(pMore);
}

CQVToolBarPlus::~CQVToolBarPlus() {
    m_alive.Kill();
    if (m_hWnd) DestroyWindow();
    DeleteAllItems();
}

BOOL CQVToolBarPlus::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_hNotifyWnd = pParentWnd ? pParentWnd->GetSafeHwnd() : NULL;
    if (!QVRegisterWndClass(kClassName, CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                            QVSysColorClassBrush(COLOR_WINDOW)))
        return FALSE;
    return CWnd::Create(kClassName, _T(""), dwStyle, rect, pParentWnd, nID);
}

CWnd* CQVToolBarPlus::GetNotifyRecvWnd() const {
    if (m_hNotifyWnd && ::IsWindow(m_hNotifyWnd)) return CWnd::FromHandle(m_hNotifyWnd);
    return GetParent();
}

void CQVToolBarPlus::SetBackColor(BOOL bTransparent, COLORREF clr) {
    m_bTransparent = bTransparent;
    m_crBack = clr;
    if (m_hWnd) Invalidate(TRUE);
}

BOOL CQVToolBarPlus::SetButtonRes(LPCTSTR lpszPath) {
    const BOOL bOk = LoadFrame(m_imgButton, lpszPath, 5);
    for (CQVToolBarPlusItem* pItem : m_items)
        GiveSharedImages(pItem);
    if (m_hWnd) Invalidate(TRUE);
    return bOk;
}

BOOL CQVToolBarPlus::SetMenuButtonRes(LPCTSTR lpszBodyPath, LPCTSTR lpszArrowPartPath) {
    BOOL bOk = LoadFrame(m_imgMenuButton, lpszBodyPath, 6);
    bOk = LoadFrame(m_imgMenuArrowPart, lpszArrowPartPath, 6) && bOk;
    for (CQVToolBarPlusItem* pItem : m_items)
        GiveSharedImages(pItem);
    if (m_hWnd) Invalidate(TRUE);
    return bOk;
}

void CQVToolBarPlus::SetMultiLine(BOOL bMultiLine, int nLineHeight) {
    m_bMultiLine = bMultiLine;
    m_nLineHeight = std::max(1, nLineHeight);
}

CQVToolBarPlusItem* CQVToolBarPlus::GetItem(int nIndex) const {
    return IsValid(nIndex) ? m_items[nIndex] : nullptr;
}

CRect CQVToolBarPlus::GetItemRect(UINT nID) const {
    return PlacedRect(FindItem(nID, 0, FALSE));
}

int CQVToolBarPlus::RecalcLayout() {
    LayoutItems();
    if (m_hWnd) Invalidate(TRUE);
    return 1;
}

// ---------------------------------------------------------------------------------------------------
// Lookups.

int CQVToolBarPlus::FindItem(UINT nID, int nIndex, BOOL bAllowZero) const {
    if (nID != 0) {
        for (int i = 0; i < GetItemCount(); ++i)
            if (m_items[i]->GetType() != 0 && static_cast<UINT>(m_items[i]->GetID()) == nID) return i;
        return -1;
    }
    return nIndex >= (bAllowZero ? 0 : 1) && nIndex < GetItemCount() ? nIndex : -1;
}

int CQVToolBarPlus::LastPlaced() const {
    return std::min(m_nLastVisible, GetItemCount() - 1);
}

CRect CQVToolBarPlus::PlacedRect(int nIndex) const {
    if (nIndex < 0 || nIndex > LastPlaced() || !m_items[nIndex]->IsVisible()) return CRect();
    return m_items[nIndex]->GetRect();
}

CRect CQVToolBarPlus::ItemsRect() const {
    CRect rc;
    if (m_hWnd) GetClientRect(&rc);
    rc.DeflateRect(2, 0);
    return rc;
}

BOOL CQVToolBarPlus::IsCheckKind(int nIndex) const {
    const int nType = IsValid(nIndex) ? m_items[nIndex]->GetType() : -1;
    return nType == 3 || nType == 4 || nType == 5;
}

// ---------------------------------------------------------------------------------------------------
// Items.

CQVToolBarPlusItem* CQVToolBarPlus::CreateItem(int nType) {
    switch (nType) {
    case 0:
        return new CToolBarPlusSplitter;
    case 1:
        return new CToolBarPlusButton;
    case 2:
        return new CToolBarPlusMenuButton;
    case 3:
        return new CToolBarPlusRadioButton;
    case 4:
        return new CToolBarPlusCheckButton;
    case 5:
        return new CToolBarPlusCheckMenuButton;
    default:
        return nullptr;
    }
}

void CQVToolBarPlus::GiveSharedImages(CQVToolBarPlusItem* pItem) {
    pItem->SetFrameImage(&m_imgButton);
    pItem->SetTextFont(static_cast<HFONT>(m_font.GetSafeHandle()));
    pItem->SetBodyImage(&m_imgMenuButton);
    pItem->SetDropImage(&m_imgMenuArrowPart);
    pItem->SetArrowImage(&m_imgMenuArrow);
}

// The fields an add and a modify both take only when the mask names them.
void CQVToolBarPlus::ApplyMaskedFields(CQVToolBarPlusItem* pItem, const ToolBarPlus_ItemInfo& info) {
    const DWORD m = info.nMask;
    if (m & TBPIF_ENABLE) pItem->Enable(info.bEnable);
    if (m & TBPIF_VISIBLE) pItem->SetVisible(info.bVisible);
    if (m & TBPIF_SPARKLE) {
        pItem->SetSparkle(info.bSparkle, m_nSparkleCount);
        if (info.bSparkle) m_bMaybeHiddenSparkle = TRUE;
    }
    if (m & TBPIF_MENU) pItem->SetMenu(info.strMenu);
    if (m & TBPIF_EXTRA) pItem->SetExtra(info.strExtra);
    if (m & TBPIF_SORTKEY) pItem->SetSortKey(info.nSortKey);
    if (m & TBPIF_VALUE) pItem->SetValue(info.nValue);
    if (m & TBPIF_STRVALUE) pItem->SetStringValue(info.strValue);
    if (m & TBPIF_RIGHTALIGN) pItem->SetRightAlign(info.bRightAlign);
}

void CQVToolBarPlus::ApplyItemInfo(CQVToolBarPlusItem* pItem, const ToolBarPlus_ItemInfo& info) {
    const DWORD m = info.nMask;
    // A negative size would place the next item over this one: it counts as 0.
    pItem->SetSize(NonNegative((m & TBPIF_SIZENORMAL) ? info.szNormal : m_szDefNormal),
                   NonNegative((m & TBPIF_SIZESIMPLE) ? info.szSimple : m_szDefSimple));
    pItem->SetID(static_cast<int>(info.nID));
    pItem->SetText(info.strText, info.nTextX, info.nTextY);
    pItem->SetTooltip(info.strTooltip);
    pItem->SetAutoWidth(info.bAutoWidth, info.nMaxWidth);
    if (!info.strIcon.IsEmpty())
        pItem->SetIcon(info.strIcon, info.nIconStates, info.nIconAlign, info.nIconX, info.nIconY,
                       info.nIconFlags);
    pItem->SetTextColor((m & TBPIF_TEXTCOLOR) ? info.crText : m_crItemText);
    ApplyMaskedFields(pItem, info);
    GiveSharedImages(pItem);
}

int CQVToolBarPlus::MethodAddItem(ToolBarPlus_ItemInfo& info) {
    CQVToolBarPlusItem* pItem = CreateItem(info.nType);
    if (!pItem) return 0;
    m_items.push_back(pItem);
    ApplyItemInfo(pItem, info);
    // Checked through the toolbar, so that a radio item unchecks its group.
    if ((info.nMask & TBPIF_CHECKED) && info.bChecked) SetItemChecked(GetItemCount() - 1, TRUE);
    return 1;
}

int CQVToolBarPlus::MethodInsertItem(ToolBarPlus_ItemInfo& info) {
    CQVToolBarPlusItem* pItem = CreateItem(info.nType);
    if (!pItem) return 0;
    int nAt = GetItemCount();
    if ((info.nMask & TBPIF_SORTKEY) && info.nSortKey >= -1023)
        nAt = QVToolBarPlusSortedInsertAt(GetItemCount(), info.nSortKey,
                                          [this](int i) { return m_items[i]->GetSortKey(); });
    else if ((info.nMask & TBPIF_INDEX) && info.nIndex >= 1 && info.nIndex < GetItemCount())
        nAt = info.nIndex;
    m_items.insert(m_items.begin() + nAt, pItem);
    ApplyItemInfo(pItem, info);
    if ((info.nMask & TBPIF_CHECKED) && info.bChecked) SetItemChecked(nAt, TRUE);
    return 1;
}

int CQVToolBarPlus::MethodDelItem(ToolBarPlus_DelItem& info) {
    const int nIndex = FindItem(info.nID, info.nIndex, FALSE);
    if (nIndex < 1) return 1;
    CQVToolBarPlusItem* pItem = m_items[nIndex];
    m_items.erase(m_items.begin() + nIndex);
    if (m_nHotItem == nIndex)
        m_nHotItem = -1;
    else if (m_nHotItem > nIndex)
        --m_nHotItem;
    delete pItem;
    return 1;
}

int CQVToolBarPlus::MethodModifyItem(ToolBarPlus_ItemInfo& info) {
    const int nIndex = FindItem(info.nID, info.nIndex, FALSE);
    if (nIndex < 0) return 0;
    CQVToolBarPlusItem* pItem = m_items[nIndex];
    const DWORD m = info.nMask;
    if (nIndex == 0) {
        // The overflow button takes its enable and sparkle only.
        if (m & TBPIF_ENABLE) pItem->Enable(info.bEnable);
        if (m & TBPIF_SPARKLE) pItem->SetSparkle(info.bSparkle, m_nSparkleCount);
        if ((m & TBPIF_SPARKLE) && info.bSparkle) StartAnimTimer();
        InvalidateItem(0);
        return 1;
    }
    if (m & TBPIF_SIZENORMAL) pItem->SetSize(NonNegative(info.szNormal), pItem->GetSize(TRUE));
    if (m & TBPIF_SIZESIMPLE) pItem->SetSize(pItem->GetSize(FALSE), NonNegative(info.szSimple));
    if (m & TBPIF_TEXT) pItem->SetText(info.strText, info.nTextX, info.nTextY);
    if (m & TBPIF_TOOLTIP) pItem->SetTooltip(info.strTooltip);
    if (m & TBPIF_AUTOWIDTH) pItem->SetAutoWidth(info.bAutoWidth, info.nMaxWidth);
    if (m & TBPIF_ICON)
        pItem->SetIcon(info.strIcon, info.nIconStates, info.nIconAlign, info.nIconX, info.nIconY,
                       info.nIconFlags);
    if (m & TBPIF_BKIMAGE) pItem->SetBackImage(info.strIcon, info.nIconStates);
    if (m & TBPIF_TEXTCOLOR) pItem->SetTextColor(info.crText);
    ApplyMaskedFields(pItem, info);
    if (m & TBPIF_CHECKED) SetItemChecked(nIndex, info.bChecked);
    if (m & TBPIF_TOOLTIP) RebuildTooltips();
    if (m & TBPIF_SPARKLE) {
        UpdateMoreSparkle();
        StartAnimTimer();
    }
    InvalidateItem(nIndex);
    return 1;
}

void CQVToolBarPlus::DeleteAllItems() {
    std::vector<CQVToolBarPlusItem*> items;
    items.swap(m_items);
    m_nHotItem = m_nLastVisible = -1;
    for (CQVToolBarPlusItem* pItem : items)
        delete pItem;
}

// ---------------------------------------------------------------------------------------------------
// Methods.

void CQVToolBarPlus::MethodSetSimpleMode(BOOL bSimple) {
    bSimple = bSimple ? TRUE : FALSE;
    if (bSimple == m_bSimpleMode) return;
    m_bSimpleMode = bSimple;
    RecalcLayout();
}

int CQVToolBarPlus::MethodSparkleItem(ToolBarPlus_SparkleItem& info) {
    const int nIndex = FindItem(info.nID, info.nIndex, FALSE);
    if (nIndex < 0) return 0;
    m_items[nIndex]->SetSparkle(info.bSparkle, m_nSparkleCount);
    if (info.bSparkle) {
        m_bMaybeHiddenSparkle = TRUE;
        StartAnimTimer();
    }
    if (nIndex != 0) UpdateMoreSparkle();
    InvalidateItem(nIndex);
    return 1;
}

int CQVToolBarPlus::MethodSetItemChecked(ToolBarPlus_CheckItem& info) {
    const int nIndex = FindItem(info.nID, info.nIndex, FALSE);
    return nIndex >= 1 ? SetItemChecked(nIndex, info.bChecked) : 0;
}

int CQVToolBarPlus::MethodGetItemChecked(ToolBarPlus_CheckItem& info) {
    const int nIndex = FindItem(info.nID, info.nIndex, TRUE);
    if (nIndex < 0) return 0;
    info.bChecked = m_items[nIndex]->IsChecked();
    return 1;
}

int CQVToolBarPlus::MethodGetItem(ToolBarPlus_GetItem& info) {
    const int nIndex = FindItem(info.nID, info.nIndex, TRUE);
    if (nIndex < 0) return 0;
    const CQVToolBarPlusItem* pItem = m_items[nIndex];
    const DWORD m = info.nMask;
    if (m & TBPIF_INDEX) info.nIndex = nIndex;
    if (m & TBPIF_ID) info.nID = static_cast<UINT>(pItem->GetID());
    if (m & TBPIF_RECT) info.rc = PlacedRect(nIndex);
    if (m & TBPIF_TEXT) info.strText = pItem->GetText();
    if (m & TBPIF_TOOLTIP) info.strTooltip = pItem->GetTooltip();
    if (m & TBPIF_MENU) pItem->GetMenu(info.strMenu);
    if (m & TBPIF_EXTRA) pItem->GetExtra(info.strExtra);
    if (m & TBPIF_ENABLE) info.bEnable = pItem->IsEnabled();
    if (m & TBPIF_VISIBLE) info.bVisible = pItem->IsVisible();
    if (m & TBPIF_SPARKLE) info.bSparkle = pItem->IsSparkle();
    if (m & TBPIF_CHECKED) info.bChecked = pItem->IsChecked();
    if (m & TBPIF_HIDDEN) info.bHidden = nIndex > LastPlaced();
    if (m & TBPIF_SORTKEY) info.nSortKey = pItem->GetSortKey();
    if (m & TBPIF_VALUE) info.nValue = pItem->GetValue();
    if (m & TBPIF_STRVALUE) info.strValue = pItem->GetStringValue();
    if (m & TBPIF_AUTOWIDTH) info.bAutoWidth = pItem->IsAutoWidth();
    if (m & TBPIF_RIGHTALIGN) info.bRightAlign = pItem->IsRightAlign();
    info.nReserved = 0;
    return 1;
}

int CQVToolBarPlus::MethodMoveItem(ToolBarPlus_MoveItem& info) {
    const int nIndex = FindItem(info.nID, info.nIndex, TRUE);
    // Slot 0 stays the overflow button.
    const int nOther =
        nIndex < 1 ? -1 : QVToolBarPlusMoveTarget(GetItemCount(), nIndex, info.bForward, [this](int i) {
            return m_items[i]->IsVisible();
        });
    if (nOther < 1) return 0;
    std::swap(m_items[nIndex], m_items[nOther]);
    if (m_nHotItem == nIndex)
        m_nHotItem = nOther;
    else if (m_nHotItem == nOther)
        m_nHotItem = nIndex;
    RecalcLayout();
    return 1;
}

int CQVToolBarPlus::MethodGetNextItem(ToolBarPlus_GetNextItem& info) {
    info.nNextID = 0;
    info.nNextIndex = 0;
    const int nIndex = FindItem(info.nID, info.nIndex, TRUE);
    const int nNext = nIndex < 0
                          ? -1
                          : QVToolBarPlusNextIndex(GetItemCount(), nIndex, info.bNext, info.bVisibleOnly,
                                                   [this](int i) { return m_items[i]->IsVisible(); });
    if (nNext < 0) return 0;
    info.nNextID = static_cast<UINT>(m_items[nNext]->GetID());
    info.nNextIndex = nNext;
    return 1;
}

int CQVToolBarPlus::MethodHitTestItem(ToolBarPlus_HitTestItem& info) {
    for (int i = 0; i <= LastPlaced(); ++i) {
        if (PlacedRect(i).PtInRect(info.pt)) {
            info.nID = static_cast<UINT>(m_items[i]->GetID());
            info.nIndex = i;
            return 1;
        }
    }
    info.nID = 0;
    info.nIndex = -1;
    return 0;
}

int CQVToolBarPlus::MethodEnable(BOOL bEnable) {
    for (CQVToolBarPlusItem* pItem : m_items)
        if (pItem->GetType() != 0) pItem->Enable(bEnable);
    if (m_hWnd) Invalidate(TRUE);
    return 1;
}

int CQVToolBarPlus::MethodSort() {
    if (GetItemCount() > 2)
        std::stable_sort(m_items.begin() + 1, m_items.end(),
                         [](const CQVToolBarPlusItem* a, const CQVToolBarPlusItem* b) {
                             return a->GetSortKey() < b->GetSortKey();
                         });
    m_nHotItem = -1;
    RecalcLayout();
    return 1;
}

// ---------------------------------------------------------------------------------------------------
// Checking.

BOOL CQVToolBarPlus::SetItemChecked(int nIndex, BOOL bChecked) {
    if (nIndex < 1 || !IsCheckKind(nIndex)) return FALSE;
    CQVToolBarPlusItem* pItem = m_items[nIndex];
    bChecked = bChecked ? TRUE : FALSE;
    if (pItem->IsChecked() == bChecked) return TRUE;
    if (pItem->GetType() == 3 && bChecked) {
        int nFirst = 0, nLast = 0;
        QVToolBarPlusRadioGroup(
            GetItemCount(), nIndex, [this](int i) { return m_items[i]->GetType() == 0; }, nFirst, nLast);
        for (int i = nFirst; i <= nLast; ++i) {
            if (i == nIndex || !m_items[i]->IsChecked()) continue;
            m_items[i]->SetChecked(FALSE);
            m_items[i]->SetState(ToolBarPlusItemNormal);
            InvalidateItem(i);
        }
    }
    pItem->SetChecked(bChecked);
    int nState = ToolBarPlusItemPressed;
    if (!bChecked) {
        CPoint pt;
        ::GetCursorPos(&pt);
        if (m_hWnd) ScreenToClient(&pt);
        nState = PlacedRect(nIndex).PtInRect(pt) ? ToolBarPlusItemHot : ToolBarPlusItemNormal;
    }
    pItem->SetState(nState);
    InvalidateItem(nIndex);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Layout.

void CQVToolBarPlus::LoadItems() {
    LoadOwnImages();
    CQVToolBarPlusItem* pMore = m_items[0];
    pMore->SetTextColor(m_crItemText);
    // Items added before the window existed get the toolbar's font now.
    for (CQVToolBarPlusItem* pItem : m_items)
        GiveSharedImages(pItem);
    const CSize szMore(kMoreWidth, ItemsRect().Height());
    pMore->SetSize(szMore, szMore);
}

void CQVToolBarPlus::LoadOwnImages() {
    m_imgMenuArrow = CQVSmartImage();
    m_imgMenuArrow.SetStateCount(2);
    m_imgMenuArrow.SetImage(SkinFile(kMenuArrow));
    m_items[0]->SetIcon(SkinFile(kMoreArrow), 2, IconAlignCenter, 0, 0, 0);
}

void CQVToolBarPlus::LayoutItems() {
    if (m_items.empty() || !m_hWnd) return;
    CClientDC dc(this);
    ToolBarPlusLayoutParams params;
    params.rcItems = ItemsRect();
    params.bMultiLine = m_bMultiLine;
    params.nLineHeight = m_nLineHeight;
    params.nSpacing = m_nItemSpacing;
    params.bNoOverflowButton = m_bNoOverflowButton;
    params.nOverflowWidth = m_items[0]->GetSize(m_bSimpleMode).cx;
    const ToolBarPlusLayoutResult result = QVLayoutToolBarPlus(GetItemCount(), params, [&](int i) {
        CQVToolBarPlusItem* pItem = m_items[i];
        ToolBarPlusLayoutItem it;
        it.bVisible = pItem->IsVisible();
        if (!it.bVisible) return it;
        pItem->CalcSize(m_szDefIcon.cx, &dc);
        it.bRightAlign = pItem->IsRightAlign();
        it.cx = pItem->GetSize(m_bSimpleMode).cx;
        return it;
    });
    for (const ToolBarPlusPlacement& place : result.placed)
        m_items[place.nIndex]->Layout(place.pt.x, place.pt.y, m_szDefIcon.cx, m_szDefIcon.cy, m_bSimpleMode,
                                      &dc);
    m_nLastVisible = result.nLastVisible;
    CQVToolBarPlusItem* pMore = m_items[0];
    if (result.bOverflow) {
        pMore->Layout(result.ptOverflow.x, result.ptOverflow.y, m_szDefIcon.cx, m_szDefIcon.cy, m_bSimpleMode,
                      &dc);
        pMore->SetVisible(TRUE);
    } else {
        pMore->SetVisible(FALSE);
    }
    UpdateMoreSparkle();
    StartAnimTimer();
    RebuildTooltips();
}

BOOL CQVToolBarPlus::AnyHiddenSparkle() {
    if (!m_bMaybeHiddenSparkle) return FALSE;
    BOOL bAny = FALSE, bAnyAtAll = FALSE;
    for (int i = 1; i < GetItemCount(); ++i) {
        const CQVToolBarPlusItem* pItem = m_items[i];
        if (!pItem->IsSparkle() || pItem->GetSparkleLeft() < 1) continue;
        bAnyAtAll = TRUE;
        if (i > LastPlaced() && pItem->IsVisible()) {
            bAny = TRUE;
            break;
        }
    }
    // Nothing sparkles any more: later layouts skip the search until a sparkle is set again.
    if (!bAnyAtAll) m_bMaybeHiddenSparkle = FALSE;
    return bAny;
}

void CQVToolBarPlus::UpdateMoreSparkle() {
    if (m_items.empty()) return;
    CQVToolBarPlusItem* pMore = m_items[0];
    const BOOL bSparkle = pMore->IsVisible() && AnyHiddenSparkle();
    if (bSparkle && !(pMore->IsSparkle() && pMore->GetSparkleLeft() >= 1)) {
        pMore->SetSparkle(TRUE, m_nSparkleCount);
        StartAnimTimer();
    } else if (!bSparkle && pMore->IsSparkle()) {
        pMore->SetSparkle(FALSE, 0);
    }
}

void CQVToolBarPlus::RebuildTooltips() {
    if (!m_tooltip.GetSafeHwnd()) return;
    std::vector<CTool> tools;
    for (int i = 0; i <= LastPlaced(); ++i) {
        const CQVToolBarPlusItem* pItem = m_items[i];
        if (!pItem->IsVisible() || pItem->GetType() == 0 || pItem->GetTooltip().IsEmpty()) continue;
        tools.push_back({static_cast<UINT_PTR>(i + 1), pItem->GetRect(), pItem->GetTooltip()});
    }
    // The same tools as before (a layout again, a skin change) are moved or renamed in place: deleting
    // and adding every tool costs a round of messages each.
    const bool bSameTools = tools.size() == m_tools.size() &&
                            std::equal(tools.begin(), tools.end(), m_tools.begin(),
                                       [](const CTool& a, const CTool& b) { return a.nID == b.nID; });
    if (bSameTools) {
        for (size_t i = 0; i < tools.size(); ++i) {
            if (tools[i].rect != m_tools[i].rect) m_tooltip.SetToolRect(this, tools[i].nID, &tools[i].rect);
            if (tools[i].strText != m_tools[i].strText)
                m_tooltip.UpdateTipText(tools[i].strText, this, tools[i].nID);
        }
        m_tools = std::move(tools);
        return;
    }
    for (const CTool& tool : m_tools)
        m_tooltip.DelTool(this, tool.nID);
    m_tools.clear();
    for (const CTool& tool : tools)
        if (m_tooltip.AddTool(this, tool.strText, &tool.rect, tool.nID)) m_tools.push_back(tool);
}

// ---------------------------------------------------------------------------------------------------
// Window.

int CQVToolBarPlus::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_font.GetSafeHandle())
        m_font.CreatePointFont(90, CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT")));
    if (!m_tooltip.GetSafeHwnd()) m_tooltip.Create(this, TTS_ALWAYSTIP);
    LoadItems();
    StartAnimTimer();
    if (m_tooltip.GetSafeHwnd()) m_tooltip.SetDelayTime(100);
    return 0;
}

void CQVToolBarPlus::OnDestroy() {
    StopTimers();
    if (m_tooltip.GetSafeHwnd()) m_tooltip.DestroyWindow();
    m_tools.clear();
    CWnd::OnDestroy();
}

void CQVToolBarPlus::StartAnimTimer() {
    if (!m_hWnd || m_bAnimTimer) return;
    BOOL bMoving = FALSE;
    for (int i = 0; i <= LastPlaced() && !bMoving; ++i) {
        const CQVToolBarPlusItem* pItem = m_items[i];
        bMoving = pItem->IsFading() || (pItem->IsSparkle() && pItem->GetSparkleLeft() >= 1);
    }
    if (bMoving) m_bAnimTimer = SetTimer(kAnimTimer, kAnimPeriod, nullptr) != 0;
}

void CQVToolBarPlus::StopTimers() {
    if (m_bAnimTimer && m_hWnd) KillTimer(kAnimTimer);
    if (m_bTimer2 && m_hWnd) KillTimer(kTimer2);
    m_bAnimTimer = m_bTimer2 = FALSE;
}

void CQVToolBarPlus::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kAnimTimer) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    BOOL bChanged = FALSE;
    for (int i = 0; i <= LastPlaced(); ++i) {
        CQVToolBarPlusItem* pItem = m_items[i];
        BOOL bStep = FALSE;
        if (pItem->IsSparkle() && pItem->GetSparkleLeft() >= 1)
            bStep = pItem->StepSparkle();
        else if (pItem->IsFading())
            bStep = pItem->StepFade();
        if (!bStep) continue;
        bChanged = TRUE;
        InvalidateItem(i);
    }
    if (!bChanged) {
        KillTimer(kAnimTimer);
        m_bAnimTimer = FALSE;
    }
}

void CQVToolBarPlus::InvalidateItem(int nIndex) {
    const CRect rc = PlacedRect(nIndex);
    if (m_hWnd && !rc.IsRectEmpty()) InvalidateRect(&rc, TRUE);
}

void CQVToolBarPlus::OnPaint() {
    CPaintDC dc(this);
    CRect rcClip;
    dc.GetClipBox(&rcClip);
    CQVPaintMemoryDC mem(this, &dc);
    if (m_bTransparent) {
        DrawTransparentBkg(this, GetParent(), &mem);
    } else {
        CRect rc;
        GetClientRect(&rc);
        mem.FillSolidRect(&rc, m_crBack);
    }
    // Only the items that meet the clip box: a fade tick redraws one item, not the row.
    for (int i = 0; i <= LastPlaced(); ++i) {
        CRect rcItem = PlacedRect(i);
        if (rcItem.IntersectRect(&rcItem, &rcClip)) m_items[i]->Draw(&mem, m_bSimpleMode);
    }
}

BOOL CQVToolBarPlus::OnEraseBkgnd(CDC* pDC) {
    if (pDC && ::WindowFromDC(pDC->GetSafeHdc()) != m_hWnd) DrawTransparentBkg_2(this, GetParent(), pDC);
    return TRUE;
}

void CQVToolBarPlus::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (!m_items.empty()) {
        const CSize szMore(kMoreWidth, ItemsRect().Height());
        m_items[0]->SetSize(szMore, szMore);
    }
    RecalcLayout();
}

LRESULT CQVToolBarPlus::OnSkinChanged(WPARAM, LPARAM) {
    LoadOwnImages();
    RecalcLayout();
    return 1;
}

BOOL CQVToolBarPlus::PreTranslateMessage(MSG* pMsg) {
    if (m_tooltip.GetSafeHwnd()) m_tooltip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------------------------------
// Menus and commands.

void CQVToolBarPlus::OnMoreButtonClicked() {
    const CQVAliveToken token = m_alive.Token();
    auto pMenu = std::make_unique<CMenu>();
    if (!pMenu->CreatePopupMenu()) return;
    CWnd* pNotify = GetNotifyRecvWnd();
    const HWND hNotify = pNotify ? pNotify->GetSafeHwnd() : NULL;
    for (int i = LastPlaced() + 1; i < GetItemCount(); ++i) {
        const CQVToolBarPlusItem* pItem = m_items[i];
        if (!pItem->IsVisible() || pItem->GetType() == 0) continue;
        ToolBarPlus_MoreItem entry = {static_cast<UINT>(pItem->GetID()),
                                      static_cast<DWORD>(pItem->IsEnabled() ? 0 : MF_DISABLED),
                                      pItem->GetText()};
        if (entry.strText.IsEmpty()) entry.strText = pItem->GetTooltip();
        if (hNotify)
            ::SendMessage(hNotify, WM_QV_TOOLBARPLUS, TOOLBARPLUS_NOTIFY_MOREITEM,
                          reinterpret_cast<LPARAM>(&entry));
        if (!token || !m_hWnd) return;  // the owner deleted the toolbar
        pMenu->AppendMenu(MF_STRING | (entry.nFlags & ~(MF_POPUP | MF_OWNERDRAW | MF_BITMAP)), entry.nID,
                          entry.strText);
    }
    if (pMenu->GetMenuItemCount() == 0 || !IsValid(0)) return;
    CDrawMenuHelper::InitMenu(pMenu.get());
    CRect rcMore = PlacedRect(0);
    if (rcMore.IsRectEmpty()) rcMore = m_items[0]->GetRect();
    CPoint pt(rcMore.left, rcMore.bottom);
    ClientToScreen(&pt);
    m_pMoreMenu = pMenu.get();
    pMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, pt.x, pt.y, this);
    if (!token) return;
    m_pMoreMenu = nullptr;
}

void CQVToolBarPlus::OnMenuSubButtonClicked() {
    if (!IsValid(m_nHotItem)) return;
    const CQVToolBarPlusItem* pItem = m_items[m_nHotItem];
    CString strMenu;
    pItem->GetMenu(strMenu);
    CWnd* pNotify = GetNotifyRecvWnd();
    if (strMenu.IsEmpty() && pNotify)
        pNotify->SendMessage(WM_QV_TOOLBARPLUS, TOOLBARPLUS_NOTIFY_DROPDOWN,
                             static_cast<LPARAM>(static_cast<UINT>(pItem->GetID())));
}

BOOL CQVToolBarPlus::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == 0) {
        const UINT nID = LOWORD(wParam);
        for (int i = LastPlaced() + 1; i < GetItemCount(); ++i) {
            if (IsCheckKind(i) && static_cast<UINT>(LOWORD(m_items[i]->GetID())) == nID) {
                SetItemChecked(i, !m_items[i]->IsChecked());
                break;
            }
        }
    }
    CWnd* pNotify = GetNotifyRecvWnd();
    if (pNotify && pNotify->GetSafeHwnd() != m_hWnd) pNotify->SendMessage(WM_COMMAND, wParam, lParam);
    return FALSE;
}

void CQVToolBarPlus::OnInitMenu(CMenu* pMenu) {
    CWnd::OnInitMenu(pMenu);
}

void CQVToolBarPlus::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
    if (pPopupMenu) {
        const int nEntries = static_cast<int>(pPopupMenu->GetMenuItemCount());
        for (int n = 0; n < nEntries; ++n) {
            const UINT nID = pPopupMenu->GetMenuItemID(n);
            for (int i = LastPlaced() + 1; i < GetItemCount(); ++i) {
                const int nType = m_items[i]->GetType();
                if (nType != 3 && nType != 4 && nType != 5) continue;
                if (static_cast<UINT>(m_items[i]->GetID()) != nID) continue;
                pPopupMenu->CheckMenuItem(n, MF_BYPOSITION |
                                                 (m_items[i]->IsChecked() ? MF_CHECKED : MF_UNCHECKED));
                break;
            }
        }
    }
    CWnd* pNotify = GetNotifyRecvWnd();
    if (pNotify && pNotify->GetSafeHwnd() != m_hWnd)
        pNotify->SendMessage(WM_INITMENUPOPUP,
                             reinterpret_cast<WPARAM>(pPopupMenu ? pPopupMenu->GetSafeHmenu() : NULL),
                             MAKELPARAM(nIndex, bSysMenu));
}

void CQVToolBarPlus::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (nIDCtl == 0 && lpDrawItemStruct && lpDrawItemStruct->CtlType == ODT_MENU) {
        CDrawMenuHelper::DrawItem(lpDrawItemStruct, nullptr);
        return;
    }
    CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CQVToolBarPlus::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (nIDCtl == 0 && lpMeasureItemStruct && lpMeasureItemStruct->CtlType == ODT_MENU) {
        CWindowDC dc(this);
        CDrawMenuHelper::MeasureItem(lpMeasureItemStruct, &dc);
        return;
    }
    CWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}
