#!/usr/bin/env python3
"""A whole session by keys alone, in the real numberlark binary.

Real X key presses choose "Other" with the arrow keys and type 7 into its
box, start the test, answer, type the name, set every option (closing once
with Esc and once with OK), print (no printer, so the certificate goes to a
PDF through the save dialog), save the certificate through File and its
access keys, follow the about window's link and quit. The results line, the
two PDF files, the stored settings and the opened address must show that
every step happened. Each Tab must change what the screen shows, so the
focus is always visible.

There is no window manager under Xvfb: when a secondary window closes, the
test gives the main window the focus back, as a window manager does.

Usage: keyboard_only_session.py PATH_TO_NUMBERLARK
"""

import hashlib
import re
import subprocess
import sys
import time

from e2e_support import PROGRESS_WINDOW, ProgramUnderTest, fail, finish_test, require_tools, \
    wait_until

QUESTIONS = 2
TABLE = 7
NAME = "Kim"
REPAINT_WAIT_S = 2.0
# The face animation at the top of the options and about windows changes on
# its own; only the part of those windows below it is compared.
BELOW_THE_FACE_PX = 110

OPENER = """#!/bin/sh
printf '%s\\n' "$1" >> "{log}"
"""


class Screen:
    def __init__(self, run):
        self.keyboard = run.keyboard
        self.env = run.keyboard.env

    def window_area(self, title, skip_top=0):
        window_id = self.keyboard.xdotool("search", "--sync", "--onlyvisible", "--name",
                                          title).split()[0]
        shell = self.keyboard.xdotool("getwindowgeometry", "--shell", window_id)
        g = dict(line.split("=") for line in shell.split())
        return (f"{g['WIDTH']}x{int(g['HEIGHT']) - skip_top}"
                f"+{g['X']}+{int(g['Y']) + skip_top}")

    def fingerprint(self, area):
        picture = subprocess.run(["import", "-window", "root", "-crop", area, "-depth", "8",
                                  "rgb:-"], env=self.env, capture_output=True, check=True)
        return hashlib.sha1(picture.stdout).hexdigest()

    def steady_fingerprint(self, area):
        """The area's picture once two looks in a row agree, so what a key
        changes is told from a window still being drawn."""
        looks = [self.fingerprint(area)]
        wait_until(lambda: looks.append(self.fingerprint(area)) or looks[-1] == looks[-2],
                   f"the screen at {area} to settle", timeout=REPAINT_WAIT_S, step=0.05)
        return looks[-1]

    def each_key_shows_focus(self, area, where, *names):
        """Presses the keys one by one; each must change the area's picture."""
        for name in names:
            before = self.steady_fingerprint(area)
            self.keyboard.keys(name)
            deadline = time.monotonic() + REPAINT_WAIT_S
            while self.fingerprint(area) == before:
                if time.monotonic() > deadline:
                    fail(f"{where}: after {name} the screen did not show where the focus went")
                time.sleep(0.05)


def choose_other_table(keys, screen):
    area = screen.window_area("^Number Lark$")
    # TEST, Quit, then into the table group on the selected 9 times table;
    # the arrows select their way down to "Other".
    screen.each_key_shows_focus(area, "table choice", "Tab", "Tab", *["Down"] * 5)
    screen.each_key_shows_focus(area, "the Other box", "shift+Tab")
    keys.keys("ctrl+a", str(TABLE))
    screen.each_key_shows_focus(area, "back to TEST", "Tab", "Tab")


def take_test(keys):
    keys.keys("space")
    finish_test(keys, QUESTIONS)
    keys.keys("ctrl+a")
    keys.type(NAME)


def set_every_option(keys, screen):
    """First visit: sound and printing on, remember, 5 questions; Esc saves."""
    keys.keys("alt+t", "o")
    keys.focus_window("^Options$")
    area = screen.window_area("^Options$", BELOW_THE_FACE_PX)
    screen.each_key_shows_focus(area, "options", "Tab", "space", "Tab", "space", "Tab", "Tab",
                                "space", "Tab")
    keys.keys("ctrl+a", "5")
    screen.each_key_shows_focus(area, "options", "Tab", "Tab")  # View Results, back to OK
    keys.close_window("^Options$", "Escape")


def turn_sound_off_with_ok(keys):
    """Second visit: sound off, remember, and OK by Enter."""
    keys.keys("alt+t", "o")
    keys.focus_window("^Options$")
    keys.close_window("^Options$", "Tab", "space", "Tab", "Tab", "Tab", "space",
                      *["shift+Tab"] * 4, "Return")


