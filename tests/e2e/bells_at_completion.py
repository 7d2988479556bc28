#!/usr/bin/env python3
"""Listens to the end of a one-question test on a real sound server.

A private PulseAudio daemon (unix socket in the test's own folder, no network)
plays into a null sink whose monitor is recorded while the real binary, under
Xvfb, finishes a test. With sound on the recording must hold twelve separate
bells; with sound off it must be silent. With no sound server at all, the X
server must report twelve rings of its own bell instead.

Usage: bells_at_completion.py PATH_TO_NUMBERLARK
"""

import array
import ctypes
import sys
import time

from e2e_support import RATE, ProgramUnderTest, SoundServer, answer_questions, fail, \
    require_tools, stop, wait_for_question

TABLE = 7
# From the last answer key to the last bell's end: the completion's pause,
# twelve bells at most 0.5 s apart, and room to spare.
LISTEN_AFTER_TEST_S = 9.0
WINDOW_S = 0.005
# Bells peak near a quarter of full scale; silence on a null sink is exactly 0.
LOUD = 1500
QUIET = LOUD // 3
# A bell has ended only after this long below QUIET; the gaps between
# bells are longer, the dips inside one bell shorter.
ENDED_S = 0.03
ENDED_WINDOWS = round(ENDED_S / WINDOW_S)

CASES = [
    # (what, allow_sound, sound server runs, (bells heard, X bells rung))
    ("sound on", 1, True, (12, 0)),
    ("sound off", 0, True, (0, 0)),
    ("sound on, no sound server", 1, False, (0, 12)),
]

class XkbAnyEvent(ctypes.Structure):
    """The head of Xlib's event union as the keyboard extension fills it."""
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("time", ctypes.c_ulong), ("xkb_type", ctypes.c_int),
                ("pad", ctypes.c_long * 24)]  # XEvent is 24 longs in all


class XBellCounter:
    """Counts the X server's bell notifications: what the toolkit's beep rings."""

    USE_CORE_KEYBOARD = 0x100
    BELL_NOTIFY = 8

    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for name in ("XPending", "XFlush", "XCloseDisplay"):
            getattr(self.x, name).argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x.XkbQueryExtension.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_int)] * 5
        self.x.XkbSelectEvents.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_ulong,
                                           ctypes.c_ulong]
        self.name = display.encode()

    def __enter__(self):
        self.display = self.x.XOpenDisplay(self.name)
        if not self.display:
            fail("cannot open the test's X display")
        numbers = [ctypes.c_int(1), ctypes.c_int(), ctypes.c_int(), ctypes.c_int(1),
                   ctypes.c_int(0)]
        if not self.x.XkbQueryExtension(self.display, *map(ctypes.byref, numbers)):
            fail("the X server has no keyboard extension to report bells")
        self.event_type = numbers[1].value
        mask = 1 << self.BELL_NOTIFY
        self.x.XkbSelectEvents(self.display, self.USE_CORE_KEYBOARD, mask, mask)
        self.x.XFlush(self.display)
        return self

    def count(self):
        event, bells = XkbAnyEvent(), 0
        while self.x.XPending(self.display):
            self.x.XNextEvent(self.display, ctypes.byref(event))
            bells += event.type == self.event_type and event.xkb_type == self.BELL_NOTIFY
        return bells

    def __exit__(self, *exc):
        self.x.XCloseDisplay(self.display)
        return False


def finish_one_question_test(keyboard):
    """Chooses the 7 times table, presses TEST and answers the question."""
    keyboard.choose_table(TABLE)
    keyboard.keys("shift+Tab", "shift+Tab", "space")
    wait_for_question(keyboard.desktop)
    answer_questions(keyboard, 1)


def envelope(path):
    samples = array.array("h")
    samples.frombytes(path.read_bytes())
    step = int(RATE * WINDOW_S)
    return [max(map(abs, samples[i:i + step]), default=0) for i in range(0, len(samples), step)]


def count_bells(levels):
    """Rises above LOUD, each after at least ENDED_S below QUIET."""
    bells, quiet, ended = 0, 0, True
    for level in levels:
        quiet = quiet + 1 if level < QUIET else 0
        ended = ended or quiet >= ENDED_WINDOWS
        if level > LOUD and ended:
            bells, ended = bells + 1, False
    return bells


def finish_and_count_x_bells(run):
    with XBellCounter(run.display) as x_bells:
        run.start()
        finish_one_question_test(run.keyboard)
        time.sleep(LISTEN_AFTER_TEST_S)
        return x_bells.count()


def listen(binary, allow_sound, server_runs):
    """Returns the bells heard on the sound server and the X bells rung."""
    settings = {"allow_sound": allow_sound, "num_of_questions": 1, "allow_printing": 0}
    with ProgramUnderTest(binary, settings=settings, start=False,
                          readable=True) as run:
        server = SoundServer(run.root / "pulse")
        run.extra_env.update(server.env)
        if not server_runs:
            return 0, finish_and_count_x_bells(run)
        server.start()
        recording = run.root / "monitor.raw"
        recorder = server.record(recording)
        try:
            x_bells = finish_and_count_x_bells(run)
        finally:
            stop(recorder)
            server.stop()
        levels = envelope(recording)
        if len(levels) * WINDOW_S < LISTEN_AFTER_TEST_S:
            fail(f"the recording holds only {len(levels) * WINDOW_S:.1f} s")
        return count_bells(levels), x_bells


def main():
    if len(sys.argv) != 2:
        fail("usage: bells_at_completion.py PATH_TO_NUMBERLARK")
    require_tools("pulseaudio", "pactl", "parec")
    for what, allow_sound, server_runs, expected in CASES:
        heard = listen(sys.argv[1], allow_sound, server_runs)
        print(f"e2e: {what}: {heard[0]} bells heard, {heard[1]} X bells rung")
        if heard != expected:
            fail(f"{what}: expected {expected[0]} bells heard and {expected[1]} X bells, "
                 f"found {heard[0]} and {heard[1]}")


if __name__ == "__main__":
    main()
