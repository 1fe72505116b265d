#!/usr/bin/env python3
"""Writes the small hostile inputs kept in this folder: model files whose masks, outlines and
counts sit at the ends of the 32-bit range or contradict each other, and a contents file whose
preview height is -2147483648. Each once reached undefined behaviour or was accepted without a
word; the fuzz regression test replays them under the sanitizers.

    python3 fuzz/regressions/make_extreme_inputs.py      (from the top of the source tree)
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
MAX, MIN = 2**31 - 1, -2**31


def row_bytes(w):
    return 4 * ((3 * w - 1) // 4) + 4


def model(w=40, h=30, mask1=(10, 10, 20, 10), mask2=(0, 0, 40, 5), set1=None, set2=None, magic=b"JSDL"):
    """The extended layout, positions in table order, as the program's own writer lays it out.
    A mask is (x, y, width, height); a set is (counts, points)."""
    set1 = set1 or ([4], [(10, 10), (30, 10), (30, 20), (10, 20)])
    set2 = set2 or ([3], [(0, 0), (5, 0), (0, 5)])
    rb = row_bytes(w)
    H = [0] * 63
    H[0], H[1], H[2], H[3] = -250, 0x7896C8, 0x14283C, 221
    H[4] = rb * h
    H[5] = 261
    H[6] = H[5] + H[4]
    H[7], H[8], H[9], H[10] = mask1[2], mask1[3], mask1[0], mask1[1]
    H[11] = H[6] + H[4]
    H[12] = H[7] * H[8]
    H[13], H[14], H[15], H[16] = mask2[2], mask2[3], mask2[0], mask2[1]
    H[17] = H[11] + H[12]
    H[18] = H[13] * H[14]
    H[19], H[20], H[21], H[22] = H[13], H[14], H[15], H[16]
    H[23] = H[17] + H[18]
    H[24] = H[18]
    H[25], H[26] = len(set1[0]), len(set1[1])
    H[27] = H[23] + H[24]
    H[28] = H[27] + 4 * H[25]
    H[29], H[30] = len(set2[0]), len(set2[1])
    H[31] = H[28] + 8 * H[26]
    H[32] = H[31] + 4 * H[29]
    H[35], H[44], H[45] = 1, 60, 150
    name = b"extreme"
    H[48] = len(name)
    H[49] = H[32] + 8 * H[30]
    H[50], H[51] = 0, 0
    H[52] = H[49] + H[48]
    H[53:63] = [40, w, -h, 1 | (24 << 16), 0, 0, 2834, 2834, 0, 0]
    length = H[52] + H[51] - 1
    f = bytearray(length)
    f[0:4] = magic
    struct.pack_into("<i", f, 4, length)
    struct.pack_into("<63i", f, 8, *H)
    picture = bytes((i * 7) & 255 for i in range(H[4]))
    f[H[5] - 1:H[5] - 1 + H[4]] = picture
    f[H[6] - 1:H[6] - 1 + H[4]] = picture[::-1]
    f[H[11] - 1:H[11] - 1 + H[12]] = bytes([255]) * H[12]
    f[H[17] - 1:H[17] - 1 + H[18]] = bytes([200]) * H[18]
    f[H[23] - 1:H[23] - 1 + H[24]] = bytes([250]) * H[24]
    for counts, points, cpos, ppos in ((set1[0], set1[1], H[27], H[28]), (set2[0], set2[1], H[31], H[32])):
        for i, c in enumerate(counts):
            struct.pack_into("<i", f, cpos - 1 + 4 * i, c)
        for i, (x, y) in enumerate(points):
            struct.pack_into("<2i", f, ppos - 1 + 8 * i, x, y)
    f[H[49] - 1:H[49] - 1 + H[48]] = name
    return bytes(f)


def contents_with_preview_height(height):
    n = 2
    table = [0] * (13 * n)
    preview = bytes(row_bytes(4) * 4)
    pos = 13 + 52 * n
    for item in range(n):
        fields = [len(preview) + 54, 0, 40, 4, height if item == 0 else 4, 1 | (24 << 16), 0, len(preview), 2834, 2834,
                  0, 0, pos]
        for k, v in enumerate(fields):
            table[k * n + item] = v
    body = b"IWRG" + struct.pack("<ii", 0, n) + struct.pack("<%di" % len(table), *table) + preview
    return body[:4] + struct.pack("<i", len(body)) + body[8:]


def write(target, name, data):
    folder = os.path.join(HERE, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


corners = [(MIN, MIN), (MAX, MIN), (MAX, MAX), (MIN, MAX)]
write("model_editor", "mask1-ends-on-the-last-column.dsl", model(mask1=(MAX - 5, MAX - 5, 5, 5)))
write("model_editor", "mask1-runs-past-the-last-column.dsl", model(mask1=(MAX - 2, 10, 5, 4)))
write("model_editor", "mask2-runs-past-the-last-row.dsl", model(mask2=(0, MAX - 1, 4, 3)))
write("model_editor", "masks-at-the-lowest-coordinates.dsl", model(mask1=(MIN, MIN, 3, 3), mask2=(MIN, 0, 4, 2)))
write("model_editor", "cut-out-over-every-long.dsl", model(set1=([4], corners)))
write("model_editor", "cut-out-beside-the-picture.dsl", model(set1=([4], [(50, 0), (60, 0), (60, 10), (50, 10)])))
write("model_editor", "counts-do-not-add-up.dsl", model(set1=([4, 4], [(10, 10), (30, 10), (30, 20), (10, 20)])))
write("model_editor", "counts-wrap-around-32-bits.dsl",
      model(set1=([MAX, MAX, 6], [(10, 10), (30, 10), (30, 20), (10, 20)])))
write("model_editor", "face-mask-over-every-long.dsl", model(set2=([4], corners)))
write("model_library", "outlines-and-masks-at-the-ends-of-the-range.dsl",
      model(mask1=(MAX - 5, MIN, 5, 5), set1=([4], corners), magic=b"JDSL"))
write("contents", "preview-height-lowest-long.irw", contents_with_preview_height(MIN))
write("contents", "preview-height-highest-long.irw", contents_with_preview_height(MAX))
