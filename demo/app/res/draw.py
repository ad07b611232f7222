#!/usr/bin/env python3
"""Draws the demo application's pictures: the tool bar strip and the icon.

The pictures are kept in git next to this script, as an MFC project keeps its
res/ folder; run it again (python3 draw.py) after changing a picture below.
Each picture is pixel art: one character per pixel, looked up in PALETTE.
"""
import os
import struct

PALETTE = {
    '.': (192, 192, 192),   # tool bar background: the key colour of the strip
    'k': (0, 0, 0),
    'g': (128, 128, 128),
    'w': (255, 255, 255),
    'B': (40, 96, 200),
    'c': (150, 190, 240),
    'y': (250, 206, 80),
    'Y': (214, 160, 40),
    'G': (44, 178, 64),
    'l': (255, 255, 225),
    'r': (208, 52, 44),
    ' ': (0, 0, 0),         # transparent in icons
}

# One 16 x 15 image per button, in the order of the tool bar resource:
# New (drop-down), Save, Controls, Balloon, Notifier, Progress, About,
# and the slot the find box covers.
TOOLBAR = [
    [  # new
        "................",
        "...kkkkkkkk.....",
        "...kwwwwwwkk....",
        "...kwwwwwwkwk...",
        "...kwwwwwwkkkk..",
        "...kwwwwwwwwwk..",
        "...kwggggggwwk..",
        "...kwwwwwwwwwk..",
        "...kwggggggwwk..",
        "...kwwwwwwwwwk..",
        "...kwggggwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kkkkkkkkkkk..",
        "................",
    ],
    [  # save
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kBkwwwwwwwwkBk.",
        ".kBkwwwwwwwwkBk.",
        ".kBkwggggggwkBk.",
        ".kBkwwwwwwwwkBk.",
        ".kBBkkkkkkkkBBk.",
        ".kBBBBBBBBBBBBk.",
        ".kBBkkkkkkkkBBk.",
        ".kBBkggwwwwwkBk.",
        ".kBBkggwwwwwkBk.",
        ".kBBkggwwwwwkBk.",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
    ],
    [  # controls dialog
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kBBBBBBBBBBwBk.",
        ".kkkkkkkkkkkkkk.",
        ".kwwwwwwwwwwwwk.",
        ".kwggggggggggwk.",
        ".kwgwwwwwwwwcwk.",
        ".kwccccccccccwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwkkkkkkwk.",
        ".kwwwwwkcccckwk.",
        ".kwwwwwkkkkkkwk.",
        ".kwwwwwwwwwwwwk.",
        ".kkkkkkkkkkkkkk.",
        "................",
    ],
    [  # balloon
        "................",
        "...kkkkkkkkkk...",
        "..kllllllllllk..",
        ".kllllllllllllk.",
        ".klggglgggggllk.",
        ".kllllllllllllk.",
        ".klgggggglgglk..",
        ".kllllllllllllk.",
        "..kllllllllllk..",
        "...kkklkkkkkk...",
        ".....kllk.......",
        ".....klk........",
        ".....kk.........",
        ".....k..........",
        "................",
    ],
    [  # notifier
        "................",
        ".......kk.......",
        "......kyyk......",
        ".....kyyyyk.....",
        "....kyyyyyyk....",
        "....kyywyyyk....",
        "....kyywyyyk....",
        "....kyyyyyyk....",
        "...kyyyyyyyyk...",
        "..kyyyyyyyyyYk..",
        "..kkkkkkkkkkkk..",
        "......kYYk......",
        ".......kk.......",
        "................",
        "................",
    ],
    [  # progress
        "................",
        "................",
        "................",
        "................",
        ".gggggggggggggg.",
        ".gwwwwwwwwwwwwk.",
        ".gwGGwGGwGGwwwk.",
        ".gwGGwGGwGGwwwk.",
        ".gwGGwGGwGGwwwk.",
        ".gwwwwwwwwwwwwk.",
        ".gkkkkkkkkkkkkk.",
        "................",
        "................",
        "................",
        "................",
    ],
    [  # about
        "................",
        ".....BBBBBB.....",
        "...BBBBBBBBBB...",
        "..BBBBwwwwBBBB..",
        "..BBBwwBBwwBBB..",
        ".BBBBBBBBwwBBBB.",
        ".BBBBBBBwwBBBBB.",
        ".BBBBBBwwBBBBBB.",
        ".BBBBBBwwBBBBBB.",
        "..BBBBBBBBBBBB..",
        "..BBBBBwwBBBBB..",
        "...BBBBwwBBBB...",
        ".....BBBBBB.....",
        "................",
        "................",
    ],
    ["................"] * 15,   # under the find box
]

