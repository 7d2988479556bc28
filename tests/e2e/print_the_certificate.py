#!/usr/bin/env python3
"""Prints the certificate of a finished test from the real numberlark binary
on a real, private CUPS server with a PDF queue.

The server is a cupsd of the test's own: its configuration, spool and logs
in a temporary folder, listening only on a unix socket there, in a mount
namespace of its own where the PDF backend reads the test's configuration.
The program finds it through CUPS_SERVER. Each press of Print and of
File > Print must give exactly one one-page job holding the child's name and
the result; a queue that is stopped or rejects jobs must bring the
"Printing Error" message and no job. The test is then kept at Quit, and the
practice sheet printed from the progress window must meet a queue that
rejects jobs and a stopped queue the same way.

Needs root (cupsd and the mount namespace); skipped otherwise.

Usage: print_the_certificate.py PATH_TO_NUMBERLARK
"""

import os
import re
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from e2e_support import PROGRESS_WINDOW, ProgramUnderTest, fail, finish_test, require_tools, \
    skip, wait_for_question

TABLE = 7
NAME = "Robin"
QUEUE = "certificates"
PDF_BACKEND = Path("/usr/lib/cups/backend/cups-pdf")
PDF_DRIVER = Path("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")
PDF_BACKEND_CONF = Path("/etc/cups/cups-pdf.conf")
JOB_WAIT_S = 30

# Each way a queue can refuse the certificate, from the state the previous
# one left.
REFUSALS = {
    "a queue that rejects jobs": [lambda cups: cups.run("cupsreject", QUEUE)],
    "a stopped queue": [lambda cups: cups.run("cupsaccept", QUEUE),
                        lambda cups: cups.run("cupsdisable", QUEUE)],
    "a job that fails": [lambda cups: cups.run("cupsenable", QUEUE),
                         lambda cups: cups.write_pdf_backend_conf("/dev/null/nowhere")],
}
STOPPED_BEFORE_THE_JOB = ("a queue that rejects jobs", "a stopped queue")


