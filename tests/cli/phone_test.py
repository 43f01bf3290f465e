#!/usr/bin/env python3
"""From a phone's repository file to a package: import, check --against and diff.

usage: phone_test.py [EMULATOR...] PLUGWRIGHT_CLI [SAMPLES_FOLDER]
The optional folder holds repository files copied off phones; each is taken through the
whole path as well.
"""
import glob
import json
import os
import shutil
import struct
import sys
import unittest
import zipfile

import cli_test
from cli_test import counted, document, item, policy, repository_file, run

SAMPLES = None

WRITE_DEVICE_DATA, NETWORK_CONTROL = 5, 10
LONG = "Я" * 1100  # more than a phone takes as an item's description
PHONE_SETTINGS = [  # out of key order: import sorts them
    (0x10, 0, 0, struct.pack("<i", -5)),
    (2, 0, 1, struct.pack("<d", 2.5)),
    (0x80000000, 0, 0, struct.pack("<i", 7)),
    (3, 0, 2, counted("Ж😀".encode("utf-16-le") * 20)),
    (4, 0, 2, counted(b"\x01\x02\x03")),
    (5, 0, 2, counted(b"\x00\xd8")),
    (7, 0, 2, counted('a"b\\\n'.encode("utf-16-le"))),
    (8, 0, 2, counted(LONG.encode("utf-16-le"))),
]
PHONE_SINGLE = [(0x10, 0, 0, policy(1), policy(3, [WRITE_DEVICE_DATA, NETWORK_CONTROL])),
                (3, 0, 0, policy(1), policy(4, [], 0x64)),
                (2, 0, 0, policy(1), policy(3, [])),
                (7, 0, 0, policy(1), counted(b"\x09" * 8))]
PHONE_RANGES = [(0x80000000, 0, 0x80000000, policy(1), policy(0)),
                (4, 5, 0, policy(1), policy(5, [], 0x70))]
# What each setting's item says of it, in key order.
PHONE_ITEMS = [
    (2, "253", "real 2.5"),
    (3, "254", 'string "' + "Ж😀" * 20 + '"; writing needs sid 0x00000064'),
    (4, "254", "string of 3 bytes, hex 010203; writing needs vid 0x00000070"),
    (5, "254", "string of 2 bytes, hex 00d8; writing needs vid 0x00000070"),
    (7, "254", 'string "a\\"b\\\\\\u000a"; writing is under a policy of unknown kind, '
               "bytes 0909090909090909"),
    (8, "254", 'string "' + LONG[:1015] + "…"),
    (0x10, "255", "integer -5; writing needs capabilities WriteDeviceData, NetworkControl"),
    (0x80000000, "255", "integer 7; writing is always refused"),
]


def phone_file(version=1, settings=PHONE_SETTINGS, uid=0xBABABABA):
    return repository_file(version, settings=settings, uid=uid, single_policies=PHONE_SINGLE,
                           range_policies=PHONE_RANGES)


def number(text):
    """A number text's value as the program reads it: hexadecimal as a 32-bit pattern."""
    if text.lower().startswith("0x"):
        value = int(text, 16)
        return value - 2**32 if value >= 2**31 else value
    return int(text)


NUMBER_FIELDS = ("uid", "key", "type", "view", "min", "max")


def by_value(items):
    return [{k: number(v) if k in NUMBER_FIELDS else v for k, v in i.items()} for i in items]


