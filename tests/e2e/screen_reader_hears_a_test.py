#!/usr/bin/env python3
"""What a blind child and her parent hear from the real Orca, run privately
(see e2e_support.Orca), read from what speech-dispatcher played: a practice
session to its summary, the progress window's facts grid, then the table
choice, a two-question test with the first question answered wrongly twice
and "where am I" asked, and the certificate; then, with a teacher's login to
a private classroom server, the class view. Each key press is marked in time and
waits until the reader falls silent; every check reads what was played from
one key to the next. The moments a child waits for are printed as "speech:"
lines for the benchmark; when a check fails, what was played is kept in
screen_reader_heard.txt in the working folder.

Usage: screen_reader_hears_a_test.py PATH_TO_NUMBERLARK PATH_TO_PRIVATE_CLASSROOM_SERVER
"""

import datetime
import re
import sys
import time
from pathlib import Path

from classroom_two_computers import set_server
from e2e_support import BUS_LAUNCHER, PRACTICE_WINDOW, WAIT_S, AccessibilityBus, Orca, \
    ProgramUnderTest, accessibility_bindings, ask, fail, private_classroom_server, require_tools, skip, \
    wait_for_accessible

gi = accessibility_bindings()

SHOWN_QUESTION = re.compile(r"^ ?(-?\d+) x ?(-?\d+)$")
SUMMARY = re.compile(r"^Well done, .*!")
NAME = "Ada"
NAMED_ROLES = ("push button", "radio button", "text", "image", "progress bar", "check box",
               "menu item")
# Orca's echo of the keys: "return ", "0 ", and a typed character once more.
KEY_ECHO = re.compile(r"^(\S|.*\S )$")
ROLE_NAMES = re.compile(r"\b(notification|alert|label|layered pane)\b")
SQUARE = re.compile(r"^\d+ times \d+, [A-Za-z ]+\.$")
HARDEST = re.compile(r"^\d+ times \d+, Asked: \d+\.$")
HEARD_FILE = "screen_reader_heard.txt"


def find_all(node, depth=0, limit=6):
    yield node
    if depth < limit:
        for index in range(node.get_child_count()):
            child = node.get_child_at_index(index)
            if child is not None:
                yield from find_all(child, depth + 1, limit)


def program_nodes(desktop, limit=6):
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    return [node for app in apps if app is not None and app.get_name() == "Numberlark"
            for node in find_all(app, limit=limit)]


class Child:
    """Presses keys, marking each moment, and reads what is on screen."""

    def __init__(self, run, desktop, orca):
        self.run, self.desktop, self.orca, self.marks = run, desktop, orca, []

    def press(self, label, *keys, heard=None):
        self.marks.append((datetime.datetime.now(), label))
        self.run.keyboard.keys(*keys)
        return self.orca.wait_for_speech(self.marks[-1][0], heard)

    def shown(self, pattern=SHOWN_QUESTION, not_this=None, limit=6):
        deadline = time.monotonic() + WAIT_S
        while time.monotonic() < deadline:
            for node in program_nodes(self.desktop, limit):
                name = node.get_name() or ""
                if pattern.match(name) and name != not_this and node.get_role_name() == "label":
                    return name
            time.sleep(0.1)
        fail(f"nothing like {pattern.pattern} is on screen")

    def shown_question(self):
        found = SHOWN_QUESTION.match(self.shown(limit=12))
        return int(found[1]), int(found[2])

    def answer(self, label, question, heard=None):
        # Typed behind the space a wrong answer leaves, which does not count;
        # the echo of the digits is over before Enter, as when a child types.
        self.type(str(question[0] * question[1]))
        self.press(label, "Return", heard=heard)

    def type(self, text):
        since = datetime.datetime.now()
        self.run.keyboard.type(text)
        self.orca.wait_for_speech(since)


