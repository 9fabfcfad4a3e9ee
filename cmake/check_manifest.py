"""Fails the build on a manifest that is not well-formed XML with an
<assembly> root; touches STAMP when it is.

usage: check_manifest.py MANIFEST STAMP"""
import sys
import xml.dom.minidom


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    try:
        root = xml.dom.minidom.parse(sys.argv[1]).documentElement
    except Exception as error:  # expat's and the file's errors alike
        sys.exit(f"{sys.argv[1]}: not well-formed XML: {error}")
    if root.tagName != "assembly":
        sys.exit(f"{sys.argv[1]}: the root is <{root.tagName}>, not <assembly>")
    open(sys.argv[2], "w").close()


main()
