// The word lists page: a skinned dialog of a vocabulary lesson. Its areas:
//  - left (x 12-300): the spelling test (y 30-250), a word list box in test mode with scores and
//    ticks, masked words, right and wrong typed letters and a selected row; below it (y 280-370) the
//    same kind of list giving beginners hints (the hidden letters in grey);
//  - right (x 315-628): the word book (y 30-370), a word list control with the columns Word, Phonetic
//    (in a face of its own) and Meaning.
// Every text comes from the language table.
#include "../GalleryCanvasDialog.h"

#include <vector>

namespace {

class CWordListsDlg : public CGalleryCanvasDialog {
public:
    CWordListsDlg() : CGalleryCanvasDialog(_T("IDS_GALLERY_WORDS_DIALOG")) {}

protected:
    void CreateContent() override {
        Caption(m_testCaption, _T("IDS_GALLERY_WORDS_TEST"), CRect(12, 10, 300, 26), kIdTestCaption);
        Caption(m_hintCaption, _T("IDS_GALLERY_WORDS_HINTS"), CRect(12, 260, 300, 276), kIdHintCaption);
        Caption(m_bookCaption, _T("IDS_GALLERY_WORDS_BOOK"), CRect(315, 10, 628, 26), kIdBookCaption);
        CreateSpellingTest();
        CreateHints();
        CreateWordBook();
    }

    // The spelling test of Unit 3, half done: words spelt right three times show a tick, the others
    // their score; the learner is typing "festival" (selected) and got two letters of "benefit" wrong.
    void CreateSpellingTest() {
        m_test.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT,
                      CRect(12, 30, 300, 250), this, kIdTest);
        m_test.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        const struct {
            LPCTSTR lpszWord, lpszMask, lpszInput;
            int nRight;
        } rows[] = {
            {_T("abandon"), _T("a*a*d*n"), _T("abandon"), 3},
            {_T("benefit"), _T("*e*e*i*"), _T("bamefit"), 2},
            {_T("campus"), _T("c*m***"), _T("cam"), 1},
            {_T("deliver"), _T("*******"), _T(""), 0},
            {_T("eager"), _T("e***r"), _T("eager"), 3},
            {_T("festival"), _T("f**t*v*l"), _T("fest"), 2},
            {_T("harvest"), _T("*a*v*s*"), _T("harvist"), 1},
            {_T("journey"), _T("j*u*n*y"), _T(""), 0},
        };
        for (const auto& row : rows) {
            const int i = m_test.AddString(row.lpszWord);
            m_test.SetWordMask(i, row.lpszMask, FALSE);
            m_test.SetUserInput(i, row.lpszInput, TRUE);
            m_test.SetRightCount(i, row.nRight, FALSE);
        }
        m_test.SetAllTotalRightCount(3, FALSE);
        m_test.EnableWordMask(TRUE);
        m_test.ShowRightCount(TRUE, TRUE);
        m_test.SetCurSel(5);
    }