def check_dial_clock_and_names(desktop):
    """After the first right answer the dial says so, the clock tells its
    seconds, and every control and picture has a name."""
    nodes = program_nodes(desktop)
    dial = [n.get_description() for n in nodes if n.get_role_name() == "progress bar"]
    clock = [n.get_name() for n in nodes if re.fullmatch(r"\d+ seconds", n.get_name() or "")]
    unnamed = [n.get_role_name() for n in nodes
               if n.get_role_name() in NAMED_ROLES and not n.get_name()]
    if dial != ["1 of 2 answered"] or not clock or unnamed:
        fail(f"the dial tells {dial}, the clock {clock}; unnamed: {unnamed}")


def back_to_the_main_window(child):
    since = datetime.datetime.now()
    child.run.keyboard.focus_window()  # no window manager hands it back
    child.orca.wait_for_speech(since, heard="Test push button")


def play(child):
    back_to_the_main_window(child)
    child.press("the table group", "Tab", "Tab", heard="selected")
    child.press("an arrow key", "Down", heard="selected")
    child.press("back to TEST", "shift+Tab", "shift+Tab")
    child.press("TEST", "space", heard="times")
    first = child.shown_question()
    child.type("0")
    child.press("wrong", "Return", heard="wrong")
    child.type("0")
    child.press("wrong again", "Return", heard="wrong")
    child.press("where am I after a wrong answer", "KP_Enter", heard="times")
    child.answer("right", first, heard="times")
    second = child.shown_question()
    check_dial_clock_and_names(child.desktop)
    child.answer("the last right answer", second, heard="Type your name")
    child.press("where am I on the certificate", "KP_Enter", heard="Certificate")
    child.type(NAME)
    child.press("Quit", "Tab", "space")
    child.run.wait_for_exit()
    return first, second


def open_progress(child):
    back_to_the_main_window(child)
    child.press("the Tools menu", "alt+t")
    child.press("the progress window", "p", heard=f"Progress of {NAME}")
    # Tab by Tab past the trend's charts and picker, each said in a sentence.
    for _ in range(12):
        said = child.press("into the facts grid", "Tab", heard=r"\.")
        if any(SQUARE.match(u.text) for u in said):
            break
    else:
        fail("Tab never reached the facts grid")
    child.press("down in the grid", "Down", heard="times")
    child.press("right in the grid", "Right", heard="times")
    child.press("out of the grid", "Tab", heard="Tests")
    child.press("close", "Escape")


def practise(child):
    child.press("the Tools menu again", "alt+t")
    child.press("the practice window", "r", heard="Your name")
    child.run.keyboard.focus_window(**PRACTICE_WINDOW)
    child.run.keyboard.keys("ctrl+a")
    child.type(NAME)
    child.press("start practising", "Return", heard="times")
    question = child.shown_question()
    child.type("0")
    child.press("a wrong practice answer", "Return", heard="Not yet")
    child.answer("the fact copied", question, heard="times")
    child.answer("a right practice answer", child.shown_question(), heard="times")
    # The rest quickly, as a child who knows them, until the summary.
    previous = None
    child.marks.append((datetime.datetime.now(), "quick answers"))
    for _ in range(40):
        shown = child.shown(re.compile(f"{SHOWN_QUESTION.pattern}|{SUMMARY.pattern}"),
                            not_this=previous, limit=12)
        if SUMMARY.match(shown):
            break
        found = SHOWN_QUESTION.match(shown)
        child.run.keyboard.type(str(int(found[1]) * int(found[2])))
        child.run.keyboard.keys("Return")
        previous = shown
    child.orca.wait_for_speech(child.marks[-1][0], heard="Well done,")
    child.marks.append((datetime.datetime.now(), "the summary"))
    child.press("close the practice", "Escape")


def seed_class(server):
    """Ada's 7 times table test on the server, slow and twice wrong at each fact,
    as a computer of the teacher's class delivered it."""
    ask(server, "login pc1 numberlark_computer,class_4b")
    test = "'7e57ada0-0000-4000-8000-000000000007'"
    answers = "".join(f"; INSERT INTO answers VALUES ({test}, {b}, 7, {b}, 7, 2, 9000, 'pc1')"
                      for b in (6, 8, 9))
    ask(server, "sql INSERT INTO tests (uuid, child, taken_ms, utc_offset, table_kind, "
        "table_number, questions, right_answers, seconds, finished, delivered_by) VALUES "
        f"({test}, 'Ada', 1780000000000, 0, 0, 7, 3, 3, 30, 1, 'pc1'){answers}")
    return ask(server, "login teacher numberlark_teacher,class_4b")


