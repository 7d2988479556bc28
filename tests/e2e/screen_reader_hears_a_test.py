#!/usr/bin/env python3
"""What a blind child and her parent hear from the real Orca, run privately
(see e2e_support.Orca): the table choice, a two-question test with the
first question answered wrongly twice and "where am I" asked, the
certificate, the progress window's facts grid, and a practice question
answered wrongly on screen. Each key press is marked
in time, so every check reads what Orca said between one key and the next.

Usage: screen_reader_hears_a_test.py PATH_TO_NUMBERLARK
"""

import datetime
import re
import sys
import time
from pathlib import Path

from e2e_support import BUS_LAUNCHER, WAIT_S, AccessibilityBus, Orca, ProgramUnderTest, \
    accessibility_bindings, fail, require_tools, skip

gi = accessibility_bindings()

SHOWN_QUESTION = re.compile(r"^ ?(-?\d+) x ?(-?\d+)$")
NAME = "Ada"
STEP_S = 2.0  # room for Orca to say what a key brought
NAMED_ROLES = ("push button", "radio button", "text", "image", "progress bar", "check box",
               "menu item")
# Orca's echo of the keys: "return ", "0 ", and a typed character once more.
KEY_ECHO = re.compile(r"^(\S|.*\S )$")


def find_all(node, depth=0):
    yield node
    if depth < 6:
        for index in range(node.get_child_count()):
            yield from find_all(node.get_child_at_index(index), depth + 1)


def program_nodes(desktop):
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    return [node for app in apps if app is not None and app.get_name() == "Numberlark"
            for node in find_all(app)]


class Child:
    """Presses keys, marking each moment, and reads the question on screen."""

    def __init__(self, run, desktop):
        self.run, self.desktop, self.marks = run, desktop, []

    def press(self, label, *keys, wait=STEP_S):
        self.marks.append((datetime.datetime.now(), label))
        self.run.keyboard.keys(*keys)
        time.sleep(wait)

    def shown_question(self):
        deadline = time.monotonic() + WAIT_S
        while time.monotonic() < deadline:
            for node in program_nodes(self.desktop):
                found = SHOWN_QUESTION.match(node.get_name() or "")
                if found and node.get_role_name() == "label":
                    return int(found[1]), int(found[2])
            time.sleep(0.2)
        fail("no question is on screen")

    def answer(self, label, question, wait=STEP_S):
        # Typed behind the space a wrong answer leaves, which does not count.
        self.run.keyboard.type(str(question[0] * question[1]))
        self.press(label, "Return", wait=wait)


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


def play(child):
    child.press("the table group", "Tab", "Tab")
    child.press("an arrow key", "Down")
    child.press("back to TEST", "shift+Tab", "shift+Tab")
    child.press("TEST", "space")
    first = child.shown_question()
    child.press("wrong", "0", "Return")
    child.press("wrong again", "0", "Return")
    child.press("where am I after a wrong answer", "KP_Enter")
    child.answer("right", first)
    second = child.shown_question()
    check_dial_clock_and_names(child.desktop)
    child.answer("the last right answer", second, wait=4)  # and the certificate is drawn
    child.press("where am I on the certificate", "KP_Enter", wait=5)
    child.run.keyboard.type(NAME)
    child.press("Quit", "Tab", "space")
    child.run.wait_for_exit()
    return first, second


def open_progress(child):
    child.run.start()
    child.press("the Tools menu", "alt+t", wait=0.5)
    child.press("the progress window", "p", wait=3)
    child.press("into the facts grid", *["Tab"] * 7)
    child.press("a row of the grid", "Down", wait=5)
    child.press("out of the grid", "Tab")
    child.press("close", "Escape")


def practise(child):
    child.run.keyboard.focus_window()  # no window manager hands it back
    child.press("the Tools menu again", "alt+t", wait=0.5)
    child.press("the practice window", "r", wait=3)
    child.run.keyboard.focus_window("^Practice$")
    child.run.keyboard.keys("ctrl+a")
    child.run.keyboard.type(NAME)
    child.press("start practising", "Return", wait=3)
    child.press("a wrong practice answer", "0", "Return", wait=4)
    child.press("close the practice", "Escape")


