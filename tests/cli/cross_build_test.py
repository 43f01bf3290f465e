#!/usr/bin/env python3
"""The Linux and the Windows build of plugwright-cli side by side: the same document gives the
same package byte for byte, each reads the other's, and what they print is the same bytes.

usage: cross_build_test.py LINUX_CLI EMULATOR... WINDOWS_CLI
Every path given is an absolute Linux path, so it starts with "/", and most hold "Ж" and a space.
"""
import json
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

LINUX = None
WINDOWS = None
# 2024-02-29 12:34:56 UTC
ENVIRONMENT = dict(os.environ, SOURCE_DATE_EPOCH="1709210096", LC_ALL="C.UTF-8")


def run(cli, *args):
    """Standard output and error as bytes: a CR the Windows build added would show."""
    result = subprocess.run([*cli, *args], capture_output=True, env=ENVIRONMENT)
    return result.returncode, result.stdout, result.stderr


def item(name, type_, view, key, entries=(), description=""):
    return {"name": name, "description": description, "uid": "0x101F876E", "key": key,
            "type": type_, "view": view, "min": "0", "max": "255",
            "entries": [{"text": t, "value": v} for t, v in entries]}


DOCUMENT = {
    "file": "Жук тест", "name": "Вибрация 😀", "description": "Первая\r\nвторая", "uid": "0ABCD",
    "items": [item("Целое", "255", "1", "1", [("Выкл", "0"), ("Вкл", "1")], "описание"),
              item("Text", "254", "2", "2", [("a", "строка")]),
              item("Real", "253", "3", "3", [("half", "0.5")]),
              item("Café", "254", "6", "4")],
}


class CrossBuildTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory(prefix="pw cross Ж ")
        self.dir = self.folder.name
        self.document = os.path.join(self.dir, "плагин.json")
        with open(self.document, "w", encoding="utf-8") as f:
            json.dump(DOCUMENT, f, ensure_ascii=False)

    def tearDown(self):
        self.folder.cleanup()

    def build(self, cli, out):
        status, stdout, stderr = run(cli, "build", self.document, "--dir",
                                     os.path.join(self.dir, out))
        self.assertEqual(status, 0, stderr.decode(errors="replace"))
        self.assertTrue(stdout.endswith("Жук тест.qvx\n".encode()), stdout)
        package = os.path.join(self.dir, out, "Жук тест", "Жук тест.qvx")
        with open(package, "rb") as f:
            return package, f.read()

    def both(self, *args):
        """What both builds print for the same arguments, which must be the same bytes."""
        linux, windows = run(LINUX, *args), run(WINDOWS, *args)
        self.assertEqual(windows, linux, args)
        self.assertEqual(linux[0], 0, linux[2])
        return linux[1]

    def test_the_same_package_byte_for_byte_and_each_reads_the_others(self):
        linux_package, linux_bytes = self.build(LINUX, "linux out")
        windows_package, windows_bytes = self.build(WINDOWS, "windows out")
        self.assertEqual(windows_bytes, linux_bytes)
        with zipfile.ZipFile(windows_package) as z:
            self.assertIsNone(z.testzip())
            self.assertEqual(z.namelist(), ["Жук тест.plg", "fac0ABCD.cre"])
            self.assertEqual(z.infolist()[0].date_time, (2024, 2, 29, 12, 34, 56))
        exported = {self.both("export", package) for package in (linux_package, windows_package)}
        self.assertEqual(len(exported), 1)
        self.assertEqual(json.loads(exported.pop())["items"], DOCUMENT["items"])
        for package in (linux_package, windows_package):
            self.both("list", package)
            self.both("list", "--json", package)
            self.assertEqual(self.both("check", package), b"")

    def test_written_and_extracted_files_are_the_same(self):
        package, _ = self.build(LINUX, "out")
        for cli, name in ((LINUX, "linux"), (WINDOWS, "windows")):
            document = os.path.join(self.dir, "экспорт %s.json" % name)
            self.assertEqual(run(cli, "export", package, "-o", document)[0], 0)
            target = os.path.join(self.dir, "файлы " + name)
            self.assertEqual(run(cli, "extract", package, "--dir", target)[0], 0)
        for first, second in (("экспорт linux.json", "экспорт windows.json"),
                              ("файлы linux/fac0ABCD.cre", "файлы windows/fac0ABCD.cre"),
                              ("файлы linux/Жук тест.plg", "файлы windows/Жук тест.plg")):
            with open(os.path.join(self.dir, first), "rb") as a, \
                    open(os.path.join(self.dir, second), "rb") as b:
                self.assertEqual(a.read(), b.read(), first)
        repository = os.path.join(self.dir, "файлы windows", "fac0ABCD.cre")
        self.both("dump", repository)
        self.both("dump", "--json", repository)

    def test_errors_are_the_same_line(self):
        bad = os.path.join(self.dir, "плохой.json")
        with open(bad, "w", encoding="utf-8") as f:
            json.dump(dict(DOCUMENT, items=[{"name": "x"}]), f)
        linux, windows = run(LINUX, "build", bad), run(WINDOWS, "build", bad)
        self.assertEqual(windows, linux)
        self.assertEqual(linux[0], 1)
        self.assertTrue(linux[2].endswith(b"\n") and linux[2].count(b"\n") == 1, linux[2])


if __name__ == "__main__":
    LINUX, WINDOWS = sys.argv[1:2], sys.argv[2:]
    del sys.argv[1:]
    unittest.main()
