// Small skins written by the tests.
#include "SkinTestKit.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace skintest {

namespace {

std::string Format(const char* pszFormat, ...) {
    char sz[512];
    va_list args;
    va_start(args, pszFormat);
    vsnprintf(sz, sizeof(sz), pszFormat, args);
    va_end(args);
    return sz;
}

}  // namespace

COLORREF FrameColor(int nFrame) {
    return RGB(20 + nFrame * 20, 200 - nFrame * 15, 60 + nFrame * 10);
}

std::vector<BYTE> Strip(int cx, int cy, int nFrames) {
    return riztest::Bmp24(cx * nFrames, cy, [cx](int x, int) { return FrameColor(x / cx); });
}

CString WriteSkinIni(const riztest::TempFolder& folder, LPCTSTR lpszSub, const std::string& text) {
    CString strSub(lpszSub);
    folder.WriteFile(strSub + _T("\\skin.ini"), text.data(), text.size());
    return folder.Path(strSub + _T("\\"));
}

CString WriteSkin(const riztest::TempFolder& folder, LPCTSTR lpszSub, const SkinRecipe& recipe) {
    CString strSub(lpszSub);
    auto image = [&](LPCTSTR lpszName, const std::vector<BYTE>& bytes) {
        folder.WriteFile(strSub + _T("\\") + lpszName, bytes);
    };
    const int nCaption = recipe.nCaptionHeight, nBorder = recipe.nBorder;
    const int cxClose = recipe.nCloseWidth, cyClose = recipe.nCloseHeight;
    image(_T("Common\\Window\\Caption.bmp"), Strip(40, nCaption, 2));
    image(_T("Common\\Window\\LeftBorder.bmp"), Strip(nBorder, 10, 2));
    image(_T("Common\\Window\\RightBorder.bmp"), Strip(nBorder, 10, 2));
    image(_T("Common\\Window\\BottomBorder.bmp"), Strip(10, nBorder, 2));
    image(_T("Common\\Window\\MinBtn.bmp"), Strip(cxClose, cyClose, 8));
    image(_T("Common\\Window\\MaxBtn.bmp"), Strip(cxClose, cyClose, 8));
    image(_T("Common\\Window\\RestoreBtn.bmp"), Strip(cxClose, cyClose, 8));
    image(_T("Common\\Window\\CloseBtn.bmp"), Strip(cxClose, cyClose, 8));
    image(_T("Common\\Window\\ClientBk.bmp"), Strip(8, 8, 1));
    image(_T("Common\\Window\\ClientTop.bmp"), Strip(8, 6, 1));
    image(_T("Common\\Window\\ClientMid.bmp"), Strip(8, 8, 1));
    image(_T("Common\\Window\\ClientBottom.bmp"), Strip(8, 6, 1));
    // A corner mask: magenta outside a quarter circle.
    const std::vector<BYTE> mask = riztest::Bmp24(6, 6, [](int x, int y) {
        return (5 - x) * (5 - x) + (5 - y) * (5 - y) > 25 ? RGB(255, 0, 255) : RGB(0, 0, 0);
    });
    image(_T("Common\\Window\\MaskTopLeft.bmp"), mask);
    image(_T("Common\\Window\\MaskTopRight.bmp"), mask);
    image(_T("Common\\Button\\TabWndMask.bmp"), mask);
    image(_T("Common\\Button\\PushBtn.bmp"), Strip(12, recipe.nPushHeight, 4));
    image(_T("Common\\Button\\CheckBox.bmp"), Strip(recipe.nCheckSize, recipe.nCheckSize, 11));
    image(_T("Common\\Button\\Radio.bmp"), Strip(recipe.nCheckSize, recipe.nCheckSize, 8));
    image(_T("Common\\Button\\Spin.bmp"), Strip(9, 7, 8));
    image(_T("Common\\Button\\ComboDrop.bmp"), Strip(16, 18, 3));
    image(_T("Common\\Button\\Tab.bmp"), Strip(20, 22, 4));
    image(_T("Common\\Button\\TabWnd.bmp"), Strip(20, 22, 4));
    image(_T("Common\\Button\\Header.bmp"), Strip(20, 22, 4));

    std::string ini = "\xEF\xBB\xBF; A skin written by the tests.\r\n[Skin]\r\nName=" + recipe.name +
                      "\r\nAuthor=tests\r\nVersion=1\r\n\r\n[Window]\r\n";
    ini += "CornerTopLeft=" + recipe.cornerTopLeft + "\r\n";
    ini += "CornerTopRight=0,0 1,1\r\nCornerBottomRight=\r\nCornerBottomLeft=0,2\r\n";
    ini += "MaskTopLeft=MaskTopLeft.bmp\r\nMaskTopRight=MaskTopRight.bmp\r\nMaskBottomLeft="
           "\r\nMaskBottomRight=\r\n";
    ini += "BorderLayout=1\r\nCaptionBtnLayout=1\r\n";
    ini += Format("MinBtnRight=%d\r\nMaxBtnRight=%d\r\nCloseBtnRight=%d\r\n", 3 * cxClose + 8,
                  2 * cxClose + 6, cxClose + 4);
    ini += "MinBtnTop=2\r\nMaxBtnTop=2\r\nCloseBtnTop=2\r\nBtnGap=2\r\nIconTop=6\r\nIconLeft=6\r\n";
    ini += "TitleTop=0\r\nTitleLeft=28\r\nShowDisabledBtns=1\r\n";
    ini += Format("MinBtnWidth=%d\r\nMinBtnHeight=%d\r\nMaxBtnWidth=%d\r\nMaxBtnHeight=%d\r\n", cxClose,
                  cyClose, cxClose, cyClose);
    ini += Format("CloseBtnWidth=%d\r\nCloseBtnHeight=%d\r\n", cxClose, cyClose);
    ini += Format("LeftBorderSize=%d\r\nRightBorderSize=%d\r\nCaptionHeight=%d\r\nBottomBorderSize=%d\r\n",
                  nBorder, nBorder, nCaption, nBorder);
    ini += "Reserved1=0\r\nReserved2=0\r\nReserved3=0\r\nReserved4=0\r\nReserved5=0\r\nReserved6=0\r\n"
           "Reserved7=0\r\nBtnKey=255,0,255\r\n";
    ini += "Caption=Common\\Window\\Caption.bmp\r\nLeftBorder=Common\\Window\\LeftBorder.bmp\r\n"
           "RightBorder=Common\\Window\\RightBorder.bmp\r\nBottomBorder=Common\\Window\\BottomBorder.bmp\r\n"
           "MinBtn=Common\\Window\\MinBtn.bmp\r\nMaxBtn=Common\\Window\\MaxBtn.bmp\r\n"
           "RestoreBtn=Common\\Window\\RestoreBtn.bmp\r\nCloseBtn=Common\\Window\\CloseBtn.bmp\r\n"
           "ClientBk=Common\\Window\\ClientBk.bmp\r\nClientTop=Common\\Window\\ClientTop.bmp\r\n"
           "ClientMid=Common\\Window\\ClientMid.bmp\r\nClientBottom=Common\\Window\\ClientBottom.bmp\r\n";
    ini += Format("ClientTopHeight=6\r\nClientBottomHeight=6\r\nClientBkMode=1\r\nClientBkColor=%d,%d,%d\r\n",
                  GetRValue(recipe.clrClient), GetGValue(recipe.clrClient), GetBValue(recipe.clrClient));
    ini += "ScrollBar=\r\n\r\n[Button]\r\n";
    ini += "SkinPushBtn=1\r\nSkinCheckBox=1\r\nSkinRadio=1\r\nSkinSpin=1\r\nSkinReserved=0\r\n";
    ini += "PushBtn=Common\\Button\\PushBtn.bmp\r\nCheckBox=Common\\Button\\CheckBox.bmp\r\n"
           "Radio=Common\\Button\\Radio.bmp\r\nSpin=Common\\Button\\Spin.bmp\r\n"
           "ComboDrop=Common\\Button\\ComboDrop.bmp\r\nReserved=\r\nTab=Common\\Button\\Tab.bmp\r\n"
           "TabWnd=Common\\Button\\TabWnd.bmp\r\nHeader=Common\\Button\\Header.bmp\r\n"
           "TabWndMask=TabWndMask.bmp\r\nTabWndReserved=0\r\nMetric1=0\r\n";
    ini += Format(
        "PushBtnHeight=%d\r\nCheckBoxWidth=%d\r\nCheckBoxHeight=%d\r\nRadioWidth=%d\r\nRadioHeight=%d\r\n",
        recipe.nPushHeight, recipe.nCheckSize, recipe.nCheckSize, recipe.nCheckSize, recipe.nCheckSize);
    ini += "SpinWidth=9\r\nSpinHeight=7\r\nComboDropWidth=16\r\nComboDropHeight=18\r\nMetric11=0\r\nMetric12="
           "0\r\n"
           "TabMinWidth=40\r\nTabHeight=22\r\nTabWndTabWidth=80\r\nTabWndTabHeight=22\r\nMetric17=0\r\n"
           "HeaderHeight=22\r\nTransparentImage=1\r\nTransparent=255,0,255\r\n\r\n[Colors]\r\n";
    for (int i = 0; i < 17; ++i) {
        COLORREF clr = i == 4 ? recipe.clrBorder : RGB(i * 10, 100 + i, 200 - i * 5);
        ini += Format("Color%d=%d,%d,%d\r\n", i, GetRValue(clr), GetGValue(clr), GetBValue(clr));
    }
    return WriteSkinIni(folder, lpszSub, ini);
}

