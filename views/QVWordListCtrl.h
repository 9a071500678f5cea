// A report-view word list (word, phonetic transcription, meaning ...) drawn by hand, so that the
// phonetic column can have a font of its own.
#pragma once

#include "QVListCtrl.h"

// Create it in report view or subclass a report view: LVS_OWNERDRAWFIXED is added and rows are 24
// pixels high, through the parent's reflected WM_MEASUREITEM (the parent must be a framework window).
// The list view measures only when its size changes: at creation and subclassing this class changes
// its height by one pixel and back.
//
// Each row: white with black text, or, selected, a gradient from white at the top to blue with text in
// magenta. The columns follow the header's order and the horizontal scroll, each cell as wide as its
// column, its text 4 pixels in from the left edge and 2 from the right; texts in the default face
// ("IDS_DEF_FONT", read at every paint; 0x7EA repaints) at 11 points, the phonetic column in the phonetic
// face at 11 points.
//
// Texts are read from the list view as UTF-16 in both builds: phonetic symbols that code page 936
// lacks (most of IPA) show in the ANSI build too when the host sets them through the list view's
// wide messages (LVM_SETITEMTEXTW); texts set through the ANSI calls are converted by the list view from
// code page 936 as they are stored, so symbols outside it are stored as the conversion gave them. A
// symbol shows as the phonetic font draws it: pick a face that has the IPA letters.
class RIZ_API CQVWordListCtrl : public CQVListCtrl {
    DECLARE_DYNAMIC(CQVWordListCtrl)
public:
    CQVWordListCtrl();
    ~CQVWordListCtrl() override;

    // The column drawn in strFace (-1: none). An empty face is the default face, the one it has first.
    void SetPhoneticColumn(int nColumn, const CString& strFace);
    int GetPhoneticColumn() const { return m_nPhoneticColumn; }
    CString GetPhoneticFace() const;

    // Overridable steps.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    enum { kItemHeight = 24 };

protected:
    // Makes the list view measure its rows: a change of its size.
    void Remeasure();
    CFont* DefaultFont();
    CFont* PhoneticFont();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    int m_nPhoneticColumn = -1;
    CString m_strPhoneticFace;  // empty: the default face, also after a language change

    // Fonts at 11 points, each made again when its face changes.
    struct CFaceFont {
        CFont font;
        CString strFace;
        CFont* Get(const CString& strWanted);
    };
    CFaceFont m_fontDefault;
    CFaceFont m_fontPhonetic;
};
