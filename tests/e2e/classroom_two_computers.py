#!/usr/bin/env python3
"""Two computers of one classroom deliver a child's tests to a private
PostgreSQL server, started by the private_classroom_server helper on a unix
socket.

The first computer's server freezes: it takes the connection and never
answers. Quit must still end the program at once, cleanly, and the test
waits in the log; the next start, with the server answering, delivers it.
The second computer delivers its test at Quit. The server then holds both,
each under the login of the computer that sent it.

Usage: classroom_two_computers.py PATH_TO_NUMBERLARK PATH_TO_PRIVATE_CLASSROOM_SERVER
"""

import socket
import sqlite3
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from e2e_support import ProgramUnderTest, fail, require_tools, skip, stop, take_a_test

CHILD = "Ada"
# One question, so one round of tries always finishes the test.
SETTINGS = {"allow_saving": 1, "num_of_questions": 1}
# Quit gives the delivery 2 s; the rest is the recording and the window going.
QUIT_WAIT_S = 6
DELIVERY_WAIT_S = 30


class ClassroomServer:
    def __init__(self, helper):
        self.process = subprocess.Popen([helper], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True)
        first = self.ask(None)
        if first.startswith("missing"):
            skip("PostgreSQL's server programs are not installed")
        if first != "ready":
            fail(f"the private classroom server did not start: {first}")

    def ask(self, line):
        if line:
            self.process.stdin.write(line + "\n")
            self.process.stdin.flush()
        return self.process.stdout.readline().strip()


def frozen_server(folder):
    """A socket where libpq looks for a server, taking connections into its
    backlog and never answering them."""
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(str(folder / ".s.PGSQL.5432"))
    listener.listen(16)
    return listener


def set_server(run, conninfo):
    conf = run.config / "Numberlark" / "Numberlark.conf"
    text = conf.read_text().split("[Classroom]")[0]
    conf.write_text(text + f"[Classroom]\nserver=\"{conninfo}\"\n")


def waiting_in_log(run):
    with sqlite3.connect(run.data / "Numberlark" / "Numberlark" / "progress.sqlite") as db:
        return db.execute("SELECT COUNT(*) FROM tests WHERE delivered = 0").fetchone()[0]


def first_computer(binary, conninfo):
    with ProgramUnderTest(binary, settings=SETTINGS, start=False) as run, \
            tempfile.TemporaryDirectory() as frozen_folder:
        listener = frozen_server(Path(frozen_folder))
        set_server(run, conninfo.replace(conninfo.split()[0], f"host={frozen_folder}"))
        run.start()
        take_a_test(run.keyboard, 3, CHILD)
        run.wait_for_exit(timeout=QUIT_WAIT_S)
        listener.close()
        if waiting_in_log(run) != 1:
            fail("the test the frozen server never took is not waiting in the log")
        set_server(run, conninfo)
        run.start(focus=False)
        deadline = time.monotonic() + DELIVERY_WAIT_S
        while waiting_in_log(run) and time.monotonic() < deadline:
            time.sleep(0.5)
        stop(run.program)
        if waiting_in_log(run):
            fail("the next start did not deliver the waiting test")


def second_computer(binary, conninfo):
    with ProgramUnderTest(binary, settings=SETTINGS, start=False) as run:
        set_server(run, conninfo)
        run.start()
        take_a_test(run.keyboard, 4, CHILD)
        run.wait_for_exit(timeout=QUIT_WAIT_S)
        if waiting_in_log(run):
            fail("the test was not delivered at Quit")


def main():
    if len(sys.argv) != 3:
        fail("usage: classroom_two_computers.py PATH_TO_NUMBERLARK PATH_TO_PRIVATE_CLASSROOM_SERVER")
    require_tools()
    server = ClassroomServer(sys.argv[2])
    try:
        first_computer(sys.argv[1], server.ask("login pc1 numberlark_computer"))
        second_computer(sys.argv[1], server.ask("login pc2 numberlark_computer"))
        held = server.ask("sql SELECT child, table_number, delivered_by FROM tests"
                          " ORDER BY delivered_by")
    finally:
        server.process.stdin.close()
        server.process.wait(timeout=60)
    if held != f"{CHILD}|3|pc1|{CHILD}|4|pc2":
        fail(f"the server holds {held!r}, not both computers' tests")
    print(f"e2e: the server holds {held}")


if __name__ == "__main__":
    main()
