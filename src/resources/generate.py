#!/usr/bin/env python3
# Regenerates mailbox.ico, arrow.ico and banner.bmp from the pixel maps in art/
# (the banner is drawn here in code). Run: python3 src/resources/generate.py
# Standard library only; the output is byte-identical on every run. Commit it.
"""Writes the installer's icon and bitmap resources.

Art files (art/*.txt): lines starting with '#' are comments. A 'palette:'
section maps one character to a colour ('K 000000 comment') or to
'transparent'; an optional 'vga:RRGGBB' after the colour picks its 16-colour
stand-in by hand (VGA has no orange), otherwise the nearest VGA colour is
used. A 'pixels:' section then has one character per pixel, one line per row,
top row first.
"""

import math
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent
ART = HERE / "art"

# The standard 16-colour VGA palette, in the order Windows uses for 4 bpp.
VGA16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def rgb(text):
    """'RRGGBB' -> (r, g, b)."""
    if len(text) != 6:
        raise SystemExit(f"bad colour {text!r}")
    return int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16)


class Art:
    """A pixel map: rows of RGB tuples, None for transparent pixels."""

    def __init__(self, path):
        palette, rows, section = {}, [], None
        self.vga = {}                          # colour -> hand-picked VGA colour
        for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            line = raw.rstrip()
            if section != "pixels" and (not line.strip() or line.lstrip().startswith("#")):
                continue
            if line in ("palette:", "pixels:"):
                section = line[:-1]
                continue
            if section == "palette":
                char, value, *rest = line.split()
                if len(char) != 1 or char in palette:
                    raise SystemExit(f"{path}:{number}: bad or repeated palette key")
                palette[char] = None if value == "transparent" else rgb(value)
                if rest and rest[0].startswith("vga:"):
                    self.vga[palette[char]] = rgb(rest[0][4:])
                    if self.vga[palette[char]] not in VGA16:
                        raise SystemExit(f"{path}:{number}: {rest[0]} is not a VGA colour")
            elif section == "pixels":
                try:
                    rows.append([palette[c] for c in line])
                except KeyError as e:
                    raise SystemExit(f"{path}:{number}: colour {e} not in the palette")
            else:
                raise SystemExit(f"{path}:{number}: text before 'palette:'")
        if not rows or any(len(r) != len(rows[0]) for r in rows):
            raise SystemExit(f"{path}: rows missing or of unequal length")
        self.rows = rows
        self.width, self.height = len(rows[0]), len(rows)
        # Colours in order of first appearance in the palette section.
        self.colours = [c for c in palette.values() if c is not None]


def nearest(colour, palette):
    """Index of the palette entry closest to colour (weighted RGB distance)."""
    def distance(entry):
        return sum(w * (a - b) ** 2 for w, a, b in zip((3, 4, 2), colour, entry))
    return min(range(len(palette)), key=lambda i: (distance(palette[i]), i))


def pack_row(indices, bpp):
    """Packs one row of palette indices (or mask bits), padded to 4 bytes."""
    per_byte = 8 // bpp
    data = bytearray()
    for start in range(0, len(indices), per_byte):
        byte = 0
        for i, value in enumerate(indices[start:start + per_byte]):
            byte |= value << (8 - bpp * (i + 1))
        data.append(byte)
    data.extend(b"\0" * (-len(data) % 4))
    return bytes(data)


