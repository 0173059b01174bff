#!/usr/bin/env python3
"""Draws the gauge's bitmaps: the face plate, the display background and the pressed-button
images, as uncompressed Windows BMP files named after their resource numbers.

Usage: make_artwork.py OUTPUT_FOLDER

Only the Python standard library is used, so the artwork builds wherever the gauge does.
"""
import math
import os
import struct
import sys

# 5 x 7 glyphs for the labels printed on the face; each row is five bits, left to right.
GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "-": ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    ">": ["10000", "01000", "00100", "00010", "00100", "01000", "10000"],
    "/": ["00001", "00010", "00010", "00100", "01000", "01000", "10000"],
    " ": ["00000"] * 7,
}

BEZEL = (58, 60, 64)
BEZEL_EDGE = (92, 95, 100)
SCREEN = (10, 40, 18)
BUTTON = (40, 42, 46)
BUTTON_PRESSED = (22, 23, 26)
BUTTON_EDGE = (120, 124, 130)
LABEL = (225, 225, 220)
KNOB_OUTER = (30, 31, 34)
KNOB_INNER = (48, 50, 54)
KNOB_RIDGE = (84, 86, 92)
POWER_ON = (60, 170, 70)


class Image:
    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [list(colour) * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            row = self.pixels[y]
            row[3 * x:3 * x + 3] = colour

    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, colour)

    def frame(self, x, y, w, h, colour):
        for xx in range(x, x + w):
            self.set(xx, y, colour)
            self.set(xx, y + h - 1, colour)
        for yy in range(y, y + h):
            self.set(x, yy, colour)
            self.set(x + w - 1, yy, colour)

    def disc(self, cx, cy, radius, colour):
        r2 = radius * radius
        for yy in range(int(cy - radius), int(cy + radius) + 1):
            for xx in range(int(cx - radius), int(cx + radius) + 1):
                if (xx - cx) ** 2 + (yy - cy) ** 2 <= r2:
                    self.set(xx, yy, colour)

    def text(self, x, y, label, colour, scale=1):
        for i, ch in enumerate(label):
            glyph = GLYPHS.get(ch, GLYPHS[" "])
            for gy, bits in enumerate(glyph):
                for gx, bit in enumerate(bits):
                    if bit == "1":
                        self.rect(x + (6 * i + gx) * scale, y + gy * scale, scale, scale, colour)

    def centred_text(self, cx, cy, label, colour, scale=1):
        width = (6 * len(label) - 1) * scale
        self.text(int(cx - width / 2), int(cy - 7 * scale / 2), label, colour, scale)

    def bmp24(self):
        stride = (3 * self.width + 3) & ~3
        body = bytearray()
        for y in range(self.height - 1, -1, -1):  # bottom-up rows
            row = self.pixels[y]
            line = bytearray()
            for x in range(self.width):
                r, g, b = row[3 * x:3 * x + 3]
                line += bytes((b, g, r))
            line += b"\0" * (stride - len(line))
            body += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(body),
                           2835, 2835, 0, 0)
        return header + info + bytes(body)

    def bmp8(self):
        """An 8-bit palette image of the picture's grey levels."""
        stride = (self.width + 3) & ~3
        palette = b"".join(bytes((i, i, i, 0)) for i in range(256))
        body = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = self.pixels[y]
            line = bytearray()
            for x in range(self.width):
                r, g, b = row[3 * x:3 * x + 3]
                line.append((r * 30 + g * 59 + b * 11) // 100)
            line += b"\0" * (stride - len(line))
            body += line
        offset = 54 + len(palette)
        header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 8, 0, len(body),
                           2835, 2835, 256, 0)
        return header + info + palette + bytes(body)


def button(image, x, y, w, h, label, fill):
    image.rect(x, y, w, h, fill)
    image.frame(x, y, w, h, BUTTON_EDGE)
    image.centred_text(x + w / 2, y + h / 2, label, LABEL, 2 if len(label) <= 3 else 1)


