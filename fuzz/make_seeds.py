#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: packages, repository files, descriptors and
documents as the program writes them, and the hand-built files of the tests.

usage: make_seeds.py PLUGWRIGHT_CLI OUT_FOLDER
"""
import json
import os
import subprocess
import sys
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "cli"))
import cli_test  # noqa: E402  (the document and repository-file builders)


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def main(cli, out):
    items = [cli_test.item("Целое", "255", "1", "1", [("Off", "0"), ("On", "1")]),
             cli_test.item("Text", "254", "2", "2", [("a", "строка")], "описание"),
             cli_test.item("Real", "253", "3", "3", [("half", "0.5")])]
    document = cli_test.document(items)
    write(os.path.join(out, "plugin_document"), "plugin.json", json.dumps(document))
    write(os.path.join(out, "plugin_document"), "empty.json",
          json.dumps(cli_test.document([])))
    document_path = os.path.join(out, "plugin.json")
    write(out, "plugin.json", json.dumps(document))
    package = subprocess.run([cli, "build", document_path, "--dir", os.path.join(out, "built")],
                             check=True, capture_output=True, text=True).stdout.strip()
    archives = os.path.join(out, "archive_extract")
    with open(package, "rb") as f:
        write(archives, "package.qvx", f.read())
    with zipfile.ZipFile(package) as z:
        write(os.path.join(out, "descriptor_reader"), "my_tweak.plg", z.read("my_tweak.plg"))
        repository = z.read("fac00000.cre")
    peer = os.path.join(archives, "deflated.zip")
    with zipfile.ZipFile(peer, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("a.txt", b"alpha " * 40)
        z.writestr("dir/", b"")
        z.writestr("b.bin", bytes(range(256)))
    for target in ("repository_reader", "repository_dump"):
        write(os.path.join(out, target), "plugin.cre", repository)
    for version in range(4):
        write(os.path.join(out, "repository_dump"), "v%d.cre" % version,
              cli_test.repository_file(version, 4 if version == 2 else 0))
    for i, text in enumerate(["0", "-2147483648", "0x7FFFFFFF", "$ff", "12345678901", "1e5"]):
        write(os.path.join(out, "number_text"), "n%d" % i, text.encode("utf-16-le"))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