# The application icon, 16 x 16 (the 32 x 32 one is this doubled): a blue
# tile with a white V and an orange hot corner.
ICON = [
    "  BBBBBBBBBBBB  ",
    " BBBBBBBBBBBBBB ",
    "BBBBBBBBBBBBByyB",
    "BBwwBBBBBBBwwyyB",
    "BBwwBBBBBBBwwBBB",
    "BBBwwBBBBBwwBBBB",
    "BBBwwBBBBBwwBBBB",
    "BBBBwwBBBwwBBBBB",
    "BBBBwwBBBwwBBBBB",
    "BBBBBwwBwwBBBBBB",
    "BBBBBwwBwwBBBBBB",
    "BBBBBBwwwBBBBBBB",
    "BBBBBBwwwBBBBBBB",
    "BBBBBBBwBBBBBBBB",
    " BBBBBBBBBBBBBB ",
    "  BBBBBBBBBBBB  ",
]


def rows_to_pixels(rows):
    width = len(rows[0])
    assert all(len(r) == width for r in rows), "ragged picture"
    return [[PALETTE[ch] for ch in row] for row in rows]


def bmp_bytes(pixels):
    """An 8-bit bottom-up Windows bitmap file with a colour table, as tool bar
    strips are kept: the frame maps the table's standard grays to the
    system's button colours when it loads the strip."""
    height, width = len(pixels), len(pixels[0])
    table = sorted(set(c for row in pixels for c in row))
    index = {c: i for i, c in enumerate(table)}
    stride = (width + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytes(index[c] for c in row)
        body += line + bytes(stride - len(line))
    colours = b''.join(bytes((b, g, r, 0)) for r, g, b in table)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(body), 2835, 2835,
                         len(table), len(table))
    offset = 14 + len(header) + len(colours)
    return b'BM' + struct.pack('<IHHI', offset + len(body), 0, 0, offset) + header + colours + body


def icon_image(rows, scale):
    """One 32-bit icon image (BITMAPINFOHEADER, colours, AND mask)."""
    size = len(rows) * scale
    colours = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        line = bytearray()
        for x in range(size):
            ch = rows[y // scale][x // scale]
            r, g, b = PALETTE[ch]
            transparent = ch == ' '
            colours += bytes((b, g, r, 0 if transparent else 255))
            bits = (bits << 1) | (1 if transparent else 0)
            if x % 8 == 7:
                line.append(bits)
                bits = 0
        mask += line + bytes(mask_stride - len(line))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(colours) + len(mask), 0, 0, 0, 0)
    return size, header + colours + mask


def ico_bytes(rows):
    images = [icon_image(rows, 2), icon_image(rows, 1)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    strip = [sum((rows_to_pixels(img)[y] for img in TOOLBAR), []) for y in range(15)]
    with open(os.path.join(here, 'toolbar.bmp'), 'wb') as f:
        f.write(bmp_bytes(strip))
    with open(os.path.join(here, 'VeluDemo.ico'), 'wb') as f:
        f.write(ico_bytes(ICON))


if __name__ == '__main__':
    main()
