// The language manager: texts by key, the en-US fallback, and files that must not be half loaded.
#include <QVLanResManager.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SkinTestKit.h"
#include "TestData.h"

namespace {

CQVLanResManager* Lan() {
    return CQVLanResManager::GetSingletonPtr();
}

// Puts the language that was active before the test back.
class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { m_strSaved = Lan()->GetCurrentLanFile(); }
    void TearDown() override {
        if (!m_strSaved.IsEmpty()) Lan()->LoadLanguage(m_strSaved);
    }

    // Writes UTF-8 bytes to a language file in the scratch folder and returns its path.
    CString Write(LPCTSTR lpszName, const std::string& bytes) {
        m_temp.WriteFile(lpszName, bytes.data(), bytes.size());
        return m_temp.Path(lpszName);
    }

    riztest::TempFolder m_temp;
    CString m_strSaved;
};

CString LanguagesFolder() {
    return skintest::BinFolder() + _T("Languages\\");
}

}  // namespace

TEST_F(LanguageTest, FirstUseLoadsEnUsOfTheShippedLanguagesListedAlphabetically) {
    EXPECT_EQ(LanguagesFolder() + _T("en-US.lng"), m_strSaved);
    EXPECT_EQ(CString(_T("OK")), Lan()->GetString(_T("IDS_OK")));
    EXPECT_EQ(CString(_T("Tahoma")), Lan()->GetString(_T("IDS_DEF_FONT")));
    EXPECT_EQ(CString(_T("Retry")), Lan()->GetString(_T("IDS_TRY")));
    EXPECT_EQ(CString(_T("Previous month")), Lan()->GetString(_T("DPCtrl.PrevMonth")));
    EXPECT_EQ(0, Lan()->GetCurrentLanIndex());
    ASSERT_EQ(2, Lan()->GetLanguagesTotal());
    EXPECT_EQ(LanguagesFolder() + _T("en-US.lng"), Lan()->GetLanguageFile(0));
    EXPECT_EQ(LanguagesFolder() + _T("zh-CN.lng"), Lan()->GetLanguageFile(1));
    EXPECT_TRUE(Lan()->GetLanguageFile(2).IsEmpty());
    EXPECT_TRUE(Lan()->GetLanguageFile(-1).IsEmpty());
    ASSERT_TRUE(Lan()->LoadLanguage(Write(_T("fr-FR.lng"), "IDS_OK=D'accord\n")));
    EXPECT_EQ(-1, Lan()->GetCurrentLanIndex());
}

TEST_F(LanguageTest, ChineseTableGivesChineseTextsInTheBuildsCharacterSet) {
    ASSERT_TRUE(Lan()->LoadLanguage(LanguagesFolder() + _T("zh-CN.lng")));
    // In the ANSI build these literals and the converted texts are both in code page 936.
    EXPECT_EQ(CString(_T("确定")), Lan()->GetString(_T("IDS_OK")));
    EXPECT_EQ(CString(_T("宋体")), Lan()->GetString(_T("IDS_DEF_FONT")));
    EXPECT_EQ(CString(_T("星期三")), Lan()->GetString(_T("DPCtrl.Wednesday")));
    EXPECT_EQ(CString(_T("文件接收成功")), Lan()->GetString(_T("IDS_QVC_RECV_FINISH")));
    EXPECT_EQ(1, Lan()->GetCurrentLanIndex());
    EXPECT_EQ(LanguagesFolder() + _T("zh-CN.lng"), Lan()->GetCurrentLanFile());
}

TEST_F(LanguageTest, LinesAreKeyEqualsTextAndMissingKeysFallBackToEnUsThenToTheKey) {
    auto data = [](LPCTSTR lpszName) { return riztest::TestDataPath(CString(_T("languages\\")) + lpszName); };
    const struct {
        const char* pszWhat;
        CString strFile;
        std::vector<std::pair<LPCTSTR, LPCTSTR>> texts;  // key, text
    } rows[] = {
        // clang-format off
        {"keys are case-sensitive", m_strSaved, {{_T("ids_ok"), _T("ids_ok")}, {_T("dpctrl.sun"), _T("dpctrl.sun")}}},
        {"zh-CN, loaded before the next row", LanguagesFolder() + _T("zh-CN.lng"), {{_T("IDS_NO"), _T("否")}}},
        {"a missing key falls back to en-US (not to the language before), then to the key itself",
         Write(_T("partial.lng"), "IDS_OK=Okay\n"),
         {{_T("IDS_OK"), _T("Okay")}, {_T("IDS_CANCEL"), _T("Cancel")}, {_T("IDS_NO_SUCH_KEY"), _T("IDS_NO_SUCH_KEY")},
          {_T(""), _T("")}}},
        {"the text is everything after the first '='; an empty text hides the en-US one", data(_T("escapes.lng")),
         {{_T("IDS_ESC"), _T("one\ntwo\tthree\\four\\x\\")}, {_T("IDS_EQ"), _T("a=b=c")}, {_T("IDS_EMPTY"), _T("")}}},
        {"byte order mark, comments, blank lines and carriage returns go; the key is trimmed, the text not",
         data(_T("bom-crlf.lng")),
         {{_T("IDS_OK"), _T("Okay")}, {_T("IDS_CANCEL"), _T("Stop ")}, {_T("IDS_YES"), _T("是")},
          {_T("; comment"), _T("; comment")}}},
        {"of duplicate keys the last wins", data(_T("duplicate-keys.lng")),
         {{_T("IDS_OK"), _T("Third")}, {_T("IDS_CANCEL"), _T("Stop")}}},
        {"an empty file is a language without texts", Write(_T("empty.lng"), ""), {{_T("IDS_OK"), _T("OK")}}},
        {"lines without an equals sign are skipped", data(_T("no-equals.lng")),
         {{_T("IDS_OK"), _T("Okay")}, {_T("IDS_CANCEL"), _T("Stop")}, {_T("IDS_YES"), _T("Yes")}}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszWhat);
        ASSERT_TRUE(Lan()->LoadLanguage(row.strFile));
        for (const auto& text : row.texts)
            EXPECT_EQ(CString(text.second), Lan()->GetString(text.first)) << text.first;
        EXPECT_EQ(CString(), Lan()->GetString(NULL));
    }
}

