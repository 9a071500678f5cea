#include "QVSelectScope.h"

CQVSelectScope::CQVSelectScope(HDC hDC, HGDIOBJ hObject1, HGDIOBJ hObject2, HGDIOBJ hObject3,
                               HGDIOBJ hObject4)
    : m_hDC(hDC) {
    Select(hObject1);
    Select(hObject2);
    Select(hObject3);
    Select(hObject4);
}

CQVSelectScope::CQVSelectScope(CDC* pDC, HGDIOBJ hObject1, HGDIOBJ hObject2, HGDIOBJ hObject3,
                               HGDIOBJ hObject4)
    : CQVSelectScope(pDC ? pDC->GetSafeHdc() : NULL, hObject1, hObject2, hObject3, hObject4) {}

CQVSelectScope::~CQVSelectScope() {
    for (int i = m_nEntries - 1; i >= 0; --i) {
        const CEntry& entry = m_entries[i];
        if (entry.hOld) ::SelectObject(m_hDC, entry.hOld);
        if (entry.bOwned) ::DeleteObject(entry.hObject);
    }
}

CQVSelectScope::CQVSelectScope(HDC hDC, COwned, HGDIOBJ hObject1, HGDIOBJ hObject2) : m_hDC(hDC) {
    SelectOwned(hObject1);
    SelectOwned(hObject2);
}

CQVSelectScope CQVSelectScope::SolidPenBrush(HDC hDC, COLORREF clrPen, COLORREF clrBrush) {
    return CQVSelectScope(hDC, COwned(), ::CreatePen(PS_SOLID, 1, clrPen), ::CreateSolidBrush(clrBrush));
}

void CQVSelectScope::Select(HGDIOBJ hObject) {
    if (hObject) Push(hObject, false);
}

void CQVSelectScope::SelectOwned(HGDIOBJ hObject) {
    if (hObject) Push(hObject, true);
}

void CQVSelectScope::Push(HGDIOBJ hObject, bool bOwned) {
    if (m_nEntries == kMaxObjects) {
        if (bOwned) ::DeleteObject(hObject);
        return;
    }
    // A DC that refuses the object keeps its own; nothing is put back for it then.
    const HGDIOBJ hOld = m_hDC ? ::SelectObject(m_hDC, hObject) : NULL;
    m_entries[m_nEntries++] = {hObject, hOld == HGDI_ERROR ? NULL : hOld, bOwned};
}
