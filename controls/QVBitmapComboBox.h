// A skinned combo box whose items are bitmap files: each item shows its picture (a face, a badge).
#pragma once

#include "QVComboBox.h"

#include <set>

// Each item's text is a bitmap file's path and its data the bitmap, owned by the combo box: freed
// exactly once however the item goes (DelBitmap, ResetContent, a host's CB_DELETESTRING or
// CB_RESETCONTENT, the window's destruction). A combo released from this object while its window
// lives keeps its items without their bitmaps (item data 0).
//
// Create adds CBS_OWNERDRAWFIXED and CBS_HASSTRINGS (the path is kept as the item's text); a combo of
// a dialog template needs both in its template style, and subclassing sets its items to the image
// height.
class RIZ_API CQVBitmapComboBox : public CQVComboBox {
    DECLARE_DYNAMIC(CQVBitmapComboBox)
public:
    CQVBitmapComboBox();
    ~CQVBitmapComboBox() override;

    // The size every picture is drawn at and every item's height follows.
    void SetImageSize(int cx, int cy);
    CSize GetImageSize() const { return m_sizeImage; }
    // Draws the pictures with clrKey left out.
    void SetImageTransparent(BOOL bTransparent, COLORREF clrKey = RGB(255, 255, 255));
    BOOL GetImageTransparent() const { return m_bTransparent; }
    COLORREF GetImageTransparentKey() const { return m_clrTransparent; }

    // Loads the file as a bitmap and adds an item for it: the new index, or CB_ERR when the file is
    // not a bitmap that loads (no item is added then).
    int AddBitmap(LPCTSTR lpszPath);
    // Deletes item nIndex and its bitmap; FALSE for an index that is not an item.
    BOOL DelBitmap(int nIndex);
    // Deletes every item and its bitmap.
    void ResetContent();
    // The bitmap of item nIndex; NULL for an index that is not an item.
    HBITMAP GetBitmap(int nIndex) const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;

    BOOL OwnsBitmap(HBITMAP hBitmap) const { return hBitmap && m_bitmaps.count(hBitmap) != 0; }
    void FreeBitmap(HBITMAP hBitmap);
    void FreeAllBitmaps();
    void ApplyItemHeight();

    afx_msg LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CSize m_sizeImage = CSize(32, 32);
    BOOL m_bTransparent = FALSE;
    COLORREF m_clrTransparent = RGB(255, 255, 255);
    std::set<HBITMAP> m_bitmaps;  // the items' bitmaps this object made and still owns
    HWND m_hWndItems = NULL;      // the window whose items hold them
};
