#!/usr/bin/env python3
"""Two one-question tests under one name, then the progress window; then
one story of what Sam knows, told alike by the grid, the practice summary
and the report.

The real binary runs in one private world (Xvfb, HOME, data folder, working
directory, accessibility bus). Each of the first two runs takes a
one-question test of the 7 times table and quits under the name Sam; each
answer starts with a wrong "0", so the fact has a wrong answer even when
both tests draw it (one wrong and one right answer make it only "getting
there"). The third run opens Tools > Progress and saves the report as a
PDF, whose text must name Sam, count two tests and list the wrongly
answered fact as tricky.

Then older tests whose facts the views' old rules graded differently go
into the log. The fourth run reads the grid through the accessibility bus,
then practises with every answer right; the fifth finds the grid's (and its
legend's) Known count grown by the summary's "facts you know now", and the
report's legend saying the same.

Usage: progress_window_report.py PATH_TO_NUMBERLARK
"""

import re
import sqlite3
import subprocess
import sys
import time
import uuid

from e2e_support import PRACTICE_WINDOW, PROGRESS_WINDOW, ProgramUnderTest, \
    accessibility_bindings, accessible_nodes, fail, require_tools, take_a_test, wait_for_accessible, wait_until

accessibility_bindings()  # under the interpreter that has them, before anything starts

TABLE = 7
NAME = "Sam"
# Tries in three weekly tests (wrong answers first, ms) and the grade under a 12 s
# limit; the grid once called 6 x 9 slow (> 5 s), practice called 9 x 4 known.
SEEDED = {(6, 9): [(0, 8000)] * 3, (4, 3): [(0, 1000), (1, 1000), (0, 1000)],
          (9, 4): [(0, 1000), (0, 1000), (2, 1000)], (3, 8): [(0, 20000)] * 2}
GRADES = {(6, 9): "Known", (4, 3): "Known", (9, 4): "Tricky", (3, 8): "Getting there"}
STEP = re.compile(r"^(\d+) x (\d+)$|^(\d+) facts? you know now:$|^Every try helps")


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
    """Saves the report from the progress window; returns its text."""
    run.keyboard.focus_window()
    run.keyboard.choose_from_menu("alt+t", "p")
    run.keyboard.focus_window(**PROGRESS_WINDOW)
    run.keyboard.keys("alt+r")
    run.keyboard.focus_window("^Save Report as PDF$")
    run.keyboard.keys("ctrl+a")
    run.keyboard.type(str(path))
    run.keyboard.keys("Return")
    wait_until(path.exists, f"the report saved at {path}", timeout=15)
    return subprocess.run(["pdftotext", "-layout", str(path), "-"], capture_output=True,
                          text=True, check=True).stdout


