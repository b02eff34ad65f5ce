#!/usr/bin/env python3
"""Draws Vevove's pictures and writes them into resources/.

    python3 tools/pictures/make_pictures.py [--preview DIR]

Writes resources/Vevove.ico (the program icon: a flat-panel monitor),
resources/Quit.bmp (red rounded square with a white power symbol),
resources/Info.bmp (blue glossy ball with a white letter i),
resources/Help.bmp (cyan question mark and its greyed twin) and
resources/Ok.bmp (green check mark and its greyed twin).
With --preview, enlarged PNG copies are also written into DIR for looking at.

Only the Python 3 standard library is used. Shapes are drawn by supersampling:
each pixel is sampled on an SS x SS grid and its coverage is the fraction of
the samples that fall inside the shape.
"""

import math
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RESOURCES = os.path.join(ROOT, "resources")

SS = 8  # samples per pixel along each axis


# ---------------------------------------------------------------------------
# Shapes: a shape is (inside(x, y) -> bool, bounding box (x0, y0, x1, y1)).
# Coordinates are in pixels; pixel (i, j) covers [i, i+1) x [j, j+1).
# ---------------------------------------------------------------------------

class Shape:
    def __init__(self, inside, box):
        self.inside = inside
        self.box = box

    def __or__(self, other):
        a, b = self, other
        box = (min(a.box[0], b.box[0]), min(a.box[1], b.box[1]),
               max(a.box[2], b.box[2]), max(a.box[3], b.box[3]))
        return Shape(lambda x, y: a.inside(x, y) or b.inside(x, y), box)

    def __and__(self, other):
        a, b = self, other
        box = (max(a.box[0], b.box[0]), max(a.box[1], b.box[1]),
               min(a.box[2], b.box[2]), min(a.box[3], b.box[3]))
        return Shape(lambda x, y: a.inside(x, y) and b.inside(x, y), box)

    def __sub__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) and not b.inside(x, y), a.box)


