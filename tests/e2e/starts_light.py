#!/usr/bin/env python3
"""Starts the real numberlark binary and checks, in /proc/<pid>/maps, that
the libraries only some runs need (Qt's print support and the print client,
the sound client, Qt SQL, Qt Charts, and the program's own modules, the
practice window's libnumberlark_practice_window among them) are not loaded
once its window is up: they come in later, with the first print, bell, Quit,
progress or practice window.

Usage: starts_light.py PATH_TO_NUMBERLARK
"""

import re
import sys
from pathlib import Path

from e2e_support import ProgramUnderTest, fail

NOT_AT_START_UP = ["libcups", "libQt6PrintSupport", "libcanberra", "libQt6Sql",
                   "libQt6Charts", "libnumberlark_"]


def mapped_libraries(pid):
    maps = Path(f"/proc/{pid}/maps").read_text()
    return {Path(path).name for path in re.findall(r"(/\S+\.so[.\d]*)$", maps, re.M)}


def main():
    with ProgramUnderTest(sys.argv[1]) as run:
        mapped = mapped_libraries(run.program.pid)
    if not any(name.startswith("libQt6Widgets") for name in mapped):
        fail(f"the program's maps do not look like a Qt program's: {sorted(mapped)}")
    early = sorted(name for name in mapped if name.startswith(tuple(NOT_AT_START_UP)))
    if early:
        fail("loaded at start-up: " + ", ".join(early))
    print("start-up maps: no print support, sound client, Qt SQL or Qt Charts")


if __name__ == "__main__":
    main()
