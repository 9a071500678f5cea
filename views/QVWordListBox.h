// A list box of English words for word lists and spelling tests: words with letters masked, the
// learner's typed letters over them, and a score or a tick per row.
#pragma once

#include "RIZuruzezuDef.h"

#include <QVBitmap.h>
#include <QVEnglishWordLayout.h>

#include <vector>

// Every list-box item has a row record with the texts; the items themselves carry empty strings.
// Rows stay paired with items whichever way they come: through the members below or through
// LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING and LB_RESETCONTENT sent to the window (a row added by a
// message takes its word from the message's text when the list box keeps strings, else it is empty).
//
// Create it (LBS_OWNERDRAWFIXED is added) or subclass a list box made with LBS_OWNERDRAWFIXED. Rows are
// 24 pixels high: a created list measures through the parent's reflected WM_MEASUREITEM, a subclassed
// one is given the height at subclassing. The parent must be a framework window for the reflection.
//
// A row is drawn (left to right): with ShowRightCount, the score "(right/total)" in red in the default
// font ("IDS_DEF_FONT" at 9 points) or, once right reaches total, a tick; then the word area, white or,
// selected, a gradient from blue to white, with the word in Arial 12 points: blue (white when
// selected). With EnableWordMask and a non-empty mask the row is a test: the word as its mask shows it,
// hidden letters as blanks in grey (red when selected), the typed input over them, wrong letters on a
// red box (CQVEnglishWord). Indexes outside the rows are ignored by every call that takes one. The
// default face is read at every paint, so a language change shows at the next one; 0x7EA repaints.
class RIZ_API CQVWordListBox : public CListBox {
    DECLARE_DYNAMIC(CQVWordListBox)
public:
    CQVWordListBox();
    ~CQVWordListBox() override;

    // The list-box index, negative on failure. AddString gives the row an empty mask; InsertString (at
    // nIndex, -1 for the end) a mask equal to the word. NULL words count as empty.
    int AddString(LPCTSTR lpszWord);
    int InsertString(int nIndex, LPCTSTR lpszWord);
    // The list box's answer: the items left, LB_ERR for a bad index.
    int DeleteString(UINT nIndex);
    void ResetContent();

    void SetWord(int nIndex, LPCTSTR lpszWord, BOOL bRedraw);
    void SetWordMask(int nIndex, LPCTSTR lpszMask, BOOL bRedraw);
    void SetRightCount(int nIndex, int nCount, BOOL bRedraw);
    void SetTotalRightCount(int nIndex, int nCount, BOOL bRedraw);
    // Stores the input. With bFullRedraw the row is invalidated; without, only the cells whose typed
    // letter changed are painted now, on the visible part of the row.
    void SetUserInput(int nIndex, LPCTSTR lpszInput, BOOL bFullRedraw);

    void ClearRightCount(BOOL bRedraw);
    void SetAllTotalRightCount(int nTotal, BOOL bRedraw);
    void ClearAllInput(BOOL bRedraw);
    // Every mask becomes its word, with bMask every character of it a "*".
    void SetAllMasked(BOOL bMask, BOOL bRedraw);

    void EnableWordMask(BOOL bEnable);
    void ShowRightCount(BOOL bShow, BOOL bRedraw);
    // Passed to CQVEnglishWord::DrawTestWord (QVLetterTable); redraws the selected row.
    void Set_LetterTable(int nLetterTable);
    int Get_LetterTable() const { return m_nLetterTable; }
    // Selects only when the selection differs; the list box's answer, or the index when unchanged.
    int SetCurSel(int nSelect);

    // The rows, as queries; empty texts and 0 for an index outside them.
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    CString GetWord(int nIndex) const;
    CString GetWordMask(int nIndex) const;
    CString GetUserInput(int nIndex) const;
    int GetRightCount(int nIndex) const;
    int GetTotalRightCount(int nIndex) const;
    BOOL IsWordMaskEnabled() const { return m_bWordMask; }
    BOOL IsRightCountShown() const { return m_bShowRightCount; }

    // Overridable steps.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    enum { kItemHeight = 24 };

protected:
    struct CRow {
        CString strWord;
        CString strMask;
        CString strInput;
        int nRight = 0;
        int nTotal = 1;
    };
    struct CRowColors {
        COLORREF clrWord;
        COLORREF clrSecond;
    };
    static CRowColors ColorsOf(bool bSelected);

    CRow* RowAt(int nIndex);
    const CRow* RowAt(int nIndex) const;
    bool IsTestRow(const CRow& row) const;
    void RedrawRow(int nIndex);
    // The score's measured width, 0 when no score is shown; the score drawn when pDraw is given.
    int Score(CDC* pDC, const CRow& row, const CRect& rcItem, bool bDraw);
    // The word area's background and the word as the mask shows it, without input.
    void PaintTestWord(CDC* pDC, const CRow& row, const CRect& rcWordArea, const CRect& rcText,
                       bool bSelected);
    CFont* WordFont();
    CFont* ScoreFont();
    // Lets the list box add the item of the current LB_ADDSTRING or LB_INSERTSTRING and adds its row at
    // the index it answers.
    LRESULT AddRow(LPARAM lParam, bool bMaskIsWord);

    afx_msg LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInsertString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<CRow> m_rows;
    BOOL m_bWordMask = FALSE;
    int m_nLetterTable = 0;
    BOOL m_bShowRightCount = FALSE;
    CQVBitmap m_tick;

    CFont m_fontWord;             // Arial 12 points, made at first use
    CFont m_fontScore;            // the default face at 9 points, made again when the language's face changes
    CString m_strScoreFace;       // the face m_fontScore was made with
    LPCTSTR m_pszPending = NULL;  // the word of the member call whose message is being handled
};
