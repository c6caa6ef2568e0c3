#!/usr/bin/env python3
"""The layer check refuses what it is there to refuse, on small made-up source trees."""

import subprocess
import sys
import tempfile
from pathlib import Path

CHECK = Path(__file__).resolve().parents[2] / "scripts" / "check_layers.py"


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for name, text in files.items():
            path = Path(root) / "src" / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        done = subprocess.run([sys.executable, str(CHECK), root], capture_output=True, text=True)
        return done.returncode, done.stdout


def expect(name, files, code, words=()):
    got, output = run(files)
    if got != code or any(word not in output for word in words):
        print(f"FAIL {name}: exit {got} (wanted {code}), output:\n{output}")
        return False
    return True


SOUND = {
    "core/Numbers.h": "#pragma once\n#include <QString>\n",
    "session/Session.h": '#pragma once\n#include "core/Numbers.h"\n',
    "windows/main/frmMain.h": '#pragma once\n#include "session/Session.h"\n#include <QWidget>\n',
    "app/main.cpp": '#include "windows/main/frmMain.h"\n',
}

results = [
    expect("a sound tree passes", SOUND, 0),
    expect("an include upward is refused",
           {**SOUND, "core/Numbers.cpp": '#include "session/Session.h"\n'}, 1,
           ["src/core/Numbers.cpp", "session/Session.h", "session model"]),
    expect("a widget header in plain logic is refused",
           {**SOUND, "table/Grid.cpp": "#include <QTableView>\n"}, 1,
           ["src/table/Grid.cpp", "<QTableView>"]),
    expect("a circle between windows is refused",
           {**SOUND, "windows/data/frmData.h": '#include "windows/zoom/frmZoom.h"\n',
            "windows/zoom/frmZoom.h": '#include "windows/data/frmData.h"\n'}, 1,
           ["circle", "windows/data", "windows/zoom"]),
    expect("a folder outside the table is refused", {**SOUND, "misc/Thing.h": "#pragma once\n"},
           1, ["src/misc/Thing.h"]),
]
sys.exit(0 if all(results) else 1)
