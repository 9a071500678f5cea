// CQVWordListBox: rows of words, masks, typed input and scores beside the list box's items.
#include "QVWordListBox.h"

#include "QVWordListLayout.h"
#include "QVWordListRes.h"

#include <QVEnglishWord.h>
#include <QVGdiplusHelper.h>
#include <QVLanResManager.h>
#include <QVMemDC.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kScoreText = RGB(255, 0, 0);
constexpr UINT kScoreFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

CString ScoreText(int nRight, int nTotal) {
    CString str;
    str.Format(_T("(%d/%d)"), nRight, nTotal);
    return str;
}

// Whether the list box keeps item texts: then a text sent with LB_ADDSTRING is a word, otherwise the
// message's lParam is the item's data.
bool KeepsStrings(DWORD dwStyle) {
    return (dwStyle & LBS_HASSTRINGS) || !(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVWordListBox, CListBox)

BEGIN_MESSAGE_MAP(CQVWordListBox, CListBox)
ON_MESSAGE(LB_ADDSTRING, &CQVWordListBox::OnAddString)
ON_MESSAGE(LB_INSERTSTRING, &CQVWordListBox::OnInsertString)
ON_MESSAGE(LB_DELETESTRING, &CQVWordListBox::OnDeleteString)
ON_MESSAGE(LB_RESETCONTENT, &CQVWordListBox::OnResetContent)
ON_WM_DESTROY()
ON_MESSAGE(WM_QV_LANCHANGED, &CQVWordListBox::OnLanChanged)
END_MESSAGE_MAP()

CQVWordListBox::CQVWordListBox() {
    m_tick.LoadBitmap(IDB_QV_WORD_TICK);
}

CQVWordListBox::~CQVWordListBox() {
    if (GetSafeHwnd()) DestroyWindow();
    m_tick.DeleteObject();
}

// ---- Content ----

int CQVWordListBox::AddString(LPCTSTR lpszWord) {
    m_pszPending = lpszWord ? lpszWord : _T("");
    const int nIndex = static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T(""))));
    m_pszPending = NULL;
    return nIndex;
}

int CQVWordListBox::InsertString(int nIndex, LPCTSTR lpszWord) {
    m_pszPending = lpszWord ? lpszWord : _T("");
    const int nResult =
        static_cast<int>(SendMessage(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(_T(""))));
    m_pszPending = NULL;
    return nResult;
}

int CQVWordListBox::DeleteString(UINT nIndex) {
    return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex));
}

void CQVWordListBox::ResetContent() {
    SendMessage(LB_RESETCONTENT);
}

LRESULT CQVWordListBox::AddRow(LPARAM lParam, bool bMaskIsWord) {
    // The word is taken before the list box runs: it may call the parent (sorting), which may add more.
    CString strWord = m_pszPending ? m_pszPending : _T("");
    if (!m_pszPending && lParam && KeepsStrings(GetStyle())) strWord = reinterpret_cast<LPCTSTR>(lParam);
    m_pszPending = NULL;
    const LRESULT lIndex = Default();
    if (lIndex < 0) return lIndex;
    CRow row;
    row.strWord = strWord;
    if (bMaskIsWord) row.strMask = strWord;
    const size_t nAt = std::min(static_cast<size_t>(lIndex), m_rows.size());
    m_rows.insert(m_rows.begin() + nAt, row);
    return lIndex;
}

LRESULT CQVWordListBox::OnAddString(WPARAM, LPARAM lParam) {
    return AddRow(lParam, false);
}

LRESULT CQVWordListBox::OnInsertString(WPARAM, LPARAM lParam) {
    return AddRow(lParam, true);
}

LRESULT CQVWordListBox::OnDeleteString(WPARAM wParam, LPARAM) {
    const LRESULT lResult = Default();
    if (lResult != LB_ERR && wParam < m_rows.size()) m_rows.erase(m_rows.begin() + wParam);
    return lResult;
}

LRESULT CQVWordListBox::OnResetContent(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    m_rows.clear();
    return lResult;
}

void CQVWordListBox::OnDestroy() {
    m_rows.clear();
    CListBox::OnDestroy();
}

CQVWordListBox::CRow* CQVWordListBox::RowAt(int nIndex) {
    return nIndex >= 0 && nIndex < static_cast<int>(m_rows.size()) ? &m_rows[nIndex] : nullptr;
}

const CQVWordListBox::CRow* CQVWordListBox::RowAt(int nIndex) const {
    return nIndex >= 0 && nIndex < static_cast<int>(m_rows.size()) ? &m_rows[nIndex] : nullptr;
}

CString CQVWordListBox::GetWord(int nIndex) const {
    const CRow* pRow = RowAt(nIndex);
    return pRow ? pRow->strWord : CString();
}

CString CQVWordListBox::GetWordMask(int nIndex) const {
    const CRow* pRow = RowAt(nIndex);
    return pRow ? pRow->strMask : CString();
}

CString CQVWordListBox::GetUserInput(int nIndex) const {
    const CRow* pRow = RowAt(nIndex);
    return pRow ? pRow->strInput : CString();
}