TEST_F(LanguageTest, MalformedFilesAreRefusedAndTheLanguageStays) {
    ASSERT_TRUE(Lan()->LoadLanguage(LanguagesFolder() + _T("zh-CN.lng")));
    CString strZh = Lan()->GetCurrentLanFile();
    const LPCTSTR bad[] = {_T("invalid-utf8.lng"),   _T("overlong-utf8.lng"), _T("surrogate-utf8.lng"),
                           _T("truncated-utf8.lng"), _T("nul-bytes.lng"),     _T("no-such-file.lng")};
    for (LPCTSTR lpszBad : bad) {
        SCOPED_TRACE(lpszBad);
        EXPECT_FALSE(Lan()->LoadLanguage(riztest::TestDataPath(CString(_T("languages\\")) + lpszBad)));
        EXPECT_EQ(strZh, Lan()->GetCurrentLanFile());
        EXPECT_EQ(CString(_T("确定")), Lan()->GetString(_T("IDS_OK")));
        EXPECT_EQ(CString(_T("取消")), Lan()->GetString(_T("IDS_CANCEL")));
    }
    EXPECT_FALSE(Lan()->LoadLanguage(riztest::TestDataPath(_T("languages"))));  // a folder
    EXPECT_FALSE(Lan()->LoadLanguage(NULL));
    EXPECT_FALSE(Lan()->LoadLanguage(_T("")));
    EXPECT_EQ(CString(_T("确定")), Lan()->GetString(_T("IDS_OK")));
}

TEST_F(LanguageTest, AFileInvalidOnlyInItsLastLineIsRefusedWhole) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "IDS_LINE_" + std::to_string(i) + "=text\n";
    text += "IDS_OK=\xFF\n";
    EXPECT_FALSE(Lan()->LoadLanguage(Write(_T("late.lng"), text)));
    EXPECT_EQ(CString(_T("IDS_LINE_5")), Lan()->GetString(_T("IDS_LINE_5")));
    EXPECT_EQ(CString(_T("OK")), Lan()->GetString(_T("IDS_OK")));
}

TEST_F(LanguageTest, AOneMegabyteLineLoadsWhole) {
    const size_t nLength = 1024 * 1024;
    std::string text = "IDS_SHORT=short\nIDS_LONG=";
    text.reserve(nLength + 64);
    for (size_t i = 0; i < nLength; ++i)
        text += static_cast<char>('a' + i % 26);
    text += "\nIDS_AFTER=after\n";
    ASSERT_TRUE(Lan()->LoadLanguage(Write(_T("long.lng"), text)));
    CString strLong = Lan()->GetString(_T("IDS_LONG"));
    ASSERT_EQ(static_cast<int>(nLength), strLong.GetLength());
    EXPECT_EQ(_T('a'), strLong[0]);
    EXPECT_EQ(static_cast<TCHAR>('a' + (nLength - 1) % 26), strLong[static_cast<int>(nLength) - 1]);
    EXPECT_EQ(CString(_T("after")), Lan()->GetString(_T("IDS_AFTER")));
}

TEST_F(LanguageTest, TextsOutsideTheCodePageStillLoad) {
    // Thai and an emoji (its UTF-8 bytes spelled out): whole in the Unicode build; code page 936 has
    // neither, so the ANSI build gets replacement characters.
    // (Kept out of the assertion, which would spell the literal in the code page.)
    const std::string text = u8"IDS_OK=ตกลง \xF0\x9F\x98\x80\nIDS_NO=否\n";
    ASSERT_TRUE(Lan()->LoadLanguage(Write(_T("thai.lng"), text)));
#ifdef _UNICODE
    EXPECT_EQ(CString(L"ตกลง \xD83D\xDE00"), Lan()->GetString(_T("IDS_OK")));
#else
    EXPECT_FALSE(Lan()->GetString(_T("IDS_OK")).IsEmpty());
#endif
    EXPECT_EQ(CString(_T("否")), Lan()->GetString(_T("IDS_NO")));
}

TEST_F(LanguageTest, TheMissingCountTellsHowManyEnUsKeysALanguageLacks) {
    EXPECT_EQ(0, Lan()->GetMissingCount()) << "en-US itself";
    ASSERT_TRUE(Lan()->LoadLanguage(Write(_T("empty.lng"), "")));
    const int nAll = Lan()->GetMissingCount();
    EXPECT_GT(nAll, 100);
    ASSERT_TRUE(Lan()->LoadLanguage(Write(_T("two.lng"), "IDS_OK=Okay\nIDS_ONLY_HERE=x\n")));
    EXPECT_EQ(nAll - 1, Lan()->GetMissingCount()) << "a key en-US lacks counts nothing";
    ASSERT_TRUE(Lan()->LoadLanguage(LanguagesFolder() + _T("zh-CN.lng")));
    EXPECT_EQ(0, Lan()->GetMissingCount());
}
