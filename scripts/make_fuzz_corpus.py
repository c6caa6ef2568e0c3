#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets to tests/fuzz/corpus/<target>/.

Seeds are the project's own small test pictures and hand-made replies and texts, so that each
target starts from inputs that reach deep into its code. Run again after adding test pictures.
"""
import pathlib
import shutil
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "tests" / "data"
CORPUS = ROOT / "tests" / "fuzz" / "corpus"


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def picture_reply(kind_type, width, height, pixels, original=b""):
    header = b"KVXD" + struct.pack("<IIIII", 1, kind_type, width, height, len(original))
    return header + pixels + original


def error_reply(number, description, source):
    d = description.encode()
    s = source.encode()
    return b"KVXD" + struct.pack("<II", 2, number) + struct.pack("<I", len(d)) + d + \
        struct.pack("<I", len(s)) + s


def main():
    if CORPUS.exists():
        shutil.rmtree(CORPUS)
    for wmf in ["drawn.wmf", "truncated.wmf"]:
        write("wmf_header", wmf, (DATA / wmf).read_bytes())
        write("picture_bytes", wmf, (DATA / wmf).read_bytes())
    for hostile in sorted((DATA / "hostile").glob("*.wmf")):
        write("wmf_header", hostile.name, hostile.read_bytes())
    for picture in ["picture.bmp", "picture.gif", "picture.ico", "picture.jpg", "picture.tif",
                    "graph-60x40.png", "transparent.png", "truncated.png", "truncated.gif",
                    "truncated.bmp", "huge-header.png", "empty.bmp"]:
        data = (DATA / picture).read_bytes()
        if len(data) <= 8192:
            write("picture_bytes", picture, data)
    # The reply target reads its first byte as the place where the reply is split.
    write("decoder_reply", "picture", b"\x07" + picture_reply(1, 2, 2, b"\x10\x20\x30\xff" * 4))
    write("decoder_reply", "metafile",
          b"\x03" + picture_reply(2, 1, 1, b"\xff\xff\xff\xff", b"\xd7\xcd\xc6\x9a"))
    write("decoder_reply", "error",
          b"\x00" + error_reply(999, "Error loading picture /tmp/a.png", "GDI+ Module"))
    write("decoder_reply", "giant", b"\x05" + picture_reply(1, 100000, 100000, b""))
    # Scan frames: kind, depth, width, line length, lines, then samples.
    write("scan_frame", "grey8", bytes([0, 1, 4, 4, 2]) + bytes(range(8)))
    write("scan_frame", "rgb16", bytes([1, 2, 2, 12, 1]) + bytes(range(12)))
    write("scan_frame", "lineart", bytes([0, 0, 9, 2, 3]) + b"\xaa\x55" * 3)
    write("scan_frame", "red-pass", bytes([2, 1, 3, 3, 2]) + b"\x10\x20\x30\x40\x50\x60")
    for i, text in enumerate(["1.5", " -2.5E-03 ", "1E+308", "-1.79769313486231E+308", "&HFF",
                              "&O777", "1,5", "12abc", "4.9E-324", "  7 ", "1D+5", ".5", "-"]):
        write("number_text", f"text{i}", text.encode())


if __name__ == "__main__":
    main()
