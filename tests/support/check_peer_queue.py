"""Checks what a Windows build's tests recorded for Python's zipfile (see zip_peer.h).

Usage: check_peer_queue.py QUEUE_FOLDER; exits 1 when any recorded archive fails zip_peer.py.
"""
import os
import subprocess
import sys

ZIP_PEER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "zip_peer.py")


def main():
    queue = sys.argv[1]
    checks = sorted(os.listdir(queue)) if os.path.isdir(queue) else []
    failed = 0
    for check in checks:
        folder = os.path.join(queue, check)
        with open(os.path.join(folder, "expected"), encoding="utf-8") as f:
            names = f.read().splitlines()
        pairs = ["%s=%s" % (name, os.path.join(folder, "source-%d" % i))
                 for i, name in enumerate(names)]
        result = subprocess.run(
            [sys.executable, ZIP_PEER, os.path.join(folder, "archive.zip"), *pairs],
            capture_output=True, text=True)
        if result.returncode != 0:
            failed += 1
            print("%s: %s" % (check, (result.stdout + result.stderr).strip()))
    print("%d archives checked, %d failed" % (len(checks), failed))
    if not checks:
        print("nothing was recorded: did the test suites run?")
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
