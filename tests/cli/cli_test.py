#!/usr/bin/env python3
"""Drives plugwright-cli as a user's script would.

usage: cli_test.py PLUGWRIGHT_CLI
"""
import json
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

CLI = None


def run(*args, cwd=None):
    return subprocess.run([CLI, *args], capture_output=True, text=True, cwd=cwd)


def item(name, type_="255", view="1", key="1", entries=(), description="", minimum="0",
         maximum="1"):
    return {"name": name, "description": description, "uid": "0x101F876E", "key": key,
            "type": type_, "view": view, "min": minimum, "max": maximum,
            "entries": [{"text": t, "value": v} for t, v in entries]}


def document(items, file="my_tweak"):
    return {"file": file, "name": "Plugin name", "description": "First\r\nsecond",
            "uid": "00000", "items": items}


class CliTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name

    def tearDown(self):
        self.folder.cleanup()

    def write_json(self, name, value):
        path = os.path.join(self.dir, name)
        with open(path, "w", encoding="utf-8") as f:
            json.dump(value, f, ensure_ascii=False)
        return path

    def build(self, doc, out="out"):
        result = run("build", self.write_json("plugin.json", doc), "--dir",
                     os.path.join(self.dir, out))
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.strip()

    def test_build_export_round_trip_is_exact(self):
        # Number texts in the forms the reader gives back: decimal, and the UID as "0x" and
        # eight uppercase digits.
        items = [item("Целое 😀", "255", "1", "1", [("Off", "0"), ("On", "1")]),
                 item("Text", "254", "2", "2", [("a", "строка")], "описание", "0", "255"),
                 item("Real", "253", "3", "3", [("half", "0.5")]),
                 item("Bits", "255", "4", "4", [("bit", "4")]),
                 item("App", "254", "5", "5"),
                 item("Path", "254", "6", "6")]
        package = self.build(document(items))
        self.assertTrue(package.endswith(os.path.join("out", "my_tweak", "my_tweak.qvx")))
        exported = run("export", package)
        self.assertEqual(exported.returncode, 0, exported.stderr)
        back = json.loads(exported.stdout)
        self.assertEqual(back["items"], items)
        self.assertEqual(back["description"], "Firstsecond")
        again = self.build(back, "again")
        with zipfile.ZipFile(package) as a, zipfile.ZipFile(again) as b:
            self.assertIsNone(a.testzip())
            self.assertEqual(a.namelist(), ["my_tweak.plg", "fac00000.cre"])
            for name in a.namelist():
                self.assertEqual(a.read(name), b.read(name), name)

    def test_document_errors_name_the_member(self):
        good = item("x")
        cases = [
            ({"file": "a"}, "name: missing"),
            (dict(document([good]), extra="1"), "extra: unknown member"),
            (dict(document([good]), uid=5), "uid: not a string"),
            (document([good, good, good, {k: v for k, v in good.items() if k != "key"}]),
             "items[3].key: missing"),
            (document([dict(good, entries=[{"text": "t"}])]), "items[0].entries[0].value: missing"),
        ]
        for value, message in cases:
            result = run("build", self.write_json("bad.json", value), "--dir", self.dir)
            self.assertEqual(result.returncode, 1)
            self.assertIn(message, result.stderr)
            self.assertEqual(len(result.stderr.strip().splitlines()), 1)
        with open(os.path.join(self.dir, "broken.json"), "w") as f:
            f.write("{not json")
        self.assertEqual(run("build", os.path.join(self.dir, "broken.json")).returncode, 1)

    def test_exit_statuses(self):
        self.assertEqual(run("--help").returncode, 0)
        self.assertEqual(run("build", "--help").returncode, 0)
        self.assertEqual(run("--version").returncode, 0)
        self.assertEqual(run().returncode, 2)
        self.assertEqual(run("build").returncode, 2)
        self.assertEqual(run("extract", "x.zip", "--on-error", "maybe").returncode, 2)
        missing = run("export", os.path.join(self.dir, "missing.qvx"))
        self.assertEqual(missing.returncode, 1)
        self.assertFalse(os.path.exists(os.path.join(self.dir, "missing.qvx")))

    def test_list_and_extract_an_archive_made_by_zipfile(self):
        archive = os.path.join(self.dir, "peer.zip")
        data = {"a.txt": b"alpha" * 1000, "b.bin": bytes(range(256)) * 50}
        with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
            for name, content in data.items():
                z.writestr(name, content)
        listed = json.loads(run("list", archive, "--json").stdout)
        self.assertEqual([e["name"] for e in listed], list(data))
        self.assertTrue(all(e["method"] == 8 for e in listed))
        with zipfile.ZipFile(archive) as z:
            self.assertEqual([e["crc32"] for e in listed],
                             ["%08x" % i.CRC for i in z.infolist()])
        table = run("list", archive).stdout
        self.assertIn("Deflated", table)
        target = os.path.join(self.dir, "x")
        result = run("extract", archive, "--dir", target)
        self.assertEqual(result.returncode, 0, result.stderr)
        for name, content in data.items():
            with open(os.path.join(target, name), "rb") as f:
                self.assertEqual(f.read(), content)

    def test_check_reports_errors_and_warnings(self):
        cases = [
            ([item("a"), item("b")], 0, "warning: item 2 \"b\": same UID and key as item 1"),
            ([item("a", description="d" * 1025)], 1, "description holds 1025 UTF-16 code units"),
        ]
        for items, status, line in cases:
            package = self.build(document(items))
            result = run("check", package)
            self.assertEqual(result.returncode, status, result.stdout + result.stderr)
            self.assertIn(line, result.stdout)
        bare = os.path.join(self.dir, "bare.qvx")
        with zipfile.ZipFile(bare, "w") as z:
            z.writestr("fac00000.cre", b"")
        result = run("check", bare)
        self.assertEqual(result.returncode, 1)
        self.assertIn("error: no descriptor", result.stdout)


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
