#!/usr/bin/env python3
"""Writes controls/QVHand.cur, the hand cursor of link labels (resource 4000 of RIZuruzezu.dll, in
controls/QVLabel.rc).

A 32 x 32 monochrome cursor drawn from the picture below: '#' black, '.' white, anything else
transparent; the hot spot is the tip of the index finger. Run it from any folder:
    python3 scripts/make-hand-cursor.py
and commit the file it writes.
"""
import os
import struct

PICTURE = [
    "     ##          ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..###       ",
    "    #..#..###    ",
    "    #..#..#..##  ",
    "    #..#..#..#.# ",
    " ## #..#..#..#..#",
    "#..##...........#",
    "#...#...........#",
    " #..............#",
    "  #.............#",
    "  #.............#",
    "   #............#",
    "   #...........# ",
    "    #..........# ",
    "    #.........#  ",
    "     #........#  ",
    "     #........#  ",
    "     ##########  ",
]
HOT_SPOT = (5, 0)
SIZE = 32


def pixel(x, y):
    if y >= len(PICTURE) or x >= len(PICTURE[y]):
        return " "
    return PICTURE[y][x]


def rows(bit_of):
    """The 1-bit rows of the image, bottom row first, each 4 bytes."""
    data = b""
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | bit_of(pixel(x, y))
        data += struct.pack(">I", bits)
    return data


def main():
    xor_mask = rows(lambda c: 1 if c == "." else 0)  # colour 1 (white) where white
    and_mask = rows(lambda c: 0 if c in "#." else 1)  # the screen shows through elsewhere
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = os.path.join(root, "controls", "QVHand.cur")
    with open(path, "wb") as f:
        f.write(directory + entry + image)


if __name__ == "__main__":
    main()
