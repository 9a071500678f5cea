// skincheck: lists what is wrong with a skin folder or a language file.
//
//   skincheck <skin folder>      every missing, unreadable or wrongly sized resource, values that do not
//                                parse, malformed lines; unknown sections and keys as warnings
//   skincheck <file.lng>         malformed lines, and the keys of Languages\en-US.lng (beside this
//                                program) that the file lacks; duplicate keys as warnings
//
// Output is UTF-8 text on stdout. Exit code 0: no errors; 1: errors found or the input cannot be read;
// 2: wrong arguments.
#include "../src/LanguageFile.h"
#include "../src/SkinFile.h"

#include <QVBitmap.h>
#include <QVGdiplusImage.h>

#include <shellapi.h>

#include <initializer_list>
#include <string>

namespace {

// Writes a line to stdout as UTF-8.
void Print(const CString& strLine) {
    std::wstring wide;
#ifdef _UNICODE
    wide.assign(strLine.GetString(), static_cast<size_t>(strLine.GetLength()));
#else
    int nWide = ::MultiByteToWideChar(CP_ACP, 0, strLine, strLine.GetLength(), NULL, 0);
    if (nWide > 0) {
        wide.resize(static_cast<size_t>(nWide));
        ::MultiByteToWideChar(CP_ACP, 0, strLine, strLine.GetLength(), &wide[0], nWide);
    }
#endif
    wide += L'\n';
    int nBytes =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), NULL, 0, NULL, NULL);
    std::string utf8(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], nBytes, NULL,
                          NULL);
    DWORD dwWritten = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &dwWritten,
                NULL);
}

CString LinePrefix(BOOL bError, int nLine, LPCTSTR lpszFile) {
    CString str(bError ? _T("error: ") : _T("warning: "));
    if (nLine > 0) {
        CString strLine;
        if (*lpszFile)
            strLine.Format(_T("%s line %d: "), lpszFile, nLine);
        else
            strLine.Format(_T("line %d: "), nLine);
        str += strLine;
    }
    return str;
}

void PrintSummary(const CString& strWhat, int nErrors, int nWarnings) {
    CString str;
    str.Format(_T("%s: %d error(s), %d warning(s)"), strWhat.GetString(), nErrors, nWarnings);
    Print(str);
}

// What keeps a picture at strPath from loading into image: "file missing", "cannot be read as an
// image", or an empty string when it loaded.
CString LoadProblem(const CString& strPath, CQVGdiplusImage& image) {
    if (::GetFileAttributes(strPath) == INVALID_FILE_ATTRIBUTES) return _T("file missing");
    if (!image.Load(strPath)) return _T("cannot be read as an image");
    return CString();
}

// Pictures a control reads by fixed names, not through skin.ini: the control still works without them,
// so each one missing or unreadable is a warning, printed as "warning: <what> <name>: <problem>
// (<consequence>)". Returns the number of warnings printed.
int CheckFixedPictures(const CString& strFolder, std::initializer_list<LPCTSTR> names, LPCTSTR lpszWhat,
                       LPCTSTR lpszConsequence) {
    int nWarnings = 0;
    for (LPCTSTR lpszName : names) {
        const CString strPath = strFolder + lpszName;
        CQVGdiplusImage image;
        const CString strProblem = LoadProblem(strPath, image);
        if (strProblem.IsEmpty()) continue;
        Print(_T("warning: ") + CString(lpszWhat) + _T(" ") + lpszName + _T(": ") + strProblem + _T(" (") +
              lpszConsequence + _T(")"));
        ++nWarnings;
    }
    return nWarnings;
}

// The contact list reads its arrows, faces and scroll bar by fixed names; without them it still works
// (colour frames, no scroll bar image), so each problem is a warning. Returns the number printed.
int CheckIMListFiles(const CString& strFolder) {
    struct CFixedFile {
        LPCTSTR lpszName;
        int cx, cy;  // icons: their size; the scroll bar: its smallest size
        bool bIcon;
    };
    static const CFixedFile kFiles[] = {
        {_T("Common\\IMList\\ArrowExpend.ico"), 16, 16, true},
        {_T("Common\\IMList\\ArrowCollapse.ico"), 16, 16, true},
        {_T("Common\\IMList\\face_male.ico"), 24, 24, true},
        {_T("Common\\IMList\\face_female.ico"), 24, 24, true},
        {_T("Common\\IMList\\scrollbar.bmp"), 76, 56, false},
    };
    int nWarnings = 0;
    for (const CFixedFile& file : kFiles) {
        CString strPath = strFolder + file.lpszName;
        CString strProblem;
        if (::GetFileAttributes(strPath) == INVALID_FILE_ATTRIBUTES) {
            strProblem = _T("file missing");
        } else if (file.bIcon) {
            HICON hIcon =
                static_cast<HICON>(::LoadImage(NULL, strPath, IMAGE_ICON, file.cx, file.cy, LR_LOADFROMFILE));
            if (!hIcon) strProblem = _T("cannot be read as an icon");
            if (hIcon) ::DestroyIcon(hIcon);
        } else {
            CQVBitmap image;
            if (!image.LoadBitmap(strPath))
                strProblem = _T("cannot be read as an image");
            else if (image.GetWidth() < file.cx || image.GetHeight() < file.cy)
                strProblem.Format(_T("%d x %d, smaller than its cells need (%d x %d)"), image.GetWidth(),
                                  image.GetHeight(), file.cx, file.cy);
        }
        if (strProblem.IsEmpty()) continue;
        Print(_T("warning: contact list file ") + CString(file.lpszName) + _T(": ") + strProblem);
        ++nWarnings;
    }
    return nWarnings;
}

