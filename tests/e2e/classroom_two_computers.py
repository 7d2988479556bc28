#!/usr/bin/env python3
"""Two computers of one classroom deliver a child's tests to the tests'
private PostgreSQL (private_classroom_server, on a unix socket).

The first computer's server freezes: it takes the connection and never
answers. Quit still ends the program at once and cleanly, the test waits in
the log, and the next start, with the server answering, delivers it. The
second computer delivers at Quit. The server then holds both tests, each
under the login of the computer that sent it, and a third computer with the
teacher's login, whose own log is empty, shows them together: its progress
window in Class saves a report of Ada that counts both tests and her Known
facts as the whole class's table (exported for a spreadsheet) counts them.

Usage: classroom_two_computers.py PATH_TO_NUMBERLARK PATH_TO_PRIVATE_CLASSROOM_SERVER
"""

import csv
import re
import socket
import sqlite3
import subprocess
import sys
import tempfile

from e2e_support import ACCESSIBLE_ENV, AccessibilityBus, ProgramUnderTest, \
    accessibility_bindings, accessible_desktop, ask, fail, private_classroom_server, \
    require_tools, stop, take_a_test, wait_for_accessible, wait_until

# Under the system's interpreter when that is the one with the bindings that
# read the screen, before anything starts.
accessibility_bindings()

# One question, so one round of tries always finishes the test.
SETTINGS = {"allow_saving": 1, "num_of_questions": 1}
# Quit gives the delivery 2 s; the rest is the recording and the window going.
QUIT_WAIT_S = 6


def set_server(run, conninfo):
    conf = run.config / "Numberlark" / "Numberlark.conf"
    conf.write_text(conf.read_text().split("[Classroom]")[0] +
                    f"[Classroom]\nserver=\"{conninfo}\"\n")


def waiting_in_log(run):
    with sqlite3.connect(run.data / "Numberlark" / "Numberlark" / "progress.sqlite") as db:
        return db.execute("SELECT COUNT(*) FROM tests WHERE delivered = 0").fetchone()[0]


def take_a_test_and_quit(run, conninfo, table, desktop):
    set_server(run, conninfo)
    run.start()
    take_a_test(run.keyboard, table, "Ada", desktop=desktop)
    run.wait_for_exit(timeout=QUIT_WAIT_S)


def first_computer(binary, conninfo, desktop):
    with ProgramUnderTest(binary, settings=SETTINGS, env=ACCESSIBLE_ENV, start=False,
                          desktop=desktop) as run, \
            tempfile.TemporaryDirectory() as frozen_folder, \
            socket.socket(socket.AF_UNIX) as frozen:
        frozen.bind(f"{frozen_folder}/.s.PGSQL.5432")
        frozen.listen(16)  # connections wait in the backlog, never answered
        take_a_test_and_quit(run, conninfo.replace(conninfo.split()[0], f"host={frozen_folder}"), 3,
                             desktop)
        if waiting_in_log(run) != 1:
            fail("the test the frozen server never took is not waiting in the log")
        set_server(run, conninfo)
        run.start(focus=False)
        wait_until(lambda: not waiting_in_log(run), "the next start to deliver the waiting test",
                   timeout=30, step=0.5)
        stop(run.program)


def second_computer(binary, conninfo, desktop):
    with ProgramUnderTest(binary, settings=SETTINGS, env=ACCESSIBLE_ENV, start=False,
                          desktop=desktop) as run:
        take_a_test_and_quit(run, conninfo, 4, desktop)
        if waiting_in_log(run):
            fail("the test was not delivered at Quit")


def class_table_known(run, child):
    """The facts the class table's spreadsheet export says the child knows."""
    table = run.root / "class.csv"
    run.keyboard.keys("alt+e")
    run.keyboard.focus_window("^Export for Spreadsheet$")
    run.keyboard.keys("ctrl+a")
    run.keyboard.type(str(table))
    run.keyboard.keys("Return")
    wait_until(table.exists, "the class table to be exported", timeout=15, step=0.5)
    run.keyboard.focus_window("^Progress$", accessible_name="^Progress of class class_4b$")
    rows = list(csv.reader(table.read_text(encoding="utf-8-sig").splitlines()))
    found = next((row for row in rows[1:] if row[0] == child), None)
    if rows[0][2] != "Facts known" or found is None:
        fail(f"the class table has no facts known of {child}: {rows[:2]}")
    return int(found[2])


def teacher_sees_both(binary, conninfo, desktop):
    with ProgramUnderTest(binary, settings=SETTINGS, env=ACCESSIBLE_ENV, start=False,
                          desktop=desktop) as run:
        set_server(run, conninfo)
        run.start()
        keyboard = run.keyboard
        keyboard.keys("alt+t", "p")
        keyboard.focus_window("^Progress$")
        # The login is checked, and the class read, off the window's thread.
        wait_for_accessible(desktop, re.compile("^Class$"), states=("showing",), timeout=30)
        keyboard.keys("alt+a")
        wait_for_accessible(desktop, re.compile("^Progress of class class_4b$"), timeout=30)
        known = class_table_known(run, "Ada")
        keyboard.keys("alt+c", "Down")  # past "Whole Class" to the one child
        wait_for_accessible(desktop, re.compile("^Progress of Ada$"), timeout=30)
        report = run.root / "class-report.pdf"
        keyboard.keys("alt+r")
        keyboard.focus_window("^Save Report as PDF$")
        keyboard.keys("ctrl+a")
        keyboard.type(str(report))
        keyboard.keys("Return")
        wait_until(report.exists, "the teacher's window to save a report of the class's child",
                   timeout=15, step=0.5)
        text = subprocess.run(["pdftotext", "-layout", str(report), "-"], capture_output=True,
                              text=True, check=True).stdout
        if "Ada" not in text or "2 tests" not in text:
            fail(f"the teacher's report of Ada does not count both computers' tests:\n{text}")
        if f"Known ({known})" not in text:
            fail(f"the class table says Ada knows {known} facts; her report says:\n{text}")
        print("e2e: the teacher's window shows Ada with both computers' tests")


def main():
    if len(sys.argv) != 3:
        fail("usage: classroom_two_computers.py PATH_TO_NUMBERLARK PATH_TO_PRIVATE_CLASSROOM_SERVER")
    require_tools("pdftotext", "dbus-daemon")
    with AccessibilityBus():
        deliver_and_read(accessible_desktop())


def deliver_and_read(desktop):
    with private_classroom_server(sys.argv[2]) as server:
        first_computer(sys.argv[1], ask(server, "login pc1 numberlark_computer,class_4b"), desktop)
        second_computer(sys.argv[1], ask(server, "login pc2 numberlark_computer,class_4b"),
                        desktop)
        held = ask(server, "sql SELECT child, table_number, delivered_by FROM tests"
                           " ORDER BY delivered_by")
        if held == "Ada|3|pc1|Ada|4|pc2":
            teacher_sees_both(sys.argv[1], ask(server, "login teacher numberlark_teacher,class_4b"),
                              desktop)
    if held != "Ada|3|pc1|Ada|4|pc2":
        fail(f"the server holds {held!r}, not both computers' tests")
    print(f"e2e: the server holds {held}")


if __name__ == "__main__":
    main()
