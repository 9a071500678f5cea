#!/usr/bin/env python3
"""Writes the small image files the image tests read: good samples and the bad-input corpus.

Run once from this folder; the files are kept in the repository, so the tests need no Python."""
import random
import struct
import zlib


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(width, height, rows_rgba, claimed=None):
    """rows_rgba: list of rows of (r, g, b, a). claimed overrides the size written in the header."""
    cw, ch = claimed or (width, height)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows_rgba)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", struct.pack(">IIBBBBB", cw, ch, 8, 6, 0, 0, 0)) +
            png_chunk(b"IDAT", zlib.compress(raw)) + png_chunk(b"IEND", b""))


def bmp24(width, height, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        rows.append(row + b"\0" * (stride - width * 3))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    return head + info + bits


def bmp_raw(width, height, bit_count, compression, bits, palette=b"", masks=b"", top_down=False):
    """A BMP with a 40-byte header around given pixel data (rows as the format wants them)."""
    colours = len(palette) // 4
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bit_count, compression,
                       len(bits), 2835, 2835, colours, 0)
    offset = 14 + len(info) + len(masks) + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + info + masks + palette + bits


# The 4 x 2 picture every BMP variant holds: top row red, green, blue, white; bottom row black, magenta,
# yellow, cyan.
VARIANT = [[(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)],
           [(0, 0, 0), (255, 0, 255), (255, 255, 0), (0, 255, 255)]]


def bmp_variants():
    colours = VARIANT[0] + VARIANT[1]
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    index = {c: i for i, c in enumerate(colours)}
    # 8 bits a pixel with a palette, bottom-up, rows padded to 4 bytes.
    pal8 = b"".join(bytes(index[c] for c in row) for row in reversed(VARIANT))
    # RLE8: each row as runs of one pixel, then end of line; end of bitmap at the end.
    rle = b""
    for row in reversed(VARIANT):
        rle += b"".join(bytes((1, index[c])) for c in row) + b"\0\0"
    rle += b"\0\1"
    # 32 bits, top-down, fourth byte unused (0).
    top32 = b"".join(bytes((b, g, r, 0)) for row in VARIANT for r, g, b in row)
    # 16 bits 5-6-5 with bit-field masks, bottom-up.
    def rgb565(r, g, b):
        return struct.pack("<H", ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3))
    b565 = b"".join(b"".join(rgb565(*c) for c in row) for row in reversed(VARIANT))
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    return {
        "pal8.bmp": bmp_raw(4, 2, 8, 0, pal8, palette),
        "rle8.bmp": bmp_raw(4, 2, 8, 1, rle, palette),
        "top32.bmp": bmp_raw(4, 2, 32, 0, top32, top_down=True),
        "bf565.bmp": bmp_raw(4, 2, 16, 3, b565, masks=masks),
    }


def gif_lzw(indices, min_code_size=2):
    """LZW data that never grows past the first code width: a clear code before every two pixels."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    width = min_code_size + 1
    codes = []
    for i in range(0, len(indices), 2):
        codes.append(clear)
        codes.extend(indices[i:i + 2])
    codes.append(end)
    bits, nbits, out = 0, 0, bytearray()
    for code in codes:
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    blocks = b"".join(bytes((len(out[i:i + 255]),)) + bytes(out[i:i + 255]) for i in range(0, len(out), 255))
    return bytes((min_code_size,)) + blocks + b"\0"


def animated_gif(width, height, frames, loops=0):
    """frames: list of (palette index, delay in hundredths); palette red, green, blue, white.
    loops: the loop count written in the file (0: for ever)."""
    palette = bytes((255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255))
    data = b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF1, 0, 0) + palette
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01" + struct.pack("<H", loops) + b"\0"
    for index, delay in frames:
        data += b"\x21\xF9\x04" + bytes((0x04,)) + struct.pack("<H", delay) + b"\0\0"  # keep, no key
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        data += gif_lzw([index] * (width * height))
    return data + b"\x3B"


def ico_32(size, rgba):
    """An icon with one 32-bit image of size x size pixels, all of colour rgba."""
    r, g, b, a = rgba
    xor = bytes((b, g, r, a)) * (size * size)
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    return (struct.pack("<HHH", 0, 1, 1) +
            struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16) + image)


def write(name, data):
    with open(name, "wb") as f:
        f.write(data)


def main():
    rng = random.Random(6)
    # Good samples.
    four = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 0, 255)]
    write("frames4.bmp", bmp24(16, 4, lambda x, y: four[x // 4]))
    write("alpha.png", png(4, 2, [[(255, 0, 0, 255), (0, 255, 0, 128), (0, 0, 255, 0), (255, 255, 255, 255)]] * 2))
    write("anim3.gif", animated_gif(8, 8, [(0, 10), (1, 20), (2, 0)]))
    for name, data in bmp_variants().items():
        write(name, data)
    write("anim-twice.gif", animated_gif(8, 8, [(0, 5), (2, 5)], loops=2))
    write("still.gif", animated_gif(8, 8, [(1, 0)]))
    write("icon.ico", ico_32(16, (0, 0, 255, 255)))
    # Bad input.
    write("empty.bmp", b"")
    good = bmp24(16, 16, lambda x, y: (10, 20, 30))
    write("truncated.bmp", good[:len(good) // 2])
    write("header-only.bmp", good[:14])
    write("garbage.bmp", b"BM" + bytes(rng.randrange(256) for _ in range(300)))
    huge_info = struct.pack("<IiiHHIIiiII", 40, 100000, 100000, 1, 24, 0, 0, 2835, 2835, 0, 0)
    write("huge.bmp", struct.pack("<2sIHHI", b"BM", 14 + 40 + 12, 0, 0, 14 + 40) + huge_info + b"\0" * 12)
    write("garbage.png", bytes(rng.randrange(256) for _ in range(300)))
    write("huge.png", png(1, 1, [[(0, 0, 0, 255)]], claimed=(100000, 100000)))
    small = png(8, 8, [[(1, 2, 3, 255)] * 8] * 8)
    write("truncated.png", small[:45])
    write("huge.gif", animated_gif(1, 1, [(0, 0)])[:6] + struct.pack("<HH", 65535, 65535) +
          animated_gif(1, 1, [(0, 0)])[10:])
    jpeg_sof = b"\xFF\xD8\xFF\xC0" + struct.pack(">HBHHB", 11, 8, 60000, 60000, 1) + b"\x01\x11\x00"
    write("huge.jpg", jpeg_sof + b"\xFF\xD9")
    write("text.png", b"this is not an image, only text named like one\n")
    # Bad GIFs for the GIF control: cut in the second frame's data, a header with nothing after it, and
    # a GIF signature before noise.
    anim = animated_gif(8, 8, [(0, 10), (1, 20), (2, 0)])
    write("truncated-anim.gif", anim[:len(anim) * 2 // 3])
    write("header-only.gif", anim[:13])
    write("garbage.gif", b"GIF89a" + bytes(random.Random(7).randrange(256) for _ in range(200)))


if __name__ == "__main__":
    main()
