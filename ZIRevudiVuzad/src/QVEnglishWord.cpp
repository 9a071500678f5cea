// CQVEnglishWord: a word under test drawn cell by cell.
#include "QVEnglishWord.h"

namespace {

constexpr COLORREF kWrongText = RGB(200, 0, 0);
constexpr COLORREF kWrongBox = RGB(255, 220, 220);

// The font selected into a DC, with transparent text, for the drawing of one call; the DC leaves as it
// came.
class CWordDrawScope {
public:
    CWordDrawScope(HDC hDC, HFONT hFont)
        : m_hDC(hDC), m_hOldFont(::SelectObject(hDC, hFont)), m_nOldMode(::SetBkMode(hDC, TRANSPARENT)),
          m_clrOld(::GetTextColor(hDC)) {}
    ~CWordDrawScope() {
        ::SetTextColor(m_hDC, m_clrOld);
        ::SetBkMode(m_hDC, m_nOldMode);
        ::SelectObject(m_hDC, m_hOldFont);
    }
    CWordDrawScope(const CWordDrawScope&) = delete;
    CWordDrawScope& operator=(const CWordDrawScope&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOldFont;
    int m_nOldMode;
    COLORREF m_clrOld;
};

int CellWidth(HDC hDC) {
    SIZE size = {};
    ::GetTextExtentPoint32(hDC, _T("W"), 1, &size);
    TEXTMETRIC tm = {};
    ::GetTextMetrics(hDC, &tm);
    return QVWordCellWidth(size.cx, tm.tmAveCharWidth);
}

// The cell clipped to the text rectangle: no character reaches beyond either.
CRect CellIn(const CRect& rcText, int cxCell, int nCell) {
    CRect rc = QVWordCellRect(rcText, cxCell, nCell);
    rc.IntersectRect(rc, rcText);
    return rc;
}

// Centred in its cell both ways, clipped to it.
void DrawChar(HDC hDC, LPCTSTR psz, const QVWordChar& ch, const CRect& rc, int cyLine, COLORREF clr) {
    SIZE size = {};
    ::GetTextExtentPoint32(hDC, psz + ch.nStart, ch.nLength, &size);
    ::SetTextColor(hDC, clr);
    ::ExtTextOut(hDC, rc.left + (rc.Width() - size.cx) / 2, rc.top + (rc.Height() - cyLine) / 2, ETO_CLIPPED,
                 &rc, psz + ch.nStart, ch.nLength, NULL);
}

// The blank of a hidden letter: a bar two pixels high under the middle of the line.
void DrawBlank(HDC hDC, const CRect& rcCell, const CRect& rcText, int cyLine, COLORREF clr) {
    const int y = (rcText.top + rcText.bottom + cyLine) / 2 - 1;
    CRect rcBar(rcCell.left + 2, y, rcCell.right - 2, y + 2);
    rcBar.IntersectRect(rcBar, rcCell);
    if (rcBar.IsRectEmpty()) return;
    const COLORREF clrOld = ::SetBkColor(hDC, clr);
    ::ExtTextOut(hDC, 0, 0, ETO_OPAQUE, &rcBar, NULL, 0, NULL);
    ::SetBkColor(hDC, clrOld);
}

CRect ClipBox(HDC hDC) {
    CRect rc;
    if (::GetClipBox(hDC, &rc) == ERROR) rc.SetRectEmpty();
    return rc;
}

}  // namespace

int CQVEnglishWord::GetCellWidth(CDC* pDC, CFont* pFont) {
    if (!pDC || !pDC->GetSafeHdc() || !pFont || !pFont->GetSafeHandle()) return 0;
    const HDC hDC = pDC->GetSafeHdc();
    CWordDrawScope scope(hDC, static_cast<HFONT>(pFont->GetSafeHandle()));
    return CellWidth(hDC);
}

void CQVEnglishWord::DrawTestWord(CDC* pDC, LPCTSTR lpszWord, LPCTSTR lpszMask, const CRect& rcText,
                                  CFont* pFont, COLORREF clrSecond, COLORREF clrWord, int nLetterTable) {
    const int cxCell = GetCellWidth(pDC, pFont);
    if (cxCell <= 0 || rcText.IsRectEmpty()) return;
    const HDC hDC = pDC->GetSafeHdc();
    CWordDrawScope scope(hDC, static_cast<HFONT>(pFont->GetSafeHandle()));
    TEXTMETRIC tm = {};
    ::GetTextMetrics(hDC, &tm);
    const std::vector<QVWordChar> word = QVSplitWordChars(lpszWord), mask = QVSplitWordChars(lpszMask);
    const int nCells = static_cast<int>(std::max(word.size(), mask.size()));
    const QVCellRange range = QVVisibleWordCells(rcText, ClipBox(hDC), cxCell, nCells);
    for (int i = range.nFirst; i < range.nLast; ++i) {
        const CRect rc = CellIn(rcText, cxCell, i);
        switch (QVWordCellLookOf(lpszWord, word, lpszMask, mask, i, nLetterTable)) {
        case QVWC_SHOWN:
            DrawChar(hDC, lpszMask, mask[i], rc, tm.tmHeight, clrWord);
            break;
        case QVWC_HINT:
            DrawBlank(hDC, rc, rcText, tm.tmHeight, clrSecond);
            DrawChar(hDC, lpszWord, word[i], rc, tm.tmHeight, clrSecond);
            break;
        case QVWC_BLANK:
            DrawBlank(hDC, rc, rcText, tm.tmHeight, clrSecond);
            break;
        }
    }
}

void CQVEnglishWord::RedrawWordInvalidPart(CDC* pTarget, CDC* pSource, LPCTSTR lpszOldInput,
                                           LPCTSTR lpszNewInput, const CRect& rcText, CFont* pFont,
                                           LPCTSTR lpszAnswer) {
    const int cxCell = GetCellWidth(pTarget, pFont);
    if (cxCell <= 0 || !pSource || !pSource->GetSafeHdc() || rcText.IsRectEmpty()) return;
    const HDC hDC = pTarget->GetSafeHdc(), hSource = pSource->GetSafeHdc();
    const COLORREF clrTyped = ::GetTextColor(hDC);
    CWordDrawScope scope(hDC, static_cast<HFONT>(pFont->GetSafeHandle()));
    TEXTMETRIC tm = {};
    ::GetTextMetrics(hDC, &tm);
    const std::vector<QVWordChar> old = QVSplitWordChars(lpszOldInput), now = QVSplitWordChars(lpszNewInput);
    const std::vector<QVWordChar> answer = QVSplitWordChars(lpszAnswer);
    const int nCells = static_cast<int>(std::max(old.size(), now.size()));
    const QVCellRange range = QVVisibleWordCells(rcText, ClipBox(hDC), cxCell, nCells);
    for (int i = range.nFirst; i < range.nLast; ++i) {
        if (QVSameWordChar(lpszOldInput, old, lpszNewInput, now, i)) continue;
        const CRect rc = CellIn(rcText, cxCell, i);
        if (hSource != hDC)
            ::BitBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), hSource, rc.left, rc.top, SRCCOPY);
        if (static_cast<size_t>(i) >= now.size()) continue;
        if (QVTypedLookOf(lpszNewInput, now, lpszAnswer, answer, i) == QVTL_WRONG) {
            CRect rcBox = rc;
            rcBox.DeflateRect(1, 1);
            const COLORREF clrOld = ::SetBkColor(hDC, kWrongBox);
            ::ExtTextOut(hDC, 0, 0, ETO_OPAQUE, &rcBox, NULL, 0, NULL);
            ::SetBkColor(hDC, clrOld);
            DrawChar(hDC, lpszNewInput, now[i], rc, tm.tmHeight, kWrongText);
        } else {
            DrawChar(hDC, lpszNewInput, now[i], rc, tm.tmHeight, clrTyped);
        }
    }
}
