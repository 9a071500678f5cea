// CQVEditEx's filter: the nine characters refused as typed and pasted, everything else and double-byte
// characters whose trail byte is one of the nine accepted.
#include "QVEditFixture.h"

#include "MessagePump.h"
#include "QVEditEx.h"

using namespace qvetest;

namespace {

bool PutOnClipboard(HWND hOwner, const CString& str) {
    if (!::OpenClipboard(hOwner)) return false;
    ::EmptyClipboard();
    const size_t nBytes = (str.GetLength() + 1) * sizeof(TCHAR);
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    memcpy(::GlobalLock(hData), str.GetString(), nBytes);
    ::GlobalUnlock(hData);
#ifdef _UNICODE
    const bool bSet = ::SetClipboardData(CF_UNICODETEXT, hData) != NULL;
#else
    const bool bSet = ::SetClipboardData(CF_TEXT, hData) != NULL;
#endif
    ::CloseClipboard();
    return bSet;
}

}  // namespace

TEST_F(EditTest, FileNameEditRefusesTheNineCharactersTyped) {
    CQVEditEx edit;
    Subclass(edit, IDC_QVEDIT_FILE);
    const struct {
        TCHAR ch;
        bool bAccepted;
    } rows[] = {
        {_T('\\'), false}, {_T('/'), false}, {_T(':'), false}, {_T('*'), false}, {_T('?'), false},
        {_T('"'), false},  {_T('<'), false}, {_T('>'), false}, {_T('|'), false}, {_T('a'), true},
        {_T('Z'), true},   {_T('5'), true},  {_T('.'), true},  {_T('-'), true},  {_T('_'), true},
        {_T(' '), true},   {_T('\''), true}, {_T('('), true},  {_T(';'), true},  {_T('+'), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "character " << static_cast<int>(row.ch));
        ::SetWindowText(edit.m_hWnd, _T(""));
        const TCHAR text[2] = {row.ch, 0};
        riztest::PostChars(edit.m_hWnd, text);
        Pump();
        EXPECT_EQ(row.bAccepted ? CString(text) : CString(), TextOf(edit.m_hWnd));
        EXPECT_EQ(!row.bAccepted, CQVEditEx::IsRefusedChar(static_cast<UINT>(row.ch)) != FALSE);
    }
    // Text the host sets is not filtered.
    ::SetWindowText(edit.m_hWnd, _T("a:b"));
    EXPECT_EQ(_T("a:b"), TextOf(edit.m_hWnd));
}

TEST_F(EditTest, FileNameEditFiltersPastedText) {
    CQVEditEx edit;
    Subclass(edit, IDC_QVEDIT_FILE);
    ASSERT_TRUE(PutOnClipboard(edit.m_hWnd, _T("Unit 3: \"Greetings\" <draft>?.doc")));
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(_T("Unit 3 Greetings draft.doc"), TextOf(edit.m_hWnd));
    // A clean text pastes as the system pastes it, at the caret.
    ASSERT_TRUE(PutOnClipboard(edit.m_hWnd, _T("-v2")));
    edit.SetSel(4, 4);
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(_T("Unit-v2 3 Greetings draft.doc"), TextOf(edit.m_hWnd));
    EXPECT_EQ(_T(""), CQVEditEx::FilterText(nullptr));
    EXPECT_EQ(_T(""), CQVEditEx::FilterText(_T("\\/:*?\"<>|")));
}

#ifdef _UNICODE
TEST_F(EditTest, FileNameEditAcceptsChineseCharacters) {
    CQVEditEx edit;
    Subclass(edit, IDC_QVEDIT_FILE);
    riztest::PostChars(edit.m_hWnd, L"\u904b\u6771|\u8bfe.txt");
    Pump();
    EXPECT_EQ(CString(L"\u904b\u6771\u8bfe.txt"), TextOf(edit.m_hWnd));
}
#else
TEST_F(EditTest, FileNameEditPassesDoubleByteCharactersWithBackslashOrBarTrailBytes) {
    ASSERT_EQ(936u, ::GetACP());
    CQVEditEx edit;
    Subclass(edit, IDC_QVEDIT_FILE);
    // "運" is DF 5C and "東" 96 7C in GBK: each arrives as two WM_CHAR bytes.
    const BYTE bytes[] = {0xDF, 0x5C, '|', 0x96, 0x7C, '\\', 'a'};
    for (BYTE b : bytes)
        edit.PostMessage(WM_CHAR, b, 0);
    Pump();
    EXPECT_EQ(CString("\xDF\x5C\x96\x7C"
                      "a"),
              TextOf(edit.m_hWnd));

    // Pasted, the same characters stay whole and the bar between them goes.
    ::SetWindowText(edit.m_hWnd, "");
    ASSERT_TRUE(PutOnClipboard(edit.m_hWnd, CString("\xDF\x5C|\x96\x7C.txt")));
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(CString("\xDF\x5C\x96\x7C.txt"), TextOf(edit.m_hWnd));
    EXPECT_EQ(CString("\xDF\x5C\x96\x7C"), CQVEditEx::FilterText("\xDF\x5C\\\x96\x7C|"));
}
#endif
#ifndef _UNICODE
TEST_F(EditTest, PlainEditEntersDoubleByteCharactersTypedAsTwoBytes) {
    // The system's edit under this platform takes each byte as a character; the skinned edit pairs.
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_FILE);
    const BYTE bytes[] = {0xDF, 0x5C, 'a', 0x96, 0x7C};
    for (BYTE b : bytes)
        edit.PostMessage(WM_CHAR, b, 0);
    Pump();
    EXPECT_EQ(CString("\xDF\x5C"
                      "a\x96\x7C"),
              TextOf(edit.m_hWnd));
}
#endif
