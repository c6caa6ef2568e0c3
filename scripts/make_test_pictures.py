#!/usr/bin/env python3
"""Writes the small pictures the tests read from tests/data: good files of each format, broken
ones, a metafile drawn record by record, and a PNG whose header claims 100000 x 100000 pixels."""
import os
import struct
import subprocess
import sys
import zlib

folder = sys.argv[1]


def path(name):
    return os.path.join(folder, name)


def convert(*args):
    subprocess.run(["convert", *args], check=True)


# Good pictures: white with a blue diagonal and a red pixel at (2, 3).
for name in ("picture.bmp", "picture.gif", "picture.jpg", "picture.ico", "picture.tif"):
    convert("-size", "16x12", "xc:white", "-fill", "blue", "-draw", "line 0,11 15,0",
            "-fill", "red", "-draw", "point 2,3", path(name))
convert("-size", "60x40", "xc:white", "-fill", "blue", "-draw", "line 0,39 59,0",
        path("graph-60x40.png"))
# Transparent everywhere but one red pixel.
convert("-size", "8x6", "xc:none", "-fill", "red", "-draw", "point 1,1", "PNG32:" + path("transparent.png"))


def wmf(records, left, top, right, bottom, inch=1440):
    """A placeable metafile: a 22-byte placeable header, the standard header, the records."""
    body = b"".join(records) + struct.pack("<IH", 3, 0)  # META_EOF
    words = len(body) // 2
    biggest = max(len(r) // 2 for r in records + [struct.pack("<IH", 3, 0)])
    standard = struct.pack("<HHHIHIH", 1, 9, 0x300, 9 + words, 2, biggest, 0)
    key = 0x9AC6CDD7
    head = struct.pack("<IHhhhhHI", key, 0, left, top, right, bottom, inch, 0)
    checksum = 0
    for i in range(0, len(head), 2):
        checksum ^= struct.unpack("<H", head[i:i + 2])[0]
    return head + struct.pack("<H", checksum) + standard + body


def record(function, *params):
    return struct.pack("<IH", 3 + len(params), function) + b"".join(struct.pack("<h", p) for p in params)


drawing = [
    record(0x020B, 0, 0),          # SetWindowOrg(y, x)
    record(0x020C, 600, 800),      # SetWindowExt(y, x)
    struct.pack("<IHHhhI", 8, 0x02FA, 0, 20, 0, 0x000000),      # CreatePenIndirect: solid black 20 wide
    record(0x012D, 0),             # SelectObject(0)
    struct.pack("<IHHIH", 7, 0x02FC, 0, 0x0000FF, 0),           # CreateBrushIndirect: solid red
    record(0x012D, 1),             # SelectObject(1)
    record(0x041B, 500, 700, 100, 100),  # Rectangle(bottom, right, top, left)
    record(0x0214, 550, 50),       # MoveTo(y, x)
    record(0x0213, 50, 750),       # LineTo(y, x)
]
with open(path("drawn.wmf"), "wb") as f:
    f.write(wmf(drawing, 0, 0, 800, 600, 1440))

# Broken files: each good file cut short, text, nothing, and an impossible size.
for name in ("picture.bmp", "picture.gif", "picture.jpg", "picture.ico", "graph-60x40.png", "drawn.wmf"):
    with open(path(name), "rb") as f:
        data = f.read()
    stem, ext = os.path.splitext(name)
    with open(path(f"truncated{ext}"), "wb") as f:
        f.write(data[: min(len(data) // 3, 60)])
with open(path("not-a-picture.png"), "w") as f:
    f.write("these are not pixels\n")
with open(path("not-a-picture.jpg"), "w") as f:
    f.write("these are not pixels either\n")
open(path("empty.bmp"), "wb").close()


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


ihdr = struct.pack(">IIBBBBB", 100000, 100000, 8, 2, 0, 0, 0)
with open(path("huge-header.png"), "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(b"\0" * 64)) + chunk(b"IEND", b""))
