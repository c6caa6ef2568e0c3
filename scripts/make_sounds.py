#!/usr/bin/env python3
"""Writes the program's two sounds: 8-bit mono PCM at 11025 Hz, 5400 and 800 bytes in all."""
import math
import struct
import sys

RATE = 11025


def wav(samples):
    data = bytes(samples)
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    fmt = b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE, 1, 8)
    return header + fmt + b"data" + struct.pack("<I", len(data)) + data


def tone(count, parts):
    out = []
    for i in range(count):
        t = i / RATE
        value = 0.0
        for freq, start, length in parts:
            if start <= t < start + length:
                local = t - start
                envelope = min(1.0, local * 200) * math.exp(-4.0 * local / length)
                value += 0.45 * envelope * math.sin(2 * math.pi * freq * local)
        out.append(max(0, min(255, int(round(128 + 127 * value)))))
    return out


folder = sys.argv[1]
with open(f"{folder}/16.wav", "wb") as f:
    f.write(wav(tone(5400 - 44, [(660, 0.0, 0.2), (880, 0.18, 0.3)])))
with open(f"{folder}/48.wav", "wb") as f:
    f.write(wav(tone(800 - 44, [(1320, 0.0, 0.068)])))
