#!/usr/bin/env python3
"""Draws res/reelkick.ico: a 32x32, 24-bit film reel with a play mark.

The icon is committed; run this only to redraw it.
"""
import math
import struct
import sys

SIZE = 32


def pixel(x, y):
    """Returns (r, g, b, opaque) for the pixel centre (x, y), y growing downwards."""
    cx = cy = (SIZE - 1) / 2
    d = math.hypot(x - cx, y - cy)
    if d > 15.2:
        return (0, 0, 0, False)
    if d > 13.6:
        return (40, 40, 48, True)           # rim
    # five spool holes around the hub
    for k in range(5):
        a = -math.pi / 2 + k * 2 * math.pi / 5
        hx, hy = cx + 8.6 * math.cos(a), cy + 8.6 * math.sin(a)
        if math.hypot(x - hx, y - hy) < 3.3:
            return (24, 24, 30, True)
    # a play triangle on the hub
    if 12 <= x <= 20 and abs(y - cy) <= (x - 12) * -0.6 + 5.2:
        return (220, 40, 40, True)
    if d < 2.2:
        return (30, 30, 36, True)
    shade = int(170 + 50 * (1 - d / 13.6))
    return (shade, shade, min(255, shade + 25), True)


def main(path):
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):         # bitmaps are stored bottom-up
        bits = 0
        for x in range(SIZE):
            r, g, b, opaque = pixel(x, y)
            xor += bytes((b, g, r))
            bits = (bits << 1) | (0 if opaque else 1)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 24, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    assert len(image) == 3240
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/reelkick.ico")
