"""Makes archives with Python's zipfile for the reader tests, and beside each archive a folder
"<archive>.expected" holding the files that extracting its top-level entries must give.

Usage: make_peer_archives.py FOLDER
"""
import io
import os
import sys
import zipfile

TEXT = b"The quick brown fox jumps over the lazy dog.\n" * 40
BINARY = bytes((i * 7919) % 251 for i in range(200_000))
STAMP = (2024, 5, 17, 13, 45, 30)


def entries():
    """(name, data, method) in archive order; names inside a folder are not extracted."""
    return [
        ("stored.txt", TEXT, zipfile.ZIP_STORED),
        ("deflated.bin", BINARY, zipfile.ZIP_DEFLATED),
        ("empty.txt", b"", zipfile.ZIP_STORED),
        ("folder/", b"", zipfile.ZIP_STORED),
        ("folder/inner.txt", b"inside", zipfile.ZIP_DEFLATED),
    ]


def write_entries(archive):
    for name, data, method in entries():
        info = zipfile.ZipInfo(name, STAMP)
        info.compress_type = method
        if name.endswith("/"):
            info.external_attr = 0x10
        archive.writestr(info, data)


def plain_archive():
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as archive:
        write_entries(archive)
    return buffer.getvalue()


class Unseekable(io.RawIOBase):
    """A stream zipfile cannot seek in, so it writes data descriptors."""

    def __init__(self):
        self.data = bytearray()

    def writable(self):
        return True

    def write(self, b):
        self.data += b
        return len(b)


def with_descriptors():
    stream = Unseekable()
    with zipfile.ZipFile(stream, "w") as archive:
        write_entries(archive)
    return bytes(stream.data)


def with_comment():
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as archive:
        write_entries(archive)
        archive.comment = b"a package comment"
    return buffer.getvalue()


def zip64_forced():
    """Zip64 extra fields and the Zip64 end records, as a large archive would have them."""
    saved = zipfile.ZIP_FILECOUNT_LIMIT, zipfile.ZIP64_LIMIT
    zipfile.ZIP_FILECOUNT_LIMIT = 1
    zipfile.ZIP64_LIMIT = 0
    try:
        buffer = io.BytesIO()
        with zipfile.ZipFile(buffer, "w", allowZip64=True) as archive:
            for name, data, method in entries():
                info = zipfile.ZipInfo(name, STAMP)
                info.compress_type = method
                if name.endswith("/"):
                    info.external_attr = 0x10
                with archive.open(info, "w", force_zip64=True) as target:
                    target.write(data)
        return buffer.getvalue()
    finally:
        zipfile.ZIP_FILECOUNT_LIMIT, zipfile.ZIP64_LIMIT = saved


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    archives = {
        "plain.zip": plain_archive(),
        "comment.zip": with_comment(),
        "prepended.zip": b"#!/bin/sh\necho a self-extracting stub\n" * 30 + plain_archive(),
        "appended.zip": plain_archive() + b"trailing bytes after the end record",
        "descriptors.zip": with_descriptors(),
        "zip64.zip": zip64_forced(),
    }
    for name, data in archives.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        expected = os.path.join(folder, name + ".expected")
        os.makedirs(expected, exist_ok=True)
        for entry, content, _ in entries():
            if "/" not in entry:
                with open(os.path.join(expected, entry), "wb") as f:
                    f.write(content)


if __name__ == "__main__":
    main()
