// A grid of goods tiles (picture, name, price) that opens a tile's web address when clicked and, when
// there are more rows than fit, scrolls up by one row every three seconds, wrapping the top row to the
// bottom.
#pragma once

#include "QVUIWindow.h"

#include <map>
#include <vector>

class CQVUIButton;

// Timers of the player's own on its window; the objects' timers never take these ids.
#define QVIAP_TIMER_PAUSE 1000   // 3000 ms between scrolls
#define QVIAP_TIMER_SCROLL 1001  // 20 ms animation ticks
// Tiles take object ids from 2500 on; clicks on ids 2500 to 2999 open their address.
#define QVIAP_FIRST_GOODS_ID 2500
#define QVIAP_LAST_CLICKABLE_ID 2999

// The window's class, style and creation are the caller's; the player handles the messages below. Tiles
// are laid out against the client rect as it is when each is added: size the window first.
class RIZ_API CQVImageAdPlayer : public CWnd, public CQVUIWindow<CQVImageAdPlayer> {
    DECLARE_DYNAMIC(CQVImageAdPlayer)
public:
    // One tile's content.
    struct Goods {
        CString strName;   // caption and tool tip
        CString strExtra;  // not read by the player
        CString strImage;  // picture, drawn at 110 x 110
        CString strUrl;    // opened when the tile is clicked
        CString strPrice;  // shown after the currency sign, aligned right
    };

    // Tile geometry in pixels.
    enum {
        TileWidth = 114,
        TileHeight = 150,
        PictureSize = 110,
        ColumnPitch = 120,
        RowPitch = 156,
        FirstTileX = 2,
        FirstTileY = 2,
    };

    CQVImageAdPlayer();
    ~CQVImageAdPlayer() override;

    using CWnd::GetParent;

    // Adds a tile at the next grid position (a new row when the next would pass the client width).
    void AddGoods(Goods& goods);
    // Starts the pause-scroll cycle; FALSE when every row fits. A call while a scroll runs changes
    // nothing, so the grid always ends a scroll on its 156-pixel rows.
    BOOL StartScroll();
    DWORD GetGoodsTotal() const { return m_dwGoodsTotal; }
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }

    // Code 1 from a tile opens its address; always 0.
    int OnUIMessage(UINT nObjectID, UINT nCode, UINT wParam, LONG lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Opens the address of a tile through the shell (nothing for an id without one).
    void OnBtnGiftClick(UINT nObjectID);
    // One animation tick: moves every row up by the step, wraps a row wholly above the client area.
    void ScrollStep();
    // Drops tiles from the rows that a client deleted from the tree.
    void SyncRows();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeaveMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    using Row = std::vector<CQVUIObject*>;  // tiles, not owned (the root owns them)

    BOOL m_bTracking = FALSE;
    UINT m_nNextObjectID = QVIAP_FIRST_GOODS_ID;
    int m_nNextX = FirstTileX;
    int m_nNextY = FirstTileY;
    int m_nCurrentRow = -1;  // index of the row that takes the next tile; -1 starts a new one
    int m_nStep = 1;
    int m_nRemaining = 0;
    std::map<UINT, CString> m_addresses;
    DWORD m_dwGoodsTotal = 0;
    std::vector<Row> m_rows;
    BOOL m_bScrolling = FALSE;  // the animation timer runs
    int m_nKnownChildren = 0;   // the root's child count as the player last left it
};
