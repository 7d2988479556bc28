#!/usr/bin/env python3
"""Takes a whole three-question test in the real numberlark binary.

The program runs under its own Xvfb server with a private HOME, settings
(saving on, three questions) and working directory, read through a private
accessibility bus so that each step waits for what it needs on screen. Real X key events from
xdotool choose the 7 times table, press TEST, answer each question shown,
type a name and press Quit. The results file must then hold exactly one line for that test, and
the progress log in the private data folder that test with its answers.

Usage: take_a_whole_test.py PATH_TO_NUMBERLARK
"""

import re
import sqlite3
import sys

from e2e_support import ProgramUnderTest, fail, finish_test, require_tools, wait_for_question

QUESTIONS = 3
TABLE = 7
NAME = "Sam"


def take_test(keyboard, name_box="Your name"):
    # TEST has the focus; the arrows select the 7 times table.
    keyboard.choose_table(TABLE)
    # Back over Quit to TEST, and start.
    keyboard.keys("shift+Tab", "shift+Tab", "space")
    wait_for_question(keyboard.desktop)
    finish_test(keyboard, QUESTIONS, name_box=name_box)
    # The answer box is now the name box; replace the last answer.
    keyboard.keys("ctrl+a")
    keyboard.type(NAME)
    # Tab leads from the name box to Quit.
    keyboard.keys("Tab", "space")


def check_results(work):
    results = work / "numberlark.csv"
    if not results.exists():
        fail("Quit wrote no results file")
    lines = results.read_bytes().split(b"\r\n")
    if lines[-1] != b"" or len(lines) != 2:
        fail(f"expected exactly one CR LF line, found {results.read_bytes()!r}")
    pattern = (rf'^"{NAME}",{TABLE},"times table",{QUESTIONS},"questions",\d+,"seconds",'
               r'"on [^"]+ at [^"]+"$')
    line = lines[0].decode()
    if not re.match(pattern, line):
        fail(f"unexpected results line: {line}")
    print(f"e2e: results line: {line}")


def check_progress_log(data):
    path = data / "Numberlark" / "Numberlark" / "progress.sqlite"
    if not path.exists():
        fail(f"Quit wrote no progress log at {path}")
    with sqlite3.connect(path) as db:
        tests = db.execute("SELECT id, child, table_number, questions, finished FROM tests").fetchall()
        if len(tests) != 1 or tests[0][1:] != (NAME, TABLE, QUESTIONS, 1):
            fail(f"unexpected tests in the progress log: {tests}")
        answers = db.execute("SELECT shown_first, shown_second, table_number, wrong_before, millis"
                             " FROM answers WHERE test_id = ? ORDER BY seq", (tests[0][0],)).fetchall()
    if len(answers) != QUESTIONS or any(
            TABLE not in (a, b) or table != TABLE or wrong < 0 or millis < 0
            for a, b, table, wrong, millis in answers):
        fail(f"unexpected answers in the progress log: {answers}")
    print(f"e2e: progress log: {answers}")


def main():
    if len(sys.argv) != 2:
        fail("usage: take_a_whole_test.py PATH_TO_NUMBERLARK")
    require_tools()
    settings = {"allow_saving": 1, "num_of_questions": QUESTIONS}
    with ProgramUnderTest(sys.argv[1], settings=settings, readable=True) as run:
        take_test(run.keyboard)
        run.wait_for_exit()
        check_results(run.work)
        check_progress_log(run.data)


if __name__ == "__main__":
    main()
