// The outlook bar: a stack of folder headers, one folder open, showing large or small icons with labels
// or a window of the host; folders slide open, items can be dragged into a new order and renamed.
#pragma once

#include "QVAliveToken.h"
#include "QVBarFolder.h"
#include "QVOutBarLayout.h"

class CQVSkinOtherRes;

// Sent to the owner (the owner given at creation, else the parent): WPARAM an OUTBAR_* code, LPARAM an
// OUTBAR_NOTIFY_INFO* valid during the call. Where a step waits for the owner, only an answer of exactly
// 1 lets it happen. The in-place editor sends the same message to the bar when a rename ends.
#define WM_OUTBAR_NOTIFY (WM_USER + 1503)

#define OUTBAR_ITEM_CLICKED 1  // a click released on the item it started on; 1: it becomes the clicked item
#define OUTBAR_ITEM_LABEL_EDITED 2    // an item rename ended; 1: store the new label
#define OUTBAR_FOLDER_LABEL_EDITED 3  // a folder rename ended; 1: store the new name
#define OUTBAR_ITEM_MOVED 4           // an item was dropped; 1: move it
#define OUTBAR_FOLDER_SELECTING 5     // a folder is about to open; 1: open it
#define OUTBAR_ITEM_HOVERED 6         // the hot item changes (also to -1); 1: draw the change
#define OUTBAR_ITEM_DELETING 7        // RemoveItem, and every item at destruction; 1: delete it
#define OUTBAR_FOLDER_DELETING 8      // RemoveFolder, and every folder at destruction; 1: delete it
#define OUTBAR_ITEM_DRAG_STARTED 9    // an item drag begins; the answer is ignored
#define OUTBAR_RIGHT_CLICKED 10       // the right button was released; the answer is ignored

struct OUTBAR_NOTIFY_INFO {
    int nIndex;        // item or folder index the event is about
    int nDragFrom;     // source of a move, else -1 (0 in OUTBAR_RIGHT_CLICKED)
    int nDragTo;       // target of a move, else -1 (0 in OUTBAR_RIGHT_CLICKED)
    LPCTSTR lpszText;  // text of the item or folder; NULL in OUTBAR_RIGHT_CLICKED
    bool bFolder;      // the event is about a folder
};

// Behaviour flags (GetFlag, ModifyFlag).
#define QVOB_SMALL_ICONS 0x001      // new folders show small icons; IsSmallIconView(-1)
#define QVOB_DRAG_ITEMS 0x080       // items may be dragged to a new place
#define QVOB_ANIMATE_FOLDERS 0x100  // a folder change slides
#define QVOB_KEEP_CLICKED 0x200     // the last clicked item stays framed
// Small-view items are as wide as their icon and whole label after the left margin. Without it the
// item's rectangle keeps the right edge of its measured width, so a label loses its last letters.
#define QVOB_FIT_SMALL_LABELS 0x400
#define QVOB_DEFAULT_FLAGS 0xFC  // 0x04..0x40 are only reported by GetFlag

// Commands the bar handles from a menu of the host (routed to the bar as WM_COMMAND).
#define ID_QVOB_LARGE_ICONS 0xCE2A
#define ID_QVOB_SMALL_ICONS 0xCE2B
#define ID_QVOB_REMOVE_ITEM 0xCE2C  // removes the context target: the last right-clicked item or folder
#define ID_QVOB_RENAME_ITEM 0xCE2D  // renames the context target in place

// HitTestEx answers (QVOB_HIT_*) are in QVOutBarLayout.h.

// The state DrawFolder draws a header in. The header image's frames are 0 normal, 1 hot, 2 pressed.
enum FOLDER_HILIGHT { FOLDER_NORMAL = 0, FOLDER_PRESSED = 1, FOLDER_HOT = 2 };

class CQVOutBarCtrl;
// Waits between two frames of the folder slide; pDC is the client DC the frame was just copied to.
// Tests replace it to count and read back the frames.
typedef void (*QVOUTBARSLIDEPROC)(CQVOutBarCtrl* pBar, CDC* pDC, int nMilliseconds);

// Every step is a virtual operation so that a derived bar can replace it; the bar itself reaches its
// geometry, drawing and notifications only through them. Indexes are checked: a bad one does nothing
// or answers 0, -1, an empty text or NULL. A rename that is open when the folders or the open folder's
// items change (insert, remove, move, another folder opened) is cancelled without a notification, so
// that the editor never renames an item that took the edited one's place.
class RIZ_API CQVOutBarCtrl : public CWnd {
    DECLARE_DYNCREATE(CQVOutBarCtrl)
public:
    CQVOutBarCtrl();
    ~CQVOutBarCtrl() override;

