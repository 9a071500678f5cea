#include "QVUIDrawUtil.h"

#include "QVSelectScope.h"

void QVUIMakeLogFont(LOGFONT& lf, const CString& strFace, int nSize, BOOL bBold, BOOL bUnderline,
                     BOOL bItalic) {
    lf = LOGFONT{};
    ::lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
    lf.lfHeight = nSize;
    lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = bUnderline ? 1 : 0;
    lf.lfItalic = bItalic ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
}

void QVUIDrawShape(CDC& dc, QVUIShapeKind nKind, const CRect& rc, int nPenWidth, COLORREF clrPen, BOOL bFill,
                   COLORREF clrFill, int nCorner) {
    CPen pen;
    pen.CreatePen(PS_SOLID, nPenWidth, clrPen);
    CBrush brush;
    HGDIOBJ hBrush = ::GetStockObject(NULL_BRUSH);
    if (bFill && brush.CreateSolidBrush(clrFill)) hBrush = brush.GetSafeHandle();
    CQVSelectScope tools(dc, pen.GetSafeHandle(), hBrush);
    switch (nKind) {
    case QVUISK_HLINE:
        dc.MoveTo(rc.left, rc.bottom);
        dc.LineTo(rc.right, rc.bottom);
        break;
    case QVUISK_VLINE:
        dc.MoveTo(rc.right, rc.top);
        dc.LineTo(rc.right, rc.bottom);
        break;
    case QVUISK_RECTANGLE:
        dc.Rectangle(&rc);
        break;
    case QVUISK_ROUNDRECT:
        dc.RoundRect(&rc, CPoint(nCorner, nCorner));
        break;
    case QVUISK_ELLIPSE:
        dc.Ellipse(&rc);
        break;
    }
}