class PrivateCups:
    """A cupsd with everything in a temporary folder, on a unix socket only."""

    def __enter__(self):
        self._temp = tempfile.TemporaryDirectory(prefix="numberlark-cups-")
        self.root = Path(self._temp.name)
        # The filters run as the server's unprivileged user.
        self.root.chmod(0o755)
        self.socket = self.root / "cups.sock"
        self.spool = self.root / "spool"
        self.process = None
        try:
            self._write_configuration()
            self._start()
        except BaseException:
            self.__exit__()
            raise
        return self

    def _write_configuration(self):
        temp = self.root / "tmp"
        for folder in ("spool", "cache", "state", "log", "out"):
            (self.root / folder).mkdir()
        temp.mkdir()
        temp.chmod(0o1777)
        (self.root / "cups-files.conf").write_text("".join(
            f"{key} {value}\n" for key, value in {
                "ServerRoot": self.root, "RequestRoot": self.spool,
                "CacheDir": self.root / "cache", "StateDir": self.root / "state",
                "TempDir": temp, "AccessLog": self.root / "log/access_log",
                "ErrorLog": self.root / "log/error_log", "PageLog": self.root / "log/page_log",
            }.items()))
        (self.root / "cupsd.conf").write_text(
            f"Listen {self.socket}\nBrowsing No\nWebInterface No\nLogLevel info\n"
            "DefaultAuthType None\nPreserveJobFiles Yes\nPreserveJobHistory Yes\n"
            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
        self.write_pdf_backend_conf(self.root / "out")

    def write_pdf_backend_conf(self, out):
        """Where cups-pdf puts the printed PDFs; rewritten in place, so the
        bound copy follows."""
        (self.root / "cups-pdf.conf").write_text(
            f"Out {out}\nAnonDirName {out}\nSpool {self.root / 'tmp'}\n"
            f"Log {self.root / 'log'}\n")

    def printed(self):
        return sorted((self.root / "out").glob("*.pdf"))

    def _start(self):
        # cups-pdf reads its configuration from one fixed path; the test's own
        # is bound over it in a private mount namespace, seen only by this cupsd.
        script = (f'mount --bind "$1" {PDF_BACKEND_CONF} && '
                  'exec cupsd -f -c "$2" -s "$3"')
        self.process = subprocess.Popen(
            ["unshare", "--mount", "--propagation", "private", "sh", "-c", script, "cupsd",
             self.root / "cups-pdf.conf", self.root / "cupsd.conf",
             self.root / "cups-files.conf"],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline and self.process.poll() is None:
            if self.socket.exists() and self.run("lpstat", "-r", check=False).returncode == 0:
                return
            time.sleep(0.1)
        output = self.process.stdout.read().decode(errors="replace") \
            if self.process.poll() is not None else ""
        skip(f"a private cupsd could not be started: {output.strip() or 'no answer'}")

    def env(self):
        return dict(os.environ, CUPS_SERVER=str(self.socket))

    def run(self, *command, check=True):
        result = subprocess.run(command, env=self.env(), capture_output=True, text=True,
                                timeout=30)
        if check and result.returncode != 0:
            fail(f"{' '.join(command)} failed: {result.stderr.strip()}")
        return result

    def add_pdf_queue(self):
        self.run("lpadmin", "-p", QUEUE, "-E", "-v", "cups-pdf:/", "-P", str(PDF_DRIVER))
        self.run("lpadmin", "-d", QUEUE)

    def jobs(self, which):
        """Ids of the queue's jobs: which is 'completed' or 'not-completed'."""
        listing = self.run("lpstat", "-W", which, "-o", QUEUE).stdout
        return sorted(int(m) for m in re.findall(rf"^{QUEUE}-(\d+)\s", listing, re.M))

    def document(self, job):
        """The document the program sent, as the server keeps it."""
        return self.spool / f"d{job:05d}-001"

    def __exit__(self, *exc):
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self._temp.cleanup()
        return False


def finish_a_test(run):
    """A one-question test of the 7 times table, then the name."""
    keyboard = run.keyboard
    # TEST has the focus; the arrows select the 7 times table; back over Quit
    # to TEST.
    keyboard.choose_table(TABLE)
    keyboard.keys("shift+Tab", "shift+Tab", "space")
    wait_for_question(keyboard.desktop)
    finish_test(keyboard)
    keyboard.keys("ctrl+a")
    keyboard.type(NAME)
    # Enter in the name box moves the focus to Print.
    keyboard.keys("Return")


def wait_for_jobs(cups, count):
    deadline = time.monotonic() + JOB_WAIT_S
    while time.monotonic() < deadline:
        if len(cups.jobs("completed")) >= count and not cups.jobs("not-completed"):
            return
        time.sleep(0.2)
    fail(f"expected {count} printed jobs, found {cups.jobs('completed')} printed and "
         f"{cups.jobs('not-completed')} waiting")


def check_printed_page(cups, job, how):
    document = cups.document(job)
    pages = re.search(r"^Pages:\s+(\d+)", subprocess.run(
        ["pdfinfo", document], capture_output=True, text=True).stdout, re.M)
    if pages is None or pages.group(1) != "1":
        fail(f"{how}: job {job} is not one page")
    text = " ".join(subprocess.run(["pdftotext", document, "-"], capture_output=True,
                                   text=True).stdout.split())
    for expected in (rf"\b{NAME}\b", r"Completed 1 questions from the",
                     rf"\*\* {TABLE} \*\*", r"times table in a time of: \d+ seconds"):
        if not re.search(expected, text):
            fail(f"{how}: job {job} lacks {expected!r}: {text[:300]}")
    print(f"e2e: {how}: job {job}, one page with the name and the result")


def print_and_check(run, cups, keys, how):
    before, printed = cups.jobs("completed"), cups.printed()
    run.keyboard.focus_window()
    run.keyboard.keys(*keys)
    wait_for_jobs(cups, len(before) + 1)
    new = sorted(set(cups.jobs("completed")) - set(before))
    if len(new) != 1 or len(cups.printed()) != len(printed) + 1:
        fail(f"{how}: one press gave the jobs {new} and {cups.printed()} printed")
    check_printed_page(cups, new[0], how)


def refused_and_check(run, cups, how):
    jobs, printed = cups.jobs("completed") + cups.jobs("not-completed"), cups.printed()
    run.keyboard.focus_window()
    run.keyboard.keys("space")
    # The message offers a PDF instead; Escape declines.
    run.keyboard.focus_window("^Printing Error$")
    run.keyboard.close_window("^Printing Error$", "Escape")
    if cups.printed() != printed:
        fail(f"{how}: a certificate was printed after all")
    if how in STOPPED_BEFORE_THE_JOB and \
            cups.jobs("completed") + cups.jobs("not-completed") != jobs:
        fail(f"{how}: the refused certificate left a job")
    print(f"e2e: {how}: \"Printing Error\", nothing printed")


def practice_sheet_refused(run, cups):
    """Print Practice Sheet in the progress window, on each queue that takes
    no job: "Printing Error", and no job."""
    run.start()
    run.keyboard.choose_from_menu("alt+t", "p")
    for how in STOPPED_BEFORE_THE_JOB:
        for command in REFUSALS[how]:
            command(cups)
        jobs = cups.jobs("completed") + cups.jobs("not-completed")
        run.keyboard.focus_window(**PROGRESS_WINDOW)
        run.keyboard.keys("alt+s")
        run.keyboard.focus_window("^Printing Error$")
        run.keyboard.keys("Escape")
        run.keyboard.wait_for_window_gone("^Printing Error$")
        if cups.jobs("completed") + cups.jobs("not-completed") != jobs:
            fail(f"the practice sheet on {how}: a job was left")
        print(f"e2e: the practice sheet on {how}: \"Printing Error\", nothing printed")


def check_preconditions():
    if os.geteuid() != 0:
        skip("starting a private cupsd in its own mount namespace needs root")
    require_tools("cupsd", "lpadmin", "lpstat", "cupsreject", "cupsaccept", "cupsdisable",
                  "cupsenable", "unshare", "pdfinfo", "pdftotext")
    for needed in (PDF_BACKEND, PDF_DRIVER, PDF_BACKEND_CONF):
        if not needed.exists():
            fail(f"{needed} is missing; install printer-driver-cups-pdf with "
                 "scripts/install-deps.sh")


def main():
    if len(sys.argv) != 2:
        fail("usage: print_the_certificate.py PATH_TO_NUMBERLARK")
    check_preconditions()
    with PrivateCups() as cups:
        cups.add_pdf_queue()
        settings = {"allow_printing": 1, "allow_saving": 1, "num_of_questions": 1}
        with ProgramUnderTest(sys.argv[1], settings=settings,
                              env={"CUPS_SERVER": str(cups.socket)}, start=False,
                              readable=True) as run:
            run.start()
            finish_a_test(run)
            # The focus is on Print.
            print_and_check(run, cups, ["space"], "the Print button")
            print_and_check(run, cups, ["alt+f", "p"], "File > Print")
            for how, commands in REFUSALS.items():
                for command in commands:
                    command(cups)
                refused_and_check(run, cups, how)
            # The focus is back on Print; Tab goes round to the name box, then Quit.
            run.keyboard.focus_window()
            run.keyboard.keys("Tab", "Tab", "space")
            run.wait_for_exit()
            practice_sheet_refused(run, cups)

if __name__ == "__main__":
    main()
