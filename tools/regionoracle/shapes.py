#!/usr/bin/env python3
"""Prints the shape list the region oracle runs (see oracle.c). Seeded, so the list is the same on
every run; edit here and rerun the oracle rather than editing shapes.txt by hand."""
import math
import random

rng = random.Random(14)
out = []


def poly(mode, pts):
    out.append(f"polygon {mode} {len(pts)} " + " ".join(f"{x} {y}" for x, y in pts))


def polys(mode, rings):
    flat = [p for ring in rings for p in ring]
    out.append(f"polypolygon {mode} {len(rings)} " + " ".join(str(len(r)) for r in rings) + " "
               + " ".join(f"{x} {y}" for x, y in flat))


def star(cx, cy, r, n, step):
    return [(cx + round(r * math.sin(2 * math.pi * k * step / n)),
             cy - round(r * math.cos(2 * math.pi * k * step / n))) for k in range(n)]


# Plain rectangles: corners in any order, empty ones.
out.append("# rectangles")
for r in [(0, 0, 10, 10), (3, 4, 4, 5), (10, 10, 0, 0), (-20, -7, -3, 9), (5, 5, 5, 9), (2, 8, 9, 8),
          (-100, 50, 100, -50)]:
    out.append("rect %d %d %d %d" % r)

# Ellipses: every small size (where rounding decides everything), thin, large, negative, reversed.
out.append("# ellipses")
for w in range(1, 9):
    for h in range(1, 9):
        out.append(f"ellipse 3 5 {3 + w} {5 + h}")
for w, h in [(1, 20), (2, 31), (3, 40), (20, 1), (31, 2), (40, 3), (4, 60), (60, 4), (9, 10), (10, 9),
             (15, 15), (16, 16), (17, 12), (25, 50), (200, 200), (201, 199), (199, 120), (250, 40),
             (40, 250), (128, 127)]:
    out.append(f"ellipse 0 0 {w} {h}")
out.append("ellipse 0 0 700 500")
out.append("ellipse -300 -20 301 41")
out.append("ellipse -50 -30 -10 7")
out.append("ellipse -7 -7 8 8")
out.append("ellipse 20 30 5 10")
out.append("ellipse 0 0 0 0")
out.append("ellipse 5 5 5 20")

# Rounded rectangles: corner sizes small, odd/even, larger than the box, negative, thin boxes.
out.append("# rounded rectangles")
for w, h, ew, eh in [(10, 10, 3, 3), (10, 10, 2, 2), (10, 10, 1, 1), (10, 10, 0, 0), (10, 10, 4, 4),
                     (10, 10, 5, 5), (20, 15, 6, 4), (20, 15, 7, 5), (20, 15, 4, 7), (10, 10, 30, 30),
                     (10, 10, 9, 9), (10, 10, 10, 10), (10, 10, 11, 11), (30, 20, 20, 3), (30, 20, 3, 18),
                     (200, 150, 40, 30), (201, 151, 41, 31), (220, 90, 90, 90), (3, 3, 2, 2), (4, 4, 3, 3),
                     (5, 5, 4, 4), (2, 40, 2, 6), (40, 2, 6, 2), (3, 40, 3, 6), (40, 3, 6, 3),
                     (12, 12, -4, -4), (12, 12, -5, 6), (16, 9, 16, 2), (16, 9, 2, 9), (7, 7, 6, 7)]:
    out.append(f"roundrect 0 0 {w} {h} {ew} {eh}")
for w in range(2, 8):
    for e in range(2, w + 2):
        out.append(f"roundrect 1 2 {1 + w} {2 + w} {e} {e}")
out.append("roundrect 0 0 900 600 301 199")
out.append("roundrect -30 -20 -5 10 8 6")
out.append("roundrect 30 25 4 3 9 7")

