#!/usr/bin/env python3
"""Draws the graphics library's own mouse cursors (resources 10-59) as monochrome .cur files into
data/library/cursors/: 48 x 48 for the brush outlines and targets (a circle of radius 16 and its
halo need 35 pixels), 32 x 32 for the rest. The files are committed; rerun this after changing a
drawing:

    tools/cursors/make_cursors.py [output directory]

Every cursor is black and white on a transparent ground, so it shows on any picture:
  10-25  brush outlines: circles of radius 1..16, black with a white halo, hot spot at the centre
  26-41  the same circles with a small centre cross (the clone stamp's target)
  42-49  cross-hairs whose centre gap is 0..7 pixels
  50-59  tools, white shapes outlined in black, the hot spot where the tool touches the picture:
         50 pencil, 51 brush, 52 paint bucket, 53 stamp, 54 colour dropper, 55 move, 56 rotate,
         57 magnifier, 58 magic wand, 59 eraser
"""
import math
import os
import struct
import sys

SIZE = 32  # the side of the cursor being drawn (see canvas)
C = 16  # its centre, where the outline cursors point


def canvas(resource):
    """Sets the side and centre the drawing functions work in for this resource."""
    global SIZE, C
    SIZE = 48 if resource <= 41 else 32
    C = SIZE // 2


def disc(cx, cy, r):
    return {(x, y) for y in range(SIZE) for x in range(SIZE) if math.hypot(x - cx, y - cy) <= r}


def ring(cx, cy, r):
    return {(x, y) for y in range(SIZE) for x in range(SIZE) if abs(math.hypot(x - cx, y - cy) - r) < 0.5}


def polygon(points):
    """Pixels whose centre lies inside the polygon (even-odd)."""
    out = set()
    n = len(points)
    for y in range(SIZE):
        for x in range(SIZE):
            px, py = x + 0.5, y + 0.5
            inside = False
            for i in range(n):
                (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
                if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                    inside = not inside
            if inside:
                out.add((x, y))
    return out


def bar(start, direction, a, b, half):
    """The rotated rectangle from a to b along `direction` (a unit vector) from `start`, `half` wide
    on each side."""
    (sx, sy), (ux, uy) = start, direction
    nx, ny = -uy, ux
    return polygon([(sx + ux * a + nx * half, sy + uy * a + ny * half), (sx + ux * b + nx * half, sy + uy * b + ny * half),
                    (sx + ux * b - nx * half, sy + uy * b - ny * half), (sx + ux * a - nx * half, sy + uy * a - ny * half)])


def grow(pixels):
    return {(x + dx, y + dy) for x, y in pixels for dx in (-1, 0, 1) for dy in (-1, 0, 1)
            if 0 <= x + dx < SIZE and 0 <= y + dy < SIZE}


def border(shape):
    return {(x, y) for x, y in shape if any((x + dx, y + dy) not in shape for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))}


def haloed(line):
    """A black line with a white halo around it."""
    return {"white": grow(line), "black": set(line)}


def outlined(shape, ink=()):
    """A white shape with a black border and black details."""
    return {"white": set(shape), "black": border(shape) | set(ink)}


def cross(gap, arm):
    px = {(C, C)} if gap == 0 else set()
    for k in range(gap + 1, arm + 1):
        px |= {(C + k, C), (C - k, C), (C, C + k), (C, C - k)}
    return px


DIAG = (1 / math.sqrt(2), -1 / math.sqrt(2))  # from the bottom left towards the top right


def cone(start, direction, a, b, half):
    """A triangle with its point at a along `direction` from `start`, `half` wide at b."""
    (sx, sy), (ux, uy) = start, direction
    nx, ny = -uy, ux
    return polygon([(sx + ux * a, sy + uy * a), (sx + ux * b + nx * half, sy + uy * b + ny * half),
                    (sx + ux * b - nx * half, sy + uy * b - ny * half)])


def pencil():
    tip = (1.0, 31.0)
    body = bar(tip, DIAG, 7, 33, 3.6) | cone(tip, DIAG, 0, 7, 3.6)
    lead = cone(tip, DIAG, 0, 2.8, 1.5)
    band = bar(tip, DIAG, 25, 26.5, 3.6) | bar(tip, DIAG, 7, 8.2, 3.6)
    return outlined(body, lead | band), (1, 30)


def brush():
    tip = (1.0, 31.0)
    bristles = cone(tip, DIAG, 0, 6, 3.8) | bar(tip, DIAG, 6, 11, 3.8)
    ferrule = bar(tip, DIAG, 11, 17, 3.2)
    handle = bar(tip, DIAG, 17, 41, 2.2)
    shape = bristles | ferrule | handle
    return outlined(shape, bristles | bar(tip, DIAG, 14, 15, 3.2)), (1, 30)


def bucket():
    # A pail tipped to the left, its handle over it and paint running from the rim to a drop.
    u = (math.cos(math.radians(-30)), math.sin(math.radians(-30)))
    pail = bar((9.0, 19.0), u, 0, 18, 7)
    handle = {p for p in ring(19, 12, 9) if p[1] < 10} - grow(pail)
    paint = bar((9.0, 19.0), (0, 1), -2, 8, 2.2) | disc(5, 27, 3.2)
    shape = pail | paint
    return {"white": shape | grow(handle), "black": border(shape) | handle | paint | bar((9.0, 19.0), u, 0, 1.2, 7)}, (5, 30)


