// Where the cells of a word under test lie and what each one shows: the arithmetic of CQVEnglishWord,
// without a DC.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <algorithm>
#include <climits>
#include <vector>

// Letter table values of CQVEnglishWord::DrawTestWord: how a hidden letter is shown.
enum QVLetterTable {
    QVLT_BLANKS = 0,  // a blank: a bar in the second colour where the letter goes
    QVLT_HINTS = 1,   // the hidden letter itself in the second colour, over its bar
};

// What one cell of a word under test shows before anything is typed.
enum QVWordCellLook {
    QVWC_SHOWN,  // the mask's character, in the word colour
    QVWC_BLANK,  // a bar in the second colour
    QVWC_HINT,   // the word's character in the second colour, over the bar
};

// What a typed character looks like against the answer.
enum QVTypedLook {
    QVTL_TYPED,  // no answer given: drawn as typed
    QVTL_RIGHT,  // the answer's character at that cell
    QVTL_WRONG,  // anything else, also a character beyond the answer's end
};

// One character of a text: where it starts and how many TCHARs it takes (a double-byte character of
// the ANSI build and a surrogate pair of the Unicode build are one character each).
struct QVWordChar {
    int nStart;
    int nLength;
};

// How many TCHARs the character at psz takes (psz not at the end).
inline int QVWordCharLength(LPCTSTR psz) {
#ifdef _UNICODE
    return psz[0] >= 0xD800 && psz[0] <= 0xDBFF && psz[1] >= 0xDC00 && psz[1] <= 0xDFFF ? 2 : 1;
#else
    return ::IsDBCSLeadByte(static_cast<BYTE>(psz[0])) && psz[1] ? 2 : 1;
#endif
}

// The characters of a text in order; NULL and "" have none.
inline std::vector<QVWordChar> QVSplitWordChars(LPCTSTR psz) {
    std::vector<QVWordChar> chars;
    for (int i = 0; psz && psz[i]; i += chars.back().nLength)
        chars.push_back({i, QVWordCharLength(psz + i)});
    return chars;
}

// The number of characters of a text, without making the list.
inline int QVCountWordChars(LPCTSTR psz) {
    int n = 0;
    for (int i = 0; psz && psz[i]; i += QVWordCharLength(psz + i))
        ++n;
    return n;
}

// True when character nCell of text a equals character nCell of text b; a character missing in one of
// them equals only a character missing in the other.
inline bool QVSameWordChar(LPCTSTR a, const std::vector<QVWordChar>& ca, LPCTSTR b,
                           const std::vector<QVWordChar>& cb, size_t nCell) {
    const bool bInA = nCell < ca.size(), bInB = nCell < cb.size();
    if (!bInA || !bInB) return bInA == bInB;
    const QVWordChar& x = ca[nCell];
    const QVWordChar& y = cb[nCell];
    return x.nLength == y.nLength && std::equal(a + x.nStart, a + x.nStart + x.nLength, b + y.nStart);
}

// Every cell has the same width, so a cell's place follows from its index alone and a changed
// character repaints exactly its own cell. The cell holds the font's widest letter ("W", cxWidest)
// and a full-width character (twice the average character width cxAverage, as a Chinese font has it).
inline int QVWordCellWidth(int cxWidest, int cxAverage) {
    return std::max({cxWidest, 2 * cxAverage, 1}) + 2;
}

// Cell nCell of a word whose first cell starts at rcText's left edge; as high as rcText.
inline CRect QVWordCellRect(const CRect& rcText, int cxCell, int nCell) {
    const long long left = static_cast<long long>(rcText.left) + static_cast<long long>(cxCell) * nCell;
    const int x = static_cast<int>(std::min<long long>(left, INT_MAX / 2));
    return CRect(x, rcText.top, x + cxCell, rcText.bottom);
}

// The cells [first, last) of nCells that meet both rcText and rcClip (the DC's clip box), so that a
// word far longer than its rectangle costs only the cells that can be seen.
struct QVCellRange {
    int nFirst;
    int nLast;
};
inline QVCellRange QVVisibleWordCells(const CRect& rcText, const CRect& rcClip, int cxCell, int nCells) {
    const int x0 = rcText.left;
    const int left = std::max<int>(x0, rcClip.left), right = std::min<int>(rcText.right, rcClip.right);
    if (nCells <= 0 || cxCell <= 0 || right <= left || rcText.top >= rcText.bottom) return {0, 0};
    const int nFirst = std::max(0, (left - x0) / cxCell);
    const int nLast = std::min(nCells, (right - x0 + cxCell - 1) / cxCell);
    return {std::min(nFirst, nLast), nLast};
}

// Cell nCell of a word and its mask: shown when the mask has the word's character there (or the word
// ends before it), hidden otherwise: a hint when the letter table asks for hints and the word has a
// character to show.
inline QVWordCellLook QVWordCellLookOf(LPCTSTR lpszWord, const std::vector<QVWordChar>& word,
                                       LPCTSTR lpszMask, const std::vector<QVWordChar>& mask, size_t nCell,
                                       int nLetterTable) {
    const bool bInWord = nCell < word.size();
    if (nCell < mask.size() && (!bInWord || QVSameWordChar(lpszWord, word, lpszMask, mask, nCell)))
        return QVWC_SHOWN;
    return nLetterTable == QVLT_HINTS && bInWord ? QVWC_HINT : QVWC_BLANK;
}

// A typed character against the answer (NULL: no answer).
inline QVTypedLook QVTypedLookOf(LPCTSTR lpszInput, const std::vector<QVWordChar>& input, LPCTSTR lpszAnswer,
                                 const std::vector<QVWordChar>& answer, size_t nCell) {
    if (!lpszAnswer) return QVTL_TYPED;
    if (nCell >= answer.size()) return QVTL_WRONG;
    return QVSameWordChar(lpszInput, input, lpszAnswer, answer, nCell) ? QVTL_RIGHT : QVTL_WRONG;
}

// The cells whose typed character differs between two inputs: the only cells an input change repaints.
inline std::vector<int> QVChangedInputCells(LPCTSTR lpszOld, const std::vector<QVWordChar>& old,
                                            LPCTSTR lpszNew, const std::vector<QVWordChar>& now) {
    std::vector<int> cells;
    const size_t n = std::max(old.size(), now.size());
    for (size_t i = 0; i < n; ++i)
        if (!QVSameWordChar(lpszOld, old, lpszNew, now, i)) cells.push_back(static_cast<int>(i));
    return cells;
}
