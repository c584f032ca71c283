#!/usr/bin/env python3
"""Draws the program's artwork: the skinned frame's images, the task list's icons, the program
icon and the logo. Standard library only; shapes are sampled 4 x 4 per pixel for smooth edges.

    draw_art.py OUTPUT_FOLDER

Writes 24-bit .bmp files (frame), .ico files (icons, 32-bit with alpha) and logo.ppm (turned
into logo.jpg by the build when ImageMagick is there).
"""
import math
import os
import struct
import sys

# The frame's blue, from the top of the title bar to its bottom, and the window's grey.
BLUE_TOP = (70, 106, 166)
BLUE_BOTTOM = (36, 62, 112)
BLUE_EDGE = (52, 82, 136)
GREY = (207, 207, 207)
LIGHT = (236, 236, 236)
INK = (26, 44, 82)
WHITE = (255, 255, 255)

SAMPLES = 4


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


class Canvas:
    """RGBA pixels; shapes are painted with coverage from sub-pixel samples."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = [[list(fill) for _ in range(width)] for _ in range(height)]

    def blend(self, x, y, colour, coverage):
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        alpha = coverage * (colour[3] / 255 if len(colour) > 3 else 1)
        dst = self.pixels[y][x]
        out_a = alpha + dst[3] / 255 * (1 - alpha)
        for i in range(3):
            src_part = colour[i] * alpha
            dst_part = dst[i] * dst[3] / 255 * (1 - alpha)
            dst[i] = round((src_part + dst_part) / out_a) if out_a > 0 else 0
        dst[3] = round(out_a * 255)

    def paint(self, inside, colour, box=None):
        """Paints where inside(x, y) holds, x and y in pixel units (pixel centres at +0.5)."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES):
                            hits += 1
                self.blend(x, y, colour, hits / SAMPLES ** 2)

    def rect(self, x0, y0, x1, y1, colour):
        self.paint(lambda x, y: x0 <= x < x1 and y0 <= y < y1, colour, (x0, y0, x1, y1))

    def vertical_gradient(self, x0, y0, x1, y1, top, bottom):
        for y in range(y0, y1):
            colour = mix(top, bottom, (y - y0) / max(1, y1 - y0 - 1))
            for x in range(x0, x1):
                self.pixels[y][x] = list(colour) + [255]

    def rounded_rect(self, x0, y0, x1, y1, radius, colour):
        def inside(x, y):
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            return x0 <= x <= x1 and y0 <= y <= y1 and (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
        self.paint(inside, colour, (x0, y0, x1, y1))

    def disc(self, cx, cy, r, colour):
        self.paint(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour,
                   (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1))

    def strokes(self, segments, arcs, width, colour):
        """Lines (x0, y0, x1, y1) and arcs (cx, cy, r, from_degrees, to_degrees), `width` thick."""
        half = width / 2

        def near_segment(x, y, s):
            ax, ay, bx, by = s
            dx, dy = bx - ax, by - ay
            t = 0 if dx == dy == 0 else max(0, min(1, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= half * half

        def near_arc(x, y, a):
            cx, cy, r, start, end = a
            angle = math.degrees(math.atan2(-(y - cy), x - cx)) % 360
            lo, hi = start % 360, end % 360
            within = lo <= angle <= hi if lo <= hi else angle >= lo or angle <= hi
            if end - start >= 360:
                within = True
            if within:
                return abs(math.hypot(x - cx, y - cy) - r) <= half
            ends = [(cx + r * math.cos(math.radians(d)), cy - r * math.sin(math.radians(d)))
                    for d in (start, end)]
            return any((x - ex) ** 2 + (y - ey) ** 2 <= half * half for ex, ey in ends)

        self.paint(lambda x, y: any(near_segment(x, y, s) for s in segments) or
                   any(near_arc(x, y, a) for a in arcs), colour)

    def on(self, background):
        """The pixels flattened onto a background colour."""
        flat = Canvas(self.width, self.height, tuple(background) + (255,))
        for y in range(self.height):
            for x in range(self.width):
                p = self.pixels[y][x]
                flat.blend(x, y, p[:3] + [255], p[3] / 255)
        return flat


def write_bmp(path, canvas):
    row = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(canvas.height)):
        line = bytearray()
        for x in range(canvas.width):
            r, g, b, _ = canvas.pixels[y][x]
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


def write_ppm(path, canvas):
    with open(path, 'wb') as f:
        f.write(b'P6 %d %d 255\n' % (canvas.width, canvas.height))
        for y in range(canvas.height):
            f.write(bytes(c for x in range(canvas.width) for c in canvas.pixels[y][x][:3]))


def icon_image(canvas):
    size = canvas.width
    xor = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = canvas.pixels[y][x]
            xor += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        bits = 0
        line = bytearray(mask_row)
        for x in range(size):
            if canvas.pixels[y][x][3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
        del bits
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0,
                       0, 0)
    return info + xor + mask


def write_ico(path, canvases):
    images = [icon_image(c) for c in canvases]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        dim = canvas.width if canvas.width < 256 else 0
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, 'wb') as f:
        f.write(out)


# The frame. The window's outline (a dark line along its rounded edge) is drawn by the window
# itself; these images carry the blue bands and the grey inside.
def title_piece(left_edge, right_edge):
    c = Canvas(19, 30)
    c.vertical_gradient(0, 0, 19, 30, BLUE_TOP, BLUE_BOTTOM)
    c.rect(0, 1, 19, 2, (255, 255, 255, 60))
    c.rect(0, 29, 19, 30, (16, 30, 60, 255))
    if left_edge:
        c.rect(0, 0, 1, 30, (255, 255, 255, 40))
    if right_edge:
        c.rect(18, 0, 19, 30, (0, 0, 0, 50))
    return c


def border_piece(left, right, bottom, lowered=0):
    """A side or bottom piece. `lowered` moves the bottom band down: the bottom right corner
    stands one pixel higher than the other bottom pieces, and its band must still meet theirs."""
    c = Canvas(19, 30, GREY + (255,))
    band = 4
    if left:
        c.rect(0, 0, band, 30, BLUE_EDGE + (255,))
        c.rect(band, 0, band + 1, 30, LIGHT + (255,))
    if right:
        c.rect(19 - band, 0, 19, 30, BLUE_EDGE + (255,))
        c.rect(18 - band, 0, 19 - band, 30, (160, 160, 160, 255))
    if bottom:
        top = 30 - band + lowered
        c.rect(0, top, 19, 30, BLUE_EDGE + (255,))
        c.rect(0, top - 1, 19, top, (160, 160, 160, 255))
        if left:
            c.rect(0, 0, band, 30, BLUE_EDGE + (255,))
            c.rect(band, 0, band + 1, top - 1, LIGHT + (255,))
        if right:
            c.rect(19 - band, 0, 19, 30, BLUE_EDGE + (255,))
            c.rect(18 - band, 0, 19 - band, top - 1, (160, 160, 160, 255))
    return c


def title_button(glyph):
    c = Canvas(13, 13)
    c.vertical_gradient(0, 0, 13, 13, BLUE_TOP, BLUE_BOTTOM)
    c.rounded_rect(0, 0, 13, 13, 3, (244, 247, 252, 255))
    c.rounded_rect(1, 1, 12, 12, 2.5, (214, 224, 240, 255))
    if glyph == 'close':
        c.strokes([(3.6, 3.6, 9.4, 9.4), (9.4, 3.6, 3.6, 9.4)], [], 1.6, INK + (255,))
    elif glyph == 'help':
        c.strokes([(6.5, 7.2, 6.5, 8.0)], [(6.5, 4.9, 2.0, -90, 180)], 1.5, INK + (255,))
        c.disc(6.5, 10.0, 0.9, INK + (255,))
    else:
        c.strokes([(3.5, 9.5, 9.5, 9.5)], [], 1.8, INK + (255,))
    return c.on(BLUE_BOTTOM)


# Icons of the task list: one per group, and the states of a running row.
def badge(colour):
    c = Canvas(16, 16)
    c.rounded_rect(0.5, 0.5, 15.5, 15.5, 3.5, mix(colour, (0, 0, 0), 0.35) + (255,))
    c.rounded_rect(1.5, 1.5, 14.5, 14.5, 2.5, colour + (255,))
    c.rect(2, 2, 14, 7, (255, 255, 255, 45))
    return c


def group_icon(kind):
    white = WHITE + (255,)
    if kind == 'ie':
        c = badge((40, 110, 200))
        c.strokes([(4.4, 8.2, 11.6, 8.2)], [(8, 8.2, 3.6, 0, 320)], 1.6, white)
    elif kind == 'netscape':
        c = badge((20, 140, 130))
        c.strokes([(4.5, 12, 4.5, 4), (4.5, 4, 11.5, 12), (11.5, 12, 11.5, 4)], [], 1.6, white)
    elif kind == 'opera':
        c = badge((200, 40, 40))
        c.strokes([], [(8, 8, 4.0, 0, 360)], 1.8, white)
    elif kind == 'aol':
        c = badge((30, 70, 150))
        c.strokes([(4, 12.5, 8, 3.5), (8, 3.5, 12, 12.5), (5.6, 9.5, 10.4, 9.5)], [], 1.6, white)
    elif kind == 'win':
        c = Canvas(16, 16)
        for (x, y, colour) in ((1, 1, (230, 80, 40)), (8.5, 1, (110, 180, 40)),
                               (1, 8.5, (40, 140, 220)), (8.5, 8.5, (240, 190, 30))):
            c.rounded_rect(x, y, x + 6.5, y + 6.5, 1.2, colour + (255,))
    elif kind == 'app':
        c = badge((120, 90, 170))
        c.rect(4, 4, 12, 12, white)
        c.rect(5.5, 5.5, 10.5, 10.5, (120, 90, 170, 255))
        c.rect(7, 2, 9, 4, white)
        c.rect(12, 7, 14, 9, white)
    elif kind == 'cust':
        c = badge((90, 100, 110))
        c.strokes([(4.5, 11.5, 9.0, 7.0)], [(10.2, 5.8, 2.3, 300, 150)], 1.8, white)
    elif kind == 'working':
        c = Canvas(16, 16)
        c.disc(8, 8, 7.4, (230, 140, 20, 255))
        c.strokes([(8, 8, 8, 3.8), (8, 8, 11, 9.6)], [], 1.6, white)
    else:  # done
        c = Canvas(16, 16)
        c.disc(8, 8, 7.4, (40, 150, 60, 255))
        c.strokes([(4.4, 8.4, 7.0, 11.0), (7.0, 11.0, 11.8, 5.2)], [], 1.9, white)
    return c


# The program's sign: a shield holding a Q whose tail sweeps away the traces.
def shield(size):
    s = size / 32
    c = Canvas(size, size)

    def inside(x, y, inset=0.0):
        x, y = x / s, y / s
        top, bottom, left, right = 2 + inset, 30 - inset, 4 + inset, 28 - inset
        if not (left <= x <= right and top <= y <= bottom):
            return False
        if y <= 16:
            return True
        # The lower half narrows to a point along two arcs.
        half = (right - left) / 2 * math.sqrt(max(0.0, 1 - ((y - 16) / (bottom - 16)) ** 2))
        return abs(x - 16) <= half

    c.paint(lambda x, y: inside(x, y), (22, 40, 80, 255))
    c.paint(lambda x, y: inside(x, y, 1.6), (58, 96, 160, 255))
    c.paint(lambda x, y: inside(x, y, 1.6) and y / s < 10, (255, 255, 255, 40))
    c.strokes([(17.5 * s, 18.5 * s, 22.5 * s, 24 * s)], [(15.5 * s, 14.5 * s, 6 * s, 0, 360)],
              2.6 * s, WHITE + (255,))
    return c


# The word "Quellorn" in strokes: letters made of lines and arcs on an x-height of 10 units.
def word(canvas, x, baseline, unit, colour):
    u = unit
    xh = baseline - 10 * u
    asc = baseline - 15 * u
    r = 5 * u
    width = 2.1 * u
    letters = []

    def o(cx):
        return [], [(cx, baseline - r, r, 0, 360)]

    # Each letter: (segments, arcs, advance)
    pen = x
    # Q: a ring with a tail.
    rq = 7.5 * u
    cq = baseline - rq
    letters.append(([(pen + rq + 2 * u, cq + 3 * u, pen + 2 * rq + 1 * u, baseline + 1.5 * u)],
                    [(pen + rq, cq, rq, 0, 360)]))
    pen += 2 * rq + 3.5 * u
    # u
    letters.append(([(pen, xh, pen, baseline - r), (pen + 2 * r, xh, pen + 2 * r, baseline)],
                    [(pen + r, baseline - r, r, 180, 360)]))
    pen += 2 * r + 3.5 * u
    # e
    letters.append(([(pen, baseline - r, pen + 2 * r, baseline - r)],
                    [(pen + r, baseline - r, r, 0, 315)]))
    pen += 2 * r + 3.5 * u
    # l l
    for _ in range(2):
        letters.append(([(pen, asc, pen, baseline)], []))
        pen += 3.5 * u
    # o
    seg, arc = o(pen + r)
    letters.append((seg, arc))
    pen += 2 * r + 3.5 * u
    # r
    letters.append(([(pen, xh, pen, baseline)], [(pen + r, baseline - r, r, 40, 180)]))
    pen += 1.6 * r + 3.5 * u
    # n
    letters.append(([(pen, xh, pen, baseline), (pen + 2 * r, baseline - r, pen + 2 * r, baseline)],
                    [(pen + r, baseline - r, r, 0, 180)]))
    pen += 2 * r
    segments = [s for letter in letters for s in letter[0]]
    arcs = [a for letter in letters for a in letter[1]]
    canvas.strokes(segments, arcs, width, colour)
    return pen


def logo():
    c = Canvas(168, 60, GREY + (255,))
    c.rounded_rect(0.5, 0.5, 167.5, 59.5, 6, (40, 66, 116, 255))
    c.vertical_gradient(2, 2, 166, 58, (78, 116, 178), (40, 68, 122))
    c.rounded_rect(0.5, 0.5, 167.5, 59.5, 6, (0, 0, 0, 0))
    sign = shield(40)
    for y in range(40):
        for x in range(40):
            p = sign.pixels[y][x]
            c.blend(9 + x, 10 + y, p[:3] + [255], p[3] / 255)
    word(c, 56, 38, 1.05, WHITE + (255,))
    c.strokes([(57, 46, 158, 46)], [], 1.2, (255, 255, 255, 110))
    # The corners outside the rounded band take the window's grey.
    flat = Canvas(168, 60, GREY + (255,))
    flat.rounded_rect(0, 0, 168, 60, 6.5, (40, 66, 116, 255))
    for y in range(60):
        for x in range(168):
            if flat.pixels[y][x][:3] == list(GREY):
                c.pixels[y][x] = list(GREY) + [255]
    return c


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, 'title_left.bmp'), title_piece(True, False))
    write_bmp(os.path.join(out, 'title_main.bmp'), title_piece(False, False))
    write_bmp(os.path.join(out, 'title_right.bmp'), title_piece(False, True))
    write_bmp(os.path.join(out, 'window_left.bmp'), border_piece(True, False, False))
    write_bmp(os.path.join(out, 'window_right.bmp'), border_piece(False, True, False))
    write_bmp(os.path.join(out, 'window_bottom_left.bmp'), border_piece(True, False, True))
    write_bmp(os.path.join(out, 'window_bottom.bmp'), border_piece(False, False, True))
    write_bmp(os.path.join(out, 'window_bottom_right.bmp'), border_piece(False, True, True, 1))
    for glyph in ('close', 'help', 'minimize'):
        write_bmp(os.path.join(out, 'title_%s.bmp' % glyph), title_button(glyph))
    for kind in ('ie', 'netscape', 'opera', 'aol', 'win', 'app', 'cust', 'working', 'done'):
        write_ico(os.path.join(out, 'group_%s.ico' % kind), [group_icon(kind)])
    write_ico(os.path.join(out, 'quellorn.ico'), [shield(16), shield(32), shield(48)])
    write_ppm(os.path.join(out, 'logo.ppm'), logo())


if __name__ == '__main__':
    main()
