#!/usr/bin/env python3
"""Each ending but Quit (SIGTERM, SIGHUP, SIGINT, the X server killed and a
next start, a logout by the session manager) at each moment (practice, the
certificate with a name, a test half-way) keeps what Quit keeps.
Usage: every_ending_keeps_the_work.py PATH_TO_NUMBERLARK PATH_TO_PRIVATE_SESSION_MANAGER"""

import re
import signal
import sqlite3
import subprocess
import sys
import time
from pathlib import Path

from e2e_support import BUS_LAUNCHER, PRACTICE_WINDOW, AccessibilityBus, Keyboard, \
    ProgramUnderTest, accessible_nodes, accessibility_bindings, fail, require_tools, skip, start_xvfb, stop, type_name, wait_until
from practise_on_screen import wait_for_label

gi = accessibility_bindings()
NAME, QUESTIONS = "Ada", 3
QUESTION = re.compile(r"^\s*(\d+) x\s*(\d+)$")


def poll(found, what, keys=(), run=None):
    """Waits for `found()`, pressing `keys` every second: a new window may lose one."""
    deadline = time.monotonic() + 15
    while not found():
        if time.monotonic() > deadline:
            fail(f"never came: {what}")
        if keys:
            run.keyboard.keys(*keys)
        time.sleep(1 if keys else 0.1)


def showing(desktop, name, role, text=None):
    from gi.repository import Atspi
    return any(n.get_name() == name and n.get_role_name() == role
               and n.get_state_set().contains(Atspi.StateType.SHOWING)
               and (text is None or Atspi.Text.get_text(n, 0, -1) == text)
               for n in accessible_nodes(desktop))


def question(desktop):
    return next((QUESTION.match(n.get_name() or "") for n in accessible_nodes(desktop)
                 if n.get_role_name() == "label" and QUESTION.match(n.get_name() or "")), None)


def practice_mid_session(run, desktop):
    poll(lambda: showing(desktop, "Practise...", "menu item"), "the menu", ["Escape", "alt+t"], run)
    run.keyboard.keys("r")
    run.keyboard.focus_window(**PRACTICE_WINDOW)
    run.keyboard.type(NAME)
    run.keyboard.keys("Return")
    wait_for_label(desktop, re.compile(r"^\d+ x \d+$"))
    run.keyboard.keys("0", "Return")
    wait_for_label(desktop, re.compile(r"^\d+ x \d+ = \d+$"))
    return {"practice": [(NAME, 1)], "tests": [], "lines": 0}


def answer_questions(run, desktop, count):
    """TEST has the focus at the start: the 9 times table."""
    poll(lambda: question(desktop), "the first question", ["space"], run)
    for done in range(count):
        asked = question(desktop)
        run.keyboard.keys("ctrl+a", *str(int(asked[1]) * int(asked[2])), "Return")
        if done + 1 < QUESTIONS:
            wait_for_label(desktop, re.compile(rf"^\s*{done + 2} of\s*{QUESTIONS}$"))
            # The box takes the next answer once the pause after "correct" ends.
            poll(lambda: not showing(desktop, "correct", "label"), "the end of the pause")


def test_mid_way(run, desktop):
    answer_questions(run, desktop, 1)
    return {"practice": [], "tests": [("", 0)], "lines": 1}


def certificate_with_name(run, desktop):
    answer_questions(run, desktop, QUESTIONS)
    poll(lambda: showing(desktop, "Your name", "text"), "the certificate")
    type_name(run.keyboard, NAME)
    poll(lambda: showing(desktop, "Your name", "text", NAME), "the typed name")
    return {"practice": [], "tests": [(NAME, 1)], "lines": 1}


MOMENTS = {"practice mid-session": practice_mid_session, "test mid-way": test_mid_way,
           "certificate with a name typed": certificate_with_name}
ENDINGS = ["SIGTERM", "SIGHUP", "SIGINT", "X server killed", "session-end request"]


