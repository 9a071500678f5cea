// Files and exceptions: CFile opening and its error causes, reading, writing, seeking and sizing,
// the throwing paths caught as CFileException*, TRY/CATCH clean-up, CStdioFile lines and CFileFind.
#include <afx.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "FrameworkKit.h"
#include "TestData.h"

namespace {

// A fresh folder for each test (m_strDir, without the final backslash), removed afterwards.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Exists(m_strDir)); }
    CString Path(LPCTSTR lpszName) const { return m_folder.Path(lpszName); }

    // Writes bytes to a file with the plain system calls, independent of CFile.
    void WriteRaw(LPCTSTR lpszPath, const char* pData) {
        ASSERT_EQ(m_strDir, CString(lpszPath).Left(m_strDir.GetLength()));
        ASSERT_TRUE(m_folder.WriteFile(lpszPath + m_strDir.GetLength() + 1, pData));
    }
    static std::string ReadRaw(LPCTSTR lpszPath) {
        HANDLE h = ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return "<missing>";
        char buf[4096];
        DWORD n = 0;
        ::ReadFile(h, buf, sizeof(buf), &n, nullptr);
        ::CloseHandle(h);
        return std::string(buf, n);
    }
    // Every line ReadString gives until it answers FALSE, and the string it leaves then.
    static std::vector<CString> Lines(CStdioFile& f) {
        std::vector<CString> lines;
        CString str;
        while (f.ReadString(str))
            lines.push_back(str);
        lines.push_back(str.IsEmpty() ? _T("<end>") : _T("<not emptied>"));
        return lines;
    }
    static bool Exists(LPCTSTR lpszPath) { return ::GetFileAttributes(lpszPath) != INVALID_FILE_ATTRIBUTES; }

    riztest::TempFolder m_folder;
    const CString m_strDir = m_folder.Path().Left(m_folder.Path().GetLength() - 1);
};

class CFileOpen : public TempDirTest {};
class CFileIO : public TempDirTest {};
class CFileNames : public TempDirTest {};
class CStdioFileLines : public TempDirTest {};
class CFileFindSearch : public TempDirTest {};

// What a call throws as a CFileException*: its cause, OS error and file name ({-1, 0, ""} when nothing is
// thrown).
struct Thrown {
    int cause = -1;
    LONG lOsError = 0;
    CString strFileName;
};
template <class F>
Thrown ThrownBy(F call) {
    Thrown thrown;
    try {
        call();
    } catch (CFileException* e) {
        thrown = {e->m_cause, e->m_lOsError, e->m_strFileName};
        e->Delete();
    }
    return thrown;
}

// A file name with Chinese characters (GBK in the ANSI build, UTF-16 in the Unicode build).
const LPCTSTR kChineseName = _T("数据_测试文件.dat");

}  // namespace

// ---- Opening ----

