#!/usr/bin/env python3
"""Draws the area picker's icon as a 16-colour .ico file (32x32 and 16x16 images).

A dashed selection rectangle, with a crosshair at the corner being dragged.
The .ico format is written by res/draw_icons.py, shared with the main program's icons.
Run from anywhere: python3 areapick/draw_icon.py
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'res'))

from draw_icons import BLACK, RED, TRANSPARENT, WHITE, icon_file  # noqa: E402


def draw_dashed_rectangle(pixels, first, last, dash):
    """Black and white dashes along the border, like a selection on screen."""
    border = []
    for i in range(first, last + 1):
        border += [(i, first), (i, last)]
    for i in range(first + 1, last):
        border += [(first, i), (last, i)]
    for x, y in border:
        # The dash pattern runs along the rectangle's diagonal, so the corners line up.
        pixels[y][x] = BLACK if ((x + y) // dash) % 2 == 0 else WHITE


def draw_crosshair(pixels, centre, arm, gap):
    size = len(pixels)
    for offset in range(gap + 1, arm + 1):
        for dx, dy in ((offset, 0), (-offset, 0), (0, offset), (0, -offset)):
            x, y = centre + dx, centre + dy
            if 0 <= x < size and 0 <= y < size:
                pixels[y][x] = RED


def area_image(size):
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    first, last = size // 12, size * 11 // 16
    draw_dashed_rectangle(pixels, first, last, max(2, size // 10))
    draw_crosshair(pixels, last, size * 5 // 16, 1 if size >= 32 else 0)
    return pixels


def main():
    with open(os.path.join(HERE, 'areapick.ico'), 'wb') as out:
        out.write(icon_file([area_image(32), area_image(16)]))


if __name__ == '__main__':
    main()