class PhoneTest(cli_test.CliCase):
    def imported(self, path, *options):
        result = run("import", path, *options)
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    def whole_path(self, path):
        """Imports, builds, exports and checks a repository file; returns the document."""
        out = os.path.join(self.dir, "doc.json")
        result = run("import", path, "-o", out)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(out, encoding="utf-8") as f:
            doc = json.load(f)
        package = self.build(doc)
        exported = run("export", package)
        self.assertEqual(exported.returncode, 0, exported.stderr)
        self.assertEqual(by_value(json.loads(exported.stdout)["items"]), by_value(doc["items"]))
        checked = run("check", package)
        self.assertEqual((checked.returncode, checked.stdout), (0, ""), checked.stderr)
        same = run("diff", package, out)
        self.assertEqual((same.returncode, same.stdout), (0, ""), same.stderr)
        return doc

    def test_import_makes_one_item_per_setting_in_key_order(self):
        for version in range(4):
            with self.subTest(version=version):
                doc = self.whole_path(self.write_bytes("phone.cre", phone_file(version)))
                self.assertEqual((doc["file"], doc["name"], doc["uid"]),
                                 ("phone", "Repository 0xBABABABA", "00000"))
                items = doc["items"]
                self.assertEqual([(number(i["key"]) % 2**32, i["type"], i["description"])
                                  for i in items], PHONE_ITEMS)
                for i in items:
                    integer = i["type"] == "255"
                    self.assertEqual(i["name"], "Setting " + i["key"])
                    self.assertEqual((i["uid"], i["view"], i["entries"]), ("0xBABABABA", "1", []))
                    self.assertEqual((i["min"], i["max"]), ("-2147483648", "2147483647")
                                     if integer else ("0", "0x7fffffff"))
                self.assertEqual(items[0]["key"], "0x00000002")

    def test_import_of_the_test_fixtures_and_of_phone_samples(self):
        files = [self.write_bytes("v%d.cre" % v, repository_file(v)) for v in range(4)]
        # A write policy of unknown kind is shown by its bytes, however many there are.
        files.append(self.write_bytes("long_policy.cre", repository_file(1, single_policies=[
            (1, 0, 0, policy(1), counted(b"\x09" * 700))])))
        files += sorted(glob.glob(os.path.join(SAMPLES, "*.cre*"))) if SAMPLES else []
        for path in files:
            with self.subTest(path=path):
                dumped = json.loads(run("dump", path, "--json").stdout)
                if not dumped["settings"]:
                    result = run("import", path)
                    self.assertEqual(result.returncode, 1)
                    self.assertIn("holds no settings", result.stderr)
                    continue
                doc = self.whole_path(path)
                self.assertEqual(sorted(number(i["key"]) % 2**32 for i in doc["items"]),
                                 sorted(int(s["key"], 16) for s in dumped["settings"]))

    def test_import_options(self):
        path = self.write_bytes("phone.cre", phone_file())
        cases = [
            ([], [2, 3, 4, 5, 7, 8, 0x10, 0x80000000]),
            (["--keys", "0x4-0x7"], [4, 5, 7]),
            (["--keys", "3-3", "--keys", "16-4294967295"], [3, 0x10, 0x80000000]),
            (["--keys", "0-5", "--keys", "4-0X8"], [2, 3, 4, 5, 7, 8]),
        ]
        for options, keys in cases:
            doc = self.imported(path, *options)
            self.assertEqual([number(i["key"]) % 2**32 for i in doc["items"]], keys, options)
        doc = self.imported(path, "--file", "mine", "--name", "Mine", "--uid", "00A01")
        self.assertEqual((doc["file"], doc["name"], doc["uid"]), ("mine", "Mine", "00A01"))

    def test_import_refusals(self):
        path = self.write_bytes("phone.cre", phone_file())
        for bad in ["5", "9-5", "x-1", "1-0x100000000", "-1-2", "0x-1", "1-"]:
            result = run("import", path, "--keys", bad)
            self.assertEqual(result.returncode, 2, bad)
        result = run("import", path, "--keys", "0x100-0x200")
        self.assertEqual(result.returncode, 1)
        self.assertIn('no setting of "%s" has a key in the ranges given' % path, result.stderr)
        damaged = phone_file()[:-1]
        path = self.write_bytes("damaged.cre", damaged)
        dumped, imported = run("dump", path), run("import", path)
        self.assertEqual((imported.returncode, imported.stderr), (1, dumped.stderr))
        self.assertIn("(offset ", imported.stderr)
        empty = self.write_bytes("empty.cre", repository_file(1, settings=[]))
        result = run("import", empty)
        self.assertEqual(result.returncode, 1)
        self.assertIn('"%s" holds no settings' % empty, result.stderr)

    def test_check_against_names_each_problem(self):
        phone = repository_file(1, settings=[
            (0x10, 0, 0, struct.pack("<i", 5)), (0x11, 0, 0, struct.pack("<i", 5)),
            (0x12, 0, 2, counted("abc".encode("utf-16-le"))), (0x13, 0, 0, struct.pack("<i", 5)),
            (0x14, 0, 2, counted("abc".encode("utf-16-le"))), (0x15, 0, 0, struct.pack("<i", 5)),
            (0x16, 0, 1, struct.pack("<d", 2.5)), (0x17, 0, 0, struct.pack("<i", 3)),
            (0x18, 0, 2, counted("abc".encode("utf-16-le"))),
            (0x20, 0, 0, struct.pack("<i", 1)), (0x21, 0, 0, struct.pack("<i", 1)),
            (0x22, 0, 0, struct.pack("<i", 1))],
            single_policies=[(0x20, 0, 0, policy(1), policy(3, [WRITE_DEVICE_DATA])),
                             (0x21, 0, 0, policy(1), policy(0))],
            range_policies=[(0x22, 0x30, 0, policy(1), policy(4, [1], 0x64))])

        def on(name, *args, **fields):
            return dict(item(name, *args, **fields), uid="0xBABABABA")

        cases = [  # item, the finding it gives
            (on("missing", key="0x99"),
             (True, "repository 0xBABABABA holds no setting 0x00000099")),
            (on("type", "254", key="0x10"),
             (True, "the phone's setting is an integer, the item a string")),
            (on("bounds", key="0x11", minimum="0", maximum="4"),
             (False, "the phone holds 5, outside the item's bounds 0 to 4")),
            (on("length", "254", key="0x12", minimum="0", maximum="2"),
             (False, "the phone's text has 3 UTF-16 code units, outside the item's bounds 0 to 2")),
            (on("list", key="0x13", maximum="9", entries=[("Off", "0"), ("On", "1")]),
             (False, "no selection entry has the phone's value 5; none would show selected")),
            (on("texts", "254", key="0x14", maximum="9", entries=[("x", "abd")]),
             (False, 'no selection entry has the phone\'s value "abc"; none would show selected')),
            (on("caps", key="0x20"), (False, "writing needs capabilities WriteDeviceData")),
            (on("never", key="0x21"), (False, "writing is always refused")),
            (on("sid", key="0x22"), (False, "writing needs sid 0x00000064 with CommDD")),
            (item("other", key="1"),
             (False, "repository 0x101F876E not given; none of its items is checked")),
            # Nothing to say of these:
            (item("other too", key="2"), None),
            (on("fine", key="21", minimum="0x0", maximum="0x10", entries=[("Five", "0x5")]), None),
            (on("real", "253", key="0x16", minimum="5", maximum="6", entries=[("a", "1")]), None),
            (on("bitmask", view="4", key="0x17", maximum="4", entries=[("a", "1"), ("b", "2")]),
             None),
            (on("uid set", "254", view="2", key="0x18", minimum="44", maximum="0"), None),
        ]
        package = self.build(document([i for i, _ in cases]))
        against = self.write_bytes("phone.cre", phone)
        expected = [{"severity": "error" if error else "warning",
                     "text": 'item %d "%s": %s' % (n + 1, i["name"], text)}
                    for n, (i, finding) in enumerate(cases) if finding
                    for error, text in [finding]]
        result = run("check", package, "--against", against, "--json")
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertEqual(json.loads(result.stdout), expected)
        text = run("check", package, "--against", against)
        self.assertEqual(text.stdout.splitlines(),
                         ["%s: %s" % (f["severity"], f["text"]) for f in expected])
        warnings_only = self.build(document([i for i, f in cases if not f or not f[0]]), "w")
        self.assertEqual(run("check", warnings_only, "--against", against).returncode, 0)
        self.assertEqual(json.loads(run("check", warnings_only, "--json").stdout), [])

    def test_check_against_refusals(self):
        package = self.build(document([item("a")]))
        phone = self.write_bytes("a.cre", phone_file())
        twin = self.write_bytes("b.cre", phone_file())
        result = run("check", package, "--against", phone, "--against", twin)
        self.assertEqual(result.returncode, 1)
        self.assertIn('"%s" and "%s" are both repository 0xBABABABA; give one file per '
                      "repository" % (twin, phone), result.stderr)
        damaged = self.write_bytes("damaged.cre", phone_file()[:40])
        result = run("check", package, "--against", damaged)
        self.assertEqual((result.returncode, result.stderr), (1, run("dump", damaged).stderr))
        self.assertEqual(run("check", package, "--against").returncode, 2)

    def test_diff_of_pairs(self):
        a, b, c = (item("a", key="1", entries=[("Off", "0"), ("On", "1")]), item("b", key="2"),
                   item("c", key="3"))
        base = document([a, b, c])
        label = {n: '[0x101F876E %s] "%s"' % (i["key"], i["name"]) for n, i in zip("abc", base["items"])}
        cases = [
            ("same", base, []),
            ("numbers by value, description as the descriptor keeps it",
             dict(base, description="Firstsecond",
                  items=[dict(a, key="0x1", max="0x00000001"), dict(b, uid="0x101f876e"), c]), []),
            ("field changed", dict(base, name="Other"), ['name: "Plugin name" -> "Other"']),
            ("item field changed", dict(base, items=[a, dict(b, min="5"), c]),
             ['item 2 %s: min "0" -> "5"' % label["b"]]),
            ("entry added", dict(base, items=[dict(a, entries=[
                {"text": "Off", "value": "0"}, {"text": "Maybe", "value": "2"},
                {"text": "On", "value": "1"}]), b, c]),
             ['item 1 %s: entry 2 added: "Maybe" = "2"' % label["a"]]),
            ("entry changed and removed", dict(base, items=[dict(a, entries=[
                {"text": "Aus", "value": "0x0"}]), b, c]),
             ['item 1 %s: entry 1 text "Off" -> "Aus"' % label["a"],
              'item 1 %s: entry 2 removed: "On" = "1"' % label["a"]]),
            ("item moved", dict(base, items=[b, c, a]),
             ["item 3 %s: moved from item 1" % label["a"]]),
            ("item removed and added", dict(base, items=[a, c, item("d", key="4")]),
             ["item 2 %s: removed" % label["b"], 'item 3 [0x101F876E 4] "d": added']),
        ]
        first = self.write_json("a.json", base)
        for name, other, lines in cases:
            with self.subTest(name):
                result = run("diff", first, self.write_json("b.json", other))
                self.assertEqual(result.returncode, 1 if lines else 0, result.stderr)
                self.assertEqual(result.stdout.splitlines(), lines)

    def test_diff_of_packages_and_documents(self):
        base = document([item("a", key="1", entries=[("Off", "0")]), item("b", key="2")])
        doc = self.write_json("base.json", base)
        package = self.build(base)
        moved = dict(base, items=base["items"][::-1])
        other = self.build(moved, "other")
        for a, b, status in [(package, doc, 0), (doc, package, 0), (package, package, 0),
                             (package, other, 1)]:
            self.assertEqual(run("diff", a, b).returncode, status, (a, b))
        result = run("diff", package, other, "--json")
        self.assertEqual(json.loads(result.stdout), {"same": False, "fields": [], "items": [
            {"change": "moved", "from": 2, "to": 1, "uid": "0x101F876E", "key": "2",
             "name": "b", "moved": True, "fields": [], "entries": []}]})
        changed = self.write_json("changed.json", dict(base, file="x", items=[
            dict(base["items"][0], entries=[{"text": "Off", "value": "1"}]), item("c", key="3")]))
        self.assertEqual(json.loads(run("diff", doc, changed, "--json").stdout), {
            "same": False, "fields": [{"field": "file", "a": "my_tweak", "b": "x"}], "items": [
                {"change": "changed", "from": 1, "to": 1, "uid": "0x101F876E", "key": "1",
                 "name": "a", "moved": False, "fields": [], "entries": [
                     {"change": "changed", "from": 1, "to": 1, "a": {"text": "Off", "value": "0"},
                      "b": {"text": "Off", "value": "1"}}]},
                {"change": "removed", "from": 2, "uid": "0x101F876E", "key": "2", "name": "b"},
                {"change": "added", "to": 2, "uid": "0x101F876E", "key": "3", "name": "c"}]})

    def test_diff_errors_exit_2(self):
        doc = self.write_json("doc.json", document([item("a")]))
        not_a_package = self.write_bytes("x.qvx", b"not a zip")
        bare = os.path.join(self.dir, "bare.qvx")
        with zipfile.ZipFile(bare, "w") as z:
            z.writestr("fac00000.cre", b"")
        bad = self.write_json("bad.json", {"file": "a"})
        cases = [
            (os.path.join(self.dir, "missing.json"), "Cannot open file"),
            (bad, '"%s": name: missing' % bad),
            (not_a_package, ""),
            (bare, '"%s": Cant parse plugin file!' % bare),
        ]
        for path, message in cases:
            with self.subTest(path=path):
                result = run("diff", doc, path)
                self.assertEqual(result.returncode, 2, result.stdout)
                self.assertIn(message, result.stderr)
                self.assertEqual(result.stdout, "")


if __name__ == "__main__":
    args = sys.argv[1:]
    if args and os.path.isdir(args[-1]):
        SAMPLES = args.pop()
    cli_test.CLI = args
    del sys.argv[1:]
    unittest.main()
