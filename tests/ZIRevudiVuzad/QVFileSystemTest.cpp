// CQVFileSystem: splitting paths (double-byte names included) and the shell's icon lists.
#include <afxwin.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "QVFileSystem.h"

namespace {

struct Split {
    CString folder, name, ext;
};

Split ParseOf(LPCTSTR lpszPath) {
    Split split;
    CQVFileSystem::ParsePathFile(lpszPath, split.folder, split.name, split.ext);
    return split;
}

}  // namespace

TEST(CQVFileSystemPath, SplitsFolderNameAndExtension) {
    const struct {
        LPCTSTR path, folder, name, ext;
    } cases[] = {
        {_T("C:\\Docs\\report.final.txt"), _T("C:\\Docs\\"), _T("report.final"), _T("txt")},
        {_T("C:\\Docs\\README"), _T("C:\\Docs\\"), _T("README"), _T("")},
        {_T("C:\\Docs\\"), _T("C:\\Docs\\"), _T(""), _T("")},
        {_T("file.bmp"), _T(""), _T("file"), _T("bmp")},
        {_T("C:\\a.dir\\noext"), _T("C:\\a.dir\\"), _T("noext"), _T("")},
        {_T("C:\\home\\.profile"), _T("C:\\home\\"), _T(".profile"), _T("")},
        {_T("C:\\home\\name."), _T("C:\\home\\"), _T("name"), _T("")},
        {_T("skins/Jade/skin.ini"), _T("skins/Jade/"), _T("skin"), _T("ini")},
        {_T("C:file.txt"), _T("C:"), _T("file"), _T("txt")},
        {_T("\\\\server\\share\\a.b.c"), _T("\\\\server\\share\\"), _T("a.b"), _T("c")},
    };
    for (const auto& c : cases) {
        Split split = ParseOf(c.path);
        EXPECT_EQ(CString(c.folder), split.folder) << c.path;
        EXPECT_EQ(CString(c.name), split.name) << c.path;
        EXPECT_EQ(CString(c.ext), split.ext) << c.path;
    }
}

TEST(CQVFileSystemPath, DoubleByteCharactersEndingInABackslashByteAreNotSeparators) {
    // In code page 936 the second byte of 乗 is 0x5C, the byte of '\'.
    Split split = ParseOf(_T("D:\\数据乗\\文件乗.txt"));
    EXPECT_EQ(CString(_T("D:\\数据乗\\")), split.folder);
    EXPECT_EQ(CString(_T("文件乗")), split.name);
    EXPECT_EQ(CString(_T("txt")), split.ext);
    split = ParseOf(_T("D:\\资料\\乗"));
    EXPECT_EQ(CString(_T("乗")), split.name);
    EXPECT_EQ(CString(_T("")), split.ext);
}

TEST(CQVFileSystemPath, EmptyPathAnswersFalseAndEmptiesTheOutputs) {
    CString folder = _T("x"), name = _T("y"), ext = _T("z");
    EXPECT_FALSE(CQVFileSystem::ParsePathFile(_T(""), folder, name, ext));
    EXPECT_TRUE(folder.IsEmpty() && name.IsEmpty() && ext.IsEmpty());
    folder = _T("x");
    EXPECT_FALSE(CQVFileSystem::ParsePathFile(nullptr, folder, name, ext));
    EXPECT_TRUE(folder.IsEmpty());
    EXPECT_TRUE(CQVFileSystem::ParsePathFile(_T("a.b"), folder, name, ext));
}

TEST(CQVFileSystemIcons, ShellListsHaveLargeAndSmallIcons) {
    HIMAGELIST hLarge = CQVFileSystem::GetSystemImageList(TRUE);
    HIMAGELIST hSmall = CQVFileSystem::GetSystemImageList(FALSE);
    ASSERT_NE(nullptr, hLarge);
    ASSERT_NE(nullptr, hSmall);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(hLarge, &cx, &cy));
    EXPECT_EQ(::GetSystemMetrics(SM_CXICON), cx);
    ASSERT_TRUE(ImageList_GetIconSize(hSmall, &cx, &cy));
    EXPECT_EQ(::GetSystemMetrics(SM_CXSMICON), cx);
    int nText = CQVFileSystem::GetFileIconIndex(_T("notes.txt"));
    EXPECT_GE(nText, 0);
    EXPECT_LT(nText, ImageList_GetImageCount(hLarge));
    EXPECT_EQ(-1, CQVFileSystem::GetFileIconIndex(_T("")));
    EXPECT_EQ(-1, CQVFileSystem::GetFileIconIndex(nullptr));
}
