#!/usr/bin/env python3
"""Keeps the program's layers apart.

Every folder of src/ belongs to one layer of the table below. A file may include files of its
own layer and of the layers before it, never of a later one; folders must not include each
other in a circle; and the layers without windows include no header of Qt's widget modules.
Run by the test command; prints what is wrong and exits with 1, or exits with 0.
"""

import os
import re
import sys
from pathlib import Path

# From the bottom up: (layer, whether it may use widgets, its folders under src/).
LAYERS = [
    ("plain logic", False,
     ["core", "layout", "platform", "picture", "table", "drawing", "decoding", "extraction",
      "recognition", "zoom"]),
    ("session model", False, ["session"]),
    ("project files", False, ["project"]),
    ("batch runs", False, ["batch"]),
    ("windows", True,
     ["desktop", "windows/shared", "windows/main", "windows/document", "windows/data",
      "windows/zoom", "windows/options", "windows/info", "windows/acquisition"]),
    ("program assembly", True, ["app"]),
]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
WIDGET_MODULES = ("QtWidgets", "QtPrintSupport")


def widget_headers():
    """The class headers of Qt's widget modules (QWidget, QPrinter, ...)."""
    names = set()
    for root in ("/usr/include/x86_64-linux-gnu/qt6", "/usr/include/aarch64-linux-gnu/qt6",
                 "/usr/include/qt6"):
        for module in WIDGET_MODULES:
            folder = Path(root) / module
            if folder.is_dir():
                names.update(p.name for p in folder.iterdir() if not p.suffix)
            names.add(module)
    return names


def folder_of(path, folders):
    """The longest folder of the table that holds the file."""
    best = None
    for folder in folders:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def circles(edges):
    """Strongly connected groups of more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for target in sorted(edges.get(node, ())):
            if target not in index:
                visit(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return found


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    src = root / "src"
    layer_of, widgets_allowed = {}, {}
    for number, (name, widgets, folders) in enumerate(LAYERS):
        for folder in folders:
            layer_of[folder] = number
            widgets_allowed[folder] = widgets
    widgets = widget_headers()
    problems = []
    edges = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(src).as_posix()
        folder = folder_of(relative, layer_of)
        if folder is None:
            problems.append(f"src/{relative}: its folder is in no layer of scripts/check_layers.py")
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        for kind, included in INCLUDE.findall(text):
            if kind == "<":
                if not widgets_allowed[folder] and included.split("/")[0] in widgets:
                    problems.append(f"src/{relative}: <{included}> is a widget header, and "
                                    f"{LAYERS[layer_of[folder]][0]} has no widgets")
                continue
            target = folder_of(included, layer_of)
            if target is None or not (src / included).exists():
                continue
            if layer_of[target] > layer_of[folder]:
                problems.append(
                    f"src/{relative}: includes {included}, of the {LAYERS[layer_of[target]][0]}"
                    f" layer above its own ({LAYERS[layer_of[folder]][0]})")
            if target != folder:
                edges.setdefault(folder, set()).add(target)
    for group in circles(edges):
        problems.append("folders include each other in a circle: " + ", ".join(group))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} layer problem(s)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
