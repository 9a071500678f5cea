#include "SkinWndTestKit.h"

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <shellapi.h>

#include <initializer_list>
#include <string>

#include "MessagePump.h"

namespace skintest {

namespace {

// An image of nFrames solid frames side by side, frame i in colours[i].
void MakeFrames(CQVBitmap& bmp, int cxFrame, int cy, const std::vector<COLORREF>& colours) {
    const int nFrames = static_cast<int>(colours.size());
    bmp.AttachBitmap(riztest::Dib(cxFrame * nFrames, cy, riztest::SolidFrames(cxFrame, colours)));
    bmp.SetMultiState(nFrames);
}

}  // namespace

COLORREF ButtonColor(Button nButton, int nFrame) {
    return RGB(20 + 28 * nFrame, 60 + 40 * static_cast<int>(nButton), 90);
}

void MakeTestRecord(CQVSkinWndRes& res) {
    res = CQVSkinWndRes();
    res.m_nBorderLayout = 0;
    res.m_nCaptionBtnLayout = 1;
    res.m_nBtnGap = kBtnGap;
    res.m_nShowDisabledBtns = 0;
    res.m_nMinBtnWidth = res.m_nMaxBtnWidth = res.m_nCloseBtnWidth = kBtnWidth;
    res.m_nMinBtnHeight = res.m_nMaxBtnHeight = res.m_nCloseBtnHeight = kBtnHeight;
    res.m_nLeftBorder = kLeft;
    res.m_nRightBorder = kRight;
    res.m_nCaptionHeight = kCaption;
    res.m_nBottomBorder = kBottom;
    res.m_clrBtnKey = RGB(255, 0, 255);
    MakeFrames(res.m_bmpCaption, 16, kCaption, {kCaptionActive, kCaptionInactive});
    MakeFrames(res.m_bmpLeftBorder, kLeft, 16, {kBorderActive, kBorderInactive});
    MakeFrames(res.m_bmpRightBorder, kRight, 16, {kBorderActive, kBorderInactive});
    MakeFrames(res.m_bmpBottomBorder, 16, kBottom, {kBorderActive, kBorderInactive});
    CQVBitmap* const buttons[] = {&res.m_bmpMinBtn, &res.m_bmpMaxBtn, &res.m_bmpRestoreBtn,
                                  &res.m_bmpCloseBtn};
    for (int b = 0; b < 4; ++b) {
        std::vector<COLORREF> colours;
        for (int i = 0; i < 8; ++i)
            colours.push_back(ButtonColor(static_cast<Button>(b), i));
        MakeFrames(*buttons[b], kBtnWidth, kBtnHeight, colours);
    }
    res.m_nClientBkMode = 1;
    res.m_clrClientBk = kClientBk;
}

SkinScope::SkinScope(bool bTestRecord) {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    m_saved = *pSkin->GetWndRes();
    m_strSkinFolder = pSkin->GetCurrentSkinPath();
    m_strLanguage = CQVLanResManager::GetSingletonPtr()->GetCurrentLanFile();
    if (bTestRecord) MakeTestRecord(*pSkin->GetWndRes());
}

SkinScope::~SkinScope() {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    if (pSkin->GetCurrentSkinPath() != m_strSkinFolder) pSkin->LoadSkin(m_strSkinFolder);
    *pSkin->GetWndRes() = m_saved;
    CQVLanResManager* pLan = CQVLanResManager::GetSingletonPtr();
    if (pLan->GetCurrentLanFile() != m_strLanguage) pLan->LoadLanguage(m_strLanguage);
    riztest::PumpMessages(1000);
}

CQVSkinWndRes& SkinScope::Res() {
    return *CQVSkinResManager::GetSingletonPtr()->GetWndRes();
}

std::vector<WORD> DialogTemplateOf(DWORD dwStyle, int cx, int cy, LPCWSTR lpszTitle,
                                   const std::vector<DialogItem>& items) {
    std::vector<WORD> t;
    auto dword = [&t](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto text = [&t](LPCWSTR s) {
        for (; *s; ++s)
            t.push_back(static_cast<WORD>(*s));
        t.push_back(0);
    };
    dword(dwStyle);
    dword(0);  // extended style
    t.push_back(static_cast<WORD>(items.size()));
    for (int v : std::initializer_list<int>{10, 10, cx, cy})
        t.push_back(static_cast<WORD>(v));
    t.push_back(0);  // no menu
    t.push_back(0);  // the dialog class
    text(lpszTitle);
    for (const DialogItem& item : items) {
        if (t.size() % 2) t.push_back(0);  // items start on a DWORD boundary
        dword(WS_CHILD | WS_VISIBLE | item.dwStyle);
        dword(item.dwExStyle);
        for (int v : std::initializer_list<int>{item.x, item.y, item.cx, item.cy, static_cast<int>(item.wId)})
            t.push_back(static_cast<WORD>(v));
        text(item.lpszClass);
        text(item.lpszText ? item.lpszText : L"");
        t.push_back(0);  // no creation data
    }
    return t;
}

std::vector<WORD> DialogTemplate(DWORD dwStyle, int cx, int cy, LPCWSTR lpszTitle,
                                 const std::vector<std::pair<LPCWSTR, WORD>>& statics, WORD wButtonId) {
    std::vector<DialogItem> items;
    for (const auto& item : statics)
        items.push_back({L"Static", item.second, SS_LEFT, 0, 5, static_cast<short>(5 + 12 * items.size()),
                         100, 10, item.first});
    if (wButtonId)
        items.push_back({L"Button", wButtonId, WS_TABSTOP | BS_PUSHBUTTON, 0, static_cast<short>(cx - 70),
                         static_cast<short>(cy - 25), 60, 16, L"OK"});
    return DialogTemplateOf(dwStyle, cx, cy, lpszTitle, items);
}

CString ShippedSkinFolder(LPCTSTR lpszName) {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    const CString strTail = CString(_T("\\")) + lpszName + _T("\\");
    for (int i = 0; i < pSkin->GetSkinsTotal(); ++i) {
        const CString strFolder = pSkin->GetSkinFolder(i);
        if (strFolder.Right(strTail.GetLength()).CompareNoCase(strTail) == 0) return strFolder;
    }
    return CString();
}

SkinCopy::SkinCopy(LPCTSTR lpszName) {
    const CString strTo = m_folder.Path(_T("skin"));
    ::CreateDirectory(strTo, nullptr);
    std::basic_string<TCHAR> from((LPCTSTR)(ShippedSkinFolder(lpszName) + _T("*")));
    from.push_back(0);
    std::basic_string<TCHAR> to((LPCTSTR)strTo);
    to.push_back(0);
    SHFILEOPSTRUCT op = {};
    op.wFunc = FO_COPY;
    op.pFrom = from.c_str();
    op.pTo = to.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT | FOF_NOCONFIRMMKDIR;
    ::SHFileOperation(&op);
    // Caches left in the shipped folder by other tests are not part of the copy.
    WIN32_FIND_DATA fd;
    const CString strWindow = Folder() + _T("Common\\Window\\");
    HANDLE hFind = ::FindFirstFile(strWindow + _T("*.rgn"), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            ::DeleteFile(strWindow + fd.cFileName);
        } while (::FindNextFile(hFind, &fd));
        ::FindClose(hFind);
    }
}

COLORREF WindowPixel(HWND hWnd, int x, int y) {
    HDC hDC = ::GetWindowDC(hWnd);
    const COLORREF clr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return clr;
}

CRect WindowRect(HWND hWnd) {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

CRect ClientInWindow(HWND hWnd) {
    CRect rcClient;
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, HWND_DESKTOP, reinterpret_cast<LPPOINT>(&rcClient), 2);
    const CRect rcWindow = WindowRect(hWnd);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    return rcClient;
}

UINT HitTest(HWND hWnd, int x, int y) {
    const CRect rcWindow = WindowRect(hWnd);
    return static_cast<UINT>(
        ::SendMessage(hWnd, WM_NCHITTEST, 0, MAKELPARAM(rcWindow.left + x, rcWindow.top + y)));
}

LONGLONG FileSize(const CString& strPath) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesEx(strPath, GetFileExInfoStandard, &data)) return -1;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool FileExists(const CString& strPath) {
    return FileSize(strPath) >= 0;
}

std::vector<BYTE> ReadBytes(const CString& strPath) {
    std::vector<BYTE> data;
    HANDLE hFile = ::CreateFile(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return data;
    data.resize(::GetFileSize(hFile, nullptr));
    DWORD dwRead = 0;
    if (!data.empty()) ::ReadFile(hFile, data.data(), static_cast<DWORD>(data.size()), &dwRead, nullptr);
    ::CloseHandle(hFile);
    data.resize(dwRead);
    return data;
}

bool WriteBytes(const CString& strPath, const std::vector<BYTE>& data) {
    HANDLE hFile = ::CreateFile(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    DWORD dwWritten = 0;
    if (!data.empty()) ::WriteFile(hFile, data.data(), static_cast<DWORD>(data.size()), &dwWritten, nullptr);
    ::CloseHandle(hFile);
    return dwWritten == data.size();
}

}  // namespace skintest
