#!/usr/bin/env python3
"""A short practice by real keys, then the progress window after a restart.

The real binary runs twice in one private world with an accessibility bus,
through which the test reads the question on screen as a screen reader
would. The first run opens Tools > Practise..., types the name Ada, answers
the first question wrongly ("0"), types the fact's answer it then shows,
answers three more questions right (a screen reader is told the fact in
words after the wrong answer), and closes the window with Esc before
the session ends; then it quits from the File menu. The log must hold one
session of Ada with those four answers, the first with one wrong try. The
second run opens Tools > Progress: Ada, who has only practised, is shown,
and the grid no longer calls any practised fact "Not asked yet".

Usage: practise_on_screen.py PATH_TO_NUMBERLARK
"""

import re
import sqlite3
import sys
from pathlib import Path

from e2e_support import PRACTICE_WINDOW, BUS_LAUNCHER, AccessibilityBus, ProgramUnderTest, \
    accessibility_bindings, accessible_nodes, fail, require_tools, skip, wait_for_accessible, \
    wait_until

gi = accessibility_bindings()

NAME = "Ada"
QUESTION = re.compile(r"^(\d+) x (\d+)$")
SHOWN_FACT = re.compile(r"^(\d+) x (\d+) = (\d+)$")


def wait_for_label(desktop, pattern, not_this=None, role="label"):
    return wait_for_accessible(desktop, pattern, not_this=not_this, role=role)


def practise(run, desktop):
    """Returns the facts answered, in order, the first answered wrongly."""
    # The menu opens while alt+t is handled, before the next key is read.
    run.keyboard.keys("alt+t", "r")
    run.keyboard.focus_window(**PRACTICE_WINDOW)
    run.keyboard.type(NAME)
    run.keyboard.keys("Return")
    first = wait_for_label(desktop, QUESTION)
    run.keyboard.keys("0", "Return")
    shown = wait_for_label(desktop, SHOWN_FACT)
    # A screen reader is told the fact in words, never with its x.
    wait_for_label(desktop, re.compile(rf"^Not yet\. {shown[1]} times {shown[2]} is {shown[3]}\. "
                                       rf"Type {shown[3]} to go on\.$"), role="notification")
    if shown.group(1, 2) != first.group(1, 2):
        fail(f"after a wrong answer to {first.group(0)} the window shows {shown.group(0)}")
    run.keyboard.type(shown.group(3))
    run.keyboard.keys("Return")
    answered, previous = [first.group(1, 2)], shown.group(0)
    for _ in range(3):
        question = wait_for_label(desktop, QUESTION, not_this=previous)
        run.keyboard.type(str(int(question[1]) * int(question[2])))
        run.keyboard.keys("Return")
        answered.append(question.group(1, 2))
        previous = question.group(0)
    wait_for_label(desktop, QUESTION, not_this=previous)  # the last answer was taken
    run.keyboard.keys("Escape")
    run.keyboard.wait_for_window_gone("^Practice$")
    run.keyboard.focus_window()
    run.keyboard.keys("alt+f", "x")
    run.wait_for_exit()
    return [(int(a), int(b)) for a, b in answered]


def check_log(data, answered):
    path = data / "Numberlark" / "Numberlark" / "progress.sqlite"
    with sqlite3.connect(path) as db:
        sessions = db.execute("SELECT id, child FROM practice_sessions").fetchall()
        rows = db.execute("SELECT fact_first, fact_second, wrong_tries FROM practice_answers"
                          " ORDER BY session_id, seq").fetchall()
    expected = [(a, b, 1 if i == 0 else 0) for i, (a, b) in enumerate(answered)]
    if [s[1] for s in sessions] != [NAME] or rows != expected:
        fail(f"the log holds sessions {sessions} and answers {rows}; expected {expected}")


def check_grid(run, desktop, answered):
    run.start()
    run.keyboard.keys("alt+t", "p")
    run.keyboard.focus_window("^Progress$", accessible_name=f"^Progress of {NAME}$")

    def grid():
        cells = {}
        for node in accessible_nodes(desktop):
            found = re.match(r"^(\d+) times (\d+), (.+)$", node.get_name() or "")
            if found and node.get_role_name() == "list item":
                cells[(int(found[1]), int(found[2]))] = found[3]
        return cells if len(cells) == 144 else None
    cells = wait_until(grid, "the grid's 144 facts", step=0.2)
    grades = {fact: cells.get(fact) for fact in answered}
    if len(cells) != 144 or any(g in (None, "Not asked yet") for g in grades.values()):
        fail(f"the grid ({len(cells)} cells) shows the practised facts as {grades}")
    print(f"e2e: practised {answered}; the grid shows {grades}")


def main():
    if len(sys.argv) != 2:
        fail("usage: practise_on_screen.py PATH_TO_NUMBERLARK")
    require_tools("dbus-daemon")
    if gi is None or not Path(BUS_LAUNCHER).exists():
        skip("the AT-SPI bus (at-spi2-core, python3-gi, gir1.2-atspi-2.0) is not installed")
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    env = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}
    with AccessibilityBus(), ProgramUnderTest(sys.argv[1], settings={"allow_saving": 1},
                                              env=env, start=False) as run:
        Atspi.init()
        desktop = run.keyboard.desktop = Atspi.get_desktop(0)
        run.start()
        answered = practise(run, desktop)
        check_log(run.data, answered)
        check_grid(run, desktop, answered)


if __name__ == "__main__":
    main()
