#!/usr/bin/env python3
"""Draws the program's pictures:

  resources/bitmaps/preview_NNN.bmp  the Layout page's 38 preview pictures
                                     (16 colours), one per orientation / duplex /
                                     pages-per-sheet combination, NNN = resource id
  resources/bitmaps/printer.bmp      the About page's product picture (bitmap 140)
  resources/psui.ico                 the program icon (16x16 and 32x32, 16 colours)

Standard library only; the output is deterministic, so running it again gives
byte-identical files. Usage: scripts/make-resource-images.py [RESOURCES_DIR]
"""
import os
import struct
import sys

# The 16 colours of the classic VGA palette, by index.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# 3x5 digits for page numbers.
DIGITS = {
    "0": ["111", "101", "101", "101", "111"],
    "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"],
    "3": ["111", "001", "011", "001", "111"],
    "4": ["101", "101", "111", "001", "001"],
    "5": ["111", "100", "111", "001", "111"],
    "6": ["111", "100", "111", "101", "111"],
    "7": ["111", "001", "010", "010", "010"],
    "8": ["111", "101", "111", "101", "111"],
    "9": ["111", "101", "111", "001", "111"],
}


class Canvas:
    def __init__(self, width, height, background=WHITE):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def frame(self, x, y, w, h, colour):
        self.fill(x, y, w, 1, colour)
        self.fill(x, y + h - 1, w, 1, colour)
        self.fill(x, y, 1, h, colour)
        self.fill(x + w - 1, y, 1, h, colour)

    def text(self, x, y, digits, colour):
        for d in digits:
            for row, bits in enumerate(DIGITS[d]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        self.put(x + col, y + row, colour)
            x += 4


def write_bmp4(path, canvas):
    """A bottom-up BMP of 4 bits per pixel with the VGA palette."""
    row_bytes = ((canvas.width + 1) // 2 + 3) & ~3
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = canvas.pixels[y]
        packed = bytearray(row_bytes)
        for x in range(0, canvas.width, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < canvas.width else 0
            packed[x // 2] = (hi << 4) | lo
        data += packed
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 0,
                       len(data), 2835, 2835, 16, 16)
    with open(path, "wb") as f:
        f.write(header + info + palette + bytes(data))


def write_ico4(path, canvases, transparent):
    """An icon file with one 16-colour image per canvas; pixels of the colour
    `transparent` are left out through the AND mask."""
    images = []
    for c in canvases:
        xor_row = ((c.width + 1) // 2 + 3) & ~3
        and_row = ((c.width + 7) // 8 + 3) & ~3
        xor = bytearray()
        mask = bytearray()
        for y in range(c.height - 1, -1, -1):
            row = c.pixels[y]
            packed = bytearray(xor_row)
            bits = bytearray(and_row)
            for x in range(c.width):
                colour = row[x]
                if colour == transparent:
                    bits[x // 8] |= 0x80 >> (x % 8)
                    colour = BLACK
                packed[x // 2] |= colour << (4 if x % 2 == 0 else 0)
            xor += packed
            mask += bits
        palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
        info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 4, 0,
                           len(xor) + len(mask), 0, 0, 16, 0)
        images.append((c, info + palette + bytes(xor) + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, blob in images:
        out += struct.pack("<BBBBHHII", c.width, c.height, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    for _, blob in images:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


# ---------------------------------------------------------------- previews

PREVIEW_SIZE = 120
# Pages per sheet -> (rows, columns) on a portrait and on a landscape sheet.
GRID = {
    1: ((1, 1), (1, 1)),
    2: ((2, 1), (1, 2)),
    4: ((2, 2), (2, 2)),
    6: ((3, 2), (2, 3)),
    9: ((3, 3), (3, 3)),
    16: ((4, 4), (4, 4)),
}
BOOKLET = 99

# The resource id of each combination: (portrait?, duplex) -> {pages: id}.
# Duplex 1 is one-sided, 2 long-edge binding, 3 ("other") short-edge binding.
PREVIEW_IDS = {
    (True, 1): {1: 152, 2: 156, 4: 157, 6: 158, 9: 173, 16: 176, BOOKLET: 179},
    (True, 2): {1: 166, 2: 154, 4: 169, 6: 171, 9: 174, 16: 177},
    (True, 3): {1: 167, 2: 155, 4: 170, 6: 172, 9: 175, 16: 178},
    (False, 1): {1: 153, 2: 161, 4: 162, 6: 163, 9: 186, 16: 183, BOOKLET: 180},
    (False, 2): {1: 164, 2: 159, 4: 190, 6: 188, 9: 185, 16: 182},
    (False, 3): {1: 165, 2: 160, 4: 189, 6: 187, 9: 184, 16: 181},
}


def text_lines(c, x, y, w, h, colour):
    """Grey bars standing for lines of text inside a page area."""
    if w < 4 or h < 4:
        return
    step = 3 if h < 24 else 4
    line = y + 2
    n = 0
    while line + 1 < y + h - 1:
        length = w - 4 if n % 4 != 3 else (w - 4) * 2 // 3
        c.fill(x + 2, line, max(1, length), 1, colour)
        line += step
        n += 1


def small_page(c, x, y, w, h, number):
    c.fill(x, y, w, h, WHITE)
    c.frame(x, y, w, h, GREY)
    label = str(number)
    label_w = 4 * len(label) - 1
    if w >= label_w + 4 and h >= 12:
        c.text(x + 2, y + 2, label, NAVY)
        text_lines(c, x, y + 7, w, h - 7, SILVER)
    else:
        text_lines(c, x, y, w, h, SILVER)


def sheet(c, x, y, w, h, outline, shadow=True):
    if shadow:
        c.fill(x + 2, y + 2, w, h, GREY)
    c.fill(x, y, w, h, WHITE)
    c.frame(x, y, w, h, outline)


def binding(c, x, y, w, h, vertical):
    """A blue spine with rings along one edge of a sheet."""
    if vertical:
        c.fill(x, y, 3, h, BLUE)
        for ry in range(y + 4, y + h - 3, 7):
            c.fill(x - 2, ry, 7, 2, NAVY)
    else:
        c.fill(x, y, w, 3, BLUE)
        for rx in range(x + 4, x + w - 3, 7):
            c.fill(rx, y - 2, 2, 7, NAVY)


def draw_preview(portrait, duplex, pages):
    c = Canvas(PREVIEW_SIZE, PREVIEW_SIZE)
    if pages == BOOKLET:
        draw_booklet(c, portrait)
        return c
    w, h = (62, 86) if portrait else (86, 62)
    two_sided = duplex != 1
    x = (PREVIEW_SIZE - w) // 2 - (4 if two_sided else 1)
    y = (PREVIEW_SIZE - h) // 2 + (4 if two_sided else -1)
    if two_sided:
        # The back of the sheet, seen behind the front.
        bx, by = x + 8, y - 8
        sheet(c, bx, by, w, h, GREY, shadow=False)
        text_lines(c, bx + 2, by + 2, w - 4, h - 4, SILVER)
    sheet(c, x, y, w, h, BLACK)
    rows, cols = GRID[pages][0 if portrait else 1]
    margin, gap = 4, 2
    cell_w = (w - 2 * margin - (cols - 1) * gap) // cols
    cell_h = (h - 2 * margin - (rows - 1) * gap) // rows
    number = 1
    for r in range(rows):
        for col in range(cols):
            px = x + margin + col * (cell_w + gap)
            py = y + margin + r * (cell_h + gap)
            if pages == 1:
                c.fill(px + 2, py + 2, cell_w // 2, 4, BLUE)
                text_lines(c, px, py + 8, cell_w, cell_h - 8, GREY)
            else:
                small_page(c, px, py, cell_w, cell_h, number)
            number += 1
    if two_sided:
        long_edge = duplex == 2
        # The long edge of a portrait sheet is its side, of a landscape sheet its top.
        vertical = long_edge == portrait
        binding(c, x, y, w, h, vertical)
    return c


def draw_booklet(c, portrait):
    """An open booklet: two facing pages joined at a fold."""
    if portrait:
        pw, ph = 48, 68
        x = (PREVIEW_SIZE - 2 * pw) // 2
        y = (PREVIEW_SIZE - ph) // 2
        sheet(c, x, y, 2 * pw, ph, BLACK)
        for i in range(2):
            px = x + i * pw
            c.text(px + 4, y + 4, str(i + 2), NAVY)
            text_lines(c, px + 2, y + 11, pw - 6, ph - 14, GREY)
        c.fill(x + pw - 1, y, 2, ph, BLACK)
        c.fill(x + pw - 4, y + 1, 3, ph - 2, SILVER)
    else:
        pw, ph = 80, 42
        x = (PREVIEW_SIZE - pw) // 2
        y = (PREVIEW_SIZE - 2 * ph) // 2
        sheet(c, x, y, pw, 2 * ph, BLACK)
        for i in range(2):
            py = y + i * ph
            c.text(x + 4, py + 4, str(i + 2), NAVY)
            text_lines(c, x + 2, py + 11, pw - 6, ph - 14, GREY)
        c.fill(x, y + ph - 1, pw, 2, BLACK)
        c.fill(x + 1, y + ph - 4, pw - 2, 3, SILVER)


# ------------------------------------------------------- printer and icon

def draw_printer(width, height):
    """A colour laser printer seen from the front, on a white card."""
    c = Canvas(width, height)
    c.frame(0, 0, width, height, SILVER)
    bx, by, bw, bh = width // 2 - 70, 18, 140, 52
    # Paper coming out of the top.
    c.fill(bx + 30, by - 12, 70, 14, WHITE)
    c.frame(bx + 30, by - 12, 70, 14, GREY)
    text_lines(c, bx + 32, by - 10, 66, 10, SILVER)
    # Body, top cover and output slot.
    c.fill(bx + 3, by + 3, bw, bh, GREY)
    c.fill(bx, by, bw, bh, SILVER)
    c.frame(bx, by, bw, bh, BLACK)
    c.fill(bx + 1, by + 1, bw - 2, 8, GREY)
    c.fill(bx + 24, by + 3, 82, 3, BLACK)
    # Control panel: display and buttons.
    c.fill(bx + bw - 36, by + 14, 26, 9, TEAL)
    c.frame(bx + bw - 36, by + 14, 26, 9, BLACK)
    for i, colour in enumerate((LIME, YELLOW, RED)):
        c.fill(bx + bw - 36 + i * 9, by + 26, 6, 4, colour)
    # Toner colours.
    for i, colour in enumerate((AQUA, FUCHSIA, YELLOW, BLACK)):
        c.fill(bx + 10 + i * 10, by + 15, 8, 8, colour)
        c.frame(bx + 10 + i * 10, by + 15, 8, 8, BLACK)
    # Paper cassettes.
    for i in range(2):
        cy = by + 34 + i * 8
        c.frame(bx + 6, cy, bw - 12, 7, GREY)
        c.fill(bx + bw // 2 - 8, cy + 3, 16, 2, BLACK)
    return c


def draw_icon(size):
    c = Canvas(size, size, background=OLIVE)
    s = size / 32.0

    def box(x, y, w, h, colour):
        c.fill(int(x * s), int(y * s), max(1, int(w * s)), max(1, int(h * s)), colour)

    box(8, 2, 16, 12, WHITE)       # sheet
    box(8, 2, 16, 1, BLACK)
    box(8, 2, 1, 12, BLACK)
    box(23, 2, 1, 12, BLACK)
    box(10, 5, 12, 1, GREY)
    box(10, 8, 10, 1, GREY)
    box(2, 12, 28, 14, SILVER)     # body
    box(2, 12, 28, 1, BLACK)
    box(2, 25, 28, 1, BLACK)
    box(2, 12, 1, 14, BLACK)
    box(29, 12, 1, 14, BLACK)
    box(5, 16, 3, 3, AQUA)
    box(9, 16, 3, 3, FUCHSIA)
    box(13, 16, 3, 3, YELLOW)
    box(22, 16, 5, 3, TEAL)
    box(6, 21, 20, 2, GREY)        # cassette
    box(4, 26, 24, 3, GREY)        # feet / shadow
    return c


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    resources = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources")
    out = os.path.join(resources, "bitmaps")
    os.makedirs(out, exist_ok=True)
    count = 0
    for (portrait, duplex), ids in PREVIEW_IDS.items():
        for pages, rid in ids.items():
            write_bmp4(os.path.join(out, "preview_%d.bmp" % rid),
                       draw_preview(portrait, duplex, pages))
            count += 1
    write_bmp4(os.path.join(out, "printer.bmp"), draw_printer(200, 84))
    write_ico4(os.path.join(resources, "psui.ico"), [draw_icon(32), draw_icon(16)], OLIVE)
    print("wrote %d preview pictures and printer.bmp to %s, and psui.ico" % (count, out))


if __name__ == "__main__":
    main()
