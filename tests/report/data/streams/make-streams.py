#!/usr/bin/env python3
"""Writes the hand-made page streams of this folder again (older versions and damaged files).

To add a case, add a line to STREAMS below, run this script, then rewrite the golden listing
(VELMORA_UPDATE_GOLDEN=1 on the report tests) and review what it reads of the new file.
Values are little-endian, as the writer stores them.
"""
import pathlib
import struct


def byte(v): return struct.pack("<B", v)
def word(v): return struct.pack("<H", v)
def int32(v): return struct.pack("<i", v)
def single(*vs): return b"".join(struct.pack("<f", v) for v in vs)
def text(s): return byte(len(s)) + s  # short form: fewer than 192 bytes


def header(pages=1):
    """A version-2017 header of a report titled T with the given page count, 8.5 x 11 inches."""
    return (b"Z" + word(2017) + text(b"T") + word(pages) + word(1) + word(9999)
            + single(8.5, 11, 0, 0, 0, 0) + byte(0) + word(265) + byte(0) + byte(0)
            + word(1) + word(1) + word(0) + word(0) + text(b""))


HEADER_SIZE = len(header())
DRAWING = HEADER_SIZE + 19  # the first command after the first page start


def page_start(previous=0, next=0):
    return byte(80) + int32(previous) + int32(next) + word(1) + single(8.5, 11)


def one_page(body, pages=1):
    return header(pages) + page_start() + body + byte(82)


def left_text(s):
    return byte(24) + single(1) + text(s) + single(1)


def value(name, size, kind, rest):
    """A report variable record: its name, the record size, then a kind byte and the rest."""
    return byte(37) + text(name) + byte(size) + byte(kind) + rest


def older(code):
    """Versions Q and Y: whole pen, brush and font records and the older block text."""
    y = code == b"Y"
    out = code + word(1) + word(1) + word(9999) + single(8.5, 11, 0, 0, 0, 0) + byte(0)
    out += (word(265) + byte(0) + byte(0)) if y else b""
    out += word(1) + word(1) + word(0) + word(0) + text(b"")
    out += byte(80) + int32(0) + int32(0) + word(1) + (single(8.5, 11) if y else byte(0))
    out += byte(70) + int32(255) + byte(4) + byte(0) + single(0.01)  # pen record
    out += byte(40) + int32(0x00FF00) + byte(1) + byte(0)  # brush record
    out += byte(50) + text(b"Courier New") + int32(7) + byte(2) + byte(1) + single(0.25)
    out += byte(1) + byte(0) + byte(1) + byte(0)  # font record, its styles
    out += byte(54) + single(1 / 6) + (single(3) if y else b"")
    return out + byte(32) + single(2) + text(b"old") + single(1, 3) + byte(82)


MACRO = b"\xfd$RPCV\xfcv\xfb"  # the variable v as a macro
WITH_TEXT = one_page(left_text(b"hello"))

STREAMS = {
    "older-version-q": older(b"Q"),
    "older-version-y": older(b"Y"),
    # Code 4 is reserved: its rectangles and number are read and nothing is drawn.
    "reserved-code": one_page(byte(4) + single(1, 1, 2, 2) + int32(7) + single(1, 1, 2, 2)),
    # Renderer texts 0 and 1 are "zero" and "one", 14 names the renderer; x1 is no macro, and a
    # variable without its end byte takes the rest as its name.
    "macros": one_page(left_text(b"[\xfd$RPCM17][\xfd$RPCM18][\xfd$RPCM14][\xfd$RPCM99][\xfd$RPCMx1]"
                                 b"[\xfd$RPCV\xfcmissing")),
    "bad-header-code": b"X",
    "empty-file": b"",
    "missing-page-start": header() + byte(81),
    "undefined-code": one_page(byte(0x2C)),
    "page-start-inside-a-page": one_page(byte(80)),
    "truncated-inside-a-command": WITH_TEXT[:-6],
    "truncated-header": header()[:20],
    "string-longer-than-the-data": one_page(byte(30) + byte(0xFF) + byte(0xFF)),
    "graphic-size-beyond-the-data": one_page(byte(17) + byte(1) + int32(1 << 30)),
    "negative-graphic-size": one_page(byte(17) + byte(1) + int32(-5)),
    "raw-stream-count-beyond-the-data": one_page(byte(31) + int32(0x7FFFFFFF)),
    "polygon-count-beyond-the-data": one_page(byte(14) + word(0xFFFF)),
    "graphic-reference-to-itself": one_page(byte(17) + byte(0x81) + int32(DRAWING + 2)),
    "graphic-reference-forward": one_page(byte(17) + byte(0x81) + int32(100000)),
    "graphic-reference-negative": one_page(byte(17) + byte(0x81) + int32(-4)),
    "value-reference-to-itself": one_page(value(b"v", 4, 254, int32(DRAWING + 3))),
    "value-references-in-a-loop": one_page(value(b"v", 4, 254, int32(DRAWING + 3 + 6 + 3))
                                           + value(b"w", 4, 255, int32(-(DRAWING + 3)))),
    "value-reference-outside": one_page(value(b"v", 4, 254, int32(-(1 << 31)))),
    "value-record-longer-than-the-data": one_page(byte(37) + text(b"v") + byte(200) + byte(3)),
    "value-text-longer-than-its-record": one_page(value(b"v", 1, 9, b"a")),
    "variable-containing-its-own-macro": one_page(value(b"v", len(MACRO) + 1, len(MACRO) + 1, b"x" + MACRO)
                                                  + left_text(MACRO)),
    "page-count-beyond-the-pages": one_page(b"", pages=3),
    "page-links-in-a-loop": header(2) + page_start(0, HEADER_SIZE) + byte(82),
    "page-link-outside": header(2) + page_start(0, 1 << 30) + byte(82),
}

if __name__ == "__main__":
    folder = pathlib.Path(__file__).resolve().parent
    for name, data in STREAMS.items():
        (folder / (name + ".ndr")).write_bytes(data)
