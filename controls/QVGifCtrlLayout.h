// The GIF control's arithmetic: the frame step, the timer period from the frame delays, where the
// image goes in the client area, and the plausibility of a file's header.
#pragma once

#include <afxwin.h>

#include <vector>

// The identifier the frame timer is started with.
constexpr UINT_PTR kQVGifTimerId = 1;
// The period used when a frame's delay times ten is below 10 ms (a delay of 0, or none in the file).
constexpr UINT kQVGifFloorPeriod = 200;

// One advance: the frame to select (-1: none, the image keeps its active frame), the current frame
// after it and the frame whose delay sets the next period (the frame just selected, frame 0 for -1).
struct QVGifStep {
    int nSelect;
    int nNext;
    int nDelayFrame;
};

inline QVGifStep QVGifAdvanceStep(int nCurrent, int nFrames) {
    QVGifStep step;
    step.nSelect = nCurrent >= 0 && nCurrent < nFrames ? nCurrent : -1;
    step.nNext = step.nSelect + 1 >= nFrames ? 0 : step.nSelect + 1;
    step.nDelayFrame = step.nSelect < 0 ? 0 : step.nSelect;
    return step;
}

// The timer period of a frame in milliseconds: its delay (hundredths of a second) times 10, and the
// floor when that is below 10. A frame without an entry in the list counts as a delay of 0; an
// absurd delay stays within the platform's longest timer.
inline UINT QVGifTimerPeriod(const std::vector<UINT>& delays, int nFrame) {
    const unsigned long long nDelay =
        nFrame >= 0 && static_cast<size_t>(nFrame) < delays.size() ? delays[static_cast<size_t>(nFrame)] : 0;
    const unsigned long long nMillis = nDelay * 10;
    if (nMillis < 10) return kQVGifFloorPeriod;
    return nMillis > USER_TIMER_MAXIMUM ? USER_TIMER_MAXIMUM : static_cast<UINT>(nMillis);
}

// Where an image of cx x cy goes in rcClient: its natural size centred when it fits, otherwise scaled
// down to the full width or height with its proportions kept (single precision ratios, truncated
// sizes) and centred on the other side. Empty when nothing is to be drawn.
inline CRect QVGifFitRect(const CRect& rcClient, int cx, int cy) {
    const int cxClient = rcClient.Width(), cyClient = rcClient.Height();
    if (cxClient <= 0 || cyClient <= 0 || cx <= 0 || cy <= 0) return CRect();
    if (cx <= cxClient && cy <= cyClient) {
        const int x = rcClient.left + (cxClient - cx) / 2, y = rcClient.top + (cyClient - cy) / 2;
        return CRect(x, y, x + cx, y + cy);
    }
    const float rx = static_cast<float>(cx) / static_cast<float>(cxClient);
    const float ry = static_cast<float>(cy) / static_cast<float>(cyClient);
    if (ry <= rx) {
        const int cyFit = static_cast<int>(static_cast<float>(cy) / rx);
        const int y = rcClient.top + (cyClient - cyFit) / 2;
        return CRect(rcClient.left, y, rcClient.right, y + cyFit);
    }
    const int cxFit = static_cast<int>(static_cast<float>(cx) / ry);
    const int x = rcClient.left + (cxClient - cxFit) / 2;
    return CRect(x, rcClient.top, x + cxFit, rcClient.bottom);
}

// Whether the first bytes of an image file name a size the control may decode: a GIF's logical screen
// or a PNG's header at most 16384 pixels a side and 32 M pixels in all. Other formats pass: the
// decoder checks them itself.
inline bool QVGifHeaderPlausible(const BYTE* pData, size_t nSize) {
    unsigned long long cx = 0, cy = 0;
    if (nSize >= 6 && memcmp(pData, "GIF8", 4) == 0) {
        if (nSize < 10) return false;
        cx = pData[6] | (pData[7] << 8);
        cy = pData[8] | (pData[9] << 8);
    } else if (nSize >= 8 && memcmp(pData, "\x89PNG", 4) == 0) {
        if (nSize < 24) return false;
        cx = (static_cast<unsigned long long>(pData[16]) << 24) | (pData[17] << 16) | (pData[18] << 8) |
             pData[19];
        cy = (static_cast<unsigned long long>(pData[20]) << 24) | (pData[21] << 16) | (pData[22] << 8) |
             pData[23];
    } else {
        return true;
    }
    return cx > 0 && cy > 0 && cx <= 16384 && cy <= 16384 && cx * cy <= 32ull * 1024 * 1024;
}

// Walks a GIF file's blocks: the number of images of a complete file (through its trailer), -1 for a
// GIF that is truncated or malformed, 0 for a file that is not a GIF. Reads nothing past nSize.
inline int QVGifCountFrames(const BYTE* pData, size_t nSize) {
    if (nSize < 6 || memcmp(pData, "GIF8", 4) != 0) return 0;
    if (nSize < 13) return -1;
    size_t i = 13;
    auto skipTable = [&](BYTE flags) { i += (flags & 0x80) ? 3 * (size_t(2) << (flags & 7)) : 0; };
    auto skipSubBlocks = [&]() {
        while (i < nSize && pData[i] != 0)
            i += size_t(pData[i]) + 1;
        if (i >= nSize) return false;
        ++i;
        return true;
    };
    skipTable(pData[10]);
    int nFrames = 0;
    while (i < nSize) {
        const BYTE kind = pData[i++];
        if (kind == 0x3B) return nFrames;
        if (kind == 0x21) {
            if (++i > nSize || !skipSubBlocks()) return -1;  // the label, then its data
        } else if (kind == 0x2C) {
            if (i + 9 > nSize) return -1;
            const BYTE flags = pData[i + 8];
            i += 9;
            skipTable(flags);
            if (++i > nSize || !skipSubBlocks()) return -1;  // the LZW code size, then the data
            ++nFrames;
        } else {
            return -1;
        }
    }
    return -1;
}
