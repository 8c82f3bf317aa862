#!/usr/bin/env python3
"""Checks the about window's outline against its artwork.

Reads the outline table from src/about/contorno.cpp, checks the fixed rows, the vertex count and
that the polygon does not cross itself, and writes into the output folder:

  outline_overlay.svg   the background picture with the polygon drawn over it (numbers at the
                        fixed rows), to rasterise with rsvg-convert and look at;
  shaped_window.png     when rsvg-convert is installed: the window as the desktop would show it,
                        background, product panel and (with --highlights) the three highlight
                        pictures, cut with the same scan-line rule as QRegion(QPolygon,
                        Qt::OddEvenFill) and laid over magenta.

It also counts the pixels inside the outline where the picture is not opaque (holes, where the
widget's own background would show) and how far painted pixels reach outside it.

Only the Python 3 standard library is needed.

Usage: python3 assets/tools/check_outline.py [--out DIR] [--highlights]
"""
import argparse
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ART = os.path.join(ROOT, "assets", "about")
TABLE = os.path.join(ROOT, "src", "about", "contorno.cpp")

WIDTH, HEIGHT = 640, 480
VERTICES = 202
FIXED = {
    0: (529, 0), 48: (640, 56), 49: (640, 72), 79: (623, 162), 94: (604, 126),
    95: (604, 403), 107: (623, 423), 108: (623, 426), 114: (604, 443), 119: (594, 480),
    120: (9, 480), 127: (0, 470), 128: (0, 97), 132: (9, 89), 133: (506, 89),
    155: (471, 40), 201: (530, 2),
}
# pictures that code lays over the background: file, left, top
PRODUCT = ("producto.svg", 0, 260)
HIGHLIGHTS = [("resalte_web.svg", 398, 150), ("resalte_ayuda.svg", 471, 177),
              ("resalte_flecha.svg", 518, 376)]


def read_table(path):
    text = open(path, encoding="utf-8").read()
    tables = {}
    for name, body in re.findall(r"std::array<qint16,\s*\w+>\s+(\w+)\s*=\s*\{(.*?)\};", text, re.S):
        body = re.sub(r"//[^\n]*", "", body)
        tables[name] = [int(v) for v in re.findall(r"-?\d+", body)]
    xs = [v for k, v in tables.items() if k.lower().endswith("x")]
    ys = [v for k, v in tables.items() if k.lower().endswith("y")]
    if len(xs) != 1 or len(ys) != 1:
        sys.exit(f"{path}: expected one x table and one y table, found {sorted(tables)}")
    return list(zip(xs[0], ys[0])), len(xs[0]), len(ys[0])


def segments_cross(p1, p2, p3, p4):
    def orient(a, b, c):
        v = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])
        return (v > 0) - (v < 0)

    def on_seg(a, b, c):
        return min(a[0], b[0]) <= c[0] <= max(a[0], b[0]) and min(a[1], b[1]) <= c[1] <= max(a[1], b[1])

    o1, o2, o3, o4 = orient(p1, p2, p3), orient(p1, p2, p4), orient(p3, p4, p1), orient(p3, p4, p2)
    if o1 != o2 and o3 != o4:
        return True
    return ((o1 == 0 and on_seg(p1, p2, p3)) or (o2 == 0 and on_seg(p1, p2, p4))
            or (o3 == 0 and on_seg(p3, p4, p1)) or (o4 == 0 and on_seg(p3, p4, p2)))


def check_polygon(pts, nx, ny):
    errors = []
    if nx != VERTICES or ny != VERTICES:
        errors.append(f"tables hold {nx} x values and {ny} y values, not {VERTICES}")
        return errors
    for i, want in FIXED.items():
        if pts[i] != want:
            errors.append(f"row {i} is {pts[i]}, must be {want}")
    for i, (x, y) in enumerate(pts):
        if not (0 <= x <= WIDTH and 0 <= y <= HEIGHT):
            errors.append(f"row {i} {pts[i]} lies outside the {WIDTH} x {HEIGHT} design")
        if pts[i] == pts[(i + 1) % VERTICES]:
            errors.append(f"rows {i} and {(i + 1) % VERTICES} are the same point")
    n = len(pts)
    for i in range(n):
        a, b = pts[i], pts[(i + 1) % n]
        for j in range(i + 2, n):
            if i == 0 and j == n - 1:
                continue
            c, d = pts[j], pts[(j + 1) % n]
            if segments_cross(a, b, c, d):
                errors.append(f"edge {i}-{(i + 1) % n} crosses edge {j}-{(j + 1) % n}")
    area = sum(pts[i][0] * pts[(i + 1) % n][1] - pts[(i + 1) % n][0] * pts[i][1] for i in range(n)) / 2
    if area <= 0:
        errors.append("the outline does not run clockwise on screen")
    return errors