def circle(cx, cy, r):
    r2 = r * r
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r2,
                 (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        dx = max(x0 + r - x, 0.0, x - (x1 - r))
        dy = max(y0 + r - y, 0.0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return Shape(inside, (x0, y0, x1, y1))


def line(points, width):
    """A polyline of the given thickness with round caps and joins."""
    h = width / 2.0
    segments = list(zip(points, points[1:]))

    def near(x, y):
        for (ax, ay), (bx, by) in segments:
            vx, vy = bx - ax, by - ay
            t = ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)
            t = min(1.0, max(0.0, t))
            px, py = ax + t * vx - x, ay + t * vy - y
            if px * px + py * py <= h * h:
                return True
        return False
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(near, (min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h))


def polygon(points):
    """A filled polygon (even-odd rule)."""
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        odd = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                odd = not odd
        return odd
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(inside, (min(xs), min(ys), max(xs), max(ys)))


def ring_arc(cx, cy, r_out, r_in, start_deg, end_deg):
    """Part of an annulus, from start_deg to end_deg counter-clockwise on the
    screen (0 = right, 90 = up)."""
    span = (end_deg - start_deg) % 360.0

    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (r_in * r_in <= d2 <= r_out * r_out):
            return False
        a = math.degrees(math.atan2(cy - y, x - cx))
        return (a - start_deg) % 360.0 <= span
    return Shape(inside, (cx - r_out, cy - r_out, cx + r_out, cy + r_out))


def half_plane(a, b, c):
    """Points with a*x + b*y < c."""
    return Shape(lambda x, y: a * x + b * y < c, (-1e9, -1e9, 1e9, 1e9))


# ---------------------------------------------------------------------------
# Canvas: straight (not premultiplied) RGBA, floats 0..1.
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, background=(0.0, 0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        self.px = [[list(background) for _ in range(w)] for _ in range(h)]

    def coverage(self, shape, i, j):
        n = 0
        for sy in range(SS):
            y = j + (sy + 0.5) / SS
            for sx in range(SS):
                if shape.inside(i + (sx + 0.5) / SS, y):
                    n += 1
        return n / (SS * SS)

    def fill(self, shape, paint, opacity=1.0):
        """Paints the shape; paint is an RGB(A) tuple of 0..255 values or a
        function (x, y) -> such a tuple, evaluated at the pixel centre."""
        x0, y0, x1, y1 = shape.box
        for j in range(max(0, int(math.floor(y0))), min(self.h, int(math.ceil(y1)))):
            for i in range(max(0, int(math.floor(x0))), min(self.w, int(math.ceil(x1)))):
                cov = self.coverage(shape, i, j)
                if cov <= 0.0:
                    continue
                c = paint(i + 0.5, j + 0.5) if callable(paint) else paint
                a = (c[3] / 255.0 if len(c) > 3 else 1.0) * cov * opacity
                self.blend(i, j, (c[0] / 255.0, c[1] / 255.0, c[2] / 255.0), a)

    def blend(self, i, j, rgb, a):
        d = self.px[j][i]
        da = d[3]
        oa = a + da * (1.0 - a)
        if oa <= 0.0:
            return
        for k in range(3):
            d[k] = (rgb[k] * a + d[k] * da * (1.0 - a)) / oa
        d[3] = oa

    def rgba8(self, i, j):
        return tuple(int(round(max(0.0, min(1.0, v)) * 255)) for v in self.px[j][i])


def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


# ---------------------------------------------------------------------------
# The program icon: a flat-panel monitor with a black frame and stand and a
# glossy blue screen with a lighter diagonal highlight.
# ---------------------------------------------------------------------------

def draw_monitor(n):
    c = Canvas(n, n)
    snap = round if n <= 48 else (lambda v: v)   # crisp edges at small sizes
    fx0, fx1 = snap(n * 0.02), n - snap(n * 0.02)
    fy0, fy1 = snap(n * 0.08), snap(n * 0.76)
    side = max(1, snap(n * 0.055))                # frame thickness
    bottom = max(1, snap(n * 0.075))              # bottom bezel, a bit thicker
    frame_r = max(0.6, n * 0.045)

    # Stand: a neck widening towards the foot, and a flat base.
    neck_top, base_top, base_bot = fy1, snap(n * 0.86), snap(n * 0.94)
    if n == 16:
        base_top, base_bot = 14, 16
    mid = n / 2.0
    neck_w_top, neck_w_bot = n * 0.16, n * 0.24
    neck = polygon([(mid - neck_w_top / 2, neck_top - 1), (mid + neck_w_top / 2, neck_top - 1),
                    (mid + neck_w_bot / 2, base_top + 1), (mid - neck_w_bot / 2, base_top + 1)])
    base_half = n * 0.29
    base = rounded_rect(mid - base_half, base_top, mid + base_half, base_bot,
                        max(0.6, (base_bot - base_top) * 0.45))
    dark = (22, 22, 26)
    c.fill(neck, lambda x, y: mix((40, 40, 46), dark, (y - neck_top) / max(1, base_top - neck_top)))
    c.fill(base, lambda x, y: mix((58, 58, 64), dark, (y - base_top) / max(1, base_bot - base_top)))

    # Frame: black, with a faint sheen towards the top at the larger sizes.
    frame = rounded_rect(fx0, fy0, fx1, fy1, frame_r)
    c.fill(frame, lambda x, y: mix((52, 52, 58), (14, 14, 16), (y - fy0) / (fy1 - fy0)))
    if n >= 48:  # a thin lighter rim along the top and sides of the bezel
        rim = frame - rounded_rect(fx0 + n / 96.0, fy0 + n / 96.0, fx1 - n / 96.0, fy1 - n / 96.0,
                                   frame_r)
        c.fill(rim, (110, 110, 120), opacity=0.6)

    # Screen: blue, light at the upper left, deep at the lower right.
    sx0, sy0, sx1, sy1 = fx0 + side, fy0 + side, fx1 - side, fy1 - bottom
    sw, sh = sx1 - sx0, sy1 - sy0
    screen = rect(sx0, sy0, sx1, sy1)

    def screen_paint(x, y):
        t = 0.55 * (x - sx0) / sw + 0.45 * (y - sy0) / sh
        return mix((64, 150, 250), (8, 40, 150), t)
    c.fill(screen, screen_paint)

    # Glossy highlight: a lighter area above a diagonal running from the
    # left edge (low) to the top edge (right of the middle).
    ax, ay = sx0, sy0 + sh * 0.78
    bx, by = sx0 + sw * 0.68, sy0
    na, nb = by - ay, ax - bx              # normal of the line A->B
    gloss = screen & half_plane(-na, -nb, -(na * ax + nb * ay))

    def gloss_paint(x, y):
        t = ((x - sx0) / sw + (y - sy0) / sh) / 0.9
        return (255, 255, 255, 150 - 80 * min(1.0, t))
    c.fill(gloss, gloss_paint, opacity=0.85)

    # A lit reflection strip just below the top edge of the screen.
    if n >= 32:
        c.fill(rect(sx0, sy0, sx1, sy0 + max(1.0, n / 64.0)), (255, 255, 255, 60))

    # Power light on the bottom bezel.
    if n >= 48:
        cy = sy1 + bottom / 2.0
        c.fill(circle(fx1 - n * 0.1, cy, max(0.7, n * 0.014)), (90, 220, 120))
    return c


# ---------------------------------------------------------------------------
# Glyphs of the buttons.
# ---------------------------------------------------------------------------

BUTTON_FACE = (212, 208, 200)   # background the glyph's corners are blended on


def draw_quit():
    """16 x 16: red rounded square, white power symbol. Only the lower-left
    pixel is transparent, and its colour is unique in the picture."""
    c = Canvas(16, 16, tuple(v / 255.0 for v in BUTTON_FACE) + (1.0,))
    c.fill(rounded_rect(0, 0, 16, 16, 3.2), (140, 12, 12))
    c.fill(rounded_rect(1, 1, 15, 15, 2.3),
           lambda x, y: mix((240, 72, 60), (185, 18, 14), (y - 1) / 14.0))
    # a soft gloss over the upper half
    c.fill(rounded_rect(1.5, 1.3, 14.5, 8, 2.0), (255, 255, 255, 40))
    # power symbol: a ring open at the top and a bar through the opening
    cx, cy = 8.0, 8.6
    ring = ring_arc(cx, cy, 5.1, 3.35, 130, 50)
    bar = line([(8.0, 2.9), (8.0, 8.3)], 1.8)
    c.fill(ring | bar, (255, 255, 255))
    pixels = [[c.rgba8(i, j)[:3] for i in range(16)] for j in range(16)]
    # The corner pixel takes a colour found nowhere else in the picture.
    corner = (255, 0, 255)
    pixels[15][0] = corner
    assert sum(row.count(corner) for row in pixels) == 1
    return pixels


def draw_info():
    """16 x 16: blue glossy ball with a white letter i, on white (white is
    the transparent colour)."""
    white = (255, 255, 255)
    c = Canvas(16, 16, (1.0, 1.0, 1.0, 1.0))
    cx, cy, r = 8.0, 8.0, 7.7
    ball = circle(cx, cy, r)

    def ball_paint(x, y):
        # a radial gradient lit from the upper left
        d = math.hypot(x - (cx - 2.4), y - (cy - 2.6)) / (r + 2.6)
        return mix((110, 175, 255), (12, 52, 170), d * 1.15)
    c.fill(ball, (10, 40, 130))                          # dark rim
    c.fill(circle(cx, cy, r - 0.9), ball_paint)
    c.fill(ellipse(cx, cy - 3.9, 4.8, 2.6), (255, 255, 255, 95))   # gloss
    pixels = [[c.rgba8(i, j)[:3] for i in range(16)] for j in range(16)]
    # Only the background and the letter may be pure white.
    for j in range(16):
        for i in range(16):
            cov = c.coverage(ball, i, j)
            if cov < 0.08:
                pixels[j][i] = white
            elif pixels[j][i] == white:
                pixels[j][i] = (254, 254, 254)
    # the letter i, pixel-exact: a dot, a stem with a little flag and a foot
    letter = [(7, 3), (8, 3), (7, 4), (8, 4)]
    letter += [(x, y) for y in range(6, 13) for x in (7, 8)]
    letter += [(6, 6), (6, 12), (9, 12)]
    for x, y in letter:
        pixels[y][x] = white
    return pixels


# 16-colour glyphs: the standard VGA palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, TEAL, OLIVE, GREEN, GREY, LIME, CYAN, WHITE = 0, 6, 3, 2, 8, 10, 14, 15


def mask_of(shape, size=18, threshold=0.5):
    c = Canvas(size, size)
    return [[c.coverage(shape, i, j) >= threshold for i in range(size)] for j in range(size)]


def shifted(mask, dx, dy):
    h, w = len(mask), len(mask[0])
    return [[0 <= i - dx < w and 0 <= j - dy < h and mask[j - dy][i - dx]
             for i in range(w)] for j in range(h)]


def pair_of_glyphs(body, light, shade, body_ix, light_ix, shade_ix, edge_ix):
    """Two 18 x 18 index pictures side by side: the coloured glyph and its
    greyed (embossed) twin, both on olive. body/light/shade are masks: the
    whole mark, its lit part and its shaded part."""
    size = 18
    normal = [[OLIVE] * size for _ in range(size)]
    shadow = shifted(body, 1, 1)
    for j in range(size):
        for i in range(size):
            if shadow[j][i]:
                normal[j][i] = edge_ix
    for j in range(size):
        for i in range(size):
            if body[j][i]:
                normal[j][i] = body_ix
                if shade[j][i]:
                    normal[j][i] = shade_ix
                if light[j][i]:
                    normal[j][i] = light_ix
    grey = [[OLIVE] * size for _ in range(size)]
    for j in range(size):
        for i in range(size):
            if shadow[j][i]:
                grey[j][i] = WHITE
    for j in range(size):
        for i in range(size):
            if body[j][i]:
                grey[j][i] = GREY
    return [normal[j] + grey[j] for j in range(size)]


def draw_help():
    """36 x 18, 16 colours: cyan question mark on olive, and its greyed twin."""
    hook = ring_arc(8.5, 6.0, 5.0, 2.0, -40, 160)
    end = (8.5 + 3.5 * math.cos(math.radians(40)), 6.0 + 3.5 * math.sin(math.radians(40)))
    stem = line([end, (8.5, 10.6), (8.5, 11.5)], 3.0)
    dot = rect(7.0, 14.0, 10.0, 17.0)
    body = mask_of(hook | stem | dot)
    below_right = shifted(body, -1, -1)
    shade = [[body[j][i] and not below_right[j][i] for i in range(18)] for j in range(18)]
    none = [[False] * 18 for _ in range(18)]
    return pair_of_glyphs(body, none, shade, CYAN, CYAN, TEAL, BLACK)


def draw_ok():
    """36 x 18, 16 colours: green check mark on olive, and its greyed twin."""
    tick = line([(3.0, 9.4), (7.0, 13.4), (15.0, 4.0)], 3.0)
    body = mask_of(tick)
    top_edge = shifted(body, 0, 1)
    light = [[body[j][i] and not top_edge[j][i] for i in range(18)] for j in range(18)]
    shade = [[False] * 18 for _ in range(18)]
    return pair_of_glyphs(body, light, shade, GREEN, LIME, GREEN, BLACK)


# ---------------------------------------------------------------------------
# File writers.
# ---------------------------------------------------------------------------

def row_pad(n):
    return (4 - n % 4) % 4


def info_header(w, h, bits, image_size, colours=0):
    # BITMAPINFOHEADER; h is the stored height (doubled for icon images)
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, image_size, 2835, 2835, colours, 0)


def pack_indices(row, bits):
    out = bytearray()
    if bits == 8:
        out.extend(row)
    elif bits == 4:
        for k in range(0, len(row), 2):
            hi = row[k]
            lo = row[k + 1] if k + 1 < len(row) else 0
            out.append((hi << 4) | lo)
    elif bits == 1:
        for k in range(0, len(row), 8):
            byte = 0
            for b, v in enumerate(row[k:k + 8]):
                byte |= (v & 1) << (7 - b)
            out.append(byte)
    return bytes(out) + b"\0" * row_pad(len(out))


def bmp_file(header_and_data):
    return struct.pack("<2sIHHI", b"BM", 14 + len(header_and_data), 0, 0,
                       14 + 40 + palette_bytes(header_and_data)) + header_and_data


def palette_bytes(dib):
    bits = struct.unpack_from("<H", dib, 14)[0]
    used = struct.unpack_from("<I", dib, 32)[0]
    return 4 * (used or (1 << bits)) if bits <= 8 else 0


def write_bmp24(path, pixels):
    h, w = len(pixels), len(pixels[0])
    data = bytearray()
    for row in reversed(pixels):
        line_bytes = b"".join(bytes((b, g, r)) for r, g, b in row)
        data += line_bytes + b"\0" * row_pad(len(line_bytes))
    write(path, bmp_file(info_header(w, h, 24, len(data)) + bytes(data)))


def write_bmp4(path, indices):
    h, w = len(indices), len(indices[0])
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    data = b"".join(pack_indices(row, 4) for row in reversed(indices))
    write(path, bmp_file(info_header(w, h, 4, len(data), 16) + palette + data))


def and_mask(transparent):
    return b"".join(pack_indices([1 if t else 0 for t in row], 1) for row in reversed(transparent))


def icon_image_32(canvas):
    n = canvas.w
    rows, transparent = [], []
    for j in range(n):
        row, tr = bytearray(), []
        for i in range(n):
            r, g, b, a = canvas.rgba8(i, j)
            if a == 0:
                r = g = b = 0
            row += bytes((b, g, r, a))
            tr.append(a == 0)
        rows.append(bytes(row))
        transparent.append(tr)
    xor = b"".join(reversed(rows))
    mask = and_mask(transparent)
    return info_header(n, 2 * n, 32, len(xor) + len(mask)) + xor + mask


def median_cut(colours, count):
    """colours: dict rgb -> weight. Returns up to count representative colours."""
    boxes = [list(colours.items())]
    while len(boxes) < count:
        best, best_range, best_ch = None, 0, 0
        for k, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                vals = [c[ch] for c, _ in box]
                if max(vals) - min(vals) > best_range:
                    best, best_range, best_ch = k, max(vals) - min(vals), ch
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda cw: cw[0][best_ch])
        total, acc, cut = sum(w for _, w in box), 0, 1
        for k, (_, w) in enumerate(box):
            acc += w
            if acc * 2 >= total:
                cut = min(max(k + 1, 1), len(box) - 1)
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(w for _, w in box)
        palette.append(tuple(int(round(sum(c[ch] * w for c, w in box) / total)) for ch in range(3)))
    return palette


