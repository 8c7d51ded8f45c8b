#!/usr/bin/env python3
"""Builds the program's icon, cursor and preview bitmap from readable pixel art.

    make_images.py <source-folder> <output-folder>
        reads legend.txt, icon-32.txt, icon-16.txt and preview.txt from the source folder
        and writes velumbra.ico, blank.cur and preview.bmp to the output folder.
    make_images.py --self-test [<source-folder>]
        builds from the source folder (default: resources/images of this repo) into a
        temporary folder, checks the results and checks that broken art is refused.

Nothing is written unless every picture is valid, so a failed build leaves no half-made output.
"""

import shutil
import struct
import sys
import tempfile
from pathlib import Path

# The standard 16-colour palette as 0xRRGGBB, indexed as the legend's numbers are.
PALETTE = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
]
TRANSPARENT = None
COMMENT = "#"

LEGEND_FILE = "legend.txt"
ICON_ART = [("icon-32.txt", 32), ("icon-16.txt", 16)]  # largest first, as icon files usually list them
PREVIEW_ART = ("preview.txt", 48)
CURSOR_SIZE = 32
OUTPUT_FILES = ("velumbra.ico", "blank.cur", "preview.bmp")

BI_RGB = 0
ICON_TYPE, CURSOR_TYPE = 1, 2


class ArtError(Exception):
    """A source file that cannot be turned into a picture; the message names file and place."""


def content_lines(path):
    """Yields (line number, text) of the lines that are not comments, dropping trailing blank lines."""
    try:
        lines = path.read_text(encoding="ascii").splitlines()
    except FileNotFoundError:
        raise ArtError(f"{path}: file not found") from None
    except UnicodeDecodeError as error:
        raise ArtError(f"{path}: not plain ASCII text (byte {error.start})") from None
    while lines and not lines[-1].strip():
        lines.pop()
    for number, text in enumerate(lines, start=1):
        if not text.startswith(COMMENT):
            yield number, text


def read_legend(path):
    """Maps each pixel character to a palette index, or to TRANSPARENT."""
    legend = {}
    for number, text in content_lines(path):
        where = f"{path}:{number}"
        fields = text.split()
        if not fields:
            continue
        if len(fields) < 2 or len(fields[0]) != 1:
            raise ArtError(f"{where}: expected a character and a palette index, got {text!r}")
        char, value = fields[0], fields[1]
        if char in legend:
            raise ArtError(f"{where}: character {char!r} is defined twice")
        if value == "transparent":
            legend[char] = TRANSPARENT
        elif value.isdigit() and int(value) < len(PALETTE):
            legend[char] = int(value)
        else:
            raise ArtError(f"{where}: {value!r} is neither a palette index 0-15 nor 'transparent'")
    if not legend:
        raise ArtError(f"{path}: no characters defined")
    return legend


def read_art(path, legend, size, transparency_allowed):
    """Reads a size x size picture; returns its rows, top first, of palette indices or TRANSPARENT."""
    rows = []
    for number, text in content_lines(path):
        where = f"{path}:{number}"
        if len(rows) == size:
            raise ArtError(f"{where}: more than {size} rows")
        if len(text) != size:
            raise ArtError(f"{where}: row is {len(text)} pixels wide, expected {size}")
        row = []
        for column, char in enumerate(text, start=1):
            if char not in legend:
                raise ArtError(f"{where}:{column}: character {char!r} is not in the legend")
            if legend[char] is TRANSPARENT and not transparency_allowed:
                raise ArtError(f"{where}:{column}: this picture cannot have transparent pixels")
            row.append(legend[char])
        rows.append(row)
    if len(rows) != size:
        raise ArtError(f"{path}: {len(rows)} rows, expected {size}")
    return rows


def dib_rows(rows, bits_per_pixel, value_of):
    """Packs rows bottom-up, most significant bits first, each row padded to 4 bytes as DIBs require."""
    packed = bytearray()
    for row in reversed(rows):
        bits = "".join(format(value_of(pixel), f"0{bits_per_pixel}b") for pixel in row)
        bits += "0" * (-len(bits) % 32)
        packed += int(bits, 2).to_bytes(len(bits) // 8, "big")
    return bytes(packed)


def colour_bits(rows):
    """The 4-bit colour plane; transparent pixels are black there so the AND mask alone decides."""
    return dib_rows(rows, 4, lambda pixel: 0 if pixel is TRANSPARENT else pixel)


def and_mask(rows):
    """The 1-bit AND mask: 1 keeps the screen (transparent), 0 takes the colour plane."""
    return dib_rows(rows, 1, lambda pixel: 1 if pixel is TRANSPARENT else 0)


def info_header(width, height, bits_per_pixel, image_size, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits_per_pixel, BI_RGB,
                       image_size, 0, 0, colours_used, 0)


def rgb_quads(colours):
    return b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in colours)


def icon_image(rows):
    """One icon image: header (height counts both planes), palette, colour plane, AND mask."""
    size = len(rows)
    pixels = colour_bits(rows) + and_mask(rows)
    return info_header(size, 2 * size, 4, len(pixels), 0) + rgb_quads(PALETTE) + pixels


def icon_directory(kind, entries):
    """An .ico/.cur file: entries are (size, colour count, field 4, field 6, image) where the two
    fields are planes and bit count for icons and the hot spot's x and y for cursors."""
    header = struct.pack("<HHH", 0, kind, len(entries))
    offset = len(header) + 16 * len(entries)
    directory, images = b"", b""
    for size, colour_count, field4, field6, image in entries:
        directory += struct.pack("<BBBBHHII", size, size, colour_count, 0, field4, field6,
                                 len(image), offset + len(images))
        images += image
    return header + directory + images


