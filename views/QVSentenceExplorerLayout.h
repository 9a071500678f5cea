// The sentence explorer's arithmetic: tokens of a text, the wrapped layout of the three blocks of every
// entry with the hit rects of the sentence lines, and the binary searches that find the first visible
// entry or line. No window, no DC: token widths come through a measure that the caller passes in.
#pragma once

#include "RIZuruzezuDef.h"

#include <functional>
#include <vector>

#define QVSE_MARGIN_LEFT 50   // X0 = client left + 50; the bullet sits 30 pixels left of it
#define QVSE_MARGIN_RIGHT 10  // lines wrap at client right - 10
#define QVSE_MARGIN_Y 10      // above the first entry and below the last
#define QVSE_LINE_HEIGHT 20
#define QVSE_HIT_HEIGHT 18  // a sentence line's hit rect

// One entry. The blocks are in list coordinates (not moved by the scroll position).
struct tagQVSEItem {
    CString strFirst;   // the sentence: words, hit-tested, the keyword may be blanked
    CString strSecond;  // wrapped per character
    CString strThird;   // words for single-byte text, characters otherwise; the keyword may be blanked
    DWORD dwData = 0;
    CRect rcFirst, rcSecond, rcThird;
};

// One wrapped line of a sentence and the entry it belongs to.
struct tagQVSEHitRect {
    CRect rect;
    int nItem = -1;
};

// How a text breaks into tokens: words (a run of ASCII letters, or any other single character) or
// characters. A character is one TCHAR, a double-byte pair in the ANSI build (a byte >= 0x80 and the
// next, whatever its value) and a surrogate pair in the Unicode build; a lone lead byte or surrogate at
// the end is a character of its own, so nothing is read past the text.
enum QVSentenceTokens { QVSE_WORDS, QVSE_CHARS };

// The length in TCHARs of the character at nPos (0 at or after the end).
RIZ_API int QVSentenceCharLength(LPCTSTR psz, int nLen, int nPos);
// The length of the token at nPos.
RIZ_API int QVSentenceTokenLength(LPCTSTR psz, int nLen, int nPos, QVSentenceTokens tokens);

// The width of a token of one block (0, 1, 2 for first, second, third) in that block's font.
typedef std::function<int(int nBlock, LPCTSTR psz, int nLen)> QVSentenceMeasure;

// One token's place: its characters and its rect. A token that overflows the limit starts the next line
// even when it was the first of its line, so the line it leaves may be empty.
struct QVSentenceToken {
    int nPos, nLen;
    CRect rect;
};

// Walks the tokens of one block from (xLeft, y): each token's rect is (x, y, x + w, y + 20) or, when x
// would pass xLimit, (xLeft, y + 20, xLeft + w, y + 40). onLine gets every line's extent (xLeft, y,
// right end, y + 18) once the line is finished, the last one included; onToken may be empty. Returns
// the y below the block.
RIZ_API int QVSentenceFlow(const CString& strText, QVSentenceTokens tokens, int nBlock, int xLeft, int xLimit,
                           int y, const QVSentenceMeasure& measure,
                           const std::function<void(const QVSentenceToken&)>& onToken,
                           const std::function<void(const CRect&)>& onLine);

// A piece of a block drawn with one call: tokens joined while each starts where the previous one ended
// on the same line, or one blanked keyword (drawn as a line, never joined).
struct QVSentenceRun {
    int nPos, nLen;
    CRect rect;
    bool bBlank;
};

// Adds a token to the runs of a block: it extends the last run when both are text and the token
// follows it in the text and on its line, else it starts a run.
RIZ_API void QVSentenceJoinRun(std::vector<QVSentenceRun>& runs, const QVSentenceToken& token, bool bBlank);

// Lays out every entry over the client rect, replacing the hit rects; returns the content height (the
// virtual size's cy): 20 for no entries.
RIZ_API int QVSentenceLayout(const std::vector<tagQVSEItem*>& items, const CRect& rcClient,
                             const QVSentenceMeasure& measure, std::vector<tagQVSEHitRect>* pHitRects);

// The first of the first nCount entries whose third block is not above yTop (list coordinates), nCount
// when none is: the blocks grow in y, so this is a binary search.
RIZ_API int QVSentenceFirstVisible(const std::vector<tagQVSEItem*>& items, int yTop, int nCount);
// The entry whose sentence line holds the point (list coordinates), -1 for none: the lines grow in y,
// so only those around the point are tested.
RIZ_API int QVSentenceHitTest(const std::vector<tagQVSEHitRect>& hitRects, CPoint pt);
// True when a token is the keyword (case-insensitive); an empty keyword matches nothing.
RIZ_API bool QVSentenceIsKeyword(LPCTSTR psz, int nLen, const CString& strKeyword);