int CQVWordListBox::GetRightCount(int nIndex) const {
    const CRow* pRow = RowAt(nIndex);
    return pRow ? pRow->nRight : 0;
}

int CQVWordListBox::GetTotalRightCount(int nIndex) const {
    const CRow* pRow = RowAt(nIndex);
    return pRow ? pRow->nTotal : 0;
}

// ---- Fields of one row ----

void CQVWordListBox::RedrawRow(int nIndex) {
    CRect rc;
    if (GetSafeHwnd() && GetItemRect(nIndex, &rc) != LB_ERR) InvalidateRect(&rc, FALSE);
}

void CQVWordListBox::SetWord(int nIndex, LPCTSTR lpszWord, BOOL bRedraw) {
    CRow* pRow = RowAt(nIndex);
    if (!pRow) return;
    pRow->strWord = lpszWord ? lpszWord : _T("");
    if (bRedraw) RedrawRow(nIndex);
}

void CQVWordListBox::SetWordMask(int nIndex, LPCTSTR lpszMask, BOOL bRedraw) {
    CRow* pRow = RowAt(nIndex);
    if (!pRow) return;
    pRow->strMask = lpszMask ? lpszMask : _T("");
    if (bRedraw) RedrawRow(nIndex);
}

void CQVWordListBox::SetRightCount(int nIndex, int nCount, BOOL bRedraw) {
    CRow* pRow = RowAt(nIndex);
    if (!pRow) return;
    pRow->nRight = nCount;
    if (bRedraw) RedrawRow(nIndex);
}

void CQVWordListBox::SetTotalRightCount(int nIndex, int nCount, BOOL bRedraw) {
    CRow* pRow = RowAt(nIndex);
    if (!pRow) return;
    pRow->nTotal = nCount;
    if (bRedraw) RedrawRow(nIndex);
}

void CQVWordListBox::SetUserInput(int nIndex, LPCTSTR lpszInput, BOOL bFullRedraw) {
    CRow* pRow = RowAt(nIndex);
    if (!pRow) return;
    const CString strOld = pRow->strInput;
    pRow->strInput = lpszInput ? lpszInput : _T("");
    if (bFullRedraw) {
        RedrawRow(nIndex);
        return;
    }
    // Plain rows show no input; a row off the screen has nothing to repaint.
    CRect rcItem, rcClient, rcVisible;
    if (!IsTestRow(*pRow) || !IsWindowVisible() || GetItemRect(nIndex, &rcItem) == LB_ERR) return;
    GetClientRect(&rcClient);
    if (!rcVisible.IntersectRect(rcItem, rcClient)) return;
    CClientDC dc(this);
    dc.IntersectClipRect(&rcVisible);
    const bool bSelected = GetSel(nIndex) > 0;
    const QVWordRowLayout layout = QVLayoutWordRow(rcItem, Score(&dc, *pRow, rcItem, false));
    // The word as the row shows it without input, off the screen: the source of the changed cells.
    CQVMemDC source(NULL, layout.rcWordArea, kWhite);
    PaintTestWord(&source, *pRow, layout.rcWordArea, layout.rcText, bSelected);
    dc.SetTextColor(ColorsOf(bSelected).clrWord);
    CQVEnglishWord::RedrawWordInvalidPart(&dc, &source, strOld, pRow->strInput, layout.rcText, WordFont(),
                                          pRow->strWord);
}

// ---- Fields of every row ----

void CQVWordListBox::ClearRightCount(BOOL bRedraw) {
    for (CRow& row : m_rows)
        row.nRight = 0;
    if (bRedraw && GetSafeHwnd()) Invalidate(FALSE);
}

void CQVWordListBox::SetAllTotalRightCount(int nTotal, BOOL bRedraw) {
    for (CRow& row : m_rows)
        row.nTotal = nTotal;
    if (bRedraw && GetSafeHwnd()) Invalidate(FALSE);
}

void CQVWordListBox::ClearAllInput(BOOL bRedraw) {
    for (CRow& row : m_rows)
        row.strInput.Empty();
    if (bRedraw && GetSafeHwnd()) Invalidate(FALSE);
}

void CQVWordListBox::SetAllMasked(BOOL bMask, BOOL bRedraw) {
    for (CRow& row : m_rows)
        row.strMask = QVAllMaskedWord(row.strWord, bMask != FALSE);
    if (bRedraw && GetSafeHwnd()) Invalidate(FALSE);
}

// ---- Look ----

void CQVWordListBox::EnableWordMask(BOOL bEnable) {
    bEnable = bEnable != FALSE;
    if (bEnable == m_bWordMask) return;
    m_bWordMask = bEnable;
    if (GetSafeHwnd()) Invalidate(FALSE);
}

void CQVWordListBox::ShowRightCount(BOOL bShow, BOOL bRedraw) {
    m_bShowRightCount = bShow != FALSE;
    if (bRedraw && GetSafeHwnd()) Invalidate(FALSE);
}

void CQVWordListBox::Set_LetterTable(int nLetterTable) {
    m_nLetterTable = nLetterTable;
    if (GetSafeHwnd()) RedrawRow(GetCurSel());
}

