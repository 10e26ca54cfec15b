#!/usr/bin/env python3
"""Reads a PNG file strictly, as an independent check of prfhost's own encoder on Windows:
the signature, every chunk's CRC-32, an 8-bit RGB IHDR, the zlib stream with its Adler-32
(checked by zlib itself), one filter byte per row. Prints "WIDTHxHEIGHT COLOURS" and exits 0,
or prints what is wrong and exits 1."""
import struct
import sys
import zlib


def fail(reason):
    print(reason)
    sys.exit(1)


def main(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        fail("no PNG signature")
    offset, chunks = 8, []
    while offset < len(data):
        if offset + 12 > len(data):
            fail("chunk header cut at byte %d" % offset)
        (length,) = struct.unpack(">I", data[offset:offset + 4])
        kind = data[offset + 4:offset + 8]
        body = data[offset + 8:offset + 8 + length]
        if len(body) != length or offset + 12 + length > len(data):
            fail("chunk %r cut" % kind)
        (crc,) = struct.unpack(">I", data[offset + 8 + length:offset + 12 + length])
        if zlib.crc32(kind + body) != crc:
            fail("chunk %r has a wrong CRC" % kind)
        chunks.append((kind, body))
        offset += 12 + length
    kinds = [kind for kind, _ in chunks]
    if kinds[0] != b"IHDR" or kinds[-1] != b"IEND" or b"IDAT" not in kinds:
        fail("chunks out of order: %r" % kinds)
    width, height, depth, colour, method, filtering, interlace = struct.unpack(
        ">IIBBBBB", chunks[0][1])
    if (depth, colour, method, filtering, interlace) != (8, 2, 0, 0, 0):
        fail("not 8-bit RGB without interlace")
    rows = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    stride = 1 + 3 * width
    if len(rows) != stride * height:
        fail("%d bytes of rows, %d expected" % (len(rows), stride * height))
    colours = set()
    for y in range(height):
        row = rows[y * stride:(y + 1) * stride]
        if row[0] != 0:
            fail("row %d has filter %d" % (y, row[0]))
        colours.update(row[x:x + 3] for x in range(1, stride, 3))
    print("%dx%d %d" % (width, height, len(colours)))


if __name__ == "__main__":
    main(sys.argv[1])
