#!/usr/bin/env python3
"""Turns the icon's pixel text (res/icon.txt) into a Windows .ico file with a
16 x 16 and a 32 x 32 image, both 32-bit with alpha."""
import struct
import sys

PALETTE = {  # RGBA
    ".": (0, 0, 0, 0),
    "K": (40, 40, 48, 255),
    "W": (255, 255, 255, 255),
    "G": (200, 200, 208, 255),
    "R": (200, 40, 40, 255),
    "B": (30, 90, 200, 255),
    "O": (240, 140, 20, 255),
}


def read_pixels(path):
    rows = [line.rstrip("\n") for line in open(path, encoding="utf-8") if not line.startswith("#")]
    rows = [row for row in rows if row]
    if len(rows) != 16 or any(len(row) != 16 for row in rows):
        sys.exit(f"{path}: the image must be 16 rows of 16 characters")
    for row in rows:
        for ch in row:
            if ch not in PALETTE:
                sys.exit(f"{path}: unknown colour {ch!r}")
    return rows


def scaled(rows, factor):
    return ["".join(ch * factor for ch in row) for row in rows for _ in range(factor)]


def image_data(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        for ch in row:
            r, g, b, a = PALETTE[ch]
            pixels += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, ch in enumerate(row):
            if PALETTE[ch][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def main(source, target):
    rows = read_pixels(source)
    images = [(16, image_data(rows)), (32, image_data(scaled(rows, 2)))]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(target, "wb") as file:
        file.write(out)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make_icon.py icon.txt icon.ico")
    main(sys.argv[1], sys.argv[2])
