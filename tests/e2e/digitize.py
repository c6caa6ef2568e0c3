#!/usr/bin/env python3
"""Drives the real program on a desktop (Xvfb with openbox) as a person would: opens a
picture, calibrates it with two reference points, clicks three data points and takes the last
back with Escape, checks that the markers are drawn where the kept clicks were, saves the table
through the file dialog, compares the file and closes the program.

With a scale of 2 the program runs as on a display of twice the density (QT_SCALE_FACTOR=2 on a
screen of twice the pixels): every picture pixel covers 2 x 2 pixels of the screen, a click on
any of them records that picture pixel, and the saved file is the same as at scale 1.

Usage: digitize.py KURVEX_BINARY WORK_FOLDER [SCALE]
Exits 77 (skipped) when a tool of the desktop is missing."""
import os
import subprocess
import sys
import time

from xsession import SKIP, Desktop, missing_tool, pixel, run

WIDTH, HEIGHT = 400, 300
MARKER = (255, 0, 255)


def find_marker(shot):
    width, height, rgb = shot
    wanted = bytes(MARKER)
    for y in range(height):
        row = rgb[3 * y * width:3 * (y + 1) * width]
        x = row.find(wanted)
        while x >= 0 and x % 3 != 0:
            x = row.find(wanted, x + 1)
        if x >= 0:
            return x // 3, y
    return None


def main():
    binary, folder = sys.argv[1], sys.argv[2]
    scale = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    tool = missing_tool()
    if tool is not None:
        print(f"{tool} is missing; skipped")
        return SKIP
    os.makedirs(folder, exist_ok=True)
    picture = os.path.join(folder, "graph.png")
    # A white picture whose bottom-right corner carries a magenta block, to find it on screen.
    run("convert", "-size", f"{WIDTH}x{HEIGHT}", "xc:white", "-fill", "#ff00ff",
        "-draw", f"rectangle {WIDTH - 4},{HEIGHT - 4} {WIDTH - 1},{HEIGHT - 1}", picture)

    desktop = Desktop(1280 * scale, 1024 * scale)
    try:
        program = desktop.start([binary, picture], {"QT_SCALE_FACTOR": str(scale)})
        # The splash stays three seconds; then the frame is the active window.
        if not desktop.wait_until(lambda: desktop.started("Kurvex 2016")):
            print("the main window never became active")
            return 1
        time.sleep(1.0)

        shot = desktop.screenshot(os.path.join(folder, "start.png"))
        corner = find_marker(shot)
        if corner is None:
            print("the picture is not on the screen")
            return 1
        left, top = corner[0] - scale * (WIDTH - 4), corner[1] - scale * (HEIGHT - 4)
        xdo = desktop.xdo

        def click(px, py):
            # The last screen pixel of the picture pixel's square: the pointer there is still
            # over that picture pixel.
            x, y = left + scale * px + scale - 1, top + scale * py + scale - 1
            xdo("mousemove", str(x), str(y), "click", "1")

        def answer(text):
            xdo("type", text)
            xdo("key", "Return")

        xdo("key", "ctrl+m")
        xdo("key", "Return")            # Scale Info
        click(100, 225)                 # neutral (2.5, 2.5)
        answer("10")
        answer("20")
        click(300, 75)                  # neutral (7.5, 7.5)
        answer("30")
        answer("60")
        xdo("key", "Return")            # Exit scale mode and scale picture? Yes
        click(200, 150)                 # x = 20, y = 40
        click(250, 100)                 # x = 25, y = 53.33
        click(150, 250)                 # a third point, taken back: the picture has the focus
        xdo("key", "Escape")
        xdo("mousemove", "5", "900")

        shot = desktop.screenshot(os.path.join(folder, "points.png"))
        failures = []
        for px, py in ((200, 150), (250, 100)):
            colour = pixel(shot, left + scale * px, top + scale * py)
            if colour != (255, 0, 0):
                failures.append(f"no red marker at picture pixel ({px}, {py}): {colour}")
        for px, py in ((150, 150), (150, 250)):
            if pixel(shot, left + scale * px, top + scale * py) != (255, 255, 255):
                failures.append(f"a marker at picture pixel ({px}, {py}), where none should be")

        # Data > Save: the dialog opens on "Space Delimited"; the name is typed in full.
        saved = os.path.join(folder, "points.txt")
        if os.path.exists(saved):
            os.remove(saved)
        xdo("key", "ctrl+s")
        time.sleep(1.0)
        answer(saved)
        time.sleep(1.0)
        # Taking a point back renumbers the others in plain form.
        expected = (b"= Point =          = X Axis =          = Y Axis =\r\n"
                    b"1" + b" " * 18 + b" 20" + b" " * 17 + b" 40\r\n"
                    b"2" + b" " * 18 + b" 25" + b" " * 17 + b" 53.33333\r\n")
        try:
            with open(saved, "rb") as f:
                content = f.read()
        except OSError as error:
            content = None
            failures.append(f"the data file was not written: {error}")
        if content is not None and content != expected:
            failures.append(f"the data file holds {content!r}")

        # File > Exit asks whether to save the points; the program then ends.
        xdo("key", "alt+f")
        xdo("key", "x")
        xdo("key", "Return")
        try:
            program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            failures.append("the program did not end after Exit")
        for failure in failures:
            print(failure)
        return 1 if failures else 0
    finally:
        desktop.close()


if __name__ == "__main__":
    sys.exit(main())
