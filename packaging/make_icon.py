#!/usr/bin/env python3
"""Draws the Armoursmith application icon: a steel breastplate with two
hanging lames, brass rivets and a dark outline on a transparent background.

Writes packaging/armoursmith.png (64x64, 8-bit palette with tRNS) and
packaging/armoursmith.ico (one 64x64 8-bit image) next to this script.
Only the standard library is used, so the icon can be regenerated anywhere.

    python3 make_icon.py                  # rewrite both files
    python3 make_icon.py --scale 4 -o /tmp/big.png   # enlarged preview only
"""

import argparse
import math
import os
import struct
import zlib

SIZE = 64
SUB = 4  # supersamples per axis for anti-aliasing
CX = 32.0

OUTLINE = (34, 30, 40)
RIVET_DARK = (120, 78, 24)
RIVET_LIGHT = (250, 214, 120)
LIGHT = (-0.55, -0.65, 0.52)  # from the upper left, towards the viewer


# ---------------------------------------------------------------- geometry

def sd_circle(px, py, cx, cy, r):
    return math.hypot(px - cx, py - cy) - r


def sd_polygon(px, py, pts):
    """Signed distance to a closed polygon (negative inside)."""
    d = float("inf")
    inside = False
    n = len(pts)
    for i in range(n):
        ax, ay = pts[i]
        bx, by = pts[i - 1]
        ex, ey = bx - ax, by - ay
        wx, wy = px - ax, py - ay
        t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
        d = min(d, math.hypot(wx - ex * t, wy - ey * t))
        if (ay > py) != (by > py) and px < ax + (bx - ax) * (py - ay) / (by - ay):
            inside = not inside
    return -d if inside else d


def mirrored(half):
    """Closes a left-half outline (top to bottom) into a symmetric polygon."""
    right = [(2 * CX - x, y) for x, y in reversed(half) if x != CX]
    return half + right


CUIRASS = mirrored([(22.0, 4.5), (11.5, 4.5), (7.5, 8.5), (6.5, 33.0),
                    (12.5, 43.0), (12.5, 46.5), (32.0, 50.5)])
CUIRASS_ROUNDING = 1.5
LAME_1 = mirrored([(13.0, 43.0), (11.0, 52.0), (32.0, 57.0)])
LAME_2 = mirrored([(12.0, 49.0), (9.5, 57.5), (32.0, 62.5)])


def smooth_max(a, b, k):
    h = max(0.0, min(1.0, 0.5 - 0.5 * (b - a) / k))
    return b + (a - b) * h + k * h * (1.0 - h)


def sd_cuirass(x, y):
    d = sd_polygon(x, y, CUIRASS) - CUIRASS_ROUNDING
    d = smooth_max(d, -sd_circle(x, y, CX, -2.0, 14.0), 4.0)    # neck opening
    d = smooth_max(d, -sd_circle(x, y, 0.0, 20.0, 13.0), 6.0)   # arm holes
    d = smooth_max(d, -sd_circle(x, y, 2 * CX, 20.0, 13.0), 6.0)
    return d


def rivets():
    pts = []
    for s in (-1, 1):
        pts.append((CX + s * 18.0, 6.5))   # shoulder straps
        pts.append((CX + s * 15.0, 50.5))   # first lame
        pts.append((CX + s * 16.0, 56.0))   # second lame
    return pts


RIVETS = rivets()


# ---------------------------------------------------------------- shading

def shade(base_dark, base_light, nx, ny, nz, shininess=24.0, specular=0.9):
    lx, ly, lz = LIGHT
    ln = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / ln, ly / ln, lz / ln
    diffuse = max(0.0, nx * lx + ny * ly + nz * lz)
    # Blinn half vector with the viewer looking along +z.
    hx, hy, hz = lx, ly, lz + 1.0
    hn = math.sqrt(hx * hx + hy * hy + hz * hz)
    s = max(0.0, (nx * hx + ny * hy + nz * hz) / hn) ** shininess * specular
    t = 0.15 + 0.85 * diffuse
    c = [base_dark[i] + (base_light[i] - base_dark[i]) * t for i in range(3)]
    return [min(255.0, v + 255.0 * s) for v in c]