    virtual void SetAnimSelHighlight(int nMilliseconds);  // wiggle period of the clicked item; < 1: off
    virtual DWORD GetFolderData(int nFolder = -1);        // -1: the open folder
    virtual CWnd* GetFolderChild(int nFolder = -1);
    // A folder showing a child window of the bar instead of items; the window fills the inside and
    // shows only while its folder is open.
    virtual int AddFolderBar(LPCTSTR lpszFolder, CWnd* pSon, DWORD dwData = 0);
    virtual CString GetItemText(int nIndex);
    virtual void SetAnimationTickCount(long lValue);  // ms between slide frames; < 0: no slide
    virtual int GetAnimationTickCount();
    virtual void SetItemImage(int nIndex, int nImage);
    virtual void SetItemData(int nIndex, DWORD dwData);
    virtual int GetItemImage(int nIndex);
    virtual DWORD GetItemData(int nIndex);
    virtual void RemoveItem(int nIndex);
    virtual void SetItemText(int nIndex, LPCTSTR lpszItemName);
    virtual void StartItemEdit(int nIndex);
    virtual void SetFolderText(int nIndex, LPCTSTR lpszFolderName);
    virtual void StartGroupEdit(int nIndex);
    virtual CImageList* GetFolderImageList(int nIndex, int bSmall);
    virtual CImageList* GetImageList(DWORD dwImageList);  // 0x1 small, else 0x2 large
    virtual CImageList* SetFolderImageList(int nFolder, CImageList* pImageList, DWORD dwImageList);
    virtual CImageList* SetImageList(CImageList* pImageList, DWORD dwImageList);
    virtual void RemoveFolder(int nIndex);
    virtual int GetSelFolder();
    virtual int GetFolderCount();
    virtual void SetSelFolder(DWORD dwFolderData);  // the first folder with this data
    virtual void SetSelFolder(int nIndex);
    virtual int GetItemCount();  // of the open folder
    virtual int InsertItem(int nFolder, int nIndex, LPCTSTR lpszText, int nImage = -1, DWORD dwData = 0);
    virtual int AddFolder(LPCTSTR lpszFolderName, DWORD dwData = 0);
    virtual void ModifyFlag(const DWORD& dwRemove, const DWORD& dwAdd, UINT nRedraw = 0);
    virtual DWORD GetFlag();
    virtual void SetSmallIconView(int bSet, int nFolder = -1);
    virtual BOOL IsSmallIconView(int nFolder = -1);
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        DWORD dwFlag = QVOB_DEFAULT_FLAGS);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          DWORD dwFlag = QVOB_DEFAULT_FLAGS);
    virtual void SetFontX(CFont* pFont);
    virtual CFont* GetFontX();
    virtual CQVBarFolder* GetBarFolder(int nFolder);  // NULL for a bad index
    virtual CXTBarItem* GetBarFolderItem(int nFolder, int nIndex);
    virtual void SetBackColor(COLORREF crBack);
    virtual void SetTextColor(COLORREF crFolderText, COLORREF crItemText);
    virtual void GetLabelRect(int nFolder, int nIndex, CRect& rect);
    virtual void GetIconRect(int nFolder, int nIndex, CRect& rect);
    virtual void GetInsideRect(CRect& rect);
    virtual void GetItemRect(int nFolder, int nIndex, CRect& rect);
    virtual BOOL GetFolderRect(int nIndex, CRect& rect);
    virtual void DrawItem(CDC* pDC, int nFolder, CRect rcItem, int nIndex, int bNoText = FALSE);
    virtual void DrawDragArrow(CDC* pDC, int nFrom, int nTo);
    virtual void DrawAnimItem(int nOffsetX, int nOffsetY, int nIndex);
    virtual void DrawFolder(CDC* pDC, int nIndex, CRect rect, FOLDER_HILIGHT nHighlight);
    virtual void DrawIcon(CDC* pDC, int nIndex, int nFolder, bool bHighlight);
    virtual void PaintItems(CDC* pDC, int nFolder, CRect rcInside);
    virtual void GetVisibleRange(int nFolder, int& nFirst, int& nLast);
    virtual int GetDragItemRect(int nIndex,
                                CRect& rect);  // answers the arrow kind: 0 first, 1 between, 2 end
    virtual CSize GetItemSize(int nFolder, int nIndex, int nType);  // 1 icon, 2 label, 3 whole item
    virtual void AnimateFolderScroll(int nFrom, int nTo);
    virtual void HighlightItem(int nIndex, int bPressed = FALSE);
    virtual void HighlightFolder(int nIndex);
    virtual int HitTestEx(const CPoint& point, int& nIndex);  // a QVOB_HIT_* code
    virtual BOOL IsValidItem(int nIndex);

    int GetCurSel() const { return m_nHoverItem; }  // the hot item
    void SetCurSel(int nIndex, int bPressed = FALSE) { HighlightItem(nIndex, bPressed); }
    void ShowSelected(BOOL bShow) { m_bShowCurSel = bShow; }
    // The current-selection marker: a folder and an item of it, framed in every paint.
    void GetCurSelected(DWORD& dwFolderData, DWORD& dwItemData);
    void SetCurSelected(int nFolder, int nIndex);
    void SetCurSelected(DWORD dwFolderData, DWORD dwItemData);  // the first folder and item with these data

    // The target of ID_QVOB_REMOVE_ITEM and ID_QVOB_RENAME_ITEM: kind QVOB_HIT_FOLDER or QVOB_HIT_ITEM and
    // an index. A right button release sets it from its hit (a miss: a folder index of -1, which the
    // commands ignore) before OUTBAR_RIGHT_CLICKED goes out, so a menu the host shows then acts on what
    // was clicked. It starts as folder 0.
    void SetContextTarget(int nKind, int nIndex);
    int GetContextKind() const { return m_nContextKind; }
    int GetContextIndex() const { return m_nContextIndex; }

    // The wait between slide frames, for every bar of the process; NULL restores Sleep.
    static void SetSlideDelayProc(QVOUTBARSLIDEPROC pfnDelay);

