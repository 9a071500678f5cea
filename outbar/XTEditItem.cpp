#include "XTEditItem.h"

#include "QVOutBarCtrl.h"
#include "QVSelectScope.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTEditItem, CEdit)

BEGIN_MESSAGE_MAP(CXTEditItem, CEdit)
ON_WM_CREATE()
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

void CXTEditItem::PostNcDestroy() {
    delete this;
}

int CXTEditItem::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CEdit::OnCreate(lpCreateStruct) == -1) return -1;
    if (CQVOutBarCtrl* pBar = DYNAMIC_DOWNCAST(CQVOutBarCtrl, GetParent())) SetFont(pBar->GetFontX(), FALSE);
    return 0;
}

BOOL CXTEditItem::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
        if (pMsg->wParam == VK_RETURN) {
            PostMessage(WM_CLOSE);
            return TRUE;
        }
        if (pMsg->wParam == VK_ESCAPE) {
            m_bEscape = TRUE;
            PostMessage(WM_CLOSE);
            return TRUE;
        }
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CXTEditItem::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    PostMessage(WM_CLOSE);
    if (m_bEscape || m_bReported) return;
    GetWindowText(m_strEditText);
    if (m_strEditText.IsEmpty()) return;
    m_bReported = TRUE;
    // The bar may be destroyed inside its owner's answer, and this editor with it: nothing follows.
    if (CWnd* pOwner = GetOwner())
        pOwner->SendMessage(WM_OUTBAR_NOTIFY, static_cast<WPARAM>(m_nEditCode),
                            reinterpret_cast<LPARAM>(this));
}

void CXTEditItem::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_nEditCode == OUTBAR_FOLDER_LABEL_EDITED) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == VK_RETURN || nChar == VK_ESCAPE) {
        if (nChar == VK_ESCAPE) m_bEscape = TRUE;
        if (CWnd* pParent = GetParent()) pParent->SetFocus();
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    FitText();
}

void CXTEditItem::FitText() {
    CWnd* pParent = GetParent();
    if (pParent == NULL) return;
    CQVOutBarCtrl* pBar = DYNAMIC_DOWNCAST(CQVOutBarCtrl, pParent);
    CString strText;
    GetWindowText(strText);
    CRect rc;
    GetWindowRect(rc);
    pParent->ScreenToClient(rc);
    CRect rcParent;
    pParent->GetClientRect(rcParent);
    CRect rcClient;
    GetClientRect(rcClient);
    const int cxFrame = rc.Width() - rcClient.Width();
    CClientDC dc(this);
    CFont* pFont = pBar ? pBar->GetFontX() : NULL;
    const CQVSelectScope font(&dc, pFont ? pFont->GetSafeHandle() : NULL);
    if (m_bSingleLine) {
        const CSize size = dc.GetTextExtent(strText);
        rc.right = std::min<LONG>(rc.left + size.cx + cxFrame + 2, rcParent.right - 1);
    } else {
        CRect rcText(0, 0, rcClient.Width(), 0);
        dc.DrawText(strText, rcText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        if (rcText.Width() > rcClient.Width())
            rc.right = std::min<LONG>(rc.left + rcText.Width() + cxFrame, rcParent.right);
        else if (rcText.Height() > rcClient.Height())
            rc.bottom =
                std::min<LONG>(rc.top + rcText.Height() + (rc.Height() - rcClient.Height()), rcParent.bottom);
    }
    MoveWindow(rc, TRUE);
}

BOOL CXTEditItem::OnSetCursor(CWnd*, UINT, UINT) {
    ::SetCursor(::LoadCursor(NULL, IDC_IBEAM));
    return TRUE;
}
