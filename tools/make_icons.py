#!/usr/bin/env python3
"""Draws Pictra's 22 x 22 toolbar icons and the program icon as PNG files.

Run once after changing a drawing; the PNGs are kept in the repository
(src/ui/resources/icons) and compiled into the program as Qt resources.
"""
import math
import os
import struct
import sys
import zlib

S = 22
INK = (40, 40, 48)
WHITE = (255, 255, 255)
PAPER = (250, 250, 240)
YELLOW = (240, 200, 60)
BLUE = (60, 100, 200)
GREEN = (40, 150, 60)
RED = (200, 40, 40)
GREY = (150, 150, 160)
BROWN = (150, 100, 50)
SKY = (120, 180, 240)


class Icon:
    def __init__(self, size=S):
        self.size = size
        self.px = [[None] * size for _ in range(size)]

    def dot(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def box(self, x0, y0, x1, y1, c, inside=None):
        if inside:
            self.fill(x0, y0, x1, y1, inside)
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def line(self, x0, y0, x1, y1, c, w=1):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            x = round(x0 + (x1 - x0) * i / n)
            y = round(y0 + (y1 - y0) * i / n)
            for dx in range(w):
                for dy in range(w):
                    self.dot(x + dx, y + dy, c)

    def poly(self, pts, c):
        ys = [p[1] for p in pts]
        for y in range(min(ys), max(ys) + 1):
            for x in range(self.size):
                if inside(pts, x + 0.5, y + 0.5):
                    self.dot(x, y, c)

    def circle(self, cx, cy, r, c, inside_c=None, w=1.0):
        for y in range(self.size):
            for x in range(self.size):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if inside_c and d < r - w / 2:
                    self.dot(x, y, inside_c)
                if abs(d - r) <= w / 2 + 0.3:
                    self.dot(x, y, c)

    def png(self):
        raw = b""
        for row in self.px:
            raw += b"\0" + b"".join(bytes((*c, 255)) if c else b"\0\0\0\0" for c in row)
        def chunk(tag, data):
            return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
        head = struct.pack(">IIBBBBB", self.size, self.size, 8, 6, 0, 0, 0)
        return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def inside(pts, x, y):
    hit = False
    for i in range(len(pts)):
        (x0, y0), (x1, y1) = pts[i], pts[i - 1]
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            hit = not hit
    return hit


def page(i, x0=4, y0=2, x1=17, y1=19):
    i.box(x0, y0, x1, y1, INK, PAPER)
    for y in range(y0 + 4, y1 - 1, 3):
        i.line(x0 + 3, y, x1 - 3, y, GREY)


def magnifier(i, cx=9, cy=9, r=5, sign=None):
    i.circle(cx, cy, r, INK, SKY, 1.4)
    i.line(cx + 4, cy + 4, cx + 9, cy + 9, BROWN, 2)
    if sign:
        i.line(cx - 2, cy, cx + 2, cy, INK)
        if sign == "+":
            i.line(cx, cy - 2, cx, cy + 2, INK)


def triangle(i, x0, x1, c, y0=5, y1=16):
    mid = (y0 + y1 + 1) / 2
    i.poly([(x0, y0), (x1, mid), (x0, y1 + 1)], c)


def draw(name):
    i = Icon()
    if name == "new":
        page(i)
        i.poly([(13, 2), (18, 2), (18, 7)], YELLOW)
    elif name == "open":
        i.poly([(2, 6), (8, 6), (10, 8), (19, 8), (19, 18), (2, 18)], YELLOW)
        i.box(2, 8, 19, 18, INK)
        i.poly([(5, 11), (21, 11), (18, 18), (2, 18)], (250, 220, 110))
    elif name == "save":
        i.box(3, 3, 18, 18, INK, BLUE)
        i.fill(6, 4, 15, 9, WHITE)
        i.fill(7, 13, 14, 18, GREY)
        i.fill(12, 14, 13, 17, INK)
    elif name == "cut":
        i.circle(7, 16, 2.6, INK, None, 1.3)
        i.circle(15, 16, 2.6, INK, None, 1.3)
        i.line(8, 13, 14, 3, GREY, 2)
        i.line(13, 13, 7, 3, GREY, 2)
    elif name == "copy":
        page(i, 2, 2, 13, 15)
        page(i, 8, 6, 19, 20)
    elif name == "paste":
        i.box(3, 4, 16, 20, INK, BROWN)
        i.fill(7, 2, 12, 5, GREY)
        page(i, 9, 8, 19, 20)
    elif name == "delete":
        i.line(4, 4, 16, 16, RED, 3)
        i.line(16, 4, 4, 16, RED, 3)
    elif name == "print":
        i.box(5, 2, 16, 9, INK, PAPER)
        i.box(2, 9, 19, 16, INK, GREY)
        i.box(5, 14, 16, 20, INK, PAPER)
        i.fill(16, 11, 17, 12, GREEN)
    elif name == "search":
        magnifier(i)
    elif name == "searchfile":
        page(i, 2, 1, 13, 14)
        magnifier(i, 12, 12, 4)
    elif name == "reverse":
        i.poly([(10, 5), (2, 11), (10, 17)], GREEN)
        i.poly([(19, 5), (11, 11), (19, 17)], GREEN)
    elif name == "first":
        i.fill(4, 5, 5, 16, INK)
        i.poly([(17, 5), (7, 11), (17, 17)], BLUE)
    elif name == "previous":
        i.poly([(15, 5), (6, 11), (15, 17)], BLUE)
    elif name == "pause":
        i.fill(6, 5, 9, 16, INK)
        i.fill(13, 5, 16, 16, INK)
    elif name == "stop":
        i.box(5, 5, 16, 16, INK, RED)
    elif name == "next":
        triangle(i, 7, 16, BLUE)
    elif name == "last":
        triangle(i, 5, 15, BLUE)
        i.fill(16, 5, 17, 16, INK)
    elif name == "slide":
        triangle(i, 3, 11, GREEN)
        triangle(i, 11, 19, GREEN)
    elif name == "enlarge":
        i.box(2, 2, 19, 19, INK, WHITE)
        i.fill(4, 4, 17, 17, SKY)
        i.poly([(4, 17), (9, 9), (13, 14), (15, 11), (17, 17)], GREEN)
        i.line(12, 4, 17, 4, INK)
        i.line(17, 4, 17, 9, INK)
    elif name == "standard":
        i.box(3, 3, 18, 18, INK, WHITE)
        i.line(7, 7, 7, 14, INK, 2)
        i.fill(10, 9, 11, 10, INK)
        i.fill(10, 12, 11, 13, INK)
        i.line(14, 7, 14, 14, INK, 2)
    elif name == "zoom":
        magnifier(i, sign="+")
    elif name == "zoomback":
        magnifier(i, sign="-")
    elif name == "input":
        i.box(2, 5, 15, 18, INK, SKY)
        i.poly([(2, 18), (7, 11), (11, 15), (15, 18)], GREEN)
        i.line(15, 2, 19, 2, RED, 1)
        i.poly([(19, 1), (19, 10), (21, 10), (17, 14), (13, 10), (15, 10), (15, 1)], RED)
    elif name == "twain":
        i.box(2, 9, 19, 17, INK, GREY)
        i.fill(4, 11, 17, 12, SKY)
        i.box(4, 3, 17, 9, INK, PAPER)
        i.fill(15, 14, 16, 15, GREEN)
    elif name == "pictra":
        i.box(1, 3, 20, 18, INK, WHITE)
        i.fill(3, 5, 18, 16, SKY)
        i.circle(14, 8, 2, YELLOW, YELLOW)
        i.poly([(3, 16), (8, 9), (12, 13), (15, 11), (18, 16)], GREEN)
    else:
        raise SystemExit("unknown icon " + name)
    return i.png()


NAMES = ["new", "open", "save", "cut", "copy", "paste", "delete", "print", "search", "searchfile",
         "reverse", "first", "previous", "pause", "stop", "next", "last", "slide",
         "enlarge", "standard", "zoom", "zoomback", "input", "twain", "pictra"]

if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src", "ui", "resources", "icons")
    os.makedirs(out, exist_ok=True)
    for n in NAMES:
        with open(os.path.join(out, n + ".png"), "wb") as f:
            f.write(draw(n))
    with open(os.path.join(out, "..", "icons.qrc"), "w") as f:
        f.write("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/icons\">\n")
        for n in NAMES:
            f.write("  <file alias=\"%s.png\">icons/%s.png</file>\n" % (n, n))
        f.write("</qresource>\n</RCC>\n")
