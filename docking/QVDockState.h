// The remembered places of a frame's control bars, as values: one record per bar, read from and
// written to the application's profile without any window; CSkinFrameWnd takes a state from its bars
// (GetDockState) and applies one back (SetDockState).
#pragma once

#include <afxwin.h>

#include <vector>

#include "QVDockBarLayout.h"
#include "RIZuruzezuDef.h"

// Where one bar was: docked in a row of an edge's dock bar or floating at a point, shown or hidden.
struct QVDockBarRecord {
    UINT nBarID = 0;  // the bar's control id, 1 to 0xFFFF
    BOOL bVisible = TRUE;
    BOOL bFloating = FALSE;
    // The edge dock bar (AFX_IDW_DOCKBAR_TOP ... _BOTTOM) holding the bar, or holding a floating bar's
    // placeholder (its way back); 0 for none: a bar laid out outside the dock bars (a status bar) keeps
    // only its visibility, a floating bar has no place to go back to.
    UINT nDockBarID = 0;
    int nRow = 0;            // the row in that dock bar, from 0
    int nIndex = 0;          // the entry in the row, from 0 (placeholders count)
    int nOffset = 0;         // docked: where the bar starts along its row (dock bar client coordinates)
    CPoint ptFloat;          // floating: the floating frame's top-left corner (screen)
    BOOL bFloatHorz = TRUE;  // floating: the bar lies in a row (CBRS_ALIGN_TOP), else in a column
    int nMRUWidth = 0;       // a dynamic-size bar's floating width; 0 when not saved
};

// Sections "<name>-Summary" (entry Bars: the number of records) and "<name>-Bar<n>" for n from 0, one
// per record: BarID, Visible, Floating, DockBarID; Row and Index with a dock bar; Offset when docked;
// XPos, YPos and Horz when floating; MRUWidth for a dynamic-size bar. Numbers are decimal strings.
class RIZ_API CQVDockState {
public:
    // Reads the records through AfxGetApp()'s profile functions. A missing or corrupt summary reads no
    // record; a record with a missing, malformed or out-of-range value or a dock bar id that names no
    // edge is dropped, and so are all records of an id met twice. FALSE when no record was read.
    BOOL LoadState(LPCTSTR lpszProfileName);
    // Writes the summary and one section per record, each section emptied first, and removes the
    // sections of records an earlier, longer state left. FALSE when a value cannot be written.
    BOOL SaveState(LPCTSTR lpszProfileName) const;
    // The record of nBarID; NULL when none.
    const QVDockBarRecord* FindBar(UINT nBarID) const;
    void Clear() { m_arrBarInfo.clear(); }

    std::vector<QVDockBarRecord> m_arrBarInfo;  // in the order the bars are docked back
};

// One entry a dock bar takes back: a bar or a placeholder, at its saved row and index.
struct QVDockRestoreEntry {
    void* pEntry = nullptr;
    int nRow = 0;
    int nIndex = 0;
};
// The row list of a dock bar after a restore: the restored entries first, in rows by their saved row
// (rows that are missing close up, so a row beyond the others becomes the next one) and, in a row, by
// index (equal places keep the order given); then the rows of list without the entries in drop and
// the restored ones, rows left empty dropped. Entry 0 is null and every row ends with a null.
RIZ_API QVDockRowList QVDockRestoreRows(const QVDockRowList& list, std::vector<QVDockRestoreEntry> restored,
                                        const std::vector<void*>& drop);
