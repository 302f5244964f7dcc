#!/usr/bin/env python3
# Draws lizhi.ico, the program's own icon that Explorer, the taskbar and Alt-Tab
# show: the tray icon's picture (a yellow star on a red disc with a dark rim) at
# 16, 32 and 48 pixels, 32-bit colour with soft edges. Run it from this folder
# after changing the picture; the result is committed.
import math, os, struct, sys

SIZES, SS = (16, 32, 48), 8

# The picture's colours and star come from the tray icon's own script.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "data"))
from tray_icon import RED, RIM, STAR, star_contains  # noqa: E402

def draw(n):
    # The tray icon's geometry on its 32-unit grid, scaled to n pixels.
    k = 32.0 / n
    rows = []
    for py in range(n):
        row = []
        for px in range(n):
            acc, cover = [0, 0, 0], 0
            for sy in range(SS):
                for sx in range(SS):
                    x = (px + (sx + 0.5) / SS) * k; y = (py + (sy + 0.5) / SS) * k
                    d = math.hypot(x - 16, y - 16)
                    if d > 15.5: continue
                    cover += 1
                    c = RIM if d > 13.5 else RED
                    if star_contains(x, y, 16, 16.8, 12.5, 5.2): c = STAR
                    for i in range(3): acc[i] += c[i]
            alpha = cover * 255 // (SS * SS)
            rgb = tuple(v // cover for v in acc) if cover else (0, 0, 0)
            row.append((rgb, alpha))
        rows.append(row)
    return rows

def image(n):
    rows = draw(n)
    head = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 32, 0, n * n * 4, 0, 0, 0, 0)
    xor = b''.join(bytes((r[2], r[1], r[0], a)) for row in reversed(rows) for (r, a) in row)
    stride = (n + 31) // 32 * 4
    andm = b''
    for row in reversed(rows):
        bits = 0
        for (_, a) in row:
            bits = (bits << 1) | (1 if a < 128 else 0)
        andm += (bits << (stride * 8 - n)).to_bytes(stride, 'big')
    return head + xor + andm

images = [image(n) for n in SIZES]
offset = 6 + 16 * len(images)
ico = struct.pack('<HHH', 0, 1, len(images))
for n, data in zip(SIZES, images):
    ico += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
ico += b''.join(images)
with open('lizhi.ico', 'wb') as f:
    f.write(ico)
