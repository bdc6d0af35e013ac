#!/usr/bin/env python3
"""Draws the clock's icon (a 32x32 and a 16x16 image, 16 colours) and writes
res/tivora.ico. Run it again after changing the drawing; the .ico is kept in
the repository so that building needs no Python."""
import math, struct, sys

# The standard 16-colour palette, as (B, G, R, 0).
PALETTE = [(0,0,0),(0,0,128),(0,128,0),(0,128,128),(128,0,0),(128,0,128),(128,128,0),
           (192,192,192),(128,128,128),(0,0,255),(0,255,0),(0,255,255),(255,0,0),
           (255,0,255),(255,255,0),(255,255,255)]
BLACK, NAVY, GREY, RED, WHITE = 0, 4, 7, 9, 15   # indices (BGR order above)

def draw(n):
    c = (n - 1) / 2.0
    r = n / 2.0 - 0.5
    pix = [[None] * n for _ in range(n)]
    for y in range(n):
        for x in range(n):
            d = math.hypot(x - c, y - c)
            if d <= r - (1.6 if n >= 32 else 1.0):
                pix[y][x] = WHITE
            elif d <= r + 0.3:
                pix[y][x] = BLACK
    def dot(x, y, colour):
        xi, yi = int(round(x)), int(round(y))
        if 0 <= xi < n and 0 <= yi < n:
            pix[yi][xi] = colour
    for h in range(12):                      # hour marks
        a = h * math.pi / 6
        for k in ([0.78, 0.70] if n >= 32 else [0.72]):
            dot(c + math.sin(a) * r * k, c - math.cos(a) * r * k, RED if h % 3 == 0 else GREY)
    def hand(angle, length, colour):
        steps = int(length * r * 2) + 1
        for i in range(steps):
            t = i / steps * length * r
            dot(c + math.sin(angle) * t, c - math.cos(angle) * t, colour)
    hand(math.radians(300), 0.5, NAVY)        # 10 o'clock
    hand(math.radians(60), 0.8, NAVY)         # 10 past
    if n >= 32:
        hand(math.radians(300) + 0.06, 0.5, NAVY)
        hand(math.radians(60) - 0.05, 0.8, NAVY)
    dot(c, c, RED)
    return pix

def image(n):
    pix = draw(n)
    header = struct.pack('<IiiHHIIiiII', 40, n, n * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', *p, 0) for p in PALETTE)
    xor = b''
    andm = b''
    for y in reversed(range(n)):             # rows bottom-up
        row = bytearray()
        for x in range(0, n, 2):
            a = pix[y][x] or 0
            b = pix[y][x + 1] or 0
            row.append((a << 4) | b)
        while len(row) % 4: row.append(0)
        xor += bytes(row)
        bits = bytearray((n + 7) // 8)
        for x in range(n):
            if pix[y][x] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        while len(bits) % 4: bits.append(0)
        andm += bytes(bits)
    return header + palette + xor + andm

images = [image(32), image(16)]
out = struct.pack('<HHH', 0, 1, len(images))
offset = 6 + 16 * len(images)
for n, data in zip([32, 16], images):
    out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)
    offset += len(data)
out += b''.join(images)
path = sys.argv[1] if len(sys.argv) > 1 else __file__.rsplit('/', 1)[0] + '/tivora.ico'
open(path, 'wb').write(out)