// The item toolbar loads its arrows by fixed names and the host its frames by the same convention; a
// toolbar without them still draws captions and icons, so each problem is a warning. The strips hold
// their states side by side, and the frames are drawn with fixed ends of 4 pixels.
int CheckToolBarPlusFiles(const CString& strFolder) {
    struct CStrip {
        LPCTSTR lpszName;
        int nStates, cxMin;  // cxMin: the smallest width of one state
    };
    static const CStrip kStrips[] = {
        {_T("Common\\Button\\ToolBarPlus_MenuArrow.png"), 2, 1},
        {_T("Common\\Button\\ToolBarPlus_MoreArrow.png"), 2, 1},
        {_T("Common\\Button\\ToolBarPlus_Button.png"), 5, 9},
        {_T("Common\\Button\\ToolBarPlus_MenuButton.png"), 6, 9},
        {_T("Common\\Button\\ToolBarPlus_MenuArrowPart.png"), 6, 9},
    };
    int nWarnings = 0;
    for (const CStrip& strip : kStrips) {
        const CString strPath = strFolder + strip.lpszName;
        CQVGdiplusImage image;
        CString strProblem = LoadProblem(strPath, image);
        if (strProblem.IsEmpty()) {
            const CSize sz = image.GetImageSize();
            if (sz.cx % strip.nStates != 0 || sz.cx / strip.nStates < strip.cxMin)
                strProblem.Format(_T("%d pixels wide, not %d states of at least %d"), sz.cx, strip.nStates,
                                  strip.cxMin);
        }
        if (strProblem.IsEmpty()) continue;
        Print(_T("warning: item toolbar file ") + CString(strip.lpszName) + _T(": ") + strProblem);
        ++nWarnings;
    }
    return nWarnings;
}

// The classic toolbar's strips: the normal and the disabled pictures, 16 x 16 frames side by side in
// the same order, so both must be there and of the same size. A toolbar without them draws its
// captions only, so each problem is a warning.
int CheckToolBarStrips(const CString& strFolder) {
    static const LPCTSTR kStrips[] = {_T("Common\\Button\\ToolBar_Normal.bmp"),
                                      _T("Common\\Button\\ToolBar_Disabled.bmp")};
    constexpr int kCell = 16, kFrames = 8;
    int nWarnings = 0;
    CSize sizes[2];
    for (int i = 0; i < 2; ++i) {
        const CString strPath = strFolder + kStrips[i];
        CQVGdiplusImage image;
        CString strProblem = LoadProblem(strPath, image);
        if (strProblem.IsEmpty()) {
            sizes[i] = image.GetImageSize();
            if (sizes[i] != CSize(kCell * kFrames, kCell))
                strProblem.Format(_T("%d x %d pixels, not %d frames of %d x %d"), sizes[i].cx, sizes[i].cy,
                                  kFrames, kCell, kCell);
        }
        if (strProblem.IsEmpty()) continue;
        Print(_T("warning: toolbar strip ") + CString(kStrips[i]) + _T(": ") + strProblem);
        ++nWarnings;
    }
    return nWarnings;
}

// The dock bars, status bar and toolbars tell their parts apart by colour entries 3 (separators) and
// 5 to 10 (gradient, selection, hot fill, lines); two equal entries make two parts look as one, so
// each pair is a warning.
int CheckBarColors(const CQVSkinColorDef& clr) {
    static const int kEntries[] = {3, 5, 6, 7, 8, 9, 10};
    int nWarnings = 0;
    for (size_t i = 0; i < _countof(kEntries); ++i) {
        for (size_t j = i + 1; j < _countof(kEntries); ++j) {
            if (clr.GetColor(kEntries[i]) != clr.GetColor(kEntries[j])) continue;
            CString strLine;
            strLine.Format(_T("warning: [Colors] Color%d and Color%d are equal: control bars cannot tell ")
                           _T("their parts apart"),
                           kEntries[i], kEntries[j]);
            Print(strLine);
            ++nWarnings;
        }
    }
    return nWarnings;
}

