// Pens, brushes, fonts and bitmaps selected into a DC for one drawing.
#pragma once

#include "RIZuruzezuDef.h"

// Selects up to four GDI objects (pens, brushes, fonts, bitmaps; any NULL is skipped) into a DC on
// construction and puts the old objects back in reverse order when it goes out of scope, so that a DC
// handed in leaves the drawing as it came. Objects the scope made itself (SolidPenBrush, SelectOwned)
// are deleted once they are no longer selected. A CDC, CPaintDC or CClientDC converts to its HDC.
class RIZ_API CQVSelectScope {
public:
    explicit CQVSelectScope(HDC hDC, HGDIOBJ hObject1 = NULL, HGDIOBJ hObject2 = NULL,
                            HGDIOBJ hObject3 = NULL, HGDIOBJ hObject4 = NULL);
    explicit CQVSelectScope(CDC* pDC, HGDIOBJ hObject1 = NULL, HGDIOBJ hObject2 = NULL,
                            HGDIOBJ hObject3 = NULL, HGDIOBJ hObject4 = NULL);
    ~CQVSelectScope();
    CQVSelectScope(const CQVSelectScope&) = delete;
    CQVSelectScope& operator=(const CQVSelectScope&) = delete;

    // A solid one-pixel pen and a solid brush, made for this scope and selected.
    static CQVSelectScope SolidPenBrush(HDC hDC, COLORREF clrPen, COLORREF clrBrush);

    // Selects one more object (NULL is skipped); it is put back before the ones selected earlier.
    void Select(HGDIOBJ hObject);
    // The same for an object the scope takes over: deleted after the restore (also when it could not
    // be selected).
    void SelectOwned(HGDIOBJ hObject);

private:
    struct COwned {};
    CQVSelectScope(HDC hDC, COwned, HGDIOBJ hObject1, HGDIOBJ hObject2);
    void Push(HGDIOBJ hObject, bool bOwned);

    enum { kMaxObjects = 6 };
    struct CEntry {
        HGDIOBJ hObject;
        HGDIOBJ hOld;
        bool bOwned;
    };
    HDC m_hDC;
    CEntry m_entries[kMaxObjects] = {};
    int m_nEntries = 0;
};
