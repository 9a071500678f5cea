// CQVDockState: bar records to and from the profile, and the rows a dock bar takes back.
#include "QVDockState.h"

#include <algorithm>

#include "QVWindowPlacement.h"

namespace {

// More records than this, or rows and indexes beyond it, are not a layout this code wrote.
const int kMaxBars = 256;

CString SummarySection(LPCTSTR lpszProfileName) {
    return CString(lpszProfileName) + _T("-Summary");
}

CString BarSection(LPCTSTR lpszProfileName, int nBar) {
    TCHAR szBar[16];
    wsprintf(szBar, _T("-Bar%d"), nBar);
    return CString(lpszProfileName) + szBar;
}

bool IsEdgeID(int nID) {
    return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM;
}

// One record from its section; false when a value it needs is missing, malformed or out of range.
bool ReadRecord(LPCTSTR lpszSection, QVDockBarRecord& r) {
    int nID = 0, nVisible = 0, nFloating = 0, nDockBar = 0;
    if (!QVReadProfileInt(lpszSection, _T("BarID"), 1, 0xFFFF, nID) ||
        !QVReadProfileInt(lpszSection, _T("Visible"), 0, 1, nVisible) ||
        !QVReadProfileInt(lpszSection, _T("Floating"), 0, 1, nFloating) ||
        !QVReadProfileInt(lpszSection, _T("DockBarID"), 0, 0xFFFF, nDockBar) ||
        (nDockBar && !IsEdgeID(nDockBar)))
        return false;
    r.nBarID = static_cast<UINT>(nID);
    r.bVisible = nVisible;
    r.bFloating = nFloating;
    r.nDockBarID = static_cast<UINT>(nDockBar);
    if (nDockBar && (!QVReadProfileInt(lpszSection, _T("Row"), 0, kMaxBars, r.nRow) ||
                     !QVReadProfileInt(lpszSection, _T("Index"), 0, kMaxBars, r.nIndex)))
        return false;
    if (nDockBar && !nFloating && !QVReadProfileInt(lpszSection, _T("Offset"), -32768, 32767, r.nOffset))
        return false;
    if (nFloating) {
        int x = 0, y = 0, nHorz = 0;
        if (!QVReadProfileInt(lpszSection, _T("XPos"), -32768, 32767, x) ||
            !QVReadProfileInt(lpszSection, _T("YPos"), -32768, 32767, y) ||
            !QVReadProfileInt(lpszSection, _T("Horz"), 0, 1, nHorz))
            return false;
        r.ptFloat = CPoint(x, y);
        r.bFloatHorz = nHorz;
    }
    // The width is a hint: a bad one is left out rather than the record.
    if (!QVReadProfileInt(lpszSection, _T("MRUWidth"), 1, 32767, r.nMRUWidth)) r.nMRUWidth = 0;
    return true;
}

}  // namespace

BOOL CQVDockState::LoadState(LPCTSTR lpszProfileName) {
    m_arrBarInfo.clear();
    int nBars = 0;
    if (!lpszProfileName ||
        !QVReadProfileInt(SummarySection(lpszProfileName), _T("Bars"), 0, kMaxBars, nBars))
        return FALSE;
    std::vector<QVDockBarRecord> records;
    for (int n = 0; n < nBars; ++n) {
        QVDockBarRecord r;
        if (ReadRecord(BarSection(lpszProfileName, n), r)) records.push_back(r);
    }
    // An id met twice says the file is not what was written: neither record is trusted.
    for (const QVDockBarRecord& r : records) {
        const auto nSame = std::count_if(records.begin(), records.end(),
                                         [&](const QVDockBarRecord& o) { return o.nBarID == r.nBarID; });
        if (nSame == 1) m_arrBarInfo.push_back(r);
    }
    return !m_arrBarInfo.empty();
}

BOOL CQVDockState::SaveState(LPCTSTR lpszProfileName) const {
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !lpszProfileName) return FALSE;
    const CString strSummary = SummarySection(lpszProfileName);
    const int nBars = static_cast<int>(m_arrBarInfo.size());
    int nOld = 0;
    QVReadProfileInt(strSummary, _T("Bars"), 0, kMaxBars, nOld);
    for (int n = nBars; n < nOld; ++n)
        pApp->WriteProfileString(BarSection(lpszProfileName, n), nullptr, nullptr);

    BOOL bOK = QVWriteProfileInt(strSummary, _T("Bars"), nBars);
    for (int n = 0; n < nBars; ++n) {
        const QVDockBarRecord& r = m_arrBarInfo[n];
        const CString strSection = BarSection(lpszProfileName, n);
        pApp->WriteProfileString(strSection, nullptr, nullptr);
        auto put = [&](LPCTSTR lpszEntry, int nValue) {
            bOK = QVWriteProfileInt(strSection, lpszEntry, nValue) && bOK;
        };
        put(_T("BarID"), static_cast<int>(r.nBarID));
        put(_T("Visible"), r.bVisible ? 1 : 0);
        put(_T("Floating"), r.bFloating ? 1 : 0);
        put(_T("DockBarID"), static_cast<int>(r.nDockBarID));
        if (r.nDockBarID) {
            put(_T("Row"), r.nRow);
            put(_T("Index"), r.nIndex);
            if (!r.bFloating) put(_T("Offset"), r.nOffset);
        }
        if (r.bFloating) {
            put(_T("XPos"), r.ptFloat.x);
            put(_T("YPos"), r.ptFloat.y);
            put(_T("Horz"), r.bFloatHorz ? 1 : 0);
        }
        if (r.nMRUWidth > 0) put(_T("MRUWidth"), r.nMRUWidth);
    }
    return bOK;
}

const QVDockBarRecord* CQVDockState::FindBar(UINT nBarID) const {
    for (const QVDockBarRecord& r : m_arrBarInfo)
        if (r.nBarID == nBarID) return &r;
    return nullptr;
}

QVDockRowList QVDockRestoreRows(const QVDockRowList& list, std::vector<QVDockRestoreEntry> restored,
                                const std::vector<void*>& drop) {
    std::stable_sort(restored.begin(), restored.end(),
                     [](const QVDockRestoreEntry& a, const QVDockRestoreEntry& b) {
                         return a.nRow != b.nRow ? a.nRow < b.nRow : a.nIndex < b.nIndex;
                     });
    QVDockRowList rows(1, nullptr);
    for (size_t n = 0; n < restored.size(); ++n) {
        if (n > 0 && restored[n].nRow != restored[n - 1].nRow) rows.push_back(nullptr);
        rows.push_back(restored[n].pEntry);
    }
    // The rows of the old list go on after the restored ones, never inside the last of them.
    if (rows.back() != nullptr) rows.push_back(nullptr);
    auto isRestored = [&](void* p) {
        return std::any_of(restored.begin(), restored.end(),
                           [p](const QVDockRestoreEntry& e) { return e.pEntry == p; });
    };
    for (void* pEntry : list) {
        if (pEntry == nullptr) {
            if (rows.back() != nullptr) rows.push_back(nullptr);
        } else if (std::find(drop.begin(), drop.end(), pEntry) == drop.end() && !isRestored(pEntry)) {
            rows.push_back(pEntry);
        }
    }
    if (rows.back() != nullptr) rows.push_back(nullptr);
    return rows;
}