TEST_F(CFileOpen, FailuresGiveTheirCauseOsErrorAndNameWithoutThrowing) {
    ASSERT_TRUE(::CreateDirectory(Path(_T("folder")), nullptr));
    const struct {
        LPCTSTR name;
        UINT nFlags;
        int cause;
        DWORD dwOsError;
    } cases[] = {
        {_T("missing.bin"), CFile::modeRead, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND},
        {_T("no_such_dir\\x.bin"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath,
         ERROR_PATH_NOT_FOUND},
        {_T("folder"), CFile::modeWrite, CFileException::accessDenied, ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CString strPath = Path(c.name);
        CFile f;
        CFileException e;
        BOOL bOpened = TRUE;
        EXPECT_NO_THROW(bOpened = f.Open(strPath, c.nFlags, &e));
        EXPECT_FALSE(bOpened);
        EXPECT_EQ(e.m_cause, c.cause);
        EXPECT_EQ(e.m_lOsError, static_cast<LONG>(c.dwOsError));
        EXPECT_EQ(e.m_strFileName, strPath);
        EXPECT_EQ(f.m_hFile, CFile::hFileNull);
        EXPECT_NO_THROW(f.Open(strPath, c.nFlags));  // without an exception object as well
    }
}

TEST_F(CFileOpen, ExclusiveShareBlocksASecondOpenAndDenyWriteOnlyWriters) {
    const CString strPath = Path(_T("shared.bin"));
    CFile first(strPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CFile second;
    CFileException e;
    EXPECT_FALSE(second.Open(strPath, CFile::modeRead | CFile::shareDenyNone, &e));
    EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
    first.Close();
    EXPECT_TRUE(second.Open(strPath, CFile::modeRead | CFile::shareDenyNone, &e));
    second.Close();

    // Deny-write lets other readers in, not writers.
    CFile reader(strPath, CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_TRUE(second.Open(strPath, CFile::modeRead | CFile::shareDenyWrite));
    CFile writer;
    EXPECT_FALSE(writer.Open(strPath, CFile::modeWrite | CFile::shareDenyNone, &e));
    EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
}

TEST_F(CFileOpen, ModeCreateTruncatesUnlessNoTruncate) {
    const CString strPath = Path(_T("keep.txt"));
    WriteRaw(strPath, "0123456789");
    {
        CFile f(strPath, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(f.GetLength(), 10u);
        EXPECT_EQ(f.GetPosition(), 0u);
        f.Write("AB", 2);
    }
    EXPECT_EQ(ReadRaw(strPath), "AB23456789");
    {
        CFile f(strPath, CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(f.GetLength(), 0u);
    }
    EXPECT_EQ(ReadRaw(strPath), "");

    const CString strNew = Path(_T("new.txt"));  // modeNoTruncate still creates a missing file
    CFile f(strNew, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    EXPECT_TRUE(Exists(strNew));
}

TEST_F(CFileOpen, ThrowingConstructorThrowsAFileExceptionPointer) {
    const CString strPath = Path(_T("absent.bin"));
    const Thrown thrown = ThrownBy([&] { CFile f(strPath, CFile::modeRead); });
    EXPECT_EQ(thrown.cause, CFileException::fileNotFound);
    EXPECT_EQ(thrown.lOsError, static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(thrown.strFileName, strPath);

    // Caught through the base class, as most handlers do.
    bool bCaught = false;
    try {
        CFile f(strPath, CFile::modeRead);
    } catch (CException* e) {
        bCaught = e->IsKindOf(RUNTIME_CLASS(CFileException)) != FALSE;
        e->Delete();
    }
    EXPECT_TRUE(bCaught);
}

TEST_F(CFileOpen, CloseTwiceAbortAfterCloseAndDestructorOfAWrapperAreHarmless) {
    CFile f(Path(_T("c.bin")), CFile::modeCreate | CFile::modeWrite);
    EXPECT_NO_THROW(f.Close());
    EXPECT_EQ(f.m_hFile, CFile::hFileNull);
    EXPECT_NO_THROW(f.Close());
    EXPECT_NO_THROW(f.Abort());
    CFile never;
    EXPECT_NO_THROW(never.Close());
    EXPECT_TRUE(f.GetFilePath().IsEmpty());

    // The destructor closes the object's own handles only.
    const CString strPath = Path(_T("d.bin"));
    { CFile f(strPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive); }
    CFile again;
    EXPECT_TRUE(again.Open(strPath, CFile::modeRead | CFile::shareExclusive));  // the first one is closed
    again.Close();

    HANDLE h = ::CreateFile(strPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    { CFile wrapper(h); }
    EXPECT_NE(::GetFileType(h), static_cast<DWORD>(FILE_TYPE_UNKNOWN));  // still open
    EXPECT_TRUE(::CloseHandle(h));
}

// ---- Reading, writing, seeking ----

TEST_F(CFileIO, WriteSeekReadRoundTrip) {
    CFile f(Path(_T("rt.bin")), CFile::modeCreate | CFile::modeReadWrite);
    const char data[] = "The quick brown fox";
    f.Write(data, 19);
    EXPECT_EQ(f.GetPosition(), 19u);
    EXPECT_EQ(f.GetLength(), 19u);

    EXPECT_EQ(f.Seek(4, CFile::begin), 4u);
    char buf[32] = {};
    EXPECT_EQ(f.Read(buf, 5), 5u);
    EXPECT_STREQ(buf, "quick");
    EXPECT_EQ(f.Seek(-5, CFile::end), 14u);
    EXPECT_EQ(f.Seek(1, CFile::current), 15u);
    memset(buf, 0, sizeof(buf));
    EXPECT_EQ(f.Read(buf, sizeof(buf)), 4u);  // short read near the end
    EXPECT_STREQ(buf, " fox");
    EXPECT_EQ(f.Read(buf, sizeof(buf)), 0u);  // end of file
    EXPECT_EQ(f.Read(buf, 0), 0u);

    f.SeekToBegin();
    EXPECT_EQ(f.GetPosition(), 0u);
    EXPECT_EQ(f.SeekToEnd(), 19u);
}

TEST_F(CFileIO, SeekBeyondEndGrowsOnWriteAndBeforeStartThrows) {
    const CString strPath = Path(_T("seek.bin"));
    CFile f(strPath, CFile::modeCreate | CFile::modeReadWrite);
    EXPECT_EQ(f.Seek(100, CFile::begin), 100u);
    EXPECT_EQ(f.GetLength(), 0u);
    f.Write("x", 1);
    EXPECT_EQ(f.GetLength(), 101u);

    const Thrown thrown = ThrownBy([&] { f.Seek(-1, CFile::begin); });
    EXPECT_EQ(thrown.cause, CFileException::badSeek);
    EXPECT_EQ(thrown.strFileName, f.GetFilePath());
    EXPECT_EQ(f.GetPosition(), 101u);  // a failed seek leaves the position alone
}

TEST_F(CFileIO, SetLengthShrinksAndZeroFills) {
    const CString strPath = Path(_T("len.bin"));
    CFile f(strPath, CFile::modeCreate | CFile::modeReadWrite);
    f.Write("abcdefgh", 8);
    f.SetLength(3);
    EXPECT_EQ(f.GetLength(), 3u);
    f.SetLength(6);
    EXPECT_EQ(f.GetLength(), 6u);
    f.SeekToBegin();
    char buf[8] = {};
    EXPECT_EQ(f.Read(buf, 8), 6u);
    EXPECT_EQ(std::string(buf, 6), std::string("abc\0\0\0", 6));
    f.Close();
    EXPECT_EQ(ReadRaw(strPath).size(), 6u);
}

TEST_F(CFileIO, WritingAReadOnlyHandleThrowsAccessDenied) {
    const CString strPath = Path(_T("ro.bin"));
    WriteRaw(strPath, "abc");
    CFile f(strPath, CFile::modeRead | CFile::shareDenyNone);
    const Thrown thrown = ThrownBy([&] { f.Write("x", 1); });
    EXPECT_EQ(thrown.cause, CFileException::accessDenied);
    EXPECT_EQ(thrown.lOsError, static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ReadRaw(strPath), "abc");
}

TEST_F(CFileIO, DuplicateSharesTheFileAndOutlivesTheOriginal) {
    const CString strPath = Path(_T("dup.bin"));
    WriteRaw(strPath, "0123456789");
    CFile* pDup = nullptr;
    {
        CFile f(strPath, CFile::modeRead);
        f.Seek(3, CFile::begin);
        pDup = f.Duplicate();
    }
    ASSERT_TRUE(pDup);
    EXPECT_EQ(pDup->GetFilePath(), strPath);
    char buf[4] = {};
    EXPECT_EQ(pDup->Read(buf, 3), 3u);  // a duplicated handle shares the file position
    EXPECT_EQ(std::string(buf), "345");
    delete pDup;
}

TEST_F(CFileIO, RenameAndRemove) {
    const CString strOld = Path(_T("old.txt"));
    const CString strNew = Path(_T("新名字.txt"));
    WriteRaw(strOld, "x");
    CFile::Rename(strOld, strNew);
    EXPECT_FALSE(Exists(strOld));
    EXPECT_TRUE(Exists(strNew));
    CFile::Remove(strNew);
    EXPECT_FALSE(Exists(strNew));
    const Thrown thrown = ThrownBy([&] { CFile::Remove(strNew); });
    EXPECT_EQ(thrown.cause, CFileException::fileNotFound);
    EXPECT_EQ(thrown.strFileName, strNew);
}

// ---- Names ----

TEST_F(CFileNames, PathNameAndTitleOfAChineseFileName) {
    const CString strPath = Path(kChineseName);
    CFile f(strPath, CFile::modeCreate | CFile::modeReadWrite);
    EXPECT_EQ(f.GetFilePath(), strPath);
    EXPECT_EQ(f.GetFileName(), CString(kChineseName));
    EXPECT_EQ(f.GetFileTitle(), CString(_T("数据_测试文件")));
    f.Write("abc", 3);
    f.Close();
    EXPECT_EQ(ReadRaw(strPath), "abc");
}

TEST_F(CFileNames, RelativeNamesBecomeFullPaths) {
    TCHAR szOld[MAX_PATH];
    ::GetCurrentDirectory(MAX_PATH, szOld);
    ASSERT_TRUE(::SetCurrentDirectory(m_strDir));
    CFile f;
    const BOOL bOpened = f.Open(_T("rel.a.b"), CFile::modeCreate | CFile::modeWrite);
    ::SetCurrentDirectory(szOld);
    ASSERT_TRUE(bOpened);
    EXPECT_EQ(f.GetFilePath(), Path(_T("rel.a.b")));
    EXPECT_EQ(f.GetFileName(), CString(_T("rel.a.b")));
    EXPECT_EQ(f.GetFileTitle(), CString(_T("rel.a")));
}

// ---- Exceptions ----

namespace {

// Counts its own destructions, to see which handlers release an exception.
class CCountingException : public CException {
public:
    explicit CCountingException(int nCode = 0) : m_nCode(nCode) {}
    ~CCountingException() override { ++s_nDestroyed; }
    int m_nCode;
    static int s_nDestroyed;
};
int CCountingException::s_nDestroyed = 0;

}  // namespace

TEST(CExceptionHandling, CatchBlocksDeleteTheExceptionPassItOnAndPickTheHandlerOfItsClass) {
    CCountingException::s_nDestroyed = 0;
    int nCode = 0;
    TRY {
        throw new CCountingException(7);
    }
    CATCH(CCountingException, e) {
        nCode = e->m_nCode;
    }
    END_CATCH
    EXPECT_EQ(nCode, 7);
    EXPECT_EQ(CCountingException::s_nDestroyed, 1);

    // THROW_LAST passes the same object outward.
    CCountingException::s_nDestroyed = 0;
    CException* pInner = nullptr;
    CException* pOuter = nullptr;
    TRY{TRY{throw new CCountingException(1);
}
CATCH_ALL(e) {
    pInner = e;
    THROW_LAST();
}
END_CATCH_ALL
}
CATCH_ALL(e) {
    pOuter = e;
    EXPECT_EQ(CCountingException::s_nDestroyed, 0);  // still alive in the outer handler
}
END_CATCH_ALL
EXPECT_EQ(pInner, pOuter);
EXPECT_EQ(CCountingException::s_nDestroyed, 1);

// AND_CATCH picks the handler of the thrown class.
int nHandler = 0;
TRY {
    AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, _T("f.bin"));
}
CATCH(CMemoryException, e) {
    nHandler = 1;
}
AND_CATCH(CFileException, e) {
    nHandler = 2;
    EXPECT_EQ(e->m_cause, CFileException::diskFull);
}
AND_CATCH_ALL(e) {
    nHandler = 3;
}
END_CATCH_ALL
EXPECT_EQ(nHandler, 2);
}

TEST(CExceptionHandling, MemoryExceptionsAreStaticAndStackOnesSurviveDelete) {
    CException* pFirst = nullptr;
    CException* pSecond = nullptr;
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        pFirst = e;
        e->Delete();
    }
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException* e) {
        pSecond = e;
        e->Delete();
    }
    EXPECT_EQ(pFirst, pSecond);
    TCHAR sz[64];
    EXPECT_TRUE(pSecond->GetErrorMessage(sz, _countof(sz)));
    EXPECT_STRNE(sz, _T(""));
    // An exception on the stack without auto-delete survives Delete.
    CMemoryException onStack(FALSE);
    onStack.Delete();
    EXPECT_TRUE(onStack.IsKindOf(RUNTIME_CLASS(CMemoryException)));
}

TEST(CFileExceptionCauses, ErrorMessageNamesTheFileAndFitsTheBuffer) {
    CFileException e(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, _T("报告.doc"));
    TCHAR sz[256];
    UINT nHelp = 99;
    ASSERT_TRUE(e.GetErrorMessage(sz, _countof(sz), &nHelp));
    EXPECT_EQ(nHelp, 0u);
    EXPECT_NE(CString(sz).Find(_T("报告.doc")), -1) << sz;
    TCHAR small[6];
    ASSERT_TRUE(e.GetErrorMessage(small, _countof(small)));
    EXPECT_EQ(lstrlen(small), 5);
    e.Clear();
    EXPECT_EQ(e.m_cause, CFileException::none);
    EXPECT_EQ(e.m_lOsError, -1);
    EXPECT_TRUE(e.m_strFileName.IsEmpty());
}

// ---- CStdioFile ----

TEST_F(CStdioFileLines, TextModeWritesCrLfAndReadsLinesWithoutEnds) {
    const CString strPath = Path(_T("lines.txt"));
    {
        CStdioFile f(strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        f.WriteString(_T("first\n\nthird"));
        f.WriteString(_T(" part\nlast"));
    }
    EXPECT_EQ(ReadRaw(strPath), "first\r\n\r\nthird part\r\nlast");

    CStdioFile f(strPath, CFile::modeRead | CFile::typeText);
    CString str;
    ASSERT_TRUE(f.ReadString(str));
    EXPECT_EQ(str, _T("first"));
    EXPECT_EQ(f.GetPosition(), 7u);  // the read-ahead buffer is not counted
    // The last line has no line end.
    EXPECT_EQ(Lines(f), (std::vector<CString>{_T(""), _T("third part"), _T("last"), _T("<end>")}));
}

TEST_F(CStdioFileLines, LoneCarriageReturnStaysInTheLine) {
    const CString strPath = Path(_T("cr.txt"));
    WriteRaw(strPath, "a\rb\r\nc\n");
    CStdioFile f(strPath, CFile::modeRead);
    // A bare "\n" ends a line too.
    EXPECT_EQ(Lines(f), (std::vector<CString>{_T("a\rb"), _T("c"), _T("<end>")}));
}

TEST_F(CStdioFileLines, BufferVariantKeepsNewlineAndSplitsLongLines) {
    const CString strPath = Path(_T("buf.txt"));
    WriteRaw(strPath, "abcdef\r\nxy\r\n");
    CStdioFile f(strPath, CFile::modeRead | CFile::typeText);
    TCHAR sz[4];
    std::vector<CString> pieces;
    for (LPTSTR p = f.ReadString(sz, 4); p; p = f.ReadString(sz, 4))
        pieces.push_back(p);
    EXPECT_EQ(pieces, (std::vector<CString>{_T("abc"), _T("def"), _T("\n"), _T("xy\n")}));
}

TEST_F(CStdioFileLines, SeekAfterReadingStartsFromTheLogicalPosition) {
    const CString strPath = Path(_T("seek.txt"));
    WriteRaw(strPath, "one\r\ntwo\r\nthree\r\n");
    CStdioFile f(strPath, CFile::modeReadWrite);
    CString str;
    ASSERT_TRUE(f.ReadString(str));
    EXPECT_EQ(f.Seek(0, CFile::current), 5u);
    f.WriteString(_T("TWO\n"));  // overwrites the second line in place
    ASSERT_TRUE(f.ReadString(str));
    EXPECT_EQ(str, _T("three"));
    f.SeekToBegin();
    ASSERT_TRUE(f.ReadString(str));
    ASSERT_TRUE(f.ReadString(str));
    EXPECT_EQ(str, _T("TWO"));
}

TEST_F(CStdioFileLines, ChineseTextRoundTrips) {
    const CString strPath = Path(kChineseName);
    // Text mode stores the ANSI code page; the Unicode build's binary mode stores UTF-16 as it is.
#ifdef _UNICODE
    const UINT nMode = CFile::typeBinary;
#else
    const UINT nMode = CFile::typeText;
#endif
    {
        CStdioFile f(strPath, CFile::modeCreate | CFile::modeWrite | nMode);
        f.WriteString(_T("中文第一行\n第二行"));
    }
    CStdioFile f(strPath, CFile::modeRead | nMode);
    EXPECT_EQ(Lines(f), (std::vector<CString>{_T("中文第一行"), _T("第二行"), _T("<end>")}));
}

// ---- CFileFind ----

TEST_F(CFileFindSearch, EnumeratesMatchesWithPathsAndAttributesAndDotsAsDirectories) {
    WriteRaw(Path(_T("a.txt")), "12345");
    WriteRaw(Path(kChineseName), "x");
    WriteRaw(Path(_T("skip.log")), "x");
    ASSERT_TRUE(::CreateDirectory(Path(_T("sub.txt")), nullptr));

    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(Path(_T("*.txt"))));
    int nFiles = 0, nDirs = 0;
    BOOL bMore = TRUE;
    while (bMore) {
        bMore = finder.FindNextFile();
        EXPECT_EQ(finder.GetFilePath(), Path(finder.GetFileName()));
        EXPECT_EQ(finder.GetRoot(), m_strDir);
        if (finder.IsDirectory()) {
            ++nDirs;
            EXPECT_EQ(finder.GetFileName(), _T("sub.txt"));
        } else {
            ++nFiles;
            EXPECT_EQ(finder.GetFileName(), _T("a.txt"));
            EXPECT_EQ(finder.GetFileTitle(), _T("a"));
            EXPECT_EQ(finder.GetLength(), 5u);
        }
    }
    EXPECT_EQ(nFiles, 1);
    EXPECT_EQ(nDirs, 1);
    EXPECT_FALSE(finder.FindNextFile());  // after the last one

    ASSERT_TRUE(finder.FindFile(Path(_T("数据*"))));
    finder.FindNextFile();
    EXPECT_EQ(finder.GetFileName(), kChineseName);

    // The dots are directories; no match fails and clears the finder.
    ASSERT_TRUE(finder.FindFile(Path(_T("*"))));
    int nDots = 0;
    bMore = TRUE;
    while (bMore) {
        bMore = finder.FindNextFile();
        if (finder.IsDots()) {
            ++nDots;
            EXPECT_TRUE(finder.IsDirectory());
        }
    }
    EXPECT_EQ(nDots, 2);
    EXPECT_FALSE(finder.FindFile(Path(_T("*.none"))));
    EXPECT_TRUE(finder.GetFileName().IsEmpty());
    EXPECT_FALSE(finder.IsDirectory());
}
