// The sentences page: a skinned dialog of an exercise on the word "your". Its areas:
//  - left (x 12-318, y 30-250): the exercise with "your" blanked: a short sentence, a long one that
//    wraps over three lines, one with "yours" and "your" side by side; the first sentence is hot;
//  - right (x 330-628, y 30-250): the same entries with the keyword shown;
//  - bottom (x 12-628, y 270-390): more examples than fit, scrolled down by a page.
// Every text comes from the language table.
#include "../GalleryCanvasDialog.h"

namespace {

class CSentencesDlg : public CGalleryCanvasDialog {
public:
    CSentencesDlg() : CGalleryCanvasDialog(_T("IDS_GALLERY_SE_DIALOG")) {}

protected:
    void CreateContent() override {
        Caption(m_blanksCaption, _T("IDS_GALLERY_SE_BLANKS"), CRect(12, 10, 318, 26), kIdBlanksCaption);
        Caption(m_answersCaption, _T("IDS_GALLERY_SE_ANSWERS"), CRect(330, 10, 628, 26), kIdAnswersCaption);
        Caption(m_moreCaption, _T("IDS_GALLERY_SE_MORE"), CRect(12, 254, 628, 268), kIdMoreCaption);

        MakeExplorer(m_blanks, CRect(12, 30, 318, 250), kIdBlanks, 1, 3);
        MakeExplorer(m_answers, CRect(330, 30, 628, 250), kIdAnswers, 1, 3);
        m_answers.HideKeyword(FALSE, TRUE);
        MakeExplorer(m_more, CRect(12, 270, 628, 390), kIdMore, 1, 6);
        m_more.SendMessage(WM_VSCROLL, SB_PAGEDOWN);

        // The first sentence of the exercise is under the mouse.
        const CRect rcHot = m_blanks.GetHitRects().front().rect;
        m_blanks.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcHot.left + 10, rcHot.top + 9));
    }

    // Entries nFirst ... nLast of the language table ("IDS_GALLERY_SE_<n>A", "B", "C").
    void MakeExplorer(CQVSentenceExplorer& explorer, const CRect& rc, UINT nID, int nFirst, int nLast) {
        explorer.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rc, this, nID);
        explorer.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        for (int n = nFirst; n <= nLast; ++n) {
            CString strKey;
            strKey.Format(_T("IDS_GALLERY_SE_%d"), n);
            explorer.AddSentence(GalleryKeyText(strKey + _T("A")), GalleryKeyText(strKey + _T("B")),
                                 GalleryKeyText(strKey + _T("C")), static_cast<DWORD>(n));
        }
        explorer.InitializeData();
    }

    static constexpr UINT kIdBlanksCaption = 1701, kIdAnswersCaption = 1702, kIdMoreCaption = 1703;
    static constexpr UINT kIdBlanks = 1711, kIdAnswers = 1712, kIdMore = 1713;
    CQVLabel m_blanksCaption, m_answersCaption, m_moreCaption;
    CQVSentenceExplorer m_blanks, m_answers, m_more;
};

class CSentencesPage : public CGalleryDialogPage<CSentencesDlg> {
public:
    CSentencesPage() : CGalleryDialogPage(_T("sentences"), _T("Sentence explorer"), L"", L"") {}

protected:
    void Paint(CDC* pDC, const CRect&) override {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->TextOut(kDialogLeft, kDialogLeft, GalleryKeyText(_T("IDS_GALLERY_SE_LINE")));
    }
};

}  // namespace

REGISTER_GALLERY_PAGE(CSentencesPage);
