#!/usr/bin/env python3
"""The processor time the program takes while nobody uses it, on a private desktop (Xvfb with
openbox): started on the sample graph, left alone until its start-up has settled, then measured
for a while with the pointer resting on the picture and for a while with it resting off the
picture (on the desktop). Prints each as a share of one core.

Usage: idle_cpu.py KURVEX_BINARY [SECONDS]"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from xsession import Desktop, missing_tool  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def share(pid, seconds):
    before = cpu_seconds(pid)
    time.sleep(seconds)
    return (cpu_seconds(pid) - before) / seconds * 100


def main():
    binary = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 60
    if missing_tool() is not None:
        print(f"{missing_tool()} is missing")
        return 77
    sample = os.path.join(os.path.dirname(__file__), "..", "resources", "samples",
                          "sample-graph.png")
    desktop = Desktop()
    try:
        program = desktop.start([binary, sample])
        if not desktop.wait_until(lambda: desktop.started("Kurvex 2016")):
            print("the main window never became active")
            return 1
        time.sleep(5)
        # The picture window fills the middle of the screen after start-up.
        desktop.xdo("mousemove", "500", "500")
        time.sleep(2)
        desktop.screenshot("/tmp/idle.png")
        on_picture = share(program.pid, seconds)
        desktop.xdo("mousemove", "1270", "1010")
        time.sleep(2)
        off_picture = share(program.pid, seconds)
        print(f"pointer on the picture: {on_picture:.3f}% of a core")
        print(f"pointer off the picture: {off_picture:.3f}% of a core")
        return 0
    finally:
        desktop.close()


if __name__ == "__main__":
    sys.exit(main())