def heard_after(transcript, marks, label):
    """What Orca said from the key marked `label` to the next mark, key echo left out."""
    index = next(i for i, (_, marked) in enumerate(marks) if marked == label)
    start = marks[index][0]
    end = marks[index + 1][0] if index + 1 < len(marks) else datetime.datetime.max
    return [said for when, said in transcript if start <= when < end and not KEY_ECHO.match(said)]


def check(transcript, marks, questions):
    def heard(label):
        return heard_after(transcript, marks, label)

    def expect(label, ok, what):
        if not ok(heard(label)):
            fail(f"after {label} Orca said {heard(label)}; expected {what}")

    spoken = [f"{a} times {b}." for a, b in questions]
    expect("the table group", lambda s: s == ["Quit push button.", "9 times table.",
                                              "selected radio button"],
           "Quit, then the selected 9 times table and it alone")
    expect("an arrow key", lambda s: s == ["10 times table.", "selected radio button"],
           "the 10 times table, selected")
    if any(10 not in question for question in questions):
        fail(f"the arrow key did not choose the 10 times table: {questions}")
    expect("TEST", lambda s: s == ["Answer text.", spoken[0]], "the first question once")
    for label in ("wrong", "wrong again"):
        expect(label, lambda s: s == ["notification wrong."], "only the verdict")
    expect("where am I after a wrong answer", lambda s: s[-1:] == [f"wrong, {spoken[0]}"],
           "the verdict and the question")
    expect("right", lambda s: s == ["notification correct.", f"notification {spoken[1]}"],
           "the verdict, then the next question")
    expect("the last right answer", lambda s: len(s) == 2 and s[0] == "notification correct."
           and re.fullmatch(r"notification Well done! 2 questions in \d+ seconds\. "
                            r"Type your name\.", s[1]), "the verdict and the short certificate")
    expect("where am I on the certificate", lambda s: s[:1] == ["Your name text."] and re.match(
        r"Certificate: You completed 2 of the 10 times table questions in \d+ seconds on .+ at "
        r".+\. Type your name here\.\.$", s[-1]), "the whole certificate")
    if any(re.search(r"\d x ?-?\d|percent", said) for _, said in transcript):
        fail("Orca read a question with its x, or the dial's percentage")
    expect("the progress window", lambda s: s[:1] == [f"Progress of {NAME}."],
           "the child's name first")
    expect("a row of the grid", lambda s: len(s) >= 12 and len(" ".join(s)) < 400
           and re.fullmatch(r"2 times 1, Not asked yet\.", s[0]), "a short read of a row")
    expect("out of the grid", lambda s: s[:1] == ["Tests."], "the tests list")
    expect("start practising", lambda s: len([x for x in s if re.search(r"\d+ times \d+", x)]) == 1
           and re.fullmatch(r"\d+ times \d+\.", s[-1]), "the practice question in words, once")
    expect("a wrong practice answer", lambda s: any(re.fullmatch(
        r"notification Not yet\. (\d+) times (\d+) is (\d+)\. Type \3 to go on\.", x) for x in s),
        "the whole fact in words and what to type")


def main():
    if len(sys.argv) != 2:
        fail("usage: screen_reader_hears_a_test.py PATH_TO_NUMBERLARK")
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
        desktop = Atspi.get_desktop(0)
        with Orca(run.root / "orca", run.display, bus.address) as orca:
            orca.wait_until_listening(desktop)
            run.start()
            time.sleep(STEP_S)
            child = Child(run, desktop)
            questions = play(child)
            open_progress(child)
            practise(child)
            transcript = orca.stop()
    print("e2e: what Orca said:")
    for when, said in transcript:
        print(f"  {when:%H:%M:%S.%f} {said}")
    check(transcript, child.marks, questions)


if __name__ == "__main__":
    main()
