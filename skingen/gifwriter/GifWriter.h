// The one GIF writer of the tree: animated GIFs with a palette, frame delays, a transparent colour and a
// disposal per frame, compressed with LZW. The gallery's animations are drawn with it at build time and
// the tests write their known frames with it.
#pragma once

#include <cstdint>
#include <vector>

// One frame covering the whole picture: a palette index per pixel, rows top to bottom.
struct GifFrame {
    std::vector<std::uint8_t> indices;
    unsigned nDelay = 0;    // hundredths of a second
    int nTransparent = -1;  // palette index not drawn, -1 for none
    int nDisposal = 1;      // 1 keep the frame, 2 restore the background, 3 restore the previous frame
    bool bControl = true;   // write the frame's control extension (delay, transparency, disposal)
};

struct GifImage {
    int cx = 0;
    int cy = 0;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB, at most 256 colours
    std::vector<GifFrame> frames;
    int nLoops = 0;  // written for more than one frame; 0 loops for ever
    // What a frame disposed to the background leaves: a transparent index keeps the picture clear.
    int nBackground = 0;
};

// The file's bytes. The palette is padded to a power of two; an index above it reads as colour 0.
std::vector<std::uint8_t> EncodeGif(const GifImage& image);

// The LZW code stream of a frame (the minimum code size byte, then sub-blocks and their terminator):
// codes grow from nMinCodeSize + 1 to 12 bits, and a clear code starts over when the table is full.
std::vector<std::uint8_t> EncodeGifLzw(const std::vector<std::uint8_t>& indices, int nMinCodeSize);

// A picture of flat frames: frame f is all colours[f] (palette index f) and waits delays[f]
// hundredths; with nTransparent >= 0 that frame index's colour is the transparent one.
GifImage FlatFramesGif(int cx, int cy, const std::vector<std::uint32_t>& colours,
                       const std::vector<unsigned>& delays, int nTransparent = -1);
