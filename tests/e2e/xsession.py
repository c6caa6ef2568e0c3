"""A private desktop for the end-to-end tests: an X server (Xvfb) with a window manager
(openbox) on it, as users have, and the few things the tests ask of it: screenshots, the window
manager's stacking order and active window, frames, and xdotool input."""
import os
import shutil
import subprocess
import time

SKIP = 77
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "import", "convert")


def missing_tool():
    """The first tool the tests need that is not installed, or None."""
    for tool in TOOLS:
        if shutil.which(tool) is None:
            return tool
    return None


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, **kwargs)


class Desktop:
    """Xvfb and openbox on a display of their own; ended by close()."""

    def __init__(self, width=1280, height=1024):
        self.size = (width, height)
        self.processes = []
        # The server picks a free display itself and writes its number into the pipe, so
        # that two runs, or a desktop already there, never share one.
        read_end, write_end = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,)))
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            self.close()
            raise RuntimeError("the X server did not start")
        self.display = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self._wait_for(lambda: self._answers("xprop", "-root"), "the X server")
        # On a loaded machine the window manager now and then gives up while it starts: it is
        # started again, a few times, before the desktop counts as broken.
        for attempt in range(3):
            manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.processes.append(manager)
            try:
                self._wait_for(lambda: manager.poll() is None and
                               "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.root_property(
                                   "_NET_SUPPORTING_WM_CHECK"), "the window manager",
                               timeout=30.0, gave_up=lambda: manager.poll() is not None)
                break
            except RuntimeError:
                if attempt == 2:
                    self.close()
                    raise

    def _answers(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True).returncode == 0

    @staticmethod
    def _wait_for(condition, what, timeout=15.0, gave_up=lambda: False):
        deadline = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > deadline or gave_up():
                raise RuntimeError(f"{what} did not start")
            time.sleep(0.1)

    def start(self, command, extra_env=None):
        env = dict(self.env, **(extra_env or {}))
        program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.processes.insert(0, program)
        return program

    def close(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
            process.wait()

    # What the window manager says.

    def root_property(self, name):
        result = subprocess.run(["xprop", "-root", name], env=self.env, capture_output=True,
                                text=True)
        return result.stdout.strip()

    def window_property(self, window, name):
        result = subprocess.run(["xprop", "-id", window, name], env=self.env,
                                capture_output=True, text=True)
        return result.stdout.strip()

    @staticmethod
    def _ids(text):
        return [] if "#" not in text else [w.strip() for w in text.split("#", 1)[1].split(",")]

    def stacking(self):
        """The managed windows from bottom to top, as (id, title) pairs."""
        windows = self._ids(self.root_property("_NET_CLIENT_LIST_STACKING"))
        return [(w, self.title(w)) for w in windows]

    def title(self, window):
        text = self.window_property(window, "_NET_WM_NAME")
        if "=" not in text:
            text = self.window_property(window, "WM_NAME")
        return text.split("=", 1)[1].strip().strip('"') if "=" in text else ""

    def active_title(self):
        windows = self._ids(self.root_property("_NET_ACTIVE_WINDOW"))
        return self.title(windows[0]) if windows and windows[0] != "0x0" else ""

    def started(self, main_title):
        """Whether start-up is over: no splash window left and the main window active."""
        splash = any("_NET_WM_WINDOW_TYPE_SPLASH" in self.window_property(w, "_NET_WM_WINDOW_TYPE")
                     for w, _ in self.stacking())
        return not splash and self.active_title() == main_title

    def window(self, title):
        for window, name in self.stacking():
            if name == title:
                return window
        return None

    def client(self, window):
        """The window's own rectangle, inside the decorations: (left, top, right, bottom)."""
        info = run("xwininfo", "-id", window, env=self.env, text=True).stdout
        values = {}
        for line in info.splitlines():
            if ":" in line:
                key, value = line.split(":", 1)
                values[key.strip()] = value.strip()
        left = int(values["Absolute upper-left X"])
        top = int(values["Absolute upper-left Y"])
        return left, top, left + int(values["Width"]), top + int(values["Height"])

    def frame(self, window):
        """The window's outer rectangle with the decorations: (left, top, right, bottom)."""
        left, top, right, bottom = self.client(window)
        extents = self.window_property(window, "_NET_FRAME_EXTENTS")
        if "=" in extents:
            l, r, t, b = (int(v) for v in extents.split("=", 1)[1].split(","))
            left, right, top, bottom = left - l, right + r, top - t, bottom + b
        return left, top, right, bottom

    def wait_until(self, condition, timeout=20.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition():
                return True
            time.sleep(0.2)
        return condition()

    # What a person does and sees.

    def xdo(self, *args, pause=0.4):
        run("xdotool", *args, env=self.env)
        time.sleep(pause)

    def screenshot(self, path):
        """Saves the screen to path (PNG, for people) and returns it as (width, height, rgb)."""
        ppm = path + ".ppm"
        run("import", "-display", self.display, "-window", "root", "-depth", "8", ppm)
        run("convert", ppm, path)
        with open(ppm, "rb") as f:
            data = f.read()
        os.remove(ppm)
        # Binary PPM: "P6\n<w> <h>\n<max>\n" then RGB bytes.
        parts = data.split(b"\n", 3)
        width, height = map(int, parts[1].split())
        return width, height, parts[3]


def pixel(shot, x, y):
    width, _, rgb = shot
    i = 3 * (y * width + x)
    return tuple(rgb[i:i + 3])
