#!/usr/bin/env python3
"""Computes reference samples of the natural cubic spline, written independently of the
program from the interpolation rules: every stored value is rounded to single precision,
and the arithmetic between stores runs in double precision.

Writes tests/data/spline-reference.txt: for each case a line "case <name> <m>", the knots as
"knot <u> <v>" and the samples as "sample <w> <z>", each number with the nine significant
digits that give back exactly its single-precision value.
"""
import pathlib
import struct

OUT = pathlib.Path(__file__).resolve().parent.parent / "tests" / "data" / "spline-reference.txt"


def single(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def spline(knots_u, knots_v, m):
    n = len(knots_u)
    u = [0.0] + [single(x) for x in knots_u] + [0.0]
    v = [0.0] + [single(x) for x in knots_v] + [0.0]
    size = n + 2
    h, s, d, r, M, c1, c2, c3 = ([0.0] * size for _ in range(8))
    step = single((u[n] - u[1]) / m)
    for i in range(1, n):
        h[i] = single(u[i + 1] - u[i])
        s[i] = single(6.0 * (v[i + 1] - v[i]) / h[i])
    d[2] = single(2.0 * (h[1] + h[2]))
    r[2] = single(s[2] - s[1])
    for i in range(3, n):
        d[i] = single(2.0 * (h[i - 1] + h[i]) - (h[i - 1] * h[i - 1]) / d[i - 1])
        r[i] = single((s[i] - s[i - 1]) - (h[i - 1] * r[i - 1]) / d[i - 1])
    for i in range(n - 1, 1, -1):
        M[i] = single((r[i] - h[i] * M[i + 1]) / d[i])
    for i in range(1, n):
        c3[i] = single((M[i + 1] - M[i]) / (6.0 * h[i]))
        c2[i] = single(M[i] / 2.0)
        c1[i] = single((v[i + 1] - v[i]) / h[i] - (2.0 * M[i] + M[i + 1]) * h[i] / 6.0)
    samples = []
    w = u[1]
    for _ in range(m):
        w = single(w + step)
        j = n - 1
        for i in range(n - 1, 1, -1):
            if w < u[i]:
                j = i - 1
        t = w - u[j]
        z = single(((c3[j] * t + c2[j]) * t + c1[j]) * t + v[j])
        samples.append((w, z))
    return samples


CASES = [
    ("sine", [0.0, 0.7, 1.3, 2.1, 2.9, 3.6, 4.4, 5.2, 6.0],
     [0.0, 0.644, 0.964, 0.863, 0.239, -0.443, -0.952, -0.883, -0.279], 37),
    ("zero-crossings", [-3.3, -1.1, 0.1, 0.2, 1.7, 2.3],
     [1.1e-3, -2.7e-3, 3.3e-3, -1.9e-3, 0.7e-3, 0.1e-3], 50),
    ("wide-range", [1.0, 10.0, 100.0, 1000.0, 10000.0],
     [3.0, 2.0, 7.0, 1.0, 9.0], 23),
    ("close-knots", [1000.001, 1000.002, 1000.0045, 1000.007, 1000.0101],
     [12.5, 12.51, 12.47, 12.52, 12.49], 19),
]


def main():
    lines = []
    for name, us, vs, m in CASES:
        lines.append(f"case {name} {m}")
        for a, b in zip(us, vs):
            lines.append(f"knot {single(a):.9g} {single(b):.9g}")
        for w, z in spline(us, vs, m):
            lines.append(f"sample {w:.9g} {z:.9g}")
    OUT.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