def seed_history(data):
    """Three Mixed tests of Sam's a week apart, ending a week ago."""
    now_ms = int(time.time() * 1000)
    with sqlite3.connect(data / "Numberlark" / "Numberlark" / "progress.sqlite") as db:
        for week in range(3):
            answers = [(a, b, *tries[week]) for (a, b), tries in SEEDED.items() if week < len(tries)]
            test = db.execute(
                "INSERT INTO tests (child, taken_ms, utc_offset, table_kind, table_number, questions,"
                " seconds, finished, uuid) VALUES (?, ?, 0, 1, 0, ?, ?, 1, ?)",
                (NAME, now_ms - (21 - 7 * week) * 86_400_000, len(answers),
                 sum(a[3] for a in answers) // 1000, str(uuid.uuid4()))).lastrowid
            db.executemany("INSERT INTO answers VALUES (?, ?, ?, ?, ?, ?, ?)",
                           [(test, seq, a, b, a, wrong, millis)
                            for seq, (a, b, wrong, millis) in enumerate(answers, 1)])


def read_grid(run, desktop):
    """The progress window's squares' grades and Known count, which its legend states too."""
    run.keyboard.focus_window()
    run.keyboard.choose_from_menu("alt+t", "p")
    run.keyboard.focus_window(**PROGRESS_WINDOW)

    def grid():
        cells, counted = {}, None
        for node in accessible_nodes(desktop):
            name = node.get_name() or ""
            found = re.match(r"^(\d+) times (\d+), (.+)$", name)
            if found and node.get_role_name() == "list item":
                cells[(int(found[1]), int(found[2]))] = found[3]
            counted = counted or re.match(r"^Known \((\d+)\):", name)
        return (cells, int(counted[1])) if len(cells) == 144 and counted else None
    cells, counted = wait_until(grid, "the grid's 144 facts and the legend's count", step=0.2)
    known = sum(grade == "Known" for grade in cells.values())
    if known != counted:
        fail(f"the grid shows {known} Known facts, its legend says {counted}")
    return cells, known


def practise_all_right(run, desktop):
    """A whole session answered right; returns the summary's "facts you know now"."""
    run.keyboard.focus_window()
    run.keyboard.choose_from_menu("alt+t", "r")
    run.keyboard.focus_window(**PRACTICE_WINDOW)
    run.keyboard.keys("ctrl+a")
    run.keyboard.type(NAME)
    run.keyboard.keys("Return")
    shown = None
    while True:
        step = wait_for_accessible(desktop, STEP, not_this=shown, role="label")
        if not step[1]:
            return int(step[3] or 0)
        shown = step[0]
        run.keyboard.type(str(int(step[1]) * int(step[2])))
        run.keyboard.keys("Return")


def quit_program(run):
    run.keyboard.focus_window()
    run.keyboard.choose_from_menu("alt+f", "x")
    run.wait_for_exit()


def check_one_story(run, desktop):
    seed_history(run.data)
    run.start()
    cells, known_before = read_grid(run, desktop)
    grades = {fact: cells[fact] for fact in GRADES}
    if grades != GRADES:
        fail(f"the grid shows the seeded facts as {grades}; expected {GRADES}")
    run.keyboard.close_window(PROGRESS_WINDOW["title_pattern"], "Escape")
    learnt = practise_all_right(run, desktop)
    quit_program(run)
    run.start()
    _, known_after = read_grid(run, desktop)
    text = save_report(run, run.root / "after.pdf")
    if known_after != known_before + learnt or f"Known ({known_after})" not in text:
        fail(f"{known_before} Known before practice, {learnt} learnt in it, {known_after} after;"
             f" the report says:\n{text}")
    print(f"e2e: {known_before} + {learnt} learnt in practice = {known_after} Known everywhere")


def main():
    if len(sys.argv) != 2:
        fail("usage: progress_window_report.py PATH_TO_NUMBERLARK")
    require_tools("pdftotext", "dbus-daemon")
    settings = {"allow_saving": 1, "num_of_questions": 1}
    with ProgramUnderTest(sys.argv[1], settings=settings, start=False, readable=True) as run:
        desktop = run.desktop
        # A 12 s limit: a quick answer typed on a busy machine is still quick.
        with open(run.config / "Numberlark" / "Numberlark.conf", "a") as conf:
            conf.write("[Practice]\nfluency_limit=12\n")
        for _ in range(2):
            run.start()
            take_a_test(run.keyboard, TABLE, NAME, wrong_first=True)
            run.wait_for_exit()
        fact = first_tests_fact(run.data)
        run.start()
        text = save_report(run, run.root / "report.pdf")
        # The report keeps each fact on one line with no-break spaces.
        text = text.replace("\u00a0", " ")
        tricky = next((line for line in text.splitlines() if "Tricky:" in line and "×" in line), "")
        for expected, found in ((NAME, NAME in text), ("2 tests", "2 tests" in text),
                                (f"tricky {fact}", fact in tricky)):
            if not found:
                fail(f"the report does not show {expected}:\n{text}")
        print(f"e2e: the report lists {fact} as tricky: {tricky.strip()}")
        quit_program(run)
        check_one_story(run, desktop)


if __name__ == "__main__":
    main()
