#include "QVEditEx.h"

#include <string.h>

namespace {

const char kRefused[] = "\\/:*?\"<>|";

// The clipboard format holding text of the build's character set.
#ifdef _UNICODE
const UINT kClipboardText = CF_UNICODETEXT;
#else
const UINT kClipboardText = CF_TEXT;
#endif

}  // namespace

IMPLEMENT_DYNAMIC(CQVEditEx, CQVEdit)

BEGIN_MESSAGE_MAP(CQVEditEx, CQVEdit)
ON_WM_CHAR()
ON_MESSAGE(WM_PASTE, &CQVEditEx::OnPaste)
END_MESSAGE_MAP()

BOOL CQVEditEx::IsRefusedChar(UINT nChar) {
    return nChar != 0 && nChar < 0x80 && strchr(kRefused, static_cast<int>(nChar)) != nullptr;
}

CString CQVEditEx::FilterText(LPCTSTR lpszText) {
    CString strResult;
    if (!lpszText) return strResult;
    for (LPCTSTR p = lpszText; *p; ++p) {
        const UINT nChar = static_cast<UINT>(static_cast<TBYTE>(*p));
        if (CQVEdit::IsLeadByte(nChar) && p[1]) {
            strResult += p[0];
            strResult += p[1];
            ++p;
            continue;
        }
        if (!IsRefusedChar(nChar)) strResult += *p;
    }
    return strResult;
}

void CQVEditEx::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // The trail byte of a double-byte character may look like a refused character: it passes.
    if (!m_nLeadByte && IsRefusedChar(nChar)) return;
    CQVEdit::OnChar(nChar, nRepCnt, nFlags);
}

LRESULT CQVEditEx::OnPaste(WPARAM, LPARAM) {
    CString strText;
    if (::IsClipboardFormatAvailable(kClipboardText) && ::OpenClipboard(m_hWnd)) {
        HANDLE hData = ::GetClipboardData(kClipboardText);
        if (LPCTSTR pData = hData ? static_cast<LPCTSTR>(::GlobalLock(hData)) : nullptr) {
            strText = pData;
            ::GlobalUnlock(hData);
        }
        ::CloseClipboard();
    }
    const CString strFiltered = FilterText(strText);
    if (strFiltered == strText) return Default();
    ReplaceSel(strFiltered, TRUE);
    return 0;
}