def normalise(x, y, z):
    n = math.sqrt(x * x + y * y + z * z)
    return x / n, y / n, z / n


def plate_normal(x, y, half_width, top, bottom, ridge):
    """Normal of a rounded plate bulging towards the viewer, with an
    optional raised ridge down the middle."""
    u = max(-0.97, min(0.97, (x - CX) / half_width))
    nx = u / math.sqrt(1.0 - u * u) * 0.75
    v = (y - (top + bottom) / 2) / ((bottom - top) / 2)
    ny = v * 0.35
    if ridge:
        r = (x - CX) / 2.2
        nx += 0.55 * math.tanh(r)
    return normalise(nx, ny, 1.0)


STEEL_DARK = (40, 52, 72)
STEEL_LIGHT = (180, 196, 214)


def sample(x, y):
    """Colour (r, g, b, a) at a point in icon coordinates."""
    for rx, ry in RIVETS:
        d = math.hypot(x - rx, y - ry)
        if d < 1.9:
            if d > 1.3:
                return (*OUTLINE, 1.0)
            t = max(0.0, 1.0 - math.hypot(x - rx + 0.45, y - ry + 0.45) / 1.4)
            return (*[RIVET_DARK[i] + (RIVET_LIGHT[i] - RIVET_DARK[i]) * t
                      for i in range(3)], 1.0)

    d = sd_cuirass(x, y)
    if d < 0.0:
        if d > -1.2:
            return (*OUTLINE, 1.0)
        # Rolled rim just inside the outline catches the light.
        nx, ny, nz = plate_normal(x, y, 26.0, 5.0, 52.0, ridge=True)
        if d > -2.6:
            gx = sd_cuirass(x + 0.05, y) - sd_cuirass(x - 0.05, y)
            gy = sd_cuirass(x, y + 0.05) - sd_cuirass(x, y - 0.05)
            nx, ny, nz = normalise(nx + gx * 6.0, ny + gy * 6.0, nz)
        return (*shade(STEEL_DARK, STEEL_LIGHT, nx, ny, nz), 1.0)

    for poly, top, bottom, width in ((LAME_1, 43.0, 57.0, 23.0),
                                     (LAME_2, 49.0, 62.5, 25.0)):
        d = sd_polygon(x, y, poly)
        if poly is LAME_1 and d >= 0.0:
            continue
        if poly is LAME_2 and d >= 0.0:
            return (0.0, 0.0, 0.0, 0.0)
        if d > -1.2:
            return (*OUTLINE, 1.0)
        nx, ny, nz = plate_normal(x, y, width, top, bottom, ridge=False)
        # Each lame is a curved band: its lower part turns away from the light.
        band = (y - top) / (bottom - top)
        nx, ny, nz = normalise(nx, ny + (band - 0.35) * 0.9, nz)
        c = shade(STEEL_DARK, STEEL_LIGHT, nx, ny, nz, specular=0.6)
        # The plate above overlaps this one and casts a short shadow on it.
        above = (sd_cuirass(x, y - 1.8) if poly is LAME_1
                 else min(sd_cuirass(x, y - 1.8), sd_polygon(x, y - 1.8, LAME_1)))
        if above < 0.0:
            c = [v * 0.62 for v in c]
        return (*c, 1.0)
    return (0.0, 0.0, 0.0, 0.0)


def render():
    pixels = []
    step = 1.0 / SUB
    for py in range(SIZE):
        for px in range(SIZE):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SUB):
                for sx in range(SUB):
                    r, g, b, a = sample(px + (sx + 0.5) * step,
                                        py + (sy + 0.5) * step)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SUB * SUB
            a = acc[3] / n
            if a <= 0.0:
                pixels.append((0, 0, 0, 0))
            else:
                pixels.append(tuple(int(round(acc[i] / acc[3])) for i in range(3))
                              + (int(round(a * 255)),))
    return pixels


