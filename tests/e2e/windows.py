#!/usr/bin/env python3
"""Starts the real program on a desktop (Xvfb with openbox), at scale 1 and at scale 2, and
checks what the window manager makes of its windows: after start-up the guide, the magnifier
and the options window are in front of the main window, which is active; every frame lies on
the screen; the windows carry the program's icon; the Options toolbar button brings the options
window back in front of the main window. Screenshots stay in the work folder.

Usage: windows.py KURVEX_BINARY WORK_FOLDER
Exits 77 (skipped) when a tool of the desktop is missing."""
import os
import sys

from xsession import SKIP, Desktop, missing_tool

MAIN = "Kurvex 2016"
TOOL_WINDOWS = ("Step by Step", "Zoom", "Options")
# The toolbar's buttons from the left; separators are not counted.
OPTIONS_BUTTON = 13
BUTTON_COUNT = 16


def in_front_of_main(desktop, titles):
    """The titles that are not above the main window in the stacking order."""
    order = [title for _, title in desktop.stacking()]
    if MAIN not in order:
        return list(titles)
    main = order.index(MAIN)
    return [t for t in titles if t not in order or order.index(t) < main]


def ink_runs(values, gap):
    """Runs of indexes whose value is true, joined across gaps of up to `gap` false ones."""
    runs = []
    for i, ink in enumerate(values):
        if not ink:
            continue
        if runs and i - runs[-1][1] <= gap + 1:
            runs[-1][1] = i
        else:
            runs.append([i, i])
    return runs


def toolbar_buttons(shot, frame, scale):
    """Centres of the toolbar's icons, from the left: the second band of drawn rows under the
    window's top edge (the first is the menu bar), split where background columns part them.
    Separators and handles are narrower than any icon and left out."""
    width, _, rgb = shot
    left, top = frame[0], frame[1]
    right = min(frame[2], left + 900 * scale)
    bottom = top + 160 * scale

    def colour(x, y):
        i = 3 * (y * width + x)
        return rgb[i:i + 3]

    background = colour(right - 2, top + 2)

    def ink(x, y):
        c = colour(x, y)
        return max(abs(c[k] - background[k]) for k in range(3)) > 48

    rows = [any(ink(x, y) for x in range(left + 2, right, 1)) for y in range(top, bottom)]
    bands = ink_runs(rows, 0)
    if len(bands) < 2:
        return []
    y0, y1 = top + bands[1][0], top + bands[1][1]
    columns = [any(ink(x, y) for y in range(y0, y1 + 1)) for x in range(left, right)]
    icons = [r for r in ink_runs(columns, 3 * scale) if r[1] - r[0] + 1 >= 8 * scale]
    return [(left + (a + b) // 2, (y0 + y1) // 2) for a, b in icons]


def check(binary, folder, scale, failures):
    # A scaled display is one with more pixels: the program sees 1280 x 1024 either way.
    desktop = Desktop(1280 * scale, 1024 * scale)
    name = f"scale {scale}"
    try:
        desktop.start([binary], {"QT_SCALE_FACTOR": str(scale)})
        if not desktop.wait_until(lambda: desktop.started(MAIN)):
            failures.append(f"{name}: start-up did not end with the main window active "
                            f"(active: {desktop.active_title()!r})")
            return
        # Let the window manager settle the last stacking changes.
        desktop.wait_until(lambda: not in_front_of_main(desktop, TOOL_WINDOWS), timeout=3)
        desktop.screenshot(os.path.join(folder, f"start-scale{scale}.png"))
        behind = in_front_of_main(desktop, TOOL_WINDOWS)
        if behind:
            failures.append(f"{name}: after start-up {behind} not in front of the main window: "
                            f"{[t for _, t in desktop.stacking()]}")

        screen = desktop.size
        for window, title in desktop.stacking():
            l, t, r, b = desktop.frame(window)
            if l < 0 or t < 0 or r > screen[0] or b > screen[1]:
                failures.append(f"{name}: the frame of {title!r} leaves the screen: {l, t, r, b}")
            if "_NET_WM_ICON(CARDINAL)" not in desktop.window_property(window, "_NET_WM_ICON"):
                failures.append(f"{name}: {title!r} has no icon")

        # Close the options window, then press its toolbar button.
        options = desktop.window("Options")
        if options is not None:
            desktop.xdo("windowactivate", "--sync", options, "key", "alt+F4", pause=1.0)
        if desktop.window("Options") is not None:
            failures.append(f"{name}: Alt+F4 left the options window open")
            return
        main = desktop.window(MAIN)
        frame = desktop.client(main)
        shot = desktop.screenshot(os.path.join(folder, f"no-options-scale{scale}.png"))
        buttons = toolbar_buttons(shot, frame, scale)
        if len(buttons) != BUTTON_COUNT:
            failures.append(f"{name}: {len(buttons)} toolbar icons found, not {BUTTON_COUNT}")
            return
        x, y = buttons[OPTIONS_BUTTON - 1]
        desktop.xdo("mousemove", str(x), str(y), "click", "1", pause=1.0)
        desktop.wait_until(lambda: desktop.window("Options") is not None, timeout=5)
        desktop.screenshot(os.path.join(folder, f"options-scale{scale}.png"))
        behind = in_front_of_main(desktop, ("Options",))
        if behind:
            failures.append(f"{name}: the Options button left the options window behind the "
                            f"main window: {[t for _, t in desktop.stacking()]}")
    finally:
        desktop.close()


def main():
    binary, folder = sys.argv[1], sys.argv[2]
    tool = missing_tool()
    if tool is not None:
        print(f"{tool} is missing; skipped")
        return SKIP
    os.makedirs(folder, exist_ok=True)
    failures = []
    for scale in (1, 2):
        check(binary, folder, scale, failures)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
