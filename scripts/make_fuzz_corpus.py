#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets to tests/fuzz/corpus/<target>/.

Seeds are the project's own small test pictures and hand-made replies and texts, so that each
target starts from inputs that reach deep into its code. Run again after adding test pictures.
"""
import json
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


def picture_reply(kind_type, width, height, pixels, original=b"", page=(0, 0, 0, 0),
                  drawing=b""):
    header = b"KVXD" + struct.pack("<IIIII", 1, kind_type, width, height, len(original)) + \
        struct.pack("<IIIII", *page, len(drawing))
    return header + pixels + original + drawing


def drawing_bytes(paths, texts=(), dropped=b"", size=(200.0, 100.0)):
    """A drawing: paths as (flags, stroke, fill, dash, piece starts, points, width, clip)."""
    out = b"KVXV" + struct.pack("<IIII", 1, len(paths), len(texts), len(dropped)) + dropped
    out += struct.pack("<dd", *size)
    for flags, stroke, fill, dash, starts, points, width, clip in paths:
        out += struct.pack("<IIIIII", flags, stroke, fill, dash, len(starts), len(points))
        out += struct.pack("<d", width) + struct.pack("<dddd", *clip)
        out += b"".join(struct.pack("<I", start) for start in starts)
        out += b"".join(struct.pack("<dd", *point) for point in points)
    for text, box in texts:
        out += struct.pack("<I", len(text)) + text + struct.pack("<dddd", *box)
    return out


def svg(body, size=b'width="200" height="100"'):
    return (b'<svg xmlns="http://www.w3.org/2000/svg" ' + size + b'>' + body + b'</svg>')


def pdf(objects, trailer=b""):
    """A PDF of the given object bodies, numbered from 1, with a correct cross-reference table."""
    out = bytearray(b"%PDF-1.4\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for offset in offsets:
        out += b"%010d 00000 n \n" % offset
    out += b"trailer\n<< /Size %d /Root 1 0 R " % (len(objects) + 1) + trailer + \
        b" >>\nstartxref\n%d\n%%%%EOF\n" % xref
    return bytes(out)


def pdf_pages(*contents):
    """Pages of 200 x 100 points, each drawn by its content stream."""
    count = len(contents)
    kids = b" ".join(b"%d 0 R" % (3 + 2 * i) for i in range(count))
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>",
               b"<< /Type /Pages /Kids [" + kids + b"] /Count %d >>" % count]
    for i, content in enumerate(contents):
        objects.append(b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] /Contents %d 0 R >>"
                       % (4 + 2 * i))
        objects.append(b"<< /Length %d >>\nstream\n" % len(content) + content +
                       b"\nendstream")
    return pdf(objects)


def error_reply(number, description, source):
    d = description.encode()
    s = source.encode()
    return b"KVXD" + struct.pack("<II", 2, number) + struct.pack("<I", len(d)) + d + \
        struct.pack("<I", len(s)) + s


def project(document, entries=(), drop=(), compress=True):
    """A project as the project target takes it: a byte saying which entries follow (1
    project.json, 2 picture.png, 4 drawing.bin, 8 picture.wmf, 16 compressed), then each present
    one as its length and bytes. The document has the given changes."""
    doc = {
        "format": 1, "program": "Kurvex 4.2.0", "picture": {"type": "bitmap"},
        "calibration": {key: "0" for key in ["X1", "X2", "Y1", "Y2", "XPos1", "XPos2", "YPos1",
                                             "YPos2", "LeftX", "RightX", "TopY", "BottomY"]},
        "settings": {"SplineColor": 16711935, "ARDataColor": 2031440, "ARColorTolerance": 100,
                     "ARPointColor": 16776960, "ScaleColor": 16711680, "PointsColor": 255,
                     "ZoomLineColor": 49152, "DotSize": 3, "SplinePoints": 50, "GridCols": 50,
                     "GridRows": 50, "SplineOnX": True, "XLog": False, "YLog": False,
                     "EscUndo": True, "PointerIndex": 1},
        "dataFile": {"name": "", "layout": 2},
        "status": ["Data File", "Picture File", "X Value", "Y Value"],
        "table": {"headerFrozen": True,
                  "rows": [["= Point =", "= X Axis =", "= Y Axis ="], [" 1", " 2.5", " 3"]]},
        "drawing": [0],
    }
    doc.update(document)
    for key in drop:
        doc.pop(key)
    contents = dict(entries)
    contents["project.json"] = json.dumps(doc).encode()
    present = 16 if compress else 0
    out = bytearray()
    for bit, name in [(1, "project.json"), (2, "picture.png"), (4, "drawing.bin"),
                      (8, "picture.wmf"), (32, "vectors.bin")]:
        if name in contents:
            present |= bit
            out += struct.pack("<I", len(contents[name])) + contents[name]
    return bytes([present]) + bytes(out)


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
    write("decoder_reply", "pdf-page",
          b"\x02" + picture_reply(5, 1, 1, b"\xff\xff\xff\xff", b"", (2, 3, 595276, 841890)))
    line = (1, 0xFFFF0000, 0, 0, [0, 2], [(1.5, 2.5), (3, 4), (5, 6), (7, 8)], 2.0,
            (0, 0, 100, 50))
    dot = (6, 0, 0xFF00FF00, 0, [0], [(10, 10), (12, 10), (12, 12), (10, 10)], 0.0,
           (0, 0, 0, 0))
    text = (b"10\xc2\xb3", (1, 2, 3, 4))
    write("decoder_reply", "pdf-page-drawing",
          b"\x09" + picture_reply(5, 1, 1, b"\xff\xff\xff\xff", b"", (1, 1, 200000, 100000),
                                   drawing_bytes([line, dot], [text])))
    # Drawings as the reply and projects carry them.
    write("drawing_bytes", "line-dot-text", drawing_bytes([line, dot], [text]))
    write("drawing_bytes", "dropped", drawing_bytes([], [], b"it has more than 500000 paths"))
    write("drawing_bytes", "empty", drawing_bytes([]))
    # Vector pages: an even first byte reads a PDF page, an odd one an SVG file.
    marker = b"q 1 0 0 1 90 40 cm 0 -3 m 3 0 l 0 3 l -3 0 l h B Q"
    plot = (b"q 20 10 160 80 re W n 0 0 1 RG 1.5 w [4 2] 0 d 20 20 m 60 50 l 100 30 l S Q "
            + marker + b" 0 G 20 10 m 20 6.5 l S BT /F1 8 Tf 18 0 Td (0) Tj ET")
    write("vector_page", "plot-pdf", b"\x00" + pdf_pages(plot))
    write("vector_page", "scanned-pdf", b"\x00" + pdf_pages(
        b"q 200 0 0 100 0 0 cm BI /W 1 /H 1 /CS /G /BPC 8 ID \x80 EI Q"))
    write("vector_page", "plot-svg", b"\x01" + svg(
        b'<defs><clipPath id="c"><rect x="20" y="10" width="160" height="80"/></clipPath></defs>'
        b'<path clip-path="url(#c)" d="M 20 80 L 60 50 L 100 70" stroke="#0000ff" '
        b'stroke-dasharray="4 2" fill="none"/><circle cx="90" cy="60" r="3" fill="green"/>'
        b'<text x="18" y="98" font-size="8">0</text>'))
    write("vector_page", "viewbox-svg", b"\x01" + svg(
        b'<rect x="1" y="1" width="2" height="2"/>', b'viewBox="0 0 4 2"'))
    write("vector_page", "broken-svg", b"\x01" + b"<svg xmlns='http://www.w3.org/2000/svg'><g>")
    # PDF pages: the first byte chooses the page.
    lines = b"1 0 0 RG 2 w 20 20 m 180 80 l S 0 0 1 rg 90 40 8 8 re f"
    write("pdf_page", "one-page", b"\x00" + pdf_pages(lines))
    write("pdf_page", "second-of-two", b"\x01" + pdf_pages(lines, b"0 g 10 10 50 50 re f"))
    write("pdf_page", "rotated", b"\x00" + pdf_pages(lines).replace(
        b"/MediaBox [0 0 200 100]", b"/MediaBox [0 0 200 100] /Rotate 90"))
    write("pdf_page", "no-pages", b"\x00" + pdf([b"<< /Type /Catalog /Pages 2 0 R >>",
                                                  b"<< /Type /Pages /Kids [] /Count 0 >>"]))
    write("pdf_page", "encrypted", b"\x00" + pdf(
        [b"<< /Type /Catalog /Pages 2 0 R >>", b"<< /Type /Pages /Kids [] /Count 0 >>",
         b"<< /Filter /Standard /V 1 /R 2 /O <" + b"5a" * 32 + b"> /U <" + b"5a" * 32 +
         b"> /P -44 >>"], b"/Encrypt 3 0 R /ID [<00112233445566778899aabbccddeeff>"
                          b"<00112233445566778899aabbccddeeff>]"))
    write("pdf_page", "truncated", b"\x00" + pdf_pages(lines)[:150])
    # Projects: a whole one, then one fault each.
    png = (DATA / "graph-60x40.png").read_bytes()
    tiles = [("picture.png", png), ("drawing.bin", b"\xff" * 4096)]
    write("project_reader", "whole", project({}, tiles))
    write("project_reader", "newer", project({"format": 5}, tiles))
    # Format 2 keeps curves in place of the one table.
    rows = [["= Point =", "= X Axis =", "= Y Axis ="], [" 1", " 2.5", " 3"]]
    curves = [{"name": "Curve 1", "color": None, "shown": True, "headerFrozen": True,
               "rows": rows},
              {"name": "Fit, \"b\"", "color": 255, "shown": False, "headerFrozen": False,
               "rows": rows[:1]}]
    write("project_reader", "curves",
          project({"format": 2, "curves": curves, "currentCurve": 1}, tiles, drop=["table"]))
    write("project_reader", "curve-twice",
          project({"format": 2, "curves": [curves[0], curves[0]], "currentCurve": 0}, tiles,
                  drop=["table"]))
    write("project_reader", "no-curves",
          project({"format": 2, "curves": [], "currentCurve": 0}, tiles, drop=["table"]))
    write("project_reader", "no-table", project({}, tiles, drop=["table"]))
    write("project_reader", "cell-number",
          project({"table": {"headerFrozen": False, "rows": [["a", "b", "c"], [1, "2", "3"]]}},
                  tiles))
    write("project_reader", "no-drawing", project({"drawing": [0, 1]}, tiles))
    write("project_reader", "metafile",
          project({"picture": {"type": "metafile"}, "drawing": []},
                  [("picture.png", png), ("picture.wmf", b"\xd7\xcd\xc6\x9a")]))
    write("project_reader", "stored", project({"drawing": [0, 1]}, tiles + [
        ("drawing.bin", b"\x00" * 8192)], compress=False))
    write("project_reader", "tile-twice", project({"drawing": [0, 0]}, [
        ("picture.png", png), ("drawing.bin", b"\x00" * 8192)]))
    write("project_reader", "no-entries", b"\x00")
    write("project_reader", "svg-drawing",
          project({"format": 4, "picture": {"type": "svg-drawing"}}, tiles + [
              ("vectors.bin", drawing_bytes([line, dot], [text]))]))
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