def knob(image, cx, cy, outer, inner, pulled=False):
    image.disc(cx, cy, outer, KNOB_OUTER)
    for k in range(24):
        angle = 2 * math.pi * k / 24
        for r in range(int(outer * 0.8), int(outer)):
            image.set(int(cx + r * math.cos(angle)), int(cy + r * math.sin(angle)), KNOB_RIDGE)
    image.disc(cx, cy, inner, KNOB_INNER if not pulled else BUTTON_EDGE)
    image.disc(cx, cy, inner * 0.35, KNOB_OUTER)


def ring_labels(image, cx, cy, radius, labels, start_deg, end_deg):
    for i, label in enumerate(labels):
        angle = math.radians(start_deg + (end_deg - start_deg) * i / max(1, len(labels) - 1))
        image.centred_text(cx + radius * math.cos(angle), cy + radius * math.sin(angle), label,
                           LABEL)


# Buttons along the bottom and the CRSR buttons: (label, x, y, w, h) on the face.
BOTTOM_BUTTONS = [("MSG", 210, 204, 53, 35), ("ALT", 293, 204, 53, 35),
                  ("D->", 376, 204, 53, 35), ("CLR", 460, 204, 53, 35),
                  ("ENT", 544, 204, 53, 35)]
LEFT_KNOB = (90, 195)
RIGHT_KNOB = (716, 198)
POWER_KNOB = (713, 46)


def face():
    image = Image(800, 250, BEZEL)
    image.frame(0, 0, 800, 250, BEZEL_EDGE)
    image.frame(3, 3, 794, 244, BEZEL_EDGE)
    image.rect(211, 13, 382, 188, BEZEL_EDGE)
    image.rect(217, 19, 370, 176, SCREEN)
    for label, x, y, w, h in BOTTOM_BUTTONS:
        button(image, x, y, w, h, label, BUTTON)
    button(image, 74, 94, 52, 30, "CRSR", BUTTON)
    button(image, 679, 96, 50, 30, "CRSR", BUTTON)
    knob(image, *LEFT_KNOB, 48, 30)
    knob(image, *RIGHT_KNOB, 48, 30)
    ring_labels(image, LEFT_KNOB[0], LEFT_KNOB[1], 66,
                ["TRI", "MOD", "FPL", "NAV", "CAL", "STA", "SET", "OTH"], 150, 390)
    ring_labels(image, RIGHT_KNOB[0], RIGHT_KNOB[1], 66,
                ["NAV", "APT", "VOR", "NDB", "INT", "SUP", "REF", "ACT", "D/T"], 150, 390)
    image.disc(*POWER_KNOB, 24, KNOB_OUTER)
    image.disc(*POWER_KNOB, 14, KNOB_INNER)
    image.centred_text(POWER_KNOB[0], 82, "PWR", LABEL)
    image.centred_text(120, 30, "TARNWICK GPS", LABEL, 2)
    return image


def pressed(label, w, h):
    image = Image(w, h, BEZEL)
    button(image, 2, 2, w - 4, h - 4, label, BUTTON_PRESSED)
    return image


def pulled_knob():
    image = Image(106, 86, BEZEL)
    knob(image, 53, 43, 42, 27, pulled=True)
    return image


def power_on():
    image = Image(68, 57, BEZEL)
    image.disc(34, 26, 24, KNOB_OUTER)
    image.disc(34, 26, 14, POWER_ON)
    return image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_artwork.py OUTPUT_FOLDER")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    images = {
        9730: face().bmp24(),
        9728: Image(370, 176, SCREEN).bmp24(),
        9732: pressed("CLR", 63, 42).bmp24(),
        9734: pressed("ENT", 63, 42).bmp24(),
        9736: pressed("D->", 63, 42).bmp24(),
        9744: pressed("CRSR", 63, 42).bmp24(),
        9746: pressed("CRSR", 62, 40).bmp24(),
        9748: pressed("ALT", 68, 42).bmp24(),
        9750: pulled_knob().bmp24(),
        9752: power_on().bmp24(),
        9760: pressed("MSG", 68, 42).bmp24(),
        9762: pressed("", 50, 49).bmp8(),
        9764: pressed("", 48, 49).bmp24(),
    }
    for number, data in images.items():
        path = os.path.join(out, "%d.bmp" % number)
        with open(path + ".tmp", "wb") as f:
            f.write(data)
        os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main()
