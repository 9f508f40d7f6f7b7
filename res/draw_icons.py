#!/usr/bin/env python3
"""Draws the idle and running icons as 16-colour .ico files (32x32 and 16x16 images each).

idle.ico: a mouse pointer at rest. running.ico: the pointer in action, with click rays at its tip.
Run from anywhere: python3 res/draw_icons.py
"""

import math
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, RED, WHITE, YELLOW = 0, 9, 15, 11
TRANSPARENT = None

# The pointer's outline with its tip at (0, 0), one unit tall.
POINTER = [(0.0, 0.0), (0.0, 0.80), (0.19, 0.62), (0.33, 0.95), (0.46, 0.89),
           (0.32, 0.57), (0.56, 0.57)]


def inside(polygon, x, y):
    """Even-odd rule for the point (x, y)."""
    result = False
    count = len(polygon)
    for i in range(count):
        x1, y1 = polygon[i]
        x2, y2 = polygon[(i + 1) % count]
        if (y1 > y) != (y2 > y):
            crossing = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < crossing:
                result = not result
    return result


def place(polygon, tip_x, tip_y, scale):
    return [(tip_x + px * scale, tip_y + py * scale) for px, py in polygon]


def draw_pointer(pixels, size, tip_x, tip_y, height):
    """A white pointer with a black outline; coordinates are fractions of the icon size."""
    shape = place(POINTER, tip_x * size, tip_y * size, height * size)
    covered = [[inside(shape, x + 0.5, y + 0.5) for x in range(size)] for y in range(size)]
    for y in range(size):
        for x in range(size):
            if not covered[y][x]:
                continue
            edge = any(not (0 <= x + dx < size and 0 <= y + dy < size and covered[y + dy][x + dx])
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            pixels[y][x] = BLACK if edge else WHITE


def draw_ray(pixels, size, x, y, angle, start, length, colour):
    """A straight ray from (x, y) outwards at angle degrees, drawn from start to start+length."""
    steps = size * 4
    for step in range(steps + 1):
        distance = (start + length * step / steps) * size
        px = int(x * size + distance * math.cos(math.radians(angle)))
        py = int(y * size - distance * math.sin(math.radians(angle)))
        if 0 <= px < size and 0 <= py < size:
            pixels[py][px] = colour


def idle_image(size):
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    draw_pointer(pixels, size, 0.28, 0.06, 0.88)
    return pixels


def running_image(size):
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    tip_x, tip_y = 0.32, 0.32
    for angle in (90, 135, 180):
        draw_ray(pixels, size, tip_x, tip_y, angle, 0.08, 0.22, RED)
    if size >= 32:  # the small image has no room for the finer rays
        for angle in (112, 158):
            draw_ray(pixels, size, tip_x, tip_y, angle, 0.10, 0.12, YELLOW)
    draw_pointer(pixels, size, tip_x, tip_y, 0.66)
    return pixels


def image_bytes(pixels):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows, both bottom-up."""
    size = len(pixels)
    colour_row = (size * 4 + 31) // 32 * 4
    mask_row = (size + 31) // 32 * 4
    colour = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        line = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x, index in enumerate(row):
            if index is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                index = 0
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colour += line
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         len(colour) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(colour) + bytes(mask)


def icon_file(images):
    """ICONDIR, one ICONDIRENTRY per image, then the images."""
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    bodies = []
    for pixels in images:
        body = image_bytes(pixels)
        size = len(pixels)
        data += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(body), offset)
        offset += len(body)
        bodies.append(body)
    return data + b''.join(bodies)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, draw in (('idle.ico', idle_image), ('running.ico', running_image)):
        with open(os.path.join(folder, name), 'wb') as out:
            out.write(icon_file([draw(32), draw(16)]))


if __name__ == '__main__':
    main()
