#include "QVListCtrlFixture.h"

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVListCtrl.h"
#include "TestImage.h"

namespace qvltest {

std::string HeaderFrames(HWND hHeader) {
    riztest::WindowCapture shot(hHeader);
    std::string frames;
    const int nCount = static_cast<int>(::SendMessage(hHeader, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        CRect rc;
        ::SendMessage(hHeader, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rc));
        const COLORREF clr = shot.Pixel(rc.right - 3, rc.top + 3);
        char c = '?';
        for (int f = 0; f < 4; ++f)
            if (clr == kFrames[f]) c = static_cast<char>('0' + f);
        frames += c;
    }
    return frames;
}

bool ListTest::LoadSkin(COLORREF clrBorder, int nHeaderHeight, bool bHeaderImage) {
    CStringA strIni;
    strIni.Format("[Button]\r\nHeader = Common\\Button\\Header.bmp\r\nHeaderHeight = %d\r\n\r\n[Colors]\r\n"
                  "Color4 = %d,%d,%d\r\n",
                  nHeaderHeight, GetRValue(clrBorder), GetGValue(clrBorder), GetBValue(clrBorder));
    if (!bHeaderImage) return LoadSkinFiles(strIni);
    return LoadSkinFiles(strIni,
                         {{_T("Common\\Button\\Header.bmp"),
                           riztest::Bmp24(12 * 4, 20, riztest::SolidFrames(12, {kFrames, kFrames + 4}))}});
}

void ListTest::MakeReport(CQVListCtrl& list, int nColumns, DWORD dwExStyle, DWORD dwStyle) {
    ASSERT_TRUE(list.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | dwStyle, CRect(10, 200, 290, 320),
                              &m_dlg, kCreatedId));
    if (dwExStyle) list.SetExtendedStyle(dwExStyle);
    for (int i = 0; i < nColumns; ++i) {
        CString str;
        str.Format(_T("C%d"), i);
        list.InsertColumn(i, str, LVCFMT_LEFT, 80);
    }
    for (int i = 0; i < 3; ++i)
        list.InsertItem(i, _T("word"));
    Pump();
}

void ListTest::MouseAt(CQVHeaderCtrl& header, UINT message, CPoint pt) {
    CPoint ptScreen = pt;
    header.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    header.PostMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(pt.x, pt.y));
    Pump();
}

}  // namespace qvltest
