#include "WordListTestKit.h"

#include "MessagePump.h"
#include "QVWordListBox.h"
#include "QVWordListCtrl.h"

namespace wltest {

void WordListTest::SetUp() {
    ASSERT_TRUE(m_dlg.Create(IDD_WORDLIST));
    m_dlg.SetWindowPos(NULL, 0, 0, 620, 420, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Pump();
}

void WordListTest::TearDown() {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
    Pump();
}

void WordListTest::MakeBox(CQVWordListBox& box, std::initializer_list<LPCTSTR> words, int cy) {
    ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                           CRect(10, 10, 210, 10 + cy), &m_dlg, kCreatedId));
    for (LPCTSTR lpszWord : words)
        box.AddString(lpszWord);
    box.ShowRightCount(TRUE, TRUE);
    Pump();
}

void WordListTest::MakeReport(CQVWordListCtrl& list) {
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(10, 150, 270, 270),
                            &m_dlg, kCreatedId + 1));
    list.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
    list.InsertColumn(1, _T("Phonetic"), LVCFMT_LEFT, 80);
    list.InsertColumn(2, _T("Meaning"), LVCFMT_LEFT, 80);
    Pump();
}

void WordListTest::Pump() {
    riztest::PumpUntilIdle();
}

}  // namespace wltest
