// Foundation figures: one paint through CQVPaintMemoryDC of a 400 x 300 window against a single BitBlt
// of that size, and a nine-cell CQVSmartImage drawn at 50% opacity against one stretched GDI+ draw of
// the same image with the same opacity.
#include <afxwin.h>

#include <gdiplus.h>

#include <QVImageEncoder.h>
#include <RIZuruzezu.h>

#include <cstdio>

#include "Bench.h"

namespace {

const int kWidth = 400, kHeight = 300;

HWND CreateShownWindow() {
    const HINSTANCE hInstance = ::GetModuleHandle(nullptr);
    QVRegisterWndClass(_T("RIZBenchFoundation"), 0, nullptr, nullptr, ::DefWindowProc, hInstance);
    HWND hWnd = ::CreateWindowEx(WS_EX_TOOLWINDOW, _T("RIZBenchFoundation"), _T(""), WS_POPUP | WS_VISIBLE, 0,
                                 0, kWidth, kHeight, nullptr, nullptr, hInstance, nullptr);
    ::UpdateWindow(hWnd);
    return hWnd;
}

void PaintSuite() {
    HWND hWnd = CreateShownWindow();
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    CClientDC dc(pWnd);
    CQVMemoryDC source;
    source.Create(kWidth, kHeight);
    source.FillSolidRect(0, 0, kWidth, kHeight, RGB(240, 244, 250));

    rizbench::Suite paint(
        "paint memory DC, 400 x 300 window", "BitBlt 400 x 300 from a ready surface",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                dc.BitBlt(0, 0, kWidth, kHeight, &source, 0, 0, SRCCOPY);
            ::GdiFlush();
        },
        400);
    paint.Add("CQVPaintMemoryDC: surface, fill, copy, free", [&](int n) {
        for (int i = 0; i < n; ++i) {
            CQVPaintMemoryDC mem(pWnd, &dc, RGB(240, 244, 250));
            rizbench::DoNotOptimize(mem.GetSafeHdc());
        }
        ::GdiFlush();
    });
    paint.Add("CQVPaintMemoryDC: surface, copy, free (fill 0)", [&](int n) {
        for (int i = 0; i < n; ++i) {
            CQVPaintMemoryDC mem(pWnd, &dc, 0);
            rizbench::DoNotOptimize(mem.GetSafeHdc());
        }
        ::GdiFlush();
    });
    ::DestroyWindow(hWnd);
}

// A 48 x 48 panel with 12-pixel corners and a translucent border, saved as a PNG in the temporary
// folder; the path, or an empty string.
CString WritePanelImage() {
    Gdiplus::Bitmap bitmap(48, 48, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&bitmap);
        g.Clear(Gdiplus::Color(0, 0, 0, 0));
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        Gdiplus::SolidBrush body(Gdiplus::Color(255, 250, 252, 255));
        g.FillEllipse(&body, 0, 0, 24, 24);
        g.FillEllipse(&body, 23, 0, 24, 24);
        g.FillEllipse(&body, 0, 23, 24, 24);
        g.FillEllipse(&body, 23, 23, 24, 24);
        g.FillRectangle(&body, 12, 0, 24, 48);
        g.FillRectangle(&body, 0, 12, 48, 24);
        Gdiplus::SolidBrush accent(Gdiplus::Color(255, 51, 122, 204));
        g.FillRectangle(&accent, 12, 0, 24, 8);
    }
    CLSID clsid;
    if (!QVGetPngEncoderClsid(&clsid)) return CString();
    TCHAR szTemp[MAX_PATH] = {};
    ::GetTempPath(MAX_PATH, szTemp);
    CString strPath;
    strPath.Format(_T("%sRIZBenchPanel%lu.png"), szTemp, ::GetCurrentProcessId());
    return bitmap.Save(CStringW(strPath), &clsid, nullptr) == Gdiplus::Ok ? strPath : CString();
}

void SmartImageSuite() {
    if (!CQVGdiplusImage::EnsureGdiplus()) return;
    const CString strPanel = WritePanelImage();
    CQVSmartImage image;
    if (strPanel.IsEmpty() || !image.SetImage(strPanel)) {
        std::printf("smart image: no test image\n");
        return;
    }
    ::DeleteFile(strPanel);
    image.SetDrawType(SIDT_9CELL);
    image.Parse9CellParams(_T("12,12,12,12,12,12,12,12"));
    image.SetDraw9CellCenter(TRUE);

    Gdiplus::Bitmap target(300, 200, PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(&target);
    const CRect rcDest(10, 10, 290, 190);

    Gdiplus::ColorMatrix matrix = {};
    for (int i = 0; i < 5; ++i)
        matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = 0.5f;
    Gdiplus::ImageAttributes half;
    half.SetColorMatrix(&matrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeBitmap);

    rizbench::Suite smart(
        "smart image, nine cells into 280 x 180", "one GDI+ DrawImage of the whole image, stretched, 50%",
        [&](int n) {
            for (int i = 0; i < n; ++i)
                graphics.DrawImage(image.GetImage(), Gdiplus::Rect(10, 10, 280, 180), 0, 0, 48, 48,
                                   Gdiplus::UnitPixel, &half);
            graphics.Flush(Gdiplus::FlushIntentionSync);
        },
        100);
    smart.Add("CQVSmartImage nine cells, 50% opacity", [&](int n) {
        for (int i = 0; i < n; ++i)
            image.DrawImage(&graphics, rcDest, 0, 0.5f);
        graphics.Flush(Gdiplus::FlushIntentionSync);
    });
    smart.Add("CQVSmartImage nine cells, opaque", [&](int n) {
        for (int i = 0; i < n; ++i)
            image.DrawImage(&graphics, rcDest, 0, 1.0f);
        graphics.Flush(Gdiplus::FlushIntentionSync);
    });
}

const rizbench::Register registerPaint(&PaintSuite, {"paint memory DC, 400 x 300 window"});
const rizbench::Register registerSmartImage(&SmartImageSuite, {"smart image, nine cells into 280 x 180"});

}  // namespace