def icon_image(art, bpp):
    """One BMP-in-ICO image: header, palette, XOR bitmap and AND mask."""
    if bpp == 4:
        palette = VGA16
        index = {c: VGA16.index(art.vga[c]) if c in art.vga else nearest(c, VGA16)
                 for c in art.colours}
    else:
        # Black first, so transparent pixels have colour 0; then the art's colours.
        palette = [(0, 0, 0)] + [c for c in dict.fromkeys(art.colours) if c != (0, 0, 0)]
        if len(palette) > 256:
            raise SystemExit("more than 256 colours")
        palette += [(0, 0, 0)] * (256 - len(palette))
        index = {c: palette.index(c) for c in art.colours}
    xor = b"".join(pack_row([0 if p is None else index[p] for p in row], bpp)
                   for row in reversed(art.rows))
    mask = b"".join(pack_row([1 if p is None else 0 for p in row], 1)
                    for row in reversed(art.rows))
    header = struct.pack("<IiiHHIIiiII", 40, art.width, art.height * 2, 1, bpp, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor + mask


def write_icon(path, images):
    """images: list of (art, bpp). Writes an ICO file with one entry each."""
    blobs = [(art, bpp, icon_image(art, bpp)) for art, bpp in images]
    offset = 6 + 16 * len(blobs)
    directory, data = struct.pack("<HHH", 0, 1, len(blobs)), b""
    for art, bpp, blob in blobs:
        directory += struct.pack("<BBBBHHII", art.width % 256, art.height % 256,
                                 16 if bpp == 4 else 0, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
        data += blob
    path.write_bytes(directory + data)


# ---------------------------------------------------------------- banner ----

BANNER_W, BANNER_H = 106, 277
TOP, BOTTOM = (0x0B, 0x1E, 0x4A), (0x0E, 0x78, 0x7A)  # dark blue to teal


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def banner_sample(x, y):
    """Colour (floats) of the banner at a point; the database cylinder on a gradient."""
    colour = mix(TOP, BOTTOM, y / BANNER_H)
    cx, rx, ry = 53.0, 34.0, 10.0
    top, disk, disks = 96.0, 30.0, 3          # top face centre, height of each disk
    bottom = top + disk * disks
    u = (x - cx) / rx
    # A soft glow around the cylinder.
    glow = max(0.0, 1.0 - math.hypot((x - cx) / 52.0, (y - (top + bottom) / 2) / 95.0))
    colour = mix(colour, (0x3C, 0xB4, 0xC8), 0.35 * glow * glow)
    if abs(u) > 1.0:
        return colour
    arc = ry * math.sqrt(1.0 - u * u)         # depth of the ellipse at this column
    face = (y - top) ** 2 / ry ** 2 + u * u
    if face <= 1.0:                           # top face, with a darker rim
        shade = 0.92 - 0.10 * (y - top) / ry - (0.35 if face > 0.86 else 0.0)
        return mix((0x2A, 0x5C, 0x8A), (0xEE, 0xF4, 0xFA), shade)
    if not top <= y <= bottom + arc:
        return colour
    # Side: lit from the upper left, darker towards the edges.
    light = 0.35 + 0.65 * max(0.0, math.cos((u + 0.35) * math.pi / 2.7))
    side = mix((0x1C, 0x3A, 0x66), (0xC8, 0xDC, 0xEC), light)
    for k in range(1, disks):                 # seams between the stacked disks
        seam = top + disk * k + arc
        if 0.0 <= y - seam < 1.6:
            return mix(side, (0x0A, 0x16, 0x30), 0.75)
        if 0.0 <= seam - y < 3.0:             # the disk's rounded lower edge
            side = mix(side, (0x0A, 0x16, 0x30), 0.25 * (1.0 - (seam - y) / 3.0))
    if bottom + arc - y < 1.2:
        return mix(side, (0x0A, 0x16, 0x30), 0.6)
    return side


def write_banner(path):
    n = 4                                     # n x n samples per pixel
    rows = []
    for y in range(BANNER_H):
        row = bytearray()
        for x in range(BANNER_W):
            acc = [0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    c = banner_sample(x + (sx + 0.5) / n, y + (sy + 0.5) / n)
                    acc = [a + v for a, v in zip(acc, c)]
            r, g, b = (min(255, int(v / (n * n) + 0.5)) for v in acc)
            row += bytes((b, g, r))
        row += b"\0" * (-len(row) % 4)
        rows.append(bytes(row))
    pixels = b"".join(reversed(rows))         # bottom-up
    info = struct.pack("<IiiHHIIiiII", 40, BANNER_W, BANNER_H, 1, 24, 0,
                       len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    path.write_bytes(header + info + pixels)


def main():
    mailbox16, mailbox32 = Art(ART / "mailbox16.txt"), Art(ART / "mailbox32.txt")
    write_icon(HERE / "mailbox.ico",
               [(mailbox32, 8), (mailbox32, 4), (mailbox16, 8), (mailbox16, 4)])
    write_icon(HERE / "arrow.ico", [(Art(ART / "arrow32.txt"), 4)])
    write_banner(HERE / "banner.bmp")


if __name__ == "__main__":
    main()