# --- the region, as QRegion builds it from a polygon ----------------------------------------
# Scan line y holds the pixels x with ceil(x_left) <= x < ceil(x_right) between pairs of edge
# crossings (odd-even); an edge counts on the scan lines ymin <= y < ymax.

def region_spans(pts, height=HEIGHT):
    n = len(pts)
    edges = []
    for i in range(n):
        (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
        if y0 == y1:
            continue
        if y0 > y1:
            x0, y0, x1, y1 = x1, y1, x0, y0
        edges.append((y0, y1, x0, (x1 - x0) / (y1 - y0)))
    rows = []
    for y in range(height):
        xs = sorted(x0 + (y - ey0) * k for ey0, ey1, x0, k in edges if ey0 <= y < ey1)
        spans = []
        for a, b in zip(xs[0::2], xs[1::2]):
            lo, hi = math.ceil(a - 1e-9), math.ceil(b - 1e-9)
            if hi > lo:
                spans.append((lo, hi))
        rows.append(spans)
    return rows


# --- PNG in and out (8-bit RGB or RGBA, as rsvg-convert writes them) ------------------------

def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, w = 8, b"", 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            w, h, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", chunk)
            if depth != 8 or ctype not in (2, 6) or interlace:
                raise ValueError("expected 8-bit RGB or RGBA without interlacing")
            bpp = 4 if ctype == 6 else 3
        elif kind == b"IDAT":
            idat += chunk
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = w * bpp
    out = bytearray(h * stride)
    prev = bytearray(stride)
    p = 0
    for y in range(h):
        f = raw[p]
        line = bytearray(raw[p + 1:p + 1 + stride])
        p += 1 + stride
        if f == 1:
            for i in range(bpp, stride):
                line[i] = (line[i] + line[i - bpp]) & 255
        elif f == 2:
            for i in range(stride):
                line[i] = (line[i] + prev[i]) & 255
        elif f == 3:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + ((left + prev[i]) >> 1)) & 255
        elif f == 4:
            for i in range(stride):
                a = line[i - bpp] if i >= bpp else 0
                b = prev[i]
                c = prev[i - bpp] if i >= bpp else 0
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                pr = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pr) & 255
        out[y * stride:(y + 1) * stride] = line
        prev = line
    if bpp == 3:
        rgba = bytearray(w * h * 4)
        rgba[0::4], rgba[1::4], rgba[2::4] = out[0::3], out[1::3], out[2::3]
        rgba[3::4] = b"\xff" * (w * h)
        out = rgba
    return w, h, out


def write_png(path, w, h, rgb):
    raw = b"".join(b"\x00" + bytes(rgb[y * w * 3:(y + 1) * w * 3]) for y in range(h))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def over(dst, w, src, sw, sh, left, top):
    """Draws RGBA src over RGBA dst (both bytearrays) at left, top."""
    for y in range(sh):
        dy = top + y
        if not 0 <= dy < len(dst) // (w * 4):
            continue
        for x in range(sw):
            dx = left + x
            if not 0 <= dx < w:
                continue
            s = (y * sw + x) * 4
            a = src[s + 3]
            if a == 0:
                continue
            d = (dy * w + dx) * 4
            if a == 255:
                dst[d:d + 4] = src[s:s + 4]
                continue
            da = dst[d + 3]
            oa = a + da * (255 - a) // 255
            for c in range(3):
                num = src[s + c] * a + dst[d + c] * da * (255 - a) // 255
                dst[d + c] = min(255, num // oa) if oa else 0
            dst[d + 3] = oa


# --- overlay ---------------------------------------------------------------------------------

def strip_svg(text):
    text = re.sub(r"<\?xml[^>]*\?>", "", text)
    return re.sub(r"<!--.*?-->", "", text, flags=re.S).strip()


def write_overlay(pts, path):
    art = strip_svg(open(os.path.join(ART, "fondo.svg"), encoding="utf-8").read())
    poly = " ".join(f"{x},{y}" for x, y in pts)
    marks = []
    for i, (x, y) in enumerate(pts):
        colour = "#FF00FF" if i in FIXED else "#00D000"
        marks.append(f'<circle cx="{x}" cy="{y}" r="{1.2 if i in FIXED else 0.7}" fill="{colour}"/>')
        if i in FIXED:
            marks.append(f'<text x="{x + 3}" y="{y - 3}" font-family="DejaVu Sans" font-size="7" '
                         f'fill="#FF00FF">{i}</text>')
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
           f'viewBox="0 0 {WIDTH} {HEIGHT}">\n'
           f'<rect width="{WIDTH}" height="{HEIGHT}" fill="#FFFFFF"/>\n{art}\n'
           f'<polygon points="{poly}" fill="none" stroke="#FF00FF" stroke-width="0.5" '
           f'stroke-linejoin="round"/>\n' + "\n".join(marks) + "\n</svg>\n")
    open(path, "w", encoding="utf-8").write(svg)


