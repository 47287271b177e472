#!/usr/bin/env python3
"""Writes the file formats that rsvg-convert does not, for scripts/render-assets.sh.

  asset_formats.py png FILE
      Rewrites a PNG in place with its critical chunks only, so that re-rendering gives the
      same bytes; the file must be 8-bit RGBA, not interlaced.
  asset_formats.py ico OUT.ico PNG...
      Assembles an icon file from square RGBA PNGs: one 32-bit entry per PNG (a bitmap
      header, bottom-up blue-green-red-alpha rows, then the AND mask), in the order given.
  asset_formats.py glyph OUT.bmp PNG
      Turns a 16 x 16 RGBA PNG into a 32 x 16 Windows bitmap with 8 bits per pixel: the
      normal cell on the left, the embossed disabled cell on the right, both over the key
      colour, which is also the bottom-left pixel.

Only the standard library is used: the PNGs are decoded here with zlib.
"""

import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
RGBA = 6

# The transparent colour of a glyph bitmap: its bottom-left pixel, and no glyph pixel's.
KEY = (0xFF, 0x00, 0xFF)
# Glyph pixels at least this opaque are kept, the others become the key: the key is one
# colour, so an edge blended with it would show as a fringe.
KEEP_ALPHA = 128
# The kept edge pixels are blended over a light button face, so the glyph keeps a little
# of its anti-aliasing without a fringe of the key.
FACE = (0xEC, 0xEC, 0xEC)
# The disabled cell: the glyph's darker pixels become a grey silhouette with a white copy
# one pixel down and right, the classic engraved look; lighter pixels become the face.
DISABLED_LUMA = 200
SHADOW = (0x80, 0x80, 0x80)
HIGHLIGHT = (0xFF, 0xFF, 0xFF)


def chunks(data):
    """Yields (type, body) of each chunk of a PNG file, after checking the signature."""
    if data[:8] != PNG_SIGNATURE:
        raise ValueError("not a PNG file")
    at = 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def check_header(body):
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
    if depth != 8 or colour != RGBA or interlace != 0:
        raise ValueError("expected 8-bit RGBA, not interlaced")
    return width, height


def strip_png(path):
    with open(path, "rb") as f:
        data = f.read()
    kept = [(kind, body) for kind, body in chunks(data) if kind[0:1].isupper()]
    check_header(kept[0][1])
    with open(path, "wb") as f:
        f.write(PNG_SIGNATURE + b"".join(chunk(kind, body) for kind, body in kept))


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_rgba(path):
    """Returns (width, height, rows): rows top first, each a list of (r, g, b, a)."""
    with open(path, "rb") as f:
        parts = list(chunks(f.read()))
    width, height = check_header(parts[0][1])
    raw = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    stride = width * 4
    previous = bytearray(stride)
    rows = []
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        method, row = line[0], bytearray(line[1:])
        for i in range(stride):
            left = row[i - 4] if i >= 4 else 0
            up = previous[i]
            upper_left = previous[i - 4] if i >= 4 else 0
            predictor = (0, left, up, (left + up) // 2, paeth(left, up, upper_left))[method]
            row[i] = (row[i] + predictor) & 0xFF
        rows.append([tuple(row[x * 4:x * 4 + 4]) for x in range(width)])
        previous = row
    return width, height, rows


def icon_entry(rows, side):
    """The image of one icon entry: bitmap header, colour rows bottom-up, AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, side, 2 * side, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = (side + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def write_ico(out, pngs):
    images = []
    for path in pngs:
        width, height, rows = read_rgba(path)
        if width != height or width > 255:
            raise ValueError(f"{path}: an icon entry must be square and at most 255 pixels")
        images.append((width, icon_entry(rows, width)))
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for side, image in images:
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(out, "wb") as f:
        f.write(directory + b"".join(image for _, image in images))


def luma(colour):
    r, g, b = colour
    return (299 * r + 587 * g + 114 * b) // 1000


def glyph_cells(rows):
    """The normal and the disabled cell of a glyph, as rows of RGB triples."""
    size = len(rows)
    normal = [[KEY] * size for _ in range(size)]
    dark = set()
    for y, row in enumerate(rows):
        for x, (r, g, b, a) in enumerate(row):
            if a < KEEP_ALPHA:
                continue
            colour = tuple((c * a + f * (255 - a) + 127) // 255 for c, f in zip((r, g, b), FACE))
            if colour == KEY:
                raise ValueError("a glyph pixel has the key colour")
            normal[y][x] = colour
            if luma(colour) < DISABLED_LUMA:
                dark.add((x, y))
    disabled = [[KEY] * size for _ in range(size)]
    for x, y in dark:
        if x + 1 < size and y + 1 < size:
            disabled[y + 1][x + 1] = HIGHLIGHT
    for x, y in dark:
        disabled[y][x] = SHADOW
    return normal, disabled


def write_glyph(out, png):
    width, height, rows = read_rgba(png)
    if (width, height) != (16, 16):
        raise ValueError(f"{png}: a glyph is 16 x 16")
    normal, disabled = glyph_cells(rows)
    if normal[-1][0] != KEY:
        raise ValueError(f"{png}: the bottom-left pixel must stay free for the key colour")
    # The key first, so that index 0 is the transparent colour; then in order of appearance.
    pixels = [left + right for left, right in zip(normal, disabled)]
    palette = [KEY]
    for row in pixels:
        for colour in row:
            if colour not in palette:
                palette.append(colour)
    if len(palette) > 256:
        raise ValueError(f"{png}: more than 256 colours")
    index = {colour: i for i, colour in enumerate(palette)}
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    table += bytes(4 * (256 - len(palette)))
    # Rows of 32 one-byte pixels need no padding to 4 bytes; the bitmap is stored bottom-up.
    bits = b"".join(bytes(index[colour] for colour in row) for row in reversed(pixels))
    info = struct.pack("<IiiHHIIiiII", 40, 2 * width, height, 1, 8, 0, len(bits), 2835, 2835,
                       256, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(out, "wb") as f:
        f.write(header + info + table + bits)


def main(args):
    if len(args) == 2 and args[0] == "png":
        strip_png(args[1])
    elif len(args) >= 3 and args[0] == "ico":
        write_ico(args[1], args[2:])
    elif len(args) == 3 and args[0] == "glyph":
        write_glyph(args[1], args[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