def hear_the_class(child, teacher):
    set_server(child.run, teacher)
    child.run.start()
    back_to_the_main_window(child)
    child.press("the Tools menu once more", "alt+t")
    child.press("the teacher's progress window", "p", heard="Progress")
    # The login is checked off the window's thread.
    wait_for_accessible(child.desktop, re.compile("^Class$"), states=("showing",), timeout=30)
    child.press("the class", "alt+a", heard="whole class")
    child.press("past the export", "Tab")
    child.press("the hardest facts", "Tab", heard=HARDEST.pattern)
    child.press("the next hardest fact", "Right", heard="times")
    child.press("the class's child picker", "alt+c", heard="Whole Class")
    child.press("a child of the class", "Down", heard="Progress of")


def heard_after(played, marks, label):
    """What was played from the key marked `label` to the next mark, key echo left out."""
    index = next(i for i, (_, marked) in enumerate(marks) if marked == label)
    start = marks[index][0]
    end = marks[index + 1][0] if index + 1 < len(marks) else datetime.datetime.max
    return [u for u in played if start <= u.start < end and not KEY_ECHO.match(u.text)]


def moment(marks, label):
    return next(when for when, marked in marks if marked == label)


def timings(played, marks):
    """Seconds a child waits, as speech-dispatcher played it."""
    verdict = heard_after(played, marks, "right")[0]
    question = next(when for when, word in verdict.words if re.match(r"-?\d", word))
    sentence = next(u for u in heard_after(played, marks, "the last right answer")
                    if "Well done" in u.text)
    square = heard_after(played, marks, "down in the grid")
    named = heard_after(played, marks, "the class")[-1].end - moment(marks, "the class")
    fact = heard_after(played, marks, "the next hardest fact")
    return {"choosing Class to the class named": named.total_seconds(),
            "one Right in the hardest facts, speech":
            sum((u.end - u.start).total_seconds() for u in fact),
            "Enter to the next question's first sound":
            (question - moment(marks, "right")).total_seconds(),
            "Enter to the certificate's sentence heard":
            (sentence.end - moment(marks, "the last right answer")).total_seconds(),
            "one Down in the facts grid, speech":
            sum((u.end - u.start).total_seconds() for u in square)}


