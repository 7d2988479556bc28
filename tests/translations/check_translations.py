#!/usr/bin/env python3
"""Every translation is complete and current.

Runs lupdate over the program's sources into copies of the .ts files, so a
text added to the code and not yet translated shows as unfinished, and a
text gone from the code as vanished. Every entry must then be translated,
with each plural form filled and the same %1..%9 placeholders as its source.

Usage: check_translations.py LUPDATE SOURCE_ROOT
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?([1-9])")


def problems_in(ts_file):
    found = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = "".join(message.find("source").itertext())
            translation = message.find("translation")
            kind = translation.get("type")
            forms = translation.findall("numerusform") or [translation]
            texts = ["".join(form.itertext()) for form in forms]
            where = f"{ts_file.name}: {name}: {source!r}"
            if kind in ("unfinished", "obsolete", "vanished"):
                found.append(f"{where} is {kind}")
            elif any(not text for text in texts):
                found.append(f"{where} has an empty translation")
            else:
                wanted = set(PLACEHOLDER.findall(source))
                for text in texts:
                    if set(PLACEHOLDER.findall(text)) != wanted:
                        found.append(f"{where}: placeholders differ in {text!r}")
    return found


def main():
    lupdate, root = sys.argv[1], Path(sys.argv[2])
    sources = sorted(str(p) for p in root.glob("src/**/*") if p.suffix in (".cpp", ".h"))
    sources += sorted(str(p) for p in root.glob("app/*.cpp"))
    with tempfile.TemporaryDirectory() as temp:
        copies = []
        for ts in sorted((root / "translations").glob("*.ts")):
            copies.append(Path(shutil.copy(ts, temp)))
        if not copies:
            sys.exit("no .ts files found")
        result = subprocess.run([lupdate, "-silent", "-locations", "none", "-I", str(root / "src"),
                                 *sources, "-ts", *map(str, copies)],
                                capture_output=True, text=True)
        if result.returncode != 0:
            sys.exit(f"lupdate failed: {result.stderr}")
        problems = [p for ts in copies for p in problems_in(ts)]
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print("Refresh with: cmake --build build --target update_translations, then translate.",
              file=sys.stderr)
        sys.exit(1)
    print(f"{len(copies)} translations complete")


if __name__ == "__main__":
    main()
