#!/usr/bin/env python3
"""Draws the system bitmap library BMP_Files: monochrome pictures for the
192 x 64 panel in six categories, written as 1-bit Windows bitmap files.

    tools/gen_bmp_library.py data/BMP_Files

Every picture is drawn from shapes given in a unit square and sampled at the
pixel centres, so each size is drawn for its own grid rather than scaled."""
import math
import os
import struct
import sys


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0] * w for _ in range(h)]  # 1 = black

    def sample(self, inside, value=1):
        """Sets every pixel whose centre (in unit coordinates) is inside."""
        for y in range(self.h):
            for x in range(self.w):
                u, v = (x + 0.5) / self.w, (y + 0.5) / self.h
                if inside(u, v):
                    self.px[y][x] = value

    def polygon(self, pts, value=1):
        def inside(u, v):
            c = False
            n = len(pts)
            for i in range(n):
                x1, y1 = pts[i]
                x2, y2 = pts[(i + 1) % n]
                if (y1 > v) != (y2 > v):
                    xi = x1 + (v - y1) * (x2 - x1) / (y2 - y1)
                    if u < xi:
                        c = not c
            return c
        self.sample(inside, value)

    def rect(self, x0, y0, x1, y1, value=1):
        self.sample(lambda u, v: x0 <= u < x1 and y0 <= v < y1, value)

    def frame(self, x0, y0, x1, y1):
        """A one-pixel outline of a unit rectangle."""
        ax, ay = int(round(x0 * self.w)), int(round(y0 * self.h))
        bx, by = int(round(x1 * self.w)) - 1, int(round(y1 * self.h)) - 1
        for x in range(ax, bx + 1):
            self.set(x, ay)
            self.set(x, by)
        for y in range(ay, by + 1):
            self.set(ax, y)
            self.set(bx, y)

    def ellipse(self, cx, cy, rx, ry, value=1):
        self.sample(lambda u, v: ((u - cx) / rx) ** 2 + ((v - cy) / ry) ** 2 <= 1.0, value)

    def ring(self, cx, cy, r, width):
        self.sample(lambda u, v: r - width <= math.hypot(u - cx, v - cy) <= r)

    def set(self, x, y, value=1):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = value

    def rotated(self, quarter_turns):
        c = self
        for _ in range(quarter_turns % 4):
            r = Canvas(c.h, c.w)
            for y in range(c.h):
                for x in range(c.w):
                    r.px[x][c.h - 1 - y] = c.px[y][x]
            c = r
        return c

    def write_bmp(self, path):
        row_bytes = ((self.w + 31) // 32) * 4
        data = bytearray()
        for y in range(self.h - 1, -1, -1):  # bottom-up
            row = bytearray(row_bytes)
            for x in range(self.w):
                if not self.px[y][x]:  # palette 0 black, 1 white
                    row[x // 8] |= 0x80 >> (x % 8)
            data += row
        palette = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
        offset = 14 + 40 + len(palette)
        header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
        info = struct.pack('<IiiHHIIiiII', 40, self.w, self.h, 1, 1, 0, len(data),
                           2835, 2835, 2, 2)
        with open(path, 'wb') as f:
            f.write(header + info + palette + data)


def arrow(w, h):
    """An arrow pointing right: a shaft and a triangular head."""
    c = Canvas(w, h)
    c.polygon([(0.06, 0.38), (0.52, 0.38), (0.52, 0.12), (0.94, 0.5),
               (0.52, 0.88), (0.52, 0.62), (0.06, 0.62)])
    return c


def arrow_double(w, h):
    c = Canvas(w, h)
    c.polygon([(0.06, 0.2), (0.46, 0.5), (0.06, 0.8)])
    c.polygon([(0.5, 0.2), (0.9, 0.5), (0.5, 0.8)])
    return c


def battery(w, h, level):
    """A horizontal battery with `level` of 4 bars filled."""
    c = Canvas(w, h)
    c.frame(0.04, 0.22, 0.86, 0.78)
    c.rect(0.86, 0.38, 0.96, 0.62)
    inner_x0, inner_x1 = 0.04 + 2.0 / w, 0.86 - 2.0 / w
    step = (inner_x1 - inner_x0) / 4
    for i in range(level):
        x0 = inner_x0 + i * step
        c.rect(x0, 0.22 + 2.0 / h, x0 + step - 1.0 / w, 0.78 - 2.0 / h)
    return c


def fan(w, h, phase):
    """A fan: a ring, a hub and three blades, turned by `phase` sixths."""
    c = Canvas(w, h)
    c.ring(0.5, 0.5, 0.48, 1.1 / w)
    c.ellipse(0.5, 0.5, 0.1, 0.1)
    for k in range(3):
        a = 2 * math.pi * k / 3 + phase * math.pi / 3
        pts = []
        for t in (0.0, 0.25, 0.5, 0.75, 1.0):
            ang = a + t * 0.9
            r = 0.12 + 0.3 * math.sin(math.pi * t) + 0.05
            pts.append((0.5 + r * math.cos(ang), 0.5 + r * math.sin(ang)))
        pts.append((0.5, 0.5))
        c.polygon(pts)
    return c


def flag(w, h, raised):
    """A flag on a pole: up and filled when raised, down and hollow when not."""
    c = Canvas(w, h)
    c.rect(0.12, 0.06, 0.12 + max(1.5 / w, 0.08), 0.94)
    c.rect(0.04, 0.9, 0.4, 0.97)
    top = 0.08 if raised else 0.46
    pts = [(0.2, top), (0.92, top + 0.1), (0.82, top + 0.22), (0.92, top + 0.36), (0.2, top + 0.36)]
    c.polygon(pts)
    if not raised:
        inner = [(0.2 + 2.0 / w, top + 2.0 / h), (0.8, top + 0.12), (0.72, top + 0.22),
                 (0.8, top + 0.34 - 1.0 / h), (0.2 + 2.0 / w, top + 0.34 - 1.0 / h)]
        c.polygon(inner, 0)
    return c


def ico_alarm(w, h):
    """A bell."""
    c = Canvas(w, h)
    c.polygon([(0.5, 0.08), (0.7, 0.2), (0.76, 0.62), (0.9, 0.76), (0.1, 0.76),
               (0.24, 0.62), (0.3, 0.2)])
    c.ellipse(0.5, 0.86, 0.12, 0.1)
    return c


def ico_warning(w, h):
    """A triangle with an exclamation mark."""
    c = Canvas(w, h)
    c.polygon([(0.5, 0.04), (0.97, 0.94), (0.03, 0.94)])
    c.rect(0.44, 0.34, 0.56, 0.68, 0)
    c.rect(0.44, 0.76, 0.56, 0.86, 0)
    return c


def ico_ok(w, h):
    """A tick in a circle."""
    c = Canvas(w, h)
    c.ellipse(0.5, 0.5, 0.48, 0.48)
    c.polygon([(0.2, 0.5), (0.32, 0.38), (0.44, 0.52), (0.7, 0.24), (0.82, 0.36), (0.44, 0.76)], 0)
    return c


def ico_stop(w, h):
    """An octagon with a bar."""
    c = Canvas(w, h)
    pts = [(0.5 + 0.5 * math.cos(math.pi / 8 + k * math.pi / 4),
            0.5 + 0.5 * math.sin(math.pi / 8 + k * math.pi / 4)) for k in range(8)]
    c.polygon(pts)
    c.rect(0.2, 0.42, 0.8, 0.58, 0)
    return c


def ico_info(w, h):
    """An i in a circle."""
    c = Canvas(w, h)
    c.ellipse(0.5, 0.5, 0.48, 0.48)
    c.rect(0.43, 0.4, 0.57, 0.8, 0)
    c.rect(0.43, 0.18, 0.57, 0.3, 0)
    return c


def ico_home(w, h):
    """A house."""
    c = Canvas(w, h)
    c.polygon([(0.5, 0.06), (0.96, 0.48), (0.84, 0.48), (0.84, 0.94), (0.16, 0.94),
               (0.16, 0.48), (0.04, 0.48)])
    c.rect(0.4, 0.6, 0.6, 0.94, 0)
    return c


def valve(w, h, is_open):
    """A valve: two triangles tip to tip with a stem and hand wheel; hollow
    when open, filled when closed."""
    c = Canvas(w, h)
    body = [(0.04, 0.42), (0.5, 0.66), (0.04, 0.9)]
    body2 = [(0.96, 0.42), (0.5, 0.66), (0.96, 0.9)]
    c.polygon(body)
    c.polygon(body2)
    if is_open:
        c.polygon([(0.04 + 2.0 / w, 0.42 + 3.0 / h), (0.5 - 3.0 / w, 0.66),
                   (0.04 + 2.0 / w, 0.9 - 3.0 / h)], 0)
        c.polygon([(0.96 - 2.0 / w, 0.42 + 3.0 / h), (0.5 + 3.0 / w, 0.66),
                   (0.96 - 2.0 / w, 0.9 - 3.0 / h)], 0)
    c.rect(0.5 - 0.8 / w, 0.16, 0.5 + 0.8 / w + 1.0 / w, 0.66)
    c.rect(0.26, 0.08, 0.74, 0.08 + max(2.0 / h, 0.1))
    return c


def library():
    """(category, file name, canvas) of every picture."""
    out = []
    sizes = [(16, 16), (24, 24), (32, 32)]
    turns = {'RIGHT': 0, 'DOWN': 1, 'LEFT': 2, 'UP': 3}
    for w, h in sizes:
        for name, t in turns.items():
            out.append(('Arrow', 'arrow_%d_%d_%s.bmp' % (w, h, name), arrow(w, h).rotated(t)))
            out.append(('Arrow', 'arrow2_%d_%d_%s.bmp' % (w, h, name),
                        arrow_double(w, h).rotated(t)))
    for w, h in [(16, 16), (32, 32), (32, 16), (48, 24)]:
        for level, name in [(0, 'EMPTY'), (1, 'LOW'), (2, 'HALF'), (4, 'FULL')]:
            out.append(('Battery', 'battery_%d_%d_%s.bmp' % (w, h, name), battery(w, h, level)))
    for w, h in sizes:
        for phase in range(2):
            out.append(('Fan', 'fan_%d_%d_%d.bmp' % (w, h, phase + 1), fan(w, h, phase)))
    for w, h in sizes:
        out.append(('Flag', 'flag_%d_%d_ON.bmp' % (w, h), flag(w, h, True)))
        out.append(('Flag', 'flag_%d_%d_OFF.bmp' % (w, h), flag(w, h, False)))
    icons = [('ALARM', ico_alarm), ('WARNING', ico_warning), ('OK', ico_ok), ('STOP', ico_stop),
             ('INFO', ico_info), ('HOME', ico_home)]
    for w, h in sizes:
        for name, draw in icons:
            out.append(('Ico', 'ico_%d_%d_%s.bmp' % (w, h, name), draw(w, h)))
    for w, h in sizes:
        out.append(('Valve', 'valve_%d_%d_OPEN.bmp' % (w, h), valve(w, h, True)))
        out.append(('Valve', 'valve_%d_%d_CLOSED.bmp' % (w, h), valve(w, h, False)))
    return out


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else 'data/BMP_Files'
    for category, name, canvas in library():
        folder = os.path.join(root, category)
        os.makedirs(folder, exist_ok=True)
        canvas.write_bmp(os.path.join(folder, name))


if __name__ == '__main__':
    main()
