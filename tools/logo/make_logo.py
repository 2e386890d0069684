#!/usr/bin/env python3
"""Draws the artwork Glyphwright.exe carries: the "About" page logo and the program icon.

    python3 tools/logo/make_logo.py [--out-dir DIR] [--check]

Writes logo.bmp (400 x 150, 8 bits per pixel, RLE8, 256-colour palette) and glyphwright.ico
(16, 32 and 48 pixels, 8-bit with a mask) into src/app/resources/ unless --out-dir says otherwise.
Standard library only, and deterministic: the same script always writes the same bytes, so a
rerun shows up in git only when the drawing itself changed.

Every run decodes what it has just written with an independent reader and compares it with the
picture it meant to write; --check only reads the committed files back and compares them
byte for byte with a fresh drawing.
"""

import argparse
import os
import struct
import sys

WIDTH, HEIGHT = 400, 150

# ---------------------------------------------------------------------------------------------
# Canvas with a palette that grows as colours are used. The drawing asks for RGB triples; the
# palette keeps them in first-use order, which is fixed because the drawing order is fixed.


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.palette = []
        self._index = {}
        self.pixels = [[0] * width for _ in range(height)]  # top row first

    def colour(self, rgb):
        rgb = tuple(max(0, min(255, int(round(c)))) for c in rgb)
        if rgb not in self._index:
            if len(self.palette) == 256:
                raise ValueError("logo uses more than 256 colours")
            self._index[rgb] = len(self.palette)
            self.palette.append(rgb)
        return self._index[rgb]

    def put(self, x, y, rgb):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = self.colour(rgb)

    def fill(self, x0, y0, x1, y1, rgb):
        """Fills the half-open rectangle [x0, x1) x [y0, y1)."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, rgb)


def lerp(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def ramp(stops, t):
    """Colour at t in [0, 1] along a list of (position, rgb) stops."""
    t = max(0.0, min(1.0, t))
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return lerp(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


def scale(rgb, f):
    return tuple(c * f for c in rgb)


# ---------------------------------------------------------------------------------------------
# Title lettering: a chunky block face in the manner of text-mode art. Vertical strokes are two
# cells wide, horizontal strokes one cell high, as "██" and "▀" would draw them in a DOS font.
# Rows 0-1 are ascenders, 2-6 the x-height, 7-8 descenders.

TITLE_GLYPHS = {
    "G": [".XXXX.",
          "XX..XX",
          "XX....",
          "XX.XXX",
          "XX..XX",
          "XX..XX",
          ".XXXX."],
    "l": ["XX.",
          "XX.",
          "XX.",
          "XX.",
          "XX.",
          "XX.",
          ".XX"],
    "y": ["......",
          "......",
          "XX..XX",
          "XX..XX",
          "XX..XX",
          "XX..XX",
          ".XXXXX",
          "....XX",
          "XXXXX."],
    "p": ["......",
          "......",
          "XXXXX.",
          "XX..XX",
          "XX..XX",
          "XX..XX",
          "XXXXX.",
          "XX....",
          "XX...."],
    "h": ["XX....",
          "XX....",
          "XXXXX.",
          "XX..XX",
          "XX..XX",
          "XX..XX",
          "XX..XX"],
    "w": ["........",
          "........",
          "XX....XX",
          "XX....XX",
          "XX.XX.XX",
          "XX.XX.XX",
          ".XX..XX."],
    "r": [".....",
          ".....",
          "XX.XX",
          "XXX..",
          "XX...",
          "XX...",
          "XX..."],
    "i": ["XX",
          "..",
          "XX",
          "XX",
          "XX",
          "XX",
          "XX"],
    "g": ["......",
          "......",
          ".XXXXX",
          "XX..XX",
          "XX..XX",
          "XX..XX",
          ".XXXXX",
          "....XX",
          "XXXXX."],
    "t": [".....",
          "XX...",
          "XXXXX",
          "XX...",
          "XX...",
          "XX...",
          ".XXX."],
}

TITLE_ROWS = 9

# A small 5 x 7 face for the tag line.
SMALL_GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "&": [".##..", "#..#.", ".##..", ".#..#", "#.##.", "#..#.", ".##.#"],
    " ": ["....."] * 7,
}


def glyph_rows(glyph):
    rows = list(glyph) + ["." * len(glyph[0])] * (TITLE_ROWS - len(glyph))
    return rows


def title_mask(text, cell_w, cell_h, gap_cells):
    """Pixel mask of the title (set of (x, y)) and its size, origin at its top left."""
    mask = set()
    x_cells = 0
    for ch in text:
        rows = glyph_rows(TITLE_GLYPHS[ch])
        for r, row in enumerate(rows):
            for c, bit in enumerate(row):
                if bit == "X":
                    for dy in range(cell_h):
                        for dx in range(cell_w):
                            mask.add(((x_cells + c) * cell_w + dx, r * cell_h + dy))
        x_cells += len(rows[0]) + gap_cells
    x_cells -= gap_cells
    return mask, x_cells * cell_w, TITLE_ROWS * cell_h


# ---------------------------------------------------------------------------------------------
# The logo.

BG_TOP = (6, 8, 26)
BG_BOTTOM = (30, 6, 44)
FRAME = [(0.0, (40, 90, 150)), (0.5, (110, 200, 235)), (1.0, (40, 90, 150))]
TITLE = [(0.00, (255, 250, 200)), (0.22, (255, 214, 80)), (0.50, (250, 140, 30)),
         (0.78, (215, 55, 30)), (1.00, (120, 20, 60))]
SHADOW = (78, 34, 110)
TAG = (150, 215, 240)


def background(canvas):
    for y in range(HEIGHT):
        # Banded rather than smooth: a few dozen colours, and each row a single run.
        t = (y // 5) / ((HEIGHT - 1) // 5)
        base = lerp(BG_TOP, BG_BOTTOM, t)
        if y % 3 == 2:
            base = scale(base, 0.6)  # scan lines
        canvas.fill(0, y, WIDTH, y + 1, base)


def frame_colour(x, y):
    # A sheen travelling along the frame: brightest at the middle of each edge.
    t = x / (WIDTH - 1) if y in range(0, 12) or y >= HEIGHT - 12 else y / (HEIGHT - 1)
    t = round(t * 12) / 12
    return ramp(FRAME, t)


def double_frame(canvas):
    """A ╔═╗ double rule around the picture, with ╤ ╧ pips on its long edges."""
    for inset in (4, 9):
        x0, y0, x1, y1 = inset, inset, WIDTH - inset, HEIGHT - inset
        for x in range(x0, x1):
            for y in (y0, y0 + 1, y1 - 2, y1 - 1):
                canvas.put(x, y, frame_colour(x, y))
        for y in range(y0, y1):
            for x in (x0, x0 + 1, x1 - 2, x1 - 1):
                canvas.put(x, y, frame_colour(x, y))
    # Pips hanging from the inner rule, as ╤ on the top edge and ╧ on the bottom one.
    for x in (60, 130, WIDTH - 132, WIDTH - 62):
        for dy in range(4):
            for dx in (0, 1):
                canvas.put(x + dx, 11 + dy, frame_colour(x, 11))
                canvas.put(x + dx, HEIGHT - 12 - dy, frame_colour(x, HEIGHT - 12))
    # Corner studs, the junction of the two rules.
    for cx, cy in ((6, 6), (WIDTH - 8, 6), (6, HEIGHT - 8), (WIDTH - 8, HEIGHT - 8)):
        canvas.fill(cx, cy, cx + 2, cy + 2, (230, 250, 255))


def shade_tile(canvas, x0, y0, w, h, density, rgb):
    """One text-mode shade cell: density 1..4 is ░ ▒ ▓ █ drawn as an ordered dither."""
    bayer = ((0, 2), (3, 1))
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            if bayer[y % 2][x % 2] < density:
                canvas.put(x, y, rgb)


def title(canvas):
    cell_w, cell_h = 5, 6
    mask, w, h = title_mask("Glyphwright", cell_w, cell_h, 1)
    ox, oy = (WIDTH - w) // 2 - 2, 20

    # Drop shadow one cell down and right, in ▒ dither, as a text-mode artist would shade it.
    for (x, y) in sorted(mask):
        sx, sy = x + cell_w, y + cell_h
        if (sx, sy) not in mask and (sx + sy) % 2 == 0:
            canvas.put(ox + sx, oy + sy, SHADOW)
    # Dark outline so the letters stand off the shadow.
    for (x, y) in sorted(mask):
        for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
            if (x + dx, y + dy) not in mask:
                canvas.put(ox + x + dx, oy + y + dy, (4, 2, 8))
    # Fill in bands from pale gold at the top to dark crimson under the baseline, raised by a
    # light rim on the top and left edges and a dark one on the bottom and right edges.
    for (x, y) in sorted(mask):
        t = (y // 2 * 2) / (h - 1)
        base = ramp(TITLE, t)
        up = (x, y - 1) not in mask
        left = (x - 1, y) not in mask
        down = (x, y + 1) not in mask
        right = (x + 1, y) not in mask
        if up or left:
            rgb = lerp(base, (255, 255, 255), 0.45)
        elif down or right:
            rgb = scale(base, 0.55)
        elif y % cell_h == cell_h - 1:
            rgb = scale(base, 0.85)  # the seam between two rows of █
        else:
            rgb = base
        canvas.put(ox + x, oy + y, rgb)
    return oy + h + cell_h


def small_text(canvas, text, x0, y0, rgb, advance):
    for i, ch in enumerate(text):
        for r, row in enumerate(SMALL_GLYPHS[ch]):
            for c, bit in enumerate(row):
                if bit == "#":
                    canvas.put(x0 + i * advance + c, y0 + r, rgb)


def tag_line(canvas, y):
    """═══░▒▓█ N F O & D I Z ... █▓▒░═══ under the title."""
    text = "NFO & DIZ TEMPLATE FILLER"
    advance = 8
    text_w = len(text) * advance - 3
    x_text = (WIDTH - text_w) // 2
    small_text(canvas, text, x_text, y, TAG, advance)
    tile_w, tile_h = 6, 9
    # Shade tiles get denser toward the text, from both sides.
    for i, density in enumerate((1, 2, 3, 4)):
        lx = x_text - 10 - (4 - i) * (tile_w + 1)
        rx = x_text + text_w + 10 + (3 - i) * (tile_w + 1)
        colour = ramp(TITLE, 0.25 + 0.12 * i)
        shade_tile(canvas, lx, y - 1, tile_w, tile_h, density, colour)
        shade_tile(canvas, rx, y - 1, tile_w, tile_h, density, colour)
    # Double rules running from the tiles out to the frame, ending in ╞ and ╡ hooks.
    left_end = x_text - 10 - 4 * (tile_w + 1) - 4
    right_start = x_text + text_w + 10 + 4 * (tile_w + 1) + 3
    for yy in (y + 1, y + 5):
        for x in range(12, left_end):
            canvas.put(x, yy, frame_colour(x, 0))
        for x in range(right_start, WIDTH - 12):
            canvas.put(x, yy, frame_colour(x, 0))
    for yy in range(y - 1, y + 8):
        canvas.put(left_end, yy, frame_colour(left_end, 0))
        canvas.put(right_start - 1, yy, frame_colour(right_start, 0))


def block_strip(canvas, y):
    """A strip of ▄ blocks fading out toward both ends, closing the composition."""
    count = 31
    step = 11
    x0 = (WIDTH - (count * step - 3)) // 2
    mid = count // 2
    for i in range(count):
        d = abs(i - mid)
        density = 4 - min(3, d // 4)
        t = d / mid
        rgb = lerp((120, 200, 235), (40, 60, 120), t)
        shade_tile(canvas, x0 + i * step, y, 8, 4, density, rgb)


def draw_logo():
    canvas = Canvas(WIDTH, HEIGHT)
    background(canvas)
    double_frame(canvas)
    bottom = title(canvas)
    tag_line(canvas, bottom + 12)
    block_strip(canvas, bottom + 34)
    return canvas


# ---------------------------------------------------------------------------------------------
# BMP with RLE8 compression.


def rle8_encode_row(row):
    """Encoded runs for repeats, absolute mode for stretches of three or more mixed bytes."""
    out = bytearray()
    n = len(row)
    i = 0
    literal = []

    def flush_literal():
        j = 0
        while j < len(literal):
            chunk = literal[j:j + 255]
            j += len(chunk)
            if len(chunk) >= 3:
                out.extend((0, len(chunk)))
                out.extend(chunk)
                if len(chunk) % 2:
                    out.append(0)  # absolute runs end on a 16-bit boundary
            else:
                for value in chunk:
                    out.extend((1, value))
        literal.clear()

    while i < n:
        run = 1
        while i + run < n and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 3:
            flush_literal()
            out.extend((run, row[i]))
        elif run == 2 and not literal:
            out.extend((2, row[i]))
        else:
            literal.extend(row[i:i + run])
        i += run
    flush_literal()
    return out


def rle8_encode(pixels):
    """The whole picture, bottom row first as BMP stores it."""
    out = bytearray()
    rows = list(reversed(pixels))
    for k, row in enumerate(rows):
        out.extend(rle8_encode_row(row))
        out.extend((0, 1) if k == len(rows) - 1 else (0, 0))  # end of bitmap / end of line
    return bytes(out)


def bmp_rle8(canvas):
    palette = list(canvas.palette) + [(0, 0, 0)] * (256 - len(canvas.palette))
    data = rle8_encode(canvas.pixels)
    header_size = 14 + 40 + 4 * 256
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 8, 1, len(data),
                       2835, 2835, 256, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return file_header + info + pal + data


def read_bmp_rle8(blob):
    """An independent reader: the picture as rows of palette indices (top row first) and the
    palette, with every rule of the format checked on the way."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", blob, 0)
    assert magic == b"BM" and size == len(blob), "file header"
    (bi_size, width, height, planes, bits, compression, size_image, _, _, clr_used,
     _) = struct.unpack_from("<IiiHHIIiiII", blob, 14)
    assert bi_size == 40 and planes == 1 and bits == 8 and compression == 1, "info header"
    assert height > 0, "RLE bitmaps are stored bottom-up"
    assert size_image == len(blob) - offset, "biSizeImage is the compressed size"
    assert clr_used in (0, 256)
    palette = [struct.unpack_from("<BBBB", blob, 54 + 4 * i)[2::-1] for i in range(256)]
    data = blob[offset:]
    rows = [[None] * width for _ in range(height)]
    x = y = 0
    i = 0
    ended = False
    while i < len(data):
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            assert x + count <= width, "encoded run past the end of line %d" % y
            for _ in range(count):
                rows[y][x] = value
                x += 1
        elif value == 0:  # end of line
            assert x == width, "line %d ends early" % y
            x, y = 0, y + 1
            assert y < height, "end of line past the last line"
        elif value == 1:  # end of bitmap
            assert x == width and y == height - 1, "bitmap ends early"
            ended = True
            break
        elif value == 2:
            raise AssertionError("delta escape not expected")
        else:
            assert value >= 3 and x + value <= width, "absolute run"
            rows[y][x:x + value] = data[i:i + value]
            x += value
            i += value + (value & 1)
    assert ended and i == len(data), "end of bitmap is the last thing in the stream"
    assert all(v is not None for row in rows for v in row)
    return [list(r) for r in reversed(rows)], palette


