// What the word list tests share: the spelling dialog shown at the screen's corner, word lists made
// in it.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "WordListTestRes.h"

class CQVWordListBox;
class CQVWordListCtrl;

namespace wltest {

constexpr UINT kCreatedId = 1280;

class WordListTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A list box of 200 x cy at (10, 10) in the dialog with the words, mask and score shown.
    void MakeBox(CQVWordListBox& box, std::initializer_list<LPCTSTR> words, int cy = 130);
    // A report view of 260 x 120 at (10, 150): Word, Phonetic, Meaning of 80 pixels each.
    void MakeReport(CQVWordListCtrl& list);
    static void Pump();

    CDialog m_dlg{IDD_WORDLIST};
};

}  // namespace wltest
