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
import time
from pathlib import Path

from e2e_support import BUS_LAUNCHER, WAIT_S, AccessibilityBus, ProgramUnderTest, \
    accessibility_bindings, fail, require_tools, skip

gi = accessibility_bindings()

NAME = "Ada"
QUESTION = re.compile(r"^(\d+) x (\d+)$")
SHOWN_FACT = re.compile(r"^(\d+) x (\d+) = (\d+)$")


def nodes(desktop, depth_limit=12):
    def walk(node, depth):
        yield node
        if depth < depth_limit:
            for index in range(node.get_child_count()):
                child = node.get_child_at_index(index)
                if child is not None:
                    yield from walk(child, depth + 1)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_name() == "Numberlark":
            yield from walk(app, 0)


def wait_for_label(desktop, pattern, not_this=None, role="label"):
    deadline = time.monotonic() + WAIT_S
    while time.monotonic() < deadline:
        for node in nodes(desktop):
            name = node.get_name() or ""
            found = pattern.match(name)
            if found and name != not_this and node.get_role_name() == role:
                return found
        time.sleep(0.2)
    fail(f"no {role} like {pattern.pattern} is on screen")


def practise(run, desktop):
    """Returns the facts answered, in order, the first answered wrongly."""
    run.keyboard.keys("alt+t")
    time.sleep(0.5)
    run.keyboard.keys("r")
    run.keyboard.focus_window("^Practice$")
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
    time.sleep(0.5)
    run.keyboard.keys("Escape")
    time.sleep(1)
    run.keyboard.focus_window()
    run.keyboard.keys("alt+f")
    time.sleep(0.5)
    run.keyboard.keys("x")
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
    run.keyboard.keys("alt+t")
    time.sleep(0.5)
    run.keyboard.keys("p")
    run.keyboard.focus_window("^Progress$")
    time.sleep(1)
    cells = {}
    for node in nodes(desktop):
        found = re.match(r"^(\d+) times (\d+), (.+)$", node.get_name() or "")
        if found and node.get_role_name() == "list item":
            cells[(int(found[1]), int(found[2]))] = found[3]
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
        desktop = Atspi.get_desktop(0)
        run.start()
        answered = practise(run, desktop)
        check_log(run.data, answered)
        check_grid(run, desktop, answered)


if __name__ == "__main__":
    main()
