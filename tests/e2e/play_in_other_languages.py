#!/usr/bin/env python3
"""The real binary in German and in Polish.

With LANG and LANGUAGE set, the Options window opens from the translated
menu (its accelerators included) under its translated title; a whole test
then writes the same results line as in English: English words, and the
date in the system's own short form.

Usage: play_in_other_languages.py PATH_TO_NUMBERLARK
"""

import re
import signal
import sys
import time

from e2e_support import ProgramUnderTest, fail, require_tools
from take_a_whole_test import QUESTIONS, check_results, take_test

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


def give_up(signum, frame):
    fail(f"no progress within {LANGUAGE_LIMIT_S} s")


def main():
    if len(sys.argv) != 2:
        fail("usage: play_in_other_languages.py PATH_TO_NUMBERLARK")
    require_tools()
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


if __name__ == "__main__":
    main()
