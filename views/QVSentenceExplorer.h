// A scrolling list of example sentences for language study: each entry shows the sentence (blue, red
// under the mouse, clickable), a second text wrapped per character and a grey third text, under a
// bullet; the keyword can be blanked out of the first and third texts as a dotted line.
#pragma once

#include "RIZuruzezuDef.h"
#include "QVSentenceExplorerLayout.h"

#include <QVBitmap.h>

#include <map>
#include <string>
#include <vector>

#define WM_QV_SENTENCECLICK (WM_USER + 1506)  // 0x9E2 to the parent: the clicked tagQVSEItem* / 0

// The host adds its entries, then calls InitializeData once the window has its final size: nothing
// is laid out before, and the window does not wrap again when resized. DelSentence lays out again but
// updates neither the scroll bar nor the screen; the host calls InitializeData or Invalidate when it
// wants them to follow. A click is a press and a release over the same sentence; the parent gets
// WM_QV_SENTENCECLICK and may delete entries or destroy the window while handling it.
//
// The hand cursor (4000) and the bullet (4001) are this module's own resources, whatever a host has
// under the same numbers. The explorer takes the focus on a press and scrolls by the wheel like the
// file transfer list; on 0x7EA it makes its fonts again and lays out again.
class RIZ_API CQVSentenceExplorer : public CWnd {
    DECLARE_DYNAMIC(CQVSentenceExplorer)
public:
    CQVSentenceExplorer();
    ~CQVSentenceExplorer() override;

    // Registers "QVSentenceExplorer" and creates the window; 0 when the class cannot be registered.
    int Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Appends an entry and returns its index; nothing is laid out.
    int AddSentence(const CString& strFirst, const CString& strSecond, const CString& strThird, DWORD dwData);
    // Lays out every entry over the client area and updates the scroll bar; when the scroll bar's
    // coming or going changed the client width, once more to the final width.
    void InitializeData();
    // 0 for an index outside the list; else removes the entry, forgets the hover and press at or after
    // it, lays out again (scroll bar and screen untouched) and answers 1.
    int DelSentence(int nIndex);
    void ClearSentences();
    void SetKeyword(const CString& strKeyword) { m_strKeyword = strKeyword; }  // taken at the next paint
    const CString& GetKeyword() const { return m_strKeyword; }
    void HideKeyword(int bHide, int bRedraw);
    int IsKeywordHidden() const { return m_bHideKeyword; }

    int GetSentenceCount() const { return static_cast<int>(m_items.size()); }
    tagQVSEItem* GetSentence(int nIndex) const;
    const std::vector<tagQVSEHitRect>& GetHitRects() const { return m_hitRects; }
    CSize GetVirtualSize() const { return m_szVirtual; }
    int GetHover() const { return m_nHover; }
    // The vertical scroll position (the scroll bar's, 0 without one).
    int GetScrollPosition() const;

    // Overridable steps, in the order the explorer calls them.
    virtual void CalcVirtualClientSize();
    virtual void AdjustScrollBar();
    // Draws the blocks of an entry named by mask (1 first, 2 second, 4 third), the first one hot or not.
    virtual void DrawSentence(CDC* pDC, tagQVSEItem* pItem, int nMask, int bHot);

protected:
    void MakeFonts();
    int MeasureToken(int nBlock, LPCTSTR psz, int nLen);
    void PaintEntries(CDC* pDC, const CRect& rcClient);
    void DrawFirstBlock(int nIndex, int bHot);
    void ScrollTo(int nPos);
    void SetHover(int nHover);
    void DeleteItems();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    HCURSOR m_hHandCursor = NULL;  // a private copy, destroyed with the explorer
    CQVBitmap m_bullet;
    CString m_strKeyword;
    int m_bHideKeyword = 1;
    std::vector<tagQVSEItem*> m_items;  // owned
    int m_nLaidOut = 0;                 // entries placed by the last layout; those added since are not shown
    std::vector<tagQVSEHitRect> m_hitRects;
    CSize m_szVirtual;
    CFont m_fontFirst;   // fixed pitch
    CFont m_fontSecond;  // the language's default face
    CFont m_fontThird;
    CPen m_penBlank;  // dotted, grey
    COLORREF m_clrFirst = RGB(0, 0, 255);
    COLORREF m_clrFirstHot = RGB(255, 0, 0);
    COLORREF m_clrSecond = RGB(0, 0, 0);
    COLORREF m_clrThird = RGB(192, 192, 192);
    int m_nPrevHover = -1;
    int m_nHover = -1;
    int m_nPressed = -1;
    int m_bTracking = FALSE;
    std::map<std::basic_string<TCHAR>, int> m_widths[3];  // token widths per block, cleared with the fonts
};
