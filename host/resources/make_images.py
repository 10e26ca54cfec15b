#!/usr/bin/env python3
"""Draws the host's pictures: 45 profile pictograms (bmp112.bmp ... bmp156.bmp, 32 x 32), the
page icon (icon103.ico) and a decorative printer picture (bmp1346.bmp), as 24-bit BMP files in
images/ beside this script. The pictograms are blue (R 64, G 64, B 200) with dark outlines on a
white background; their top-left pixel is white, the transparent colour."""

import math
import os
import struct

WHITE = (255, 255, 255)
BLUE = (64, 64, 200)
DARK = (24, 24, 96)
PALE = (160, 160, 230)


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[WHITE] * width for _ in range(height)]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def rect(self, x0, y0, x1, y1, fill=BLUE, outline=DARK):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                self.put(x, y, outline if edge and outline else fill)

    def line(self, x0, y0, x1, y1, color=DARK):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), color)

    def disc(self, cx, cy, r, fill=BLUE, outline=DARK):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x - cx, y - cy)
                if d <= r:
                    self.put(x, y, outline if d > r - 1.2 else fill)

    def polygon(self, points, fill=BLUE, outline=DARK):
        for y in range(self.height):
            for x in range(self.width):
                if inside(points, x + 0.5, y + 0.5):
                    self.put(x, y, fill)
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            self.line(round(ax), round(ay), round(bx), round(by), outline)


def inside(points, x, y):
    result = False
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            result = not result
    return result


def star_points(cx, cy, outer, inner, count=5):
    return [(cx + (outer if i % 2 == 0 else inner) * math.sin(i * math.pi / count),
             cy - (outer if i % 2 == 0 else inner) * math.cos(i * math.pi / count))
            for i in range(count * 2)]


def document(c):
    c.polygon([(8, 3), (20, 3), (25, 8), (25, 28), (8, 28)])
    for y in (10, 14, 18, 22):
        c.line(11, y, 22, y)


def star(c):
    c.polygon(star_points(16, 17, 13, 5.5))


def house(c):
    c.polygon([(16, 3), (29, 15), (3, 15)])
    c.rect(6, 15, 26, 28)
    c.rect(13, 20, 18, 28, fill=WHITE)


def printer(c):
    c.rect(9, 3, 23, 11, fill=WHITE)
    c.rect(3, 11, 28, 22)
    c.rect(8, 18, 23, 28, fill=WHITE)
    c.put(25, 14, WHITE)


def envelope(c):
    c.rect(3, 8, 28, 24)
    c.line(3, 8, 16, 17)
    c.line(28, 8, 16, 17)


def heart(c):
    c.polygon([(16, 28)] + [(16 + 13 * math.sin(t) ** 3,
                             14 - (10 * math.cos(t) - 4 * math.cos(2 * t) - 2 * math.cos(3 * t)))
                            for t in [i * math.pi / 20 for i in range(1, 40)]])


def gear(c):
    c.polygon(star_points(16, 16, 14, 10, 8))
    c.disc(16, 16, 4, fill=WHITE)


def flag(c):
    c.rect(5, 3, 7, 29)
    c.polygon([(8, 4), (27, 9), (8, 16)])


def circle(c):
    c.disc(16, 16, 12)


def square(c):
    c.rect(5, 5, 26, 26)


def triangle(c):
    c.polygon([(16, 3), (29, 28), (3, 28)])


def diamond(c):
    c.polygon([(16, 2), (29, 16), (16, 29), (3, 16)])


def arrow(c):
    c.polygon([(3, 12), (18, 12), (18, 5), (29, 16), (18, 27), (18, 20), (3, 20)])


def cross(c):
    c.polygon([(12, 3), (20, 3), (20, 12), (29, 12), (29, 20), (20, 20), (20, 29), (12, 29),
               (12, 20), (3, 20), (3, 12), (12, 12)])


def book(c):
    c.rect(4, 5, 15, 27)
    c.rect(16, 5, 27, 27)


BASES = [document, star, house, printer, envelope, heart, gear, flag, circle, square, triangle,
         diamond, arrow, cross, book]


def badge(c, variant):
    """Variant 0 is the plain pictogram; 1 adds a dot in the lower right, 2 a bar underneath."""
    if variant == 1:
        c.disc(26, 26, 4, fill=PALE)
    elif variant == 2:
        c.rect(2, 29, 29, 31, fill=PALE)


def bmp_bytes(canvas):
    stride = (canvas.width * 3 + 3) // 4 * 4
    rows = b""
    for row in reversed(canvas.pixels):
        data = b"".join(bytes((b, g, r)) for r, g, b in row)
        rows += data + b"\0" * (stride - len(data))
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(rows),
                       3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + rows


def ico_bytes(canvas):
    stride = canvas.width * 3
    xor = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row) for row in reversed(canvas.pixels))
    mask_stride = (canvas.width + 31) // 32 * 4
    mask = b"\0" * (mask_stride * canvas.height)  # every pixel opaque
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 24, 0,
                       stride * canvas.height + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", canvas.width, canvas.height, 0, 0, 1, 24, len(image), 22)
    return directory + entry + image


def printer_with_pages():
    c = Canvas(60, 40)
    for shift in (8, 5, 2):
        c.rect(20 + shift, 2 + shift // 2, 40 + shift, 16, fill=WHITE)
    c.rect(8, 14, 52, 30)
    c.rect(16, 26, 44, 38, fill=WHITE)
    for y in (30, 33):
        c.line(20, y, 40, y)
    c.disc(47, 19, 2, fill=PALE)
    return c


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "images")
    os.makedirs(folder, exist_ok=True)
    for index in range(45):
        canvas = Canvas(32, 32)
        BASES[index % len(BASES)](canvas)
        badge(canvas, index // len(BASES))
        canvas.put(0, 0, WHITE)
        with open(os.path.join(folder, "bmp%d.bmp" % (112 + index)), "wb") as out:
            out.write(bmp_bytes(canvas))
    icon = Canvas(32, 32)
    printer(icon)
    with open(os.path.join(folder, "icon103.ico"), "wb") as out:
        out.write(ico_bytes(icon))
    with open(os.path.join(folder, "bmp1346.bmp"), "wb") as out:
        out.write(bmp_bytes(printer_with_pages()))


if __name__ == "__main__":
    main()
