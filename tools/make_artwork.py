#!/usr/bin/python3
"""Generates the artwork in resources/: splash.gif, about.jpg, app.ico,
about.ico and link.cur.

The outputs are committed, so a build needs no Python; run this script again
(with Debian's python3-pil) only after changing it. It is deterministic: the
same PIL and FreeType produce the same bytes on every run.
"""
import struct
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

OUT = Path(__file__).resolve().parent.parent / "resources"
FONTS = Path("/usr/share/fonts/truetype/dejavu")

NAVY, INDIGO = (29, 43, 83), (58, 76, 150)
AMBER, GREY = (240, 160, 48), (96, 104, 120)
WHITE = (255, 255, 255)

# The standard 16-colour VGA palette, in the order Windows uses for icons.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
         (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
         (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
         (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK_, MAROON, TEAL, SILVER, GREY_, YELLOW, NAVY_, WHITE_ = 0, 1, 6, 7, 8, 11, 4, 15
MONO = [(0, 0, 0), (255, 255, 255)]


def font(name, size):
    return ImageFont.truetype(str(FONTS / name), size)


def draw_mark(size):
    """The "Gw" mark: white serif letters on a rounded navy tile with faint
    type-design guide lines. Drawn at 4x and scaled down; returns RGBA."""
    s = size * 4
    grad = Image.new("RGB", (1, s))
    for y in range(s):
        t = y / (s - 1)
        grad.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(INDIGO, NAVY)))
    tile = grad.resize((s, s))
    d = ImageDraw.Draw(tile)
    f = font("DejaVuSerif-Bold.ttf", round(s * 0.46))
    cx, base = s // 2, round(s * 0.68)
    _, top, _, _ = d.textbbox((cx, base), "x", font=f, anchor="ms")
    for y in (base, top):  # baseline and x-height guides
        d.line((s * 0.06, y, s * 0.94, y), fill=(110, 128, 196), width=max(1, s // 120))
    d.line((s * 0.06, base, s * 0.94, base), fill=AMBER, width=max(2, s // 60))
    d.text((cx, base), "Gw", font=f, fill=WHITE, anchor="ms")
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, s - 1, s - 1), radius=s // 6, fill=255)
    tile.putalpha(mask)
    return tile.resize((size, size), Image.LANCZOS)


def make_splash(path):
    w, h = 350, 157
    img = Image.new("RGB", (w, h), WHITE)
    solid = Image.new("L", (w, h), 0)  # 255 where the artwork is opaque
    mark = draw_mark(112)
    img.paste(mark, (10, 10), mark)
    solid.paste(mark.getchannel("A"), (10, 10))
    d = ImageDraw.Draw(img)
    x = 136
    d.text((x, 22), "Glyphwright", font=font("DejaVuSerif-Bold.ttf", 28), fill=NAVY)
    d.text((x, 58), "01/02", font=font("DejaVuSans-Bold.ttf", 24), fill=AMBER)
    d.text((x + 1, 94), "by Tessaline", font=font("DejaVuSans-Oblique.ttf", 13), fill=GREY)
    d.line((10, 131, w - 11, 131), fill=AMBER, width=2)
    d.text((w // 2, 146), "font installer for Championship Manager 01-02",
           font=font("DejaVuSans.ttf", 11), fill=NAVY, anchor="mm")
    # Anything drawn (not pure white) is opaque too, so text keeps its edges.
    drawn = img.convert("L").point(lambda v: 255 if v < 255 else 0)
    opaque = Image.composite(drawn, solid, drawn)
    # 255 colours for the artwork; index 255 is the transparent (white) one.
    pal_img = img.quantize(255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = pal_img.getpalette()[:255 * 3]
    palette += [0] * (255 * 3 - len(palette)) + list(WHITE)
    pal_img.putpalette(palette)
    pal_img.paste(255, mask=opaque.point(lambda v: 255 if v == 0 else 0).convert("1"))
    pal_img.save(path, "GIF", transparency=255, optimize=False)


def make_about_jpg(path):
    img = Image.new("RGB", (120, 120), WHITE)
    mark = draw_mark(112)
    img.paste(mark, (4, 4), mark)
    img.save(path, "JPEG", quality=90, progressive=True, optimize=False, subsampling=0)


# ---- Icons and cursors ------------------------------------------------------

def dib_rows(pixels, w, h, bpp):
    """Packs rows of palette indices (MSB first) bottom-up, each padded to 4 bytes."""
    stride = (w * bpp + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(h)):
        row, acc, nbits = bytearray(), 0, 0
        for x in range(w):
            acc, nbits = (acc << bpp) | pixels[y][x], nbits + bpp
            if nbits == 8:
                row.append(acc)
                acc, nbits = 0, 0
        out += row.ljust(stride, b"\0")
    return bytes(out)


def write_icon_file(path, images, hotspot=None):
    """Writes an ICO (hotspot None) or a CUR (hotspot (x, y)) file.

    Each image is (palette, pixels, mask): palette a list of 2 or 16 RGB
    triples, pixels rows of palette indices, mask rows of 1 (transparent) or
    0 (opaque), all the same square size.
    """
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for palette, pixels, mask in images:
        size, bpp = len(pixels), {2: 1, 16: 4}[len(palette)]
        xor, andm = dib_rows(pixels, size, size, bpp), dib_rows(mask, size, size, 1)
        blob = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0,
                           len(xor) + len(andm), 0, 0, 0, 0)
        blob += b"".join(struct.pack("<BBBx", b, g, r) for r, g, b in palette) + xor + andm
        planes, bits = hotspot if hotspot else (1, bpp)
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, len(palette), 0,
                                   planes, bits, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    header = struct.pack("<HHH", 0, 2 if hotspot else 1, len(images))
    path.write_bytes(header + b"".join(entries) + b"".join(blobs))


def icon_image(palette, tile, ink, accent, size=32):
    """The "Gw" mark as pixel art: palette indices on a rounded tile with a
    black edge and an accent baseline. Returns (palette, pixels, mask)."""
    img = Image.new("L", (size, size), 0)
    mask = Image.new("L", (size, size), 1)
    d = ImageDraw.Draw(img)
    d.fontmode = "1"  # no anti-aliasing: every pixel is one palette index
    box = (1, 2, size - 2, size - 3)
    d.rounded_rectangle(box, radius=5, fill=tile, outline=0)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius=5, fill=0)
    d.line((4, 22, size - 5, 22), fill=accent)
    d.text((size // 2, 22), "Gw", font=font("DejaVuSerif-Bold.ttf", 16), fill=ink, anchor="ms")
    px, mk = img.load(), mask.load()
    return (palette, [[px[x, y] for x in range(size)] for y in range(size)],
            [[mk[x, y] for x in range(size)] for y in range(size)])


# The pointing hand: '#' black outline, '.' white fill, ' ' transparent.
# The top of the index finger, HAND_TIP in these rows, is the hot spot.
HAND = [
    "      ###           ",
    "     #...#          ",
    "     #...#          ",
    "     #...#          ",
    "     #...#          ",
    "     #...####       ",
    "     #...#...###    ",
    "     #...#...#...## ",
    "     #...#...#...#.#",
    " ##  #...#...#...#.#",
    "#..# #...#...#...#.#",
    "#...##...#...#...#.#",
    "#....#...#...#...#.#",
    " #.................#",
    " #.................#",
    "  #................#",
    "  #................#",
    "   #..............# ",
    "   #..............# ",
    "    #.............# ",
    "    #.............# ",
    "    ###############",
]
HAND_TIP, HOTSPOT = (7, 0), (13, 9)


def cursor_image(size=32):
    dx, dy = HOTSPOT[0] - HAND_TIP[0], HOTSPOT[1] - HAND_TIP[1]
    pixels = [[0] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    for y, row in enumerate(HAND):
        for x, c in enumerate(row):
            if c != " ":
                pixels[y + dy][x + dx] = 1 if c == "." else 0
                mask[y + dy][x + dx] = 0
    assert HAND[HAND_TIP[1]][HAND_TIP[0]] == "#"
    return MONO, pixels, mask


def main():
    OUT.mkdir(exist_ok=True)
    make_splash(OUT / "splash.gif")
    make_about_jpg(OUT / "about.jpg")
    write_icon_file(OUT / "app.ico", [icon_image(VGA16, NAVY_, WHITE_, YELLOW)])
    write_icon_file(OUT / "about.ico", [
        icon_image(VGA16, NAVY_, WHITE_, YELLOW),
        icon_image(MONO, 0, 1, 1),
        icon_image(VGA16, TEAL, YELLOW, WHITE_),
    ])
    write_icon_file(OUT / "link.cur", [cursor_image()], hotspot=HOTSPOT)


if __name__ == "__main__":
    main()
