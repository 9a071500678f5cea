// Keeps a set of child controls of one parent in place when the parent is resized.
#pragma once

#include "QVLayoutCtrlLayout.h"
#include "RIZuruzezuDef.h"

#include <vector>

// A plain value object owned by the parent's class: Initialize, AddCtrl for each child, InitLayout
// with the client rectangle at the designed size, then LayoutCtrls with the new client rectangle on
// every WM_SIZE. One rule per axis applies to every child; children that need other rules use
// another layout control. Copies share only the child handles and identifiers.
//
// A child added by window is remembered by its handle when AddCtrl is called (a window not yet
// created is never found); a child added by identifier is looked up in the parent at each call.
// Children that cannot be found, or whose window has been destroyed, are skipped. Without
// InitLayout the recorded offsets and sizes are 0, and the rules apply to those zeros. Every child
// found is placed again and invalidated, even under rule 0 on both axes.
class RIZ_API CQVLayoutCtrl {
public:
    void Initialize(CWnd* pParent, SizeType horz, SizeType vert);
    void AddCtrl(UINT nID);
    void AddCtrl(CWnd* pWnd);  // NULL adds nothing
    void InitLayout(const CRect& rcLayout);
    void LayoutCtrls(const CRect& rcLayout);

    int GetCtrlCount() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry {
        UINT nID = 0;          // 0 when added by window
        CWnd* pWnd = nullptr;  // NULL when added by identifier
        HWND hWnd = nullptr;   // pWnd's handle when it was added
        QVLayoutChildRecord record;
    };
    HWND FindChild(const Entry& entry) const;
    CRect ChildRect(HWND hChild) const;  // in the parent's client coordinates

    CWnd* m_pParent = nullptr;
    HWND m_hParent = nullptr;
    SizeType m_horz = SizeTypeFixed;
    SizeType m_vert = SizeTypeFixed;
    std::vector<Entry> m_entries;
};