def stamp():
    knob = disc(16, 6, 5)
    neck = polygon([(13, 10), (19, 10), (20, 19), (12, 19)])
    base = polygon([(5, 19), (27, 19), (27, 26), (5, 26)])
    pad = polygon([(6, 26), (26, 26), (26, 30), (6, 30)])
    return outlined(knob | neck | base | pad, pad), (16, 29)


def dropper():
    tip = (1.0, 31.0)
    point = bar(tip, DIAG, 0, 6, 1.2)
    tube = bar(tip, DIAG, 6, 24, 2.8)
    collar = bar(tip, DIAG, 24, 27, 4.2)
    bulb = disc(23, 9, 5)
    liquid = bar(tip, DIAG, 2, 14, 1.2)
    return outlined(point | tube | collar | bulb, liquid | collar | bulb), (1, 30)


def arrow(direction, length):
    ux, uy = direction
    nx, ny = -uy, ux
    head = polygon([(C + 0.5 + ux * length, C + 0.5 + uy * length),
                    (C + 0.5 + ux * (length - 5) + nx * 4.5, C + 0.5 + uy * (length - 5) + ny * 4.5),
                    (C + 0.5 + ux * (length - 5) - nx * 4.5, C + 0.5 + uy * (length - 5) - ny * 4.5)])
    return head | bar((C + 0.5, C + 0.5), direction, 0, length - 4, 1.6)


def move():
    shape = set()
    for d in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        shape |= arrow(d, 15)
    return outlined(shape), (C, C)


def rotate():
    arc = {(x, y) for x, y in ring(C, C, 10) | ring(C, C, 9) | ring(C, C, 11)
           if not (x > C and y < C and (x - C) > (C - y) * 0.3)}
    end = (C + 10 * math.cos(math.radians(-70)), C + 10 * math.sin(math.radians(-70)))
    head = polygon([(end[0] + 6.5, end[1] + 0.5), (end[0], end[1] - 5.5), (end[0], end[1] + 6.5)])
    shape = arc | head
    return {"white": grow(shape) | grow({(C, C)}), "black": shape | {(C, C)}}, (C, C)


def magnifier():
    lens = disc(12, 12, 9.5)
    glass = disc(12, 12, 7)
    handle = bar((18.5, 18.5), (0.7071, 0.7071), 0, 17, 2.6)
    shape = lens | handle
    return {"white": shape, "black": border(shape) | (lens - glass) | handle}, (12, 12)


def wand():
    stick = bar((30.0, 30.0), (-0.7071, -0.7071), 0, 27, 1.8)
    tip = bar((30.0, 30.0), (-0.7071, -0.7071), 0, 5, 1.8)
    star = []
    for k in range(10):
        r = 6.5 if k % 2 == 0 else 2.6
        a = math.radians(-90 + 36 * k)
        star.append((7 + r * math.cos(a), 7 + r * math.sin(a)))
    shape = stick | polygon(star)
    return outlined(shape, tip), (7, 7)


def eraser():
    u = (0.7071, -0.7071)
    block = bar((3.0, 25.0), u, 0, 24, 5.5)
    rubber = bar((3.0, 25.0), u, 0, 9, 5.5)
    return outlined(block, rubber), (1, 27)


def drawing(resource):
    if resource <= 25:
        return haloed(ring(C, C, resource - 9)), (C, C)
    if resource <= 41:
        return haloed(ring(C, C, resource - 25) | cross(0, 2)), (C, C)
    if resource <= 49:
        return haloed(cross(resource - 42, 12)), (C, C)
    return [pencil, brush, bucket, stamp, dropper, move, rotate, magnifier, wand, eraser][resource - 50]()


NAMES = {50: "pencil", 51: "brush", 52: "bucket", 53: "stamp", 54: "dropper", 55: "move", 56: "rotate",
         57: "magnifier", 58: "wand", 59: "eraser"}


def name(resource):
    if resource <= 25:
        return f"{resource}-circle{resource - 9}"
    if resource <= 41:
        return f"{resource}-target{resource - 25}"
    if resource <= 49:
        return f"{resource}-crosshair{resource - 42}"
    return f"{resource}-{NAMES[resource]}"


def cur_file(pixels, hot):
    """A one-image cursor file: directory, 40-byte header, black and white palette, the colour bits
    (1 = white) and the AND mask (1 = the screen shows through), rows bottom-up and padded to 4
    bytes."""
    white, black = pixels["white"], pixels["black"]
    row_bytes = (SIZE + 31) // 32 * 4
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):
        xor_bits = and_bits = 0
        for x in range(SIZE):
            bit = 1 << (row_bytes * 8 - 1 - x)
            if (x, y) in black:
                pass
            elif (x, y) in white:
                xor_bits |= bit
            else:
                and_bits |= bit
        xor_rows.append(xor_bits.to_bytes(row_bytes, "big"))
        and_rows.append(and_bits.to_bytes(row_bytes, "big"))
    image = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, 2 * row_bytes * SIZE, 0, 0, 2, 0)
    image += bytes([0, 0, 0, 0, 255, 255, 255, 0]) + b"".join(xor_rows) + b"".join(and_rows)
    head = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hot[0], hot[1], len(image), 22)
    return head + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data", "library", "cursors")
    os.makedirs(out, exist_ok=True)
    for resource in range(10, 60):
        canvas(resource)
        pixels, hot = drawing(resource)
        assert 0 <= hot[0] < SIZE and 0 <= hot[1] < SIZE, resource
        with open(os.path.join(out, name(resource) + ".cur"), "wb") as f:
            f.write(cur_file(pixels, hot))


if __name__ == "__main__":
    main()
