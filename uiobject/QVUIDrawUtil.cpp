#include "QVUIDrawUtil.h"

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