protected:
    // Sends WM_OUTBAR_NOTIFY to the owner; 0 without a window or an owner.
    LRESULT Notify(int nCode, int nIndex, LPCTSTR lpszText, bool bFolder, int nDragFrom = -1,
                   int nDragTo = -1);
    // True while this object and its window still exist: checked after every notification, because an
    // owner may destroy the bar (and a bar may delete itself) inside one.
    CQVAliveToken AliveToken() const { return m_alive.Token(); }
    BOOL StillAlive(const CQVAliveToken& token) const { return token && m_hWnd != NULL; }

    // Keeps one measuring DC, with the bar's font, for the labels measured during a paint or a hit test
    // (GetItemSize otherwise gets a client DC for every label). Defined in QVOutBarShared.h.
    class CMeasureScope;

    CRect ClientRect() const;
    // The spacing members as the layout takes them.
    CQVOutBarMetrics Metrics() const;
    int ItemGap(int nFolder) { return IsSmallIconView(nFolder) ? m_nSmallItemGap : m_nLargeItemGap; }
    // Top of item nIndex in the layout walk: the inside top plus the heights and gaps of the items from
    // the first visible one (from item 0, unscrolled, for items above it).
    int WalkItemTop(int nFolder, int nIndex, int nInsideTop);
    // Whether the open folder's last item reaches below the inside bottom; stops at the first item that
    // does, so the cost follows what is visible.
    BOOL LastItemBelowInside(const CRect& rcInside);
    BOOL IsValidFolder(int nFolder) const { return nFolder >= 0 && nFolder < m_folders.GetSize(); }
    CQVBarFolder* FolderAt(int nFolder) const {
        return IsValidFolder(nFolder) ? static_cast<CQVBarFolder*>(m_folders[nFolder]) : NULL;
    }
    // The image list a folder draws with and the size of one of its images; (0, 0) when there is none.
    CSize ImageSize(CImageList* pList, int nImage) const;
    // A label's size in the bar's font: one line in small view, wrapped to the inside width in large.
    CSize MeasureLabel(const CString& strText, BOOL bSmall);
    // The marker band of an item: its rectangle widened to the inside rectangle, 2 pixels taller each way.
    CRect MarkerBand(int nFolder, int nIndex);
    // Closes an open rename without a notification.
    void CancelEdit();
    void MoveFolderChildren();
    void RefreshDefaultColors();
    void DrawArrowButton(CDC* pDC, const CRect& rc, BOOL bUp, BOOL bPushed);
    // Steps of the paint: clip out the open folder's visible child window (TRUE when it has one), and
    // the scroll arrows with the items of the open folder.
    BOOL ExcludeFolderChild(CDC* pDC);
    void PaintScrollAndItems(CDC* pDC, const CRect& rcInside);
    void DrawItemImageAndLabel(CDC* pDC, int nFolder, const CRect& rcItem, CXTBarItem* pItem, int bNoText);
    // The drop arrow's line and heads at rc.top for an arrow kind of GetDragItemRect.
    void DrawArrowLines(CDC* pDC, const CRect& rc, int nKind);
    // Draws one folder's content (items or child window) into pDC with the inside rectangle's top-left
    // at (0, nTop).
    void DrawFolderContent(CDC* pDC, int nFolder, int nTop, const CRect& rcInside, int cx, int cy);
    // The two images of the folder slide, szImage each, for headers h high: A shows the old folder, B
    // the new one.
    void RenderSlideImages(CDC* pA, CDC* pB, int nFrom, int nTo, const CRect& rcInside, const CRect& rcFrom,
                           CSize szImage, int h);
    // The frames of the slide copied from the two images to pDC: bDown when the new folder is below.
    void SlideFrames(CDC* pDC, CDC* pA, CDC* pB, BOOL bDown, const CRect& rcInside, const CRect& rcFrom,
                     const CRect& rcTo);
    void ScrollOneStep(BOOL bUp, BOOL& bEnd);
    // Whether a point lies between the bottom of the open folder's last item and the inside bottom.
    BOOL IsBelowLastItem(const CPoint& point, const CRect& rcInside);

    // The mouse loops of a left press; each ends on release, lost capture, WM_QUIT or destruction.
    void TrackFolderPress(int nFolder);
    void TrackItemPress(int nItem, const CRect& rcInside);
    // The steps of the item loop: a move (press feedback, the drag start, the drop arrow), the release
    // (click or drop) and the drop itself, before item nTo or, with bEnd, after the last item.
    void ItemPressMove(int nItem, const CPoint& pt, const CRect& rcInside, BOOL& bPressed, BOOL& bDragging);
    void ItemPressRelease(int nItem, const CPoint& pt, const CRect& rcInside, BOOL bPressed, BOOL bDragging);
    void DropItem(int nItem, int nTo, BOOL bEnd);
    // The drop position under a point during a drag: the item hit, the end, or -1.
    int DropTargetAt(const CPoint& pt, const CRect& rcInside, int nHit, int nIndex);
    void TrackArrowPress(int nHit, const CRect& rcInside);
    // The arrow loop; FALSE once the bar is gone. A held arrow's timer tick scrolls one step while the
    // cursor (where it was at the tick) is on the arrow; TRUE when there is nothing more to scroll.
    BOOL RunArrowLoop(BOOL bUp);
    BOOL ArrowTick(BOOL bUp, const CRect& rcArrow, CPoint ptScreen);
    void EndItemClick(int nItem);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnEditEnded(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLargeIcons();
    afx_msg void OnSmallIcons();
    afx_msg void OnRemoveItem();
    afx_msg void OnRenameItem();
    afx_msg void OnUpdateLargeIcons(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSmallIcons(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRemoveItem(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRenameItem(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    int m_nFolderHeight = 24;   // of one header: the skin's OutBarFolderHeight
    int m_nSelFolder = 0;       // the open folder
    BOOL m_bShowCurSel = TRUE;  // draw the current-selection marker
    int m_nCurSelFolder = -1;   // the marker: folder and item
    int m_nCurSelItem = -1;
    int m_nHoverFolder = -1;  // hot header
    int m_nHoverItem = -1;    // hot item, drawn again after each paint
    int m_nPressedFolder = -1;
    int m_nSelItem = -1;       // last clicked item of the open folder
    int m_nFirstItem = 0;      // first visible item
    int m_nLargeItemGap = 8;   // below each item, large icons
    int m_nSmallItemGap = 10;  // below each item, small icons
    int m_nContextKind = 0;    // target of the remove and rename commands
    int m_nContextIndex = 0;
    int m_nDragTarget = -1;  // drop position the drag arrow shows
    int m_nDragArrowKind = -1;
    int m_nAnimFrame = 0;            // wiggle frame of the clicked item
    int m_nAnimSelHighlight = 0;     // wiggle period in ms; 0 off
    int m_nAnimationTickCount = 10;  // ms between slide frames; < 0 no slide
    BOOL m_bUpArrow = FALSE;         // the scroll arrows are shown (set while painting)
    BOOL m_bDownArrow = FALSE;
    BOOL m_bUpPressed = FALSE;
    BOOL m_bDownPressed = FALSE;
    BOOL m_bHoverPressed = FALSE;  // the hover item is drawn pressed
    BOOL m_bScrolling = FALSE;     // an arrow loop runs
    BOOL m_bItemPressed = FALSE;   // the item under the held button is pressed
    CFont m_font;
    CPen m_pen;
    CImageList* m_pLargeImageList = NULL;
    CImageList* m_pSmallImageList = NULL;
    DWORD m_dwFlags = QVOB_DEFAULT_FLAGS;
    CRect m_rcUpArrow;
    CRect m_rcDownArrow;
    CSize m_szIconLabelGap = CSize(4, 3);  // cx small view, cy large view
    CSize m_szItemMargin = CSize(5, 5);
    CPtrArray m_folders;  // CQVBarFolder*, owned
    COLORREF m_crBack;
    COLORREF m_crItemText;
    COLORREF m_crFolderText;
    BOOL m_bBackSet = FALSE;
    BOOL m_bTextSet = FALSE;
    CQVSkinOtherRes* m_pOtherRes = NULL;

    HWND m_hWndEdit = NULL;    // the open in-place editor
    CDC* m_pMeasureDC = NULL;  // a DC kept while a paint or hit test measures many labels
    CQVAliveFlag m_alive;
};
