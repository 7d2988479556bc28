#!/usr/bin/env python3
"""The real binary's start-up wiring, end to end.

Tools > Options and About, opened by their keys, must bring up the real
windows: the options window is found by its title and size and, through its
own check boxes, turns saving on and remembers it in the settings file; the
about window is found by its own title and size (a placeholder window would
have neither). Then one test is quit in Mixed and one in Other (15), and the
table field of each results line must say so.

Usage: windows_and_table_field.py PATH_TO_NUMBERLARK
"""

import re
import subprocess
import sys

from e2e_support import ProgramUnderTest, fail, finish_test, require_tools

OPTIONS = ("^Options$", (346, 405))
ABOUT = ("^About Numberlark$", (346, 321))
NAME = "Kim"


def size_of(keyboard, window_id):
    shell = keyboard.xdotool("getwindowgeometry", "--shell", window_id)
    values = dict(line.split("=", 1) for line in shell.split())
    return int(values["WIDTH"]), int(values["HEIGHT"])


def open_window(keyboard, keys, window):
    title, size = window
    keyboard.focus_window()
    keyboard.keys(*keys)
    try:
        window_id = keyboard.focus_window(title)
    except subprocess.TimeoutExpired:
        fail(f"no window titled {title} opened")
    if size_of(keyboard, window_id) != size:
        fail(f"{title} opened at {size_of(keyboard, window_id)}, not the window's {size}")
    return window_id


def remember_saving_in_options(run):
    open_window(run.keyboard, ["alt+t", "o"], OPTIONS)
    # OK has the focus; then come Sound, Printing, Saving and Remember.
    run.keyboard.keys("Tab", "Tab", "Tab", "space", "Tab", "space", "Return")
    run.keyboard.wait_for_window_gone(OPTIONS[0])
    stored = (run.config / "Numberlark" / "Numberlark.conf").read_text()
    if "allow_saving=1" not in stored:
        fail(f"OK with Remember ticked did not store saving: {stored!r}")


def look_at_about(run):
    open_window(run.keyboard, ["alt+a"], ABOUT)
    run.keyboard.keys("Return")  # its OK button has the focus
    run.keyboard.wait_for_window_gone(ABOUT[0])


def take_test(keyboard, choose_table):
    """choose_table: keys from TEST that choose the table and come back to TEST."""
    keyboard.focus_window()
    keyboard.keys(*choose_table, "space")
    finish_test(keyboard)
    keyboard.keys("ctrl+a")
    keyboard.type(NAME)
    keyboard.keys("Tab", "space")  # from the name box to Quit


def results_line(run):
    run.wait_for_exit()
    results = run.work / "numberlark.csv"
    if not results.exists():
        fail("Quit wrote no results file")
    lines = results.read_bytes().split(b"\r\n")
    if len(lines) != 2 or lines[1] != b"":
        fail(f"expected exactly one CR LF line, found {results.read_bytes()!r}")
    print(f"e2e: results line: {lines[0].decode()}")
    return lines[0].decode()


def expect_line(line, table_fields):
    # The seconds are not this test's business (a quick test may end before
    # the clock's first tick).
    pattern = rf'^"{NAME}",{table_fields},1,"questions",\d+,"seconds","on [^"]+ at [^"]+"$'
    if not re.match(pattern, line):
        fail(f"unexpected results line: {line}")


def main():
    if len(sys.argv) != 2:
        fail("usage: windows_and_table_field.py PATH_TO_NUMBERLARK")
    require_tools()
    with ProgramUnderTest(sys.argv[1], settings={"num_of_questions": 1},
                          readable=True) as run:
        remember_saving_in_options(run)
        look_at_about(run)
        # Tab twice enters the table group on the selected "9 times table";
        # down four to "Mixed", and back over Quit to TEST.
        take_test(run.keyboard, ["Tab", "Tab", *(["Down"] * 4), "shift+Tab", "shift+Tab"],
)
        expect_line(results_line(run), '"Mixed","times tables"')
    with ProgramUnderTest(sys.argv[1], settings={"num_of_questions": 1,
                                                 "allow_saving": 1},
                          readable=True) as run:
        # Down once more to "Other", back to its box, type the table, and on
        # over "Other" to TEST.
        take_test(run.keyboard, ["Tab", "Tab", *(["Down"] * 5), "shift+Tab", "ctrl+a", "1", "5",
                                 "Tab", "Tab"])
        expect_line(results_line(run), '15,"times table"')


if __name__ == "__main__":
    main()
