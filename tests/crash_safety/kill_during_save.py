#!/usr/bin/env python3
"""Kills `plugwright-cli build` with SIGKILL at random moments and checks after each kill
that the package is the previous one or the new one, whole and readable by zipfile.

usage: kill_during_save.py PLUGWRIGHT_CLI WORK_FOLDER [KILLS]
"""
import json
import random
import shutil
import signal
import subprocess
import sys
import time
import zipfile
from pathlib import Path

PLUGIN_FILE = "crash_test"


def plugin_document(label, item_count):
    """A plugin whose repository file differs from label to label."""
    items = [{
        "name": f"{label} item {i}", "description": f"What {label} item {i} does",
        "uid": "0x20001234", "key": str(i), "type": "255", "view": "1",
        "min": "0", "max": "4",
        "entries": [{"text": f"Choice {j}", "value": str(j)} for j in range(5)],
    } for i in range(item_count)]
    return {"file": PLUGIN_FILE, "name": f"Plugin {label}", "description": label,
            "uid": "00000", "items": items}


def package_contents(package):
    """The entries of a complete package, name by name; raises when it is not complete."""
    with zipfile.ZipFile(package) as archive:
        bad = archive.testzip()
        if bad is not None:
            raise ValueError(f"entry {bad} fails its CRC")
        return tuple((info.filename, archive.read(info)) for info in archive.infolist())


def build(cli, document, folder):
    subprocess.run([cli, "build", str(document), "--dir", str(folder)], check=True,
                   stdout=subprocess.DEVNULL)


def main():
    cli, work = sys.argv[1], Path(sys.argv[2])
    kills = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    documents, contents = [], []
    for label, count in (("old", 1000), ("new", 1200)):
        document = work / f"{label}.json"
        document.write_text(json.dumps(plugin_document(label, count)), encoding="utf-8")
        reference = work / f"reference-{label}"
        start = time.monotonic()
        build(cli, document, reference)
        duration = time.monotonic() - start
        documents.append(document)
        contents.append(package_contents(reference / PLUGIN_FILE / f"{PLUGIN_FILE}.qvx"))
    folder = work / "target"
    package = folder / PLUGIN_FILE / f"{PLUGIN_FILE}.qvx"
    build(cli, documents[0], folder)
    current = 0
    rng = random.Random(20261210)
    completed = 0
    for kill in range(kills):
        target = 1 - current
        process = subprocess.Popen([cli, "build", str(documents[target]), "--dir", str(folder)],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(rng.uniform(0, duration * 1.2))
        process.send_signal(signal.SIGKILL)
        process.wait()
        if not package.exists():
            sys.exit(f"kill {kill}: the package is missing")
        try:
            found = package_contents(package)
        except Exception as error:  # any failure to read it whole is the fault we look for
            sys.exit(f"kill {kill}: the package is not readable whole: {error}")
        if found == contents[target]:
            current = target
            completed += 1
        elif found != contents[current]:
            sys.exit(f"kill {kill}: the package is neither the previous one nor the new one")
    print(f"{kills} kills: package intact after each; {completed} saves had completed")
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