# ---------------------------------------------------------------- palette

def median_cut(colours, limit):
    """Reduces a list of distinct RGBA colours to at most `limit` entries.
    Returns (palette, mapping from colour to palette index)."""
    boxes = [colours]
    while len(boxes) < limit:
        best, best_range, best_channel = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(4):
                lo = min(c[ch] for c in box)
                hi = max(c[ch] for c in box)
                if hi - lo > best_range:
                    best, best_range, best_channel = i, hi - lo, ch
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda c: c[best_channel])
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    palette, mapping = [], {}
    for box in boxes:
        mean = tuple(int(round(sum(c[ch] for c in box) / len(box))) for ch in range(4))
        for c in box:
            mapping[c] = len(palette)
        palette.append(mean)
    return palette, mapping


def index_image(pixels):
    distinct = sorted(set(pixels))
    # Index 0 is reserved for full transparency so the ICO mask is simple.
    opaque = [c for c in distinct if c[3] > 0]
    palette, mapping = median_cut(opaque, 255)
    palette = [(0, 0, 0, 0)] + palette
    # Semi-transparent entries first keeps the tRNS chunk short.
    order = sorted(range(len(palette)), key=lambda i: palette[i][3] == 255)
    remap = {old: new for new, old in enumerate(order)}
    palette = [palette[i] for i in order]
    indices = [0 if c[3] == 0 else remap[mapping[c] + 1] for c in pixels]
    return palette, indices


# ---------------------------------------------------------------- writers

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def encode_png(width, height, palette, indices):
    raw = b"".join(b"\0" + bytes(indices[y * width:(y + 1) * width])
                   for y in range(height))
    alphas = [c[3] for c in palette]
    while alphas and alphas[-1] == 255:
        alphas.pop()
    out = b"\x89PNG\r\n\x1a\n"
    out += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
    out += png_chunk(b"PLTE", b"".join(bytes(c[:3]) for c in palette))
    if alphas:
        out += png_chunk(b"tRNS", bytes(alphas))
    out += png_chunk(b"IDAT", zlib.compress(raw, 9))
    out += png_chunk(b"IEND", b"")
    return out


def encode_ico(palette, indices):
    """One 64x64 8-bit DIB with an AND mask (pixels under half alpha are
    masked out)."""
    w = h = SIZE
    colours = palette + [(0, 0, 0, 0)] * (256 - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b, _ in colours)
    xor = b""
    mask = b""
    for y in reversed(range(h)):
        row = indices[y * w:(y + 1) * w]
        visible = [palette[i][3] >= 128 for i in row]
        xor += bytes(i if v else 0 for i, v in zip(row, visible))
        bits = 0
        for v in visible:
            bits = (bits << 1) | (0 if v else 1)
        mask += bits.to_bytes(w // 8, "big")  # 64 bits: already 32-bit aligned
    image = header + table + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w, h, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def scaled(pixels, factor):
    size = SIZE * factor
    return [pixels[(y // factor) * SIZE + x // factor]
            for y in range(size) for x in range(size)]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--scale", type=int, default=1,
                    help="write an enlarged preview instead (needs -o)")
    ap.add_argument("-o", "--output", help="preview PNG path")
    args = ap.parse_args()

    palette, indices = index_image(render())
    if args.scale != 1 or args.output:
        if not args.output:
            ap.error("--scale needs --output")
        size = SIZE * args.scale
        data = encode_png(size, size, palette, scaled(indices, args.scale))
        with open(args.output, "wb") as f:
            f.write(data)
        return
    with open(os.path.join(here, "armoursmith.png"), "wb") as f:
        f.write(encode_png(SIZE, SIZE, palette, indices))
    with open(os.path.join(here, "armoursmith.ico"), "wb") as f:
        f.write(encode_ico(palette, indices))
    print(f"wrote armoursmith.png and armoursmith.ico ({len(palette)} colours)")


if __name__ == "__main__":
    main()
