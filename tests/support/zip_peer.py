"""Reads an archive with Python's zipfile: names in order, bytes and CRC of every entry.

Usage: zip_peer.py ARCHIVE [NAME=SOURCE ...]; prints OK, or what differs, and exits 1.
"""
import sys
import zipfile


def main():
    archive = sys.argv[1]
    expected = [arg.split("=", 1) for arg in sys.argv[2:]]
    with zipfile.ZipFile(archive) as z:
        bad = z.testzip()
        if bad is not None:
            print("bad CRC or data:", bad)
            return 1
        names = z.namelist()
        if names != [name for name, _ in expected]:
            print("names:", names)
            return 1
        for name, source in expected:
            with open(source, "rb") as f:
                if z.read(name) != f.read():
                    print("bytes differ:", name)
                    return 1
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