CString BinFolder() {
    TCHAR szExe[MAX_PATH] = {};
    ::GetModuleFileName(NULL, szExe, MAX_PATH);
    CString str(szExe);
    return str.Left(str.ReverseFind(_T('\\')) + 1);
}

CheckResult RunSkinCheck(LPCTSTR lpszArg) {
    CheckResult result;
    CString strExe = BinFolder() + _T("skincheck.exe");
    if (::GetFileAttributes(strExe) == INVALID_FILE_ATTRIBUTES) {
        ADD_FAILURE() << "skincheck.exe is not built beside the tests";
        return result;
    }
    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, TRUE};
    HANDLE hRead = NULL, hWrite = NULL;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0)) {
        ADD_FAILURE() << "CreatePipe failed";
        return result;
    }
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    CString strCommand = _T("\"") + strExe + _T("\"");
    if (lpszArg) {
        // Backslashes before the closing quote are doubled, or they would escape it.
        CString strArg(lpszArg);
        if (strArg.Right(1) == _T("\\")) strArg += _T('\\');
        strCommand += _T(" \"") + strArg + _T("\"");
    }
    STARTUPINFO si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    si.hStdInput = NULL;
    PROCESS_INFORMATION pi = {};
    BOOL bStarted = ::CreateProcess(NULL, strCommand.GetBuffer(), NULL, NULL, TRUE, CREATE_NO_WINDOW, NULL,
                                    NULL, &si, &pi);
    strCommand.ReleaseBuffer();
    ::CloseHandle(hWrite);
    if (!bStarted) {
        ::CloseHandle(hRead);
        ADD_FAILURE() << "skincheck.exe did not start";
        return result;
    }
    char buffer[4096];
    DWORD dwRead = 0;
    while (::ReadFile(hRead, buffer, sizeof(buffer), &dwRead, NULL) && dwRead > 0)
        result.output.append(buffer, dwRead);
    ::CloseHandle(hRead);
    if (::WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) {
        ::TerminateProcess(pi.hProcess, 99);
        ADD_FAILURE() << "skincheck.exe hung";
    }
    ::GetExitCodeProcess(pi.hProcess, &result.dwExitCode);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    return result;
}

}  // namespace skintest
