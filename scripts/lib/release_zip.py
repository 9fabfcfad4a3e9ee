#!/usr/bin/env python3
"""Writes a zip of every file under FOLDER whose bytes do not depend on the
files' times or on the order in which the file system lists them: entries
sorted by path, each dated SOURCE_DATE_EPOCH (seconds since 1970, UTC), with
the same permissions and compression.
  SOURCE_DATE_EPOCH=... release_zip.py ARCHIVE FOLDER"""
import os
import sys
import time
import zipfile

# A zip entry cannot be dated before 1980.
EARLIEST_ZIP_DATE = 315532800


def main():
    if len(sys.argv) != 3 or "SOURCE_DATE_EPOCH" not in os.environ:
        sys.exit("usage: SOURCE_DATE_EPOCH=SECONDS release_zip.py ARCHIVE FOLDER")
    archive, folder = sys.argv[1], sys.argv[2]
    date = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), EARLIEST_ZIP_DATE))[:6]
    paths = sorted(os.path.relpath(os.path.join(parent, name), folder).replace(os.sep, "/")
                   for parent, _, names in os.walk(folder) for name in names)
    with zipfile.ZipFile(archive, "w") as out:
        for path in paths:
            entry = zipfile.ZipInfo(path, date)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            with open(os.path.join(folder, path), "rb") as source:
                out.writestr(entry, source.read(), compresslevel=9)


if __name__ == "__main__":
    main()
