#!/usr/bin/env python3
"""Listens to a whole two-question test the way a screen reader does.

A private session bus and the accessibility bus launcher run the real
AT-SPI bus; the program joins it. A listener registers for the events that
screen readers speak and keeps only what they would say: focus moves, and
name or description changes of the object that has the focus. (Name changes
of labels elsewhere on the window are not spoken, so they do not count.)
The test answers from what it hears: the first question wrong twice, then
right; the second right at once. The questions, the verdicts and the
certificate's sentence and date must be heard in order, and the answer box
must keep the focus all along. The transcript is printed.

Usage: screen_reader_hears_a_test.py PATH_TO_NUMBERLARK
"""

import os
import re
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SYSTEM_PYTHON = "/usr/bin/python3"
try:
    import gi
except ImportError:
    # The Debian bindings belong to the system's interpreter.
    if sys.executable != SYSTEM_PYTHON and Path(SYSTEM_PYTHON).exists():
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, *sys.argv])
    gi = None

from e2e_support import ProgramUnderTest, fail, require_tools, skip, stop

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
QUESTION = re.compile(r"^(-?\d+) x (-?\d+)$")
CERTIFICATE = re.compile(r"^Certificate: You completed 2 of the 9 times table questions in"
                         r" ?-?\d+ seconds on .+ at .+\. Type your name here\.\.$")
SPOKEN_EVENTS = ("object:state-changed:focused", "object:state-changed:showing",
                 "object:property-change:accessible-name",
                 "object:property-change:accessible-description", "object:announcement")
WAIT_S = 10.0
NAMED_ROLES = ("push button", "radio button", "text", "image", "progress bar", "check box",
               "menu item")


