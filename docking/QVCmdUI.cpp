#include "QVCmdUI.h"

void CQVCmdUI::Reset(UINT nID, UINT nIndex) {
    m_nID = nID;
    m_nIndex = nIndex;
    m_bEnableChanged = FALSE;
    m_bContinueRouting = FALSE;
    m_bEnabled = TRUE;
    m_bCheckChanged = FALSE;
    m_nCheck = 0;
    m_bRadio = FALSE;
    m_bTextChanged = FALSE;
    m_strText.Empty();
}

void CQVCmdUI::Enable(BOOL bOn) {
    if (!m_bCapture) {
        CCmdUI::Enable(bOn);
        return;
    }
    m_bEnabled = bOn ? TRUE : FALSE;
    m_bEnableChanged = TRUE;
}

void CQVCmdUI::SetCheck(int nCheck) {
    if (!m_bCapture) {
        CCmdUI::SetCheck(nCheck);
        return;
    }
    m_nCheck = nCheck < 0 ? 0 : nCheck > 2 ? 2 : nCheck;
    m_bRadio = FALSE;
    m_bCheckChanged = TRUE;
}

void CQVCmdUI::SetRadio(BOOL bOn) {
    if (!m_bCapture) {
        CCmdUI::SetRadio(bOn);
        return;
    }
    m_nCheck = bOn ? 1 : 0;
    m_bRadio = TRUE;
    m_bCheckChanged = TRUE;
}

void CQVCmdUI::SetText(LPCTSTR lpszText) {
    if (!m_bCapture) {
        CCmdUI::SetText(lpszText);
        return;
    }
    m_strText = lpszText ? lpszText : _T("");
    m_bTextChanged = TRUE;
}
