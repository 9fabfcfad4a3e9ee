#!/usr/bin/env python3
"""An icon that Windows has to scale: the executable's icon group 101 must
hold the committed icon's six images (32 x 32 in 16 colours; 16, 24, 32 and
48 in 32-bit colour; 256 as a PNG that decodes), each byte for byte.
  icon_test.py EXE ICO"""
import struct
import sys
import zlib

GROUP_ICON, ICON = 14, 3


def resources(exe):
    """(type, id) -> data of the first language, from the PE's resource tree."""
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    sections, optional = struct.unpack_from("<H", exe, pe + 6)[0], struct.unpack_from("<H", exe, pe + 20)[0]
    table = pe + 24 + optional
    rva = struct.unpack_from("<I", exe, table - 8 * 16 + 8 * 2)[0]  # data directory 2: resources
    for i in range(sections):
        vsize, vaddr, _, raw = struct.unpack_from("<IIII", exe, table + 40 * i + 8)
        if vaddr <= rva < vaddr + vsize:
            base, delta = raw + rva - vaddr, vaddr - raw
    def entries(at):
        named, ids = struct.unpack_from("<HH", exe, base + at + 12)
        for k in range(named + ids):
            name, target = struct.unpack_from("<II", exe, base + at + 16 + 8 * k)
            yield name, target & 0x7FFFFFFF
    found = {}
    for kind, at in entries(0):
        for ident, lang_at in entries(at):
            _, leaf = next(entries(lang_at))
            data_rva, size = struct.unpack_from("<II", exe, base + leaf)
            found[(kind, ident)] = exe[data_rva - delta:data_rva - delta + size]
    return found


def main():
    exe, ico = (open(path, "rb").read() for path in sys.argv[1:3])
    found = resources(exe)
    group = found[(GROUP_ICON, 101)]
    count = struct.unpack_from("<H", group, 4)[0]
    assert count == 6, f"icon group 101 holds {count} images"
    for i in range(count):
        w, h, colours, _, _, bits, size, ident = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        fw, fh, fcolours, _, _, fbits, fsize, offset = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * i)
        assert (w, h, colours, bits, size) == (fw, fh, fcolours, fbits, fsize), f"image {i} differs"
        image = found[(ICON, ident)]
        assert image == ico[offset:offset + size], f"image {i} is not the committed one"
        print(f"image {i}: {w or 256} x {h or 256}, {bits} bits, {size} bytes")
    assert [(w or 256, b) for w, b in (struct.unpack_from("<B5xH", group, 6 + 14 * i) for i in range(6))] == \
        [(32, 4), (16, 32), (24, 32), (32, 32), (48, 32), (256, 32)], "not the six sizes"
    png = found[(ICON, struct.unpack_from("<H", group, 6 + 14 * 5 + 12)[0])]
    assert png[:8] == b"\x89PNG\r\n\x1a\n", "the 256 x 256 image is not a PNG"
    at, pixels = 8, b""
    while at < len(png):
        length, kind = struct.unpack_from(">I4s", png, at)
        body = png[at + 8:at + 8 + length]
        assert zlib.crc32(kind + body) == struct.unpack_from(">I", png, at + 8 + length)[0], kind
        pixels += body if kind == b"IDAT" else b""
        at += 12 + length
    assert len(zlib.decompress(pixels)) == 256 * (1 + 256 * 4), "the PNG's pixels do not decode"
    print("icon: ok")


if __name__ == "__main__":
    main()
