#!/usr/bin/env python3
"""Draws resources/samples/sample-graph.png with ImageMagick: a plot of y = 100 (1 - e^(-x/3))
over x 0..10 and y 0..100, with a grid and labelled axes, for trying out calibration."""
import math
import subprocess
import sys

W, H = 720, 520
L, R, T, B = 80, 680, 40, 460  # plot area in pixels


def px(x):
    return L + (R - L) * x / 10.0


def py(y):
    return B - (B - T) * y / 100.0


draw = []
for i in range(11):
    x = px(i)
    draw.append(f"stroke '#d8d8d8' line {x:.1f},{T} {x:.1f},{B}")
    draw.append(f"stroke none fill black text {x - 5:.1f},{B + 22} '{i}'")
for j in range(0, 101, 10):
    y = py(j)
    draw.append(f"stroke '#d8d8d8' line {L},{y:.1f} {R},{y:.1f}")
    draw.append(f"stroke none fill black text {L - 36},{y + 5:.1f} '{j}'")
draw.append(f"stroke black fill none rectangle {L},{T} {R},{B}")
curve = [(px(k / 20), py(100 * (1 - math.exp(-(k / 20) / 3)))) for k in range(201)]
for (x0, y0), (x1, y1) in zip(curve, curve[1:]):
    draw.append(f"stroke '#1e50ff' stroke-width 3 stroke-linecap round line {x0:.1f},{y0:.1f} {x1:.1f},{y1:.1f}")
draw.append(f"stroke none fill black text {(L + R) / 2 - 40},{H - 14} 'Time (s)'")

args = ["convert", "-size", f"{W}x{H}", "xc:white", "-font", "DejaVu-Sans", "-pointsize", "15"]
for d in draw:
    args += ["-draw", d]
args.append(sys.argv[1])
subprocess.run(args, check=True)