class SessionManager:
    """The tests' own session manager on a unix socket; its logout asks the
    program to save for a shutdown, then to end."""

    def __init__(self, binary, folder):
        self.log = folder / "session-manager.log"
        with open(self.log, "w") as log:
            self.process = subprocess.Popen([binary, str(folder / "iceauth")],
                                            stdin=subprocess.PIPE, stdout=log,
                                            stderr=subprocess.STDOUT)
        address = wait_until(lambda: self.said(), "the session manager's address")[0]
        self.env = {"SESSION_MANAGER": address, "ICEAUTHORITY": str(folder / "iceauth")}

    def said(self, line=None):
        lines = self.log.read_text().splitlines()
        return lines if line is None else line in lines

    def tell(self, command):
        self.process.stdin.write(command.encode() + b"\n")
        self.process.stdin.flush()

    def end(self):
        """Ends it as it asks, by closing its input; returns what it heard and
        its exit code."""
        self.process.stdin.close()
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            stop(self.process)
        return self.said()[1:], self.process.returncode


def what_was_kept(run):
    log = run.data / "Numberlark/Numberlark/progress.sqlite"
    results = run.work / "numberlark.csv"
    kept = {"practice": [], "tests": [],
            "lines": len(results.read_text().splitlines()) if results.exists() else 0}
    if log.exists():
        with sqlite3.connect(log) as db:
            kept["practice"] = db.execute(
                "SELECT child, min(1, (SELECT count(*) FROM practice_answers a"
                " WHERE a.session_id = s.id)) FROM practice_sessions s").fetchall()
            kept["tests"] = db.execute("SELECT child, finished FROM tests").fetchall()
    return kept


def end_at(binaries, ending, moment, desktop):
    """None when the log and the results file hold what Quit would have kept."""
    binary, session_manager_binary = binaries
    with ProgramUnderTest(binary, settings={"allow_saving": 1, "num_of_questions": QUESTIONS},
                          start=False, desktop=desktop) as run:
        manager = None
        if ending == "session-end request":
            manager = SessionManager(session_manager_binary, run.root)
            run.extra_env.update(manager.env)
        run.start()
        if manager is not None:
            wait_until(lambda: manager.said("registered"), "the program joining the session")
        expected = MOMENTS[moment](run, desktop)
        began = time.monotonic()
        if ending.startswith("SIG"):
            run.program.send_signal(getattr(signal, ending))
        elif manager is not None:
            # A checkpoint saves and the session goes on: so does the program.
            manager.tell("checkpoint")
            wait_until(lambda: manager.said("saved 1"), "the checkpoint saved")
            if run.program.poll() is not None:
                return f"a checkpoint at {moment} ended the program"
            manager.tell("logout")
        else:
            stop(run.server)
        code = run.program.wait(timeout=10)
        print(f"e2e: {ending} at {moment}: ended with {code} after "
              f"{time.monotonic() - began:.2f} s")
        if manager is not None:
            told, manager_code = manager.end()
            print(f"e2e: the session manager heard: {', '.join(told)}")
            if told.count("saved 1") != 2 or manager_code != 0:
                return f"{ending} at {moment}: the session manager heard only {told}, " \
                    f"ended with {manager_code}"
        if ending == "X server killed":  # the next start takes in the journal
            run.server, run.display = start_xvfb()
            run.keyboard = Keyboard(run.display)
            run.start()
            poll(lambda: not (run.data / "Numberlark/Numberlark/progress-journal.json").exists(),
                 "the journal taken in")
            run.program.send_signal(signal.SIGTERM)
            run.program.wait(timeout=10)
        elif code != 0:
            return f"{ending} at {moment}: exit code {code}"
        kept = what_was_kept(run)
        return None if kept == expected else f"{ending} at {moment}: {kept}, not {expected}"


def main():
    if len(sys.argv) != 3:
        fail("usage: every_ending_keeps_the_work.py PATH_TO_NUMBERLARK "
             "PATH_TO_PRIVATE_SESSION_MANAGER")
    require_tools("dbus-daemon", "Xvfb", "xdotool")
    if gi is None or not Path(BUS_LAUNCHER).exists():
        skip("the AT-SPI bus (at-spi2-core, python3-gi, gir1.2-atspi-2.0) is not installed")
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
    with AccessibilityBus():
        Atspi.init()
        failures = [end_at(sys.argv[1:], ending, moment, Atspi.get_desktop(0))
                    for ending in ENDINGS for moment in MOMENTS]
    if any(failures):
        fail("\n".join(f for f in failures if f))


if __name__ == "__main__":
    main()
