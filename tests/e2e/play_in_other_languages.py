#!/usr/bin/env python3
"""The real binary in German and in Polish.

With LANG and LANGUAGE set, the Options window opens from the translated
menu (its accelerators included) under its translated title; a whole test
then writes the same results line as in English: English words, and the
date in the system's own short form.

In Polish the certificate is also saved as a PDF after tests of 1, 3 and 5
questions, and its text must use each of the language's three plural forms.

Usage: play_in_other_languages.py PATH_TO_NUMBERLARK
"""

import re
import signal
import subprocess
import sys
import time

from e2e_support import ProgramUnderTest, fail, require_tools
from take_a_whole_test import QUESTIONS, TABLE, check_results, take_test

# language, menu keys to the options window, its title
LANGUAGES = [
    ("de", "de_DE.UTF-8", ["alt+e", "o"], "Optionen"),
    ("pl", "pl_PL.UTF-8", ["alt+n", "o"], "Opcje"),
]
# A stuck step fails this language at the latest after this long, so the
# program and its display are still cleaned up.
LANGUAGE_LIMIT_S = 150
SYSTEM_DATE = re.compile(rb',"on \d{1,2}\.\d{1,2}\.\d{2,4} at \d{1,2}:\d\d:\d\d"\r\n$')


def open_options(run, keys, title):
    run.keyboard.keys(*keys)
    found = run.keyboard.xdotool("search", "--sync", "--onlyvisible", "--name", f"^{title}$")
    if not found.split():
        fail(f"no window titled {title}")
    run.keyboard.keys("Escape")
    time.sleep(0.5)
    run.keyboard.focus_window()


# Questions asked, and the Polish word the printed page must use for them.
POLISH_PLURALS = [(1, "pytanie"), (3, "pytania"), (5, "pytań")]


def answer_every_question(keyboard, questions):
    keyboard.choose_table(TABLE)
    keyboard.keys("shift+Tab", "shift+Tab", "space")
    time.sleep(0.5)
    keyboard.try_every_product(TABLE, 2 * questions)
    time.sleep(3.0)


def allow_printing(run):
    """Printing is off while the child answers, so the tries left over after
    the last answer cannot reach the Print button; Tools > Options turns it on
    for the rest of the run (Tab twice reaches its box from OK; Esc keeps it)."""
    run.keyboard.keys("alt+n")
    time.sleep(0.5)
    run.keyboard.keys("o")
    run.keyboard.xdotool("search", "--sync", "--onlyvisible", "--name", "^Opcje$")
    time.sleep(0.3)
    run.keyboard.keys("Tab", "Tab", "space", "Escape")
    time.sleep(0.5)
    run.keyboard.focus_window()


def saved_certificate_text(run):
    """File > Save Certificate As PDF... by the Polish access keys."""
    path = run.work / "dyplom.pdf"
    run.keyboard.keys("alt+p")
    time.sleep(0.5)
    run.keyboard.keys("p")
    run.keyboard.xdotool("search", "--sync", "--onlyvisible", "--name", "^Zapisz dyplom jako PDF$")
    time.sleep(0.3)
    run.keyboard.keys("ctrl+a")
    run.keyboard.type(str(path))
    run.keyboard.keys("Return")
    deadline = time.monotonic() + 10
    while not path.exists() and time.monotonic() < deadline:
        time.sleep(0.2)
    if not path.exists():
        fail("pl: the certificate was not saved as a PDF")
    time.sleep(0.5)
    return subprocess.run(["pdftotext", str(path), "-"], capture_output=True,
                          text=True).stdout


def check_polish_plurals(binary):
    for questions, word in POLISH_PLURALS:
        signal.alarm(LANGUAGE_LIMIT_S)
        env = {"LANG": "pl_PL.UTF-8", "LANGUAGE": "pl", "LC_ALL": ""}
        with ProgramUnderTest(binary, settings={"num_of_questions": questions}, env=env) as run:
            answer_every_question(run.keyboard, questions)
            allow_printing(run)
            text = " ".join(saved_certificate_text(run).split())
            if f"za {questions} {word} " not in text:
                fail(f"pl: after {questions} questions the page lacks 'za {questions} {word}': "
                     f"{text!r}")
        signal.alarm(0)
        print(f"e2e: pl: {questions} {word}")


def give_up(signum, frame):
    fail(f"no progress within {LANGUAGE_LIMIT_S} s")


def main():
    if len(sys.argv) != 2:
        fail("usage: play_in_other_languages.py PATH_TO_NUMBERLARK")
    require_tools("pdftotext")
    settings = {"allow_saving": 1, "num_of_questions": QUESTIONS}
    signal.signal(signal.SIGALRM, give_up)
    for language, locale, keys, title in LANGUAGES:
        signal.alarm(LANGUAGE_LIMIT_S)
        env = {"LANG": locale, "LANGUAGE": language, "LC_ALL": ""}
        with ProgramUnderTest(sys.argv[1], settings=settings, env=env) as run:
            open_options(run, keys, title)
            take_test(run.keyboard)
            run.wait_for_exit()
            check_results(run.work)
            if not SYSTEM_DATE.search((run.work / "numberlark.csv").read_bytes()):
                fail(f"{language}: the date is not in the system's short form")
        signal.alarm(0)
        print(f"e2e: {language} passed")
    check_polish_plurals(sys.argv[1])


if __name__ == "__main__":
    main()
