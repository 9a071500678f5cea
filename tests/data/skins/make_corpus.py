#!/usr/bin/env python3
"""Writes the bad-input corpus of the skin and language tests: tests/data/skins/* and
tests/data/languages/*. Run from anywhere; the files are kept in the repository."""
import os
import struct
import zlib

DATA = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def bmp(w, h, color=(0, 128, 255)):
    stride = (w * 3 + 3) // 4 * 4
    row = bytes(color[::-1]) * w + b'\0' * (stride - w * 3)
    data = row * h
    hdr = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return hdr + info + data


def png_header(w, h):
    ihdr = struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + struct.pack('>I', 13) + b'IHDR' + ihdr +
            struct.pack('>I', zlib.crc32(b'IHDR' + ihdr)))


def png(w, h):
    raw = b''.join(b'\0' + b'\x10\x80\xf0' * w for _ in range(h))
    comp = zlib.compress(raw)
    idat = struct.pack('>I', len(comp)) + b'IDAT' + comp + struct.pack('>I', zlib.crc32(b'IDAT' + comp))
    iend = struct.pack('>I', 0) + b'IEND' + struct.pack('>I', zlib.crc32(b'IEND'))
    return png_header(w, h) + idat + iend


def write(path, data):
    path = os.path.join(DATA, path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data if isinstance(data, bytes) else data.encode('utf-8'))


BAD_IMAGES = '''; Images that are damaged in every way: the skin loads, each of them stays empty.
[Skin]
Name=Bad images

[Window]
CaptionHeight=26
; zero bytes
Caption=Common\\Window\\Caption.bmp
; the pixel rows are cut off
CloseBtn=Common\\Window\\CloseBtn.bmp
; the PNG header announces 100000 x 100000 pixels
MinBtn=Common\\Window\\MinBtn.png
; a BMP header and nothing else
MaxBtn=Common\\Window\\MaxBtn.bmp
; no such file
RestoreBtn=Common\\Window\\NoSuchFile.bmp
; no such mask
MaskTopLeft=NoSuchMask.bmp

[Button]
; good: 4 frames of 4 x 6
PushBtn=Common\\Button\\PushBtn.bmp
; 8 pixels wide for 11 frames
CheckBox=Common\\Button\\CheckBox.bmp
; 10 pixels wide for 3 frames: loads, but skincheck reports it
ComboDrop=Common\\Button\\ComboDrop.bmp
; random bytes
Spin=Common\\Button\\Spin.bmp
; a PNG without its end
Header=Common\\Button\\Header.png
; a good PNG: 4 frames of 3 x 5
Tab=Common/Button/Tab.png
'''

BAD_VALUES = '''; Values that do not parse keep the record's default; the rest of the skin loads.
[Skin]
Name=Bad values

[Window]
CaptionHeight=tall
LeftBorderSize=99999999999
RightBorderSize=7
BorderLayout=0x1G
TitleLeft=-12
IconLeft=0x10
BtnKey=255,0
ClientBkColor=256,0,0
CornerTopLeft=0,0 1
CornerTopRight=0,3 1,1 3,0
just some text
=a value without a key
[Broken
Ignored=1

[Colors]
Color3=1,2,3,4
Color4=10, 20 ,30
Color17=1,2,3
Color05=1,2,3

[Mystery]
Foo=1
'''


def main():
    write('skins/missing-description/Common/Window/Caption.bmp', bmp(8, 6))
    write('skins/garbage-description/skin.ini', bytes((i * 73 + 41) % 256 for i in range(512)))
    # Cut in the middle of a UTF-8 sequence.
    write('skins/truncated-description/skin.ini',
          ('[Skin]\nName=翡翠\n[Window]\nCaptionHeight=24\nTitleLeft=8\n; 翠').encode('utf-8')[:-2])
    write('skins/truncated-after-window/skin.ini',
          '[Skin]\nName=Cut short\n\n[Window]\nCaptionHeight=27\nLeftBorderSi')
    write('skins/no-window-section/skin.ini', '[Skin]\nName=No window\n\n[Button]\nPushBtnHeight=20\n')
    write('skins/nul-description/skin.ini', b'[Window]\nCaptionHeight=26\nTitleLeft=\x008\n')

    write('skins/bad-images/skin.ini', BAD_IMAGES)
    write('skins/bad-images/Common/Window/Caption.bmp', b'')
    write('skins/bad-images/Common/Window/CloseBtn.bmp', bmp(16, 4)[:54 + 40])
    write('skins/bad-images/Common/Window/MinBtn.png',
          png_header(100000, 100000) + b'\0\0\0\0IEND\xaeB`\x82')
    write('skins/bad-images/Common/Window/MaxBtn.bmp', bmp(16, 4)[:30])
    write('skins/bad-images/Common/Button/PushBtn.bmp', bmp(16, 6))
    write('skins/bad-images/Common/Button/CheckBox.bmp', bmp(8, 8))
    write('skins/bad-images/Common/Button/ComboDrop.bmp', bmp(10, 5))
    write('skins/bad-images/Common/Button/Spin.bmp', bytes((i * 131 + 7) % 256 for i in range(300)))
    write('skins/bad-images/Common/Button/Header.png', png(8, 4)[:40])
    write('skins/bad-images/Common/Button/Tab.png', png(12, 5))

    write('skins/bad-values/skin.ini', BAD_VALUES)

    write('languages/invalid-utf8.lng', b'IDS_OK=Fine\nIDS_CANCEL=\xc3\x28\n')
    write('languages/overlong-utf8.lng', b'IDS_OK=\xc0\xaf\n')
    write('languages/surrogate-utf8.lng', b'IDS_OK=\xed\xa0\x80\n')
    write('languages/truncated-utf8.lng', 'IDS_OK=确定'.encode('utf-8')[:-1])
    write('languages/nul-bytes.lng', b'IDS_OK=O\x00K\n')
    write('languages/no-equals.lng', 'IDS_OK=Okay\nthis line has no equals sign\nIDS_CANCEL=Stop\n=no key\n')
    write('languages/duplicate-keys.lng', 'IDS_OK=First\nIDS_CANCEL=Stop\nIDS_OK=Second\nIDS_OK=Third\n')
    write('languages/bom-crlf.lng',
          '\ufeffIDS_OK=Okay\r\n; comment\r\n  # comment\r\n\r\n  IDS_CANCEL  =Stop \r\nIDS_YES=是\r\n')
    write('languages/escapes.lng', 'IDS_ESC=one\\ntwo\\tthree\\\\four\\x\\\nIDS_EQ=a=b=c\nIDS_EMPTY=\n')


if __name__ == '__main__':
    main()
