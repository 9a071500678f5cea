// The command-UI object of bars that draw their items themselves.
#pragma once

#include <afxwin.h>

#include "RIZuruzezuDef.h"

// Passed to the frame's ON_UPDATE_COMMAND_UI handlers for one item of a bar at idle. While
// m_bCapture is set, Enable, SetCheck and SetRadio only record what the handler asked (the bar then
// applies it to its item); with it clear they act as the framework's CCmdUI does on m_pMenu or
// m_pOther. SetText is recorded as well; a bar may ignore it. An item whose handler says nothing is
// disabled when bDisableIfNoHndler is given and no command handler exists, as DoUpdate does.
class RIZ_API CQVCmdUI : public CCmdUI {
public:
    CQVCmdUI() = default;

    // Starts the update of item nIndex (command nID): nothing recorded yet.
    void Reset(UINT nID, UINT nIndex);

    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override;
    void SetText(LPCTSTR lpszText) override;

    BOOL m_bCapture = TRUE;        // record instead of acting on a menu or window
    BOOL m_bEnabled = TRUE;        // the last Enable (m_bEnableChanged says whether there was one)
    BOOL m_bCheckChanged = FALSE;  // a handler called SetCheck or SetRadio
    int m_nCheck = 0;              // 0 unchecked, 1 checked, 2 indeterminate
    BOOL m_bRadio = FALSE;         // the last check came from SetRadio
    BOOL m_bTextChanged = FALSE;   // a handler called SetText
    CString m_strText;
};