def save_as_pdf(keys, path):
    keys.focus_window("^Save Certificate as PDF$")
    keys.keys("ctrl+a")
    keys.type(str(path))
    keys.close_window("^Save Certificate as PDF$", "Return")
    wait_until(path.exists, f"the certificate saved at {path}")


def print_and_save(keys, work):
    # Enter in the name box moves to Print; with no printer the offer of a
    # PDF has "Save as PDF..." as its default button.
    keys.keys("Return", "space")
    keys.focus_window("^Printing Error$")
    keys.keys("Return")
    save_as_pdf(keys, work / "printed.pdf")
    keys.keys("alt+f", "a")
    save_as_pdf(keys, work / "saved.pdf")


def follow_the_link(keys, screen, opened_log):
    keys.keys("alt+a")
    keys.focus_window("^About Numberlark$")
    area = screen.window_area("^About Numberlark$", BELOW_THE_FACE_PX)
    screen.each_key_shows_focus(area, "about", "Tab")
    keys.keys("Return")
    wait_until(opened_log.exists, "the about window's link opened")
    screen.each_key_shows_focus(area, "about", "Tab")
    keys.close_window("^About Numberlark$", "space")  # OK


def visit_progress(keys, screen):
    """Tools > Progress... by access keys; Tab shows where the focus is (with
    no test kept yet, Import Results File... is the window's one control),
    and Esc closes the window."""
    keys.keys("alt+t", "p")
    keys.focus_window(**PROGRESS_WINDOW)
    area = screen.window_area("^Progress$")
    screen.each_key_shows_focus(area, "progress", "Tab")
    keys.close_window("^Progress$", "Escape")


def quit_by_keys(keys, screen):
    # The focus is back on Print; Tab goes round to the name box, then Quit.
    area = screen.window_area("^Number Lark$")
    screen.each_key_shows_focus(area, "certificate", "Tab", "Tab")
    keys.keys("space")


def check_outcome(run, opened_log):
    results = (run.work / "numberlark.csv").read_bytes().decode()
    pattern = rf'^"{NAME}",{TABLE},"times table",{QUESTIONS},"questions",'
    if not re.match(pattern, results):
        fail(f"unexpected results file: {results!r}")
    for name in ("printed.pdf", "saved.pdf"):
        pdf = run.work / name
        text = subprocess.run(["pdftotext", str(pdf), "-"], capture_output=True,
                              text=True).stdout if pdf.exists() else ""
        if NAME not in text:
            fail(f"{name} is missing or does not name {NAME}")
    settings = (run.config / "Numberlark" / "Numberlark.conf").read_text()
    for expected in ("allow_printing=1", "allow_sound=0", "num_of_questions=5"):
        if expected not in settings:
            fail(f"the stored settings lack {expected}: {settings!r}")
    opened = opened_log.read_text() if opened_log.exists() else ""
    if not opened.startswith("http"):
        fail(f"the about window's link opened nothing by keys: {opened!r}")
    print(f"e2e: results line: {results.strip()}; link opened: {opened.strip()}")


def main():
    if len(sys.argv) != 2:
        fail("usage: keyboard_only_session.py PATH_TO_NUMBERLARK")
    require_tools("import", "pdftotext")
    settings = {"allow_saving": 1, "num_of_questions": QUESTIONS}
    with ProgramUnderTest(sys.argv[1], settings=settings, start=False,
                          readable=True) as run:
        # The desktop's opener of addresses, standing in for a web browser.
        bin_dir = run.root / "bin"
        bin_dir.mkdir()
        opened_log = run.root / "opened.txt"
        (bin_dir / "xdg-open").write_text(OPENER.format(log=opened_log))
        (bin_dir / "xdg-open").chmod(0o755)
        run.extra_env.update(PATH=f"{bin_dir}:{run.environment()['PATH']}",
                             CUPS_SERVER=str(run.root / "no-printer-server"))
        run.start()
        keys, screen = run.keyboard, Screen(run)
        choose_other_table(keys, screen)
        take_test(keys)
        set_every_option(keys, screen)
        print_and_save(keys, run.work)
        turn_sound_off_with_ok(keys)
        follow_the_link(keys, screen, opened_log)
        visit_progress(keys, screen)
        quit_by_keys(keys, screen)
        run.wait_for_exit()
        check_outcome(run, opened_log)


if __name__ == "__main__":
    main()
