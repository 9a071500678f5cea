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

// Whether the byte leads a double-byte character of the thread's code page.
BOOL IsLeadByte(UINT nByte) {
#ifdef _UNICODE
    (void)nByte;
    return FALSE;
#else
    return nByte < 0x100 && ::IsDBCSLeadByte(static_cast<BYTE>(nByte));
#endif
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVEditEx, CQVEdit)

BEGIN_MESSAGE_MAP(CQVEditEx, CQVEdit)
ON_WM_CHAR()
ON_MESSAGE(WM_PASTE, &CQVEditEx::OnPaste)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BOOL CQVEditEx::IsRefusedChar(UINT nChar) {
    return nChar != 0 && nChar < 0x80 && strchr(kRefused, static_cast<int>(nChar)) != nullptr;
}

CString CQVEditEx::FilterText(LPCTSTR lpszText) {
    CString strResult;
    if (!lpszText) return strResult;
    for (LPCTSTR p = lpszText; *p; ++p) {
        const UINT nChar = static_cast<UINT>(static_cast<TBYTE>(*p));
        if (IsLeadByte(nChar) && p[1]) {
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
#ifndef _UNICODE
    // A double-byte character typed as two bytes goes to the system's edit as one character: its
    // trail byte may look like a refused character, and a lead byte passed alone would not pair.
    if (m_nLeadByte) {
        // Both bytes as one string: a message carries one byte to the system's edit, which would
        // take each byte as a character of its own.
        const char pair[3] = {static_cast<char>(m_nLeadByte), static_cast<char>(nChar), 0};
        m_nLeadByte = 0;
        ReplaceSel(pair, TRUE);
        return;
    } else if (IsLeadByte(nChar)) {
        m_nLeadByte = nChar;
        return;
    }
#endif
    if (IsRefusedChar(nChar)) return;
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

void CQVEditEx::OnKillFocus(CWnd* pNewWnd) {
    // A lead byte whose trail never came does not pair with the next focus's first character.
    m_nLeadByte = 0;
    CQVEdit::OnKillFocus(pNewWnd);
}
