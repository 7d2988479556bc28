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

from e2e_support import ProgramUnderTest, fail, finish_test, require_tools, wait_for_question, \
    wait_until
from take_a_whole_test import QUESTIONS, TABLE, check_results, take_test

POLISH_NAME_BOX = "Twoje imię"
# language, menu keys to the options window, its title, the certificate's name box
LANGUAGES = [
    ("de", "de_DE.UTF-8", ["alt+e", "o"], "Optionen", "Dein Name"),
    ("pl", "pl_PL.UTF-8", ["alt+n", "o"], "Opcje", POLISH_NAME_BOX),
]
# A stuck step fails this language at the latest after this long, so the
# program and its display are still cleaned up.
LANGUAGE_LIMIT_S = 150
SYSTEM_DATE = re.compile(rb',"on \d{1,2}\.\d{1,2}\.\d{2,4} at \d{1,2}:\d\d:\d\d"\r\n$')


def open_options(run, keys, title):
    run.keyboard.choose_from_menu(*keys)
    run.keyboard.focus_window(f"^{title}$")
    run.keyboard.close_window(f"^{title}$", "Escape")


# Questions asked, and the Polish word the printed page must use for them.
POLISH_PLURALS = [(1, "pytanie"), (3, "pytania"), (5, "pytań")]


def answer_every_question(keyboard, questions):
    keyboard.choose_table(TABLE)
    keyboard.keys("shift+Tab", "shift+Tab", "space")
    wait_for_question(keyboard.desktop)
    finish_test(keyboard, questions, name_box=POLISH_NAME_BOX)


def allow_printing(run):
    """Printing is off while the child answers, so the tries left over after
    the last answer cannot reach the Print button; Tools > Options turns it on
    for the rest of the run (Tab twice reaches its box from OK; Esc keeps it)."""
    run.keyboard.choose_from_menu("alt+n", "o")
    run.keyboard.focus_window("^Opcje$")
    run.keyboard.close_window("^Opcje$", "Tab", "Tab", "space", "Escape")


def saved_certificate_text(run):
    """File > Save Certificate As PDF... by the Polish access keys."""
    path = run.work / "dyplom.pdf"
    run.keyboard.choose_from_menu("alt+p", "p")
    run.keyboard.focus_window("^Zapisz dyplom jako PDF$")
    run.keyboard.keys("ctrl+a")
    run.keyboard.type(str(path))
    run.keyboard.keys("Return")

    def whole_pdf_text():
        read = subprocess.run(["pdftotext", str(path), "-"], capture_output=True, text=True) \
            if path.exists() else None
        return read.stdout if read is not None and read.returncode == 0 else None
    return wait_until(whole_pdf_text, "pl: the certificate saved as a whole PDF")


def check_polish_plurals(binary):
    for questions, word in POLISH_PLURALS:
        signal.alarm(LANGUAGE_LIMIT_S)
        env = {"LANG": "pl_PL.UTF-8", "LANGUAGE": "pl", "LC_ALL": ""}
        with ProgramUnderTest(binary, settings={"num_of_questions": questions}, env=env,
                              readable=True) as run:
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
    for language, locale, keys, title, name_box in LANGUAGES:
        signal.alarm(LANGUAGE_LIMIT_S)
        env = {"LANG": locale, "LANGUAGE": language, "LC_ALL": ""}
        with ProgramUnderTest(sys.argv[1], settings=settings, env=env, readable=True) as run:
            open_options(run, keys, title)
            take_test(run.keyboard, name_box)
            run.wait_for_exit()
            check_results(run.work)
            if not SYSTEM_DATE.search((run.work / "numberlark.csv").read_bytes()):
                fail(f"{language}: the date is not in the system's short form")
        signal.alarm(0)
        print(f"e2e: {language} passed")
    check_polish_plurals(sys.argv[1])


if __name__ == "__main__":
    main()