int CheckSkin(const CString& strFolder) {
    CSkinFile file;
    if (!file.Read(strFolder)) {
        Print(_T("error: ") + strFolder + _T(": ") + file.GetError());
        PrintSummary(strFolder, 1, 0);
        return 1;
    }
    CSkinRecords records;
    std::vector<CSkinFile::CIssue> issues;
    file.Apply(records, &issues);
    int nErrors = 0, nWarnings = 0;
    for (const CSkinFile::CIssue& issue : issues) {
        Print(LinePrefix(issue.bError, issue.nLine, _T("skin.ini")) + issue.strText);
        (issue.bError ? nErrors : nWarnings)++;
    }
    nWarnings += CheckFixedPictures(file.GetFolder(),
                                    {_T("Common\\Question.png"), _T("Common\\Error.png"),
                                     _T("Common\\Information.png"), _T("Common\\Warning.png")},
                                    _T("message-box icon"), _T("boxes of this kind show no icon"));
    nWarnings += CheckIMListFiles(file.GetFolder());
    nWarnings += CheckToolBarPlusFiles(file.GetFolder());
    nWarnings += CheckToolBarStrips(file.GetFolder());
    nWarnings += CheckBarColors(records.clr);
    nWarnings += CheckFixedPictures(file.GetFolder(),
                                    {_T("Common\\others\\first.png"), _T("Common\\others\\prev.png"),
                                     _T("Common\\others\\next.png"), _T("Common\\others\\last.png"),
                                     _T("Common\\others\\close.png")},
                                    _T("date picker picture"), _T("its button shows no picture"));
    PrintSummary(file.GetFolder() + _T(" (") + records.strName + _T(")"), nErrors, nWarnings);
    return nErrors > 0 ? 1 : 0;
}

int CheckLanguage(const CString& strFile) {
    CLanguageFile file;
    if (!file.Read(strFile)) {
        Print(_T("error: ") + strFile + _T(": ") + file.GetError());
        PrintSummary(strFile, 1, 0);
        return 1;
    }
    int nErrors = 0, nWarnings = 0;
    for (const CLanguageFile::CIssue& issue : file.GetIssues()) {
        Print(LinePrefix(issue.bError, issue.nLine, _T("")) + issue.strText);
        (issue.bError ? nErrors : nWarnings)++;
    }

    // The reference table: en-US beside this program, as the library finds it beside its DLL.
    TCHAR szExe[MAX_PATH] = {};
    ::GetModuleFileName(NULL, szExe, MAX_PATH);
    CString strReference(szExe);
    strReference = strReference.Left(strReference.ReverseFind(_T('\\')) + 1) + _T("Languages\\en-US.lng");
    CLanguageFile reference;
    if (!reference.Read(strReference)) {
        Print(_T("error: ") + strReference + _T(": ") + reference.GetError() +
              _T(" (needed to find missing keys)"));
        ++nErrors;
    } else {
        for (const auto& entry : reference.GetTable()) {
            if (file.GetTable().count(entry.first) == 0) {
                Print(_T("error: missing key: ") + entry.first);
                ++nErrors;
            }
        }
    }
    PrintSummary(strFile, nErrors, nWarnings);
    return nErrors > 0 ? 1 : 0;
}

}  // namespace

int main() {
    // The wide command line, so that paths outside the code page arrive whole.
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (ppArgs == NULL || nArgs != 2) {
        if (ppArgs) ::LocalFree(ppArgs);
        Print(_T("usage: skincheck <skin folder> | <language file.lng>"));
        return 2;
    }
    CString strPath(ppArgs[1]);
    ::LocalFree(ppArgs);

    DWORD dwAttributes = ::GetFileAttributes(strPath);
    BOOL bFolder = dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    BOOL bFile = dwAttributes != INVALID_FILE_ATTRIBUTES && !bFolder;
    CString strName = strPath.Mid(strPath.ReverseFind(_T('\\')) + 1);
    if (bFile && strName.CompareNoCase(_T("skin.ini")) == 0) {
        CString strFolder = strPath.Left(strPath.GetLength() - strName.GetLength());
        return CheckSkin(strFolder.IsEmpty() ? CString(_T(".")) : strFolder);
    }
    if (bFile || (!bFolder && strName.Right(4).CompareNoCase(_T(".lng")) == 0)) return CheckLanguage(strPath);
    return CheckSkin(strPath);
}
