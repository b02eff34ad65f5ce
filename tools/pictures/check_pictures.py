#!/usr/bin/env python3
"""Checks the pictures in resources/: the icon group's seven images and the
button glyphs' sizes, colour depths and transparent corner colours.

    python3 tools/pictures/check_pictures.py [resources directory]

Prints one OK line and exits 0, or prints the failures and exits 1.
"""

import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)
    return condition


def read(path):
    with open(path, "rb") as f:
        return f.read()


def check_icon(path):
    data = read(path)
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if not expect(reserved == 0 and kind == 1, "%s: not an icon file" % path):
        return
    found = []
    for k in range(count):
        w, h, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * k)
        w, h = w or 256, h or 256
        expect(offset + size <= len(data), "%s: image %d runs past the end" % (path, k))
        image = data[offset:offset + size]
        if image[:8] == b"\x89PNG\r\n\x1a\n":
            iw, ih = struct.unpack_from(">II", image, 16)
            ibits = {6: 32}.get(image[25], image[24])
        else:
            hsize, iw, ih2, iplanes, ibits = struct.unpack_from("<IiiHH", image, 0)
            expect(hsize == 40, "%s: image %d has header size %d" % (path, k, hsize))
            expect(ih2 == 2 * iw, "%s: image %d height %d is not twice its width" % (path, k, ih2))
            ih = ih2 // 2
            palette = 4 * (struct.unpack_from("<I", image, 32)[0] or (1 << ibits)) if ibits <= 8 else 0
            stride = ((iw * ibits + 31) // 32) * 4
            mask_stride = ((iw + 31) // 32) * 4
            expect(len(image) >= 40 + palette + (stride + mask_stride) * ih,
                   "%s: image %d is too short for its pixels and mask" % (path, k))
        expect((iw, ih) == (w, h), "%s: image %d is %dx%d, directory says %dx%d" % (path, k, iw, ih, w, h))
        expect(ibits == bits, "%s: image %d has %d bits, directory says %d" % (path, k, ibits, bits))
        found.append((w, h, ibits))
    wanted = [(16, 16, 8), (32, 32, 8), (48, 48, 8), (16, 16, 32), (32, 32, 32), (48, 48, 32),
              (128, 128, 32)]
    expect(sorted(found) == sorted(wanted),
           "%s: images %s, expected %s" % (path, sorted(found), sorted(wanted)))


def read_bmp(path):
    """Returns (width, height, bits, rows of (r, g, b) from the top)."""
    data = read(path)
    if not expect(data[:2] == b"BM", "%s: not a BMP file" % path):
        return None
    offset = struct.unpack_from("<I", data, 10)[0]
    hsize, w, h, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    expect(hsize == 40 and compression == 0 and h > 0, "%s: unexpected BMP header" % path)
    palette = []
    if bits <= 8:
        n = struct.unpack_from("<I", data, 46)[0] or (1 << bits)
        palette = [tuple(data[54 + 4 * i:54 + 4 * i + 3][::-1]) for i in range(n)]
    stride = ((w * bits + 31) // 32) * 4
    rows = []
    for j in range(h):
        start = offset + (h - 1 - j) * stride
        line = data[start:start + stride]
        if not expect(len(line) == stride, "%s: pixel data too short" % path):
            return None
        if bits == 24:
            rows.append([tuple(line[3 * i:3 * i + 3][::-1]) for i in range(w)])
        elif bits == 4:
            rows.append([palette[(line[i // 2] >> (4 * (1 - i % 2))) & 15] for i in range(w)])
        else:
            expect(False, "%s: %d bits per pixel not handled" % (path, bits))
            return None
    return w, h, bits, rows


def check_bmp(path, width, height, bits):
    bmp = read_bmp(path)
    if bmp is None:
        return None
    w, h, b, rows = bmp
    expect((w, h, b) == (width, height, bits),
           "%s: %dx%d at %d bits, expected %dx%d at %d bits" % (path, w, h, b, width, height, bits))
    return rows


def count(rows, colour):
    return sum(row.count(colour) for row in rows)


def main(argv):
    resources = argv[0] if argv else os.path.join(ROOT, "resources")
    check_icon(os.path.join(resources, "Vevove.ico"))

    quit_rows = check_bmp(os.path.join(resources, "Quit.bmp"), 16, 16, 24)
    if quit_rows:
        corner = quit_rows[-1][0]
        expect(count(quit_rows, corner) == 1,
               "Quit.bmp: the corner colour %s occurs %d times" % (corner, count(quit_rows, corner)))

    info_rows = check_bmp(os.path.join(resources, "Info.bmp"), 16, 16, 24)
    if info_rows:
        white = (255, 255, 255)
        expect(info_rows[-1][0] == white, "Info.bmp: the lower-left pixel is not white")
        expect(all(info_rows[j][i] == white for j in (0, 15) for i in (0, 15)),
               "Info.bmp: a corner is not white")
        expect(info_rows[8][8] == white, "Info.bmp: the letter is not white")
        expect(count(info_rows, white) < 16 * 16 // 2, "Info.bmp: mostly white, no ball?")

    for name in ("Help.bmp", "Ok.bmp"):
        rows = check_bmp(os.path.join(resources, name), 36, 18, 4)
        if rows:
            olive = (128, 128, 0)
            expect(rows[-1][0] == olive, "%s: the lower-left pixel is not olive" % name)
            left = [row[:18] for row in rows]
            right = [row[18:] for row in rows]
            expect(count(left, olive) < 18 * 18 and count(right, olive) < 18 * 18,
                   "%s: a half is empty" % name)
            greys = {(128, 128, 128), (255, 255, 255), olive}
            expect(all(p in greys for row in right for p in row),
                   "%s: the greyed twin holds other colours than grey, white and olive" % name)

    if failures:
        for f in failures:
            print("FAIL:", f)
        return 1
    print("OK: pictures (icon with 7 images, Quit, Info, Help, Ok glyphs)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
