#!/usr/bin/env python3
"""Every way the program can be ended keeps what Quit keeps.

One table: each ending (SIGTERM, SIGHUP, SIGINT, the X server killed) at
each moment (a practice session with one answer, a finished test with the
name typed on the certificate, a test half-way with right answers). After
the program has gone, the log must hold the practice or the test, and the
results file the test's line, as Quit would have left them. What is on
screen is read from the accessibility bus, so every key waits for what it
needs. The end of the desktop session runs the same handler; the widget test
drives it (no session manager runs here).

Usage: every_ending_keeps_the_work.py PATH_TO_NUMBERLARK
"""

import re
import signal
import sqlite3
import sys
import time
from pathlib import Path

from e2e_support import BUS_LAUNCHER, AccessibilityBus, Keyboard, ProgramUnderTest, \
    accessibility_bindings, choose_table, fail, nodes, require_tools, skip, start_xvfb, stop, \
    type_name, wait_for_label

gi = accessibility_bindings()

NAME = "Ada"
TABLE = 3
QUESTIONS = 3


def practice_mid_session(run, desktop):
    run.keyboard.keys("alt+t")
    wait_for_showing(desktop, "Practise...", "menu item")
    run.keyboard.keys("r")
    run.keyboard.focus_window("^Practice$")
    run.keyboard.type(NAME)
    run.keyboard.keys("Return")
    wait_for_label(desktop, re.compile(r"^\d+ x \d+$"))
    run.keyboard.keys("0", "Return")
    wait_for_label(desktop, re.compile(r"^\d+ x \d+ = \d+$"))
    return {"practice": [(NAME, 1)], "tests": [], "lines": 0}


def answer(run, desktop, done):
    """Answers the question on screen, the one after `done` answered."""
    question = wait_for_label(desktop, re.compile(r"^\s*(\d+) x\s*(\d+)$"))
    run.keyboard.type(str(int(question[1]) * int(question[2])))
    run.keyboard.keys("Return")
    if done + 1 < QUESTIONS:
        wait_for_label(desktop, re.compile(rf"^\s*{done + 2} of\s*{QUESTIONS}$"))
        # The box takes the next answer once the pause after "correct" ends.
        deadline = time.monotonic() + 10
        while any(n.get_name() == "correct" for n in nodes(desktop)):
            if time.monotonic() > deadline:
                fail("the pause after a right answer never ended")
            time.sleep(0.1)


def test_mid_way(run, desktop):
    choose_table(run.keyboard, TABLE)
    answer(run, desktop, 0)
    return {"practice": [], "tests": [("", 0)], "lines": 1}


def certificate_with_name(run, desktop):
    choose_table(run.keyboard, TABLE)
    for done in range(QUESTIONS):
        answer(run, desktop, done)
    wait_for_showing(desktop, "Your name", "text")
    type_name(run.keyboard, NAME)
    wait_for_text(desktop, "Your name", NAME)
    return {"practice": [], "tests": [(NAME, 1)], "lines": 1}


def wait_for_showing(desktop, accessible_name, role):
    from gi.repository import Atspi
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        for node in nodes(desktop):
            if node.get_name() == accessible_name and node.get_role_name() == role and \
                    node.get_state_set().contains(Atspi.StateType.SHOWING):
                return
        time.sleep(0.1)
    fail(f"no {role} {accessible_name!r} came on screen")


def wait_for_text(desktop, accessible_name, text):
    from gi.repository import Atspi
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        for node in nodes(desktop):
            if node.get_name() == accessible_name and Atspi.Text.get_text(node, 0, -1) == text:
                return
        time.sleep(0.2)
    fail(f"the box {accessible_name} never held {text!r}")


MOMENTS = {
    "practice mid-session": practice_mid_session,
    "certificate with a name typed": certificate_with_name,
    "test mid-way": test_mid_way,
}

ENDINGS = {
    "SIGTERM": lambda run: run.program.send_signal(signal.SIGTERM),
    "SIGHUP": lambda run: run.program.send_signal(signal.SIGHUP),
    "SIGINT": lambda run: run.program.send_signal(signal.SIGINT),
    "X server killed": lambda run: stop(run.server),
}


def what_was_kept(run):
    log = run.data / "Numberlark" / "Numberlark" / "progress.sqlite"
    results = run.work / "numberlark.csv"
    lines = len(results.read_text().splitlines()) if results.exists() else 0
    if not log.exists():
        return {"practice": [], "tests": [], "lines": lines}
    with sqlite3.connect(log) as db:
        practice = db.execute("SELECT child, (SELECT count(*) FROM practice_answers a"
                              " WHERE a.session_id = s.id) FROM practice_sessions s").fetchall()
        tests = db.execute("SELECT coalesce(child, ''), finished FROM tests").fetchall()
    practice = [(child, min(answers, 1)) for child, answers in practice]
    return {"practice": practice, "tests": tests, "lines": lines}


def start_again(run):
    """On a new display: the next start takes in what waited in the journal."""
    run.server, run.display = start_xvfb()
    run.keyboard = Keyboard(run.display)
    run.start()
    journal = run.data / "Numberlark" / "Numberlark" / "progress-journal.json"
    deadline = time.monotonic() + 10
    while journal.exists() and time.monotonic() < deadline:
        time.sleep(0.1)
    run.program.send_signal(signal.SIGTERM)
    run.program.wait(timeout=10)


def end_at(binary, ending, moment):
    env = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}
    with ProgramUnderTest(binary, settings={"allow_saving": 1, "num_of_questions": QUESTIONS},
                          env=env, start=False) as run:
        from gi.repository import Atspi
        desktop = Atspi.get_desktop(0)
        run.start()
        expected = MOMENTS[moment](run, desktop)
        began = time.monotonic()
        ENDINGS[ending](run)
        try:
            code = run.program.wait(timeout=10)
        except Exception:
            fail(f"{ending} at {moment}: the program did not end")
        took = time.monotonic() - began
        if ending == "X server killed":
            start_again(run)
        kept = what_was_kept(run)
        print(f"e2e: {ending} at {moment}: ended with {code} after {took:.2f} s, kept {kept}")
        if ending != "X server killed" and code != 0:
            fail(f"{ending} at {moment}: exit code {code}")
        return kept == expected, kept, expected


def main():
    if len(sys.argv) != 2:
        fail("usage: every_ending_keeps_the_work.py PATH_TO_NUMBERLARK")
    require_tools("dbus-daemon", "Xvfb", "xdotool")
    if gi is None or not Path(BUS_LAUNCHER).exists():
        skip("the AT-SPI bus (at-spi2-core, python3-gi, gir1.2-atspi-2.0) is not installed")
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
    failures = []
    with AccessibilityBus():
        Atspi.init()
        for ending in ENDINGS:
            for moment in MOMENTS:
                ok, kept, expected = end_at(sys.argv[1], ending, moment)
                if not ok:
                    failures.append(f"{ending} at {moment}: kept {kept}, expected {expected}")
    if failures:
        fail("\n".join(failures))


if __name__ == "__main__":
    main()
