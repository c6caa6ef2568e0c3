#!/usr/bin/env python3
"""Installs the build into a fresh prefix, as a packager does, and checks what a desktop finds
there: the program, a valid menu entry that opens pictures with it, the icon in every size of
the hicolor theme and the help pages.

Usage: install.py BUILD_FOLDER PREFIX
Exits 77 (skipped) when desktop-file-validate is missing."""
import os
import re
import shutil
import struct
import subprocess
import sys

SKIP = 77
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
PICTURE_TYPES = ("image/png", "image/jpeg", "image/gif", "image/bmp",
                 "image/vnd.microsoft.icon", "image/wmf", "application/pdf")


def entry_fields(path):
    fields = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                fields[key] = value
    return fields


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def main():
    build, prefix = sys.argv[1], sys.argv[2]
    if shutil.which("desktop-file-validate") is None:
        print("desktop-file-validate is missing; skipped")
        return SKIP
    shutil.rmtree(prefix, ignore_errors=True)
    install = subprocess.run(["cmake", "--install", build, "--prefix", prefix],
                             capture_output=True, text=True)
    if install.returncode != 0:
        print(f"the installation failed:\n{install.stdout}{install.stderr}")
        return 1
    failures = []

    program = os.path.join(prefix, "bin", "kurvex")
    if not os.access(program, os.X_OK):
        failures.append("no program in bin/")

    entry = os.path.join(prefix, "share", "applications", "kurvex.desktop")
    if not os.path.isfile(entry):
        failures.append("no desktop entry")
    else:
        check = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
        problems = [line for line in (check.stdout + check.stderr).splitlines()
                    if "error:" in line or "warning:" in line]
        if check.returncode != 0 or problems:
            failures.append(f"the entry does not validate: {problems or check.returncode}")
        fields = entry_fields(entry)
        if fields.get("GenericName") != "Graph Digitizer":
            failures.append(f"generic name {fields.get('GenericName')!r}")
        if not fields.get("Comment"):
            failures.append("no comment")
        if fields.get("Icon") != "kurvex":
            failures.append(f"icon {fields.get('Icon')!r}")
        # "Open with" hands the picture to the program as its argument.
        words = fields.get("Exec", "").split()
        if not words or not os.path.isfile(os.path.join(prefix, "bin", words[0])):
            failures.append(f"Exec names no installed program: {fields.get('Exec')!r}")
        if "%f" not in words and "%F" not in words:
            failures.append("Exec takes no file")
        categories = fields.get("Categories", "").split(";")
        for category in ("Science", "Graphics"):
            if category not in categories:
                failures.append(f"not in category {category}")
        types = fields.get("MimeType", "").split(";")
        for kind in PICTURE_TYPES:
            if kind not in types:
                failures.append(f"does not open {kind}")

    icons = os.path.join(prefix, "share", "icons", "hicolor")
    if not os.path.isfile(os.path.join(icons, "scalable", "apps", "kurvex.svg")):
        failures.append("no scalable icon")
    for size in ICON_SIZES:
        path = os.path.join(icons, f"{size}x{size}", "apps", "kurvex.png")
        if not os.path.isfile(path):
            failures.append(f"no {size}x{size} icon")
        elif png_size(path) != (size, size):
            failures.append(f"the {size}x{size} icon is {png_size(path)}")

    help_folder = os.path.join(prefix, "share", "doc", "kurvex", "html")
    index = os.path.join(help_folder, "index.html")
    if not os.path.isfile(index):
        failures.append("no help contents")
    else:
        with open(index, encoding="utf-8") as f:
            links = re.findall(r'(?:href|src)="([^"#:]+)', f.read())
        for link in links:
            if not os.path.isfile(os.path.join(help_folder, link)):
                failures.append(f"the help contents link to a missing {link}")

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