def check(played, marks, questions):
    def expect(label, ok, what):
        heard = [u.text for u in heard_after(played, marks, label)]
        if not ok(heard):
            fail(f"after {label} Orca said {heard}; expected {what}")

    spoken = [f"{a} times {b}." for a, b in questions]
    # Quit is passed in 40 ms: a busy Orca may have no time to name it.
    expect("the table group", lambda s: s[-2:] == ["9 times table.", "selected radio button"]
           and s[:-2] in ([], ["Quit push button."]),
           "Quit, then the selected 9 times table and it alone")
    expect("an arrow key", lambda s: s == ["10 times table.", "selected radio button"],
           "the 10 times table, selected")
    if any(10 not in question for question in questions):
        fail(f"the arrow key did not choose the 10 times table: {questions}")
    expect("TEST", lambda s: s == ["Answer text.", spoken[0]], "the first question once")
    for label in ("wrong", "wrong again"):
        expect(label, lambda s: s == ["wrong."], "only the verdict")
    expect("where am I after a wrong answer", lambda s: s[-1:] == [f"wrong, {spoken[0]}"],
           "the verdict and the question")
    expect("right", lambda s: s == [f"correct, {spoken[1]}"], "the verdict with the next question")
    expect("the last right answer", lambda s: len(s) == 1 and re.fullmatch(
        r"Well done! 2 questions in \d+ seconds\. Type your name\.", s[0]), "the short certificate")
    expect("where am I on the certificate", lambda s: s[:1] == ["Your name text."] and re.match(
        r"Certificate: You completed 2 of the 10 times table questions in \d+ seconds on .+ at "
        r".+\. Type your name here\.\.$", s[-1]), "the whole certificate")
    if any(re.search(r"\d x ?-?\d|percent", u.text) or ROLE_NAMES.search(u.text) for u in played):
        fail("Orca read a question with its x, the dial's percentage or a role's name")
    expect("the progress window", lambda s: s[:1] == [f"Progress of {NAME}."],
           "the child's name first")
    for label in ("down in the grid", "right in the grid"):
        expect(label, lambda s: len(s) == 1 and SQUARE.match(s[0]), "one square")
    expect("out of the grid", lambda s: s[:1] == ["Tests."], "the tests list")
    expect("the practice window", lambda s: s[:1] == ["Who is practising?"]
           and any(x.startswith("Your name:") for x in s), "who is practising, then the name box")
    for label in ("start practising", "the fact copied", "a right practice answer"):
        expect(label, lambda s: len([x for x in s if re.search(r"\d+ times \d+", x)]) == 1
               and re.search(r"\d+ times \d+\.$", s[-1]), "the question in words, once")
    expect("a wrong practice answer", lambda s: len(s) == 1 and re.fullmatch(
        r"Not yet\. (\d+) times (\d+) is (\d+)\. Type \3 to go on\.", s[0]),
        "the whole fact in words and what to type")
    expect("quick answers", lambda s: any(re.match(
        rf"Well done, {NAME}! You answered \d+ questions\. \d+ facts you know now: "
        r"(\d+ times \d+, )*\d+ times \d+( and \d+ times \d+)?\.", x)
        for x in s), "the summary with the facts learnt in words")
    expect("the class", lambda s: s[-1:] == ["Progress of class class_4b."], "the class named")
    expect("the hardest facts", lambda s: s[:1] == ["The facts the class finds hardest."]
           and HARDEST.match(s[-1]), "the list's name, then its first fact")
    expect("the next hardest fact", lambda s: len(s) == 1 and HARDEST.match(s[0]), "one fact")
    expect("the class's child picker", lambda s: s == ["Child: combo box.", "Whole Class."],
           "the picker and its choice")
    expect("a child of the class", lambda s: s == [f"Progress of {NAME}."], "the child chosen")


def main():
    if len(sys.argv) != 3:
        fail("usage: screen_reader_hears_a_test.py PATH_TO_NUMBERLARK "
             "PATH_TO_PRIVATE_CLASSROOM_SERVER")
    require_tools("dbus-daemon", "orca", "speech-dispatcher")
    if gi is None or not Path(BUS_LAUNCHER).exists():
        skip("the AT-SPI bus (at-spi2-core, python3-gi, gir1.2-atspi-2.0) is not installed")
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    env = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}
    settings = {"num_of_questions": 2, "allow_saving": 1, "allow_printing": 0}
    with AccessibilityBus() as bus, ProgramUnderTest(
            sys.argv[1], settings=settings, env=env, start=False) as run:
        Atspi.init()
        # Windows are focused once the program has made them active, as
        # read on the bus, never after a fixed wait.
        desktop = run.keyboard.desktop = Atspi.get_desktop(0)
        with Orca(run.root / "orca", run.display, bus.address) as orca:
            orca.wait_until_listening(desktop)
            run.start()
            child = Child(run, desktop, orca)
            orca.wait_for_speech(datetime.datetime.now(), heard="Test push button")
            practise(child)  # recorded at its end, so the progress window knows Ada
            open_progress(child)
            questions = play(child)
            with private_classroom_server(sys.argv[2]) as server:
                hear_the_class(child, seed_class(server))
            played = orca.playback.refresh()
    Path(HEARD_FILE).unlink(missing_ok=True)
    try:
        for measure, seconds in timings(played, child.marks).items():
            print(f"speech: {measure}: {seconds:.2f} s")
        check(played, child.marks, questions)
    except BaseException:
        Path(HEARD_FILE).write_text("".join(f"{u}\n" for u in played))
        print(f"e2e: what was played is in {Path(HEARD_FILE).resolve()}", file=sys.stderr)
        raise


if __name__ == "__main__":
    main()
