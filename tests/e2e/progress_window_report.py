#!/usr/bin/env python3
"""Two one-question tests under one name, then the progress window.

The real binary runs three times in one private world (Xvfb, HOME, data
folder, working directory). Each of the first two runs takes a one-question
test of the 7 times table and quits under the name Sam; each answer starts
with a wrong "0", so the fact has a wrong answer even when both tests draw
it (one wrong and one right answer make it only "getting there"). The third
run opens Tools > Progress and saves the report as a PDF, whose text must
name Sam, count two tests and list the wrongly answered fact as tricky.

Usage: progress_window_report.py PATH_TO_NUMBERLARK
"""

import sqlite3
import subprocess
import sys

from e2e_support import PROGRESS_WINDOW, ProgramUnderTest, fail, require_tools, take_a_test, \
    wait_until

TABLE = 7
NAME = "Sam"


def first_tests_fact(data):
    path = data / "Numberlark" / "Numberlark" / "progress.sqlite"
    with sqlite3.connect(path) as db:
        rows = db.execute("SELECT a.shown_first, a.shown_second, a.wrong_before FROM answers a"
                          " JOIN tests t ON t.id = a.test_id ORDER BY t.id, a.seq").fetchall()
    if len(rows) != 2 or rows[0][2] < 1:
        fail(f"expected two answers, the first with a wrong answer; the log has {rows}")
    # A fact is the question as it was shown: 9 x 7 is not 7 x 9.
    first, second = rows[0][:2]
    return f"{first} × {second}"


def save_report(run, path):
    run.keyboard.focus_window()
    run.keyboard.choose_from_menu("alt+t", "p")
    run.keyboard.focus_window(**PROGRESS_WINDOW)
    run.keyboard.keys("alt+r")
    run.keyboard.focus_window("^Save Report as PDF$")
    run.keyboard.keys("ctrl+a")
    run.keyboard.type(str(path))
    run.keyboard.keys("Return")
    wait_until(path.exists, f"the report saved at {path}", timeout=15)


def main():
    if len(sys.argv) != 2:
        fail("usage: progress_window_report.py PATH_TO_NUMBERLARK")
    require_tools("pdftotext")
    settings = {"allow_saving": 1, "num_of_questions": 1}
    with ProgramUnderTest(sys.argv[1], settings=settings, start=False,
                          readable=True) as run:
        for _ in range(2):
            run.start()
            take_a_test(run.keyboard, TABLE, NAME, wrong_first=True)
            run.wait_for_exit()
        fact = first_tests_fact(run.data)
        run.start()
        report = run.root / "report.pdf"
        save_report(run, report)
        text = subprocess.run(["pdftotext", "-layout", str(report), "-"], capture_output=True,
                              text=True, check=True).stdout
        # The report keeps each fact on one line with no-break spaces.
        text = text.replace("\u00a0", " ")
        tricky = next((line for line in text.splitlines() if "Tricky:" in line and "×" in line), "")
        for expected, found in ((NAME, NAME in text), ("2 tests", "2 tests" in text),
                                (f"tricky {fact}", fact in tricky)):
            if not found:
                fail(f"the report does not show {expected}:\n{text}")
        print(f"e2e: the report lists {fact} as tricky: {tricky.strip()}")


if __name__ == "__main__":
    main()