# Polygons in both fill modes.
shapes = []
shapes.append([(0, 0), (10, 0), (0, 10)])                               # the documented triangle
shapes.append([(0, 0), (10, 0), (10, 10), (0, 10)])                     # rectangle polygon
shapes.append([(10, 0), (0, 10), (0, 0)])                               # other orientation
shapes.append([(5, 0), (10, 10), (0, 10)])
shapes.append([(0, 0), (7, 3), (2, 11)])
shapes.append([(0, 0), (1, 0), (1, 1), (0, 1)])                         # one pixel
shapes.append([(0, 0), (1, 0), (0, 1)])
shapes.append([(0, 0), (3, 1), (1, 3)])
shapes.append([(0, 0), (20, 1)])                                        # two points: no area
shapes.append([(0, 0), (0, 0), (0, 0)])                                 # all one point
shapes.append([(0, 0), (5, 5), (10, 10)])                               # collinear only
shapes.append([(0, 0), (5, 0), (10, 0), (10, 5), (10, 10), (5, 10), (0, 10), (0, 5)])  # collinear points
shapes.append([(0, 0), (10, 0), (10, 0), (10, 10), (10, 10), (0, 10), (0, 0)])        # duplicates
shapes.append([(0, 0), (10, 0), (10, 10), (0, 10), (0, 0)])             # explicitly closed
shapes.append([(0, 0), (10, 10), (10, 0), (0, 10)])                     # bow tie
shapes.append([(0, 0), (10, 0), (0, 10), (10, 10)])                     # hourglass
shapes.append([(-10, -10), (5, -12), (12, 3), (-3, 14), (-15, 2)])      # negative coordinates
shapes.append([(-40, -3), (-2, -30), (-1, -29)])                        # thin sliver
shapes.append([(0, 0), (100, 1), (0, 2)])                               # long and thin
shapes.append([(0, 0), (1, 100), (2, 0)])
shapes.append([(0, 0), (30, 0), (30, 30), (20, 30), (20, 10), (10, 10), (10, 30), (0, 30)])  # concave U
shapes.append([(0, 10), (10, 0), (20, 10), (10, 20)])                   # diamond
shapes.append([(0, 0), (20, 0), (20, 20), (5, 5), (0, 20)])
shapes.append([(0, 0), (30, 0), (30, 30), (0, 30), (0, 10), (20, 10), (20, 20), (10, 20), (10, 0)])  # self-overlap
shapes.append([(0, 0), (20, 0), (20, 20), (0, 20), (0, 0), (5, 5), (15, 5), (15, 15), (5, 15), (5, 5)])  # slit hole
shapes.append([(0, 0), (20, 0), (20, 20), (0, 20), (0, 0), (5, 5), (5, 15), (15, 15), (15, 5), (5, 5)])  # reversed slit
shapes.append(star(20, 20, 18, 5, 2))                                   # pentagram
shapes.append(star(50, 50, 47, 7, 3))                                   # {7/3} star
shapes.append(star(40, 40, 35, 7, 2))
shapes.append(star(100, 100, 99, 9, 4))                                 # large star
shapes.append(star(0, 0, 25, 8, 3))                                     # centred at the origin
shapes.append([(0, 0), (199, 3), (203, 180), (90, 201), (-5, 120)])      # large
shapes.append([(3, 3), (3, 3), (17, 3), (17, 9), (17, 9), (3, 9)])
shapes.append([(0, 0), (10, 0), (5, 0), (5, 10)])                       # spike back along an edge
shapes.append([(0, 5), (5, 0), (10, 5), (5, 10), (0, 5), (5, 0)])       # traced twice in part
for pts in shapes:
    poly("alternate", pts)
    poly("winding", pts)

out.append("# seeded random polygons")
for k in range(40):
    n = rng.randint(3, 14)
    size = rng.choice([6, 20, 60, 150])
    pts = [(rng.randint(-size // 3, size), rng.randint(-size // 3, size)) for _ in range(n)]
    mode = "alternate" if k % 2 == 0 else "winding"
    poly(mode, pts)
    poly("winding" if mode == "alternate" else "alternate", pts)

out.append("# polygon sets")
sq = lambda l, t, r, b: [(l, t), (r, t), (r, b), (l, b)]
sq_rev = lambda l, t, r, b: [(l, t), (l, b), (r, b), (r, t)]
sets = [
    [sq(0, 0, 20, 20), sq(10, 10, 30, 30)],              # overlapping
    [sq(0, 0, 30, 30), sq(10, 10, 20, 20)],              # nested, same direction
    [sq(0, 0, 30, 30), sq_rev(10, 10, 20, 20)],          # nested, opposite direction
    [sq(0, 0, 10, 10), sq(10, 0, 20, 10)],               # touching
    [sq(0, 0, 10, 10), sq(0, 0, 10, 10)],                # identical
    [star(20, 20, 18, 5, 2), sq(-5, -5, 45, 45)],
    [[(0, 0), (10, 0), (0, 10)], [(0, 0), (20, 1)], sq(-8, -8, -2, -2)],
]
for rings in sets:
    polys("alternate", rings)
    polys("winding", rings)

print("\n".join(out))
