#!/usr/bin/env python3
"""Draws the product pictures: one 120 x 90 PNG per drive, drive/controller,
controller and motor-series name of the catalogue, into ../pictures/.

Standard library only. Run it after adding a product to make_catalogue.py and
commit the PNGs it writes.
"""

import os
import struct
import zlib

import make_catalogue as catalogue

WIDTH, HEIGHT = 120, 90
OUT_DIR = os.path.join(catalogue.DATA_DIR, "pictures")

WHITE = (255, 255, 255)
OUTLINE = (70, 80, 95)
BODY = (214, 222, 232)
DARK = (150, 162, 178)
ACCENT = (46, 110, 178)
SCREEN = (190, 226, 206)
LED_ON = (90, 190, 110)
METAL = (200, 200, 196)

# 5 x 7 glyphs, one string of five bits per row.
FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "J": ["00111", "00010", "00010", "00010", "00010", "10010", "01100"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "N": ["10001", "10001", "11001", "10101", "10011", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "Z": ["11111", "00001", "00010", "00100", "01000", "10000", "11111"],
    "i": ["00100", "00000", "01100", "00100", "00100", "00100", "01110"],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11111", "00010", "00100", "00010", "00001", "10001", "01110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    "-": ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    " ": ["00000"] * 7,
}


class Canvas:
    def __init__(self):
        self.px = [[WHITE] * WIDTH for _ in range(HEIGHT)]

    def dot(self, x, y, colour):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT:
            self.px[y][x] = colour

    def box(self, x, y, w, h, fill, outline=OUTLINE):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                edge = xx in (x, x + w - 1) or yy in (y, y + h - 1)
                self.dot(xx, yy, outline if edge and outline else fill)

    def ellipse(self, cx, cy, rx, ry, fill, outline=OUTLINE):
        for yy in range(cy - ry, cy + ry + 1):
            for xx in range(cx - rx, cx + rx + 1):
                d = ((xx - cx) / rx) ** 2 + ((yy - cy) / ry) ** 2
                if d <= 1.0:
                    inner = ((xx - cx) / max(rx - 1, 1)) ** 2 + ((yy - cy) / max(ry - 1, 1)) ** 2
                    self.dot(xx, yy, outline if inner > 1.0 and outline else fill)

    def text(self, s, cx, y, colour, scale=2):
        width = (len(s) * 6 - 1) * scale
        x = cx - width // 2
        for ch in s:
            glyph = FONT.get(ch, FONT.get(ch.upper(), FONT[" "]))
            for row, bits in enumerate(glyph):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        for dy in range(scale):
                            for dx in range(scale):
                                self.dot(x + col * scale + dx, y + row * scale + dy, colour)
            x += 6 * scale

    def png(self):
        raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in self.px)

        def chunk(tag, data):
            body = tag + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def label(c, name):
    scale = 2 if len(name) <= 8 else 1
    c.text(name, WIDTH // 2, 90 - 7 * scale - 4, OUTLINE, scale)


def drive(c):
    c.box(38, 6, 44, 60, BODY)
    for x in range(42, 80, 5):                # heat-sink fins
        c.box(x, 2, 3, 5, DARK)
    c.box(44, 12, 32, 10, SCREEN)
    for i in range(3):                        # status LEDs
        c.box(46 + i * 6, 26, 3, 3, LED_ON if i == 0 else DARK, None)
    for i in range(3):                        # connectors
        c.box(44, 34 + i * 9, 32, 6, DARK)


def drive_controller(c):
    drive(c)
    c.box(84, 14, 10, 44, BODY)               # controller module beside the drive
    for i in range(4):
        c.box(86, 18 + i * 9, 6, 5, ACCENT, None)


def controller(c):
    c.box(14, 12, 92, 50, BODY)
    c.box(20, 18, 36, 14, SCREEN)
    for i in range(6):
        c.box(62 + i * 7, 20, 4, 4, LED_ON if i % 2 == 0 else DARK, None)
    for i in range(8):
        c.box(20 + i * 10, 42, 7, 12, DARK)


def servo_motor(c):
    c.box(22, 18, 14, 40, METAL)              # flange
    c.box(36, 22, 56, 32, BODY)               # body
    c.box(92, 26, 10, 24, DARK)               # encoder cap
    c.box(10, 34, 12, 8, METAL)               # shaft
    c.box(60, 12, 14, 10, DARK)               # connector


def stepper_motor(c):
    c.box(30, 14, 12, 46, METAL)
    c.box(42, 14, 48, 46, BODY)
    for x in range(50, 90, 8):
        c.box(x, 14, 2, 46, DARK, None)
    c.box(14, 33, 16, 8, METAL)


def direct_drive_motor(c):
    c.ellipse(60, 36, 36, 30, BODY)
    c.ellipse(60, 36, 22, 18, METAL)
    c.ellipse(60, 36, 10, 8, WHITE)
    for x in (30, 90):
        c.box(x - 2, 34, 4, 4, DARK, None)


def integrated_motor(c):
    servo_motor(c)
    c.box(40, 4, 40, 14, ACCENT)              # drive on the motor


def picture_set():
    pictures = {}
    for name, _ in catalogue.DRIVES:
        pictures[name] = drive
    for name, _ in catalogue.DRIVE_CONTROLLERS:
        pictures[name] = drive_controller
    for name in catalogue.CONTROLLERS:
        pictures[name] = controller
    for name, tech, _, _, _ in catalogue.MOTORS:
        if name in ("ZU", "iQO"):            # drive and motor in one unit
            pictures[name] = integrated_motor
        elif tech == catalogue.STEPPER:
            pictures[name] = stepper_motor
        elif tech == catalogue.DIRECT:
            pictures[name] = direct_drive_motor
        else:
            pictures[name] = servo_motor
    return pictures


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, draw in sorted(picture_set().items()):
        assert "/" not in name
        c = Canvas()
        draw(c)
        label(c, name)
        with open(os.path.join(OUT_DIR, name + ".png"), "wb") as f:
            f.write(c.png())
    print("%d pictures in %s" % (len(picture_set()), OUT_DIR))


if __name__ == "__main__":
    main()
