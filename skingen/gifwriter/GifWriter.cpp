// GIF89a writing: the header and palette, the loop extension, then per frame its control extension,
// image descriptor and LZW data.
#include "GifWriter.h"

#include <unordered_map>

namespace {

// Packs codes of varying width least significant bit first, as GIF wants them.
class CBitPacker {
public:
    void Put(unsigned nCode, int nBits) {
        m_nAccum |= static_cast<std::uint32_t>(nCode) << m_nCount;
        m_nCount += nBits;
        while (m_nCount >= 8) {
            m_bytes.push_back(static_cast<std::uint8_t>(m_nAccum & 0xFF));
            m_nAccum >>= 8;
            m_nCount -= 8;
        }
    }
    std::vector<std::uint8_t> Finish() {
        if (m_nCount > 0) m_bytes.push_back(static_cast<std::uint8_t>(m_nAccum & 0xFF));
        m_nAccum = 0;
        m_nCount = 0;
        return std::move(m_bytes);
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_nAccum = 0;
    int m_nCount = 0;
};

void PutWord(std::vector<std::uint8_t>& out, unsigned n) {
    out.push_back(static_cast<std::uint8_t>(n & 0xFF));
    out.push_back(static_cast<std::uint8_t>((n >> 8) & 0xFF));
}

// Bits of the colour table size: the smallest n >= 1 with 2^n entries for the palette.
int TableBits(size_t nColours) {
    int n = 1;
    while ((size_t(1) << n) < nColours && n < 8)
        ++n;
    return n;
}

}  // namespace

std::vector<std::uint8_t> EncodeGifLzw(const std::vector<std::uint8_t>& indices, int nMinCodeSize) {
    const unsigned nClear = 1u << nMinCodeSize, nEnd = nClear + 1;
    const unsigned nMask = nClear - 1;
    CBitPacker bits;
    int nCodeSize = nMinCodeSize + 1;
    unsigned nNext = nEnd + 1;
    // A string is its prefix's code and one more index.
    std::unordered_map<std::uint32_t, unsigned> table;
    bits.Put(nClear, nCodeSize);
    if (!indices.empty()) {
        unsigned nPrefix = indices[0] & nMask;
        for (size_t i = 1; i < indices.size(); ++i) {
            const unsigned k = indices[i] & nMask;
            const std::uint32_t key = (nPrefix << 8) | k;
            const auto it = table.find(key);
            if (it != table.end()) {
                nPrefix = it->second;
                continue;
            }
            bits.Put(nPrefix, nCodeSize);
            table.emplace(key, nNext++);
            // The decoder widens its codes when its table reaches the next power of two; it adds each
            // entry one code later than the encoder does.
            if (nNext > (1u << nCodeSize) && nCodeSize < 12) ++nCodeSize;
            if (nNext == 4096) {
                bits.Put(nClear, nCodeSize);
                table.clear();
                nCodeSize = nMinCodeSize + 1;
                nNext = nEnd + 1;
            }
            nPrefix = k;
        }
        bits.Put(nPrefix, nCodeSize);
    }
    bits.Put(nEnd, nCodeSize);
    const std::vector<std::uint8_t> data = bits.Finish();

    std::vector<std::uint8_t> out;
    out.push_back(static_cast<std::uint8_t>(nMinCodeSize));
    for (size_t i = 0; i < data.size(); i += 255) {
        const size_t n = data.size() - i < 255 ? data.size() - i : 255;
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(i),
                   data.begin() + static_cast<std::ptrdiff_t>(i + n));
    }
    out.push_back(0);
    return out;
}

std::vector<std::uint8_t> EncodeGif(const GifImage& image) {
    const int nBits = TableBits(image.palette.size());
    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    PutWord(out, static_cast<unsigned>(image.cx));
    PutWord(out, static_cast<unsigned>(image.cy));
    out.push_back(static_cast<std::uint8_t>(0x80 | ((nBits - 1) << 4) | (nBits - 1)));
    out.push_back(static_cast<std::uint8_t>(image.nBackground));
    out.push_back(0);  // no aspect ratio
    for (size_t i = 0; i < (size_t(1) << nBits); ++i) {
        const std::uint32_t rgb = i < image.palette.size() ? image.palette[i] : 0;
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));
        out.push_back(static_cast<std::uint8_t>(rgb));
    }
    if (image.frames.size() > 1) {
        const std::uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C',
                                     'A',  'P',  'E',  '2', '.', '0', 3,   1};
        out.insert(out.end(), loop, loop + sizeof(loop));
        PutWord(out, static_cast<unsigned>(image.nLoops));
        out.push_back(0);
    }
    // The smallest code size GIF allows is 2, even for a two-colour table.
    const int nMinCodeSize = nBits < 2 ? 2 : nBits;
    for (const GifFrame& frame : image.frames) {
        if (frame.bControl) {
            const bool bKey = frame.nTransparent >= 0;
            out.insert(out.end(), {0x21, 0xF9, 0x04});
            out.push_back(static_cast<std::uint8_t>(((frame.nDisposal & 7) << 2) | (bKey ? 1 : 0)));
            PutWord(out, frame.nDelay);
            out.push_back(static_cast<std::uint8_t>(bKey ? frame.nTransparent : 0));
            out.push_back(0);
        }
        out.push_back(0x2C);
        PutWord(out, 0);
        PutWord(out, 0);
        PutWord(out, static_cast<unsigned>(image.cx));
        PutWord(out, static_cast<unsigned>(image.cy));
        out.push_back(0);  // no local table, not interlaced
        std::vector<std::uint8_t> indices = frame.indices;
        indices.resize(static_cast<size_t>(image.cx) * static_cast<size_t>(image.cy), 0);
        const std::vector<std::uint8_t> data = EncodeGifLzw(indices, nMinCodeSize);
        out.insert(out.end(), data.begin(), data.end());
    }
    out.push_back(0x3B);
    return out;
}

GifImage FlatFramesGif(int cx, int cy, const std::vector<std::uint32_t>& colours,
                       const std::vector<unsigned>& delays, int nTransparent) {
    GifImage image;
    image.cx = cx;
    image.cy = cy;
    image.palette = colours;
    for (size_t f = 0; f < colours.size(); ++f) {
        GifFrame frame;
        frame.indices.assign(static_cast<size_t>(cx) * static_cast<size_t>(cy), static_cast<std::uint8_t>(f));
        frame.nDelay = f < delays.size() ? delays[f] : 0;
        frame.nTransparent = nTransparent;
        frame.nDisposal = nTransparent >= 0 ? 2 : 1;
        image.frames.push_back(std::move(frame));
    }
    if (nTransparent >= 0) image.nBackground = nTransparent;
    return image;
}
