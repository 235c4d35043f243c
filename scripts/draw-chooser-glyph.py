#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
"""Draws the chooser's button glyph: a 14 x 14, 16-colour bitmap of a small
yellow folder with a black outline on olive (128, 128, 0), the transparent
colour, which is also the bottom-left pixel. Writes it under both resource
names.  Usage: scripts/draw-chooser-glyph.py OUTDIR"""
import struct
import sys

# The standard 16-colour palette: 0 black, 3 olive, 11 yellow.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
ART = [
    "..............",
    "..............",
    ".KKKK.........",
    ".KYYYK........",
    ".KYYYYKKKKKKK.",
    ".KYYYYYYYYYYK.",
    ".KYYYYYYYYYYK.",
    ".KYYYYYYYYYYK.",
    ".KYYYYYYYYYYK.",
    ".KYYYYYYYYYYK.",
    ".KYYYYYYYYYYK.",
    ".KKKKKKKKKKKK.",
    "..............",
    "..............",
]
INDEX = {".": 3, "K": 0, "Y": 11}


def bitmap():
    width = height = 14
    row_bytes = 8  # 14 pixels at 4 bits, padded to 4 bytes
    pixels = b""
    for line in reversed(ART):  # rows bottom-up
        nibbles = [INDEX[c] for c in line] + [0, 0]
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, 16, 2))
        pixels += row[:7] + b"\0" * (row_bytes - 7)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 16)
    offset = 14 + len(header) + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + header + palette + pixels


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    data = bitmap()
    for name in ("IMG_1", "TMYOPENFOLDERDIALOG"):
        with open(f"{out}/{name}.bmp", "wb") as f:
            f.write(data)
