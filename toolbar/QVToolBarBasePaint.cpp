#include "QVToolBarBasePaint.h"

#include "QVBitmapList.h"
#include "QVSelectScope.h"
#include "QVSysColors.h"

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

namespace {

constexpr COLORREF kSeparatorColor = RGB(200, 200, 255);

void FrameFill(CDC* pDC, const CRect& rc, COLORREF crLine, COLORREF crFill) {
    CQVSelectScope scope = CQVSelectScope::SolidPenBrush(*pDC, crLine, crFill);
    pDC->Rectangle(&rc);
}

HFONT CreatePointFontW(LPCWSTR lpszFace, int nPoints) {
    LOGFONTW lf = {};
    HDC hScreen = ::GetDC(NULL);
    lf.lfHeight = -::MulDiv(nPoints, ::GetDeviceCaps(hScreen, LOGPIXELSY), 72);
    ::ReleaseDC(NULL, hScreen);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, lpszFace, LF_FACESIZE);
    return ::CreateFontIndirectW(&lf);
}

}  // namespace

void QVDrawToolBarArrow(CDC* pDC, HICON hIcon, const CRect& rcCell) {
    if (hIcon) {
        ::DrawIconEx(*pDC, rcCell.left, rcCell.top, hIcon, 16, 16, 0, NULL, DI_NORMAL);
        return;
    }
    // A triangle 7 pixels wide, pointing down, in the middle of the cell.
    const int x = rcCell.left + 5, y = rcCell.top + 7;
    for (int row = 0; row < 4; ++row)
        pDC->FillSolidRect(x + row, y + row, 7 - 2 * row, 1, RGB(64, 64, 64));
}

void QVDrawToolBarItem(CDC* pDC, const ToolBarItem& item, int nState, const ToolBarPaintContext& ctx) {
    const CRect& rc = item.rc;
    if (item.nType == TBIT_SEPARATOR) {
        CPen pen(PS_SOLID, 1, kSeparatorColor);
        CQVSelectScope scope(pDC, pen);
        if (rc.Width() > rc.Height()) {
            // A separator of a column runs across it.
            pDC->MoveTo(rc.left, rc.top + 3);
            pDC->LineTo(rc.right, rc.top + 3);
        } else {
            pDC->MoveTo(rc.left + 3, rc.top);
            pDC->LineTo(rc.left + 3, rc.bottom);
        }
        return;
    }
    if (item.nType == TBIT_STATIC) {
        CRect rcText = rc;
        pDC->DrawText(item.strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        return;
    }
    if (!ctx.pBitmapList) return;
    const BOOL bBox = item.nType == TBIT_CHECKBOX || item.nType == TBIT_RADIOBOX;
    const ToolBarItemParts parts = QVToolBarItemParts(item, ctx.pBitmapList->GetImageSize());
    // The frames: hot and pressed for every kind; a checked box looks pressed when not hot.
    const BOOL bPressedLook = nState == TBIS_PRESSED || (bBox && item.bChecked && nState == TBIS_NORMAL);
    if (nState == TBIS_HOT || bPressedLook) {
        const COLORREF crLine = bPressedLook ? ctx.crPressLine : ctx.crHotLine;
        const COLORREF crFill = bPressedLook ? ctx.crPressFill : ctx.crHotFill;
        if (item.nType == TBIT_DROPDOWN) {
            FrameFill(pDC, parts.rcMain, crLine, crFill);
            FrameFill(pDC, CRect(parts.rcMain.right - 1, rc.top, rc.right, rc.bottom), crLine, crFill);
        } else {
            FrameFill(pDC, rc, crLine, crFill);
        }
    }
    const int nStrip = item.bEnabled ? CQVBitmapList::IMAGE_NORMAL : CQVBitmapList::IMAGE_SECOND;
    if (item.nImage >= 0)
        ctx.pBitmapList->DrawImage(pDC, parts.ptImage.x, parts.ptImage.y, item.nImage, nStrip);
    if (!bBox && !item.strText.IsEmpty()) {
        CRect rcText = parts.rcText;
        pDC->DrawText(item.strText, &rcText, DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    if (!parts.rcArrow.IsRectEmpty()) QVDrawToolBarArrow(pDC, ctx.hArrowIcon, parts.rcArrow);
}

HFONT QVCreateToolBarMeasureFont() {
    return CreatePointFontW(L"\x5b8b\x4f53", 10);
}

HFONT QVCreateToolBarDrawFont() {
    const CStringW strFace(CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT")));
    return CreatePointFontW(strFace, 9);
}

int QVMeasureToolBarText(HFONT hFont, const CString& strText) {
    if (strText.IsEmpty()) return 0;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CQVSelectScope scope(&dc, hFont);
    CRect rc(0, 0, 0, 0);
    dc.DrawText(strText, &rc, DT_CALCRECT | DT_SINGLELINE);
    return rc.Width();
}

void QVReadToolBarColors(COLORREF& crHotLine, COLORREF& crPressLine, COLORREF& crHotFill) {
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    crHotLine = pColors->GetColor(8);
    crPressLine = pColors->GetColor(9);
    crHotFill = pColors->GetColor(10);
}

HICON QVLoadToolBarArrowIcon(HINSTANCE hInstance, UINT nID) {
    if (!hInstance || !nID) return NULL;
    return static_cast<HICON>(::LoadImage(hInstance, MAKEINTRESOURCE(nID), IMAGE_ICON, 16, 16, 0));
}

BOOL QVLoadToolBarResource(UINT nID, ToolBarResource& res) {
    res = ToolBarResource();
    const LPCTSTR lpszName = MAKEINTRESOURCE(nID), lpszType = MAKEINTRESOURCE(241);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, lpszType);
    HRSRC hRes = hInst ? ::FindResource(hInst, lpszName, lpszType) : NULL;
    HGLOBAL hGlobal = hRes ? ::LoadResource(hInst, hRes) : NULL;
    const void* pData = hGlobal ? ::LockResource(hGlobal) : nullptr;
    return pData ? QVParseToolBarResource(pData, ::SizeofResource(hInst, hRes), res) : FALSE;
}

void QVLoadToolBarButtonString(UINT nID, CString& strText, CString& strTooltip) {
    CString str;
    if (!str.LoadString(nID)) str.Empty();
    QVSplitToolBarString(
        str, [](const CString& key) { return CQVLanResManager::GetSingletonPtr()->GetString(key); }, strText,
        strTooltip);
}

BOOL QVLoadSkinToolBarImages(CQVBitmapList& list, const UINT* pIDs) {
    const CString strDir =
        CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath() + _T("Common\\Button\\");
    const CString strNormal = strDir + _T("ToolBar_Normal.bmp"),
                  strDisabled = strDir + _T("ToolBar_Disabled.bmp");
    static const UINT kNoIDs[QVTBI_COUNT] = {};
    list.LoadBitmaps(strNormal, strDisabled, pIDs ? pIDs : kNoIDs, QVTBI_COUNT, RGB(255, 0, 255));
    return ::GetFileAttributes(strNormal) != INVALID_FILE_ATTRIBUTES &&
           ::GetFileAttributes(strDisabled) != INVALID_FILE_ATTRIBUTES;
}