# ---------------------------------------------------------------------------------------------
# The icon: a dark page with a double box-drawing frame and a block glyph on it.

# Geometry per size, in pixels, inclusive: the page's left and right columns, the dog-ear,
# the outer rule of the frame, the inset of its second rule (0: a single rule) and the glyph's
# top left corner, cell width and height. Drawn per size rather than scaled so that every line
# stays one crisp pixel wide.
ICON_GEOMETRY = {
    48: dict(page=(4, 43), fold=10, frame=(9, 14, 38, 42), second=3, glyph=(17, 22, 7, 13)),
    32: dict(page=(3, 28), fold=7, frame=(6, 9, 25, 28), second=2, glyph=(11, 14, 5, 9)),
    16: dict(page=(1, 14), fold=4, frame=(3, 4, 12, 13), second=0, glyph=(5, 6, 3, 6)),
}
ICON_SIZES = (48, 32, 16)


def draw_icon(size):
    """RGBA rows, top row first."""
    g = ICON_GEOMETRY[size]
    clear = (0, 0, 0, 0)
    edge = (130, 190, 225, 255)
    flap = (80, 120, 165, 255)
    frame = (110, 210, 240, 255)
    px = [[clear] * size for _ in range(size)]

    # The page, dark, with its top right corner folded down.
    left, right = g["page"]
    corner = right - g["fold"] + 1  # first column of the dog-ear
    for y in range(size):
        body = tuple(int(c) for c in lerp((30, 32, 62), (10, 10, 26), y / (size - 1))) + (255,)
        for x in range(left, right + 1):
            beyond = x - corner  # how far into the dog-ear's columns
            if beyond > y:
                continue  # cut away by the fold
            if beyond == y or x in (left, right) or y in (0, size - 1):
                px[y][x] = edge
            elif beyond >= 0 and y < g["fold"]:
                px[y][x] = edge if (x == corner or y == g["fold"] - 1) else flap
            else:
                px[y][x] = body

    # The frame: ╔═╗ as two rules, or one at the smallest size.
    x0, y0, x1, y1 = g["frame"]
    for inset in ((0, g["second"]) if g["second"] else (0,)):
        for x in range(x0 + inset, x1 - inset + 1):
            px[y0 + inset][x] = frame
            px[y1 - inset][x] = frame
        for y in range(y0 + inset, y1 - inset + 1):
            px[y][x0 + inset] = frame
            px[y][x1 - inset] = frame

    # The glyph: █ beside ▓, in the gold of the logo's lettering.
    gx, gy, cw, ch = g["glyph"]
    for y in range(gy, gy + ch):
        gold = ramp(TITLE, 0.12 + 0.62 * (y - gy) / (ch - 1))
        for x in range(gx, gx + cw):
            px[y][x] = tuple(int(c) for c in gold) + (255,)
        for x in range(gx + cw, gx + 2 * cw):
            dotted = size > 16 and x % 2 == 1 and y % 2 == 1  # ▓: solid with a sparse dither
            shade = scale(gold, 0.3 if dotted else 0.62)
            px[y][x] = tuple(int(c) for c in shade) + (255,)
    return px