int CQVWordListBox::SetCurSel(int nSelect) {
    if (GetCurSel() == nSelect) return nSelect;
    return CListBox::SetCurSel(nSelect);
}

// ---- Measuring and drawing ----

BOOL CQVWordListBox::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= LBS_OWNERDRAWFIXED;
    return CListBox::PreCreateWindow(cs);
}

void CQVWordListBox::PreSubclassWindow() {
    CListBox::PreSubclassWindow();
    // A list box measures its items only while it is created; one made from a template and subclassed
    // later has measured already, for its parent. While this object is being created the list box
    // does not exist yet as a list and the message changes nothing.
    SetItemHeight(0, kItemHeight);
}

void CQVWordListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = kItemHeight;
}

CQVWordListBox::CRowColors CQVWordListBox::ColorsOf(bool bSelected) {
    return bSelected ? CRowColors{kWhite, RGB(255, 0, 0)} : CRowColors{kBlue, RGB(192, 192, 192)};
}

bool CQVWordListBox::IsTestRow(const CRow& row) const {
    return m_bWordMask && !row.strMask.IsEmpty();
}

CFont* CQVWordListBox::WordFont() {
    if (!m_fontWord.GetSafeHandle()) m_fontWord.CreatePointFont(120, _T("Arial"));
    return &m_fontWord;
}

CFont* CQVWordListBox::ScoreFont() {
    // The default face is the language's: a language change brings a new face, and a new font.
    const CString strFace = CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT"));
    if (!m_fontScore.GetSafeHandle() || strFace != m_strScoreFace) {
        m_fontScore.DeleteObject();
        m_fontScore.CreatePointFont(90, strFace);
        m_strScoreFace = strFace;
    }
    return &m_fontScore;
}

int CQVWordListBox::Score(CDC* pDC, const CRow& row, const CRect& rcItem, bool bDraw) {
    if (!m_bShowRightCount) return 0;
    const CString strScore = ScoreText(row.nRight, row.nTotal);
    CFont* pOldFont = pDC->SelectObject(ScoreFont());
    CRect rcMeasured = rcItem;
    pDC->DrawText(strScore, &rcMeasured, kScoreFormat | DT_CALCRECT);
    const CRect rcScore = QVLayoutWordRow(rcItem, rcMeasured.Width()).rcScore;
    if (bDraw) {
        pDC->FillSolidRect(&rcScore, kWhite);
        if (!QVScoreShowsTick(row.nRight, row.nTotal)) {
            pDC->SetBkMode(TRANSPARENT);
            pDC->SetTextColor(kScoreText);
            CRect rcText = rcScore;
            pDC->DrawText(strScore, &rcText, kScoreFormat);
        } else if (!m_tick.IsNull()) {
            const CRect rcTick = m_tick.GetSrcImageRect();
            const CPoint pt = QVCentredIn(rcScore, rcTick.Width(), rcTick.Height());
            m_tick.TransparentDraw(pDC, pt.x, pt.y, kWhite);
        }
    }
    pDC->SelectObject(pOldFont);
    return rcScore.Width();
}

void CQVWordListBox::PaintTestWord(CDC* pDC, const CRow& row, const CRect& rcWordArea, const CRect& rcText,
                                   bool bSelected) {
    if (bSelected)
        CQVGdiplusHelper::DrawLinearGradientRect(pDC->GetSafeHdc(), rcWordArea, kBlue, kWhite, 0);
    else
        pDC->FillSolidRect(&rcWordArea, kWhite);
    if (!IsTestRow(row)) return;
    const CRowColors colors = ColorsOf(bSelected);
    CQVEnglishWord::DrawTestWord(pDC, row.strWord, row.strMask, rcText, WordFont(), colors.clrSecond,
                                 colors.clrWord, m_nLetterTable);
}

void CQVWordListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    const CRow* pRow = RowAt(nIndex);
    if (!pRow) return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const bool bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const CRowColors colors = ColorsOf(bSelected);
    const int nSaved = pDC->SaveDC();
    const QVWordRowLayout layout = QVLayoutWordRow(rcItem, Score(pDC, *pRow, rcItem, true));
    if (IsTestRow(*pRow)) {
        // The row's word area off the screen: background and word, then the typed letters over it.
        CQVMemDC surface(pDC, layout.rcWordArea, kWhite);
        PaintTestWord(&surface, *pRow, layout.rcWordArea, layout.rcText, bSelected);
        surface.SetTextColor(colors.clrWord);
        CQVEnglishWord::RedrawWordInvalidPart(&surface, &surface, _T(""), pRow->strInput, layout.rcText,
                                              WordFont(), pRow->strWord);
    } else {
        PaintTestWord(pDC, *pRow, layout.rcWordArea, layout.rcText, bSelected);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(colors.clrWord);
        pDC->SelectObject(WordFont());
        CRect rcText = layout.rcText;
        pDC->DrawText(pRow->strWord, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    pDC->RestoreDC(nSaved);
}

// The default face is the language's: the next paint makes the font again when it changed.
LRESULT CQVWordListBox::OnLanChanged(WPARAM, LPARAM) {
    Invalidate(FALSE);
    return 1;
}
