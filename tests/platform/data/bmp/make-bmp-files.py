#!/usr/bin/env python3
# Writes the small bitmap files the bitmap tests decode (run once; the files are kept in the
# repository). Each has a 14-byte file header and a 40-byte info header, or the 12-byte core
# header of OS/2 bitmaps with BGR palette entries; the name says what is special about it.
import struct

RED_GREEN_BLUE = bytes([0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0])  # BGRx palette entries
BLACK_WHITE = bytes([0, 0, 0, 0, 255, 255, 255, 0])
ROWS = bytes(16)


def bmp(width, height, bits, compression, palette, rows, colours=None):
    offset = 14 + 40 + len(palette)
    used = len(palette) // 4 if colours is None else colours
    return (b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset)
            + struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, 0, 0, 0, used, 0)
            + palette + rows)


def core(width, height, bits, palette, rows):
    offset = 14 + 12 + len(palette)
    return (b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset)
            + struct.pack("<IHHHH", 12, width, height, 1, bits) + palette + rows)


files = {
    # Rows bottom-up unless the height is negative; 1- and 4-bit pixels high bits first.
    "paletted-8bit-top-down.bmp": bmp(2, -2, 8, 0, RED_GREEN_BLUE, bytes([0, 1, 0, 0, 2, 2, 0, 0])),
    "paletted-4bit.bmp": bmp(3, 1, 4, 0, RED_GREEN_BLUE, bytes([0x12, 0x00, 0, 0])),
    "paletted-1bit.bmp": bmp(9, 1, 1, 0, BLACK_WHITE, bytes([0x80, 0x80, 0, 0])),
    "core-header-1bit.bmp": core(3, 1, 1, bytes([255, 0, 0, 0, 0, 255]), bytes([0x40, 0, 0, 0])),
    "bgra-32bit.bmp": bmp(1, 2, 32, 0, b"", bytes([1, 2, 3, 0xFF, 4, 5, 6, 0xFF])),
    "rle8.bmp": bmp(2, 2, 8, 1, bytes(8), ROWS),
    "16bit.bmp": bmp(2, 2, 16, 0, b"", ROWS),
    "32bit-masks-other-than-8-8-8.bmp": bmp(2, 2, 32, 3, b"", ROWS),
    "zero-width.bmp": bmp(0, 2, 24, 0, b"", ROWS),
    "negative-width.bmp": bmp(-2, 2, 24, 0, b"", ROWS),
    "size-far-beyond-the-data.bmp": bmp(30000, 30000, 24, 0, b"", ROWS),
    "width-beyond-any-limit.bmp": bmp(0x7FFFFFFF, 1, 24, 0, b"", ROWS),
    "more-colours-than-8-bits-allow.bmp": bmp(2, 2, 8, 0, bytes(8), ROWS, colours=300),
    "bad-signature.bmp": b"X" + bmp(2, 2, 24, 0, b"", ROWS)[1:],
}
for name, data in files.items():
    with open(name, "wb") as out:
        out.write(data)