def ico(images):
    """An icon group file with one 8-bit BMP image per size. The drawing is either opaque or
    clear, so a palette of the colours each size uses and the AND mask hold it exactly, in a
    third of the bytes of 32-bit pixels."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for size, px in images:
        palette = [(0, 0, 0)]  # index 0: what clear pixels hold under the mask
        index = {}
        for row in px:
            for (r, g, b, a) in row:
                if a and (r, g, b) not in index:
                    index[(r, g, b)] = len(palette)
                    palette.append((r, g, b))
        assert len(palette) <= 256, "icon uses more than 256 colours"
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0,
                             len(palette), 0)
        colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
        xor_stride = (size + 3) // 4 * 4
        xor = bytearray()
        for row in reversed(px):
            line = bytearray(xor_stride)
            for x, (r, g, b, a) in enumerate(row):
                line[x] = index[(r, g, b)] if a else 0
            xor.extend(line)
        stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(px):
            bits = bytearray(stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask.extend(bits)
        blob = header + colours + bytes(xor) + bytes(mask)
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def read_ico(blob):
    """Sizes and RGBA rows back out of an icon file, checking its directory on the way."""
    reserved, kind, count = struct.unpack_from("<HHH", blob, 0)
    assert reserved == 0 and kind == 1 and count > 0
    images = []
    for n in range(count):
        w, h, _, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", blob,
                                                                       6 + 16 * n)
        assert planes == 1 and bits == 8 and offset + length <= len(blob)
        bi = struct.unpack_from("<IiiHHIIiiII", blob, offset)
        size, used = bi[1], bi[9]
        assert bi[0] == 40 and size == (w or 256) and bi[2] == 2 * size and bi[4] == 8
        assert 0 < used <= 256
        xor_stride = (size + 3) // 4 * 4
        stride = ((size + 31) // 32) * 4
        assert length == 40 + 4 * used + xor_stride * size + stride * size
        base = offset + 40
        palette = [struct.unpack_from("<BBBB", blob, base + 4 * i)[2::-1] for i in range(used)]
        pixels = base + 4 * used
        mask = pixels + xor_stride * size
        rows = []
        for y in range(size):
            row = []
            for x in range(size):
                clear = blob[mask + y * stride + x // 8] & (0x80 >> (x % 8))
                colour = blob[pixels + y * xor_stride + x]
                assert colour < used
                row.append((0, 0, 0, 0) if clear else palette[colour] + (255,))
            rows.append(row)
        images.append((size, list(reversed(rows))))
    return images


# ---------------------------------------------------------------------------------------------


def build():
    canvas = draw_logo()
    logo = bmp_rle8(canvas)
    icons = [(size, draw_icon(size)) for size in ICON_SIZES]
    icon = ico(icons)

    decoded, palette = read_bmp_rle8(logo)
    assert decoded == canvas.pixels, "RLE8 stream does not decode to the drawing"
    assert palette[:len(canvas.palette)] == canvas.palette
    assert read_ico(icon) == icons, "icon does not read back"
    return logo, icon


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, "..", "..", "src", "app", "resources"))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=default_out)
    parser.add_argument("--check", action="store_true",
                        help="compare the files in --out-dir with a fresh drawing")
    args = parser.parse_args()

    logo, icon = build()
    targets = (("logo.bmp", logo), ("glyphwright.ico", icon))
    if args.check:
        stale = []
        for name, blob in targets:
            path = os.path.join(args.out_dir, name)
            with open(path, "rb") as f:
                if f.read() != blob:
                    stale.append(name)
        if stale:
            print("out of date: " + ", ".join(stale), file=sys.stderr)
            return 1
        return 0
    for name, blob in targets:
        with open(os.path.join(args.out_dir, name), "wb") as f:
            f.write(blob)
    print("logo.bmp: %d bytes; glyphwright.ico: %d bytes" % (len(logo), len(icon)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