class AccessibilityBus:
    """A private session bus with the AT-SPI bus launcher on it."""

    def __enter__(self):
        self._temp = tempfile.TemporaryDirectory(prefix="numberlark-a11y-")
        self.daemon = self.launcher = None
        self.daemon = subprocess.Popen(
            ["dbus-daemon", "--session", f"--address=unix:path={self._temp.name}/bus",
             "--print-address", "--nofork"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self.daemon.stdout.readline().strip()
        if not self.address:
            self.__exit__()
            skip("the private session bus did not start")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.address
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)  # never the desktop's own bus
        self.launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not self._wait_for_launcher():
            self.__exit__()
            skip("the accessibility bus launcher did not start")
        return self

    def _wait_for_launcher(self):
        from gi.repository import Gio, GLib
        connection = Gio.DBusConnection.new_for_address_sync(
            self.address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        deadline = time.monotonic() + WAIT_S
        while time.monotonic() < deadline and self.launcher.poll() is None:
            reply = connection.call_sync(
                "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                Gio.DBusCallFlags.NONE, -1, None)
            if reply.unpack()[0]:
                return True
            time.sleep(0.1)
        return False

    def __exit__(self, *exc):
        stop(self.launcher)
        stop(self.daemon)
        self._temp.cleanup()
        return False


class ScreenReaderEars:
    """What a screen reader would speak, in order: (kind, text) pairs."""

    def __init__(self, Atspi, GLib):
        self.Atspi = Atspi
        self.GLib = GLib
        self.context = GLib.MainContext.default()
        self.heard = []
        self.focus_path = None
        self.listener = Atspi.EventListener.new(self._on_event)
        for event_type in SPOKEN_EVENTS:
            self.listener.register(event_type)

    def _on_event(self, event):
        source = event.source
        if event.type.startswith("object:state-changed:focused"):
            if event.detail1:
                self.focus_path = source.path
                self.heard.append(("focus", self._describe(source)))
            return
        if event.type.startswith("object:announcement"):
            self.heard.append(("announcement", str(event.any_data)))
            return
        if event.type.startswith("object:state-changed:showing"):
            # Readers speak a notification as it appears, asking its name.
            if event.detail1 and source.get_role_name() == "notification":
                self.heard.append(("notification", source.get_name()))
            return
        if source.path != self.focus_path:
            return
        # The event carries the new text, or (with some toolkit versions)
        # only a reference to its object, which is then asked at once.
        text = event.any_data if isinstance(event.any_data, str) else None
        if event.type.endswith("accessible-name"):
            self.heard.append(("name", text if text is not None else source.get_name()))
        else:
            self.heard.append(("says", text if text is not None else source.get_description()))

    def _describe(self, source):
        try:
            return f"{source.get_name()}, {source.get_role_name()}"
        except self.GLib.Error:  # Quit: the program is gone before it is asked
            return "(a control of a program that has ended)"

    def pump(self, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while self.context.iteration(False):
                pass
            time.sleep(0.01)

    def wait_for(self, what, matches):
        """Waits for a spoken text that `matches` after everything heard so far."""
        start = len(self.heard)
        deadline = time.monotonic() + WAIT_S
        while time.monotonic() < deadline:
            self.pump(0.05)
            for kind, text in self.heard[start:]:
                if kind != "focus" and text and matches(text):
                    return text
        self.print_transcript()
        fail(f"a screen reader never heard {what}")

    def print_transcript(self):
        print("e2e: what a screen reader user hears:")
        for kind, text in self.heard:
            if text:
                print(f"  [{kind}] {text}")


def answer_of(question):
    left, right = QUESTION.match(question).groups()
    return str(int(left) * int(right))


def play(run, ears):
    keys = run.keyboard
    keys.keys("space")  # TEST has the focus
    first = ears.wait_for("the first question", QUESTION.match)
    for _ in range(2):  # the same verdict twice is told twice
        keys.keys("ctrl+a", "0", "Return")
        ears.wait_for('"wrong"', lambda text: text == "wrong")
    keys.keys("ctrl+a")
    keys.type(answer_of(first))
    keys.keys("Return")
    ears.wait_for('"correct"', lambda text: text == "correct")
    second = ears.wait_for("the second question", QUESTION.match)
    check_dial_and_clock(ears)
    keys.type(answer_of(second))
    keys.keys("Return")
    ears.wait_for("the certificate", CERTIFICATE.match)
    keys.keys("Tab", "space")  # from the name box to Quit
    run.wait_for_exit()
    ears.pump(0.3)


def find_all(node, depth=0):
    yield node
    if depth < 6:
        for index in range(node.get_child_count()):
            yield from find_all(node.get_child_at_index(index), depth + 1)


def check_dial_and_clock(ears):
    """After the first right answer the dial says so, the clock tells its seconds, and
    every control and picture has a name."""
    desktop = ears.Atspi.get_desktop(0)
    deadline = time.monotonic() + WAIT_S
    while True:
        nodes = [node for app in (desktop.get_child_at_index(i)
                                  for i in range(desktop.get_child_count()))
                 if app.get_name() == "Numberlark" for node in find_all(app)]
        dial = [n.get_description() for n in nodes if n.get_role_name() == "progress bar"]
        clock = [n.get_name() for n in nodes if re.fullmatch(r"\d+ seconds", n.get_name() or "")]
        if dial == ["1 of 2 answered"] and clock:
            unnamed = [n.get_role_name() for n in nodes
                       if n.get_role_name() in NAMED_ROLES and not n.get_name()]
            if unnamed:
                fail(f"controls or pictures without a name: {unnamed}")
            return
        if time.monotonic() > deadline:
            fail(f"the progress dial tells {dial} (not ['1 of 2 answered']), the clock {clock}")
        ears.pump(0.2)


def is_(expected):
    return expected.__eq__


# What each way of telling must say, in order: the focused box's description
# (and its name), and the notifications.
BOX_TELLS = [QUESTION.match, is_("wrong"), is_("wrong"), is_("correct"), QUESTION.match,
             is_("correct"), is_("Well Done"), is_("Your name"), CERTIFICATE.match]
NOTIFICATIONS_TELL = [told for told in BOX_TELLS if told is not BOX_TELLS[7]]


def check_channel(heard, kinds, expected):
    texts = [text for kind, text in heard if kind in kinds and text]
    if len(texts) != len(expected) or not all(e(t) for e, t in zip(expected, texts)):
        fail(f"{' and '.join(kinds)} told {texts}; expected question, wrong, wrong, correct, "
             "question, correct, Well Done, (the box named Your name,) the certificate "
             "with the name prompt, and nothing else")


def check_order(heard):
    check_channel(heard, ("says", "name"), BOX_TELLS)
    check_channel(heard, ("notification",), NOTIFICATIONS_TELL)
    # From the first question to the certificate the focus stays in the box.
    texts = [text for kind, text in heard if kind == "says"]
    during_test = heard[heard.index(("says", texts[0])):heard.index(("says", texts[-1]))]
    focus_moves = [text for kind, text in heard if kind == "focus"]
    if focus_moves[:2] != ["Test, push button", "Answer, text"] or any(
            kind == "focus" for kind, _ in during_test):
        fail(f"the focus left the answer box during the test: {focus_moves}")


def main():
    if len(sys.argv) != 2:
        fail("usage: screen_reader_hears_a_test.py PATH_TO_NUMBERLARK")
    require_tools("dbus-daemon")
    if gi is None or not Path(BUS_LAUNCHER).exists():
        skip("the AT-SPI bus (at-spi2-core, python3-gi, gir1.2-atspi-2.0) is not installed")
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib

    with AccessibilityBus() as bus:
        Atspi.init()
        ears = ScreenReaderEars(Atspi, GLib)
        env = {"DBUS_SESSION_BUS_ADDRESS": bus.address, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
               "QT_ACCESSIBILITY": "1"}
        with ProgramUnderTest(sys.argv[1], settings={"num_of_questions": 2}, env=env,
                              start=False) as run:
            run.start()
            ears.pump(0.5)
            play(run, ears)
        ears.print_transcript()
        check_order(ears.heard)


if __name__ == "__main__":
    main()
