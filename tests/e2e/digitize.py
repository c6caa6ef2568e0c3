#!/usr/bin/env python3
"""Drives the real program under Xvfb as a person would: opens a picture, calibrates it with
two reference points, clicks two data points, checks that their markers are drawn where the
clicks were, saves the table through the file dialog, compares the file and closes the
program.

Usage: digitize.py KURVEX_BINARY WORK_FOLDER
Exits 77 (skipped) when Xvfb or xdotool is missing."""
import os
import shutil
import subprocess
import sys
import time

SKIP = 77
WIDTH, HEIGHT = 400, 300
MARKER = (255, 0, 255)


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, **kwargs)


def screenshot(display, folder):
    path = os.path.join(folder, "screen.ppm")
    run("import", "-display", display, "-window", "root", "-depth", "8", path)
    with open(path, "rb") as f:
        data = f.read()
    # Binary PPM: "P6\n<w> <h>\n<max>\n" then RGB bytes.
    parts = data.split(b"\n", 3)
    width, height = map(int, parts[1].split())
    return width, height, parts[3]


def pixel(shot, x, y):
    width, _, rgb = shot
    i = 3 * (y * width + x)
    return tuple(rgb[i:i + 3])


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
    for tool in ("Xvfb", "xdotool", "import", "convert"):
        if shutil.which(tool) is None:
            print(f"{tool} is missing; skipped")
            return SKIP
    os.makedirs(folder, exist_ok=True)
    picture = os.path.join(folder, "graph.png")
    # A white picture whose bottom-right corner carries a magenta block, to find it on screen.
    run("convert", "-size", f"{WIDTH}x{HEIGHT}", "xc:white", "-fill", "#ff00ff",
        "-draw", f"rectangle {WIDTH - 4},{HEIGHT - 4} {WIDTH - 1},{HEIGHT - 1}", picture)

    display = f":{90 + os.getpid() % 9}"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display)
    env.pop("QT_QPA_PLATFORM", None)
    program = None
    try:
        time.sleep(1.0)
        program = subprocess.Popen([binary, picture], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        run("xdotool", "search", "--sync", "--name", "Kurvex 2016", env=env, timeout=30)
        time.sleep(4.5)  # the splash stays three seconds

        corner = find_marker(screenshot(display, folder))
        if corner is None:
            print("the picture is not on the screen")
            return 1
        left, top = corner[0] - (WIDTH - 4), corner[1] - (HEIGHT - 4)

        def xdo(*args):
            run("xdotool", *args, env=env)
            time.sleep(0.4)

        def click(px, py):
            xdo("mousemove", str(left + px), str(top + py), "click", "1")

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
        xdo("mousemove", "5", "900")

        shot = screenshot(display, folder)
        failures = []
        for px, py in ((200, 150), (250, 100)):
            colour = pixel(shot, left + px, top + py)
            if colour != (255, 0, 0):
                failures.append(f"no red marker at picture pixel ({px}, {py}): {colour}")
        if pixel(shot, left + 150, top + 150) != (255, 255, 255):
            failures.append("a marker where nobody clicked")

        # Data > Save: the dialog opens on "Space Delimited"; the name is typed in full.
        saved = os.path.join(folder, "points.txt")
        if os.path.exists(saved):
            os.remove(saved)
        xdo("key", "ctrl+s")
        time.sleep(1.0)
        answer(saved)
        time.sleep(1.0)
        expected = (b"= Point =          = X Axis =          = Y Axis =\r\n"
                    b" 1" + b" " * 17 + b" 20" + b" " * 17 + b" 40\r\n"
                    b" 2" + b" " * 17 + b" 25" + b" " * 17 + b" 53.33333\r\n")
        try:
            with open(saved, "rb") as f:
                content = f.read()
        except OSError as error:
            content = None
            failures.append(f"the data file was not written: {error}")
        if content is not None and content != expected:
            failures.append(f"the data file holds {content!r}")

        # File > Exit asks whether to save the points; the program then ends.
        xdo("mousemove", "20", "8", "click", "1")
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
        if program is not None:
            program.kill()
            program.wait()
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    sys.exit(main())
