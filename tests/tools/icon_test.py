#!/usr/bin/env python3
"""An icon that Windows has to scale: the executable's icon group must list
the committed icon's six images, each of them in the executable byte for
byte, the 256 x 256 one a PNG whose pixels decode.
  icon_test.py EXE ICO"""
import re
import struct
import sys
import zlib

exe, ico = (open(path, "rb").read() for path in sys.argv[1:3])
entries = [ico[6 + 16 * i:6 + 16 * i + 16] for i in range(struct.unpack_from("<H", ico, 4)[0])]
assert [(e[0] or 256, e[6]) for e in entries] == [(32, 4), (16, 32), (24, 32), (32, 32), (48, 32), (256, 32)]
# A group entry is the file's entry with a 2-byte resource id in place of the offset.
group = b"\0\0\1\0\6\0" + b"".join(re.escape(e[:12]) + b".." for e in entries)
assert re.search(group, exe, re.DOTALL), "no icon group of the six images"
for e in entries:
    size, offset = struct.unpack_from("<II", e, 8)
    assert ico[offset:offset + size] in exe, f"the {e[0] or 256}-pixel image is not in the executable"
png = ico[struct.unpack_from("<I", entries[5], 12)[0]:]
assert png[:8] == b"\x89PNG\r\n\x1a\n" and png[37:41] == b"IDAT", "the 256-pixel image is not a PNG"
idat = png[41:41 + struct.unpack_from(">I", png, 33)[0]]
assert zlib.crc32(b"IDAT" + idat) == struct.unpack_from(">I", png, 41 + len(idat))[0], "bad IDAT checksum"
assert len(zlib.decompress(idat)) == 256 * (1 + 256 * 4), "the PNG's pixels do not decode"
print("icon: ok")
