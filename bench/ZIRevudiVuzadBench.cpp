// Image figures: CQVBitmap's keyed drawing of one frame against a raw TransparentBlt of the same pixels
// from a ready memory DC, its edge-keeping fill against a raw stretched TransparentBlt, and the mask
// region of a window corner image.
#include <afxwin.h>

#include <vector>

#include "Bench.h"
#include "QVBitmap.h"
#include "QVDibSection.h"

namespace {

const int kFrameW = 60, kFrameH = 24, kFrames = 4;
const COLORREF kKey = RGB(255, 0, 255);

// A push-button strip: rounded corners in the key colour around a face shaded per frame.
COLORREF StripPixel(int x, int y) {
    int f = x / kFrameW, fx = x % kFrameW;
    int dx = fx < 3 ? 3 - fx : (fx >= kFrameW - 3 ? fx - (kFrameW - 4) : 0);
    int dy = y < 3 ? 3 - y : (y >= kFrameH - 3 ? y - (kFrameH - 4) : 0);
    if (dx * dx + dy * dy > 9) return kKey;
    return RGB(40 + f * 40, 90 + y * 4, 200 - fx);
}

// The strip as a 24-bit DIB section, the usual form of a raw skin bitmap.
HBITMAP MakeStrip24() {
    const int cx = kFrameW * kFrames, cy = kFrameH;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    const int nStride = (cx * 3 + 3) & ~3;
    for (int y = 0; y < cy; ++y) {
        BYTE* pRow = static_cast<BYTE*>(pBits) + y * nStride;
        for (int x = 0; x < cx; ++x) {
            COLORREF clr = StripPixel(x, y);
            pRow[x * 3] = GetBValue(clr);
            pRow[x * 3 + 1] = GetGValue(clr);
            pRow[x * 3 + 2] = GetRValue(clr);
        }
    }
    return hBitmap;
}

// A 32-bit target like a paint surface.
struct Target {
    HDC hDC = ::CreateCompatibleDC(NULL);
    HBITMAP hBitmap = NULL;
    HGDIOBJ hOld = NULL;
    CDC dc;
    Target(int cx, int cy) {
        hBitmap = QVCreateDib32(cx, cy);
        hOld = ::SelectObject(hDC, hBitmap);
        dc.Attach(hDC);
    }
    ~Target() {
        dc.Detach();
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hDC);
    }
};

void BitmapSuites() {
    static Target target(400, 100);
    static HBITMAP hRaw = MakeStrip24();
    static HDC hRawDC = [] {
        HDC hdc = ::CreateCompatibleDC(NULL);
        ::SelectObject(hdc, hRaw);
        return hdc;
    }();
    static CQVBitmap strip = [] {
        CQVBitmap bmp;
        bmp.AttachBitmap(MakeStrip24());
        bmp.SetMultiState(kFrames);
        bmp.SetFillParam(6, 6);
        return bmp;
    }();

    rizbench::Suite keyed(
        "keyed frame draw (60x24)", "raw TransparentBlt from a ready memory DC",
        [](int n) {
            for (int i = 0; i < n; ++i)
                ::TransparentBlt(target.hDC, 10, 10, kFrameW, kFrameH, hRawDC, (i & 3) * kFrameW, 0, kFrameW,
                                 kFrameH, kKey);
        },
        20000);
    keyed.Add("CQVBitmap::TransparentDraw", [](int n) {
        for (int i = 0; i < n; ++i)
            strip.TransparentDraw(&target.dc, 10, 10, kKey, i & 3);
    });
    keyed.Add("CQVBitmap::Draw (no key)", [](int n) {
        for (int i = 0; i < n; ++i)
            strip.Draw(&target.dc, 10, 10, i & 3);
    });

    rizbench::Suite fill(
        "keyed fill of a 200x24 button", "raw stretched TransparentBlt of the frame",
        [](int n) {
            for (int i = 0; i < n; ++i)
                ::TransparentBlt(target.hDC, 10, 10, 200, kFrameH, hRawDC, (i & 3) * kFrameW, 0, kFrameW,
                                 kFrameH, kKey);
        },
        5000);
    fill.Add("CQVBitmap::TransparentDrawFill (edges 6/6)", [](int n) {
        for (int i = 0; i < n; ++i)
            strip.TransparentDrawFill(&target.dc, CRect(10, 10, 210, 10 + kFrameH), kKey, i & 3);
    });

    rizbench::Suite region(
        "mask region of a 60x24 frame", "CombineRgn of one rectangle per key pixel",
        [](int n) {
            for (int i = 0; i < n; ++i) {
                HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
                for (int y = 0; y < kFrameH; ++y)
                    for (int x = 0; x < kFrameW; ++x)
                        if (StripPixel(x, y) == kKey) {
                            HRGN hPixel = ::CreateRectRgn(x, y, x + 1, y + 1);
                            ::CombineRgn(hRgn, hRgn, hPixel, RGN_OR);
                            ::DeleteObject(hPixel);
                        }
                ::DeleteObject(hRgn);
            }
        },
        500);
    region.Add("CQVBitmap::CreateBitmapRgn", [](int n) {
        for (int i = 0; i < n; ++i) {
            CRgn rgn;
            strip.CreateBitmapRgn(rgn, kKey, 1, 0);
        }
    });
}

const rizbench::Register registerBitmaps(&BitmapSuites,
                                         {"keyed frame draw (60x24)", "keyed fill of a 200x24 button",
                                          "mask region of a 60x24 frame"});

}  // namespace
