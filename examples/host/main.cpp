// An outside program using the package: a console host with no application object, as the framework
// allows after AfxWinInit. It draws into a memory bitmap and checks what it reads back.
#include <afxwin.h>

#include <stdio.h>

int main() {
    if (!AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), 0)) {
        printf("host: AfxWinInit failed\n");
        return 1;
    }

    CString strLesson;
    strLesson.Format(_T("Lesson %d: %s"), 3, _T("Greetings"));

    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap bmp;
    CClientDC screen(NULL);
    bmp.CreateCompatibleBitmap(&screen, 64, 32);
    CBitmap* pOld = dc.SelectObject(&bmp);
    CRect rc(0, 0, 64, 32);
    dc.FillSolidRect(&rc, RGB(10, 200, 30));
    rc.DeflateRect(8, 8);
    dc.FillSolidRect(&rc, RGB(200, 10, 30));
    const COLORREF outer = dc.GetPixel(2, 2);
    const COLORREF inner = dc.GetPixel(rc.CenterPoint());
    dc.SelectObject(pOld);

    const bool ok =
        strLesson == _T("Lesson 3: Greetings") && outer == RGB(10, 200, 30) && inner == RGB(200, 10, 30);
    printf("host: %s\n", ok ? "ok" : "wrong results");
    return ok ? 0 : 1;
}
