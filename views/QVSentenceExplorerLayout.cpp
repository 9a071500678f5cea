// The sentence explorer's tokens, wrapped layout and searches.
#include "QVSentenceExplorerLayout.h"

#include <algorithm>

namespace {

bool IsAsciiLetter(TCHAR ch) {
    return (ch >= _T('a') && ch <= _T('z')) || (ch >= _T('A') && ch <= _T('Z'));
}

}  // namespace

int QVSentenceCharLength(LPCTSTR psz, int nLen, int nPos) {
    if (!psz || nPos < 0 || nPos >= nLen) return 0;
#ifdef _UNICODE
    const unsigned ch = static_cast<unsigned>(psz[nPos]);
    const bool bPair = ch >= 0xD800 && ch <= 0xDBFF && nPos + 1 < nLen &&
                       static_cast<unsigned>(psz[nPos + 1]) >= 0xDC00 &&
                       static_cast<unsigned>(psz[nPos + 1]) <= 0xDFFF;
    return bPair ? 2 : 1;
#else
    const unsigned char ch = static_cast<unsigned char>(psz[nPos]);
    return ch >= 0x80 && nPos + 1 < nLen ? 2 : 1;
#endif
}

int QVSentenceTokenLength(LPCTSTR psz, int nLen, int nPos, QVSentenceTokens tokens) {
    if (tokens == QVSE_WORDS && nPos >= 0 && nPos < nLen && IsAsciiLetter(psz[nPos])) {
        int nEnd = nPos + 1;
        while (nEnd < nLen && IsAsciiLetter(psz[nEnd]))
            ++nEnd;
        return nEnd - nPos;
    }
    return QVSentenceCharLength(psz, nLen, nPos);
}

int QVSentenceFlow(const CString& strText, QVSentenceTokens tokens, int nBlock, int xLeft, int xLimit, int y,
                   const QVSentenceMeasure& measure,
                   const std::function<void(const QVSentenceToken&)>& onToken,
                   const std::function<void(const CRect&)>& onLine) {
    LPCTSTR psz = strText.GetString();
    const int nLen = strText.GetLength();
    int x = xLeft;
    for (int nPos = 0; nPos < nLen;) {
        const int nToken = QVSentenceTokenLength(psz, nLen, nPos, tokens);
        const int w = std::max(0, measure(nBlock, psz + nPos, nToken));
        QVSentenceToken token = {nPos, nToken, CRect(x, y, x + w, y + QVSE_LINE_HEIGHT)};
        x += w;
        if (x > xLimit) {
            // The finished line ends where this token began; the token opens the next line.
            if (onLine) onLine(CRect(xLeft, y, x - w, y + QVSE_HIT_HEIGHT));
            y += QVSE_LINE_HEIGHT;
            x = xLeft + w;
            token.rect = CRect(xLeft, y, xLeft + w, y + QVSE_LINE_HEIGHT);
        }
        if (onToken) onToken(token);
        nPos += nToken;
    }
    if (onLine) onLine(CRect(xLeft, y, x, y + QVSE_HIT_HEIGHT));
    return y + QVSE_LINE_HEIGHT;
}

void QVSentenceJoinRun(std::vector<QVSentenceRun>& runs, const QVSentenceToken& token, bool bBlank) {
    if (!bBlank && !runs.empty()) {
        QVSentenceRun& last = runs.back();
        if (!last.bBlank && last.nPos + last.nLen == token.nPos && last.rect.right == token.rect.left &&
            last.rect.top == token.rect.top && last.rect.bottom == token.rect.bottom) {
            last.nLen += token.nLen;
            last.rect.right = token.rect.right;
            return;
        }
    }
    runs.push_back({token.nPos, token.nLen, token.rect, bBlank});
}

int QVSentenceLayout(const std::vector<tagQVSEItem*>& items, const CRect& rcClient,
                     const QVSentenceMeasure& measure, std::vector<tagQVSEHitRect>* pHitRects) {
    pHitRects->clear();
    const int x0 = rcClient.left + QVSE_MARGIN_LEFT;
    const int xLimit = rcClient.right - QVSE_MARGIN_RIGHT;
    int y = rcClient.top + QVSE_MARGIN_Y;
    for (size_t k = 0; k < items.size(); ++k) {
        tagQVSEItem& item = *items[k];
        const int nItem = static_cast<int>(k);
        const int yFirst = y;
        y = QVSentenceFlow(item.strFirst, QVSE_WORDS, 0, x0, xLimit, y, measure, nullptr,
                           [&](const CRect& rcLine) {
                               pHitRects->push_back({rcLine, nItem});
                           });
        item.rcFirst = CRect(x0, yFirst, xLimit, y);
        const int ySecond = y;
        y = QVSentenceFlow(item.strSecond, QVSE_CHARS, 1, x0, xLimit, y, measure, nullptr, nullptr);
        item.rcSecond = CRect(x0, ySecond, xLimit, y);
        const int yThird = y;
        y = QVSentenceFlow(item.strThird, QVSE_WORDS, 2, x0, xLimit, y, measure, nullptr, nullptr);
        item.rcThird = CRect(x0, yThird, xLimit, y);
    }
    return y + QVSE_MARGIN_Y;
}

int QVSentenceFirstVisible(const std::vector<tagQVSEItem*>& items, int yTop, int nCount) {
    const auto end = items.begin() + std::max(0, std::min(nCount, static_cast<int>(items.size())));
    const auto it = std::partition_point(items.begin(), end,
                                         [yTop](const tagQVSEItem* p) { return p->rcThird.bottom < yTop; });
    return static_cast<int>(it - items.begin());
}

int QVSentenceHitTest(const std::vector<tagQVSEHitRect>& hitRects, CPoint pt) {
    auto it = std::partition_point(hitRects.begin(), hitRects.end(),
                                   [&pt](const tagQVSEHitRect& hit) { return hit.rect.bottom <= pt.y; });
    for (; it != hitRects.end() && it->rect.top <= pt.y; ++it)
        if (it->rect.PtInRect(pt)) return it->nItem;
    return -1;
}

bool QVSentenceIsKeyword(LPCTSTR psz, int nLen, const CString& strKeyword) {
    if (strKeyword.IsEmpty() || nLen != strKeyword.GetLength()) return false;
    return CString(psz, nLen).CompareNoCase(strKeyword) == 0;
}
