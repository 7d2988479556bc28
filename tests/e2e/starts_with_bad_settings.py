#!/usr/bin/env python3
"""Starts the real numberlark binary (offscreen) over settings files that are
junk, and checks that it comes up and stays up, and leaves the file alone.

Each run has a private HOME, settings folder and working directory.

Usage: starts_with_bad_settings.py PATH_TO_NUMBERLARK
"""

import os
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SETTLE_S = 1.5

BAD_FILES = {
    "binary junk": b"\x00\xff\xfe[Set\x01tings\n\x7f=\x80\x81\n" + bytes(range(256)),
    "huge numbers": b"[Settings]\nallow_sound=99999999999\nnum_of_questions=1e999999\n",
    "negative questions": b"[Settings]\nnum_of_questions=-32768\n",
    "empty values": b"[Settings]\nallow_printing=\nallow_saving=\nallow_sound=\nnum_of_questions=\n",
    "a very long line": b"[Settings]\nnum_of_questions=" + b"9" * 1_000_000 + b"\n",
}


def run_once(binary, what, contents):
    with tempfile.TemporaryDirectory(prefix="numberlark-bad-settings-") as home:
        config = Path(home, ".config", "Numberlark")
        config.mkdir(parents=True)
        settings = config / "Numberlark.conf"
        settings.write_bytes(contents)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=str(Path(home, ".config")),
                   QT_QPA_PLATFORM="offscreen")
        program = subprocess.Popen([binary], cwd=home, env=env,
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        time.sleep(SETTLE_S)
        running = program.poll() is None
        if running:
            program.send_signal(signal.SIGTERM)
        output = program.communicate(timeout=30)[0].decode(errors="replace")
        problems = []
        if not running:
            problems.append(f"ended by itself with status {program.returncode}")
        if settings.read_bytes() != contents:
            problems.append("changed the settings file")
        if list(Path(home).glob("numberlark.csv")):
            problems.append("wrote a results file")
        if problems:
            print(f"{what}: " + "; ".join(problems) + f"\n{output}", file=sys.stderr)
            return False
        print(f"{what}: started and stayed up")
        return True


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    results = [run_once(sys.argv[1], what, contents) for what, contents in BAD_FILES.items()]
    passed = sum(results)
    print(f"{passed} passed, {len(results) - passed} failed")
    sys.exit(0 if all(results) else 1)


if __name__ == "__main__":
    main()
