// The skinned edit for file names: refuses the characters a file name may not hold.
#pragma once

#include "QVEdit.h"

// Drops \ / : * ? " < > | as they are typed or pasted; every other character, and text the host sets,
// passes. In a multi-byte build a double-byte character typed as two WM_CHAR bytes passes whole even
// when its trail byte is one of the nine (as in GBK, where trail bytes include '\' and '|').
class RIZ_API CQVEditEx : public CQVEdit {
    DECLARE_DYNAMIC(CQVEditEx)
public:
    CQVEditEx() = default;
    ~CQVEditEx() override = default;

    // The nine characters a file name may not hold.
    static BOOL IsRefusedChar(UINT nChar);
    // The text without them; in a multi-byte build double-byte characters are kept whole.
    static CString FilterText(LPCTSTR lpszText);

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