def render(svg, png):
    subprocess.run(["rsvg-convert", svg, "-o", png], check=True)
    return read_png(png)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out", default=os.path.join(ROOT, "build", "outline-check"))
    ap.add_argument("--highlights", action="store_true", help="also lay the highlight pictures on")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)

    pts, nx, ny = read_table(TABLE)
    errors = check_polygon(pts, nx, ny)
    for e in errors:
        print("error:", e)
    if nx != VERTICES or ny != VERTICES:
        return 1
    overlay = os.path.join(args.out, "outline_overlay.svg")
    write_overlay(pts, overlay)
    print("wrote", overlay)

    if not shutil.which("rsvg-convert"):
        print("rsvg-convert not found (apt-get install librsvg2-bin): no shaped-window picture")
        return 1 if errors else 0

    with tempfile.TemporaryDirectory() as tmp:
        w, h, img = render(os.path.join(ART, "fondo.svg"), os.path.join(tmp, "fondo.png"))
        layers = [PRODUCT] + (HIGHLIGHTS if args.highlights else [])
        for name, left, top in layers:
            sw, sh, src = render(os.path.join(ART, name), os.path.join(tmp, name + ".png"))
            over(img, w, src, sw, sh, left, top)

    rows = region_spans(pts)
    inside = [[False] * w for _ in range(h)]
    for y, spans in enumerate(rows):
        for lo, hi in spans:
            for x in range(max(lo, 0), min(hi, w)):
                inside[y][x] = True

    holes, soft = [], 0
    rgb = bytearray(w * h * 3)
    for y in range(h):
        for x in range(w):
            d = (y * w + x) * 4
            r, g, b, a = img[d], img[d + 1], img[d + 2], img[d + 3]
            o = (y * w + x) * 3
            if inside[y][x]:
                if a < 255:
                    if a < 128:
                        holes.append((x, y))
                    else:
                        soft += 1
                # what shows through a hole is the widget's own (light grey) background
                bg = 0xEF
                rgb[o:o + 3] = bytes(((r * a + bg * (255 - a)) // 255, (g * a + bg * (255 - a)) // 255,
                                      (b * a + bg * (255 - a)) // 255))
            else:
                rgb[o:o + 3] = b"\xff\x00\xff"

    # painted pixels left outside the outline: how far from it do they reach?
    reach = 0
    far = []
    boundary = [(x, y) for y in range(h) for x in range(w) if inside[y][x] and (
        x == 0 or y == 0 or x == w - 1 or y == h - 1 or not inside[y][x - 1] or not inside[y][x + 1]
        or not inside[y - 1][x] or not inside[y + 1][x])]
    grid = {}
    for bx, by in boundary:
        grid.setdefault((bx // 8, by // 8), []).append((bx, by))
    for y in range(h):
        for x in range(w):
            if inside[y][x] or img[(y * w + x) * 4 + 3] < 128:
                continue
            best = 99.0
            gx, gy = x // 8, y // 8
            for cx in range(gx - 1, gx + 2):
                for cy in range(gy - 1, gy + 2):
                    for bx, by in grid.get((cx, cy), ()):
                        best = min(best, math.hypot(bx - x, by - y))
            reach = max(reach, best)
            if best > 3.5:
                far.append((x, y))

    shaped = os.path.join(args.out, "shaped_window.png")
    write_png(shaped, w, h, rgb)
    print("wrote", shaped)
    print(f"pixels inside the outline: {sum(sum(r) for r in inside)}")
    print(f"holes inside the outline (alpha < 128): {len(holes)}" + (f", e.g. {holes[:8]}" if holes else ""))
    print(f"half-covered pixels inside the outline (128 <= alpha < 255): {soft}")
    print(f"painted pixels outside reach at most {reach:.1f} px from the outline"
          + (f"; {len(far)} farther than 3.5 px, e.g. {far[:8]}" if far else ""))
    if holes:
        errors.append("holes inside the outline")
    if far:
        errors.append("art left outside the outline")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
