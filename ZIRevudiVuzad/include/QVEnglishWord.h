// The drawing of an English word under test: hidden letters as blanks, typed letters over them.
#pragma once

#include "QVEnglishWordLayout.h"

// A word is laid out in cells of one width, one cell per character, the first at the left edge of
// rcText, each character centred in its cell and vertically in rcText (see QVEnglishWordLayout.h).
// The cell width is that of the font's capital "W" or of a full-width (Chinese) character, whichever is
// wider, plus 2 pixels, so a cell's place depends
// only on its index: an input change repaints the cells whose typed character changed and nothing
// else. Nothing is drawn outside rcText, the DC's clip region or beyond a cell, and only the cells
// that can be seen cost anything, however long the word. NULL texts count as empty; a NULL DC or font
// draws nothing.
//
// The look, as a learner reads it:
//  - a letter the mask shows is drawn in the word colour;
//  - a hidden letter (the mask has another character there, or none) is a blank: a 2-pixel bar in the
//    second colour under the letter's place; with the letter table QVLT_HINTS the hidden letter itself
//    is drawn in the second colour over its bar, as a hint. Other letter table values draw blanks;
//  - a typed letter is drawn over its cell in the target's text colour; when an answer is given, a
//    typed letter that differs from the answer's letter at that cell (or lies beyond its end) is
//    drawn in red (200,0,0) on a pale red box (255,220,220) that covers the cell's letter, so a wrong
//    letter stands out on any background.
//
// Text is drawn with the DC's character set: the ANSI build draws code page 936 text.
class ZIR_API CQVEnglishWord {
public:
    // Draws the word as its mask shows it into pDC: shown letters in clrWord, blanks (and hints) in
    // clrSecond. The background is left as it is.
    static void DrawTestWord(CDC* pDC, LPCTSTR lpszWord, LPCTSTR lpszMask, const CRect& rcText, CFont* pFont,
                             COLORREF clrSecond, COLORREF clrWord, int nLetterTable);

    // Brings a new input into pTarget, which shows the word of pSource with lpszOldInput typed over it:
    // every cell whose typed character differs between the two inputs is copied from pSource (the word
    // as DrawTestWord drew it, without input) and gets its new typed character, if any. Other cells are
    // not touched. With an empty old input every typed cell is drawn. pSource may be pTarget itself:
    // the cells stay, and the typed letters are drawn over them. lpszAnswer (NULL: no answer) is the
    // word the typed letters are checked against.
    static void RedrawWordInvalidPart(CDC* pTarget, CDC* pSource, LPCTSTR lpszOldInput, LPCTSTR lpszNewInput,
                                      const CRect& rcText, CFont* pFont, LPCTSTR lpszAnswer);

    // The width of every cell in pFont (at least 3); 0 for a NULL DC or font.
    static int GetCellWidth(CDC* pDC, CFont* pFont);
};