    // Hints for beginners: the letter table that shows hidden letters in grey.
    void CreateHints() {
        m_hints.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, CRect(12, 280, 300, 370),
                       this, kIdHints);
        m_hints.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        for (LPCTSTR lpszWord : {_T("island"), _T("knowledge"), _T("library")})
            m_hints.AddString(lpszWord);
        m_hints.SetAllMasked(TRUE, FALSE);
        m_hints.SetWordMask(1, _T("kn*wl*dge"), FALSE);
        m_hints.SetUserInput(0, _T("isl"), TRUE);
        m_hints.Set_LetterTable(QVLT_HINTS);
        m_hints.EnableWordMask(TRUE);
    }

    // The word book: phonetic transcriptions in their own face, meanings in the page's language.
    void CreateWordBook() {
        m_book.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                        CRect(315, 30, 628, 370), this, kIdBook);
        m_book.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        m_book.InsertColumn(0, GalleryKeyText(_T("IDS_GALLERY_WORDS_COL_WORD")), LVCFMT_LEFT, 86);
        m_book.InsertColumn(1, GalleryKeyText(_T("IDS_GALLERY_WORDS_COL_PHONETIC")), LVCFMT_LEFT, 96);
        m_book.InsertColumn(2, GalleryKeyText(_T("IDS_GALLERY_WORDS_COL_MEANING")), LVCFMT_LEFT, 124);
        m_book.SetPhoneticColumn(1, _T("Arial"));
        const struct {
            LPCTSTR lpszWord;
            LPCWSTR lpszPhonetic;
            LPCTSTR lpszMeaningKey;
        } words[] = {
            {_T("abandon"), L"\x0259\x02c8\x0062\x00e6nd\x0259n", _T("IDS_GALLERY_WORDS_M_ABANDON")},
            {_T("benefit"), L"\x02c8\x0062\x0065n\x026a\x0066\x026at", _T("IDS_GALLERY_WORDS_M_BENEFIT")},
            {_T("campus"), L"\x02c8k\x00e6mp\x0259s", _T("IDS_GALLERY_WORDS_M_CAMPUS")},
            {_T("deliver"), L"d\x026a\x02c8l\x026av\x0259r", _T("IDS_GALLERY_WORDS_M_DELIVER")},
            {_T("eager"), L"\x02c8i\x02d0g\x0259r", _T("IDS_GALLERY_WORDS_M_EAGER")},
            {_T("festival"), L"\x02c8\x0066\x0065st\x026av\x0259l", _T("IDS_GALLERY_WORDS_M_FESTIVAL")},
            {_T("harvest"), L"\x02c8h\x0251\x02d0rv\x026ast", _T("IDS_GALLERY_WORDS_M_HARVEST")},
            {_T("island"), L"\x02c8\x0061\x026al\x0259nd", _T("IDS_GALLERY_WORDS_M_ISLAND")},
            {_T("journey"), L"\x02c8\x0064\x0292\x025c\x02d0rni", _T("IDS_GALLERY_WORDS_M_JOURNEY")},
            {_T("knowledge"), L"\x02c8n\x0251\x02d0l\x026a\x0064\x0292", _T("IDS_GALLERY_WORDS_M_KNOWLEDGE")},
            {_T("library"), L"\x02c8la\x026a\x0062reri", _T("IDS_GALLERY_WORDS_M_LIBRARY")},
        };
        for (int i = 0; i < static_cast<int>(sizeof(words) / sizeof(words[0])); ++i) {
            m_book.InsertItem(i, words[i].lpszWord);
            // Through the wide message, so that the ANSI build keeps the symbols code page 936 lacks.
            LVITEMW lvi = {};
            lvi.iSubItem = 1;
            lvi.pszText = const_cast<LPWSTR>(words[i].lpszPhonetic);
            ::SendMessageW(m_book.m_hWnd, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&lvi));
            m_book.SetItemText(i, 2, GalleryKeyText(words[i].lpszMeaningKey));
        }
        m_book.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    }

    static constexpr UINT kIdTestCaption = 1501, kIdHintCaption = 1502, kIdBookCaption = 1503;
    static constexpr UINT kIdTest = 1511, kIdHints = 1512, kIdBook = 1513;
    CQVLabel m_testCaption, m_hintCaption, m_bookCaption;
    CQVWordListBox m_test, m_hints;
    CQVWordListCtrl m_book;

private:
};

class CWordListsPage : public CGalleryDialogPage<CWordListsDlg> {
public:
    CWordListsPage() : CGalleryDialogPage(_T("word-lists"), _T("Word lists"), L"", L"") {}

protected:
    void Paint(CDC* pDC, const CRect&) override {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->TextOut(kDialogLeft, kDialogLeft, GalleryKeyText(_T("IDS_GALLERY_WORDS_LINE")));
    }
};

}  // namespace

REGISTER_GALLERY_PAGE(CWordListsPage);
