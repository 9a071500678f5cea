// Paths and the shell's file-type icons.
#pragma once

#include "ZIRevudiVuzadDef.h"

class ZIR_API CQVFileSystem {
public:
    // Splits a path at its last separator ('\' or '/', or the ':' of a drive) and the last dot of the
    // file name: "C:\Docs\report.final.txt" gives "C:\Docs\", "report.final" and "txt". The folder keeps
    // its separator; the extension has no dot; a name starting with a dot (".profile") has no
    // extension. FALSE, and three empty strings, for an empty path.
    static BOOL ParsePathFile(LPCTSTR lpszPath, CString& strFolder, CString& strName, CString& strExt);

    // The shell's image list of file-type icons (32 x 32, or 16 x 16 when bLargeIcons is FALSE). It
    // belongs to the shell: attach it to a CImageList only to draw, detach it before that is destroyed.
    static HIMAGELIST GetSystemImageList(BOOL bLargeIcons = TRUE);
    // The index in that list of the icon of a file of this name (the file need not exist); -1 if none.
    static int GetFileIconIndex(LPCTSTR lpszFile, BOOL bLargeIcons = TRUE);
};
