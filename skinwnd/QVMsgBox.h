// The skinned message box: a modal skinned dialog with an icon of the skin, the text wrapped to fit
// and one to three skinned buttons captioned from the language table.
#pragma once

#include "QVButton.h"
#include "SkinDialog.h"

#include <QVGdiplusImage.h>

// QVMessageBox (declared in SkinDialog.h) builds one of these on the module's template 4009 and
// answers its DoModal result.
//
// The type's low four bits choose the button set and the results of buttons 1, 2, 3:
//   MB_OK OK / MB_OKCANCEL OK, Cancel / MB_ABORTRETRYIGNORE Abort, Retry, Ignore /
//   MB_YESNOCANCEL Yes, No, Cancel / MB_YESNO Yes, No / MB_RETRYCANCEL Retry, Cancel.
// Any other set (6 to 15) shows a single "Cancel" button (IDS_CANCEL): every button of such a box
// answers IDCANCEL, so the one button that says so is what the box offers.
// Enter and Esc keep the dialog defaults whatever the set: IDOK and IDCANCEL.
// The icon bits (MB_ICONERROR, MB_ICONQUESTION, MB_ICONWARNING, MB_ICONINFORMATION) choose
// Common\Error.png, Question.png, Warning.png or Information.png of the current skin; other values,
// or an icon that does not load, give a box without icon whose text starts at the left margin.
class RIZ_API CQVMsgBox : public CSkinDialog {
    DECLARE_DYNAMIC(CQVMsgBox)
public:
    // An empty (or NULL) caption becomes the application title, string AFX_IDS_APP_TITLE of the host
    // executable. A NULL text shows an empty box.
    CQVMsgBox(CWnd* pParent, LPCTSTR lpszCaption, LPCTSTR lpszText, UINT nType);
    ~CQVMsgBox() override;

    // The button set of a type: how many buttons, the language key of each and what it answers
    // (nButton 0, 1, 2 from the left; NULL and IDCANCEL beyond the set).
    static int GetButtonCount(UINT nType);
    static LPCTSTR GetButtonKey(UINT nType, int nButton);
    static int GetButtonResult(UINT nType, int nButton);
    // The icon's file relative to the skin folder, or NULL for a type without icon.
    static LPCTSTR GetIconFile(UINT nType);

    const CString& GetCaption() const { return m_strCaption; }
    const CString& GetText() const { return m_strText; }
    UINT GetType() const { return m_nType; }
    // Where the icon and the text are drawn (client coordinates), known once the box is laid out.
    const CRect& GetIconRect() const { return m_rcIcon; }
    const CRect& GetTextRect() const { return m_rcText; }
    BOOL HasIcon() const { return m_Icon.IsLoaded(); }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    // The steps of OnInitDialog after the skinned dialog's start.
    void LoadSkinIcon();
    void LayoutText();
    void SizeWindow();
    void PlaceButtons();
    // Width of the button row: every button as wide as the first, 20 pixels apart.
    int GetButtonRowWidth() const;

    afx_msg void OnPaint();
    afx_msg void OnButton1();
    afx_msg void OnButton2();
    afx_msg void OnButton3();
    DECLARE_MESSAGE_MAP()

    CQVGdiplusImage m_Icon;
    CString m_strCaption;
    CString m_strText;
    UINT m_nType = MB_OK;
    CRect m_rcIcon;
    CRect m_rcText;
    CQVButton m_btn1;
    CQVButton m_btn2;
    CQVButton m_btn3;
};