def icon_image_8(canvas):
    """256 colours: pixels at least half opaque keep their colour, the rest
    become transparent through the AND mask."""
    n = canvas.w
    opaque = [[canvas.rgba8(i, j)[3] >= 128 for i in range(n)] for j in range(n)]
    weights = {}
    for j in range(n):
        for i in range(n):
            if opaque[j][i]:
                rgb = canvas.rgba8(i, j)[:3]
                weights[rgb] = weights.get(rgb, 0) + 1
    palette = [(0, 0, 0)] + median_cut(weights, 255)   # index 0 black: under the mask
    palette += [(0, 0, 0)] * (256 - len(palette))
    cache = {}

    def nearest(rgb):
        if rgb not in cache:
            cache[rgb] = min(range(1, 256), key=lambda k: sum((a - b) ** 2 for a, b in zip(rgb, palette[k])))
        return cache[rgb]
    indices = [[nearest(canvas.rgba8(i, j)[:3]) if opaque[j][i] else 0 for i in range(n)]
               for j in range(n)]
    xor = b"".join(pack_indices(row, 8) for row in reversed(indices))
    mask = and_mask([[not o for o in row] for row in opaque])
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return info_header(n, 2 * n, 8, len(xor) + len(mask), 256) + pal + xor + mask


def ico_file(images):
    """images: list of (size, bits, image bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, bits, data in images:
        dim = size if size < 256 else 0
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
        body += data
    return out + body


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# Preview: enlarged PNG copies (a tiny PNG encoder).
# ---------------------------------------------------------------------------

def write_png(path, rgb_rows, scale):
    h, w = len(rgb_rows) * scale, len(rgb_rows[0]) * scale
    raw = bytearray()
    for row in rgb_rows:
        line_bytes = b"\0" + b"".join(bytes(p) * scale for p in row)
        raw += line_bytes * scale

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    write(path, png)


def on_face(pixels, transparent, face=(240, 240, 240)):
    return [[face if p == transparent else p for p in row] for row in pixels]


def preview(directory, icons, quit_px, info_px, help_ix, ok_ix):
    os.makedirs(directory, exist_ok=True)
    for canvas in icons:
        n = canvas.w
        rows = []
        for j in range(n):
            row = []
            for i in range(n):
                r, g, b, a = canvas.rgba8(i, j)
                bg = 255 if (i // 4 + j // 4) % 2 else 215
                row.append(tuple(int(round(v * a / 255.0 + bg * (1 - a / 255.0))) for v in (r, g, b)))
            rows.append(row)
        write_png(os.path.join(directory, "icon%d.png" % n), rows, max(1, 256 // n))
    for face in ((240, 240, 240), (212, 208, 200)):
        tag = "%d" % face[0]
        write_png(os.path.join(directory, "quit-%s.png" % tag), on_face(quit_px, quit_px[15][0], face), 16)
        write_png(os.path.join(directory, "info-%s.png" % tag), on_face(info_px, info_px[15][0], face), 16)
        for name, ix in (("help", help_ix), ("ok", ok_ix)):
            px = [[VGA[k] for k in row] for row in ix]
            write_png(os.path.join(directory, "%s-%s.png" % (name, tag)), on_face(px, px[17][0], face), 12)


# ---------------------------------------------------------------------------

def main(argv):
    icons = [draw_monitor(n) for n in (16, 32, 48, 128)]
    images = [(c.w, 8, icon_image_8(c)) for c in icons[:3]]
    images += [(c.w, 32, icon_image_32(c)) for c in icons]
    write(os.path.join(RESOURCES, "Vevove.ico"), ico_file(images))

    quit_px = draw_quit()
    info_px = draw_info()
    help_ix = draw_help()
    ok_ix = draw_ok()
    write_bmp24(os.path.join(RESOURCES, "Quit.bmp"), quit_px)
    write_bmp24(os.path.join(RESOURCES, "Info.bmp"), info_px)
    write_bmp4(os.path.join(RESOURCES, "Help.bmp"), help_ix)
    write_bmp4(os.path.join(RESOURCES, "Ok.bmp"), ok_ix)

    if len(argv) == 2 and argv[0] == "--preview":
        preview(argv[1], icons, quit_px, info_px, help_ix, ok_ix)
    print("wrote Vevove.ico, Quit.bmp, Info.bmp, Help.bmp, Ok.bmp in", RESOURCES)


if __name__ == "__main__":
    main(sys.argv[1:])