def make_icon(pictures):
    return icon_directory(ICON_TYPE, [(len(rows), 16, 1, 4, icon_image(rows)) for rows in pictures])


def make_blank_cursor():
    """A monochrome cursor that leaves the screen untouched: AND mask all ones, XOR mask all zeros."""
    row_bytes = CURSOR_SIZE // 8
    plane_size = row_bytes * CURSOR_SIZE
    image = (info_header(CURSOR_SIZE, 2 * CURSOR_SIZE, 1, 2 * plane_size, 0)
             + rgb_quads([0x000000, 0xFFFFFF]) + bytes(plane_size) + b"\xff" * plane_size)
    hot_spot_x = hot_spot_y = 0
    return icon_directory(CURSOR_TYPE, [(CURSOR_SIZE, 2, hot_spot_x, hot_spot_y, image)])


def make_bitmap(rows):
    """A .bmp file: file header, then the DIB the resource compiler stores as the bitmap resource."""
    pixels = colour_bits(rows)
    dib_header = info_header(len(rows[0]), len(rows), 4, len(pixels), len(PALETTE)) + rgb_quads(PALETTE)
    offset = 14 + len(dib_header)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + dib_header + pixels


def build(source, output):
    legend = read_legend(source / LEGEND_FILE)
    icons = [read_art(source / name, legend, size, transparency_allowed=True) for name, size in ICON_ART]
    preview_name, preview_size = PREVIEW_ART
    preview = read_art(source / preview_name, legend, preview_size, transparency_allowed=False)
    contents = [make_icon(icons), make_blank_cursor(), make_bitmap(preview)]
    output.mkdir(parents=True, exist_ok=True)
    for name, data in zip(OUTPUT_FILES, contents):
        (output / name).write_bytes(data)


def self_test(source):
    """Builds the real art and checks the facts the resource compiler and Windows rely on, then
    checks that each kind of broken art is refused with a message naming the fault."""
    failures = []

    def expect(condition, fact):
        if not condition:
            failures.append(fact)

    with tempfile.TemporaryDirectory() as temp:
        output = Path(temp) / "out"
        build(source, output)
        ico, cur, bmp = ((output / name).read_bytes() for name in OUTPUT_FILES)

        expect(struct.unpack_from("<HHH", ico) == (0, ICON_TYPE, 2), "icon file holds two images")
        for index, (_, size) in enumerate(ICON_ART):
            w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * index)
            expect((w, h, colours, planes, bits) == (size, size, 16, 1, 4), f"icon entry {index} is {size}x{size}x4")
            expect(offset + length <= len(ico), f"icon image {index} lies inside the file")
            expect(struct.unpack_from("<ii", ico, offset + 4) == (size, 2 * size), f"icon image {index} header size")

        expect(struct.unpack_from("<HHH", cur) == (0, CURSOR_TYPE, 1), "cursor file holds one image")
        w, h, _, _, hot_x, hot_y, length, offset = struct.unpack_from("<BBBBHHII", cur, 6)
        expect((w, h, hot_x, hot_y) == (32, 32, 0, 0), "cursor is 32x32 with hot spot 0,0")
        masks = cur[offset + 48:offset + length]
        expect(masks == bytes(128) + b"\xff" * 128, "cursor XOR mask all zeros, AND mask all ones")

        _, size, _, _, pixel_offset = struct.unpack_from("<2sIHHI", bmp)
        header = struct.unpack_from("<IiiHHIIiiII", bmp, 14)
        expect(bmp[:2] == b"BM" and size == len(bmp), "bitmap file header")
        expect(header[1:6] == (48, 48, 1, 4, BI_RGB), "bitmap is 48x48, 4 bits per pixel, BI_RGB")
        expect(bmp[54:pixel_offset] == rgb_quads(PALETTE), "bitmap carries the standard palette in order")
        expect(len(bmp) - pixel_offset == 24 * 48, "bitmap pixel data is 48 rows of 24 bytes")

        broken_cases = [  # file, change to its last art row, words the message must contain
            ("icon-16.txt", lambda row: row[:-1], "wide"),
            ("icon-16.txt", lambda row: row + "K", "wide"),
            ("icon-32.txt", lambda row: "?" + row[1:], "not in the legend"),
            ("icon-32.txt", lambda row: row + "\n" + row, "more than"),
            ("icon-32.txt", lambda row: COMMENT + row, "rows, expected"),
            ("preview.txt", lambda row: "." + row[1:], "transparent"),
        ]
        for name, change, words in broken_cases:
            broken = Path(temp) / "broken"
            shutil.rmtree(broken, ignore_errors=True)
            shutil.copytree(source, broken)
            lines = (broken / name).read_text(encoding="ascii").rstrip("\n").split("\n")
            lines[-1] = change(lines[-1])
            (broken / name).write_text("\n".join(lines) + "\n", encoding="ascii")
            try:
                build(broken, Path(temp) / "broken-out")
                failures.append(f"{name} with broken row was accepted")
            except ArtError as error:
                expect(words in str(error), f"{name}: message {str(error)!r} says {words!r}")
            expect(not (Path(temp) / "broken-out").exists(), f"{name}: nothing written after a failure")

    for fact in failures:
        print(f"make_images: self-test FAILED: {fact}", file=sys.stderr)
    if not failures:
        print("make_images: self-test passed")
    return 1 if failures else 0


def main(args):
    if args and args[0] == "--self-test" and len(args) <= 2:
        source = Path(args[1]) if len(args) == 2 else Path(__file__).resolve().parent.parent / "resources" / "images"
        return self_test(source)
    if len(args) != 2 or args[0].startswith("-"):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    build(Path(args[0]), Path(args[1]))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except ArtError as error:
        print(f"make_images: error: {error}", file=sys.stderr)
        sys.exit(1)
